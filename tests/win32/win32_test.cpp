// What Wine shows of the Windows backend and the fake platform cannot: dialogs
// from an in-memory template, the dialog manager's keyboard, file sharing and
// drive roots. Keys are posted to the dialog's queue, where its modal loop meets
// them as it meets typed ones.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "platform/dialog.h"
#include "platform/directory.h"
#include "platform/files.h"
#include "platform/win32/drive_root.h"
#include "tests/support/temp_dir.h"

namespace korvane {
namespace {

using enum platform::ControlKind;
using platform::ControlLayout;
using platform::FileAccess;

std::vector<int> clicks;

// Notes a click and ends the dialog, as the program's Quit button does.
int on_click(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
             std::intptr_t) {
    clicks.push_back(message == WM_COMMAND ? static_cast<int>(wparam) : -1);
    platform::end_dialog(window, 1);
    return 1;
}

const ControlLayout go{1, push_button, "&Go", 10, 100, 40, 14, platform::kTabStop, on_click};
const ControlLayout quit{2, push_button, "&Quit", 60, 100, 40, 14, platform::kTabStop, on_click};
const ControlLayout zed{9, push_button, "&Zed", 160, 100, 40, 14, platform::kTabStop, on_click};
const ControlLayout list{502, list_box, "", 5, 5, 100, 80, platform::kTabStop, nullptr};

HWND make_dialog(const std::vector<ControlLayout>& controls) {
    clicks.clear();
    const auto window = platform::create_dialog("Test", 300, 150);
    for (const auto& control : controls) {
        platform::add_control(window, control);
    }
    return reinterpret_cast<HWND>(window);
}

// The first control has the focus. After the key come Alt+Z, which clicks Zed
// if the dialog still runs, and a close request, which ends it without a click.
TEST(Win32Test, KeysFollowTheDialogManagerAndOnlyTheirControlsAnswer) {
    constexpr LPARAM kAlt = 1 << 29;
    const std::tuple<std::vector<ControlLayout>, UINT, WPARAM, LPARAM, std::vector<int>> cases[] = {
        {{list, go, quit, zed}, WM_KEYDOWN, VK_RETURN, 1, {1}},
        {{list, quit, zed}, WM_KEYDOWN, VK_RETURN, 1, {9}},
        {{list, go, quit, zed}, WM_KEYDOWN, VK_ESCAPE, 1, {2}},
        {{list, go, zed}, WM_KEYDOWN, VK_ESCAPE, 1, {9}},
        {{list, go, quit, zed}, WM_SYSCOMMAND, SC_CLOSE, 0, {}},
    };
    for (const auto& [controls, message, key, flags, clicked] : cases) {
        const HWND dialog = make_dialog(controls);
        const HWND focused = GetDlgItem(dialog, controls.front().id);
        PostMessageA(message == WM_SYSCOMMAND ? dialog : focused, message, key, flags);
        PostMessageA(focused, WM_SYSCHAR, 'z', kAlt);
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        platform::run_modal(reinterpret_cast<platform::WindowHandle>(dialog));
        EXPECT_EQ(clicks, clicked) << message << " " << key;
    }
}

// The client area and a control, each against its dialog units mapped by the template's font.
TEST(Win32Test, GeometryIsInDialogUnitsOfTheTemplateFont) {
    const HWND dialog = make_dialog({go});
    RECT expected[] = {{0, 0, 300, 150}, {10, 100, 50, 114}};
    RECT placed[2]{};
    GetClientRect(dialog, &placed[0]);
    GetWindowRect(GetDlgItem(dialog, 1), &placed[1]);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed[1]), 2);
    for (int i = 0; i < 2; ++i) {
        MapDialogRect(dialog, &expected[i]);
        EXPECT_TRUE(EqualRect(&placed[i], &expected[i])) << i;
    }
}

// The settings file is opened read-write and shared with nobody; a practice
// file is opened read-only, next to other readers, and never created.
TEST(Win32Test, OnlyReadOnlyOpensShareTheFile) {
    const testing::TempDir dir("win32");
    const std::string path = dir / "KORVANE.INI";
    EXPECT_EQ(platform::open_file(path, FileAccess::read_only), platform::kNoFile);
    EXPECT_FALSE(std::filesystem::exists(path));
    const auto settings = platform::open_file(path, FileAccess::read_write_create);
    EXPECT_EQ(platform::open_file(path, FileAccess::read_write_create), platform::kNoFile);
    EXPECT_EQ(platform::open_file(path, FileAccess::read_only), platform::kNoFile);
    platform::close_file(settings);
    const auto practice = platform::open_file(path, FileAccess::read_only);
    const auto reader = platform::open_file(path, FileAccess::read_only);
    EXPECT_NE(reader, platform::kNoFile);
    EXPECT_EQ(platform::open_file(path, FileAccess::read_write_create), platform::kNoFile);
    platform::close_file(reader);
    platform::close_file(practice);
}

// A directory on drive C: gives its root; a network path starts at its share.
TEST(Win32Test, TheWalkStartsAtTheRootOfTheWorkingDrive) {
    std::filesystem::current_path("C:\\windows\\system32");
    EXPECT_EQ(platform::working_drive_root(), "C:\\");
    EXPECT_EQ(platform::win32::drive_root_of("\\\\server\\share"), "\\\\server\\share\\");
}

}  // namespace
}  // namespace korvane
