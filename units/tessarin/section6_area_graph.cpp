// Section 6 pages ② and ③. With x the distance P has moved (cm) and y the
// area of triangle APD (cm²), page ② derives y on each side of the rectangle
// with its domain beside the three stage figures: y = 2x (0 ≦ x ≦ 3), y = 6
// (3 ≦ x ≦ 7), y = 20 - 2x (7 ≦ x ≦ 10). Page ③ draws the graph of the three
// pieces and reads from it when the area is 4 cm². Both reveal their steps one
// key at a time and return to the sub-menu after the last step without waiting.
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// The slot in markX/markY of corner A, B, C, D or P of stage figure 0, 1 or 2
// as drawPointStages leaves them.
enum Corner { kA = 1, kB, kC, kD, kP };
constexpr float slot(int figure, Corner corner) {
  return static_cast<float>(10 * figure + corner);
}

// One drawing of page ②: a text placed from a figure's corner (At: moved by
// dx, dy from the corner; Below: at the corner's x moved by dx, dy under the
// current line), a text on after the previous one (After), or a length arc
// from corner `from` to corner `to` bulging to the right of that direction,
// its label and dots both in `color` (Arc).
struct Piece {
  enum Kind { At, Below, After, Arc };
  Kind kind;
  float color;
  float from, to;
  float dx, dy;
  Text text;
};

Piece at(float color, float corner, float dx, float dy, const Text& text) {
  return {Piece::At, color, corner, 0, dx, dy, text};
}
Piece below(float color, float corner, float dx, float dy, const Text& text) {
  return {Piece::Below, color, corner, 0, dx, dy, text};
}
Piece after(float color, const Text& text) {
  return {Piece::After, color, 0, 0, 0, 0, text};
}
Piece arc(float from, float to, const Text& label, float color) {
  return {Piece::Arc, color, from, to, 0, 0, label};
}

// The rest of step 1 and steps 2 to 14: the area on each side with its domain.
const std::vector<std::vector<Piece>> kFormulaSteps{
    {at(7, slot(0, kA), 30, 30, U"ycm^2"), arc(slot(0, kA), slot(0, kP), U"xcm", 7)},
    {at(0, slot(0, kB), 0, 50, U"y=ﾀ1/2ﾀ*4*x")},
    {below(5, slot(0, kB), 0, 60, U"y=2x")},
    {after(3, U"(0≦x≦3)")},
    {arc(slot(1, kA), slot(1, kB), U"", 7), arc(slot(1, kB), slot(1, kP), U"xcm", 7)},
    {at(0, slot(1, kB), 0, 80, U"y=ﾀ1/2ﾀ*4*3")},
    {below(5, slot(1, kB), 0, 60, U"y=6")},
    {after(3, U"(3≦x≦7)")},
    {arc(slot(2, kA), slot(2, kB), U"", 7), arc(slot(2, kB), slot(2, kC), U"", 7),
     arc(slot(2, kC), slot(2, kP), U"xcm", 7)},
    {arc(slot(2, kD), slot(2, kP), U"(10-x)cm", 5)},
    {at(0, slot(2, kB), 0, 80, U"y=ﾀ1/2ﾀ*4*(10-x)")},
    {below(0, slot(2, kB), 0, 60, U"y=2(10-x)")},
    {below(5, slot(2, kB), -30, 50, U"y=20-2x")},
    {after(3, U"(7≦x≦10)")},
};

// A piece of the graph: y = a x + b for x from xMin to xMax.
struct GraphPiece {
  float a, b;
  float xMin, xMax;
};

const GraphPiece kAreaGraph[] = {{2, 0, 0, 3}, {0, 6, 3, 7}, {-2, 20, 7, 10}};

}  // namespace

void TessarinUnit::areaFormulaPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 76, .firstLine = 30, .penWidth = 5});
  flowText({newLine(7, 0, U"xとyの関係は？ また、xの変域は？")});

  // The three stages; the figures replace the grid.
  drawPointStages(180);

  for (std::size_t step = 0; step < kFormulaSteps.size(); ++step) {
    if (step > 0) waitKeyPrompt();
    for (const Piece& piece : kFormulaSteps[step]) {
      switch (piece.kind) {
        case Piece::At:
          penX = markX(piece.from) + piece.dx;
          penY = markY(piece.from) + piece.dy;
          break;
        case Piece::Below:
          penX = markX(piece.from) + piece.dx;
          penY = textLineY + piece.dy;
          break;
        case Piece::After:
          penX = textEndX;
          penY = textLineY;
          break;
        case Piece::Arc:
          drawSlotArc({piece.from, piece.to, 1, piece.text, piece.color, piece.color});
          continue;
      }
      textColor = piece.color;
      mathText = piece.text;
      drawMathText();
      textEndX = penX;
      textLineY = penY;
    }
  }
}

void TessarinUnit::areaGraphPage() {
  startPage(*this, {.width = 1320,
                    .height = 1300,
                    .labelX = 40,
                    .marginX = 40 + 76,
                    .firstLine = 30,
                    .penWidth = 5});
  flowText({
      newLine(7, 0, U"グラフをかこう"),
      labelLine(3, 50, U"(1)PがAB上"),
      newLine(0, 50, U"y=2x(0≦x≦3)"),
      labelLine(3, 50, U"(2)PがBC上"),
      newLine(0, 50, U"y=6(3≦x≦7)"),
      labelLine(3, 50, U"(3)PがCD上"),
      newLine(0, 50, U"y=20-2x(7≦x≦10)"),
  });

  drawPlane({646, 100, 0, 12, 0, 8, 40});
  // The units: cm under the x axis, cm² left of the y axis, in the plain
  // Gothic face the plane leaves selected.
  setFontSize(axisFontSize);
  symbol(plotRight - 1.5f * axisFontSize, originY + 4, 2, 1, 0, U"㎝");
  symbol(originX - 70, plotTop + 16, 2, 1, 0, U"㎝");
  setFontSize(16);
  symbol(originX - 16, plotTop + 6, 2, 2, 0, U"2");
  waitKeyPrompt();

  // Each piece over its own domain only.
  for (const GraphPiece& piece : kAreaGraph) {
    graphXMin = piece.xMin;
    graphXMax = piece.xMax;
    plotLine({piece.a, piece.b, 5, U""});
    waitKeyPrompt();
  }

  flowThenWait(*this, {labelLine(7, 80, U"教科書P88 問8 をやろう")});

  // The area 4 cm² as the line y = 4 over the domain: it meets the graph at
  // x = 2 and x = 8.
  graphXMin = 0;
  graphXMax = 10;
  plotLine({0, 4, 3, U""});
  flowThenWait(*this, {newLine(0, 50, U"グラフのy=4 となるx座標を求めると")});
  flowThenWait(*this, {newLine(3, 50, U"x=2,8 だから")});
  flowText({newLine(5, 50, U"2秒後と8秒後")});
}

}  // namespace lesson
