#include "framework/platform/draw_op.h"

#include <algorithm>
#include <cmath>

namespace lesson {

namespace {

// The rectangle round an operation, whatever its coordinates (a polyline
// without points: none).
Extent rawExtent(const DrawOp& op) {
  float pad = static_cast<float>(op.width);
  switch (op.kind) {
    case DrawOp::Kind::Symbol: {
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
      if (op.points.empty()) return {};
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
  return {};
}

}  // namespace

void Extent::add(const Extent& other) {
  if (other.empty()) return;
  if (empty()) {
    *this = other;
    return;
  }
  left = std::min(left, other.left);
  top = std::min(top, other.top);
  right = std::max(right, other.right);
  bottom = std::max(bottom, other.bottom);
}

Extent Extent::onCanvas() const {
  Extent e{std::max(left, 0.0f), std::max(top, 0.0f), std::min(right, float(kCanvasWidth)),
           std::min(bottom, float(kCanvasHeight))};
  return e.empty() ? Extent{} : e;
}

bool drawable(const DrawOp& op) {
  auto finite = [](float v) { return std::isfinite(v); };
  auto near = [](float v) { return std::abs(v) <= kFarthest; };  // false for NaN
  bool pen = static_cast<float>(op.width) <= kFarthest;
  switch (op.kind) {
    case DrawOp::Kind::Box:
    case DrawOp::Kind::Fill:
      return finite(op.x1) && finite(op.y1) && finite(op.x2) && finite(op.y2);
    case DrawOp::Kind::Line:
      return pen && finite(op.x1) && finite(op.y1) && finite(op.x2) && finite(op.y2);
    case DrawOp::Kind::Circle:
      return pen && near(op.x1) && near(op.y1) && near(op.radius) && finite(op.arcStart) &&
             finite(op.arcEnd);
    case DrawOp::Kind::Poly:
      return pen && std::all_of(op.points.begin(), op.points.end(),
                                [&](const Point& p) { return near(p.x) && near(p.y); });
    case DrawOp::Kind::Symbol: {
      auto em = [](float v) { return std::abs(v) <= kLargestEm; };  // false for NaN
      return near(op.x1) && near(op.y1) && em(op.size * op.fx) && em(op.size * op.fy);
    }
    case DrawOp::Kind::Cls:
      return true;
  }
  return false;
}

Extent roughExtent(const DrawOp& op) {
  return drawable(op) ? rawExtent(op) : Extent{};
}

bool whollyOutsideCanvas(const DrawOp& op) {
  // A polyline without points draws nothing. A coordinate that is not finite
  // compares false here, so such an operation goes on to the renderer, which
  // skips it.
  if (op.kind == DrawOp::Kind::Poly && op.points.empty()) return true;
  Extent e = rawExtent(op);
  return e.right < 0 || e.bottom < 0 || e.left > kCanvasWidth || e.top > kCanvasHeight;
}

bool coversWholeCanvas(const DrawOp& op) {
  if (op.kind == DrawOp::Kind::Cls) return true;
  if (op.kind != DrawOp::Kind::Fill || !drawable(op)) return false;
  return std::min(op.x1, op.x2) <= 0 && std::min(op.y1, op.y2) <= 0 &&
         std::max(op.x1, op.x2) >= kCanvasWidth && std::max(op.y1, op.y2) >= kCanvasHeight;
}

}  // namespace lesson
