#include "morse/tone.h"

#include <cmath>

#include "morse/morse_values.h"

namespace korvane {
namespace {

void put_sample(WaveImage& image, std::size_t n, long double sample) {
    platform::put_u16le(image.data() + platform::kWaveHeaderBytes + platform::kSampleBytes * n,
                        static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)));
}

// Every cycle restarts at phase 0 and takes samples while the phase, advanced
// by `step` in extended precision, does not exceed the limit.
void build_image(WaveImage& image, std::int32_t duration_ms, long double step) {
    const std::int64_t cycles =
        pitch_hz > 0 && duration_ms > 0 ? std::int64_t{duration_ms} * pitch_hz / 1000 : 0;
    std::size_t n = 0;
    for (std::int64_t cycle = 0; cycle < cycles; ++cycle) {
        for (long double phase = 0.0L; phase <= kPhaseLimit && n < kImageSamples; phase += step) {
            put_sample(image, n++, std::nearbyint(kAmplitude * std::sin(phase)));
        }
    }
    platform::write_wave_header(image.data(), static_cast<std::uint32_t>(n));
}

}  // namespace

void build_tones() {
    // Two divisions in this order; the step is not kPhaseLimit * pitch / 44100.
    const long double quotient = static_cast<long double>(platform::kSampleRate) / pitch_hz;
    const long double step = kPhaseLimit / quotient;
    build_image(dit_image, dot_ms, step);
    build_image(dah_image, dash_ms, step);
}

}  // namespace korvane
