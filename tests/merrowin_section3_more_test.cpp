// Merrowin section 3 pages ③ to ⑤, run from the main menu: the random worked
// example by simultaneous equations, the summary and the answers to questions
// 3 and 4. What is showing when the keys run out, the figures the pages draw,
// and the random example's rules over many seeds.
#include <gtest/gtest.h>

#include <cmath>
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
using testing::MerrowinRun;
using testing::showing;
using testing::spaces;

const std::string kSystem = "3 Enter 3 Enter";
const std::string kSummary = "3 Enter 4 Enter";
const std::string kAnswers = "3 Enter 5 Enter";
// Seeds of page ③ whose first example is: a=2, b=1 through (1,3), (4,9);
// a=2, b=-2 through (1,0), (4,6); a=-2, b=1 through (1,-1), (5,-9); a=2, b=-1
// through (2,3), (4,7).
const std::string kWorked = "16:00:00";
const std::string kZeroY1 = "18:00:00";
const std::string kNegativeSlope = "13:00:00";
const std::string kSecondX1 = "17:00:00";
// Page ③'s eleven key waits.
const std::string kWholeExample = spaces(11);

TEST(MerrowinTwoPointsMore, PagesShowTheirTextsAndTakeTheirKeys) {
  struct Case {
    std::string keys;
    std::string clock;
    Foot foot;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // Page ③: the statement first, then one step per key.
      {kSystem,
       kWorked,
       Foot::KeyWait,
       {{40, 30, 7, "例3"}, {kAny, 30, 3, "(1,3)"}, {kAny, 30, 3, "(4,9)"}, {40, 130, 3, "<解答>"}},
       {{40, 200, 0, "求める一次関数の式を"}}},
      {kSystem + kWholeExample,
       kWorked,
       Foot::NextStep,
       {{40, 200, 0, "求める一次関数の式を"},
        {80, 360, 0, "3=a+b…①"},
        {80, 410, 0, "9=4a+b…②"},
        {kAny, 200, 3, "を①に代入して"},
        {760, 260, 0, "3=1×2+b"},
        {760, 320, 0, "3=2+b"},
        {760, 380, 3, "b"},
        {kAny, 380, 0, "=3-2"},
        {kAny, 380, 3, "=1"},
        {760, 440, 5, "答y=2x+1"}},
       {}},
      {kSystem + kWholeExample + " 1 Enter",
       kWorked,
       Foot::SubMenu,
       {{760, 440, 5, "答y=2x+1"}},
       {}},
      {kSystem + kWholeExample + " 2/2 Enter",
       kWorked,
       Foot::SubMenu,
       {{760, 440, 5, "答y=2x+1"}},
       {}},
      // Any other value: the example is erased and a new one stated.
      {kSystem + kWholeExample + " 2 Enter",
       kWorked,
       Foot::KeyWait,
       {{40, 30, 7, "例3"}, {40, 130, 3, "<解答>"}},
       {{760, 440, 5, "答"}, {80, 360, 0, ""}}},
      {kSystem + kWholeExample + " Enter",
       kWorked,
       Foot::KeyWait,
       {{40, 30, 7, "例3"}},
       {{760, 440, 5, "答"}}},
      // y1 = 0: the intercept line has no middle term.
      {kSystem + kWholeExample,
       kZeroY1,
       Foot::NextStep,
       {{760, 320, 0, "0=2+b"}, {760, 380, 3, "b"}, {760, 440, 5, "答y=2x-2"}},
       {{kAny, 380, 0, ""}}},
      // A negative slope in brackets; a positive -a·x1 with its plus sign.
      {kSystem + kWholeExample,
       kNegativeSlope,
       Foot::NextStep,
       {{kAny, 260, 0, "-1=1×(-2)+b"}, {kAny, 380, 0, "=-1+2"}, {760, 440, 5, "答y=-2x+1"}},
       {}},
      // x1 = 2: the coefficient of a is written.
      {kSystem + kWholeExample, kSecondX1, Foot::NextStep, {{80, 360, 0, "3=2a+b…①"}}, {}},

      // Page ④: one rule per key, then the task and straight back.
      {kSummary,
       "00:00:00",
       Foot::KeyWait,
       {{114, 80, 3, "<まとめ>"}, {114, 155, 5, "2点を通る"}, {kAny, 155, 5, "傾きを求め、y=△x+b"}},
       {{114, 230, 5, ""}}},
      {kSummary + " Space",
       "00:00:00",
       Foot::KeyWait,
       {{114, 230, 5, "2点を通る"}, {kAny, 230, 0, "→"}, {kAny, 230, 5, "y=ax+bに代入,連立方程式"}},
       {{76, 310, 0, ""}}},
      {kSummary + " Space Space",
       "00:00:00",
       Foot::SubMenu,
       {{76, 310, 0, "教科書P75問3,問4をしなさい。"}},
       {}},

      // Page ⑤: question 3 by the slope, then its alternative in one go.
      {kAnswers,
       "00:00:00",
       Foot::KeyWait,
       {{38, 30, 7, "問3　解答"},
        {38, 100, 0, "傾きは"},
        {38, 260, 0, "8=3×3+b=9+b"},
        {38, 360, 5, "答y=3x-1"}},
       {{38, 420, 3, ""}, {760, 30, 3, ""}}},
      {kAnswers + " Space",
       "00:00:00",
       Foot::KeyWait,
       {{38, 420, 3, "(別解)求める式をy=ax+b"},
        {kAny, 520, 0, "-4=-a+b…①"},
        {78, 570, 0, "8=3a+b…②"},
        {760, 30, 3, "①-②"},
        {kAny, 80, 0, "-4="},
        {kAny, 130, 0, "-)8=3a+b"},
        {kAny, 180, 0, "-12=-4a"},
        {kAny, 230, 3, "3=a"},
        {kAny, 280, 3, "a=3を①に代入して"},
        {760, 430, 3, "b=-1"},
        {760, 480, 5, "答y=3x-1"}},
       {}},
      // Question 4 replaces it; its end goes straight back to the sub-menu.
      {kAnswers + " Space Space",
       "00:00:00",
       Foot::KeyWait,
       {{38, 30, 7, "問4　解答"}, {kAny, 230, 0, "x=-2,y=-1を代入して"}, {38, 360, 0, "b=3-1=2"}},
       {{38, 30, 7, "問3"}, {760, 30, 0, ""}}},
      {kAnswers + " Space Space Space",
       "00:00:00",
       Foot::SubMenu,
       {{38, 430, 5, "答y=2"},
        {158, 420, 5, "3x+2"},
        {38, 490, 3, "(別解)"},
        {kAny, 30, 0, "-1=-2a+b…①"},
        {800, 80, 0, "8=4a+b…②"},
        {760, 130, 3, "①-②"},
        {kAny, 280, 0, "-9=-6a"},
        {760, 530, 0, "b=-1+3="},
        {kAny, 530, 3, "2"},
        {760, 590, 5, "答y=2"},
        {880, 580, 5, "3x+2"}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys + " at " + c.clock);
    MerrowinRun run(c.keys, c.clock);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(footOf(lines), c.foot) << dump(lines);
  }
}

// The frame of page ④, the braces and the column bars, where the texts around
// them put them: a box by its corners, a brace by its top end, a bar by its
// left end.
TEST(MerrowinTwoPointsMore, FiguresStandWhereTheTextsNeedThem) {
  using Kind = DrawOp::Kind;
  struct Mark {
    Kind kind;
    float x1, y1, x2, y2;  // a poly: its first point in x1, y1
    int color, width;
  };
  struct Case {
    std::string keys;
    std::string clock;
    std::vector<Mark> marks;
  } cases[] = {
      {kSummary, "00:00:00", {{Kind::Box, 76, 140, 874, 290, 9, 9}}},
      // Page ③'s working starts 40 px after ②, here at x 382.
      {kSystem + spaces(5),
       kWorked,
       {{Kind::Poly, 75, 365, 0, 0, 0, 5}, {Kind::Line, 409, 510, 0, 510, 0, 3}}},
      {kAnswers + " Space",
       "00:00:00",
       {{Kind::Poly, 73, 525, 0, 0, 0, 5}, {Kind::Line, 787, 180, 0, 180, 0, 3}}},
      {kAnswers + " Space Space Space",
       "00:00:00",
       {{Kind::Poly, 795, 35, 0, 0, 0, 5}, {Kind::Line, 787, 280, 0, 280, 0, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys + " at " + c.clock);
    MerrowinRun run(c.keys, c.clock);
    const std::vector<DrawOp> ops = run.draws();
    for (const Mark& m : c.marks) {
      bool drawn = false;
      for (const DrawOp& op : ops) {
        if (op.kind != m.kind || op.color != m.color || op.width != m.width) continue;
        switch (m.kind) {
          case Kind::Poly:
            drawn |= !op.points.empty() && op.points[0].x == m.x1 && op.points[0].y == m.y1;
            break;
          case Kind::Line:
            drawn |= op.x1 == m.x1 && op.y1 == m.y1 && op.y2 == m.y2;
            break;
          default:
            drawn |= op.x1 == m.x1 && op.y1 == m.y1 && op.x2 == m.x2 && op.y2 == m.y2;
        }
      }
      EXPECT_TRUE(drawn) << static_cast<int>(m.kind) << " at " << m.x1 << "," << m.y1;
    }
  }
}

// Page ③ over many seeds and one to three examples: every example shown keeps
// the draw's rules, and its working values and texts agree with it.
TEST(MerrowinTwoPointsMore, SystemExamplesKeepTheirRules) {
  const std::string next[] = {"", " 2 Enter" + kWholeExample, " 0 Enter" + kWholeExample};
  for (int hour = 0; hour < 24; ++hour) {
    std::string keys = kSystem + kWholeExample;
    for (const std::string& more : next) {
      keys += more;
      const std::string clock = (hour < 10 ? "0" : "") + std::to_string(hour) + ":00:00";
      SCOPED_TRACE(keys + " at " + clock);
      MerrowinRun run(keys, clock);
      ASSERT_EQ(run.status, kReplayWaiting);
      MerrowinUnit& u = run.unit;
      const float a = u.numA(1), b = u.numB(1), x1 = u.numA(2), x2 = u.numA(3);
      EXPECT_TRUE(a == 2 || a == -2 || a == 3 || a == -3) << a;
      EXPECT_TRUE(b != 0 && b >= -3 && b <= 3) << b;
      EXPECT_TRUE(x1 == 1 || x1 == 2) << x1;
      EXPECT_TRUE(x2 >= 4 && x2 <= 6) << x2;
      EXPECT_EQ(u.numB(2), a * x1 + b);
      EXPECT_EQ(u.numB(3), a * x2 + b);
      EXPECT_LE(std::abs(u.numB(2)), 9);
      EXPECT_LE(std::abs(u.numB(3)), 9);
      EXPECT_EQ(u.numA(4), x1 - x2);
      EXPECT_EQ(u.numB(4) / u.numA(4), a);
      EXPECT_EQ(u.numA(6), -a * x1);
      // Signed texts carry exactly one sign; dy is padded to three characters.
      EXPECT_EQ(u.numTextB(11), (b > 0 ? U"+" : U"") + u.numTextB(1));
      const char32_t digit = U'0' + static_cast<char32_t>(std::abs(a * x1));  // |a·x1| <= 6
      EXPECT_EQ(u.numTextA(6), (a * x1 < 0 ? U"+" : U"-") + Text(1, digit));
      EXPECT_EQ(kLen(u.numTextB(4)), 3);
      const std::vector<TextLine> lines = run.lines();
      EXPECT_EQ(footOf(lines), Foot::NextStep) << dump(lines);
      EXPECT_TRUE(showing(lines, {760, 440, 5, "答y="})) << dump(lines);
    }
  }
}

}  // namespace
}  // namespace lesson
