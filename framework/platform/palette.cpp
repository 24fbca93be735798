#include "framework/platform/palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lesson {

namespace {

// A classic 16-colour order, with values moved where a text colour has to
// stand out from its ground. 13 is written on the white page and on the menu
// panel 10, and is itself the ground of black and colour-5 text in heading
// badges, and colour 13 numbers stand in colour-3 boxes: so 13 is a mid pink,
// and 3, 5 and 10 are dark enough to stand out from it and from white. 9 is
// written on the key-wait bar 4 and the next-step box 12 and, as line labels,
// on the white page: a mid blue, with 4 and 12 dark. 14 is a golden yellow
// that shows on white as grid lines.
constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},        // 0 black: body text
    {0, 0, 170},      // 1 blue
    {0, 128, 0},      // 2 green
    {0, 70, 90},      // 3 dark teal: emphasis and headings
    {120, 0, 20},     // 4 dark red: key-wait bar
    {100, 0, 110},    // 5 dark magenta: answers
    {170, 85, 0},     // 6 brown
    {112, 112, 112},  // 7 grey: task labels
    {72, 72, 72},     // 8 dark grey
    {80, 140, 230},   // 9 blue: foot-bar prompt text, line labels
    {16, 70, 36},     // 10 dark green: menu panel
    {85, 255, 255},   // 11 light cyan
    {100, 0, 60},     // 12 wine: next-step box
    {240, 80, 170},   // 13 pink: menu items, error line, badge grounds
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
