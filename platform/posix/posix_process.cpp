// Priority and the help page with POSIX calls.

#include <errno.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/process.h"

namespace korvane {
namespace {

// A raised nice value: ahead of ordinary programs, yet no real-time class that could starve the
// desktop.
constexpr int kRaisedNice = -10;
constexpr int kNormalNice = 0;
constexpr const char* kOpener = "xdg-open";

}  // namespace

void platform::raise_priority() {
    ::setpriority(PRIO_PROCESS, 0, kRaisedNice);
}

// Openers hand the page to a browser that may not share our working
// directory, so the page goes out with its whole path.
void platform::open_help_page(const std::string& page) {
    std::error_code no_directory;
    const std::string path = (std::filesystem::current_path(no_directory) / page).string();
    const pid_t child = ::fork();
    if (child == 0) {
        ::setpriority(PRIO_PROCESS, 0, kNormalNice);
        ::execlp(kOpener, kOpener, path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (child > 0) {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

}  // namespace korvane
