// Section 7: the first review set, the worked answers to the eight review
// problems of textbook p.90. The section has no goal banner: it is its one-line
// sub-menu alone. Every answer page clears the whole window, draws the two
// header tags, reveals its answer one step per key (or at once) and returns to
// the sub-menu, whose line is drawn under the finished page.
#include <functional>
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// ---- Shapes the pages share -------------------------------------------------

// The review pages' plane: x and y from -8 to 8, 30 px a unit, with grid and
// axis numbers, its top-left corner at (left, top).
Lesson::PlaneSettings reviewPlane(float left, float top) {
  return {left, top, -8, 8, -8, 8, 30};
}

// The slope triangle of y = a x + b read off the graph: a dot at the intercept
// (0, b), the run arrow `run` units right and the rise arrow `rise` units up
// (down when negative), each with its head at its far end. markX and markY 1
// to 3 keep the three corners.
void drawSlopeArrows(Lesson& page, float b, float run, float rise) {
  page.plotDot({0, b, 6, 7, U""});
  page.markX(1) = page.pointScreenX;
  page.markY(1) = page.pointScreenY;
  page.markX(2) = page.markX(1) + page.gridUnit * run;
  page.markY(2) = page.markY(1);
  page.markX(3) = page.markX(2);
  page.markY(3) = page.markY(1) - page.gridUnit * rise;
  page.runAndRiseMarks(1, 7);
}

}  // namespace

// ---- The section --------------------------------------------------------------

void TessarinUnit::confirmLearningSection() {
  runSubMenu(U"P90 学びをたしかめよう ①～⑧解答　　　⑨終了", 9, [this](int item) {
    openPage(*this,
             {&TessarinUnit::confirmAnswer1Page, &TessarinUnit::confirmAnswer2Page,
              &TessarinUnit::confirmAnswer3Page, &TessarinUnit::confirmAnswer4Page,
              &TessarinUnit::confirmAnswer5Page, &TessarinUnit::confirmAnswer6Page,
              &TessarinUnit::confirmAnswer7Page, &TessarinUnit::confirmAnswer8Page},
             item);
  });
}

void TessarinUnit::confirmPageHeader(const Text& number) {
  drawHeadingTags(*this, itemLabelX,
                  {
                      {0, U"学びをたしかめよう", 360, 46, 0, 3, 13},
                      {10, number, 44, 44, 13, 4, 3},
                  });
}

// ---- Item ①: which relations are linear functions -------------------------

void TessarinUnit::confirmAnswer1Page() {
  startPage(*this, {.labelX = 40, .marginX = 40, .firstLine = 30});
  confirmPageHeader(U"1");
  waitKeyPrompt();
  flowText({
      newLine(0, 50, U"(1) "),
      same(3, U" y=500-x"),
      newLine(0, 70, U"(2) x*y=30 だから"),
      same(3, U" y=ﾀ30/xﾀ"),
      newLine(0, 70, U"(3) "),
      same(3, U" y=3x"),
      newLine(0, 70, U"yがxの一次関数であるものは、"),
      same(5, U" (1),(3)"),
  });
}

// ---- Item ②: the increase of y from the rate of change ---------------------

void TessarinUnit::confirmAnswer2Page() {
  startPage(*this, {.labelX = 40, .marginX = 94, .firstLine = 30});
  confirmPageHeader(U"2");
  flowText({
      newLine(0, 70, U"変化の割合＝ﾀyの増加量/xの増加量ﾀ　で、y=ax+b の変化の割合はaだから、"),
      newLine(0, 70, U"yの増加量＝a*xの増加量　"),
      newLine(0, 70, U"(1) 3*2=", -64),
      same(5, U"6"),
      newLine(0, 70, U"(2) 3*5=", -64),
      same(5, U"15"),
  });
}

// ---- Item ③: three lines on one plane ---------------------------------------

