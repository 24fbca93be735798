// Dots and the curves made of them. The lessons plot a line or a curve as
// thousands of tiny overlapping dots of one colour, a fraction of a pixel
// apart. The canvas keeps such a run as one dot operation whose points are the
// dots' centres, and draws it as the shape the dots make: the path through
// their centres stroked at the dots' width with round caps and joins (within a
// few hundredths of a pixel of the dots' union), through only the centres
// where the path turns. Dots farther apart than the stroke could stand for,
// and short runs, are filled as the discs they are.
#pragma once

#include <cstddef>

#include "framework/platform/draw_op.h"

typedef struct _cairo cairo_t;

namespace lesson {

// A whole circle so small that its outline covers the disc: a dot of a curve
// or an arc, painted as a solid disc of radius + pen / 2.
bool isDot(const DrawOp& op);

// Where the dot of `op` centred at `centre` can paint (a bound, inside the
// canvas): the disc with a pixel for antialiasing.
Extent dotExtent(const DrawOp& op, Point centre);

// Runs with fewer dots are filled as their discs.
inline constexpr std::size_t kLeastStrokedDots = 16;

// Paints a dot operation onto cr in cr's source: the dots centred at its
// points when it has any (a run), else the one at its centre.
void renderDots(cairo_t* cr, const DrawOp& op);

}  // namespace lesson
