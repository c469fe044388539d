#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/fake/fake.h"
#include "practice/random_draws.h"

namespace korvane {
namespace {

void seed_at(platform::TimeOfDay time) {
    fake::reset();
    fake::set_time_of_day(time);
    seed_from_clock();
}

std::vector<std::int32_t> draws(int count, std::int32_t low, std::int32_t high) {
    std::vector<std::int32_t> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random_in_range(low, high));
    }
    return values;
}

// Expected patterns: the seconds since midnight rounded to the nearest single-precision
// value with exact rational arithmetic (python3 fractions), then read as 32 bits.
TEST(RandomDrawsTest, SeedIsTheSinglePrecisionPatternOfTheSecondsSinceMidnight) {
    const struct {
        platform::TimeOfDay time;
        std::uint32_t seed;
    } cases[] = {
        {{0, 0, 0, 0}, 0x00000000u},      {{0, 0, 0, 1}, 0x3A83126Fu},
        {{7, 30, 15, 250}, 0x46D30E80u},  {{12, 0, 0, 0}, 0x4728C000u},
        {{23, 59, 59, 999}, 0x47A8C000u},
    };
    for (const auto& c : cases) {
        seed_at(c.time);
        EXPECT_EQ(random_state, c.seed) << c.time.hours << ":" << c.time.minutes;
    }
}

// At noon one single-precision step is 1/256 s: 12:00:00.001 rounds to the same value
// as 12:00:00.000, while 12:00:00.002 rounds to the next one.
TEST(RandomDrawsTest, TimesWithinOneSinglePrecisionStepDrawAlike) {
    seed_at({12, 0, 0, 0});
    const auto at_noon = draws(50, 1, 47);
    seed_at({12, 0, 0, 1});
    EXPECT_EQ(random_state, 0x4728C000u);
    EXPECT_EQ(draws(50, 1, 47), at_noon);
    seed_at({12, 0, 0, 2});
    EXPECT_EQ(random_state, 0x4728C001u);
    EXPECT_NE(draws(50, 1, 47), at_noon);
}

// Expected draws: state = state * 134775813 + 1 mod 2^32, r = (state >> 1) / 2^31,
// value = floor(low + r * (high - low + 1)), evaluated exactly in python3.
TEST(RandomDrawsTest, DrawsFollowTheGeneratorStep) {
    seed_at({0, 0, 0, 0});
    EXPECT_EQ(draws(3, 1, 47), (std::vector<std::int32_t>{1, 2, 41}));
    seed_at({12, 0, 0, 0});
    EXPECT_EQ(draws(5, 1, 47), (std::vector<std::int32_t>{19, 5, 23, 38, 26}));
    seed_at({12, 0, 0, 0});
    EXPECT_EQ(draws(3, 30, 90), (std::vector<std::int32_t>{54, 35, 59}));
    EXPECT_EQ(draws(3, 1, 70), (std::vector<std::int32_t>{56, 38, 43}));
}

}  // namespace
}  // namespace korvane
