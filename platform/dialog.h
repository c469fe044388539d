#pragma once
// Windows and controls: modal dialogs built at run time, one on screen at a time.

#include <cstdint>
#include <string>

namespace korvane::platform {

// Names a dialog; kNoWindow names none.
using WindowHandle = std::uintptr_t;
inline constexpr WindowHandle kNoWindow = 0;

// The command message a push button sends when it is clicked, with the
// control id in the low 16 bits of wparam and the notification in the high.
inline constexpr std::uint32_t kWmCommand = 0x111;
inline constexpr std::uint32_t kBnClicked = 0;

// A click handler gets the four values of a window message and returns 1 when handled.
using CommandHandler = int (*)(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                               std::intptr_t lparam);

// True when a message is a click: a command message with the button-clicked notification.
inline bool is_button_click(std::uint32_t message, std::uintptr_t wparam) {
    return message == kWmCommand && ((wparam >> 16) & 0xFFFFu) == kBnClicked;
}

// The command message's first parameter for a click on control `id`.
inline std::uintptr_t click_wparam(int id) {
    return (static_cast<std::uintptr_t>(kBnClicked) << 16) |
           (static_cast<std::uintptr_t>(id) & 0xFFFFu);
}

enum class ControlKind { push_button, label, edit, list_box };

// Style bits; each backend maps them onto its own window styles.
enum ControlStyle : unsigned {
    kTabStop = 1u << 0,
    kReadOnly = 1u << 1,
    kMultiLine = 1u << 2,
    kCentered = 1u << 3,
    kStaticEdge = 1u << 4,  // thin sunken edge around a text box
    kClientEdge = 1u << 5,  // deeper sunken edge around a list box
    kSorted = 1u << 6,      // list lines kept in case-insensitive order
    kVerticalScroll = 1u << 7,
    kNotify = 1u << 8,
};

// One child control; position and size are in dialog units of the dialog font.
struct ControlLayout {
    int id;
    ControlKind kind;
    const char* text;
    int x;
    int y;
    int width;
    int height;
    unsigned style;
    CommandHandler handler;  // nullptr for controls without one
};

// Creates a hidden dialog centred on the screen, its size in dialog units of
// 8-point "MS Sans Serif" (or the nearest font the platform has).
WindowHandle create_dialog(const std::string& caption, int width, int height);

// Adds a control; controls are created, and tabbed through, in the order of
// these calls. A screen reader names a text box by the last label added before it.
void add_control(WindowHandle window, const ControlLayout& control);

// The name a screen reader gives control `id` where no label before it names it.
void set_control_name(WindowHandle window, int id, const std::string& name);

// A text or a caption that a click handler sets is also spoken by a screen
// reader, once the handler's send has been heard, without moving the focus.
void set_control_text(WindowHandle window, int id, const std::string& text);
void set_caption(WindowHandle window, const std::string& caption);

// Adds a line that a screen reader speaks as `spoken`, or as it reads when that is empty.
void add_list_line(WindowHandle window, int id, const std::string& line,
                   const std::string& spoken = {});
// Empties a list; one that a click handler refills has the focus on its first
// line once the send has been heard, and a screen reader speaks that line.
void clear_list(WindowHandle window, int id);
// The text of the selected line of a list box, or "" when none is selected.
std::string selected_list_line(WindowHandle window, int id);

// Shows the dialog modally and returns when it has ended; its handle then names
// nothing. Enter clicks the focused push button, else control 1 if there is one;
// Escape clicks control 2 if there is one; a close request ends the dialog, and
// stops a click handler's send under way as Escape does. An ended dialog stays
// on screen, inert, until the next one is shown or the process ends, so that an
// Escape during the farewell at exit still reaches the program.
void run_modal(WindowHandle window);

// Ends a dialog that is running modally; run_modal returns once the handler has returned.
void end_dialog(WindowHandle window);

// True once the desktop has asked the program to end at once (a signal to
// end, the end of the session): the dialog on screen has ended and any send
// has stopped. The program saves what it must and ends; no sound is owed.
bool session_ending();

}  // namespace korvane::platform
