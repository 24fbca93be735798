// Section 4: simultaneous equations and their graphs. The entry shows the
// section's goal once, then the sub-menu, to which every page returns. Page ①
// finds the intersection of x+y=7 and 2x+y=10 on a graph and by elimination
// and states that the two agree; page ② works the answer for x+2y=2 and
// 2x+y=-2 the same way; page ④ shows the answer for the lines l and m at
// once. Page ③, the random example, is in section4_example.cpp.
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/section4_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

using namespace intersection;

void TessarinUnit::showIntersectionGoal() {
  startPage(*this, {.marginX = 44, .firstLine = 240});
  drawTextPieces({
      {3, 44, 240, U"<めあて>"},
      {0, 44, 305, U"2つの二元一次方程式のグラフの交点の意味を考えよう。"},
  });
}

void TessarinUnit::simultaneousGraphSection() {
  showIntersectionGoal();
  runSubMenu(U"①P82ひろげよう　②問1　③例題１　④問2　⑤終了", 5, [this](int item) {
    openPage(*this,
             {&TessarinUnit::intersectionIntroPage, &TessarinUnit::intersectionProblem1Page,
              &TessarinUnit::randomIntersectionExamplePage, &TessarinUnit::intersectionAnswerPage},
             item);
  });
}

// ---- Page ①: x+y=7 and 2x+y=10 by graph and by elimination -----------------

void TessarinUnit::intersectionIntroPage() {
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 38, .firstLine = 30});
  setDrawWidth(5);
  revealActions(
      *this,
      {
          {newLine(7, 0, U"2つの方程式 x+y=7,2x+y=10 の交点は？"), Figure([this] {
             drawPlane({840, 50, -2, 8, -2, 11, 35});
           })},
          {newLine(3, 50, U"y=-x+7"), same(0, U"と"), same(3, U"y=-2x+10"),
           same(0, U"のグラフをかくと")},
          {Figure([this] { plotEquation(*this, 1, 1, 7, U"x+y=7", -108, -150); })},
          {Figure([this] { plotEquation(*this, 2, 1, 10, U"2x+y=10", -216, -30); })},
          // The intersection, first bare, then with its coordinates.
          {newLine(3, 50, U"交点の座標は、"), Figure([this] {
             plotDot({3, 4, 6, 5, U""});
           })},
          {same(5, U"(3,4)"), Figure([this] {
             plotDot({3, 4, 6, 5, U"(3,4)", 30, 30});
           })},
          // The same pair as a system; the second column of working will
          // start level with its first equation.
          {newLine(7, 50, U"次の連立方程式を解いてみよう。"), Figure([this] {
             markY(1) = penY;
             startSystem(*this);
           }),
           lineOnly(same(0, U" x+y=7…①")), below(0, U"2x+y=10…②", 50)},
          {newLine(3, 50, U"①-②")},
          {Figure([this] { subtractInColumns(*this, U" x+y=7", U"2x+y=10"); })},
          {unflowed(newLine(3, -25, U"+-  - -"))},
          {column(0, 50, U"-x  =-3")},
          {column(0, 50, U" x  =3"), Figure([this] {
             textMarginX = 360;
             textLineY = markY(1);
           }),
           newLine(3, 50, U"x=3 を①に代入して")},
          {newLine(0, 50, U"3+y=7")},
          {newLine(0, 50, U"y=")},
          {same(0, U"7-3=4"), newLine(5, 50, U"答 (x,y)=(3,4)")},
          {newLine(5, 60, U"<連立方程式の解とグラフ>"), newLine(3, 50, U"連立方程式の解は、"),
           newLine(3, 50, U"方程式のグラフの交点の座標と一致する。")},
          {fixedAt(7, 40, 50, U"教科書P83 問1　をやってみよう。")},
      });
}

// ---- Page ②: answers for x+2y=2 and 2x+y=-2 ----------------------------------

namespace {

// A point of the plane marked by hand: its pixel kept in markX(1), markY(1)
// and a disc of radius 8 in colour 3 drawn there.
void markPoint(Lesson& page, float x, float y) {
  page.setMark(1, x, y);
  page.fillCircle(page.markX(1), page.markY(1), 8, 3);
}

}  // namespace

