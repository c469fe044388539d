#include "tests/logic/logic.h"

#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "practice/text_tables.h"

namespace korvane::testing {

std::string sounds() {
    std::string text;
    for (const auto& event : fake::sound_events()) {
        const std::string pause = event.ms == 360   ? " "
                                  : event.ms == 840 ? "/ "
                                  : event.ms == 120 ? ""
                                                    : "(" + std::to_string(event.ms) + ")";
        text += !event.image ? pause : event.image == dit_image.data() ? "." : "-";
    }
    return text;
}

void script_clicks(std::vector<int> ids) {
    fake::state.scripts.push_back([ids](platform::WindowHandle window) {
        for (const int id : ids) {
            id ? fake::click(window, id) : fake::request_close(window);
        }
    });
}

void Logic::SetUp() {
    fake::reset();
    speed_wpm = 10;
    pitch_hz = 1200;
    recompute_timing();
    build_tones();
    fill_text_tables();
    std::filesystem::current_path(dir_.path());
}

}  // namespace korvane::testing
