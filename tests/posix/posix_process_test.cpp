// The help page opener, with a stand-in `xdg-open` first on PATH that notes
// its argument and its nice value. The process ends with this test, so the
// raised priority, PATH and working directory are not put back.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>

#include "platform/process.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

TEST(PosixProcessTest, TheOpenerGetsTheWholePathAtNormalPriority) {
    const testing::TempDir dir("posix");
    fs::current_path(dir.path());
    testing::write_text("korvane.htm", "<html></html>");
    testing::write_text("xdg-open", "#!/bin/sh\necho \"$1 $(nice)\" >opened\n");
    fs::permissions("xdg-open", fs::perms::owner_all);
    ::setenv("PATH", (dir.path().string() + ":" + ::getenv("PATH")).c_str(), 1);
    platform::raise_priority();
    if (::getpriority(PRIO_PROCESS, 0) != -10) {
        GTEST_SKIP() << "this user may not raise the priority";
    }
    platform::open_help_page("korvane.htm");
    EXPECT_EQ(testing::read_text("opened"), dir / "korvane.htm" + " 0\n");
}

}  // namespace
}  // namespace korvane
