#pragma once
// Lesson lines: which characters a line of the Learn Code list names.

#include <string>
#include <string_view>

namespace korvane {

// The characters a lesson line names: its text without ".", "-" and blanks,
// in capitals, a spelled-out sign ("Period", "Comma" ...) replaced by the sign.
std::string lesson_characters(std::string_view line);

// A lesson line as a screen reader should say it, each code in words:
// "   E .  A .-" is "E, dit. A, dit dah"; a line of code alone, which parts
// the list, is "divider".
std::string spoken_lesson_line(std::string_view line);

}  // namespace korvane
