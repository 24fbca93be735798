#include "framework/platform/palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lesson {

namespace {

// A classic 16-colour order, with values moved where a text colour has to
// stand out from its ground: 3, 5, 7 and 13 are dark enough for the white
// page; 10 (the menu panel) sits between white and the dark violet 13, both
// written on it; 9 (foot-bar prompts) is a light blue on the dark reds 4 and
// 12; 14 is a golden yellow that shows on white as grid lines.
constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},        // 0 black: body text
    {0, 0, 170},      // 1 blue
    {0, 128, 0},      // 2 green
    {0, 148, 148},    // 3 teal: emphasis and headings
    {170, 0, 0},      // 4 dark red: key-wait bar
    {170, 0, 170},    // 5 magenta: answers
    {170, 85, 0},     // 6 brown
    {112, 112, 112},  // 7 grey: task labels
    {72, 72, 72},     // 8 dark grey
    {170, 210, 255},  // 9 light blue: foot-bar prompt text
    {40, 155, 85},    // 10 green: menu panel
    {85, 255, 255},   // 11 light cyan
    {205, 40, 40},    // 12 red: next-step box
    {84, 0, 108},     // 13 violet: menu items, error line
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
