#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "app/app_values.h"
#include "app/entry.h"
#include "app/settings.h"
#include "morse/morse_values.h"
#include "platform/fake/fake.h"
#include "tests/support/file_bytes.h"
#include "tests/support/program_state.h"
#include "tests/support/timeline.h"

namespace korvane {
namespace {

using testing::Bytes;

constexpr int kFaster = 202;
constexpr int kLearnCodeButton = 207;
constexpr int kFileButton = 209;
constexpr int kHelpButton = 210;
constexpr int kExit = 250;

Bytes read_ini() {
    return testing::read_bytes(kSettingsFileName);
}

void click_in_next_dialog(int id) {
    fake::script_next_dialog([id](platform::WindowHandle window) { fake::click(window, id); });
}

std::vector<std::string> journal_lines_starting(const std::string& prefix) {
    std::vector<std::string> lines;
    std::copy_if(fake::journal().begin(), fake::journal().end(), std::back_inserter(lines),
                 [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    return lines;
}

class StartupTest : public testing::ProgramTest {};

TEST_F(StartupTest, ExitSavesThenSendsSeventyThree) {
    click_in_next_dialog(kExit);
    std::vector<Bytes> file_while_playing;
    fake::on_play([&](const fake::SoundEvent&) { file_while_playing.push_back(read_ini()); });
    EXPECT_EQ(run_korvane(), 0);
    EXPECT_EQ(fake::journal().front(), "priority");
    EXPECT_EQ(read_ini(), (Bytes{0xB0, 0x04, 0x0A, 0x00}));
    EXPECT_EQ(testing::timeline(),
              "- 120 - 120 . 120 . 120 . 120 360 . 120 . 120 . 120 - 120 - 120 360");
    EXPECT_EQ(file_while_playing.size(), 10u);
}

TEST_F(StartupTest, TheFileHoldsTheFinalValuesWhileSeventyThreeSounds) {
    fake::script_next_dialog([](platform::WindowHandle window) {
        fake::click(window, kFaster);
        fake::click(window, kExit);
    });
    std::vector<Bytes> file_while_playing;
    fake::on_play([&](const fake::SoundEvent&) { file_while_playing.push_back(read_ini()); });
    run_korvane();
    // Four elements of the "V" after Faster, then the ten of "73".
    ASSERT_EQ(file_while_playing.size(), 14u);
    EXPECT_EQ(file_while_playing[3], (Bytes{0xB0, 0x04, 0x0A, 0x00}));
    EXPECT_EQ(file_while_playing[4], (Bytes{0xB0, 0x04, 0x0B, 0x00}));
    EXPECT_EQ(file_while_playing.back(), (Bytes{0xB0, 0x04, 0x0B, 0x00}));
}

TEST_F(StartupTest, StoredSettingsAreUsedFromTheFirstWindowOn) {
    testing::write_bytes(kSettingsFileName, {0x58, 0x02, 0x14});
    fake::script_next_dialog([](platform::WindowHandle window) {
        EXPECT_EQ(fake::text_of(window, 302), " 20 wpm");
        EXPECT_EQ(fake::text_of(window, 303), " 600 HZ");
        fake::click(window, kExit);
    });
    run_korvane();
    EXPECT_EQ(read_ini(), (Bytes{0x58, 0x02, 0x14, 0x00}));
    EXPECT_EQ(testing::timeline().substr(0, 9), "- 60 - 60");
}

// Every other window is followed by a new main window; Help opens the page
// with no window of the program on screen.
TEST_F(StartupTest, TheWindowLoopReturnsToANewMainWindow) {
    click_in_next_dialog(kLearnCodeButton);
    click_in_next_dialog(208);  // Close
    click_in_next_dialog(kFileButton);
    click_in_next_dialog(2);  // Quit
    click_in_next_dialog(kHelpButton);
    fake::script_next_dialog([](platform::WindowHandle window) { fake::request_close(window); });
    run_korvane();
    const auto modal = journal_lines_starting("modal");
    ASSERT_EQ(modal.size(), 6u);
    EXPECT_EQ(modal[0], "modal Korvane");
    EXPECT_EQ(modal[1], "modal Korvane");
    EXPECT_EQ(modal[2], "modal Korvane");
    EXPECT_EQ(modal[3].rfind("modal Code From File -- ", 0), 0u);
    EXPECT_EQ(modal[4], "modal Korvane");
    EXPECT_EQ(modal[5], "modal Korvane");
    const auto& journal = fake::journal();
    const auto help = std::find(journal.begin(), journal.end(), "help korvane.htm");
    ASSERT_NE(help, journal.end());
    EXPECT_EQ(*(help - 1), "end 1");
    EXPECT_EQ(*(help + 1), "dialog Korvane");
    EXPECT_EQ(window_mode, kLeaveLoop);
}

}  // namespace
}  // namespace korvane
