#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app_values.h"
#include "app/file_window.h"
#include "app/practice_buttons.h"
#include "morse/morse_values.h"
#include "platform/directory.h"
#include "platform/fake/fake.h"
#include "practice/code_from_file.h"
#include "practice/qso_practice.h"
#include "practice/text_tables.h"
#include "tests/practice/practice_support.h"
#include "tests/support/file_bytes.h"
#include "tests/support/program_state.h"
#include "tests/support/timeline.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

constexpr int kFileList = 502;
constexpr int kGo = 1;
constexpr int kQuit = 2;
constexpr const char* kCaptionPrefix = "Code From File -- ";

std::string as_browse_dir(const fs::path& directory) {
    return directory.string() + platform::kPathSeparator;
}

std::vector<std::string> sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

class CodeFromFileTest : public testing::ProgramTest {
  protected:
    // What sending a file holding `bytes` makes the sender do.
    std::string heard(const std::string& bytes) {
        testing::reset_program();
        testing::write_text(dir_ / "practice.txt", bytes);
        browse_dir = as_browse_dir(dir_);
        picked_name = "practice.txt";
        send_file();
        return testing::timeline();
    }

    // Shows the window, moves it into the test's directory, then lets `script` act.
    void show_in_test_dir(const fake::DialogScript& script) {
        fake::script_next_dialog([&](platform::WindowHandle window) {
            browse_dir = as_browse_dir(dir_.parent_path());
            picked_name = dir_.filename().string();
            enter_directory();
            script(window);
        });
        show_file_window();
    }
};

void choose(platform::WindowHandle window, const std::string& line) {
    const auto& lines = fake::control(window, kFileList).lines;
    const auto at = std::find(lines.begin(), lines.end(), line);
    ASSERT_NE(at, lines.end()) << line;
    fake::select_line(window, kFileList, static_cast<int>(at - lines.begin()));
    fake::click(window, kGo);
}

TEST_F(CodeFromFileTest, ListingKeepsDirectoriesAndPracticeFiles) {
    for (const char* name : {"a.txt", "NOTES.Txt", "RUN.BAT", "y.dat", ".hidden.txt", "readme",
                             "notes.txt.bak", "x.doc", "txt"}) {
        testing::write_text(dir_ / name, "e");
    }
    fs::create_directory(dir_ / "data.bak");
    browse_dir = as_browse_dir(dir_);
    list_directory();
    ASSERT_FALSE(FileList.empty());
    EXPECT_EQ(FileList.front(), "..");
    EXPECT_EQ(sorted(FileList),
              (std::vector<std::string>{"..", ".hidden.txt", "NOTES.Txt", "RUN.BAT", "a.txt",
                                        "data.bak", "y.dat"}));
}

TEST_F(CodeFromFileTest, UnlistableDirectoryGivesTheParentLineAlone) {
    testing::write_text(dir_ / "a.txt", "e");
    browse_dir = as_browse_dir(dir_ / "missing");
    list_directory();
    EXPECT_EQ(FileList, std::vector<std::string>{".."});

    // Still this directory, but longer than the platform's paths may be.
    browse_dir = as_browse_dir(dir_);
    while (browse_dir.size() <= platform::kMaxPathLength) {
        browse_dir += std::string(".") + platform::kPathSeparator;
    }
    list_directory();
    EXPECT_EQ(FileList, std::vector<std::string>{".."});
}

TEST_F(CodeFromFileTest, ListsEveryOneOfThousandsOfFiles) {
    for (int i = 0; i < 3000; ++i) {
        testing::write_text(dir_ / ("f" + std::to_string(i) + ".txt"), "");
    }
    browse_dir = as_browse_dir(dir_);
    list_directory();
    EXPECT_EQ(FileList.size(), 3001u);
}

TEST_F(CodeFromFileTest, WindowStartsAtTheDriveRoot) {
    fake::script_next_dialog([](platform::WindowHandle window) {
        const std::string root = platform::working_drive_root();
        EXPECT_EQ(browse_dir, root);
        EXPECT_EQ(fake::dialog(window).caption, kCaptionPrefix + root);
        const auto& list = fake::control(window, kFileList);
        EXPECT_EQ(sorted(list.lines), sorted(FileList));
        EXPECT_EQ(list.selected, -1);
        fake::press_escape(window);
    });
    show_file_window();
    EXPECT_EQ(fake::journal().back(), "end 1");
}

