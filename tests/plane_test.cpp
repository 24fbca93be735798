// The coordinate plane: its frame and stored extents, grid lines and numbers,
// decimal axis labels per program, points, and curves drawn as runs of dots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/test_lesson.h"

namespace lesson {
namespace {

using testing::LessonFixture;
using testing::ofKind;

// A 12 x 12 plane from -6 to 6 on both axes, 30 px cells, corner (100, 50).
void drawSmallPlane(Lesson& l, float lineColor = 14) {
  l.graphXMin = -6, l.graphXMax = 6, l.graphYMin = -6, l.graphYMax = 6;
  l.graphXStep = 1, l.graphYStep = 1;
  l.graphLeft = 100, l.graphTop = 50;
  l.gridUnit = 30;
  l.lineColor = lineColor;
  l.drawGraphPlane();
}

// ---- drawGraphPlane --------------------------------------------------------

TEST(GraphPlane, FrameAndStoredExtents) {
  struct Case {
    const char* name;
    float xMin, xMax, yMin, yMax, xStep, yStep, left, top, unit;
    // Results.
    float originX, originY, plotRight, plotBottom, font;
    float sxMin, sxMax, syMin, syMax, sxStep, syStep, sLeft, sTop;
  } cases[] = {
      {"unit steps", -6,  6,   -6,  6,  1,  1, 100, 50, 30,  //
       280,          230, 460, 410, 26, -6, 6, -6,  6,  1,  1, 100, 50},
      {"x step 10 divides the extents",
       0,
       100,
       -2,
       8,
       10,
       1,
       100,
       50,
       40,  //
       100,
       370,
       500,
       450,
       30,
       0,
       10,
       -2,
       8,
       10,
       1,
       100,
       50},
      {"step 0 is 1, negative step its size",
       -4,
       4,
       -6,
       6,
       0,
       -2,
       100,
       50,
       39,  //
       256,
       167,
       412,
       284,
       26,
       -4,
       4,
       -3,
       3,
       1,
       2,
       100,
       50},
      {"corner (0, 0) is the default corner",
       -1,
       1,
       -1,
       1,
       1,
       1,
       0,
       0,
       20,  //
       660,
       200,
       680,
       220,
       26,
       -1,
       1,
       -1,
       1,
       1,
       1,
       640,
       180},
      {"a single 0 in the corner is kept",
       0,
       2,
       0,
       2,
       1,
       1,
       0,
       50,
       20,  //
       0,
       90,
       40,
       90,
       26,
       0,
       2,
       0,
       2,
       1,
       1,
       0,
       50},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.graphXMin = c.xMin, l.graphXMax = c.xMax, l.graphYMin = c.yMin, l.graphYMax = c.yMax;
    l.graphXStep = c.xStep, l.graphYStep = c.yStep;
    l.graphLeft = c.left, l.graphTop = c.top, l.gridUnit = c.unit;
    l.lineColor = 14;
    l.drawGraphPlane();
    SCOPED_TRACE(c.name);
    EXPECT_EQ(l.originX, c.originX);
    EXPECT_EQ(l.originY, c.originY);
    EXPECT_EQ(l.plotLeft, c.sLeft);
    EXPECT_EQ(l.plotTop, c.sTop);
    EXPECT_EQ(l.plotRight, c.plotRight);
    EXPECT_EQ(l.plotBottom, c.plotBottom);
    EXPECT_EQ(l.axisFontSize, c.font);
    EXPECT_EQ(l.graphXMin, c.sxMin);
    EXPECT_EQ(l.graphXMax, c.sxMax);
    EXPECT_EQ(l.graphYMin, c.syMin);
    EXPECT_EQ(l.graphYMax, c.syMax);
    EXPECT_EQ(l.graphXStep, c.sxStep);
    EXPECT_EQ(l.graphYStep, c.syStep);
    EXPECT_EQ(l.graphLeft, c.sLeft);
    EXPECT_EQ(l.graphTop, c.sTop);
  }
}

TEST(GraphPlane, GridBoldFifthLinesNumbersAndAxes) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.setDrawWidth(7);
  fx.clear();
  drawSmallPlane(l);

