#pragma once
// The dialog contract of platform/dialog.h, one table that every windows
// backend's suite runs (dialog_contract.cpp). Each suite supplies the one thing
// that differs: how a user's keys reach a dialog.

#include <vector>

#include "platform/dialog.h"

namespace korvane::testing {

// Arranges for `keys` to be typed, in order, into the focused control of
// `window` once its modal run has started, and then for a close request. Keys
// are named as QKeySequence names them: "Return", "Num+Enter", "Esc", "Home",
// "Down", "End", a capital letter alone or after "Shift+", "Ctrl+" or "Alt+".
void type_then_close(platform::WindowHandle window, const std::vector<const char*>& keys);

}  // namespace korvane::testing
