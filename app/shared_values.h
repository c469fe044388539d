#pragma once
// The process-wide values that every part of the program reads.

#include <cstdint>
#include <string>

#include "platform/dialog.h"

namespace korvane {

inline constexpr std::int32_t kDefaultSpeedWpm = 10;
inline constexpr std::int32_t kDefaultPitchHz = 1200;

inline std::int32_t speed_wpm = kDefaultSpeedWpm;  // words per minute
inline std::int32_t pitch_hz = kDefaultPitchHz;    // tone pitch in hertz
inline std::int32_t dot_ms = 120;                  // floor(1200 / speed_wpm)
inline std::int32_t dash_ms = 360;                 // 3 dots; also the pause after a character
inline std::int32_t word_gap_ms = 840;             // 7 dots; the pause for a space

// What the window loop does after the main window ends.
enum WindowMode : std::int32_t {
    kLeaveLoop = 0,
    kLearnCode = 1,
    kCodeFromFile = 2,
    kHelpPage = 3,
};
inline std::int32_t window_mode = kLeaveLoop;

// The text that send_morse sends next; callers set it right before the call.
inline std::string send_text;

// The window on screen: the one the window loop created last.
inline platform::WindowHandle current_window = platform::kNoWindow;

// Texts built once at start-up.
inline std::string credits_text;
inline std::string tips_text;

}  // namespace korvane
