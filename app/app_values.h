#pragma once
// The process-wide values of the windows: what comes next, what is on screen.

#include <cstdint>
#include <string>

#include "platform/dialog.h"

namespace korvane {

// What the window loop does after the main window ends.
enum WindowMode : std::int32_t {
    kLeaveLoop = 0,
    kLearnCode = 1,
    kCodeFromFile = 2,
    kHelpPage = 3,
};
inline std::int32_t window_mode = kLeaveLoop;

// The window on screen: the one the window loop created last.
inline platform::WindowHandle current_window = platform::kNoWindow;

// Texts built once at start-up.
inline std::string credits_text;
inline std::string tips_text;

}  // namespace korvane
