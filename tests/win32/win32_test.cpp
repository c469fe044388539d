// What Wine shows of the Windows backend beyond the dialog contract
// (tests/dialog) and the fake platform: dialogs placed in dialog units of their
// template's font, file sharing and drive roots.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/directory.h"
#include "platform/files.h"
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

// A control is placed in dialog units of the dialog's font, as its template
// gives the dialog's own size.
TEST(Win32Test, ControlsArePlacedInDialogUnits) {
    const auto window = testing::make_dialog({testing::other});
    const HWND dialog = reinterpret_cast<HWND>(window);
    RECT units{110, 100, 150, 114}, placed{};
    MapDialogRect(dialog, &units);
    GetWindowRect(GetDlgItem(dialog, testing::other.id), &placed);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed), 2);
    const auto corners = [](const RECT& r) { return std::array{r.left, r.top, r.right, r.bottom}; };
    EXPECT_EQ(corners(placed), corners(units));
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    platform::run_modal(window);
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
