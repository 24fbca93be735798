// The shapes the answer pages of section 8 (the review problems of textbook
// page 92) share: lines on a plane given by their equations, and the two
// working layouts of a pair of equations (the brace and the subtraction
// columns).
#pragma once

#include <vector>

#include "framework/page_steps.h"

namespace lesson::master {

// A line on the plane just drawn, as plotCurve takes it: kind 3 is
// y = a x + b, kind 4 is a x + b y = c (b 0: the vertical line x = c / a). An
// empty label writes none.
using Curve = Lesson::GraphCurve;
void plotCurves(Lesson& page, const std::vector<Curve>& curves);

// A pair of equations under a brace 100 px tall at (textMarginX,
// textLineY + 50), the equations 40 px right of it and 50 px apart, in colour
// 0. Afterwards textLineY is the second equation's line; returns the brace's
// top y.
float drawBracedPair(Lesson& page, const Text& first, const Text& second);

// One subtraction of two equations in columns at (textMarginX, textLineY + 50)
// with rows 50 px apart: the row of signs each term takes (colour 3) between
// the two rows, and the difference (colour 0) under the bar, where the line
// position is left.
struct Subtraction {
  Text top, bottom;
  Text signs;
  Text difference;
};
void drawSubtraction(Lesson& page, const Subtraction& columns);

}  // namespace lesson::master
