#include "practice/random_code.h"

#include "app/shared_values.h"
#include "app/text_tables.h"
#include "app/window_frame.h"
#include "morse/sender.h"
#include "platform/sleep.h"
#include "practice/random_draws.h"

namespace korvane {
namespace {

constexpr std::int32_t kLeadInMs = 1500;
constexpr int kCharactersPerWord = 5;
constexpr int kShownPerLine = 50;

}  // namespace

void send_random_code() {
    std::string shown;
    int on_line = 0;
    seed_from_clock();
    platform::sleep_ms(kLeadInMs);
    const std::int32_t total = speed_wpm * kCharactersPerWord;
    for (std::int32_t i = 0; i < total; ++i) {
        const auto slot = random_in_range(1, static_cast<std::int32_t>(MorseTable.kSlots));
        const char ch = static_cast<char>(43 + slot);
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
    platform::set_control_text(current_window, kTextPanelId, shown);
}

int on_random_code(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam,
                   std::intptr_t) {
    return handle_click(message, wparam, send_random_code);
}

}  // namespace korvane
