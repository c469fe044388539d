#pragma once
// Code from file: the listing of a directory's practice files, and sending one.

#include <string>
#include <vector>

namespace korvane {

inline std::string browse_dir;   // the listed directory, ending in a separator
inline std::string picked_name;  // the list line that Go took last

// The lines of the Code From File list: ".." and then every accepted name.
inline std::vector<std::string> FileList;

// Fills FileList with ".." and the directories and practice files of browse_dir.
void list_directory();

// Sends browse_dir + picked_name, byte by byte.
void send_file();

}  // namespace korvane
