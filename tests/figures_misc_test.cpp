// The brace and equation columns, small text and its boxes, and the geometry
// and number routines of the library.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/test_lesson.h"

namespace lesson {
namespace {

using testing::LessonFixture;
using testing::ofKind;

// ---- Brace and equation columns ---------------------------------------------

TEST(Brace, SevenPointsInTheTextColourAtWidthFive) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.setDrawWidth(2);
  l.penX = 50, l.penY = 60, l.boxWidth = 100, l.textColor = 4;
  fx.clear();
  l.drawBrace();
  auto polys = ofKind(fx.draws(), DrawOp::Kind::Poly);
  ASSERT_EQ(polys.size(), 1u);
  const std::vector<Point> expected = {{85, 65},     {73, 68},  {73, 100.5f}, {58, 107.5f},
                                       {73, 114.5f}, {73, 147}, {85, 150}};
  ASSERT_EQ(polys[0].points.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(polys[0].points[i].x, expected[i].x) << i;
    EXPECT_EQ(polys[0].points[i].y, expected[i].y) << i;
  }
  EXPECT_EQ(polys[0].width, 5);
  EXPECT_EQ(polys[0].color, 4);
  EXPECT_EQ(polys[0].fill, -1);
  EXPECT_EQ(l.getDrawWidth(), 2);
  EXPECT_EQ(l.penX, 50);
  EXPECT_EQ(l.penY, 60);
  // The fraction results are its scratch: the stem's x and the tip's x.
  EXPECT_EQ(l.gcdResult, 73);
  EXPECT_EQ(l.lcmResult, 58);
}

TEST(EquationColumns, BarFollowsTheWiderEquation) {
  struct Case {
    const char32_t* first;
    const char32_t* second;
    const char32_t* op;
  } cases[] = {
      {U"2x+3y=12", U"x+3y=3", U"-"},
      {U"x=1", U"4x-y=10", U"-"},
      {U"x+y=3", U"x+y=3", U""},  // equal widths; ")" stands alone
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.workText = c.first;
    l.measureText();
    const float w1 = l.textWidth;
    l.workText = c.second;
    l.measureText();
    const float w = std::max(w1, l.textWidth);

    l.setDrawWidth(2);
    l.penX = 100, l.penY = 200;
    l.fractionAsGiven = c.first, l.fractionText = c.second, l.columnOperator = c.op;
    l.arcHeight = 50, l.lineColor = 0, l.textColor = 5;
    fx.clear();
    l.drawEquationColumns();
    SCOPED_TRACE(toUtf8(c.first));

    std::vector<DrawOp> bars;
    for (const DrawOp& op : ofKind(fx.draws(), DrawOp::Kind::Line)) {
      if (op.width == 3 && op.y1 == op.y2 && op.y1 == 300) bars.push_back(op);
    }
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].x1, 127);
    EXPECT_EQ(bars[0].x2, 157 + w);
    EXPECT_EQ(bars[0].color, 0);
    EXPECT_EQ(l.textLineY, 250);
    EXPECT_EQ(l.columnResultX, 154);
    EXPECT_EQ(l.mathText, U"");
    EXPECT_EQ(l.getDrawWidth(), 2);
    EXPECT_EQ(l.textColor, 5);

    // The ")" sits 6 px below the second row, right after the operator.
    bool sawParen = false;
    for (const DrawOp& op : fx.texts()) {
      if (op.text != U")") continue;
      sawParen = true;
      EXPECT_NEAR(op.y1, 256, 10);
      if (*c.op == 0) {
        EXPECT_NEAR(op.x1, 100, 10);
      } else {
        EXPECT_GT(op.x1, 110);
      }
    }
    EXPECT_TRUE(sawParen);
  }
}

// ---- Small text ---------------------------------------------------------------

