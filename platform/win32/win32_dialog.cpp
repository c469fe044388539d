// Modal dialogs built at run time from an in-memory template, with child
// controls added one by one and a message loop of their own.

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend/sending.h"
#include "platform/dialog.h"
#include "platform/sound.h"
#include "platform/win32/win32_speech.h"

namespace korvane {
namespace {

using platform::WindowHandle;

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | DS_NOFAILCREATE | DS_CENTER;
constexpr WORD kFontPoints = 8;
constexpr const wchar_t* kFontName = L"MS Sans Serif";

// What a dialog on screen needs: the handlers of its controls by id, whether
// it has been ended, and the last label added, which names the text boxes
// after it. Controls without a handler are kept as nullptr.
struct DialogState {
    std::map<int, platform::CommandHandler> handlers;
    bool ended = false;
    std::string label;
};

std::map<HWND, DialogState>& dialogs() {
    static std::map<HWND, DialogState> instance;
    return instance;
}

// The state of a dialog that create_dialog made and run_modal has not yet destroyed.
DialogState* state_of(HWND dialog) {
    const auto found = dialogs().find(dialog);
    return found == dialogs().end() ? nullptr : &found->second;
}

HWND hwnd_of(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

HWND control_of(WindowHandle window, int id) {
    return GetDlgItem(hwnd_of(window), id);
}

// A DLGTEMPLATE without controls, word by word: style, extended style, no
// controls, position 0,0 (DS_CENTER places it), size; then no menu, the
// standard dialog class, an empty title (the caption is set afterwards as
// ANSI text) and the font. Words keep the block aligned as the call needs.
std::vector<WORD> dialog_template(int width, int height) {
    std::vector<WORD> words{
        LOWORD(kDialogStyle),     HIWORD(kDialogStyle),      0, 0, 0, 0,          0,
        static_cast<WORD>(width), static_cast<WORD>(height), 0, 0, 0, kFontPoints};
    for (const wchar_t* ch = kFontName; *ch; ++ch) {
        words.push_back(static_cast<WORD>(*ch));
    }
    words.push_back(0);
    return words;
}

// Keyboard and mouse input, in the client area and on the frame.
bool is_input(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// Sorts a message taken during a send into the kinds of the rule for input
// during a send.
platform::SendEvent sorted(const MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        return platform::SendEvent::escape;
    }
    if (is_input(message.message)) {
        return platform::SendEvent::input;
    }
    return message.message == WM_PAINT ? platform::SendEvent::paint : platform::SendEvent::desktop;
}

// Whether the desktop has asked the program to end.
bool ending = false;
// Whether the end of a send is waiting for its last element to be heard.
bool send_ending = false;

// The input taken from the queue during a send, in order.
std::vector<MSG>& held_input() {
    static std::vector<MSG> instance;
    return instance;
}

// A click handler has returned, and with it any send it made: plays and pauses
// sound again, what the handler changed is told to a screen reader, and the
// input held back meanwhile goes back to the queue in order, where posted
// messages come before anything typed since.
void finish_send() {
    send_ending = true;
    platform::end_send();
    send_ending = false;
    win32::release_speech();
    for (const MSG& message : std::exchange(held_input(), {})) {
        PostMessageA(message.hwnd, message.message, message.wParam, message.lParam);
    }
}

// Enter and Escape reach the dialog as commands for ids 1 and 2 whether or
// not such controls exist; only commands for existing controls are routed.
INT_PTR on_command(HWND dialog, WPARAM wparam, LPARAM lparam) {
    DialogState* state = state_of(dialog);
    if (!state) {
        return FALSE;
    }
    const auto handler = state->handlers.find(LOWORD(wparam));
    if (handler != state->handlers.end() && handler->second) {
        win32::hold_speech();
        handler->second(reinterpret_cast<WindowHandle>(dialog), WM_COMMAND, wparam, lparam);
        finish_send();
    }
    return TRUE;
}

// A close request (WM_CLOSE, or SC_CLOSE from Alt+F4 or the desktop) during a
// send stops the send, as Escape does (outside a send a stop does nothing);
// the dialog then ends as when idle.
INT_PTR on_close(HWND dialog) {
    platform::stop_send();
    platform::end_dialog(reinterpret_cast<WindowHandle>(dialog));
    return TRUE;
}

// The session is ending: the program may end, and does so at once, before the
// desktop goes on, since after WM_ENDSESSION it may be ended at any moment.
// Any send under way stops: nothing is to be heard any more. A logoff that another program then
// cancels still ends it.
INT_PTR on_session_end(HWND dialog) {
    ending = true;
    platform::stop_send();
    platform::end_dialog(reinterpret_cast<WindowHandle>(dialog));
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

INT_PTR CALLBACK dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            return on_command(dialog, wparam, lparam);
        case WM_CLOSE:
            return on_close(dialog);
        case WM_SYSCOMMAND:
            return (wparam & 0xFFF0) == SC_CLOSE && on_close(dialog);
        case WM_QUERYENDSESSION:
            return on_session_end(dialog);
        case WM_ENDSESSION:
            return wparam && on_session_end(dialog);
        default:
            return FALSE;
    }
}

const char* class_of(platform::ControlKind kind) {
    switch (kind) {
        case platform::ControlKind::push_button:
            return "BUTTON";
        case platform::ControlKind::label:
            return "STATIC";
        case platform::ControlKind::edit:
            return "EDIT";
        case platform::ControlKind::list_box:
            return "LISTBOX";
    }
    return "STATIC";
}

DWORD kind_style(platform::ControlKind kind) {
    switch (kind) {
        case platform::ControlKind::push_button:
            return BS_PUSHBUTTON;
        case platform::ControlKind::label:
            return SS_LEFT;
        case platform::ControlKind::edit:
            return ES_LEFT;
        case platform::ControlKind::list_box:
            return 0;
    }
    return 0;
}

DWORD window_style(const platform::ControlLayout& layout) {
    DWORD style = WS_CHILD | WS_VISIBLE | kind_style(layout.kind);
    const std::pair<unsigned, DWORD> flags[] = {
        {platform::kTabStop, WS_TABSTOP},     {platform::kReadOnly, ES_READONLY},
        {platform::kMultiLine, ES_MULTILINE}, {platform::kCentered, ES_CENTER},
        {platform::kSorted, LBS_SORT},        {platform::kVerticalScroll, WS_VSCROLL},
        {platform::kNotify, LBS_NOTIFY},
    };
    for (const auto& [flag, bits] : flags) {
        if (layout.style & flag) {
            style |= bits;
        }
    }
    return style;
}

DWORD extended_style(unsigned style) {
    return (style & platform::kStaticEdge ? WS_EX_STATICEDGE : 0) |
           (style & platform::kClientEdge ? WS_EX_CLIENTEDGE : 0);
}

// A text box is named by the last label added before it, as the dialog's
// contract says, whatever the controls between them: oleacc would look back
// only to the nearest tab stop.
void name_by_label(DialogState& state, const platform::ControlLayout& layout, HWND control) {
    if (layout.kind == platform::ControlKind::label) {
        std::string& label = state.label = layout.text ? layout.text : "";
        std::erase(label, '&');
    } else if (layout.kind == platform::ControlKind::edit && !state.label.empty()) {
        win32::name_control(control, state.label);
    }
}

// Gives the focus to the first tab stop, as a dialog does when it starts.
void focus_first_tab_stop(HWND dialog) {
    if (const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE)) {
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
}

}  // namespace

WindowHandle platform::create_dialog(const std::string& caption, int width, int height) {
    const auto words = dialog_template(width, height);
    const HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                                   reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                                   nullptr, dialog_procedure, 0);
    if (!dialog) {
        return kNoWindow;
    }
    dialogs()[dialog] = DialogState{};
    SetWindowTextA(dialog, caption.c_str());
    return reinterpret_cast<WindowHandle>(dialog);
}

