// Arrows: which end gets the head in each program, the head's shape, the
// one-shot switches; the slope triangle: its arrows, length texts and labels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_lesson.h"

namespace lesson {
namespace {

using testing::LessonFixture;

std::vector<DrawOp> lines(const LessonFixture& fx) {
  return testing::ofKind(fx.draws(), DrawOp::Kind::Line);
}

// The tips of the heads drawn: each head is a shaft and two strokes ending at
// the tip. With a width given, only the lines of that pen width count (the
// minus sign of a label is a line too).
std::vector<Point> headTips(const LessonFixture& fx, int width = 0) {
  std::vector<DrawOp> ls;
  for (const DrawOp& op : lines(fx)) {
    if (width == 0 || op.width == width) ls.push_back(op);
  }
  std::vector<Point> tips;
  for (std::size_t i = 0; i + 2 < ls.size(); i += 3) {
    EXPECT_EQ(ls[i + 1].x2, ls[i].x2);
    EXPECT_EQ(ls[i + 2].y2, ls[i].y2);
    tips.push_back({ls[i].x2, ls[i].y2});
  }
  EXPECT_EQ(ls.size() % 3, 0u);
  return tips;
}

const char* variantName(Variant v) {
  switch (v) {
    case Variant::Corbisk:
      return "Corbisk";
    case Variant::Merrowin:
      return "Merrowin";
    case Variant::Tessarin:
      return "Tessarin";
  }
  return "?";
}

TEST(Arrow, HeadEndsPerProgram) {
  const Point h{100, 100}, t{300, 100};
  struct Case {
    Variant variant;
    float reverse, mode;
    std::vector<Point> tips;
  } cases[] = {
      // Corbisk (and Pollvane) exchange the ends only on 1.
      {Variant::Corbisk, 0, 0, {h}},
      {Variant::Corbisk, 0, 2, {h, t}},
      {Variant::Corbisk, 1, 0, {t}},
      {Variant::Corbisk, 1, 2, {t, t}},
      {Variant::Corbisk, -1, 0, {h}},
      {Variant::Corbisk, -1, 2, {h, t}},
      {Variant::Corbisk, 7, 1, {h}},
      // Tessarin and Merrowin exchange them unless told -1.
      {Variant::Tessarin, 0, 0, {t}},
      {Variant::Tessarin, 0, 2, {t, t}},
      {Variant::Tessarin, 1, 0, {t}},
      {Variant::Tessarin, 1, 2, {t, t}},
      {Variant::Tessarin, -1, 0, {h}},
      {Variant::Tessarin, -1, 2, {h, t}},
      {Variant::Merrowin, 0, 0, {t}},
      {Variant::Merrowin, 7, 2, {t, t}},
      {Variant::Merrowin, -1, 2, {h, t}},
  };
  for (const Case& c : cases) {
    LessonFixture fx("", c.variant);
    Lesson& l = fx.lesson;
    l.arrowHeadX = h.x, l.arrowHeadY = h.y, l.arrowTailX = t.x, l.arrowTailY = t.y;
    l.arrowReverse = c.reverse, l.arrowMode = c.mode;
    l.arrowHeadSize = 16, l.lineColor = 5;
    fx.clear();
    l.drawArrow();
    SCOPED_TRACE(std::string(variantName(c.variant)) + " reverse " + std::to_string(c.reverse) +
                 " mode " + std::to_string(c.mode));
    auto tips = headTips(fx);
    ASSERT_EQ(tips.size(), c.tips.size());
    for (std::size_t i = 0; i < tips.size(); ++i) {
      EXPECT_EQ(tips[i].x, c.tips[i].x);
      EXPECT_EQ(tips[i].y, c.tips[i].y);
    }
    // The results hold the last head drawn.
    EXPECT_EQ(l.arrowHeadX, c.tips.back().x);
    EXPECT_EQ(l.arrowTailX, c.tips.back().x == h.x ? t.x : h.x);
    EXPECT_EQ(l.arrowReverse, 0);
    EXPECT_EQ(l.arrowMode, c.mode == 2 ? 0 : c.mode);
  }
}

TEST(Arrow, HeadIsAsLongAsWideWithTheCallersPen) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.setDrawWidth(6);
  struct Case {
    Point tail, tip;
    Point b, c;  // the outer stroke ends
  } cases[] = {
      {{100, 100}, {300, 100}, {284, 108}, {284, 92}},   // to the right
      {{300, 400}, {300, 100}, {308, 116}, {292, 116}},  // upwards
      {{0, 0}, {30, 40}, {14, 32}, {26.8f, 22.4f}},
  };
  for (const Case& c : cases) {
    l.arrowHeadX = c.tip.x, l.arrowHeadY = c.tip.y, l.arrowTailX = c.tail.x,
    l.arrowTailY = c.tail.y;
    l.arrowReverse = -1, l.arrowMode = 0, l.arrowHeadSize = 16, l.lineColor = 5;
    fx.clear();
    l.drawArrow();
    auto ls = lines(fx);
    ASSERT_EQ(ls.size(), 3u);
    EXPECT_EQ(ls[0].x1, c.tail.x);
    EXPECT_EQ(ls[0].y1, c.tail.y);
    EXPECT_NEAR(l.pointBX, c.b.x, 1e-3);
    EXPECT_NEAR(l.pointBY, c.b.y, 1e-3);
    EXPECT_NEAR(l.pointCX, c.c.x, 1e-3);
    EXPECT_NEAR(l.pointCY, c.c.y, 1e-3);
    EXPECT_EQ(ls[1].x1, l.pointBX);
    EXPECT_EQ(ls[2].x1, l.pointCX);
    for (const DrawOp& op : ls) {
      EXPECT_EQ(op.color, 5);
      EXPECT_EQ(op.width, 6);
    }
  }
  EXPECT_EQ(l.getDrawWidth(), 6);
}

TEST(Arrow, EqualEndsDrawNothingAndStillResetTheSwitches) {
  for (Variant v : {Variant::Corbisk, Variant::Tessarin}) {
    for (float mode : {0.0f, 2.0f}) {
      LessonFixture fx("", v);
      Lesson& l = fx.lesson;
      l.arrowHeadX = l.arrowTailX = 200, l.arrowHeadY = l.arrowTailY = 150;
      l.pointBX = -1;
      l.arrowReverse = 1, l.arrowMode = mode, l.arrowHeadSize = 16;
      fx.clear();
      EXPECT_NO_THROW(l.drawArrow());
      EXPECT_TRUE(fx.draws().empty());
      EXPECT_EQ(l.arrowReverse, 0);
      EXPECT_EQ(l.arrowMode, 0);
      EXPECT_EQ(l.pointBX, -1);
    }
  }
}

// ---- drawSlopeTriangle ------------------------------------------------------

struct SlopeCase {
  const char* name;
  float x1, y1, x2, y2, unit;
  const char32_t* labels;
  // Results.
  float ox1, oy1, ox2, oy2;
  const char32_t* run;
  const char32_t* rise;
  bool runLabel, riseLabel;
  float runLabelY;
};

TEST(SlopeTriangle, ArrowsTextsAndLabels) {
  const SlopeCase cases[] = {
      {"rising", 100, 300, 200, 100, 50, U"yy", 100, 300, 200, 100, U"2", U"4", true, true, 256},
      {"given right to left", 200, 100, 100, 300, 50, U"yy", 100, 300, 200, 100, U"2", U"4", true,
       true, 256},
      {"falling", 100, 100, 200, 300, 50, U"yy", 100, 100, 200, 300, U"2", U"-4", true, true, 100},
      {"half a unit up", 100, 100, 125, 75, 50, U"yn", 100, 100, 125, 75, U".5", U"0.5", true,
       false, 56},
      {"half a unit down", 100, 100, 125, 125, 50, U"ny", 100, 100, 125, 125, U".5", U"-0.5", false,
       true, 0},
      {"no labels", 100, 300, 200, 100, 50, U"nn", 100, 300, 200, 100, U"2", U"4", false, false, 0},
      {"run label only", 100, 300, 200, 100, 50, U"y", 100, 300, 200, 100, U"2", U"4", true, false,
       256},
      {"exact comparison", 100, 300, 200, 100, 50, U"Yy", 100, 300, 200, 100, U"2", U"4", false,
       true, 0},
  };
  for (Variant v : {Variant::Corbisk, Variant::Merrowin, Variant::Tessarin}) {
    for (const SlopeCase& c : cases) {
      LessonFixture fx("", v);
      Lesson& l = fx.lesson;
      l.slopeX1 = c.x1, l.slopeY1 = c.y1, l.slopeX2 = c.x2, l.slopeY2 = c.y2;
      l.gridUnit = c.unit;
      l.slopeLabelSwitch = c.labels;
      l.textColor = 9;
      fx.clear();
      l.drawSlopeTriangle();
      SCOPED_TRACE(std::string(variantName(v)) + ": " + c.name);
      EXPECT_EQ(l.slopeX1, c.ox1);
      EXPECT_EQ(l.slopeY1, c.oy1);
      EXPECT_EQ(l.slopeX2, c.ox2);
      EXPECT_EQ(l.slopeY2, c.oy2);
      EXPECT_EQ(l.runText, c.run);
      EXPECT_EQ(l.riseText, c.rise);

      // Run arrow (colour 7) to the right-hand point's x, rise arrow (colour 3)
      // up or down to the right-hand point, in every program.
      auto tips = headTips(fx, 4);
      ASSERT_EQ(tips.size(), 2u);
      EXPECT_EQ(tips[0].x, c.ox2);
      EXPECT_EQ(tips[0].y, c.oy1);
      EXPECT_EQ(tips[1].x, c.ox2);
      EXPECT_EQ(tips[1].y, c.oy2);
      auto ls = lines(fx);
      EXPECT_EQ(ls[0].color, 7);
      EXPECT_EQ(ls[3].color, 3);
      EXPECT_EQ(ls[0].width, 4);

      // Labels: the run's over or under its arrow, the rise's right of its arrow.
      auto texts = fx.texts();
      bool sawRun = false, sawRise = false;
      for (const DrawOp& op : texts) {
        if (op.color == 7) {
          sawRun = true;
          EXPECT_NEAR(op.y1, c.runLabelY, 24);
          EXPECT_NEAR(op.x1, (c.ox1 + c.ox2) / 2 - 14, 40);
        }
        if (op.color == 3) {
          sawRise = true;
          EXPECT_GE(op.x1, c.ox2 - 4);
          EXPECT_NEAR(op.y1, (c.oy1 + c.oy2) / 2 - 16, 24);
        }
      }
      EXPECT_EQ(sawRun, c.runLabel);
      EXPECT_EQ(sawRise, c.riseLabel);
      if (c.riseLabel) {
        EXPECT_EQ(l.textColor, 3);
      } else if (c.runLabel) {
        EXPECT_EQ(l.textColor, 7);
      } else {
        EXPECT_EQ(l.textColor, 9);
      }

      EXPECT_EQ(l.getDrawWidth(), 4);
      EXPECT_EQ(l.lineColor, 3);
      EXPECT_EQ(l.arrowHeadSize, 16);
      EXPECT_EQ(l.arrowReverse, 0);
    }
  }
}

TEST(SlopeTriangle, RunLabelPlaceFollowsTheRise) {
  // The run label starts at the run's middle - 14: 44 px above the run arrow
  // when the rise goes up, at the arrow's y when it goes down.
  struct Case {
    float y2, penY;
  } cases[] = {{100, 300 - 44}, {500, 300}};
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.slopeX1 = 100, l.slopeY1 = 300, l.slopeX2 = 200, l.slopeY2 = c.y2;
    l.gridUnit = 50;
    l.slopeLabelSwitch = U"y";
    l.runText = U"7";
    l.drawRunLabel();
    // drawMathText keeps the line's y.
    EXPECT_EQ(l.penY, c.penY);
    l.drawRiseLabel();
    EXPECT_EQ(l.penY, (300 + c.y2) / 2 - 16);
  }
}

