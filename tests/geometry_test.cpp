// Figure routines: directions, angle labels, length arcs, the square grid,
// lettered polygons and the geometry marks, including degenerate inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/test_lesson.h"

namespace lesson {
namespace {

using testing::LessonFixture;
using testing::ofKind;

constexpr float kPi = 3.14159f;

// The width drawMathText gives `text`.
float widthOf(Lesson& l, const Text& text) {
  l.workText = text;
  l.measureText();
  return l.textWidth;
}

// Sets every one-shot label input to a non-zero value.
void armOneShots(Lesson& l, const Text& label) {
  l.pointLabel = label;
  l.arrowHeadSize = 7;
  l.angleLabelDx = 3;
  l.angleLabelDy = 4;
  l.labelSmallText = 2;
  l.markSide = 1;
}

void expectOneShotsReset(const Lesson& l) {
  EXPECT_TRUE(l.pointLabel.empty());
  EXPECT_EQ(l.arrowHeadSize, 0);
  EXPECT_EQ(l.angleLabelDx, 0);
  EXPECT_EQ(l.angleLabelDy, 0);
  EXPECT_EQ(l.labelSmallText, 0);
  EXPECT_EQ(l.markSide, 0);
}

// ---- Directions -----------------------------------------------------------

TEST(PointAngle, QuadrantsAxesAndTheSamePoint) {
  struct Case {
    float dx, dy;  // B relative to A, screen y down
    float degrees;
  } cases[] = {
      {100, 0, 0},   {0, -100, 90},   {-100, 0, 180}, {0, 100, 270}, {0, 0, 180},
      {50, -50, 45}, {-50, -50, 135}, {-50, 50, 225}, {50, 50, 315}, {100, -1, 0.5729387f},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.piValue = 3;
    l.arrowHeadX = 400, l.arrowHeadY = 300;
    l.pointBX = 400 + c.dx, l.pointBY = 300 + c.dy;
    l.pointAngle();
    SCOPED_TRACE(::testing::Message() << c.dx << "," << c.dy);
    EXPECT_EQ(l.piValue, kPi);
    EXPECT_NEAR(l.angleDeg, c.degrees, 1e-3);
    EXPECT_FLOAT_EQ(l.angleRad, l.angleDeg * kPi / 180);
    EXPECT_GE(l.angleRad, 0);
    EXPECT_LT(l.angleRad, 2 * kPi);
  }
}

TEST(RayAngles, BisectorArcsAndAngleText) {
  struct Case {
    float bdx, bdy, cdx, cdy, side;
    float rayB, rayC, arcB, arcC, bisector;
    const char32_t* text;
  } cases[] = {
      {100, 0, 0, -100, 0, 0, kPi / 2, 1, .75f, kPi / 4, U"90"},
      {100, 0, 0, -100, -1, kPi / 2, 0, .75f, 1, kPi / 4 + kPi, U"270"},
      {100, 0, 50, 0, 0, 0, 0, 1, 1, 0, U"0"},
      {-100, 0, 100, 0, 0, kPi, 0, .5f, 1, 3 * kPi / 2, U"180"},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.arrowHeadX = 400, l.arrowHeadY = 300;
    l.pointBX = 400 + c.bdx, l.pointBY = 300 + c.bdy;
    l.pointCX = 400 + c.cdx, l.pointCY = 300 + c.cdy;
    l.markSide = c.side;
    l.rayAngles();
    SCOPED_TRACE(toUtf8(c.text));
    EXPECT_NEAR(l.rayAngleB, c.rayB, 1e-5);
    EXPECT_NEAR(l.rayAngleC, c.rayC, 1e-5);
    EXPECT_NEAR(l.rayArcB, c.arcB, 1e-6);
    EXPECT_NEAR(l.rayArcC, c.arcC, 1e-6);
    EXPECT_NEAR(l.bisectorAngle, c.bisector, 1e-5);
    l.angleDegreesText();
    EXPECT_EQ(l.angleText, c.text);
    EXPECT_EQ(l.markSide, c.side);  // only drawAngleLabel consumes it
  }
}

// ---- Angle labels ---------------------------------------------------------

TEST(AngleLabel, StandsBeyondTheBisectorPointAndResetsItsInputs) {
  struct Case {
    const char32_t* label;
    float bdx, cdx;  // B and C on the vertex's row: bisector up (B right) or down
    float s, dx, dy;
    float penYFromVertex;
  } cases[] = {
      {U"A", 100, -100, 0, 0, 0, -44},         // up: box ends at the vertex's row
      {U"A", -100, 100, 0, 0, 0, 0},           // down: box starts at the vertex's row
      {U"ﾀ1/2ﾀ", 100, -100, 0, 0, 0, -80},     // a fraction is 40 high per half
      {U"2.5km", 100, -100, 30, -27, 5, -69},  // distance and offsets
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    const float w = widthOf(l, c.label);
    armOneShots(l, c.label);
    l.markSide = 0;
    l.labelSmallText = 0;
    l.arrowHeadSize = c.s;
    l.angleLabelDx = c.dx;
    l.angleLabelDy = c.dy;
    l.arrowHeadX = 500, l.arrowHeadY = 400;
    l.pointBX = 500 + c.bdx, l.pointBY = 400;
    l.pointCX = 500 + c.cdx, l.pointCY = 400;
    l.textColor = 2;
    fx.clear();
    l.drawAngleLabel();
    SCOPED_TRACE(toUtf8(c.label));
    // Centred on the vertex's column; penX is left just past the label.
    EXPECT_NEAR(l.penX - w, 500 - w / 2 + c.dx, 1e-3);
    EXPECT_NEAR(l.penY, 400 + c.penYFromVertex, 1e-3);
    EXPECT_EQ(l.textWidth, w);
    EXPECT_TRUE(l.mathText.empty());
    ASSERT_FALSE(fx.texts().empty());
    EXPECT_EQ(fx.texts()[0].color, 2);
    expectOneShotsReset(l);
  }
}

TEST(AngleLabel, SmallTextOnlyForOneAndEmptyLabelDrawsNothing) {
  for (float small : {1.0f, 2.0f}) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    armOneShots(l, U"B");
    l.labelSmallText = small;
    l.arrowHeadX = 500, l.arrowHeadY = 400, l.pointBX = 600, l.pointBY = 400;
    l.pointCX = 400, l.pointCY = 400;
    fx.clear();
    l.drawAngleLabel();
    ASSERT_EQ(fx.texts().size(), 1u);
    EXPECT_EQ(fx.texts()[0].size == 15, small == 1) << small;
    expectOneShotsReset(l);
  }
  LessonFixture fx;
  armOneShots(fx.lesson, U"");
  fx.clear();
  fx.lesson.drawAngleLabel();
  EXPECT_TRUE(fx.draws().empty());
  expectOneShotsReset(fx.lesson);
}

// ---- Length arcs ----------------------------------------------------------

struct ArcRun {
  std::vector<DrawOp> dots;
  float labelWidth = 0;
};

ArcRun drawArc(LessonFixture& fx, float ax, float ay, float bx, float by, float height, float side,
               float step, const Text& label = U"4cm") {
  Lesson& l = fx.lesson;
  ArcRun run;
  run.labelWidth = widthOf(l, label);
  armOneShots(l, label);
  l.arrowHeadX = ax, l.arrowHeadY = ay, l.pointBX = bx, l.pointBY = by;
  l.arcHeight = height;
  l.arcSide = side;
  l.boxWidth = step;
  l.lineColor = 1;
  l.angleLabelDx = 0;
  l.angleLabelDy = 0;
  l.labelSmallText = 0;
  fx.clear();
  l.drawLengthArc();
  run.dots = ofKind(fx.draws(), DrawOp::Kind::Circle);
  return run;
}

TEST(LengthArc, DotCountFollowsTheStep) {
  struct Case {
    float side, step;
    std::size_t dots;
    float lastX;  // of the last dot
  } cases[] = {
      {1, 10, 19, 300},  {1, 7, 26, 299.619f}, {1, 15, 13, 300},
      {-1, 10, 19, 100}, {0, 15, 13, 100},     {1, -5, 1, 100},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    ArcRun run = drawArc(fx, 100, 300, 300, 300, 20, c.side, c.step);
    SCOPED_TRACE(::testing::Message() << c.side << " step " << c.step);
    ASSERT_EQ(run.dots.size(), c.dots);
    for (const DrawOp& d : run.dots) {
      EXPECT_EQ(d.radius, 0.5f);
      EXPECT_TRUE(d.filled);
      EXPECT_EQ(d.color, 1);
      EXPECT_EQ(d.fill, 1);
    }
    EXPECT_NEAR(run.dots.back().x1, c.lastX, 0.01);
    EXPECT_EQ(fx.lesson.boxWidth, c.step);
  }
}

TEST(LengthArc, ApexLabelOutsideAndWorkingValuesLeft) {
  struct Case {
    float ax, ay, bx, by, height, side;
    float apexX, apexY;
    float labelLeft;  // the label's left edge from the apex, in label widths
    float labelTop;   // top of the label's box
    float endIndex;   // the parameter where the dot loop stopped
  } cases[] = {
      // Below the segment, label under the apex; above, the box ends at the apex.
      {100, 300, 300, 300, 20, 1, 200, 320, -.5f, 320, 370},
      {100, 300, 300, 300, 20, -1, 200, 280, -.5f, 236, 190},
      // No bulge on an upright segment: the label beside its middle, 22 px up,
      // right of a downward segment and left of an upward one (side -1).
      {400, 100, 400, 212.5f, 0, -1, 400, 156.25f, 0, 134.25f, 190},
      {400, 212.5f, 400, 100, 0, -1, 400, 156.25f, -1, 134.25f, 190},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    ArcRun run = drawArc(fx, c.ax, c.ay, c.bx, c.by, c.height, c.side, 10);
    SCOPED_TRACE(::testing::Message() << c.ax << "," << c.ay << " side " << c.side);
    const DrawOp& middle = run.dots[9];
    EXPECT_NEAR(middle.x1, c.apexX, 1e-3);
    EXPECT_NEAR(middle.y1, c.apexY, 1e-3);
    EXPECT_NEAR(l.arrowHeadX, c.apexX, 1e-3);
    EXPECT_NEAR(l.arrowHeadY, c.apexY, 1e-3);
    EXPECT_EQ(l.arrowTailX, l.arrowHeadX);
    EXPECT_EQ(l.arrowTailY, l.arrowHeadY);
    EXPECT_EQ(l.pointBX, c.ax);
    EXPECT_EQ(l.pointBY, c.ay);
    EXPECT_EQ(l.pointCX, c.bx);
    EXPECT_EQ(l.pointCY, c.by);
    EXPECT_NEAR(l.pointRadius, std::hypot(c.apexX - c.ax, c.apexY - c.ay), 1e-3);
    EXPECT_EQ(l.loopIndex, c.endIndex);
    EXPECT_EQ(l.arcHeight, c.height);
    const float w = run.labelWidth;
    EXPECT_NEAR(l.penX - w, c.apexX + c.labelLeft * w, 1e-3);  // penX ends past the label
    EXPECT_NEAR(l.penY, c.labelTop, 1e-3);
    ASSERT_FALSE(fx.texts().empty());
    expectOneShotsReset(l);
  }
}

TEST(LengthArc, BulgeRuleAndSideOfADownwardSegment) {
  struct Case {
    float in, out;
  } cases[] = {{1, 16}, {15, 240}, {.5f, 8}, {16, 16}, {70, 70}, {-5, 5}, {-20, 20}, {0, 0}};
  for (const Case& c : cases) {
    LessonFixture fx;
    drawArc(fx, 100, 300, 300, 300, c.in, 1, 30);
    EXPECT_EQ(fx.lesson.arcHeight, c.out) << c.in;
  }
  // B straight below A with arcSide 1: the arc bulges to the left on the screen.
  LessonFixture fx;
  ArcRun run = drawArc(fx, 400, 100, 400, 300, 30, 1, 10);
  EXPECT_NEAR(run.dots[9].x1, 370, 1e-3);
  EXPECT_NEAR(run.dots[9].y1, 200, 1e-3);
}

TEST(LengthArc, DegenerateInputsDrawNothingAndUseUpTheLabelInputs) {
  struct Case {
    const char* what;
    float bx, by, step;
    std::size_t dots;
  } cases[] = {
      {"ends on one point", 100, 300, 10, 0},
      {"zero step", 300, 300, 0, 0},
      {"step too small to advance", 300, 300, 1e-6f, 1},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    fx.platform.hangBound = 100000;
    ArcRun run = drawArc(fx, 100, 300, c.bx, c.by, 20, 1, c.step);
    SCOPED_TRACE(c.what);
    EXPECT_EQ(run.dots.size(), c.dots);
    expectOneShotsReset(fx.lesson);
  }
}

// ---- Square grid and polygons ----------------------------------------------

TEST(SquareGrid, BoldEveryFifthLineFromLeftAndBottom) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.setDrawWidth(2);
  l.graphLeft = 152, l.graphTop = 230, l.gridColumns = 15, l.boxHeight = 3, l.gridUnit = 70;
  l.lineColor = 3;
  fx.clear();
  l.drawSquareGrid();
  EXPECT_EQ(l.plotRight, 1202);
  EXPECT_EQ(l.plotBottom, 440);
  EXPECT_EQ(l.originX, 152);
  EXPECT_EQ(l.originY, 440);
  EXPECT_EQ(l.plotColor, 14);
  EXPECT_EQ(l.getDrawWidth(), 2);
  std::vector<DrawOp> lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  ASSERT_EQ(lines.size(), 20u);
  for (int i = 0; i <= 15; ++i) {
    const DrawOp& v = lines[static_cast<std::size_t>(i)];
    EXPECT_EQ(v.x1, 152.0f + 70.0f * static_cast<float>(i));
    EXPECT_EQ(v.x1, v.x2);
    const bool bold = i % 5 == 0;
    EXPECT_EQ(v.width, bold ? 3 : 1) << i;
    EXPECT_EQ(v.color, bold ? 14 : 3) << i;
  }
  const float rowsY[] = {440, 370, 300, 230};
  for (int i = 0; i < 4; ++i) {
    const DrawOp& h = lines[static_cast<std::size_t>(16 + i)];
    EXPECT_EQ(h.y1, rowsY[i]);
    EXPECT_EQ(h.color, i == 0 ? 14 : 3) << i;
  }
}

