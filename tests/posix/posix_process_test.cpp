// The help page opener, with a stand-in `xdg-open` first on PATH that takes its
// time, then notes its argument and its nice value. The process ends with this
// test, so the raised priority, PATH and working directory are not put back.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <thread>

#include "platform/process.h"
#include "tests/support/temp_dir.h"

namespace korvane {

namespace fs = std::filesystem;

// A user who may not raise the priority (not root) checks the rest all the same.
TEST(PosixProcessTest, TheOpenerRunsDetachedAtNormalPriorityWithTheWholePathAndIsReaped) {
    const testing::TempDir dir("posix");
    fs::current_path(dir.path());
    testing::write_text("korvane.htm", "<html></html>");
    testing::write_text("xdg-open", "#!/bin/sh\nsleep 1\necho \"$1 $(nice)\" >opened\n");
    fs::permissions("xdg-open", fs::perms::owner_all);
    ::setenv("PATH", (dir.path().string() + ":" + ::getenv("PATH")).c_str(), 1);
    platform::raise_priority();
    platform::open_help_page("korvane.htm");
    EXPECT_FALSE(fs::exists("opened")) << "the program waited for the opener";
    // Until the opener has noted its page and ended, and this process has no
    // child left, not even a zombie: a zombie keeps the test waiting until its
    // time runs out.
    siginfo_t child{};
    while (!fs::exists("opened") || ::waitid(P_ALL, 0, &child, WEXITED | WNOHANG | WNOWAIT) == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(testing::read_text("opened"), dir / "korvane.htm" + " 0\n");
}

}  // namespace korvane
