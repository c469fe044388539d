// Any name in a directory listing: one entry is created in an empty directory
// (a directory when the input's first byte is odd, else a file, named by the
// rest) and the directory is listed. ".." always heads the list; a directory
// is always listed; a file only when its name ends in ".txt", ".bat" or
// ".dat" in any letter case.

#include <strings.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/file_window.h"
#include "app/practice_buttons.h"
#include "practice/code_from_file.h"
#include "practice/qso_practice.h"
#include "practice/text_tables.h"
#include "tests/fuzz/scratch_dir.h"

namespace {

constexpr std::size_t kLongestName = 255;
std::filesystem::path listed_dir;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool is_single_name(const std::string& name) {
    return !name.empty() && name.size() <= kLongestName && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

bool ends_in_practice_extension(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    const char* tail = name.c_str() + name.size() - 4;
    return strcasecmp(tail, ".txt") == 0 || strcasecmp(tail, ".bat") == 0 ||
           strcasecmp(tail, ".dat") == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    listed_dir = korvane::fuzzing::scratch_dir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return -1;
    }
    const bool as_directory = data[0] & 1;
    const std::string name(reinterpret_cast<const char*>(data + 1), size - 1);
    if (!is_single_name(name)) {
        return -1;
    }
    const auto entry = listed_dir / name;
    if (as_directory) {
        std::filesystem::create_directory(entry);
    } else {
        std::ofstream{entry};
    }
    if (!std::filesystem::exists(entry)) {
        return -1;
    }

    korvane::browse_dir = listed_dir.string() + "/";
    korvane::list_directory();
    const bool listed = as_directory || ends_in_practice_extension(name);
    const std::vector<std::string> expected =
        listed ? std::vector<std::string>{"..", name} : std::vector<std::string>{".."};
    require(korvane::FileList == expected);

    std::filesystem::remove(entry);
    return 0;
}