TEST(SquareGrid, ColourFifteenOnlySetsTheFrameAndNegativeCountsDrawOneLine) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.plotColor = 6;
  l.graphLeft = 10, l.graphTop = 20, l.gridColumns = 4, l.boxHeight = 2, l.gridUnit = 30;
  l.lineColor = 15;
  fx.clear();
  l.drawSquareGrid();
  EXPECT_TRUE(fx.draws().empty());
  EXPECT_EQ(l.plotRight, 130);
  EXPECT_EQ(l.originY, 80);
  EXPECT_EQ(l.plotColor, 6);

  l.graphLeft = 200, l.graphTop = 300, l.gridColumns = -3, l.boxHeight = -1, l.lineColor = 0;
  l.drawSquareGrid();
  EXPECT_EQ(ofKind(fx.draws(), DrawOp::Kind::Line).size(), 2u);
}

// The lessons' rectangle: A top-left, B bottom-left, C bottom-right, D top-right.
void setRectangle(Lesson& l) {
  const float corners[4][2] = {{200, 200}, {200, 410}, {480, 410}, {480, 200}};
  for (int i = 0; i < 4; ++i) {
    l.pointTable(static_cast<float>(i + 1), 1) = corners[i][0];
    l.pointTable(static_cast<float>(i + 1), 2) = corners[i][1];
  }
  l.pointCount = 4;
  l.axisFontSize = 5;
  l.lineColor = 0;
  l.textColor = 0;
}

