// An RGB24 image surface of a window's size, for tests that compare the
// pictures kept and rendered from a display list pixel by pixel.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lesson::testing {

class Image {
 public:
  Image(int width, int height)
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)) {}
  ~Image() { cairo_surface_destroy(surface_); }
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  cairo_surface_t* get() const { return surface_; }
  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  // Row y as 0x??RRGGBB (the top byte is undefined).
  const std::uint32_t* row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface_) +
                                                  static_cast<std::ptrdiff_t>(y) *
                                                      cairo_image_surface_get_stride(surface_));
  }
  std::uint32_t at(int x, int y) const { return row(y)[x] & 0xFFFFFFu; }

  // The pixels row by row, without the stride's padding.
  std::vector<std::uint32_t> pixels() const {
    cairo_surface_flush(surface_);
    int w = width(), h = height();
    std::vector<std::uint32_t> out(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
      std::memcpy(&out[static_cast<std::size_t>(y) * w], row(y), w * 4u);
    }
    return out;
  }

 private:
  cairo_surface_t* surface_;
};

}  // namespace lesson::testing
