#include "framework/platform/draw_op.h"

#include <algorithm>

namespace lesson {

namespace {

struct Extent {
  float left, top, right, bottom;
};

Extent extentOf(const DrawOp& op) {
  float pad = static_cast<float>(op.width);
  switch (op.kind) {
    case DrawOp::Kind::Symbol: {
      // Generous: glyph ink may run past the cell, italic letters do.
      float em = op.size * std::max(op.fx, op.fy);
      float w = static_cast<float>(op.text.size() + 1) * op.size * op.fx;
      return {op.x1 - em, op.y1 - em, op.x1 + w + em, op.y1 + op.size * op.fy + em};
    }
    case DrawOp::Kind::Line:
    case DrawOp::Kind::Box:
    case DrawOp::Kind::Fill:
      return {std::min(op.x1, op.x2) - pad, std::min(op.y1, op.y2) - pad,
              std::max(op.x1, op.x2) + pad, std::max(op.y1, op.y2) + pad};
    case DrawOp::Kind::Circle:
      return {op.x1 - op.radius - pad, op.y1 - op.radius - pad, op.x1 + op.radius + pad,
              op.y1 + op.radius + pad};
    case DrawOp::Kind::Poly: {
      if (op.points.empty()) return {1e9f, 1e9f, 1e9f, 1e9f};
      Extent e{op.points[0].x, op.points[0].y, op.points[0].x, op.points[0].y};
      for (const Point& p : op.points) {
        e.left = std::min(e.left, p.x);
        e.top = std::min(e.top, p.y);
        e.right = std::max(e.right, p.x);
        e.bottom = std::max(e.bottom, p.y);
      }
      return {e.left - pad, e.top - pad, e.right + pad, e.bottom + pad};
    }
    case DrawOp::Kind::Cls:
      return {0, 0, kCanvasWidth, kCanvasHeight};
  }
  return {0, 0, 0, 0};
}

}  // namespace

bool whollyOutsideCanvas(const DrawOp& op) {
  Extent e = extentOf(op);
  return e.right < 0 || e.bottom < 0 || e.left > kCanvasWidth || e.top > kCanvasHeight;
}

bool coversWholeCanvas(const DrawOp& op) {
  if (op.kind == DrawOp::Kind::Cls) return true;
  if (op.kind != DrawOp::Kind::Fill) return false;
  return std::min(op.x1, op.x2) <= 0 && std::min(op.y1, op.y2) <= 0 &&
         std::max(op.x1, op.x2) >= kCanvasWidth && std::max(op.y1, op.y2) >= kCanvasHeight;
}

}  // namespace lesson
