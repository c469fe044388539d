#include "morse/sender.h"

#include <string_view>

#include "morse/code_table.h"
#include "morse/morse_values.h"
#include "morse/tone.h"
#include "platform/sleep.h"
#include "platform/sound.h"

namespace korvane {
namespace {

// Lower-case letters sound as capitals: codes above 95 lose bit 5.
unsigned char folded(unsigned char ch) {
    return ch > 95 ? static_cast<unsigned char>(ch & 95u) : ch;
}

void send_code(std::string_view code) {
    for (const char element : code) {
        if (element == *kNoCode) {
            continue;
        }
        play_element(element == '.' ? dot_ms : dash_ms);
        platform::sleep_ms(dot_ms);
    }
    platform::sleep_ms(dash_ms);
}

}  // namespace

void play_element(std::int32_t duration_ms) {
    const WaveImage& image = duration_ms == dot_ms ? dit_image : dah_image;
    platform::play_wave_image(image.data());
}

void send_morse() {
    for (const char ch : send_text) {
        if (ch == ' ') {
            platform::sleep_ms(word_gap_ms);
            continue;
        }
        // A character without a table entry is skipped: no sound and no pause.
        if (const auto slot = morse_slot(folded(static_cast<unsigned char>(ch)))) {
            send_code(MorseTable[slot]);
        }
    }
}

}  // namespace korvane