void TessarinUnit::confirmAnswer3Page() {
  startPage(*this, {.labelX = 40, .marginX = 94, .firstLine = 30});
  confirmPageHeader(U"3");
  drawPlane(reviewPlane(240, 100));
  plotLine({1, -5, 3, U"y=x-5"});
  plotLine({-3, 4, 7, U"y=-3x+4"});
  plotLine({0.5f, 1, 5, U"y=ﾀ1/2ﾀx+1"});
}

// ---- Item ④: the range of y over a domain -----------------------------------

void TessarinUnit::confirmAnswer4Page() {
  startPage(*this, {.labelX = 40, .marginX = 94, .firstLine = 30, .penWidth = 5});
  confirmPageHeader(U"4");
  const float slope = -2.0f / 3.0f;
  revealSteps(*this, {
                         // The whole line, dotted: 50 steps across the plane.
                         {[this, slope] {
                            drawPlane(reviewPlane(640, 100));
                            plotSteps = 50;
                            plotLine({slope, 3, 3, U""});
                          },
                          {},
                          true},
                         // The part over the domain -6 <= x <= 3, solid, and its working.
                         {[this, slope] {
                            graphXMin = -6;
                            graphXMax = 3;
                            plotLine({slope, 3, 3, U""});
                          },
                          {
                              labelLine(0, 60, U"x=-6 のとき"),
                              newLine(3, 60, U"y="),
                              same(0, U"-ﾀ2/3ﾀ*(-6)+3"),
                              newLine(0, 60, U" =4+3="),
                              same(3, U"7"),
                              labelLine(0, 60, U"x=3 のとき"),
                              newLine(3, 60, U"y="),
                              same(0, U"-ﾀ2/3ﾀ*3+3"),
                              newLine(0, 60, U" =-2+3="),
                              same(3, U"1"),
                              newLine(5, 50, U"答　1≦y≦7"),
                          },
                          false},
                     });
}

// ---- Item ⑤: three equations read off their graphs ---------------------------

void TessarinUnit::confirmAnswer5Page() {
  startPage(*this, {.labelX = 30, .marginX = 30, .firstLine = 30, .penWidth = 5});
  confirmPageHeader(U"5");
  revealSteps(*this, {
                         {[this] {
                            drawPlane(reviewPlane(640, 100));
                            plotLine({3, 5, 0, U"①"});
                            plotLine({-2, 1, 3, U"②"});
                            plotLine({1.0f / 3.0f, -4, 9, U"③"});
                          },
                          {},
                          true},
                         {nullptr, {labelLine(7, 70, U"①"), same(5, U" y=3x+5")}, false},
                         {[this] { drawSlopeArrows(*this, 5, 1, 3); }, {}, true},
                         {nullptr, {labelLine(7, 70, U"②"), same(5, U" y=-2x+1")}, false},
                         {[this] { drawSlopeArrows(*this, 1, 1, -2); }, {}, true},
                         {nullptr, {labelLine(7, 80, U"③"), same(5, U" y=ﾀ1/3ﾀx-4")}, false},
                         {[this] { drawSlopeArrows(*this, -4, 3, 1); }, {}, false},
                     });
}

// ---- Item ⑥: equations from conditions, in two columns ---------------------

void TessarinUnit::confirmAnswer6Page() {
  startPage(*this, {.labelX = 40, .marginX = 94, .firstLine = 30});
  confirmPageHeader(U"6");
  flowText({
      labelLine(3, 60, U"(1)"),
      newLine(5, 0, U" y=5x+7"),
      labelLine(3, 60, U"(2)"),
      same(0, U"求める式を y=-x+b とする。"),
      newLine(3, 50, U"x=2,y=3 を代入して"),
      newLine(0, 50, U"3=-2+b"),
      newLine(3, 50, U"b="),
      same(0, U"3+2="),
      same(3, U"5"),
      newLine(5, 50, U"答　y=-x+5"),
      labelLine(3, 60, U"(3)"),
      same(0, U"求める式を y=ax+b とする。"),
      newLine(0, 50, U"xが-2→1まで増加するとき、"),
      newLine(0, 50, U"yは-4→5まで増加するから、傾きaは、"),
  });
  // The second column starts at the top of the page, right of the header.
  textMarginX = 720;
  textLineY = 30;
  flowText({
      newLine(3, 0, U"a="),
      same(0, U"ﾀ5-(-4)/1-(-2)ﾀ=ﾀ5+4/1+2ﾀ=ﾀ9/3ﾀ="),
      same(3, U"3"),
      newLine(0, 60, U"求める一次関数の式は"),
      same(3, U"y=3x+b"),
      newLine(0, 50, U"点(1,5)を通るから、"),
      newLine(3, 50, U"x=1,y=5を代入して、"),
      newLine(0, 50, U"5=3+b"),
      newLine(0, 50, U"b=5-3"),
      newLine(3, 50, U"b=2"),
      newLine(5, 50, U"答　y=3x+2"),
  });
}

