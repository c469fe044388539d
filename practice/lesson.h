#pragma once
// Lesson lines: which characters a line of the Learn Code list names.

#include <string>
#include <string_view>

namespace korvane {

// The characters a lesson line names: its text without ".", "-" and blanks,
// in capitals, a spelled-out sign ("Period", "Comma" ...) replaced by the sign.
std::string lesson_characters(std::string_view line);

}  // namespace korvane
