#include "app/main_window.h"

#include <array>

#include "app/app_values.h"
#include "app/control_ids.h"
#include "app/practice_buttons.h"
#include "app/speed_control.h"
#include "app/window_frame.h"
#include "morse/morse_values.h"
#include "practice/number_text.h"

namespace korvane {
namespace {

using platform::ControlKind;
using platform::ControlLayout;

constexpr unsigned kValueBox = platform::kTabStop | platform::kReadOnly | platform::kStaticEdge;
constexpr unsigned kPanel = kValueBox | platform::kMultiLine | platform::kCentered;

constexpr ControlKind kPush = ControlKind::push_button;
constexpr ControlKind kLabel = ControlKind::label;
constexpr ControlKind kEdit = ControlKind::edit;

// Ends the main window and tells the window loop what to show next.
int end_with_mode(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                  std::int32_t mode) {
    return handle_click(message, wparam, [=] {
        platform::end_dialog(window);
        window_mode = mode;
    });
}

int on_learn_code(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                  std::intptr_t) {
    return end_with_mode(window, message, wparam, kLearnCode);
}

int on_file(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t) {
    return end_with_mode(window, message, wparam, kCodeFromFile);
}

int on_help(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t) {
    return end_with_mode(window, message, wparam, kHelpPage);
}

// Exit leaves window_mode as it is: the window loop set it to kLeaveLoop before
// it built this window, and every other button that changes it ends the window.
int on_exit(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t) {
    return end_with_mode(window, message, wparam, window_mode);
}

// In creation order, which is also the tab order.
constexpr std::array<ControlLayout, 15> kControls{{
    {kSpeedLabelId, kLabel, "Speed", 40, 175, 30, 15, 0, nullptr},
    {kSlowerId, kPush, "&Slower", 80, 175, 50, 20, kButtonStyle, on_slower},
    {kFasterId, kPush, "&Faster", 140, 175, 50, 20, kButtonStyle, on_faster},
    {kSpeedBoxId, kEdit, "", 200, 175, 60, 20, kValueBox, nullptr},
    {kPitchLabelId, kLabel, "Pitch", 40, 210, 30, 15, 0, nullptr},
    {kLowerId, kPush, "&Lower", 80, 210, 50, 20, kButtonStyle, on_lower},
    {kHigherId, kPush, "&Higher", 140, 210, 50, 20, kButtonStyle, on_higher},
    {kPitchBoxId, kEdit, "", 200, 210, 60, 20, kValueBox, nullptr},
    {kRandomCodeId, kPush, "&Random Code", 80, 245, 50, 20, kButtonStyle, on_random_code},
    {kQsoPracticeId, kPush, "&QSO Practice", 140, 245, 50, 20, kButtonStyle, on_qso_practice},
    {kLearnCodeId, kPush, "Lear&n Code", 200, 245, 50, 20, kButtonStyle, on_learn_code},
    {kFileId, kPush, "F&ile", 260, 245, 50, 20, kButtonStyle, on_file},
    {kHelpId, kPush, "H&elp", 320, 245, 50, 20, kButtonStyle, on_help},
    {kExitId, kPush, "E&xit", 380, 245, 50, 20, kButtonStyle, on_exit},
    {kTextPanelId, kEdit, "", 50, 25, 400, 125, kPanel, nullptr},
}};

}  // namespace

void show_main_window() {
    current_window = platform::create_dialog(kProgramTitle, kWindowWidth, kWindowHeight);
    for (const auto& control : kControls) {
        platform::add_control(current_window, control);
    }
    platform::set_control_name(current_window, kTextPanelId, "Sent text");
    platform::set_control_text(current_window, kTextPanelId, credits_text);
    // send_text carries the value boxes' texts too, as the speed and pitch buttons do.
    send_text = signed_number_text(speed_wpm) + " wpm";
    platform::set_control_text(current_window, kSpeedBoxId, send_text);
    send_text = signed_number_text(pitch_hz) + " HZ";
    platform::set_control_text(current_window, kPitchBoxId, send_text);
    platform::run_modal(current_window);
}

}  // namespace korvane
