// Short names for the pieces of a page's text flow, as the pages' tables of
// pieces use them: {color, kMargin, dy, text} and so on.
#pragma once

#include "framework/lesson.h"

namespace lesson {

using Flow = Lesson::FlowPiece;
inline constexpr Flow::Where kMargin = Flow::Margin;
inline constexpr Flow::Where kEnd = Flow::End;
inline constexpr Flow::Where kLabel = Flow::Label;

}  // namespace lesson
