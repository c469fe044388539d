// Sound and sleep the classic way, for comparison with the program's shared
// stream: every element is a playback of its own that opens the device,
// writes the image, waits until it has been heard and closes the device, and
// every pause is a thread sleep. Nothing carries the timing from one call to
// the next, so the time each call takes adds to the schedule.

#include <alsa/asoundlib.h>
#include <time.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

#include "platform/sleep.h"
#include "platform/sound.h"
#include "platform/wave_image.h"

namespace korvane {
namespace {

constexpr unsigned kLatencyMicroseconds = 50000;

void write_all(snd_pcm_t* pcm, const std::uint8_t* frames, snd_pcm_uframes_t count) {
    while (count > 0) {
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm, frames, count);
        if (written < 0 && snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0) {
            return;
        }
        if (written > 0) {
            frames += 2 * static_cast<std::size_t>(written);
            count -= static_cast<snd_pcm_uframes_t>(written);
        }
    }
}

}  // namespace

void platform::play_wave_image(const std::uint8_t* image) {
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
        return;
    }
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                           platform::kSampleRate, 1, kLatencyMicroseconds) == 0) {
        write_all(pcm, image + platform::kWaveHeaderBytes, platform::wave_sample_count(image));
        snd_pcm_drain(pcm);
    }
    snd_pcm_close(pcm);
}

void platform::sleep_ms(std::int32_t ms) {
    if (ms <= 0) {
        return;
    }
    timespec left{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

// Nothing stops a classic playback.
bool platform::send_stopped() {
    return false;
}

}  // namespace korvane
