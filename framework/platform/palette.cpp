#include "framework/platform/palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lesson {

namespace {

// A classic 16-colour order, with values moved where a text colour has to
// stand out from its ground (tests/text_contrast_test.cpp measures every pair
// the lessons draw). The tank pages write the clock in 5 over the empty tank 1,
// the water 3 and the poured water 11, and white scale numbers over the same
// three: so 1, 3 and 11 are mid tones and 5, which is also the answers' colour
// on the white page, is a dark magenta below them. 13 is written in colour-3
// boxes and on the menu panel 10, and is the ground of black, colour-5 and
// grey text in heading badges and shapes: so 13 is a light pink, 3 a mid teal
// that still reads on white as headings, and 10 a dark green. That leaves 13
// too light for the white page, where only the error screen writes it. 9 is written on
// the key-wait bar 4 and the next-step box 12 as the small prompts, which need
// 4.5:1, and as large line labels on the white page, which need 3:1: a mid
// blue, lifted only so far that the labels keep 3:1 with room to spare, and 4
// and 12 dark enough for the prompts. 14 is a golden yellow that shows on white
// as grid lines.
constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},        // 0 black: body text
    {100, 120, 255},  // 1 blue: the empty tank
    {0, 128, 0},      // 2 green
    {0, 127, 163},    // 3 teal: emphasis and headings, the water
    {89, 0, 15},      // 4 dark red: key-wait bar
    {82, 0, 90},      // 5 dark magenta: answers, the tank's clock
    {170, 85, 0},     // 6 brown
    {112, 112, 112},  // 7 grey: task labels
    {72, 72, 72},     // 8 dark grey
    {84, 144, 234},   // 9 blue: foot-bar prompt text, line labels
    {16, 70, 36},     // 10 dark green: menu panel
    {40, 164, 164},   // 11 cyan: poured water
    {85, 0, 51},      // 12 wine: next-step box
    {255, 191, 228},  // 13 light pink: menu items, badge grounds
    {240, 170, 0},    // 14 golden yellow: every fifth grid line
    {255, 255, 255},  // 15 white: the page
}};

double linear(std::uint8_t channel) {
  double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

Rgb paletteRgb(int color) {
  if (color < 0 || color > 15) return kPalette[0];
  return kPalette[static_cast<std::size_t>(color)];
}

double relativeLuminance(Rgb c) {
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrastRatio(Rgb a, Rgb b) {
  double la = relativeLuminance(a);
  double lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace lesson
