#include "app/main_window.h"

#include <array>

#include "app/number_text.h"
#include "app/shared_values.h"
#include "app/window_frame.h"
#include "morse/speed_control.h"
#include "practice/qso_practice.h"
#include "practice/random_code.h"

namespace korvane {
namespace {

using platform::ControlKind;
using platform::ControlLayout;

constexpr unsigned kValueBox = platform::kTabStop | platform::kReadOnly | platform::kStaticEdge;
constexpr unsigned kPanel = kValueBox | platform::kMultiLine | platform::kCentered;

constexpr ControlKind kPush = ControlKind::push_button;
constexpr ControlKind kLabel = ControlKind::label;
constexpr ControlKind kEdit = ControlKind::edit;

// In creation order, which is also the tab order.
constexpr std::array<ControlLayout, 15> kControls{{
    {401, kLabel, "Speed", 40, 175, 30, 15, 0, nullptr},
    {201, kPush, "&Slower", 80, 175, 50, 20, kButtonStyle, on_slower},
    {202, kPush, "&Faster", 140, 175, 50, 20, kButtonStyle, on_faster},
    {kSpeedBoxId, kEdit, "", 200, 175, 60, 20, kValueBox, nullptr},
    {402, kLabel, "Pitch", 40, 210, 30, 15, 0, nullptr},
    {203, kPush, "&Lower", 80, 210, 50, 20, kButtonStyle, on_lower},
    {204, kPush, "&Higher", 140, 210, 50, 20, kButtonStyle, on_higher},
    {kPitchBoxId, kEdit, "", 200, 210, 60, 20, kValueBox, nullptr},
    {205, kPush, "&Random Code", 80, 245, 50, 20, kButtonStyle, on_random_code},
    {206, kPush, "&QSO Practice", 140, 245, 50, 20, kButtonStyle, on_qso_practice},
    {207, kPush, "Lear&n Code", 200, 245, 50, 20, kButtonStyle, on_learn_code},
    {209, kPush, "F&ile", 260, 245, 50, 20, kButtonStyle, on_file},
    {210, kPush, "H&elp", 320, 245, 50, 20, kButtonStyle, on_help},
    {250, kPush, "E&xit", 380, 245, 50, 20, kButtonStyle, on_exit},
    {kTextPanelId, kEdit, "", 50, 25, 400, 125, kPanel, nullptr},
}};

// Ends the main window and tells the window loop what to show next.
int end_with_mode(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                  std::int32_t mode) {
    return handle_click(message, wparam, [=] {
        platform::end_dialog(window, 1);
        window_mode = mode;
    });
}

}  // namespace

void show_main_window() {
    current_window = platform::create_dialog(kProgramTitle, kWindowWidth, kWindowHeight);
    for (const auto& control : kControls) {
        platform::add_control(current_window, control);
    }
    platform::set_control_text(current_window, kTextPanelId, credits_text);
    send_text = signed_number_text(speed_wpm) + " wpm";
    platform::set_control_text(current_window, kSpeedBoxId, send_text);
    send_text = signed_number_text(pitch_hz) + " HZ";
    platform::set_control_text(current_window, kPitchBoxId, send_text);
    platform::run_modal(current_window);
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

int on_exit(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t) {
    return end_with_mode(window, message, wparam, window_mode);
}

}  // namespace korvane
