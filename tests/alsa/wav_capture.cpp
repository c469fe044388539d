#include "tests/alsa/wav_capture.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <random>

namespace korvane::testing {
namespace {

std::uint32_t u16_at(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes.at(at) | bytes.at(at + 1) << 8;
}

std::uint32_t u32_at(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return u16_at(bytes, at) | u16_at(bytes, at + 2) << 16;
}

std::string tag_at(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + 4)};
}

}  // namespace

WavContents read_wav(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    WavContents wav;
    std::size_t at = 12;
    while (at + 8 <= bytes.size() && tag_at(bytes, at) != "data") {
        if (tag_at(bytes, at) == "fmt ") {
            wav.channels = u16_at(bytes, at + 10);
            wav.rate = u32_at(bytes, at + 12);
            wav.bits = u16_at(bytes, at + 22);
        }
        at += 8 + ((u32_at(bytes, at + 4) + 1) & ~1u);
    }
    for (at += 8; at + 1 < bytes.size(); at += 2) {
        wav.samples.push_back(static_cast<std::int16_t>(u16_at(bytes, at)));
    }
    return wav;
}

AlsaSandbox::AlsaSandbox() {
    std::random_device seed;
    dir_ = std::filesystem::temp_directory_path() /
           ("korvane-alsa-" + std::to_string(seed()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(dir_);
}

AlsaSandbox::~AlsaSandbox() {
    ::unsetenv("ALSA_CONFIG_PATH");
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

void AlsaSandbox::configure(const std::string& text) {
    const auto config = dir_ / "asound.conf";
    std::ofstream(config) << text;
    ::setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
}

void AlsaSandbox::capture_to_file() {
    configure(
        "pcm.!default {\n"
        "    type file\n"
        "    slave.pcm { type null }\n"
        "    file \"" +
        capture().string() +
        "\"\n"
        "    format \"wav\"\n"
        "}\n");
}

}  // namespace korvane::testing
