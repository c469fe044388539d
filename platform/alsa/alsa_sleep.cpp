// Pauses: silence owed to the shared stream when the device works, a thread
// sleep otherwise, which keeps the windows alive and ends at once in a stopped send.

#include <time.h>

#include <algorithm>
#include <cstdint>

#include "platform/alsa/alsa_stream.h"
#include "platform/dialog.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "platform/wave_image.h"

namespace korvane {
namespace {

// A millisecond is 44.1 samples; pauses are counted in tenths of a sample so
// that the fraction left by one pause is carried into the next and the
// stream never drifts a whole sample from the millisecond schedule.
constexpr std::int64_t kTenthsPerMs = platform::kSampleRate / 100;
constexpr std::int64_t kTenthsPerSample = 10;
std::int64_t carried_tenths = 0;
// A thread sleep wakes this often to keep the windows alive.
constexpr std::int64_t kSliceNs = 10'000'000;
constexpr std::int64_t kNsPerSecond = 1'000'000'000;

void write_pause(std::int32_t ms) {
    const std::int64_t tenths = ms * kTenthsPerMs + carried_tenths;
    carried_tenths = tenths % kTenthsPerSample;
    alsa::owe_silence(static_cast<std::size_t>(tenths / kTenthsPerSample));
}

std::int64_t monotonic_ns() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * kNsPerSecond + now.tv_nsec;
}

// Sleeps to a deadline in slices, so that the pause keeps its length however
// long the windows take between them; an interrupted slice is simply slept again.
void sleep_thread(std::int32_t ms) {
    const std::int64_t deadline = monotonic_ns() + ms * (kNsPerSecond / 1000);
    for (std::int64_t now = monotonic_ns(); now < deadline; now = monotonic_ns()) {
        platform::keep_windows_alive();
        if (platform::send_stopped()) {
            return;
        }
        const std::int64_t until = std::min(deadline, now + kSliceNs);
        const timespec wake{until / kNsPerSecond, until % kNsPerSecond};
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr);
    }
}

}  // namespace

void platform::sleep_ms(std::int32_t ms) {
    if (ms <= 0) {
        return;
    }
    if (alsa::open_stream()) {
        write_pause(ms);
    } else {
        sleep_thread(ms);
    }
}

}  // namespace korvane
