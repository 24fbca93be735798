// The palette keeps every text colour readable on the ground the lessons draw
// it on.
#include "framework/platform/palette.h"

#include <gtest/gtest.h>

namespace lesson {
namespace {

TEST(Palette, TextColoursStandOutFromTheirGrounds) {
  struct Pair {
    int text, ground;
    const char* where;
  } pairs[] = {
      {0, 15, "body text on the page"},
      {3, 15, "emphasis and headings on the page"},
      {5, 15, "answers on the page"},
      {7, 15, "task labels on the page"},
      {13, 15, "the error line on the page"},
      {13, 10, "odd menu items on the panel"},
      {15, 10, "even menu items on the panel"},
      {9, 4, "the key-wait prompt on its bar"},
      {9, 12, "the next-step prompt in its box"},
      {9, 15, "line labels on the page"},
      {13, 3, "exercise numbers in their boxes"},
      {0, 13, "heading badges"},
      {5, 13, "framed answers"},
  };
  for (const Pair& p : pairs) {
    EXPECT_GE(contrastRatio(paletteRgb(p.text), paletteRgb(p.ground)), 3.0)
        << "colour " << p.text << " on " << p.ground << ": " << p.where;
  }
}

TEST(Palette, PageIsWhiteAndGridYellowShowsOnIt) {
  EXPECT_EQ(paletteRgb(15), (Rgb{255, 255, 255}));
  EXPECT_EQ(paletteRgb(0), (Rgb{0, 0, 0}));
  Rgb yellow = paletteRgb(14);
  EXPECT_GT(yellow.r, 200);
  EXPECT_GT(yellow.g, 120);
  EXPECT_LT(yellow.b, 80);
  EXPECT_GE(contrastRatio(yellow, paletteRgb(15)), 1.8);
  // Out-of-range numbers draw in black rather than reading outside the table.
  EXPECT_EQ(paletteRgb(16), paletteRgb(0));
  EXPECT_EQ(paletteRgb(-1), paletteRgb(0));
}

TEST(Palette, ContrastRatioIsTheWcagOne) {
  EXPECT_DOUBLE_EQ(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
  EXPECT_DOUBLE_EQ(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
  EXPECT_DOUBLE_EQ(contrastRatio({90, 60, 30}, {90, 60, 30}), 1.0);
  // Mid grey #777777 on white is the well-known 4.48:1.
  EXPECT_NEAR(contrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);
}

}  // namespace
}  // namespace lesson
