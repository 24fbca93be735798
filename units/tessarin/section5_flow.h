// What the pages of section 5 share: their text-flow pieces, the page frame
// and the marks they plot on a figure's plane.
#pragma once

#include <vector>

#include "framework/lesson.h"

namespace lesson::application {

using Piece = Lesson::FlowPiece;

// A line at the page's left x (itemLabelX), dy below the current line.
inline Piece label(float color, float dy, const Text& text) {
  return {color, Piece::Label, dy, text};
}
// A line at the body margin (textMarginX), dy below the current line; `indent`
// moves it right.
inline Piece margin(float color, float dy, const Text& text, float indent = 0) {
  return {color, Piece::Margin, dy, text, indent};
}
// On the current line after the previous piece, `gap` pixels further right.
inline Piece on(float color, const Text& text, float gap = 0) {
  return {color, Piece::End, 0, text, gap};
}

// Pieces drawn, then a key wait: one reveal step.
inline void step(Lesson& page, const std::vector<Piece>& pieces) {
  page.flowText(pieces);
  page.waitKeyPrompt();
}

// The frame of a page: its text block starts at x 30 with its body lines at
// 30 + indent, its first line at y 20, drawn with pen width 5. With `clear`
// the page first erases its rectangle (0,0) 1600 x 1800.
inline void startPage(Lesson& page, float indent, bool clear = true) {
  if (clear) page.fillBox(0, 0, 1600, 1800, 15, 15);
  page.itemLabelX = 30;
  page.textMarginX = page.itemLabelX + indent;
  page.textLineY = 20;
  page.setDrawWidth(5);
}

// Erases the rectangle (x1,y1)-(x2,y2) to the page colour.
inline void erase(Lesson& page, float x1, float y1, float x2, float y2) {
  page.fillBox(x1, y1, x2, y2, 15, 15);
}

// A point of a figure's plane, plotted in plane units with the steps `xStep`,
// `yStep`; its screen position is kept in markX/markY(entry).
struct Mark {
  float entry;
  float x, y;
  float radius, color;
  Text label;
  float labelDx = 0;
};

inline void plotMark(Lesson& page, const Mark& mark, float xStep, float yStep) {
  page.graphXStep = xStep;
  page.graphYStep = yStep;
  page.plotDot({mark.x, mark.y, mark.radius, mark.color, mark.label, mark.labelDx});
  page.markX(mark.entry) = page.pointScreenX;
  page.markY(mark.entry) = page.pointScreenY;
}

// A straight line between two marks at pen width 7; the pen goes back to 5.
inline void lineBetweenMarks(Lesson& page, float from, float to, float color) {
  page.setDrawWidth(7);
  page.drawLine(page.markX(from), page.markY(from), page.markX(to), page.markY(to), color);
  page.setDrawWidth(5);
}

}  // namespace lesson::application
