#include "framework/platform/dot_runs.h"

#include <cairo.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <functional>
#include <mutex>
#include <numbers>
#include <thread>

#include "framework/platform/palette.h"

namespace lesson {

namespace {

// Tiles of this many device pixels a side. Small enough that a curve's tiles
// keep every core busy and one tile's fill stays in the cache; large enough
// that the dots filled twice, where they reach into two tiles, stay few.
constexpr int kTile = 64;
constexpr int kLeastTile = 16;
// Runs with fewer dots are filled whole: tiling would not pay.
constexpr std::size_t kLeastDots = 256;

void startDotPath(cairo_t* cr) {
  cairo_set_tolerance(cr, 0.5);  // a dot a few pixels wide needs few segments
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_FAST);
  cairo_new_path(cr);
}

void addDot(cairo_t* cr, const DrawOp& dot) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, dot.x1, dot.y1, dot.radius + std::max(dot.width, 1) / 2.0, 0, 2 * std::numbers::pi);
}

void fillIn(cairo_t* cr, int color) {
  Rgb c = paletteRgb(color);
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
  cairo_fill(cr);
}

// Copies a rectangle of 32-bit pixels between two buffers.
void copyPixels(unsigned char* to, int toStride, int toX, int toY, const unsigned char* from,
                int fromStride, int fromX, int fromY, int width, int height) {
  for (int row = 0; row < height; ++row) {
    std::memcpy(to + static_cast<std::ptrdiff_t>(toY + row) * toStride + 4 * toX,
                from + static_cast<std::ptrdiff_t>(fromY + row) * fromStride + 4 * fromX,
                static_cast<std::size_t>(width) * 4);
  }
}

}  // namespace

void fillDotPath(cairo_t* cr, const DrawOp* dots, std::size_t count) {
  if (count == 0) return;
  cairo_save(cr);
  startDotPath(cr);
  for (std::size_t i = 0; i < count; ++i) addDot(cr, dots[i]);
  fillIn(cr, dots[0].color);
  cairo_restore(cr);
}

// Workers that take the tasks of one job between them; the calling thread
// works too. Idle workers block, so a waiting program uses no CPU.
struct DotRunPainter::Impl {
  using Job = std::function<void(std::size_t task, std::size_t worker)>;

  std::vector<std::thread> threads;
  std::mutex mutex;
  std::condition_variable started, finished;
  const Job* job = nullptr;
  std::size_t tasks = 0;
  std::atomic<std::size_t> next{0};
  std::size_t busy = 0;  // workers not yet done with the job
  std::uint64_t generation = 0;
  bool quitting = false;

  // One scratch surface per worker, kept and grown as needed.
  std::vector<cairo_surface_t*> scratch;

  ~Impl() {
    {
      std::lock_guard<std::mutex> lock(mutex);
      quitting = true;
    }
    started.notify_all();
    for (std::thread& t : threads) t.join();
    for (cairo_surface_t* s : scratch) {
      if (s) cairo_surface_destroy(s);
    }
  }

  std::size_t workers() {
    if (scratch.empty()) {
      unsigned cores = std::thread::hardware_concurrency();
      std::size_t count = std::clamp<unsigned>(cores, 1, 8);
      scratch.assign(count, nullptr);
      for (std::size_t w = 1; w < count; ++w) threads.emplace_back([this, w] { serve(w); });
    }
    return scratch.size();
  }

  // Gives every worker a scratch surface of at least size x size pixels;
  // false when there is no memory for one.
  bool prepareScratch(int size) {
    for (std::size_t w = 0; w < workers(); ++w) {
      cairo_surface_t*& s = scratch[w];
      if (s && cairo_image_surface_get_width(s) >= size) continue;
      if (s) cairo_surface_destroy(s);
      s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size, size);
      if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        s = nullptr;
        return false;
      }
    }
    return true;
  }

  void work(std::size_t worker) {
    for (;;) {
      std::size_t task = next.fetch_add(1);
      if (task >= tasks) return;
      (*job)(task, worker);
    }
  }

  void serve(std::size_t worker) {
    std::uint64_t seen = 0;
    for (;;) {
      {
        std::unique_lock<std::mutex> lock(mutex);
        started.wait(lock, [&] { return quitting || generation != seen; });
        if (quitting) return;
        seen = generation;
      }
      work(worker);
      std::lock_guard<std::mutex> lock(mutex);
      if (--busy == 0) finished.notify_one();
    }
  }

  void run(std::size_t count, const Job& j) {
    workers();
    {
      std::lock_guard<std::mutex> lock(mutex);
      job = &j;
      tasks = count;
      next = 0;
      busy = threads.size();
      ++generation;
    }
    started.notify_all();
    work(0);
    std::unique_lock<std::mutex> lock(mutex);
    finished.wait(lock, [&] { return busy == 0; });
    job = nullptr;
  }
};

