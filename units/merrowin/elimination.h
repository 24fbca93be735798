// The layout of the elimination method on the unit's pages: two equations
// grouped by a brace, and the subtraction of one from the other in columns.
#pragma once

#include "framework/lesson.h"

namespace lesson {

// Two equations grouped by a brace: the brace at the margin `dy` below the
// text line, the equations 40 px right of it, the second 50 px under the first
// and starting at the same x. The text line is left on the second equation.
void drawBracedPair(Lesson& page, float dy, const Text& first, const Text& second);

// The subtraction of `bottom` from `top` in columns, 50 px below the text line
// at the margin. Leaves textLineY on the lower row, the pen after it and
// columnResultX at the rows' x, where the result rows go.
void subtractInColumns(Lesson& page, const Text& top, const Text& bottom);

// The row of signs the lower equation takes, in colour 3 between the two rows
// of subtractInColumns; the line position stays on the lower row.
void drawColumnSigns(Lesson& page, const Text& signs);

}  // namespace lesson
