// A plotted curve is a run of thousands of small dots filled as one path (so
// that their overlaps blend once). Filled whole, such a run costs cairo tens
// of milliseconds. The painter fills it in tiles on several workers, with
// exactly the pixels of the whole fill: each tile takes the dots that can
// reach it, is filled on a surface of its own that holds those dots whole
// (cairo rasterises a dot cut by an edge a little differently), at a
// whole-pixel offset, and only the tile is copied back. The tiles of one run
// wait for the earlier runs' tiles at the same place, and the rest of the
// drawing, done by the caller in between, waits only for the tiles under it.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "framework/platform/draw_op.h"

typedef struct _cairo cairo_t;

namespace lesson {

// Fills the path of a run of dots in their colour, as one fill: each dot a
// whole circle of radius + pen / 2.
void fillDotPath(cairo_t* cr, const DrawOp* dots, std::size_t count);

class DotRunPainter {
 public:
  DotRunPainter();
  ~DotRunPainter();
  DotRunPainter(const DotRunPainter&) = delete;
  DotRunPainter& operator=(const DotRunPainter&) = delete;

  // Starts the workers and lets each fill a tile's worth of dots, so that the
  // first curve shown finds them ready, their memory already handed over.
  void warmUp();

  // Starts painting onto cr's target, with cr's transformation and clip;
  // false where the painter cannot promise the pixels of whole fills: cr not
  // drawing onto a plain image surface, a transformation other than a scale
  // and a shift, a clip other than one rectangle. Until finish(), the caller
  // draws onto the target only through cr, and only after await() for the
  // area it draws in.
  bool begin(cairo_t* cr);
  // Queues dots [first, end) of `ops` (a run in one colour; `ops` unchanged
  // until finish()); false, queueing nothing, for a short run or one
  // reaching within a few pixels of the clip or the surface's edge (there the
  // whole fill is cut, and cut dots differ): the caller then fills it whole.
  bool add(const std::vector<DrawOp>& ops, std::size_t first, std::size_t end);
  // Waits until no queued tile can paint inside `area` (canvas units),
  // filling tiles meanwhile.
  void await(const Extent& area);
  // Waits for every queued tile.
  void finish();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lesson