void platform::add_control(WindowHandle window, const ControlLayout& layout) {
    const HWND dialog = hwnd_of(window);
    DialogState* state = state_of(dialog);
    if (!state) {
        return;
    }
    RECT area{layout.x, layout.y, layout.x + layout.width, layout.y + layout.height};
    MapDialogRect(dialog, &area);
    const HWND control = CreateWindowExA(
        extended_style(layout.style), class_of(layout.kind), layout.text ? layout.text : "",
        window_style(layout), area.left, area.top, area.right - area.left, area.bottom - area.top,
        dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), GetModuleHandleA(nullptr),
        nullptr);
    SendMessageA(control, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
    state->handlers[layout.id] = layout.handler;
    name_by_label(*state, layout, control);
}

void platform::set_control_name(WindowHandle window, int id, const std::string& name) {
    win32::name_control(control_of(window, id), name);
}

void platform::set_control_text(WindowHandle window, int id, const std::string& text) {
    SetWindowTextA(control_of(window, id), text.c_str());
    win32::speak_after_send(control_of(window, id), text);
}

void platform::set_caption(WindowHandle window, const std::string& caption) {
    SetWindowTextA(hwnd_of(window), caption.c_str());
    win32::caption_after_send(hwnd_of(window));
}

void platform::add_list_line(WindowHandle window, int id, const std::string& line,
                             const std::string& spoken) {
    const HWND list = control_of(window, id);
    const LRESULT index =
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    if (!spoken.empty()) {
        win32::speak_line_as(list, index, spoken);
    }
}

