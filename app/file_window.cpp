#include "app/file_window.h"

#include <array>
#include <string_view>

#include "app/app_values.h"
#include "app/control_ids.h"
#include "app/window_frame.h"
#include "platform/dialog.h"
#include "platform/directory.h"
#include "practice/code_from_file.h"

namespace korvane {
namespace {

constexpr std::string_view kCaptionPrefix = "Code From File -- ";

constexpr unsigned kList = platform::kSorted | platform::kVerticalScroll | platform::kTabStop |
                           platform::kNotify | platform::kClientEdge;

std::string caption() {
    return std::string(kCaptionPrefix) + browse_dir;
}

// A screen reader tells folders from files, and says ".." as what it is.
std::string spoken_name(const std::string& name) {
    if (name == "..") {
        return "parent folder";
    }
    return platform::is_directory(browse_dir + name) ? name + ", folder" : "";
}

void fill_list(platform::WindowHandle window) {
    for (const auto& line : FileList) {
        platform::add_list_line(window, kFileListId, line, spoken_name(line));
    }
}

// Moves into picked_name and refreshes the list and the caption.
void enter_directory() {
    browse_dir += picked_name + platform::kPathSeparator;
    list_directory();
    platform::clear_list(current_window, kFileListId);
    platform::set_caption(current_window, caption());
    fill_list(current_window);
}

int on_go(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
          std::intptr_t) {
    return handle_click(message, wparam, [=] {
        picked_name = platform::selected_list_line(window, kFileListId);
        if (platform::is_directory(browse_dir + picked_name)) {
            enter_directory();
        } else {
            send_file();
        }
    });
}

int on_quit(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    return handle_click(message, wparam, [] { platform::end_dialog(current_window); });
}

constexpr std::array<platform::ControlLayout, 3> kControls{{
    {kFileListId, platform::ControlKind::list_box, "", 100, 25, 300, 175, kList, nullptr},
    {kGoId, platform::ControlKind::push_button, "&Go", 175, 225, 50, 20, kButtonStyle, on_go},
    {kQuitId, platform::ControlKind::push_button, "Q&uit", 275, 225, 50, 20, kButtonStyle, on_quit},
}};

}  // namespace

void show_file_window() {
    browse_dir = platform::working_drive_root();
    list_directory();
    current_window = platform::create_dialog(caption(), kWindowWidth, kWindowHeight);
    // The list is filled before the buttons are made, as in the Learn Code window.
    platform::add_control(current_window, kControls[0]);
    platform::set_control_name(current_window, kFileListId, "Folders and practice files");
    fill_list(current_window);
    platform::add_control(current_window, kControls[1]);
    platform::add_control(current_window, kControls[2]);
    platform::run_modal(current_window);
}

}  // namespace korvane
