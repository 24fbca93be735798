// Section 2 pages ③ to ⑦ and section 4's practice answers, run from the main
// menu: what is showing when the keys run out, how many keys each page takes,
// the boxes they draw, the verdicts' place and the altitude figure.
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

TEST(CorbiskAnswers, PagesShowTheirTextsAndTakeTheirKeys) {
  const std::string s2 = "2 Enter ";
  const std::string s4 = "4 Enter ";
  struct Case {
    std::string keys;
    bool backAtSubMenu;  // the page has ended: its section's line is drawn under it
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // Section 4: one screen each, no key wait.
      {s4 + "1 Enter",
       true,
       {{40, 90, 3, "(1)"},
        {121, 150, 3, "変化の割合は"},
        {121, 510, 3, "yの値は減少する。"},
        {600, 110, 3, "(3)"},
        {681, 290, 3, "yの値は増加する。"}},
       {}},
      {s4 + "2 Enter",
       true,
       {{40, 90, 3, "(1)"},
        {kAny, 90, 0, "の増加量が1のとき"},
        {121, 340, 0, "yの増加量="},
        {121, 400, 5, "答　yの増加量は-6"},
        {600, 90, 3, "(2)"},
        {kAny, 90, 0, "の増加量が5のとき"},
        {681, 400, 5, "答　yの増加量は-30"}},
       {}},
      {s4 + "3 Enter",
       true,
       {{kAny, 90, 0, "の増加量が1のとき"},
        {kAny, 90, 0, "の増加量が4のとき"},
        {681, 340, 0, "yの増加量="},
        {681, 400, 5, "答　yの増加量は-3"}},
       {}},
      // The same page chosen twice in a row: drawn again whole.
      {s4 + "3 Enter 3 Enter", true, {{681, 400, 5, "答　yの増加量は-3"}}, {}},
      // Page ③: eight steps, seven waits; step 5 writes under the left column
      // while the right column goes on at y 260.
      {s2 + "3 Enter",
       false,
       {{76, 30, 3, "<一次関数の意味>"}, {76, 230, 5, "yは"}},
       {{kAny, 300, 0, "に比例する部分"}, {kAny, 350, 0, "定数の部分"}}},
      {s2 + "3 Enter" + spaces(6),
       false,
       {{608, 30, 3, "課次の関数で、一次関数はどれですか。"},
        {646, 200, 5, "答　①,③,④"},
        {76, 400, 3, "比例の式y="},
        {76, 450, 3, "一次関数y="},
        {646, 260, 3, "教科書P61問1　をしなさい。"},
        {646, 490, 3, "比例する部分"}},
       {{646, 560, 0, "(ｱ)"}}},
      {s2 + "3 Enter" + spaces(7),
       true,
       {{kAny, 350, 3, "b"},
        {646, 440, 5, "答　(ｱ),(ｳ),(ｴ)"},
        {646, 560, 0, "(ｱ)"},
        {kAny, 560, 0, "(ｴ)"},
        {1110, 560, 5, "-7x"}},
       {}},
      // Page ④: the problem and the figure at once, then ten waits.
      {s2 + "4 Enter",
       false,
       {{38, 30, 7, "例1"},
        {38, 180, 7, "①y=？"},
        {38, 230, 3, "<解答>"},
        {940, 580, 3, "地上　20℃"},
        {1115, 255, 5, "y℃"}},
       {{38, 280, 3, "①"}}},
      {s2 + "4 Enter" + spaces(9),
       false,
       {{38, 280, 3, "①"},
        {72, 380, 0, "地上の気温が20℃だから"},
        {38, 480, 3, "③"},
        {kAny, 530, 3, "とyの関係は、"}},
       {{38, 580, 0, "教科書P61"}}},
      {s2 + "4 Enter" + spaces(10), true, {{38, 580, 0, "教科書P61問2　をしなさい。"}}, {}},
      // Page ⑤: three columns at once, the first one's label under two head lines.
      {s2 + "5 Enter",
       true,
       {{121, 30, 3, "問2　解答"},
        {40, 140, 3, "(1)"},
        {121, 440, 5, "答　14℃"},
        {400, 90, 3, "(2)"},
        {481, 390, 5, "答　-4℃"},
        {800, 90, 3, "(3)"},
        {881, 390, 5, "答　-32.8℃"}},
       {}},
      // Page ⑥ at once.
      {s2 + "6 Enter", true, {{121, 90, 0, "(ｳ)は"}, {121, 150, 5, "一次関数は、(ｱ),(ｳ)"}}, {}},
      // Page ⑦: one wait between problem (ｳ) and problem (ｴ).
      {s2 + "7 Enter",
       false,
       {{40, 90, 3, "(ｱ)"}, {40, 250, 3, "(ｲ)"}, {40, 450, 3, "(ｳ)"}, {121, 500, 0, "(道のり)"}},
       {{40, 90, 3, "(ｴ)"}}},
      {s2 + "7 Enter Space",
       true,
       {{40, 90, 3, "(ｴ)"},
        {40, 250, 3, "(ｵ)"},
        {121, 300, 7, "球の半径"},
        {121, 350, 0, "これを使って"}},
       {{40, 450, 3, "(ｳ)"}, {40, 250, 3, "(ｲ)"}}},
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

// The boxes the pages draw themselves: the tags "練習問題" and the number box
// (section 4's 44 wide, the exercises' of section 2 38 wide) and page ③'s frame
// around the five definition lines.
TEST(CorbiskAnswers, PageBoxes) {
  using Kind = DrawOp::Kind;
  struct Box {
    Kind kind;
    float x1, y1, x2, y2;
    int color, fill, width;
  };
  const Box title{Kind::Fill, 40, 30, 210, 76, 3, 13, 3};
  struct Case {
    std::string keys;
    std::vector<Box> boxes;
  } cases[] = {
      {"4 Enter 2 Enter", {title, {Kind::Fill, 250, 30, 294, 74, 4, 3, 3}}},
      {"2 Enter 6 Enter", {title, {Kind::Fill, 250, 30, 288, 74, 4, 3, 3}}},
      {"2 Enter 7 Enter", {title, {Kind::Fill, 250, 30, 288, 74, 4, 3, 3}}},
      {"2 Enter 3 Enter", {{Kind::Box, 38, 16, 570, 291, 5, -1, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    CorbiskRun run(c.keys);
    const std::vector<DrawOp> ops = run.draws();
    for (const Box& b : c.boxes) {
      bool drawn = false;
      for (const DrawOp& op : ops) {
        drawn |= op.kind == b.kind && op.x1 == b.x1 && op.y1 == b.y1 && op.x2 == b.x2 &&
                 op.y2 == b.y2 && op.color == b.color && op.fill == b.fill && op.width == b.width;
      }
      EXPECT_TRUE(drawn) << b.x1 << "," << b.y1 << " " << b.x2 << "," << b.y2;
    }
  }
}

// Page ⑦'s verdicts stand 40 px after the end of their equation line, whatever
// its width.
TEST(CorbiskAnswers, VerdictFollowsEquationLine) {
  struct Case {
    Text equation;  // the line's pieces as one text
    float y;
    std::string verdict;
  } cases[] = {
      {U"y=300-x=-x+300", 190, "だから、一次関数である。"},
      {U"y=ﾀ10/xﾀ", 390, "だから、一次関数ではない。"},
  };
  CorbiskRun run("2 Enter 7 Enter");
  const std::vector<TextLine> lines = run.lines();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.verdict);
    testing::LessonFixture fx;
    fx.lesson.workText = c.equation;
    fx.lesson.measureText();
    EXPECT_TRUE(showing(lines, {121 + fx.lesson.textWidth + 40, c.y, 5, c.verdict})) << dump(lines);
  }
}

// The altitude figure: ten upward 1-km arrows with their heads at the upper
// ends, the height arrow with heads at both ends, and the page's text line
// left where the problem text ended.
TEST(CorbiskAnswers, AltitudeFigure) {
  CorbiskRun run("2 Enter 4 Enter");
  ASSERT_EQ(run.status, kReplayWaiting);
  const std::vector<DrawOp> ops = run.draws();
  auto wingTo = [&](float x, float y, float fromY, int color) {
    for (const DrawOp& op : ops) {
      if (op.kind == DrawOp::Kind::Line && op.color == color && op.x2 == x && op.y2 == y &&
          op.y1 == fromY && op.x1 != x)
        return true;
    }
    return false;
  };
  for (int km = 1; km <= 10; ++km) {
    const float head = 580 - 50 * static_cast<float>(km);
    EXPECT_TRUE(wingTo(990, head, head + 16, 0)) << "arrow " << km;
  }
  EXPECT_TRUE(wingTo(1115, 305, 321, 3));
  EXPECT_TRUE(wingTo(1115, 580, 564, 3));
  // No grid line of the frame shows; the 10 km arc is 61 dots in colour 3, all
  // left of the axis.
  int arcDots = 0, dotsRightOfAxis = 0, gridLines = 0;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.radius == 0.5f && op.color == 3) {
      ++arcDots;
      dotsRightOfAxis += op.x1 > 990.01f;
    }
    gridLines +=
        op.kind == DrawOp::Kind::Line &&
        (op.color == 14 || (op.y1 == 630 && op.y2 == 630) || (op.x1 == 840 && op.x2 == 840));
  }
  EXPECT_EQ(arcDots, 61);
  EXPECT_EQ(dotsRightOfAxis, 0);
  EXPECT_EQ(gridLines, 0);
  EXPECT_EQ(run.unit.textMarginX, 38);
  EXPECT_EQ(run.unit.textLineY, 230);
  EXPECT_EQ(run.unit.markX(7), 1115);
  EXPECT_EQ(run.unit.markY(7), 305);
}

}  // namespace
}  // namespace lesson
