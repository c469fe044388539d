// The shared stream's device on the multimedia library's waveOut: a ring of
// headers over buffers of fixed size, filled in order and handed to the device
// as each one fills, or as soon as the stream stops writing to wait. The
// device signals an event whenever it has played a header, and the program's
// thread waits for that event and for window messages at once. What is still
// to be heard is what the later of two counts leaves: the headers not yet
// played, and the samples handed over beyond the device's own position.

#include <windows.h>
// The multimedia declarations need the base types of windows.h first.
#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <utility>

#include "platform/backend/sending.h"
#include "platform/stream/stream.h"
#include "platform/wave_image.h"

namespace korvane {
namespace {

// Four headers of 50 ms: 200 ms queued at most. While the device is full, the
// program waits for one header to be played and fills that one again, so at
// least 150 ms protect the sound from a busy machine. Smaller headers gained
// nothing under Wine, neither in inserted silence nor in the time from a key to
// the sound: the lead is written at once whatever their size.
constexpr std::size_t kHeaders = 4;
constexpr std::size_t kHeaderFrames = platform::kSampleRate / 20;
// A send's last sample is followed by this much silence before the device is
// closed. Wine counts a header played by a clock of its own that ran up to
// 40 ms ahead of the sound server (PULSE_LATENCY_MSEC=200), and its position
// counts what it has taken into a buffer of its own, 100 ms ahead; once that
// clock has passed the last header Wine stops the stream, and what the server
// still held is lost: without the silence, the last 20 to 40 ms of each send.
constexpr std::size_t kTailFrames = kHeaderFrames;

DWORD whole_ms(stream::Clock::duration span) {
    return static_cast<DWORD>(stream::whole_ms(span));
}

// Waits for the event (when given), for a window message or for the time,
// whichever comes first, then keeps the windows alive.
void wait_alive(HANDLE event, stream::Clock::duration most) {
    MsgWaitForMultipleObjects(event ? 1 : 0, &event, FALSE, whole_ms(most), QS_ALLINPUT);
    platform::keep_windows_alive();
}

class WaveOut final : public stream::Device {
  public:
    bool open() override {
        if (event_ == nullptr) {
            event_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        }
        const WAVEFORMATEX format{WAVE_FORMAT_PCM,
                                  1,
                                  platform::kSampleRate,
                                  platform::kSampleRate * platform::kSampleBytes,
                                  platform::kSampleBytes,
                                  8 * platform::kSampleBytes,
                                  0};
        failed_ = false;
        tailing_ = tail_queued_ = false;
        handed_ = 0;
        if (event_ == nullptr ||
            waveOutOpen(&wave_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(event_), 0,
                        CALLBACK_EVENT) != MMSYSERR_NOERROR) {
            wave_ = nullptr;
            return false;
        }
        // Nothing plays until the stream has queued its lead.
        waveOutPause(wave_);
        // Waits that end within a millisecond, so that the end of a send is seen at once.
        timeBeginPeriod(1);
        return true;
    }

    std::size_t write(const std::uint8_t* frames, std::size_t count) override {
        reclaim_played();
        std::size_t taken = 0;
        while (!failed_ && taken < count && in_device_ < kHeaders) {
            auto& buffer = buffers_[filling()];
            const std::size_t part = std::min(count - taken, kHeaderFrames - filled_);
            std::memcpy(buffer.data() + filled_ * platform::kSampleBytes,
                        frames + taken * platform::kSampleBytes, part * platform::kSampleBytes);
            filled_ += part;
            taken += part;
            if (filled_ == kHeaderFrames) {
                submit_filled();
            }
        }
        return failed_ ? kFailed : taken;
    }

    // The silence that ends a send is not the stream's: what is queued ends
    // where it begins.
    std::size_t queued() override {
        const std::size_t left = unplayed();
        return left - std::min(left, tail_queued_ ? kTailFrames : 0);
    }

    void start() override {
        submit_filled();
        waveOutRestart(wave_);
    }

    void last_queued() override {
        tailing_ = true;
        queue_tail();
    }

    void drain_and_close() override {
        queue_tail();
        for (const auto until = now() + stream::kStallLimit; unplayed() > 0 && now() < until;) {
            WaitForSingleObject(event_, whole_ms(stream::kDrainSlice));
            queue_tail();
        }
        close_at_once();
    }

    void close_at_once() override {
        // Every header comes back from a reset marked done.
        waveOutReset(wave_);
        reclaim_played();
        filled_ = 0;
        waveOutClose(std::exchange(wave_, nullptr));
        timeEndPeriod(1);
    }

