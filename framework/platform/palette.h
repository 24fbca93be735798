// The fixed 16-colour palette the lessons draw with: colour numbers 0-15,
// 15 the white page. The values keep every text colour readable on the ground
// the lessons draw it on.
#pragma once

#include <cstdint>

namespace lesson {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour of a palette number; a number outside 0-15 gives colour 0.
Rgb paletteRgb(int color);

// WCAG relative luminance of a colour (0 black, 1 white).
double relativeLuminance(Rgb c);

// WCAG contrast ratio of two colours, from 1 (equal) to 21 (black on white).
double contrastRatio(Rgb a, Rgb b);

}  // namespace lesson
