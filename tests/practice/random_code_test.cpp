#include <gtest/gtest.h>

#include <string>

#include "app/app_values.h"
#include "app/control_ids.h"
#include "app/window_frame.h"
#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "tests/practice/practice_support.h"
#include "tests/support/program_state.h"
#include "tests/support/timeline.h"

namespace korvane {
namespace {

constexpr int kRandomCodeButton = 205;
constexpr const char* kCodedCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,-./?";

class RandomCodeTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::reset_program(); }

    // Clicks Random Code at `time`; every sound must come from a one-character
    // send_text while the panel still shows the credits.
    std::string run_at(platform::TimeOfDay time) {
        fake::set_time_of_day(time);
        fake::on_play([](const fake::SoundEvent&) {
            EXPECT_EQ(send_text.size(), 1u);
            EXPECT_EQ(fake::text_of(current_window, kTextPanelId), credits_text);
        });
        return testing::panel_after_click(kRandomCodeButton);
    }
};

// The draws were computed in python3 from the seed and the generator step; the shown
// text is the drawn text without ":;<=>@", broken after every 50 characters.
TEST_F(RandomCodeTest, FixedClockGivesItsOwnRun) {
    const struct {
        platform::TimeOfDay time;
        std::string drawn;
        std::string shown;
    } runs[] = {
        {{12, 0, 0, 0},
         ">0BQEH1KFEGHI>GEA;2RKIZ@MFOEBDJW8R624@4R:J@PR<MCOB",
         "0BQEH1KFEGHIGEA2RKIZMFOEBDJW8R6244RJPRMCOB"},
        {{12, 0, 3, 0},
         "C9PROEI9HH735CYPDM-P4M/SU?96J67S?JKBTT?F4.ACSNIDTR",
         "C9PROEI9HH735CYPDM-P4M/SU?96J67S?JKBTT?F4.ACSNIDTR\r\n"},
        {{12, 0, 7, 0},
         "ITDS/0YP:LA6ZH2NY7F>5CT=O5J2URK>9O8XON/6LWRBFWR6YH",
         "ITDS/0YPLA6ZH2NY7F5CTO5J2URK9O8XON/6LWRBFWR6YH"},
    };
    for (const auto& run : runs) {
        testing::reset_program();
        EXPECT_EQ(run_at(run.time), run.shown);
        EXPECT_EQ(testing::timeline(), "1500 " + testing::morse_timeline(run.drawn));
    }
}

// Speeds 5, 10 and 45: one minute of characters, each sent alone and ended by the
// character pause, no word gaps; the panel holds 50 coded characters to a line.
TEST_F(RandomCodeTest, SendsOneMinuteAndShowsTheCodedCharactersFiftyToALine) {
    for (const std::int32_t wpm : {5, 10, 45}) {
        testing::reset_program();
        speed_wpm = wpm;
        recompute_timing();
        build_tones();
        const std::string shown = run_at({12, 0, 0, 0});

        const auto& events = fake::sound_events();
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.front().ms, 1500);
        int characters = 0;
        int sounded = 0;
        for (std::size_t i = 1; i < events.size(); ++i) {
            if (events[i].kind == fake::SoundEvent::Kind::pause) {
                EXPECT_NE(events[i].ms, word_gap_ms);
                if (events[i].ms == dash_ms) {
                    ++characters;
                    sounded += events[i - 1].kind == fake::SoundEvent::Kind::pause &&
                               events[i - 1].ms == dot_ms;
                }
            }
        }
        EXPECT_EQ(characters, 5 * wpm);
        EXPECT_EQ(events.back().ms, dash_ms);

        std::size_t start = 0;
        for (std::size_t end; (end = shown.find("\r\n", start)) != std::string::npos;) {
            EXPECT_EQ(end - start, 50u) << wpm;
            start = end + 2;
        }
        EXPECT_LT(shown.size() - start, 50u);
        std::string bare = shown;
        std::erase(bare, '\r');
        std::erase(bare, '\n');
        EXPECT_EQ(static_cast<int>(bare.size()), sounded) << wpm;
        EXPECT_EQ(bare.find_first_not_of(kCodedCharacters), std::string::npos) << wpm;
    }
}

}  // namespace
}  // namespace korvane
