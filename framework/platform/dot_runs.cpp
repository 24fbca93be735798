#include "framework/platform/dot_runs.h"

#include <cairo.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <numbers>
#include <thread>

#include "framework/platform/palette.h"

namespace lesson {

namespace {

// Tiles of this many device pixels a side. Small enough that a curve's tiles
// keep every core busy and one tile's fill stays in the cache; large enough
// that the dots filled twice, where they reach into two tiles, stay few.
constexpr int kTile = 48;
// Runs with fewer dots are filled whole: tiling would not pay.
constexpr std::size_t kLeastDots = 256;
// The farthest a tiled dot's pixels may lie from its centre (a larger dot's
// run is filled whole), and so the side of the workers' scratch surfaces:
// a tile with room for such dots round it.
constexpr int kMostPad = 24;
constexpr int kScratchSide = kTile + 4 * kMostPad;
// A tile's worth of a curve, filled by each worker as it starts.
constexpr int kWarmUpDots = 1000;

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

struct DotRunPainter::Impl {
  // A run's dots that can reach one tile.
  struct Task {
    const std::vector<DrawOp>* ops;
    std::vector<std::uint32_t> dots;
    int tile;
    int pad;
  };
  // A tile's tasks, in the order of the runs; the first may be in hand.
  using Tile = std::deque<const Task*>;

  // The painting in progress.
  cairo_surface_t* target = nullptr;
  unsigned char* pixels = nullptr;
  int stride = 0, width = 0, height = 0;
  cairo_matrix_t matrix{};
  int clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
  int columns = 0, rows = 0;

  std::mutex mutex;
  std::condition_variable workToDo, taskDone;
  std::deque<Task> tasks;  // of this painting; elements stay in place as it grows
  std::vector<Tile> tiles;
  std::deque<int> ready;  // tiles whose first task no worker has in hand
  bool quitting = false;
  std::atomic<bool> warming{false};  // workers fill a tile's worth of dots as they start

  std::vector<std::thread> threads;
  std::vector<cairo_surface_t*> scratch;  // one per worker; 0 is the caller's

  ~Impl() {
    {
      std::lock_guard<std::mutex> lock(mutex);
      quitting = true;
    }
    workToDo.notify_all();
    for (std::thread& t : threads) t.join();
    for (cairo_surface_t* s : scratch) {
      if (s) cairo_surface_destroy(s);
    }
  }

  // Starts the workers once; false when there is no memory for their surfaces.
  bool start() {
    if (!scratch.empty()) return true;
    unsigned cores = std::thread::hardware_concurrency();
    std::size_t count = std::clamp<unsigned>(cores, 1, 8);
    for (std::size_t w = 0; w < count; ++w) {
      cairo_surface_t* s =
          cairo_image_surface_create(CAIRO_FORMAT_RGB24, kScratchSide, kScratchSide);
      if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        for (cairo_surface_t* made : scratch) cairo_surface_destroy(made);
        scratch.clear();
        return false;
      }
      scratch.push_back(s);
    }
    for (std::size_t w = 1; w < count; ++w) threads.emplace_back([this, w] { serve(w); });
    return true;
  }

  void warmUp(std::size_t worker) {
    cairo_t* cr = cairo_create(scratch[worker]);
    startDotPath(cr);
    for (int i = 0; i < kWarmUpDots; ++i) {
      double t = static_cast<double>(kTile) * i / kWarmUpDots;
      cairo_new_sub_path(cr);
      cairo_arc(cr, 8 + t, 8 + t, 3.5, 0, 2 * std::numbers::pi);
    }
    cairo_fill(cr);
    cairo_destroy(cr);
  }

  void serve(std::size_t worker) {
    if (warming) warmUp(worker);
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
      workToDo.wait(lock, [&] { return quitting || !ready.empty(); });
      if (quitting) return;
      runOne(lock, worker, ready.begin());
    }
  }

  // Takes the first task of a ready tile and fills it, with the lock
  // released meanwhile.
  void runOne(std::unique_lock<std::mutex>& lock, std::size_t worker,
              std::deque<int>::iterator which) {
    int t = *which;
    ready.erase(which);
    Tile& tile = tiles[static_cast<std::size_t>(t)];
    const Task* task = tile.front();
    lock.unlock();
    fill(*task, worker);
    lock.lock();
    tile.pop_front();
    if (!tile.empty()) {
      ready.push_back(t);
      workToDo.notify_one();
    }
    taskDone.notify_all();
  }

