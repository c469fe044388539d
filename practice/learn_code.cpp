#include "practice/learn_code.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "app/shared_values.h"
#include "app/text_tables.h"
#include "app/window_frame.h"
#include "morse/sender.h"

namespace korvane {
namespace {

constexpr int kLessonListId = 501;

struct PunctuationWord {
    std::string_view word;
    std::string_view sign;
};

// The words a lesson line spells in place of a sign.
constexpr std::array<PunctuationWord, 5> PunctuationWords{{
    {"PERIOD", "."},
    {"QUESTIONMARK", "?"},
    {"COMMA", ","},
    {"SLASH", "/"},
    {"DASH", "-"},
}};

constexpr unsigned kList = platform::kTabStop | platform::kVerticalScroll | platform::kNotify;
constexpr unsigned kHints = platform::kTabStop | platform::kReadOnly | platform::kMultiLine |
                            platform::kCentered | platform::kStaticEdge;

// In creation order, which is also the tab order.
constexpr std::array<platform::ControlLayout, 4> kControls{{
    {kLessonListId, platform::ControlKind::list_box, "", 100, 100, 150, 180, kList, nullptr},
    {1, platform::ControlKind::push_button, "&Listen", 275, 160, 30, 20, kButtonStyle, on_listen},
    {208, platform::ControlKind::push_button, "Cl&ose", 275, 190, 30, 20, kButtonStyle, on_close},
    {kTextPanelId, platform::ControlKind::edit, "", 50, 25, 400, 60, kHints, nullptr},
}};

// The characters a lesson line names: its text without ".", "-" and blanks,
// in capitals, a spelled-out sign replaced by the sign itself.
std::string lesson_characters(std::string_view line) {
    std::string characters;
    for (const char ch : line) {
        if (ch != '.' && ch != '-' && ch != ' ') {
            characters += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        }
    }
    const auto* match = std::find_if(PunctuationWords.begin(), PunctuationWords.end(),
                                     [&](const auto& p) { return p.word == characters; });
    return match == PunctuationWords.end() ? characters : std::string(match->sign);
}

}  // namespace

void show_learn_code_window() {
    current_window = platform::create_dialog(kProgramTitle, kWindowWidth, kWindowHeight);
    platform::add_control(current_window, kControls[0]);
    for (std::size_t slot = 1; slot <= LessonLines.kSlots && !LessonLines[slot].empty(); ++slot) {
        platform::add_list_line(current_window, kLessonListId, LessonLines[slot]);
    }
    for (std::size_t i = 1; i < kControls.size(); ++i) {
        platform::add_control(current_window, kControls[i]);
    }
    platform::set_control_text(current_window, kTextPanelId, tips_text);
    platform::run_modal(current_window);
}

int on_listen(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
              std::intptr_t) {
    return handle_click(message, wparam, [=] {
        send_text = lesson_characters(platform::selected_list_line(window, kLessonListId));
        send_morse();
    });
}

int on_close(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
             std::intptr_t) {
    return handle_click(message, wparam, [=] { platform::end_dialog(window, 1); });
}

}  // namespace korvane
