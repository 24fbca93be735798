// Tessarin section 8, the answers to the review problems of textbook page 92,
// run from the main menu: the sub-menu alone on entry and its choices, what
// each key reveals on the eight answer pages (and what a second screen
// erases), and the figures: the marked points of answer ②, the meeting graph
// of answer ⑦ and the step arcs of answer ⑧.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"

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

const std::string kSubMenuStart = "Ｐ９２";

std::string page(int item) {
  return "8 Enter " + std::to_string(item) + " Enter";
}

// How many times the sub-menu line was written.
int subMenuLines(const std::vector<DrawOp>& ops) {
  return static_cast<int>(std::count_if(ops.begin(), ops.end(), [](const DrawOp& op) {
    return op.kind == DrawOp::Kind::Symbol && op.x1 == 16 && op.y1 == 666 && op.text == U"Ｐ";
  }));
}

TEST(TessarinSection8, SectionIsItsSubMenuAloneAndRejectsChoicesOutsideIt) {
  struct Case {
    std::string keys;
    int subMenuLines;  // the line drawn once, and once more per rejected choice
  } cases[] = {
      {"8 Enter", 1},          {"8 Enter 0 Enter", 2}, {"8 Enter 10 Enter", 2},
      {"8 Enter -1 Enter", 2}, {"8 Enter Enter", 2},   {"8 Enter 0 Enter 10 Enter", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const auto lines = run.lines();
    EXPECT_EQ(footOf(lines, kSubMenuStart), Foot::SubMenu) << dump(lines);
    EXPECT_EQ(subMenuLines(run.draws()), c.subMenuLines);
    // No goal banner: above the foot bar nothing but the input field's label.
    for (const TextLine& line : lines) {
      EXPECT_TRUE(line.y >= 640) << dump(lines);
    }
  }
  TessarinRun back("8 Enter 9 Enter");
  EXPECT_EQ(footOf(back.lines()), Foot::MainMenu) << dump(back.lines());
}

TEST(TessarinSection8, PagesRevealOneStepPerKeyAndReturn) {
  struct Case {
    std::string keys;
    Foot foot;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // ①: (1) under the header; (2) beside it; the second screen keeps (2)
      // and puts (3) under a header numbered "2"; then (4) replaces (2).
      {page(1),
       Foot::KeyWait,
       {{67, 32, 0, "学びを身につけよう"},
        {kAny, 32, 13, "1"},
        {40, 90, 3, "(1)"},
        {279, 390, 5, "答　y=2"},  // the fraction's denominator joins the line
        {406, 380, 5, "1x+3"}},
       {{640, 110, 3, "(2)"}}},
      {page(1) + spaces(1),
       Foot::KeyWait,
       {{40, 90, 3, "(1)"}, {640, 110, 3, "(2)"}, {640, 410, 5, "答　y=-x-1"}},
       {{40, 140, 3, "(3)"}}},
      {page(1) + spaces(2),
       Foot::KeyWait,
       {{kAny, 32, 13, "2"}, {40, 140, 3, "(3)"}, {640, 110, 3, "(2)"}},
       {{40, 90, 3, "(1)"}, {kAny, 32, 13, "1"}, {640, 30, 3, "(4)"}}},
      {page(1) + spaces(3),
       Foot::SubMenu,
       {{40, 140, 3, "(3)"},
        {640, 30, 3, "(4)"},
        {542, 80, 0, "を代入して"},
        {126, 500, 0, "2×2+b0=-"},  // 0=-(2/3)×2+b 0=-(4/3)+b
        {392, 500, 0, "4+b"},
        {171, 580, 5, "答　y=-3"},
        {325, 570, 5, "2x+"},
        {411, 570, 5, "4"},
        {766, 590, 5, "答y=-3"},
        {913, 580, 5, "1x+3"}},
       {{640, 110, 3, "(2)"}}},
      // ②: the heading alone, then the graph and "(1)", one equation a key.
      {page(2),
       Foot::KeyWait,
       {{101, 32, 0, "学び"}, {40, 100, 3, "グラフをかくと"}},
       {{40, 160, 3, "(1)"}}},
      {page(2) + spaces(1),
       Foot::KeyWait,
       {{40, 160, 3, "(1)"}, {kAny, 60, 7, "(2)"}},
       {{kAny, 160, 5, "y=4"}}},
      {page(2) + spaces(3),
       Foot::KeyWait,
       {{kAny, 220, 5, "=-7"}, {40, 280, 3, "(3)"}},
       {{kAny, 280, 0, "切片が"}}},
      {page(2) + spaces(4),
       Foot::SubMenu,
       {{kAny, 280, 0, "切片が-5で、"},
        {74, 350, 0, "傾き"},
        {74, 420, 5, "y=-2"},
        {160, 410, 5, "5x-5"}},
       {}},
      // ③: five labelled lines, then one match a key; line ④ is matched by none.
      {page(3), Foot::KeyWait, {{kAny, kAny, 3, "④"}, {kAny, kAny, 7, "①"}}, {{40, 110, 3, "ア"}}},
      {page(3) + spaces(4),
       Foot::SubMenu,
       {{40, 110, 3, "ア"},
        {kAny, 170, 5, "②"},
        {kAny, 240, 5, "⑤"},
        {kAny, 360, 5, "③"},
        {kAny, 430, 5, "①"}},
       {{kAny, kAny, 5, "④"}}},
      // ④: all at once, the header 81 px right of the text lines.
      {page(4),
       Foot::SubMenu,
       {{148, 32, 0, "学び"}, {40, 110, 0, "右下がりだから"}, {40, 260, 5, "答　(ｴ)"}},
       {}},
      // ⑤: the graph first, any key, then the whole working.
      {page(5), Foot::KeyWait, {{101, 32, 0, "学び"}}, {{40, 110, 3, "y="}}},
      {page(5) + " a",
       Foot::SubMenu,
       {{kAny, 160, 3, "-2≦x≦5"},
        {40, 280, 0, "したがって、"},
        {40, 460, 3, "b"},
        {kAny, 460, 3, "=3"}},
       {}},
      // ⑥: the lines, the slope triangles, then the working; l's equation goes
      // on from the header line; the right column starts at x 418.
      {page(6), Foot::KeyWait, {{kAny, kAny, 0, "m"}}, {{kAny, kAny, 7, "3"}}},
      {page(6) + spaces(2),
       Foot::KeyWait,
       {{450, 20, 0, "直線"}, {kAny, kAny, 7, "3"}, {kAny, kAny, 7, "2"}},
       {{30, 90, 0, "直線mの傾きは、"}}},
      {page(6) + spaces(6),
       Foot::KeyWait,
       {{30, 280, 3, "①,②の分母をはらって"}, {70, 330, 0, "3y=x+9…③"}, {70, 380, 0, "2y=3x-5…④"}},
       {{30, 430, 3, "③"}}},
      {page(6) + spaces(8),
       Foot::KeyWait,
       {{84, 480, 0, "9y=3x+27"}, {84, 580, 0, "7y="}, {kAny, 300, 7, "y="}},
       {{418, 370, 3, "y="}}},
      {page(6) + spaces(12),
       Foot::SubMenu,
       {{418, 370, 3, "y="},
        {kAny, 370, 3, "を①に代入して"},
        {422, 580, 3, "x="},
        {751, 580, 5, "答(7"},
        {839, 570, 5, "33,"},
        {930, 570, 5, "32)"}},
       {}},
      // ⑦: the graph, then the text of the first screen; the second screen
      // erases all above the substitution line for BC and goes on from the top.
      {page(7),
       Foot::KeyWait,
       {{620, 370, 7, "午前9"}, {kAny, kAny, 3, "P"}},
       {{30, 80, 7, "(1)"}}},
      {page(7) + spaces(4),
       Foot::KeyWait,
       {{111, 22, 0, "学び"},
        {30, 80, 7, "(1)"},
        {30, 310, 7, "(3)"},
        {34, 430, 0, "x=80"},
        {34, 490, 0, "=-3"},  // "=-(4/3)": the denominator joins the line
        {89, 480, 0, "4だから"},
        {352, 480, 3, "1x-"},
        {kAny, 610, 3, "…②"}},
       {{30, 20, 0, "①②から"}}},
      {page(7) + spaces(5),
       Foot::KeyWait,
       {{30, 20, 0, "①②から"},
        {34, 430, 0, "x=80"},
        {620, 370, 7, "午前9"},
        {620, 315, 7, "P地点"}},
       {{111, 22, 0, "学び"}, {30, 80, 7, "(1)"}, {30, 310, 7, "(3)"}}},
      {page(7) + spaces(9),
       Foot::SubMenu,
       {{34, 180, 3, "x=95(9時95分)"},
        {30, 380, 5, "午前10時35分でQ地点から7km"},
        {34, 430, 0, "x=80"}},
       {}},
      // ⑧: the table, the arcs over it, the arcs under it, then the reading.
      {page(8), Foot::KeyWait, {{kAny, kAny, 0, "20.2"}}, {{kAny, kAny, 5, "10"}}},
      {page(8) + spaces(2),
       Foot::KeyWait,
       {{kAny, kAny, 5, "10"}, {kAny, kAny, 5, "1.7"}},
       {{40, 320, 0, "xの値"}}},
      {page(8) + spaces(5),
       Foot::SubMenu,
       {{44, 320, 0, "の値が10ずつ"}, {kAny, 370, 3, "y=0.17x+10"}, {40, 420, 0, "yは"}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const auto lines = run.lines();
    EXPECT_EQ(footOf(lines, kSubMenuStart), c.foot) << dump(lines);
    expectAnchors(lines, c.present, c.absent, showing);
  }
}

struct Dot {
  float x, y, radius;
  int color;
  bool operator==(const Dot&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Dot& d) {
  return out << "(" << d.x << "," << d.y << " r" << d.radius << " c" << d.color << ")";
}

// The filled circles drawn with one of the radii given, in drawing order.
std::vector<Dot> discs(const std::vector<DrawOp>& ops, std::vector<float> radii) {
  std::vector<Dot> out;
  for (const DrawOp& op : ops) {
    if (op.kind != DrawOp::Kind::Circle || !op.filled) continue;
    if (std::find(radii.begin(), radii.end(), op.radius) == radii.end()) continue;
    out.push_back({op.x1, op.y1, op.radius, op.color});
  }
  return out;
}

// The formula row whose glyph tops are at y (raised letters up to 30 px above
// it) in `color` between x `left` and `right`, hand-drawn signs included.
std::u32string readRow(const std::vector<DrawOp>& ops, float y, int color, float left,
                       float right) {
  auto across = [&](const DrawOp& op) { return op.x1 >= left && op.x1 < right; };
  return testing::readFormula(
      ops, color,
      [&](const DrawOp& glyph) { return across(glyph) && glyph.y1 <= y && glyph.y1 > y - 30; },
      [&](const DrawOp& stroke) { return across(stroke) && stroke.y1 > y && stroke.y1 < y + 44; });
}

TEST(TessarinSection8, SubtractionColumnsPutTheSignsBetweenTheRows) {
  // Rows 50 px apart from the column's top; the signs each term of the
  // bottom row takes, in colour 3, 25 px below the top row; the difference
  // under the bar.
  struct Case {
    std::string keys;
    float left, top;  // the column's x and its top row's y
    std::u32string topRow, signs, bottomRow, difference;
  } cases[] = {
      {page(1) + spaces(3), 640, 280, U"4=-3a+b", U"++--", U"-1=12a+b", U"5=-15a"},
      {page(6) + spaces(8), 30, 480, U"9y=3x+27", U"+--+", U"2y=3x-5", U"7y=32"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    // What the screen shows: the ops after the last erase of a whole column.
    auto ops = run.draws();
    const auto erase = std::find_if(ops.rbegin(), ops.rend(), [](const DrawOp& op) {
      return op.kind == DrawOp::Kind::Fill && op.fill == 15 && op.y2 == 1800;
    });
    ops.erase(ops.begin(), erase.base());
    const float rows = c.left + 54;  // right of the ")" before the bottom row
    EXPECT_EQ(readRow(ops, c.top, 0, rows, rows + 300), c.topRow);
    EXPECT_EQ(readRow(ops, c.top + 25, 3, c.left, rows + 300), c.signs);
    EXPECT_EQ(readRow(ops, c.top + 50, 0, rows, rows + 300), c.bottomRow);
    EXPECT_EQ(readRow(ops, c.top + 100, 0, rows, rows + 300), c.difference);
  }
}

TEST(TessarinSection8, AnswerTwoMarksThePointsThatFixEachLine) {
  // Plane origin (1020, 270), 30 px a unit: (-2,0) and (0,-5) for (3),
  // (-7,6) and (-7,-9) for (2), (0,-4) for (1).
  TessarinRun run(page(2) + spaces(1));
  const std::vector<Dot> expected{
      {960, 270, 8, 5}, {1020, 420, 8, 5}, {810, 90, 8, 5}, {810, 540, 8, 5}, {1020, 390, 8, 5}};
  EXPECT_EQ(discs(run.draws(), {8}), expected);
}

TEST(TessarinSection8, MeetingGraphHasItsPointsWalksAndOnlyItsOwnNumbers) {
  TessarinRun run(page(7));
  const auto ops = run.draws();

  // O (a position only), A, B, C, D, E in colour 0, then P in colour 3.
  const std::vector<Dot> points{{680, 350, 0.1f, 0}, {830, 250, 5, 0}, {880, 250, 5, 0},
                                {1180, 50, 5, 0},    {830, 50, 5, 0},  {980, 350, 5, 0},
                                {917.5f, 225, 5, 3}};
  EXPECT_EQ(discs(ops, {0.1f, 5}), points);

  using Corner = std::pair<float, float>;
  std::vector<std::vector<Corner>> walks;
  for (const DrawOp& op : ops) {
    if (op.kind != DrawOp::Kind::Poly) continue;
    EXPECT_EQ(op.color, 0);
    std::vector<Corner> corners;
    for (const Point& p : op.points) corners.emplace_back(p.x, p.y);
    walks.push_back(corners);
  }
  const std::vector<std::vector<Corner>> expectedWalks{
      {{680, 350}, {830, 250}, {880, 250}, {1180, 50}},
      {{830, 50}, {980, 350}},
  };
  EXPECT_EQ(walks, expectedWalks);

  // The y axis numbered at the even kilometres; no number on the x axis, whose
  // hours are captions in colour 7.
  std::vector<std::string> yNumbers;
  for (const TextLine& line : run.lines()) {
    if (line.color == 0 && line.x < 680 && line.y > 30 && line.y < 340)
      yNumbers.push_back(line.text);
    if (line.color == 0 && line.y == 354) ADD_FAILURE() << "x axis number " << line.text;
  }
  EXPECT_EQ(yNumbers, (std::vector<std::string>{"2", "4", "6", "8", "10", "12"}));
  expectAnchors(run.lines(),
                {{810, 354, 7, "10"},
                 {960, 354, 7, "11"},
                 {1110, 354, 7, "12"},
                 {1175, 350, 0, "時"},
                 {630, 10, 0, "km"},
                 {680, 10, 7, "Q地点"},
                 {840, 10, 3, "かりんさん"},
                 {1020, 10, 3, "けいたさん"}},
                {}, showing);
}

TEST(TessarinSection8, AnswerEightArcsStepAlongTheTableOutsideIt) {
  TessarinRun run(page(8) + spaces(2));
  const auto ops = run.draws();

  // Sixteen cells of 120 x 50 from (80,150) to (1040,250).
  int cells = 0;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Fill && op.fill == 15 && op.color == 0) {
      ++cells;
      EXPECT_EQ(op.x2 - op.x1, 120);
      EXPECT_EQ(op.y2 - op.y1, 50);
      EXPECT_TRUE(op.x1 >= 80 && op.x2 <= 1040 && op.y1 >= 150 && op.y2 <= 250);
    }
  }
  EXPECT_EQ(cells, 16);

  // The arc dots: the first six arcs above the x row, the next six under the
  // y row, all between the first and last value columns' centres.
  const std::vector<Dot> dots = discs(ops, {0.5f});
  ASSERT_FALSE(dots.empty());
  ASSERT_EQ(dots.size() % 2, 0u);
  const size_t half = dots.size() / 2;
  for (size_t i = 0; i < dots.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(dots[i].color, 3);
    EXPECT_TRUE(dots[i].x >= 259.5f && dots[i].x <= 980.5f) << dots[i];
    if (i < half) {
      EXPECT_TRUE(dots[i].y <= 150.5f) << dots[i];
    } else {
      EXPECT_TRUE(dots[i].y >= 249.5f) << dots[i];
    }
  }
  // Each arc's label on its own side, one per arc, 120 px apart: six "10" over
  // the table, six "1.7" under it, each row of labels read as one line.
  struct LabelRow {
    std::string text;
    float x, y;     // the first label's top-left
    size_t glyphs;  // glyphs of one label
  } rows[] = {{"101010101010", 293, 86, 2}, {"1.71.71.71.71.71.7", 289, 270, 3}};
  const std::vector<TextLine> lines = run.lines();
  for (const LabelRow& row : rows) {
    SCOPED_TRACE(row.text);
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const TextLine& l) {
      return l.color == 5 && l.text == row.text;
    });
    ASSERT_NE(line, lines.end()) << dump(lines);
    ASSERT_EQ(line->glyphs.size(), 6 * row.glyphs);
    for (size_t k = 0; k < 6; ++k) {
      const DrawOp& first = line->glyphs[k * row.glyphs];
      EXPECT_NEAR(first.x1, row.x + 120 * static_cast<float>(k), 0.5f) << k;
      EXPECT_NEAR(first.y1, row.y, 0.5f) << k;
    }
  }
}

}  // namespace
}  // namespace lesson
