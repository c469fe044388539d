// Every platform service on a virtual timeline: nothing waits, everything is
// recorded, and a test's script plays the user while a dialog is modal. Sound
// and sleep are the real stream's, over a device that records what it is given.

#include "platform/fake/fake.h"

#include <algorithm>

#include "platform/backend/sending.h"
#include "platform/keyboard_rules.h"
#include "platform/process.h"
#include "platform/sound.h"
#include "platform/stream/stream.h"
#include "platform/wave_image.h"

namespace korvane {
namespace {

using fake::state;
using namespace std::chrono_literals;

void note(const std::string& line) {
    state.journal.push_back(line);
    state.on_call(line);
}

// Takes everything at once, and plays it on the virtual clock from its start.
class RecordingDevice final : public stream::Device {
  public:
    bool open() override {
        written_ = 0;
        playing_ = false;
        return true;
    }

    std::size_t write(const std::uint8_t* frames, std::size_t count) override {
        written_ += count;
        record(frames, count);
        return count;
    }

    std::size_t queued() override { return written_ - std::min(written_, played()); }

    void start() override {
        playing_ = true;
        started_at_ = fake::clock;
    }

    void drain_and_close() override { sleep(queued() * 1000000us / platform::kSampleRate); }
    void close_at_once() override { written_ = 0; }
    void wait_for_room(stream::Clock::duration most) override { sleep(most); }
    void sleep(stream::Clock::duration most) override { fake::clock += most; }
    stream::Clock::time_point now() override { return stream::Clock::time_point{fake::clock}; }

  private:
    std::size_t played() const {
        return playing_ ? static_cast<std::size_t>((fake::clock - started_at_) *
                                                   platform::kSampleRate / 1s)
                        : 0;
    }

    static void record(const std::uint8_t* frames, std::size_t count) {
        const bool silent =
            std::all_of(frames, frames + count * platform::kSampleBytes, [](auto b) { return !b; });
        if (!silent) {
            state.written.push_back({frames, count});
            note("play " + std::to_string(count));
        } else if (!state.written.empty() && !state.written.back().frames) {
            state.written.back().count += count;
        } else {
            state.written.push_back({nullptr, count});
        }
    }

    std::size_t written_ = 0;
    bool playing_ = false;
    std::chrono::nanoseconds started_at_{};
};

}  // namespace

stream::Device& stream::device() {
    static RecordingDevice device;
    return device;
}

void platform::raise_priority() {
    note("priority");
}

void platform::open_help_page(const std::string& page) {
    note("help " + page);
}

platform::TimeOfDay platform::local_time_of_day() {
    const auto& t = state.start_of_day;
    const std::int64_t ms = ((t.hours * 60LL + t.minutes) * 60 + t.seconds) * 1000 +
                            t.milliseconds + (fake::clock - state.day_from) / 1ms;
    return {static_cast<int>(ms / 3600000 % 24), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

platform::WindowHandle platform::create_dialog(const std::string& caption, int, int) {
    state.dialogs.push_back({caption, {}});
    return state.dialogs.size();
}

void platform::add_control(WindowHandle window, const ControlLayout& layout) {
    state.dialog(window).controls[layout.id] = {layout.handler, layout.text, {}, -1, {}};
}

// No test reads a control's spoken name: it is the windows backends' to map.
void platform::set_control_name(WindowHandle, int, const std::string&) {}

void platform::set_control_text(WindowHandle window, int id, const std::string& text) {
    state.control(window, id).text = text;
}

void platform::set_caption(WindowHandle window, const std::string& caption) {
    state.dialog(window).caption = caption;
}

void platform::add_list_line(WindowHandle window, int id, const std::string& line,
                             const std::string& spoken) {
    auto& list = state.control(window, id);
    list.lines.push_back(line);
    list.spoken.push_back(spoken.empty() ? line : spoken);
}

void platform::clear_list(WindowHandle window, int id) {
    auto& list = state.control(window, id);
    list = {list.handler, list.text, {}, -1, {}};
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

void platform::end_dialog(WindowHandle) {
    note("end");
}

void fake::State::click(WindowHandle window, int id) {
    if (const auto handler = control(window, id).handler) {
        handling = true;
        handler(window, platform::kWmCommand, platform::click_wparam(id), 0);
        handling = false;
        platform::end_send();
    }
}

// During a click handler Escape is user input during a send; otherwise it
// clicks the control the keyboard rules name, if any.
void fake::State::press_escape(WindowHandle window) {
    if (handling) {
        if (platform::during_send(platform::SendEvent::escape, false) ==
            platform::DuringSend::stop) {
            platform::stop_send();
        }
    } else if (const int id =
                   platform::escape_target(dialog(window).controls.contains(platform::kCancelId))) {
        click(window, id);
    }
}

// A close request stops a send under way, as on every platform, and ends the dialog.
void fake::State::request_close(WindowHandle window) {
    platform::stop_send();
    platform::end_dialog(window);
}

}  // namespace korvane
