// What the practice texts send and show: the generators (random code and QSO
// practice) and Code From File.

#include <algorithm>
#include <numeric>

#include "app/file_window.h"
#include "practice/code_from_file.h"
#include "practice/file_bytes.h"
#include "tests/logic/logic.h"

namespace korvane {

using namespace std::string_literals;
using Practice = testing::Logic;

// A generator's button clicked at 11 wpm and a time of day (hours, minutes, seconds,
// milliseconds): the first texts heard, each as it starts to sound, and the text panel
// afterwards. The lead-in comes first, and the panel shows the credits until the end.
// The draws were worked out apart from the program, from the seed and the generator step.
// Random code at 9:41:27.514 (seeded with the nearest single-precision value,
// 0x47084784): ",QLVZPO-6/86,;G91-LBQ?3OO,A>Y<CAOT;:C<SAX36J-9XDSUGECT?"; at 12:00:03:
// "C9PROEI9HH735CYPDM-P4M/SU?96J67S?JKBTT?F4.ACSNIDTRDM9:S". A character without a
// code sounds as the character pause alone and is not shown; 50 are shown to a line.
// QSO practice, drawn in order: name phrase, name, location phrase, city, station
// phrase, rig, weather phrase, temperature, report phrase, three figures, hand-over, a
// and b. At 21:58:59.194: 5 11 2 32 4 1 4 64 1 3 6 8 3 34 14; a above 33 swaps
// location and weather, b below 33 station and report, and a phrase that begins with
// a blank takes the name in front. At 8:39:14: 1 15 1 20 3 4 2 47 1 4 9 7 2 33 33, so
// no swap.
TEST_F(Practice, Generators) {
    using Row = std::tuple<const char*, int, int, int, int, int, std::string, std::string>;
    const Row rows[] = {
        {"random code, no codes", kRandomCodeId, 9, 41, 27, 514, "|,|Q|L|V",
         ",QLVZPO-6/86,G91-LBQ?3OO,AYCAOTCSAX36J-9XDSUGECT?"},
        {"random code, two lines", kRandomCodeId, 12, 0, 3, 0, "|C|9|P|R",
         "C9PROEI9HH735CYPDM-P4M/SU?96J67S?JKBTT?F4.ACSNIDTR\r\nDM9S"},
        {"QSO, both swaps", kQsoPracticeId, 21, 58, 59, 194,
         "|vvv  vvv      |russ is the name hr.  |",
         "russ is the name hr.\r\nhr wx is windy and temp is 64 degrees.\r\nur rst is  3 6 8.\r\nhr"
         " qth is hereford, az.\r\nhr rig is a Century/21 working into a g5rv.\r\nso, hw cpy?\r\n"},
        {"QSO, no swap", kQsoPracticeId, 8, 39, 14, 0, "|vvv  vvv      |great copy, pete.  |",
         "great copy, pete.\r\nmy qth is wichitah, ks.\r\nmy station consists of a Kenwood 940 "
         "driving a yagi beam.\r\nhr the sky is overcast and about 47 degrees.\r\nur rst is  4 9 7."
         "\r\nhow is everything on your end?\r\n"}};
    speed_wpm = 11;
    for (const auto& [name, button, hours, minutes, seconds, ms, heard_first, shown] : rows) {
        SCOPED_TRACE(name);
        fake::state = {};
        fake::state.start_of_day = {hours, minutes, seconds, ms};
        std::string heard;
        fake::state.on_call = [&](const std::string& line) {
            if (line.starts_with("play") && !heard.ends_with("|" + send_text)) {
                heard += "|" + send_text;
                EXPECT_EQ(fake::state.control(current_window, kTextPanelId).text, credits_text);
            }
        };
        testing::script_clicks({button, testing::kCloseRequest});
        show_main_window();
        EXPECT_EQ(heard.substr(0, heard_first.size()), heard_first);
        EXPECT_EQ(fake::state.control(current_window, kTextPanelId).text, shown);
    }
}

// The window starts at the drive's root; Go enters a directory (the path is never
// tidied) or sends a file. ".." comes first, then directories and .TXT, .BAT and .DAT
// files in any case, hidden ones too (".txt" alone is one). A file that vanished sends
// nothing and is not made again; a directory that cannot be read, and a path too long
// for the platform with its wildcard, list ".." alone. go() picks a name and clicks
// Go; it gives the caption and the lines, ".." first.
TEST_F(Practice, CodeFromFile) {
    std::filesystem::create_directory("sub");
    for (const char* name : {"a.txt", "NOTES.Txt", "RUN.BAT", "y.dat", ".txt", "readme",
                             "notes.txt.bak", "x.doc", "txt", "sub/inner.txt"}) {
        testing::write_text(name, "e");
    }
    const std::string sep(1, platform::kPathSeparator), caption = "Code From File -- " + here_;
    fake::state.scripts.push_back([&](platform::WindowHandle window) {
        auto& list = fake::state.control(window, kFileListId);
        const auto go = [&](const std::string& name) {
            list.selected = std::ranges::find(list.lines, name) - list.lines.begin();
            fake::state.click(window, kGoId);
            std::ranges::sort(list.lines.begin() + 1, list.lines.end());
            return std::accumulate(list.lines.begin(), list.lines.end(),
                                   fake::state.dialog(window).caption,
                                   [](auto shown, const auto& line) { return shown + " " + line; });
        };
        for (const auto& part : dir_.path().relative_path()) {
            go(part.string());
        }
        EXPECT_EQ(go("sub"), caption + "sub" + sep + " .. inner.txt");
        go("inner.txt");
        std::filesystem::remove("sub/inner.txt");
        go("inner.txt");
        EXPECT_EQ(go(".."), caption + "sub" + sep + ".." + sep +
                                " .. .txt NOTES.Txt RUN.BAT a.txt sub y.dat");
    });
    show_file_window();
    EXPECT_EQ(testing::sounds(), ".");
    EXPECT_FALSE(std::filesystem::exists("sub/inner.txt"));
    const std::pair<const char*, std::string> unlistable[] = {
        {"a missing directory", here_ + "missing" + sep},
        {"a path too long with its wildcard",
         here_ + std::string(platform::kMaxPathLength - 3 - here_.size(), sep[0])}};
    for (const auto& [name, dir] : unlistable) {
        SCOPED_TRACE(name);
        browse_dir = dir;
        list_directory();
        EXPECT_EQ(FileList, std::vector<std::string>{".."});
    }
}

// CR and the blank are word gaps, a blank right after one is not heard twice (unless
// it is the file's first byte, also across the pieces the file is read in), and only
// "," to "Z" and "a" to "z" sound. Every byte value in turn gives the code table at
// 10 wpm (",-./0123456789:;<=>?@" and "A" to "Z") and the letters again. The file is
// read in pieces of 64 KiB: in the last case the second blank starts the second piece.
TEST_F(Practice, FileBytes) {
    std::string every_byte(256, '\0');
    std::iota(every_byte.begin(), every_byte.end(), '\0');
    const std::string table =
        "--..-- -...- .-.-.- -..-. ----- .---- ..--- ...-- ....- ..... -.... --... ---.. ----."
        "(2280)..--..(840)";
    const std::string letters =
        ".- -... -.-. -.. . ..-. --. .... .. .--- -.- .-.. -- -. --- .--. --.- .-. ... - ..- ...- "
        ".-- -..- -.-- --..";
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"every byte value", every_byte, "(1680)" + table + letters + " " + letters},
        {"word gaps", " e  t\r f\r\n g", "(840). / - / ..-.(2160)--."},
        {"a blank that starts the second piece", std::string(65534, '\0') + "e  t", ". / -"}};
    for (const auto& [name, bytes, heard] : rows) {
        SCOPED_TRACE(name);
        fake::state = {};
        testing::write_text("practice.txt", bytes);
        send_text = " ";
        send_file_bytes("practice.txt");
        EXPECT_EQ(testing::sounds(), heard);
    }
}

}  // namespace korvane
