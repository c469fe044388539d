#pragma once
// The values that decide how Morse sounds, and the text that is sent next.

#include <cstdint>
#include <string>

namespace korvane {

inline constexpr std::int32_t kDefaultSpeedWpm = 10;
inline constexpr std::int32_t kDefaultPitchHz = 1200;

inline std::int32_t speed_wpm = kDefaultSpeedWpm;  // words per minute
inline std::int32_t pitch_hz = kDefaultPitchHz;    // tone pitch in hertz
inline std::int32_t dot_ms = 120;                  // floor(1200 / speed_wpm)
inline std::int32_t dash_ms = 360;                 // 3 dots; also the pause after a character
inline std::int32_t word_gap_ms = 840;             // 7 dots; the pause for a space

// The text that send_morse sends next; callers set it right before the call.
inline std::string send_text;

}  // namespace korvane
