// Merrowin sections 4 and 5 run from the main menu: the table, equation and
// graph page revealed one answer per key, the practice answer pages drawn
// whole, the two sub-menus, and the figures whose places follow from others.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
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
using testing::kAny;
using testing::keyWaitBars;
using testing::LineMatch;
using testing::MerrowinRun;
using testing::spaces;

// A label placed by angle arithmetic may stand a rounding error off its line.
constexpr LineMatch showing{.yTolerance = 0.01f};

bool isGlyphAt(const DrawOp& op, float x, float y) {
  return op.kind == DrawOp::Kind::Symbol && op.x1 == x && op.y1 == y;
}

// How often the sub-menu line was drawn (its first character at (16,666)).
int subMenuDraws(const std::vector<DrawOp>& ops) {
  return static_cast<int>(std::count_if(ops.begin(), ops.end(),
                                        [](const DrawOp& op) { return isGlyphAt(op, 16, 666); }));
}

const std::string kSection4 = "4 Enter ";
const std::string kSection5 = "5 Enter ";
const char* const kSection4Line = "①表・式・グラフ　②終了";
const char* const kSection5Line =
    "Ｐ７６練習問題①（１），（２）　②（３），（４）　③（５），（６）　　　　④終了";
const Anchor kMainMenuItem4{44, 300, 15, "表・式・グラフ"};

