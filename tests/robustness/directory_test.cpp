// The Code From File window over directories no one would keep on purpose:
// ten thousand entries, one the user may not read, a walk up past the longest
// path, and names that are not plain ASCII. Nothing may crash or hang, the
// window stays usable, and no file is created or changed.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
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
#include "tests/robustness/ordinary_user.h"
#include "tests/support/file_bytes.h"
#include "tests/support/program_state.h"
#include "tests/support/timeline.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

constexpr int kFileList = 502;
constexpr int kGo = 1;
constexpr int kQuit = 2;

const std::vector<std::string>& lines(platform::WindowHandle window) {
    return fake::control(window, kFileList).lines;
}

void go_on(platform::WindowHandle window, const std::string& line) {
    const auto& shown = lines(window);
    const auto at = std::find(shown.begin(), shown.end(), line);
    ASSERT_NE(at, shown.end()) << line;
    fake::select_line(window, kFileList, static_cast<int>(at - shown.begin()));
    fake::click(window, kGo);
}

class DirectoryRobustness : public testing::ProgramTest {
  protected:
    // Shows the window, goes from the root into the test's directory, then lets `script` act.
    void in_test_dir(const std::function<void(platform::WindowHandle)>& script) {
        fake::script_next_dialog([&](platform::WindowHandle window) {
            for (const auto& part : dir_.relative_path()) {
                go_on(window, part.string());
            }
            script(window);
            fake::click(window, kQuit);
        });
        show_file_window();
    }
};

TEST_F(DirectoryRobustness, TenThousandEntriesAreListedAndUsable) {
    for (int i = 0; i < 10000; ++i) {
        const std::string name = "e" + std::to_string(i);
        if (i % 10 == 0) {
            fs::create_directory(dir_ / name);
        } else {
            testing::write_text(dir_ / (name + (i % 2 ? ".txt" : ".doc")), "e");
        }
    }
    in_test_dir([&](platform::WindowHandle window) {
        EXPECT_EQ(lines(window).size(), 1u + 1000 + 5000);
        go_on(window, "e9999.txt");
        EXPECT_EQ(testing::timeline(), ". 120 360");
        go_on(window, "e9990");
        EXPECT_EQ(lines(window), std::vector<std::string>{".."});
    });
}

// The path is never tidied, so ".." from inside the unreadable directory
// still passes through it: the list stays ".." until the window is quit.
TEST_F(DirectoryRobustness, AnUnreadableDirectoryListsAsTheParentLineAlone) {
    fs::create_directory(dir_ / "locked");
    testing::write_text(dir_ / "locked" / "inside.txt", "e");
    fs::permissions(dir_ / "locked", fs::perms::none);
    {
        testing::AsOrdinaryUser user;
        in_test_dir([&](platform::WindowHandle window) {
            go_on(window, "locked");
            EXPECT_EQ(lines(window), std::vector<std::string>{".."});
            go_on(window, "..");
            EXPECT_EQ(lines(window), std::vector<std::string>{".."});
        });
    }
    EXPECT_EQ(testing::timeline(), "");
    fs::permissions(dir_ / "locked", fs::perms::owner_all);
    EXPECT_EQ(testing::read_text(dir_ / "locked" / "inside.txt"), "e");
}

// Each ".." adds three characters; past the longest path nothing can be
// listed or opened any more, and Go only leaves the window as it is.
TEST_F(DirectoryRobustness, WalkingUpPastTheLongestPathKeepsTheWindowUsable) {
    fake::script_next_dialog([](platform::WindowHandle window) {
        for (std::size_t step = 0; step < platform::kMaxPathLength / 3 + 2; ++step) {
            go_on(window, "..");
        }
        EXPECT_GT(browse_dir.size() + 3, platform::kMaxPathLength);
        EXPECT_EQ(lines(window), std::vector<std::string>{".."});
        EXPECT_EQ(fake::dialog(window).caption, "Code From File -- " + browse_dir);
        fake::click(window, kQuit);
    });
    show_file_window();
    EXPECT_EQ(testing::timeline(), "");
}

// Names are bytes: Latin-1, UTF-8 and invalid sequences are listed as they
// are and open the right file; the longest name a directory can hold too.
TEST_F(DirectoryRobustness, NamesBeyondAsciiAreListedAndSentByteForByte) {
    const std::vector<std::string> names{"caf\xE9.txt", "na\xC3\xAFve.DAT", "\xFF\xFE.Bat",
                                         std::string(251, 'n') + ".txt"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        testing::write_text(dir_ / names[i], std::string(i + 1, 'e'));
    }
    testing::write_text(dir_ / "\xE9t\xE9.doc", "t");
    in_test_dir([&](platform::WindowHandle window) {
        std::vector<std::string> shown(lines(window).begin(), lines(window).end());
        std::vector<std::string> wanted = names;
        wanted.push_back("..");
        std::sort(shown.begin(), shown.end());
        std::sort(wanted.begin(), wanted.end());
        EXPECT_EQ(shown, wanted);
        for (const auto& name : names) {
            go_on(window, name);
        }
    });
    // One "e" for the first name, two for the second, and so on.
    std::string heard;
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t e = 0; e <= i; ++e) {
            heard += (heard.empty() ? "" : " ") + std::string(". 120 360");
        }
    }
    EXPECT_EQ(testing::timeline(), heard);
}

}  // namespace
}  // namespace korvane