  // Fills one task's dots on the worker's scratch surface: the tile's pixels
  // are copied in at the tile's place, the surface is moved by a whole number
  // of pixels so that the dots land on the same pixel grid as on the target,
  // under the same transformation, and the tile is copied back.
  void fill(const Task& task, std::size_t worker) {
    int x0 = task.tile % columns * kTile, y0 = task.tile / columns * kTile;
    int x1 = std::min(x0 + kTile, width), y1 = std::min(y0 + kTile, height);
    int sx = x0 - 2 * task.pad, sy = y0 - 2 * task.pad;
    cairo_surface_t* s = scratch[worker];
    cairo_surface_flush(s);
    unsigned char* sPixels = cairo_image_surface_get_data(s);
    int sStride = cairo_image_surface_get_stride(s);
    copyPixels(sPixels, sStride, x0 - sx, y0 - sy, pixels, stride, x0, y0, x1 - x0, y1 - y0);
    cairo_surface_mark_dirty(s);
    cairo_surface_set_device_offset(s, -sx, -sy);
    cairo_t* cr = cairo_create(s);
    cairo_set_matrix(cr, &matrix);
    startDotPath(cr);
    const std::vector<DrawOp>& ops = *task.ops;
    for (std::uint32_t i : task.dots) addDot(cr, ops[i]);
    fillIn(cr, ops[task.dots.front()].color);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    copyPixels(pixels, stride, x0, y0, sPixels, sStride, x0 - sx, y0 - sy, x1 - x0, y1 - y0);
  }

  // Waits, filling tasks meanwhile, until every tile in the rectangle of
  // tiles has none left.
  void awaitTiles(int c0, int r0, int c1, int r1) {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
      bool clear = true;
      for (int r = r0; r <= r1 && clear; ++r) {
        for (int c = c0; c <= c1 && clear; ++c) {
          clear = tiles[static_cast<std::size_t>(r * columns + c)].empty();
        }
      }
      if (clear) return;
      // Helps with a tile it waits for, rather than take on another.
      auto mine = std::find_if(ready.begin(), ready.end(), [&](int t) {
        int c = t % columns, r = t / columns;
        return c0 <= c && c <= c1 && r0 <= r && r <= r1;
      });
      if (mine != ready.end()) {
        runOne(lock, 0, mine);
      } else {
        taskDone.wait(lock);
      }
    }
  }
};

DotRunPainter::DotRunPainter() : impl_(std::make_unique<Impl>()) {}
DotRunPainter::~DotRunPainter() = default;

void DotRunPainter::warmUp() {
  impl_->warming = true;
  if (impl_->start()) impl_->warmUp(0);
}

bool DotRunPainter::begin(cairo_t* cr) {
  Impl& d = *impl_;
  cairo_surface_t* target = cairo_get_target(cr);
  if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE ||
      cairo_image_surface_get_format(target) != CAIRO_FORMAT_RGB24) {
    return false;
  }
  double offsetX = 0, offsetY = 0, scaleX = 1, scaleY = 1;
  cairo_surface_get_device_offset(target, &offsetX, &offsetY);
  cairo_surface_get_device_scale(target, &scaleX, &scaleY);
  if (offsetX != 0 || offsetY != 0 || scaleX != 1 || scaleY != 1) return false;
  cairo_get_matrix(cr, &d.matrix);
  if (d.matrix.xy != 0 || d.matrix.yx != 0 || !(d.matrix.xx > 0) || !(d.matrix.yy > 0)) {
    return false;
  }
  // The clip: one rectangle; the whole pixels inside it, within the surface.
  d.width = cairo_image_surface_get_width(target);
  d.height = cairo_image_surface_get_height(target);
  cairo_rectangle_list_t* clips = cairo_copy_clip_rectangle_list(cr);
  bool oneRectangle = clips->status == CAIRO_STATUS_SUCCESS && clips->num_rectangles == 1;
  if (oneRectangle) {
    const cairo_rectangle_t& r = clips->rectangles[0];
    double left = r.x, top = r.y, right = r.x + r.width, bottom = r.y + r.height;
    cairo_user_to_device(cr, &left, &top);
    cairo_user_to_device(cr, &right, &bottom);
    auto inward = [](double v, bool up, int limit) {
      double whole = up ? std::ceil(v) : std::floor(v);
      return static_cast<int>(std::clamp(whole, 0.0, static_cast<double>(limit)));
    };
    oneRectangle =
        std::isfinite(left) && std::isfinite(top) && std::isfinite(right) && std::isfinite(bottom);
    if (oneRectangle) {
      d.clipLeft = inward(left, true, d.width);
      d.clipTop = inward(top, true, d.height);
      d.clipRight = inward(right, false, d.width);
      d.clipBottom = inward(bottom, false, d.height);
    }
  }
  cairo_rectangle_list_destroy(clips);
  if (!oneRectangle) return false;

  d.target = target;
  cairo_surface_flush(target);
  d.pixels = cairo_image_surface_get_data(target);
  d.stride = cairo_image_surface_get_stride(target);
  d.columns = (d.width + kTile - 1) / kTile;
  d.rows = (d.height + kTile - 1) / kTile;
  std::lock_guard<std::mutex> lock(d.mutex);
  d.tiles.assign(static_cast<std::size_t>(d.columns * d.rows), {});
  return true;
}