  auto lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  int thin = 0, bold = 0, axes = 0;
  std::vector<float> boldX;
  for (const DrawOp& op : lines) {
    if (op.width == 1) {
      ++thin;
      EXPECT_EQ(op.color, 0);
      if (op.x1 == op.x2) {
        EXPECT_EQ(std::fmod(op.x1 - 280 + 300, 30.0f), 29.5f);
      }
    } else if (op.width == 3) {
      ++bold;
      EXPECT_EQ(op.color, 1);
      if (op.x1 == op.x2) boldX.push_back(op.x1);
    } else if (op.width == 4) {
      ++axes;
    }
  }
  EXPECT_EQ(thin, 26);  // 13 lines on each axis
  EXPECT_EQ(bold, 6);   // -5, 0 and 5 on each axis
  EXPECT_EQ(boldX, (std::vector<float>{130, 280, 430}));
  EXPECT_EQ(axes, 2);
  // The axes come after the grid, so they cover line 0.
  EXPECT_EQ(lines[lines.size() - 2].width, 4);
  EXPECT_EQ(lines[lines.size() - 2].x1, 280);
  EXPECT_EQ(lines.back().y1, 230);

  struct Expected {
    const char32_t* text;
    float x, y;
  } expected[] = {
      {U"-5", 280 - 150 - 26, 230},       // x numbers, centred on their line
      {U"5", 280 + 150 - 13, 230},        //
      {U"-5", 280 - 52, 230 + 150 - 17},  // y numbers, right-aligned left of the axis
      {U"5", 280 - 26, 230 - 150 - 17},   //
      {U"x", 460 - 20.8f, 230 - 39},      // letters
      {U"0", 280 - 26, 230},              //
      {U"y", 280, 50 - 13},
  };
  auto texts = fx.texts();
  ASSERT_EQ(texts.size(), std::size(expected));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(texts[i].text, expected[i].text);
    EXPECT_FLOAT_EQ(texts[i].x1, expected[i].x);
    EXPECT_FLOAT_EQ(texts[i].y1, expected[i].y);
    EXPECT_EQ(texts[i].color, 0);
  }
  EXPECT_EQ(texts[4].face, U"Times New Roman");
  EXPECT_TRUE(texts[4].italic && texts[4].bold);
  EXPECT_FLOAT_EQ(texts[4].size, 20.8f);
  EXPECT_EQ(texts[4].fx, 3);
  EXPECT_EQ(texts[6].face, U"ゴシック");
  EXPECT_FALSE(texts[6].italic);
  EXPECT_EQ(texts[0].size, 26);
  EXPECT_EQ(texts[0].fx, 2);
  EXPECT_EQ(texts[0].fy, 1);

  // What the plane leaves behind.
  EXPECT_EQ(l.getDrawWidth(), 7);
  EXPECT_EQ(l.fontName(), U"ゴシック");
  EXPECT_EQ(l.fontSize(), 16);
  EXPECT_FALSE(l.fontBold());
  EXPECT_FALSE(l.fontItalic());
  EXPECT_EQ(l.textColor, 0);
  EXPECT_EQ(l.penX, 280);
  EXPECT_EQ(l.penY, 37);
  EXPECT_EQ(l.mathText, U"y");
  EXPECT_EQ(l.workText, U"5");  // the last bold horizontal line's number
  EXPECT_EQ(l.loopIndex, 7);
}

TEST(GraphPlane, NumberSwitchAndGridSwitch) {
  struct Case {
    float lineColor, noAxisNumbers;
    std::size_t lines, texts;
  } cases[] = {
      {14, 0, 34, 7},   // grid and numbers
      {14, 1, 34, 7},   // 1 draws them as 0 does
      {14, -1, 34, 3},  // only -1 leaves the numbers out
      {0, 0, 2, 3},     // no grid: axes and letters only
      {0, -1, 2, 3},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    fx.lesson.noAxisNumbers = c.noAxisNumbers;
    fx.clear();
    drawSmallPlane(fx.lesson, c.lineColor);
    SCOPED_TRACE(::testing::PrintToString(c.lineColor) + " " +
                 ::testing::PrintToString(c.noAxisNumbers));
    EXPECT_EQ(ofKind(fx.draws(), DrawOp::Kind::Line).size(), c.lines);
    EXPECT_EQ(fx.texts().size(), c.texts);
    EXPECT_EQ(fx.lesson.noAxisNumbers, 0);
  }
}