// Go on a directory, on nothing and on ".." appends to browse_dir without tidying it.
TEST_F(CodeFromFileTest, GoMovesIntoTheChosenDirectory) {
    fs::create_directory(dir_ / "sub");
    testing::write_text(dir_ / "sub" / "inner.txt", "e");
    testing::write_text(dir_ / "b.txt", "e");
    const std::string sep(1, platform::kPathSeparator);
    show_in_test_dir([&](platform::WindowHandle window) {
        const auto expect_at = [&](const std::string& path, std::vector<std::string> lines) {
            EXPECT_EQ(browse_dir, path);
            EXPECT_EQ(fake::dialog(window).caption, kCaptionPrefix + path);
            EXPECT_EQ(fake::control(window, kFileList).lines, lines);
        };
        const std::string here = as_browse_dir(dir_);
        expect_at(here, {"..", "b.txt", "sub"});
        choose(window, "sub");
        expect_at(here + "sub" + sep, {"..", "inner.txt"});
        fake::click(window, kGo);
        expect_at(here + "sub" + sep + sep, {"..", "inner.txt"});
        choose(window, "..");
        expect_at(here + "sub" + sep + sep + ".." + sep, {"..", "b.txt", "sub"});
        fake::request_close(window);
    });
    EXPECT_EQ(testing::timeline(), "");
}

TEST_F(CodeFromFileTest, GoOnAFileSendsItAndTheWindowStaysOpen) {
    testing::write_text(dir_ / "b.txt", "cq de");
    testing::write_text(dir_ / "gone.txt", "e");
    show_in_test_dir([&](platform::WindowHandle window) {
        choose(window, "b.txt");
        EXPECT_EQ(testing::timeline(), testing::morse_timeline("cq de"));
        fs::remove(dir_ / "gone.txt");
        choose(window, "gone.txt");
        EXPECT_EQ(testing::timeline(), testing::morse_timeline("cq de"));
        fake::click(window, kQuit);
    });
    EXPECT_FALSE(fs::exists(dir_ / "gone.txt"));
}

// Every byte value, a row of the table at a time; the file holds the row's bytes in order.
TEST_F(CodeFromFileTest, EachByteIsSentDroppedOrTurnedIntoAWordGap) {
    const struct {
        int first;
        int last;
        const char* heard;  // nullptr: the bytes themselves
    } rows[] = {
        {0, 12, ""},       {13, 13, " "}, {14, 31, ""},       {32, 32, " "},  {33, 43, ""},
        {44, 90, nullptr}, {91, 96, ""},  {97, 122, nullptr}, {123, 255, ""},
    };
    for (const auto& row : rows) {
        std::string bytes;
        for (int b = row.first; b <= row.last; ++b) {
            bytes += static_cast<char>(b);
        }
        EXPECT_EQ(heard(bytes), testing::morse_timeline(row.heard ? row.heard : bytes))
            << row.first << " to " << row.last;
    }
}

TEST_F(CodeFromFileTest, LineEndsAndBlanksBecomeWordGaps) {
    const struct {
        std::string bytes;
        std::string heard;
    } files[] = {
        {"one\r\ntwo", "one two"},
        {"a b  c", "a b c"},
        {"a\r\n b", "a  b"},
        {"a\r b", "a b"},
        {"", ""},
        {"\tx!#[_{\x80\xff", "x"},
    };
    for (const auto& file : files) {
        EXPECT_EQ(heard(file.bytes), testing::morse_timeline(file.heard)) << file.bytes;
    }
}

TEST_F(CodeFromFileTest, FirstBlankIsSentWhateverCameBefore) {
    testing::write_text(dir_ / "blank.txt", " e");
    browse_dir = as_browse_dir(dir_);
    picked_name = "blank.txt";
    send_text = " ";
    send_file();
    EXPECT_EQ(testing::timeline(), testing::morse_timeline(" e"));
}

}  // namespace
}  // namespace korvane
