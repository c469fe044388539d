#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/app_values.h"
#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "tests/support/program_state.h"

namespace korvane {
namespace {

std::int16_t sample(const WaveImage& image, std::size_t n) {
    return static_cast<std::int16_t>(image[platform::kWaveHeaderBytes + 2 * n] |
                                     image[platform::kWaveHeaderBytes + 2 * n + 1] << 8);
}

std::uint32_t u32(const WaveImage& image, std::size_t at) {
    return image[at] | image[at + 1] << 8 | image[at + 2] << 16 |
           static_cast<std::uint32_t>(image[at + 3]) << 24;
}

// The samples of one cycle: from a zero sample up to the sample before the next zero start.
std::size_t samples_per_cycle(const WaveImage& image) {
    const std::uint32_t n = korvane::platform::wave_sample_count(image.data());
    for (std::size_t i = 1; i < n; ++i) {
        if (sample(image, i) == 0 && sample(image, i - 1) < 0) {
            return i;
        }
    }
    return n;
}

class ToneTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::reset_program(); }

    static void build(std::int32_t speed, std::int32_t pitch) {
        speed_wpm = speed;
        pitch_hz = pitch;
        recompute_timing();
        build_tones();
    }
};

TEST_F(ToneTest, HeaderDescribesA44100HzMonoPcmImage) {
    build(10, 1200);
    const WaveImage& dot = dit_image;
    EXPECT_EQ(std::string(dot.begin(), dot.begin() + 4), "RIFF");
    EXPECT_EQ(u32(dot, 4), 10692u);
    EXPECT_EQ(std::string(dot.begin() + 8, dot.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(u32(dot, 16), 16u);
    EXPECT_EQ(u32(dot, 20), 0x00010001u);  // PCM, one channel
    EXPECT_EQ(u32(dot, 24), 44100u);
    EXPECT_EQ(u32(dot, 28), 88200u);
    EXPECT_EQ(u32(dot, 32), 0x00100002u);  // block align 2, 16 bits
    EXPECT_EQ(std::string(dot.begin() + 36, dot.begin() + 40), "data");
    EXPECT_EQ(u32(dot, 40), 10656u);
    EXPECT_EQ(korvane::platform::wave_sample_count(dot.data()), 5328u);
    EXPECT_EQ(u32(dah_image, 4), 32004u);
    EXPECT_EQ(korvane::platform::wave_sample_count(dah_image.data()), 15984u);
}

TEST_F(ToneTest, OneCycleAt1200HzHasTheKnownSamples) {
    build(10, 1200);
    const std::vector<int> head{0,     5574,  10985, 16076, 20698, 24717,
                                28014, 30495, 32087, 32743, 32444};
    const std::vector<int> tail{-31776, -29956, -27263, -23775, -19594, -14842, -9656, -4189};
    for (std::size_t i = 0; i < head.size(); ++i) {
        EXPECT_EQ(sample(dit_image, i), head[i]) << i;
    }
    for (std::size_t i = 0; i < tail.size(); ++i) {
        EXPECT_EQ(sample(dit_image, 29 + i), tail[i]) << i;
    }
    EXPECT_EQ(sample(dit_image, 37), 0);
    EXPECT_EQ(samples_per_cycle(dit_image), 37u);
}

TEST_F(ToneTest, SevenHundredHzIsExactAtTwentyWpm) {
    build(20, 700);
    EXPECT_EQ(korvane::platform::wave_sample_count(dit_image.data()), 2646u);
    for (std::size_t cycle = 0; cycle < 42; ++cycle) {
        EXPECT_EQ(sample(dit_image, 63 * cycle), 0);
        EXPECT_EQ(sample(dit_image, 63 * cycle + 31), 1633);
        EXPECT_EQ(sample(dit_image, 63 * cycle + 32), -1633);
        EXPECT_EQ(sample(dit_image, 63 * cycle + 62), -3262);
    }
}

struct CountCase {
    std::int32_t speed;
    std::int32_t pitch;
    std::uint32_t dot_samples;
};

class SampleCountTest : public ToneTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(SampleCountTest, DotHoldsWholeCycles) {
    build(GetParam().speed, GetParam().pitch);
    EXPECT_EQ(korvane::platform::wave_sample_count(dit_image.data()), GetParam().dot_samples);
}

INSTANTIATE_TEST_SUITE_P(Elements, SampleCountTest,
                         ::testing::Values(CountCase{13, 1260, 4140},  // 115 cycles of 36
                                           CountCase{45, 400, 1110},   // 10 cycles of 111
                                           CountCase{10, 0, 0},        // no pitch, no samples
                                           CountCase{10, -5, 0},
                                           CountCase{1201, 1200, 0}));  // a 0 ms dot

// Where 44100 / p is whole, the rounding of the repeated additions decides
// whether the phase that lands on the limit is counted: a 720 ms dash holds
// 720 * p / 1000 cycles of the tabled number of samples.
TEST_F(ToneTest, SamplesPerCycleAtEveryWholeDivisorPitch) {
    const std::vector<std::pair<std::int32_t, std::size_t>> table{
        {420, 106}, {441, 100}, {450, 98},  {490, 90},  {525, 84},  {588, 75},
        {630, 71},  {700, 63},  {735, 61},  {882, 51},  {900, 49},  {980, 45},
        {1050, 43}, {1225, 37}, {1260, 36}, {1470, 30}, {1575, 29}, {1764, 25},
        {2100, 21}, {2205, 21}, {2450, 18}, {2940, 15}};
    for (const auto& [pitch, per_cycle] : table) {
        build(5, pitch);
        EXPECT_EQ(korvane::platform::wave_sample_count(dah_image.data()),
                  720u * pitch / 1000 * per_cycle)
            << pitch;
    }
}

TEST_F(ToneTest, NoSampleExceedsTheAmplitude) {
    build(5, 2920);
    for (std::size_t i = 0; i < korvane::platform::wave_sample_count(dah_image.data()); ++i) {
        ASSERT_LE(std::abs(sample(dah_image, i)), kAmplitude) << i;
    }
    EXPECT_EQ(korvane::platform::wave_sample_count(dah_image.data()), 33632u);
}

// Stored settings can ask for far longer elements than the buttons allow; the
// images hold them whole.
TEST_F(ToneTest, TheLongestStoredElementsFitWhole) {
    for (const std::int32_t speed : {1, 2, 3}) {
        // None of these pitches divides 44100, so a cycle holds 44100 / p + 1 samples.
        for (const std::int32_t pitch : {32767, 22049, 14701}) {
            build(speed, pitch);
            const std::int64_t cycles = std::int64_t{dash_ms} * pitch / 1000;
            EXPECT_EQ(korvane::platform::wave_sample_count(dah_image.data()),
                      cycles * (44100 / pitch + 1))
                << speed << " " << pitch;
        }
        for (const std::int32_t pitch : {0, -5}) {
            build(speed, pitch);
            EXPECT_EQ(korvane::platform::wave_sample_count(dit_image.data()), 0u);
            EXPECT_EQ(korvane::platform::wave_sample_count(dah_image.data()), 0u);
        }
    }
}

}  // namespace
}  // namespace korvane
