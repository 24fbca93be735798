// Section 1: the graph of a linear equation in two unknowns.
#include "units/tessarin/tessarin.h"

namespace lesson {

void TessarinUnit::showGraphGoal() {
  clearWholeWindow();
  textMarginX = 44;
  textLineY = 240;
  textColor = 3;
  penX = textMarginX;
  penY = textLineY;
  mathText = U"<めあて>";
  drawMathText();
  textEndX = penX;
  textLineY = penY + 65;
  textColor = 0;
  penX = textMarginX;
  penY = textLineY;
  mathText = U"二元一次方程式のグラフをかこう。";
  drawMathText();
  textEndX = penX;
  textLineY = penY;
}

void TessarinUnit::equationGraphSection() {
  showGraphGoal();
  runSubMenu(U"①導入P77　②例変形　③例グラフ　④問１　⑤例1　⑥問2　⑦説明しよう　⑧終了", 8,
             [](int) {
               // The section's pages are not built yet: back to the sub-menu.
             });
}

}  // namespace lesson
