// Tessarin sections 3 (practice of p.81) and 7 (the first review set), run from
// the main menu: the bare sub-menus and their choices, what each answer page
// shows step by step, how many keys it takes, and where its lines, dots and
// arrows stand on the plane.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

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
using testing::keyWaitBars;
using testing::ofKind;
using testing::spaces;
using testing::TessarinRun;

// Labels on a plane stand where float arithmetic puts them: a hair off the
// whole pixel.
constexpr testing::LineMatch kShowing{testing::LineMatch::Text::Holds, false, 0.01f, 0.01f};

const std::string kPractice = "3 Enter ";
const std::string kReview = "7 Enter ";

// The keys that open review item `item` and answer `waits` of its key waits.
std::string reviewPage(int item, int waits = 0) {
  return kReview + std::to_string(item) + " Enter" + spaces(waits);
}

// ---- Sub-menus -----------------------------------------------------------------

TEST(TessarinSections37, SubMenusStandAloneAndAcceptOnlyTheirItems) {
  struct Case {
    std::string keys;
    Foot foot;
    const char* subMenuStart;  // the sub-menu line waiting, when foot is SubMenu
    bool onlySubMenu;          // nothing on the window but the sub-menu line
  } cases[] = {
      // No banner: the section is its sub-menu line on the cleared window.
      {kPractice, Foot::SubMenu, "Ｐ８１練習問題①解答　　　②終了", true},
      {kReview, Foot::SubMenu, "Ｐ９０学びをたしかめよう①～⑧解答　　　⑨終了", true},
      // A number outside the items, or an empty entry, shows the line again.
      {kPractice + "0 Enter", Foot::SubMenu, "Ｐ８１", true},
      {kPractice + "3 Enter", Foot::SubMenu, "Ｐ８１", true},
      {kPractice + "-1 Enter", Foot::SubMenu, "Ｐ８１", true},
      {kPractice + "Enter", Foot::SubMenu, "Ｐ８１", true},
      {kReview + "0 Enter", Foot::SubMenu, "Ｐ９０", true},
      {kReview + "10 Enter", Foot::SubMenu, "Ｐ９０", true},
      {kReview + "-3 Enter", Foot::SubMenu, "Ｐ９０", true},
      {kReview + "Enter", Foot::SubMenu, "Ｐ９０", true},
      // The last item goes back to the main menu, also typed as a fraction.
      {kPractice + "2 Enter", Foot::MainMenu, "", false},
      {kPractice + "4/2 Enter", Foot::MainMenu, "", false},
      {kPractice + "1 Enter 2 Enter", Foot::MainMenu, "", false},
      {kReview + "9 Enter", Foot::MainMenu, "", false},
      {kReview + "2 Enter 9 Enter", Foot::MainMenu, "", false},
      {kReview + "18/2 Enter", Foot::MainMenu, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const auto lines = run.lines();
    ASSERT_EQ(footOf(lines, c.subMenuStart), c.foot) << dump(lines);
    if (c.onlySubMenu) {
      // The line itself and the input field's label.
      for (const TextLine& line : lines) {
        EXPECT_TRUE(line.y == 666 || line.text == "入力") << dump(lines);
      }
    }
  }
}

// ---- Pages: what shows, step by step -------------------------------------------

TEST(TessarinSections37, PagesShowTheirAnswersStepByStep) {
  struct Case {
    std::string keys;
    Foot foot;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // Section 3: the tags, five answers and the labelled lines, at once.
      {kPractice + "1 Enter",
       Foot::SubMenu,
       {{138, 31, 0, "練習問題"},
        {kAny, 30, 13, "1"},
        {40, 100, 0, "(1)"},
        {121, 100, 3, "y="},
        {40, 170, 0, "(2)"},
        {121, 170, 3, "y=-4"},
        {40, 240, 0, "(3)"},
        {40, 310, 0, "(4)"},
        {121, 310, 3, "y=4"},
        {40, 380, 0, "(5)"},
        {kAny, 380, 3, "=-3"},
        // The horizontal and the vertical line's labels, moved off the lines.
        {772, 150, 7, "(4)"},
        {489, 50, 7, "(5)"}},
       {}},
      // A typed fraction worth 1 opens the page; a rejected number keeps it.
      {kPractice + "2/2 Enter", Foot::SubMenu, {{40, 380, 0, "(5)"}}, {}},
      {kPractice + "1 Enter 7 Enter", Foot::SubMenu, {{40, 380, 0, "(5)"}}, {}},
      // Item ①: the header alone, then the answers after a key.
      {reviewPage(1),
       Foot::KeyWait,
       {{67, 31, 0, "学びをたしかめよう"}, {kAny, 30, 13, "1"}},
       {{40, 80, 0, "(1)"}}},
      {reviewPage(1, 1),
       Foot::SubMenu,
       {{40, 80, 0, "(1)"},
        {kAny, 80, 3, "y=500"},
        {40, 150, 0, "(2)"},
        {kAny, 150, 3, "y="},
        {40, 220, 0, "(3)"},
        {kAny, 220, 3, "y=3"},
        {40, 290, 0, "yが"},
        {kAny, 290, 5, "(1),(3)"}},
       {}},
      // Item ②: at once; the two sums start left of the margin.
      {reviewPage(2),
       Foot::SubMenu,
       {{94, 100, 0, "変化の割合＝"},
        {94, 170, 0, "yの増加量＝"},
        {30, 240, 0, "(1)3×2="},
        {kAny, 240, 5, "6"},
        {30, 310, 0, "(2)3×5="},
        {kAny, 310, 5, "15"}},
       {}},
      // Item ③: the header and three labelled lines, no text of its own.
      {reviewPage(3),
       Foot::SubMenu,
       {{kAny, 30, 13, "3"}, {kAny, kAny, 3, "y="}, {kAny, kAny, 7, "y=-3"}, {kAny, kAny, 5, "y="}},
       {}},
      // A choice inside 1..9 that is not whole opens the item it rounds to.
      {kReview + "5/2 Enter", Foot::SubMenu, {{kAny, 30, 13, "3"}}, {}},
      // Item ④: the dotted line first, the working after the key.
      {reviewPage(4), Foot::KeyWait, {{kAny, 30, 13, "4"}}, {{40, 90, 0, "のとき"}}},
      {reviewPage(4, 1),
       Foot::SubMenu,
       {{44, kAny, 0, "=-6のとき"},
        {94, 150, 3, "y="},
        {180, 140, 0, "2×(-6)+3"},
        {kAny, 210, 3, "7"},
        {44, kAny, 0, "=3のとき"},
        {kAny, 390, 3, "1"},
        {94, 440, 5, "答　1≦y≦7"}},
       {}},
      // Item ⑤: the three lines, then each equation with its slope arrows.
      {reviewPage(5),
       Foot::KeyWait,
       {{57, 31, 0, "学びをたしかめよう"},
        {kAny, kAny, 0, "①"},
        {kAny, kAny, 3, "②"},
        {kAny, kAny, 9, "③"}},
       {{30, 100, 7, "①"}}},
      {reviewPage(5, 1),
       Foot::KeyWait,
       {{30, 100, 7, "①"}, {kAny, 100, 5, "y=3"}},
       {{30, 170, 7, "②"}}},
      {reviewPage(5, 3),
       Foot::SubMenu,
       {{30, 170, 7, "②"}, {kAny, 170, 5, "y=-2"}, {30, 250, 7, "③"}, {kAny, 250, 5, "y="}},
       {}},
      // Item ⑥: both columns at once, the second from the top of the page.
      {reviewPage(6),
       Foot::SubMenu,
       {{40, 90, 3, "(1)"},
        {121, 90, 5, "y=5"},
        {40, 150, 3, "(2)"},
        {94, 300, 3, "b="},
        {94, 350, 5, "答　y=-x+5"},
        {40, 410, 3, "(3)"},
        {94, 510, 0, "yは-4→5まで増加するから"},
        {724, 8, 3, "a="},
        {720, 90, 0, "求める一次関数の式は"},
        {720, 140, 0, "点(1,5)を通るから、"},
        {720, 340, 3, "b=2"},
        {720, 390, 5, "答　y=3x+2"}},
       {}},
      // Item ⑦: each equation a key before its graph.
      {reviewPage(7),
       Foot::KeyWait,
       {{30, 100, 7, "(1)"}, {kAny, 100, 3, "y=-2"}},
       {{kAny, kAny, 3, "(1)"}}},
      {reviewPage(7, 1), Foot::KeyWait, {{kAny, kAny, 3, "(1)"}}, {{30, 180, 7, "(2)"}}},
      {reviewPage(7, 2),
       Foot::KeyWait,
       {{30, 180, 7, "(2)"}},
       {{kAny, kAny, 3, "(2)"}, {30, 260, 7, "(3)"}}},
      {reviewPage(7, 3), Foot::KeyWait, {{kAny, kAny, 3, "(2)"}, {30, 260, 7, "(3)"}}, {}},
      {reviewPage(7, 5),
       Foot::SubMenu,
       {{kAny, kAny, 3, "(3)"}, {30, 340, 7, "(4)"}, {740, 60, 3, "(4)"}},
       {}},
      // Item ⑧: both lines and P before the first line of working.
      {reviewPage(8),
       Foot::KeyWait,
       {{kAny, 20, 13, "8"}, {kAny, kAny, 3, "m"}, {940, 120, 7, "P"}},
       {{30, 80, 0, "直線"}}},
      {reviewPage(8, 1),
       Foot::KeyWait,
       {{30, 80, 0, "直線mは、傾き"}, {30, kAny, 3, "y="}},
       {{30, 200, 0, "直線"}}},
      {reviewPage(8, 4),
       Foot::KeyWait,
       {{30, 320, 3, "①,②から、"}, {30, 440, 0, "3x=-4"}, {kAny, 440, 3, "x="}},
       {{30, 500, 0, "②に代入して"}}},
      {reviewPage(8, 5),
       Foot::SubMenu,
       {{30, 500, 0, "②に代入して、y="},
        {30, 560, 5, "答　(-3"},  // the fractions' denominators join the lines before them
        {152, 550, 5, "4,"},
        {211, 550, 5, "13)"}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const auto lines = run.lines();
    EXPECT_EQ(footOf(lines), c.foot) << dump(lines);
    expectAnchors(lines, c.present, c.absent, kShowing);
  }
}

// Each page takes exactly its key waits and then hands back to the sub-menu.
TEST(TessarinSections37, ReviewPagesTakeTheirKeyWaits) {
  const int waits[] = {1, 0, 0, 1, 3, 0, 5, 5};
  for (int item = 1; item <= 8; ++item) {
    SCOPED_TRACE(item);
    const int n = waits[item - 1];
    TessarinRun done(reviewPage(item, n));
    EXPECT_EQ(footOf(done.lines(), "Ｐ９０"), Foot::SubMenu) << dump(done.lines());
    EXPECT_EQ(keyWaitBars(done.draws()), n);
    if (n > 0) {
      TessarinRun waiting(reviewPage(item, n - 1));
      EXPECT_EQ(footOf(waiting.lines()), Foot::KeyWait);
    }
  }
  TessarinRun practice(kPractice + "1 Enter");
  EXPECT_EQ(keyWaitBars(practice.draws()), 0);
}

// ---- Figures ------------------------------------------------------------------

// The header's two tags, framed with the pen width in force: 3 from start-up,
// 5 once a page that sets it has run (item ④ does, item ① does not).
TEST(TessarinSections37, HeaderTagsStandAtTheLeftXWithThePenWidthInForce) {
  struct Case {
    std::string keys;
    float left, top;
    int width;
  } cases[] = {
      {reviewPage(1), 40, 30, 3}, {reviewPage(4, 1) + " 1 Enter", 40, 30, 5},
      {reviewPage(4), 40, 30, 5}, {reviewPage(5), 30, 30, 5},
      {reviewPage(7), 30, 20, 5}, {reviewPage(8), 30, 20, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    // The last tags drawn: those of the page the keys ended on.
    DrawOp title, number;
    for (const DrawOp& f : ofKind(run.draws(), DrawOp::Kind::Fill)) {
      if (f.x2 - f.x1 == 360) title = f;
      if (f.x2 - f.x1 == 44) number = f;
    }
    EXPECT_EQ(title.x1, c.left);
    EXPECT_EQ(title.y1, c.top);
    EXPECT_EQ(title.y2, c.top + 46);
    EXPECT_EQ(title.color, 3);
    EXPECT_EQ(title.fill, 13);
    EXPECT_EQ(title.width, c.width);
    EXPECT_EQ(number.x1, c.left + 370);
    EXPECT_EQ(number.y1, c.top);
    EXPECT_EQ(number.y2, c.top + 44);
    EXPECT_EQ(number.color, 4);
    EXPECT_EQ(number.fill, 3);
    EXPECT_EQ(number.width, c.width);
  }
}

// Section 3's two tags at (121,30) and 40 px after the first, framed with the
// pen width in force: 3 from start-up, 5 after the summary of section 2.
TEST(TessarinSections37, PracticeTagsTakeThePenWidthInForce) {
  struct Case {
    std::string keys;
    int width;
  } cases[] = {
      {kPractice + "1 Enter", 3},
      {"2 Enter 6 Enter 7 Enter " + kPractice + "1 Enter", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    int title = 0, number = 0;
    for (const DrawOp& f : ofKind(run.draws(), DrawOp::Kind::Fill)) {
      title += f.x1 == 121 && f.y1 == 30 && f.x2 == 291 && f.y2 == 76 && f.color == 3 &&
               f.fill == 13 && f.width == c.width;
      number += f.x1 == 331 && f.y1 == 30 && f.x2 == 371 && f.y2 == 74 && f.color == 4 &&
                f.fill == 3 && f.width == c.width;
    }
    EXPECT_EQ(title, 1);
    EXPECT_EQ(number, 1);
  }
}

// A plane's dots of one colour, taken back to plane units.
struct PlaneDots {
  float originX, originY, unit;
};

std::vector<Point> dotsOf(const std::vector<DrawOp>& ops, int color, const PlaneDots& plane) {
  std::vector<Point> out;
  for (const DrawOp& op : ofKind(ops, DrawOp::Kind::Circle)) {
    if (op.color == color && op.radius == 1 && op.filled) {
      out.push_back({(op.x1 - plane.originX) / plane.unit, (plane.originY - op.y1) / plane.unit});
    }
  }
  return out;
}

// Every line y = a x + b of a colour is drawn, and every dot of that colour
// lies on one of them.
TEST(TessarinSections37, LinesAreDrawnFromTheirEquations) {
  struct Line {
    float a, b;
  };
  struct Case {
    std::string keys;
    PlaneDots plane;
    int color;
    std::vector<Line> lines;
  } cases[] = {
      {kPractice + "1 Enter", {680, 300, 40}, 3, {{0.75f, -3}, {-4, 2}, {1.5f, 0}}},
      {kPractice + "1 Enter", {680, 300, 40}, 7, {{0, 4}}},
      {reviewPage(3), {480, 340, 30}, 3, {{1, -5}}},
      {reviewPage(3), {480, 340, 30}, 7, {{-3, 4}}},
      {reviewPage(3), {480, 340, 30}, 5, {{0.5f, 1}}},
      {reviewPage(5), {880, 340, 30}, 0, {{3, 5}}},
      {reviewPage(5), {880, 340, 30}, 3, {{-2, 1}}},
      {reviewPage(5), {880, 340, 30}, 9, {{1.0f / 3, -4}}},
      {reviewPage(7, 5), {880, 340, 30}, 3, {{-2, 1}, {4.0f / 3, -3}, {0, 6}}},
      {reviewPage(8), {1000, 290, 30}, 3, {{0.5f, 5}}},
      {reviewPage(8), {1000, 290, 30}, 0, {{-1, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys + " colour " + std::to_string(c.color));
    TessarinRun run(c.keys);
    const auto dots = dotsOf(run.draws(), c.color, c.plane);
    std::vector<int> onLine(c.lines.size(), 0);
    int stray = 0;
    for (const Point& p : dots) {
      bool on = false;
      for (std::size_t i = 0; i < c.lines.size(); ++i) {
        if (std::fabs(c.lines[i].a * p.x + c.lines[i].b - p.y) < 0.01f) {
          ++onLine[i];
          on = true;
        }
      }
      stray += !on;
    }
    EXPECT_EQ(stray, 0);
    for (int n : onLine) EXPECT_GT(n, 100);
  }
}

// The vertical lines x = -3 (section 3) and x = -5 (item ⑦): one straight line
// of width 5 across the plane's full height.
TEST(TessarinSections37, VerticalLinesCrossTheWholePlane) {
  struct Case {
    std::string keys;
    int color;
    float x, top, bottom;
  } cases[] = {
      {kPractice + "1 Enter", 7, 560, 100, 500},
      {reviewPage(7, 5), 3, 730, 100, 580},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    int found = 0;
    for (const DrawOp& op : ofKind(run.draws(), DrawOp::Kind::Line)) {
      found += op.color == c.color && op.width == 5 && op.x1 == c.x && op.x2 == c.x &&
               std::fmin(op.y1, op.y2) == c.top && std::fmax(op.y1, op.y2) == c.bottom;
    }
    EXPECT_EQ(found, 1);
  }
}

// Item ④: first the whole line as 51 dots at most (those inside the plane),
// then after the key the part over -6 <= x <= 3 solid.
TEST(TessarinSections37, RangePageDrawsTheLineDottedThenTheDomainSolid) {
  const PlaneDots plane{880, 340, 30};
  TessarinRun dotted(reviewPage(4));
  const auto first = dotsOf(dotted.draws(), 3, plane);
  ASSERT_GT(first.size(), 40u);
  EXPECT_LE(first.size(), 51u);
  for (std::size_t i = 1; i < first.size(); ++i) {
    EXPECT_NEAR(first[i].x - first[i - 1].x, 0.32f, 1e-3f);
  }

  TessarinRun solid(reviewPage(4, 1));
  const auto all = dotsOf(solid.draws(), 3, plane);
  ASSERT_GT(all.size(), first.size() + 1000);
  for (std::size_t i = first.size(); i < all.size(); ++i) {
    EXPECT_GE(all[i].x, -6.0f - 1e-3f);
    EXPECT_LE(all[i].x, 3.0f + 1e-3f);
    EXPECT_NEAR(all[i].y, -2.0f / 3 * all[i].x + 3, 0.01f);
  }
}

bool hasSegment(const std::vector<DrawOp>& ops, int color, Point a, Point b) {
  for (const DrawOp& op : ofKind(ops, DrawOp::Kind::Line)) {
    const bool forward = op.x1 == a.x && op.y1 == a.y && op.x2 == b.x && op.y2 == b.y;
    const bool backward = op.x1 == b.x && op.y1 == b.y && op.x2 == a.x && op.y2 == a.y;
    if (op.color == color && (forward || backward)) return true;
  }
  return false;
}

bool hasDot(const std::vector<DrawOp>& ops, int color, float radius, Point centre) {
  for (const DrawOp& op : ofKind(ops, DrawOp::Kind::Circle)) {
    if (op.color == color && op.radius == radius && op.filled &&
        std::fabs(op.x1 - centre.x) < 0.01f && std::fabs(op.y1 - centre.y) < 0.01f)
      return true;
  }
  return false;
}

// Item ⑤: each slope triangle starts at its line's intercept, runs right and
// rises (or falls for line ②); the last one stays in markX/markY 1 to 3.
TEST(TessarinSections37, SlopeArrowsStartAtEachIntercept) {
  struct Triangle {
    Point intercept, runEnd, riseEnd;
  };
  const Triangle triangles[] = {
      {{880, 190}, {910, 190}, {910, 100}},
      {{880, 310}, {910, 310}, {910, 370}},
      {{880, 460}, {970, 460}, {970, 430}},
  };
  TessarinRun run(reviewPage(5, 3));
  const auto ops = run.draws();
  for (const Triangle& t : triangles) {
    SCOPED_TRACE(t.intercept.y);
    EXPECT_TRUE(hasDot(ops, 7, 6, t.intercept));
    EXPECT_TRUE(hasSegment(ops, 7, t.intercept, t.runEnd));
    EXPECT_TRUE(hasSegment(ops, 7, t.runEnd, t.riseEnd));
  }
  const Triangle& last = triangles[2];
  EXPECT_EQ(run.unit.markX(1), last.intercept.x);
  EXPECT_EQ(run.unit.markY(1), last.intercept.y);
  EXPECT_EQ(run.unit.markX(2), last.runEnd.x);
  EXPECT_EQ(run.unit.markY(2), last.runEnd.y);
  EXPECT_EQ(run.unit.markX(3), last.riseEnd.x);
  EXPECT_EQ(run.unit.markY(3), last.riseEnd.y);

  // The arrows come one key at a time: only line ①'s after the first key.
  TessarinRun first(reviewPage(5, 1));
  EXPECT_TRUE(hasSegment(first.draws(), 7, triangles[0].intercept, triangles[0].runEnd));
  EXPECT_FALSE(hasDot(first.draws(), 7, 6, triangles[1].intercept));
}

// Item ⑧: P at (-4/3, 13/3) with its label at the default offset, l's label
// 40 px left of its last dot.
TEST(TessarinSections37, IntersectionPageMarksPAndShiftsTheLabelOfL) {
  TessarinRun run(reviewPage(8));
  EXPECT_TRUE(hasDot(run.draws(), 7, 6, {960, 160}));
  const auto lDots = dotsOf(run.draws(), 0, {1000, 290, 30});
  ASSERT_FALSE(lDots.empty());
  const Point last = lDots.back();
  const float labelX = 1000 + 30 * last.x - 40;
  const float labelY = 290 - 30 * last.y;
  bool found = false;
  for (const TextLine& line : run.lines()) {
    // The script letter stands a few pixels into its cell; unshifted it would
    // be 40 px further right.
    found |=
        line.color == 0 && std::fabs(line.x - labelX) < 5 && std::fabs(line.y - labelY) < 0.01f;
  }
  EXPECT_TRUE(found) << labelX << "," << labelY << "\n" << dump(run.lines());
}

// ---- Visiting a page again ----------------------------------------------------

// The drawing of one visit: from the page's clear of the whole window (not
// kept: the pen width it records is the one the visit before left) to the
// sub-menu line drawn under it.
std::vector<std::vector<DrawOp>> visits(const std::vector<DrawOp>& ops) {
  std::vector<std::vector<DrawOp>> out;
  bool open = false;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Fill && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760 &&
        op.y2 == 1800) {
      out.emplace_back();
      open = true;
      continue;
    }
    if (!open) continue;
    if (op.kind == DrawOp::Kind::Symbol && op.x1 == 16 && op.y1 == 666) {
      open = false;
      continue;
    }
    out.back().push_back(op);
  }
  return out;
}

bool sameOps(const std::vector<DrawOp>& a, const std::vector<DrawOp>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const DrawOp& x = a[i];
    const DrawOp& y = b[i];
    if (x.kind != y.kind || x.color != y.color || x.width != y.width || x.x1 != y.x1 ||
        x.y1 != y.y1 || x.x2 != y.x2 || x.y2 != y.y2 || x.fill != y.fill || x.text != y.text)
      return false;
  }
  return true;
}

// Nothing a page draws depends on an earlier visit: the same item chosen twice
// draws the same page again from a cleared window.
TEST(TessarinSections37, ChoosingAPageAgainDrawsItAgainTheSame) {
  const std::string cases[] = {
      kPractice + "1 Enter 1 Enter",
      reviewPage(4, 1) + " 4 Enter Space",
      reviewPage(5, 3) + " 5 Enter" + spaces(3),
  };
  for (const std::string& keys : cases) {
    SCOPED_TRACE(keys);
    TessarinRun run(keys);
    const auto pages = visits(run.draws());
    ASSERT_GE(pages.size(), 2u);
    const auto& second = pages[pages.size() - 1];
    const auto& first = pages[pages.size() - 2];
    EXPECT_GT(first.size(), 100u);
    EXPECT_TRUE(sameOps(first, second));
  }
}

}  // namespace
}  // namespace lesson
