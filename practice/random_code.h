#pragma once
// Random code: one minute of random characters at the current speed.

#include <string>

namespace korvane {

// Sends speed_wpm x 5 random characters after the lead-in and returns those
// that have a code, 50 to a line, for the window to show.
std::string send_random_characters();

}  // namespace korvane
