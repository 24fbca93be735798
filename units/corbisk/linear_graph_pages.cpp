// Section 5 pages ① to ④: graphs of linear functions.
//
// Page ① reviews points in the plane (two random quizzes, then how the graph
// of y=2x is drawn); page ② tabulates and plots y=2x+3; page ③ compares
// y=2x+3 with y=2x and shows the shift by 3; page ④ states the relation of
// y=ax+b to y=ax on two small planes. Each page reveals its steps one per key
// (page ④ draws at once) and ends by returning to the sub-menu.
#include <cmath>
#include <functional>
#include <vector>

#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// ---- Shapes the pages share -------------------------------------------------

using Plane = Lesson::PlaneSettings;
using GraphLine = Lesson::GraphLine;

Text numberText(Lesson& page, float value) {
  page.workText = str(value);
  page.removeSpaces();
  return page.workText;
}

// A row of a value table chained to the right from (x, y): the row name in a
// cell of nameWidth, a "…" cell, one 60-wide cell per value text and a closing
// "…" cell, all 50 high with border colour 3. savedX(1) follows the right edge
// of each cell drawn.
void drawValueRow(Lesson& page, float x, float y, float nameWidth, const Text& name,
                  const std::vector<Text>& values, float textColor, float fill) {
  struct Cell {
    float width;
    Text text;
  };
  std::vector<Cell> cells{{nameWidth, name}, {40, U"…"}};
  for (const Text& value : values) cells.push_back({60, value});
  cells.push_back({40, U"…"});
  page.penX = x;
  page.penY = y;
  for (const Cell& cell : cells) {
    page.workText = cell.text;
    page.boxWidth = cell.width;
    page.boxHeight = 50;
    page.lineColor = 3;
    page.plotColor = fill;
    page.textColor = textColor;
    page.drawTextBox();
    page.savedX(1) = page.penX;
  }
}

// The texts m x + c for x = -3 to 3.
std::vector<Text> rowValues(Lesson& page, float m, float c) {
  std::vector<Text> out;
  for (float x = -3; x <= 3; ++x) out.push_back(numberText(page, m * x + c));
  return out;
}

// ---- Page ①: points in the plane ------------------------------------------

// Per quadrant 1..4: the candidate's letter and the slots of numA (x) and numB
// (y) that hold its coordinates (slot 1 the magnitude, slot 2 its negative).
struct QuadrantPoint {
  Text letter;
  float xSlot, ySlot;
};
const QuadrantPoint kQuadrants[] = {
    {U"A", 1, 1},
    {U"B", 2, 1},
    {U"C", 2, 2},
    {U"D", 1, 2},
};

const Plane kQuizPlane{440, 100, -6, 6, -6, 6, 44, 1};
const Plane kProportionPlane{680, 50, -5, 5, -4, 10, 40, 1};

// ---- Page ②: the graph of y=2x+3 by its points ------------------------------

const Plane kPointsPlane{792, 60, -5, 6, -4, 10, 40, 14};

// ---- Page ③: y=2x+3 against y=2x --------------------------------------------

// The rows x, 2x and 2x+3, 50 px apart: name, the values m x + c, text
// colour, fill.
struct ShiftRow {
  Text name;
  float m, c;
  float textColor, fill;
};
const ShiftRow kShiftRows[] = {
    {U"x", 1, 0, 0, 15},
    {U"2x", 2, 0, 0, 11},
    {U"2x+3", 2, 3, 5, 13},
};

const Plane kShiftPlane{792, 60, -5, 8, -5, 12, 30, 14};

// ---- Page ④: y=ax+b against y=ax --------------------------------------------

// A small plane with its two lines, the letter "b" at `letterUnits` grid units
// above the origin and an arrow along the y axis from the origin to the
// intercept `intercept`.
struct RelationPlane {
  Plane plane;
  GraphLine lines[2];
  float letterUnits;
  float intercept;
};
const RelationPlane kRelationPlanes[] = {
    {{152, 320, -2, 2, -2, 8, 30, 0},
     {{1.5f, 3, 3, U"y=ax+b", -189, 0}, {1.5f, 0, 7, U"y=ax", -54, 100}},
     3,
     3},
    {{418, 320, -2, 2, -6, 4, 30, 0},
     {{1.5f, -3, 3, U"y=ax+b", -81, 100}, {1.5f, 0, 7, U"y=ax", -135, 0}},
     -1,
     -3},
};

}  // namespace

void CorbiskUnit::makeRandomPoint() {
  signPick = std::floor(rnd() * 5 + 1);
  signPick2 = std::floor(rnd() * 5 + 1);
  numA(1) = signPick;
  numA(2) = -signPick;
  numB(1) = signPick2;
  numB(2) = -signPick2;
  numbersToText();
  float quadrant = std::floor(rnd() * 4 + 1);
  // No quadrant but the first comes twice in a row.
  if (quadrant == lastQuadrant) {
    quadrant = 1;
  } else {
    lastQuadrant = quadrant;
  }
  const QuadrantPoint& q = kQuadrants[whole(quadrant) - 1];
  markX(1) = numA(q.xSlot);
  markY(1) = numB(q.ySlot);
  runText = U"(" + numTextA(q.xSlot) + U"," + numTextB(q.ySlot) + U")";
}

