#include "tests/logic/logic.h"

#include <fstream>
#include <iterator>

#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "practice/text_tables.h"

namespace korvane::testing {

std::string sounds() {
    std::string text;
    for (const auto& event : fake::sound_events()) {
        if (event.kind == fake::SoundEvent::Kind::play) {
            text += event.image == dit_image.data() ? "." : "-";
        } else if (event.ms != 120) {
            text += event.ms == 360   ? " "
                    : event.ms == 840 ? "/ "
                                      : "(" + std::to_string(event.ms) + ")";
        }
    }
    return text;
}

std::string file_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void put_file(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void script_clicks(std::vector<int> ids) {
    fake::state.scripts.push_back([ids](platform::WindowHandle window) {
        for (const int id : ids) {
            fake::click(window, id);
        }
        if (fake::dialog(window).result < 0) {
            fake::request_close(window);
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
