#pragma once
// The fake platform: a virtual clock, a recorder of sounds, pauses and every
// other platform call, and dialogs that a test's script plays the user in.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/keyboard_rules.h"

namespace korvane::fake {

struct SoundEvent {
    enum class Kind { play, pause };
    Kind kind;
    const std::uint8_t* image;  // play: the image handed over
    std::uint32_t samples;      // play: its sample count when it was played
    std::int32_t ms;            // pause: the requested milliseconds
};

struct Control {
    platform::ControlLayout layout;
    std::string text;
    std::vector<std::string> lines;  // list boxes, in the order they were added
    int selected = -1;               // list boxes: the selected line, -1 for none
};

struct Dialog {
    std::string caption;
    std::vector<Control> controls;  // in creation order
    int result = -1;                // -1 while the dialog has not ended
};

// What the services record and what the tests set; reset() starts it afresh.
struct State {
    std::vector<SoundEvent> sound_events;  // plays and pauses, in order
    // One line per call: "priority", "help korvane.htm", "modal Korvane", "end 1",
    // "play 5328", "sleep 120"; on_call sees each line before the call goes on.
    std::vector<std::string> journal;
    std::function<void(const std::string& line)> on_call = [](const std::string&) {};
    platform::TimeOfDay start_of_day{12, 0, 0, 0};  // each play and pause advances the clock
    std::int64_t ticks = 0;                         // 1/441,000 s: a sample is 10, a ms 441
    std::deque<Dialog> dialogs;                     // handle n names dialogs[n - 1]
    // The user in each next modal dialog, in turn; a script ends its dialog.
    std::deque<std::function<void(platform::WindowHandle window)>> scripts;
    bool sending = false;      // a play or pause came since the last end_send
    bool escape_held = false;  // an Escape given during the send, not yet met by a wait
    bool stopped = false;      // the send was stopped
};
inline State state;

const std::vector<SoundEvent>& sound_events();
void reset();

Dialog& dialog(platform::WindowHandle window);
Control& control(platform::WindowHandle window, int id);

// User actions, each handled at once as the real platforms handle them. Enter is
// pressed with the focus on control `focused_id`, on no push button by default.
// Escape during a send waits for the next play or pause, and stops the send there.
void click(platform::WindowHandle window, int id);
void press_enter(platform::WindowHandle window, int focused_id = platform::kNoControl);
void press_escape(platform::WindowHandle window);
void request_close(platform::WindowHandle window);

}  // namespace korvane::fake
