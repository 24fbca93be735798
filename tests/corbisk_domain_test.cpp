// Section 8 pages (domain and range), run from the main menu: what shows when
// the keys run out and how many keys each page takes, the worked example's
// figure, and the drill's random problems with their working.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::clockFor;
using testing::CorbiskRun;
using testing::dump;
using testing::expectAnchors;
using testing::Foot;
using testing::footOf;
using testing::kAny;
using testing::kNextStepText;
using testing::showing;
using testing::spaces;

// Whether a line showing reads `text` and nothing more.
bool showingText(const std::vector<TextLine>& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(), [&](const TextLine& l) { return l.text == text; });
}

TEST(CorbiskDomain, PagesShowTheirTextsAndTakeTheirKeys) {
  const std::string ex = "8 Enter 1 Enter";
  const std::string ans = "8 Enter 3 Enter";
  struct Case {
    std::string keys;
    bool backAtSubMenu;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // Example: the problem, plane and line before the first wait.
      {ex,
       false,
       {{38, 30, 0, "問"}, {kAny, 80, 0, "の変域が"}, {38, 130, 0, "yの変域を求めなさい。"}},
       {{38, 210, 3, "グラフから"}}},
      // Eight figure waits, then one text per key.
      {ex + spaces(8), false, {{38, 210, 3, "グラフから"}}, {{kAny, 260, 0, "のとき"}}},
      {ex + spaces(13),
       false,
       {{kAny, 260, 3, "最小値"}, {kAny, 310, 3, "最大値"}, {38, 360, 0, "したがって、yの変域は"}},
       {{kAny, 360, 5, "45≦y≦70"}}},
      {ex + spaces(14), true, {{kAny, 360, 5, "45≦y≦70"}}, {}},
      // Answer page: a wait after each label of question 5.
      {ans,
       false,
       {{84, 30, 3, "問5"}, {30, 80, 7, "(1)"}},
       {{kAny, 80, 0, "のとき"}, {30, 330, 7, "(2)"}}},
      {ans + spaces(1),
       false,
       {{kAny, 80, 0, "のとき"}, {kAny, 280, 5, "-6≦y≦3"}, {30, 330, 7, "(2)"}},
       {{kAny, 330, 0, "のとき"}}},
      {ans + spaces(3),
       false,
       {{kAny, 530, 5, "0≦y≦6"}, {654, 20, 3, "P71"}},
       {{600, 70, 7, "(1)"}}},
      // Practice label (1) is followed by its working at once, (2) by a wait.
      {ans + spaces(4),
       false,
       {{600, 70, 7, "(1)"}, {kAny, 305, 5, "-5≦y≦-2"}, {600, 355, 7, "(2)"}},
       {{kAny, 355, 0, "のとき"}}},
      {ans + spaces(5),
       true,
       {{30, 80, 7, "(1)"}, {kAny, 530, 5, "0≦y≦6"}, {kAny, 590, 5, "1≦y≦7"}},
       {}},
      // The same page again draws the same page from its clear.
      {ans + spaces(5) + " 3 Enter" + spaces(5), true, {{kAny, 590, 5, "1≦y≦7"}}, {}},
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

// The example's figure: the domain and range segments, the thick piece of the
// graph, four arrows with one head each at their second mark, and the axis
// numbers read 1 per grid line in x and 5 in y.
TEST(CorbiskDomain, ExampleFigure) {
  CorbiskRun run("8 Enter 1 Enter" + spaces(14));
  ASSERT_EQ(run.status, kReplayWaiting);
  const std::vector<DrawOp> ops = run.draws();
  auto line = [&](float x1, float y1, float x2, float y2, int color, int width) {
    return std::count_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
      return op.kind == DrawOp::Kind::Line && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 &&
             op.y2 == y2 && op.color == color && op.width == width;
    });
  };
  EXPECT_EQ(line(918, 590, 1058, 590, 5, 5), 1);  // domain
  EXPECT_EQ(line(918, 338, 1058, 198, 3, 9), 1);  // graph over the domain
  EXPECT_EQ(line(778, 338, 778, 198, 5, 5), 1);   // range

  // Arrow heads: wing strokes ending at a mark, in colour 5.
  auto headsAt = [&](float x, float y) {
    return std::count_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
      return op.kind == DrawOp::Kind::Line && op.color == 5 && op.x2 == x && op.y2 == y &&
             op.x1 != x && op.y1 != y;
    });
  };
  struct Mark {
    float x, y;
    bool head;
  } marks[] = {{918, 590, false}, {1058, 590, false}, {918, 338, true},
               {1058, 198, true}, {778, 338, true},   {778, 198, true}};
  for (const Mark& m : marks) {
    SCOPED_TRACE(std::to_string(m.x) + "," + std::to_string(m.y));
    if (m.head) {
      EXPECT_GT(headsAt(m.x, m.y), 0);
    } else {
      EXPECT_EQ(headsAt(m.x, m.y), 0);
    }
    // A dot of radius 8 in colour 5 on every mark but those on the line.
    const bool dotted = m.y == 590 || m.x == 778;
    EXPECT_EQ(std::any_of(ops.begin(), ops.end(),
                          [&](const DrawOp& op) {
                            return op.kind == DrawOp::Kind::Circle && op.x1 == m.x &&
                                   op.y1 == m.y && op.radius == 8 && op.color == 5;
                          }),
              dotted);
  }

  const std::vector<TextLine> lines = run.lines();
  for (const char* number : {"5", "10", "25", "50", "75", "100"}) {
    EXPECT_TRUE(showingText(lines, number)) << number << "\n" << dump(lines);
  }
  for (const char* number : {"15", "20"}) EXPECT_FALSE(showingText(lines, number)) << number;
  // The line's label 108 px left of and 70 px above its right-hand end (13,85).
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const TextLine& l) {
    return l.text == "y=5x+20" && l.color == 0 && std::fabs(l.x - 1034) < 0.5f &&
           std::fabs(l.y - 44) < 0.5f;
  })) << dump(lines);
}

