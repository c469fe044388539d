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

bool is_code(std::string_view word) {
    return word.find_first_not_of(".-") == std::string_view::npos;
}

std::string code_in_words(std::string_view code) {
    std::string words;
    for (const char element : code) {
        words += words.empty() ? "" : " ";
        words += element == '.' ? "dit" : "dah";
    }
    return words;
}

}  // namespace

std::string spoken_lesson_line(std::string_view line) {
    std::string spoken;
    for (std::size_t start = line.find_first_not_of(' '); start != std::string_view::npos;) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        const std::string_view word = line.substr(start, end - start);
        if (!is_code(word)) {
            spoken += (spoken.empty() ? "" : ". ") + std::string(word);
        } else if (spoken.empty()) {
            return "divider";
        } else {
            spoken += ", " + code_in_words(word);
        }
        start = line.find_first_not_of(' ', end);
    }
    return spoken;
}

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
