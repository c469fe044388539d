// What the Qt backend adds to the dialog contract (tests/dialog), on Qt's
// offscreen platform: dialog units of the dialog font, a frame centred on the
// screen, sorted lists in the locale's order with their lines' bytes kept, a
// selection that stays, handles that die with their dialog, and a send that
// keeps its dialog painted and stops on Escape. That a key pressed during a
// send waits for its end is heard end to end (tests/e2e).

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_dialog_window.h"
#include "tests/dialog/dialog_contract.h"

namespace korvane {

using testing::clicks;
using testing::kBoxId;
using testing::kListId;
using testing::make_dialog;

// The keys go in at once; the close request waits in the queue, where a send
// that the keys started meets it, as the window system's would.
void testing::type_then_close(platform::WindowHandle window, const std::vector<const char*>& keys) {
    QTimer::singleShot(0, [window, keys] {
        qt::DialogWindow* dialog = qt::find_dialog(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        QMetaObject::invokeMethod(dialog, "close", Qt::QueuedConnection);
        for (const char* key : keys) {
            const QKeyCombination combination = QKeySequence(QString::fromLatin1(key))[0];
            QTest::keyClick(dialog->focusWidget(), combination.key(),
                            combination.keyboardModifiers());
        }
    });
}

// A unit is a quarter of the font's average width, or an eighth of its height,
// rounded half up, as the average width is: 338 / 52 is 6.5, so 7. The dialog
// and its controls are placed in units of the dialog font, and the frame is
// centred once shown. Lines and captions are UTF-8; a sorted list orders them
// as the locale does ignoring case, a line after those equal to it; a line
// keeps its bytes, and neither a Ctrl+click nor a click below the lines takes
// the selection away; in a list refilled, with none selected, End selects the
// last line (the dialog contract has Down select the first). The handle of an
// ended dialog names nothing, not even a newer dialog.
TEST(QtDialogTest, AListDialogInDialogUnitsFromItsLinesToItsEnd) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto window = make_dialog({testing::list, testing::box});
    qt::DialogWindow& dialog = *qt::find_dialog(window);
    const QFontMetrics font(QFont("MS Sans Serif", 8));
    const auto base = qt::dialog_base_units(
        font.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
        font.height());
    EXPECT_EQ(dialog.size(),
              QSize(qt::horizontal_pixels(300, base), qt::vertical_pixels(150, base)));
    EXPECT_EQ(dialog.control(kBoxId)->geometry(),
              QRect(qt::horizontal_pixels(130, base), qt::vertical_pixels(9, base),
                    qt::horizontal_pixels(61, base), qt::vertical_pixels(13, base)));
    EXPECT_EQ(qt::horizontal_pixels(6, qt::dialog_base_units(338, 13)), 11);  // 10.5
    EXPECT_EQ(qt::vertical_pixels(4, {7, 13}), 7);                            // 6.5
    for (const char* line : {"ZÈBRE", "b-c", "zèbre", "caf\xE9", "été", "b_c", ".."}) {
        platform::add_list_line(window, kListId, line);
    }
    platform::set_caption(window, "Code From File -- /Grüße/");
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Code From File -- /Grüße/");
    auto* lines = static_cast<QListWidget*>(dialog.control(kListId));
    for (int row = 0; auto line : {"..", "b_c", "b-c", "caf\uFFFD", "été", "ZÈBRE", "zèbre"}) {
        EXPECT_EQ(lines->item(row++)->text().toStdString(), line);
    }
    const QPoint caf = lines->visualItemRect(lines->item(3)).center();
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, caf);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::ControlModifier, caf);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, {5, lines->viewport()->height() - 5});
    EXPECT_EQ(platform::selected_list_line(window, kListId), "caf\xE9");
    platform::clear_list(window, kListId);
    platform::add_list_line(window, kListId, "..");
    platform::add_list_line(window, kListId, "zèbre");
    QTest::keyClick(lines, Qt::Key_End);
    EXPECT_EQ(platform::selected_list_line(window, kListId), "zèbre") << "a refilled list";
    QMetaObject::invokeMethod(&dialog, "close", Qt::QueuedConnection);
    platform::run_modal(window);
    EXPECT_EQ(dialog.frameGeometry().center(), dialog.screen()->availableGeometry().center());
    make_dialog({testing::list});
    platform::add_list_line(window, kListId, "late");
    EXPECT_EQ(qt::find_dialog(window), nullptr);
}

// During a send (the contract's minute-long one) the dialog is asked to
// repaint, then Escape is pressed: the dialog is painted meanwhile, and the
// Escape that stopped the send clicks no Quit.
TEST(QtDialogTest, ASendKeepsTheDialogPaintedAndStopsOnEscape) {
    clicks.clear();
    const auto window = make_dialog({testing::sender, testing::quit});
    struct : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } painted;
    qt::DialogWindow* dialog = qt::find_dialog(window);
    dialog->installEventFilter(&painted);
    int paints_during_send = 0;
    // Keys go through the window system, as a user's do, so that shortcuts see them.
    QTimer::singleShot(0, [&] { QTest::keyClick(dialog->windowHandle(), 'S', Qt::AltModifier); });
    QTimer::singleShot(50, [&] {
        painted.paints = 0;
        dialog->update();
    });
    QTimer::singleShot(200, [&] {
        paints_during_send = painted.paints;
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    });
    QTimer::singleShot(500, [&] { dialog->windowHandle()->close(); });
    platform::run_modal(window);
    EXPECT_GT(paints_during_send, 0);
    EXPECT_EQ(clicks, std::vector<std::string>{"Send, stopped"});
}

// What a screen reader takes each control for: a text box is named by the
// label before it, a list by the name it is given, a line by its spoken text
// or else its own; a value box gives its whole text as one run, from which
// Orca reads the line.
TEST(QtDialogTest, AScreenReaderNamesEachControl) {
    const platform::ControlLayout label{
        401, platform::ControlKind::label, "Speed", 5, 9, 30, 13, 0, nullptr};
    const auto window = make_dialog({label, testing::go, testing::box, testing::list});
    platform::set_control_name(window, kListId, "Lessons");
    platform::set_control_text(window, kBoxId, " 10 wpm");
    platform::add_list_line(window, kListId, "E .  A .-", "E, dit. A, dit dah");
    platform::add_list_line(window, kListId, "T -");
    const qt::DialogWindow& dialog = *qt::find_dialog(window);
    const auto reader = [&](int id) {
        return QAccessible::queryAccessibleInterface(dialog.control(id));
    };
    QAccessibleInterface* box = reader(kBoxId);
    const std::vector<std::pair<QAccessibleInterface*, std::string>> names{
        {box, "Speed"},
        {reader(testing::go.id), "Go"},
        {reader(kListId), "Lessons"},
        {reader(kListId)->child(0), "E, dit. A, dit dah"},
        {reader(kListId)->child(1), "T -"},
    };
    for (const auto& [control, name] : names) {
        EXPECT_EQ(control->text(QAccessible::Name).toStdString(), name);
    }
    int start = -1;
    int end = -1;
    box->textInterface()->attributes(3, &start, &end);
    EXPECT_EQ(box->textInterface()->text(start, end).toStdString(), " 10 wpm");
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
