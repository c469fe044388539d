// The shared stream's device on ALSA: writes that never block, and waits in
// poll() for room, so that the windows are kept alive between them.

#include <alsa/asoundlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <thread>
#include <utility>

#include "platform/alsa/alsa_device.h"
#include "platform/backend/sending.h"
#include "platform/stream/stream.h"
#include "platform/wave_image.h"

namespace korvane {
namespace {

// PipeWire plays a stream in whole cycles of its graph (1024 frames by
// default) and holds back a last part of a cycle until more comes, through
// its PulseAudio server and its ALSA plugin alike: a send's last element
// would lose its end. Silence of the lead's length, longer than any cycle and
// with room in the buffer beside the last element, carries it out whole.
constexpr std::size_t kTailFrames = stream::kLeadFrames;
const std::array<std::uint8_t, kTailFrames * platform::kSampleBytes> kTail{};

class AlsaPlayback final : public stream::Device {
  public:
    bool open() override {
        pcm_ = alsa::open_default_device();
        tail_ = 0;
        tailing_ = false;
        room_ = -1;
        step_ = 0;
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
        measure_step();
        return unheard();
    }

    void start() override {
        if (snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED) {
            snd_pcm_start(pcm_);
        }
    }

    void last_queued() override {
        tailing_ = true;
        write_tail();
    }

    // What is left of the send, a few milliseconds, is heard before the close;
    // the rest of the tail is dropped, so that the send ends with its last element.
    void drain_and_close() override {
        const auto until = stream::Clock::now() + stream::kStallLimit;
        for (auto left = unheard(); left > 0 && stream::Clock::now() < until; left = unheard()) {
            std::this_thread::sleep_for(stream::duration_of(left));
        }
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
    // What is still to be heard of the send: one step of the server more than
    // it reports, since PipeWire's PulseAudio server counts what it holds up to
    // a cycle short.
    std::size_t unheard() {
        const snd_pcm_sframes_t left = unheard_before_tail() + step_;
        return left > 0 ? static_cast<std::size_t>(left) : 0;
    }

    // The frames before the tail not yet heard, negative once the tail is
    // being heard. The tail is not the stream's: what is queued ends where it
    // begins. A device that has run dry has nothing more to be heard (PipeWire's
    // plugin then reports a delay that never runs out).
    snd_pcm_sframes_t unheard_before_tail() {
        write_tail();
        snd_pcm_sframes_t delay = 0;
        if (snd_pcm_state(pcm_) == SND_PCM_STATE_XRUN || snd_pcm_delay(pcm_, &delay) != 0) {
            return -static_cast<snd_pcm_sframes_t>(kTailFrames);
        }
        return delay - static_cast<snd_pcm_sframes_t>(tail_);
    }

    // As much of the tail as the buffer has room for now; the rest as room
    // comes, while the stream waits for its last frames to be heard.
    void write_tail() {
        if (tailing_ && tail_ < kTailFrames) {
            const snd_pcm_sframes_t written =
                snd_pcm_writei(pcm_, kTail.data(), kTailFrames - tail_);
            tail_ += written > 0 ? static_cast<std::size_t>(written) : 0;
        }
    }

    // The most the server has taken at once, between two of the stream's looks
    // (a few milliseconds apart) since the tail was written: its cycle
    // (PipeWire's 1024 frames, PulseAudio's request of 10 ms).
    void measure_step() {
        const snd_pcm_sframes_t room = snd_pcm_avail(pcm_);
        if (tail_ == kTailFrames && room_ >= 0 && room > room_) {
            step_ = std::max(step_, room - room_);
        }
        room_ = tail_ == kTailFrames ? room : -1;
    }

    snd_pcm_t* pcm_ = nullptr;
    bool tailing_ = false;
    std::size_t tail_ = 0;         // frames of silence written behind the send
    snd_pcm_sframes_t room_ = -1;  // in the buffer, when last looked at
    snd_pcm_sframes_t step_ = 0;
};

}  // namespace

stream::Device& stream::device() {
    static AlsaPlayback playback;
    return playback;
}

}  // namespace korvane
