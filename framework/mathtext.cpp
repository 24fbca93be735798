// Formula text: the character loop of drawMathText, the glyph run with its sign
// substitution, flag characters and glyph rows, and the stacked fraction.
//
// Every glyph advances the pen by a fixed number of pixels chosen by its kind;
// widths are found by drawing below the window (measureText), so the drawing and
// the measuring go through exactly the same code.
#include "framework/lesson.h"

namespace lesson {

namespace {

const Text kFractionMark = U"\uFF80";  // "ﾀ": opens and closes a fraction group
const Text kRootEnd = U"\uFF9D";       // "ﾝ": closes the open root
const Text kGothic = U"ゴシック";
const Text kTimes = U"Times New Roman";
const Text kMtExtra = U"MT Extra";

// One character of a run that is not a flag: the first matching row draws it
// at (glyphRunX, glyphRunY) and advances glyphRunX; then the open root's bar is
// carried on (or its start follows the pen when no bar is drawn).
void drawGlyphRow(Lesson& l) {
  const Text& c = l.glyphChar;
  const float x = l.glyphRunX;
  const float y = l.glyphRunY;
  const float color = l.textColor;
  const bool inFraction = l.inFraction == 1;

  // The root signs and the parallelogram set the bar's start themselves.
  if (c == U"√") {
    l.setDrawWidth(3);
    if (inFraction) {
      l.connect(
          color,
          {{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}});
      l.glyphRunX += 26;
      l.rootState = 11;
    } else {
      l.connect(
          color,
          {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}});
      l.glyphRunX += 28;
      l.rootState = 1;
    }
    l.glyphChar.clear();
    l.rootBarStart = l.glyphRunX;
    return;
  }
  if (c == U"&") {
    l.setDrawWidth(5);
    l.connect(
        color,
        {{x + 4, y + 40}, {x + 25, y + 40}, {x + 32, y + 8}, {x + 11, y + 8}, {x + 4, y + 40}});
    l.glyphRunX += 36;
    l.glyphChar.clear();
    l.setDrawWidth(3);
    l.rootBarStart = l.glyphRunX;
    return;
  }

  // A glyph of the current font; an empty glyph (the one pass of an empty run)
  // shows nothing but still takes its row's advance.
  auto glyph = [&](float gx, float gy, float fx, float fy) {
    if (!l.glyphChar.empty()) l.symbol(gx, gy, fx, fy, color, l.glyphChar);
  };
  auto setGothic16 = [&] {
    l.setFontName(kGothic);
    l.setFontSize(16);
  };
  const bool italicLetter = c == U"a" || c == U"x" || c == U"c";
  const bool tessarin = l.variant() == Variant::Tessarin;

