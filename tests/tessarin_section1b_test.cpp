// Tessarin section 1 pages ④ to ⑦, run from the main menu: what each key
// reveals, where the marked points, arrows, lines and labels stand, and the
// random two-point example's draws and its next-step loop.
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
using testing::showing;
using testing::spaces;
using testing::TessarinRun;

const std::string kPage4 = "1 Enter 4 Enter";
const std::string kPage5 = "1 Enter 5 Enter";
const std::string kPage6 = "1 Enter 6 Enter";
const std::string kPage7 = "1 Enter 7 Enter";

TEST(TessarinSection1B, PagesRevealOneStepPerKeyAndReturn) {
  struct Case {
    std::string keys;
    Foot at;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // Page ④: the plane, the heading and the whole working of (1) before the
      // first key; then the slope steps, line (1), the working of (2), its slope
      // steps and line (2), after which the sub-menu follows at once.
      {kPage4,
       Foot::KeyWait,
       {{121, 30, 3, "教科書P78問1　解答"},
        {40, 80, 7, "(1)"},
        {kAny, 80, 0, "-2y=6"},
        {121, 210, 3, "y"},
        {kAny, 210, 3, "-3"}},
       {{40, 290, 7, "(2)"}}},
      {kPage4 + spaces(2), Foot::KeyWait, {{kAny, kAny, 3, "(1)"}}, {{40, 290, 7, "(2)"}}},
      {kPage4 + spaces(3),
       Foot::KeyWait,
       {{40, 290, 7, "(2)"}, {kAny, 290, 0, "+3y=0"}, {121, 340, 0, "3y="}, {121, 420, 3, "y="}},
       {{kAny, kAny, 3, "(2)"}}},
      {kPage4 + spaces(5), Foot::SubMenu, {{kAny, kAny, 3, "(1)"}, {kAny, kAny, 3, "(2)"}}, {}},
      // Page ⑤: the task and the equation, then one piece per key; after the
      // line the next-step prompt, and after 1 one more key for the textbook
      // prompt.
      {kPage5,
       Foot::KeyWait,
       {{40, 30, 3, "例1"},
        {128, 30, 0, "次の方程式のグラフを"},
        {104, 80, 0, "2点を求めてかきなさい。"}},
       {{kAny, 190, 0, "を代入すると、"}}},
      {kPage5 + spaces(1),
       Foot::KeyWait,
       {{kAny, 190, 0, "を代入すると、"}},
       {{kAny, 240, 0, "y="}}},
      {kPage5 + spaces(4),
       Foot::KeyWait,
       {{40, 290, 3, "点(0,"}},
       {{kAny, 340, 0, "を代入すると、"}}},
      {kPage5 + spaces(9), Foot::KeyWait, {{40, 440, 3, "点("}}, {}},
      {kPage5 + spaces(11), Foot::NextStep, {{40, 440, 3, "点("}}, {}},
      {kPage5 + spaces(11) + " 1 Enter",
       Foot::KeyWait,
       {{40, 30, 3, "例1"}},
       {{40, 540, 7, "教科書P79"}}},
      {kPage5 + spaces(11) + " 1 Enter Space",
       Foot::SubMenu,
       {{40, 30, 3, "例1"}, {40, 540, 7, "教科書P79問2　をやってみよう。"}},
       {}},
      // Page ⑥: heading and equation (1), its intercepts, its dots, line (1)
      // with equation (2), its intercepts, its dots, line (2).
      {kPage6,
       Foot::KeyWait,
       {{114, 30, 3, "教科書P79問2　解答"}, {38, 80, 3, "(1)"}},
       {{kAny, 130, 0, "のとき"}}},
      {kPage6 + spaces(1),
       Foot::KeyWait,
       {{kAny, 130, 0, "のときy=-5"}, {114, 180, 0, "y=0のとき"}},
       {}},
      {kPage6 + spaces(3),
       Foot::KeyWait,
       {{38, 250, 3, "(2)"}, {kAny, kAny, 3, "(1)"}},
       {{kAny, 300, 0, "のとき"}}},
      {kPage6 + spaces(4),
       Foot::KeyWait,
       {{kAny, 300, 0, "のときy=-1"}, {114, 350, 0, "y=0のとき"}},
       {}},
      {kPage6 + spaces(6), Foot::SubMenu, {{38, 250, 3, "(2)"}, {kAny, kAny, 3, "(2)"}}, {}},
      // Page ⑦: fourteen key waits, then the line and the sub-menu at once.
      {kPage7,
       Foot::KeyWait,
       {{40, 30, 7, "次の方程式のグラフを2点を求めてかこう。"}, {kAny, 80, 3, "-3y=7"}},
       {{kAny, 140, 0, "のとき"}}},
      {kPage7 + spaces(1), Foot::KeyWait, {{kAny, 140, 0, "のとき"}}, {{kAny, 140, 3, "y="}}},
      {kPage7 + spaces(4), Foot::KeyWait, {{kAny, 190, 3, "x=7"}}, {{kAny, 190, 5, "かけない"}}},
      // "かけない" 30 px after the end of "x=7" (341 + 27), not at the margin.
      {kPage7 + spaces(5), Foot::KeyWait, {{398, 190, 5, "かけない"}}, {}},
      {kPage7 + spaces(9), Foot::KeyWait, {{44, 378, 3, "x"}}, {{kAny, 400, 0, "=3×(-1)"}}},
      {kPage7 + spaces(10), Foot::KeyWait, {{kAny, 400, 0, "=3×(-1)"}, {kAny, 400, 3, "=4"}}, {}},
      {kPage7 + spaces(12),
       Foot::KeyWait,
       {{kAny, 500, 0, "=3×(-2)"}, {kAny, 500, 3, "=1"}, {40, 550, 0, "だから、"}},
       {{40, 600, 3, "2点"}}},
      {kPage7 + spaces(13), Foot::KeyWait, {{40, 600, 3, "2点(4,-1),(1,-2)を通る。"}}, {}},
      {kPage7 + spaces(14), Foot::SubMenu, {{40, 600, 3, "2点(4,-1),(1,-2)を通る。"}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(footOf(lines), c.at) << dump(lines);
    if (c.at == Foot::SubMenu) {
      EXPECT_EQ(run.unit.getDrawWidth(), 5);
    }
  }
}

bool hasDot(const std::vector<DrawOp>& ops, float x, float y) {
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.filled && op.radius == 8 && op.color == 5 &&
        op.x1 == x && op.y1 == y)
      return true;
  }
  return false;
}

