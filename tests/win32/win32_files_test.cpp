// The file calls on real files, in the ways the settings file and the
// practice files are opened.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/files.h"
#include "tests/win32/temp_dir.h"

namespace korvane {
namespace {

using platform::FileAccess;
using platform::kNoFile;
using Bytes = std::vector<std::uint8_t>;

void write_bytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Win32FilesTest : public ::testing::Test {
  protected:
    testing::TempDir dir_;
    const std::string ini_ = dir_.path("KORVANE.INI");
};

TEST_F(Win32FilesTest, ReadWriteOpenCreatesAMissingFileEmpty) {
    const auto file = platform::open_file(ini_, FileAccess::read_write_create);
    ASSERT_NE(file, kNoFile);
    EXPECT_EQ(platform::file_length(file), 0u);
    platform::close_file(file);
    EXPECT_TRUE(exists(ini_));
    EXPECT_TRUE(read_bytes(ini_).empty());
}

TEST_F(Win32FilesTest, WritesAtAnOffsetAndNeverTruncates) {
    write_bytes(ini_, {1, 2, 3, 4, 5, 6});
    const auto file = platform::open_file(ini_, FileAccess::read_write_create);
    ASSERT_NE(file, kNoFile);
    EXPECT_EQ(platform::file_length(file), 6u);
    const Bytes record{0xB0, 0x04, 0x0B, 0x00};
    EXPECT_TRUE(platform::write_file(file, 0, record.data(), record.size()));
    Bytes tail(4, 0xFF);
    EXPECT_EQ(platform::read_file(file, 4, tail.data(), tail.size()), 2u);
    EXPECT_EQ(tail, (Bytes{5, 6, 0xFF, 0xFF}));
    platform::close_file(file);
    EXPECT_EQ(read_bytes(ini_), (Bytes{0xB0, 0x04, 0x0B, 0x00, 5, 6}));
}

TEST_F(Win32FilesTest, ReadWriteOpenSharesTheFileWithNobody) {
    const auto first = platform::open_file(ini_, FileAccess::read_write_create);
    ASSERT_NE(first, kNoFile);
    EXPECT_EQ(platform::open_file(ini_, FileAccess::read_write_create), kNoFile);
    EXPECT_EQ(platform::open_file(ini_, FileAccess::read_only), kNoFile);
    platform::close_file(first);
    const auto again = platform::open_file(ini_, FileAccess::read_write_create);
    EXPECT_NE(again, kNoFile);
    platform::close_file(again);
}

// The settings file's fallback: while another program reads the file and
// lets others only read, the read-write open fails and the read-only one works.
TEST_F(Win32FilesTest, ReadOnlyOpenWorksWhereReadWriteIsRefused) {
    write_bytes(ini_, {0x58, 0x02, 0x14});
    const HANDLE other = CreateFileA(ini_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(platform::open_file(ini_, FileAccess::read_write_create), kNoFile);
    const auto file = platform::open_file(ini_, FileAccess::read_only);
    EXPECT_NE(file, kNoFile);
    EXPECT_EQ(platform::file_length(file), 3u);
    Bytes record(4, 0);
    EXPECT_EQ(platform::read_file(file, 0, record.data(), record.size()), 3u);
    EXPECT_EQ(record, (Bytes{0x58, 0x02, 0x14, 0}));
    EXPECT_FALSE(platform::write_file(file, 0, record.data(), record.size()));
    platform::close_file(file);
    CloseHandle(other);
    EXPECT_EQ(read_bytes(ini_), (Bytes{0x58, 0x02, 0x14}));
}

// A practice file is opened read-only next to other readers and writers.
TEST_F(Win32FilesTest, ReadOnlyOpenSharesAndNeverCreates) {
    const auto missing = dir_.path("gone.txt");
    EXPECT_EQ(platform::open_file(missing, FileAccess::read_only), kNoFile);
    EXPECT_FALSE(exists(missing));

    write_bytes(ini_, {7});
    const auto reader = platform::open_file(ini_, FileAccess::read_only);
    ASSERT_NE(reader, kNoFile);
    const auto other =
        CreateFileA(ini_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(other, INVALID_HANDLE_VALUE);
    CloseHandle(other);
    platform::close_file(reader);
}

}  // namespace
}  // namespace korvane
