#pragma once
// What every window of the program shares: its title, its size, the style of
// its buttons and the shape of their click handlers.

#include <cstdint>

#include "platform/dialog.h"

namespace korvane {

inline constexpr const char* kProgramTitle = "Korvane";
inline constexpr int kWindowWidth = 500;   // dialog units
inline constexpr int kWindowHeight = 350;  // dialog units

// Push buttons are plain tab stops; no window has a default button.
inline constexpr unsigned kButtonStyle = platform::kTabStop;

// The shape every click handler shares: `action` runs on a click only, and
// every message counts as handled.
template <typename Action>
int handle_click(std::uint32_t message, std::uintptr_t wparam, Action action) {
    if (platform::is_button_click(message, wparam)) {
        action();
    }
    return 1;
}

}  // namespace korvane
