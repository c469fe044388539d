#include "app/learn_code_window.h"

#include <array>

#include "app/app_values.h"
#include "app/control_ids.h"
#include "app/window_frame.h"
#include "morse/morse_values.h"
#include "morse/sender.h"
#include "practice/lesson.h"
#include "practice/text_tables.h"

namespace korvane {
namespace {

constexpr unsigned kList = platform::kTabStop | platform::kVerticalScroll | platform::kNotify;
constexpr unsigned kHints = platform::kTabStop | platform::kReadOnly | platform::kMultiLine |
                            platform::kCentered | platform::kStaticEdge;

int on_close(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
             std::intptr_t) {
    return handle_click(message, wparam, [=] { platform::end_dialog(window); });
}

// In creation order, which is also the tab order.
constexpr std::array<platform::ControlLayout, 4> kControls{{
    {kLessonListId, platform::ControlKind::list_box, "", 100, 100, 150, 180, kList, nullptr},
    {kListenId, platform::ControlKind::push_button, "&Listen", 275, 160, 30, 20, kButtonStyle,
     on_listen},
    {kCloseId, platform::ControlKind::push_button, "Cl&ose", 275, 190, 30, 20, kButtonStyle,
     on_close},
    {kTextPanelId, platform::ControlKind::edit, "", 50, 25, 400, 60, kHints, nullptr},
}};

}  // namespace

void show_learn_code_window() {
    current_window = platform::create_dialog(kProgramTitle, kWindowWidth, kWindowHeight);
    // The list is filled before the buttons are made, so its lines exist when
    // the window first takes the focus; the creation order is the tab order.
    platform::add_control(current_window, kControls[0]);
    for (std::size_t slot = 1; slot <= LessonLines.kSlots && !LessonLines[slot].empty(); ++slot) {
        platform::add_list_line(current_window, kLessonListId, LessonLines[slot],
                                spoken_lesson_line(LessonLines[slot]));
    }
    for (std::size_t i = 1; i < kControls.size(); ++i) {
        platform::add_control(current_window, kControls[i]);
    }
    // The window's caption is the program's, so the list says whose it is.
    platform::set_control_name(current_window, kLessonListId, "Learn Code lessons");
    platform::set_control_name(current_window, kTextPanelId, "Learn Code tips");
    platform::set_control_text(current_window, kTextPanelId, tips_text);
    platform::run_modal(current_window);
}

int on_listen(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
              std::intptr_t) {
    return handle_click(message, wparam, [=] {
        send_text = lesson_characters(platform::selected_list_line(window, kLessonListId));
        send_morse();
    });
}

}  // namespace korvane
