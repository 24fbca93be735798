// Section 7 pages, run from the main menu: the worked examples step by step,
// the answers page, and the two random drills (their equations and points
// against the numbers they drew, and their until-1 loop).
#include <gtest/gtest.h>

#include <numeric>
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
using testing::showing;
using testing::spaces;

const std::string kSection = "7 Enter ";

TEST(CorbiskDrawing, FixedPagesShowTheirTextsAndTakeTheirKeys) {
  struct Case {
    std::string keys;
    bool backAtSubMenu;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // Page ①: the question and the plane, then ten waits.
      {kSection + "1 Enter",
       false,
       {{38, 30, 0, "問　一次関数y=-2x+3のグラフを、"},
        {76, 80, 0, "傾きと切片を使ってかきなさい。"}},
       {{38, 130, 5, "直線だから"}}},
      {kSection + "1 Enter" + spaces(3),
       false,
       {{38, 130, 5, "直線だから、2点がわかればかける。"},
        {38, 210, 0, "①切片が3だから、"},
        {kAny, 210, 3, "(0,3)に点をうつ"}},
       {{717, 230, 3, "(0,3)"}}},
      // Before the last wait: the walk's labels stand off the text line.
      {kSection + "1 Enter" + spaces(9),
       false,
       {{717, 230, 3, "(0,3)"},
        {38, 290, 0, "②傾きが-2だから、右へ1進むと、"},
        {883, 200, 5, "1"},
        {76, 340, 0, "下へ2進むから"},
        {kAny, 284, 5, "-2"},
        {76, 390, 3, "(1,1)に点をうつ"},
        {767, 330, 3, "(1,1)"},
        {38, 470, 0, "③2点を通る直線をひく。"}},
       {{kAny, kAny, 3, "y=2x3"}}},
      {kSection + "1 Enter" + spaces(10), true, {{38, 470, 0, "③2点を通る直線をひく。"}}, {}},
      // Page ②: one more wait, between the slope and the run; fraction lines
      // push the next line 60 down.
      {kSection + "2 Enter",
       false,
       {{38, 30, 0, "問　一次関数y="}, {76, 90, 0, "傾きと切片を使ってかきなさい。"}},
       {}},
      {kSection + "2 Enter" + spaces(5),
       false,
       {{38, 140, 5, "直線だから"}, {38, 300, 0, "②傾きが"}, {807, 280, 3, "(0,1)"}},
       {{kAny, 300, 3, "右へ2進むと、"}}},
      {kSection + "2 Enter" + spaces(10),
       false,
       {{kAny, 300, 3, "右へ2進むと、"},
        {988, 300, 5, "2"},
        {76, 360, 0, "上へ1進むから"},
        {1042, 264, 5, "1"},
        {76, 410, 3, "(2,2)に点をうつ"},
        {1042, 240, 3, "(2,2)"},
        {38, 490, 0, "③2点を通る直線をひく。"}},
       {}},
      {kSection + "2 Enter" + spaces(11), true, {{38, 490, 0, "③2点を通る直線をひく。"}}, {}},
      // Page ⑤ at once; chosen twice it is drawn again whole.
      {kSection + "5 Enter",
       true,
       {{38, 30, 3, "教科書P70問4　解答"},
        {kAny, kAny, 0, "(1)"},
        {kAny, kAny, 5, "(2)"},
        {kAny, kAny, 3, "(3)"},
        {kAny, kAny, 7, "(4)"},
        {kAny, kAny, 9, "(5)"}},
       {}},
      {kSection + "5 Enter 5 Enter", true, {{38, 30, 3, "教科書P70問4　解答"}}, {}},
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

// A filled dot of the page: centre, radius, colour.
struct Dot {
  float x, y, radius;
  int color;
};

std::vector<Dot> bigDots(const std::vector<DrawOp>& ops) {
  std::vector<Dot> out;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.filled && op.radius > 1 && op.y1 < 600)
      out.push_back({op.x1, op.y1, op.radius, op.color});
  }
  return out;
}

bool sameDots(const std::vector<Dot>& a, const std::vector<Dot>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].radius != b[i].radius ||
        a[i].color != b[i].color)
      return false;
  }
  return true;
}

std::string dumpDots(const std::vector<Dot>& dots) {
  std::string out;
  for (const Dot& d : dots) {
    out += std::to_string(d.x) + "," + std::to_string(d.y) + " r" + std::to_string(d.radius) +
           " c" + std::to_string(d.color) + "\n";
  }
  return out;
}

// An arrow in colour 5: its shaft and the two wing strokes ending at the head.
struct Arrow {
  float fromX, fromY, headX, headY;
};

