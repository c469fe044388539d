// The fuzz targets, one per build of this file, named by the definition
// KORVANE_FUZZ_settings, KORVANE_FUZZ_file_bytes or KORVANE_FUZZ_name_filter.
// Each works in a fresh temporary directory, its working directory.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/settings.h"
#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "practice/code_from_file.h"
#include "practice/file_bytes.h"
#include "practice/text_tables.h"
#include "tests/support/temp_dir.h"

namespace {

const korvane::testing::TempDir scratch("fuzz");

// A property that does not hold ends the run as a crash, with the input kept.
const auto require = [](bool holds) { return holds ? void() : std::abort(); };

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::filesystem::current_path(scratch.path());
    korvane::fill_text_tables();
    korvane::recompute_timing();
    korvane::build_tones();
    return 0;
}

#if defined(KORVANE_FUZZ_settings)
// Any bytes as the settings file: loading, building the images and saving keep
// every byte but the speed's, and the file at least as long as the 4-byte record.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string stored(reinterpret_cast<const char*>(data), size);
    korvane::testing::write_text(korvane::kSettingsFileName, stored);
    korvane::load_settings();
    korvane::build_tones();
    korvane::save_settings();
    const std::string saved = korvane::testing::read_text(korvane::kSettingsFileName);
    require(saved.size() == std::max<std::size_t>(size, 4));
    for (std::size_t i = 0; i < size; ++i) {
        require(saved[i] == stored[i] || i == 2 || i == 3);
    }
    return 0;
}

#elif defined(KORVANE_FUZZ_file_bytes)
// Any bytes as a practice file: nothing but the two images and the three
// pauses is heard, and each byte from "," to "Z" and "a" to "z" ends in one
// character pause.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using korvane::fake::SoundEvent;
    korvane::fake::reset();
    std::size_t coded = 0;
    for (std::size_t i = 0; i < size; ++i) {
        korvane::send_file_byte(data[i], i == 0);
        coded += (data[i] >= ',' && data[i] <= 'Z') || (data[i] >= 'a' && data[i] <= 'z');
    }
    const std::set<std::int32_t> pauses{korvane::dot_ms, korvane::dash_ms, korvane::word_gap_ms};
    const std::set<const std::uint8_t*> images{korvane::dit_image.data(),
                                               korvane::dah_image.data()};
    for (const SoundEvent& event : korvane::fake::sound_events()) {
        const bool pause = event.kind == SoundEvent::Kind::pause;
        require(pause ? pauses.contains(event.ms) : images.contains(event.image));
        coded -= pause && event.ms == korvane::dash_ms;
    }
    require(coded == 0);
    return 0;
}

#elif defined(KORVANE_FUZZ_name_filter)
// Any name for a file: it is listed after ".." exactly when it ends in ".txt",
// ".bat" or ".dat" in any letter case. Names of dots only and paths are no names.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    if (name.find_first_not_of('.') == std::string::npos ||
        name.find_first_of(std::string("/\0", 2)) != std::string::npos || !std::ofstream(name)) {
        return -1;
    }
    korvane::browse_dir = scratch.path().string() + "/";
    korvane::list_directory();
    std::filesystem::remove(name);
    static const std::regex practice_file("\\.(txt|bat|dat)$", std::regex::icase);
    using Lines = std::vector<std::string>;
    require(korvane::FileList ==
            (std::regex_search(name, practice_file) ? Lines{"..", name} : Lines{".."}));
    return 0;
}
#endif
