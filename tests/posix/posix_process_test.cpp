// The help page opener, with a stand-in `xdg-open` first on PATH that takes its
// time, then notes its process id, its argument and its nice value. The process
// ends with this test, so the raised priority, PATH and working directory are
// not put back.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <sstream>
#include <thread>

#include "platform/process.h"
#include "tests/support/temp_dir.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

// True once `done` holds, polling for up to ten seconds.
template <typename Condition>
bool eventually(Condition done) {
    for (int i = 0; i < 100 && !done(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return done();
}

TEST(PosixProcessTest, TheOpenerRunsDetachedAtNormalPriorityWithTheWholePathAndIsReaped) {
    const testing::TempDir dir("posix");
    fs::current_path(dir.path());
    testing::write_text("korvane.htm", "<html></html>");
    testing::write_text("xdg-open", "#!/bin/sh\nsleep 2\necho \"$$ $1 $(nice)\" >opened\n");
    fs::permissions("xdg-open", fs::perms::owner_all);
    ::setenv("PATH", (dir.path().string() + ":" + ::getenv("PATH")).c_str(), 1);
    platform::raise_priority();
    if (::getpriority(PRIO_PROCESS, 0) != -10) {
        GTEST_SKIP() << "this user may not raise the priority";
    }
    platform::open_help_page("korvane.htm");
    EXPECT_FALSE(fs::exists("opened")) << "the program waited for the opener";
    ASSERT_TRUE(eventually([] {
        std::error_code missing;
        return fs::file_size("opened", missing) > 0 && !missing;
    }));
    std::istringstream note(testing::read_text("opened"));
    std::string pid, page, nice;
    note >> pid >> page >> nice;
    EXPECT_EQ(page + " " + nice, dir / "korvane.htm" + " 0");
    EXPECT_TRUE(eventually([&] { return !fs::exists("/proc/" + pid); })) << "a zombie is left";
}

}  // namespace
}  // namespace korvane
