// Pauses: silence in the shared stream while it is open, a thread sleep otherwise.

#include <time.h>

#include <cerrno>
#include <cstdint>

#include "platform/alsa/alsa_stream.h"
#include "platform/sleep.h"
#include "platform/wave_image.h"

namespace korvane {
namespace {

// A millisecond is 44.1 samples; pauses are counted in tenths of a sample so
// that the fraction left by one pause is carried into the next and the
// stream never drifts a whole sample from the millisecond schedule.
constexpr std::int64_t kTenthsPerMs = platform::kSampleRate / 100;
constexpr std::int64_t kTenthsPerSample = 10;
std::int64_t carried_tenths = 0;

void write_pause(std::int32_t ms) {
    const std::int64_t tenths = ms * kTenthsPerMs + carried_tenths;
    carried_tenths = tenths % kTenthsPerSample;
    alsa::write_silence(static_cast<std::size_t>(tenths / kTenthsPerSample));
}

void sleep_thread(std::int32_t ms) {
    timespec left{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (clock_nanosleep(CLOCK_MONOTONIC, 0, &left, &left) == EINTR) {
    }
}

}  // namespace

void platform::sleep_ms(std::int32_t ms) {
    if (ms <= 0) {
        return;
    }
    if (alsa::stream_live()) {
        write_pause(ms);
    } else {
        sleep_thread(ms);
    }
}

}  // namespace korvane
