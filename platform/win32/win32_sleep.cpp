// Pauses that keep the windows alive: a wait to the deadline that wakes for
// every message, measured with the performance counter so that the pause keeps
// its length however often it wakes. A stopped send pauses no more.

#include <windows.h>

#include "platform/dialog.h"
#include "platform/sleep.h"
#include "platform/sound.h"

namespace korvane {

// A zero or negative pause has its deadline already behind it.
void platform::sleep_ms(std::int32_t ms) {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER now{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    const LONGLONG deadline = now.QuadPart + ms * frequency.QuadPart / 1000;
    while (now.QuadPart < deadline && !send_stopped()) {
        const LONGLONG left_ms = (deadline - now.QuadPart) * 1000 / frequency.QuadPart + 1;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left_ms), QS_ALLINPUT);
        keep_windows_alive();
        QueryPerformanceCounter(&now);
    }
}

}  // namespace korvane
