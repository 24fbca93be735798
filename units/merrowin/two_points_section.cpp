// Section 3: the equation from two points — the section's entry with its goal
// banner, and its sub-menu, whose pages ① to ⑤ return to it.
#include "units/merrowin/merrowin.h"

namespace lesson {

void MerrowinUnit::twoPointsSection() {
  showSectionGoal(U"2点を通る直線の式を求めよう。");
  runSubMenu(U"①例傾き　②傾きと式　③連立方程式　④まとめ　⑤問3,4　⑥終了", 6, [this](int item) {
    openPage(*this,
             {&MerrowinUnit::twoPointsSlopeExample, &MerrowinUnit::twoPointsEquationExample,
              &MerrowinUnit::twoPointsSystemExample, &MerrowinUnit::twoPointsSummaryPage,
              &MerrowinUnit::twoPointsAnswerPage},
             item);
  });
}

}  // namespace lesson
