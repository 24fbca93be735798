#include "framework/platform/canvas_picture.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "framework/platform/palette.h"

namespace lesson {

namespace {

// Round the canvas: a neutral grey, so that the white page stands out.
constexpr int kMarginGrey = 209;

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
  int left = static_cast<int>(std::ceil(offsetX_)), top = static_cast<int>(std::ceil(offsetY_));
  int right = static_cast<int>(std::floor(offsetX_ + kCanvasWidth * scale_));
  int bottom = static_cast<int>(std::floor(offsetY_ + kCanvasHeight * scale_));
  inside_ = {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
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
  clipInside(cr);
  cairo_translate(cr, offsetX_, offsetY_);
  cairo_scale(cr, scale_, scale_);
  canvas.render(cr, first);
  cairo_destroy(cr);
  PixelRect changed = deviceRect(drawn);
  blendEdges(surface_, 0, 0, changed);
  return changed;
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
  blendEdges(surface_, 0, 0, {0, 0, width_, height_});
}

void CanvasPicture::clipInside(cairo_t* cr) const {
  cairo_rectangle(cr, inside_.x, inside_.y, inside_.w, inside_.h);
  cairo_clip(cr);
}

void CanvasPicture::blendEdges(cairo_surface_t* target, int originX, int originY,
                               const PixelRect& rect) const {
  cairo_surface_flush(target);
  if (inside_.empty()) return;
  double canvasRight = offsetX_ + kCanvasWidth * scale_;
  double canvasBottom = offsetY_ + kCanvasHeight * scale_;
  // The pixels the canvas covers in part, within rect and the target.
  int left = std::max({static_cast<int>(std::floor(offsetX_)), rect.x, originX});
  int top = std::max({static_cast<int>(std::floor(offsetY_)), rect.y, originY});
  int right = std::min({static_cast<int>(std::ceil(canvasRight)), rect.x + rect.w,
                        originX + cairo_image_surface_get_width(target)});
  int bottom = std::min({static_cast<int>(std::ceil(canvasBottom)), rect.y + rect.h,
                         originY + cairo_image_surface_get_height(target)});
  if (left >= right || top >= bottom) return;
  unsigned char* data = cairo_image_surface_get_data(target);
  int stride = cairo_image_surface_get_stride(target);
  auto pixel = [&](int x, int y) {
    return reinterpret_cast<std::uint32_t*>(data +
                                            static_cast<std::ptrdiff_t>(y - originY) * stride) +
           (x - originX);
  };
  auto covered = [](int p, double from, double to) {
    return std::clamp(std::min(p + 1.0, to) - std::max(double(p), from), 0.0, 1.0);
  };
  int insideRight = inside_.x + inside_.w, insideBottom = inside_.y + inside_.h;
  for (int y = top; y < bottom; ++y) {
    bool rowInside = y >= inside_.y && y < insideBottom;
    double coverY = covered(y, offsetY_, canvasBottom);
    int nearY = std::clamp(y, inside_.y, insideBottom - 1);
    for (int x = left; x < right; ++x) {
      if (rowInside && x >= inside_.x && x < insideRight) x = insideRight;  // whole pixels
      if (x >= right) break;
      double c = coverY * covered(x, offsetX_, canvasRight);
      std::uint32_t near = *pixel(std::clamp(x, inside_.x, insideRight - 1), nearY);
      std::uint32_t out = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        double v = c * ((near >> shift) & 0xFF) + (1 - c) * kMarginGrey;
        out |= static_cast<std::uint32_t>(std::lround(v)) << shift;
      }
      *pixel(x, y) = out;
    }
  }
  cairo_surface_mark_dirty(target);
}

void CanvasPicture::paint(cairo_t* cr, const Canvas& canvas, const Extent* area) const {
  // The margin's grey round the pixels wholly inside the canvas, and on
  // those the page's white, then the drawing. Where the list begins with an
  // opaque cover of the whole canvas (a clear, an erase), the white is left
  // out: a window-sized fill costs as much as the drawing of a page. The
  // pixels the canvas covers only in part are blended afterwards
  // (blendEdges).
  double grey = kMarginGrey / 255.0;
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_source_rgb(cr, grey, grey, grey);
  cairo_rectangle(cr, 0, 0, width_, height_);
  cairo_rectangle(cr, inside_.x, inside_.y, inside_.w, inside_.h);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  clipInside(cr);
  const std::vector<DrawOp>& ops = canvas.ops();
  bool covered = !ops.empty() && coversWholeCanvas(ops[0]) &&
                 (ops[0].kind == DrawOp::Kind::Cls || ops[0].fill >= 0);
  cairo_translate(cr, offsetX_, offsetY_);
  cairo_scale(cr, scale_, scale_);
  if (!covered) {
    Rgb page = paletteRgb(15);
    cairo_set_source_rgb(cr, page.r / 255.0, page.g / 255.0, page.b / 255.0);
    cairo_rectangle(cr, 0, 0, kCanvasWidth, kCanvasHeight);
    cairo_fill(cr);
  }
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
  // Cairo draws a glyph, a line or a dot cut by a clip or by the edge of its
  // surface a little differently from the same one drawn whole (boxes, drawn
  // without antialiasing, it does not). So the area is rendered on a surface
  // of its own that takes in whole everything antialiased reaching into it,
  // and the pixels next to the area (which the canvas's edge pixels take
  // their colour from), and only the area is copied onto the picture. A large
  // area (a new page) is rendered whole instead: a large scratch surface, once
  // freed, would leave the memory allocator holding its pages for good.
  Extent area = logicalRect(clip);
  PixelRect room = deviceRect(logicalRect(clip));
  Extent whole = canvas.antialiasedReach(area);
  if (!whole.empty()) {
    PixelRect reach = deviceRect(whole);
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
  blendEdges(scratch, room.x, room.y, clip);

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
