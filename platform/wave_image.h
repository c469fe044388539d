#pragma once
// The one sound layout the program plays: a RIFF/WAVE image in memory, 44,100 Hz,
// signed 16-bit little-endian mono PCM, its samples right after a 44-byte header.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace korvane::platform {

inline constexpr std::uint32_t kSampleRate = 44100;
inline constexpr std::size_t kWaveHeaderBytes = 44;
inline constexpr std::uint32_t kSampleBytes = 2;

inline void put_u16le(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

inline std::uint32_t u16le(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8;
}

inline std::uint32_t u32le(const std::uint8_t* at) {
    return u16le(at) | u16le(at + 2) << 16;
}

// Writes the header of an image that holds `samples` samples.
inline void write_wave_header(std::uint8_t* image, std::uint32_t samples) {
    const auto put_u32 = [image](std::size_t at, std::uint32_t value) {
        put_u16le(image + at, value & 0xFFFFu);
        put_u16le(image + at + 2, value >> 16);
    };
    std::memcpy(image, "RIFF", 4);
    put_u32(4, 36 + kSampleBytes * samples);
    std::memcpy(image + 8, "WAVEfmt ", 8);
    put_u32(16, 16);
    put_u16le(image + 20, 1);  // PCM
    put_u16le(image + 22, 1);  // mono
    put_u32(24, kSampleRate);
    put_u32(28, kSampleRate * kSampleBytes);
    put_u16le(image + 32, kSampleBytes);
    put_u16le(image + 34, 8 * kSampleBytes);
    std::memcpy(image + 36, "data", 4);
    put_u32(40, kSampleBytes * samples);
}

// The sample count that an image's header gives.
inline std::uint32_t wave_sample_count(const std::uint8_t* image) {
    return u32le(image + 40) / kSampleBytes;
}

// True for an image of exactly this layout; anything else is not played.
inline bool is_program_wave(const std::uint8_t* image) {
    return std::memcmp(image, "RIFF", 4) == 0 && std::memcmp(image + 8, "WAVEfmt ", 8) == 0 &&
           std::memcmp(image + 36, "data", 4) == 0 && u16le(image + 20) == 1 &&
           u16le(image + 22) == 1 && u32le(image + 24) == kSampleRate &&
           u16le(image + 34) == 8 * kSampleBytes;
}

}  // namespace korvane::platform
