// Any bytes as a practice file, given to the sender one by one on the fake
// platform: nothing but the two images and the three pauses may come out, and
// every byte from "," to "Z" and from "a" to "z" ends in exactly one
// character pause, whatever comes before or after it.

#include <cstdint>
#include <cstdlib>

#include "app/app_values.h"
#include "app/file_window.h"
#include "app/practice_buttons.h"
#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "practice/code_from_file.h"
#include "practice/file_bytes.h"
#include "practice/qso_practice.h"
#include "practice/text_tables.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool has_table_entry(std::uint8_t byte) {
    return (byte >= 44 && byte <= 90) || (byte >= 97 && byte <= 122);
}

bool is_element_or_pause(const korvane::fake::SoundEvent& event) {
    using Kind = korvane::fake::SoundEvent::Kind;
    if (event.kind == Kind::play) {
        return event.image == korvane::dit_image.data() || event.image == korvane::dah_image.data();
    }
    return event.ms == korvane::dot_ms || event.ms == korvane::dash_ms ||
           event.ms == korvane::word_gap_ms;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    korvane::fill_text_tables();
    korvane::recompute_timing();
    korvane::build_tones();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korvane::fake::reset();
    korvane::send_text.clear();
    std::size_t coded = 0;
    for (std::size_t i = 0; i < size; ++i) {
        korvane::send_file_byte(data[i], i == 0);
        coded += has_table_entry(data[i]) ? 1 : 0;
    }
    std::size_t character_pauses = 0;
    for (const auto& event : korvane::fake::sound_events()) {
        require(is_element_or_pause(event));
        character_pauses += event.ms == korvane::dash_ms ? 1 : 0;
    }
    require(character_pauses == coded);
    return 0;
}
