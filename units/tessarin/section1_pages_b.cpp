// Section 1 pages ④ to ⑦: the answers to textbook question 1 (two lines by slope and intercept),
// the random example that draws a line through its two intercepts, the answers to question 2
// (two lines through their intercepts) and the integer points of x-3y=7.
//
// Each page clears its area, draws a plane, reveals its text and figures one step per key and
// returns to the sub-menu, which draws its line under the finished page.
#include <cmath>
#include <functional>
#include <vector>

#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// ---- Shapes the pages share -------------------------------------------------

// A plane with its grid and axis numbers.
struct Plane {
  float left, top;
  float xMin, xMax, yMin, yMax;
  float unit;
};

void drawPlane(Lesson& page, const Plane& plane) {
  page.graphLeft = plane.left;
  page.graphTop = plane.top;
  page.graphXMin = plane.xMin;
  page.graphXMax = plane.xMax;
  page.graphYMin = plane.yMin;
  page.graphYMax = plane.yMax;
  page.gridUnit = plane.unit;
  page.lineColor = 14;
  page.noAxisNumbers = 0;
  page.drawGraphPlane();
}

// The line y = a x + b, labelled at its last visible dot moved by (dx, dy).
struct GraphLine {
  float a, b;
  Text label;
  float dx, dy;
};

void plotLine(Lesson& page, const GraphLine& line) {
  page.curveKind = 3;
  page.coefA = line.a;
  page.coefB = line.b;
  page.plotColor = 3;
  page.pointLabel = line.label;
  page.labelDx = line.dx;
  page.labelDy = line.dy;
  page.plotCurve();
}

// Keeps the pixel of the plane's point (x, y) in markX(slot), markY(slot).
void setMark(Lesson& page, float slot, float x, float y) {
  page.markX(slot) = page.originX + page.gridUnit * x;
  page.markY(slot) = page.originY - page.gridUnit * y;
}

// The marked point of a slot: a filled disc of radius 8 in colour 5.
void drawMarkDot(Lesson& page, float slot) {
  page.fillCircle(page.markX(slot), page.markY(slot), 8, 5);
}

// Marks two points of the plane in slots 1 and 2 and draws their dots.
void markTwoPoints(Lesson& page, float x1, float y1, float x2, float y2) {
  setMark(page, 1, x1, y1);
  setMark(page, 2, x2, y2);
  drawMarkDot(page, 1);
  drawMarkDot(page, 2);
}

// The slope steps of a line drawn by hand: the intercept dot at the first
// point, the run arrow to the second point and the rise (or fall) arrow on to
// the third, each with its head at its second end. Slots 1 to 3 keep the pixels.
void drawSlopeSteps(Lesson& page, float x0, float y0, float run, float rise) {
  setMark(page, 1, x0, y0);
  setMark(page, 2, x0 + run, y0);
  setMark(page, 3, x0 + run, y0 + rise);
  drawMarkDot(page, 1);
  for (float from = 1; from <= 2; ++from) {
    page.arrowHeadX = page.markX(from);
    page.arrowHeadY = page.markY(from);
    page.arrowTailX = page.markX(from + 1);
    page.arrowTailY = page.markY(from + 1);
    page.arrowReverse = 1;
    page.arrowMode = 2;
    page.lineColor = 5;
    page.arrowHeadSize = 16;
    page.drawArrow();
  }
}

// A piece of a page's text: at x = the margin, the end of the previous piece
// or the label column, moved right by dx, and y = the current line moved down
// by dy.
struct Piece {
  enum Where { Margin, End, Label };
  float color;
  Where where;
  float dx, dy;
  Text text;
};

void drawPieces(Lesson& page, const std::vector<Piece>& pieces) {
  for (const Piece& piece : pieces) {
    const float x = piece.where == Piece::Margin ? page.textMarginX
                    : piece.where == Piece::End  ? page.textEndX
                                                 : page.itemLabelX;
    page.drawTextPieces({{piece.color, x + piece.dx, page.textLineY + piece.dy, piece.text}});
  }
}

// One step of a page: a figure (if any), then text pieces, then a key wait if
// asked.
struct Step {
  std::function<void()> figure;
  std::vector<Piece> pieces;
  bool waitAfter;
};

void runSteps(Lesson& page, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    if (step.figure) step.figure();
    drawPieces(page, step.pieces);
    if (step.waitAfter) page.waitKeyPrompt();
  }
}

// A new page: its area cleared, its text origin (margin, 30) and pen width 5.
void startPage(Lesson& page, float width, float height, float margin) {
  page.fillBox(0, 0, width, height, 15, 15);
  page.textMarginX = margin;
  page.textLineY = 30;
  page.setDrawWidth(5);
}

// The coefficient form of a value: nothing for 1, "-" for -1, else its text.
Text coefficientForm(float value, const Text& text) {
  if (value == 1) return U"";
  if (value == -1) return U"-";
  return text;
}