bool DotRunPainter::add(const std::vector<DrawOp>& ops, std::size_t first, std::size_t end) {
  Impl& d = *impl_;
  // The workers start with the first long run.
  if (!d.target || end - first < kLeastDots || !d.start()) return false;
  // How far a dot's pixels can lie from its centre, with room for the
  // outline's curves and rounding; every dot that far inside the clip.
  double reach = 0;
  for (std::size_t i = first; i < end; ++i) {
    const DrawOp& dot = ops[i];
    reach = std::max(
        reach, (dot.radius + std::max(dot.width, 1) / 2.0) * std::max(d.matrix.xx, d.matrix.yy));
  }
  if (!(reach + 2 <= kMostPad)) return false;
  const int pad = static_cast<int>(std::ceil(reach)) + 2;
  struct Centre {
    double x, y;
  };
  std::vector<Centre> centres(end - first);
  for (std::size_t i = first; i < end; ++i) {
    double x = ops[i].x1, y = ops[i].y1;
    cairo_matrix_transform_point(&d.matrix, &x, &y);
    if (!(x - pad > d.clipLeft && x + pad < d.clipRight && y - pad > d.clipTop &&
          y + pad < d.clipBottom)) {
      return false;
    }
    centres[i - first] = {x, y};
  }

  // The dots that can reach each tile, in the run's order: those whose
  // centres lie within a dot's reach (and a pixel to spare) of it.
  const double near = reach + 1;
  std::map<int, std::vector<std::uint32_t>> reaching;
  for (std::size_t i = 0; i < centres.size(); ++i) {
    const Centre& c = centres[i];
    int c0 = static_cast<int>(c.x - near) / kTile, c1 = static_cast<int>(c.x + near) / kTile;
    int r0 = static_cast<int>(c.y - near) / kTile, r1 = static_cast<int>(c.y + near) / kTile;
    for (int r = r0; r <= r1; ++r) {
      for (int k = c0; k <= c1; ++k) {
        reaching[r * d.columns + k].push_back(static_cast<std::uint32_t>(first + i));
      }
    }
  }
  {
    std::lock_guard<std::mutex> lock(d.mutex);
    for (auto& [tile, dots] : reaching) {
      d.tasks.push_back({&ops, std::move(dots), tile, pad});
      Impl::Tile& t = d.tiles[static_cast<std::size_t>(tile)];
      t.push_back(&d.tasks.back());
      // A tile with tasks before this one is ready or in hand already.
      if (t.size() == 1) d.ready.push_back(tile);
    }
  }
  d.workToDo.notify_all();
  return true;
}

void DotRunPainter::await(const Extent& area) {
  Impl& d = *impl_;
  if (!d.target || area.empty()) return;
  double left = area.left, top = area.top, right = area.right, bottom = area.bottom;
  cairo_matrix_transform_point(&d.matrix, &left, &top);
  cairo_matrix_transform_point(&d.matrix, &right, &bottom);
  // A pixel and a half to spare for antialiasing and rounding.
  auto column = [&](double x) {
    return static_cast<int>(std::clamp(x / kTile, 0.0, d.columns - 1.0));
  };
  auto row = [&](double y) { return static_cast<int>(std::clamp(y / kTile, 0.0, d.rows - 1.0)); };
  if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(right) ||
      !std::isfinite(bottom)) {
    d.awaitTiles(0, 0, d.columns - 1, d.rows - 1);
    return;
  }
  d.awaitTiles(column(left - 2), row(top - 2), column(right + 2), row(bottom + 2));
}

void DotRunPainter::finish() {
  Impl& d = *impl_;
  if (!d.target) return;
  d.awaitTiles(0, 0, d.columns - 1, d.rows - 1);
  std::lock_guard<std::mutex> lock(d.mutex);
  d.tasks.clear();
  d.ready.clear();
  cairo_surface_mark_dirty(d.target);
  d.target = nullptr;
}

}  // namespace lesson