// ---- The drill ----------------------------------------------------------------

// A whole number's text with its "-".
std::string plain(float v) {
  return std::to_string(static_cast<int>(v));
}

// The visible glyphs whose line lies on the row of y (a raised x stands up to
// 22 px above it), left to right, colours ignored.
std::string row(const std::vector<TextLine>& lines, float y) {
  std::vector<const TextLine*> on;
  for (const TextLine& l : lines) {
    if (l.y <= y && l.y >= y - 25 && l.x < 640) on.push_back(&l);
  }
  std::sort(on.begin(), on.end(), [](auto* a, auto* b) { return a->x < b->x; });
  std::string out;
  for (const TextLine* l : on) out += l->text;
  return out;
}

// The example on screen is the one drawn: its values keep the draw's bounds,
// its display forms follow the sign rules, and problem, working and range
// show those values.
void checkShownProblem(const CorbiskRun& run) {
  const Lesson& u = run.unit;
  const float a = u.numA(1), b = u.numB(1), p = u.numA(2), q = u.numA(3);
  EXPECT_TRUE(a == -2 || a == -1 || a == 1 || a == 2) << a;
  EXPECT_TRUE(b != 0 && std::fabs(b) <= 3 && b == std::floor(b)) << b;
  EXPECT_TRUE(p != 0 && std::fabs(p) <= 8) << p;
  EXPECT_TRUE(q - p >= 3 && q - p <= 8 && q <= 9) << p << " " << q;
  const float yp = a * p + b, yq = a * q + b;
  EXPECT_EQ(u.numB(2), yp);
  EXPECT_EQ(u.numB(3), yq);
  EXPECT_TRUE(std::fabs(yp) <= 10 && std::fabs(yq) <= 10) << yp << " " << yq;

  const std::string coef = a == 1 ? "" : a == -1 ? "-" : plain(a);
  const std::string term = (b > 0 ? "+" : "") + plain(b);
  auto subst = [](float v) { return v < 0 ? "(" + plain(v) + ")" : plain(v); };
  EXPECT_EQ(toUtf8(u.numTextA(11)), coef);
  EXPECT_EQ(toUtf8(u.numTextB(11)), term);
  EXPECT_EQ(toUtf8(u.numTextA(12)), subst(p));
  EXPECT_EQ(toUtf8(u.numTextA(13)), subst(q));

  const std::vector<TextLine> lines = run.lines();
  EXPECT_EQ(row(lines, 30), "練習　一次関数y=" + coef + "x" + term + "について、") << dump(lines);
  EXPECT_EQ(row(lines, 80), "xの変域が" + plain(p) + "≦x≦" + plain(q) + "のとき、");
  EXPECT_EQ(row(lines, 280),
            "y=" + plain(a) + "×" + subst(p) + term + "=" + plain(a * p) + term + "=" + plain(yp));
  EXPECT_EQ(row(lines, 380),
            "y=" + plain(a) + "×" + subst(q) + term + "=" + plain(a * q) + term + "=" + plain(yq));
  const std::string range = plain(std::min(yp, yq)) + "≦y≦" + plain(std::max(yp, yq));
  EXPECT_TRUE(showing(lines, {kAny, 480, 5, range})) << range << "\n" << dump(lines);
}

