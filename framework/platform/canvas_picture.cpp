#include "framework/platform/canvas_picture.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "framework/platform/palette.h"

namespace lesson {

namespace {

// Round the canvas: a neutral grey, so that the white page stands out.
constexpr double kMarginGrey = 0.82;

// Whole pixels of a device coordinate, clamped to [0, limit].
int clampedPixel(double v, int limit) {
  if (!(v > 0)) return 0;
  if (v >= limit) return limit;
  return static_cast<int>(v);
}

}  // namespace

void CanvasPicture::attach(cairo_surface_t* surface) {
  surface_ = surface;
  width_ = cairo_image_surface_get_width(surface);
  height_ = cairo_image_surface_get_height(surface);
  scale_ = std::min(width_ / double(kCanvasWidth), height_ / double(kCanvasHeight));
  offsetX_ = (width_ - kCanvasWidth * scale_) / 2;
  offsetY_ = (height_ - kCanvasHeight * scale_) / 2;
  stale_ = true;
}

PixelRect CanvasPicture::deviceRect(const Extent& area) const {
  if (area.empty()) return {};
  int left = clampedPixel(std::floor(offsetX_ + area.left * scale_) - 1, width_);
  int top = clampedPixel(std::floor(offsetY_ + area.top * scale_) - 1, height_);
  int right = clampedPixel(std::ceil(offsetX_ + area.right * scale_) + 1, width_);
  int bottom = clampedPixel(std::ceil(offsetY_ + area.bottom * scale_) + 1, height_);
  return {left, top, right - left, bottom - top};
}

PixelRect CanvasPicture::update(Canvas& canvas) {
  Canvas::Changes changes = canvas.takeChanges();
  if (!surface_) return {};
  if (stale_) {
    renderWhole(canvas);
    stale_ = false;
    return {0, 0, width_, height_};
  }
  std::size_t first = canvas.ops().size() - changes.added;
  Extent drawn;
  for (std::size_t i = first; i < canvas.ops().size(); ++i) drawn.add(canvas.extent(i));
  // Drawn onto the picture, the new operations would blend with what was
  // dropped, replaced or changed: there the area is rendered again.
  if (!changes.repaint.empty()) {
    drawn.add(changes.repaint);
    PixelRect clip = deviceRect(drawn);
    return clip.empty() ? clip : renderArea(canvas, clip);
  }
  if (changes.added == 0) return {};
  cairo_t* cr = cairo_create(surface_);
  cairo_translate(cr, offsetX_, offsetY_);
  cairo_scale(cr, scale_, scale_);
  canvas.render(cr, first);
  cairo_destroy(cr);
  cairo_surface_flush(surface_);
  return deviceRect(drawn);
}

bool CanvasPicture::writePng(const Canvas& canvas, const std::string& path, int width, int height) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  if (ok) {
    CanvasPicture picture;
    picture.attach(surface);
    picture.renderWhole(canvas);
    ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  }
  cairo_surface_destroy(surface);
  return ok;
}

void CanvasPicture::renderWhole(const Canvas& canvas) {
  if (!surface_) return;
  cairo_t* cr = cairo_create(surface_);
  paint(cr, canvas, nullptr);
  cairo_destroy(cr);
  cairo_surface_flush(surface_);
}

