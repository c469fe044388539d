#pragma once
// The recorded sounds and pauses as a line of text, for table-driven tests.

#include <string>

namespace korvane::testing {

// "." for dit_image, "-" for dah_image, "?N" for another image of N samples,
// a number for a pause in milliseconds; separated by blanks.
std::string timeline();

}  // namespace korvane::testing
