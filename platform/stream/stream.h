#pragma once
// The one sound stream that every device backend shares: how plays and pauses
// become samples on a device, how a send starts, stops and ends, and what
// happens when the device fails. A backend adapts its device to `Device` and
// names it with `device()`; the sound and sleep services are then this stream's.

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "platform/wave_image.h"

namespace korvane::stream {

using Clock = std::chrono::steady_clock;

// Playback starts once this much is queued (a shorter send starts at its end).
// The program writes the lead at once, so it costs no time before the first
// sample; it lets a busy machine hold the program back for that long, just
// after the start, without a gap in the sound.
inline constexpr std::size_t kLeadFrames = platform::kSampleRate / 10;
// A device that takes no sample for this long has stalled or gone away.
inline constexpr std::chrono::milliseconds kStallLimit{2000};
// The longest single wait while a send's end waits to be heard: the windows are
// kept alive between two of them.
inline constexpr std::chrono::milliseconds kDrainSlice{5};

// How long `frames` last, to the microsecond below.
inline Clock::duration duration_of(std::size_t frames) {
    return std::chrono::microseconds(static_cast<std::int64_t>(frames) * 1'000'000 /
                                     platform::kSampleRate);
}

// A wait in whole milliseconds, never shorter than asked for, for the system's timed waits.
inline std::int64_t whole_ms(Clock::duration span) {
    return std::chrono::ceil<std::chrono::milliseconds>(span).count();
}

// A playback device of 44,100 Hz, signed 16-bit mono: what a backend provides.
// Only the stream calls it, always from the program's one thread.
class Device {
  public:
    virtual ~Device() = default;

    // Opens the device without blocking; false when it cannot be opened now.
    virtual bool open() = 0;
    // Queues up to `count` frames (little-endian samples) without waiting and
    // returns how many were taken: 0 when the device is full, kFailed once it has failed.
    virtual std::size_t write(const std::uint8_t* frames, std::size_t count) = 0;
    // Frames queued and not yet heard.
    virtual std::size_t queued() = 0;
    // Starts playback of what is queued; called once for each opening.
    virtual void start() = 0;
    // The send's last frames are queued; only waiting for them to be heard and
    // the close follow. A device may follow them with silence of its own, which
    // it never counts as queued and which the close drops.
    virtual void last_queued() {}
    // Returns once everything queued has been heard, then closes the device.
    virtual void drain_and_close() = 0;
    // Drops what is queued and closes the device, never waiting for it, even
    // when it has stalled: Escape, and a device that failed or stalled.
    virtual void close_at_once() = 0;

    // Waits at most `most` for the device to take some of what is queued, and
    // keeps the windows alive; may return early, when a window message comes.
    virtual void wait_for_room(Clock::duration most) = 0;
    // Waits at most `most`, keeping the windows alive; may return early.
    virtual void sleep(Clock::duration most) = 0;
    virtual Clock::time_point now() = 0;

    static constexpr std::size_t kFailed = static_cast<std::size_t>(-1);
};

// The device of this build's backend.
Device& device();

// The rules of the stream, over one device. A send is every play and pause
// from the first after the previous send's end until end().
class Stream {
  public:
    explicit Stream(Device& device) : device_(device) {}

    // Queues the frames (little-endian samples) after the silence owed;
    // returns once they are queued.
    void play(const std::uint8_t* frames, std::size_t count);
    // A pause of `ms` milliseconds: silence owed, written before the next sound,
    // or a wait where no device could be opened; after a stop, owed to the next send.
    void pause(std::int32_t ms);
    // Drops what is queued; every further play of this send returns at once.
    // Outside a send it does nothing.
    void stop();
    bool stopped() const { return stopped_; }
    // Returns once the send's last element has been heard, then closes the
    // device; the silence still owed becomes the start of the next send.
    void end();

  private:
    bool begin_send();
    void start_playback();
    void write(const std::uint8_t* frames, std::size_t count);
    void write_owed_silence();
    void sleep_owed_silence();
    void wait_while_heard();
    void close_device_at_once();

    Device& device_;
    bool sending_ = false;
    bool open_ = false;
    bool started_ = false;
    bool stopped_ = false;
    std::size_t owed_frames_ = 0;
    std::int64_t carried_tenths_ = 0;  // of a sample, left by the pauses so far
    std::size_t queued_since_open_ = 0;
    Clock::time_point stopped_at_{};
    Clock::time_point quiet_until_{};  // where the previous send's owed silence ends
    Clock::time_point last_progress_{};
};

// The stream that the sound and sleep services share.
Stream& shared();

}  // namespace korvane::stream
