// What the Linux backend adds: files that are not regular files are refused
// without waiting, ".." is resolved by a path's text, and the help page
// opener, with a stand-in `xdg-open` first on PATH that takes its time, then
// notes its argument and its nice value. The process ends with these tests, so
// the raised priority, PATH and working directory are not put back.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <thread>

#include "platform/directory.h"
#include "platform/files.h"
#include "platform/process.h"
#include "tests/support/temp_dir.h"

namespace korvane {

namespace fs = std::filesystem;

// A FIFO named like a practice file or the settings file would hold an open
// until a writer came, and a read until it wrote; it is refused at once.
TEST(PosixFilesTest, OnlyRegularFilesOpen) {
    const testing::TempDir dir("posix");
    const std::string pipe = dir / "pipe.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(platform::open_file(pipe, platform::FileAccess::read_only), platform::kNoFile);
    EXPECT_EQ(platform::open_file(pipe, platform::FileAccess::read_write_create),
              platform::kNoFile);
}

// ".." is taken from a path's text, as on Windows, so that it leads out of a
// directory that is gone or is a file, or that cannot be read (which root, who
// runs the tests, cannot make): listing, telling directories apart, opening.
TEST(PosixDirectoryTest, DotDotLeadsOutByThePathsText) {
    const testing::TempDir dir("posix");
    testing::write_text(dir / "a.txt", "e");
    for (const char* through : {"gone/../", "a.txt/../", "gone/./a.txt/..//../"}) {
        const std::string path = dir / "" + through;
        std::vector<std::string> names;
        platform::list_directory_entries(path,
                                         [&](const std::string& name) { names.push_back(name); });
        EXPECT_EQ(names, std::vector<std::string>{"a.txt"}) << through;
        EXPECT_TRUE(platform::is_directory(path)) << through;
        const auto file = platform::open_file(path + "a.txt", platform::FileAccess::read_only);
        EXPECT_NE(file, platform::kNoFile) << through;
        platform::close_file(file);
    }
}

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
