// Formula text: advances, glyph forms, flags that carry over, root bars,
// stacked fractions, measuring, and the text boxes built on them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_lesson.h"

namespace lesson {
namespace {

using testing::LessonFixture;
using testing::ofKind;

const Text kGothic = U"ゴシック";

// Draws `text` with drawMathText at (x, y) in colour 0 and returns penX.
float drawText(LessonFixture& fx, const Text& text, float x = 100, float y = 200) {
  Lesson& l = fx.lesson;
  l.penX = x;
  l.penY = y;
  l.textColor = 0;
  l.mathText = text;
  l.drawMathText();
  return l.penX;
}

std::vector<DrawOp> textsOf(const LessonFixture& fx, const Text& text) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : fx.texts()) {
    if (op.text == text) out.push_back(op);
  }
  return out;
}

// ---- drawMathText --------------------------------------------------------

TEST(MathText, AdvancesOfWholeLines) {
  struct Case {
    const char32_t* text;
    float advance;
  } cases[] = {
      {U"y=ﾀ3/4ﾀx-3", 172},
      {U"975万m^3", 166},
      {U"変化の割合=ﾀyの増加量/xの増加量ﾀ", 386},
      {U" 分速 0.05ﾀkm", 265},  // the lone mark is dropped
      {U"(ｳ)は ﾀ3/2ﾀ(x-2)=ﾀ3/2ﾀx-ﾀ3/2ﾀ*2=ﾀ3/2ﾀx-3 だから", 27 * 3 + 34 + 27 + 32 + 27 * 5 + 32 +
                                                               32 + 27 * 2 + 32 + 27 * 2 + 32 + 32 +
                                                               27 * 3 + 27 + 34 * 3},
      {U"", 0},
      {U"ﾀ", 0},
      {U"12ﾀ", 54},
      {U"^", 0},
      {U"!2ﾝ", 28 + 27},
      {U"#ﾀ1/2ﾀﾝ", 32 + 32},
      {U"%&l*/@'", 12 + 36 + 32 + 27 + 27 + 27 + 12},
      {U"xXaAcClL", 27 * 7 + 32},
      {U"ﾀﾀ5", 27},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    EXPECT_EQ(drawText(fx, c.text, 100, 200), 100 + c.advance) << toUtf8(c.text);
    EXPECT_EQ(fx.lesson.penY, 200) << toUtf8(c.text);
    EXPECT_TRUE(fx.lesson.mathText.empty());
  }
}

TEST(MathText, WorkedLineEquationPositions) {
  LessonFixture fx;
  fx.clear();
  drawText(fx, U"y=ﾀ3/4ﾀx-3", 100, 200);

  struct Glyph {
    const char32_t* text;
    float x, y, fx, fy, size;
  } expected[] = {
      {U"y", 100, 200, 3, 3, 16}, {U"=", 131, 200, 3, 3, 14}, {U"4", 159, 228, 4, 2, 16},
      {U"3", 159, 190, 4, 2, 16}, {U"x", 195, 178, 10, 7, 8}, {U"3", 245, 200, 3, 3, 16},
  };
  auto texts = fx.texts();
  ASSERT_EQ(texts.size(), std::size(expected));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const Glyph& g = expected[i];
    EXPECT_EQ(texts[i].text, g.text) << i;
    EXPECT_EQ(texts[i].x1, g.x) << i;
    EXPECT_EQ(texts[i].y1, g.y) << i;
    EXPECT_EQ(texts[i].fx, g.fx) << i;
    EXPECT_EQ(texts[i].fy, g.fy) << i;
    EXPECT_EQ(texts[i].size, g.size) << i;
  }
  EXPECT_EQ(texts[4].face, U"Times New Roman");
  EXPECT_TRUE(texts[4].italic);
  EXPECT_EQ(texts[5].face, kGothic);
  EXPECT_FALSE(texts[5].italic);

  auto lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  ASSERT_EQ(lines.size(), 2u);
  // The fraction bar, then the minus sign.
  EXPECT_EQ((std::vector<float>{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
            (std::vector<float>{159, 225, 191, 225}));
  EXPECT_EQ(lines[0].width, 4);
  EXPECT_EQ((std::vector<float>{lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2}),
            (std::vector<float>{222, 220, 241, 220}));
  EXPECT_EQ(lines[1].width, 5);
  // Bar first, then denominator, then numerator.
  auto draws = fx.draws();
  EXPECT_EQ(draws[2].kind, DrawOp::Kind::Line);
  EXPECT_EQ(draws[3].text, U"4");
}

TEST(MathText, ExponentOfWorkedExample) {
  LessonFixture fx;
  fx.clear();
  drawText(fx, U"975万m^3", 0, 100);
  auto texts = fx.texts();
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[3].fx, 2);  // "万"
  EXPECT_EQ(texts[3].fy, 3);
  EXPECT_EQ(texts[5].text, U"3");
  EXPECT_EQ(texts[5].x1, 142);
  EXPECT_EQ(texts[5].y1, 100);
  EXPECT_EQ(texts[5].fx, 3);
  EXPECT_EQ(texts[5].fy, 2);
  EXPECT_EQ(fx.lesson.superscriptNext, 0);
}

