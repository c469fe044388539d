#pragma once
// The speed and pitch buttons of the main window.

#include <cstdint>

#include "platform/dialog.h"

namespace korvane {

inline constexpr std::int32_t kSlowestWpm = 5;
inline constexpr std::int32_t kFastestWpm = 45;
inline constexpr std::int32_t kLowestHz = 400;
inline constexpr std::int32_t kHighestHz = 3000;
inline constexpr std::int32_t kPitchStepHz = 20;

// Each steps its value when it is inside its limit, then applies it, also at the limit.
int on_slower(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
              std::intptr_t lparam);
int on_faster(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
              std::intptr_t lparam);
int on_lower(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
             std::intptr_t lparam);
int on_higher(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
              std::intptr_t lparam);

}  // namespace korvane
