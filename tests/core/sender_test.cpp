#include <gtest/gtest.h>

#include "app/app_values.h"
#include "morse/morse_values.h"
#include "morse/sender.h"
#include "morse/timing.h"
#include "tests/support/program_state.h"
#include "tests/support/timeline.h"

namespace korvane {
namespace {

struct SendCase {
    const char* text;
    const char* timeline;
};

class SenderTest : public ::testing::TestWithParam<SendCase> {
  protected:
    void SetUp() override { testing::reset_program(); }
};

TEST_P(SenderTest, SendsTheTimelineAtTenWpm) {
    send_text = GetParam().text;
    send_morse();
    EXPECT_EQ(testing::timeline(), GetParam().timeline);
    EXPECT_EQ(send_text, GetParam().text) << "the sender leaves its text alone";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SenderTest,
    ::testing::Values(
        SendCase{"", ""}, SendCase{"E", ". 120 360"}, SendCase{"V", ". 120 . 120 . 120 - 120 360"},
        SendCase{"v", ". 120 . 120 . 120 - 120 360"},
        SendCase{"SOS", ". 120 . 120 . 120 360 - 120 - 120 - 120 360 . 120 . 120 . 120 360"},
        SendCase{"E E", ". 120 360 840 . 120 360"}, SendCase{"  ", "840 840"},
        // Characters without a code make only the pause after a character.
        SendCase{":", "360"}, SendCase{"@", "360"}, SendCase{"`", "360"},
        SendCase{",", "- 120 - 120 . 120 . 120 - 120 - 120 360"},
        SendCase{"-", "- 120 . 120 . 120 . 120 - 120 360"},
        SendCase{"?", ". 120 . 120 - 120 - 120 . 120 . 120 360"},
        SendCase{"/", "- 120 . 120 . 120 - 120 . 120 360"},
        // Characters outside the table are skipped without a sound or a pause.
        SendCase{"\x01!+[_{\x7F\x9E", ""}, SendCase{"E\tE", ". 120 360 . 120 360"},
        SendCase{"73", "- 120 - 120 . 120 . 120 . 120 360 . 120 . 120 . 120 - 120 - 120 360"}));

TEST(SenderTiming, FollowsTheSpeed) {
    testing::reset_program();
    speed_wpm = 45;
    recompute_timing();
    send_text = "A B";
    send_morse();
    EXPECT_EQ(testing::timeline(), ". 26 - 26 78 182 - 26 . 26 . 26 . 26 78");
}

TEST(SenderTiming, PlaysTheDotImageOnlyForTheDotLength) {
    testing::reset_program();
    play_element(dot_ms);
    play_element(dash_ms);
    play_element(dot_ms + 1);
    EXPECT_EQ(testing::timeline(), ". - -");
}

}  // namespace
}  // namespace korvane
