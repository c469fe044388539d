// What the Qt backend adds to the dialog contract, on Qt's offscreen platform:
// the classic Enter, Escape and access keys (a marked letter alone clicks unless
// the focus takes typing), dialog units of the dialog font, a frame centred on
// the screen, sorted lists in the locale's order with their lines' bytes kept,
// a selection that stays, handles that die with their dialog, and a send that
// keeps the dialog alive and stops on Escape.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <tuple>

#include <QApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "platform/dialog.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/qt_dialog_window.h"
#include "platform/sleep.h"
#include "tests/support/temp_dir.h"

namespace korvane {
namespace {

using enum platform::ControlKind;
using platform::ControlLayout;

std::vector<int> clicks;
int paints = 0;
const char* const kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int record(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    clicks.push_back(message == 0x111 ? static_cast<int>(wparam) : -1);
    return 1;
}

const ControlLayout go{1, push_button, "&Go", 10, 100, 40, 14, platform::kTabStop, record};
const ControlLayout quit{2, push_button, "&Quit", 60, 100, 40, 14, platform::kTabStop, record};
const ControlLayout other{7, push_button, "&Other", 110, 100, 40, 14, platform::kTabStop, record};
const ControlLayout box{301, edit, "", 130, 9, 61, 13, platform::kTabStop, nullptr};
const ControlLayout sorted{502, list_box, "", 5, 5, 100, 80, platform::kSorted, nullptr};
const ControlLayout lines{502, list_box, "", 5, 5, 100, 80, platform::kTabStop, nullptr};

// Keys given to the window system, as a user's are.
void press(platform::WindowHandle window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(qt::find_dialog(window)->windowHandle(), key, modifiers);
}

// A send of a minute's pause: during it the dialog is asked to repaint, Alt+O
// and then Escape are pressed. It notes 1 when it was painted meanwhile and 2
// when it ended within a second.
int send(platform::WindowHandle window, std::uint32_t, std::uintptr_t, std::intptr_t) {
    const auto start = std::chrono::steady_clock::now();
    paints = 0;
    QTimer::singleShot(50, [window] {
        qt::find_dialog(window)->update();
        press(window, Qt::Key_O, Qt::AltModifier);
    });
    QTimer::singleShot(200, [window] { press(window, Qt::Key_Escape); });
    platform::sleep_ms(60000);
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

QListWidget* list_of(platform::WindowHandle window) {
    return static_cast<QListWidget*>(qt::find_dialog(window)->control(502));
}

// The first control has the focus. Keys reach a dialog whether it runs modally or not.
TEST(QtDialogTest, EnterEscapeAndAccessKeysClickButNeverCloseByThemselves) {
    const std::tuple<std::vector<ControlLayout>, Qt::Key, Qt::KeyboardModifiers, std::vector<int>>
        cases[] = {
            {{box, go, quit, other}, Qt::Key_Return, Qt::NoModifier, {1}},
            {{box, go, quit, other}, Qt::Key_Enter, Qt::KeypadModifier, {1}},
            {{other, go, quit}, Qt::Key_Return, Qt::NoModifier, {7}},
            {{box, quit, other}, Qt::Key_Return, Qt::NoModifier, {}},
            {{other, go, quit}, Qt::Key_Escape, Qt::NoModifier, {2}},
            {{box, go, other}, Qt::Key_Escape, Qt::NoModifier, {}},
            {{box, go, quit, other}, Qt::Key_O, Qt::AltModifier, {7}},
            {{go, quit, other}, Qt::Key_O, Qt::NoModifier, {7}},
            {{go, quit, other}, Qt::Key_O, Qt::ShiftModifier, {7}},
            {{go, quit, other}, Qt::Key_O, Qt::ControlModifier, {}},
            {{box, go, quit, other}, Qt::Key_O, Qt::NoModifier, {}},
            {{lines, go, quit, other}, Qt::Key_O, Qt::NoModifier, {}},
            {{lines, go, quit, other}, Qt::Key_O, Qt::AltModifier, {7}},
        };
    for (const auto& [controls, key, modifiers, clicked] : cases) {
        qt::DialogWindow& dialog = *qt::find_dialog(make_dialog(controls));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(dialog.focusWidget(), key, modifiers);
        // Checked at once: a click that waits for an animation has not come yet.
        EXPECT_EQ(clicks, clicked) << key << " " << modifiers << " on " << controls[0].id;
        EXPECT_TRUE(dialog.isVisible()) << key;
        // Hidden, as a modal run would leave it: a shown dialog left to the end of the
        // program would lose its focus after Qt's own clean-up, and crash.
        dialog.hide();
    }
}

TEST(QtDialogTest, GeometryIsInDialogUnitsOfTheDialogFontAndTheFrameIsCentred) {
    qt::DialogWindow& dialog = *qt::find_dialog(make_dialog({box}));
    const QFontMetrics font(QFont("MS Sans Serif", 8));
    const double x = std::round(font.horizontalAdvance(kLetters) / 52.0) / 4;
    const double y = font.height() / 8.0;
    EXPECT_EQ(dialog.size(), QSize(std::lround(300 * x), std::lround(150 * y)));
    EXPECT_EQ(dialog.control(301)->geometry(),
              QRect(std::lround(box.x * x), std::lround(box.y * y), std::lround(box.width * x),
                    std::lround(box.height * y)));
    // Offscreen windows have a frame, two pixels wide, once they are shown.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_GT(dialog.frameGeometry().width(), dialog.width());
    EXPECT_EQ(dialog.frameGeometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());
    dialog.hide();
}

// Rounding is half up: the average width of 6.48 is 6 and of 6.5 is 7, and so are pixels.
TEST(QtDialogTest, DialogUnitsRoundHalfUp) {
    EXPECT_EQ(qt::horizontal_pixels(500, qt::dialog_base_units(337, 13)), 750);
    EXPECT_EQ(qt::horizontal_pixels(2, qt::dialog_base_units(338, 13)), 4);  // 3.5
    EXPECT_EQ(qt::horizontal_pixels(1, {7, 13}), 2);                         // 1.75
    EXPECT_EQ(qt::vertical_pixels(4, qt::dialog_base_units(338, 13)), 7);    // 6.5
    EXPECT_EQ(qt::vertical_pixels(3, {7, 13}), 5);                           // 4.875
}

// Lines and captions are UTF-8, a sorted list orders them as the locale does
// ignoring case, a line goes after those equal to it, and a line keeps its bytes.
TEST(QtDialogTest, SortedNamesShowAsUtf8InTheLocalesOrderAndKeepTheirBytes) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto window = make_dialog({sorted});
    for (const char* line :
         {"ZÈBRE.TXT", "b-c.txt", "zèbre.txt", "caf\xE9", "été.txt", "b_c.txt", ".."}) {
        platform::add_list_line(window, 502, line);
    }
    QLocale::setDefault(saved);
    platform::set_caption(window, "Code From File -- /Grüße/");
    EXPECT_EQ(qt::find_dialog(window)->windowTitle().toStdString(), "Code From File -- /Grüße/");
    const std::vector<std::string> in_order{"..",      "b_c.txt",   "b-c.txt",  "caf\uFFFD",
                                            "été.txt", "ZÈBRE.TXT", "zèbre.txt"};
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(list_of(window)->item(row)->text().toStdString(), in_order[row]);
    }
    list_of(window)->setCurrentRow(3);
    EXPECT_EQ(platform::selected_list_line(window, 502), "caf\xE9");
}

// Neither a Ctrl+click nor a click below the lines takes the selection away.
TEST(QtDialogTest, ASelectedLineStaysSelected) {
    const auto window = make_dialog({lines});
    platform::add_list_line(window, 502, "apple");
    platform::add_list_line(window, 502, "fig");
    QListWidget* list = list_of(window);
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, first);
    EXPECT_EQ(platform::selected_list_line(window, 502), "apple");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, {5, list->viewport()->height() - 5});
    EXPECT_EQ(platform::selected_list_line(window, 502), "apple");
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(platform::selected_list_line(window, 502), "fig");
}

// A close request ends the modal run; the handle then reaches nothing, not even a newer dialog.
TEST(QtDialogTest, AnEndedDialogsHandleReachesNothing) {
    const auto ended = make_dialog({sorted});
    QTimer::singleShot(0, [ended] { qt::find_dialog(ended)->windowHandle()->close(); });
    platform::run_modal(ended);
    const auto newer = make_dialog({sorted});
    platform::add_list_line(ended, 502, "late");
    platform::run_modal(ended);
    EXPECT_EQ(qt::find_dialog(ended), nullptr);
    EXPECT_EQ(list_of(newer)->count(), 0);
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

}  // namespace
}  // namespace korvane

// Qt runs offscreen, also while the tests are listed, with a runtime directory of its own.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const korvane::testing::TempDir runtime("qt-runtime");
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
    qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
