#include "morse/sender.h"

#include <cstdint>
#include <string_view>

#include "morse/code_table.h"
#include "morse/morse_values.h"
#include "morse/tone.h"
#include "platform/sleep.h"
#include "platform/sound.h"

namespace korvane {
namespace {

// Lower-case letters sound as capitals: codes above 95 are masked with 95, which clears bit 5 (and
// bit 7, so that a code above 127 lands on some character below 96 too).
unsigned char folded(unsigned char ch) {
    return ch > 95 ? static_cast<unsigned char>(ch & 95u) : ch;
}

// Plays dit_image when `duration_ms` is the dot's length, dah_image otherwise.
void play_element(std::int32_t duration_ms) {
    const WaveImage& image = duration_ms == dot_ms ? dit_image : dah_image;
    platform::play_wave_image(image.data());
}

// A send stopped during a character ends that character there, with the
// pauses it owes after its last element, so that what follows keeps its distance.
void send_code(std::string_view code) {
    for (const char element : code) {
        if (element == *kNoCode) {
            continue;
        }
        play_element(element == '.' ? dot_ms : dash_ms);
        platform::sleep_ms(dot_ms);
        if (platform::send_stopped()) {
            break;
        }
    }
    platform::sleep_ms(dash_ms);
}

}  // namespace

// Nothing more is sent, or owed, after the character a stop cut.
void send_morse() {
    for (const char ch : send_text) {
        if (platform::send_stopped()) {
            return;
        }
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
