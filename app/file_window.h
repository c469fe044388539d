#pragma once
// The Code From File window: walk the directories and send a text file as Morse.

#include <cstdint>

#include "platform/dialog.h"

namespace korvane {

// Sets browse_dir to the root of the working drive, lists it, shows the window modally.
void show_file_window();

// Moves into picked_name and refreshes the list and the caption.
void enter_directory();

int on_go(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
          std::intptr_t lparam);
int on_quit(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t lparam);

}  // namespace korvane
