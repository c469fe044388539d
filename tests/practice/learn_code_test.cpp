#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_values.h"
#include "app/control_ids.h"
#include "app/file_window.h"
#include "app/learn_code_window.h"
#include "app/practice_buttons.h"
#include "app/window_frame.h"
#include "morse/morse_values.h"
#include "platform/fake/fake.h"
#include "practice/code_from_file.h"
#include "practice/qso_practice.h"
#include "practice/text_tables.h"
#include "tests/practice/practice_support.h"
#include "tests/support/program_state.h"
#include "tests/support/timeline.h"

namespace korvane {
namespace {

constexpr int kLessonList = 501;
constexpr int kListen = 1;
constexpr int kClose = 208;

class LearnCodeTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::reset_program(); }

    // Shows the window with `script` as the user; the script must end it.
    void show(fake::DialogScript script) {
        fake::script_next_dialog(std::move(script));
        show_learn_code_window();
    }
};

TEST_F(LearnCodeTest, ListHoldsTheLessonsInTableOrderWithNoneSelected) {
    for (int showing = 0; showing < 2; ++showing) {
        show([](platform::WindowHandle window) {
            EXPECT_EQ(fake::dialog(window).caption, "Korvane");
            const auto& list = fake::control(window, kLessonList);
            ASSERT_EQ(list.lines.size(), 43u);
            EXPECT_EQ(list.lines.front(), "   E .  A .-");
            for (std::size_t row = 1; row <= 43; ++row) {
                EXPECT_EQ(list.lines[row - 1], LessonLines[row]) << row;
            }
            EXPECT_EQ(list.selected, -1);
            EXPECT_EQ(fake::text_of(window, kTextPanelId), tips_text);
            fake::select_line(window, kLessonList, 12);
            fake::click(window, kClose);
        });
    }
}

// Each kind of line: letters in their order, a digit, a sign named by a word, nothing
// for a separator; the sender hears exactly these characters.
TEST_F(LearnCodeTest, ListenSendsTheCharactersTheSelectedLineNames) {
    const struct {
        int row;
        std::string sent;
    } rows[] = {
        {1, "EA"}, {2, "TNDB"}, {5, "E"},  {20, "T"}, {26, "TMGZ"}, {27, ""},  {28, "1"},
        {37, "0"}, {38, ""},    {39, "."}, {40, "?"}, {41, ","},    {42, "/"}, {43, "-"},
    };
    for (const auto& r : rows) {
        testing::reset_program();
        show([&](platform::WindowHandle window) {
            fake::select_line(window, kLessonList, r.row - 1);
            fake::click(window, kListen);
            fake::click(window, kClose);
        });
        EXPECT_EQ(send_text, r.sent) << r.row;
        EXPECT_EQ(testing::timeline(), testing::morse_timeline(r.sent)) << r.row;
    }
}

TEST_F(LearnCodeTest, ListenWithoutSelectionSendsNothing) {
    show([](platform::WindowHandle window) {
        fake::click(window, kListen);
        fake::click(window, kClose);
    });
    EXPECT_EQ(testing::timeline(), "");
}

TEST_F(LearnCodeTest, EnterListensEscapeIsIgnoredAndCloseRequestEnds) {
    show([](platform::WindowHandle window) {
        fake::focus(window, kLessonList);
        fake::select_line(window, kLessonList, 25);
        fake::press_enter(window);
        EXPECT_EQ(testing::timeline(), testing::morse_timeline("TMGZ"));
        fake::press_escape(window);
        EXPECT_FALSE(fake::dialog(window).ended);
        fake::request_close(window);
    });
    EXPECT_EQ(fake::journal().back(), "end 0");
}

}  // namespace
}  // namespace korvane
