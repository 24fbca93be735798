// What has been drawn, kept as a display list so that it can be rendered sharp
// at any window size. The list holds what can still show: an opaque fill (an
// erase, a clear) drops every earlier operation that lies wholly under it, and
// an opaque circle drawn exactly over the one before it (the blinking cursor
// dot) takes its place, so the list stays as long as what is on the screen
// however long a program runs. A plotted curve, thousands of tiny dots of one
// colour drawn one after another, is kept as one operation holding the dots'
// centres (see dot_runs.h).
#pragma once

#include <cstddef>
#include <vector>

#include "framework/platform/draw_op.h"

typedef struct _cairo cairo_t;

namespace lesson {

class Canvas {
 public:
  // What the list keeps of the operations that later ones hide.
  enum class Keeping {
    Showing,     // only what can still show
    UnderFills,  // also what lies under opaque fills (to check that dropping it changes nothing)
  };
  explicit Canvas(Keeping keeping = Keeping::Showing) : keeping_(keeping) {}

  void add(const DrawOp& op);
  const std::vector<DrawOp>& ops() const { return ops_; }
  // Where operation i can paint (a bound, inside the canvas).
  const Extent& extent(std::size_t i) const { return reach_[i].extent; }

  // What changed since the last call, for a picture of the canvas kept up to
  // date: operations added at the end of the list, and where operations taken
  // before were dropped, replaced or changed (a curve taken before that gained
  // dots, or lost its last to a dot drawn over it), which the picture must
  // render again from the list.
  struct Changes {
    std::size_t added = 0;
    Extent repaint;
  };
  Changes takeChanges();

  // Renders operations [from, ops().size()) onto cr, whose user space is the
  // logical canvas (the caller sets the scale and offset).
  void render(cairo_t* cr, std::size_t from = 0) const;
  // The rectangle round the operations that can paint inside `area` and
  // that cairo draws a little differently where a clip or the edge of the
  // surface cuts them: all but boxes and clears, which paint whole pixels
  // (empty when there are none).
  Extent antialiasedReach(const Extent& area) const;
  // Renders, in order, every operation that can paint inside `area` (the
  // caller clips to the area).
  void renderArea(cairo_t* cr, const Extent& area) const;

 private:
  struct Reach {
    Extent extent;
    bool measured = true;  // false: text with only its rough extent so far
  };
  // Adds a dot to the curve that is the last operation, when it continues it.
  bool extendCurve(const DrawOp& dot);
  // Drops the operations wholly inside `cover`.
  void dropCovered(const Extent& cover);

  Keeping keeping_;
  std::vector<DrawOp> ops_;
  std::vector<Reach> reach_;
  std::size_t unseen_ = 0;  // operations at the end not yet taken by takeChanges
  Extent repaint_;
};

// Renders one operation onto cr (logical canvas units).
void renderOp(cairo_t* cr, const DrawOp& op);

}  // namespace lesson
