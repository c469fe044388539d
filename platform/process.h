#pragma once
// Process: scheduling priority and the help page.

#include <string>

namespace korvane::platform {

// Asks for the strongest priority that cannot starve the desktop; a refusal is silent.
void raise_priority();

// Opens the help page `page` (in the working directory; on Linux, else the copy
// installed with the program) with the platform's opener, and returns without
// waiting for the page to be shown; does nothing when the opener cannot start.
void open_help_page(const std::string& page);

}  // namespace korvane::platform
