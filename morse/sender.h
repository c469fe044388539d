#pragma once
// The Morse sender: turns send_text into timed elements.

#include <cstdint>

namespace korvane {

// Sends send_text at the current speed and pitch; returns when the last pause has passed.
void send_morse();

// Plays dit_image when `duration_ms` is the dot's length, dah_image otherwise.
void play_element(std::int32_t duration_ms);

}  // namespace korvane
