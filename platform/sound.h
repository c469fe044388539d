#pragma once
// Sound: plays one element image and returns when it has been heard.

#include <cstdint>

namespace korvane::platform {

// Plays a 44,100 Hz 16-bit mono PCM RIFF/WAVE image from memory, given its
// first byte, and returns when it has finished. A failure is silent.
void play_wave_image(const std::uint8_t* image);

}  // namespace korvane::platform
