#pragma once
// Sleep: a pause between the sounds of a send.

#include <cstdint>

namespace korvane::platform {

// Pauses for `ms` milliseconds: the next sound starts that much later. A
// backend whose sound stream carries the timing may return at once and leave
// the pause to the stream. Zero or a negative value returns at once.
void sleep_ms(std::int32_t ms);

}  // namespace korvane::platform