TEST(MathText, PenWidthAndFontAfterText) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.setDrawWidth(7);
  drawText(fx, U"");
  EXPECT_EQ(l.getDrawWidth(), 7);
  EXPECT_EQ(l.fontName(), U"ｺﾞｼｯｸ");  // untouched: nothing was drawn
  EXPECT_TRUE(fx.texts().empty());

  l.setFontBold(true);
  drawText(fx, U"直線lの式は -ﾀ!2ﾝ/3ﾀx+1");
  EXPECT_EQ(l.getDrawWidth(), 7);
  EXPECT_EQ(l.fontName(), kGothic);
  EXPECT_EQ(l.fontSize(), 16);
  EXPECT_FALSE(l.fontBold());
  EXPECT_FALSE(l.fontItalic());
  // Each character is a run of its own: the one after "l" is bold again.
  EXPECT_TRUE(textsOf(fx, U"の")[0].bold);
}

TEST(MathText, FlagsCarryOverToTheNextText) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  drawText(fx, U"m^");
  EXPECT_EQ(l.superscriptNext, 1);
  fx.clear();
  EXPECT_EQ(drawText(fx, U"2m", 300, 200), 300 + 24 + 27);
  EXPECT_EQ(fx.texts()[0].fy, 2);

  drawText(fx, U"\\");
  EXPECT_EQ(l.raisedNext, 1);
  fx.clear();
  drawText(fx, U"2", 300, 200);
  auto t = fx.texts()[0];
  EXPECT_EQ((std::vector<float>{t.x1, t.y1, t.fx, t.fy, t.size}),
            (std::vector<float>{300, 190, 6, 3, 8}));
  EXPECT_EQ(l.raisedNext, 0);

  // A pending exponent waits over ".", "=" and a root sign.
  fx.clear();
  EXPECT_EQ(drawText(fx, U"^.=!2", 0, 200), 8 + 32 + 28 + 24);
  EXPECT_EQ(textsOf(fx, U".")[0].fx, 3);
  EXPECT_EQ(textsOf(fx, U"2")[0].fy, 2);
  // An exponent "-" is a character, not a line.
  fx.clear();
  l.rootState = 0;
  EXPECT_EQ(drawText(fx, U"^-", 0, 200), 24);
  EXPECT_EQ(textsOf(fx, U"-").size(), 1u);
  EXPECT_TRUE(ofKind(fx.draws(), DrawOp::Kind::Line).empty());
}

TEST(MathText, RootBarOverADigit) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  fx.clear();
  drawText(fx, U"!2ﾝ3", 100, 200);
  auto polys = ofKind(fx.draws(), DrawOp::Kind::Poly);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].points.back().x, 132);
  EXPECT_EQ(polys[0].points.back().y, 196);
  auto lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  ASSERT_EQ(lines.size(), 1u);  // the "3" after "ﾝ" draws no bar
  EXPECT_EQ((std::vector<float>{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
            (std::vector<float>{128, 196, 155, 196}));
  EXPECT_EQ(lines[0].width, 3);
  EXPECT_EQ(l.rootState, 0);
  EXPECT_EQ(l.rootBarStart, 182);
  EXPECT_EQ(l.getDrawWidth(), 3);
}

TEST(MathText, OpenRootExtendsIntoLaterTexts) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  drawText(fx, U"!2", 100, 200);
  EXPECT_EQ(l.rootState, 1);
  fx.clear();
  // A blank extends the bar; "&" starts it again past the sign.
  drawText(fx, U" &5ﾝ", 155, 200);
  auto lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].x1, 128);
  EXPECT_EQ(lines[0].x2, 182);
  EXPECT_EQ(lines[1].x1, 218);
  EXPECT_EQ(lines[1].x2, 245);
  EXPECT_EQ(lines[1].y1, 196);
  EXPECT_EQ(l.rootState, 0);
}

