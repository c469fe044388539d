#pragma once
// The main window's two generator buttons: each sends its text, then shows it in the panel.

#include <cstdint>

#include "platform/dialog.h"

namespace korvane {

int on_random_code(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                   std::intptr_t lparam);
int on_qso_practice(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                    std::intptr_t lparam);

}  // namespace korvane
