// Formula text: the character loop of drawMathText, the glyph run with its sign
// substitution, flag characters and glyph rows, and the stacked fraction.
//
// Every glyph advances the pen by a fixed number of pixels chosen by its kind;
// widths are found by drawing below the window (measureText), so the drawing and
// the measuring go through exactly the same code.
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "framework/lesson.h"

namespace lesson {

namespace {

const Text kFractionMark = U"\uFF80";  // "ﾀ": opens and closes a fraction group
const Text kRootEnd = U"\uFF9D";       // "ﾝ": closes the open root
const Text kGothic = U"ゴシック";
const Text kTimes = U"Times New Roman";
const Text kMtExtra = U"MT Extra";

// The signs drawn as outlines, first of all: each draws its polyline from the
// run's place, advances the run, opens its root (rootState; 0 opens none) and
// leaves the pen at width 3, glyphChar empty and the root bar's start at the
// run's new end.
struct OutlineSign {
  char32_t sign;
  bool inFractionOnly;
  float width;
  std::array<PolyPoint, 5> outline;
  float advance;
  float rootState;
};

// clang-format off
constexpr OutlineSign kOutlineSigns[] = {
    // sign in fraction width outline                                             advance root
    {U'√',  true,       3,    {{{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}}, 26,     11},
    {U'√',  false,      3,    {{{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}}, 28,     1},
    {U'&',  false,      5,    {{{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}},   36,     0},
};
// clang-format on

// What a row asks of the markup state besides its character; all of it must hold.
enum When : unsigned {
  kAlways = 0,
  kInFraction = 1u << 0,   // inFraction = 1
  kOutside = 1u << 1,      // inFraction is not 1
  kBigParens = 1u << 2,    // bigParens = 1
  kRaised = 1u << 3,       // raisedNext = 1
  kSuperscript = 1u << 4,  // superscriptNext = 1
  kTessarin = 1u << 5,     // Tessarin's variant
  kWide = 1u << 6,         // a double-byte character
};

// The font as the row draws in it; what is not given stays as it is.
enum Style { kAsItIs, kBold, kItalic };
struct FontChange {
  const Text* face = nullptr;
  float size = 0;
  Style style = kAsItIs;
};

// What the row does after drawing and advancing.
enum After : unsigned {
  kNothing = 0,
  kClearGlyph = 1u << 0,      // glyphChar emptied
  kEndBigParens = 1u << 1,    // bigParens = 0
  kEndRaised = 1u << 2,       // raisedNext = 0
  kEndSuperscript = 1u << 3,  // superscriptNext = 0
  kSize16 = 1u << 4,          // the font size back at 16
  kGothic16 = 1u << 5,        // the Gothic face at size 16
  kBoldOff = 1u << 6,
  kItalicOff = 1u << 7,
};

struct Offset {
  float dx = 0, dy = 0;
};
struct Factors {
  float fx = 0, fy = 0;
};
// A stroke drawn instead of a glyph, from the run's place.
struct Stroke {
  float x1, y1, x2, y2;
};

// One glyph row: the first row whose character and setting match draws the
// character. The glyph is drawn in the row's font at the run's place moved by
// the offset, magnified by the factors; factors 0 draw no glyph. A row with
// strokes draws them instead, 5 px wide, and leaves the pen at 3. An empty
// glyph (the one pass of an empty run) shows nothing but takes its row's
// advance.
struct GlyphRow {
  std::u32string_view chars;  // one of these characters; empty: any
  unsigned when;
  FontChange font;
  Offset offset;
  Factors factors;
  float advance;
  unsigned after;
  std::span<const Stroke> strokes = {};
};

constexpr Stroke kFractionMinus[] = {{6, 14, 26, 14}};
constexpr Stroke kFractionPlus[] = {{6, 14, 26, 14}, {16, 4, 16, 24}};
constexpr Stroke kMinus[] = {{4, 20, 23, 20}};
constexpr Stroke kPlus[] = {{4, 22, 23, 22}, {13, 10, 13, 34}};

// The italic letters and the script l (Tessarin has forms of its own for it)
// leave glyphChar empty; so does the point.
constexpr unsigned kItalicEnd = kGothic16 | kItalicOff | kClearGlyph;
constexpr unsigned kScriptLEnd = kGothic16 | kBoldOff | kClearGlyph;

// The rows of a line's ordinary characters outside fraction parts: a blank, a
// double-byte character, any other. A name written as it is uses them alone.
// clang-format off
constexpr GlyphRow kBlankRow{U" ", kAlways, {}, {},     {},     27, kNothing};
constexpr GlyphRow kWideRow {U"",  kWide,   {}, {0, 0}, {2, 3}, 34, kNothing};
constexpr GlyphRow kPlainRow{U"",  kAlways, {}, {0, 0}, {3, 3}, 27, kNothing};

constexpr GlyphRow kGlyphRows[] = {
    // chars when                        font                    offset    factors  adv after, strokes
    {U".",   kAlways,                    {},                     {-3, 14}, {3, 2},   8, kClearGlyph},
    {U"'°",  kAlways,                    {},                     {0, 0},   {3, 3},  12, kNothing},
    {U"(",   kBigParens,                 {},                     {-4, -6}, {3, 4},  27, kNothing},
    {U")",   kBigParens,                 {},                     {6, -6},  {3, 4},  27, kEndBigParens},
    {U"=",   kAlways,                    {{}, 14, kBold},        {4, 0},   {3, 3},  32, kSize16},
    {U"",    kRaised,                    {{}, 8},                {0, -10}, {6, 3},  24, kEndRaised | kSize16},
    {U"",    kSuperscript | kInFraction, {{}, 8},                {0, -4},  {6, 3},  24, kEndSuperscript | kSize16},
    {U"",    kSuperscript,               {},                     {0, 0},   {3, 2},  24, kEndSuperscript},
    {U"axc", kInFraction,                {&kTimes, 8, kItalic},  {4, -16}, {12, 5}, 32, kItalicEnd},
    {U"axc", kAlways,                    {&kTimes, 8, kItalic},  {4, -22}, {10, 7}, 27, kItalicEnd},
    {U"l",   kTessarin | kInFraction,    {&kMtExtra, 38, kBold}, {0, 0},   {3, 1},  32, kScriptLEnd},
    {U"l",   kTessarin,                  {&kMtExtra, 56, kBold}, {4, 0},   {1, 1},  32, kScriptLEnd},
    {U"l",   kAlways,                    {&kMtExtra, 16, kBold}, {0, 0},   {6, 3},  32, kScriptLEnd},
    {U"-",   kInFraction,                {},                     {},       {},      32, kNothing, kFractionMinus},
    {U"+",   kInFraction,                {},                     {},       {},      32, kNothing, kFractionPlus},
    {U"-",   kAlways,                    {},                     {},       {},      27, kNothing, kMinus},
    {U"+",   kAlways,                    {},                     {},       {},      27, kNothing, kPlus},
    {U"×÷±", kOutside,                   {},                     {-4, 0},  {2, 3},  27, kNothing},
    kBlankRow,
    {U"",    kWide | kInFraction,        {{}, 11},               {0, 0},   {3, 3},  38, kSize16},
    kWideRow,
    {U"",    kInFraction,                {},                     {0, 0},   {4, 2},  32, kNothing},
    kPlainRow,
};
// clang-format on

// The setting a row's `when` is tested against.
unsigned settingOf(const Lesson& l, char32_t ch) {
  unsigned s = l.inFraction == 1 ? kInFraction : kOutside;
  if (l.bigParens == 1) s |= kBigParens;
  if (l.raisedNext == 1) s |= kRaised;
  if (l.superscriptNext == 1) s |= kSuperscript;
  if (l.variant() == Variant::Tessarin) s |= kTessarin;
  if (ch != 0 && byteLength(ch) == 2) s |= kWide;
  return s;
}

void drawOutlineSign(Lesson& l, const OutlineSign& sign) {
  const float x = l.glyphRunX;
  const float y = l.glyphRunY;
  std::vector<PolyPoint> points;
  for (const PolyPoint& p : sign.outline) points.push_back({x + p.x, y + p.y});
  l.setDrawWidth(sign.width);
  l.connect(l.textColor, points);
  l.glyphRunX += sign.advance;
  if (sign.rootState != 0) l.rootState = sign.rootState;
  l.glyphChar.clear();
  l.setDrawWidth(3);
  l.rootBarStart = l.glyphRunX;
}

void drawRow(Lesson& l, const GlyphRow& row) {
  const float x = l.glyphRunX;
  const float y = l.glyphRunY;
  const float color = l.textColor;
  if (row.font.face != nullptr) l.setFontName(*row.font.face);
  if (row.font.size != 0) l.setFontSize(row.font.size);
  if (row.font.style == kBold) l.setFontBold(true);
  if (row.font.style == kItalic) l.setFontItalic(true);

  if (!row.strokes.empty()) {
    l.setDrawWidth(5);
    for (const Stroke& s : row.strokes) l.drawLine(x + s.x1, y + s.y1, x + s.x2, y + s.y2, color);
    l.setDrawWidth(3);
  } else if (row.factors.fx != 0 && !l.glyphChar.empty()) {
    l.symbol(x + row.offset.dx, y + row.offset.dy, row.factors.fx, row.factors.fy, color,
             l.glyphChar);
  }
  l.glyphRunX += row.advance;

  if (row.after == kNothing) return;
  if (row.after & kClearGlyph) l.glyphChar.clear();
  if (row.after & kEndBigParens) l.bigParens = 0;
  if (row.after & kEndRaised) l.raisedNext = 0;
  if (row.after & kEndSuperscript) l.superscriptNext = 0;
  if (row.after & kGothic16) l.setFontName(kGothic);
  if (row.after & (kSize16 | kGothic16)) l.setFontSize(16);
  if (row.after & kBoldOff) l.setFontBold(false);
  if (row.after & kItalicOff) l.setFontItalic(false);
}

// The root bar: redrawn whole from its start to the new end of the run; with
// no bar, its start follows the run.
void carryRootBar(Lesson& l, bool inFraction) {
  float barY = 0;
  if (l.rootState == 1) {
    barY = l.penY - 4;
  } else if (l.rootState == 11) {
    barY = l.penY - 6;
  } else if (l.rootState == 22 && !inFraction) {
    barY = l.penY - 14;
  } else {
    l.rootBarStart = l.glyphRunX;
    return;
  }
  l.setDrawWidth(3);
  l.drawLine(l.rootBarStart, barY, l.glyphRunX, barY, l.textColor);
  l.setDrawWidth(3);
}

// One character of a run that is not a flag: an outline sign, or the first
// matching glyph row; after a glyph row the open root's bar is carried on.
void drawGlyphRow(Lesson& l) {
  const char32_t ch = l.glyphChar.empty() ? 0 : l.glyphChar[0];
  const bool inFraction = l.inFraction == 1;
  for (const OutlineSign& sign : kOutlineSigns) {
    if (ch == sign.sign && (inFraction || !sign.inFractionOnly)) {
      drawOutlineSign(l, sign);
      return;
    }
  }
  const unsigned setting = settingOf(l, ch);
  for (const GlyphRow& row : kGlyphRows) {
    const bool listed = row.chars.empty() || row.chars.find(ch) != std::u32string_view::npos;
    if (listed && (row.when & setting) == row.when) {
      drawRow(l, row);
      break;
    }
  }
  carryRootBar(l, inFraction);
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
  glyphRunX = penX;
  glyphRunY = penY;
  for (char32_t c : mathText) {
    glyphChar = Text(1, c);
    drawRow(*this, c == U' ' ? kBlankRow : byteLength(glyphChar) == 2 ? kWideRow : kPlainRow);
  }
  penX = glyphRunX;
  glyphChar.clear();
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
