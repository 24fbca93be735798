// The lesson fonts: the face names the programs select, mapped to installed
// fonts found through fontconfig and drawn as FreeType outlines with cairo.
// "ｺﾞｼｯｸ" and "ゴシック" are IPAGothic, "Times New Roman" is Liberation Serif,
// and the script letter l of "MT Extra" is drawn as ℓ from Liberation Serif.
// A character the selected face lacks is drawn from IPAGothic.
#pragma once

#include <string>

#include "framework/platform/draw_op.h"

typedef struct _cairo cairo_t;

namespace lesson {

// True when the fonts the lessons select are installed; otherwise false with a
// one-line reason naming the missing font and its package.
bool checkLessonFonts(std::string& error);

// Draws a text operation (DrawOp::Kind::Symbol) in cr's current source, in
// logical canvas units: the first character's cell has its top-left at
// (x1, y1); fx widens and fy heightens the em, and the face's own rule gives
// the em's width and the baseline (docs/ARCHITECTURE.md, "Text on the canvas").
void drawSymbol(cairo_t* cr, const DrawOp& op);

// A rectangle round every pixel a text operation's glyphs can touch, and the
// box their metrics give, in logical canvas units; empty when it draws nothing.
Extent symbolInk(const DrawOp& op);

// The family of the installed font that draws character c of a text in the
// given face, after the script-l substitution; empty when no font has it.
std::string glyphFamily(const std::u32string& face, bool bold, bool italic, char32_t c);

}  // namespace lesson
