// A plotted curve is a run of thousands of small dots filled as one path (so
// that their overlaps blend once). Filled whole, such a run costs cairo tens
// of milliseconds and megabytes of fresh memory. The painter fills it in
// tiles, several at once, with exactly the pixels of the whole fill: each
// tile takes the dots that can reach it, is filled on a surface of its own
// that holds those dots whole (cairo rasterises a dot cut by an edge a little
// differently), at a whole-pixel offset, and only the tile is copied back.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "framework/platform/draw_op.h"

typedef struct _cairo cairo_t;

namespace lesson {

// Fills the path of a run of dots in cr's current source, as renderGroup
// builds it: each dot a whole circle of radius + pen / 2.
void fillDotPath(cairo_t* cr, const DrawOp* dots, std::size_t count);

class DotRunPainter {
 public:
  DotRunPainter();
  ~DotRunPainter();
  DotRunPainter(const DotRunPainter&) = delete;
  DotRunPainter& operator=(const DotRunPainter&) = delete;

  // Paints dots [begin, end) of `ops` (a run in one colour) onto cr's target
  // as one fill of the whole run in `color` would, and returns true; returns
  // false, having drawn nothing, where it cannot promise that: cr not drawing
  // onto a plain image surface at a scale without rotation, a clip other than
  // one rectangle, or a dot reaching within a few pixels of the clip or the
  // surface's edge (there the whole fill is cut, and cut dots differ).
  // Starts the workers and lets each fill a tile's worth of dots, so that the
  // first curve shown finds them ready, their memory already handed over.
  void warmUp();

  bool paint(cairo_t* cr, const std::vector<DrawOp>& ops, std::size_t begin, std::size_t end,
             int color);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lesson