TEST(Polygon, LettersInSequenceStandOutsideTheCorners) {
  struct Case {
    std::vector<std::vector<float>> corners;  // counter-clockwise on the screen
    std::vector<float> degrees;               // where each letter lies from its corner
  } cases[] = {
      // The lessons' rectangle: the second ray is a diagonal, so the letters
      // lean from the outer bisectors towards the next edge's prolongation.
      {{{200, 200}, {200, 410}, {480, 410}, {480, 200}}, {116.57f, 198.43f, 296.57f, 18.43f}},
      // A triangle: each corner's rays go to its two neighbours, and the letters
      // lie on the outer bisectors.
      {{{200, 400}, {400, 400}, {300, 200}}, {211.72f, 328.28f, 90}},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    setRectangle(l);
    const std::size_t n = c.corners.size();
    for (std::size_t i = 0; i < n; ++i) {
      l.pointTable(static_cast<float>(i + 1), 1) = c.corners[i][0];
      l.pointTable(static_cast<float>(i + 1), 2) = c.corners[i][1];
    }
    l.pointCount = static_cast<float>(n);
    l.setDrawWidth(2);
    l.pointLabel = U"A";
    l.arrowHeadSize = 10;
    fx.clear();
    l.drawPolygonFromTable();
    SCOPED_TRACE(n);
    std::vector<DrawOp> lines = ofKind(fx.draws(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), n);
    EXPECT_EQ(lines[n - 1].x1, c.corners[n - 1][0]);  // the closing edge comes last
    EXPECT_EQ(lines[n - 1].x2, c.corners[0][0]);
    EXPECT_EQ(lines[0].width, 5);

    // Each letter's box centre lies from its corner in the direction of the
    // bisector.
    std::vector<DrawOp> texts = fx.texts();
    ASSERT_EQ(texts.size(), n);
    for (std::size_t i = 0; i < n; ++i) {
      const DrawOp& t = texts[i];
      const Text letter(1, static_cast<char32_t>(U'A' + i));
      EXPECT_EQ(t.text, letter);
      const float w = widthOf(l, letter);
      const float cosT = (t.x1 + w / 2 - c.corners[i][0]) / (10 + w / 2);
      const float sinT = -(t.y1 + 22 - c.corners[i][1]) / (10 + 22);
      float a = std::atan2(sinT, cosT) * 180 / kPi;
      if (a < 0) a += 360;
      EXPECT_NEAR(a, c.degrees[i], 0.1) << toUtf8(letter);
    }
    EXPECT_TRUE(l.pointLabel.empty());
    EXPECT_EQ(l.getDrawWidth(), 5);  // the letters leave the edge width
    expectOneShotsReset(l);
    // The last corner's label inputs stay: the corner, then vertices 1 and 2.
    EXPECT_EQ(l.arrowHeadX, c.corners[n - 1][0]);
    EXPECT_EQ(l.arrowHeadY, c.corners[n - 1][1]);
    EXPECT_EQ(l.pointBX, c.corners[0][0]);
    EXPECT_EQ(l.pointBY, c.corners[0][1]);
    EXPECT_EQ(l.pointCX, c.corners[1][0]);
    EXPECT_EQ(l.pointCY, c.corners[1][1]);
  }
}

