#pragma once
// Where the file walk starts for a given working directory.

#include <string>

namespace korvane::platform::win32 {

// "C:\" for a path on a drive; the share root "\\server\share\" for a network
// path, whose first three characters would name no directory; otherwise the
// first three characters, as they are.
std::string drive_root_of(const std::string& directory);

}  // namespace korvane::platform::win32
