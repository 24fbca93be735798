#include "framework/platform/canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/platform/dot_runs.h"
#include "framework/platform/fonts.h"
#include "framework/platform/palette.h"

namespace lesson {

namespace {

// True when `later` is an opaque circle with exactly the shape of the circle
// `earlier` (or of its dot centred at `at`, for a curve), so nothing of that
// can show once `later` is drawn.
bool paintsExactlyOver(const DrawOp& later, const DrawOp& earlier, Point at) {
  return later.kind == DrawOp::Kind::Circle && earlier.kind == DrawOp::Kind::Circle &&
         later.width == earlier.width && later.filled && earlier.filled && later.arcStart == 0 &&
         later.arcEnd == 0 && earlier.arcStart == 0 && earlier.arcEnd == 0 && later.x1 == at.x &&
         later.y1 == at.y && later.radius == earlier.radius;
}

// Where an operation can paint: boxes exactly their rectangle (they are drawn
// without antialiasing, so they paint only pixels whose centres lie inside
// it), strokes their geometry with half the pen and a pixel for antialiasing,
// text roughly until it is measured.
Extent paintExtent(const DrawOp& op) {
  Extent rough = roughExtent(op);
  if (rough.empty()) return {};  // a coordinate that is not finite: not drawn
  float pen = static_cast<float>(std::max(op.width, 1));
  float pad = pen / 2 + 1;
  switch (op.kind) {
    case DrawOp::Kind::Box:
    case DrawOp::Kind::Fill:
      return Extent{std::min(op.x1, op.x2), std::min(op.y1, op.y2), std::max(op.x1, op.x2),
                    std::max(op.y1, op.y2)}
          .onCanvas();
    case DrawOp::Kind::Line:
      return Extent{std::min(op.x1, op.x2) - pad, std::min(op.y1, op.y2) - pad,
                    std::max(op.x1, op.x2) + pad, std::max(op.y1, op.y2) + pad}
          .onCanvas();
    case DrawOp::Kind::Circle:
      return Extent{op.x1 - op.radius - pad, op.y1 - op.radius - pad, op.x1 + op.radius + pad,
                    op.y1 + op.radius + pad}
          .onCanvas();
    case DrawOp::Kind::Poly: {
      // The rough extent pads the points by the pen width.
      float shrink = static_cast<float>(op.width) - pad;
      return Extent{rough.left + shrink, rough.top + shrink, rough.right - shrink,
                    rough.bottom - shrink}
          .onCanvas();
    }
    case DrawOp::Kind::Symbol:
    case DrawOp::Kind::Cls:
      return rough.onCanvas();
  }
  return {};
}

// The rectangle an operation paints over entirely, opaquely: a clear, or a
// filled box (fill and border, without antialiasing). Empty for any other.
Extent coverOf(const DrawOp& op) {
  if (op.kind == DrawOp::Kind::Cls) return {0, 0, kCanvasWidth, kCanvasHeight};
  if (op.kind != DrawOp::Kind::Fill || op.fill < 0) return {};
  return paintExtent(op);
}

void setColor(cairo_t* cr, int color);

// Renders an operation of the list: dots and curves as dot_runs.h draws them.
void renderStored(cairo_t* cr, const DrawOp& op) {
  if (isDot(op)) {
    setColor(cr, op.color);
    renderDots(cr, op);
  } else {
    renderOp(cr, op);
  }
}

}  // namespace

void Canvas::add(const DrawOp& op) {
  if (!drawable(op)) return;  // it paints nothing
  if (isDot(op) && extendCurve(op)) return;
  Reach reach{paintExtent(op), op.kind != DrawOp::Kind::Symbol};
  // (A curve of more than one dot keeps its own last dot: see extendCurve.)
  if (!ops_.empty() && ops_.back().points.size() <= 1 &&
      paintsExactlyOver(op, ops_.back(), Point{ops_.back().x1, ops_.back().y1})) {
    if (unseen_ == 0) {
      repaint_.add(reach_.back().extent);
      repaint_.add(reach.extent);
    }
    ops_.back() = op;
    reach_.back() = reach;
  } else {
    Extent cover = coverOf(op);
    if (!cover.empty() && keeping_ == Keeping::Showing) dropCovered(cover);
    ops_.push_back(op);
    reach_.push_back(reach);
    ++unseen_;
  }
  // A dot keeps its centre among its points, where the curve it may begin
  // keeps the centres of the dots that follow.
  if (isDot(op)) ops_.back().points.assign(1, Point{op.x1, op.y1});
}

bool Canvas::extendCurve(const DrawOp& dot) {
  if (ops_.empty() || !isDot(ops_.back())) return false;
  std::size_t last = ops_.size() - 1;
  DrawOp& curve = ops_[last];
  const Point centre{dot.x1, dot.y1};
  bool sameDots =
      dot.color == curve.color && dot.radius == curve.radius && dot.width == curve.width;
  bool overLast = paintsExactlyOver(dot, curve, curve.points.back());
  if (overLast && sameDots) return true;  // the same dot again: nothing changes
  if (overLast && curve.points.size() > 1) {
    // It hides the curve's last dot, which goes (the curve's reach stays a bound).
    curve.points.pop_back();
    if (unseen_ == 0) repaint_.add(reach_[last].extent);
  }
  if (!sameDots) return false;
  curve.points.push_back(centre);
  reach_[last].extent.add(dotExtent(dot, centre));
  // Shown before, the curve is drawn anew, the whole of it (its reach only grows).
  if (unseen_ == 0) repaint_.add(reach_[last].extent);
  return true;
}

void Canvas::dropCovered(const Extent& cover) {
  std::size_t firstUnseen = ops_.size() - unseen_;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < ops_.size(); ++i) {
    Reach& reach = reach_[i];
    bool covered = false;
    if (cover.contains(reach.extent)) {
      covered = true;
    } else if (!reach.measured && cover.meets(reach.extent)) {
      // Text partly under the cover by its rough extent: its glyphs decide.
      reach.extent = symbolInk(ops_[i]).onCanvas();
      reach.measured = true;
      covered = cover.contains(reach.extent);
    } else if (ops_[i].points.size() > 1 && isDot(ops_[i]) && cover.meets(reach.extent)) {
      // A curve whose every dot lies under the cover goes, though its reach,
      // only ever a bound, may run past the cover. One only partly under it
      // stays whole: drawn through fewer dots, what is left of it would not
      // be drawn quite as it was.
      const DrawOp& curve = ops_[i];
      covered = std::all_of(curve.points.begin(), curve.points.end(),
                            [&](const Point& c) { return cover.contains(dotExtent(curve, c)); });
    }
    if (covered) {
      if (i < firstUnseen) {
        repaint_.add(reach.extent);
      } else {
        --unseen_;
      }
      continue;
    }
    if (kept != i) {
      ops_[kept] = std::move(ops_[i]);
      reach_[kept] = reach;
    }
    ++kept;
  }
  ops_.resize(kept);
  reach_.resize(kept);
}

