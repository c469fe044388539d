// The directory calls on real directories: enumeration, attributes, and where
// the file walk starts.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/directory.h"
#include "platform/win32/drive_root.h"
#include "tests/win32/temp_dir.h"

namespace korvane {
namespace {

std::vector<std::string> listing(const std::string& directory, bool* readable) {
    std::vector<std::string> names;
    *readable = platform::list_directory_entries(
        directory, [&names](const std::string& name) { names.push_back(name); });
    std::sort(names.begin(), names.end());
    return names;
}

class Win32DirectoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a.txt", "hidden.dat", "readme"}) {
            std::ofstream(dir_.path(name)) << name;
        }
        SetFileAttributesA(dir_.path("hidden.dat").c_str(), FILE_ATTRIBUTE_HIDDEN);
        CreateDirectoryA(dir_.path("data.bak").c_str(), nullptr);
    }

    testing::TempDir dir_;
};

TEST_F(Win32DirectoryTest, ListsEveryEntryButDotAndDotDot) {
    bool readable = false;
    EXPECT_EQ(listing(dir_.path(), &readable),
              (std::vector<std::string>{"a.txt", "data.bak", "hidden.dat", "readme"}));
    EXPECT_TRUE(readable);
}

TEST_F(Win32DirectoryTest, MissingDirectoryListsNothing) {
    bool readable = true;
    EXPECT_TRUE(listing(dir_.path("gone\\"), &readable).empty());
    EXPECT_FALSE(readable);
}

TEST_F(Win32DirectoryTest, TellsDirectoriesFromFiles) {
    EXPECT_TRUE(platform::is_directory(dir_.path("data.bak")));
    EXPECT_TRUE(platform::is_directory(dir_.path()));  // a path that ends in a backslash
    EXPECT_TRUE(platform::is_directory(dir_.path("data.bak\\..")));
    EXPECT_FALSE(platform::is_directory(dir_.path("hidden.dat")));
    EXPECT_FALSE(platform::is_directory(dir_.path("gone")));
}

TEST_F(Win32DirectoryTest, WalkStartsAtTheRootOfTheWorkingDrive) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(dir_.path("data.bak").c_str()));
    const std::string root = platform::working_drive_root();
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(root, dir_.path().substr(0, 3));
    EXPECT_EQ(root.substr(1), ":\\");
    EXPECT_TRUE(platform::is_directory(root));
}

TEST(Win32DriveRoot, NetworkPathsStartAtTheirShare) {
    using platform::win32::drive_root_of;
    EXPECT_EQ(drive_root_of("D:\\work\\morse"), "D:\\");
    EXPECT_EQ(drive_root_of("\\\\server\\share\\work\\morse"), "\\\\server\\share\\");
    EXPECT_EQ(drive_root_of("\\\\server\\share"), "\\\\server\\share\\");
}

}  // namespace
}  // namespace korvane