TEST(GraphPlane, BoldLinesFollowCellsNotValues) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.graphXMin = 0, l.graphXMax = 100, l.graphYMin = 0, l.graphYMax = 2;
  l.graphXStep = 10, l.graphYStep = 1;
  l.graphLeft = 100, l.graphTop = 50, l.gridUnit = 30, l.lineColor = 14;
  fx.clear();
  l.drawGraphPlane();
  std::vector<Text> numbers;
  for (const DrawOp& op : fx.texts()) numbers.push_back(op.text);
  EXPECT_EQ(numbers, (std::vector<Text>{U"5", U"10", U"x", U"0", U"y"}));
}

// ---- drawGraphDecimalNumbers ------------------------------------------------

struct Label {
  Text text;
  float x, y;
};

// Plane of lines xMin..xMax on x and 0..1 on y (no y labels but line 0), then
// decimal numbers with x step `step`.
std::vector<Label> decimalXLabels(Variant variant, float xMin, float xMax, float step,
                                  float every) {
  LessonFixture fx("", variant);
  Lesson& l = fx.lesson;
  l.graphXMin = xMin, l.graphXMax = xMax, l.graphYMin = 0, l.graphYMax = 1;
  l.graphXStep = 1, l.graphYStep = 1;
  l.graphLeft = 300, l.graphTop = 100, l.gridUnit = 30, l.lineColor = 14;
  l.noAxisNumbers = -1;
  l.drawGraphPlane();
  l.graphXStep = step;
  l.xNumberEvery = every;
  fx.clear();
  l.drawGraphDecimalNumbers();
  std::vector<Label> out;
  for (const DrawOp& op : fx.texts()) out.push_back({op.text, op.x1, op.y1});
  EXPECT_EQ(l.fontSize(), 16);
  if (variant == Variant::Tessarin) {
    EXPECT_EQ(l.xNumberEvery, 5);
    EXPECT_EQ(l.yNumberEvery, 5);
  }
  return out;
}

std::string show(const std::vector<Label>& labels) {
  std::string s;
  for (const Label& lb : labels) {
    s += toUtf8(lb.text) + "@" + std::to_string(lb.x) + "," + std::to_string(lb.y) + " ";
  }
  return s;
}

TEST(GraphDecimalNumbers, LabelsCutToTenthsWithTheirPoint) {
  // originX = 300 + 30 * |xMin|, originY = 130; a label of n characters is
  // centred on n * 13 px; its point goes m * 26 - 6 px right of the label.
  struct Case {
    const char* name;
    Variant variant;
    float xMin, xMax, step, every;
    std::vector<Label> labels;
  } cases[] = {
      {"step 0.5 every 3",
       Variant::Tessarin,
       -6,
       6,
       0.5f,
       3,
       {{U"-3", 480 - 180 - 26, 134},
        {U"-15", 480 - 90 - 39, 134},
        {U".", 480 - 90 - 39 + 52 - 6, 138},
        {U"15", 480 + 90 - 26, 134},
        {U".", 480 + 90 - 26 + 26 - 6, 138},
        {U"3", 480 + 180 - 13, 134}}},
      {"step 10 every 3",
       Variant::Tessarin,
       0,
       10,
       10,
       3,
       {{U"30", 300 + 90 - 26, 134}, {U"60", 300 + 180 - 26, 134}, {U"90", 300 + 270 - 26, 134}}},
      {"step 0.25 is cut, not rounded",
       Variant::Corbisk,
       0,
       5,
       0.25f,
       0,
       {{U"12", 300 + 150 - 26, 134}, {U".", 300 + 150 - 26 + 20, 138}}},
      {"an interval past every line labels nothing", Variant::Tessarin, 0, 21, 1, 23, {}},
      {"Tessarin's 0 means 5",
       Variant::Tessarin,
       0,
       10,
       2,
       0,
       {{U"10", 300 + 150 - 26, 134}, {U"20", 300 + 300 - 26, 134}}},
      {"the others label every fifth line whatever xNumberEvery says",
       Variant::Merrowin,
       -10,
       10,
       1,
       3,
       {{U"-10", 600 - 300 - 39, 134},
        {U"-5", 600 - 150 - 26, 134},
        {U"5", 600 + 150 - 13, 134},
        {U"10", 600 + 300 - 26, 134}}},
  };
  for (const Case& c : cases) {
    auto got = decimalXLabels(c.variant, c.xMin, c.xMax, c.step, c.every);
    SCOPED_TRACE(std::string(c.name) + ": " + show(got));
    ASSERT_EQ(got.size(), c.labels.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].text, c.labels[i].text);
      EXPECT_FLOAT_EQ(got[i].x, c.labels[i].x);
      EXPECT_FLOAT_EQ(got[i].y, c.labels[i].y);
    }
  }
}

