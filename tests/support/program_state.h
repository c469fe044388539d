#pragma once
// Puts the program's process-wide state and the fake platform back to a fresh start.

#include <filesystem>

#include <gtest/gtest.h>

namespace korvane::testing {

// Defaults for speed and pitch, filled tables, built images, empty fake platform.
void reset_program();

// A fresh program in a fresh temporary working directory, restored afterwards.
class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path dir_;

  private:
    std::filesystem::path previous_dir_;
};

}  // namespace korvane::testing
