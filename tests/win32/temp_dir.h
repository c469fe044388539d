#pragma once
// A fresh temporary directory for one test, removed with everything in it.

#include <windows.h>

#include <filesystem>
#include <string>

namespace korvane::testing {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory's path followed by `name`, with the Windows separator.
    std::string path(const std::string& name = "") const;

  private:
    std::filesystem::path dir_;
};

}  // namespace korvane::testing
