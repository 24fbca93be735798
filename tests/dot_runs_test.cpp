// Long runs of dots (plotted curves) are filled in tiles on several workers;
// the pixels must be exactly those of one fill of the whole run, at any
// window scale, with runs overlapping each other and other drawing.
#include "framework/platform/dot_runs.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/platform/canvas.h"
#include "support/draw_ops.h"

namespace lesson {
namespace {

using testing::ops::circle;

// A curve of `count` dots from t = 0 to 1, as the lessons plot them.
void addCurve(Canvas& canvas, int count, int color, int width,
              const std::function<Point(double)>& at) {
  for (int i = 0; i < count; ++i) {
    Point p = at(static_cast<double>(i) / (count - 1));
    canvas.add(circle(p.x, p.y, 1, color, width, true));
  }
}

// The canvas rendered onto a window-sized image as the picture of a window
// renders it (scaled to fit, centred, clipped to the canvas), with or without
// the painter; returns the pixels.
std::vector<unsigned char> rendered(const Canvas& canvas, int width, int height,
                                    DotRunPainter* painter) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  double scale = std::min(width / double(kCanvasWidth), height / double(kCanvasHeight));
  cairo_translate(cr, (width - kCanvasWidth * scale) / 2, (height - kCanvasHeight * scale) / 2);
  cairo_scale(cr, scale, scale);
  canvas.render(cr, 0, painter);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<unsigned char> pixels(data, data + cairo_image_surface_get_stride(surface) * height);
  cairo_surface_destroy(surface);
  return pixels;
}

long differing(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
  long count = 0;
  for (std::size_t i = 0; i + 3 < a.size(); i += 4) count += std::memcmp(&a[i], &b[i], 3) != 0;
  return count;
}

struct Page {
  const char* name;
  std::function<void(Canvas&)> draw;
};

const std::vector<Page>& pages() {
  static const std::vector<Page> kPages{
      {"a long diagonal and a steep short line",
       [](Canvas& c) {
         addCurve(c, 5001, 3, 5, [](double t) {
           return Point{float(342 + 540 * t), float(590 - 360 * t)};
         });
         addCurve(c, 5001, 7, 4, [](double t) {
           return Point{float(418 + 120 * t), float(620 - 180 * t)};
         });
       }},
      {"a parabola crossed by a line, a label and a grid line between",
       [](Canvas& c) {
         addCurve(c, 4167, 0, 5, [](double t) {
           double x = -3 + 6 * t;
           return Point{float(700 + 60 * x), float(600 - 30 * x * x)};
         });
         c.add(testing::ops::text(720, 300, U"y=x²"));
         c.add(testing::ops::line(400, 420, 1000, 420, 14, 3));
         addCurve(c, 1666, 5, 3, [](double t) {
           return Point{float(500 + 400 * t), float(330 + 200 * t)};
         });
       }},
      {"a box over one curve, then a curve and a label over the box",
       [](Canvas& c) {
         addCurve(c, 5001, 3, 5, [](double t) {
           return Point{float(300 + 600 * t), float(300 + 200 * t)};
         });
         c.add(testing::ops::fillBox(500, 320, 700, 440, 0, 13, 2));
         addCurve(c, 5001, 5, 5, [](double t) {
           return Point{float(300 + 600 * t), float(500 - 200 * t)};
         });
         c.add(testing::ops::text(560, 380, U"交点", U"ゴシック", 16, 2, 2, true));
         addCurve(c, 3000, 0, 3, [](double t) { return Point{float(560 + 120 * t), 390}; });
       }},
      {"a horizontal line of thin dots and a hyperbola branch",
       [](Canvas& c) {
         addCurve(c, 3000, 9, 2, [](double t) { return Point{float(100 + 1200 * t), 450.5f}; });
         addCurve(c, 2500, 3, 5, [](double t) {
           double x = 0.5 + 9.5 * t;
           return Point{float(700 + 40 * x), float(450 - 240 / x)};
         });
       }},
  };
  return kPages;
}

TEST(DotRuns, TilesGiveThePixelsOfOneFill) {
  DotRunPainter painter;
  // The window's usual size, the canvas's own, and sizes whose offsets and
  // scales are fractions of a pixel.
  const std::pair<int, int> sizes[] = {{1920, 1080}, {1440, 900}, {1000, 700}, {1366, 768}};
  for (const Page& page : pages()) {
    Canvas canvas;
    page.draw(canvas);
    for (auto [width, height] : sizes) {
      std::vector<unsigned char> whole = rendered(canvas, width, height, nullptr);
      std::vector<unsigned char> tiled = rendered(canvas, width, height, &painter);
      EXPECT_EQ(differing(whole, tiled), 0) << page.name << " at " << width << "x" << height;
    }
  }
}

// Where the whole fill would be cut by the canvas's edge the painter declines
// and the run is filled whole; a short run is filled whole too.
TEST(DotRuns, RunsAtTheEdgeOrShortAreLeftToTheWholeFill) {
  Canvas canvas;
  addCurve(canvas, 2000, 3, 5, [](double t) { return Point{float(1000 + 438 * t), 300}; });
  addCurve(canvas, 100, 5, 5, [](double t) { return Point{float(200 + 100 * t), 500}; });
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1440, 900);
  cairo_t* cr = cairo_create(surface);
  cairo_rectangle(cr, 0, 0, kCanvasWidth, kCanvasHeight);
  cairo_clip(cr);
  DotRunPainter painter;
  ASSERT_TRUE(painter.begin(cr));
  EXPECT_FALSE(painter.add(canvas.ops(), 0, 2000));
  EXPECT_FALSE(painter.add(canvas.ops(), 2000, 2100));
  painter.finish();
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  EXPECT_EQ(differing(rendered(canvas, 1440, 900, nullptr), rendered(canvas, 1440, 900, &painter)),
            0);
}

}  // namespace
}  // namespace lesson
