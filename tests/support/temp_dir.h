#pragma once
// A fresh temporary directory, removed with everything in it, and whole files
// as bytes: the one way every test makes and reads its files.
// dir / name is the directory's path joined with `name`, as the platform writes paths.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace korvane::testing {

class TempDir {
  public:
    // Making the directory is the test for a free name: test programs that run at
    // the same time never share one.
    explicit TempDir(const std::string& purpose = "test") {
        const auto base = std::filesystem::temp_directory_path() / ("korvane-" + purpose + "-");
        auto n = std::chrono::steady_clock::now().time_since_epoch().count();
        do {
            dir_ = base.string() + std::to_string(n++);
        } while (!std::filesystem::create_directory(dir_));
    }
    // What cannot be removed (a file another process still holds open) is left behind.
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }
    std::string operator/(const std::string& name) const { return (dir_ / name).string(); }

  private:
    std::filesystem::path dir_;
};

// The whole file, or "" when it cannot be read; and a file made to hold `bytes`.
inline std::string read_text(const std::filesystem::path& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

inline void write_text(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace korvane::testing
