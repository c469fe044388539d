#pragma once
// The dialog keyboard rules that every backend without native ones follows.

namespace korvane::platform {

inline constexpr int kConfirmId = 1;
inline constexpr int kCancelId = 2;
inline constexpr int kNoControl = 0;

// The control that Enter clicks: the focused push button, else control 1 when
// the dialog has one, else none.
inline int enter_target(int focused_push_button, bool has_confirm_control) {
    if (focused_push_button != kNoControl) {
        return focused_push_button;
    }
    return has_confirm_control ? kConfirmId : kNoControl;
}

// The control that Escape clicks: control 2 when the dialog has one, else none.
inline int escape_target(bool has_cancel_control) {
    return has_cancel_control ? kCancelId : kNoControl;
}

}  // namespace korvane::platform
