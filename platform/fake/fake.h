#pragma once
// The fake platform: a virtual clock, a recorder of sounds, pauses and every
// other platform call, and dialogs that a test's script plays the user in.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialog.h"

namespace korvane::fake {

using platform::WindowHandle;

struct SoundEvent {
    const std::uint8_t* image;  // play: the image handed over; pause: nullptr
    std::int32_t ms;            // pause: the requested milliseconds
};

struct Control {
    platform::CommandHandler handler;
    std::string text;
    std::vector<std::string> lines;  // list boxes, in the order they were added
    int selected = -1;               // list boxes: the selected line, -1 for none
};

struct Dialog {
    std::string caption;
    std::map<int, Control> controls;  // by id
};

// What the services record and what the tests set; `state = {}` starts it afresh. The
// journal has one line per call ("priority", "help korvane.htm", "modal Korvane",
// "end 1", "play 5328", "sleep 120"), and on_call sees each line before the call goes
// on. Each modal dialog takes the next script, which plays the user and ends the dialog.
// dialog() and control() throw std::out_of_range for a dialog or a control that is not
// there. The user actions are handled at once, as the real platforms handle them.
// Escape during a send stops it: nothing more of that send is recorded.
struct State {
    std::vector<SoundEvent> sound_events;  // plays and pauses, in order
    std::vector<std::string> journal;
    std::function<void(const std::string& line)> on_call = [](const std::string&) {};
    platform::TimeOfDay start_of_day{12, 0, 0, 0};  // each play and pause advances the clock
    std::int64_t ticks = 0;                         // 1/441,000 s: a sample is 10, a ms 441
    std::deque<Dialog> dialogs;                     // handle n names dialogs[n - 1]
    std::deque<std::function<void(WindowHandle window)>> scripts;
    bool sending = false;  // a play or pause came since the last click's handler returned
    bool stopped = false;  // an Escape stopped that send
    int unheard = 0;       // plays and pauses asked for after the stop: a loop that runs on
    bool session_ending = false;

    Dialog& dialog(WindowHandle window) { return dialogs.at(window - 1); }
    Control& control(WindowHandle window, int id) { return dialog(window).controls.at(id); }

    void click(WindowHandle window, int id);
    void press_escape(WindowHandle window);
    void request_close(WindowHandle window) { platform::end_dialog(window, 0); }
    // The desktop ends the program: the dialog ends as a closed one does.
    void end_session(WindowHandle window) {
        session_ending = true;
        request_close(window);
    }
};
inline State state;

}  // namespace korvane::fake