void CorbiskUnit::pointReviewPage() {
  // Which point is it: four candidates, one per quadrant.
  repeatUntilOne([this] {
    makeRandomPoint();
    startPage(*this, {.marginX = 88, .firstLine = 30});
    drawTextPieces({{0, 44, 30, U"次の点はどれでしょう。"}, {3, 88, 110, runText}});
    drawPlane(kQuizPlane);
    for (const QuadrantPoint& q : kQuadrants) {
      plotDot({numA(q.xSlot), numB(q.ySlot), 12, 3, q.letter, 8, -20});
    }
    waitKeyPrompt();
    plotDot({markX(1), markY(1), 15, 5});
  });

  // Name the coordinates of a marked point.
  repeatUntilOne([this] {
    makeRandomPoint();
    startPage(*this, {.marginX = 88, .firstLine = 30});
    drawTextPieces({{0, 44, 30, U"次の点の座標をいいなさい。"}});
    drawPlane(kQuizPlane);
    plotDot({markX(1), markY(1), 15, 3});
    waitKeyPrompt();
    drawTextPieces({{5, 88, 110, runText}});
  });

  // How the graph of a proportion is drawn.
  startPage(*this, {.width = 1900, .height = 1500, .marginX = 40, .firstLine = 30, .penWidth = 5});
  revealSteps(*this, {
                         {nullptr, {newLine(3, 0, U"y=2xのグラフをかきなさい。")}, false},
                         {[this] { drawPlane(kProportionPlane); }, {}, true},
                         {nullptr,
                          {
                              newLine(5, 70, U"<比例のグラフのかきかた>"),
                              newLine(3, 50, U"原点以外に通る1点をみつけ、"),
                              newLine(3, 50, U"原点と結ぶ"),
                          },
                          true},
                         {nullptr, {newLine(0, 50, U"x=1 のとき y=2 だから")}, false},
                         {[this] {
                            plotDot({1, 2, 6, 5});
                          },
                          {},
                          true},
                         {[this] {
                            plotLine({2, 0, 3, U"y=2x", -150, 0});
                          },
                          {},
                          true},
                         {nullptr,
                          {
                              newLine(3, 100, U"比例のグラフは"),
                              same(5, U"原点を通る直線"),
                          },
                          false},
                     });
}

void CorbiskUnit::graphByPointsPage() {
  startPage(*this,
            {.width = 1320, .height = 1300, .labelX = 40, .marginX = 40 + 81, .firstLine = 30});
  flowText({
      labelLine(7, 0, U"P66 一次関数y=2x+3 のグラフをかこう。"),
      labelLine(3, 60, U"(1)"),
      newLine(0, 0, U"表を完成しよう。"),
  });

  // The table: the x row whole, the y row empty.
  markX(11) = 40;
  markX(12) = markX(11) + 80;
  markY(11) = textLineY + 60;
  markY(12) = markY(11) + 50;
  drawValueRow(*this, markX(11), markY(11), 40, U"x", rowValues(*this, 1, 0), 0, 15);
  drawValueRow(*this, markX(11), markY(12), 40, U"y", std::vector<Text>(7), 0, 15);
  waitKeyPrompt();

  // One y value per key, left to right.
  savedX(1) = markX(12);
  for (float x = -3; x <= 3; ++x) {
    penX = savedX(1);
    penY = markY(12);
    workText = numberText(*this, 2 * x + 3);
    boxWidth = 60;
    boxHeight = 50;
    lineColor = 3;
    plotColor = 15;
    textColor = 5;
    drawTextBox();
    savedX(1) = penX;
    waitKeyPrompt();
  }

  textLineY = markY(12);
  revealSteps(*this, {
                         {nullptr,
                          {
                              labelLine(3, 60, U"(2)"),
                              newLine(0, 0, U"点を右図にかこう。"),
                          },
                          false},
                         {[this] { drawPlane(kPointsPlane); }, {}, true},
                     });

  // One point per key, then one more key.
  for (float x = -3; x <= 3; ++x) {
    plotDot({x, 2 * x + 3, 6, 3});
    waitKeyPrompt();
  }
  waitKeyPrompt();

  revealSteps(*this,
              {
                  {nullptr,
                   {
                       labelLine(3, 60, U"(3)"),
                       newLine(0, 0, U"y=2xのグラフをかこう。"),
                   },
                   true},
                  {[this] {
                     plotLine({2, 0, 7, U"y=2x", -120, -50});
                   },
                   {},
                   true},
                  {nullptr,
                   {
                       labelLine(3, 60, U"(4)"),
                       newLine(0, 0, U"y=2x+3のグラフは、"),
                       newLine(0, 50, U"どうなりそうですか。"),
                   },
                   true},
                  // A close row of dots from the bottom edge (y -4) to the top (y 10).
                  {[this] {
                     for (float i = -20; i <= 50; ++i) {
                       const float y = i / 5;
                       plotDot({(y - 3) / 2, y, 2, 3});
                     }
                   },
                   {},
                   true},
                  {nullptr, {newLine(3, 60, U"y=2xのグラフに平行な直線になりそう。")}, false},
              });
}

