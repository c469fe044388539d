// Every platform service on a virtual timeline: nothing waits, everything is
// recorded, and a test's script plays the user while a dialog is modal.

#include "platform/fake/fake.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/dialog.h"
#include "platform/process.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "platform/wave_image.h"

namespace korvane {
namespace {

using fake::state;
using platform::WindowHandle;

void note(const std::string& line) {
    state.journal.push_back(line);
    state.on_call(line);
}

fake::Control* find_control(WindowHandle window, int id) {
    auto& controls = fake::dialog(window).controls;
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [id](const fake::Control& c) { return c.layout.id == id; });
    return it == controls.end() ? nullptr : &*it;
}

// Plays and pauses wait as the real ones do, so the windows service meets an
// Escape given during the send; a stopped send records nothing more.
bool send_goes_on() {
    state.sending = true;
    platform::keep_windows_alive();
    return !state.stopped;
}

}  // namespace

void platform::raise_priority() {
    note("priority");
}

void platform::open_help_page(const std::string& page) {
    note("help " + page);
}

void platform::play_wave_image(const std::uint8_t* image) {
    if (!send_goes_on()) {
        return;
    }
    const std::uint32_t samples = wave_sample_count(image);
    state.sound_events.push_back({fake::SoundEvent::Kind::play, image, samples, 0});
    note("play " + std::to_string(samples));
    state.ticks += 10 * std::int64_t{samples};
}

void platform::sleep_ms(std::int32_t ms) {
    if (!send_goes_on()) {
        return;
    }
    state.sound_events.push_back({fake::SoundEvent::Kind::pause, nullptr, 0, ms});
    note("sleep " + std::to_string(ms));
    state.ticks += 441 * std::int64_t{std::max(ms, 0)};
}

void platform::stop_send() {
    state.stopped = true;
}

bool platform::send_stopped() {
    return state.stopped;
}

void platform::end_send() {
    state.sending = state.escape_held = state.stopped = false;
}

void platform::keep_windows_alive() {
    if (std::exchange(state.escape_held, false)) {
        platform::stop_send();
    }
}

platform::TimeOfDay platform::local_time_of_day() {
    const auto& t = state.start_of_day;
    const std::int64_t ms =
        ((t.hours * 60LL + t.minutes) * 60 + t.seconds) * 1000 + t.milliseconds + state.ticks / 441;
    return {static_cast<int>(ms / 3600000 % 24), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

WindowHandle platform::create_dialog(const std::string& caption, int, int) {
    state.dialogs.push_back({caption, {}, -1});
    return state.dialogs.size();
}

void platform::add_control(WindowHandle window, const ControlLayout& layout) {
    fake::dialog(window).controls.push_back({layout, layout.text, {}, -1});
}

void platform::set_control_text(WindowHandle window, int id, const std::string& text) {
    fake::control(window, id).text = text;
}

void platform::set_caption(WindowHandle window, const std::string& caption) {
    fake::dialog(window).caption = caption;
}

void platform::add_list_line(WindowHandle window, int id, const std::string& line) {
    fake::control(window, id).lines.push_back(line);
}

void platform::clear_list(WindowHandle window, int id) {
    auto& list = fake::control(window, id);
    list = {list.layout, list.text, {}, -1};
}

std::string platform::selected_list_line(WindowHandle window, int id) {
    const auto& c = fake::control(window, id);
    return c.selected < 0 ? "" : c.lines.at(static_cast<std::size_t>(c.selected));
}

// The next queued script plays the user; a dialog with none queued fails the test
// with std::out_of_range.
void platform::run_modal(WindowHandle window) {
    note("modal " + fake::dialog(window).caption);
    const auto script = std::move(state.scripts.at(0));
    state.scripts.pop_front();
    script(window);
}

void platform::end_dialog(WindowHandle window, int result) {
    note("end " + std::to_string(result));
    fake::dialog(window).result = result;
}

const std::vector<fake::SoundEvent>& fake::sound_events() {
    return state.sound_events;
}

void fake::reset() {
    state = State{};
}

fake::Dialog& fake::dialog(WindowHandle window) {
    return state.dialogs.at(window - 1);
}

fake::Control& fake::control(WindowHandle window, int id) {
    if (auto* c = find_control(window, id)) {
        return *c;
    }
    throw std::out_of_range("no control " + std::to_string(id));
}

void fake::click(WindowHandle window, int id) {
    if (const auto handler = control(window, id).layout.handler) {
        handler(window, platform::kWmCommand, platform::click_wparam(id), 0);
        platform::end_send();
    }
}

void fake::press_enter(WindowHandle window, int focused_id) {
    const auto* focused = find_control(window, focused_id);
    const bool on_button = focused && focused->layout.kind == platform::ControlKind::push_button;
    if (const int id = platform::enter_target(on_button ? focused_id : platform::kNoControl,
                                              find_control(window, platform::kConfirmId))) {
        click(window, id);
    }
}

void fake::press_escape(WindowHandle window) {
    if (state.sending) {
        state.escape_held = true;
    } else if (const int id = platform::escape_target(find_control(window, platform::kCancelId))) {
        click(window, id);
    }
}

void fake::request_close(WindowHandle window) {
    platform::end_dialog(window, 0);
}

}  // namespace korvane
