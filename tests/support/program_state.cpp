#include "tests/support/program_state.h"

#include <random>

#include "app/app_values.h"
#include "app/file_window.h"
#include "app/practice_buttons.h"
#include "app/texts.h"
#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "practice/code_from_file.h"
#include "practice/qso_practice.h"
#include "practice/text_tables.h"

namespace korvane::testing {

void reset_program() {
    fake::reset();
    speed_wpm = kDefaultSpeedWpm;
    pitch_hz = kDefaultPitchHz;
    recompute_timing();
    window_mode = kLeaveLoop;
    send_text.clear();
    current_window = platform::kNoWindow;
    credits_text = make_credits_text();
    tips_text = make_tips_text();
    fill_text_tables();
    FileList.clear();
    build_tones();
}

void ProgramTest::SetUp() {
    reset_program();
    previous_dir_ = std::filesystem::current_path();
    std::random_device seed;
    dir_ = std::filesystem::temp_directory_path() /
           ("korvane-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
}

void ProgramTest::TearDown() {
    std::filesystem::current_path(previous_dir_);
    std::error_code ignored;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(dir_, ignored);
}

}  // namespace korvane::testing
