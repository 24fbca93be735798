// Section 8 answers ① to ③. ① finds the equations of four lines from their
// conditions, one sub-question a key, in two columns on two screens: each
// screen erases the column it writes in. ② reads the equations of three lines
// from a graph, marking the points that fix each line. ③ matches four
// equations to five graphed lines.
#include <utility>
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/section8_shapes.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

using master::Curve;

// ---- Answer ①: equations of lines from their conditions ---------------------

constexpr float kLeftColumn = 40;
constexpr float kRightColumn = 640;

// (1) parallel to a line, through a point.
const Stretch kParallelThroughPoint{
    labelLine(3, 60, U"(1)"),
    same(0, U"直線 y=ﾀ1/2ﾀx+1に平行だから"),
    labelLine(0, 70, U"求める式を"),
    same(3, U"y=ﾀ1/2ﾀx+b"),
    same(0, U"とする。"),
    newLine(0, 60, U"点(-2,2)を通るから"),
    newLine(3, 50, U"x=-2,y=2 を代入して"),
    newLine(0, 60, U"2=ﾀ1/2ﾀ*(-2)+b"),
    same(0, U"2=-1+b", 40),
    newLine(3, 60, U"b="),
    same(0, U"2+1="),
    same(3, U"3"),
    same(5, U"答　y=ﾀ1/2ﾀx+3", 40),
};

// (2) a given intercept, through a point.
const Stretch kInterceptThroughPoint{
    labelLine(3, 80, U"(2)"),
    same(0, U"求める式を"),
    same(3, U"y=ax-1"),
    same(0, U"とする。"),
    newLine(0, 50, U"点(-1,0)を通るから"),
    newLine(3, 50, U"x=-1,y=0 を代入して"),
    newLine(0, 50, U"0=a*(-1)-1"),
    newLine(0, 50, U"0=-a-1"),
    newLine(3, 50, U"a=-1"),
    newLine(5, 50, U"答　y=-x-1"),
};

// (3) the increases of x and y, and a point.
const Stretch kIncreasesAndPoint{
    labelLine(3, 110, U"(3)"),
    same(0, U"求める式を"),
    same(3, U"y=ax+b"),
    same(0, U"とする。"),
    newLine(0, 50, U"xの増加量が3のとき、"),
    newLine(0, 50, U"yの増加量が-2だから、傾きaは、"),
    newLine(3, 70, U"a="),
    same(0, U"ﾀ-2/3ﾀ="),
    same(3, U"-ﾀ2/3ﾀ"),
    newLine(0, 70, U"求める一次関数の式は"),
    same(3, U"y=-ﾀ2/3ﾀx+b"),
    newLine(3, 60, U"x=2,y=0を代入して、"),
    newLine(0, 70, U"0=-ﾀ2/3ﾀ*2+b"),
    same(0, U"0=-ﾀ4/3ﾀ+b", 40),
    newLine(3, 70, U"b=ﾀ4/3ﾀ"),
    same(5, U"答　y=-ﾀ2/3ﾀx+ﾀ4/3ﾀ", 40),
};

// (4) through two points: the two equations, their difference, then b.
const Stretch kTwoPointsTask{
    labelLine(3, 0, U"(4)"),
    same(0, U"求める式を"),
    same(3, U"y=ax+b"),
    same(0, U"とする。"),
    // Starts left of the column to fit the column's width.
    newLine(0, 50, U"x=-3,y=4とx=12,y=-1を代入して", -102),
};
const master::Subtraction kTwoPointsDifference{U" 4=-3a+b", U"-1=12a+b", U"+ +  -  -", U" 5=-15a"};
const Stretch kTwoPointsSolution{
    same(3, U" a=", 40),
    same(0, U"ﾀ5/-15ﾀ="),
    same(3, U"-ﾀ1/3ﾀ"),
    newLine(3, 70, U"a=-ﾀ1/3ﾀ を①に代入して"),
    newLine(0, 70, U"4=-3*(-ﾀ1/3ﾀ)+b=1+b"),
    same(0, U"b=4-1", 40),
    newLine(3, 70, U"b=3"),
    same(5, U"答 y=-ﾀ1/3ﾀx+3", 40),
};

// A column of the page: its label and body x, its first line at y 30.
void openColumn(Lesson& page, float x) {
  page.itemLabelX = x;
  page.textMarginX = x;
  page.textLineY = 30;
}

// ---- Answer ②: three lines read from a graph ---------------------------------

// The points that fix a line, marked as discs in slots 1, 2, ..., then the line.
struct MarkedLine {
  std::vector<std::pair<float, float>> points;
  Curve line;
};

