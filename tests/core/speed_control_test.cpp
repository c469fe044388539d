#include <gtest/gtest.h>

#include "app/app_values.h"
#include "app/main_window.h"
#include "morse/morse_values.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "tests/support/program_state.h"
#include "tests/support/timeline.h"

namespace korvane {
namespace {

constexpr int kSlower = 201;
constexpr int kFaster = 202;
constexpr int kLower = 203;
constexpr int kHigher = 204;

class SpeedControlTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::reset_program(); }

    // Presses `button` `times` times in a main window; returns the box texts and the last timeline.
    static void press(int button, int times) {
        fake::script_next_dialog([=](platform::WindowHandle window) {
            for (int i = 0; i < times; ++i) {
                fake::clear_sound_events();
                fake::click(window, button);
            }
            speed_text = fake::text_of(window, 302);
            pitch_text = fake::text_of(window, 303);
            fake::request_close(window);
        });
        show_main_window();
    }

    static inline std::string speed_text;
    static inline std::string pitch_text;
};

TEST_F(SpeedControlTest, SlowerStopsAtFiveAndStillSendsV) {
    press(kSlower, 5);
    EXPECT_EQ(speed_wpm, 5);
    EXPECT_EQ(speed_text, " 5 WPM");
    EXPECT_EQ(dot_ms, 240);
    EXPECT_EQ(dash_ms, 720);
    EXPECT_EQ(word_gap_ms, 1680);
    press(kSlower, 1);
    EXPECT_EQ(speed_wpm, 5);
    EXPECT_EQ(speed_text, " 5 WPM");
    EXPECT_EQ(testing::timeline(), ". 240 . 240 . 240 - 240 720");
}

TEST_F(SpeedControlTest, FasterStopsAtFortyFive) {
    press(kFaster, 35);
    EXPECT_EQ(speed_wpm, 45);
    EXPECT_EQ(dot_ms, 26);
    press(kFaster, 3);
    EXPECT_EQ(speed_wpm, 45);
    EXPECT_EQ(speed_text, " 45 WPM");
    EXPECT_EQ(testing::timeline(), ". 26 . 26 . 26 - 26 78");
}

TEST_F(SpeedControlTest, NewImagesAreBuiltBeforeTheV) {
    press(kFaster, 1);
    // 11 wpm: a 109 ms dot holds 130 whole cycles of 37 samples at 1200 Hz.
    EXPECT_EQ(korvane::platform::wave_sample_count(dit_image.data()), 4810u);
    EXPECT_EQ(fake::sound_events().front().samples,
              korvane::platform::wave_sample_count(dit_image.data()));
}

TEST_F(SpeedControlTest, PitchStaysWithinItsLimits) {
    press(kLower, 40);
    EXPECT_EQ(pitch_hz, 400);
    press(kLower, 1);
    EXPECT_EQ(pitch_hz, 400);
    EXPECT_EQ(pitch_text, " 400 HZ");
    press(kHigher, 130);
    EXPECT_EQ(pitch_hz, 3000);
    EXPECT_EQ(pitch_text, " 3000 HZ");
    EXPECT_EQ(testing::timeline(), ". 120 . 120 . 120 - 120 360");
}

TEST_F(SpeedControlTest, AnOffGridPitchStepsFromItsOwnValue) {
    pitch_hz = 410;
    press(kLower, 2);
    EXPECT_EQ(pitch_hz, 390);
    pitch_hz = 2990;
    press(kHigher, 2);
    EXPECT_EQ(pitch_hz, 3010);
}

TEST_F(SpeedControlTest, AStoredSpeedOutsideTheRangeMovesOnlyInward) {
    speed_wpm = 60;
    press(kFaster, 1);
    EXPECT_EQ(speed_wpm, 60);
    EXPECT_EQ(dot_ms, 20);
    press(kSlower, 1);
    EXPECT_EQ(speed_wpm, 59);
    speed_wpm = 3;
    press(kSlower, 1);
    EXPECT_EQ(speed_wpm, 3);
    press(kFaster, 1);
    EXPECT_EQ(speed_wpm, 4);
}

TEST_F(SpeedControlTest, ANewMainWindowShowsLowerCaseWpmAgain) {
    fake::script_next_dialog([](platform::WindowHandle window) {
        fake::click(window, kFaster);
        EXPECT_EQ(fake::text_of(window, 302), " 11 WPM");
        fake::click(window, 207);
    });
    show_main_window();
    fake::script_next_dialog([](platform::WindowHandle window) {
        EXPECT_EQ(fake::text_of(window, 302), " 11 wpm");
        fake::request_close(window);
    });
    show_main_window();
}

}  // namespace
}  // namespace korvane
