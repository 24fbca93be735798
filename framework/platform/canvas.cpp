#include "framework/platform/canvas.h"

#include <cairo.h>

namespace lesson {

void Canvas::add(const DrawOp& op) {
  if (coversWholeCanvas(op)) {
    pruned_ += ops_.size();
    ops_.clear();
  }
  ops_.push_back(op);
}

void Canvas::render(cairo_t* cr, std::size_t from) const {
  for (std::size_t i = from; i < ops_.size(); ++i) renderOp(cr, ops_[i]);
}

bool Canvas::writePng(const std::string& path) const {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, kCanvasWidth, kCanvasHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  render(cr);
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

// Placeholder until the renderer lands: lines and boxes only, no text.
void renderOp(cairo_t* cr, const DrawOp& op) {
  cairo_save(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, op.width);
  switch (op.kind) {
    case DrawOp::Kind::Line:
      cairo_move_to(cr, op.x1, op.y1);
      cairo_line_to(cr, op.x2, op.y2);
      cairo_stroke(cr);
      break;
    default:
      break;
  }
  cairo_restore(cr);
}

}  // namespace lesson
