#include "app/texts.h"

#include <initializer_list>

namespace korvane {
namespace {

std::string join_lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += text.empty() ? "" : "\r\n";
        text += line;
    }
    return text;
}

}  // namespace

std::string make_credits_text() {
    return join_lines({"Korvane", "A trainer for hearing and copying Morse code",
                       "Copyright 2026 the Korvane developers",
                       "Free software under the MIT licence"});
}

std::string make_tips_text() {
    return join_lines({"As you study a character, you will also learn or review other characters.",
                       "To hear code, select from the list, and click the Listen button.",
                       "With a little practice, you will soon learn The Morse Code!"});
}

}  // namespace korvane
