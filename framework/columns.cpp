// The curly brace of a system of two equations, and one step of the
// elimination method laid out in columns: first equation, operator with its
// ")" and the second equation, and the bar under both.
#include "framework/lesson.h"

namespace lesson {

void Lesson::drawBrace() {
  savedDrawWidth = static_cast<float>(getDrawWidth());
  const float x0 = penX;
  const float y0 = penY;
  const float right = x0 + 35;
  const float stem = x0 + 23;
  const float tip = x0 + 8;
  const float top = y0 + 5;
  const float bottom = y0 + boxWidth - 10;
  const float middle = (top + bottom) / 2;
  setDrawWidth(5);
  connect(textColor, {{right, top},
                      {stem, top + 3},
                      {stem, middle - 7},
                      {tip, middle},
                      {stem, middle + 7},
                      {stem, bottom - 3},
                      {right, bottom}});
  setDrawWidth(savedDrawWidth);
  // The fraction results serve as scratch here: the x of the stem and of the tip.
  gcdResult = stem;
  lcmResult = tip;
}

void Lesson::drawEquationColumns() {
  savedDrawWidth = static_cast<float>(getDrawWidth());
  const float width = savedDrawWidth;  // the text routines reuse savedDrawWidth
  const float x0 = penX;
  const float y0 = penY;
  const float h = arcHeight;

  workText = fractionAsGiven;
  measureText();
  const float w1 = textWidth;
  workText = fractionText;
  measureText();
  const float w2 = textWidth;
  const float w = w1 > w2 ? w1 : w2;

  penX = x0 + 54;
  penY = y0;
  mathText = fractionAsGiven;
  drawMathText();

  penX = x0;
  penY = y0 + h + 6;
  mathText = columnOperator;
  drawMathText();
  penY = y0 + h + 6;
  mathText = U")";
  drawMathText();

  penX = x0 + 54;
  penY = y0 + h;
  mathText = fractionText;
  drawMathText();

  setDrawWidth(3);
  drawLine(x0 + 27, y0 + 2 * h, x0 + 27 + (w + 30), y0 + 2 * h, lineColor);
  setDrawWidth(width);

  textLineY = y0 + h;
  columnResultX = x0 + 54;
}

}  // namespace lesson
