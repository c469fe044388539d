#pragma once
// The fixed texts that the windows show.

#include <string>

namespace korvane {

// The title and three lines of credits, joined by CR LF.
std::string make_credits_text();

// The Learn Code window's three hints, joined by CR LF.
std::string make_tips_text();

}  // namespace korvane
