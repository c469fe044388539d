// Any bytes as the settings file: loading it, building the images from what was
// loaded and saving must never fail, and the save must keep every byte behind
// the record and the stored pitch exactly as they were.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/settings.h"
#include "morse/tone.h"
#include "tests/fuzz/scratch_dir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

Bytes read_settings() {
    std::ifstream in(korvane::kSettingsFileName, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::filesystem::current_path(korvane::fuzzing::scratch_dir());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes stored(data, data + size);
    std::ofstream(korvane::kSettingsFileName, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    korvane::load_settings();
    korvane::build_tones();
    korvane::save_settings();

    const Bytes saved = read_settings();
    require(saved.size() == std::max<std::size_t>(size, 4));
    require(std::equal(stored.begin() + std::min<std::size_t>(size, 4), stored.end(),
                       saved.begin() + std::min<std::size_t>(size, 4)));
    if (size >= 2) {
        require(saved[0] == stored[0] && saved[1] == stored[1]);
    }
    require(korvane::platform::wave_sample_count(korvane::dit_image.data()) <=
            korvane::kImageSamples);
    require(korvane::platform::wave_sample_count(korvane::dah_image.data()) <=
            korvane::kImageSamples);
    return 0;
}
