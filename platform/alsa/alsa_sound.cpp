// Playing an element image: its samples go straight into the shared stream.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/alsa/alsa_stream.h"
#include "platform/sound.h"

namespace korvane {
namespace {

constexpr std::size_t kHeaderBytes = 44;
constexpr std::uint32_t kPcmFormat = 1;
constexpr std::uint32_t kChannels = 1;
constexpr std::uint32_t kRate = 44100;
constexpr std::uint32_t kBitsPerSample = 16;
constexpr std::uint32_t kFrameBytes = 2;

std::uint32_t u16_at(const std::uint8_t* image, std::size_t at) {
    return static_cast<std::uint32_t>(image[at]) | static_cast<std::uint32_t>(image[at + 1]) << 8;
}

std::uint32_t u32_at(const std::uint8_t* image, std::size_t at) {
    return u16_at(image, at) | u16_at(image, at + 2) << 16;
}

bool tag_at(const std::uint8_t* image, std::size_t at, const char (&tag)[5]) {
    return std::memcmp(image + at, tag, 4) == 0;
}

// Only the one layout the stream was opened for is played; anything else is refused.
bool is_stream_format(const std::uint8_t* image) {
    return tag_at(image, 0, "RIFF") && tag_at(image, 8, "WAVE") && tag_at(image, 12, "fmt ") &&
           tag_at(image, 36, "data") && u16_at(image, 20) == kPcmFormat &&
           u16_at(image, 22) == kChannels && u32_at(image, 24) == kRate &&
           u16_at(image, 34) == kBitsPerSample;
}

}  // namespace

void platform::play_wave_image(const std::uint8_t* image) {
    if (image == nullptr || !is_stream_format(image) || !alsa::open_stream()) {
        return;
    }
    alsa::write_frames(image + kHeaderBytes, u32_at(image, 40) / kFrameBytes);
}

}  // namespace korvane
