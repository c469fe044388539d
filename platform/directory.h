#pragma once
// Directories: the working directory, listing, and telling directories apart.

#include <cstddef>
#include <functional>
#include <string>

namespace korvane::platform {

// Joins a directory and a name: "\" on Windows, "/" elsewhere.
extern const char kPathSeparator;

// The room the platform's file services have for a path, its closing zero byte included.
extern const std::size_t kMaxPathLength;

// The root of the drive that holds the working directory ("C:\" on Windows, "/" elsewhere).
std::string working_drive_root();

// Calls `visit` with every entry of `directory` (which ends in a separator),
// hidden ones included, except "." and "..". False when it cannot be read.
bool list_directory_entries(const std::string& directory,
                            const std::function<void(const std::string& name)>& visit);

// True when `path`, followed through links, is a directory.
bool is_directory(const std::string& path);

}  // namespace korvane::platform