Canvas::Changes Canvas::takeChanges() {
  Changes changes{unseen_, repaint_};
  unseen_ = 0;
  repaint_ = {};
  return changes;
}

void Canvas::render(cairo_t* cr, std::size_t from) const {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kCanvasWidth, kCanvasHeight);
  cairo_clip(cr);
  for (std::size_t i = from; i < ops_.size(); ++i) renderStored(cr, ops_[i]);
  cairo_restore(cr);
}

Extent Canvas::antialiasedReach(const Extent& area) const {
  Extent reach;
  for (std::size_t i = 0; i < ops_.size(); ++i) {
    DrawOp::Kind kind = ops_[i].kind;
    bool whole =
        kind == DrawOp::Kind::Box || kind == DrawOp::Kind::Fill || kind == DrawOp::Kind::Cls;
    if (!whole && area.meets(reach_[i].extent)) {
      reach.add(reach_[i].extent);
    }
  }
  return reach;
}

void Canvas::renderArea(cairo_t* cr, const Extent& area) const {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kCanvasWidth, kCanvasHeight);
  cairo_clip(cr);
  for (std::size_t i = 0; i < ops_.size(); ++i) {
    if (area.meets(reach_[i].extent)) renderStored(cr, ops_[i]);
  }
  cairo_restore(cr);
}

