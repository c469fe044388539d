#include "practice/code_from_file.h"

#include <array>
#include <cctype>
#include <string_view>

#include "app/shared_values.h"
#include "app/text_tables.h"
#include "app/window_frame.h"
#include "morse/sender.h"
#include "platform/directory.h"
#include "practice/file_bytes.h"

namespace korvane {
namespace {

constexpr int kFileListId = 502;
constexpr std::string_view kCaptionPrefix = "Code From File -- ";
constexpr std::string_view kWildcard = "*.*";

constexpr unsigned kList = platform::kSorted | platform::kVerticalScroll | platform::kTabStop |
                           platform::kNotify | platform::kClientEdge;

constexpr std::array<platform::ControlLayout, 3> kControls{{
    {kFileListId, platform::ControlKind::list_box, "", 100, 25, 300, 175, kList, nullptr},
    {1, platform::ControlKind::push_button, "&Go", 175, 225, 50, 20, kButtonStyle, on_go},
    {2, platform::ControlKind::push_button, "Q&uit", 275, 225, 50, 20, kButtonStyle, on_quit},
}};

std::string caption() {
    return std::string(kCaptionPrefix) + browse_dir;
}

// The last four characters, in ASCII capitals, are ".TXT", ".BAT" or ".DAT".
bool has_practice_extension(std::string_view name) {
    if (name.size() < 4) {
        return false;
    }
    std::string tail(name.substr(name.size() - 4));
    for (char& ch : tail) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    return tail == ".TXT" || tail == ".BAT" || tail == ".DAT";
}

void fill_list(platform::WindowHandle window) {
    for (const auto& line : FileList) {
        platform::add_list_line(window, kFileListId, line);
    }
}

}  // namespace

void list_directory() {
    FileList.assign(1, "..");
    // A path the platform cannot take lists as ".." alone.
    if (browse_dir.size() + kWildcard.size() >= platform::kMaxPathLength) {
        return;
    }
    platform::list_directory_entries(browse_dir, [](const std::string& name) {
        if (platform::is_directory(browse_dir + name) || has_practice_extension(name)) {
            FileList.push_back(name);
        }
    });
}

void show_file_window() {
    browse_dir = platform::working_drive_root();
    list_directory();
    current_window = platform::create_dialog(caption(), kWindowWidth, kWindowHeight);
    platform::add_control(current_window, kControls[0]);
    fill_list(current_window);
    platform::add_control(current_window, kControls[1]);
    platform::add_control(current_window, kControls[2]);
    platform::run_modal(current_window);
}

void enter_directory() {
    browse_dir += picked_name + platform::kPathSeparator;
    list_directory();
    platform::clear_list(current_window, kFileListId);
    platform::set_caption(current_window, caption());
    fill_list(current_window);
}

void send_file() {
    send_file_bytes(browse_dir + picked_name);
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
    return handle_click(message, wparam, [] { platform::end_dialog(current_window, 1); });
}

}  // namespace korvane
