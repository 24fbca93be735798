// Section 1: the graph of a linear equation in two unknowns.
#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

void TessarinUnit::showGraphGoal() {
  startPage(*this, {.marginX = 44});
  drawTextPieces({
      {3, 44, 240, U"<めあて>"},
      {0, 44, 305, U"二元一次方程式のグラフをかこう。"},
  });
}

void TessarinUnit::equationGraphSection() {
  showGraphGoal();
  runSubMenu(
      U"①導入P77　②例変形　③例グラフ　④問１　⑤例1　⑥問2　⑦説明しよう　⑧終了", 8, [this](int item) {
        openPage(*this,
                 {&TessarinUnit::solutionsBecomeLinePage, &TessarinUnit::slopeInterceptExample,
                  &TessarinUnit::showEquationGraphExample, &TessarinUnit::showQuestion1Answers,
                  &TessarinUnit::interceptGraphExample, &TessarinUnit::interceptAnswersPage,
                  &TessarinUnit::integerPointsExplainPage},
                 item);
      });
}

}  // namespace lesson
