// Section 2: the fixed pages — the summary of the three rules, the worked
// answer to the textbook question it sets, and the explanation of finding the
// equation of a drawn line.
#include <vector>

#include "framework/page_steps.h"
#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {}  // namespace

// "③まとめ": what to start from for each kind of given fact, one rule per key.
// Notes stand 54 px right of the margin (itemLabelX).
void MerrowinUnit::pointSlopeSummaryPage() {
  startPage(*this, {.width = 1320,
                    .height = 1300,
                    .labelX = 38 + 54,
                    .marginX = 38,
                    .firstLine = 30,
                    .penWidth = 5});
  revealStretches(*this,
                  {
                      {
                          newLine(3, 0, U"一次関数を求める"),
                          same(0, U" ⇒ "),
                          same(3, U"y=ax+b の "),
                          same(5, U"a,b"),
                          same(0, U"を求める"),
                      },
                      {
                          newLine(3, 75, U"① "),
                          same(5, U"傾き,変化の割合,平行"),
                          same(0, U"　→　"),
                          same(5, U"y=△x+b"),
                          same(0, U"　とする"),
                          labelLine(3, 50, U"平行のときは、△=平行な直線の傾き"),
                      },
                      {
                          newLine(3, 75, U"② "),
                          same(5, U"切片,y軸との交点の座標"),
                          same(0, U"　→　"),
                          same(5, U"y=ax+△"),
                          same(0, U"　とする"),
                          labelLine(3, 50, U"座標のときは、△=交点のy座標"),
                      },
                      {
                          newLine(3, 75, U"③ "),
                          same(5, U"点(2,3)を通る,x=2のときy=3"),
                          same(0, U"　→　"),
                          same(5, U"x=2,y=3を代入"),
                      },
                      {
                          newLine(0, 90, U"教科書P74 問2 をしなさい。"),
                      },
                  },
                  KeyWait::Between);
}

// "④問2": the worked answer, drawn whole at once. The working starts 76 px
// left of the title (itemLabelX).
void MerrowinUnit::pointSlopeAnswerPage() {
  startPage(*this,
            {.width = 1320, .height = 1300, .labelX = 114 - 76, .marginX = 114, .firstLine = 30});
  flowText({
      newLine(0, 0, U"問2　解答"),
      labelLine(3, 50, U"求める式をy=-3x+b"),
      same(0, U"とする。"),
      newLine(0, 50, U"点(1,2)を通るから、"),
      newLine(0, 50, U"x=1,y=2を代入して"),
      newLine(0, 50, U"2=-3*1+b=-3+b"),
      newLine(0, 50, U"b=2+3=5"),
      newLine(5, 50, U"答 y=-3x+5"),
  });
}

// "⑤説明しよう": the line y = 5x - 10 through (2,0) with its run of 1 and
// rise of 5, then the working beside it, revealed in eight groups.
void MerrowinUnit::pointSlopeExplainPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 40, .firstLine = 30, .penWidth = 5});

  // The plane without grid or numbers, and the line.
  drawPlane({800, 100, -2, 6, -3, 9, 40, 0, -1});
  plotLine({5, -10, 0, U""});

  // Marks: the x-intercept (2,0), the corner (3,0) and (3,5); the run arrow
  // from mark 1 to mark 2, the rise arrow from mark 2 to mark 3.
  setSlopeMarks(1, 2, 0, 1, 5);
  fillCircle(markX(1), markY(1), 8, 3);
  fillCircle(markX(3), markY(3), 8, 3);
  runAndRiseMarks(1, 3);

  // The figure's labels stand apart from the text flow.
  writeAt(0, markX(1) - 35, markY(1), U"2");
  writeAt(5, markX(1), markY(1), U"1");
  writeAt(5, markX(3), markY(3) + 2 * gridUnit, U"5");

  revealStretches(*this,
                  {
                      {
                          newLine(3, 0, U"グラフが直線となる一次関数の式の求め方を説明しよう。"),
                          newLine(3, 50, U"<説明>"),
                      },
                      {
                          newLine(0, 50, U"点(2,0)から、xが1増加したとき、"),
                          newLine(0, 50, U"yは5増加するので、傾きは"),
                      },
                      {
                          same(3, U"5"),
                          same(0, U"だから"),
                          newLine(3, 50, U"求める式をy=5x+b"),
                          same(0, U"とする。"),
                      },
                      {newLine(0, 50, U"直線は、点(2,0)を通るから、")},
                      {newLine(0, 50, U"x=2,y=0を代入して")},
                      {newLine(0, 50, U"0=5*2+b")},
                      {
                          newLine(0, 50, U"0=10+b"),
                          newLine(0, 50, U"10+b=0"),
                          newLine(3, 50, U"b=-10"),
                      },
                      {
                          newLine(0, 50, U"よって、"),
                          same(5, U"求める式は y=5x-10"),
                      },
                  },
                  KeyWait::Between);
}

}  // namespace lesson
