#pragma once
// The main practice window.

#include <cstdint>

#include "platform/dialog.h"

namespace korvane {

// Builds the main window, shows it modally and returns when it has ended.
void show_main_window();

// The buttons that end the window; each sets window_mode for the window loop.
int on_learn_code(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                  std::intptr_t lparam);
int on_file(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t lparam);
int on_help(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t lparam);
int on_exit(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t lparam);

}  // namespace korvane
