// Plays an element image with the multimedia library, synchronously.

#include <windows.h>
// The multimedia declarations need the base types of windows.h first.
#include <mmsystem.h>

#include "platform/sound.h"

namespace korvane {

// Without a sound device PlaySoundA returns FALSE at once; the send goes on silently.
void platform::play_wave_image(const std::uint8_t* image) {
    PlaySoundA(reinterpret_cast<LPCSTR>(image), nullptr, SND_MEMORY | SND_SYNC);
}

}  // namespace korvane
