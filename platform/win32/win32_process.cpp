// Priority and the help page with the kernel's process calls.

#include <windows.h>

#include <vector>

#include "platform/process.h"

namespace korvane {
namespace {

// The value of an environment variable, or "" when it is not set.
std::string environment_value(const char* name) {
    const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::string value(size, '\0');
    value.resize(GetEnvironmentVariableA(name, value.data(), size));
    return value;
}

}  // namespace

// Without administrator rights Windows grants the high class in place of the
// real-time one, so the desktop is never starved. The thread is raised only
// when the class request was accepted.
void platform::raise_priority() {
    if (SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS)) {
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    }
}

// The command interpreter's START opens the page with its registered viewer,
// maximised; the interpreter itself runs in the normal class.
void platform::open_help_page(const std::string& page) {
    const std::string interpreter = environment_value("COMSPEC");
    if (interpreter.empty()) {
        return;
    }
    const std::string command = interpreter + " /C START " + page;
    std::vector<char> command_line(command.begin(),
                                   command.end());  // CreateProcessA may write to it
    command_line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMAXIMIZED;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE,
                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
        return;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace korvane
