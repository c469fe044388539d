#pragma once
// The fake platform: a virtual clock, a recorder of sounds and pauses, and
// scriptable dialogs. Tests steer the program through these functions.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/keyboard_rules.h"

namespace korvane::fake {

// --- Sound, sleep and the virtual clock ----------------------------------

struct SoundEvent {
    enum class Kind { play, pause };
    Kind kind;
    const std::uint8_t* image;  // play: the image handed over
    std::uint32_t samples;      // play: its sample count, read from its header
    std::int32_t ms;            // pause: the requested milliseconds
};

const std::vector<SoundEvent>& sound_events();
void clear_sound_events();

// Virtual time since the last reset, in units of 1/441,000 s: a sample is 10, a millisecond 441.
inline constexpr std::int64_t kTicksPerSample = 10;
inline constexpr std::int64_t kTicksPerMs = 441;
std::int64_t elapsed_ticks();

// The time of day at virtual time 0; the clock then advances with every play and pause.
void set_time_of_day(platform::TimeOfDay start);

// Called at the start of every play, before the clock advances.
void on_play(std::function<void(const SoundEvent&)> observer);

// --- Every platform call, in order -----------------------------------------

// One line per call: "priority", "help korvane.htm", "dialog Korvane", "modal",
// "end 1", "play 5328", "sleep 120".
const std::vector<std::string>& journal();

// --- Dialogs ---------------------------------------------------------------

struct Control {
    platform::ControlLayout layout;
    std::string text;
    std::vector<std::string> lines;  // list boxes, in display order
    int selected = -1;               // list boxes: selected line, -1 for none
};

struct Dialog {
    std::string caption;
    int width = 0;
    int height = 0;
    std::vector<Control> controls;  // in creation order
    int focused_id = platform::kNoControl;
    bool ended = false;
    int result = -1;
};

// What a test does while a dialog is on screen; it must end the dialog.
using DialogScript = std::function<void(platform::WindowHandle window)>;

// Queues the script for the next dialog shown modally; run_modal fails the
// test by throwing when no script is queued or a script leaves its dialog open.
void script_next_dialog(DialogScript script);

Dialog& dialog(platform::WindowHandle window);
Control& control(platform::WindowHandle window, int id);
const std::string& text_of(platform::WindowHandle window, int id);

// User actions, each handled at once as the real platforms handle them.
void click(platform::WindowHandle window, int id);
void focus(platform::WindowHandle window, int id);
void select_line(platform::WindowHandle window, int id, int index);
void press_enter(platform::WindowHandle window);
void press_escape(platform::WindowHandle window);
void request_close(platform::WindowHandle window);

// Forgets every dialog, event, journal line, script and observer, and sets the clock to 0.
void reset();

}  // namespace korvane::fake