TEST(MathText, BigRootOverAFraction) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  fx.clear();
  l.setDrawWidth(2);
  EXPECT_EQ(drawText(fx, U"#ﾀ1/23ﾀ", 100, 200), 100 + 32 + 64);
  auto polys = ofKind(fx.draws(), DrawOp::Kind::Poly);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].width, 3);
  std::vector<Point> expected{{104, 236}, {108, 224}, {116, 260}, {130, 186}, {138, 186}};
  ASSERT_EQ(polys[0].points.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(polys[0].points[i].x, expected[i].x) << i;
    EXPECT_EQ(polys[0].points[i].y, expected[i].y) << i;
  }
  auto lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  ASSERT_EQ(lines.size(), 2u);  // the fraction bar and the root's bar over the whole group
  EXPECT_EQ((std::vector<float>{lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2}),
            (std::vector<float>{132, 186, 196, 186}));
  EXPECT_EQ(lines[1].width, 3);
  EXPECT_EQ(l.rootState, 22);
  EXPECT_EQ(l.getDrawWidth(), 2);

  // The bar goes on from the end of the numerator's last glyph (centred "1": 148..180).
  fx.clear();
  drawText(fx, U"4ﾝ", 196, 200);
  lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ((std::vector<float>{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
            (std::vector<float>{180, 186, 223, 186}));
  EXPECT_EQ(l.rootState, 0);

  // A "ﾝ" inside the group closes the big root while the parts are measured,
  // so the fraction draws no stretch of the root's bar.
  fx.clear();
  drawText(fx, U"#ﾀ1/2ﾝﾀ", 100, 200);
  lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].width, 4);
  EXPECT_EQ(l.rootState, 0);
}

TEST(MathText, HandDrawnSignsAndBarsInTextColour) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  fx.clear();
  l.penX = 100;
  l.penY = 200;
  l.textColor = 5;
  l.mathText = U"!2&-+ﾝ#ﾀ1/2ﾀ3ﾝﾀ!1ﾝ/-2ﾀ";
  l.drawMathText();
  auto lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  auto polys = ofKind(fx.draws(), DrawOp::Kind::Poly);
  // Root bars, signs as lines, two fraction bars, the big root's bar.
  EXPECT_GE(lines.size(), 8u);
  EXPECT_EQ(polys.size(), 4u);  // root, parallelogram, big root, small root
  for (const DrawOp& op : fx.draws()) {
    EXPECT_EQ(op.color, 5) << static_cast<int>(op.kind) << " at " << op.x1 << "," << op.y1;
  }
}

// ---- Glyph rows ------------------------------------------------------------

