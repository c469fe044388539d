#include "practice/random_code.h"

#include "morse/code_table.h"
#include "morse/morse_values.h"
#include "morse/sender.h"
#include "platform/sleep.h"
#include "practice/lead_in.h"
#include "practice/random_draws.h"

namespace korvane {
namespace {

constexpr int kCharactersPerWord = 5;
constexpr int kShownPerLine = 50;

}  // namespace

std::string send_random_characters() {
    std::string shown;
    int on_line = 0;
    seed_from_clock();
    platform::sleep_ms(kLeadInMs);
    const std::int32_t total = speed_wpm * kCharactersPerWord;
    for (std::int32_t i = 0; i < total; ++i) {
        const auto slot = random_in_range(1, static_cast<std::int32_t>(MorseTable.kSlots));
        const char ch = slot_character(static_cast<std::size_t>(slot));
        send_text = std::string(1, ch);
        send_morse();
        if (MorseTable[static_cast<std::size_t>(slot)] != kNoCode) {
            shown += ch;
            ++on_line;
        }
        if (on_line == kShownPerLine) {
            on_line = 0;
            shown += "\r\n";
        }
    }
    return shown;
}

}  // namespace korvane