TEST(SlopeTriangle, DegenerateInputsDrawWhatTheyCan) {
  struct Case {
    const char* name;
    float x1, y1, x2, y2, unit;
    std::size_t lines;
    const char32_t* run;
    const char32_t* rise;
  } cases[] = {
      {"no rise: the run arrow alone", 100, 200, 200, 200, 50, 3, U"2", U"0"},
      {"no run: the rise arrow alone", 100, 300, 100, 200, 50, 3, U"0", U"2"},
      {"one point: no arrow", 100, 200, 100, 200, 50, 0, U"0", U"0"},
      {"grid unit 0: nothing", 100, 300, 200, 100, 0, 0, U"", U""},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.slopeX1 = c.x1, l.slopeY1 = c.y1, l.slopeX2 = c.x2, l.slopeY2 = c.y2;
    l.gridUnit = c.unit;
    l.slopeLabelSwitch = U"nn";
    l.runText = U"old";
    l.riseText = U"old";
    l.arrowReverse = 1;
    fx.clear();
    SCOPED_TRACE(c.name);
    EXPECT_NO_THROW(l.drawSlopeTriangle());
    EXPECT_EQ(lines(fx).size(), c.lines);
    EXPECT_EQ(l.runText, c.run);
    EXPECT_EQ(l.riseText, c.rise);
    EXPECT_EQ(l.arrowReverse, 0);
    EXPECT_EQ(l.getDrawWidth(), 4);
  }
}

}  // namespace
}  // namespace lesson
