// Placeholder formula text: one glyph per character at a fixed advance.
#include "framework/lesson.h"

namespace lesson {

void Lesson::drawMathText() {
  while (!mathText.empty()) {
    workText = kLeft(mathText, 1);
    mathText = kRight(mathText, kLen(mathText) - 1);
    drawGlyphRun();
  }
}

void Lesson::drawGlyphRun() {
  for (char32_t c : workText) {
    symbol(penX, penY, 2, 3, textColor, Text(1, c));
    penX += byteLength(c) == 2 ? 34.0f : 27.0f;
  }
}

void Lesson::drawStackedFraction() {}
void Lesson::measureText() {
  float x = penX, y = penY;
  Text w = workText;
  penX = 0;
  penY = 1800;
  mathText = workText;
  drawMathText();
  textWidth = penX;
  penX = x;
  penY = y;
  workText = w;
}
void Lesson::drawTextBox() {}
void Lesson::drawBoxAroundText() {}
void Lesson::drawTwoLineBox() {}

}  // namespace lesson