const Plane kQuestion1Plane{680, 60, -6, 6, -6, 8, 35};
const Plane kExamplePlane{646, 100, -10, 10, -10, 10, 25};
const Plane kQuestion2Plane{646, 60, -6, 6, -7, 7, 40};
const Plane kIntegerPointsPlane{684, 60, -6, 6, -7, 7, 40};

}  // namespace

// ---- Page ④: answers to question 1 -----------------------------------------

void TessarinUnit::showQuestion1Answers() {
  itemLabelX = 40;
  startPage(*this, 1600, 1800, itemLabelX + 81);
  drawPlane(*this, kQuestion1Plane);
  runSteps(*this, {
                      {nullptr,
                       {
                           {3, Piece::Margin, 0, 0, U"教科書P78 問1　解答"},
                           {7, Piece::Label, 0, 50, U"(1)"},
                           {0, Piece::Margin, 0, 0, U"x-2y=6"},
                           {0, Piece::Margin, 0, 50, U"-2y=-x+6"},
                           {3, Piece::Margin, 0, 80, U"y"},
                           {0, Piece::End, 0, 0, U"=ﾀ-1/-2ﾀx+ﾀ6/-2ﾀ"},
                           {3, Piece::End, 0, 0, U"=ﾀ1/2ﾀx-3"},
                       },
                       true},
                      {[this] { drawSlopeSteps(*this, 0, -3, 2, 1); }, {}, true},
                      {[this] {
                         plotLine(*this, {0.5f, -3, U"(1)", 0, 0});
                       },
                       {},
                       true},
                      {nullptr,
                       {
                           {7, Piece::Label, 0, 80, U"(2)"},
                           {0, Piece::Margin, 0, 0, U"4x+3y=0"},
                           {0, Piece::Margin, 0, 50, U"3y=-4x"},
                           {3, Piece::Margin, 0, 80, U"y=-ﾀ4/3ﾀx"},
                       },
                       true},
                      {[this] { drawSlopeSteps(*this, 0, 0, 3, -4); }, {}, true},
                      {[this] {
                         plotLine(*this, {-4.0f / 3.0f, 0, U"(2)", 0, 0});
                       },
                       {},
                       false},
                  });
}

// ---- Page ⑤: random example, the graph through two points -------------------

void TessarinUnit::makeInterceptEquation() {
  const float a = std::floor(rnd() * 9 + 1);
  const float s = std::floor(rnd() * 2) == 0 ? -1.0f : 1.0f;
  float b = std::floor(rnd() * 8 + 2);
  if (std::floor(rnd() * 2) == 0) b = -b;
  const float c = s * b * a;
  numA(4) = a;
  numA(3) = b;
  numB(0) = s;
  numB(1) = c;
  numA(1) = fdiv(c, a);
  numA(2) = fdiv(c, b);
  numA(5) = -fdiv(a, b);
  numB(5) = fdiv(c, b);
  numbersToText();
  numTextA(14) = coefficientForm(a, numTextA(4));
  numTextA(13) = coefficientForm(b, numTextA(3));
  if (b > 0) numTextA(13) = U"+" + numTextA(13);
}

void TessarinUnit::interceptGraphExample() {
  startPage(*this, 1320, 1300, 40);
  savedX(31) = textMarginX;
  savedY(31) = textLineY;
  repeatUntilOne([this] {
    makeInterceptEquation();
    fillBox(0, 0, 1600, 1800, 15, 15);
    textMarginX = savedX(31);
    textLineY = savedY(31);
    drawPlane(*this, kExamplePlane);
    setMark(*this, 1, 0, numA(2));
    setMark(*this, 2, numA(1), 0);
    runSteps(
        *this,
        {
            {nullptr,
             {
                 {3, Piece::Margin, 0, 0, U"例1"},
                 {0, Piece::End, 0, 0, U" 次の方程式のグラフを"},
                 {0, Piece::Margin, 64, 50, U"2点を求めてかきなさい。"},
                 {3, Piece::Margin, 80, 60,
                  numTextA(14) + U"x" + numTextA(13) + U"y=" + numTextB(1)},
             },
             true},
            {nullptr, {{0, Piece::Margin, 0, 50, U"x=0 を代入すると、"}}, true},
            {nullptr, {{0, Piece::Margin, 0, 50, numTextA(3) + U"y=" + numTextB(1)}}, true},
            {nullptr, {{0, Piece::End, 50, 0, U"y=" + numTextA(2)}}, true},
            {nullptr, {{3, Piece::Margin, 0, 50, U"点(0," + numTextA(2) + U")を通る。"}}, true},
            {[this] { drawMarkDot(*this, 1); }, {}, true},
            {nullptr, {{0, Piece::Margin, 0, 50, U"y=0 を代入すると、"}}, true},
            {nullptr, {{0, Piece::Margin, 0, 50, numTextA(14) + U"x=" + numTextB(1)}}, true},
            {nullptr, {{0, Piece::End, 50, 0, U"x=" + numTextA(1)}}, true},
            {nullptr, {{3, Piece::Margin, 0, 50, U"点(" + numTextA(1) + U",0)を通る。"}}, true},
            {[this] { drawMarkDot(*this, 2); }, {}, true},
            {[this] {
               plotLine(*this, {numA(5), numB(5), U"", 0, 0});
             },
             {},
             false},
        });
  });
  waitKeyPrompt();
  drawTextPieces({{7, textMarginX, 540, U"教科書P79 問2　をやってみよう。"}});
}