TEST(GlyphRun, FormsOfOneGlyph) {
  struct Case {
    const char32_t* run;
    Variant variant;
    bool inFraction;
    const char32_t* drawn;
    float dx, dy, fx, fy, size;
    const char32_t* face;
    float advance;
  } cases[] = {
      {U"y", Variant::Corbisk, false, U"y", 0, 0, 3, 3, 16, U"ゴシック", 27},
      {U"y", Variant::Corbisk, true, U"y", 0, 0, 4, 2, 16, U"ゴシック", 32},
      {U"万", Variant::Corbisk, false, U"万", 0, 0, 2, 3, 16, U"ゴシック", 34},
      {U"万", Variant::Corbisk, true, U"万", 0, 0, 3, 3, 11, U"ゴシック", 38},
      {U"x", Variant::Corbisk, false, U"x", 4, -22, 10, 7, 8, U"Times New Roman", 27},
      {U"c", Variant::Corbisk, true, U"c", 4, -16, 12, 5, 8, U"Times New Roman", 32},
      {U"X", Variant::Corbisk, false, U"X", 0, 0, 3, 3, 16, U"ゴシック", 27},
      {U"=", Variant::Corbisk, true, U"=", 4, 0, 3, 3, 14, U"ゴシック", 32},
      {U".", Variant::Corbisk, true, U".", -3, 14, 3, 2, 16, U"ゴシック", 8},
      {U"%", Variant::Corbisk, false, U"°", 0, 0, 3, 3, 16, U"ゴシック", 12},
      {U"'", Variant::Corbisk, true, U"'", 0, 0, 3, 3, 16, U"ゴシック", 12},
      {U"*", Variant::Corbisk, false, U"×", -4, 0, 2, 3, 16, U"ゴシック", 27},
      {U"/", Variant::Corbisk, true, U"÷", 0, 0, 3, 3, 11, U"ゴシック", 38},
      {U"@", Variant::Merrowin, false, U"±", -4, 0, 2, 3, 16, U"ゴシック", 27},
      {U"ｳ", Variant::Corbisk, false, U"ｳ", 0, 0, 3, 3, 16, U"ゴシック", 27},
      {U"l", Variant::Corbisk, false, U"l", 0, 0, 6, 3, 16, U"MT Extra", 32},
      {U"l", Variant::Corbisk, true, U"l", 0, 0, 6, 3, 16, U"MT Extra", 32},
      {U"l", Variant::Tessarin, false, U"l", 4, 0, 1, 1, 56, U"MT Extra", 32},
      {U"l", Variant::Tessarin, true, U"l", 0, 0, 3, 1, 38, U"MT Extra", 32},
      {U"^2", Variant::Corbisk, true, U"2", 0, -4, 6, 3, 8, U"ゴシック", 24},
      {U"^x", Variant::Corbisk, false, U"x", 0, 0, 3, 2, 16, U"ゴシック", 24},
      {U"\\2", Variant::Corbisk, true, U"2", 0, -10, 6, 3, 8, U"ゴシック", 24},
  };
  for (const Case& c : cases) {
    LessonFixture fx("", c.variant);
    Lesson& l = fx.lesson;
    fx.clear();
    l.penX = 100;
    l.penY = 200;
    l.textColor = 5;
    l.inFraction = c.inFraction ? 1 : 0;
    l.workText = c.run;
    l.drawGlyphRun();
    std::string what = toUtf8(c.run) + (c.inFraction ? " in a fraction" : "");
    auto texts = fx.texts();
    ASSERT_EQ(texts.size(), 1u) << what;
    const DrawOp& t = texts[0];
    EXPECT_EQ(t.text, c.drawn) << what;
    EXPECT_EQ(t.x1, 100 + c.dx) << what;
    EXPECT_EQ(t.y1, 200 + c.dy) << what;
    EXPECT_EQ(t.fx, c.fx) << what;
    EXPECT_EQ(t.fy, c.fy) << what;
    EXPECT_EQ(t.size, c.size) << what;
    EXPECT_EQ(t.face, c.face) << what;
    EXPECT_EQ(t.color, 5) << what;
    EXPECT_EQ(l.penX, 100 + c.advance) << what;
    EXPECT_EQ(l.workText, c.run) << what;
    EXPECT_EQ(l.fontName(), kGothic) << what;
    EXPECT_EQ(l.fontSize(), 16) << what;
    EXPECT_FALSE(l.fontBold()) << what;
    EXPECT_FALSE(l.fontItalic()) << what;
  }
}

TEST(GlyphRun, SignsDrawnAsLines) {
  struct Case {
    const char32_t* run;
    bool inFraction;
    std::vector<std::vector<float>> lines;
    float advance;
  } cases[] = {
      {U"-", false, {{104, 220, 123, 220}}, 27},
      {U"+", false, {{104, 222, 123, 222}, {113, 210, 113, 234}}, 27},
      {U"-", true, {{106, 214, 126, 214}}, 32},
      {U"+", true, {{106, 214, 126, 214}, {116, 204, 116, 224}}, 32},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    fx.clear();
    l.setDrawWidth(2);
    l.penX = 100;
    l.penY = 200;
    l.inFraction = c.inFraction ? 1 : 0;
    l.workText = c.run;
    l.drawGlyphRun();
    std::vector<std::vector<float>> got;
    for (const DrawOp& op : ofKind(fx.draws(), DrawOp::Kind::Line)) {
      got.push_back({op.x1, op.y1, op.x2, op.y2});
      EXPECT_EQ(op.width, 5);
    }
    EXPECT_EQ(got, c.lines) << toUtf8(c.run);
    EXPECT_EQ(l.penX, 100 + c.advance);
    EXPECT_EQ(l.getDrawWidth(), 2);
  }
}

