// Every platform service on a virtual timeline: nothing waits, everything is
// recorded, and a test's script plays the user while a dialog is modal.

#include "platform/fake/fake.h"

#include "platform/keyboard_rules.h"
#include "platform/process.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "platform/wave_image.h"

namespace korvane {
namespace {

using fake::state;

void note(const std::string& line) {
    state.journal.push_back(line);
    state.on_call(line);
}

// A play or a pause is recorded and moves the clock on by `ticks`, unless an Escape
// stopped the send.
void record(const fake::SoundEvent& event, const std::string& line, std::int64_t ticks) {
    state.sending = true;
    if (!state.stopped) {
        state.sound_events.push_back(event);
        note(line);
        state.ticks += ticks;
    } else {
        ++state.unheard;
    }
}

}  // namespace

void platform::raise_priority() {
    note("priority");
}

void platform::open_help_page(const std::string& page) {
    note("help " + page);
}

void platform::play_wave_image(const std::uint8_t* image) {
    const std::int64_t samples = wave_sample_count(image);
    record({image, 0}, "play " + std::to_string(samples), 10 * samples);
}

void platform::sleep_ms(std::int32_t ms) {
    record({nullptr, ms}, "sleep " + std::to_string(ms), 441 * std::int64_t{ms > 0 ? ms : 0});
}

bool platform::send_stopped() {
    return state.stopped;
}

platform::TimeOfDay platform::local_time_of_day() {
    const auto& t = state.start_of_day;
    const std::int64_t ms =
        ((t.hours * 60LL + t.minutes) * 60 + t.seconds) * 1000 + t.milliseconds + state.ticks / 441;
    return {static_cast<int>(ms / 3600000 % 24), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

platform::WindowHandle platform::create_dialog(const std::string& caption, int, int) {
    state.dialogs.push_back({caption, {}});
    return state.dialogs.size();
}

void platform::add_control(WindowHandle window, const ControlLayout& layout) {
    state.dialog(window).controls[layout.id] = {layout.handler, layout.text, {}, -1};
}

void platform::set_control_text(WindowHandle window, int id, const std::string& text) {
    state.control(window, id).text = text;
}

void platform::set_caption(WindowHandle window, const std::string& caption) {
    state.dialog(window).caption = caption;
}

void platform::add_list_line(WindowHandle window, int id, const std::string& line) {
    state.control(window, id).lines.push_back(line);
}

void platform::clear_list(WindowHandle window, int id) {
    auto& list = state.control(window, id);
    list = {list.handler, list.text, {}, -1};
}

std::string platform::selected_list_line(WindowHandle window, int id) {
    const auto& c = state.control(window, id);
    return c.selected < 0 ? "" : c.lines.at(static_cast<std::size_t>(c.selected));
}

// The next queued script plays the user; a dialog with none queued fails the test
// with std::out_of_range. The script runs from the queue, so it must not clear the fake.
void platform::run_modal(WindowHandle window) {
    note("modal " + state.dialog(window).caption);
    state.scripts.at(0)(window);
    state.scripts.pop_front();
}

bool platform::session_ending() {
    return state.session_ending;
}

void platform::end_dialog(WindowHandle, int result) {
    note("end " + std::to_string(result));
}

void fake::State::click(WindowHandle window, int id) {
    if (const auto handler = control(window, id).handler) {
        handler(window, platform::kWmCommand, platform::click_wparam(id), 0);
        sending = stopped = false;
    }
}

// Escape clicks the control the keyboard rules name, if any.
void fake::State::press_escape(WindowHandle window) {
    if (sending) {
        stopped = true;
    } else if (const int id =
                   platform::escape_target(dialog(window).controls.contains(platform::kCancelId))) {
        click(window, id);
    }
}

}  // namespace korvane