bool drawnArrow(const std::vector<DrawOp>& ops, const Arrow& a) {
  int shafts = 0, wings = 0;
  for (const DrawOp& op : ops) {
    if (op.kind != DrawOp::Kind::Line || op.color != 5 || op.width != 5) continue;
    shafts += op.x1 == a.fromX && op.y1 == a.fromY && op.x2 == a.headX && op.y2 == a.headY;
    wings += op.x2 == a.headX && op.y2 == a.headY && !(op.x1 == a.fromX && op.y1 == a.fromY);
  }
  return shafts == 1 && wings == 2;
}

// The dots (in drawing order) and the walk's arrows of the fixed pages.
TEST(CorbiskDrawing, FixedPagesFigureMarks) {
  struct Case {
    std::string keys;
    std::vector<Dot> dots;
    std::vector<Arrow> arrows;
  } cases[] = {
      {kSection + "1 Enter" + spaces(10),
       {{872, 250, 8, 3}, {922, 350, 8, 3}},
       {{872, 250, 922, 250}, {922, 250, 922, 350}}},
      {kSection + "2 Enter" + spaces(11),
       {{962, 300, 8, 3}, {1042, 260, 8, 3}},
       {{962, 300, 1042, 300}, {1042, 300, 1042, 260}}},
      // The later, smaller dot stands inside the earlier one at (1,-2) and (0,-3).
      {kSection + "5 Enter",
       {{612, 410, 10, 5},
        {642, 380, 10, 5},
        {612, 290, 9, 9},
        {642, 380, 5, 9},
        {612, 410, 4, 0},
        {702, 350, 8, 0},
        {612, 440, 8, 3},
        {642, 530, 8, 3},
        {612, 260, 8, 0},
        {702, 290, 8, 0}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    CorbiskRun run(c.keys);
    const std::vector<DrawOp> ops = run.draws();
    const std::vector<Dot> dots = bigDots(ops);
    EXPECT_TRUE(sameDots(dots, c.dots)) << dumpDots(dots);
    for (const Arrow& a : c.arrows) {
      EXPECT_TRUE(drawnArrow(ops, a))
          << a.fromX << "," << a.fromY << " -> " << a.headX << "," << a.headY;
    }
    // The pages leave pen width 5 for the sub-menu, and their text margin at
    // x 38 (second lines of the worked examples are indented from it).
    EXPECT_EQ(run.unit.getDrawWidth(), 5);
    EXPECT_EQ(run.unit.textMarginX, 38);
  }
}

std::string number(float v) {
  return std::to_string(static_cast<int>(v));
}

// One equation row of a drill (colour 3, left of the plane, y from `top` to
// top + 80) after the example's clear: its glyphs in drawing order and its
// lines. The signs "+" (two strokes) and "-" (one) and the fraction bars are
// drawn as lines, not glyphs.
struct Row {
  std::string glyphs;
  int lines = 0;
};

Row rowAt(const std::vector<DrawOp>& ops, float top) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (coversWholeCanvas(ops[i])) from = i;
  }
  Row row;
  for (std::size_t i = from; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    if (op.color != 3 || op.x1 >= 680 || op.y1 < top || op.y1 >= top + 80) continue;
    if (op.kind == DrawOp::Kind::Symbol) row.glyphs += toUtf8(op.text);
    row.lines += op.kind == DrawOp::Kind::Line;
  }
  return row;
}

