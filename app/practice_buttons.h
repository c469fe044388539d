#pragma once
// The main window's two generator buttons: each sends its text, then shows it in the panel.

#include <cstdint>

#include "platform/dialog.h"

namespace korvane {

// Sends a minute of random code, then shows the characters that have a code.
void send_random_code();

// Sends a simulated contact, then shows its six lines.
void send_qso_practice();

int on_random_code(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                   std::intptr_t lparam);
int on_qso_practice(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                    std::intptr_t lparam);

}  // namespace korvane