TEST(SmallText, AdvancesAndPlaces) {
  struct Glyph {
    const char32_t* text;
    float dx, dy, fx, fy;
  };
  struct Case {
    const char32_t* text;
    float advance;
    std::vector<Glyph> glyphs;  // offsets from the pen at (100, 200)
  } cases[] = {
      {U"午前9", 80, {{U"午", 0, 0, 2, 2}, {U"前", 30, 0, 2, 2}, {U"9", 60, 0, 3, 2}}},
      {U"(3)", 40, {{U"(", -8, 0, 3, 2}, {U"3", 12, 0, 3, 2}, {U")", 32, 0, 3, 2}}},
      {U"2x", 40, {{U"2", 0, 0, 3, 2}, {U"x", 24, -12, 7, 4}}},
      {U"y", 20, {{U"y", 0, -6, 3, 2}}},
      {U"1.5 km",
       8 + 20 * 5,
       {{U"1", 0, 0, 3, 2},
        {U".", 20, 0, 3, 2},
        {U"5", 28, 0, 3, 2},
        {U"k", 68, 0, 3, 2},
        {U"m", 88, 0, 3, 2}}},
      {U"ﾀ^!", 60, {{U"ﾀ", 0, 0, 3, 2}, {U"^", 20, 0, 3, 2}, {U"!", 40, 0, 3, 2}}},
      {U"", 0, {}},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.setDrawWidth(2);
    l.setFontBold(true);
    l.penX = 100, l.penY = 200, l.textColor = 6, l.mathText = c.text;
    fx.clear();
    l.drawSmallText();
    SCOPED_TRACE(toUtf8(c.text));
    EXPECT_EQ(l.penX, 100 + c.advance);
    EXPECT_EQ(l.penY, 200);
    EXPECT_EQ(l.mathText, U"");
    auto texts = fx.texts();
    ASSERT_EQ(texts.size(), c.glyphs.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i].text, c.glyphs[i].text);
      EXPECT_EQ(texts[i].x1, 100 + c.glyphs[i].dx);
      EXPECT_EQ(texts[i].y1, 200 + c.glyphs[i].dy);
      EXPECT_EQ(texts[i].fx, c.glyphs[i].fx);
      EXPECT_EQ(texts[i].fy, c.glyphs[i].fy);
      EXPECT_EQ(texts[i].color, 6);
      EXPECT_TRUE(texts[i].bold);
      if (texts[i].text == U"x") {
        EXPECT_EQ(texts[i].face, U"Times New Roman");
        EXPECT_EQ(texts[i].size, 8);
        EXPECT_TRUE(texts[i].italic);
      } else {
        EXPECT_EQ(texts[i].size, 15);
        EXPECT_FALSE(texts[i].italic);
      }
    }
    EXPECT_FALSE(l.fontBold());
    EXPECT_FALSE(l.fontItalic());
    EXPECT_EQ(l.fontSize(), 16);
    EXPECT_EQ(l.getDrawWidth(), 2);
  }
}

TEST(SmallText, BoxesCentreTheirLines) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.textColor = 0, l.lineColor = 1, l.plotColor = 14;

  // One line: "午前9" is 80 wide, so 60 px in from each side of 200.
  l.penX = 100, l.penY = 50, l.boxWidth = 200, l.boxHeight = 61;
  l.workText = U"午前9";
  fx.clear();
  l.drawSmallTextBox();
  auto fills = ofKind(fx.draws(), DrawOp::Kind::Fill);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].x2, 300);
  EXPECT_EQ(fills[0].y2, 111);
  EXPECT_EQ(fills[0].color, 1);
  EXPECT_EQ(fills[0].fill, 14);
  auto texts = fx.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].x1, 160);
  EXPECT_EQ(texts[0].y1, 50 + 17);  // INT((61 - 26) / 2)
  EXPECT_EQ(l.penX, 300);
  EXPECT_EQ(l.penY, 50);

  // A text wider than the box starts at its left edge.
  l.penX = 100, l.penY = 50, l.boxWidth = 40;
  l.workText = U"午前9";
  fx.clear();
  l.drawSmallTextBox();
  EXPECT_EQ(fx.texts()[0].x1, 100);

  // Two lines, and the first line alone 15 px lower.
  for (const char32_t* second : {U"km", U""}) {
    l.penX = 100, l.penY = 50, l.boxWidth = 200, l.boxHeight = 100;
    l.fractionAsGiven = U"午前9";
    l.fractionText = second;
    fx.clear();
    l.drawTwoLineSmallBox();
    auto ts = fx.texts();
    ASSERT_FALSE(ts.empty());
    const float top = 50 + 12;  // INT((100 / 2 - 26) / 2)
    EXPECT_EQ(ts[0].x1, 160);
    EXPECT_EQ(ts[0].y1, *second ? top : top + 15);
    if (*second) {
      ASSERT_EQ(ts.size(), 5u);
      EXPECT_EQ(ts[3].x1, 180);  // "km" is 40 wide
      EXPECT_EQ(ts[3].y1, top + 30);
    }
    EXPECT_EQ(l.penX, 300);
    EXPECT_EQ(l.penY, 50);
  }
}

