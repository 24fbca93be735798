// Section 8 answers ④ to ⑥. ④ reads the signs of a and b from the graph of
// y=ax+b, all at once. ⑤ finds b of y=-2x+b from its domain and range. ⑥ finds
// the point where two lines drawn on a grid meet: their slopes from slope
// triangles, their equations, the denominators cleared, x eliminated in a
// subtraction column and y substituted back.
#include <utility>
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/section8_shapes.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// ---- Answer ④: signs of a and b ---------------------------------------------

const Stretch kSigns{
    labelLine(0, 80, U"右下がりだから "),
    same(3, U"a<0"),
    labelLine(0, 80, U"y軸との交点のy座標は0より大きいから"),
    same(3, U"b>0"),
    labelLine(5, 70, U"答　(ｴ)"),
};

// ---- Answer ⑤: b from the domain and the range ------------------------------

const Stretch kDomainAndRange{
    labelLine(3, 80, U"y=-2x+b…①"),
    labelLine(3, 50, U"-2≦x≦5 "),
    same(0, U"のとき "),
    same(3, U"-7≦y≦7"),
    labelLine(0, 60, U"傾きa<0 だからxが増加するとyは減少する。"),
    labelLine(0, 60, U"したがって、"),
    same(3, U"x=-2のときy=7 "),
    labelLine(0, 60, U"①に代入して"),
    labelLine(0, 60, U"7=-2*(-2)+b  7=4+b"),
    labelLine(3, 60, U"b"),
    same(0, U"=7-4"),
    same(3, U"=3"),
};

// ---- Answer ⑥: where the lines l and m meet ---------------------------------

// The ends of the two slope triangles: l from (-3,2) to (0,3), m from (-1,-4)
// to (1,-1), in slots 1 to 4.
const std::pair<float, float> kTriangleEnds[] = {{-3, 2}, {0, 3}, {-1, -4}, {1, -1}};

const std::vector<Stretch> kEquations{
    // l's equation continues the header line.
    {same(0, U"直線lは、傾き", 10), same(3, U"ﾀ1/3ﾀ, "), same(0, U"切片"), same(3, U"3 "),
     same(0, U"で、"), same(3, U"y=ﾀ1/3ﾀx+3…①")},
    {newLine(0, 70, U"直線mの傾きは、"), same(3, U"ﾀ3/2ﾀ"), same(0, U"だから、"),
     same(3, U"y=ﾀ3/2ﾀx+b"), same(0, U" として")},
    {newLine(3, 60, U"x=1,y=-1"), same(0, U"を代入すると、-1=ﾀ3/2ﾀ+b"), newLine(3, 70, U"b="),
     same(0, U"-1-ﾀ3/2ﾀ="), same(3, U"-ﾀ5/2ﾀ")},
    {same(0, U"直線mの式は、", 40), same(3, U"y=ﾀ3/2ﾀx-ﾀ5/2ﾀ…②")},
};

const master::Subtraction kEliminateX{U"9y=3x+27", U"2y=3x-5", U"+-  -  +", U"7y=   32"};

// The right column, from 30 px above the braced pair's top.
constexpr float kRightColumn = 418;

const std::vector<Stretch> kSubstitution{
    {newLine(3, 70, U"y=ﾀ32/7ﾀ を①に代入して"), newLine(0, 70, U"ﾀ32/7ﾀ=ﾀ1/3ﾀx+3")},
    {newLine(0, 70, U"ﾀ1/3ﾀx=ﾀ32/7ﾀ-3=ﾀ32/7ﾀ-ﾀ21/7ﾀ=ﾀ11/7ﾀ")},
    {newLine(3, 70, U"x="), same(0, U"ﾀ11/7ﾀ*3="), same(3, U"ﾀ33/7ﾀ")},
    {same(5, U"答 (ﾀ33/7ﾀ,ﾀ32/7ﾀ)", 60)},
};

}  // namespace

void TessarinUnit::masterAnswer4Page() {
  startPage(*this, {.labelX = 40, .marginX = 40 + 81, .firstLine = 30, .penWidth = 5});
  masterPageHeader(30, U"4");
  drawPlane({640, 60, -6, 6, -6, 6, 40, 0});
  master::plotCurves(*this, {{3, -1, 3, 0, 3, U""}});
  flowText(kSigns);
}

void TessarinUnit::masterAnswer5Page() {
  startPage(*this, {.labelX = 40, .marginX = 40 + 34, .firstLine = 30, .penWidth = 5});
  masterPageHeader(30, U"5");
  drawPlane({720, 60, -7, 7, -7, 7, 35, 0});
  // A falling line for the picture, not the line the answer finds.
  master::plotCurves(*this, {{3, -1, -2, 0, 0, U""}});
  waitKeyPrompt();
  flowText(kDomainAndRange);
}

void TessarinUnit::masterAnswer6Page() {
  startPage(*this, {.labelX = 30, .marginX = 30, .firstLine = 20, .penWidth = 5});
  masterPageHeader(10, U"6");
  drawPlane({836, 100, -6, 6, -6, 6, 30});
  master::plotCurves(*this, {
                                {3, 1.0f / 3, 3, 0, 0, U"l", -162, -10},
                                {3, 1.5f, -2.5f, 0, 0, U"m", -40, 50},
                            });
  waitKeyPrompt();

  float slot = 1;
  for (const auto& [x, y] : kTriangleEnds) setMark(slot++, x, y);
  for (float first : {1.0f, 3.0f}) {
    slopeX1 = markX(first);
    slopeY1 = markY(first);
    slopeX2 = markX(first + 1);
    slopeY2 = markY(first + 1);
    slopeLabelSwitch = U"yy";
    drawSlopeTriangle();
  }
  waitKeyPrompt();

  revealStretches(*this, kEquations, KeyWait::AfterEach);

  flowText({newLine(3, 60, U"①,②の分母をはらって")});
  // The brace's top is where the right column is anchored.
  markY(1) = master::drawBracedPair(*this, U"3y=x+9…③", U"2y=3x-5…④");
  waitKeyPrompt();

  flowThenWait(*this, {newLine(3, 50, U"③*3-④")});

  master::drawSubtraction(*this, kEliminateX);
  textMarginX = kRightColumn;
  textLineY = markY(1);
  flowThenWait(*this, {newLine(7, -30, U" y=ﾀ32/7ﾀ")});

  revealStretches(*this, kSubstitution, KeyWait::Between);
}

}  // namespace lesson
