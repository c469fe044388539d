#pragma once
// Helpers shared by the tests of the practice generators.

#include <string>
#include <string_view>

namespace korvane::testing {

// The timeline the sender makes for `characters` (blanks, "," to "Z", small letters): each
// element and its dot pause, then the character pause; a blank is a word gap.
std::string morse_timeline(std::string_view characters);

// Shows the main window, clicks `button`, notes the text panel, then exits;
// returns the panel's text as the click left it.
std::string panel_after_click(int button);

}  // namespace korvane::testing
