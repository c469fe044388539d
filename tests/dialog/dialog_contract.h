#pragma once
// The dialog contract of platform/dialog.h, one table that every windows
// backend's suite runs (dialog_contract.cpp), and the controls it is run with,
// which a suite's own tests may use too. Each suite supplies the one thing that
// differs: how a user's keys reach a dialog.

#include <string>
#include <vector>

#include "platform/dialog.h"

namespace korvane::testing {

inline constexpr int kBoxId = 301;
inline constexpr int kListId = 502;

// Push buttons that note each click in `clicks`: Go (control 1), Quit
// (control 2), Other, and End, which also ends its dialog; Send, a send of a
// minute's pause before a sound, which notes at its end whether it was
// stopped within a second; a read-only text box and a sorted list box.
extern const platform::ControlLayout go, quit, other, end, sender, box, list;

// Each click, as its button's name and the list's selected line, if any, and
// each send's end.
extern std::vector<std::string> clicks;

// A dialog of 300 x 150 dialog units with `controls`, the first focused once it runs.
platform::WindowHandle make_dialog(const std::vector<platform::ControlLayout>& controls);

// Arranges for `keys` to be typed, in order, into the focused control of
// `window` once its modal run has started, and then for a close request. Keys
// are named as QKeySequence names them: "Return", "Num+Enter", "Esc", "Home",
// "Down", a capital letter alone or after "Shift+", "Ctrl+" or "Alt+".
void type_then_close(platform::WindowHandle window, const std::vector<const char*>& keys);

}  // namespace korvane::testing
