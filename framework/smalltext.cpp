// Small plain labels for figures: bold size 15, a fixed advance per kind of
// character and no markup; boxes holding one or two such lines.
#include <cmath>

#include "framework/lesson.h"

namespace lesson {

void Lesson::drawSmallText() {
  savedDrawWidth = static_cast<float>(getDrawWidth());
  while (!mathText.empty()) {
    glyphChar = kLeft(mathText, 1);
    mathText = kMid(mathText, 2);
    workText = glyphChar;
    setFontBold(true);
    setFontSize(15);
    const char32_t c = glyphChar[0];
    if (c == U'.' || c == U',') {
      symbol(penX, penY, 3, 2, textColor, glyphChar);
      penX += 8;
    } else if (c == U'(') {
      symbol(penX - 8, penY, 3, 2, textColor, glyphChar);
      penX += 12;
    } else if (c == U')') {
      symbol(penX, penY, 3, 2, textColor, glyphChar);
      penX += 8;
    } else if (c == U' ') {
      penX += 20;
    } else if (byteLength(c) == 2) {
      symbol(penX, penY, 2, 2, textColor, glyphChar);
      penX += 30;
    } else if (c == U'a' || c == U'x' || c == U'c') {
      // A small italic serif letter, set up and to the right in its cell.
      setFontName(U"Times New Roman");
      setFontSize(8);
      setFontItalic(true);
      symbol(penX + 4, penY - 12, 7, 4, textColor, glyphChar);
      setFontName(U"ゴシック");
      setFontItalic(false);
      penX += 20;
    } else if (c == U'y') {
      symbol(penX, penY - 6, 3, 2, textColor, glyphChar);
      penX += 20;
    } else {
      symbol(penX, penY, 3, 2, textColor, glyphChar);
      penX += 20;
    }
  }
  setFontBold(false);
  setDrawWidth(savedDrawWidth);
  setFontSize(16);
}

void Lesson::measureSmallText() {
  const float x = penX;
  const float y = penY;
  penX = 0;
  penY = 1800;
  mathText = workText;
  drawSmallText();
  textWidth = penX;
  penX = x;
  penY = y;
}

void Lesson::drawSmallTextBox() {
  const float x0 = penX;
  const float y0 = penY;
  const Text text = workText;
  measureSmallText();
  float dx = (boxWidth - textWidth) / 2;
  if (dx < 0) dx = 0;
  const float top = y0 + std::floor((boxHeight - 26) / 2);
  fillBox(x0, y0, x0 + boxWidth, y0 + boxHeight, lineColor, plotColor);
  penX = x0 + dx;
  penY = top;
  mathText = text;
  drawSmallText();
  penX = x0 + boxWidth;
  penY = y0;
}

void Lesson::drawTwoLineSmallBox() {
  const float x0 = penX;
  const float y0 = penY;
  workText = fractionAsGiven;
  measureSmallText();
  float dx = (boxWidth - textWidth) / 2;
  if (dx < 0) dx = 0;
  const float top = y0 + std::floor((boxHeight / 2 - 26) / 2);
  fillBox(x0, y0, x0 + boxWidth, y0 + boxHeight, lineColor, plotColor);
  penX = x0 + dx;
  penY = fractionText.empty() ? top + 15 : top;
  mathText = fractionAsGiven;
  drawSmallText();

  workText = fractionText;
  measureSmallText();
  dx = (boxWidth - textWidth) / 2;
  if (dx < 0) dx = 0;
  penX = x0 + dx;
  penY = top + 30;
  mathText = fractionText;
  drawSmallText();
  penX = x0 + boxWidth;
  penY = y0;
}

void Lesson::parenthesizeNegative() {
  if (contains(workText, U"-")) workText = U"(" + workText + U")";
}

}  // namespace lesson
