#pragma once
// A capture of the `default` ALSA device into a WAV file, through a test-only
// ALSA configuration that replaces the system's.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace korvane::testing {

struct WavContents {
    std::uint32_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t bits = 0;
    std::vector<std::int16_t> samples;  // everything after the "data" chunk header
};

// Reads a WAV file written by ALSA's file plugin, whose chunk sizes may be unpatched.
WavContents read_wav(const std::filesystem::path& path);

// A fresh temporary directory for ALSA configurations and captures; while it
// lives, ALSA_CONFIG_PATH names the configuration given last, which replaces
// the system's, so it must be read before the process first opens a device.
class AlsaSandbox {
  public:
    AlsaSandbox();
    ~AlsaSandbox();
    AlsaSandbox(const AlsaSandbox&) = delete;
    AlsaSandbox& operator=(const AlsaSandbox&) = delete;

    void configure(const std::string& text);

    // Makes `default` a device that writes everything played to capture(), at once.
    void capture_to_file();

    std::filesystem::path capture() const { return dir_ / "capture.wav"; }

  private:
    std::filesystem::path dir_;
};

}  // namespace korvane::testing
