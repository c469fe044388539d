// The Qt dialogs behave as the program's Windows dialogs do: access keys without
// Alt, names in UTF-8, lists in the locale's order that keep their selection,
// and a window centred by its frame.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QTest>

#include "tests/qt/dialog_driver.h"

namespace korvane::testing {
namespace {

using platform::ControlKind;

constexpr int kListId = 501;
constexpr int kBoxId = 302;

// A list box with `lines`, the buttons "&Slower" (201) and "&Faster" (202), and a read-only box.
platform::WindowHandle make_dialog(unsigned list_style, std::initializer_list<const char*> lines) {
    clear_clicks();
    const auto window = platform::create_dialog("Conventions", 400, 300);
    platform::add_control(window, {kListId, ControlKind::list_box, "", 20, 25, 200, 175,
                                   platform::kTabStop | list_style, nullptr});
    for (const char* line : lines) {
        platform::add_list_line(window, kListId, line);
    }
    for (const auto& [id, text, x] : {std::tuple{201, "&Slower", 250}, {202, "&Faster", 310}}) {
        platform::add_control(window, {id, ControlKind::push_button, text, x, 225, 50, 20,
                                       platform::kTabStop, record_click});
    }
    platform::add_control(window, {kBoxId, ControlKind::edit, "", 250, 25, 100, 20,
                                   platform::kTabStop | platform::kReadOnly, nullptr});
    return window;
}

QListWidget* list_of(const qt::DialogWindow& dialog) {
    return static_cast<QListWidget*>(dialog.control(kListId));
}

TEST(ConventionsTest, AMarkedLetterClicksAtOnceUnlessTheFocusTakesTyping) {
    // The focus, the modifiers with "F", the buttons clicked and the list line selected.
    const std::tuple<int, Qt::KeyboardModifiers, std::vector<int>, const char*> cases[] = {
        {201, Qt::NoModifier, {202}, ""},      {202, Qt::ShiftModifier, {202}, ""},
        {201, Qt::ControlModifier, {}, ""},    {kBoxId, Qt::NoModifier, {}, ""},
        {kListId, Qt::NoModifier, {}, "fig"},  {kBoxId, Qt::AltModifier, {202}, ""},
        {kListId, Qt::AltModifier, {202}, ""},
    };
    for (const auto& [focus, modifiers, clicked, selected] : cases) {
        const auto window = make_dialog(0, {"apple", "fig"});
        run_modal_with(window, [&](qt::DialogWindow& dialog) {
            dialog.control(focus)->setFocus();
            QTest::keyClick(dialog.focusWidget(), Qt::Key_F, modifiers);
            // Checked at once: a click that waits for an animation has not come yet.
            EXPECT_EQ(clicked_ids(), clicked) << focus << " " << modifiers;
            EXPECT_EQ(platform::selected_list_line(window, kListId), selected);
        });
    }
}

// Lines and captions are UTF-8, shown in the order of the locale that the test sets.
TEST(ConventionsTest, SortedNamesShowAsUtf8InTheLocalesOrderAndKeepTheirBytes) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto window = make_dialog(platform::kSorted, {"ZÈBRE.TXT", "b-c.txt", "zèbre.txt",
                                                        "caf\xE9", "été.txt", "b_c.txt", ".."});
    QLocale::setDefault(saved);
    platform::set_caption(window, "Code From File -- /Grüße/");
    run_modal_with(window, [window](qt::DialogWindow& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Code From File -- /Grüße/");
        std::vector<std::string> lines;
        for (int row = 0; row < list_of(dialog)->count(); ++row) {
            lines.push_back(list_of(dialog)->item(row)->text().toStdString());
        }
        EXPECT_EQ(lines, (std::vector<std::string>{"..", "b_c.txt", "b-c.txt", "caf\uFFFD",
                                                   "été.txt", "ZÈBRE.TXT", "zèbre.txt"}));
        list_of(dialog)->setCurrentRow(3);
        EXPECT_EQ(platform::selected_list_line(window, kListId), "caf\xE9");
    });
}

TEST(ConventionsTest, ASelectedLineStaysSelectedAndTheArrowKeysStillMoveIt) {
    const auto window = make_dialog(0, {"apple", "fig"});
    run_modal_with(window, [window](qt::DialogWindow& dialog) {
        QListWidget* list = list_of(dialog);
        const QPoint first = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, first);
        EXPECT_EQ(platform::selected_list_line(window, kListId), "apple");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          {5, list->viewport()->height() - 5});
        EXPECT_EQ(platform::selected_list_line(window, kListId), "apple");
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(platform::selected_list_line(window, kListId), "fig");
    });
}

TEST(ConventionsTest, TheFrameIsCentredOnTheScreen) {
    run_modal_with(make_dialog(0, {}), [](qt::DialogWindow& dialog) {
        // Offscreen windows have a frame, two pixels wide, once they are shown.
        ASSERT_GT(dialog.frameGeometry().width(), dialog.width());
        EXPECT_EQ(dialog.frameGeometry().center(),
                  QGuiApplication::primaryScreen()->availableGeometry().center());
    });
}

}  // namespace
}  // namespace korvane::testing
