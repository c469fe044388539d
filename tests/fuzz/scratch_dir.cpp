#include "tests/fuzz/scratch_dir.h"

#include <stdlib.h>

#include <cstdlib>
#include <string>

namespace korvane::fuzzing {
namespace {

std::filesystem::path created;

void remove_created() {
    std::error_code ignored;
    std::filesystem::remove_all(created, ignored);
}

}  // namespace

std::filesystem::path scratch_dir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvane-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    created = pattern;
    std::atexit(remove_created);
    return created;
}

}  // namespace korvane::fuzzing
