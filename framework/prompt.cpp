// Prompt text: one 16-px cell per character, half-width letters, digits and
// signs shown in their full-width forms.
#include "framework/lesson.h"

namespace lesson {

namespace {

// Position p of a half-width string pairs with character p of its full-width string.
const Text kHalfWidthLetters = U" XYABCDEFGHIJKLMNOPQRSTUVWZ";
const Text kFullWidthLetters = U"　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
const Text kHalfWidthSymbols =
    U" 0123456789 */+-\uFF80=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
const Text kFullWidthSymbols =
    U"　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";

static_assert(sizeof(U" XYABCDEFGHIJKLMNOPQRSTUVWZ") / sizeof(char32_t) == 28);

}  // namespace

void Lesson::drawPromptText() {
  while (!mathText.empty()) {
    workText = kLeft(mathText, 1);
    mathText = kRight(mathText, kLen(mathText) - 1);
    if (workText == U"^") {
      superscriptNext = 1;
      continue;
    }
    drawFullWidthText();
    penX = glyphX;
  }
}

void Lesson::drawFullWidthText() {
  removeSpaces();
  int n = kLen(workText);
  glyphX = penX;
  setFontBold(true);
  int i = 1;
  do {
    glyphChar = kMid(workText, i, 1);
    if (glyphChar == U"^") {
      superscriptNext = 1;
      continue;
    }
    if (superscriptNext == 1) {
      superscriptNext = 0;
    } else {
      toFullWidth();
    }
    float raise = byteLength(glyphChar) == 1 ? 4.0f : 0.0f;
    if (glyphChar == U"．") glyphX -= 4;
    symbol(glyphX, penY - raise, 1, 1, textColor, glyphChar);
    if (glyphChar == U"．") glyphX -= 12;
    glyphX += 16;
  } while (++i <= n);
}

void Lesson::toFullWidth() {
  if (glyphChar.empty()) return;
  int p = kInstr(kHalfWidthLetters, glyphChar);
  if (p != 0) glyphChar = kMid(kFullWidthLetters, p, 1);
  int q = kInstr(kHalfWidthSymbols, glyphChar);
  if (q != 0) glyphChar = kMid(kFullWidthSymbols, q, 1);
}

void Lesson::removeSpaces() {
  Text kept;
  for (char32_t c : workText) {
    if (c != U' ') kept += c;
  }
  workText = kept;
}

}  // namespace lesson