TEST(GraphDecimalNumbers, YLabelsRightAlignedWithTheirPoint) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.graphXMin = 0, l.graphXMax = 1, l.graphYMin = -5, l.graphYMax = 10;
  l.graphXStep = 1, l.graphYStep = 1;
  l.graphLeft = 300, l.graphTop = 100, l.gridUnit = 30, l.lineColor = 14;
  l.noAxisNumbers = -1;
  l.drawGraphPlane();
  l.graphYStep = 0.5f;
  fx.clear();
  l.drawGraphDecimalNumbers();
  // originY = 400.
  std::vector<Label> expected = {
      {U"-25", 300 - 78, 400 + 150 - 13}, {U".", 300 - 78 + 52 - 6, 400 + 150 - 13 + 4},
      {U"25", 300 - 52, 400 - 150 - 13},  {U".", 300 - 52 + 26 - 6, 400 - 150 - 13 + 4},
      {U"5", 300 - 26, 400 - 300 - 13},
  };
  std::vector<Label> got;
  for (const DrawOp& op : fx.texts()) got.push_back({op.text, op.x1, op.y1});
  SCOPED_TRACE(show(got));
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].text, expected[i].text);
    EXPECT_FLOAT_EQ(got[i].x, expected[i].x);
    EXPECT_FLOAT_EQ(got[i].y, expected[i].y);
  }
  EXPECT_EQ(l.mathText, U"5");
  EXPECT_EQ(l.workText, U"0");  // tenths of the last line, 10 x 0.5 = 5
  EXPECT_EQ(l.signPick2, 5);    // its integer part
  EXPECT_EQ(l.loopIndex, 11);
  EXPECT_EQ(l.penX, 274);
}

TEST(GraphDecimalNumbers, IntervalThatIsZeroWhenMadeWholeIsAnError) {
  LessonFixture fx("", Variant::Tessarin);
  Lesson& l = fx.lesson;
  drawSmallPlane(l);
  l.xNumberEvery = 0.3f;
  EXPECT_THROW(l.drawGraphDecimalNumbers(), RuntimeError);
}

// ---- plotPoint ----------------------------------------------------------------

TEST(PlotPoint, DotLabelPlaceAndOneShotInputs) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  drawSmallPlane(l);  // origin (280, 230), 30 px cells
  struct Case {
    float x, y, xStep, yStep, dx, dy;
    float sx, sy;
  } cases[] = {
      {2, 3, 1, 1, 0, 0, 340, 140},
      {2, 3, 0, 0, 0, 0, 340, 140},  // 0 steps count as 1
      {4, -3, 2, 0.5f, 7, -9, 340, 410},
  };
  for (const Case& c : cases) {
    l.pointX = c.x, l.pointY = c.y, l.pointRadius = 5, l.plotColor = 9;
    l.graphXStep = c.xStep, l.graphYStep = c.yStep;
    l.labelDx = c.dx, l.labelDy = c.dy;
    l.pointLabel.clear();
    fx.clear();
    l.plotPoint();
    auto discs = ofKind(fx.draws(), DrawOp::Kind::Circle);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].x1, c.sx);
    EXPECT_EQ(discs[0].y1, c.sy);
    EXPECT_EQ(discs[0].radius, 5);
    EXPECT_TRUE(discs[0].filled);
    EXPECT_EQ(discs[0].fill, 9);
    EXPECT_EQ(l.pointScreenX, c.sx);
    EXPECT_EQ(l.pointScreenY, c.sy);
    EXPECT_EQ(l.penX, c.sx - 20 + c.dx);  // an empty label leaves the pen at its start
    EXPECT_EQ(l.penY, c.sy - 40 + c.dy);
    EXPECT_EQ(l.textColor, 9);
    EXPECT_EQ(l.labelDx, 0);
    EXPECT_EQ(l.labelDy, 0);
    EXPECT_EQ(l.graphXStep, 1);
    EXPECT_EQ(l.graphYStep, 1);
  }
  // A label is drawn and kept for the next point.
  l.pointLabel = U"A";
  fx.clear();
  l.plotPoint();
  EXPECT_FALSE(fx.texts().empty());
  EXPECT_EQ(l.pointLabel, U"A");
}

