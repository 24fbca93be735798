// Section 3 pages ④ to ⑥, run from the main menu: what is showing when the keys
// run out, how many keys each page takes, and the frame and table cells the
// pages draw.
#include <gtest/gtest.h>

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

// A box or filled box drawn during the run, with its pen width.
struct Box {
  DrawOp::Kind kind;
  float x1, y1, x2, y2;
  int color, fill, width;
};

bool drawn(const std::vector<DrawOp>& ops, const Box& b) {
  for (const DrawOp& op : ops) {
    if (op.kind == b.kind && op.x1 == b.x1 && op.y1 == b.y1 && op.x2 == b.x2 && op.y2 == b.y2 &&
        op.color == b.color && op.fill == b.fill && op.width == b.width)
      return true;
  }
  return false;
}

// What page ⑥'s table shows in the seven value cells of the row with this
// top: for each cell, after the last fill of its box, a horizontal line inside
// it reads "-" (drawn minus signs) and a glyph its text.
std::vector<std::string> valueCells(const std::vector<DrawOp>& ops, float top) {
  std::vector<std::string> cells;
  for (int k = 0; k < 7; ++k) {
    const float left = 118 + 60 * static_cast<float>(k);
    const float right = left + 60, bottom = top + 50;
    std::size_t start = ops.size();
    for (std::size_t i = 0; i < ops.size(); ++i) {
      const DrawOp& op = ops[i];
      if (op.kind == DrawOp::Kind::Fill && op.x1 == left && op.y1 == top && op.x2 == right &&
          op.y2 == bottom)
        start = i;
    }
    std::string text;
    for (std::size_t i = start; i < ops.size(); ++i) {
      const DrawOp& op = ops[i];
      if (op.x1 <= left || op.x1 >= right || op.y1 <= top || op.y1 >= bottom) continue;
      if (op.kind == DrawOp::Kind::Line && op.y1 == op.y2) text += "-";
      if (op.kind == DrawOp::Kind::Symbol) text += toUtf8(op.text);
    }
    cells.push_back(text);
  }
  return cells;
}

TEST(CorbiskRateB, PagesShowTheirTextsAndTakeTheirKeys) {
  const std::string p4 = "3 Enter 4 Enter";
  const std::string p5 = "3 Enter 5 Enter";
  const std::string p6 = "3 Enter 6 Enter";
  using Kind = DrawOp::Kind;
  struct Case {
    std::string keys;
    bool backAtSubMenu;  // the page has ended: its section's line is drawn under it
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
    std::vector<Box> boxes;
    std::vector<std::string> yCells;  // page ⑥'s y values; empty: not a table case
  } cases[] = {
      // Page ④: the framed rule first, then eleven waits.
      {p4,
       false,
       {{76, 30, 3, "<一次関数の変化の割合>"},
        {76, 80, 0, "一次関数　y="},
        {76, 130, 3, "変化の割合は"},
        {kAny, 130, 5, "一定で、"},
        {76, 200, 5, "変化の割合="}},
       {{38, 310, 7, "①"}},
       {{Kind::Box, 38, 16, 608, 291, 9, -1, 10}},
       {}},
      {p4 + spaces(4),
       false,
       {{38, 310, 7, "①"},
        {kAny, 360, 3, "の値が増加→yの値は増加"},
        {38, 470, 7, "②"},
        {kAny, 520, 3, "の値が増加→yの値は減少"},
        {76, 570, 0, "y="}},
       {{646, 30, 7, "Q"}},
       {},
       {}},
      {p4 + spaces(10),
       false,
       {{646, 30, 7, "Q"},
        {646, 80, 3, "(1)"},
        {kAny, 130, 5, "-3"},
        {646, 180, 3, "(2)"},
        {727, 230, 0, "yの増加量を求めなさい。"},
        {727, 290, 3, "yの増加量="},
        {727, 350, 5, "yの増加量"},
        {kAny, 350, 0, "=-3×2"},
        {kAny, 350, 5, "=-6"}},
       {{646, 420, 7, "教科書P64問2"}},
       {},
       {}},
      {p4 + spaces(11), true, {{646, 420, 7, "教科書P64問2をしなさい。"}}, {}, {}, {}},
      // Page ⑤: two columns at once, the sub-menu line straight after.
      {p5,
       true,
       {{121, 30, 3, "問3解答"},
        {40, 90, 3, "(1)"},
        {kAny, 90, 0, "の増加量が1のとき"},
        {121, 330, 0, "yの増加量="},
        {121, 410, 5, "答　yの増加量は3"},
        {413, 400, 5, "2"},
        {600, 90, 3, "(2)"},
        {kAny, 90, 0, "の増加量が3のとき"},
        {681, 330, 0, "yの増加量="},
        {681, 410, 5, "答　yの増加量は2"}},
       {{681, 30, 3, "問3"}},
       {},
       {}},
      // Page ⑥: the title and the table with its value cells empty first;
      // then one y value per key, the times sign at x = 0.
      {p6,
       false,
       {{38, 30, 3, "反比例の関係"}, {kAny, 123, 0, "-3-2-10123…"}, {kAny, 173, 0, "y…"}},
       {},
       {{Kind::Fill, 38, 120, 78, 170, 3, 15, 5},
        {Kind::Fill, 118, 120, 178, 170, 3, 15, 5},
        {Kind::Fill, 538, 170, 578, 220, 3, 15, 5}},
       {"", "", "", "", "", "", ""}},
      {p6 + spaces(4), false, {}, {}, {}, {"-2", "-3", "-6", "×", "", "", ""}},
      // All seven values, and a second wait before "①".
      {p6 + spaces(8), false, {}, {{38, 250, 3, "①"}}, {}, {"-2", "-3", "-6", "×", "6", "3", "2"}},
      {p6 + spaces(9),
       false,
       {{38, 250, 3, "①"}, {kAny, 250, 0, "の値が1から2まで変わるとき、変化の割合は？"}},
       {{kAny, 250, 5, "=-3"}, {38, 340, 3, "②"}},
       {},
       {}},
      {p6 + spaces(12), false, {{kAny, 250, 5, "=-3"}}, {{38, 340, 3, "②"}}, {}, {}},
      {p6 + spaces(17),
       true,
       {{38, 340, 3, "②"},
        {kAny, 340, 5, "=-1"},
        {38, 420, 3, "反比例の関係では、"},
        {kAny, 420, 5, "変化の割合は一定ではない。"}},
       {},
       {},
       {"-2", "-3", "-6", "×", "6", "3", "2"}},
      // Opened again: the value cells are empty until their turn.
      {p6 + spaces(17) + " 6 Enter", false, {}, {}, {}, {"", "", "", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    CorbiskRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(footOf(lines), c.backAtSubMenu ? Foot::SubMenu : Foot::KeyWait) << dump(lines);
    const std::vector<DrawOp> ops = run.draws();
    for (const Box& b : c.boxes) {
      EXPECT_TRUE(drawn(ops, b)) << b.x1 << "," << b.y1 << " " << b.x2 << "," << b.y2;
    }
    if (!c.yCells.empty()) {
      EXPECT_EQ(valueCells(ops, 120),
                (std::vector<std::string>{"-3", "-2", "-1", "0", "1", "2", "3"}));
      EXPECT_EQ(valueCells(ops, 170), c.yCells);
    }
  }
}

}  // namespace
}  // namespace lesson
