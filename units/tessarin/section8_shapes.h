// The shapes the answer pages of section 8 (the review problems of textbook
// page 92) share: the page start, steps of text revealed one key at a time,
// lines on a plane given by their equations, and the two working layouts of
// a pair of equations (the brace and the subtraction columns).
#pragma once

#include <vector>

#include "framework/lesson.h"

namespace lesson::master {

using Flow = Lesson::FlowPiece;
// The text one key reveals.
using Step = std::vector<Flow>;

// The start of every answer page: the whole window erased, the x of the
// page's labels (itemLabelX), its body margin and its first line, pen width 5.
void startPage(Lesson& page, float labelX, float marginX, float lineY);

// Each step's text followed by a key wait.
void revealSteps(Lesson& page, const std::vector<Step>& steps);
// The same, but the last step ends the page: the sub-menu follows it at once.
void revealToEnd(Lesson& page, const std::vector<Step>& steps);

// A line on the plane just drawn, as plotCurve takes it: kind 3 is
// y = a x + b, kind 4 is a x + b y = c (b 0: the vertical line x = c / a). An
// empty label writes none.
struct Curve {
  float kind;
  float a, b, c;
  float color;
  Text label;
  float dx = 0, dy = 0;
};
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
