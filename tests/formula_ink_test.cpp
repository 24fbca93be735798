// Formula letters as the pupil sees them: lines drawn through drawMathText (and
// the plane and the small text) are rendered, each glyph alone gives its ink,
// and the italic letters and the script l are compared with their advance, the
// Gothic digits of their line, their neighbours and the fraction bars.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/picture.h"
#include "support/test_lesson.h"

namespace lesson {
namespace {

using testing::LessonFixture;
using testing::Picture;

const Text kSerif = U"Times New Roman";
const Text kScript = U"MT Extra";

// The ink of one operation rendered alone on the page, as a pixel mask over
// the area round the line it belongs to.
struct Ink {
  static constexpr int kLeft = 0, kTop = 0, kWidth = 700, kHeight = 300;

  explicit Ink(const DrawOp& op) : mask(kWidth * kHeight, false) {
    Canvas canvas;
    canvas.add(op);
    Picture picture(canvas);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (picture.at(kLeft + x, kTop + y) == paletteRgb(15)) continue;
        mask[y * kWidth + x] = true;
        ++count;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
  }
  bool at(int x, int y) const {
    return x >= 0 && y >= 0 && x < kWidth && y < kHeight && mask[y * kWidth + x];
  }
  float middle() const { return static_cast<float>(top + bottom) / 2; }
  // True when a pixel of this ink lies on or next to (diagonals included) a
  // pixel of the other.
  bool touches(const Ink& other) const {
    if (left > other.right + 1 || other.left > right + 1 || top > other.bottom + 1 ||
        other.top > bottom + 1) {
      return false;
    }
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        if (!at(x, y)) continue;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            if (other.at(x + dx, y + dy)) return true;
          }
        }
      }
    }
    return false;
  }

  std::vector<bool> mask;
  int count = 0;
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // inclusive bounds
};

// Where the glyph rows put a letter's cell relative to its op: the op stands
// at (pen + dx, line top + dy), and the pen moves on by the advance.
struct Form {
  float dx, dy, advance;
};

// The row that drew a serif or script letter, told by its factors.
Form formOf(const DrawOp& op, Variant variant) {
  if (op.face == kSerif) return op.fx == 12 ? Form{4, -16, 32} : Form{4, -22, 27};
  if (variant == Variant::Tessarin && op.fx == 1) return {4, 0, 32};
  return {0, 0, 32};
}
bool inFractionForm(const DrawOp& op, Variant variant) {
  return op.face == kSerif ? op.fx == 12 : variant == Variant::Tessarin && op.fx == 3;
}

// One formula line drawn at (100, 100) by drawMathText, each op with its ink.
struct Line {
  Line(const Text& text, Variant program) : fx("", program), variant(program) {
    Lesson& l = fx.lesson;
    fx.clear();
    l.penX = 100, l.penY = 100, l.textColor = 0;
    l.mathText = text;
    l.drawMathText();
    ops = fx.draws();
    for (const DrawOp& op : ops) inks.emplace_back(op);
    digitOut = digitOp(U"1");
    digitIn = digitOp(U"ﾀ1/1ﾀ");
  }

  // The ink of a Gothic "1", whose flat foot marks the baseline, as the line's
  // own text operation draws it with its cell at the given top-left: outside
  // or inside a fraction part.
  Ink digit(bool inFraction, float x, float top) const {
    DrawOp op = inFraction ? digitIn : digitOut;
    op.x1 = x, op.y1 = top;
    return Ink(op);
  }

  // The width-4 line of a stacked fraction under or over the given x.
  const Ink* barAt(float x) const {
    for (std::size_t i = 0; i < ops.size(); ++i) {
      const DrawOp& op = ops[i];
      if (op.kind == DrawOp::Kind::Line && op.width == 4 && op.y1 == op.y2 && op.x1 <= x &&
          x <= op.x2) {
        return &inks[i];
      }
    }
    return nullptr;
  }

  LessonFixture fx;
  Variant variant;
  std::vector<DrawOp> ops;
  std::vector<Ink> inks;
  DrawOp digitOut, digitIn;