    void wait_for_room(stream::Clock::duration most) override {
        submit_filled();
        wait_alive(event_, most);
    }

    // At the end of a send the stream waits here for what is queued to be
    // heard, so the last header, however full, goes to the device first, and
    // the silence after it as soon as a header is free.
    void sleep(stream::Clock::duration most) override {
        queue_tail();
        wait_alive(nullptr, most);
    }

    stream::Clock::time_point now() override { return stream::Clock::now(); }

  private:
    std::size_t filling() const { return (oldest_ + in_device_) % kHeaders; }

    // Hands the header being filled to the device; a failure fails the next write.
    void submit_filled() {
        if (filled_ == 0 || failed_) {
            return;
        }
        WAVEHDR& header = headers_[filling()];
        header = WAVEHDR{};
        header.lpData = reinterpret_cast<LPSTR>(buffers_[filling()].data());
        header.dwBufferLength = static_cast<DWORD>(filled_ * platform::kSampleBytes);
        failed_ = waveOutPrepareHeader(wave_, &header, sizeof header) != MMSYSERR_NOERROR ||
                  waveOutWrite(wave_, &header, sizeof header) != MMSYSERR_NOERROR;
        in_device_ += failed_ ? 0 : 1;
        handed_ += failed_ ? 0 : static_cast<DWORD>(filled_);
        filled_ = 0;
    }

    // Frames not yet played, the silence that ends a send included.
    std::size_t unplayed() {
        reclaim_played();
        std::size_t in_headers = 0;
        for (std::size_t i = 0; i < in_device_; ++i) {
            in_headers +=
                headers_[(oldest_ + i) % kHeaders].dwBufferLength / platform::kSampleBytes;
        }
        return filled_ + std::max(in_headers, beyond_position());
    }

    // Hands what is filled to the device, then the silence that ends a send,
    // once a header is free for it.
    void queue_tail() {
        submit_filled();
        reclaim_played();
        if (wave_ == nullptr || !tailing_ || tail_queued_ || failed_ || in_device_ == kHeaders) {
            return;
        }
        std::memset(buffers_[filling()].data(), 0, kTailFrames * platform::kSampleBytes);
        filled_ = kTailFrames;
        submit_filled();
        tail_queued_ = true;
    }

    // The samples handed to the device beyond the position it reports as
    // played. Both count from the opening, modulo 2^32 as the device does; a
    // device that keeps no count in samples, or a count beyond what the ring
    // can hold, leaves it to the headers.
    std::size_t beyond_position() const {
        MMTIME position{};
        position.wType = TIME_SAMPLES;
        if (waveOutGetPosition(wave_, &position, sizeof position) != MMSYSERR_NOERROR ||
            position.wType != TIME_SAMPLES) {
            return 0;
        }
        const DWORD beyond = handed_ - position.u.sample;
        return beyond <= kHeaders * kHeaderFrames ? beyond : 0;
    }

    // The device plays its headers in order and marks each one done from a
    // thread of its own.
    void reclaim_played() {
        while (in_device_ > 0 &&
               (std::atomic_ref<DWORD>(headers_[oldest_].dwFlags).load() & WHDR_DONE) != 0) {
            waveOutUnprepareHeader(wave_, &headers_[oldest_], sizeof(WAVEHDR));
            oldest_ = (oldest_ + 1) % kHeaders;
            --in_device_;
        }
    }

    HANDLE event_ = nullptr;
    HWAVEOUT wave_ = nullptr;
    bool failed_ = false;
    bool tailing_ = false;      // the send's last frames are queued
    bool tail_queued_ = false;  // the silence that ends the send has been handed over
    DWORD handed_ = 0;          // frames handed to the device since its opening
    std::array<WAVEHDR, kHeaders> headers_{};
    std::array<std::array<std::uint8_t, kHeaderFrames * platform::kSampleBytes>, kHeaders>
        buffers_{};
    std::size_t oldest_ = 0;     // the header the device plays first
    std::size_t in_device_ = 0;  // headers handed to the device and not yet played
    std::size_t filled_ = 0;     // frames in the header being filled
};

// The multimedia library finds its devices the first time it is asked, which
// takes up to a tenth of a second under Wine: asked at start-up, it is ready
// before the first key.
[[maybe_unused]] const UINT kDevicesAtStart = waveOutGetNumDevs();

}  // namespace

stream::Device& stream::device() {
    static WaveOut wave_out;
    return wave_out;
}

}  // namespace korvane