TEST(MerrowinSections45, PagesShowTheirTextsAndTakeTheirKeys) {
  struct Case {
    std::string keys;
    const char* subMenuLine;  // showing at the foot, or nullptr
    int keyWaits;             // key-wait bars drawn in the whole run
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // Section 4: the banner over the window the menu erased, the line under it.
      {kSection4,
       kSection4Line,
       0,
       {{44, 240, 3, "<めあて>"}, {76, 305, 0, "表・式・グラフの関係をまとめよう。"}},
       {}},
      // The page's first step: question, equation, table and graph at once.
      {kSection4 + "1 Enter",
       nullptr,
       1,
       {{38, 30, 7, "Q"},
        {kAny, 30, 0, "をいいなさい。"},
        {38, 90, 0, "(1)y=2x+3"},
        {38, 270, 0, "(2)"},
        {kAny, 323, 0, "-11357…"},
        {799, 40, 0, "(3)"},
        {799, 175, 0, "(0,3)"},
        {kAny, 160, 0, "1"},
        {1009, 84, 0, "2"}},
       {{44, 240, 3, "<めあて>"}, {kAny, 140, 3, "変化の割合"}}},
      // All thirteen steps: twelve waits, then back to the sub-menu at once.
      {kSection4 + "1 Enter" + spaces(12),
       kSection4Line,
       12,
       {{76, 190, 0, "b="},
        {76, 500, 0, "b="},
        {874, 400, 0, "b="},
        {kAny, 400, 3, "切片"},
        {880, 175, 5, "3"}},
       {}},
      // Section 5: no banner, only the line at the foot.
      {kSection5, kSection5Line, 0, {}, {}},
      {kSection5 + "1 Enter",
       kSection5Line,
       0,
       {{57, 31, 0, "練習問題"},
        {kAny, 30, 13, "1"},
        {40, 90, 3, "(1)"},
        {121, 90, 0, "傾きが3だから、"},
        {121, 140, 0, "求める式は、"},
        {kAny, 140, 3, "y=3x+b…①"},
        {121, 440, 3, "b=-7"},
        {121, 490, 5, "答　y=3x-7"},
        {600, 90, 3, "(2)"},
        {681, 90, 0, "変化の割合が-5だから、"},
        {681, 440, 3, "b=13"},
        {681, 490, 5, "答　y=-5x+13"}},
       {}},
      {kSection5 + "2 Enter",
       kSection5Line,
       0,
       {{40, 90, 3, "(3)"},
        {kAny, 90, 0, "の増加量が3のときの"},
        {40, 140, 0, "yの増加量が5だから、"},
        {40, 280, 0, "求める式は、"},
        {40, 520, 0, "2=-5+bb=2+5"},
        {427, 520, 3, "b=7"},
        {40, 590, 5, "答　y=3"},  // the fraction's denominator joins the line
        {167, 580, 5, "5x+7"},
        {600, 90, 3, "(4)"},
        {681, 90, 0, "グラフが点(0,5)を通るから、"},
        {600, 140, 3, "切片b=5"},
        {600, 350, 5, "答　y=3"},
        {727, 340, 5, "2x+5"}},
       {}},
      {kSection5 + "3 Enter",
       kSection5Line,
       0,
       {{40, 90, 3, "(5)"},
        {121, 90, 0, "グラフが点(0,-2)"},
        {40, 140, 0, "を通るから、"},
        {kAny, 140, 3, "切片b=-2"},
        {40, 290, 0, "傾きは、"},
        {40, 510, 5, "答　y=4"},
        {167, 500, 5, "3x-2"},
        {520, 30, 3, "(6)求める式をy=ax+b"},
        {kAny, 30, 0, "とする。"},
        {560, 130, 0, "2=-2a+b…①"},
        {560, 180, 0, "8=2a+b…②"},
        {520, 230, 3, "①-②"},
        // Under the columns at x 574, whose first glyph follows the minus stroke.
        {574, 380, 0, "-6=-4a"}},
       {}},
      // Choosing the page again replays it from its first step.
      {kSection4 + "1 Enter" + spaces(12) + " 1 Enter",
       nullptr,
       13,
       {{38, 30, 7, "Q"}},
       {{kAny, 400, 3, "切片"}, {874, 400, 0, "b="}}},
      // Another page erases the one before.
      {kSection5 + "2 Enter 1 Enter",
       kSection5Line,
       0,
       {{40, 90, 3, "(1)"}},
       {{40, 90, 3, "(3)"}, {600, 90, 3, "(4)"}, {600, 140, 3, "切片b=5"}}},
      // The same page chosen twice: drawn again whole on an erased window.
      {kSection5 + "3 Enter 3 Enter", kSection5Line, 0, {{520, 230, 3, "①-②"}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    MerrowinRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(keyWaitBars(run.draws()), c.keyWaits);
    int footLines = 0;
    for (const TextLine& line : lines) {
      if (line.x == 16 && line.y == 666) {
        ++footLines;
        if (c.subMenuLine != nullptr) {
          EXPECT_EQ(line.text, c.subMenuLine);
        }
      }
    }
    EXPECT_EQ(footLines, c.subMenuLine != nullptr ? 1 : 0);
    if (c.present.empty()) {
      // Nothing but the sub-menu line and the input field's label.
      for (const TextLine& line : lines) EXPECT_GE(line.y, 640) << line.text;
    }
  }
}

// Each answer of the table page comes in two steps, its name and then its value
// and meaning with the marking on the form it is read from; after k keys the
// first k + 1 steps are showing and no later one.
TEST(MerrowinSections45, TablePageRevealsOneStepPerKey) {
  struct Step {
    int step;
    Anchor anchor;
  } steps[] = {
      {2, {kAny, 140, 0, "a="}},
      {3, {kAny, 140, 3, "変化の割合"}},
      {4, {76, 190, 0, "b="}},
      {5, {kAny, 190, 3, "のときのyの値"}},
      {6, {kAny, 450, 0, "a="}},
      {7, {kAny, 450, 3, "増加したときのyの増加量"}},
      {7, {kAny, 390, 5, "2222"}},
      {8, {76, 500, 0, "b="}},
      {9, {kAny, 500, 3, "のときのyの値"}},
      {9, {371, 322, 5, "3"}},
      {10, {kAny, 350, 0, "a="}},
      {11, {kAny, 350, 3, "傾き"}},
      {11, {1009, 84, 5, "2"}},
      {12, {874, 400, 0, "b="}},
      {13, {kAny, 400, 3, "切片"}},
      {13, {880, 175, 5, "3"}},
  };
  for (int keys = 0; keys <= 12; ++keys) {
    SCOPED_TRACE(std::to_string(keys) + " keys");
    MerrowinRun run(kSection4 + "1 Enter" + spaces(keys));
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    for (const Step& s : steps) {
      EXPECT_EQ(showing(lines, s.anchor), s.step <= keys + 1)
          << "step " << s.step << ": " << s.anchor.text;
    }
  }
}

// A number outside the items draws the line again over whatever is showing;
// the last item goes back to the main menu, which draws itself anew.
TEST(MerrowinSections45, SubMenusRedrawTheirLineOrReturnToTheMenu) {
  const std::string wholePage = "1 Enter" + spaces(12) + " ";
  struct Case {
    std::string keys;
    int lineDraws;  // sub-menu lines drawn
    bool atMainMenu;
    std::vector<Anchor> stillShowing;
  } cases[] = {
      {kSection4 + "0 Enter", 2, false, {{76, 305, 0, "表・式・グラフの関係をまとめよう。"}}},
      {kSection4 + "3 Enter", 2, false, {{76, 305, 0, "表・式・グラフの関係をまとめよう。"}}},
      {kSection4 + "Enter", 2, false, {{76, 305, 0, "表・式・グラフの関係をまとめよう。"}}},
      {kSection4 + wholePage + "3 Enter", 3, false, {{kAny, 400, 3, "切片"}}},
      {kSection4 + "2 Enter", 1, true, {}},
      // 3/2 passes the range test and is made whole (halves away from zero): item 2.
      {kSection4 + "3/2 Enter", 1, true, {}},
      {kSection4 + wholePage + "2 Enter", 2, true, {}},
      {kSection5 + "0 Enter", 2, false, {}},
      {kSection5 + "1 Enter 5 Enter", 3, false, {{121, 490, 5, "答　y=3x-7"}}},
      {kSection5 + "2 Enter -1 Enter", 3, false, {{600, 140, 3, "切片b=5"}}},
      {kSection5 + "4 Enter", 1, true, {}},
      {kSection5 + "3 Enter 4 Enter", 2, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    MerrowinRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    EXPECT_EQ(subMenuDraws(run.draws()), c.lineDraws);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_EQ(showing(lines, kMainMenuItem4), c.atMainMenu);
    if (c.atMainMenu) {
      // The menu erased the section: no page text, no sub-menu line.
      for (const TextLine& line : lines) EXPECT_FALSE(line.x == 16 && line.y == 666);
    }
    expectAnchors(lines, c.stillShowing, {}, showing);
  }
}

bool hasLine(const std::vector<DrawOp>& ops, float x1, float y1, float x2, float y2, int color) {
  for (const DrawOp& op : ops) {
    if (op.kind != DrawOp::Kind::Line || op.color != color) continue;
    if ((op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2) ||
        (op.x1 == x2 && op.y1 == y2 && op.x2 == x1 && op.y2 == y1))
      return true;
  }
  return false;
}

// The table's cells, the intercept dot, the run and rise arrows from the line's
// points at x = 0.5 and 2.5, and the four arcs under the y row.
TEST(MerrowinSections45, TablePageFigure) {
  MerrowinRun run(kSection4 + "1 Enter" + spaces(12));
  const std::vector<DrawOp> ops = run.draws();

  // Sixteen cells 60 x 50 in two rows, bordered at the page's pen width 5.
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < 8; ++i) {
      const float x = 116 + 60.0f * static_cast<float>(i);
      const float y = 270 + 50.0f * static_cast<float>(row);
      EXPECT_TRUE(std::any_of(ops.begin(), ops.end(),
                              [&](const DrawOp& op) {
                                return op.kind == DrawOp::Kind::Fill && op.x1 == x && op.y1 == y &&
                                       op.x2 == x + 60 && op.y2 == y + 50 && op.color == 0 &&
                                       op.fill == 15 && op.width == 5;
                              }))
          << "cell " << x << "," << y;
    }
  }

  EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const DrawOp& op) {
    return op.kind == DrawOp::Kind::Circle && op.filled && op.x1 == 934 && op.y1 == 190 &&
           op.radius == 8 && op.color == 0;
  }));
  EXPECT_TRUE(hasLine(ops, 949, 160, 1009, 160, 0)) << "run";
  EXPECT_TRUE(hasLine(ops, 1009, 160, 1009, 40, 0)) << "rise";
  // The run label under the run's middle, the rise label beside the rise's.
  for (const auto& [x, y] : {std::pair{965.0f, 160.0f}, std::pair{1009.0f, 84.0f}}) {
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(),
                            [&](const DrawOp& op) { return isGlyphAt(op, x, y) && op.color == 0; }))
        << x << "," << y;
  }

  // Thirteen dots to an arc, hanging from y 370 down to 390 at the middle of
  // neighbouring cell centres.
  std::vector<DrawOp> dots;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.radius == 0.5f && op.color == 3) dots.push_back(op);
  }
  ASSERT_EQ(dots.size(), 52u);
  const float middles[] = {296, 356, 416, 476};
  for (std::size_t arc = 0; arc < 4; ++arc) {
    SCOPED_TRACE("arc " + std::to_string(arc));
    const DrawOp& first = dots[arc * 13];
    const DrawOp& apex = dots[arc * 13 + 6];
    const DrawOp& last = dots[arc * 13 + 12];
    EXPECT_NEAR(first.x1, middles[arc] - 30, 0.01);
    EXPECT_NEAR(last.x1, middles[arc] + 30, 0.01);
    EXPECT_NEAR(first.y1, 370, 0.01);
    EXPECT_NEAR(apex.x1, middles[arc], 0.01);
    EXPECT_NEAR(apex.y1, 390, 0.01);
  }
  EXPECT_EQ(run.unit.getDrawWidth(), 5);
}

