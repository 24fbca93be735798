// What has been drawn, kept as a display list so that it can be rendered sharp
// at any window size. The list holds what can still show: an opaque fill (an
// erase, a clear) drops every earlier operation that lies wholly under it, and
// an opaque circle drawn exactly over the one before it (the blinking cursor
// dot) takes its place, so the list stays as long as what is on the screen
// however long a program runs.
#pragma once

#include <cstddef>
#include <vector>

#include "framework/platform/draw_op.h"

typedef struct _cairo cairo_t;

namespace lesson {

class DotRunPainter;

// Room for the operations of the longest pages: a few curves of 5000 dots
// each, their plane and texts.
inline constexpr std::size_t kLongestPageOps = 24'000;

// Memory handed back to the system after a page has to be handed over again,
// a page at a time, for the next; on a virtual machine that costs as much as
// drawing the page. So, for the whole process, what the drawing and the
// renderer free is kept for the next page (up to a bound), and only very
// large blocks go back at once.
void keepFreedMemory();

class Canvas {
 public:
  // What the list keeps of the operations that later ones hide.
  enum class Keeping {
    Showing,     // only what can still show
    UnderFills,  // also what lies under opaque fills (to check that dropping it changes nothing)
  };
  explicit Canvas(Keeping keeping = Keeping::Showing) : keeping_(keeping) {}

  void add(const DrawOp& op);
  // Makes room for `count` operations now, in memory the system has already
  // handed over, so that drawing the first long page (a curve is thousands of
  // dots) neither moves the list as it grows nor waits for fresh pages.
  void reserve(std::size_t count);
  const std::vector<DrawOp>& ops() const { return ops_; }
  // Where operation i can paint (a bound, inside the canvas).
  const Extent& extent(std::size_t i) const { return reach_[i].extent; }

  // What changed since the last call, for a picture of the canvas kept up to
  // date: operations added at the end of the list, and where operations taken
  // before were dropped or replaced, which the picture must render again from
  // the list.
  struct Changes {
    std::size_t added = 0;
    Extent repaint;
  };
  Changes takeChanges();

  // True when operation i is drawn together with the one before it (the next
  // dot of a plotted curve), so rendering from i alone would not match
  // rendering the whole list.
  bool joinsPrevious(std::size_t i) const;

  // Renders operations [from, ops().size()) onto cr, whose user space is the
  // logical canvas (the caller sets the scale and offset). A painter, when
  // given, fills the long runs of dots (with the same pixels, sooner).
  void render(cairo_t* cr, std::size_t from = 0, DotRunPainter* painter = nullptr) const;
  // The rectangle round the text operations that can paint inside `area`
  // (empty when there are none).
  Extent textReach(const Extent& area) const;
  // Renders, in order, every operation that can paint inside `area`, grouped
  // as render() groups them (the caller clips to the area).
  void renderArea(cairo_t* cr, const Extent& area) const;

 private:
  struct Reach {
    Extent extent;
    bool measured = true;  // false: text with only its rough extent so far
    // A dot that began a new run where operations were dropped before it: the
    // runs are filled as they were before the drop.
    bool newRun = false;
  };
  // Drops the operations wholly inside `cover`.
  void dropCovered(const Extent& cover);
  // The end of the group of operations rendered together that starts at i.
  std::size_t groupEnd(std::size_t i) const;

  Keeping keeping_;
  std::vector<DrawOp> ops_;
  std::vector<Reach> reach_;
  std::size_t unseen_ = 0;  // operations at the end not yet taken by takeChanges
  Extent repaint_;
};

// Renders one operation onto cr (logical canvas units).
void renderOp(cairo_t* cr, const DrawOp& op);

}  // namespace lesson
