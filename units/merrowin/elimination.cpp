// The layout of the elimination method: the braced pair of equations and the
// subtraction in columns.
#include "units/merrowin/elimination.h"

#include "framework/page_steps.h"

namespace lesson {

void drawBracedPair(Lesson& page, float dy, const Text& first, const Text& second) {
  page.textColor = 0;
  page.penX = page.textMarginX;
  page.penY = page.textLineY + dy;
  page.boxWidth = 100;
  page.drawBrace();
  page.textLineY = page.penY;
  page.flowText({
      newLine(0, 0, first, 40),
      newLine(0, 50, second, 40),
  });
}

void subtractInColumns(Lesson& page, const Text& top, const Text& bottom) {
  page.textColor = 0;
  page.columnOperator = U"-";
  page.penX = page.textMarginX;
  page.penY = page.textLineY + 50;
  page.arcHeight = 50;
  page.lineColor = 0;
  page.fractionAsGiven = top;
  page.fractionText = bottom;
  page.drawEquationColumns();
}

void drawColumnSigns(Lesson& page, const Text& signs) {
  page.writeAt(3, page.textMarginX, page.textLineY - 25, signs);
}

}  // namespace lesson
