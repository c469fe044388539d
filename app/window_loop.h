#pragma once
// The window loop: one modal window at a time, the main window between any two others.

namespace korvane {

inline constexpr const char* kHelpPageName = "korvane.htm";

// Returns when the main window ends without asking for another window, or
// when the desktop is ending the program.
void run_window_loop();

}  // namespace korvane
