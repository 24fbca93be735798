// Tessarin section 4, run from the main menu: the goal banner and sub-menu,
// what each key reveals on the pages, where their figures stand, and the
// random example's pairs of lines and its next-step loop.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/page_checks.h"
#include "support/program_run.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::clockFor;
using testing::dump;
using testing::Foot;
using testing::footOf;
using testing::kAny;
using testing::showing;
using testing::spaces;
using testing::TessarinRun;

const std::string kSection = "4 Enter";
const std::string kPage1 = "4 Enter 1 Enter";
const std::string kPage2 = "4 Enter 2 Enter";
const std::string kPage3 = "4 Enter 3 Enter";
const std::string kPage4 = "4 Enter 4 Enter";
const std::string kSubMenuStart = "①Ｐ８２ひろげよう";

const Anchor kGoalHeading{44, 240, 3, "<めあて>"};
const Anchor kGoal{44, 305, 0, "2つの二元一次方程式のグラフの交点の意味を考えよう。"};

// Texts show without blanks.
TEST(TessarinSection4, PagesRevealOneStepPerKeyAndReturn) {
  struct Case {
    std::string keys;
    Foot foot;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
    int width = 0;  // the pen width left in force, when not 0
  } cases[] = {
      // The banner, then the sub-menu; a number outside 1..5 reads again with
      // the banner untouched; 5 goes back to the main menu.
      {kSection, Foot::SubMenu, {kGoalHeading, kGoal}, {}},
      {kSection + " 0 Enter 6 Enter Enter 5 . 5 Enter", Foot::SubMenu, {kGoalHeading, kGoal}, {}},
      {kSection + " 5 Enter", Foot::MainMenu, {}, {kGoal}},
      // Page ①: sixteen key waits, then the prompt and the sub-menu at once.
      {kPage1,
       Foot::KeyWait,
       {{38, 30, 7, "2つの方程式"}, {kAny, 30, 7, "の交点は？"}},
       {kGoal, {38, 80, 3, "y="}}},
      {kPage1 + spaces(1),
       Foot::KeyWait,
       {{38, 80, 3, "y=-x+7"}, {kAny, 80, 0, "のグラフをかくと"}},
       {{kAny, kAny, 0, "xy=7"}}},
      {kPage1 + spaces(4),
       Foot::KeyWait,
       {{38, 130, 3, "交点の座標は、"}},
       {{kAny, 130, 5, "(3,4)"}, {1025, 285, 5, "(3,4)"}}},
      {kPage1 + spaces(5), Foot::KeyWait, {{kAny, 130, 5, "(3,4)"}, {1025, 285, 5, "(3,4)"}}, {}},
      {kPage1 + spaces(6),
       Foot::KeyWait,
       {{38, 180, 7, "次の連立方程式を解いてみよう。"},
        {kAny, 230, 0, "x+y=7…①"},
        {78, 280, 0, "2x+y=10…②"}},
       {{38, 330, 3, "①②"}}},
      {kPage1 + spaces(8), Foot::KeyWait, {{kAny, 380, 0, "x+y=7"}, {38, 430, 0, "-)2x+y=10"}}, {}},
      {kPage1 + spaces(11),
       Foot::KeyWait,
       {{kAny, 530, 0, "x=3"}, {kAny, 230, 3, "x=3を①に代入して"}},
       {{360, 280, 0, "3+y=7"}}},
      {kPage1 + spaces(16),
       Foot::SubMenu,
       {{360, 280, 0, "3+y=7"},
        {360, 380, 5, "答(x,y)=(3,4)"},
        {360, 440, 5, "<連立方程式の解とグラフ>"},
        {360, 490, 3, "連立方程式の解は、"},
        {360, 540, 3, "方程式のグラフの交点の座標と一致する。"},
        {40, 590, 7, "教科書P83問1　をやってみよう。"}},
       {},
       5},
      // Page ②: fifteen key waits; the first "を通る" gives way to the second
      // point.
      {kPage2,
       Foot::KeyWait,
       {{38, 30, 3, "問1解答"}, {kAny, 80, 3, "(2,0)を通る"}},
       {kGoal, {kAny, 80, 3, "(0,1)"}}},
      {kPage2 + spaces(2), Foot::KeyWait, {{kAny, 80, 3, "(2,0),(0,1)を通る"}}, {}},
      {kPage2 + spaces(5),
       Foot::KeyWait,
       {{38, 180, 0, "交点の座標は、"}},
       {{kAny, 180, 5, "(-2,2)"}}},
      {kPage2 + spaces(6),
       Foot::KeyWait,
       {{kAny, 180, 5, "(-2,2)"}, {910, 230, 5, "(-2,2)"}, {38, 230, 3, "連立方程式の解は、"}},
       {{kAny, 230, 5, "(x,y)"}}},
      {kPage2 + spaces(10),
       Foot::KeyWait,
       {{kAny, 430, 0, "x+2y=2"}, {38, 480, 0, "-)4x+2y=-4"}},
       {}},
      {kPage2 + spaces(15),
       Foot::SubMenu,
       {{65, 530, 0, "-3x=6"},
        {kAny, 580, 0, "x=-2"},
        {kAny, 280, 3, "x=-2を①に代入して"},
        {360, 330, 0, "-2+2y=2"},
        {360, 480, 5, "答(x,y)=(-2,2)"}},
       {},
       3},  // the page sets none: the start-up width
      // Page ④: everything at once.
      {kPage4,
       Foot::SubMenu,
       {{38, 30, 3, "問2解答"},
        {38, 310, 3, "3×①-3×②"},
        {kAny, 360, 3, "を①に代入して"},
        // P's fractions: each denominator joins the line before it.
        {418, 500, 5, "答P(2"},
        {533, 490, 5, "3,-"},
        {619, 490, 5, "5)"}},
       {kGoal}},
      // Page ③: ten key waits, the next-step prompt, then after 1 one more key.
      {kPage3,
       Foot::KeyWait,
       {{40, 30, 7, "例題1"},
        {kAny, 30, 0, "次の2直線の交点の座標を求めなさい。"},
        {40, 130, 3, "<解答>"}},
       {kGoal, {40, 180, 7, "①-②"}}},
      {kPage3 + spaces(1), Foot::KeyWait, {{40, 180, 7, "①-②"}}, {{94, 230, 0, "y="}}},
      {kPage3 + spaces(2), Foot::KeyWait, {{94, 230, 0, "y="}, {40, 280, 0, "-)y="}}, {}},
      {kPage3 + spaces(10), Foot::NextStep, {{kAny, 530, 5, "答(0,-7)"}}, {}},
      {kPage3 + spaces(10) + " 1 Enter",
       Foot::KeyWait,
       {{kAny, 530, 5, "答(0,-7)"}},
       {{38, 600, 7, "教科書P83"}}},
      {kPage3 + spaces(10) + " 1 Enter Space",
       Foot::SubMenu,
       {{kAny, 530, 5, "答(0,-7)"}, {38, 600, 7, "教科書P83問2　をやってみよう。"}},
       {},
       5},
      // A page chosen again starts at its first step, without the banner.
      {kPage4 + " 1 Enter",
       Foot::KeyWait,
       {{38, 30, 7, "2つの方程式"}},
       {kGoalHeading, {38, 30, 3, "問2解答"}}},
      {kPage4 + " 5 Enter", Foot::MainMenu, {}, {{38, 30, 3, "問2解答"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    testing::expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(footOf(lines, c.foot == Foot::SubMenu ? kSubMenuStart : ""), c.foot) << dump(lines);
    if (c.width != 0) {
      EXPECT_EQ(run.unit.getDrawWidth(), c.width);
    }
  }
}

// ---- Figures ------------------------------------------------------------------

bool hasDisc(const std::vector<DrawOp>& ops, float x, float y, float radius, int color) {
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.filled && op.radius == radius && op.color == color &&
        op.x1 == x && op.y1 == y)
      return true;
  }
  return false;
}

// A dot of a plotted line (radius 1) in `color` within 1.5 px of (x, y).
bool lineDotNear(const std::vector<DrawOp>& ops, float x, float y, int color) {
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.radius == 1 && op.color == color &&
        std::hypot(op.x1 - x, op.y1 - y) <= 1.5f)
      return true;
  }
  return false;
}

