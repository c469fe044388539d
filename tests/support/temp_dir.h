#pragma once
// A fresh temporary directory, removed with everything in it, and whole files
// as bytes: the one way every test and fuzz target makes and reads its files.
// dir / name is the directory's path joined with `name`, as the platform writes paths.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace korvane::testing {

class TempDir {
  public:
    explicit TempDir(const std::string& purpose = "test");
    ~TempDir();
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