// ---- Page ⑥: answers to question 2 -----------------------------------------

void TessarinUnit::interceptAnswersPage() {
  startPage(*this, 1600, 1800, 114);
  drawPlane(*this, kQuestion2Plane);
  runSteps(*this, {
                      {nullptr,
                       {
                           {3, Piece::Margin, 0, 0, U"教科書P79 問2　解答"},
                           {3, Piece::Margin, -76, 50, U"(1) x-y=5"},
                       },
                       true},
                      {nullptr,
                       {
                           {0, Piece::Margin, 0, 50, U"x=0 のとき y=-5"},
                           {0, Piece::Margin, 0, 50, U"y=0 のとき x=5"},
                       },
                       true},
                      {[this] { markTwoPoints(*this, 0, -5, 5, 0); }, {}, true},
                      {[this] {
                         plotLine(*this, {1, -5, U"(1)", -81, -70});
                       },
                       {{3, Piece::Margin, -76, 70, U"(2) x+2y=-2"}},
                       true},
                      {nullptr,
                       {
                           {0, Piece::Margin, 0, 50, U"x=0 のとき y=-1"},
                           {0, Piece::Margin, 0, 50, U"y=0 のとき x=-2"},
                       },
                       true},
                      {[this] { markTwoPoints(*this, 0, -1, -2, 0); }, {}, true},
                      {[this] {
                         plotLine(*this, {-0.5f, -1, U"(2)", -54, -80});
                       },
                       {},
                       false},
                  });
}

// ---- Page ⑦: the integer points of x-3y=7 -----------------------------------

void TessarinUnit::integerPointsExplainPage() {
  startPage(*this, 1600, 1800, 40);
  drawPlane(*this, kIntegerPointsPlane);
  runSteps(
      *this,
      {
          {nullptr,
           {
               {7, Piece::Margin, 0, 0, U"次の方程式のグラフを2点を求めてかこう。"},
               {3, Piece::Margin, 0, 50, U"x-3y=7"},
           },
           true},
          // Through the intercepts: (0,-7/3) is no grid point and (7,0) lies
          // off the plane.
          {nullptr, {{3, Piece::Margin, 0, 60, U"x=0"}, {0, Piece::End, 0, 0, U" のとき "}}, true},
          {nullptr, {{3, Piece::End, 0, 0, U"y=-ﾀ7/3ﾀ"}}, true},
          {nullptr, {{3, Piece::Margin, 0, 50, U"y=0"}, {0, Piece::End, 0, 0, U" のとき "}}, true},
          {nullptr, {{3, Piece::End, 0, 0, U"x=7"}}, true},
          {nullptr, {{5, Piece::End, 30, 0, U"かけない"}}, true},
          // Points whose coordinates are both whole numbers.
          {nullptr, {{7, Piece::Margin, 0, 60, U"x,yの値が整数になるのは？"}}, true},
          {nullptr, {{0, Piece::Margin, 0, 50, U"x=3y+7 だから、"}}, true},
          {nullptr, {{3, Piece::Margin, 0, 50, U"y=-1"}, {0, Piece::End, 0, 0, U" のとき "}}, true},
          {nullptr, {{3, Piece::Margin, 0, 50, U"x"}}, true},
          {nullptr, {{0, Piece::End, 0, 0, U"=3*(-1)+7=-3+7"}, {3, Piece::End, 0, 0, U"=4"}}, true},
          {nullptr, {{3, Piece::Margin, 0, 50, U"y=-2"}, {0, Piece::End, 0, 0, U" のとき "}}, true},
          {nullptr,
           {
               {3, Piece::Margin, 0, 50, U"x"},
               {0, Piece::End, 0, 0, U"=3*(-2)+7=-6+7"},
               {3, Piece::End, 0, 0, U"=1"},
               {0, Piece::Margin, 0, 50, U"だから、"},
           },
           true},
          {[this] { markTwoPoints(*this, 4, -1, 1, -2); },
           {{3, Piece::Margin, 0, 50, U"2点(4,-1),(1,-2)を通る。"}},
           true},
          {[this] {
             plotLine(*this, {1.0f / 3.0f, -7.0f / 3.0f, U"x-3y=7", -216, -50});
           },
           {},
           false},
      });
}

}  // namespace lesson