TEST(Polygon, LabelOffsetMovesTheFirstLetterOnly) {
  std::vector<DrawOp> plain, moved;
  for (float dx : {0.0f, 30.0f}) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    setRectangle(l);
    l.pointLabel = U"A";
    l.angleLabelDx = dx;
    fx.clear();
    l.drawPolygonFromTable();
    (dx == 0 ? plain : moved) = fx.texts();
  }
  ASSERT_EQ(plain.size(), 4u);
  ASSERT_EQ(moved.size(), 4u);
  EXPECT_EQ(moved[0].x1, plain[0].x1 + 30);
  for (std::size_t i = 1; i < 4; ++i) EXPECT_EQ(moved[i].x1, plain[i].x1) << i;
}

TEST(Polygon, LettersFromListOrNone) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  setRectangle(l);
  const Text list[] = {U"P", U"Q", U"R", U"S"};
  for (int i = 0; i < 4; ++i) l.textList(static_cast<float>(i + 1)) = list[i];
  l.pointLabel = U"1";
  fx.clear();
  l.drawPolygonFromTable();
  std::vector<DrawOp> texts = fx.texts();
  ASSERT_EQ(texts.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(texts[static_cast<std::size_t>(i)].text, list[i]);

  l.setDrawWidth(2);
  l.arrowHeadSize = 9;
  fx.clear();
  l.drawPolygonFromTable();
  EXPECT_TRUE(fx.texts().empty());
  EXPECT_EQ(l.getDrawWidth(), 2);
  EXPECT_EQ(l.arrowHeadSize, 9);
}