// The fixed pages' points lie where their planes put them and on both lines;
// the brace, the column bar and the erase box stand where the working needs
// them.
TEST(TessarinSection4, FiguresStandOnTheirPlanes) {
  struct Disc {
    float x, y, radius;
    int color;
  };
  struct Case {
    std::string keys;
    std::vector<Disc> discs;
    Disc intersection;  // on both lines
    float barY;         // the column bar, from x 65
  } cases[] = {
      // Page ①: origin (910,435), 35 px units; (3,4).
      {kPage1 + spaces(16), {}, {1015, 295, 6, 5}, 480},
      // Page ②: origin (970,310), 35 px units; (2,0), (0,1) and (-2,2).
      {kPage2 + spaces(15), {{1040, 310, 8, 3}, {970, 275, 8, 3}}, {900, 240, 6, 5}, 530},
      // Page ④: origin (975,225), 35 px units; P(1.5,-2.5).
      {kPage4, {}, {1027.5f, 312.5f, 6, 5}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<DrawOp> ops = run.draws();
    for (const Disc& d : c.discs) {
      EXPECT_TRUE(hasDisc(ops, d.x, d.y, d.radius, d.color)) << d.x << "," << d.y;
      EXPECT_TRUE(lineDotNear(ops, d.x, d.y, 0)) << d.x << "," << d.y;
    }
    const Disc& p = c.intersection;
    EXPECT_TRUE(hasDisc(ops, p.x, p.y, p.radius, p.color));
    int linesThrough = 0;
    for (const DrawOp& op : ops) {
      linesThrough += op.kind == DrawOp::Kind::Circle && op.radius == 1 && op.color == 0 &&
                      std::hypot(op.x1 - p.x, op.y1 - p.y) <= 1.5f;
    }
    EXPECT_GE(linesThrough, 2);  // a dot of each line
    if (c.barY > 0) {
      bool bar = false;
      for (const DrawOp& op : ops) {
        bar |= op.kind == DrawOp::Kind::Line && op.width == 3 && op.color == 0 && op.x1 == 65 &&
               op.y1 == c.barY && op.y2 == c.barY && op.x2 > 250;
      }
      EXPECT_TRUE(bar);
    }
  }
}

// The brace of page ①'s system: one polyline from (38,230), 100 px high, in
// colour 0 at pen width 5, its tip at (46,277.5).
TEST(TessarinSection4, BraceStandsLeftOfTheSystem) {
  TessarinRun run(kPage1 + spaces(6));
  std::vector<DrawOp> polys = testing::ofKind(run.draws(), DrawOp::Kind::Poly);
  ASSERT_EQ(polys.size(), 1u);
  const DrawOp& brace = polys[0];
  EXPECT_EQ(brace.color, 0);
  EXPECT_EQ(brace.width, 5);
  const std::vector<Point> expected = {{73, 235},    {61, 238}, {61, 270.5f}, {46, 277.5f},
                                       {61, 284.5f}, {61, 317}, {73, 320}};
  ASSERT_EQ(brace.points.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(brace.points[i].x, expected[i].x) << i;
    EXPECT_EQ(brace.points[i].y, expected[i].y) << i;
  }
}

// Page ④ draws inside the rectangle it clears, (0,0)-(1320,1300); the label
// of l stands at the top edge (within a pixel: its line's last dot lies a hair
// above the plane's bottom).
TEST(TessarinSection4, AnswerPageStaysInsideItsClear) {
  TessarinRun run(kPage4);
  const std::vector<DrawOp> ops = run.draws();
  std::size_t start = 0;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].kind == DrawOp::Kind::Fill && ops[i].x1 == 0 && ops[i].y1 == 0 &&
        ops[i].x2 == 1320 && ops[i].y2 == 1300)
      start = i;
  }
  ASSERT_GT(start, 0u);
  for (std::size_t i = start; i < ops.size(); ++i) {
    EXPECT_TRUE(ops[i].x1 >= 0 && ops[i].x1 <= 1320 && ops[i].y1 > -1 && ops[i].y1 <= 1300)
        << i << ": " << ops[i].x1 << "," << ops[i].y1;
  }
}

