// The shared stream's device on ALSA: writes that never block, and waits in
// poll() for room, so that the windows are kept alive between them.

#include <alsa/asoundlib.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "platform/alsa/alsa_device.h"
#include "platform/backend/sending.h"
#include "platform/stream/stream.h"

namespace korvane {
namespace {

class AlsaPlayback final : public stream::Device {
  public:
    bool open() override {
        pcm_ = alsa::open_default_device();
        return pcm_ != nullptr;
    }

    // Underruns (the program was quiet), interruptions and suspends are
    // recovered, and the rest is written again by the next call.
    std::size_t write(const std::uint8_t* frames, std::size_t count) override {
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm_, frames, count);
        if (written >= 0) {
            return static_cast<std::size_t>(written);
        }
        const bool recovered =
            written == -EAGAIN || snd_pcm_recover(pcm_, static_cast<int>(written), 1) == 0;
        return recovered ? 0 : kFailed;
    }

    std::size_t queued() override {
        snd_pcm_sframes_t delay = 0;
        return snd_pcm_delay(pcm_, &delay) == 0 && delay > 0 ? static_cast<std::size_t>(delay) : 0;
    }

    void start() override {
        if (snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED) {
            snd_pcm_start(pcm_);
        }
    }

    void drain_and_close() override {
        snd_pcm_nonblock(pcm_, 0);
        snd_pcm_drain(pcm_);
        snd_pcm_close(std::exchange(pcm_, nullptr));
    }

    // Closing drops what is queued, but through a sound server that has
    // stopped answering it waits for that server: it is left to a thread of
    // its own, so that neither Escape nor the program ever waits for it.
    void close_at_once() override {
        std::thread(snd_pcm_close, std::exchange(pcm_, nullptr)).detach();
    }

    void wait_for_room(stream::Clock::duration most) override {
        snd_pcm_wait(pcm_, static_cast<int>(stream::whole_ms(most)));
        platform::keep_windows_alive();
    }

    void sleep(stream::Clock::duration most) override {
        std::this_thread::sleep_for(most);
        platform::keep_windows_alive();
    }

    stream::Clock::time_point now() override { return stream::Clock::now(); }

  private:
    snd_pcm_t* pcm_ = nullptr;
};

}  // namespace

stream::Device& stream::device() {
    static AlsaPlayback playback;
    return playback;
}

}  // namespace korvane
