#include "framework/platform/dot_runs.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

namespace lesson {

namespace {

// A centre left out of the path lies at most this far (canvas units) from
// the segment that passes it by.
constexpr double kStraight = 0.02;

double dotRadius(const DrawOp& op) {
  return op.radius + std::max(op.width, 1) / 2.0;
}

// Fills the discs of the given centres as one path, so that where they
// overlap their edges blend once.
void fillDiscs(cairo_t* cr, double radius, std::span<const Point> centres) {
  if (centres.empty()) return;
  cairo_save(cr);
  cairo_set_tolerance(cr, 0.5);  // a dot a few pixels wide needs few segments
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_FAST);
  cairo_new_path(cr);
  for (const Point& c : centres) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, radius, 0, 2 * std::numbers::pi);
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

struct Vec {
  double x, y;
};

double cross(Vec a, Vec b) {
  return a.x * b.y - a.y * b.x;
}

// Adds the path through `centres` (neighbours close enough to stand for a
// stroke) as one sub-path: from each centre kept, the segment runs on to the
// farthest later centre such that every centre between lies within kStraight
// of it. The directions the segment may take form a wedge, narrowed by each
// centre passed; a centre outside the wedge, or one coming back nearer the
// segment's start (a path that turns back), ends the segment at the centre
// before it.
void addPiece(cairo_t* cr, std::span<const Point> centres) {
  cairo_move_to(cr, centres[0].x, centres[0].y);
  std::size_t from = 0;
  while (from + 1 < centres.size()) {
    const Point& a = centres[from];
    bool bounded = false;
    Vec low{}, high{};  // the wedge's edges, counter-clockwise from low to high
    double farthest = 0;
    std::size_t to = from + 1;
    for (std::size_t j = from + 1; j < centres.size(); ++j) {
      Vec v{double(centres[j].x) - a.x, double(centres[j].y) - a.y};
      double d = std::hypot(v.x, v.y);
      if (d < farthest - kStraight) break;
      if (d > kStraight) {
        if (bounded && (cross(low, v) < 0 || cross(v, high) < 0)) break;
        // The directions within kStraight of this centre at its distance.
        double sin = kStraight / d, cos = std::sqrt(1 - sin * sin);
        Vec u{v.x / d, v.y / d};
        Vec lowHere{u.x * cos + u.y * sin, u.y * cos - u.x * sin};
        Vec highHere{u.x * cos - u.y * sin, u.y * cos + u.x * sin};
        if (!bounded || cross(low, lowHere) > 0) low = lowHere;
        if (!bounded || cross(highHere, high) > 0) high = highHere;
        bounded = true;
      }
      farthest = std::max(farthest, d);
      to = j;
    }
    cairo_line_to(cr, centres[to].x, centres[to].y);
    from = to;
  }
}

}  // namespace

bool isDot(const DrawOp& op) {
  return op.kind == DrawOp::Kind::Circle && op.arcStart == 0 && op.arcEnd == 0 &&
         std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.radius) &&
         op.radius <= std::max(op.width, 1) / 2.0;
}

Extent dotExtent(const DrawOp& op, Point centre) {
  auto reach = static_cast<float>(dotRadius(op) + 1);
  return Extent{centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach}.onCanvas();
}

void renderDots(cairo_t* cr, const DrawOp& op) {
  const Point own{op.x1, op.y1};
  std::span<const Point> centres(&own, 1);
  if (!op.points.empty()) centres = op.points;
  double radius = dotRadius(op);
  if (centres.size() < kLeastStrokedDots) {
    fillDiscs(cr, radius, centres);
    return;
  }
  // Neighbours farther apart than this leave the stroke's edge more than
  // radius / 32 from their discs' (the scallops between two discs d apart
  // are d² / 8r deep): there the run is broken, and a dot with no near
  // neighbour is filled as its disc.
  const double bridge = radius / 2;
  auto near = [&](std::size_t i) {
    return std::hypot(centres[i].x - centres[i - 1].x, centres[i].y - centres[i - 1].y) <= bridge;
  };
  std::vector<Point> lone;
  cairo_save(cr);
  cairo_new_path(cr);
  for (std::size_t begin = 0, end; begin < centres.size(); begin = end) {
    end = begin + 1;
    while (end < centres.size() && near(end)) ++end;
    if (end - begin == 1) {
      lone.push_back(centres[begin]);
    } else {
      addPiece(cr, centres.subspan(begin, end - begin));
    }
  }
  // One stroke for every piece, so that where they overlap they blend once.
  cairo_set_line_width(cr, 2 * radius);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_restore(cr);
  fillDiscs(cr, radius, lone);
}

}  // namespace lesson
