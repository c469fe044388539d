#pragma once
// Sleep: blocks the one thread for a pause.

#include <cstdint>

namespace korvane::platform {

// Pauses for `ms` milliseconds; zero or a negative value returns at once.
void sleep_ms(std::int32_t ms);

}  // namespace korvane::platform
