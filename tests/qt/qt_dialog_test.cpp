// What the Qt backend adds to the dialog contract, on Qt's offscreen platform:
// the classic Enter, Escape and access keys (a marked letter alone clicks unless
// the focus takes typing), dialog units of the dialog font, a frame centred on
// the screen, sorted lists in the locale's order with their lines' bytes kept,
// a selection that stays, handles that die with their dialog, and a send that
// keeps its dialog painted, holds other keys until it ends and stops on Escape.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <tuple>

#include <QApplication>
#include <QListWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_dialog_window.h"
#include "platform/sleep.h"
#include "platform/sound.h"

namespace korvane {

using enum platform::ControlKind;
using enum platform::ControlStyle;
using platform::ControlLayout;

std::vector<int> clicks;
int paints = 0;

int record(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    clicks.push_back(message == 0x111 ? static_cast<int>(wparam) : -1);
    return 1;
}

const ControlLayout go{1, push_button, "&Go", 10, 100, 40, 14, kTabStop, record};
const ControlLayout quit{2, push_button, "&Quit", 60, 100, 40, 14, kTabStop, record};
const ControlLayout other{7, push_button, "&Other", 110, 100, 40, 14, kTabStop, record};
const ControlLayout box{301, edit, "", 130, 9, 61, 13, kTabStop | kReadOnly, nullptr};
const ControlLayout list{502, list_box, "", 5, 5, 100, 140, kTabStop | kSorted, nullptr};

// Keys given to the window system, as a user's are.
void press(platform::WindowHandle window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(qt::find_dialog(window)->windowHandle(), key, modifiers);
}

// A 44,100 Hz 16-bit mono image of one sample.
const std::string kImage(
    "RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x44\xAC\0\0\x88\x58\1\0\2\0\x10\0data\2\0\0\0"
    "\1\0",
    46);

// A send of a minute's pause before a sound: during it the dialog is asked to
// repaint, Alt+O and then Escape are pressed. It notes 1 when it was painted
// meanwhile and 2 when it ended within a second.
int send(platform::WindowHandle window, std::uint32_t, std::uintptr_t, std::intptr_t) {
    const auto start = std::chrono::steady_clock::now();
    paints = 0;
    QTimer::singleShot(50, [window] {
        qt::find_dialog(window)->update();
        press(window, Qt::Key_O, Qt::AltModifier);
    });
    QTimer::singleShot(200, [window] { press(window, Qt::Key_Escape); });
    platform::sleep_ms(60000);
    platform::play_wave_image(reinterpret_cast<const std::uint8_t*>(kImage.data()));
    clicks.push_back(paints > 0);
    clicks.push_back(std::chrono::steady_clock::now() - start < std::chrono::seconds(1) ? 2 : 0);
    return 1;
}

platform::WindowHandle make_dialog(const std::vector<ControlLayout>& controls) {
    clicks.clear();
    const auto window = platform::create_dialog("Test", 300, 150);
    for (const auto& control : controls) {
        platform::add_control(window, control);
    }
    return window;
}

// Each row's keys go in turn to its first control, which has the focus. Enter
// clicks the focused push button, else control 1; Escape clicks control 2, if
// there is one, and ends nothing, so later keys still click; a marked letter,
// with or without Shift, clicks its button unless a text or list box takes it
// as typing; Alt and the letter click from anywhere, Ctrl and the letter
// nowhere. Keys reach a dialog whether it runs modally or not; its frame is
// known, and centred, once it is shown.
TEST(QtDialogTest, KeysClickButNeverCloseAndTheFrameIsCentred) {
    const std::tuple<std::vector<ControlLayout>, const char*, std::vector<int>> cases[] = {
        {{box, go, quit, other}, "Return, Num+Enter, Alt+O, O", {1, 1, 7}},
        {{other, go}, "Return, Esc", {7}},
        {{box, quit, other}, "Return, Esc, Alt+O", {2, 7}},
        {{go, quit, other}, "O, Shift+O, Ctrl+O", {7, 7}},
        {{list, go, quit, other}, "O, Alt+O", {7}},
    };
    for (const auto& [controls, keys, clicked] : cases) {
        qt::DialogWindow& dialog = *qt::find_dialog(make_dialog(controls));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keySequence(dialog.focusWidget(), QKeySequence(keys));
        // Checked at once: a click that waits for an animation has not come yet.
        EXPECT_EQ(clicks, clicked) << keys << " on " << controls[0].id;
        EXPECT_TRUE(dialog.isVisible()) << keys;
        EXPECT_EQ(dialog.frameGeometry().center(), dialog.screen()->availableGeometry().center());
        // Hidden, as a modal run would leave it: a shown dialog left to the end of the
        // program would lose its focus after Qt's own clean-up, and crash.
        dialog.hide();
    }
}

// A unit is a quarter of the font's average width, or an eighth of its height,
// rounded half up, as the average width is: 338 / 52 is 6.5, so 7. Lines and
// captions are UTF-8; a sorted list orders them as the locale does ignoring
// case, a line after those equal to it; a line keeps its bytes, and neither a
// Ctrl+click nor a click below the lines takes the selection away; in a list
// refilled, with none selected, End selects the last line, Down the first. A
// close request ends the modal run, and the handle then names nothing, not
// even a newer dialog.
TEST(QtDialogTest, AListDialogInDialogUnitsFromItsLinesToItsEnd) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto window = make_dialog({list, box});
    qt::DialogWindow& dialog = *qt::find_dialog(window);
    const QFontMetrics font(QFont("MS Sans Serif", 8));
    const int letters =
        font.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double x = std::round(letters / 52.0) / 4;
    const double y = font.height() / 8.0;
    EXPECT_EQ(dialog.size(), QSize(std::lround(300 * x), std::lround(150 * y)));
    EXPECT_EQ(dialog.control(301)->geometry(), QRect(std::lround(130 * x), std::lround(9 * y),
                                                     std::lround(61 * x), std::lround(13 * y)));
    EXPECT_EQ(qt::horizontal_pixels(6, qt::dialog_base_units(338, 13)), 11);  // 10.5
    EXPECT_EQ(qt::vertical_pixels(4, {7, 13}), 7);                            // 6.5
    for (const char* line : {"ZÈBRE", "b-c", "zèbre", "caf\xE9", "été", "b_c", ".."}) {
        platform::add_list_line(window, 502, line);
    }
    platform::set_caption(window, "Code From File -- /Grüße/");
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Code From File -- /Grüße/");
    auto* lines = static_cast<QListWidget*>(dialog.control(502));
    for (int row = 0; auto line : {"..", "b_c", "b-c", "caf\uFFFD", "été", "ZÈBRE", "zèbre"}) {
        EXPECT_EQ(lines->item(row++)->text().toStdString(), line);
    }
    const QPoint caf = lines->visualItemRect(lines->item(3)).center();
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, caf);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::ControlModifier, caf);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, {5, lines->viewport()->height() - 5});
    EXPECT_EQ(platform::selected_list_line(window, 502), "caf\xE9");
    for (const auto& [key, selected] : {std::pair{Qt::Key_End, "zèbre"}, {Qt::Key_Down, ".."}}) {
        platform::clear_list(window, 502);
        platform::add_list_line(window, 502, "..");
        platform::add_list_line(window, 502, "zèbre");
        QTest::keyClick(lines, key);
        EXPECT_EQ(platform::selected_list_line(window, 502), selected) << "a refilled list";
    }
    QMetaObject::invokeMethod(&dialog, "close", Qt::QueuedConnection);
    platform::run_modal(window);
    make_dialog({list});
    platform::add_list_line(window, 502, "late");
    EXPECT_EQ(qt::find_dialog(window), nullptr);
}

// Alt+O waits for the send's end; the Escape that stopped it does not click Quit.
TEST(QtDialogTest, ASendKeepsTheDialogPaintedHoldsKeysAndStopsOnEscape) {
    const auto window =
        make_dialog({{1, push_button, "&Send", 5, 5, 40, 14, 0, send}, quit, other});
    struct : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } paint_counter;
    qt::find_dialog(window)->installEventFilter(&paint_counter);
    QTimer::singleShot(0, [window] { press(window, Qt::Key_S, Qt::AltModifier); });
    QTimer::singleShot(500, [window] { qt::find_dialog(window)->windowHandle()->close(); });
    platform::run_modal(window);
    EXPECT_EQ(clicks, (std::vector<int>{1, 2, 7}));
}

}  // namespace korvane

// Qt runs offscreen, also while the tests are listed, with a runtime directory of its own.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
