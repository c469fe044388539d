#pragma once
// The Morse code table: one code for each character from "," (44) to "Z" (90).

#include <cstddef>

#include "morse/table.h"

namespace korvane {

// Slot k holds the code of the character 43 + k, or kNoCode for a character without one. It is
// empty until practice/ fills it from the built-in text list at start-up (fill_text_tables).
inline Table<47> MorseTable;

// The placeholder code of a character that makes no sound.
inline constexpr const char* kNoCode = "x";

// The slot of `ch` in MorseTable, 1 to 47; 0 for a character outside "," to "Z".
constexpr std::size_t morse_slot(unsigned char ch) {
    constexpr unsigned kBeforeFirst = ',' - 1;
    return ch > kBeforeFirst && ch - kBeforeFirst <= decltype(MorseTable)::kSlots
               ? ch - kBeforeFirst
               : 0;
}

// The character whose code is in `slot`, 1 to 47.
constexpr char slot_character(std::size_t slot) {
    return static_cast<char>(',' - 1 + slot);
}

}  // namespace korvane