// ---- Item ⑦: four graphs, each one key after its equation -------------------

void TessarinUnit::confirmAnswer7Page() {
  startPage(*this, {.labelX = 30, .marginX = 30, .firstLine = 20, .penWidth = 5});
  confirmPageHeader(U"7");
  revealSteps(*this, {
                         {[this] { drawPlane(reviewPlane(640, 100)); },
                          {labelLine(7, 80, U"(1) "), same(3, U"y=-2x+1")},
                          true},
                         {[this] {
                            plotLine({-2, 1, 3, U"(1)"});
                          },
                          {},
                          true},
                         {nullptr, {labelLine(7, 80, U"(2) "), same(3, U"y=ﾀ4/3ﾀx-3")}, true},
                         {[this] {
                            plotLine({4.0f / 3.0f, -3, 3, U"(2)"});
                          },
                          {labelLine(7, 80, U"(3) "), same(3, U"y=6")},
                          true},
                         {[this] {
                            plotLine({0, 6, 3, U"(3)"});
                          },
                          {labelLine(7, 80, U"(4) "), same(3, U"x=-5")},
                          true},
                         // x = -5 is no graph of y against x: 1x + 0y = -5 draws it as a
                         // vertical line, its label 40 px above the line's top anchor.
                         {[this] {
                            plotGraphCurve({4, 1, 0, -5, 3, U"(4)", 0, -40});
                          },
                          {},
                          false},
                     });
}

// ---- Item ⑧: the intersection of two graphed lines --------------------------

void TessarinUnit::confirmAnswer8Page() {
  startPage(*this, {.labelX = 30, .marginX = 30, .firstLine = 20, .penWidth = 5});
  confirmPageHeader(U"8");
  revealSteps(
      *this,
      {
          {[this] {
             drawPlane(reviewPlane(760, 50));
             plotLine({0.5f, 5, 3, U"m"});
             plotLine({-1, 3, 0, U"l", -40});
             plotDot({-4.0f / 3.0f, 13.0f / 3.0f, 6, 7, U"P"});
           },
           {},
           true},
          {nullptr,
           {newLine(0, 60, U"直線mは、傾きﾀ1/2ﾀ,切片5 だから"), newLine(3, 60, U"y=ﾀ1/2ﾀx+5…①")},
           true},
          {nullptr,
           {newLine(0, 60, U"直線lは、傾き-1,切片3 だから"), newLine(3, 60, U"y=-x+3…②")},
           true},
          {nullptr, {newLine(3, 60, U"①,②から、ﾀ1/2ﾀx+5=-x+3")}, true},
          {nullptr,
           {newLine(0, 60, U"x+10=-2x+6  x+2x=6-10"), newLine(0, 60, U"3x=-4  "),
            same(3, U"x=-ﾀ4/3ﾀ")},
           true},
          {nullptr,
           {newLine(0, 60, U"②に代入して、y=-(-ﾀ4/3ﾀ)+3=ﾀ4/3ﾀ+ﾀ9/3ﾀ="), same(3, U"ﾀ13/3ﾀ"),
            newLine(5, 60, U"答　(-ﾀ4/3ﾀ,ﾀ13/3ﾀ)")},
           false},
      });
}

}  // namespace lesson
