// Section 1 pages ④ to ⑦: the answers to textbook question 1 (two lines by slope and intercept),
// the random example that draws a line through its two intercepts, the answers to question 2
// (two lines through their intercepts) and the integer points of x-3y=7.
//
// Each page clears its area, draws a plane, reveals its text and figures one step per key and
// returns to the sub-menu, which draws its line under the finished page.
#include <cmath>
#include <functional>
#include <vector>

#include "framework/number_forms.h"
#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// ---- Shapes the pages share -------------------------------------------------

// Marks two points of the plane in slots 1 and 2 and draws their dots: filled
// discs of radius 8 in colour 5.
void markTwoPoints(Lesson& page, float x1, float y1, float x2, float y2) {
  page.setMark(1, x1, y1);
  page.setMark(2, x2, y2);
  page.fillCircle(page.markX(1), page.markY(1), 8, 5);
  page.fillCircle(page.markX(2), page.markY(2), 8, 5);
}

const Lesson::PlaneSettings kQuestion1Plane{680, 60, -6, 6, -6, 8, 35};
const Lesson::PlaneSettings kQuestion2Plane{646, 60, -6, 6, -7, 7, 40};
const Lesson::PlaneSettings kIntegerPointsPlane{684, 60, -6, 6, -7, 7, 40};

}  // namespace

// ---- Page ④: answers to question 1 -----------------------------------------