// Every practice page starts on the erased window with the two heading tags,
// drawn in the page's pen width 3.
TEST(MerrowinSections45, PracticePagesHeadingTags) {
  struct Tag {
    float x1, y1, x2, y2;
    int color, fill;
  };
  const Tag tags[] = {{40, 30, 210, 76, 3, 13}, {250, 30, 294, 74, 4, 3}};
  for (const char* page : {"1", "2", "3"}) {
    SCOPED_TRACE(std::string("page ") + page);
    MerrowinRun run(kSection5 + page + " Enter");
    const std::vector<DrawOp> ops = run.draws();
    // The page's ops: from its whole-window erase on.
    const auto erase = std::find_if(ops.rbegin(), ops.rend(),
                                    [](const DrawOp& op) { return coversWholeCanvas(op); });
    ASSERT_NE(erase, ops.rend());
    const std::vector<DrawOp> pageOps(erase.base() - 1, ops.end());
    for (const Tag& t : tags) {
      EXPECT_TRUE(std::any_of(pageOps.begin(), pageOps.end(),
                              [&](const DrawOp& op) {
                                return op.kind == DrawOp::Kind::Fill && op.x1 == t.x1 &&
                                       op.y1 == t.y1 && op.x2 == t.x2 && op.y2 == t.y2 &&
                                       op.color == t.color && op.fill == t.fill && op.width == 3;
                              }))
          << t.x1 << "," << t.y1;
    }
    // The brace and the columns set their own widths back: the page's 3 stays.
    EXPECT_EQ(run.unit.getDrawWidth(), 3);
  }
}

