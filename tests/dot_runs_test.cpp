// A plotted curve, a run of thousands of overlapping dots, is drawn as the
// line the dots make. Against the union of the dots' discs (what the pupil
// is shown the dots as), the line may differ only along its outline, and is
// as wide; a run broken by a gap stays broken, its ends keep their round caps,
// and short or sparse runs are still the discs themselves.
#include "framework/platform/dot_runs.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "framework/platform/canvas.h"
#include "support/draw_ops.h"

namespace lesson {
namespace {

using testing::ops::circle;

struct Dot {
  double x, y;
};

// `count` dots from t = 0 to 1, as the lessons plot them.
std::vector<Dot> curve(int count, const std::function<Dot(double)>& at) {
  std::vector<Dot> dots;
  for (int i = 0; i < count; ++i) dots.push_back(at(static_cast<double>(i) / (count - 1)));
  return dots;
}

std::vector<Dot> joined(std::vector<Dot> a, const std::vector<Dot>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A window-sized picture, the canvas scaled to fit and centred on white.
class Picture {
 public:
  Picture(int width, int height)
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
        cr_(cairo_create(surface_)),
        scale_(std::min(width / double(kCanvasWidth), height / double(kCanvasHeight))),
        left_((width - kCanvasWidth * scale_) / 2),
        top_((height - kCanvasHeight * scale_) / 2) {
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
    cairo_translate(cr_, left_, top_);
    cairo_scale(cr_, scale_, scale_);
  }
  ~Picture() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  cairo_t* cr() const { return cr_; }
  double scale() const { return scale_; }
  // Device coordinates of a canvas point.
  Dot device(Dot p) const { return {left_ + p.x * scale_, top_ + p.y * scale_}; }
  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  // How dark pixel (x, y) is: 0 white, 1 black (the runs are drawn in black).
  double ink(int x, int y) const {
    cairo_surface_flush(surface_);
    const unsigned char* row =
        cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    return 1 - row[4 * x] / 255.0;
  }

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
  double scale_, left_, top_;
};

// The run drawn through the canvas, as every page draws it.
void drawOnCanvas(Picture& picture, const std::vector<Dot>& dots, int width) {
  Canvas canvas;
  for (const Dot& d : dots) {
    canvas.add(circle(float(d.x), float(d.y), 1, 0, width, true));
  }
  canvas.render(picture.cr());
}

// The union of the dots' discs, filled as one path (within the canvas, as
// the canvas draws).
void drawUnion(Picture& picture, const std::vector<Dot>& dots, double radius) {
  cairo_t* cr = picture.cr();
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kCanvasWidth, kCanvasHeight);
  cairo_clip(cr);
  cairo_set_tolerance(cr, 0.5);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_FAST);
  for (const Dot& d : dots) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, float(d.x), float(d.y), radius, 0, 2 * std::numbers::pi);
  }
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_fill(cr);
  cairo_restore(cr);
}

struct Comparison {
  long differing = 0;
  long far = 0;          // differing pixels more than a device pixel from the outline
  double farthest = 0;   // the largest such distance
  std::string firstFar;  // where the first of them is
  double inkDrawn = 0, inkUnion = 0;
};

// Compares the canvas's picture of the run with the union of its discs.
Comparison compare(const std::vector<Dot>& dots, int width, int w, int h) {
  Picture drawn(w, h), discs(w, h);
  double radius = 1 + width / 2.0;
  drawOnCanvas(drawn, dots, width);
  drawUnion(discs, dots, radius);
  std::vector<Dot> centres;
  for (const Dot& d : dots) centres.push_back(drawn.device({float(d.x), float(d.y)}));
  const double r = radius * drawn.scale();
  Comparison c;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      double a = drawn.ink(x, y), b = discs.ink(x, y);
      c.inkDrawn += a;
      c.inkUnion += b;
      if (a == b) continue;
      ++c.differing;
      double nearest = 1e9;
      for (const Dot& p : centres)
        nearest = std::min(nearest, std::hypot(x + 0.5 - p.x, y + 0.5 - p.y));
      double off = std::abs(nearest - r);
      if (off > 1) {
        if (c.far == 0) c.firstFar = std::to_string(x) + "," + std::to_string(y);
        ++c.far;
        c.farthest = std::max(c.farthest, off);
      }
    }
  }
  return c;
}

