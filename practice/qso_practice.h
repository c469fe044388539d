#pragma once
// QSO practice: a simulated contact, sent first and shown afterwards.

#include <cstdint>
#include <functional>

#include "platform/dialog.h"

namespace korvane {

// A source of draws: a whole number from low to high inclusive.
using DrawInRange = std::function<std::int32_t(std::int32_t low, std::int32_t high)>;

// Sets QsoLines to a new contact built from fifteen draws of `draw`.
void compose_qso_lines(const DrawInRange& draw);

// Composes six lines from the vocabulary tables, sends them after the preamble, then shows them.
void send_qso_practice();

int on_qso_practice(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                    std::intptr_t lparam);

}  // namespace korvane