constexpr int kWorkingKeys = 9;  // the waits of one example before askNextStep

TEST(CorbiskDomain, DrillProblemsAcrossSeeds) {
  std::set<float> firstSlopes;
  for (int seed = 0; seed < 60; ++seed) {
    SCOPED_TRACE(clockFor(seed));
    CorbiskRun run("8 Enter 2 Enter" + spaces(kWorkingKeys), clockFor(seed));
    ASSERT_EQ(run.status, kReplayWaiting);
    checkShownProblem(run);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_TRUE(showingText(lines, kNextStepText));
    firstSlopes.insert(run.unit.numA(1));
  }
  // Nothing is stored before the first draw: every slope can come first.
  EXPECT_EQ(firstSlopes, (std::set<float>{-2, -1, 1, 2}));
}

TEST(CorbiskDomain, DrillStepsNewExamplesAndExit) {
  const std::string start = "8 Enter 2 Enter";
  const std::string example = spaces(kWorkingKeys);
  auto clears = [](const CorbiskRun& run) {
    int n = 0;
    for (const DrawOp& op : run.draws()) {
      n += op.kind == DrawOp::Kind::Fill && op.x1 == 0 && op.y1 == 0 && op.x2 == 1600 &&
           op.y2 == 1800;
    }
    return n;
  };
  struct Case {
    std::string keys;
    int examples;  // clears of an example
    Foot foot;     // under the last example; the sub-menu line once the drill ended
    bool worked;   // the last example shows its range
  } cases[] = {
      {start + spaces(kWorkingKeys - 1), 1, Foot::KeyWait, false},
      {start + example + " 1 Enter", 1, Foot::SubMenu, true},
      // Any other number, or Enter alone, poses a new problem.
      {start + example + " 2 Enter" + example, 2, Foot::NextStep, true},
      {start + example + " Enter" + example + " 0 Enter" + example, 3, Foot::NextStep, true},
      {start + example + " 5 Enter" + example + " 1 Enter", 2, Foot::SubMenu, true},
      // The drill opened again after leaving it.
      {start + example + " 1 Enter 2 Enter" + example, 2, Foot::NextStep, true},
  };
  for (int seed : {3, 17, 44}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(clockFor(seed) + " " + c.keys);
      CorbiskRun run(c.keys, clockFor(seed));
      ASSERT_EQ(run.status, kReplayWaiting);
      EXPECT_EQ(clears(run), c.examples);
      const std::vector<TextLine> lines = run.lines();
      EXPECT_EQ(footOf(lines), c.foot) << dump(lines);
      EXPECT_EQ(showing(lines, {40, 570, 0, "教科書P71問5をしなさい。"}), c.foot == Foot::SubMenu)
          << dump(lines);
      if (c.worked) checkShownProblem(run);
    }
  }
}

}  // namespace
}  // namespace lesson