TEST(Polygon, VertexCountOutsideTheTableIsClamped) {
  struct Case {
    float count;
    float clamped;
    std::size_t edges;
  } cases[] = {{0, 1, 1}, {-3, 1, 1}, {11, 10, 10}, {40, 10, 10}};
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    setRectangle(l);
    l.pointCount = c.count;
    l.pointLabel = U"A";
    fx.clear();
    l.drawPolygonFromTable();
    SCOPED_TRACE(c.count);
    EXPECT_EQ(l.pointCount, c.clamped);
    EXPECT_EQ(ofKind(fx.draws(), DrawOp::Kind::Line).size(), c.edges);
    EXPECT_TRUE(l.pointLabel.empty());
  }
}

// ---- Geometry marks ---------------------------------------------------------

void setSegment(Lesson& l, float x1, float y1, float x2, float y2) {
  l.lineX1 = x1, l.lineY1 = y1, l.lineX2 = x2, l.lineY2 = y2;
  l.lineColor = 2;
}

TEST(ParallelMarks, CountRangeAndChevronPlace) {
  struct Case {
    float count;
    std::size_t chevrons;
    float countAfter;
  } cases[] = {{6, 6, 6}, {7, 1, 1}, {2.5f, 2, 2.5f}, {.5f, 1, .5f}, {0, 1, 1}, {-2, 1, 1}};
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    setSegment(l, 100, 300, 300, 300);
    l.scratchA = 1, l.scratchB = 1, l.arrowHeadSize = 10, l.markCount = c.count;
    fx.clear();
    l.drawParallelMarks();
    SCOPED_TRACE(c.count);
    std::vector<DrawOp> lines = ofKind(fx.draws(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 2 * c.chevrons);
    EXPECT_EQ(l.markCount, c.countAfter);
    // The first tip is 16 px beyond the midpoint, the arms 10 back and 5 out.
    EXPECT_EQ(lines[0].x1, 206);
    EXPECT_EQ(lines[0].y1, 305);
    EXPECT_EQ(lines[0].x2, 216);
    EXPECT_EQ(lines[0].y2, 300);
    EXPECT_EQ(lines[1].y1, 295);
    EXPECT_EQ(lines.back().x2, 200 + 16 * static_cast<float>(c.chevrons));
  }
}