 private:
  DrawOp digitOp(const Text& text) {
    fx.clear();
    fx.lesson.penX = 0, fx.lesson.penY = 400;
    fx.lesson.mathText = text;
    fx.lesson.drawMathText();
    return fx.texts().back();
  }
};

// Pixels as the checks use them, from an op's logical position.
int px(float v) {
  return static_cast<int>(v);
}

// Checks a serif letter or the script l (op i of the line) against its
// advance, the line's Gothic digits, its neighbours and a fraction bar;
// `baseSlack` is how far its bottom may lie from the digits' bottom.
void checkLetter(const Line& line, std::size_t i, int baseSlack, int barGap) {
  const DrawOp& op = line.ops[i];
  const Ink& ink = line.inks[i];
  const Form form = formOf(op, line.variant);
  const bool inFraction = inFractionForm(op, line.variant);
  const float pen = op.x1 - form.dx;
  const float top = op.y1 - form.dy;
  SCOPED_TRACE(::testing::Message() << "letter " << toUtf8(op.text) << " at pen " << pen
                                    << (inFraction ? " in a fraction part" : ""));
  ASSERT_GT(ink.count, 0);

  // Inside its advance, 1 px slack each side.
  EXPECT_GE(ink.left, px(pen) - 1);
  EXPECT_LE(ink.right, px(pen + form.advance));

  // On the baseline of the Gothic digits of its line or fraction part.
  const Ink digit = line.digit(inFraction, pen, top);
  EXPECT_LE(std::abs(ink.bottom - digit.bottom), baseSlack)
      << "bottom " << ink.bottom << ", digits' " << digit.bottom;
  if (op.face == kSerif) {
    float height = static_cast<float>(ink.bottom - ink.top + 1);
    float digitHeight = static_cast<float>(digit.bottom - digit.top + 1);
    EXPECT_GE(height, 0.55f * digitHeight) << height << " of " << digitHeight;
    EXPECT_LE(height, 0.85f * digitHeight) << height << " of " << digitHeight;
  }

  // No neighbour is touched.
  for (std::size_t j = 0; j < line.ops.size(); ++j) {
    if (j != i) {
      EXPECT_FALSE(ink.touches(line.inks[j])) << "touches op " << j;
    }
  }

  // Clear of the fraction bar of its part.
  if (const Ink* bar = inFraction ? line.barAt(pen + form.advance / 2) : nullptr) {
    if (ink.middle() < bar->middle()) {
      EXPECT_GE(bar->top - ink.bottom - 1, barGap) << "above the bar";
    } else {
      EXPECT_GE(ink.top - bar->bottom - 1, barGap) << "below the bar";
    }
  }
}

TEST(FormulaInk, ItalicLettersSitOnTheLineInsideTheirAdvance) {
  const Text lines[] = {
      U"y=20-6x", U"8x+20", U"a>0",        U"a<0",     U"y=ax+b",    U"x^2",         U"xcm",
      U"ﾀx/2ﾀ",   U"ﾀ1/xﾀ", U"y=4πx^2",    U"5≦x≦10",  U"xの増加量", U"ﾀ2x/3ﾀ+c",    U"ﾀa/cﾀx",
      U"ﾀx^2/2ﾀ", U"-2x+5", U"y=ﾀ1/2ﾀx^2", U"y=ﾀ6/xﾀ", U"x分後",     U"(x,y)=(a,c)",
  };
  for (const Text& text : lines) {
    SCOPED_TRACE(toUtf8(text));
    Line line(text, Variant::Corbisk);
    int letters = 0;
    for (std::size_t i = 0; i < line.ops.size(); ++i) {
      if (line.ops[i].face != kSerif) continue;
      ++letters;
      checkLetter(line, i, 2, 2);
    }
    EXPECT_GT(letters, 0);
  }
}

