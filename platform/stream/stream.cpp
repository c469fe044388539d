// The stream carries the timing: a pause is silence owed to it, written just
// before the next sound, so what is heard keeps sample-exact time whatever the
// program's thread does, as long as it stays within the device's buffer. A
// send therefore ends with its last element; the silence it still owes is kept
// as a deadline, and the next send starts with what is left of it, so that two
// sends never run together.

#include "platform/stream/stream.h"

#include <algorithm>
#include <array>

namespace korvane::stream {
namespace {

// A millisecond is 44.1 samples: pauses are counted in tenths of a sample, and
// the fraction that one pause leaves is carried into the next, so a send never
// drifts a whole sample from its millisecond schedule.
constexpr std::int64_t kTenthsPerMs = platform::kSampleRate / 100;
constexpr std::int64_t kTenthsPerSample = 10;

constexpr std::size_t kSilenceFrames = platform::kSampleRate / 10;
const std::array<std::uint8_t, kSilenceFrames * platform::kSampleBytes> kSilence{};

// How long one wait for room, for the clock or for the last element lasts at
// most: the windows are kept alive between two of them.
constexpr std::chrono::milliseconds kWaitSlice{10};
constexpr Clock::duration kDrainSliceLeast = std::chrono::milliseconds(1);
// The end of a send leaves this much to one blocking drain, which never clips
// the last element however the device counts what it holds.
constexpr std::size_t kDrainedAtOnce = platform::kSampleRate / 100;

std::size_t frames_in(Clock::duration span) {
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(span).count();
    return static_cast<std::size_t>(us * platform::kSampleRate / 1'000'000);
}

}  // namespace

void Stream::play(const std::uint8_t* frames, std::size_t count) {
    if (!begin_send()) {
        return;
    }
    if (open_) {
        write_owed_silence();
        write(frames, count);
    } else {
        sleep_owed_silence();
    }
}

// A pause asked for after a stop is owed all the same, so that whatever
// follows a stopped send keeps the distance the cut character owes.
void Stream::pause(std::int32_t ms) {
    if (ms <= 0) {
        return;
    }
    begin_send();
    const std::int64_t tenths = ms * kTenthsPerMs + carried_tenths_;
    carried_tenths_ = tenths % kTenthsPerSample;
    owed_frames_ += static_cast<std::size_t>(tenths / kTenthsPerSample);
}

void Stream::stop() {
    if (sending_ && !stopped_) {
        stopped_ = true;
        stopped_at_ = device_.now();
        close_device_at_once();
    }
}

// A click handler that sent nothing ends no send, and keeps the deadline.
void Stream::end() {
    if (!sending_) {
        return;
    }
    if (open_ && !stopped_) {
        device_.last_queued();
        start_playback();  // a send shorter than the lead has not started yet
        wait_while_heard();
    }
    // The pause owed counts from the moment the last element has been heard,
    // not from the close, which may wait for silence a device adds behind it;
    // a stopped send's from the moment it fell silent.
    const auto heard_at = device_.now() + duration_of(open_ ? device_.queued() : 0);
    if (open_) {
        device_.drain_and_close();
        open_ = false;
    }
    quiet_until_ = (stopped_ ? stopped_at_ : heard_at) + duration_of(owed_frames_);
    sending_ = stopped_ = false;
    owed_frames_ = 0;
    carried_tenths_ = 0;
}

// The first play or pause of a send opens the device, which is tried afresh for
// every send, and owes what is left of the silence the previous send owed.
bool Stream::begin_send() {
    if (!sending_) {
        sending_ = true;
        open_ = device_.open();
        started_ = false;
        queued_since_open_ = 0;
        const auto now = device_.now();
        last_progress_ = now;
        owed_frames_ = quiet_until_ > now ? frames_in(quiet_until_ - now) : 0;
    }
    return !stopped_;
}

void Stream::start_playback() {
    if (!started_ && queued_since_open_ > 0) {
        device_.start();
        started_ = true;
    }
}

// Waits while the device is full. A device that takes nothing for the stall
// limit is given up, and the send goes on silently with its pauses slept.
void Stream::write(const std::uint8_t* frames, std::size_t count) {
    while (count > 0 && open_ && !stopped_) {
        const std::size_t taken = device_.write(frames, count);
        if (taken == Device::kFailed) {
            close_device_at_once();
        } else if (taken > 0) {
            frames += taken * platform::kSampleBytes;
            count -= taken;
            queued_since_open_ += taken;
            last_progress_ = device_.now();
            if (queued_since_open_ >= kLeadFrames) {
                start_playback();
            }
        } else if (device_.now() - last_progress_ >= kStallLimit) {
            close_device_at_once();
        } else {
            start_playback();  // a full device plays, whatever the lead
            device_.wait_for_room(kWaitSlice);
        }
    }
}

void Stream::write_owed_silence() {
    while (owed_frames_ > 0 && open_ && !stopped_) {
        const std::size_t chunk = std::min(owed_frames_, kSilenceFrames);
        owed_frames_ -= chunk;
        write(kSilence.data(), chunk);
    }
}

// Without a device the silence is a wait to its end, which Escape cuts short.
void Stream::sleep_owed_silence() {
    const auto until = device_.now() + duration_of(owed_frames_);
    owed_frames_ = 0;
    for (auto now = device_.now(); now < until && !stopped_; now = device_.now()) {
        device_.sleep(std::min<Clock::duration>(until - now, kWaitSlice));
    }
}

// Waits until all but the last few milliseconds have been heard, keeping the
// windows alive so that Escape still drops the rest.
void Stream::wait_while_heard() {
    for (std::size_t queued = device_.queued(); open_ && !stopped_ && queued > kDrainedAtOnce;) {
        if (device_.now() - last_progress_ >= kStallLimit) {
            close_device_at_once();
            return;
        }
        device_.sleep(std::clamp(duration_of(queued - kDrainedAtOnce), kDrainSliceLeast,
                                 Clock::duration(kDrainSlice)));
        const std::size_t left = device_.queued();
        if (left < queued) {
            last_progress_ = device_.now();
        }
        queued = left;
    }
}

void Stream::close_device_at_once() {
    if (open_) {
        device_.close_at_once();
        open_ = false;
    }
}

}  // namespace korvane::stream
