#pragma once
// What the logic tests share: the headers they all use, a fresh program in a
// fresh working directory, the recorded sounds as text, and clicking users.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/app_values.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/backend/sending.h"
#include "platform/directory.h"
#include "platform/fake/fake.h"
#include "platform/wave_image.h"
#include "practice/text_tables.h"
#include "tests/support/temp_dir.h"

namespace korvane::testing {

// What the stream wrote: "." and "-" for the dot and the dash image, and each
// silence in whole milliseconds, as it follows an element at 10 wpm: nothing
// for 120 ms (inside a character), " " for 480 ms (after one), " / " for 1320
// ms (after a word) and "(N)" for any other N. A send's last pause is owed to
// the next send, and written only there. A send under way ends first, as a
// click's does when its handler returns.
inline std::string sounds() {
    platform::end_send();
    std::string text;
    for (const auto& [frames, count] : fake::state.written) {
        const auto ms = (count * 10 + 220) / 441;
        const std::string pause = ms == 120    ? ""
                                  : ms == 480  ? " "
                                  : ms == 1320 ? " / "
                                               : "(" + std::to_string(ms) + ")";
        text += !frames                                                   ? pause
                : frames == dit_image.data() + platform::kWaveHeaderBytes ? "."
                                                                          : "-";
    }
    return text;
}

// In a script of clicks, a request to close the dialog (no control has this
// id), the desktop ending the program, and the user pressing Escape.
inline constexpr int kCloseRequest = platform::kNoControl;
inline constexpr int kSessionEnd = -1;
inline constexpr int kEscape = -2;

// Queues the user of the next modal dialog: clicks the controls `ids` in turn.
inline void script_clicks(std::vector<int> ids) {
    fake::state.scripts.push_back([ids](platform::WindowHandle window) {
        for (const int id : ids) {
            id == kCloseRequest ? fake::state.request_close(window)
            : id == kSessionEnd ? fake::state.end_session(window)
            : id == kEscape     ? fake::state.press_escape(window)
                                : fake::state.click(window, id);
        }
    });
}

// Speed 10 wpm and pitch 1200 Hz, filled tables, built images and an empty fake
// platform, in a fresh temporary working directory.
class Logic : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::state = {};
        speed_wpm = 10;
        pitch_hz = 1200;
        recompute_timing();
        build_tones();
        fill_text_tables();
        std::filesystem::current_path(dir_.path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    TempDir dir_{"logic"};
    const std::string here_ = dir_ / "";  // the directory as the program writes one
    std::filesystem::path previous_ = std::filesystem::current_path();
};

}  // namespace korvane::testing