TEST(EqualMarks, SpacingRuleShiftAndAdvance) {
  struct Case {
    float spacing, shift, count;
    std::vector<float> tickX;
    float spacingAfter;
  } cases[] = {
      {8, 0, 2, {208, 216}, 24}, {0, 0, 1, {208}, 16},        {31, 0, 0, {208}, 16},
      {30, 0, 1, {230}, 60},     {-8, 0, 2, {192, 184}, -24}, {8, 5, 1, {213}, 16},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    setSegment(l, 100, 300, 300, 300);
    l.tickSpacing = c.spacing, l.markSide = c.shift, l.markCount = c.count, l.arrowHeadSize = 6;
    fx.clear();
    l.drawEqualMarks();
    SCOPED_TRACE(c.spacing);
    std::vector<DrawOp> lines = ofKind(fx.draws(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), c.tickX.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].x1, c.tickX[i]);
      EXPECT_EQ(lines[i].x2, c.tickX[i]);
      EXPECT_EQ(lines[i].y1, 294);
      EXPECT_EQ(lines[i].y2, 306);
    }
    EXPECT_EQ(l.tickSpacing, c.spacingAfter);
    EXPECT_EQ(l.markSide, c.shift);
  }
}

TEST(SegmentMarks, ZeroLengthOrZeroRatioSumDrawsNothing) {
  struct Case {
    const char* what;
    bool parallel;
    float x2, ratioB;
  } cases[] = {
      {"parallel on a point", true, 100, 1},
      {"parallel with ratio sum 0", true, 300, -1},
      {"equal on a point", false, 100, 1},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    setSegment(l, 100, 300, c.x2, 300);
    l.scratchA = 1, l.scratchB = c.ratioB, l.markCount = 9, l.tickSpacing = 0;
    l.arrowHeadSize = 10;
    fx.clear();
    if (c.parallel) {
      l.drawParallelMarks();
    } else {
      l.drawEqualMarks();
    }
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(fx.draws().empty());
    EXPECT_EQ(l.markCount, 1);
  }
}

