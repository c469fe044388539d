#pragma once
// What the logic tests share: a fresh program in a fresh working directory, the
// recorded sounds as text, and whole files.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace korvane::testing {

// The recorded sounds: "." and "-" for the dot and the dash image, nothing for a
// 120 ms pause, " " for 360 ms, "/ " for 840 ms and "(N)" for any other pause of N ms.
std::string sounds();

// Queues the user of the next modal dialog: clicks the controls `ids` in turn, where
// 0 stands for a request to close the dialog.
void script_clicks(std::vector<int> ids);

// Speed 10 wpm and pitch 1200 Hz, filled tables, built images and an empty fake
// platform, in a fresh temporary working directory.
class Logic : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override { std::filesystem::current_path(previous_); }

    TempDir dir_{"logic"};
    const std::string here_ = dir_ / "";  // the directory as the program writes one

  private:
    std::filesystem::path previous_ = std::filesystem::current_path();
};

}  // namespace korvane::testing