  float advance = 0;
  if (c == U".") {
    glyph(x - 3, y + 14, 3, 2);
    advance = 8;
    l.glyphChar.clear();
  } else if (c == U"'" || c == U"°") {
    glyph(x, y, 3, 3);
    advance = 12;
  } else if (l.bigParens == 1 && c == U"(") {
    glyph(x - 4, y - 6, 3, 4);
    advance = 27;
  } else if (l.bigParens == 1 && c == U")") {
    glyph(x + 6, y - 6, 3, 4);
    advance = 27;
    l.bigParens = 0;
  } else if (c == U"=") {
    l.setFontSize(14);
    l.setFontBold(true);
    glyph(x + 4, y, 3, 3);
    advance = 32;
    l.setFontSize(16);
  } else if (l.raisedNext == 1) {
    l.setFontSize(8);
    glyph(x, y - 10, 6, 3);
    advance = 24;
    l.raisedNext = 0;
    l.setFontSize(16);
  } else if (l.superscriptNext == 1 && inFraction) {
    l.setFontSize(8);
    glyph(x, y - 4, 6, 3);
    advance = 24;
    l.superscriptNext = 0;
    l.setFontSize(16);
  } else if (l.superscriptNext == 1) {
    glyph(x, y, 3, 2);
    advance = 24;
    l.superscriptNext = 0;
  } else if (italicLetter) {
    l.setFontName(kTimes);
    l.setFontSize(8);
    l.setFontItalic(true);
    if (inFraction) {
      glyph(x + 4, y - 16, 12, 5);
      advance = 32;
    } else {
      glyph(x + 4, y - 22, 10, 7);
      advance = 27;
    }
    setGothic16();
    l.setFontItalic(false);
    l.glyphChar.clear();
  } else if (c == U"l") {
    // The script l; only Tessarin has a form of its own inside a fraction part.
    l.setFontName(kMtExtra);
    l.setFontBold(true);
    if (tessarin && inFraction) {
      l.setFontSize(38);
      glyph(x, y, 3, 1);
    } else if (tessarin) {
      l.setFontSize(56);
      glyph(x + 4, y, 1, 1);
    } else {
      l.setFontSize(16);
      glyph(x, y, 6, 3);
    }
    advance = 32;
    setGothic16();
    l.setFontBold(false);
    l.glyphChar.clear();
  } else if (c == U"-" || c == U"+") {
    l.setDrawWidth(5);
    if (inFraction) {
      l.drawLine(x + 6, y + 14, x + 26, y + 14, color);
      if (c == U"+") l.drawLine(x + 16, y + 4, x + 16, y + 24, color);
      advance = 32;
    } else if (c == U"-") {
      l.drawLine(x + 4, y + 20, x + 23, y + 20, color);
      advance = 27;
    } else {
      l.drawLine(x + 4, y + 22, x + 23, y + 22, color);
      l.drawLine(x + 13, y + 10, x + 13, y + 34, color);
      advance = 27;
    }
    l.setDrawWidth(3);
  } else if ((c == U"×" || c == U"÷" || c == U"±") && !inFraction) {
    glyph(x - 4, y, 2, 3);
    advance = 27;
  } else if (c == U" ") {
    advance = 27;
  } else if (byteLength(c) == 2 && inFraction) {
    l.setFontSize(11);
    glyph(x, y, 3, 3);
    advance = 38;
    l.setFontSize(16);
  } else if (byteLength(c) == 2) {
    glyph(x, y, 2, 3);
    advance = 34;
  } else if (inFraction) {
    glyph(x, y, 4, 2);
    advance = 32;
  } else {
    glyph(x, y, 3, 3);
    advance = 27;
  }
  l.glyphRunX += advance;

  // The root bar: redrawn whole from its start to the new end of the run.
  float barY = 0;
  bool bar = true;
  if (l.rootState == 1) {
    barY = l.penY - 4;
  } else if (l.rootState == 11) {
    barY = l.penY - 6;
  } else if (l.rootState == 22 && !inFraction) {
    barY = l.penY - 14;
  } else {
    bar = false;
  }
  if (bar) {
    l.setDrawWidth(3);
    l.drawLine(l.rootBarStart, barY, l.glyphRunX, barY, color);
    l.setDrawWidth(3);
  } else {
    l.rootBarStart = l.glyphRunX;
  }
}

}  // namespace

void Lesson::drawMathText() {
  for (;;) {
    savedDrawWidth = static_cast<float>(getDrawWidth());
    if (mathText.empty()) {
      setDrawWidth(savedDrawWidth);
      return;
    }
    workText = kLeft(mathText, 1);
    mathText = kRight(mathText, kLen(mathText) - 1);

    if (workText == kFractionMark) {
      int p = kInstr(mathText, kFractionMark);
      if (p == 0) continue;  // no closing mark: the lone mark is dropped
      // The rest is kept aside: measuring the parts runs this routine again on
      // mathText.
      Text rest = kMid(mathText, p + 1);
      workText = kLeft(mathText, p - 1);
      mathTextRest = rest;
      drawStackedFraction();
      mathText = rest;
      continue;
    }
    if (workText == U"#") {
      // The big root sign, written before a fraction group.
      setDrawWidth(3);
      connect(textColor, {{penX + 4, penY + 36},
                          {penX + 8, penY + 24},
                          {penX + 16, penY + 60},
                          {penX + 30, penY - 14},
                          {penX + 38, penY - 14}});
      glyphChar.clear();
      rootState = 22;
      setDrawWidth(savedDrawWidth);
      penX += 32;
      rootBarStart = penX;
      continue;
    }
    if (workText == U"^") {
      superscriptNext = 1;
      continue;
    }
    drawGlyphRun();
  }
}