TEST(SmallText, ParenthesizeNegative) {
  struct Case {
    const char32_t* in;
    const char32_t* out;
  } cases[] = {{U"-3", U"(-3)"}, {U"2-x", U"(2-x)"}, {U"3", U"3"}, {U"", U""}};
  for (const Case& c : cases) {
    LessonFixture fx;
    fx.lesson.workText = c.in;
    fx.lesson.parenthesizeNegative();
    EXPECT_EQ(fx.lesson.workText, c.out);
  }
}

// ---- Geometry ------------------------------------------------------------------

TEST(LibraryGeometry, FootOfPerpendicular) {
  struct Case {
    float sx1, sy1, sx2, sy2, px, py;
    float fx, fy;
  } cases[] = {
      {0, 0, 100, 100, 100, 0, 50, 50}, {10, 0, 10, 50, 70, 30, 10, 30},  // vertical line
      {0, 20, 90, 20, 70, 80, 70, 20},                                    // horizontal line
      {5, 5, 5, 5, 70, 30, 5, 30},  // one point counts as vertical
      {0, 0, 100, 50, 0, 50, 20, 10},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.segmentX1 = c.sx1, l.segmentY1 = c.sy1, l.segmentX2 = c.sx2, l.segmentY2 = c.sy2;
    l.pointPX = c.px, l.pointPY = c.py;
    fx.clear();
    l.footOfPerpendicular();
    EXPECT_NEAR(l.footX, c.fx, 1e-4);
    EXPECT_NEAR(l.footY, c.fy, 1e-4);
    auto discs = ofKind(fx.draws(), DrawOp::Kind::Circle);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].radius, 2);
    EXPECT_EQ(discs[0].color, 15);
  }
  // The general case leaves its working lines in the plane extents.
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.segmentX2 = 100, l.segmentY2 = 100, l.pointPX = 100;
  l.footOfPerpendicular();
  EXPECT_EQ(l.graphXMin, 1);
  EXPECT_EQ(l.graphYMin, 0);
  EXPECT_EQ(l.graphXMax, -1);
  EXPECT_EQ(l.graphYMax, 100);
}

TEST(LibraryGeometry, LineIntersection) {
  struct Case {
    const char* name;
    float s[4], p[4];
    float x, y;
  } cases[] = {
      {"vertical and slanted", {10, 0, 10, 50}, {0, 0, 20, 20}, 10, 10},
      {"slanted and vertical", {0, 0, 20, 20}, {30, 0, 30, 5}, 30, 30},
      {"two slanted", {0, 0, 10, 10}, {0, 10, 10, 0}, 5, 5},
      {"one point counts as horizontal", {3, 7, 3, 7}, {0, 0, 1, 1}, 7, 7},
      {"parallel: unchanged", {0, 0, 10, 10}, {0, 5, 10, 15}, -1, -1},
      {"two vertical: the second's x", {4, 0, 4, 9}, {8, 0, 8, 9}, 8, -1},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.segmentX1 = c.s[0], l.segmentY1 = c.s[1], l.segmentX2 = c.s[2], l.segmentY2 = c.s[3];
    l.pointPX = c.p[0], l.pointPY = c.p[1], l.pointQX = c.p[2], l.pointQY = c.p[3];
    l.crossX = -1, l.crossY = -1;
    l.lineIntersection();
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(l.crossX, c.x, 1e-4);
    EXPECT_NEAR(l.crossY, c.y, 1e-4);
  }
}