// ---- plotCurve ------------------------------------------------------------------

struct CurveRun {
  std::vector<DrawOp> dots;
};

CurveRun plot(LessonFixture& fx, float kind, float a, float b, float xMin, float xMax) {
  Lesson& l = fx.lesson;
  l.curveKind = kind, l.coefA = a, l.coefB = b;
  l.graphXMin = xMin, l.graphXMax = xMax;
  l.plotColor = 3;
  l.pointLabel.clear();
  fx.clear();
  l.plotCurve();
  return {ofKind(fx.draws(), DrawOp::Kind::Circle)};
}

TEST(PlotCurve, DotCountAndStepPerProgram) {
  struct Case {
    Variant variant;
    float plotSteps;
    float n;  // steps of the run
  } cases[] = {
      {Variant::Corbisk, 0, 5000},  {Variant::Corbisk, 50, 5000}, {Variant::Merrowin, 50, 5000},
      {Variant::Tessarin, 0, 5000}, {Variant::Tessarin, 50, 50},  {Variant::Tessarin, -3, 5000},
  };
  for (const Case& c : cases) {
    LessonFixture fx("", c.variant);
    Lesson& l = fx.lesson;
    drawSmallPlane(l);
    l.setDrawWidth(2);
    l.plotSteps = c.plotSteps;
    l.labelDx = 5, l.labelDy = 6;
    l.graphYStep = 0;
    auto run = plot(fx, 3, 0.5f, 1, -6, 6);  // inside the band all the way
    SCOPED_TRACE(static_cast<int>(c.variant));
    SCOPED_TRACE(c.plotSteps);
    ASSERT_EQ(run.dots.size(), static_cast<std::size_t>(c.n) + 1);
    const float step = 12 / c.n;
    EXPECT_EQ(run.dots.front().x1, 100);
    EXPECT_NEAR(run.dots[1].x1 - run.dots[0].x1, 30 * step, 1e-3);
    EXPECT_NEAR(run.dots.back().x1, 460, 0.05);
    EXPECT_EQ(run.dots[0].radius, 1);
    EXPECT_EQ(run.dots[0].fill, 3);
    EXPECT_EQ(run.dots[0].width, 2);  // dots take the caller's pen width
    // Working values the pages read.
    EXPECT_EQ(l.boxWidth, c.n);
    EXPECT_EQ(l.signPick2, step);
    EXPECT_EQ(l.loopIndex, c.n + 1);
    EXPECT_EQ(l.pointScreenX, run.dots.back().x1);
    EXPECT_EQ(l.pointScreenY, run.dots.back().y1);
    // The label place: the last dot plus the offsets, which are then reset.
    EXPECT_EQ(l.penX, run.dots.back().x1 + 5);
    EXPECT_EQ(l.penY, run.dots.back().y1 + 6);
    EXPECT_EQ(l.labelDx, 0);
    EXPECT_EQ(l.labelDy, 0);
    EXPECT_EQ(l.graphXStep, 1);
    EXPECT_EQ(l.graphYStep, 1);
    EXPECT_EQ(l.textColor, 3);
    EXPECT_EQ(l.getDrawWidth(), 2);
    EXPECT_EQ(l.plotSteps, c.variant == Variant::Tessarin ? 0 : c.plotSteps);
  }
}

