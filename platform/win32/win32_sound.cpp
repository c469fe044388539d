// Plays an element image with the multimedia library, synchronously, on a
// thread of its own: the program's thread waits for that thread and keeps the
// windows alive meanwhile, and a stop ends the sound with PlaySoundA(NULL).

#include <windows.h>
// The multimedia declarations need the base types of windows.h first.
#include <mmsystem.h>

#include <atomic>

#include "platform/dialog.h"
#include "platform/sound.h"

namespace korvane {
namespace {

std::atomic<bool> stopped = false;

// A stop that comes before the sound has begun is seen here.
DWORD WINAPI play(LPVOID image) {
    if (!stopped) {
        PlaySoundA(static_cast<LPCSTR>(image), nullptr, SND_MEMORY | SND_SYNC);
    }
    return 0;
}

}  // namespace

// Without a sound device PlaySoundA returns FALSE at once; the send goes on silently.
void platform::play_wave_image(const std::uint8_t* image) {
    const HANDLE player =
        stopped ? nullptr
                : CreateThread(nullptr, 0, play, const_cast<std::uint8_t*>(image), 0, nullptr);
    if (player == nullptr) {
        return;
    }
    while (MsgWaitForMultipleObjects(1, &player, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        keep_windows_alive();
    }
    CloseHandle(player);
}

void platform::stop_send() {
    stopped = true;
    PlaySoundA(nullptr, nullptr, 0);
}

bool platform::send_stopped() {
    return stopped;
}

void platform::end_send() {
    stopped = false;
}

}  // namespace korvane
