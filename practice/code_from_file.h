#pragma once
// The Code From File window: walk the directories and send a text file as Morse.

#include <cstdint>
#include <string>

#include "platform/dialog.h"

namespace korvane {

inline std::string browse_dir;   // the listed directory, ending in a separator
inline std::string picked_name;  // the list line that Go took last

// Sets browse_dir to the root of the working drive, lists it, shows the window modally.
void show_file_window();

// Fills FileList with ".." and the accepted names of browse_dir.
void list_directory();

// Moves into picked_name and refreshes the list and the caption.
void enter_directory();

// Sends browse_dir + picked_name, byte by byte.
void send_file();

int on_go(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
          std::intptr_t lparam);
int on_quit(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t lparam);

}  // namespace korvane