TEST(PlotCurve, ZeroIsSkippedExceptOnStraightLinesAndOnlyYIsClipped) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  drawSmallPlane(l);  // band 50..410, origin (280, 230)
  auto atOrigin = [](const CurveRun& run) {
    return std::any_of(run.dots.begin(), run.dots.end(),
                       [](const DrawOp& d) { return d.x1 == 280; });
  };

  // Steps of 1/512 add up exactly, so the run meets x = 0 exactly.
  const float reach = 2500.0f / 1024;
  auto line = plot(fx, 3, 2, 0, -reach, reach);
  EXPECT_TRUE(atOrigin(line));
  auto parabola = plot(fx, 2, 1, 0, -reach, reach);
  EXPECT_FALSE(atOrigin(parabola));
  EXPECT_EQ(parabola.dots.size(), 5001u);  // the run goes one step further instead

  auto hyperbola = plot(fx, 1, 6, 0, -6, 6);
  EXPECT_FALSE(atOrigin(hyperbola));
  for (const DrawOp& d : hyperbola.dots) {
    EXPECT_GE(d.y1, 50);
    EXPECT_LE(d.y1, 410);
  }
  EXPECT_LT(hyperbola.dots.size(), 5001u);
  // Two branches: nothing between x = -1 and x = 1 stays in the band.
  EXPECT_FALSE(std::any_of(hyperbola.dots.begin(), hyperbola.dots.end(),
                           [](const DrawOp& d) { return d.x1 > 250.1f && d.x1 < 309.9f; }));
  EXPECT_EQ(l.penX, hyperbola.dots.back().x1);

  // A start at 0 moves 0.002 right, and the whole run with it.
  auto flat = plot(fx, 2, 0, 0, 0, 5).dots;
  ASSERT_EQ(flat.size(), 5001u);
  EXPECT_FLOAT_EQ(flat.front().x1, 280 + 30 * 0.002f);
  EXPECT_NEAR(flat.back().x1, 280 + 30 * 5.002f, 0.05);

  // Dots beyond the left or right edge are drawn.
  auto wide = plot(fx, 3, 0, 0, -8, 8);
  EXPECT_EQ(wide.dots.size(), 5001u);
  EXPECT_EQ(wide.dots.front().x1, 280 - 240);
  EXPECT_NEAR(wide.dots.back().x1, 280 + 240, 0.05);
}

TEST(PlotCurve, NoDotInTheBandPutsTheLabelAtThePenOfTheCall) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  drawSmallPlane(l);
  l.penX = 500, l.penY = 600;
  l.labelDx = 10, l.labelDy = -20;
  auto run = plot(fx, 3, 0, 100, -6, 6);
  EXPECT_TRUE(run.dots.empty());
  EXPECT_EQ(l.penX, 510);
  EXPECT_EQ(l.penY, 580);
  // The screen point of the last dot computed stays, drawn or not.
  EXPECT_NEAR(l.pointScreenX, 460, 0.05);
  EXPECT_EQ(l.pointScreenY, 230 - 3000);
}

TEST(PlotCurve, FormFourAsLineOrVerticalLine) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  drawSmallPlane(l);

  l.coefC = 12;
  plot(fx, 4, 3, -4, -6, 6);
  EXPECT_EQ(l.curveKind, 3);
  EXPECT_EQ(l.coefA, 0.75f);
  EXPECT_EQ(l.coefB, -3);

  l.setDrawWidth(2);
  l.coefC = 6;
  l.labelDx = 4, l.labelDy = 5;
  auto run = plot(fx, 4, 3, 0, -6, 6);
  EXPECT_TRUE(run.dots.empty());
  auto lines = ofKind(fx.draws(), DrawOp::Kind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, 340);  // maths x = 2
  EXPECT_EQ(lines[0].x2, 340);
  EXPECT_EQ(lines[0].y1, 410);  // bottom end first
  EXPECT_EQ(lines[0].y2, 50);
  EXPECT_EQ(lines[0].width, 5);
  EXPECT_EQ(lines[0].color, 3);
  EXPECT_EQ(l.coefC, 2);
  EXPECT_EQ(l.penX, 340 + 10 + 4);
  EXPECT_EQ(l.penY, 50 + 5);
  EXPECT_EQ(l.getDrawWidth(), 2);
}

TEST(PlotCurve, FormFourWithoutCoefficientsDrawsNothing) {
  LessonFixture fx("", Variant::Tessarin);
  Lesson& l = fx.lesson;
  drawSmallPlane(l);
  l.setDrawWidth(2);
  l.coefC = 6;
  l.labelDx = 4, l.labelDy = 5, l.plotSteps = 50, l.graphXStep = 2;
  l.pointLabel = U"x=?";
  l.curveKind = 4, l.coefA = 0, l.coefB = 0;
  fx.clear();
  EXPECT_NO_THROW(l.plotCurve());
  EXPECT_TRUE(fx.draws().empty());
  EXPECT_EQ(l.coefC, 6);
  EXPECT_EQ(l.labelDx, 0);
  EXPECT_EQ(l.labelDy, 0);
  EXPECT_EQ(l.plotSteps, 0);
  EXPECT_EQ(l.graphXStep, 1);
  EXPECT_EQ(l.getDrawWidth(), 2);
}

}  // namespace
}  // namespace lesson