void CorbiskUnit::parallelShiftPage() {
  startPage(*this, {.width = 1320, .height = 1300, .labelX = 40, .firstLine = 30});
  flowText({
      labelLine(7, 0, U"一次関数y=2x+3 のグラフをかこう。"),
      labelLine(3, 50, U"y=2x+3 と y=2x の関係を調べよう"),
  });

  markX(11) = 40;
  for (int row = 0; row < 3; ++row) {
    const ShiftRow& r = kShiftRows[row];
    const float top = textLineY + 60 + 50 * static_cast<float>(row);
    markY(static_cast<float>(11 + row)) = top;
    drawValueRow(*this, markX(11), top, 120, r.name, rowValues(*this, r.m, r.c), r.textColor,
                 r.fill);
  }

  drawPlane(kShiftPlane);
  for (float x = -4; x <= 4; ++x) plotDot({x, 2 * x + 3, 6, 3});
  plotLine({2, 0, 7, U"y=2x", -30, 50});
  waitKeyPrompt();

  textLineY = markY(13);
  revealSteps(*this, {
                         {nullptr,
                          {
                              labelLine(3, 60, U"(1)"),
                              same(0, U"表で、2xの値と2x+3の値の関係は？"),
                          },
                          true},
                         {nullptr, {labelLine(5, 50, U"xのどの値でも、2x+3の値が3大きい")}, true},
                         {nullptr,
                          {
                              labelLine(3, 60, U"(2)"),
                              same(0, U"そのことを座標で調べよう。"),
                          },
                          true},
                     });

  // Each point of y=2x, then an arrow 3 units up to the point of y=2x+3.
  setDrawWidth(5);
  for (float x = -2; x <= 4; ++x) {
    plotDot({x, 2 * x, 6, 7});
    markX(1) = pointScreenX;
    markY(1) = pointScreenY;
    markX(2) = markX(1);
    markY(2) = markY(1) - 3 * gridUnit;
    waitKeyPrompt();
    arrowHeadX = markX(1);
    arrowHeadY = markY(1) - 6;
    arrowTailX = markX(2);
    arrowTailY = markY(2) + 6;
    arrowReverse = 1;
    arrowMode = 1;
    lineColor = 9;
    arrowHeadSize = 16;
    drawArrow();
    waitKeyPrompt();
  }
  waitKeyPrompt();

  revealSteps(
      *this,
      {
          {nullptr, {labelLine(5, 50, U"上方に3だけ平行移動した点")}, true},
          // A close row of dots from the bottom edge (y -5) to the top (y 12).
          {[this] {
             for (float i = -10; i <= 24; ++i) {
               const float y = i / 2;
               plotDot({(y - 3) / 2, y, 2, 3});
             }
           },
           {},
           true},
          {[this] {
             plotLine({2, 3, 3, U"y=2x+3", -120, -50});
           },
           {},
           false},
          {nullptr,
           {
               labelLine(3, 60, U"(3)"),
               same(0, U"一次関数y=2x+3　のグラフを説明しよう。"),
           },
           true},
          {nullptr, {labelLine(5, 50, U"y=2xのグラフに平行で、y軸上の点(0,3) を通る直線")}, false},
      });
}

void CorbiskUnit::proportionGraphRelationPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 76, .firstLine = 30, .penWidth = 10});
  drawBox(38, 16, 38 + 570, 16 + 275, 9);
  flowText({
      newLine(3, 0, U"<比例のグラフとの関係>"),
      newLine(0, 50, U"一次関数y=ax+b　のグラフは、"),
      newLine(0, 50, U"y=ax のグラフを"),
      newLine(5, 50, U"y軸の正の方向にbだけ平行移動"),
      newLine(0, 50, U"させた"),
      same(3, U"直線"),
  });

  setDrawWidth(4);
  for (const RelationPlane& r : kRelationPlanes) {
    drawPlane(r.plane);
    for (const GraphLine& line : r.lines) plotLine(line);
    writeAt(5, originX + 20, originY - r.letterUnits * gridUnit, U"b");
    arrowMode = 0;
    arrowTo(5, originX, originY, originX, originY - r.intercept * gridUnit);
  }
}

}  // namespace lesson
