#include "platform/qt/dialog_units.h"

#include <cstdint>

namespace korvane::qt {
namespace {

constexpr int kLetterCount = 52;

// a * b / c rounded half away from zero, without overflow in between.
int mul_div(int a, int b, int c) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

DialogBaseUnits dialog_base_units(int letters_advance, int font_height) {
    return {mul_div(letters_advance, 1, kLetterCount), font_height};
}

int horizontal_pixels(int units, DialogBaseUnits base) {
    return mul_div(units, base.x, 4);
}

int vertical_pixels(int units, DialogBaseUnits base) {
    return mul_div(units, base.y, 8);
}

}  // namespace korvane::qt