void CanvasPicture::paint(cairo_t* cr, const Canvas& canvas, const Extent* area) const {
  // The pixels wholly inside the canvas take the page's white over the
  // margin's grey; where the list begins with an opaque cover of the whole
  // canvas (a clear, an erase), they take that over the white. What would
  // be painted over at once is left out: a window-sized fill costs as much
  // as the drawing of a page.
  double insideLeft = std::ceil(offsetX_), insideTop = std::ceil(offsetY_);
  double insideRight = std::floor(offsetX_ + kCanvasWidth * scale_);
  double insideBottom = std::floor(offsetY_ + kCanvasHeight * scale_);
  auto addInside = [&] {
    if (insideLeft < insideRight && insideTop < insideBottom) {
      cairo_rectangle(cr, insideLeft, insideTop, insideRight - insideLeft,
                      insideBottom - insideTop);
    }
  };
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_source_rgb(cr, kMarginGrey, kMarginGrey, kMarginGrey);
  cairo_rectangle(cr, 0, 0, width_, height_);
  addInside();
  cairo_fill(cr);
  const std::vector<DrawOp>& ops = canvas.ops();
  bool covered = !ops.empty() && coversWholeCanvas(ops[0]) &&
                 (ops[0].kind == DrawOp::Kind::Cls || ops[0].fill >= 0);
  if (covered) addInside();
  cairo_translate(cr, offsetX_, offsetY_);
  cairo_scale(cr, scale_, scale_);
  Rgb page = paletteRgb(15);
  cairo_set_source_rgb(cr, page.r / 255.0, page.g / 255.0, page.b / 255.0);
  cairo_rectangle(cr, 0, 0, kCanvasWidth, kCanvasHeight);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  if (area) {
    canvas.renderArea(cr, *area);
  } else {
    canvas.render(cr);
  }
}

Extent CanvasPicture::logicalRect(const PixelRect& r) const {
  return {float((r.x - offsetX_) / scale_), float((r.y - offsetY_) / scale_),
          float((r.x + r.w - offsetX_) / scale_), float((r.y + r.h - offsetY_) / scale_)};
}

PixelRect CanvasPicture::renderArea(const Canvas& canvas, const PixelRect& clip) {
  // Cairo draws a glyph cut by a clip or by the edge of its surface a little
  // differently from the same glyph drawn whole. So the area is rendered on a
  // surface of its own that takes in every glyph reaching into it whole, and
  // only the area is copied onto the picture. A large area (a new page) is
  // rendered whole instead: a large scratch surface, once freed, would leave
  // the memory allocator holding its pages for good.
  Extent area = logicalRect(clip);
  PixelRect room = clip;
  Extent glyphs = canvas.textReach(area);
  if (!glyphs.empty()) {
    PixelRect reach = deviceRect(glyphs);
    int right = std::max(room.x + room.w, reach.x + reach.w);
    int bottom = std::max(room.y + room.h, reach.y + reach.h);
    room.x = std::min(room.x, reach.x);
    room.y = std::min(room.y, reach.y);
    room.w = right - room.x;
    room.h = bottom - room.y;
  }
  if (static_cast<long>(room.w) * room.h * 8 > static_cast<long>(width_) * height_) {
    renderWhole(canvas);
    return {0, 0, width_, height_};
  }
  cairo_surface_t* scratch = scratchOf(room.w, room.h);
  if (!scratch) {
    renderWhole(canvas);
    return {0, 0, width_, height_};
  }
  cairo_t* cr = cairo_create(scratch);
  cairo_translate(cr, -room.x, -room.y);
  paint(cr, canvas, &area);
  cairo_destroy(cr);
  cairo_surface_flush(scratch);

  cr = cairo_create(surface_);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, scratch, room.x, room.y);
  cairo_rectangle(cr, clip.x, clip.y, clip.w, clip.h);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface_);
  return clip;
}

cairo_surface_t* CanvasPicture::scratchOf(int width, int height) {
  // Kept and grown as needed: the blinking dot's area is rendered twice a
  // second, and a surface made and freed each time would churn the allocator.
  if (scratch_ && cairo_image_surface_get_width(scratch_) >= width &&
      cairo_image_surface_get_height(scratch_) >= height) {
    return scratch_;
  }
  int w = width, h = height;
  if (scratch_) {
    w = std::max(w, cairo_image_surface_get_width(scratch_));
    h = std::max(h, cairo_image_surface_get_height(scratch_));
    cairo_surface_destroy(scratch_);
  }
  scratch_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  if (cairo_surface_status(scratch_) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(scratch_);
    scratch_ = nullptr;
  }
  return scratch_;
}

CanvasPicture::~CanvasPicture() {
  if (scratch_) cairo_surface_destroy(scratch_);
}

}  // namespace lesson
