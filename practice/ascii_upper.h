#pragma once
// Upper case as the program means it: a to z become A to Z and nothing else
// changes, whatever the user's locale says (in Turkish, "i" has another capital).

namespace korvane {

constexpr char ascii_upper(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

}  // namespace korvane
