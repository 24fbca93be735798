// Section 6 pages, run from the main menu: what is showing when the keys run
// out and how many keys each page takes, the arrows and frames they draw, and
// the slope-intercept drill's equations against its answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::CorbiskRun;
using testing::dump;
using testing::expectAnchors;
using testing::Foot;
using testing::footOf;
using testing::kAny;
using testing::LineMatch;
using testing::spaces;

// Labels of curves stand at a dot's place, a hair off whole pixels.
constexpr LineMatch showing{.xTolerance = 0.01f, .yTolerance = 0.01f};

const std::string kSection = "6 Enter ";

TEST(CorbiskSlope, PagesShowTheirTextsAndTakeTheirKeys) {
  struct Case {
    std::string keys;
    bool backAtSubMenu;  // the page has ended: the sub-menu line is drawn under it
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // Page ①, screen 1: the question and the three labelled lines, the
      // third label without offset at its line's last dot.
      {kSection + "1 Enter",
       false,
       {{38, 30, 3, "Q1"},
        {kAny, 30, 0, "直線y=ax+bは、"},
        {kAny, 80, 0, "の値が変わるとどうなりますか。"},
        {1063.999f, 335.001f, 0, "y=x+2"},
        {1037.939f, 100.182f, 7, "y=3x+2"}},
       {{38, 130, 3, "の値が大きいほど、"}}},
      {kSection + "1 Enter" + spaces(3),
       false,
       {{38, 180, 3, "直線の傾きぐあいが急になる。"},
        {kAny, 230, 5, "傾き"},
        {kAny, 320, 5, "変化の割合="}},
       {}},
      // Screen 2 on its first key: the run labels of the first pass only.
      {kSection + "1 Enter" + spaces(4),
       false,
       {{38, 30, 3, "Q2"}, {884, 496, 7, "1"}, {1044, 176, 7, "1"}},
       {{38, 30, 3, "Q1"}, {918, 484, 3, "2"}, {kAny, 150, 3, "上へ2ずつ進む"}}},
      // Screen 2 whole: rise labels of the second pass, the long step's
      // "3" under its run arrow and "6" beside its rise arrow.
      {kSection + "1 Enter" + spaces(9),
       false,
       {{65, 150, 3, "右へ１ずつ進むと　上へ2ずつ進む"},
        {918, 484, 3, "2"},
        {1078, 164, 3, "2"},
        {344, 210, 5, "右上がり"},
        {38, 310, 3, "Q3右へ3"},
        {924, 540, 5, "3"},
        {92, 360, 0, "3×2="},
        {205, 360, 5, "6"},
        {998, 404, 5, "6"},
        {119, 430, 3, "上へ6進む"}},
       {}},
      // Screen 3 and the page's end: the run labels at their arrows' height,
      // the rise labels "-2", "4" above its run arrow.
      {kSection + "1 Enter" + spaces(15),
       true,
       {{38, 30, 3, "Q4"},
        {884, 140, 7, "1"},
        {1044, 460, 7, "1"},
        {kAny, 164, 3, "-2"},
        {kAny, 484, 3, "-2"},
        {344, 210, 5, "右下がり"},
        {944, 96, 5, "4"},
        {205, 360, 5, "8"},
        {kAny, 284, 5, "-8"},
        {119, 430, 3, "下へ8進む"}},
       {{38, 30, 3, "Q2"}, {kAny, 430, 3, "上へ6進む"}}},
      // Page ②: the rising figure, its word one key later, the falling one.
      {kSection + "2 Enter",
       false,
       {{76, 30, 3, "<一次関数のグラフ>"},
        {76, 130, 5, "傾きがa,切片がbの直線"},
        {63, 208, 3, "a>0のとき"},
        {194, 520, 3, "y=ax+b"},
        {kAny, 352, 5, "a"}},
       {{76, 600, 5, "右上がり"}, {443, 208, 3, "a<0のとき"}}},
      {kSection + "2 Enter" + spaces(2),
       false,
       {{76, 600, 5, "右上がり"},
        {443, 208, 3, "a<0のとき"},
        {439, 300, 5, "(0,b)"},
        {kAny, 559.993f, 3, "y=ax+b"},
        {kAny, 300, 5, "1"},
        {678, 372, 5, "a"},
        {494, 600, 5, "右下がり"}},
       {{720, 30, 0, "問1次関数"}}},
      // The drill: the question, then one answer per key.
      {kSection + "2 Enter" + spaces(3),
       false,
       {{720, 30, 0, "問1次関数y="}, {756, 80, 0, "傾きと切片をいいなさい。"}},
       {{756, 130, 0, "傾き…"}}},
      {kSection + "2 Enter" + spaces(4), false, {{756, 130, 0, "傾き…"}}, {{756, 180, 0, "切片…"}}},
      // 1 ends the drill after one example; the closing prompt needs one key.
      {kSection + "2 Enter" + spaces(5) + " 1 Enter",
       false,
       {{756, 180, 0, "切片…"}},
       {{756, 270, 7, "教科書P69"}}},
      {kSection + "2 Enter" + spaces(5) + " 1 Enter Space",
       true,
       {{76, 600, 5, "右上がり"},
        {756, 180, 0, "切片…"},
        {756, 270, 7, "教科書P69"},
        {756, 320, 7, "問3をしなさい。"}},
       {}},
      // Page ③ at once: two columns, labels 76 px left of their margins.
      {kSection + "3 Enter",
       true,
       {{114, 30, 7, "教科書P69　問3の解答"},
        {38, 80, 3, "(1)y=3x-4"},
        {216, 180, 5, "-4"},
        {114, 280, 5, "右上がり"},
        {38, 350, 3, "(2)y=-x+6"},
        {114, 550, 5, "右下がり"},
        {684, 30, 3, "(3)y="},
        {760, 100, 0, "傾き…"},
        {862, 160, 5, "-1"},
        {760, 260, 5, "右上がり"},
        {684, 350, 3, "(4)y="},
        {760, 480, 0, "切片…"},
        {760, 580, 5, "右下がり"}},
       {}},
      // Pages ④ and ⑤: five keys each; answer and rule in opposite colours.
      {kSection + "4 Enter",
       false,
       {{30, 30, 7, "Q"},
        {84, 30, 0, "一次関数y=x+2で、xが増加するとき、"},
        {60, 80, 0, "yの増減をいいなさい。"},
        {1032, 120, 0, "y=x+2"}},
       {{60, 150, 3, "増加する"}}},
      {kSection + "4 Enter" + spaces(5),
       true,
       {{60, 150, 3, "増加する"},
        {60, 220, 5, "右上がりは増加"},
        {kAny, 290, 5, "のとき、右上がりで増加"}},
       {}},
      {kSection + "5 Enter" + spaces(4),
       false,
       {{60, 150, 5, "減少する"}, {60, 220, 3, "右下がりは減少"}, {1032, 120, 0, "y=-x+2"}},
       {{kAny, 290, 5, "のとき、右下がりで減少"}}},
      {kSection + "5 Enter" + spaces(5),
       true,
       {{60, 150, 5, "減少する"}, {kAny, 290, 5, "のとき、右下がりで減少"}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    CorbiskRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(footOf(lines), c.backAtSubMenu ? Foot::SubMenu : Foot::KeyWait) << dump(lines);
  }
}

// The arrows and frames of the figures: each arrow as its shaft from the
// start point to the head and two wings ending at the head, in its colour and
// pen width; points placed on the plane drawn on the same screen.
TEST(CorbiskSlope, FigureArrowsAndFrames) {
  struct Arrow {
    float fromX, fromY, toX, toY;
    int color, width;
  };
  // An outline box with its pen width, or a filled box with its fill colour.
  struct Box {
    DrawOp::Kind kind;
    float x1, y1, x2, y2;
    int color, widthOrFill;
  };
  struct Case {
    std::string keys;
    std::vector<Arrow> arrows;
    std::vector<Box> boxes;
  } cases[] = {
      {kSection + "1 Enter" + spaces(9),
       {{878, 540, 918, 540, 7, 4},
        {918, 540, 918, 460, 3, 4},
        {1038, 220, 1078, 220, 7, 4},
        {1078, 220, 1078, 140, 3, 4},
        {878, 540, 998, 540, 5, 4},
        {998, 540, 998, 300, 5, 4}},
       {}},
      {kSection + "1 Enter" + spaces(15),
       {{878, 140, 918, 140, 7, 4},
        {918, 140, 918, 220, 3, 4},
        {878, 140, 1038, 140, 5, 4},
        {1038, 140, 1038, 460, 5, 4}},
       {}},
      {kSection + "2 Enter" + spaces(2),
       {{214, 450, 294, 450, 5, 5},
        {294, 450, 294, 330, 5, 5},
        {594, 350, 674, 350, 5, 5},
        {674, 350, 674, 470, 5, 5}},
       {{DrawOp::Kind::Box, 38, 16, 608, 191, 9, 10}}},
      {kSection + "3 Enter", {}, {{DrawOp::Kind::Fill, 0, 0, 1900, 1500, 15, 15}}},
      {kSection + "4 Enter" + spaces(5),
       {{822, 330, 1002, 330, 7, 6}, {1002, 330, 1002, 150, 7, 6}, {822, 300, 972, 150, 5, 6}},
       {{DrawOp::Kind::Fill, 0, 0, 1320, 1300, 15, 15}}},
      {kSection + "5 Enter" + spaces(5),
       {{822, 150, 1002, 150, 7, 6}, {1002, 150, 1002, 330, 7, 6}, {822, 210, 972, 360, 5, 6}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    CorbiskRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<DrawOp> ops = run.draws();
    for (const Arrow& a : c.arrows) {
      int shafts = 0, wings = 0;
      for (const DrawOp& op : ops) {
        if (op.kind != DrawOp::Kind::Line || op.color != a.color || op.width != a.width) continue;
        if (op.x2 != a.toX || op.y2 != a.toY) continue;
        if (op.x1 == a.fromX && op.y1 == a.fromY) {
          ++shafts;
        } else {
          ++wings;
        }
      }
      EXPECT_GE(shafts, 1) << a.fromX << "," << a.fromY << " -> " << a.toX << "," << a.toY;
      EXPECT_GE(wings, 2) << a.fromX << "," << a.fromY << " -> " << a.toX << "," << a.toY;
    }
    for (const Box& b : c.boxes) {
      bool drawn = false;
      for (const DrawOp& op : ops) {
        drawn |= op.kind == b.kind && op.x1 == b.x1 && op.y1 == b.y1 && op.x2 == b.x2 &&
                 op.y2 == b.y2 && op.color == b.color &&
                 (b.kind == DrawOp::Kind::Fill ? op.fill : op.width) == b.widthOrFill;
      }
      EXPECT_TRUE(drawn) << b.x1 << "," << b.y1 << " " << b.x2 << "," << b.y2;
    }
  }
}

// What one drill example drew, read back from its text glyphs and the
// hand-drawn signs: a horizontal stroke is "-", with a vertical one through it
// "+".
struct DrillExample {
  std::u32string question;  // colour 0 on the question line, blanks left out
  float slope = 0, intercept = 0;
};

// The text at y (glyph tops at y, or raised letters within 30 px above it) in
// a colour, signs included, read left to right.
std::u32string readLine(const std::vector<DrawOp>& ops, float y, int color) {
  return testing::readFormula(
      ops, color, [&](const DrawOp& glyph) { return glyph.y1 <= y && glyph.y1 > y - 30; },
      [&](const DrawOp& stroke) { return stroke.y1 > y && stroke.y1 < y + 44; });
}

float readNumber(const std::u32string& text) {
  return static_cast<float>(std::stoi(std::string(text.begin(), text.end())));
}

std::vector<DrillExample> drillExamples(const std::vector<DrawOp>& ops) {
  std::vector<std::vector<DrawOp>> parts;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Fill && op.x1 == 720 && op.y1 == 30 && op.x2 == 1320 &&
        op.y2 == 330 && op.fill == 15) {
      parts.emplace_back();
    } else if (!parts.empty() && op.x1 >= 720 && op.y1 >= 0 && op.y1 < 330) {
      parts.back().push_back(op);
    }
  }
  std::vector<DrillExample> out;
  for (const std::vector<DrawOp>& part : parts) {
    DrillExample example;
    example.question = readLine(part, 30, 0);
    example.slope = readNumber(readLine(part, 130, 5));
    example.intercept = readNumber(readLine(part, 180, 5));
    out.push_back(example);
  }
  return out;
}

// The drill's equation shows the drawn slope and intercept: no "1" before the
// x for a slope of 1 or -1, a "+" before a positive intercept; the answers
// show the plain numbers. Every value other than 1 typed at the next-step
// prompt gives a new example; slopes and intercepts are never 0.
TEST(CorbiskSlope, DrillEquationsMatchTheirAnswers) {
  constexpr int kExamples = 40;
  std::string keys = kSection + "2 Enter" + spaces(3);
  for (int i = 1; i < kExamples; ++i) keys += spaces(2) + (i % 2 ? " 2 Enter" : " 0 Enter");
  keys += spaces(2) + " 1 Enter Space";
  CorbiskRun run(keys);
  ASSERT_EQ(run.status, kReplayWaiting);

  const std::vector<DrillExample> examples = drillExamples(run.draws());
  ASSERT_EQ(examples.size(), static_cast<std::size_t>(kExamples));
  std::set<float> slopes, intercepts;
  int changes = 0;
  for (std::size_t i = 0; i < examples.size(); ++i) {
    const DrillExample& e = examples[i];
    SCOPED_TRACE(std::to_string(e.slope) + " " + std::to_string(e.intercept));
    EXPECT_TRUE(std::fabs(e.slope) >= 1 && std::fabs(e.slope) <= 5);
    EXPECT_TRUE(std::fabs(e.intercept) >= 1 && std::fabs(e.intercept) <= 5);
    auto digits = [](float v) {
      std::string s = std::to_string(static_cast<int>(v));
      return std::u32string(s.begin(), s.end());
    };
    const std::u32string coefficient = e.slope == 1 ? U"" : e.slope == -1 ? U"-" : digits(e.slope);
    const std::u32string term = (e.intercept > 0 ? U"+" : U"") + digits(e.intercept);
    EXPECT_TRUE(e.question == U"問1次関数y=" + coefficient + U"x" + term + U"で");
    slopes.insert(e.slope);
    intercepts.insert(e.intercept);
    if (i > 0) {
      changes += e.slope != examples[i - 1].slope || e.intercept != examples[i - 1].intercept;
    }
  }
  // The run covers the cases that matter: slopes 1 and -1, both signs.
  EXPECT_TRUE(slopes.count(1) && slopes.count(-1));
  EXPECT_TRUE(*intercepts.begin() < 0 && *intercepts.rbegin() > 0);
  EXPECT_GT(changes, 0);
  EXPECT_TRUE(showing(run.lines(), {756, 320, 7, "問3をしなさい。"}));
}

}  // namespace
}  // namespace lesson