namespace {

void setColor(cairo_t* cr, int color) {
  Rgb c = paletteRgb(color);
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

// A box covers exactly the rectangle between its corners: the fill is that
// rectangle and the border a ring of the pen width inside it, so an erase
// touches nothing outside its corners. A box without height or width covers
// no pixels and paints nothing (the water of an empty tank leaves no line
// across the tank's wall or above the water under it).
//
// A box reaching farther than cairo draws is drawn as far as that, which
// changes nothing that can show.
void renderBox(cairo_t* cr, const DrawOp& op, int fill) {
  double left = std::min(op.x1, op.x2), right = std::max(op.x1, op.x2);
  double top = std::min(op.y1, op.y2), bottom = std::max(op.y1, op.y2);
  if (left == right || top == bottom) return;
  auto rectangle = [cr](double l, double t, double r, double b) {
    auto near = [](double v) { return std::clamp(v, double(-kFarthest), double(kFarthest)); };
    l = near(l), t = near(t), r = near(r), b = near(b);
    cairo_rectangle(cr, l, t, r - l, b - t);
  };
  // Boxes are drawn without antialiasing: a box's edges then cover whole
  // device pixels at any window scale, so an erase drawn over a box covers
  // exactly what the box painted and leaves no faint seam at its edges.
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  if (fill >= 0) {
    setColor(cr, fill);
    rectangle(left, top, right, bottom);
    cairo_fill(cr);
  }
  setColor(cr, op.color);
  double pen = std::max(op.width, 1);
  rectangle(left, top, right, bottom);
  if (2 * pen < right - left && 2 * pen < bottom - top) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    rectangle(left + pen, top + pen, right - pen, bottom - pen);
  }
  cairo_fill(cr);
}

// A line reaching farther than cairo draws is drawn as far as that (the part
// of it within kFarthest of the canvas's corner), which changes nothing that
// can show.
void renderLine(cairo_t* cr, const DrawOp& op) {
  double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
  // Liang-Barsky: the part of the segment, from t0 to t1, inside the square.
  double t0 = 0, t1 = 1;
  auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    double t = q / p;
    if (p < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    return t0 <= t1;
  };
  double dx = x2 - x1, dy = y2 - y1, far = kFarthest;
  if (std::max({std::abs(x1), std::abs(y1), std::abs(x2), std::abs(y2)}) > far) {
    if (!clip(-dx, x1 + far) || !clip(dx, far - x1) || !clip(-dy, y1 + far) ||
        !clip(dy, far - y1)) {
      return;
    }
    x2 = x1 + t1 * dx, y2 = y1 + t1 * dy;
    x1 += t0 * dx, y1 += t0 * dy;
  }
  setColor(cr, op.color);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_stroke(cr);
}

// Arcs are fractions of a turn, clockwise on screen as cairo's angles are;
// both ends 0 is the whole circle. A filled arc is a sector.
void renderCircle(cairo_t* cr, const DrawOp& op) {
  constexpr double kTurn = 2 * std::numbers::pi;
  bool whole = op.arcStart == 0 && op.arcEnd == 0;
  double start = whole ? 0 : kTurn * op.arcStart;
  double end = whole ? kTurn : kTurn * op.arcEnd;
  double pen = std::max(op.width, 1);
  if (whole && op.radius <= pen / 2) {
    // The outline covers the whole disc. Stroking so small a circle would
    // leave a hole in the middle of the dot.
    setColor(cr, op.color);
    cairo_arc(cr, op.x1, op.y1, op.radius + pen / 2, 0, kTurn);
    cairo_fill(cr);
    return;
  }
  cairo_new_path(cr);
  if (op.filled && !whole) cairo_move_to(cr, op.x1, op.y1);
  cairo_arc(cr, op.x1, op.y1, op.radius, start, end);
  if (whole || op.filled) cairo_close_path(cr);
  if (op.filled) {
    setColor(cr, op.fill >= 0 ? op.fill : op.color);
    cairo_fill_preserve(cr);
  }
  // The outline is stroked on filled circles as well, so that the tiny dots
  // (radius 1 and below) show at the pen width.
  setColor(cr, op.color);
  cairo_stroke(cr);
}

void renderPoly(cairo_t* cr, const DrawOp& op) {
  if (op.points.empty()) return;
  cairo_move_to(cr, op.points[0].x, op.points[0].y);
  for (std::size_t i = 1; i < op.points.size(); ++i) {
    cairo_line_to(cr, op.points[i].x, op.points[i].y);
  }
  if (op.points.size() == 1) cairo_line_to(cr, op.points[0].x, op.points[0].y);
  if (op.fill >= 0) {
    cairo_close_path(cr);
    setColor(cr, op.fill);
    cairo_fill_preserve(cr);
  }
  setColor(cr, op.color);
  cairo_stroke(cr);
}

}  // namespace

void renderOp(cairo_t* cr, const DrawOp& op) {
  if (!drawable(op)) return;
  cairo_save(cr);
  cairo_set_line_width(cr, std::max(op.width, 1));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (op.kind) {
    case DrawOp::Kind::Line:
      renderLine(cr, op);
      break;
    case DrawOp::Kind::Box:
      renderBox(cr, op, -1);
      break;
    case DrawOp::Kind::Fill:
      renderBox(cr, op, op.fill);
      break;
    case DrawOp::Kind::Circle:
      renderCircle(cr, op);
      break;
    case DrawOp::Kind::Poly:
      renderPoly(cr, op);
      break;
    case DrawOp::Kind::Symbol:
      setColor(cr, op.color);
      drawSymbol(cr, op);
      break;
    case DrawOp::Kind::Cls:
      setColor(cr, 15);
      cairo_paint(cr);
      break;
  }
  cairo_restore(cr);
}

}  // namespace lesson