TEST(AngleMark, ArcsOrSectorThenLabel) {
  struct Case {
    float count;
    std::vector<float> radii;
    bool filled;
    float countAfter;
  } cases[] = {
      {3, {32, 24, 16}, false, 3}, {7, {32}, false, 1}, {0, {40}, true, 0}, {-2, {40}, true, -2}};
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.arrowHeadX = 500, l.arrowHeadY = 400, l.pointBX = 600, l.pointBY = 400;
    l.pointCX = 500, l.pointCY = 300;
    armOneShots(l, U"x");
    l.markSide = 0;
    l.labelSmallText = 0;
    l.arrowHeadSize = 40, l.markCount = c.count, l.lineColor = 2, l.plotColor = 6;
    fx.clear();
    l.drawAngleMark();
    SCOPED_TRACE(c.count);
    std::vector<DrawOp> arcs = ofKind(fx.draws(), DrawOp::Kind::Circle);
    ASSERT_EQ(arcs.size(), c.radii.size());
    for (std::size_t i = 0; i < arcs.size(); ++i) {
      EXPECT_EQ(arcs[i].radius, c.radii[i]);
      EXPECT_EQ(arcs[i].filled, c.filled);
      EXPECT_EQ(arcs[i].color, c.filled ? 2 : 6);
      EXPECT_NEAR(arcs[i].arcStart, .75f, 1e-6);  // from the ray to C ...
      EXPECT_NEAR(arcs[i].arcEnd, 1, 1e-6);       // ... to the ray to B
    }
    EXPECT_EQ(arcs[0].fill, c.filled ? 6 : -1);
    EXPECT_EQ(l.markCount, c.countAfter);
    EXPECT_EQ(fx.texts().size(), 1u);
    expectOneShotsReset(l);
  }
}

TEST(RightAngleMark, CornerIsTheSameOnEitherSide) {
  for (float side : {0.0f, -1.0f}) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.arrowHeadX = 500, l.arrowHeadY = 400, l.pointBX = 600, l.pointBY = 400;
    l.pointCX = 500, l.pointCY = 300;
    l.markSide = side, l.arrowHeadSize = 20, l.lineColor = 4;
    fx.clear();
    l.drawRightAngleMark();
    std::vector<DrawOp> polys = ofKind(fx.draws(), DrawOp::Kind::Poly);
    ASSERT_EQ(polys.size(), 1u);
    std::vector<Point> pts = polys[0].points;
    ASSERT_EQ(pts.size(), 3u);
    if (side == -1) std::swap(pts[0], pts[2]);
    const float want[3][2] = {{520, 400}, {520, 380}, {500, 380}};
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(pts[static_cast<std::size_t>(i)].x, want[i][0], 1e-3) << side;
      EXPECT_NEAR(pts[static_cast<std::size_t>(i)].y, want[i][1], 1e-3) << side;
    }
    EXPECT_EQ(polys[0].color, 4);
    EXPECT_EQ(l.markSide, side);
    EXPECT_EQ(l.arrowHeadSize, 20);
  }
}

}  // namespace
}  // namespace lesson