TEST(GlyphRun, WholeRunsAndFlagCharacters) {
  LessonFixture fx("", Variant::Tessarin);
  Lesson& l = fx.lesson;
  fx.clear();
  // A run of flags only moves nothing but still ends with bold off.
  l.setFontBold(true);
  l.penX = 10;
  l.workText = U"\\ﾝ";
  l.drawGlyphRun();
  EXPECT_EQ(l.penX, 10);
  EXPECT_EQ(l.raisedNext, 1);
  EXPECT_FALSE(l.fontBold());
  l.raisedNext = 0;

  // After the script l the rest of the run is not bold, until "=".
  l.inFraction = 1;
  l.penX = 0;
  l.penY = 300;
  l.workText = U"l2=3";
  l.drawGlyphRun();
  EXPECT_EQ(l.penX, 32 * 4);
  EXPECT_FALSE(textsOf(fx, U"2")[0].bold);
  EXPECT_TRUE(textsOf(fx, U"3")[0].bold);

  // An empty run makes one pass: nothing shows, the pen moves by one glyph.
  fx.clear();
  l.penX = 0;
  l.workText = U"";
  l.drawGlyphRun();
  EXPECT_EQ(l.penX, 32);
  EXPECT_TRUE(fx.draws().empty());

  // Tall parentheses: the ")" ends them.
  l.inFraction = 0;
  l.bigParens = 1;
  l.penX = 0;
  l.workText = U"(2)(";
  l.drawGlyphRun();
  auto texts = fx.texts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ((std::vector<float>{texts[0].x1, texts[0].y1, texts[0].fy}),
            (std::vector<float>{-4, 294, 4}));
  EXPECT_EQ((std::vector<float>{texts[2].x1, texts[2].y1, texts[2].fy}),
            (std::vector<float>{60, 294, 4}));
  EXPECT_EQ(texts[3].fy, 3);
  EXPECT_EQ(l.bigParens, 0);
  EXPECT_EQ(l.penX, 27 * 4);
}

// ---- drawStackedFraction ---------------------------------------------------

struct FractionLayout {
  std::vector<DrawOp> bars;  // lines of width 4
  std::vector<DrawOp> texts;
};

FractionLayout drawFraction(LessonFixture& fx, const Text& group, float x, float y) {
  fx.clear();
  drawText(fx, U"ﾀ" + group + U"ﾀ", x, y);
  FractionLayout out;
  for (const DrawOp& op : ofKind(fx.draws(), DrawOp::Kind::Line)) {
    if (op.width == 4) out.bars.push_back(op);
  }
  out.texts = fx.texts();
  return out;
}

TEST(StackedFraction, DenominatorDepth) {
  struct Case {
    const char32_t* group;
    const char32_t* firstOfDenominator;
    float depth;
  } cases[] = {
      {U"x^2/3", U"3", 28},   {U"3/x^2", U"x", 36}, {U"!2ﾝ/3", U"3", 36},
      {U"!2ﾝ/x^2", U"x", 44}, {U"1/√2", U"√", 44},  {U"1/!2ﾝ", U"2", 36},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    auto f = drawFraction(fx, c.group, 100, 200);
    ASSERT_FALSE(f.texts.empty()) << toUtf8(c.group);
    // The denominator is drawn first; a root sign is a polyline, so look for
    // the first glyph of the denominator among the texts or the bar.
    float top = -1;
    for (const DrawOp& t : f.texts) {
      if (t.text == c.firstOfDenominator) {
        top = t.y1 + (c.firstOfDenominator == Text(U"x") ? 16 : 0);  // italic x sits 16 up
        break;
      }
    }
    if (Text(c.firstOfDenominator) == U"√") {
      auto polys = ofKind(fx.draws(), DrawOp::Kind::Poly);
      ASSERT_EQ(polys.size(), 1u);
      top = polys[0].points[0].y - 24;  // the small sign starts 24 below its top
    }
    EXPECT_EQ(top, 200 + c.depth) << toUtf8(c.group);
    EXPECT_EQ(fx.lesson.penY, 200);
    EXPECT_EQ(fx.lesson.inFraction, 0);
  }
}