// One example of each drill for many seeds, stopped at the next-step prompt:
// the slopes and intercepts lie in range (fractions reduced, no intercept 0),
// the equations show them with their signs, and the four dots and the last
// line follow them.
TEST(CorbiskDrawing, DrillExamplesFollowTheirDraws) {
  std::set<float> integerSlopes, denominators;
  std::set<bool> positiveIntercepts;
  for (int seed = 0; seed < 40; ++seed) {
    const std::string clock = clockFor(seed);
    for (bool fraction : {false, true}) {
      SCOPED_TRACE(clock + (fraction ? " fraction" : " integer"));
      CorbiskRun run(kSection + (fraction ? "4" : "3") + " Enter" + spaces(6), clock);
      ASSERT_EQ(run.status, kReplayWaiting);
      Lesson& u = run.unit;
      const float b[2] = {u.numA(3), u.numA(4)};
      // Each line's run and rise from its intercept point, and the glyphs of
      // its slope (a fraction's denominator is drawn before its numerator).
      float runs[2], rises[2];
      std::string slopeGlyphs[2];
      int slopeLines[2];
      for (int k = 0; k < 2; ++k) {
        const float slot = static_cast<float>(k + 1);
        EXPECT_TRUE(b[k] != 0 && b[k] >= -5 && b[k] <= 5) << b[k];
        positiveIntercepts.insert(b[k] > 0);
        if (fraction) {
          runs[k] = u.numA(slot);
          rises[k] = u.numB(slot);
          const float n = k == 0 ? rises[k] : -rises[k];
          EXPECT_TRUE(runs[k] >= 2 && runs[k] <= 5 && n >= 1 && n < runs[k]) << n << "/" << runs[k];
          EXPECT_EQ(std::gcd(static_cast<int>(n), static_cast<int>(runs[k])), 1);
          denominators.insert(runs[k]);
          EXPECT_EQ(toUtf8(u.textList(slot)),
                    (k == 0 ? "" : "-") + ("ﾀ" + number(n) + "/" + number(runs[k]) + "ﾀ"));
          slopeGlyphs[k] = number(runs[k]) + number(n);
          slopeLines[k] = k + 1;  // the bar, and the minus of line ②
        } else {
          runs[k] = 1;
          rises[k] = u.numA(slot);
          EXPECT_TRUE(k == 0 ? rises[k] >= 1 && rises[k] <= 5 : rises[k] >= -5 && rises[k] <= -1);
          integerSlopes.insert(rises[k]);
          const float size = k == 0 ? rises[k] : -rises[k];
          slopeGlyphs[k] = size == 1 ? "" : number(size);
          slopeLines[k] = k;
        }
      }

      const std::vector<DrawOp> ops = run.draws();
      for (int k = 0; k < 2; ++k) {
        const Row row = rowAt(ops, 80 + 80 * static_cast<float>(k));
        EXPECT_EQ(row.glyphs, std::string(k == 0 ? "①" : "②") + "y=" + slopeGlyphs[k] + "x" +
                                  number(b[k] > 0 ? b[k] : -b[k]));
        EXPECT_EQ(row.lines, slopeLines[k] + (b[k] > 0 ? 2 : 1));
      }

      // Origin (930,300), 25 px a unit.
      auto at = [](float x, float y, int color) {
        return Dot{930 + 25 * x, 300 - 25 * y, 10, color};
      };
      const std::vector<Dot> expected{at(0, b[0], 7), at(runs[0], rises[0] + b[0], 7),
                                      at(0, b[1], 5), at(runs[1], rises[1] + b[1], 5)};
      const std::vector<Dot> dots = bigDots(ops);
      EXPECT_TRUE(sameDots(dots, expected)) << dumpDots(dots);
      EXPECT_EQ(u.coefA, rises[1] / runs[1]);
      EXPECT_EQ(u.coefB, b[1]);
    }
  }
  // The seeds reach the coefficient forms of 1 and -1, every denominator and
  // both signs of the intercept.
  EXPECT_TRUE(integerSlopes.count(1) && integerSlopes.count(-1));
  EXPECT_EQ(denominators, (std::set<float>{2, 3, 4, 5}));
  EXPECT_EQ(positiveIntercepts.size(), 2u);
}

// The until-1 loop: any other entry gives a new example (the whole window
// cleared, the task drawn again); a value of 1, also 2/2, leaves. Only the
// fraction drill writes its closing line, under the equations of the last
// example.
TEST(CorbiskDrawing, DrillsRepeatUntilOne) {
  const std::string example = spaces(6);
  struct Case {
    std::string page;
    std::string entries;  // what the pupil types at the next-step prompts
    int examples;
    bool left;
  } cases[] = {
      {"3", " 1 Enter", 1, true},    {"3", " Enter", 2, false},
      {"3", " 2 Enter", 2, false},   {"3", " 0 Enter" + example + " 2/2 Enter", 2, true},
      {"4", " 1 Enter", 1, true},    {"4", " 5 Enter" + example + " 1 Enter", 2, true},
      {"4", " 1/2 Enter", 2, false},
  };
  for (const Case& c : cases) {
    const std::string keys = kSection + c.page + " Enter" + example + c.entries;
    SCOPED_TRACE(keys);
    CorbiskRun run(keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    int tasks = 0;
    for (const DrawOp& op : run.draws()) {
      tasks += op.kind == DrawOp::Kind::Symbol && op.x1 == 44 && op.y1 == 30 && op.text == U"Q";
    }
    EXPECT_EQ(tasks, c.examples);
    const std::vector<TextLine> lines = run.lines();
    int menuLines = 0;
    for (const TextLine& line : lines) menuLines += line.x == 16 && line.y == 666;
    EXPECT_EQ(menuLines, c.left ? 1 : 0);
    EXPECT_EQ(showing(lines, {88, 280, 0, "教科書P70問4をしなさい。"}), c.left && c.page == "4")
        << dump(lines);
  }
}

}  // namespace
}  // namespace lesson
