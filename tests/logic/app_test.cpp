// The settings file, start-up and exit, the main window and the Learn Code window.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/app_values.h"
#include "app/entry.h"
#include "app/learn_code_window.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/directory.h"
#include "platform/fake/fake.h"
#include "platform/files.h"
#include "practice/code_from_file.h"
#include "practice/text_tables.h"
#include "tests/logic/logic.h"

namespace korvane {

using namespace std::string_literals;
using App = testing::Logic;

// The file's bytes give pitch then speed, signed 16-bit little-endian: missing bytes
// read as 0 and a speed below 1 as 10. Saving writes the record back and leaves every
// byte behind it alone.
TEST_F(App, SettingsRecord) {
    const std::tuple<std::string, std::array<std::int32_t, 3>, std::string> rows[] = {
        {""s, {1200, 10, 120}, "\xB0\x04\x0A\x00"s},
        {"\x58"s, {88, 10, 120}, "\x58\x00\x0A\x00"s},
        {"\x58\x02"s, {600, 10, 120}, "\x58\x02\x0A\x00"s},
        {"\x58\x02\x14"s, {600, 20, 60}, "\x58\x02\x14\x00"s},
        {"\x58\x02\x14\x00"s, {600, 20, 60}, "\x58\x02\x14\x00"s},
        {"\x58\x02\x14\x00\xA1"s, {600, 20, 60}, "\x58\x02\x14\x00\xA1"s},
        {"\x58\x02\x14\x00\xA1\xA2"s, {600, 20, 60}, "\x58\x02\x14\x00\xA1\xA2"s},
        {"\x58\x02\x14\x00\xA1\xA2\xA3"s, {600, 20, 60}, "\x58\x02\x14\x00\xA1\xA2\xA3"s},
        {"\x58\x02\x14\x00\xA1\xA2\xA3\xA4"s, {600, 20, 60}, "\x58\x02\x14\x00\xA1\xA2\xA3\xA4"s},
        {"\x00\x80\x00\x80"s, {-32768, 10, 120}, "\x00\x80\x0A\x00"s},
        {"\xFF\x7F\xFF\x7F"s, {32767, 32767, 0}, "\xFF\x7F\xFF\x7F"s},
        {"\x00\x00\x01\x00"s, {0, 1, 1200}, "\x00\x00\x01\x00"s}};
    for (const auto& [file, values, saved] : rows) {
        testing::write_text(kSettingsFileName, file);
        load_settings();
        EXPECT_EQ((std::array{pitch_hz, speed_wpm, dot_ms}), values) << file.size();
        save_settings();
        EXPECT_EQ(testing::read_text(kSettingsFileName), saved);
    }
}

// The journal without pauses and with the first play of each send alone, and the
// settings file's bytes in brackets whenever a call finds them changed. A file that
// another opener keeps from being written (on Windows any reader, elsewhere a second
// locked opener) is read and never written. The first main window shows the values.
TEST_F(App, StartUpAndExit) {
#ifdef _WIN32
    constexpr auto kHolderAccess = platform::FileAccess::read_only;
#else
    constexpr auto kHolderAccess = platform::FileAccess::read_write_create;
#endif
    const auto run = [](std::vector<std::vector<int>> windows) {
        fake::reset();
        dit_image = dah_image = {};  // as in a fresh process
        MorseTable = {};
        for (const auto& clicks : windows) {
            testing::script_clicks(clicks);
        }
        std::string seen, bytes = testing::read_text(kSettingsFileName);
        bool playing = false;
        fake::state.on_call = [&](const std::string& line) {
            if (const std::string now = testing::read_text(kSettingsFileName); now != bytes) {
                seen += "[" + (bytes = now) + "] ";
            }
            if (!line.starts_with("sleep") && !(playing && line.starts_with("play"))) {
                seen += line + ", ";
            }
            playing = line.starts_with("play") || (playing && line.starts_with("sleep"));
        };
        run_korvane();
        return seen;
    };
    // No file; Help, then Higher and Exit.
    EXPECT_EQ(run({{210}, {204, 250}}),
              "priority, [\xB0\x04\x0A\x00] modal Korvane, end 1, help korvane.htm, modal Korvane, "
              "play 5402, end 1, [\xC4\x04\x0A\x00] play 16243, "s);
    std::string controls;
    for (const auto& control : fake::dialog(1).controls) {
        controls += std::to_string(control.layout.id) + " " + control.text + "|";
    }
    EXPECT_EQ(controls,
              "401 Speed|201 &Slower|202 &Faster|302  10 wpm|402 Pitch|203 &Lower|204 &Higher|"
              "303  1200 HZ|205 &Random Code|206 &QSO Practice|207 Lear&n Code|209 F&ile|210 H&elp|"
              "250 E&xit|301 Korvane\r\n" +
                  credits_text.substr(9) + "|");
    // Learn Code, Close, File, Quit, Random Code and Exit.
    testing::write_text(kSettingsFileName, "\x58\x02\x14");
    EXPECT_EQ(run({{207}, {208}, {209}, {2}, {205, 250}}),
              "priority, modal Korvane, end 1, modal Korvane, end 1, modal Korvane, end 1, "
              "modal Code From File -- " +
                  platform::working_drive_root() +
                  ", end 1, modal Korvane, "
                  "play 7992, end 1, [\x58\x02\x14\x00] play 7992, "s);
    testing::write_text(kSettingsFileName, "\x58\x02\x14");
    const auto holder = platform::open_file(kSettingsFileName, kHolderAccess);
    EXPECT_EQ(run({{0}}), "priority, modal Korvane, end 0, play 7992, ");
    platform::close_file(holder);
}

// One click from a starting speed or pitch: the value moves inside its limits only,
// its box shows it, and "V" sounds at the new speed and pitch (the first play's samples).
TEST_F(App, SpeedAndPitchButtons) {
    const std::tuple<int, std::int32_t, std::int32_t, std::string> rows[] = {
        {202, 10, 1200, " 11 WPM play 4810 .(109).(109).(109)-(109)(327)"},
        {202, 44, 1200, " 45 WPM play 1147 .(26).(26).(26)-(26)(78)"},
        {202, 45, 1200, " 45 WPM play 1147 .(26).(26).(26)-(26)(78)"},
        {201, 6, 1200, " 5 WPM play 10656 .(240).(240).(240)-(240)(720)"},
        {201, 5, 1200, " 5 WPM play 10656 .(240).(240).(240)-(240)(720)"},
        {203, 10, 420, " 400 HZ play 5328 ...- "},
        {203, 10, 400, " 400 HZ play 5328 ...- "},
        {204, 10, 2980, " 3000 HZ play 5400 ...- "},
        {204, 10, 3000, " 3000 HZ play 5400 ...- "}};
    for (const auto& [button, speed, pitch, shown] : rows) {
        fake::reset();
        speed_wpm = speed;
        pitch_hz = pitch;
        recompute_timing();
        testing::script_clicks({button, 0});
        show_main_window();
        EXPECT_EQ(fake::control(current_window, button < 203 ? 302 : 303).text + " " +
                      fake::state.journal.at(1) + " " + testing::sounds(),
                  shown);
    }
}

// Listen (Enter with no button focused) sends what the selected lesson line names;
// Escape does nothing here, and Enter with the focus on Close ends the window.
TEST_F(App, LearnCode) {
    tips_text = "(tips)";
    const std::pair<int, std::string> rows[] = {
        {-1, ""},        {0, ". .- "},    {1, "- -. -.. -... "}, {25, "- -- --. --.. "},
        {26, ""},        {27, ".---- "},  {36, "----- "},        {38, ".-.-.- "},
        {39, "..--.. "}, {40, "--..-- "}, {41, "-..-. "},        {42, "-...- "}};
    for (const auto& [line, heard] : rows) {
        fake::reset();
        fake::state.scripts.push_back([line](platform::WindowHandle window) {
            fake::control(window, 501).selected = line;
            on_listen(window, platform::kWmCommand, 1u << 16 | 1u, 0);  // a notification
            fake::press_enter(window);
            fake::press_escape(window);
            EXPECT_EQ(fake::dialog(window).result, -1);
            fake::press_enter(window, 208);
        });
        show_learn_code_window();
        EXPECT_EQ(testing::sounds(), heard) << line;
        EXPECT_EQ(fake::state.journal.back() + fake::control(current_window, 301).text,
                  "end 1(tips)");
    }
}

// An Escape met at a send's third play stops it there: nothing more of it is heard,
// the program goes on as after a finished send (the window's last control is its
// text panel, or Quit), the Escape is used up, a later one acts as always (Quit in
// Code From File), and "73" sounds whole at exit. An Escape during "73" cuts it short.
TEST_F(App, EscapeStopsASend) {
    testing::write_text("e.txt", "tee");
    const auto go = [this](platform::WindowHandle w) {
        browse_dir = here_;
        fake::control(w, 502).lines = {"e.txt"};
        fake::control(w, 502).selected = 0;
        fake::click(w, 1);
    };
    const std::tuple<platform::TimeOfDay, int, std::function<void(platform::WindowHandle)>,
                     std::string>
        rows[] = {{{9, 41, 27, 514},
                   0,
                   [](auto w) { fake::click(w, 205); },
                   "(1500)--.--... ...-- |,QLVZPO-6/86 -1 -1"},
                  {{12, 0, 0, 0},
                   0,
                   [](auto w) { fake::click(w, 206); },
                   "(1500)...--... ...-- |mary is the  -1 -1"},
                  {{12, 0, 0, 0},
                   207,
                   [](auto w) {
                       fake::control(w, 501).selected = 1;
                       fake::click(w, 1);
                   },
                   "- -.--... ...-- |As you study -1 -1"},
                  {{12, 0, 0, 0}, 209, go, "- . .--... ...-- |Q&uit -1 1"},
                  {{12, 0, 0, 0}, 0, [](auto) {}, "--.|Korvane\r\nA t -1 -1"}};
    for (const auto& [time, opener, user, expected] : rows) {
        fake::reset();
        fake::state.start_of_day = time;
        int plays = 0;
        fake::state.on_call = [&](const std::string& line) {
            if (line.starts_with("play") && ++plays == 3) {
                fake::press_escape(current_window);
            }
        };
        std::string seen;
        const auto result = [](platform::WindowHandle w) {
            return " " + std::to_string(fake::dialog(w).result);
        };
        if (opener) {
            testing::script_clicks({opener});
        }
        fake::state.scripts.push_back([&](platform::WindowHandle w) {
            user(w);
            seen = "|" + fake::dialog(w).controls.back().text.substr(0, 12) + result(w);
            fake::press_escape(w);
            seen += result(w);
            fake::request_close(w);
        });
        if (opener) {
            testing::script_clicks({0});
        }
        run_korvane();
        EXPECT_EQ(testing::sounds() + seen, expected);
    }
}

}  // namespace korvane
