#include "tests/support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

std::string unique_suffix() {
    static std::atomic<unsigned> count{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::to_string(now) + "-" + std::to_string(count++);
}

}  // namespace

TempDir::TempDir(const std::string& purpose)
    : dir_(fs::temp_directory_path() / ("korvane-" + purpose + "-" + unique_suffix())) {
    fs::create_directories(dir_);
}

// Entries a test made read-only or unreadable would resist removal.
TempDir::~TempDir() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(dir_, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(dir_, ignored);
}

std::string read_text(const std::filesystem::path& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

void write_text(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace korvane::testing
