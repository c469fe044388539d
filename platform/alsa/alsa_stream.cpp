// The shared ALSA stream. Writes block while the device's buffer is full, so
// the program runs at most a buffer ahead of what is heard: the stream, not the
// thread, carries the timing. A pause is silence owed to the stream, written
// just before the next sound, so that a send ends with its last element. While
// a write waits, the windows are kept alive; a send stopped meanwhile (by
// Escape) drops what is queued and writes nothing more until it has ended.

#include "platform/alsa/alsa_stream.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/alsa/alsa_device.h"
#include "platform/dialog.h"
#include "platform/sound.h"
#include "platform/wave_image.h"

namespace korvane::alsa {
namespace {

constexpr unsigned kFrameBytes = platform::kSampleBytes;
constexpr int kWaitMilliseconds = 100;
// A device that takes no sample for this long has stalled or gone away.
constexpr int kStallMilliseconds = 2000;
constexpr std::size_t kSilenceFrames = platform::kSampleRate / 10;
// A send's end looks for Escape this often until only its last 10 ms are queued.
constexpr std::chrono::milliseconds kDrainSlice{5};
constexpr snd_pcm_sframes_t kDrainedAtOnce = platform::kSampleRate / 100;

const std::array<std::int16_t, kSilenceFrames> silence{};
bool stopped = false;

// The stream, open from the first sound or pause of a send until the send has
// ended, so that the program is never woken while it waits for the user.
class Stream {
  public:
    Stream() = default;
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    // At exit, should a send still be open, it is heard whole before the
    // process ends; the windows are gone by then, so nothing keeps them alive.
    ~Stream() { drain_and_close(); }

    // A device that could not be opened, or that failed, is never tried again.
    bool open() {
        if (pcm_ == nullptr && !failed_) {
            pcm_ = open_default_device();
            failed_ = pcm_ == nullptr;
        }
        return pcm_ != nullptr;
    }

    void owe_silence(std::size_t count) { silence_owed_ += count; }

    void write_sound(const std::uint8_t* frames, std::size_t count) {
        const auto* zeros = reinterpret_cast<const std::uint8_t*>(silence.data());
        while (silence_owed_ > 0 && pcm_ != nullptr && !stopped) {
            const std::size_t chunk = std::min(silence_owed_, kSilenceFrames);
            write(zeros, chunk);
            silence_owed_ -= chunk;
        }
        write(frames, count);
    }

    // Drops what is queued and makes the stream ready for the next write.
    void drop() {
        if (pcm_ != nullptr) {
            snd_pcm_drop(pcm_);
            snd_pcm_prepare(pcm_);
        }
    }

    // Waits until what is queued has been heard, keeping the windows alive so
    // that Escape still drops the rest, and closes the device; silence still
    // owed is never written.
    void release() {
        silence_owed_ = 0;
        if (pcm_ != nullptr) {
            start_short_send();
            wait_while_heard();
        }
        drain_and_close();
    }

  private:
    // A send shorter than the lead has not started by its end.
    void start_short_send() {
        snd_pcm_uframes_t buffer_frames = 0;
        snd_pcm_uframes_t period_frames = 0;
        if (snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED &&
            snd_pcm_get_params(pcm_, &buffer_frames, &period_frames) == 0 &&
            snd_pcm_avail(pcm_) < static_cast<snd_pcm_sframes_t>(buffer_frames)) {
            snd_pcm_start(pcm_);
        }
    }

    // Timed by what the device counts as queued when it begins; the last 10 ms
    // are left to one blocking drain, which never clips the last element however
    // the count runs.
    void wait_while_heard() {
        snd_pcm_sframes_t queued = 0;
        if (snd_pcm_delay(pcm_, &queued) != 0) {
            return;
        }
        const auto until = std::chrono::steady_clock::now() +
                           std::chrono::microseconds((queued - kDrainedAtOnce) * 1'000'000 /
                                                     platform::kSampleRate);
        while (!stopped && std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(kDrainSlice);
            platform::keep_windows_alive();
        }
    }

    // Writes wait while the buffer is full. Underruns (the program was quiet),
    // interruptions and suspends are recovered and the rest is written again; a
    // stream that cannot recover, or that takes nothing for kStallMilliseconds,
    // is closed and the program goes on silently, its pauses kept as sleeps.
    void write(const std::uint8_t* frames, std::size_t count) {
        int stalled_ms = 0;
        while (count > 0 && pcm_ != nullptr && !stopped) {
            const snd_pcm_sframes_t written = snd_pcm_writei(pcm_, frames, count);
            if (written >= 0) {
                frames += static_cast<std::size_t>(written) * kFrameBytes;
                count -= static_cast<std::size_t>(written);
                stalled_ms = 0;
            } else if (written == -EAGAIN && stalled_ms < kStallMilliseconds) {
                stalled_ms += snd_pcm_wait(pcm_, kWaitMilliseconds) == 0 ? kWaitMilliseconds : 0;
                platform::keep_windows_alive();
            } else if (written == -EAGAIN ||
                       snd_pcm_recover(pcm_, static_cast<int>(written), 1) < 0) {
                close();
                failed_ = true;
            }
        }
    }

    void close() {
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
    }

    void drain_and_close() {
        if (pcm_ != nullptr) {
            snd_pcm_nonblock(pcm_, 0);
            snd_pcm_drain(pcm_);
            close();
        }
    }

    snd_pcm_t* pcm_ = nullptr;
    bool failed_ = false;
    std::size_t silence_owed_ = 0;
};

Stream stream;

}  // namespace

bool open_stream() {
    return stream.open();
}

void write_frames(const std::uint8_t* frames, std::size_t count) {
    stream.write_sound(frames, count);
}

void owe_silence(std::size_t count) {
    stream.owe_silence(count);
}

}  // namespace korvane::alsa

namespace korvane {

void platform::stop_send() {
    alsa::stopped = true;
    alsa::stream.drop();
}

bool platform::send_stopped() {
    return alsa::stopped;
}

void platform::end_send() {
    alsa::stream.release();
    alsa::stopped = false;
}

}  // namespace korvane
