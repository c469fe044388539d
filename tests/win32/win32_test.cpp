// What Wine shows of the Windows backend beyond the dialog contract
// (tests/dialog) and the fake platform: what a screen reader hears of the
// dialogs, file sharing and drive roots.

#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/directory.h"
#include "platform/files.h"
#include "platform/keyboard_rules.h"
#include "platform/win32/drive_root.h"
#include "tests/dialog/dialog_contract.h"
#include "tests/support/temp_dir.h"

namespace korvane {

// The key's message as the dialog's loop meets it: Enter, Escape and the list's
// moves as key presses, letters as the characters they type, with Alt as
// system characters.
MSG message_for(HWND focused, const std::string& key) {
    static const std::map<std::string, WPARAM> presses{{"Return", VK_RETURN},
                                                       {"Esc", VK_ESCAPE},
                                                       {"Home", VK_HOME},
                                                       {"Down", VK_DOWN},
                                                       {"Num+Enter", VK_RETURN}};
    if (const auto press = presses.find(key); press != presses.end()) {
        const LPARAM keypad = key.starts_with("Num+") ? KF_EXTENDED << 16 : 0;
        return {focused, WM_KEYDOWN, press->second, 1 | keypad, 0, {}};
    }
    const WPARAM letter = static_cast<unsigned char>(key.back()), lower = letter - 'A' + 'a';
    if (key.starts_with("Alt+")) {
        return {focused, WM_SYSCHAR, lower, KF_ALTDOWN << 16, 0, {}};
    }
    const WPARAM typed = key.starts_with("Ctrl+")    ? letter - '@'
                         : key.starts_with("Shift+") ? letter
                                                     : lower;
    return {focused, WM_CHAR, typed, 1, 0, {}};
}

// The keys are posted to the first tab stop, which the modal run focuses, and
// met by its loop as it meets typed ones.
void testing::type_then_close(platform::WindowHandle window, const std::vector<const char*>& keys) {
    const HWND dialog = reinterpret_cast<HWND>(window);
    const HWND focused = GetNextDlgTabItem(dialog, nullptr, FALSE);
    for (const char* key : keys) {
        const MSG message = message_for(focused, key);
        PostMessageA(message.hwnd, message.message, message.wParam, message.lParam);
    }
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// What a screen reader is told through MSAA, in order, and where each click
// handler returned.
std::vector<std::string> heard;

std::string name_of(HWND window, LONG object, LONG child) {
    IAccessible* accessible = nullptr;
    VARIANT which{};
    BSTR name = nullptr;
    if (FAILED(AccessibleObjectFromEvent(window, object, child, &accessible, &which))) {
        return "?";
    }
    accessible->get_accName(which, &name);
    accessible->Release();
    std::string text;
    for (const OLECHAR* ch = name; ch && *ch; ++ch) {
        text.push_back(static_cast<char>(*ch));
    }
    SysFreeString(name);
    return text;
}

void CALLBACK note_event(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                         DWORD) {
    if (event == EVENT_OBJECT_LIVEREGIONCHANGED) {
        heard.push_back("told: " + name_of(window, object, child));
    } else if (event == EVENT_OBJECT_NAMECHANGE && object == OBJID_WINDOW) {
        std::string caption(64, '\0');
        caption.resize(static_cast<std::size_t>(GetWindowTextA(window, caption.data(), 64)));
        heard.push_back("caption: " + caption);
    } else if (event == EVENT_OBJECT_FOCUS && child > 0) {
        const bool selected = SendMessageA(window, LB_GETCURSEL, 0, 0) != LB_ERR;
        heard.push_back("focus on line " + std::to_string(child) + (selected ? ", selected" : ""));
    }
}

int set_two_texts(platform::WindowHandle window, std::uint32_t, std::uintptr_t, std::intptr_t) {
    platform::set_control_text(window, testing::kBoxId, "11 wpm");
    platform::set_control_text(window, testing::kBoxId, "AB  C\r\nD");
    heard.push_back("handler returned");
    return 1;
}

int refill_list(platform::WindowHandle window, std::uint32_t, std::uintptr_t, std::intptr_t) {
    platform::clear_list(window, testing::kListId);
    platform::set_caption(window, "Folder");
    platform::add_list_line(window, testing::kListId, "d", "d, folder");
    platform::add_list_line(window, testing::kListId, "c");
    heard.push_back("handler returned");
    return 1;
}

// What a click handler changes is told after its send, never while it sounds;
// a text set outside a click is not told. A refilled list with the focus has
// it on its first line, unselected, after the new caption.
TEST(Win32Test, AScreenReaderIsToldWhatAClickChangedOnceItsSendHasEnded) {
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_LIVEREGIONCHANGED,
                                               GetModuleHandleA(nullptr), note_event,
                                               GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
    const struct {
        const char* name;
        std::vector<platform::ControlLayout> controls;
        std::vector<std::string> told;
    } rows[] = {
        {"texts",
         {testing::box,
          {platform::kConfirmId, platform::ControlKind::push_button, "&Go", 10, 100, 40, 14,
           platform::kTabStop, set_two_texts}},
         {"handler returned", "told: 11 wpm. AB C D"}},
        {"a refilled list",
         {testing::list,
          {platform::kConfirmId, platform::ControlKind::push_button, "&Go", 10, 100, 40, 14,
           platform::kTabStop, refill_list}},
         {"handler returned", "caption: Folder", "focus on line 1"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto window = testing::make_dialog(row.controls);
        platform::set_control_text(window, testing::kBoxId, "10 wpm");
        platform::add_list_line(window, testing::kListId, "b");
        heard.clear();
        testing::type_then_close(window, {"Return"});
        platform::run_modal(window);
        EXPECT_EQ(heard, row.told);
    }
    UnhookWinEvent(hook);
}

// The settings file is opened read-write and shared with nobody; a practice
// file is opened read-only, next to other readers, and never created. A
// directory on drive C: gives its root; a network path starts at its share.
TEST(Win32Test, OnlyReadOnlyOpensShareTheFileAndTheWalkStartsAtTheDriveRoot) {
    const testing::TempDir dir("win32");
    const std::string path = dir / "KORVANE.INI";
    EXPECT_EQ(platform::open_file(path, platform::FileAccess::read_only), platform::kNoFile);
    const auto settings = platform::open_file(path, platform::FileAccess::read_write_create);
    EXPECT_EQ(platform::open_file(path, platform::FileAccess::read_only), platform::kNoFile);
    platform::close_file(settings);
    const auto practice = platform::open_file(path, platform::FileAccess::read_only);
    const auto reader = platform::open_file(path, platform::FileAccess::read_only);
    EXPECT_NE(reader, platform::kNoFile);
    platform::close_file(reader);
    platform::close_file(practice);
    SetCurrentDirectoryA("C:\\windows\\system32");
    EXPECT_EQ(platform::working_drive_root(), "C:\\");
    EXPECT_EQ(platform::win32::drive_root_of("\\\\server\\share"), "\\\\server\\share\\");
}

}  // namespace korvane
