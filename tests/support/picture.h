// The canvas rendered into an image the way the window shows it, for tests
// that look at pixels.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "framework/platform/canvas.h"
#include "framework/platform/palette.h"

namespace lesson::testing {

// The canvas rendered into an image, optionally with a margin round it as the
// window draws it; the margin is painted a colour no op uses.
class Picture {
 public:
  static constexpr Rgb kMargin{1, 2, 3};

  explicit Picture(const Canvas& canvas, int margin = 0)
      : margin_(margin),
        surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kCanvasWidth + 2 * margin,
                                            kCanvasHeight + 2 * margin)) {
    cairo_t* cr = cairo_create(surface_);
    cairo_set_source_rgb(cr, kMargin.r / 255.0, kMargin.g / 255.0, kMargin.b / 255.0);
    cairo_paint(cr);
    cairo_translate(cr, margin, margin);
    Rgb page = paletteRgb(15);
    cairo_set_source_rgb(cr, page.r / 255.0, page.g / 255.0, page.b / 255.0);
    cairo_rectangle(cr, 0, 0, kCanvasWidth, kCanvasHeight);
    cairo_fill(cr);
    canvas.render(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface_);
  }
  // A blank page, to draw on as a run goes.
  Picture() : Picture(Canvas{}) {}
  ~Picture() { cairo_surface_destroy(surface_); }

  // Draws a canvas's operations over what the picture shows (clipped to the
  // canvas, as the canvas renders itself).
  void draw(const Canvas& more) {
    cairo_t* cr = cairo_create(surface_);
    cairo_translate(cr, margin_, margin_);
    more.render(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface_);
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // The pixel at canvas position (x, y); the margin has negative positions.
  Rgb at(int x, int y) const {
    std::uint32_t pixel = row(y)[x];
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
  }

  // The pixels of canvas row y as 0x00RRGGBB, indexed by canvas x (negative
  // in the margin).
  const std::uint32_t* row(int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    return reinterpret_cast<const std::uint32_t*>(data + (y + margin_) * stride) + margin_;
  }

  // Pixels that are not the page colour in [left, right) x [top, bottom).
  struct Ink {
    int count = 0;
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // bounds, inclusive
  };
  Ink ink(int left, int top, int right, int bottom) const {
    Ink ink;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if (at(x, y) == paletteRgb(15)) continue;
        ++ink.count;
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
    }
    return ink;
  }

  bool writePng(const std::string& path) const {
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
  }

 private:
  int margin_;
  cairo_surface_t* surface_;
};

}  // namespace lesson::testing
