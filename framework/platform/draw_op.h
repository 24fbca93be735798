// One drawing operation on the logical canvas. Both the window and the headless
// replay keep what was drawn as a list of these and render it with cairo.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lesson {

inline constexpr int kCanvasWidth = 1440;
inline constexpr int kCanvasHeight = 900;

// The smallest scale a window shows the canvas at (the window is kept at
// least this size): the extents below bound the pixels an operation paints
// in any window at this scale or larger, each pixel by its centre.
inline constexpr float kLeastScale = 0.5f;

// How far from the canvas cairo draws: farther coordinates, pens and text
// sizes overflow its fixed-point numbers and FreeType's sizes at the largest
// window. A box or a line that reaches farther is drawn as far as this; any
// other operation that does is not drawn at all.
inline constexpr float kFarthest = 100000;
inline constexpr float kLargestEm = 4000;

struct Point {
  float x = 0;
  float y = 0;
};

struct DrawOp {
  enum class Kind { Symbol, Line, Box, Fill, Circle, Poly, Cls };
  Kind kind = Kind::Line;

  int color = 0;  // palette number of lines, borders and glyphs
  int width = 1;  // pen width in force

  // Line, Box and Fill: the two corners. Text: x1, y1 is the cell's top-left.
  // Circle: x1, y1 is the centre.
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;

  int fill = -1;  // Fill, Circle, Poly: fill colour, -1 for none

  // Circle.
  float radius = 0;
  float arcStart = 0;  // fractions of a turn, clockwise on screen; both 0 = whole circle
  float arcEnd = 0;
  bool filled = false;

  // Poly: absolute points, relative ones already resolved.
  std::vector<Point> points;

  // Text.
  std::u32string text;
  std::u32string face;  // the font name the program selected
  float size = 16;
  float fx = 1, fy = 1;  // magnification: fx widens, fy heightens
  bool bold = false;
  bool italic = false;
};

// A rectangle of the logical canvas; empty when it has no area.
struct Extent {
  float left = 0, top = 0, right = 0, bottom = 0;

  bool empty() const { return !(left < right && top < bottom); }
  // True when every point of `inner` lies in this rectangle (an empty one does anywhere).
  bool contains(const Extent& inner) const {
    return inner.empty() || (left <= inner.left && top <= inner.top && inner.right <= right &&
                             inner.bottom <= bottom);
  }
  bool meets(const Extent& other) const {
    return !empty() && !other.empty() && left < other.right && other.left < right &&
           top < other.bottom && other.top < bottom;
  }
  // Grows to take in `other` as well.
  void add(const Extent& other);
  // The part inside the canvas.
  Extent onCanvas() const;
};

// True when the renderer draws the operation: its numbers are finite, and
// within kFarthest (text sizes within kLargestEm) where it is not a box or a line.
bool drawable(const DrawOp& op);

// A rectangle round everything the operation can paint: geometry padded by the
// pen, text padded by an em on every side (glyph ink may run past the cell,
// italic letters do). Empty for an operation that is not drawable.
Extent roughExtent(const DrawOp& op);

// True when nothing of the operation can show on the canvas (text measured at y 1800).
bool whollyOutsideCanvas(const DrawOp& op);

// True when the operation paints over the whole canvas, so nothing drawn before it shows.
bool coversWholeCanvas(const DrawOp& op);

}  // namespace lesson
