// What Wine shows of the Windows backend and the fake platform cannot: dialogs
// from an in-memory template, the dialog manager's keyboard, file sharing and
// drive roots.

#include <windows.h>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/dialog.h"
#include "platform/directory.h"
#include "platform/files.h"
#include "platform/sleep.h"
#include "platform/win32/drive_root.h"
#include "tests/support/temp_dir.h"

namespace korvane {

using enum platform::ControlKind;
using platform::ControlLayout;

std::vector<int> clicks;

// Notes a click and ends the dialog, as the program's Quit button does.
int on_click(platform::WindowHandle window, UINT message, WPARAM wparam, std::intptr_t) {
    clicks.push_back(message == WM_COMMAND ? static_cast<int>(wparam) : -1);
    platform::end_dialog(window, 1);
    return 1;
}

// Sends a minute's pause and notes its click only if the send ended within a
// second, as the close request that comes meanwhile must make it.
int send_a_minute(platform::WindowHandle, UINT, WPARAM wparam, std::intptr_t) {
    const DWORD start = GetTickCount();
    platform::sleep_ms(60000);
    clicks.push_back(GetTickCount() - start < 1000 ? static_cast<int>(wparam) : -1);
    return 1;
}

const ControlLayout list{502, list_box, "", 5, 5, 100, 80, platform::kTabStop, nullptr};
const ControlLayout go{1, push_button, "&Go", 10, 100, 40, 14, platform::kTabStop, on_click};
const ControlLayout quit{2, push_button, "&Quit", 60, 100, 40, 14, platform::kTabStop, on_click};
const ControlLayout send{1,  push_button,        "&Send",      10, 100, 40,
                         14, platform::kTabStop, send_a_minute};
const ControlLayout zed{9, push_button, "&Zed", 160, 100, 40, 14, platform::kTabStop, on_click};

// The list, first, has the focus; the key is posted to its queue, where the
// dialog's modal loop meets it as it meets a typed one. After it come Alt+Z,
// which clicks Zed if the dialog still runs, and a close request, which stops
// a send under way. The dialog and Zed are placed in dialog units of the
// template's font.
TEST(Win32Test, KeysFollowTheDialogManagerAndGeometryIsInDialogUnits) {
    const std::tuple<std::vector<ControlLayout>, WPARAM, int> cases[] = {
        {{list, go, quit, zed}, VK_RETURN, 1},   {{list, quit, zed}, VK_RETURN, 9},
        {{list, go, quit, zed}, VK_ESCAPE, 2},   {{list, go, zed}, VK_ESCAPE, 9},
        {{list, send, quit, zed}, VK_RETURN, 1},
    };
    for (const auto& [controls, key, clicked] : cases) {
        const auto window = platform::create_dialog("Test", 300, 150);
        for (const auto& control : controls) {
            platform::add_control(window, control);
        }
        const HWND dialog = reinterpret_cast<HWND>(window), focused = GetDlgItem(dialog, 502);
        RECT units[] = {{0, 0, 300, 150}, {160, 100, 200, 114}}, placed[2]{};
        GetClientRect(dialog, &placed[0]);
        GetWindowRect(GetDlgItem(dialog, 9), &placed[1]);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed[1]), 2);
        MapDialogRect(dialog, &units[0]);
        MapDialogRect(dialog, &units[1]);
        EXPECT_TRUE(EqualRect(&placed[0], &units[0]) && EqualRect(&placed[1], &units[1]));
        clicks.clear();
        PostMessageA(focused, WM_KEYDOWN, key, 1);
        PostMessageA(focused, WM_SYSCHAR, 'z', 1 << 29);
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        platform::run_modal(window);
        EXPECT_EQ(clicks, std::vector<int>{clicked}) << key;
    }
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
