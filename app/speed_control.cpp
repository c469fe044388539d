#include "app/speed_control.h"

#include "app/app_values.h"
#include "app/control_ids.h"
#include "app/window_frame.h"
#include "morse/morse_values.h"
#include "morse/sender.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "practice/number_text.h"

namespace korvane {
namespace {

// Steps the value with `change` on a click, then applies it, also at a limit.
template <typename Change, typename Apply>
int on_click(std::uint32_t message, std::uintptr_t wparam, Change change, Apply apply) {
    return handle_click(message, wparam, [&] {
        change();
        apply();
    });
}

// Each derives what its value changes, shows the value and sends "V" at it. send_text is the
// scratch for the value box's text before it carries the "V": the program has one text buffer for
// everything it shows or sends.
void apply_speed() {
    recompute_timing();
    send_text = signed_number_text(speed_wpm) + " WPM";
    platform::set_control_text(current_window, kSpeedBoxId, send_text);
    send_text = "V";
    build_tones();
    send_morse();
}

void apply_pitch() {
    send_text = signed_number_text(pitch_hz) + " HZ";
    platform::set_control_text(current_window, kPitchBoxId, send_text);
    build_tones();
    send_text = "V";
    send_morse();
}

}  // namespace

int on_slower(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    return on_click(
        message, wparam, [] { speed_wpm -= speed_wpm > kSlowestWpm ? 1 : 0; }, apply_speed);
}

int on_faster(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    return on_click(
        message, wparam, [] { speed_wpm += speed_wpm < kFastestWpm ? 1 : 0; }, apply_speed);
}

int on_lower(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    return on_click(
        message, wparam, [] { pitch_hz -= pitch_hz > kLowestHz ? kPitchStepHz : 0; }, apply_pitch);
}

int on_higher(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    return on_click(
        message, wparam, [] { pitch_hz += pitch_hz < kHighestHz ? kPitchStepHz : 0; }, apply_pitch);
}

}  // namespace korvane
