#pragma once
// The two element images: complete RIFF/WAVE files of one dot and one dash.

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/wave_image.h"

namespace korvane {

inline constexpr std::int32_t kAmplitude = 32760;
// One cycle's phase runs up to this value, 2 pi to ten decimals rather than to
// full precision: the samples (and how many a cycle takes) follow from it.
inline constexpr long double kPhaseLimit = 6.2831853072L;

// The longest element any stored setting can ask for: a dash at 1 wpm (3600 ms)
// at the pitch whose cycles hold the most samples over that time.
constexpr std::size_t largest_element_samples() {
    constexpr std::int64_t kLongestDashMs = 3600;
    constexpr std::int64_t kHighestPitch = 32767;
    std::int64_t largest = 0;
    for (std::int64_t pitch = 1; pitch <= kHighestPitch; ++pitch) {
        const std::int64_t cycles = kLongestDashMs * pitch / 1000;
        const std::int64_t most_per_cycle = platform::kSampleRate / pitch + 1;
        largest = cycles * most_per_cycle > largest ? cycles * most_per_cycle : largest;
    }
    return static_cast<std::size_t>(largest);
}

inline constexpr std::size_t kImageSamples = largest_element_samples();
inline constexpr std::size_t kWaveImageBytes =
    platform::kWaveHeaderBytes + platform::kSampleBytes * kImageSamples;

// A header followed by signed 16-bit little-endian mono samples.
using WaveImage = std::array<std::uint8_t, kWaveImageBytes>;

inline WaveImage dit_image;
inline WaveImage dah_image;

// Rebuilds both images from pitch_hz, dot_ms and dash_ms.
void build_tones();

}  // namespace korvane