void TessarinUnit::intersectionProblem1Page() {
  // No pen width of its own: the dots and lines take the one in force.
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30});
  revealActions(
      *this,
      {
          {newLine(3, 0, U"問1 解答"), Figure([this] {
             drawPlane({760, 100, -6, 6, -6, 6, 35});
           }),
           newLine(0, 50, U"x+2y=2 "), same(3, U"(2,0)"), unflowed(same(3, U"を通る")),
           Figure([this] { markPoint(*this, 2, 0); })},
          // "を通る" gives way to the second point.
          {Figure([this] { fillBox(textEndX, textLineY, textEndX + 320, textLineY + 50, 15, 15); }),
           same(3, U",(0,1)を通る"), Figure([this] { markPoint(*this, 0, 1); })},
          {same(0, U"から"), Figure([this] { plotEquation(*this, 1, 2, 2, U"x+2y=2", -108, 10); })},
          {newLine(0, 50, U"2x+y=-2 ")},
          {same(3, U"y=-2x-2"), same(0, U"だから")},
          {Figure([this] { plotEquation(*this, 2, 1, -2, U"2x+y=-2", 0, 10); }),
           newLine(0, 50, U"交点の座標は、")},
          {same(5, U"(-2,2)"), Figure([this] {
             plotDot({-2, 2, 6, 5, U"(-2,2)", 30, 30});
           }),
           newLine(3, 50, U"連立方程式の解は、")},
          // The second column of working will start from this line.
          {same(5, U"(x,y)=(-2,2)"), Figure([this] { markY(1) = textLineY; })},
          {Figure([this] { startSystem(*this); }), lineOnly(same(0, U"x+2y=2…①")),
           below(0, U"2x+y=-2…②", 50)},
          {newLine(3, 50, U"①-2*②")},
          {Figure([this] { subtractInColumns(*this, U" x+2y=2", U"4x+2y=-4"); })},
          {unflowed(newLine(3, -25, U"+-  -   +"))},
          {column(0, 50, U"-3x   =6", -27)},
          {column(0, 50, U" x   =-2"), Figure([this] {
             textMarginX = 360;
             textLineY = markY(1);
           }),
           newLine(3, 50, U"x=-2 を①に代入して")},
          {newLine(0, 50, U"-2+2y=2")},
          {newLine(0, 50, U"2y=2+2=4"), newLine(0, 50, U"y=2"), newLine(5, 50, U"答 (x,y)=(-2,2)")},
      });
}

// ---- Page ④: answers for the lines l and m, all at once ----------------------

void TessarinUnit::intersectionAnswerPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30});
  revealActions(*this, {{
                           newLine(3, 0, U"問2 解答"),
                           Figure([this] {
                             drawPlane({800, 50, -5, 5, -5, 5, 35});
                             plotLine({-3, 2, 0, U"l", -162, -400});
                             plotLine({-1.0f / 3.0f, -2, 0, U"m", 0, 10});
                             plotDot({1.5f, -2.5f, 6, 5, U"P", 30, 30});
                           }),
                           newLine(0, 50, U"直線lの式は"),
                           newLine(0, 50, U"傾き"),
                           same(3, U"-3, "),
                           same(0, U"切片"),
                           same(3, U"2 "),
                           same(0, U"で、y=-3x+2…①"),
                           newLine(0, 50, U"直線mの式は"),
                           newLine(0, 70, U"傾き"),
                           same(3, U"-ﾀ1/3ﾀ, "),
                           same(0, U"切片"),
                           same(3, U"-2 "),
                           same(0, U"で、y=-ﾀ1/3ﾀx-2…②"),
                           // The right column will start from the line of the elimination.
                           newLine(3, 60, U"3*①-3*②"),
                           Figure([this] {
                             savedY(1) = textLineY;
                             subtractInColumns(*this, U"3y=-9x+6", U"3y= -x-6");
                           }),
                           unflowed(newLine(3, -25, U"+-    +  +")),
                           column(0, 50, U" 0=-8x+12"),
                           newLine(0, 60, U"8x=12"),
                           newLine(3, 60, U" x"),
                           same(0, U"=ﾀ12/8ﾀ"),
                           same(3, U"=ﾀ3/2ﾀ"),
                           Figure([this] {
                             textMarginX = 418;
                             textLineY = savedY(1);
                           }),
                           newLine(3, 50, U"x=ﾀ3/2ﾀ を①に代入して"),
                           newLine(0, 70, U"y=-3*ﾀ3/2ﾀ+2=-ﾀ9/2ﾀ+ﾀ4/2ﾀ="),
                           same(3, U"-ﾀ5/2ﾀ"),
                           newLine(5, 70, U"答 P(ﾀ3/2ﾀ,-ﾀ5/2ﾀ)"),
                       }});
}

}  // namespace lesson
