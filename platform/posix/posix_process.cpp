// Priority and the help page with POSIX calls.

#include <errno.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "platform/process.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

// A raised nice value: ahead of ordinary programs, yet no real-time class that could starve the
// desktop.
constexpr int kRaisedNice = -10;
constexpr int kNormalNice = 0;
constexpr const char* kOpener = "xdg-open";
// Where an installation keeps the help page, from its top: the program lies two folders down, in
// lib/korvane/ (see packaging/CMakeLists.txt). The page is the program's data, kept apart from the
// documentation folder, which a system may leave out.
constexpr const char* kInstalledData = "share/korvane";

// The installed copy of the page, found from the running program itself, so that a tree unpacked
// anywhere uses its own page; empty when the program's place is unknown.
fs::path installed_page(const std::string& page) {
    std::error_code unknown;
    const fs::path program = fs::read_symlink("/proc/self/exe", unknown);
    if (unknown) {
        return {};
    }
    return program.parent_path().parent_path().parent_path() / kInstalledData / page;
}

// Openers hand the page to a browser that may not share our working directory, so the page goes
// out with its whole path: the one in the working directory, else the installed one. When neither
// exists the first is given, and the opener says that it is missing.
fs::path help_page_path(const std::string& page) {
    std::error_code no_file;
    const fs::path here = fs::current_path(no_file) / page;
    if (fs::exists(here, no_file)) {
        return here;
    }
    const fs::path installed = installed_page(page);
    return !installed.empty() && fs::exists(installed, no_file) ? installed : here;
}

// Starts the opener on the page and reaps it when it ends; a missing opener starts nothing.
void run_opener(const fs::path& page) {
    std::string opener = kOpener;
    std::string argument = page.string();
    char* const arguments[] = {opener.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (::posix_spawnp(&child, kOpener, nullptr, nullptr, arguments, environ) != 0) {
        return;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

void platform::raise_priority() {
    ::setpriority(PRIO_PROCESS, 0, kRaisedNice);
}

// The program goes on at once: where no desktop session helper is running, the
// opener runs the browser in the foreground until it is closed. The opener runs at
// normal priority. Linux keeps the nice value per thread and a new process takes
// that of the thread that started it, so a thread of its own, lowered to normal
// (which needs no privilege), starts the opener, waits for it so that no zombie
// is left, and ends; the window's thread keeps its raised value.
void platform::open_help_page(const std::string& page) {
    std::thread([path = help_page_path(page)] {
        ::setpriority(PRIO_PROCESS, 0, kNormalNice);
        run_opener(path);
    }).detach();
}

}  // namespace korvane