TEST(LibraryGeometry, PointOnLine) {
  struct Case {
    float s[4], px, py;
    float x, y;
  } cases[] = {
      {{0, 0, 10, 20}, -1, 40, 20, 40},
      {{0, 0, 10, 20}, 5, -1, 5, 10},
      {{7, 0, 7, 50}, -1, 30, 7, 30},  // vertical: its own x at the given y
      {{0, 9, 50, 9}, 12, -1, 12, 9},  // horizontal: its own y at the given x
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.segmentX1 = c.s[0], l.segmentY1 = c.s[1], l.segmentX2 = c.s[2], l.segmentY2 = c.s[3];
    l.pointPX = c.px, l.pointPY = c.py;
    l.pointOnLine();
    EXPECT_EQ(l.workX, c.x);
    EXPECT_EQ(l.workY, c.y);
  }
}

TEST(LibraryGeometry, ThirdVertexOnTheHalfEllipse) {
  struct Case {
    float bx, by, angle, height;
    float x, y;
  } cases[] = {
      {200, 100, 0, 30, 200, 100},    // B
      {200, 100, 180, 30, 100, 100},  // A
      {200, 100, 90, 30, 150, 70},    // left of A->B on the screen is up
      {200, 100, 90, -30, 150, 130},
      {100, 300, 90, 40, 140, 200},  // base pointing down: left is +x
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.arrowHeadX = 100, l.arrowHeadY = 100, l.pointBX = c.bx, l.pointBY = c.by;
    l.vertexAngleDeg = c.angle, l.arcHeight = c.height;
    l.thirdVertex();
    EXPECT_NEAR(l.arrowTailX, c.x, 0.05) << c.angle << " " << c.bx;
    EXPECT_NEAR(l.arrowTailY, c.y, 0.05) << c.angle << " " << c.bx;
  }
  // A base of no length gives A and no error.
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.arrowHeadX = l.pointBX = 100, l.arrowHeadY = l.pointBY = 80;
  l.vertexAngleDeg = 90, l.arcHeight = 30;
  fx.clear();
  EXPECT_NO_THROW(l.thirdVertex());
  EXPECT_EQ(l.arrowTailX, 100);
  EXPECT_EQ(l.arrowTailY, 80);
  EXPECT_TRUE(fx.draws().empty());
}

// ---- Numbers ----------------------------------------------------------------------

TEST(LibraryNumbers, SimplifyRoot) {
  struct Case {
    float given, coefficient, rest;
    const char32_t *coefText, *simplified, *givenText, *remaining, *part;
  } cases[] = {
      {72, 6, 2, U"6", U"6!2ﾝ", U"!72ﾝ=", U"!2ﾝ", U"! 2"},
      {36, 6, 1, U"6", U"6ﾝ", U"!36ﾝ=", U"ﾝ", U""},
      {7, 1, 7, U"", U"!7ﾝ", U"", U"!7ﾝ", U"! 7"},
      {1, 1, 1, U"1", U"1ﾝ", U"", U"ﾝ", U""},
      {2 * 211 * 211, 1, 2 * 211 * 211, U"", U"!89042ﾝ", U"", U"!89042ﾝ", U"! 89042"},
      // Nothing to take apart below 1 (0 would never finish).
      {0, 1, 0, U"", U"", U"", U"", U""},
      {-8, 1, -8, U"", U"", U"", U"", U""},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.radicand = c.given;
    EXPECT_NO_THROW(l.simplifyRoot());
    SCOPED_TRACE(c.given);
    EXPECT_EQ(l.rootCoefficient, c.coefficient);
    EXPECT_EQ(l.radicand, c.rest);
    EXPECT_EQ(l.radicandGiven, c.given);
    EXPECT_EQ(l.rootCoefficientText, c.coefText);
    EXPECT_EQ(l.simplifiedRootText, c.simplified);
    EXPECT_EQ(l.givenRootText, c.givenText);
    EXPECT_EQ(l.remainingRootText, c.remaining);
    EXPECT_EQ(l.rootPartText, c.part);
    EXPECT_EQ(l.workText, c.remaining);
  }
}