// A dot of a plotted line (radius 1, colour 3) within 1.5 px of (x, y).
bool lineDotNear(const std::vector<DrawOp>& ops, float x, float y) {
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.radius == 1 && op.color == 3 &&
        std::hypot(op.x1 - x, op.y1 - y) <= 1.5f)
      return true;
  }
  return false;
}

// A visible text in colour 3 with its top-left within 1 px of (x, y).
bool labelNear(const std::vector<TextLine>& lines, float x, float y, const std::string& text) {
  for (const TextLine& line : lines) {
    if (line.color == 3 && line.text == text && std::abs(line.x - x) <= 1 &&
        std::abs(line.y - y) <= 1)
      return true;
  }
  return false;
}

// The marked points of pages ④, ⑥ and ⑦ lie on grid crossings of their planes
// and on the lines drawn through them; each line's label starts at the line's
// last visible dot moved by the page's offset.
TEST(TessarinSection1B, MarkedPointsAndLabelsFollowThePlane) {
  struct Point {
    float x, y;
  };
  struct Label {
    float x, y;
    std::string text;
  };
  struct Case {
    std::string keys;
    std::vector<Point> dots;
    std::vector<Label> labels;
  } cases[] = {
      // Page ④: origin (890, 340), 35 px units; the intercepts (0,-3) and (0,0).
      {kPage4 + spaces(5), {{890, 445}, {890, 340}}, {{1100, 340, "(1)"}, {1047.5f, 550, "(2)"}}},
      // Page ⑥: origin (886, 340), 40 px units; (0,-5), (5,0), (0,-1), (-2,0).
      {kPage6 + spaces(6),
       {{886, 540}, {1086, 340}, {886, 380}, {806, 340}},
       {{1126 - 81, 300 - 70, "(1)"}, {1126 - 54, 500 - 80, "(2)"}}},
      // Page ⑦: origin (924, 340), 40 px units; (4,-1) and (1,-2). The label's
      // first glyph, an italic x, stands 4 px right of and 22 px above the pen.
      {kPage7 + spaces(14),
       {{1084, 380}, {964, 420}},
       {{1164 - 216 + 4, 340 + 40.0f / 3 - 50 - 22, "x-3y=7"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<DrawOp> ops = run.draws();
    for (const Point& p : c.dots) {
      EXPECT_TRUE(hasDot(ops, p.x, p.y)) << p.x << "," << p.y;
      EXPECT_TRUE(lineDotNear(ops, p.x, p.y)) << p.x << "," << p.y;
    }
    const std::vector<TextLine> lines = run.lines();
    for (const Label& l : c.labels) {
      EXPECT_TRUE(labelNear(lines, l.x, l.y, l.text)) << l.text << "\n" << dump(lines);
    }
  }
}

// Page ④'s slope steps: each arrow a shaft from its first mark to its second
// and a head of two strokes that end at the second mark and start behind it, so
// the run arrows point right, the second arrow of (1) up and that of (2) down;
// nothing ends at the intercepts.
TEST(TessarinSection1B, SlopeStepArrowsPointToTheirSecondMark) {
  struct Arrow {
    float x1, y1, x2, y2;
  };
  const Arrow arrows[] = {
      {890, 445, 960, 445},
      {960, 445, 960, 410},
      {890, 340, 995, 340},
      {995, 340, 995, 480},
  };
  TessarinRun run(kPage4 + spaces(5));
  const std::vector<DrawOp> ops = run.draws();
  for (const Arrow& a : arrows) {
    SCOPED_TRACE(std::to_string(a.x1) + "," + std::to_string(a.y1));
    int shafts = 0, strokes = 0;
    for (const DrawOp& op : ops) {
      if (op.kind != DrawOp::Kind::Line || op.color != 5 || op.x2 != a.x2 || op.y2 != a.y2)
        continue;
      if (op.x1 == a.x1 && op.y1 == a.y1) {
        ++shafts;
        continue;
      }
      const float along = (op.x1 - a.x2) * (a.x2 - a.x1) + (op.y1 - a.y2) * (a.y2 - a.y1);
      strokes += along < 0 && std::hypot(op.x1 - a.x2, op.y1 - a.y2) < 20;
    }
    EXPECT_GE(shafts, 1);
    EXPECT_GE(strokes, 2);
  }
  // No head at the intercepts, where the run arrows start.
  for (const DrawOp& op : ops) {
    if (op.kind != DrawOp::Kind::Line || op.color != 5) continue;
    EXPECT_FALSE(op.x2 == 890 && (op.y2 == 445 || op.y2 == 340)) << op.x1 << "," << op.y1;
  }
  // The marks of answer (2) stay behind.
  EXPECT_EQ(run.unit.markX(3), 995);
  EXPECT_EQ(run.unit.markY(3), 480);
}

// Page ⑤ over many seeds: a from 1 to 9, b from 2 to 9 in size, c = ±a·b, so
// both intercepts are whole, non-zero and inside the plane; the two dots sit on
// the axes at the intercepts and the line runs through both; the equation's
// coefficient texts leave out a 1 and always give the y term a sign.
TEST(TessarinSection1B, RandomEquationHasWholeInterceptsOnThePlane) {
  bool sawA1 = false;
  for (int second = 0; second < 60; second += 3) {
    const std::string clock =
        "00:00:" + std::string(second < 10 ? "0" : "") + std::to_string(second);
    SCOPED_TRACE(clock);
    TessarinRun run(kPage5 + spaces(11), clock);
    ASSERT_EQ(run.status, kReplayWaiting);
    const TessarinUnit& u = run.unit;
    const float a = u.numA(4), b = u.numA(3), c = u.numB(1);
    EXPECT_TRUE(a >= 1 && a <= 9 && a == std::floor(a)) << a;
    EXPECT_TRUE(std::abs(b) >= 2 && std::abs(b) <= 9 && b == std::floor(b)) << b;
    EXPECT_EQ(std::abs(c), a * std::abs(b));
    EXPECT_EQ(c, u.numB(0) * a * b);
    const float xIntercept = c / a, yIntercept = c / b;
    EXPECT_EQ(u.numA(1), xIntercept);
    EXPECT_EQ(u.numA(2), yIntercept);
    EXPECT_EQ(yIntercept, std::floor(yIntercept));

    const std::vector<DrawOp> ops = run.draws();
    const float yDot = 350 - 25 * yIntercept, xDot = 896 + 25 * xIntercept;
    EXPECT_TRUE(hasDot(ops, 896, yDot)) << yDot;
    EXPECT_TRUE(hasDot(ops, xDot, 350)) << xDot;
    EXPECT_TRUE(yDot > 100 && yDot < 600 && xDot > 646 && xDot < 1146);
    EXPECT_TRUE(lineDotNear(ops, 896, yDot));
    EXPECT_TRUE(lineDotNear(ops, xDot, 350));

    EXPECT_EQ(u.numTextA(14), a == 1 ? U"" : u.numTextA(4));
    const Text& yTerm = u.numTextA(13);
    ASSERT_GE(yTerm.size(), 2u);
    EXPECT_EQ(yTerm[0], b > 0 ? U'+' : U'-');
    if (a == 1) {
      sawA1 = true;
      // The y=0 substitution starts with the bare x at the margin.
      bool bareX = false;
      for (const TextLine& line : run.lines()) {
        bareX |= line.x >= 40 && line.x <= 48 && line.color == 0 && line.text.rfind("x=", 0) == 0 &&
                 std::abs(line.y - 390) <= 30;
      }
      EXPECT_TRUE(bareX) << dump(run.lines());
    }
  }
  EXPECT_TRUE(sawA1) << "no seed above drew a = 1";
}

// The next-step prompt: a value of 1 ends the examples (one more key, then the
// textbook prompt and the sub-menu); any other value, Enter alone included,
// draws a new example on a cleared window.
TEST(TessarinSection1B, OneEndsTheExamplesOtherValuesRedraw) {
  struct Case {
    std::string typed;
    bool ends;
  } cases[] = {
      {"1 Enter", true},  {"2 / 2 Enter", true},  {"Enter", false},
      {"2 Enter", false}, {"1 . 5 Enter", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TessarinRun run(kPage5 + spaces(11) + " " + c.typed + " Space", "00:00:07");
    ASSERT_EQ(run.status, kReplayWaiting);
    int headings = 0;
    for (const DrawOp& op : run.draws()) {
      headings += op.kind == DrawOp::Kind::Symbol && op.text == U"例" && op.x1 == 40 && op.y1 == 30;
    }
    EXPECT_EQ(headings, c.ends ? 1 : 2);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_EQ(showing(lines, {40, 540, 7, "教科書P79問2　をやってみよう。"}), c.ends);
    EXPECT_EQ(footOf(lines), c.ends ? Foot::SubMenu : Foot::KeyWait) << dump(lines);
    if (!c.ends) {
      // The earlier example is gone: the new one stands at its first key, its
      // heading alone in the heading's place.
      const auto isHeading = [](const TextLine& line) { return line.text == "例1"; };
      EXPECT_EQ(std::count_if(lines.begin(), lines.end(), isHeading), 1);
      const auto heading = std::find_if(lines.begin(), lines.end(), isHeading);
      ASSERT_NE(heading, lines.end());
      EXPECT_EQ(heading->x, 40);
      EXPECT_EQ(heading->y, 30);
      EXPECT_TRUE(showing(lines, {kAny, 190, 0, "を代入すると、"}));
      EXPECT_FALSE(showing(lines, {40, 290, 3, "点(0,"}));
    }
  }
}

}  // namespace
}  // namespace lesson
