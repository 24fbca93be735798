// What the pages of section 4 share: a page is a list of steps revealed one
// key at a time; a step draws its text pieces and figures in order. The
// elimination pages also share the system of two equations under a brace, the
// column subtraction and the lines given as ax+by=c.
#pragma once

#include <functional>
#include <variant>
#include <vector>

#include "framework/lesson.h"

namespace lesson::intersection {

// One text piece. Its x is the margin (textMarginX), the end of the previous
// piece (textEndX), the equation column of the last subtraction
// (columnResultX), each moved right by dx, or the fixed x dx; its y is the
// current line (textLineY) moved down by dy. Afterwards the line position
// follows the pen: both textEndX and textLineY, only textLineY, or neither.
struct Piece {
  enum Where { Margin, End, Column, Fixed };
  enum Flow { Both, LineOnly, None };
  float color;
  Where where;
  float dx, dy;
  Text text;
  Flow flow = Both;
};

// A new line dy below the current one, at the margin moved right by dx.
inline Piece newLine(float color, float dy, const Text& text, float dx = 0) {
  return {color, Piece::Margin, dx, dy, text};
}
// On the current line after the previous piece, `gap` pixels further right;
// dy moves it to a lower line at the same x.
inline Piece same(float color, const Text& text, float gap = 0, float dy = 0) {
  return {color, Piece::End, gap, dy, text};
}
// A result row of the column subtraction, dy below the current line.
inline Piece column(float color, float dy, const Text& text, float dx = 0) {
  return {color, Piece::Column, dx, dy, text};
}
// A new line dy below the current one at a fixed x.
inline Piece fixedAt(float color, float x, float dy, const Text& text) {
  return {color, Piece::Fixed, x, dy, text};
}
// The piece with only textLineY taken back: the next piece starts at the same x.
inline Piece lineOnly(Piece piece) {
  piece.flow = Piece::LineOnly;
  return piece;
}
// The piece outside the text flow: the line position stays as it was.
inline Piece unflowed(Piece piece) {
  piece.flow = Piece::None;
  return piece;
}

inline void drawPiece(Lesson& page, const Piece& piece) {
  float x = piece.dx;
  switch (piece.where) {
    case Piece::Margin:
      x += page.textMarginX;
      break;
    case Piece::End:
      x += page.textEndX;
      break;
    case Piece::Column:
      x += page.columnResultX;
      break;
    case Piece::Fixed:
      break;
  }
  page.writeAt(piece.color, x, page.textLineY + piece.dy, piece.text);
  if (piece.flow == Piece::Both) page.textEndX = page.penX;
  if (piece.flow != Piece::None) page.textLineY = page.penY;
}

// A step is its pieces and figures in the order they are drawn.
using Figure = std::function<void()>;
using Action = std::variant<Piece, Figure>;
using Step = std::vector<Action>;

// Draws the steps with a key wait between each two (none after the last).
inline void runSteps(Lesson& page, const std::vector<Step>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i > 0) page.waitKeyPrompt();
    for (const Action& action : steps[i]) {
      if (const Piece* piece = std::get_if<Piece>(&action)) {
        drawPiece(page, *piece);
      } else {
        std::get<Figure>(action)();
      }
    }
  }
}

// A page's start: its rectangle (0,0) width x height erased and its text
// origin at (margin, 30).
inline void startPage(Lesson& page, float width, float height, float margin) {
  page.fillBox(0, 0, width, height, 15, 15);
  page.textMarginX = margin;
  page.textLineY = 30;
}

// The line a x + b y = c over the plane just drawn, in colour 0, labelled at
// its last visible dot moved by (dx, dy).
inline void plotEquation(Lesson& page, float a, float b, float c, const Text& label, float dx,
                         float dy) {
  page.curveKind = 4;
  page.coefA = a;
  page.coefB = b;
  page.coefC = c;
  page.plotColor = 0;
  page.pointLabel = label;
  page.labelDx = dx;
  page.labelDy = dy;
  page.plotCurve();
}

// A system of two equations starts a new line 50 px lower at the margin with a
// brace 100 px high; its equations go 40 px right of the brace.
inline void startSystem(Lesson& page) {
  page.textEndX = page.textMarginX;
  page.textLineY += 50;
  page.textColor = 0;
  page.penX = page.textEndX;
  page.penY = page.textLineY;
  page.boxWidth = 100;
  page.drawBrace();
  page.textEndX += 40;
  page.textLineY = page.penY;
}

// The subtraction top - bottom in columns from the margin, 50 px below the
// current line, with rows 50 px apart; leaves textLineY at the bottom row and
// columnResultX at the equation column.
inline void subtractInColumns(Lesson& page, const Text& top, const Text& bottom) {
  page.textColor = 0;
  page.fractionAsGiven = top;
  page.fractionText = bottom;
  page.columnOperator = U"-";
  page.penX = page.textMarginX;
  page.penY = page.textLineY + 50;
  page.arcHeight = 50;
  page.lineColor = 0;
  page.drawEquationColumns();
}

}  // namespace lesson::intersection
