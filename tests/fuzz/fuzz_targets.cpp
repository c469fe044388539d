// The fuzz targets, one per build of this file, chosen by the definition
// KORVANE_FUZZ_settings, KORVANE_FUZZ_file_bytes or KORVANE_FUZZ_name_filter.
// Each works in a fresh temporary directory, its working directory, with the
// default settings loaded and the tones built. A property that does not hold
// ends the run as a crash, with the input kept.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "app/settings.h"
#include "morse/morse_values.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "practice/code_from_file.h"
#include "practice/file_bytes.h"
#include "tests/support/temp_dir.h"

using namespace korvane;

const testing::TempDir scratch("fuzz");
const auto require = [](bool holds) { return holds ? void() : std::abort(); };

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::filesystem::current_path(scratch.path());
    browse_dir = scratch.path().string() + "/";
    load_settings();
    build_tones();
    return 0;
}

// One body per build, for any bytes as:
// - settings: the settings file. Loading, building the images and saving keep
//   every byte but the speed's, and the file at least as long as the 4-byte record.
// - file_bytes: a practice file. Nothing but the two images and the three pauses
//   is heard, and each byte from "," to "Z" and "a" to "z" ends in one character pause.
// - name_filter: a file's name. It is listed after ".." exactly when it ends in
//   ".txt", ".bat" or ".dat" in any letter case. Paths are no names, nor are "."
//   and "..", which cannot be files; a return of -1 keeps them out of the corpus.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#if defined(KORVANE_FUZZ_settings)
    testing::write_text(kSettingsFileName, std::string(reinterpret_cast<const char*>(data), size));
    load_settings();
    build_tones();
    save_settings();
    const std::string saved = testing::read_text(kSettingsFileName);
    require(saved.size() == (size < 4 ? 4 : size));
    for (std::size_t i = 0; i < size; ++i) {
        require(saved[i] == static_cast<char>(data[i]) || i == 2 || i == 3);
    }
#elif defined(KORVANE_FUZZ_file_bytes)
    fake::state = {};
    std::size_t coded = 0;
    for (std::size_t i = 0; i < size; ++i) {
        send_file_byte(data[i], i == 0);
        coded += (data[i] >= ',' && data[i] <= 'Z') || (data[i] >= 'a' && data[i] <= 'z');
    }
    for (const fake::SoundEvent& event : fake::state.sound_events) {
        require(event.image ? event.image == dit_image.data() || event.image == dah_image.data()
                            : event.ms == dot_ms || event.ms == dash_ms || event.ms == word_gap_ms);
        coded -= !event.image && event.ms == dash_ms;
    }
    require(coded == 0);
#elif defined(KORVANE_FUZZ_name_filter)
    const std::string name(reinterpret_cast<const char*>(data), size);
    if (name.find_first_of(std::string("/\0", 2)) != std::string::npos || !std::ofstream(name)) {
        return -1;
    }
    list_directory();
    std::filesystem::remove(name);
    static const std::regex practice_file("\\.(txt|bat|dat)$", std::regex::icase);
    using Lines = std::vector<std::string>;
    require(FileList == (std::regex_search(name, practice_file) ? Lines{"..", name} : Lines{".."}));
#endif
    return 0;
}