TEST(StackedFraction, WidthAndCentring) {
  struct Case {
    const char32_t* group;
    float width;
    const char32_t* centred;
    float centredDx;
    float centredY;
  } cases[] =
      {
          {U"3/4", 32, U"4", 0, 28},      {U"12/4", 64, U"4", 16, 28},
          {U"4/12", 64, U"4", 16, -10},   {U"!1ﾝ/2", 58, U"2", 13, 36},
          {U"2/3/4", 102, U"2", 35, -10},  // the second "/" is a division sign
          {U"/3", 32, U"3", 0, 28},        // empty numerator
          {U"3", 32, U"3", 0, 28},         // no "/": all denominator
      };
  for (const Case& c : cases) {
    LessonFixture fx;
    auto f = drawFraction(fx, c.group, 100, 200);
    ASSERT_EQ(f.bars.size(), 1u) << toUtf8(c.group);
    EXPECT_EQ(f.bars[0].x1, 100) << toUtf8(c.group);
    EXPECT_EQ(f.bars[0].x2, 100 + c.width) << toUtf8(c.group);
    EXPECT_EQ(f.bars[0].y1, 225);
    EXPECT_EQ(f.bars[0].y2, 225);
    EXPECT_EQ(fx.lesson.penX, 100 + c.width) << toUtf8(c.group);
    bool found = false;
    for (const DrawOp& t : f.texts) {
      if (t.text == c.centred) {
        EXPECT_EQ(t.x1, 100 + c.centredDx) << toUtf8(c.group);
        EXPECT_EQ(t.y1, 200 + c.centredY) << toUtf8(c.group);
        found = true;
        break;
      }
    }
    EXPECT_TRUE(found) << toUtf8(c.group);
  }
  LessonFixture fx;
  auto f = drawFraction(fx, U"2/3/4", 100, 200);
  EXPECT_EQ(f.texts[1].text, U"÷");
  EXPECT_EQ(f.texts[1].size, 11);
  EXPECT_EQ(drawFraction(fx, U"/3", 100, 200).texts.size(), 1u);  // nothing above the bar
}

TEST(StackedFraction, EmptyGroupDrawsNothing) {
  LessonFixture fx;
  fx.clear();
  EXPECT_EQ(drawText(fx, U"ﾀﾀ", 100, 200), 100);
  EXPECT_TRUE(fx.draws().empty());
  EXPECT_EQ(fx.lesson.inFraction, 0);
}

TEST(StackedFraction, ResultsLeftInSharedVariables) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  drawText(fx, U"a=ﾀ12/万ﾀ", 0, 200);
  EXPECT_EQ(l.workText, U"12");
  EXPECT_EQ(l.textWidth, 38);
  EXPECT_EQ(l.mathText, U"");
  EXPECT_EQ(l.inFraction, 0);
  EXPECT_EQ(l.glyphX, 59);
}

TEST(StackedFraction, RootInNumeratorHasItsBarAboveTheNumerator) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  fx.clear();
  drawText(fx, U"ﾀ!2ﾝ/3ﾀ", 100, 200);
  auto polys = ofKind(fx.draws(), DrawOp::Kind::Poly);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].points[0].x, 104);
  EXPECT_EQ(polys[0].points[0].y, 190 + 24);
  std::vector<std::vector<float>> roots;
  for (const DrawOp& op : ofKind(fx.draws(), DrawOp::Kind::Line)) {
    if (op.width == 3) roots.push_back({op.x1, op.y1, op.x2, op.y2});
  }
  EXPECT_EQ(roots, (std::vector<std::vector<float>>{{126, 184, 158, 184}}));
  EXPECT_EQ(l.rootState, 0);
}

// ---- measureText -------------------------------------------------------------

