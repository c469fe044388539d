#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "tests/qt/dialog_driver.h"

namespace korvane::testing {
namespace {

using platform::ControlKind;

constexpr int kSortedId = 502;
constexpr int kPlainId = 501;

std::vector<std::string> lines_of(const qt::DialogWindow& dialog, int id) {
    const auto* list = static_cast<const QListWidget*>(dialog.control(id));
    std::vector<std::string> lines;
    for (int row = 0; row < list->count(); ++row) {
        lines.push_back(list->item(row)->text().toLatin1().toStdString());
    }
    return lines;
}

platform::WindowHandle make_lists() {
    const auto window = platform::create_dialog("Lists", 500, 350);
    platform::add_control(window, {kPlainId, ControlKind::list_box, "", 20, 25, 200, 175,
                                   platform::kTabStop | platform::kVerticalScroll, nullptr});
    platform::add_control(
        window, {kSortedId, ControlKind::list_box, "", 250, 25, 200, 175,
                 platform::kSorted | platform::kTabStop | platform::kClientEdge, nullptr});
    return window;
}

TEST(ListBoxTest, SortedListsIgnoreLetterCaseOthersKeepTheirOrder) {
    const auto window = make_lists();
    const std::vector<std::string> lines{"b.txt", "A.TXT", "..", "c", "B.dat", "a.txt"};
    for (const auto& line : lines) {
        platform::add_list_line(window, kPlainId, line);
        platform::add_list_line(window, kSortedId, line);
    }
    run_modal_with(window, [&](qt::DialogWindow& dialog) {
        EXPECT_EQ(lines_of(dialog, kPlainId), lines);
        EXPECT_EQ(lines_of(dialog, kSortedId),
                  (std::vector<std::string>{"..", "A.TXT", "a.txt", "B.dat", "b.txt", "c"}));
        platform::clear_list(window, kSortedId);
        for (const auto* line : {"z", "\xE9t\xE9", "Y"}) {
            platform::add_list_line(window, kSortedId, line);
        }
        EXPECT_EQ(lines_of(dialog, kSortedId), (std::vector<std::string>{"Y", "z", "\xE9t\xE9"}));
    });
}

TEST(ListBoxTest, NoLineIsSelectedUntilTheUserPicksOne) {
    const auto window = make_lists();
    for (const auto* line : {"..", "\xE9t\xE9.txt"}) {
        platform::add_list_line(window, kPlainId, line);
    }
    run_modal_with(window, [window](qt::DialogWindow& dialog) {
        ASSERT_EQ(focused_id(dialog), kPlainId);
        EXPECT_EQ(platform::selected_list_line(window, kPlainId), "");
        auto* list = static_cast<QListWidget*>(dialog.control(kPlainId));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        EXPECT_EQ(platform::selected_list_line(window, kPlainId), "\xE9t\xE9.txt");
    });
}

}  // namespace
}  // namespace korvane::testing
