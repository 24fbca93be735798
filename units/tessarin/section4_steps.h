// What the pages of section 4 share: a page is a list of steps revealed one
// key at a time; a step draws its text pieces and figures in order. The
// elimination pages also share the system of two equations under a brace, the
// column subtraction and the lines given as ax+by=c.
#pragma once

#include <functional>
#include <utility>
#include <variant>
#include <vector>

#include "framework/page_steps.h"

namespace lesson::intersection {

// One text piece. Its x is the margin (textMarginX), the end of the previous
// piece (textEndX), the labels' x (itemLabelX), the equation column of the
// last subtraction (columnResultX), each moved right by dx, or the fixed x dx;
// its y is the current line (textLineY) moved down by dy. Afterwards the line
// position follows the pen: both textEndX and textLineY, only textLineY, or
// neither. A text-flow piece (newLine, same, labelLine) is a piece placed as
// flowText places it.
struct Piece {
  enum Where { Margin, End, Label, Column, Fixed };
  enum Follow { Both, LineOnly, None };
  Piece(float color_, Where where_, float dx_, float dy_, Text text_)
      : color(color_), where(where_), dx(dx_), dy(dy_), text(std::move(text_)) {}
  Piece(const Flow& piece)
      : Piece(piece.color, kFlowWhere[piece.where], piece.xOffset, piece.dy, piece.text) {}
  float color;
  Where where;
  float dx, dy;
  Text text;
  Follow follows = Both;

 private:
  static constexpr Where kFlowWhere[] = {Margin, End, Label};
};

// On after the previous piece, `gap` pixels further right, on a line dy lower.
inline Piece below(float color, const Text& text, float dy, float gap = 0) {
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
  piece.follows = Piece::LineOnly;
  return piece;
}
// The piece outside the text flow: the line position stays as it was.
inline Piece unflowed(Piece piece) {
  piece.follows = Piece::None;
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
    case Piece::Label:
      x += page.itemLabelX;
      break;
    case Piece::Column:
      x += page.columnResultX;
      break;
    case Piece::Fixed:
      break;
  }
  page.writeAt(piece.color, x, page.textLineY + piece.dy, piece.text);
  if (piece.follows == Piece::Both) page.textEndX = page.penX;
  if (piece.follows != Piece::None) page.textLineY = page.penY;
}

// A step's actions are its pieces and figures in the order they are drawn.
using Figure = std::function<void()>;
using Action = std::variant<Piece, Figure>;
using Actions = std::vector<Action>;

inline void drawActions(Lesson& page, const Actions& actions) {
  for (const Action& action : actions) {
    if (const Piece* piece = std::get_if<Piece>(&action)) {
      drawPiece(page, *piece);
    } else {
      std::get<Figure>(action)();
    }
  }
}

// The steps' actions revealed one key at a time, a key wait between two steps.
inline void revealActions(Lesson& page, const std::vector<Actions>& steps) {
  revealEach(page, steps, KeyWait::Between,
             [&page](const Actions& actions) { drawActions(page, actions); });
}

// The line a x + b y = c over the plane just drawn, in colour 0, labelled at
// its last visible dot moved by (dx, dy).
inline void plotEquation(Lesson& page, float a, float b, float c, const Text& label, float dx,
                         float dy) {
  page.plotGraphCurve({4, a, b, c, 0, label, dx, dy});
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
