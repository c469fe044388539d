#pragma once
// The Code From File window: walk the directories and send a text file as Morse.

namespace korvane {

// Sets browse_dir to the root of the working drive, lists it, shows the window modally.
void show_file_window();

}  // namespace korvane
