// Directories with POSIX calls; the walk starts at the root of the file system,
// and a path's ".." is resolved by its text.

#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>

#include <cstring>

#include "platform/directory.h"
#include "platform/posix/posix_path.h"

namespace korvane {

const char platform::kPathSeparator = '/';
const std::size_t platform::kMaxPathLength = PATH_MAX;

std::string platform::working_drive_root() {
    return "/";
}

bool platform::list_directory_entries(const std::string& directory,
                                      const std::function<void(const std::string&)>& visit) {
    DIR* dir = ::opendir(posix::resolved(directory).c_str());
    if (!dir) {
        return false;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            visit(entry->d_name);
        }
    }
    ::closedir(dir);
    return true;
}

bool platform::is_directory(const std::string& path) {
    struct stat info {};
    return ::stat(posix::resolved(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace korvane
