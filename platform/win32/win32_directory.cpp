// Directories with the kernel's find and attribute calls.

#include <windows.h>

#include <cstring>

#include "platform/directory.h"
#include "platform/win32/drive_root.h"

namespace korvane {
namespace {

bool is_network_path(const std::string& path) {
    return path.rfind("\\\\", 0) == 0;
}

}  // namespace

const char platform::kPathSeparator = '\\';
const std::size_t platform::kMaxPathLength = MAX_PATH;

std::string platform::win32::drive_root_of(const std::string& directory) {
    const auto server_end = directory.find('\\', 2);
    if (!is_network_path(directory) || server_end == std::string::npos ||
        server_end + 1 == directory.size()) {
        return directory.substr(0, 3);
    }
    const auto share_end = directory.find('\\', server_end + 1);
    return directory.substr(0, share_end) + '\\';
}

std::string platform::working_drive_root() {
    std::string directory(GetCurrentDirectoryA(0, nullptr), '\0');
    directory.resize(GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data()));
    return win32::drive_root_of(directory);
}

bool platform::list_directory_entries(const std::string& directory,
                                      const std::function<void(const std::string&)>& visit) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((directory + "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        // An empty drive root has no "." or "..": readable, yet nothing matches.
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    do {
        if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0) {
            visit(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

bool platform::is_directory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace korvane
