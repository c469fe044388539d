// The settings file, start-up and exit, the main window and the Learn Code window.

#include <clocale>

#include "app/control_ids.h"
#include "app/entry.h"
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
// read as 0 and a speed below 1 as 10. Saving writes the record back and leaves every
// byte behind it alone.
TEST_F(App, SettingsRecord) {
    const std::tuple<std::string, std::array<std::int32_t, 3>, std::string> rows[] = {
        {""s, {1200, 10, 120}, "\xB0\x04\x0A\x00"s},
        {"\x58"s, {88, 10, 120}, "\x58\x00\x0A\x00"s},
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
// locked opener) is read and never written. First no file: Help, then Higher and Exit,
// and the first window shows the values; then Learn Code, Close, File, Quit and a close
// request, with the file held by another opener; last, with no file, Higher, Learn Code
// and the desktop ending the program there: the settings are saved, and no farewell
// or window follows.
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
    EXPECT_EQ(run({{210}, {204, 250}}),
              "priority, [\xB0\x04\x0A\x00] modal Korvane, end 1, help korvane.htm, modal Korvane, "
              "play 5402, end 1, [\xC4\x04\x0A\x00] play 16243, "s);
    EXPECT_EQ(fake::state.control(1, 302).text + fake::state.control(1, 303).text,
              " 10 wpm 1200 HZ");
    testing::write_text(kSettingsFileName, "\x58\x02\x14");
    const auto holder = platform::open_file(kSettingsFileName, kHolderAccess);
    EXPECT_EQ(run({{207}, {208}, {209}, {2}, {0}}),
              "priority, modal Korvane, end 1, modal Korvane, end 1, modal Korvane, end 1, "
              "modal Code From File -- " +
                  platform::working_drive_root() + ", end 1, modal Korvane, end 0, play 7992, ");
    platform::close_file(holder);
    std::filesystem::remove(kSettingsFileName);
    const std::string ended = run({{kHigherId, kLearnCodeId}, {testing::kSessionEnd}});
    EXPECT_EQ(ended + testing::read_text(kSettingsFileName),
              "priority, [\xB0\x04\x0A\x00] modal Korvane, play 5402, end 1, modal Korvane, end 0, "
              "\xC4\x04\x0A\x00"s);
}

// Two clicks from a starting speed or pitch: the value moves inside its limits only,
// its box shows it, and each click sends "V" at the new speed and pitch (the journal
// gives the first play's samples).
TEST_F(App, SpeedAndPitchButtons) {
    const std::tuple<int, std::int32_t, std::int32_t, std::string> rows[] = {
        {202, 44, 1200, " 45 WPM play 1147 .(26).(26).(26)-(26)(78).(26).(26).(26)-(26)(78)"},
        {201, 6, 1200,
         " 5 WPM play 10656 .(240).(240).(240)-(240)(720).(240).(240).(240)-(240)(720)"},
        {203, 10, 420, " 400 HZ play 5328 ...- ...- "},
        {204, 10, 2980, " 3000 HZ play 5400 ...- ...- "}};
    for (const auto& [button, speed, pitch, shown] : rows) {
        fake::state = {};
        speed_wpm = speed;
        pitch_hz = pitch;
        recompute_timing();
        testing::script_clicks({button, button, 0});
        show_main_window();
        EXPECT_EQ(fake::state.control(current_window, button < 203 ? 302 : 303).text + " " +
                      fake::state.journal.at(1) + " " + testing::sounds(),
                  shown);
    }
}

// Listen (control 1, which Enter clicks) sends what the selected lesson line names and a
// notification other than a click does not; Close ends the window. Letters become capitals
// in every locale: in a Turkish one "i" would keep its case, and "Period" or "Questionmark"
// would be sent as letters.
TEST_F(App, LearnCode) {
#ifndef _WIN32
    ASSERT_TRUE(std::setlocale(LC_ALL, "tr_TR.UTF-8")) << "the test set-up makes this locale";
#endif
    fake::state.scripts.push_back([](platform::WindowHandle window) {
        for (const int line : {1, 26, 38, 39, 40, 41, 42}) {
            fake::state.control(window, 501).selected = line;
            on_listen(window, platform::kWmCommand, 1u << 16 | 1u, 0);
            fake::state.click(window, 1);
        }
        fake::state.click(window, 208);
    });
    show_learn_code_window();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(testing::sounds(), "- -. -.. -... .-.-.- ..--.. --..-- -..-. -...- ");
    EXPECT_EQ(fake::state.journal.back(), "end 1");
}

// An Escape met at a send's third play stops it there: nothing more of it is heard,
// the program goes on as after a finished send (the panel shows its text; Learn Code
// and Code From File stay open), the Escape is used up, a later one acts as always
// (Quit in Code From File), and "73" sounds whole at exit. An Escape during "73"
// cuts it short. The Learn Code and Code From File rows open their window first; a
// stopped file is read no further than the character it was stopped in, however long.
TEST_F(App, EscapeStopsASend) {
    testing::write_text("e.txt", "tee" + std::string(1 << 17, 'e'));
    const std::tuple<int, std::function<void(platform::WindowHandle)>, std::string> rows[] = {
        {0, [](auto w) { fake::state.click(w, 205); }, "(1500) -----... ...-- |0BQEH1KFEGHI open"},
        {0, [](auto w) { fake::state.click(w, 206); }, "(1500)...--... ...-- |mary is the  open"},
        {207,
         [](auto w) {
             fake::state.control(w, 501).selected = 1;
             fake::state.click(w, 1);
         },
         "- -.--... ...-- |As you study open"},
        {209,
         [this](auto w) {
             browse_dir = here_;
             fake::state.control(w, 502) = {nullptr, "", {"e.txt"}, 0};  // e.txt alone, selected
             fake::state.click(w, 1);
             EXPECT_EQ(fake::state.unheard, 2);  // the stopped "e"'s two pauses
         },
         "- . .--... ...-- | end"},
        {0, [](auto) {}, "--.|Korvane\r\nA t open"}};
    for (const auto& [opener, user, expected] : rows) {
        fake::state = {};
        int plays = 0;
        fake::state.on_call = [&](const std::string& line) {
            if (line.starts_with("play") && ++plays == 3) {
                fake::state.press_escape(current_window);
            }
        };
        std::string seen;
        if (opener) {
            testing::script_clicks({opener});
        }
        fake::state.scripts.push_back([&](platform::WindowHandle w) {
            user(w);
            const auto& controls = fake::state.dialog(w).controls;
            seen = "|" + (controls.contains(301) ? controls.at(301).text.substr(0, 12) : "");
            fake::state.press_escape(w);
            seen += fake::state.journal.back() == "end 1" ? " end" : " open";
            fake::state.request_close(w);
        });
        testing::script_clicks({0});  // the main window after Learn Code or Code From File
        run_korvane();
        EXPECT_EQ(testing::sounds() + seen, expected);
    }
}

}  // namespace korvane
