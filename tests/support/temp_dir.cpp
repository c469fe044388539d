#include "tests/support/temp_dir.h"

#include <chrono>

namespace korvane::testing {

// Making the directory is the test for a free name: test programs that run at
// the same time never share one.
TempDir::TempDir(const std::string& purpose) {
    const auto base = std::filesystem::temp_directory_path() / ("korvane-" + purpose + "-");
    auto n = std::chrono::steady_clock::now().time_since_epoch().count();
    do {
        dir_ = base.string() + std::to_string(n++);
    } while (!std::filesystem::create_directory(dir_));
}

// What cannot be removed (a file another process still holds open) is left behind.
TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

}  // namespace korvane::testing
