#include "morse/tone.h"

#include <cmath>

#include "app/shared_values.h"

namespace korvane {
namespace {

void put_u16(WaveImage& image, std::size_t at, std::uint32_t value) {
    image[at] = static_cast<std::uint8_t>(value);
    image[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put_u32(WaveImage& image, std::size_t at, std::uint32_t value) {
    put_u16(image, at, value & 0xFFFFu);
    put_u16(image, at + 2, value >> 16);
}

void put_tag(WaveImage& image, std::size_t at, const char (&tag)[5]) {
    for (std::size_t i = 0; i < 4; ++i) {
        image[at + i] = static_cast<std::uint8_t>(tag[i]);
    }
}

void write_header(WaveImage& image, std::uint32_t samples) {
    put_tag(image, 0, "RIFF");
    put_u32(image, 4, 36 + 2 * samples);
    put_tag(image, 8, "WAVE");
    put_tag(image, 12, "fmt ");
    put_u32(image, 16, 16);
    put_u16(image, 20, 1);  // PCM
    put_u16(image, 22, 1);  // mono
    put_u32(image, 24, kSampleRate);
    put_u32(image, 28, kSampleRate * 2);
    put_u16(image, 32, 2);
    put_u16(image, 34, 16);
    put_tag(image, 36, "data");
    put_u32(image, 40, 2 * samples);
}

// Every cycle restarts at phase 0 and takes samples while the phase, advanced
// by `step` in extended precision, does not exceed the limit.
void build_image(WaveImage& image, std::int32_t duration_ms, long double step) {
    const std::int64_t cycles =
        pitch_hz > 0 && duration_ms > 0 ? std::int64_t{duration_ms} * pitch_hz / 1000 : 0;
    std::size_t n = 0;
    for (std::int64_t cycle = 0; cycle < cycles; ++cycle) {
        for (long double phase = 0.0L; phase <= kPhaseLimit && n < kImageSamples; phase += step) {
            const long double sample = std::nearbyint(kAmplitude * std::sin(phase));
            put_u16(image, kWaveHeaderBytes + 2 * n,
                    static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)));
            ++n;
        }
    }
    write_header(image, static_cast<std::uint32_t>(n));
}

}  // namespace

void build_tones() {
    // Two divisions in this order; the step is not kPhaseLimit * pitch / 44100.
    const long double quotient = static_cast<long double>(kSampleRate) / pitch_hz;
    const long double step = kPhaseLimit / quotient;
    build_image(dit_image, dot_ms, step);
    build_image(dah_image, dash_ms, step);
}

std::uint32_t image_samples(const WaveImage& image) {
    const std::uint32_t data_bytes =
        image[40] | image[41] << 8 | image[42] << 16 | static_cast<std::uint32_t>(image[43]) << 24;
    return data_bytes / 2;
}

}  // namespace korvane
