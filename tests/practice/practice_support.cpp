#include "tests/practice/practice_support.h"

#include <cctype>

#include "app/app_values.h"
#include "app/control_ids.h"
#include "app/file_window.h"
#include "app/main_window.h"
#include "app/practice_buttons.h"
#include "app/window_frame.h"
#include "morse/morse_values.h"
#include "platform/fake/fake.h"
#include "practice/code_from_file.h"
#include "practice/qso_practice.h"
#include "practice/text_tables.h"

namespace korvane::testing {
namespace {

constexpr int kExitButton = 250;

void append(std::string& timeline, const std::string& item) {
    timeline += (timeline.empty() ? "" : " ") + item;
}

}  // namespace

std::string morse_timeline(std::string_view characters) {
    std::string timeline;
    for (const char ch : characters) {
        if (ch == ' ') {
            append(timeline, std::to_string(word_gap_ms));
            continue;
        }
        const int capital = std::toupper(static_cast<unsigned char>(ch));
        for (const char element : MorseTable[static_cast<std::size_t>(capital - 43)]) {
            if (element != 'x') {
                append(timeline, std::string(1, element) + " " + std::to_string(dot_ms));
            }
        }
        append(timeline, std::to_string(dash_ms));
    }
    return timeline;
}

std::string panel_after_click(int button) {
    std::string panel;
    fake::script_next_dialog([&](platform::WindowHandle window) {
        fake::click(window, button);
        panel = fake::text_of(window, kTextPanelId);
        fake::click(window, kExitButton);
    });
    show_main_window();
    return panel;
}

}  // namespace korvane::testing
