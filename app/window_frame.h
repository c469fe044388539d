#pragma once
// What every window of the program shares: its title, its size and the ids of
// the controls that several parts of the program write.

namespace korvane {

inline constexpr const char* kProgramTitle = "Korvane";
inline constexpr int kWindowWidth = 500;   // dialog units
inline constexpr int kWindowHeight = 350;  // dialog units

inline constexpr int kTextPanelId = 301;  // the large read-only panel
inline constexpr int kSpeedBoxId = 302;
inline constexpr int kPitchBoxId = 303;

}  // namespace korvane
