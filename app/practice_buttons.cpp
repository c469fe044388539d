#include "app/practice_buttons.h"

#include "app/app_values.h"
#include "app/control_ids.h"
#include "app/window_frame.h"
#include "practice/qso_practice.h"
#include "practice/random_code.h"

namespace korvane {
namespace {

void send_random_code() {
    platform::set_control_text(current_window, kTextPanelId, send_random_characters());
}

void send_qso_practice() {
    platform::set_control_text(current_window, kTextPanelId, send_qso_lines());
}

}  // namespace

int on_random_code(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam,
                   std::intptr_t) {
    return handle_click(message, wparam, send_random_code);
}

int on_qso_practice(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam,
                    std::intptr_t) {
    return handle_click(message, wparam, send_qso_practice);
}

}  // namespace korvane
