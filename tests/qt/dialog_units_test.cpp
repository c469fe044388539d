#include <gtest/gtest.h>

#include "platform/qt/dialog_units.h"

namespace korvane::qt {
namespace {

TEST(DialogUnitsTest, TheAverageLetterWidthIsRoundedHalfUp) {
    EXPECT_EQ(dialog_base_units(337, 13).x, 6);  // 6.48
    EXPECT_EQ(dialog_base_units(338, 13).x, 7);  // 6.5
    EXPECT_EQ(dialog_base_units(338, 13).y, 13);
}

TEST(DialogUnitsTest, PixelsAreRoundedHalfUpFromQuartersAndEighths) {
    const DialogBaseUnits base{7, 13};
    EXPECT_EQ(horizontal_pixels(500, base), 875);
    EXPECT_EQ(horizontal_pixels(2, base), 4);    // 3.5
    EXPECT_EQ(horizontal_pixels(1, base), 2);    // 1.75
    EXPECT_EQ(vertical_pixels(350, base), 569);  // 568.75
    EXPECT_EQ(vertical_pixels(4, base), 7);      // 6.5
    EXPECT_EQ(vertical_pixels(3, base), 5);      // 4.875
}

}  // namespace
}  // namespace korvane::qt
