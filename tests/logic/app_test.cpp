// The settings file, start-up and exit, the main window and the Learn Code window.

#include <clocale>

#include "app/entry.h"
#include "app/file_window.h"
#include "app/learn_code_window.h"
#include "app/settings.h"
#include "morse/code_table.h"
#include "platform/files.h"
#include "practice/code_from_file.h"
#include "tests/logic/logic.h"

namespace korvane {

using namespace std::string_literals;
using App = testing::Logic;

// The file's bytes give pitch then speed, signed 16-bit little-endian: missing bytes
// read as 0 and a speed below 1 as 10. The images are built from the extremes too,
// within their bounds (as the sanitizer build checks). Saving writes the record back
// and leaves every byte behind it alone.
TEST_F(App, SettingsRecord) {
    const std::tuple<const char*, std::string, int, int, int, std::string> rows[] = {
        {"an empty file", ""s, 1200, 10, 120, "\xB0\x04\x0A\x00"s},
        {"half the pitch alone", "\x58"s, 88, 10, 120, "\x58\x00\x0A\x00"s},
        {"a longer file", "\x58\x02\x14\x00\xA1\xA2"s, 600, 20, 60, "\x58\x02\x14\x00\xA1\xA2"s},
        {"the lowest values", "\x00\x80\x00\x80"s, -32768, 10, 120, "\x00\x80\x0A\x00"s},
        {"the highest values", "\xFF\x7F\xFF\x7F"s, 32767, 32767, 0, "\xFF\x7F\xFF\x7F"s},
        {"the slowest speed kept", "\x00\x00\x01\x00"s, 0, 1, 1200, "\x00\x00\x01\x00"s}};
    for (const auto& [name, file, pitch, speed, dot, saved] : rows) {
        SCOPED_TRACE(name);
        testing::write_text(kSettingsFileName, file);
        load_settings();
        build_tones();
        EXPECT_EQ(pitch_hz, pitch);
        EXPECT_EQ(speed_wpm, speed);
        EXPECT_EQ(dot_ms, dot);
        save_settings();
        EXPECT_EQ(testing::read_text(kSettingsFileName), saved);
    }
}

// The journal with the first play of each send alone, and the
// settings file's bytes as a step of their own whenever a call finds them changed. A file that
// another opener keeps from being written (on Windows any reader, elsewhere a second
// locked opener) is read and never written. First no file: Help, then Higher and Exit,
// and the first window shows the values and the credits; then Learn Code, Close, File, Quit and a
// close request, with the file held by another opener; last, with no file, Higher, Learn Code and
// the desktop ending the program there: the settings are saved, and no farewell or window follows.
// Escape ends no window but Code From File, where it clicks Quit.
TEST_F(App, StartUpAndExit) {
#ifdef _WIN32
    constexpr auto kHolderAccess = platform::FileAccess::read_only;
#else
    constexpr auto kHolderAccess = platform::FileAccess::read_write_create;
#endif
    const auto run = [](std::vector<std::vector<int>> windows) {
        fake::state = {};
        dit_image = dah_image = {};  // as in a fresh process
        MorseTable = {};
        for (const auto& clicks : windows) {
            testing::script_clicks(clicks);
        }
        std::vector<std::string> steps;
        std::string bytes = testing::read_text(kSettingsFileName);
        bool playing = false;
        fake::state.on_call = [&](const std::string& line) {
            if (const std::string now = testing::read_text(kSettingsFileName); now != bytes) {
                steps.push_back("settings " + (bytes = now));
            }
            if (!(playing && line.starts_with("play"))) {
                steps.push_back(line);
            }
            playing = line.starts_with("play");
        };
        run_korvane();
        return steps;
    };
    using Steps = std::vector<std::string>;
    EXPECT_EQ(
        run({{testing::kEscape, kHelpId}, {kHigherId, kExitId}}),
        (Steps{"priority", "settings \xB0\x04\x0A\x00"s, "modal Korvane", "end", "help korvane.htm",
               "modal Korvane", "play 5402", "end", "settings \xC4\x04\x0A\x00"s, "play 16243"}));
    EXPECT_EQ(fake::state.dialogs.front().controls.at(kSpeedBoxId).text, " 10 wpm");
    EXPECT_EQ(fake::state.dialogs.front().controls.at(kPitchBoxId).text, " 1200 HZ");
    EXPECT_EQ(fake::state.dialogs.front().controls.at(kTextPanelId).text,
              "Korvane\r\nA trainer for hearing and copying Morse code\r\nCopyright 2026 the "
              "Korvane developers\r\nFree software under the MIT licence");
    testing::write_text(kSettingsFileName, "\x58\x02\x14");
    const auto holder = platform::open_file(kSettingsFileName, kHolderAccess);
    EXPECT_EQ(run({{kLearnCodeId},
                   {testing::kEscape, kCloseId},
                   {kFileId},
                   {testing::kEscape},
                   {testing::kCloseRequest}}),
              (Steps{"priority", "modal Korvane", "end", "modal Korvane", "end", "modal Korvane",
                     "end", "modal Code From File -- " + platform::working_drive_root(), "end",
                     "modal Korvane", "end", "play 7992"}));
    platform::close_file(holder);
    std::filesystem::remove(kSettingsFileName);
    EXPECT_EQ(run({{kHigherId, kLearnCodeId}, {testing::kSessionEnd}}),
              (Steps{"priority", "settings \xB0\x04\x0A\x00"s, "modal Korvane", "play 5402", "end",
                     "modal Korvane", "end"}));
    EXPECT_EQ(testing::read_text(kSettingsFileName), "\xC4\x04\x0A\x00"s);
}

// Two clicks from a starting speed or pitch: the value moves inside its limits only,
// its box shows it, and each click sends "V" at the new speed and pitch (the journal
// gives the first play's samples). The second "V" starts with the pause the first
// owed after its last element.
TEST_F(App, SpeedAndPitchButtons) {
    using Row = std::tuple<const char*, int, int, int, int, const char*, const char*, const char*>;
    const Row rows[] = {
        {"Faster up to 45 wpm", kFasterId, 44, 1200, kSpeedBoxId, " 45 WPM", "play 1147",
         ".(26).(26).(26)-(104).(26).(26).(26)-"},
        {"Slower down to 5 wpm", kSlowerId, 6, 1200, kSpeedBoxId, " 5 WPM", "play 10656",
         ".(240).(240).(240)-(960).(240).(240).(240)-"},
        {"Lower to 400 Hz", kLowerId, 10, 420, kPitchBoxId, " 400 HZ", "play 5328", "...- ...-"},
        {"Higher to 3000 Hz", kHigherId, 10, 2980, kPitchBoxId, " 3000 HZ", "play 5400",
         "...- ...-"}};
    for (const auto& [name, button, speed, pitch, box, shown, first_play, heard] : rows) {
        SCOPED_TRACE(name);
        fake::state = {};
        speed_wpm = speed;
        pitch_hz = pitch;
        recompute_timing();
        testing::script_clicks({button, button, testing::kCloseRequest});
        show_main_window();
        EXPECT_EQ(fake::state.control(current_window, box).text, shown);
        EXPECT_EQ(fake::state.journal.at(1), first_play);
        EXPECT_EQ(testing::sounds(), heard);
    }
}

// Listen (the control Enter clicks) sends what the selected lesson line names and a
// notification other than a click does not; Close ends the window. Letters become capitals
// in every locale: in a Turkish one "i" would keep its case, and "Period" or "Questionmark"
// would be sent as letters. A screen reader says each line's code in words.
TEST_F(App, LearnCode) {
#ifndef _WIN32
    ASSERT_TRUE(std::setlocale(LC_ALL, "tr_TR.UTF-8")) << "the test set-up makes this locale";
#endif
    const std::uintptr_t not_a_click = platform::click_wparam(kListenId) | 1u << 16;
    std::vector<std::string> spoken;
    fake::state.scripts.push_back([&](platform::WindowHandle window) {
        spoken = fake::state.control(window, kLessonListId).spoken;
        for (const int line : {1, 26, 38, 39, 40, 41, 42}) {
            fake::state.control(window, kLessonListId).selected = line;
            on_listen(window, platform::kWmCommand, not_a_click, 0);
            fake::state.click(window, kListenId);
        }
        fake::state.click(window, kCloseId);
    });
    show_learn_code_window();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(testing::sounds(), "- -. -.. -... .-.-.- ..--.. --..-- -..-. -...-");
    EXPECT_EQ(fake::state.journal.back(), "end");
    const std::pair<std::size_t, const char*> words[] = {{0, "E, dit. A, dit dah"},
                                                         {26, "divider"},
                                                         {36, "0, dah dah dah dah dah"},
                                                         {41, "Slash, dah dit dit dah dit"}};
    for (const auto& [line, said] : words) {
        EXPECT_EQ(spoken.at(line), said);
    }
}

// An Escape met at a file's third play stops the send there, however long the
// file: the character it cut ends as a character does, and the next file's
// send starts with the pause that character owed, from the moment of the cut.
TEST_F(App, EscapeStopsASend) {
    testing::write_text("e.txt", "tee" + std::string(1 << 17, 'e'));
    testing::write_text("a.txt", "e");
    int plays = 0;
    fake::state.on_call = [&](const std::string& line) {
        if (line.starts_with("play") && ++plays == 3) {
            fake::state.press_escape(current_window);
        }
    };
    fake::state.scripts.push_back([this](platform::WindowHandle window) {
        browse_dir = here_;
        for (const char* name : {"e.txt", "a.txt"}) {
            fake::state.control(window, kFileListId) = {nullptr, "", {name}, 0, {}};
            fake::state.click(window, kGoId);
        }
    });
    show_file_window();
    EXPECT_EQ(testing::sounds(), "- . . .");
}

}  // namespace korvane