// ---- The random example -----------------------------------------------------

// The text of a whole number.
std::string digits(float value) {
  return std::to_string(static_cast<int>(value));
}
// A slope in front of "x" in an equation: no digit for 1 and -1.
std::string coefficient(float slope) {
  return slope == 1 ? "" : slope == -1 ? "-" : digits(slope);
}
// An intercept after the x term, with its sign: nothing for 0.
std::string constant(float intercept) {
  return intercept == 0 ? "" : (intercept > 0 ? "+" : "") + digits(intercept);
}

// Over many seeds: the pair meets in a whole point with slopes that differ and
// intercepts within -10..10, both lines pass through it, the column rows put
// their x and their constants one under the other, and the working follows
// the difference of the slopes. Each kind of pair the lesson treats apart
// turns up among the seeds.
TEST(TessarinSection4, RandomPairsMeetInAWholePoint) {
  bool sawUnitDifference = false, sawMinusOne = false, sawX0Zero = false, sawZeroIntercept = false,
       sawOpposite = false;
  for (int seed = 0; seed < 90; ++seed) {
    SCOPED_TRACE(seed);
    TessarinRun run(kPage3 + spaces(10), clockFor(seed));
    ASSERT_EQ(run.status, kReplayWaiting);
    const TessarinUnit& u = run.unit;
    const float x0 = u.numA(1), y0 = u.numB(1), m1 = u.numA(2), m2 = u.numA(3);
    const float b1 = u.numB(2), b2 = u.numB(3);
    for (float v : {x0, y0, m1, m2}) EXPECT_EQ(v, std::floor(v));
    EXPECT_LE(std::fabs(x0), 6);
    EXPECT_TRUE(std::fabs(y0) >= 1 && std::fabs(y0) <= 7) << y0;
    EXPECT_TRUE(std::fabs(m1) >= 1 && std::fabs(m1) <= 4) << m1;
    EXPECT_TRUE(std::fabs(m2) >= 1 && std::fabs(m2) <= 4) << m2;
    EXPECT_NE(m1, m2);
    EXPECT_EQ(b1, y0 - m1 * x0);
    EXPECT_EQ(b2, y0 - m2 * x0);
    EXPECT_LE(std::fabs(b1), 10);
    EXPECT_LE(std::fabs(b2), 10);

    const std::vector<DrawOp> ops = run.draws();
    const float px = 896 + 25 * x0, py = 350 - 25 * y0;
    EXPECT_TRUE(lineDotNear(ops, px, py, 3));
    EXPECT_TRUE(lineDotNear(ops, px, py, 7));

    // "y=" and a two-character coefficient put the x fifth in both rows; a
    // constant is empty or three characters wide.
    const Text& top = u.fractionAsGiven;
    const Text& bottom = u.fractionText;
    ASSERT_GE(top.size(), 5u);
    ASSERT_GE(bottom.size(), 5u);
    EXPECT_EQ(top[4], U'x');
    EXPECT_EQ(bottom[4], U'x');
    EXPECT_TRUE(top.size() == 5 || top.size() == 8) << top.size();
    EXPECT_TRUE(bottom.size() == 5 || bottom.size() == 8) << bottom.size();
    EXPECT_EQ(u.numTextA(14).size(), 2u);
    // The sign row shows the signs of ②'s x term and constant once subtracted
    // (a constant of 0 counts as not positive).
    EXPECT_EQ(u.numTextB(33), m2 > 0 ? U"-" : U"+");
    EXPECT_EQ(u.numTextB(34), b2 > 0 ? U"-" : U"+");

    const std::vector<TextLine> lines = run.lines();
    const bool unitDifference = m1 - m2 == 1;
    // With a difference of 1 the equation in x, in colour 3, gives the value
    // itself; otherwise it stands in colour 0 and the value follows in colour 3.
    EXPECT_EQ(showing(lines, {kAny, 380, 0, "x="}), !unitDifference) << dump(lines);
    EXPECT_TRUE(showing(lines, {kAny, 380, 3, "x=" + digits(x0)})) << dump(lines);
    EXPECT_TRUE(showing(lines, {kAny, 530, 5, "答(" + digits(x0) + "," + digits(y0) + ")"}))
        << dump(lines);
    // The problem writes a slope of 1 or -1 without a digit; the substitution
    // writes the slope as it is and a negative x0 in brackets.
    EXPECT_TRUE(showing(lines, {40, 80, 3, "y=" + coefficient(m1) + "x" + constant(b1) + "…①"}))
        << dump(lines);
    EXPECT_TRUE(showing(lines, {kAny, 80, 3, "y=" + coefficient(m2) + "x" + constant(b2) + "…②"}))
        << dump(lines);
    const std::string factor = x0 < 0 ? "(" + digits(x0) + ")" : digits(x0);
    EXPECT_TRUE(showing(lines, {40, 480, 0, "y=" + digits(m1) + "×" + factor + constant(b1)}))
        << dump(lines);

    sawUnitDifference |= unitDifference;
    sawMinusOne |= m1 - m2 == -1;
    sawX0Zero |= x0 == 0;
    sawZeroIntercept |= b1 == 0 || b2 == 0;
    sawOpposite |= m1 == -m2;
    if (x0 == 0) {
      // The difference has no constant and the equation in x reads "...x=0".
      EXPECT_EQ(u.numTextB(14), U"");
      EXPECT_TRUE(showing(lines, {kAny, 380, unitDifference ? 3 : 0, "x=0"})) << dump(lines);
    }
  }
  EXPECT_TRUE(sawUnitDifference);
  EXPECT_TRUE(sawMinusOne);
  EXPECT_TRUE(sawX0Zero);
  EXPECT_TRUE(sawZeroIntercept);
  EXPECT_TRUE(sawOpposite);
}

