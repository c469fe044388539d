#pragma once
// Numbers as the program writes them.

#include <cstdint>
#include <string>

namespace korvane {

// The sign-position form: a blank for a value that is not negative, a minus
// sign otherwise, then the digits (11 gives " 11", -5 gives "-5").
std::string signed_number_text(std::int32_t value);

}  // namespace korvane