const std::vector<MarkedLine> kReadLines{
    {{{-2, 0}, {0, -5}}, {3, -2.5f, -5, 0, 3, U"(3)"}},
    {{{-7, 6}, {-7, -9}}, {4, 1, 0, -7, 7, U"(2)"}},
    {{{0, -4}}, {3, 0, -4, 0, 9, U"(1)"}},
};

const std::vector<Stretch> kReadEquations{
    {same(5, U"y=-4"), labelLine(3, 60, U"(2) ")},
    {same(5, U"x=-7"), labelLine(3, 60, U"(3) ")},
    {same(0, U"切片が-5で、"), newLine(0, 70, U"傾き -ﾀ5/2ﾀ の直線だから"),
     newLine(5, 70, U"y=-ﾀ5/2ﾀx-5")},
};

// ---- Answer ③: four equations matched to five lines ---------------------------

// Line ④ is drawn but matches none of the equations.
const std::vector<Curve> kFiveLines{
    {3, 2, 3, 0, 3, U"②"}, {3, -2, 0, 0, 3, U"③"},    {3, 0, -2, 0, 7, U"⑤"},
    {4, 1, 0, 4, 7, U"①"}, {3, -0.5f, 2, 0, 3, U"④"},
};

const std::vector<Stretch> kMatches{
    {labelLine(3, 80, U"ア yについて解くと、y=2x+3"),
     newLine(0, 60, U"切片が3で、右上がりの直線だから"), same(5, U"②")},
    {labelLine(3, 70, U"イ x軸に平行な直線だから"), same(5, U"⑤")},
    {labelLine(3, 70, U"ウ  yについて解くと、y=-2x"),
     newLine(0, 50, U"切片が0で、右下がりの直線だから"), same(5, U"③")},
    {labelLine(3, 70, U"エ  x=4 y軸に平行な直線だから"), same(5, U"①")},
};

constexpr float kIndent = 34;

}  // namespace

void TessarinUnit::masterAnswer1Page() {
  startPage(*this, {.labelX = kLeftColumn, .marginX = kLeftColumn, .firstLine = 30, .penWidth = 5});
  masterPageHeader(30, U"1");
  flowThenWait(*this, kParallelThroughPoint);

  // (2) beside (1), nothing erased.
  openColumn(*this, kRightColumn);
  flowThenWait(*this, kInterceptThroughPoint);

  // The second screen: (3) replaces (1) under the header, (2) stays.
  fillBox(0, 0, kRightColumn, 1800, 15, 15);
  openColumn(*this, kLeftColumn);
  setDrawWidth(5);
  masterPageHeader(30, U"2");
  flowThenWait(*this, kIncreasesAndPoint);

  // (4) replaces (2).
  fillBox(kRightColumn, 0, 2 * kRightColumn, 1800, 15, 15);
  openColumn(*this, kRightColumn);
  setDrawWidth(5);
  flowText(kTwoPointsTask);
  master::drawBracedPair(*this, U"4=-3a+b…①", U"-1=12a+b…②");
  flowText({newLine(3, 50, U"①-②")});
  master::drawSubtraction(*this, kTwoPointsDifference);
  flowText(kTwoPointsSolution);
}

void TessarinUnit::masterAnswer2Page() {
  startPage(*this, {.labelX = 40, .marginX = 40 + kIndent, .firstLine = 30, .penWidth = 5});
  masterPageHeader(30, U"2");
  flowThenWait(*this, {labelLine(3, 70, U"グラフをかくと")});

  drawPlane({720, 60, -10, 5, -10, 7, 30});
  for (const MarkedLine& marked : kReadLines) {
    float slot = 1;
    for (const auto& [x, y] : marked.points) {
      setMark(slot, x, y);
      fillCircle(markX(slot), markY(slot), 8, 5);
      ++slot;
    }
    master::plotCurves(*this, {marked.line});
  }
  flowThenWait(*this, {labelLine(3, 60, U"(1) ")});
  revealStretches(*this, kReadEquations, KeyWait::Between);
}

void TessarinUnit::masterAnswer3Page() {
  startPage(*this, {.labelX = 40, .marginX = 40 + kIndent, .firstLine = 30, .penWidth = 5});
  masterPageHeader(30, U"3");
  drawPlane({720, 60, -6, 6, -6, 6, 40});
  master::plotCurves(*this, kFiveLines);
  waitKeyPrompt();
  revealStretches(*this, kMatches, KeyWait::Between);
}

}  // namespace lesson
