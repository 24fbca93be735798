// What the pages of section 5 share: the page frame and the marks they plot on
// a figure's plane.
#pragma once

#include <vector>

#include "framework/page_steps.h"

namespace lesson::application {

// The frame of a page: its rectangle (0,0) 1600 x 1800 erased, its text block
// at x 30 (itemLabelX) with its body lines at 30 + indent, its first line at y
// 20, drawn with pen width 5.
inline PageStart framedPage(float indent) {
  return {.width = 1600,
          .height = 1800,
          .labelX = 30,
          .marginX = 30 + indent,
          .firstLine = 20,
          .penWidth = 5};
}
// The same frame over what the page shows: nothing erased.
inline PageStart reframedPage(float indent) {
  PageStart start = framedPage(indent);
  start.width = 0;
  return start;
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
