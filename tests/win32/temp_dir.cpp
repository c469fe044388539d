#include "tests/win32/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane::testing {

TempDir::TempDir() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("korvane-win32-" + std::to_string(GetCurrentProcessId()) + "-" + test->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
}

// Read-only files would resist removal.
TempDir::~TempDir() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_, ignored)) {
        SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(dir_, ignored);
}

std::string TempDir::path(const std::string& name) const {
    return dir_.string() + "\\" + name;
}

}  // namespace korvane::testing