TEST(FormulaInk, ExponentAfterALetterStandsApartAndRaised) {
  for (const Text text : {U"x^2", U"y=4πx^2", U"ﾀx^2/2ﾀ", U"a^3"}) {
    SCOPED_TRACE(toUtf8(text));
    Line line(text, Variant::Corbisk);
    auto letter = std::find_if(line.ops.begin(), line.ops.end(),
                               [](const DrawOp& op) { return op.face == kSerif; });
    ASSERT_NE(letter, line.ops.end());
    std::size_t i = letter - line.ops.begin();
    ASSERT_LT(i + 1, line.ops.size());
    const Ink& x = line.inks[i];
    const Ink& exponent = line.inks[i + 1];
    EXPECT_FALSE(x.touches(exponent));
    EXPECT_LE(exponent.bottom, x.middle() + 2)
        << "exponent bottom " << exponent.bottom << ", letter " << x.top << ".." << x.bottom;
  }
}

TEST(FormulaInk, ScriptLSitsOnTheLineInEachProgram) {
  struct Case {
    Variant variant;
    const char32_t* text;
  } cases[] = {
      {Variant::Corbisk, U"直線l"},    {Variant::Corbisk, U"l=12"},   {Variant::Tessarin, U"直線l"},
      {Variant::Tessarin, U"l=12"},    {Variant::Tessarin, U"ﾀl/2ﾀ"}, {Variant::Tessarin, U"ﾀ1/lﾀ"},
      {Variant::Tessarin, U"ﾀ3l/2lﾀ"},
      // The other programs draw an l in a fraction part in its outside form,
      // which no lesson text does; it is not checked here.
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.text));
    SCOPED_TRACE(c.variant == Variant::Tessarin ? "Tessarin" : "Corbisk");
    Line line(c.text, c.variant);
    int letters = 0;
    for (std::size_t i = 0; i < line.ops.size(); ++i) {
      if (line.ops[i].face != kScript) continue;
      ++letters;
      checkLetter(line, i, 3, 1);
    }
    EXPECT_GT(letters, 0);
  }
}

TEST(FormulaInk, PlaneLetterXStandsJustAboveTheAxis) {
  for (float unit : {30.0f, 40.0f}) {  // axis font sizes 26 and 30
    SCOPED_TRACE(unit);
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.graphXMin = -3, l.graphXMax = 3, l.graphYMin = -2, l.graphYMax = 2;
    l.graphXStep = 1, l.graphYStep = 1;
    l.graphLeft = 60, l.graphTop = 40, l.gridUnit = unit, l.lineColor = 14;
    fx.clear();
    l.drawGraphPlane();
    auto draws = fx.draws();
    auto x =
        std::find_if(draws.begin(), draws.end(), [](const DrawOp& op) { return op.text == U"x"; });
    auto axis = std::find_if(draws.begin(), draws.end(), [&](const DrawOp& op) {
      return op.kind == DrawOp::Kind::Line && op.y1 == l.originY && op.y2 == l.originY;
    });
    ASSERT_NE(x, draws.end());
    ASSERT_NE(axis, draws.end());
    Ink letter(*x), line(*axis);
    EXPECT_LT(letter.bottom, line.top);
    EXPECT_LE(line.top - letter.bottom, 3) << "gap above the axis";
    EXPECT_LE(letter.right, px(l.plotRight)) << "inside the plane";
  }
}

TEST(FormulaInk, SmallTextItalicLettersStayInTheirCells) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  fx.clear();
  l.penX = 100, l.penY = 100, l.textColor = 0;
  l.mathText = U"2ax+c=10";
  l.drawSmallText();
  auto ops = fx.draws();
  std::vector<Ink> inks(ops.begin(), ops.end());
  const Ink& digit = inks[0];
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].face != kSerif) continue;
    SCOPED_TRACE(toUtf8(ops[i].text));
    const int pen = px(ops[i].x1 - 4);
    EXPECT_GE(inks[i].left, pen - 1);
    EXPECT_LE(inks[i].right, pen + 20);
    EXPECT_LE(std::abs(inks[i].bottom - digit.bottom), 2);
    for (std::size_t j = 0; j < ops.size(); ++j) {
      if (j != i) {
        EXPECT_FALSE(inks[i].touches(inks[j])) << "touches op " << j;
      }
    }
  }
}

}  // namespace
}  // namespace lesson
