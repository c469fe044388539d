#include "practice/lesson.h"

#include <algorithm>
#include <array>

#include "practice/ascii_upper.h"

namespace korvane {
namespace {

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

}  // namespace

std::string lesson_characters(std::string_view line) {
    std::string characters;
    for (const char ch : line) {
        if (ch != '.' && ch != '-' && ch != ' ') {
            characters += ascii_upper(ch);
        }
    }
    const auto* match = std::find_if(PunctuationWords.begin(), PunctuationWords.end(),
                                     [&](const auto& p) { return p.word == characters; });
    return match == PunctuationWords.end() ? characters : std::string(match->sign);
}

}  // namespace korvane