TEST(MathTextMeasure, KeepsPenAndTextAndDrawsNothingVisible) {
  struct Case {
    const char32_t* text;
    float width;
  } cases[] = {
      {U"", 0},
      {U"y=ﾀ3/4ﾀx-3", 172},
      {U"ﾀ1/23ﾀ+ﾀ4/5ﾀ", 64 + 27 + 32},  // fractions one after another
      {U"#ﾀ1/2ﾀﾝ", 64},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    fx.clear();
    l.penX = 321;
    l.penY = 123;
    l.workText = c.text;
    l.measureText();
    EXPECT_EQ(l.textWidth, c.width) << toUtf8(c.text);
    EXPECT_EQ(l.penX, 321);
    EXPECT_EQ(l.penY, 123);
    EXPECT_EQ(l.workText, c.text);
    EXPECT_EQ(l.mathText, U"");
    EXPECT_TRUE(fx.draws().empty()) << toUtf8(c.text);
  }
}

TEST(MathTextMeasure, ConsumesPendingFlagsLikeDrawing) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.superscriptNext = 1;
  l.bigParens = 1;
  l.workText = U"2(3)";
  l.measureText();
  EXPECT_EQ(l.textWidth, 24 + 27 + 27 + 27);
  EXPECT_EQ(l.superscriptNext, 0);
  EXPECT_EQ(l.bigParens, 0);
}

// ---- Text boxes --------------------------------------------------------------

struct BoxDrawn {
  DrawOp box;
  std::vector<DrawOp> texts;
  std::vector<DrawOp> lines;
};

BoxDrawn boxDraws(const LessonFixture& fx) {
  BoxDrawn out;
  auto fills = ofKind(fx.draws(), DrawOp::Kind::Fill);
  EXPECT_EQ(fills.size(), 1u);
  if (!fills.empty()) out.box = fills[0];
  out.texts = fx.texts();
  out.lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  return out;
}

void setBox(Lesson& l, const Text& text, float width, float height) {
  l.penX = 200;
  l.penY = 300;
  l.workText = text;
  l.boxWidth = width;
  l.boxHeight = height;
  l.lineColor = 3;
  l.plotColor = 13;
  l.textColor = 0;
}

TEST(TextBox, CentresItsText) {
  struct Case {
    const char32_t* text;
    float width, height;
    float textDx, textDy;  // of the first glyph, or of the fraction bar's left end
  } cases[] = {
      {U"1", 44, 44, 8.5f, 0},   {U"1", 44, 48, 8.5f, 2},  {U"1", 44, 43, 8.5f, -1},
      {U"ﾀ1/2ﾀ", 44, 48, 6, -1}, {U"ﾀ1/2ﾀ", 44, 51, 6, 0}, {U"123", 60, 44, 0, 0},
      {U"x", 100, 44, 36.5f, 0},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    fx.clear();
    setBox(l, c.text, c.width, c.height);
    l.drawTextBox();
    std::string what = toUtf8(c.text) + " in " + std::to_string(c.height);
    BoxDrawn d = boxDraws(fx);
    EXPECT_EQ((std::vector<float>{d.box.x1, d.box.y1, d.box.x2, d.box.y2}),
              (std::vector<float>{200, 300, 200 + c.width, 300 + c.height}))
        << what;
    EXPECT_EQ(d.box.color, 3);
    EXPECT_EQ(d.box.fill, 13);
    ASSERT_FALSE(d.texts.empty()) << what;
    if (contains(c.text, U"ﾀ")) {
      ASSERT_FALSE(d.lines.empty());
      EXPECT_EQ(d.lines[0].x1, 200 + c.textDx) << what;
      EXPECT_EQ(d.lines[0].y1, 300 + c.textDy + 25) << what;
    } else {
      float italicDx = c.text == Text(U"x") ? 4 : 0;
      float italicDy = c.text == Text(U"x") ? -22 : 0;
      EXPECT_EQ(d.texts[0].x1, 200 + c.textDx + italicDx) << what;
      EXPECT_EQ(d.texts[0].y1, 300 + c.textDy + italicDy) << what;
    }
    EXPECT_EQ(l.penX, 200 + c.width) << what;
    EXPECT_EQ(l.penY, 300) << what;
    EXPECT_EQ(l.mathText, U"");
  }
}

