#pragma once
// Random code: one minute of random characters at the current speed.

#include <cstdint>

#include "platform/dialog.h"

namespace korvane {

// Sends speed_wpm x 5 random characters, then shows those that have a code, 50 to a line.
void send_random_code();

int on_random_code(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                   std::intptr_t lparam);

}  // namespace korvane