void Lesson::drawTextAsWritten() {
  setFontName(kGothic);
  setFontSize(16);
  setFontBold(true);
  for (char32_t c : mathText) {
    const Text ch(1, c);
    const bool wide = byteLength(ch) == 2;
    if (c != U' ') symbol(penX, penY, wide ? 2 : 3, 3, textColor, ch);
    penX += wide ? 34 : 27;
  }
  mathText.clear();
  setFontBold(false);
}

void Lesson::drawGlyphRun() {
  glyphRunX = penX;
  glyphRunY = penY;
  savedDrawWidth = static_cast<float>(getDrawWidth());
  const Text run = workText;
  const int n = kLen(run);
  setFontName(kGothic);
  setFontSize(16);
  setFontBold(true);

  // Always one pass, also for an empty run.
  int i = 1;
  do {
    glyphChar = kMid(run, i, 1);
    if (glyphChar == U"%") glyphChar = U"°";
    if (glyphChar == U"*") glyphChar = U"×";
    if (glyphChar == U"/") glyphChar = U"÷";
    if (glyphChar == U"@") glyphChar = U"±";
    if (glyphChar == U"!") glyphChar = U"√";

    if (glyphChar == U"^") {
      superscriptNext = 1;
    } else if (glyphChar == U"\\") {
      raisedNext = 1;
    } else if (glyphChar == kRootEnd) {
      rootState = 0;
    } else {
      drawGlyphRow(*this);
    }
  } while (++i <= n);

  penX = glyphRunX;
  penY = glyphRunY;
  setFontBold(false);
  setDrawWidth(savedDrawWidth);
}

void Lesson::drawStackedFraction() {
  const float x0 = penX;
  const float y0 = penY;
  glyphX = x0;
  const Text group = workText;

  // An empty group has nothing to stack: it draws nothing and takes no room.
  if (group.empty()) {
    textWidth = 0;
    mathText.clear();
    inFraction = 0;
    return;
  }

  const bool rootMark = contains(group, U"!") || contains(group, U"√");
  // Split at the first "/". A group without one is all denominator, with an
  // empty numerator, as a group that begins with "/".
  const int p = kInstr(group, U"/");
  const Text numerator = kLeft(group, p - 1);
  const Text denominator = kMid(group, p + 1);

  inFraction = 1;
  workText = numerator;
  measureText();
  const float numW = textWidth;
  inFraction = 1;
  workText = denominator;
  measureText();
  const float denW = textWidth;
  inFraction = 0;

  const float w = numW >= denW ? numW : denW;
  const float numDx = (w - numW) / 2;
  const float denDx = (w - denW) / 2;

  setDrawWidth(4);
  drawLine(x0, y0 + 25, x0 + w, y0 + 25, textColor);
  setDrawWidth(savedDrawWidth);
  // Under a big root the fraction draws its whole stretch of the root's bar.
  if (rootState == 22) {
    setDrawWidth(3);
    drawLine(x0, y0 - 14, x0 + w, y0 - 14, textColor);
    setDrawWidth(savedDrawWidth);
  }

  float denY = y0 + 28;
  if (contains(denominator, U"√") || contains(denominator, U"^")) denY += 8;
  if (rootMark) denY += 8;

  penX = x0 + denDx;
  penY = denY;
  inFraction = 1;
  workText = denominator;
  drawGlyphRun();

  penX = x0 + numDx;
  penY = y0 - 10;
  inFraction = 1;
  workText = numerator;
  drawGlyphRun();

  inFraction = 0;
  penX = x0 + w;
  penY = y0;
}

}  // namespace lesson
