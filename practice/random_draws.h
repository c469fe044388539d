#pragma once
// The program's random draws: one 32-bit state, re-seeded from the clock by every generator run.

#include <cstdint>

namespace korvane {

inline std::uint32_t random_state = 0;

// Sets the state to the bit pattern of the seconds since local midnight as a single-precision
// value.
void seed_from_clock();

// A whole number from low to high inclusive, each equally likely; advances the state one step.
std::int32_t random_in_range(std::int32_t low, std::int32_t high);

}  // namespace korvane
