#pragma once
// A fresh temporary directory, removed with everything in it, and whole files
// as bytes: the one way every test and fuzz target makes and reads its files.

#include <filesystem>
#include <string>

namespace korvane::testing {

class TempDir {
  public:
    explicit TempDir(const std::string& purpose = "test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }
    // The directory's path joined with `name`, as the platform writes paths.
    std::string operator/(const std::string& name) const { return (dir_ / name).string(); }

  private:
    std::filesystem::path dir_;
};

// The whole file, or "" when it cannot be read; and a file made to hold `bytes`.
std::string read_text(const std::filesystem::path& path);
void write_text(const std::filesystem::path& path, const std::string& bytes);

}  // namespace korvane::testing