// Problem (6): the brace around the two equations, the bar under the columns,
// and the rest of the solution 40 px after the end of the bottom row, whose
// width is drawMathText's.
TEST(MerrowinSections45, Problem6Layout) {
  testing::LessonFixture measure("", Variant::Merrowin);
  measure.lesson.workText = U" 2=-2a+b";
  measure.lesson.measureText();
  const float topWidth = measure.lesson.textWidth;
  measure.lesson.workText = U" 8= 2a+b";
  measure.lesson.measureText();
  const float bottomWidth = measure.lesson.textWidth;
  const float restX = 574 + bottomWidth + 40;

  MerrowinRun run(kSection5 + "3 Enter");
  const std::vector<DrawOp> ops = run.draws();

  std::vector<Point> brace;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Poly && op.color == 0 && op.width == 5 && op.points.size() == 7)
      brace = op.points;
  }
  ASSERT_EQ(brace.size(), 7u);
  EXPECT_EQ(brace.front().x, 555);
  EXPECT_EQ(brace.front().y, 135);
  EXPECT_EQ(brace[3].x, 528);
  EXPECT_EQ(brace.back().y, 220);

  EXPECT_TRUE(hasLine(ops, 547, 380, 577 + std::max(topWidth, bottomWidth), 380, 0));

  const std::vector<TextLine> lines = run.lines();
  // (6)'s answer has a half-width blank after "答", which draws nothing.
  expectAnchors(lines,
                {{restX, 370, 0, "2=-2×"},
                 {restX, 430, 0, "b=2+3="},
                 {kAny, 430, 3, "5"},
                 {restX, 490, 5, "答y=2"},
                 {restX + 120, 480, 5, "3x+5"}},
                {}, showing);
  EXPECT_EQ(run.unit.savedX(1), restX);
  EXPECT_EQ(run.unit.savedY(1), 230);
}

}  // namespace
}  // namespace lesson