void TessarinUnit::showQuestion1Answers() {
  startPage(*this, {.width = 1600,
                    .height = 1800,
                    .labelX = 40,
                    .marginX = 40 + 81,
                    .firstLine = 30,
                    .penWidth = 5});
  drawPlane(kQuestion1Plane);
  revealSteps(*this, {
                         {nullptr,
                          {
                              newLine(3, 0, U"教科書P78 問1　解答"),
                              labelLine(7, 50, U"(1)"),
                              newLine(0, 0, U"x-2y=6"),
                              newLine(0, 50, U"-2y=-x+6"),
                              newLine(3, 80, U"y"),
                              same(0, U"=ﾀ-1/-2ﾀx+ﾀ6/-2ﾀ"),
                              same(3, U"=ﾀ1/2ﾀx-3"),
                          },
                          true},
                         {[this] { drawSlopeSteps(1, 0, -3, 2, 1, 5); }, {}, true},
                         {[this] {
                            plotLine({0.5f, -3, 3, U"(1)", 0, 0});
                          },
                          {},
                          true},
                         {nullptr,
                          {
                              labelLine(7, 80, U"(2)"),
                              newLine(0, 0, U"4x+3y=0"),
                              newLine(0, 50, U"3y=-4x"),
                              newLine(3, 80, U"y=-ﾀ4/3ﾀx"),
                          },
                          true},
                         {[this] { drawSlopeSteps(1, 0, 0, 3, -4, 5); }, {}, true},
                         {[this] {
                            plotLine({-4.0f / 3.0f, 0, 3, U"(2)", 0, 0});
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
  numTextA(13) = signedTerm(b, coefficientForm(b, numTextA(3)));
}

void TessarinUnit::interceptGraphExample() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 40, .firstLine = 30, .penWidth = 5});
  savedX(31) = textMarginX;
  savedY(31) = textLineY;
  repeatUntilOne([this] {
    makeInterceptEquation();
    startPage(*this,
              {.width = 1600, .height = 1800, .marginX = savedX(31), .firstLine = savedY(31)});
    drawPlane(kSection1ExamplePlane);
    setMark(1, 0, numA(2));
    setMark(2, numA(1), 0);
    revealSteps(
        *this,
        {
            {nullptr,
             {
                 newLine(3, 0, U"例1"),
                 same(0, U" 次の方程式のグラフを"),
                 newLine(0, 50, U"2点を求めてかきなさい。", 64),
                 newLine(3, 60, numTextA(14) + U"x" + numTextA(13) + U"y=" + numTextB(1), 80),
             },
             true},
            {nullptr, {newLine(0, 50, U"x=0 を代入すると、")}, true},
            {nullptr, {newLine(0, 50, numTextA(3) + U"y=" + numTextB(1))}, true},
            {nullptr, {same(0, U"y=" + numTextA(2), 50)}, true},
            {nullptr, {newLine(3, 50, U"点(0," + numTextA(2) + U")を通る。")}, true},
            {[this] { fillCircle(markX(1), markY(1), 8, 5); }, {}, true},
            {nullptr, {newLine(0, 50, U"y=0 を代入すると、")}, true},
            {nullptr, {newLine(0, 50, numTextA(14) + U"x=" + numTextB(1))}, true},
            {nullptr, {same(0, U"x=" + numTextA(1), 50)}, true},
            {nullptr, {newLine(3, 50, U"点(" + numTextA(1) + U",0)を通る。")}, true},
            {[this] { fillCircle(markX(2), markY(2), 8, 5); }, {}, true},
            {[this] {
               plotLine({numA(5), numB(5), 3, U"", 0, 0});
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
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 114, .firstLine = 30, .penWidth = 5});
  drawPlane(kQuestion2Plane);
  revealSteps(*this, {
                         {nullptr,
                          {
                              newLine(3, 0, U"教科書P79 問2　解答"),
                              newLine(3, 50, U"(1) x-y=5", -76),
                          },
                          true},
                         {nullptr,
                          {
                              newLine(0, 50, U"x=0 のとき y=-5"),
                              newLine(0, 50, U"y=0 のとき x=5"),
                          },
                          true},
                         {[this] { markTwoPoints(*this, 0, -5, 5, 0); }, {}, true},
                         {[this] {
                            plotLine({1, -5, 3, U"(1)", -81, -70});
                          },
                          {newLine(3, 70, U"(2) x+2y=-2", -76)},
                          true},
                         {nullptr,
                          {
                              newLine(0, 50, U"x=0 のとき y=-1"),
                              newLine(0, 50, U"y=0 のとき x=-2"),
                          },
                          true},
                         {[this] { markTwoPoints(*this, 0, -1, -2, 0); }, {}, true},
                         {[this] {
                            plotLine({-0.5f, -1, 3, U"(2)", -54, -80});
                          },
                          {},
                          false},
                     });
}

// ---- Page ⑦: the integer points of x-3y=7 -----------------------------------

void TessarinUnit::integerPointsExplainPage() {
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 40, .firstLine = 30, .penWidth = 5});
  drawPlane(kIntegerPointsPlane);
  revealSteps(*this, {
                         {nullptr,
                          {
                              newLine(7, 0, U"次の方程式のグラフを2点を求めてかこう。"),
                              newLine(3, 50, U"x-3y=7"),
                          },
                          true},
                         // Through the intercepts: (0,-7/3) is no grid point and (7,0) lies
                         // off the plane.
                         {nullptr, {newLine(3, 60, U"x=0"), same(0, U" のとき ")}, true},
                         {nullptr, {same(3, U"y=-ﾀ7/3ﾀ")}, true},
                         {nullptr, {newLine(3, 50, U"y=0"), same(0, U" のとき ")}, true},
                         {nullptr, {same(3, U"x=7")}, true},
                         {nullptr, {same(5, U"かけない", 30)}, true},
                         // Points whose coordinates are both whole numbers.
                         {nullptr, {newLine(7, 60, U"x,yの値が整数になるのは？")}, true},
                         {nullptr, {newLine(0, 50, U"x=3y+7 だから、")}, true},
                         {nullptr, {newLine(3, 50, U"y=-1"), same(0, U" のとき ")}, true},
                         {nullptr, {newLine(3, 50, U"x")}, true},
                         {nullptr, {same(0, U"=3*(-1)+7=-3+7"), same(3, U"=4")}, true},
                         {nullptr, {newLine(3, 50, U"y=-2"), same(0, U" のとき ")}, true},
                         {nullptr,
                          {
                              newLine(3, 50, U"x"),
                              same(0, U"=3*(-2)+7=-6+7"),
                              same(3, U"=1"),
                              newLine(0, 50, U"だから、"),
                          },
                          true},
                         {[this] { markTwoPoints(*this, 4, -1, 1, -2); },
                          {newLine(3, 50, U"2点(4,-1),(1,-2)を通る。")},
                          true},
                         {[this] {
                            plotLine({1.0f / 3.0f, -7.0f / 3.0f, 3, U"x-3y=7", -216, -50});
                          },
                          {},
                          false},
                     });
}

}  // namespace lesson
