// The ALSA sound and sleep services rendered into a file: every element's
// samples and every pause's silence must land exactly where the millisecond
// schedule puts them. Each scenario runs in a child process, because a process
// opens its device once and drains it only when it exits.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <ostream>
#include <string_view>
#include <vector>

#include "app/app_values.h"
#include "app/file_window.h"
#include "app/practice_buttons.h"
#include "morse/morse_values.h"
#include "morse/sender.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "practice/code_from_file.h"
#include "practice/qso_practice.h"
#include "practice/text_tables.h"
#include "tests/alsa/wav_capture.h"

namespace korvane {
namespace {

// What the listener should hear: elements back to back with pauses between,
// each pause ending at the sample where the exact schedule (44.1 samples a
// millisecond, counted from the first element) falls, rounded down.
class Rendering {
  public:
    void element(const std::uint8_t* image) {
        const std::uint32_t count = image_samples_of(image);
        for (std::uint32_t n = 0; n < count; ++n) {
            samples_.push_back(
                static_cast<std::int16_t>(image[44 + 2 * n] | image[45 + 2 * n] << 8));
        }
        element_samples_ += count;
    }

    void pause(std::int32_t ms) {
        pause_ms_ += ms;
        samples_.resize(static_cast<std::size_t>(element_samples_ + pause_ms_ * 441 / 10), 0);
    }

    const std::vector<std::int16_t>& samples() const { return samples_; }

  private:
    static std::uint32_t image_samples_of(const std::uint8_t* image) {
        return (image[40] | image[41] << 8 | image[42] << 16 |
                static_cast<std::uint32_t>(image[43]) << 24) /
               2;
    }

    std::vector<std::int16_t> samples_;
    std::int64_t element_samples_ = 0;
    std::int64_t pause_ms_ = 0;
};

// Runs `scenario` and ends the process normally, as the program ends, so the
// stream is drained and closed; EXPECT_EXIT runs it in a child process.
template <typename Scenario>
[[noreturn]] void run_and_exit(Scenario scenario) {
    scenario();
    std::exit(0);
}

void expect_same_samples(const std::vector<std::int16_t>& heard,
                         const std::vector<std::int16_t>& expected) {
    for (std::size_t n = 0; n < std::min(heard.size(), expected.size()); ++n) {
        ASSERT_EQ(heard[n], expected[n]) << "first difference at sample " << n;
    }
    EXPECT_EQ(heard.size(), expected.size());
}

struct Speed {
    std::int32_t wpm;
    std::int32_t dot_ms;
    std::int32_t dash_ms;
    std::int32_t word_gap_ms;
};

void PrintTo(const Speed& speed, std::ostream* out) {
    *out << speed.wpm << "wpm";
}

class MorseRenderingTest : public ::testing::TestWithParam<Speed> {
  protected:
    void SetUp() override {
        speed_wpm = GetParam().wpm;
        pitch_hz = 700;
        recompute_timing();
        fill_text_tables();
        build_tones();
    }

    // The elements and pauses of `text`, written out here rather than taken from the sender.
    Rendering expected_for(std::string_view text) const {
        static const std::map<char, std::string_view> codes{
            {'P', ".--."}, {'A', ".-"}, {'R', ".-."}, {'I', ".."}, {'S', "..."}};
        const Speed& speed = GetParam();
        Rendering rendering;
        for (const char ch : text) {
            if (ch == ' ') {
                rendering.pause(speed.word_gap_ms);
                continue;
            }
            for (const char element : codes.at(ch)) {
                rendering.element(element == '.' ? dit_image.data() : dah_image.data());
                rendering.pause(speed.dot_ms);
            }
            rendering.pause(speed.dash_ms);
        }
        return rendering;
    }
};

TEST_P(MorseRenderingTest, SentTextIsHeardSampleForSample) {
    testing::AlsaSandbox alsa;
    alsa.capture_to_file();
    send_text = "PARIS PARIS";
    EXPECT_EXIT(run_and_exit([] { send_morse(); }), ::testing::ExitedWithCode(0), "");

    const testing::WavContents heard = testing::read_wav(alsa.capture());
    EXPECT_EQ(heard.channels, 1u);
    EXPECT_EQ(heard.rate, 44100u);
    EXPECT_EQ(heard.bits, 16u);
    expect_same_samples(heard.samples, expected_for(send_text).samples());
}

// 20 wpm pauses are whole samples; at 45 wpm a dot is 1146.6 samples and the fraction is carried.
INSTANTIATE_TEST_SUITE_P(Speeds, MorseRenderingTest,
                         ::testing::Values(Speed{20, 60, 180, 420}, Speed{45, 26, 78, 182}),
                         ::testing::PrintToStringParamName());

class StreamPauseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        speed_wpm = 13;
        pitch_hz = 1030;
        recompute_timing();
        build_tones();
        const std::size_t image_bytes =
            platform::kWaveHeaderBytes + 2 * korvane::platform::wave_sample_count(dit_image.data());
        exact_dit_.assign(dit_image.begin(), dit_image.begin() + image_bytes);
    }

    // The dot with nothing after its samples, so that reading beyond them is caught.
    std::vector<std::uint8_t> exact_dit_;
};

TEST_F(StreamPauseTest, PausesCarryTheFractionOfASampleAndOtherFormatsAreRefused) {
    testing::AlsaSandbox alsa;
    alsa.capture_to_file();
    std::vector<std::vector<std::uint8_t>> refused;
    for (const auto& [offset, value] : {std::pair{22, 2}, std::pair{25, 0x56}, std::pair{34, 8}}) {
        refused.push_back(exact_dit_);
        refused.back()[offset] = static_cast<std::uint8_t>(value);
    }
    EXPECT_EXIT(run_and_exit([&] {
                    platform::sleep_ms(30);  // no stream yet: a thread sleep, not silence
                    platform::play_wave_image(exact_dit_.data());
                    for (int n = 0; n < 1000; ++n) {
                        platform::sleep_ms(1);
                    }
                    platform::sleep_ms(0);
                    platform::sleep_ms(-5);
                    platform::sleep_ms(7);
                    for (const auto& image : refused) {
                        platform::play_wave_image(image.data());
                    }
                    platform::sleep_ms(171);
                    platform::play_wave_image(exact_dit_.data());
                }),
                ::testing::ExitedWithCode(0), "");

    Rendering expected;
    expected.element(exact_dit_.data());
    for (int n = 0; n < 1000; ++n) {
        expected.pause(1);
    }
    expected.pause(7);
    expected.pause(171);
    expected.element(exact_dit_.data());
    // 1178 ms is 51,949.8 samples: rounding each pause on its own would lose 100.
    ASSERT_EQ(expected.samples().size(),
              2 * korvane::platform::wave_sample_count(dit_image.data()) + 51949u);
    expect_same_samples(testing::read_wav(alsa.capture()).samples, expected.samples());
}

TEST(NoSoundDevice, PlayingReturnsAndSleepingStillSleeps) {
    testing::AlsaSandbox alsa;
    alsa.configure("pcm.!default { type hw card 31 }\n");
    build_tones();
    EXPECT_EXIT(run_and_exit([] {
                    platform::play_wave_image(dah_image.data());
                    const auto start = std::chrono::steady_clock::now();
                    platform::sleep_ms(50);
                    const auto slept = std::chrono::steady_clock::now() - start;
                    if (slept < std::chrono::milliseconds(50)) {
                        std::fprintf(stderr, "sleep_ms(50) returned early\n");
                        std::exit(1);
                    }
                }),
                ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace korvane
