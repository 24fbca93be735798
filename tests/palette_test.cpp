// The palette's fixed points and the contrast measure. Whether every text
// stands out from the ground the lessons draw it on is measured over every
// page by tests/text_contrast_test.cpp.
#include "framework/platform/palette.h"

#include <gtest/gtest.h>

namespace lesson {
namespace {

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
