#pragma once
// QSO practice: a simulated contact, sent first and shown afterwards.

#include <cstdint>

#include "platform/dialog.h"

namespace korvane {

// Composes six lines from the vocabulary tables, sends them after the preamble, then shows them.
void send_qso_practice();

int on_qso_practice(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                    std::intptr_t lparam);

}  // namespace korvane