void platform::clear_list(WindowHandle window, int id) {
    const HWND list = control_of(window, id);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    win32::forget_lines(list);
    win32::refocus_after_send(list);
}

std::string platform::selected_list_line(WindowHandle window, int id) {
    const HWND list = control_of(window, id);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    const LRESULT length = index == LB_ERR ? LB_ERR : SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::string line(static_cast<std::size_t>(length) + 1, '\0');
    line.resize(static_cast<std::size_t>(
        SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line.data()))));
    return line;
}

// IsDialogMessageA gives the dialog its keyboard: Tab, access keys, Enter and
// Escape. A dialog that could not be created (no display) ends at once. An
// ended dialog stays on screen, inert, until the next one is shown: the
// farewell at exit sounds while it is there, so an Escape still reaches the
// program and cuts it short. Windows destroys the last one with the process.
void platform::run_modal(WindowHandle window) {
    static HWND last_ended = nullptr;
    const HWND dialog = hwnd_of(window);
    const DialogState* state = state_of(dialog);
    if (!state) {
        return;
    }
    ShowWindow(dialog, SW_SHOW);
    if (last_ended) {
        DestroyWindow(last_ended);
    }
    focus_first_tab_stop(dialog);
    MSG message{};
    while (!state->ended && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    dialogs().erase(dialog);
    win32::forget_dialog(dialog);
    last_ended = dialog;
}

// The posted message wakes the loop when the end came from a message that was
// sent, not posted.
void platform::end_dialog(WindowHandle window) {
    if (DialogState* state = state_of(hwnd_of(window))) {
        state->ended = true;
        PostMessageA(hwnd_of(window), WM_NULL, 0, 0);
    }
}

bool platform::session_ending() {
    return ending;
}

// Messages go as the rule for input during a send says; what is held waits
// for the send's end (see finish_send). Painting that is held is left in the
// queue, since Windows makes it again until the window has been painted.
void platform::keep_windows_alive() {
    const bool paint = during_send(SendEvent::paint, send_ending) == DuringSend::pass;
    const UINT kinds =
        PM_QS_INPUT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE | (paint ? PM_QS_PAINT : 0);
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | kinds)) {
        switch (during_send(sorted(message), send_ending)) {
            case DuringSend::pass:
                DispatchMessageA(&message);
                break;
            case DuringSend::stop:
                stop_send();
                break;
            case DuringSend::refuse:
            case DuringSend::hold:
                held_input().push_back(message);
                break;
        }
    }
}

}  // namespace korvane
