// Tessarin section 2 (the lines y=k and x=h), run from the main menu: the
// goal banner and the sub-menu, what each page shows at each key and where
// its dots, lines and labels stand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"
#include "units/tessarin/tessarin.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::dump;
using testing::expectAnchors;
using testing::Foot;
using testing::footOf;
using testing::kAny;
using testing::keyWaitBars;
using testing::showing;
using testing::spaces;
using testing::TessarinRun;

const std::string kSection = "2 Enter";
const std::string kExampleY = kSection + " 1 Enter";
const std::string kAnswers3 = kSection + " 2 Enter";
const std::string kExampleX = kSection + " 3 Enter";
const std::string kAnswers4 = kSection + " 4 Enter";
const std::string kAnswers5 = kSection + " 5 Enter";
const std::string kSummary = kSection + " 6 Enter";

// The sub-menu line as the prompt writes it, in full-width cells.
const char* const kSubMenuStart = "①ｙ＝ｋ例";

// A line that starts with an italic x stands 4 px right of its pen.
const Anchor kGoalHeading{44, 240, 3, "<めあて>"};
const Anchor kGoalSecond{44, 370, 0, "a=0やb=0の場合のグラフをかこう。"};

TEST(TessarinSection2, BannerSubMenuAndPagesOneStepPerKey) {
  struct Case {
    std::string keys;
    Foot at;
    int keyWaits;  // key-wait bars drawn in the whole run
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // The banner, then the sub-menu line under it.
      {kSection, Foot::SubMenu, 0, {kGoalHeading, {44, 305, 0, "二元一次方程式"}, kGoalSecond}, {}},
      // A choice outside 1..7 reads again under the untouched banner.
      {kSection + " 0 Enter", Foot::SubMenu, 0, {kGoalHeading, kGoalSecond}, {}},
      {kSection + " 8 Enter", Foot::SubMenu, 0, {kGoalHeading, kGoalSecond}, {}},
      {kSection + " Enter", Foot::SubMenu, 0, {kGoalHeading, kGoalSecond}, {}},
      {kSection + " - 1 Enter", Foot::SubMenu, 0, {kGoalHeading, kGoalSecond}, {}},
      // A value within 1..7 that is not whole passes the range test and opens
      // the item it rounds to; one just outside reads again.
      {kSection + " 2.5 Enter", Foot::KeyWait, 1, {{38, 30, 3, "方程式3x=6"}}, {kGoalHeading}},
      {kSection + " 5/2 Enter", Foot::KeyWait, 1, {{38, 30, 3, "方程式3x=6"}}, {kGoalHeading}},
      {kSection + " 0.5 Enter", Foot::SubMenu, 0, {kGoalHeading, kGoalSecond}, {}},
      {kSection + " 7.5 Enter", Foot::SubMenu, 0, {kGoalHeading, kGoalSecond}, {}},
      // 7 goes back to the main menu, from the banner or after a page.
      {kSection + " 7 Enter", Foot::MainMenu, 0, {}, {kGoalHeading}},
      {kSummary + " 7 Enter", Foot::MainMenu, 0, {}, {{76, 30, 3, "<二元一次方程式とグラフ>"}}},

      // Item ①: the task first; one piece per key; the dots, the line and the
      // conclusion; the textbook pointer without a wait.
      {kExampleY,
       Foot::KeyWait,
       1,
       {{38, 30, 3, "方程式2y=6のグラフを2点を求めてかきなさい。"}},
       {kGoalHeading, {38, 80, 0, "を代入すると、"}}},
      {kExampleY + spaces(3),
       Foot::KeyWait,
       4,
       {{38, 80, 0, "0x+2y=6に　x=0を代入すると、"}, {38, 130, 0, "2y=6"}, {kAny, 130, 0, "y=3"}},
       {{38, 180, 3, "点(0,3)を通る。"}}},
      {kExampleY + spaces(12),
       Foot::KeyWait,
       13,
       {{38, 180, 3, "点(0,3)を通る。"},
        {42, 230, 0, "x=3を代入すると、"},
        {kAny, 280, 0, "y=3"},
        {38, 330, 3, "点(3,3)を通る。"},
        {38, 400, 5, "点(0,3)を通り、x軸に平行な直線"}},
       {{38, 540, 7, "教科書P80"}}},
      {kExampleY + spaces(13),
       Foot::SubMenu,
       13,
       {{38, 400, 5, "点(0,3)を通り、x軸に平行な直線"},
        {38, 540, 7, "教科書P80問3　をやってみよう。"}},
       {}},
      // Choosing it again starts it again from its first step.
      {kExampleY + spaces(13) + " 1 Enter",
       Foot::KeyWait,
       14,
       {{38, 30, 3, "方程式2y=6"}},
       {{38, 540, 7, "教科書P80"}, {38, 80, 0, "を代入すると、"}}},

      // Item ③, the twin of ①.
      {kExampleX,
       Foot::KeyWait,
       1,
       {{38, 30, 3, "方程式3x=6のグラフを2点を求めてかきなさい。"}},
       {{38, 80, 0, "を代入すると、"}}},
      {kExampleX + spaces(12),
       Foot::KeyWait,
       13,
       {{38, 80, 0, "3x+0y=6にy=0を代入すると、"},
        {kAny, 130, 0, "x=2"},
        {38, 180, 3, "点(2,0)を通る。"},
        {38, 330, 3, "点(2,3)を通る。"},
        {38, 400, 5, "点(2,0)を通り、y軸に平行な直線"}},
       {{38, 540, 7, "教科書P81"}}},
      {kExampleX + spaces(13),
       Foot::SubMenu,
       13,
       {{38, 540, 7, "教科書P81問4　をやってみよう。"}},
       {}},

      // Item ②: both answers at once, no key wait.
      {kAnswers3,
       Foot::SubMenu,
       0,
       {{114, 30, 3, "教科書P80問3　解答"},
        {38, 80, 0, "(1)y=2"},
        {114, 130, 3, "点(0,2)を通り、"},
        {114, 230, 0, "をかけばよい"},
        {38, 280, 0, "(2)2y=-6"},
        {114, 330, 0, "y=-3だから"},
        {114, 380, 3, "点(0,-3)を通り、"},
        {118, 430, 3, "x軸に平行な直線"},
        {114, 480, 0, "をかけばよい"}},
       {kGoalHeading}},
      // Item ④: both answers, a key, then the pointer.
      {kAnswers4,
       Foot::KeyWait,
       1,
       {{114, 30, 3, "教科書P81問4　解答"},
        {38, 80, 0, "(1)x=-2"},
        {114, 130, 3, "点(-2,0)を通り、y軸に平行な直線"},
        {114, 210, 0, "をかけばよい"},
        {38, 260, 0, "(2)3x=12"},
        {118, 310, 0, "x=4だから"},
        {114, 410, 0, "をかけばよい"}},
       {{114, 540, 7, "教科書P81"}}},
      {kAnswers4 + " Space",
       Foot::SubMenu,
       1,
       {{114, 410, 0, "をかけばよい"}, {114, 540, 7, "教科書P81問5　をやってみよう。"}},
       {}},
      // Item ⑤: a key between the two halves and none after the second.
      {kAnswers5,
       Foot::KeyWait,
       1,
       {{114, 30, 3, "教科書P81問5　解答"},
        {118, 80, 0, "x=0だから"},
        {114, 180, 0, "だから"},
        {114, 230, 5, "y軸を表している。"}},
       {{114, 300, 0, "y=0だから"}}},
      {kAnswers5 + " Space",
       Foot::SubMenu,
       1,
       {{114, 230, 5, "y軸を表している。"},
        {114, 300, 0, "y=0だから"},
        {114, 350, 3, "点(0,0)を通り、x軸に平行な直線"},
        {118, 450, 5, "x軸を表している。"}},
       {}},

      // Item ⑥: the framed summary at once.
      {kSummary,
       Foot::SubMenu,
       0,
       {{76, 30, 3, "<二元一次方程式とグラフ>"},
        {76, 80, 0, "二元一次方程式"},
        {345, 80, 0, "ax+by=cのグラフは、"},
        {kAny, 80, 5, "直線"},
        {76, 130, 0, "特に、"},
        {76, 180, 3, "y=k"},
        {kAny, 180, 5, "x軸に平行な直線"},
        {76, 230, 3, "x=h"},
        {kAny, 230, 5, "y軸に平行な直線"}},
       {kGoalHeading}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(footOf(lines, c.at == Foot::SubMenu ? kSubMenuStart : ""), c.at) << dump(lines);
    EXPECT_EQ(keyWaitBars(run.draws()), c.keyWaits);
  }
}

// The banner is drawn on entry from the main menu only, not when a page
// returns to the sub-menu.
TEST(TessarinSection2, BannerOnlyOnEntryFromTheMainMenu) {
  struct Case {
    std::string keys;
    int banners;
  } cases[] = {
      {kSection, 1},
      {kAnswers3 + " 2 Enter 6 Enter", 1},
      {kSection + " 7 Enter 2 Enter", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    int banners = 0;
    for (const DrawOp& op : run.draws()) {
      banners += op.kind == DrawOp::Kind::Symbol && op.x1 == 44 && op.y1 == 240 && op.color == 3;
    }
    EXPECT_EQ(banners, c.banners);
  }
}

// ---- Figures ----------------------------------------------------------------

// The index of the dot of radius 8 in colour 5 centred at (x, y), or -1.
int dotAt(const std::vector<DrawOp>& ops, float x, float y) {
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    if (op.kind == DrawOp::Kind::Circle && op.filled && op.radius == 8 && op.color == 5 &&
        op.x1 == x && op.y1 == y)
      return static_cast<int>(i);
  }
  return -1;
}

// Whether a line in `color` passes through (x, y), drawn after op `after`:
// a dot of a plotted curve (radius 1) within 1.5 px, or a vertical stroke at x
// over y.
bool lineThrough(const std::vector<DrawOp>& ops, int after, float x, float y, int color) {
  for (std::size_t i = static_cast<std::size_t>(after) + 1; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    if (op.color != color) continue;
    if (op.kind == DrawOp::Kind::Circle && op.radius == 1 &&
        std::hypot(op.x1 - x, op.y1 - y) <= 1.5f)
      return true;
    if (op.kind == DrawOp::Kind::Line && op.x1 == x && op.x2 == x && std::min(op.y1, op.y2) <= y &&
        std::max(op.y1, op.y2) >= y)
      return true;
  }
  return false;
}

// A visible line of text with its top-left within 1 px of (x, y).
bool textNear(const std::vector<TextLine>& lines, float x, float y, int color,
              const std::string& text) {
  for (const TextLine& line : lines) {
    if (line.color == color && line.text == text && std::abs(line.x - x) <= 1 &&
        std::abs(line.y - y) <= 1)
      return true;
  }
  return false;
}

// Each page's dots stand on grid crossings at the points its text names, each
// line runs through its dot and is drawn after it, and the labels stand where
// the line ends moved by the page's offsets.
TEST(TessarinSection2, DotsLinesAndLabelsOnThePlanes) {
  struct Dot {
    float x, y;
    int lineColor;
  };
  struct Label {
    float x, y;
    int color;
    std::string text;
  };
  struct Case {
    std::string keys;
    std::vector<Dot> dots;
    std::vector<Label> labels;
  } cases[] = {
      // ①: origin (920,300); (0,3), (3,3) on y=3, labelled 135 px left of the
      // line's right end.
      {kExampleY + spaces(13), {{920, 180, 3}, {1040, 180, 3}}, {{945, 180, 3, "2y=6"}}},
      // ③: origin (884,380); (2,0), (2,3) on x=2, labelled 16 px right of its
      // top end.
      {kExampleX + spaces(13), {{964, 380, 3}, {964, 260, 3}}, {{980, 100, 3, "3x=6"}}},
      // ②: origin (926,300); y=2 and y=-3, labels 135 px left of the right
      // edge and 80 px above.
      {kAnswers3, {{926, 220, 3}, {926, 420, 3}}, {{1071, 140, 3, "(1)"}, {1071, 340, 3, "(2)"}}},
      // ④: origin (960,380); x=-2 labelled right of its top, x=4 left of it.
      {kAnswers4 + " Space",
       {{880, 380, 3}, {1120, 380, 3}},
       {{896, 100, 3, "(1)"}, {1022, 100, 3, "(2)"}}},
      // ⑤: the origin twice, under x=0 in colour 3 and y=0 in colour 7.
      {kAnswers5 + " Space", {{960, 380, 3}, {960, 380, 7}}, {}},
      // ⑥: three planes side by side; (0,2) on y=k and (2,0) on x=h, with
      // their names 135 px to the left. The label x=h begins with an italic x,
      // whose glyph stands 4 px right of and 22 px above the pen.
      {kSummary,
       {{504, 410, 3}, {814, 490, 3}},
       {{516, 330, 3, "y=k"},
        {830 + 4, 330 - 22, 3, "x=h"},
        {369, 410, 5, "(0,k)"},
        {679, 440, 5, "(h,0)"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    // Every page leaves the pen width at 5.
    EXPECT_EQ(run.unit.getDrawWidth(), 5);
    const std::vector<DrawOp> ops = run.draws();
    for (const Dot& d : c.dots) {
      const int dot = dotAt(ops, d.x, d.y);
      ASSERT_GE(dot, 0) << d.x << "," << d.y;
      EXPECT_TRUE(lineThrough(ops, dot, d.x, d.y, d.lineColor)) << d.x << "," << d.y;
    }
    const std::vector<TextLine> lines = run.lines();
    for (const Label& l : c.labels) {
      EXPECT_TRUE(textNear(lines, l.x, l.y, l.color, l.text)) << l.text << "\n" << dump(lines);
    }
  }
}

// The axes page draws its lines without labels, whatever label the page
// before left behind.
TEST(TessarinSection2, AxisLinesCarryNoLabel) {
  TessarinRun run(kAnswers4 + " Space 5 Enter Space");
  ASSERT_EQ(run.status, kReplayWaiting);
  for (const TextLine& line : run.lines()) {
    EXPECT_NE(line.text, "(2)");
    EXPECT_NE(line.color, 7) << line.text;
  }
}

// The summary's three planes: axes only, each 30 px right of the one before,
// all 100 px under the last statement.
TEST(TessarinSection2, SummaryPlanesStandSideBySide) {
  TessarinRun run(kSummary);
  ASSERT_EQ(run.status, kReplayWaiting);
  EXPECT_EQ(run.unit.plotLeft, 654);
  EXPECT_EQ(run.unit.plotTop, 330);
  EXPECT_EQ(run.unit.plotRight, 894);
  EXPECT_EQ(run.unit.originX, 734);
  EXPECT_EQ(run.unit.originY, 490);
  EXPECT_EQ(run.unit.textLineY, 230);
  // The frame round the statements: an outline in colour 9 drawn at width 10,
  // before the planes set the width to 5.
  int frames = 0;
  for (const DrawOp& op : run.draws()) {
    frames += op.kind == DrawOp::Kind::Box && op.x1 == 38 && op.y1 == 16 && op.x2 == 950 &&
              op.y2 == 291 && op.color == 9 && op.width == 10;
  }
  EXPECT_EQ(frames, 1);
  // No grid: every thin line of colour 0 and width 1 is missing; only the
  // axes (width 4) are drawn, two per plane.
  int axes = 0, gridLines = 0;
  for (const DrawOp& op : run.draws()) {
    if (op.kind != DrawOp::Kind::Line) continue;
    axes += op.width == 4;
    gridLines += op.width == 1;
  }
  EXPECT_EQ(axes, 6);
  EXPECT_EQ(gridLines, 0);
}

}  // namespace
}  // namespace lesson