DotRunPainter::DotRunPainter() : impl_(std::make_unique<Impl>()) {}
DotRunPainter::~DotRunPainter() = default;

void DotRunPainter::warmUp() {
  // A tile's worth of a curve: a line of dots as dense as the plotted ones.
  constexpr int kDots = 800;
  constexpr double kSide = kTile / 2.0;
  if (!impl_->prepareScratch(kTile + 32)) return;
  Impl::Job job = [&](std::size_t, std::size_t worker) {
    cairo_t* sc = cairo_create(impl_->scratch[worker]);
    startDotPath(sc);
    for (int i = 0; i < kDots; ++i) {
      double t = kSide * i / kDots;
      cairo_new_sub_path(sc);
      cairo_arc(sc, 8 + t, 8 + t, 3.5, 0, 2 * std::numbers::pi);
    }
    cairo_fill(sc);
    cairo_destroy(sc);
  };
  impl_->run(impl_->workers(), job);
}

bool DotRunPainter::paint(cairo_t* cr, const std::vector<DrawOp>& ops, std::size_t begin,
                          std::size_t end, int color) {
  if (end - begin < kLeastDots) return false;
  cairo_surface_t* target = cairo_get_target(cr);
  if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return false;
  cairo_format_t format = cairo_image_surface_get_format(target);
  if (format != CAIRO_FORMAT_RGB24) return false;
  double offsetX = 0, offsetY = 0, scaleX = 1, scaleY = 1;
  cairo_surface_get_device_offset(target, &offsetX, &offsetY);
  cairo_surface_get_device_scale(target, &scaleX, &scaleY);
  if (offsetX != 0 || offsetY != 0 || scaleX != 1 || scaleY != 1) return false;
  cairo_matrix_t matrix;
  cairo_get_matrix(cr, &matrix);
  if (matrix.xy != 0 || matrix.yx != 0 || !(matrix.xx > 0) || !(matrix.yy > 0)) return false;

  // The clip: one rectangle of whole device pixels, within the surface.
  const int width = cairo_image_surface_get_width(target);
  const int height = cairo_image_surface_get_height(target);
  cairo_rectangle_list_t* clips = cairo_copy_clip_rectangle_list(cr);
  bool oneRectangle = clips->status == CAIRO_STATUS_SUCCESS && clips->num_rectangles == 1;
  int clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
  if (oneRectangle) {
    const cairo_rectangle_t& r = clips->rectangles[0];
    double left = r.x, top = r.y, right = r.x + r.width, bottom = r.y + r.height;
    cairo_user_to_device(cr, &left, &top);
    cairo_user_to_device(cr, &right, &bottom);
    // The whole pixels inside it.
    oneRectangle = std::isfinite(left) && std::isfinite(top) && std::isfinite(right) &&
                   std::isfinite(bottom) && std::fabs(left) < 1e6 && std::fabs(top) < 1e6 &&
                   std::fabs(right) < 1e6 && std::fabs(bottom) < 1e6;
    if (oneRectangle) {
      clipLeft = static_cast<int>(std::ceil(left));
      clipTop = static_cast<int>(std::ceil(top));
      clipRight = static_cast<int>(std::floor(right));
      clipBottom = static_cast<int>(std::floor(bottom));
    }
  }
  cairo_rectangle_list_destroy(clips);
  if (!oneRectangle) return false;
  clipLeft = std::max(clipLeft, 0);
  clipTop = std::max(clipTop, 0);
  clipRight = std::min(clipRight, width);
  clipBottom = std::min(clipBottom, height);

  // How far a dot's pixels can lie from its centre, with room for the
  // outline's curves and rounding; every dot that far inside the clip.
  double reach = 0;
  for (std::size_t i = begin; i < end; ++i) {
    const DrawOp& dot = ops[i];
    reach = std::max(reach,
                     (dot.radius + std::max(dot.width, 1) / 2.0) * std::max(matrix.xx, matrix.yy));
  }
  if (!(reach < 100)) return false;
  const int pad = static_cast<int>(std::ceil(reach)) + 2;
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
  struct Centre {
    double x, y;
  };
  std::vector<Centre> centres(end - begin);
  for (std::size_t i = begin; i < end; ++i) {
    double x = ops[i].x1, y = ops[i].y1;
    cairo_user_to_device(cr, &x, &y);
    centres[i - begin] = {x, y};
    left = std::min(left, x), right = std::max(right, x);
    top = std::min(top, y), bottom = std::max(bottom, y);
  }
  if (!(left - pad > clipLeft && right + pad < clipRight && top - pad > clipTop &&
        bottom + pad < clipBottom)) {
    return false;
  }

  // The dots that can reach each tile, in the run's order. A short dense
  // curve makes few tiles: they are halved until every worker has some.
  int tile = kTile, firstColumn = 0, firstRow = 0, columns = 0;
  std::vector<std::vector<std::uint32_t>> tiles;
  std::vector<std::size_t> filled;
  for (;;) {
    firstColumn = static_cast<int>(left - pad) / tile;
    firstRow = static_cast<int>(top - pad) / tile;
    columns = static_cast<int>(right + pad) / tile - firstColumn + 1;
    int rows = static_cast<int>(bottom + pad) / tile - firstRow + 1;
    tiles.assign(static_cast<std::size_t>(columns * rows), {});
    for (std::size_t i = 0; i < centres.size(); ++i) {
      const Centre& c = centres[i];
      int c0 = static_cast<int>(c.x - pad) / tile - firstColumn;
      int c1 = static_cast<int>(c.x + pad) / tile - firstColumn;
      int r0 = static_cast<int>(c.y - pad) / tile - firstRow;
      int r1 = static_cast<int>(c.y + pad) / tile - firstRow;
      for (int r = r0; r <= r1; ++r) {
        for (int k = c0; k <= c1; ++k) {
          tiles[static_cast<std::size_t>(r * columns + k)].push_back(
              static_cast<std::uint32_t>(begin + i));
        }
      }
    }
    filled.clear();
    for (std::size_t t = 0; t < tiles.size(); ++t) {
      if (!tiles[t].empty()) filled.push_back(t);
    }
    if (filled.size() >= 2 * impl_->workers() || tile <= kLeastTile) break;
    tile /= 2;
  }
  // The fullest tiles first, so that no worker is left with a long one at the end.
  std::stable_sort(filled.begin(), filled.end(),
                   [&](std::size_t a, std::size_t b) { return tiles[a].size() > tiles[b].size(); });

  // Each tile is filled on a worker's scratch surface: the tile's pixels are
  // copied in at the tile's place, the surface is moved by a whole number of
  // pixels so that the dots land on the same pixel grid as on the target,
  // under the same transformation, and the tile is copied back.
  const int side = tile + 4 * pad;
  if (!impl_->prepareScratch(side)) return false;
  cairo_surface_flush(target);
  unsigned char* pixels = cairo_image_surface_get_data(target);
  const int stride = cairo_image_surface_get_stride(target);
  Impl::Job job = [&](std::size_t task, std::size_t worker) {
    std::size_t t = filled[task];
    int x0 = (firstColumn + static_cast<int>(t) % columns) * tile;
    int y0 = (firstRow + static_cast<int>(t) / columns) * tile;
    int x1 = std::min(x0 + tile, width), y1 = std::min(y0 + tile, height);
    x0 = std::max(x0, 0), y0 = std::max(y0, 0);
    if (x0 >= x1 || y0 >= y1) return;
    cairo_surface_t* scratch = impl_->scratch[worker];
    int sx = x0 - 2 * pad, sy = y0 - 2 * pad;
    cairo_surface_flush(scratch);
    unsigned char* scratchPixels = cairo_image_surface_get_data(scratch);
    int scratchStride = cairo_image_surface_get_stride(scratch);
    copyPixels(scratchPixels, scratchStride, x0 - sx, y0 - sy, pixels, stride, x0, y0, x1 - x0,
               y1 - y0);
    cairo_surface_mark_dirty(scratch);
    cairo_surface_set_device_offset(scratch, -sx, -sy);
    cairo_t* sc = cairo_create(scratch);
    cairo_set_matrix(sc, &matrix);
    startDotPath(sc);
    for (std::uint32_t i : tiles[t]) addDot(sc, ops[i]);
    fillIn(sc, color);
    cairo_destroy(sc);
    cairo_surface_flush(scratch);
    copyPixels(pixels, stride, x0, y0, scratchPixels, scratchStride, x0 - sx, y0 - sy, x1 - x0,
               y1 - y0);
  };
  impl_->run(filled.size(), job);
  cairo_surface_mark_dirty(target);
  return true;
}

}  // namespace lesson
