#pragma once
// Dialog units: window geometry measured in fractions of the dialog font's
// average character width and height, so a layout scales with the font.

namespace korvane::qt {

// The dialog font's average character width and height in pixels.
struct DialogBaseUnits {
    int x;
    int y;
};

// Base units from the advance of the 52 letters "A".."Z" "a".."z" and the font height.
DialogBaseUnits dialog_base_units(int letters_advance, int font_height);

// Pixels of `units` horizontal dialog units (a quarter of the average width each).
int horizontal_pixels(int units, DialogBaseUnits base);

// Pixels of `units` vertical dialog units (an eighth of the height each).
int vertical_pixels(int units, DialogBaseUnits base);

}  // namespace korvane::qt
