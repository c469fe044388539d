#pragma once
// The settings file: pitch and speed kept between runs.

namespace korvane {

// Binary despite its name: pitch then speed as signed 16-bit little-endian values.
inline constexpr const char* kSettingsFileName = "KORVANE.INI";

// Applies the defaults, then reads the file, or writes the defaults into it when it is empty.
void load_settings();

// Writes pitch and speed at offset 0; the rest of the file is left as it is.
void save_settings();

}  // namespace korvane
