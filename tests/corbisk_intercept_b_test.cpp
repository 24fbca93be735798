// Section 5 pages ⑤ to ⑦, run from the main menu: what each key reveals, where
// the answers of page ⑦ stand, and the figures (moved points, intercept points,
// frames) the pages draw.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
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
using testing::showing;
using testing::spaces;

TEST(CorbiskInterceptB, PagesRevealOneStepPerKeyAndReturn) {
  const std::string p5 = "5 Enter 5 Enter";
  const std::string p6 = "5 Enter 6 Enter";
  const std::string p7 = "5 Enter 7 Enter";
  struct Case {
    std::string keys;
    bool backAtSubMenu;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // Page ⑤: the question and y=-x first, then the answer text, the points,
      // the moved line and the textbook prompt.
      {p5,
       false,
       {{40, 30, 7, "Q"},
        {kAny, 30, 0, "のグラフをもとにして、"},
        {kAny, 80, 0, "のグラフをかきなさい。"},
        {kAny, kAny, 0, "y=-x"}},
       {{40, 140, 7, "<解答>"}, {kAny, kAny, 5, "y=-x-2"}}},
      {p5 + spaces(1),
       false,
       {{40, 140, 7, "<解答>"},
        {kAny, 190, 0, "のグラフの各点を"},
        {40, 240, 3, "下に2移動させた点"},
        {kAny, 240, 0, "をとり、"},
        {40, 290, 0, "とった点を結ぶ。"}},
       {}},
      {p5 + spaces(3), false, {{kAny, kAny, 5, "y=-x-2"}}, {{40, 380, 7, "教科書P67の問1"}}},
      {p5 + spaces(4), true, {{40, 380, 7, "教科書P67の問1をしなさい。"}}, {}},
      // Page ⑥: the two proportion graphs and the three functions, then one
      // answer line per key, each in its family's colour.
      {p6,
       false,
       {{40, 30, 3, "問1　解答"},
        {40, 80, 0, "(1)"},
        {40, 130, 0, "(2)"},
        {40, 180, 0, "(3)"},
        {kAny, kAny, 3, "y=2x"},
        {kAny, kAny, 7, "y=-2x"}},
       {{kAny, kAny, 3, "(1)"}}},
      {p6 + spaces(1), false, {{kAny, kAny, 3, "(1)"}}, {{kAny, kAny, 7, "(2)"}}},
      {p6 + spaces(2), false, {{kAny, kAny, 7, "(2)"}}, {{kAny, kAny, 7, "(3)"}}},
      {p6 + spaces(3), true, {{kAny, kAny, 3, "(1)"}, {kAny, kAny, 7, "(3)"}}, {}},
      // Page ⑦: recap with both graphs, definition, summary, question, answers.
      {p7,
       false,
       {{76, 30, 3, "<比例のグラフとの関係>"},
        {76, 130, 5, "y軸の正の方向にbだけ平行移動"},
        {kAny, 130, 0, "させた"},
        {kAny, 130, 3, "直線"},
        {851, 285, 5, "(0,b)"},
        {kAny, kAny, 3, "y=ax+b"}},
       {{76, 220, 5, "<切片>"}}},
      {p7 + spaces(1),
       false,
       {{76, 220, 5, "<切片>"},
        {76, 270, 5, "b"},
        {kAny, 270, 5, "切片"},
        {kAny, 270, 0, "という。"},
        {76, 370, 0, "②y軸と交わる点(0,b)のy座標"}},
       {{38, 500, 5, "平行"}}},
      {p7 + spaces(2),
       false,
       {{kAny, 450, 0, "のグラフに"}, {38, 500, 5, "平行"}, {kAny, 500, 5, "点(0,b)"}},
       {{76, 560, 7, "教科書P67の問2"}}},
      {p7 + spaces(3),
       false,
       {{76, 560, 7, "教科書P67の問2をしなさい。"}},
       {{kAny, 560, 0, "(1)"}}},
      {p7 + spaces(4),
       true,
       {{kAny, 560, 0, "(1)"}, {kAny, 560, 5, "5"}, {kAny, 560, 0, "(3)"}, {kAny, 560, 5, "0"}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    CorbiskRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(footOf(lines), c.backAtSubMenu ? Foot::SubMenu : Foot::KeyWait) << dump(lines);
    if (c.backAtSubMenu) {
      EXPECT_EQ(run.unit.getDrawWidth(), 5);
    }
  }
}

// Page ⑦'s answers share the question's line: the first 50 px after the
// question, each next one 20 px after the value before it.
TEST(CorbiskInterceptB, AnswersFollowTheQuestion) {
  auto width = [](const Text& text) {
    testing::LessonFixture fx;
    fx.lesson.workText = text;
    fx.lesson.measureText();
    return fx.lesson.textWidth;
  };
  const float first = 76 + width(U"教科書P67の問2 をしなさい。") + 50;
  const float second = first + width(U"(1)") + width(U"5") + 20;
  const float third = second + width(U"(2)") + width(U"-4") + 20;
  CorbiskRun run("5 Enter 7 Enter" + spaces(4));
  const std::vector<TextLine> lines = run.lines();
  EXPECT_TRUE(showing(lines, {first, 560, 0, "(1)"})) << first << "\n" << dump(lines);
  EXPECT_TRUE(showing(lines, {second, 560, 0, "(2)"})) << second << "\n" << dump(lines);
  EXPECT_TRUE(showing(lines, {third, 560, 0, "(3)"})) << third << "\n" << dump(lines);
}

bool isDot(const DrawOp& op, float x, float y, float radius, int color) {
  return op.kind == DrawOp::Kind::Circle && op.filled && op.radius == radius && op.color == color &&
         op.x1 == x && op.y1 == y;
}

// A dot of a plotted line (radius 1) in `color` within 1.5 px of (x, y), at or
// after op `from`.
bool lineDotNear(const std::vector<DrawOp>& ops, std::size_t from, float x, float y, int color) {
  for (std::size_t i = from; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    if (op.kind == DrawOp::Kind::Circle && op.radius == 1 && op.color == color &&
        std::hypot(op.x1 - x, op.y1 - y) <= 1.5f)
      return true;
  }
  return false;
}

// The marked points: page ⑤'s nine moved points (radius 6) on the plane with
// origin (920, 300) and 40 px units, and the intercept points (radius 8) of
// pages ⑥ (origin (720, 330)) and ⑦ (origin (986, 460), 50 px units). The
// line runs through each; pages ⑤ and ⑥ draw the point before its line, page
// ⑦ puts its dot on the line already drawn.
TEST(CorbiskInterceptB, MarkedPointsLieOnTheirLines) {
  struct Point {
    float x, y, radius;
    int lineColor;
    bool lineFirst;
  };
  struct Case {
    std::string keys;
    std::vector<Point> points;
  } cases[] = {
      {"5 Enter 5 Enter" + spaces(4), {}},
      {"5 Enter 6 Enter" + spaces(3),
       {{720, 410, 8, 3, false}, {720, 170, 8, 7, false}, {720, 450, 8, 7, false}}},
      {"5 Enter 7 Enter", {{986, 310, 8, 3, true}}},
  };
  for (int x = -5; x <= 3; ++x) {
    cases[0].points.push_back(
        {920 + 40 * static_cast<float>(x), 300 - 40 * static_cast<float>(-x - 2), 6, 5, false});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    CorbiskRun run(c.keys);
    const std::vector<DrawOp> ops = run.draws();
    for (const Point& p : c.points) {
      std::size_t at = ops.size();
      for (std::size_t i = 0; i < ops.size() && at == ops.size(); ++i) {
        if (isDot(ops[i], p.x, p.y, p.radius, 5)) at = i;
      }
      ASSERT_LT(at, ops.size()) << "point " << p.x << "," << p.y;
      EXPECT_TRUE(lineDotNear(ops, p.lineFirst ? 0 : at + 1, p.x, p.y, p.lineColor))
          << "line through " << p.x << "," << p.y;
    }
  }
}

// The rectangles the pages draw: each clears (0,0)-(1320,1300) only; page ⑦
// frames its recap with width 10 in colour 9 and its definition with width 5
// in colour 3, 10 px above the "<切片>" line.
TEST(CorbiskInterceptB, ClearsAndFrames) {
  using Kind = DrawOp::Kind;
  struct Box {
    Kind kind;
    float x1, y1, x2, y2;
    int color, fill, width;
  };
  struct Case {
    std::string keys;
    std::vector<Box> boxes;
  } cases[] = {
      {"5 Enter 5 Enter", {{Kind::Fill, 0, 0, 1320, 1300, 15, 15, -1}}},
      {"5 Enter 6 Enter", {{Kind::Fill, 0, 0, 1320, 1300, 15, 15, -1}}},
      {"5 Enter 7 Enter Space",
       {{Kind::Fill, 0, 0, 1320, 1300, 15, 15, -1},
        {Kind::Box, 38, 16, 760, 191, 9, -1, 10},
        {Kind::Box, 38, 210, 646, 435, 3, -1, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    CorbiskRun run(c.keys);
    const std::vector<DrawOp> ops = run.draws();
    for (const Box& b : c.boxes) {
      bool drawn = false;
      for (const DrawOp& op : ops) {
        drawn |= op.kind == b.kind && op.x1 == b.x1 && op.y1 == b.y1 && op.x2 == b.x2 &&
                 op.y2 == b.y2 && op.color == b.color && op.fill == b.fill &&
                 (b.width < 0 || op.width == b.width);
      }
      EXPECT_TRUE(drawn) << b.x1 << "," << b.y1 << " " << b.x2 << "," << b.y2;
    }
  }
}

}  // namespace
}  // namespace lesson
