// Drawing operations made by hand, for tests of the canvas and its rendering.
#pragma once

#include <string>

#include "framework/platform/draw_op.h"

namespace lesson::testing::ops {

inline DrawOp fillBox(float x1, float y1, float x2, float y2, int border, int fill, int width = 3) {
  DrawOp op;
  op.kind = DrawOp::Kind::Fill;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.color = border;
  op.fill = fill;
  op.width = width;
  return op;
}

inline DrawOp box(float x1, float y1, float x2, float y2, int color, int width) {
  DrawOp op = fillBox(x1, y1, x2, y2, color, -1, width);
  op.kind = DrawOp::Kind::Box;
  return op;
}

inline DrawOp line(float x1, float y1, float x2, float y2, int color, int width) {
  DrawOp op = fillBox(x1, y1, x2, y2, color, -1, width);
  op.kind = DrawOp::Kind::Line;
  return op;
}

inline DrawOp circle(float x, float y, float r, int color, int width, bool filled = false,
                     float start = 0, float end = 0) {
  DrawOp op;
  op.kind = DrawOp::Kind::Circle;
  op.x1 = x, op.y1 = y;
  op.radius = r;
  op.color = color;
  op.width = width;
  op.filled = filled;
  op.fill = filled ? color : -1;
  op.arcStart = start, op.arcEnd = end;
  return op;
}

inline DrawOp text(float x, float y, const std::u32string& t, const std::u32string& face = U"ｺﾞｼｯｸ",
                   float size = 16, float fx = 1, float fy = 1, bool bold = false,
                   bool italic = false) {
  DrawOp op;
  op.kind = DrawOp::Kind::Symbol;
  op.x1 = x, op.y1 = y;
  op.text = t;
  op.face = face;
  op.size = size;
  op.fx = fx, op.fy = fy;
  op.bold = bold, op.italic = italic;
  return op;
}

inline DrawOp cls() {
  DrawOp op;
  op.kind = DrawOp::Kind::Cls;
  return op;
}

}  // namespace lesson::testing::ops
