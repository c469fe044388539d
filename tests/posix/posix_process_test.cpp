// The help page opener and the priority, with a stand-in opener found first on PATH.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>

#include "platform/process.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

// Runs in a fresh directory that is also the only place on PATH.
class PosixProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/korvane-posix-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        previous_dir_ = fs::current_path();
        fs::current_path(dir_);
        previous_path_ = ::getenv("PATH");
        ::setenv("PATH", dir_.c_str(), 1);
    }

    void TearDown() override {
        ::setenv("PATH", previous_path_.c_str(), 1);
        ::setpriority(PRIO_PROCESS, 0, 0);
        fs::current_path(previous_dir_);
        fs::remove_all(dir_);
    }

    // An opener that notes its argument and its nice value, then ends.
    void install_opener() const {
        const fs::path opener = dir_ / "xdg-open";
        std::ofstream(opener) << "#!/bin/sh\necho \"$1\" > opened\n"
                              << "/usr/bin/nice >> opened\n";
        fs::permissions(opener, fs::perms::owner_all);
    }

    fs::path dir_;
    fs::path previous_dir_;
    std::string previous_path_;
};

TEST_F(PosixProcessTest, TheOpenerGetsTheWholePathAtNormalPriority) {
    install_opener();
    platform::raise_priority();
    platform::open_help_page("korvane.htm");
    std::ifstream opened(dir_ / "opened");
    std::string page;
    std::string nice;
    std::getline(opened, page);
    std::getline(opened, nice);
    EXPECT_EQ(page, (dir_ / "korvane.htm").string());
    EXPECT_EQ(nice, "0");
}

TEST_F(PosixProcessTest, AMissingOpenerIsNoFailure) {
    platform::open_help_page("korvane.htm");
    EXPECT_FALSE(fs::exists(dir_ / "opened"));
}

}  // namespace
}  // namespace korvane
