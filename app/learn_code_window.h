#pragma once
// The Learn Code window: lesson lines that can be heard one at a time.

#include <cstdint>

#include "platform/dialog.h"

namespace korvane {

// Builds the window, shows it modally and returns when it has ended.
void show_learn_code_window();

int on_listen(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
              std::intptr_t lparam);

}  // namespace korvane
