// Merrowin section 1 "グラフから", run from the main menu: the entry and its
// sub-menu, the fixed pages ② and ⑤ step by step with their figures, and the
// random pages ①, ③ and ④ (what they draw against the numbers they drew, the
// intercept that never comes twice in a row, and their until-1 loops).
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"
#include "units/merrowin/merrowin.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::dump;
using testing::expectAnchors;
using testing::Foot;
using testing::footOf;
using testing::kAny;
using testing::LineMatch;
using testing::MerrowinRun;
using testing::spaces;

const std::string kSection = "1 Enter ";
// The clock of the runs that don't vary it.
const std::string kClock = "10:20:30";
// How the section's sub-menu line starts.
const std::string kSubMenuStart = "①ａ，ｂ既知";

// Positions that plotCurve's last dot leaves are a hair off whole pixels.
constexpr LineMatch showing{.xTolerance = 0.5f, .yTolerance = 0.5f};

// A formula text as a visible line reads it: blanks draw nothing.
std::string glyphs(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

std::string number(float v) {
  return std::to_string(static_cast<int>(v));
}

const Anchor kGoalHeading{44, 240, 3, "<めあて>"};
const Anchor kGoal{76, 305, 0, "グラフから直線の式を求めよう。"};

TEST(MerrowinSection1, PagesShowTheirTextsAndTakeTheirKeys) {
  struct Case {
    std::string keys;
    Foot foot;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // The entry: banner and sub-menu line at once; numbers out of range and
      // an empty entry draw the line again over the same screen.
      {"1 Enter", Foot::SubMenu, {kGoalHeading, kGoal}, {}},
      {"1 Enter 7 Enter 0 Enter Enter -1 Enter", Foot::SubMenu, {kGoalHeading, kGoal}, {}},
      {"1 Enter 6 Enter", Foot::MainMenu, {{44, 120, 13, "1　グラフから"}}, {kGoal}},

      // Page ②: at the first wait only the title, the plane and the line.
      {kSection + "2 Enter",
       Foot::KeyWait,
       {{76, 30, 3, "グラフから関数の式を求めよう。"}},
       {kGoal, {38, 80, 0, "①bは切片だから、"}, {733, 340, 3, "(0,-1)"}}},
      {kSection + "2 Enter" + spaces(1),
       Foot::KeyWait,
       {{38, 80, 0, "①bは切片だから、"}, {733, 340, 3, "(0,-1)"}},
       {{kAny, 80, 3, "b=1"}}},
      // "b=-1" continues the first line although the label came between.
      {kSection + "2 Enter" + spaces(2), Foot::KeyWait, {{337, 80, 3, "b=-1"}}, {}},
      {kSection + "2 Enter" + spaces(7),
       Foot::KeyWait,
       {{38, 150, 0, "②傾きは、"},
        {76, 200, 0, "右へ2進むと、"},
        {949, 340, 3, "2"},
        {76, 250, 0, "上へ3進むから、"},
        {1008, 220, 3, "3"},
        {kAny, 320, 3, "a="},
        {38, 390, 5, "答y=2"},  // the fraction's denominator joins the line
        {158, 380, 5, "3x-1"}},
       {{38, 470, 5, "傾きと切片"}}},
      // The closing rule is shown with the sub-menu line, without a wait.
      {kSection + "2 Enter" + spaces(8),
       Foot::SubMenu,
       {{38, 390, 5, "答y=2"},
        {158, 380, 5, "3x-1"},
        {38, 470, 5, "傾きと切片をよみとれば、関数の式がわかる。"}},
       {}},
      // A second visit starts from a clear page; 3/2 passes as 1.5 and opens ②.
      {kSection + "2 Enter" + spaces(8) + " 3/2 Enter",
       Foot::KeyWait,
       {{76, 30, 3, "グラフから関数の式を求めよう。"}},
       {{38, 80, 0, "①bは切片だから、"}, {38, 470, 5, "傾きと切片"}}},

      // Page ⑤: drawn whole at once.
      {kSection + "5 Enter",
       Foot::SubMenu,
       {{38, 30, 3, "教科書P73問1　解答"},
        {38, 100, 0, "(1)"},
        {kAny, 100, 5, "y=2x+1"},
        {38, 170, 0, "(2)"},
        {kAny, 170, 5, "y=-x+5"},
        {38, 240, 0, "(3)"},
        {kAny, 240, 5, "y="},
        {kAny, 56, 0, "①"},
        {860, 380, 0, "②"},
        {860, 440, 0, "③"}},
       {kGoal}},

      // Page ①: the problem, a key, the answer, the next-step prompt.
      {kSection + "1 Enter",
       Foot::KeyWait,
       {{120, 30, 0, "問次の条件をみたす1次関数の式を求めなさい。"}},
       {kGoal, {156, 210, 0, "答…"}}},
      {kSection + "1 Enter Space", Foot::NextStep, {{156, 210, 0, "答…"}}, {}},
      {kSection + "1 Enter Space 2 Enter", Foot::KeyWait, {}, {{156, 210, 0, "答…"}}},
      {kSection + "1 Enter Space 2/2 Enter", Foot::SubMenu, {{156, 210, 0, "答…"}}, {}},

      // Page ③: three waits per example; 1 ends, anything else redraws.
      {kSection + "3 Enter",
       Foot::KeyWait,
       {{40, 30, 7, "練習1図の直線の式を求めなさい。"}},
       {{40, 100, 0, "点(0,"}}},
      {kSection + "3 Enter" + spaces(3) + " Enter", Foot::KeyWait, {}, {{40, 330, 5, "答"}}},
      {kSection + "3 Enter" + spaces(3) + " 1 Enter",
       Foot::SubMenu,
       {{40, 330, 5, "答　y=-2x-2"}},
       {}},

      // Page ④: after 1 one more wait, then the task under the answer.
      {kSection + "4 Enter",
       Foot::KeyWait,
       {{40, 30, 7, "練習2図の直線の式を求めなさい。"}},
       {{40, 100, 0, "点(0,"}}},
      {kSection + "4 Enter" + spaces(3) + " 1 Enter",
       Foot::KeyWait,
       {{40, 360, 5, "答　y=-4"}, {194, 350, 5, "3x+3"}},
       {{40, 450, 0, "教科書P73"}}},
      {kSection + "4 Enter" + spaces(3) + " 1 Enter Space",
       Foot::SubMenu,
       {{40, 360, 5, "答　y=-4"}, {194, 350, 5, "3x+3"}, {40, 450, 0, "教科書P73問1をしなさい。"}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    MerrowinRun run(c.keys, kClock);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(footOf(lines, kSubMenuStart), c.foot) << dump(lines);
  }
}

// Every page sets pen width 5 on entry and leaves the width it ends with; the
// slope triangle of the practice pages leaves 4.
TEST(MerrowinSection1, PagesLeaveTheirPenWidth) {
  struct Case {
    std::string keys;
    int width;
  } cases[] = {
      {kSection + "1 Enter Space 1 Enter", 5},
      {kSection + "2 Enter" + spaces(8), 5},
      {kSection + "3 Enter" + spaces(3) + " 1 Enter", 4},
      {kSection + "4 Enter" + spaces(3) + " 1 Enter Space", 4},
      {kSection + "5 Enter", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    MerrowinRun run(c.keys, kClock);
    ASSERT_EQ(footOf(run.lines(), kSubMenuStart), Foot::SubMenu);
    EXPECT_EQ(run.unit.getDrawWidth(), c.width);
  }
}

// A filled dot: centre, radius, colour.
struct Dot {
  float x, y;
  int color;
};

// The filled dots of radius 8 in a colour, in drawing order.
std::vector<Dot> dotsOf(const std::vector<DrawOp>& ops, int color) {
  std::vector<Dot> out;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.filled && op.radius == 8 && op.color == color)
      out.push_back({op.x1, op.y1, op.color});
  }
  return out;
}

// An arrow from (fromX, fromY) with its head at (headX, headY): a shaft and
// the head's strokes, 16 px back along the shaft and 8 px to either side.
struct Arrow {
  float fromX, fromY, headX, headY;
};

// Whether the arrow is drawn in the colour and width with its one head, and no
// head at its start.
bool drawnArrow(const std::vector<DrawOp>& ops, const Arrow& a, int color, int width) {
  const float len = std::hypot(a.headX - a.fromX, a.headY - a.fromY);
  const float ux = (a.headX - a.fromX) / len, uy = (a.headY - a.fromY) / len;
  const float baseX = a.headX - 16 * ux, baseY = a.headY - 16 * uy;
  bool shaft = false, wingB = false, wingC = false, tailHead = false;
  for (const DrawOp& op : ops) {
    if (op.kind != DrawOp::Kind::Line || op.color != color || op.width != width) continue;
    shaft |= op.x1 == a.fromX && op.y1 == a.fromY && op.x2 == a.headX && op.y2 == a.headY;
    const bool toHead = op.x2 == a.headX && op.y2 == a.headY;
    wingB |= toHead && std::fabs(op.x1 - (baseX - 8 * uy)) < 0.01f &&
             std::fabs(op.y1 - (baseY + 8 * ux)) < 0.01f;
    wingC |= toHead && std::fabs(op.x1 - (baseX + 8 * uy)) < 0.01f &&
             std::fabs(op.y1 - (baseY - 8 * ux)) < 0.01f;
    const bool toTail = op.x2 == a.fromX && op.y2 == a.fromY;
    tailHead |= toTail && std::hypot(op.x1 - a.fromX, op.y1 - a.fromY) < 17;
  }
  return shaft && wingB && wingC && !tailHead;
}

TEST(MerrowinSection1, FixedPageFigures) {
  struct Case {
    std::string keys;
    std::vector<Dot> dots;  // radius 8, colour 3, in order
    std::vector<Arrow> arrows;
  } cases[] = {
      {kSection + "2 Enter" + spaces(8), {}, {{922, 340, 1002, 340}, {1002, 340, 1002, 220}}},
      {kSection + "5 Enter",
       {{620, 300, 3}, {620, 140, 3}, {620, 380, 3}},
       {{620, 300, 660, 300},
        {660, 300, 660, 220},
        {620, 140, 660, 140},
        {660, 140, 660, 180},
        {620, 380, 780, 380},
        {780, 380, 780, 420}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    MerrowinRun run(c.keys, kClock);
    const std::vector<DrawOp> ops = run.draws();
    const std::vector<Dot> dots = dotsOf(ops, 3);
    ASSERT_EQ(dots.size(), c.dots.size());
    for (std::size_t i = 0; i < dots.size(); ++i) {
      EXPECT_EQ(dots[i].x, c.dots[i].x);
      EXPECT_EQ(dots[i].y, c.dots[i].y);
    }
    for (const Arrow& a : c.arrows) {
      EXPECT_TRUE(drawnArrow(ops, a, 3, 5))
          << a.fromX << "," << a.fromY << " -> " << a.headX << "," << a.headY;
    }
  }

  // Before the first key of page ② nothing in colour 3 is drawn on the plane.
  MerrowinRun first(kSection + "2 Enter", kClock);
  for (const DrawOp& op : first.draws()) {
    EXPECT_FALSE(op.kind == DrawOp::Kind::Line && op.color == 3 && op.width == 5);
  }
}

// Clocks giving different seeds.
std::vector<std::string> clocks(int n) {
  std::vector<std::string> out;
  for (int s = 0; s < n; ++s) out.push_back(testing::clockFor(s));
  return out;
}

// Page ①: two conditions, one fixing the slope and one the intercept, in
// either order, and the equation they give.
TEST(MerrowinSection1, ConditionProblemsStateTwoConditionsAndTheirEquation) {
  std::set<std::string> formsSeen;
  std::set<bool> slopeFirst;
  for (const std::string& clock : clocks(30)) {
    SCOPED_TRACE(clock);
    MerrowinRun run(kSection + "1 Enter Space", clock);
    ASSERT_EQ(run.status, kReplayWaiting);
    Lesson& u = run.unit;
    const float a = u.numA(1), b = u.numA(2), c = u.numA(3);
    EXPECT_TRUE(a != 0 && std::fabs(a) <= 5) << a;
    EXPECT_TRUE(b != 0 && std::fabs(b) <= 5) << b;
    EXPECT_TRUE(c != 0 && std::fabs(c) <= 9) << c;

    const std::string coef = a == 1 ? "" : a == -1 ? "-" : number(a);
    const std::string term = (b > 0 ? "+" : "") + number(b);
    const std::vector<std::string> slopeForms{
        "グラフの傾きが" + number(a), "変化の割合が" + number(a),
        "グラフが直線 y=" + coef + "x" + (c > 0 ? "+" : "") + number(c) + " に平行"};
    const std::vector<std::string> interceptForms{"グラフが点(0," + number(b) + ")を通る",
                                                  "グラフの切片が" + number(b),
                                                  "x=0 のとき、y=" + number(b)};
    auto formOf = [&](const std::string& text, const std::vector<std::string>& forms) {
      for (std::size_t i = 0; i < forms.size(); ++i) {
        if (forms[i] == text) return static_cast<int>(i);
      }
      return -1;
    };
    const std::string first = toUtf8(u.textList(1)), second = toUtf8(u.textList(2));
    const bool slopeIsFirst = formOf(first, slopeForms) >= 0;
    slopeFirst.insert(slopeIsFirst);
    const std::string& slope = slopeIsFirst ? first : second;
    const std::string& intercept = slopeIsFirst ? second : first;
    ASSERT_GE(formOf(slope, slopeForms), 0) << slope;
    ASSERT_GE(formOf(intercept, interceptForms), 0) << intercept;
    formsSeen.insert(std::to_string(formOf(slope, slopeForms)));
    formsSeen.insert(std::to_string(3 + formOf(intercept, interceptForms)));

    const std::vector<TextLine> lines = run.lines();
    EXPECT_TRUE(showing(lines, {kAny, 80, 3, glyphs(first)})) << first << "\n" << dump(lines);
    EXPECT_TRUE(showing(lines, {kAny, 130, 3, glyphs(second)})) << second;
    EXPECT_EQ(toUtf8(u.numTextA(11)), coef);
    EXPECT_EQ(toUtf8(u.numTextA(12)), term);
    EXPECT_TRUE(showing(lines, {kAny, 210, 5, glyphs("y=" + coef + "x" + term)})) << dump(lines);
  }
  for (const char* form : {"0", "1", "2", "3", "4", "5"})
    EXPECT_EQ(formsSeen.count(form), 1u) << form;
  EXPECT_EQ(slopeFirst.size(), 2u);
}

// One example of a practice page, read off its two dots of radius 8 in colour
// 5: the intercept dot at (0, b), the second at (run, rise + b).
struct Example {
  float run, rise, intercept;
};

std::vector<Example> examplesOf(const std::vector<DrawOp>& ops) {
  const std::vector<Dot> dots = dotsOf(ops, 5);
  std::vector<Example> out;
  for (std::size_t i = 0; i + 1 < dots.size(); i += 2) {
    EXPECT_EQ(dots[i].x, 922);
    const float b = (330 - dots[i].y) / 40;
    out.push_back({(dots[i + 1].x - 922) / 40, (330 - dots[i + 1].y) / 40 - b, b});
  }
  return out;
}

// What both practice pages show of their last example (waiting at the
// next-step prompt): the intercept dot's label, the sentences, the triangle.
void expectExampleShown(const MerrowinRun& run, const Example& e) {
  const std::vector<TextLine> lines = run.lines();
  const std::string b = number(e.intercept);
  EXPECT_TRUE(showing(lines, {40, 100, 0, "点(0," + b + ")を通るから、"})) << dump(lines);
  EXPECT_TRUE(showing(lines, {kAny, 100, 3, "切片は" + b}));
  EXPECT_TRUE(showing(lines, {740, 290 - 40 * e.intercept, 5, "(0," + b + ")"}));
  EXPECT_TRUE(showing(lines, {40, 180, 0,
                              "右へ" + number(e.run) + "進むと、" + (e.rise > 0 ? "上へ" : "下へ") +
                                  number(std::fabs(e.rise)) + "進むから"}))
      << dump(lines);
  const std::vector<DrawOp> ops = run.draws();
  const float x0 = 922, y0 = 330 - 40 * e.intercept;
  const float x1 = x0 + 40 * e.run, y1 = y0 - 40 * e.rise;
  EXPECT_TRUE(drawnArrow(ops, {x0, y0, x1, y0}, 7, 4));
  EXPECT_TRUE(drawnArrow(ops, {x1, y0, x1, y1}, 3, 4));
}

// The keys of a visit of `page` with one example per entry, the last 1.
std::string visit(const std::string& page, const std::vector<std::string>& entries) {
  std::string keys = page + " Enter";
  for (const std::string& entry : entries) keys += spaces(3) + " " + entry + " Enter";
  return keys;
}

// Page ③: slopes and intercepts from ±1 to ±3; the intercept never repeats
// the one before, also across visits.
TEST(MerrowinSection1, IntegerSlopePracticeNeverRepeatsAnIntercept) {
  std::set<float> slopes;
  for (const std::string& clock : clocks(12)) {
    SCOPED_TRACE(clock);
    // Two visits; every entry but 1 (and 2/2) draws a new example.
    const std::string keys = kSection + visit("3", {"2", "", "0", "1"}) + " " +
                             visit("3", {"5", "2/2"}) + " 3 Enter" + spaces(3);
    MerrowinRun run(keys, clock);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<Example> examples = examplesOf(run.draws());
    ASSERT_EQ(examples.size(), 7u);
    for (std::size_t i = 0; i < examples.size(); ++i) {
      const Example& e = examples[i];
      EXPECT_EQ(e.run, 1);
      EXPECT_TRUE(e.rise != 0 && std::fabs(e.rise) <= 3) << e.rise;
      EXPECT_TRUE(e.intercept != 0 && std::fabs(e.intercept) <= 3) << e.intercept;
      if (i > 0) {
        EXPECT_NE(e.intercept, examples[i - 1].intercept) << "example " << i;
      }
      slopes.insert(e.rise);
    }
    const Example& last = examples.back();
    expectExampleShown(run, last);
    Lesson& u = run.unit;
    const float a = last.rise, b = last.intercept;
    const std::string coef = a == 1 ? "" : a == -1 ? "-" : number(a);
    const std::string term = (b > 0 ? "+" : "") + number(b);
    EXPECT_EQ(toUtf8(u.numTextA(11)), coef);
    EXPECT_EQ(toUtf8(u.numTextB(11)), term);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_TRUE(showing(lines, {40, 250, 3, "傾きは、"}));
    EXPECT_TRUE(showing(lines, {40, 330, 5, "答　y=" + coef + "x" + term})) << dump(lines);
  }
  EXPECT_EQ(slopes.size(), 6u);
}

// The value page ③ avoids is shared with section 3's drills: right after a
// section-3 drill has accepted a slope, page ③'s first intercept differs
// from it.
TEST(MerrowinSection1, IntegerSlopePracticeAvoidsTheSlopeASection3DrillKept) {
  int reachable = 0;  // runs whose kept slope is a possible intercept
  for (const std::string& clock : clocks(16)) {
    SCOPED_TRACE(clock);
    // Section 3 page ②, one example, waiting at its next-step prompt (the
    // spaces beyond its key waits are ignored there).
    const std::string drill = "3 Enter 2 Enter" + spaces(20);
    MerrowinRun before(drill, clock);
    ASSERT_EQ(before.status, kReplayWaiting);
    const float kept = before.unit.numA(1);
    reachable += std::fabs(kept) <= 3;

    MerrowinRun after(drill + " 1 Enter 6 Enter " + kSection + "3 Enter", clock);
    ASSERT_EQ(after.status, kReplayWaiting);
    ASSERT_TRUE(showing(after.lines(), {40, 30, 7, "練習1図の直線の式を求めなさい。"}));
    EXPECT_NE(after.unit.numB(1), kept);
  }
  EXPECT_GE(reachable, 3);
}

// Page ④: p/q in lowest terms and never whole, the second point on the plane.
TEST(MerrowinSection1, FractionSlopePracticeDrawsProperSlopes) {
  std::set<float> slopes;
  for (const std::string& clock : clocks(12)) {
    SCOPED_TRACE(clock);
    MerrowinRun run(kSection + visit("4", {"2", "", "3"}) + spaces(3), clock);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<Example> examples = examplesOf(run.draws());
    ASSERT_EQ(examples.size(), 4u);
    for (const Example& e : examples) {
      const int p = static_cast<int>(e.rise), q = static_cast<int>(e.run);
      EXPECT_TRUE(q >= 2 && q <= 4) << q;
      EXPECT_TRUE(p != 0 && std::abs(p) <= 5) << p;
      EXPECT_EQ(std::gcd(std::abs(p), q), 1) << p << "/" << q;
      EXPECT_TRUE(e.intercept != 0 && std::fabs(e.intercept) <= 3) << e.intercept;
      EXPECT_LE(std::fabs(e.rise + e.intercept), 6);
      slopes.insert(e.rise / e.run);
    }
    const Example& last = examples.back();
    expectExampleShown(run, last);
    Lesson& u = run.unit;
    const std::string fraction = "ﾀ" + number(std::fabs(last.rise)) + "/" + number(last.run) + "ﾀ";
    const bool negative = last.rise < 0;
    EXPECT_EQ(toUtf8(u.slopeFractionText(1)), (negative ? "-" : "") + fraction);
    EXPECT_EQ(
        toUtf8(u.slopeFractionText(2)),
        negative ? "ﾀ" + number(last.rise) + "/" + number(last.run) + "ﾀ=-" + fraction : fraction);
    EXPECT_EQ(toUtf8(u.numTextB(11)), (last.intercept > 0 ? "+" : "") + number(last.intercept));
    // The slope line's numerators stand 10 px above it: the worked value of a
    // negative slope shows the fraction twice.
    int numerators = 0;
    for (const DrawOp& glyph : visibleTexts(run.platform.events())) {
      numerators += glyph.color == 3 && glyph.y1 == 260 && glyph.x1 < 700;
    }
    EXPECT_EQ(numerators, negative ? 2 : 1);
  }
  EXPECT_GE(slopes.size(), 8u);
}

}  // namespace
}  // namespace lesson
