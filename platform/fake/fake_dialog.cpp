// Scriptable dialogs: a test's script plays the user while a dialog is modal.

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "platform/dialog.h"
#include "platform/fake/fake_state.h"
#include "platform/keyboard_rules.h"

namespace korvane {
namespace {

using platform::WindowHandle;

fake::detail::State& st() {
    return fake::detail::state();
}

bool less_ignoring_case(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

fake::Control* find_control(WindowHandle window, int id) {
    auto& controls = fake::dialog(window).controls;
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [id](const fake::Control& c) { return c.layout.id == id; });
    return it == controls.end() ? nullptr : &*it;
}

int focused_push_button(WindowHandle window) {
    const auto* focused = find_control(window, fake::dialog(window).focused_id);
    return focused && focused->layout.kind == platform::ControlKind::push_button
               ? focused->layout.id
               : platform::kNoControl;
}

void click_if_present(WindowHandle window, int id) {
    if (id != platform::kNoControl) {
        fake::click(window, id);
    }
}

}  // namespace

WindowHandle platform::create_dialog(const std::string& caption, int width, int height) {
    st().journal.push_back("dialog " + caption);
    st().dialogs.push_back(fake::Dialog{caption, width, height, {}, kNoControl, false, -1});
    return st().dialogs.size();
}

void platform::add_control(WindowHandle window, const ControlLayout& layout) {
    fake::dialog(window).controls.push_back(
        fake::Control{layout, layout.text ? layout.text : "", {}, -1});
}

void platform::set_control_text(WindowHandle window, int id, const std::string& text) {
    fake::control(window, id).text = text;
}

void platform::set_caption(WindowHandle window, const std::string& caption) {
    fake::dialog(window).caption = caption;
}

void platform::add_list_line(WindowHandle window, int id, const std::string& line) {
    auto& c = fake::control(window, id);
    auto where = c.lines.end();
    if (c.layout.style & kSorted) {
        where = std::upper_bound(c.lines.begin(), c.lines.end(), line, less_ignoring_case);
    }
    c.lines.insert(where, line);
}

void platform::clear_list(WindowHandle window, int id) {
    auto& c = fake::control(window, id);
    c.lines.clear();
    c.selected = -1;
}

std::string platform::selected_list_line(WindowHandle window, int id) {
    const auto& c = fake::control(window, id);
    return c.selected < 0 ? std::string() : c.lines.at(static_cast<std::size_t>(c.selected));
}

void platform::run_modal(WindowHandle window) {
    st().journal.push_back("modal " + fake::dialog(window).caption);
    if (st().scripts.empty()) {
        throw std::logic_error("no script for the dialog \"" + fake::dialog(window).caption + "\"");
    }
    auto script = std::move(st().scripts.front());
    st().scripts.pop_front();
    script(window);
    if (!fake::dialog(window).ended) {
        throw std::logic_error("the script left \"" + fake::dialog(window).caption + "\" open");
    }
}

void platform::end_dialog(WindowHandle window, int result) {
    st().journal.push_back("end " + std::to_string(result));
    auto& d = fake::dialog(window);
    d.ended = true;
    d.result = result;
}

void fake::script_next_dialog(DialogScript script) {
    st().scripts.push_back(std::move(script));
}

fake::Dialog& fake::dialog(WindowHandle window) {
    if (window == platform::kNoWindow || window > st().dialogs.size()) {
        throw std::out_of_range("no dialog with handle " + std::to_string(window));
    }
    return st().dialogs[window - 1];
}

fake::Control& fake::control(WindowHandle window, int id) {
    auto* c = find_control(window, id);
    if (!c) {
        throw std::out_of_range("no control " + std::to_string(id));
    }
    return *c;
}

const std::string& fake::text_of(WindowHandle window, int id) {
    return control(window, id).text;
}

void fake::click(WindowHandle window, int id) {
    const auto& c = control(window, id);
    if (dialog(window).ended) {
        throw std::logic_error("click on an ended dialog");
    }
    if (c.layout.handler) {
        c.layout.handler(window, platform::kWmCommand, platform::click_wparam(id), 0);
    }
}

void fake::focus(WindowHandle window, int id) {
    control(window, id);
    dialog(window).focused_id = id;
}

void fake::select_line(WindowHandle window, int id, int index) {
    auto& c = control(window, id);
    if (index < -1 || index >= static_cast<int>(c.lines.size())) {
        throw std::out_of_range("no line " + std::to_string(index));
    }
    c.selected = index;
}

void fake::press_enter(WindowHandle window) {
    click_if_present(window, platform::enter_target(focused_push_button(window),
                                                    find_control(window, platform::kConfirmId)));
}

void fake::press_escape(WindowHandle window) {
    click_if_present(window, platform::escape_target(find_control(window, platform::kCancelId)));
}

void fake::request_close(WindowHandle window) {
    platform::end_dialog(window, 0);
}

}  // namespace korvane
