#pragma once
// The fake platform: a virtual clock, a sound device under the real sound
// stream that records what the stream gives it, a journal of every other
// platform call, and dialogs that a test's script plays the user in.

#include <chrono>
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

// A run of frames that the stream wrote to the device: a sound by its first
// frame, or silence (nullptr), consecutive silence joined.
struct Written {
    const std::uint8_t* frames;
    std::size_t count;
};

struct Control {
    platform::CommandHandler handler;
    std::string text;
    std::vector<std::string> lines;   // list boxes, in the order they were added
    int selected = -1;                // list boxes: the selected line, -1 for none
    std::vector<std::string> spoken;  // list boxes: what a screen reader says for each line
};

struct Dialog {
    std::string caption;
    std::map<int, Control> controls;  // by id
};

// The virtual clock. It never goes back: each fresh state starts an hour after
// the last, long after anything an earlier run left owed to the stream.
inline std::chrono::nanoseconds clock{};

// What the services record and what the tests set; `state = {}` starts it
// afresh. The journal has one line per call ("priority", "help korvane.htm",
// "modal Korvane", "end", and "play 5328" for each sound the stream writes),
// and on_call sees each line before the call goes on. Each modal dialog takes
// the next script, which plays the user and ends the dialog. dialog() and
// control() throw std::out_of_range for a dialog or a control that is not
// there. The user's actions are handled at once, as the real platforms handle
// them; a click's send ends, as on a real platform, when its handler returns.
// The device plays on the virtual clock, which moves only while the stream
// waits for it: a send takes no time until its end waits to hear it. The time
// of day is start_of_day when the state is made.
struct State {
    std::vector<Written> written;
    std::vector<std::string> journal;
    std::function<void(const std::string& line)> on_call = [](const std::string&) {};
    platform::TimeOfDay start_of_day{12, 0, 0, 0};
    std::chrono::nanoseconds day_from = clock += std::chrono::hours(1);
    std::deque<Dialog> dialogs;  // handle n names dialogs[n - 1]
    std::deque<std::function<void(WindowHandle window)>> scripts;
    bool handling = false;  // a click handler is running
    bool session_ending = false;

    Dialog& dialog(WindowHandle window) { return dialogs.at(window - 1); }
    Control& control(WindowHandle window, int id) { return dialog(window).controls.at(id); }

    void click(WindowHandle window, int id);
    void press_escape(WindowHandle window);
    void request_close(WindowHandle window);
    // The desktop ends the program: the dialog ends as a closed one does.
    void end_session(WindowHandle window) {
        session_ending = true;
        request_close(window);
    }
};
inline State state;

}  // namespace korvane::fake