// The next-step prompt: 1 ends the examples (one more key, then the textbook
// prompt and the sub-menu); any other value, Enter alone included, draws a new
// pair on a cleared screen.
TEST(TessarinSection4, OneEndsTheExamplesOtherValuesRedraw) {
  struct Case {
    std::string typed;
    bool ends;
  } cases[] = {
      {"1 Enter", true},
      {"Enter", false},
      {"0 Enter", false},
      {"2 Enter", false},
  };
  const Anchor prompt{38, 600, 7, "教科書P83問2　をやってみよう。"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TessarinRun run(kPage3 + spaces(10) + " " + c.typed + " Space", clockFor(11));
    ASSERT_EQ(run.status, kReplayWaiting);
    int headings = 0;
    for (const DrawOp& op : run.draws()) {
      headings += op.kind == DrawOp::Kind::Symbol && op.text == U"例" && op.x1 == 40 && op.y1 == 30;
    }
    EXPECT_EQ(headings, c.ends ? 1 : 2);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_EQ(showing(lines, prompt), c.ends);
    EXPECT_EQ(footOf(lines, kSubMenuStart), c.ends ? Foot::SubMenu : Foot::KeyWait) << dump(lines);
    if (!c.ends) {
      // The new pair stands at its second step; nothing of the first is left.
      EXPECT_TRUE(showing(lines, {40, 180, 7, "①-②"}));
      EXPECT_FALSE(showing(lines, {kAny, 530, 5, "答"}));
    }
  }
}

}  // namespace
}  // namespace lesson
