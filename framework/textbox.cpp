// Placing formula text by its width: measuring below the window, and boxes with
// their text centred in them.
#include <algorithm>
#include <cmath>

#include "framework/lesson.h"

namespace lesson {

namespace {

const Text kFractionMark = U"\uFF80";  // "ﾀ"

// A text line is reckoned 44 px high, one holding a fraction group 50 px.
float lineHeight(const Text& text) {
  return contains(text, kFractionMark) ? 50.0f : 44.0f;
}

}  // namespace

void Lesson::measureText() {
  // Kept in locals: drawing a fraction group measures its parts through here.
  const float x = penX;
  const float y = penY;
  const Text text = workText;
  penX = 0;
  penY = 1800;  // below the window: nothing shows
  mathText = text;
  drawMathText();
  textWidth = penX;
  penX = x;
  penY = y;
  workText = text;
}

void Lesson::drawTextBox() {
  const float x0 = penX;
  const float y0 = penY;
  const float keptBigParens = bigParens;
  const Text text = workText;
  const float height = lineHeight(text);

  measureText();
  bigParens = keptBigParens;
  const float dx = std::max(0.0f, (boxWidth - textWidth) / 2);
  const float textY = y0 + std::floor((boxHeight - height) / 2);

  fillBox(x0, y0, x0 + boxWidth, y0 + boxHeight, lineColor, plotColor);
  penX = x0 + dx;
  penY = textY;
  mathText = text;
  drawMathText();
  penX = x0 + boxWidth;
  penY = y0;
}

void Lesson::drawBoxAroundText() {
  const float x0 = penX;
  const float y0 = penY;
  const float keptBigParens = bigParens;
  const Text text = workText;

  measureText();
  bigParens = keptBigParens;
  const float dx = std::max(0.0f, (boxWidth - textWidth) / 2);
  // The box is centred on the text's line, reckoned as drawTextBox does.
  const float above = std::floor((boxHeight - lineHeight(text)) / 2);

  fillBox(x0, y0 - above, x0 + boxWidth, y0 + boxHeight - above, lineColor, plotColor);
  penX = x0 + dx;
  penY = y0;
  mathText = text;
  drawMathText();
  penX = x0 + boxWidth;
  penY = y0;
}

void Lesson::drawTwoLineBox() {
  const float x0 = penX;
  const float y0 = penY;
  const float keptBigParens = bigParens;

  const Text first = fractionAsGiven;
  const float h1 = lineHeight(first);
  workText = first;
  measureText();
  bigParens = keptBigParens;
  const float dx1 = std::max(0.0f, (boxWidth - textWidth) / 2);
  float y1 = y0 + std::floor((boxHeight / 2 - h1) / 2);

  fillBox(x0, y0, x0 + boxWidth, y0 + boxHeight, lineColor, plotColor);
  const Text second = fractionText;
  if (second.empty()) y1 += 25;  // a lone line sits lower in the box
  penX = x0 + dx1;
  penY = y1;
  mathText = first;
  drawMathText();

  const float h2 = lineHeight(second);
  workText = second;
  measureText();
  bigParens = keptBigParens;
  const float dx2 = std::max(0.0f, (boxWidth - textWidth) / 2);
  const float y2 = y0 + h2 + std::floor((boxHeight / 2 - h2) / 2);
  penX = x0 + dx2;
  penY = y2;
  mathText = second;
  drawMathText();

  penX = x0 + boxWidth;
  penY = y0;
}

}  // namespace lesson
