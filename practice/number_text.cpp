#include "practice/number_text.h"

namespace korvane {

std::string signed_number_text(std::int32_t value) {
    std::string text = std::to_string(value);
    if (value >= 0) {
        text.insert(text.begin(), ' ');
    }
    return text;
}

}  // namespace korvane
