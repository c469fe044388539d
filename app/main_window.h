#pragma once
// The main practice window.

namespace korvane {

// Builds the main window, shows it modally and returns when it has ended.
void show_main_window();

}  // namespace korvane