TEST(LibraryNumbers, PrimeFactorTable) {
  struct Row {
    float prime, exponent;
  };
  struct Case {
    float number;
    std::vector<Row> rows;
    Row rest;
    float left;  // factorNumber afterwards
  } cases[] = {
      {360, {{2, 3}, {3, 2}, {5, 1}}, {1, 1}, 360},
      {58, {{2, 1}}, {29, 1}, 58},
      {1, {}, {1, 1}, 1},
      {-12, {{2, 2}, {3, 1}}, {1, 1}, 12},
      {23 * 23 * 31, {{23, 2}}, {31, 1}, 23 * 23 * 31},
      {0, {}, {0, 1}, 0},  // every prime divides 0: no rows instead of counting for ever
      {0.4f, {}, {0.4f, 1}, 0.4f},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.pointTable(4, 1) = 99;
    l.factorNumber = c.number;
    EXPECT_NO_THROW(l.primeFactorTable());
    SCOPED_TRACE(c.number);
    ASSERT_EQ(l.factorRowCount, static_cast<float>(c.rows.size()));
    for (int r = 1; r <= 9; ++r) {
      Row want = r <= static_cast<int>(c.rows.size()) ? c.rows[r - 1] : Row{0, 0};
      EXPECT_EQ(l.pointTable(static_cast<float>(r), 1), want.prime) << r;
      EXPECT_EQ(l.pointTable(static_cast<float>(r), 2), want.exponent) << r;
    }
    EXPECT_EQ(l.pointTable(10, 1), c.rest.prime);
    EXPECT_EQ(l.pointTable(10, 2), c.rest.exponent);
    EXPECT_EQ(l.factorNumber, c.left);
    EXPECT_EQ(l.primeList(10), 29);
  }
}

TEST(LibraryNumbers, DivisorList) {
  struct Case {
    float n;
    std::vector<float> divisors;
    float pairs;
    float loopEnd;  // the counter is left one past its last value
  } cases[] = {
      {12, {1, 2, 3, 4, 6, 12}, 3, 13},
      {-12, {1, 2, 3, 4, 6, 12}, 3, 13},
      {0, {1}, 1, 2},  // the first pass always runs; 1/2 made whole is 1
      {9, {1, 3, 9}, 2, 10},
      {7, {1, 7}, 1, 8},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.pointQY = c.n;
    l.divisorList();
    SCOPED_TRACE(c.n);
    ASSERT_EQ(l.signPick, static_cast<float>(c.divisors.size()));
    const float n = std::fabs(c.n);
    for (std::size_t i = 0; i < c.divisors.size(); ++i) {
      EXPECT_EQ(l.markX(static_cast<float>(i + 1)), c.divisors[i]);
      EXPECT_EQ(l.markY(static_cast<float>(i + 1)), n / c.divisors[i]);
    }
    EXPECT_EQ(l.divisorPairCount, c.pairs);
    EXPECT_EQ(l.pointQY, n);
    EXPECT_EQ(l.loopIndex, c.loopEnd);
  }

  // 5040 has 60 divisors: the tables keep the first 40 and no error is raised.
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.pointQY = 5040;
  EXPECT_NO_THROW(l.divisorList());
  EXPECT_EQ(l.signPick, 40);
  EXPECT_EQ(l.markX(1), 1);
  EXPECT_EQ(l.markX(40), 144);  // the 40th divisor of 5040
  EXPECT_EQ(l.markY(40), 35);
  EXPECT_EQ(l.divisorPairCount, 20);
}

TEST(LibraryNumbers, SignEdits) {
  struct Case {
    const char32_t* in;
    const char32_t *flipped, *noPlus, *noSign;
  } cases[] = {
      {U"", U"", U"", U""},
      {U"-3x", U"+3x", U"-3x", U"3x"},
      {U"+3x", U"-3x", U"3x", U"3x"},
      {U"3x", U"-3x", U"3x", U"3x"},
      {U"ﾀ1/2ﾀ", U"-ﾀ1/2ﾀ", U"ﾀ1/2ﾀ", U"ﾀ1/2ﾀ"},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.workText = c.in;
    l.flipSign();
    EXPECT_EQ(l.workText, c.flipped);
    l.workText = c.in;
    l.dropLeadingPlus();
    EXPECT_EQ(l.workText, c.noPlus);
    l.workText = c.in;
    l.dropLeadingSign();
    EXPECT_EQ(l.workText, c.noSign);
  }
}

}  // namespace
}  // namespace lesson
