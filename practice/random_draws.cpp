#include "practice/random_draws.h"

#include <array>
#include <bit>
#include <cmath>

#include "platform/clock.h"

namespace korvane {
namespace {

// The single-precision value nearest to ms / 1000, chosen exactly: the candidates'
// distances are computed without rounding, and no time of day lies on a tie.
float nearest_float_seconds(std::int64_t ms) {
    const float guess = static_cast<float>(static_cast<double>(ms) / 1000.0);
    const std::array<float, 3> candidates{std::nextafter(guess, -1.0f), guess,
                                          std::nextafter(guess, 2e5f)};
    float best = guess;
    for (const float candidate : candidates) {
        const double distance = std::fabs(static_cast<double>(candidate) * 1000.0 - ms);
        if (distance < std::fabs(static_cast<double>(best) * 1000.0 - ms)) {
            best = candidate;
        }
    }
    return best;
}

// One step of the generator: r in [0, 1) with 31 bits of resolution. The
// multiplier, the increment and the dropped low bit are the generator's
// definition, not tuning: the same seed must give the same draws everywhere.
double next_fraction() {
    random_state = random_state * 134775813u + 1u;
    return static_cast<double>(random_state >> 1) / 2147483648.0;
}

}  // namespace

void seed_from_clock() {
    const auto t = platform::local_time_of_day();
    const std::int64_t ms =
        t.hours * 3600000LL + t.minutes * 60000LL + t.seconds * 1000LL + t.milliseconds;
    random_state = std::bit_cast<std::uint32_t>(nearest_float_seconds(ms));
}

std::int32_t random_in_range(std::int32_t low, std::int32_t high) {
    const double span = static_cast<double>(high) - low + 1.0;
    return static_cast<std::int32_t>(std::trunc(low + next_fraction() * span));
}

}  // namespace korvane