TEST(TextBox, RowOfBoxesAndEmptyText) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  fx.clear();
  setBox(l, U"", 80, 44);
  l.drawTextBox();
  EXPECT_EQ(l.textWidth, 0);
  l.workText = U"y";
  l.drawTextBox();
  auto fills = ofKind(fx.draws(), DrawOp::Kind::Fill);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].x2, 280);
  EXPECT_EQ(fills[1].x1, 280);
  EXPECT_EQ(fills[1].y1, 300);
  EXPECT_EQ(fx.texts().size(), 1u);
  EXPECT_EQ(l.penX, 360);
  EXPECT_EQ(l.penY, 300);
}

TEST(TextBox, TallParenthesesMeasuredAndDrawn) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  fx.clear();
  setBox(l, U"(2)", 100, 44);
  l.bigParens = 1;
  l.drawTextBox();
  auto texts = fx.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].fy, 4);
  EXPECT_EQ(texts[2].fy, 4);
  EXPECT_EQ(texts[0].x1, 200 + 9.5f - 4);
  EXPECT_EQ(l.bigParens, 0);
}

TEST(TextBox, BoxAroundTextKeepsTheLine) {
  struct Case {
    const char32_t* text;
    float height;
    float boxTop, boxBottom;
  } cases[] = {
      {U"①", 50, 297, 347},
      {U"5", 43, 301, 344},
      {U"ﾀ1/2ﾀ", 50, 300, 350},  // a fraction line is reckoned 50 high
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    fx.clear();
    setBox(l, c.text, 60, c.height);
    l.drawBoxAroundText();
    BoxDrawn d = boxDraws(fx);
    EXPECT_EQ(d.box.y1, c.boxTop) << toUtf8(c.text);
    EXPECT_EQ(d.box.y2, c.boxBottom) << toUtf8(c.text);
    EXPECT_EQ(d.box.x2, 260);
    if (!contains(c.text, U"ﾀ")) {
      EXPECT_EQ(d.texts[0].y1, 300) << toUtf8(c.text);
    }
    EXPECT_EQ(l.penX, 260);
    EXPECT_EQ(l.penY, 300);
  }
  LessonFixture fx;
  fx.clear();
  setBox(fx.lesson, U"5", 60, 50);
  fx.lesson.drawBoxAroundText();
  EXPECT_EQ(fx.texts()[0].x1, 200 + 16.5f);
}

TEST(TextBox, TwoLineBoxLinePositions) {
  struct Case {
    const char32_t* first;
    const char32_t* second;
    float y1, y2;  // -1: no second line
  } cases[] = {
      {U"1", U"2", 8, 52},
      {U"ﾀ1/2ﾀ", U"ﾀ3/4ﾀ", 5, 55},
      {U"1", U"", 33, -1},
      {U"ﾀ1/2ﾀ", U"7", 5, 52},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    fx.clear();
    l.penX = 200;
    l.penY = 300;
    l.boxWidth = 100;
    l.boxHeight = 120;
    l.lineColor = 0;
    l.plotColor = 15;
    l.textColor = 0;
    l.fractionAsGiven = c.first;
    l.fractionText = c.second;
    l.drawTwoLineBox();
    std::string what = toUtf8(c.first) + " / " + toUtf8(c.second);
    // The line's top: a plain digit's cell top, or the fraction bar less 25.
    // Each line is centred by its own width: a fraction 32 wide, a digit 27.
    std::vector<float> tops, lefts, expectedLefts;
    auto bars = ofKind(fx.draws(), DrawOp::Kind::Line);
    std::size_t bar = 0;
    for (const Text& line : {Text(c.first), Text(c.second)}) {
      if (line.empty()) continue;
      if (contains(line, U"ﾀ")) {
        ASSERT_LT(bar, bars.size()) << what;
        tops.push_back(bars[bar].y1 - 25);
        lefts.push_back(bars[bar].x1);
        expectedLefts.push_back(234);
        ++bar;
      } else {
        for (const DrawOp& t : fx.texts()) {
          if (t.text == line) {
            tops.push_back(t.y1);
            lefts.push_back(t.x1);
          }
        }
        expectedLefts.push_back(236.5f);
      }
    }
    std::vector<float> expected{300 + c.y1};
    if (c.y2 >= 0) expected.push_back(300 + c.y2);
    EXPECT_EQ(tops, expected) << what;
    EXPECT_EQ(lefts, expectedLefts) << what;
    EXPECT_EQ(l.penX, 300);
    EXPECT_EQ(l.penY, 300);
  }
}

}  // namespace
}  // namespace lesson
