// What has been drawn, kept as a display list so that it can be rendered sharp
// at any window size. A later operation that covers the whole canvas (a clear,
// a full-window erase) prunes everything before it, and an opaque fill drawn
// exactly over the one before it (the blinking cursor dot) takes its place, so
// a waiting program's list does not grow.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/platform/draw_op.h"

typedef struct _cairo cairo_t;

namespace lesson {

class Canvas {
 public:
  void add(const DrawOp& op);
  const std::vector<DrawOp>& ops() const { return ops_; }
  // How many operations were dropped by pruning since the start.
  std::size_t pruned() const { return pruned_; }
  // How many times the last operation was replaced by one drawn exactly over it.
  std::size_t replaced() const { return replaced_; }

  // Renders operations [from, ops().size()) onto cr, whose user space is the
  // logical canvas (the caller sets the scale and offset).
  void render(cairo_t* cr, std::size_t from = 0) const;

  // Renders the whole list at 1440 x 900 and writes it as a PNG; false on failure.
  bool writePng(const std::string& path) const;

 private:
  std::vector<DrawOp> ops_;
  std::size_t pruned_ = 0;
  std::size_t replaced_ = 0;
};

// Renders one operation onto cr (logical canvas units).
void renderOp(cairo_t* cr, const DrawOp& op);

}  // namespace lesson