// The length of the path through the dots, in canvas units.
double pathLength(const std::vector<Dot>& dots, double bridge) {
  double length = 0;
  for (std::size_t i = 1; i < dots.size(); ++i) {
    double step = std::hypot(dots[i].x - dots[i - 1].x, dots[i].y - dots[i - 1].y);
    if (step <= bridge) length += step;
  }
  return length;
}

struct Plot {
  const char* what;
  std::vector<Dot> dots;
  int width;
};

// Runs as the pages plot them: lines of every slope, thin and thick, a bend.
const std::vector<Plot>& plots() {
  static const std::vector<Plot> kPlots{
      {"a rising diagonal",
       curve(5001,
             [](double t) {
               return Dot{342 + 540 * t, 590 - 360 * t};
             }),
       5},
      {"the steepest line",
       curve(4000,
             [](double t) {
               return Dot{610 + 30 * t, 60 + 640 * t};
             }),
       5},
      {"a horizontal line of thin dots",
       curve(3000,
             [](double t) {
               return Dot{100 + 1200 * t, 450.5};
             }),
       2},
      {"a gentle falling line",
       curve(3000,
             [](double t) {
               return Dot{200 + 900 * t, 300 + 90 * t};
             }),
       4},
      {"a parabola",
       curve(4167,
             [](double t) {
               double x = -3 + 6 * t;
               return Dot{700 + 60 * x, 600 - 30 * x * x};
             }),
       5},
      {"a hyperbola branch",
       curve(2500,
             [](double t) {
               double x = 0.5 + 9.5 * t;
               return Dot{700 + 40 * x, 450 - 240 / x};
             }),
       5},
      {"a line drawn out and back over itself",
       joined(curve(1000,
                    [](double t) {
                      return Dot{300 + 300 * t, 700 - 100 * t};
                    }),
              curve(500,
                    [](double t) {
                      return Dot{600 - 150 * t, 600 + 50 * t};
                    })),
       5},
      // Two lines in one colour, one after the other: the jump between them
      // must stay empty.
      {"two lines with a gap between",
       joined(curve(2000,
                    [](double t) {
                      return Dot{300 + 400 * t, 200 + 0 * t};
                    }),
              curve(2000,
                    [](double t) {
                      return Dot{720 + 400 * t, 200 + 100 * t};
                    })),
       5},
  };
  return kPlots;
}

const std::pair<int, int> kSizes[] = {{1920, 1080}, {1366, 768}, {1000, 700}};

TEST(DotRuns, ALongRunIsItsDotsUnionButAtTheOutline) {
  for (const Plot& run : plots()) {
    for (auto [w, h] : kSizes) {
      Comparison c = compare(run.dots, run.width, w, h);
      EXPECT_EQ(c.far, 0) << run.what << " at " << w << "x" << h << ": " << c.far << " of "
                          << c.differing << " differing pixels lie off the outline, up to "
                          << c.farthest << " px (first at " << c.firstFar << ")";
      // As wide: the ink over the length of the line, in device pixels.
      double radius = 1 + run.width / 2.0;
      double length = pathLength(run.dots, radius / 2) * std::min(w / 1440.0, h / 900.0);
      EXPECT_NEAR((c.inkDrawn - c.inkUnion) / length, 0, 0.5)
          << run.what << " at " << w << "x" << h << ": ink " << c.inkDrawn << " against "
          << c.inkUnion << " along " << length << " px";
    }
  }
}

TEST(DotRuns, ShortAndSparseRunsAreTheirDiscs) {
  const Plot cases[] = {
      {"a short run",
       curve(kLeastStrokedDots - 1,
             [](double t) {
               return Dot{400 + 3 * t, 300};
             }),
       5},
      {"dots a radius apart",
       curve(60,
             [](double t) {
               return Dot{400 + 60 * 3.5 * t, 300 + 60 * 1.2 * t};
             }),
       5},
      {"a lone dot", {{500.3, 400.7}}, 4},
  };
  for (const Plot& run : cases) {
    for (auto [w, h] : kSizes) {
      EXPECT_EQ(compare(run.dots, run.width, w, h).differing, 0)
          << run.what << " at " << w << "x" << h;
    }
  }
}

}  // namespace
}  // namespace lesson
