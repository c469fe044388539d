#pragma once
// The built-in list of 193 texts from which every table is filled.

#include <string>

namespace korvane {

inline constexpr int kTextListCount = 193;

// Item n of the list, counting from 1; "" for any n outside 1 to 193.
std::string text_list_item(int n);

}  // namespace korvane
