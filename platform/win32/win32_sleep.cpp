// Pauses with the kernel's Sleep.

#include <windows.h>

#include "platform/sleep.h"

namespace korvane {

// A negative pause would become an almost endless unsigned one.
void platform::sleep_ms(std::int32_t ms) {
    if (ms > 0) {
        Sleep(static_cast<DWORD>(ms));
    }
}

}  // namespace korvane
