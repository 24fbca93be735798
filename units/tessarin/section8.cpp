// Section 8: the worked answers to the eight review problems of textbook page
// 92. The section has no goal banner: entered from the main menu's cleared
// window it is its one-line sub-menu alone, and each item is one answer page
// under the two header tags. This file holds the entry, the header and the
// shapes the answer pages share.
#include "framework/page_steps.h"
#include "units/tessarin/section8_shapes.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

void TessarinUnit::masterLearningSection() {
  runSubMenu(U"P92 学びを身につけよう ①～⑧解答　　⑨終了", 9, [this](int item) {
    openPage(*this,
             {&TessarinUnit::masterAnswer1Page, &TessarinUnit::masterAnswer2Page,
              &TessarinUnit::masterAnswer3Page, &TessarinUnit::masterAnswer4Page,
              &TessarinUnit::masterAnswer5Page, &TessarinUnit::masterAnswer6Page,
              &TessarinUnit::masterAnswer7Page, &TessarinUnit::masterAnswer8Page},
             item);
  });
}

void TessarinUnit::masterPageHeader(float gap, const Text& number) {
  drawHeadingTags(*this, textMarginX,
                  {
                      {0, U"学びを身につけよう", 360, 48, 0, 3, 13},
                      {gap, number, 40, 48, 13, 4, 3},
                  });
}

namespace master {

void plotCurves(Lesson& page, const std::vector<Curve>& curves) {
  for (const Curve& curve : curves) page.plotGraphCurve(curve);
}

float drawBracedPair(Lesson& page, const Text& first, const Text& second) {
  const float top = page.textLineY + 50;
  page.textColor = 0;
  page.penX = page.textMarginX;
  page.penY = top;
  page.boxWidth = 100;
  page.drawBrace();
  // Both equations start at one x, so the line's end is not taken back after
  // the first.
  const float x = page.textMarginX + 40;
  page.writeAt(0, x, top, first);
  page.writeAt(0, x, top + 50, second);
  page.textEndX = x;
  page.textLineY = top + 50;
  return top;
}

void drawSubtraction(Lesson& page, const Subtraction& columns) {
  page.penX = page.textMarginX;
  page.penY = page.textLineY + 50;
  page.fractionAsGiven = columns.top;
  page.columnOperator = U"-";
  page.fractionText = columns.bottom;
  page.arcHeight = 50;
  page.lineColor = 0;
  page.textColor = 0;
  page.drawEquationColumns();
  // drawEquationColumns leaves textLineY at the bottom row's top.
  page.writeAt(3, page.textMarginX, page.textLineY - 25, columns.signs);
  page.textEndX = page.columnResultX;
  page.flowText({{0, kEnd, 50, columns.difference}});
}

}  // namespace master

}  // namespace lesson
