#include "chart/colours.h"

#include <gtest/gtest.h>

namespace {

TEST(Colours, RgbPutsRedInTheLowByte) {
  EXPECT_EQ(RGB(255, 255, 128), 0x0080FFFFu);
  EXPECT_EQ(RGB(100, 100, 100), 0x00646464u);
  EXPECT_EQ(red_of(RGB(1, 2, 3)), 1);
  EXPECT_EQ(green_of(RGB(1, 2, 3)), 2);
  EXPECT_EQ(blue_of(RGB(1, 2, 3)), 3);
}

TEST(Colours, QBColorGivesTheClassicPalette) {
  EXPECT_EQ(QBColor(0), RGB(0, 0, 0));
  EXPECT_EQ(QBColor(7), RGB(192, 192, 192));
  EXPECT_EQ(QBColor(10), RGB(0, 255, 0));
  EXPECT_EQ(QBColor(12), RGB(255, 0, 0));
  EXPECT_EQ(QBColor(15), RGB(255, 255, 255));
}

// Only the drawing procedures call it, with the palette's own numbers; the check is an
// assertion, which builds without NDEBUG keep.
#ifndef NDEBUG
TEST(ColoursDeathTest, AnEntryPastTheClassicPaletteIsAProgrammingError) {
  EXPECT_DEATH(QBColor(16), "kPalette");
}
#endif

}  // namespace
