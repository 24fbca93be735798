// A picture of a canvas at a window's pixel size: the canvas scaled uniformly
// to fit and centred on a grey ground. It is kept up to date from what the
// canvas reports as changed, and always shows what rendering the whole list
// afresh would show.
#pragma once

#include <string>

#include "framework/platform/canvas.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace lesson {

// A rectangle of device pixels.
struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
};

class CanvasPicture {
 public:
  CanvasPicture() = default;
  ~CanvasPicture();
  CanvasPicture(const CanvasPicture&) = delete;
  CanvasPicture& operator=(const CanvasPicture&) = delete;

  // Draws from now on into `surface`, a cairo image surface the caller owns;
  // the next update renders the whole canvas.
  void attach(cairo_surface_t* surface);
  void detach() { surface_ = nullptr; }

  // Brings the picture up to date with the canvas: new operations are drawn
  // onto it; where operations were dropped or replaced, the area is rendered
  // again from the list. Returns the device pixels that changed.
  PixelRect update(Canvas& canvas);

  // Renders the whole canvas afresh.
  void renderWhole(const Canvas& canvas);

  // Renders the whole canvas as a window of width x height pixels shows it
  // and writes it as a PNG; false on failure.
  static bool writePng(const Canvas& canvas, const std::string& path, int width, int height);

  // The device pixels that cover a rectangle of the logical canvas, with a
  // pixel to spare on every side, within the surface.
  PixelRect deviceRect(const Extent& area) const;

 private:
  // Paints the margin, the page and the operations (those that can paint
  // inside `area`, when given) onto cr, in device units, all but the pixels
  // the canvas covers in part.
  void paint(cairo_t* cr, const Canvas& canvas, const Extent* area) const;
  // Drawing goes only on the pixels wholly inside the canvas.
  void clipInside(cairo_t* cr) const;
  // The pixels within `rect` that the canvas covers only in part (along its
  // edges, when the scale leaves it off the pixel grid) show the nearest
  // whole pixel of the canvas, blended with the margin's grey by the part of
  // them the canvas covers: whatever was drawn over them, they show the
  // canvas once. `target` holds the picture's pixels from (originX,
  // originY); it is flushed and marked dirty.
  void blendEdges(cairo_surface_t* target, int originX, int originY, const PixelRect& rect) const;
  // Renders the area again from the list; returns the pixels that changed.
  PixelRect renderArea(const Canvas& canvas, const PixelRect& clip);
  Extent logicalRect(const PixelRect& r) const;
  // A surface of at least width x height pixels to render an area on.
  cairo_surface_t* scratchOf(int width, int height);

  cairo_surface_t* surface_ = nullptr;
  int width_ = 0, height_ = 0;
  double scale_ = 1, offsetX_ = 0, offsetY_ = 0;
  PixelRect inside_;  // the pixels wholly inside the canvas
  bool stale_ = true;
  cairo_surface_t* scratch_ = nullptr;
};

}  // namespace lesson
