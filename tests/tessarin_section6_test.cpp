// Tessarin section 6 "図形の問題", run from the main menu: the entry and its
// sub-menu, page ① with P stepped round the rectangle one key at a time and
// the three stage figures, page ② with the area on each side, and page ③ with
// the graph of the three pieces and the line y = 4.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"
#include "support/test_lesson.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::expectAnchors;
using testing::Foot;
using testing::footOf;
using testing::kAny;
using testing::showing;
using testing::spaces;
using testing::TessarinRun;

const std::string kSection = "6 Enter ";
const std::string kPage1 = kSection + "1 Enter";
const std::string kPage2 = kSection + "2 Enter";
const std::string kPage3 = kSection + "3 Enter";
// How the section's sub-menu line starts.
const std::string kSubMenuStart = "①Ｐ８８（１で次へ）";

const Anchor kGoalHeading{44, 240, 3, "<めあて>"};
const Anchor kGoal{76, 305, 0, "図形の面積の変化について調べよう。"};
const Anchor kMoveBar{48, 666, 9, "１で次へ：他のキーで動く"};
const Anchor kProblem{40, 80, 3, "△APDの面積は？"};

// P's letter in the animation: at A, at B, at C and at D.
const Anchor kPAtA{107, 208, 3, "P"};
const Anchor kPAtB{107, 478, 3, "P"};
const Anchor kPAtC{498, 518, 3, "P"};
const Anchor kPAtD{530, 208, 3, "P"};

// The stage figures' headings on page ① (page ② has them 50 px higher).
const Anchor kStageA{152, 130, 3, "(ｱ)PがAB上"};
const Anchor kStageB{502, 130, 3, "(ｲ)PがBC上"};
const Anchor kStageC{852, 130, 3, "(ｳ)PがCD上"};
const Anchor kIncreases{152, 490, 5, "△APDは増加する"};
const Anchor kConstant{502, 490, 5, "△APDは一定"};
const Anchor kDecreases{852, 490, 5, "△APDは減少する"};

TEST(TessarinSection6, PagesShowTheirTextsAndTakeTheirKeys) {
  struct Case {
    std::string keys;
    Foot foot;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // The entry: banner and sub-menu line; numbers out of range and an
      // empty entry draw the line again over the same screen; 4 goes back.
      {kSection, Foot::SubMenu, {kGoalHeading, kGoal}, {}},
      {kSection + "0 Enter 5 Enter 9 Enter Enter", Foot::SubMenu, {kGoalHeading, kGoal}, {}},
      {kSection + "4 Enter", Foot::MainMenu, {{44, 420, 15, "6　図形の問題"}}, {kGoal}},

      // Page ①: the problem and P at A, waiting for a key at the foot.
      {kPage1,
       Foot::Unclear,
       {{40, 30, 7, "教科書P88"}, {250, 30, 0, "点Pは毎秒1"}, kProblem, kPAtA, kMoveBar},
       {kGoal, kStageA}},
      {kPage1 + spaces(6), Foot::Unclear, {kPAtB, kMoveBar}, {kPAtA}},
      {kPage1 + spaces(14), Foot::Unclear, {kPAtC, kMoveBar}, {kPAtB}},
      {kPage1 + spaces(20), Foot::Unclear, {kPAtD, kMoveBar}, {kPAtC}},
      // "1" ends the animation where P stands; the figure stays.
      {kPage1 + " 1", Foot::KeyWait, {kProblem, kPAtA}, {kMoveBar}},
      {kPage1 + " Space Space 1", Foot::KeyWait, {{107, 298, 3, "P"}}, {kPAtA, kMoveBar}},
      // The three stages replace the animation's figure.
      {kPage1 + " 1 Space",
       Foot::KeyWait,
       {kProblem,
        kStageA,
        kStageB,
        kStageC,
        {107, 348, 3, "P"},
        {628, 448, 3, "P"},
        {1140, 348, 3, "P"},
        {kAny, kAny, 7, "4"},
        {kAny, kAny, 7, "3"}},
       {kPAtA, kIncreases}},
      {kPage1 + " 1" + spaces(3), Foot::KeyWait, {kIncreases, kConstant}, {kDecreases}},
      // The last caption comes with the sub-menu line, without a wait.
      {kPage1 + " 1" + spaces(4),
       Foot::SubMenu,
       {kProblem, kStageA, kIncreases, kConstant, kDecreases},
       {}},
      // A second visit starts P at A again, on a clear page.
      {kPage1 + " Space Space 1" + spaces(4) + " 1 Enter",
       Foot::Unclear,
       {kPAtA, kMoveBar},
       {{107, 298, 3, "P"}, kStageA, kIncreases}},

      // Page ②: the question, the stages 50 px higher, y and x in (ｱ).
      {kPage2,
       Foot::KeyWait,
       {{kAny, 30, 7, "とyの関係は？"},
        {152, 80, 3, "(ｱ)PがAB上"},
        {502, 80, 3, "(ｲ)PがBC上"},
        {852, 80, 3, "(ｳ)PがCD上"},
        {182, 210, 7, "y"}},
       {kStageA, {152, 440, 0, "y="}}},
      {kPage2 + spaces(3),
       Foot::KeyWait,
       {{152, 440, 0, "y="}, {152, 500, 5, "y=2"}, {kAny, 500, 3, "(0≦"}},
       {{502, 470, 0, "y="}}},
      {kPage2 + spaces(13),
       Foot::SubMenu,
       {{152, 500, 5, "y=2"},
        {502, 470, 0, "y="},
        {502, 530, 5, "y=6"},
        {kAny, 530, 3, "(3≦"},
        {852, 470, 0, "y="},
        {852, 530, 0, "y=2(10"},
        {822, 580, 5, "y=20-2"},
        {kAny, 580, 3, "(7≦"},
        {kAny, kAny, 5, "(10"}},
       {}},

      // Page ③: the pieces' formulas beside the plane with its units.
      {kPage3,
       Foot::KeyWait,
       {{116, 30, 7, "グラフをかこう"},
        {40, 80, 3, "(1)PがAB上"},
        {116, 130, 0, "y=2"},
        {40, 180, 3, "(2)PがBC上"},
        {116, 230, 0, "y=6(3≦"},
        {40, 280, 3, "(3)PがCD上"},
        {116, 330, 0, "y=20-2"},
        {1081, 424, 0, "㎝"},
        {576, 116, 0, "㎝2"}},
       {{40, 410, 7, "教科書P88"}}},
      {kPage3 + spaces(4), Foot::KeyWait, {{40, 410, 7, "教科書P88"}}, {{116, 460, 0, "グラフの"}}},
      {kPage3 + spaces(7),
       Foot::SubMenu,
       {{40, 410, 7, "教科書P88"},
        {116, 460, 0, "グラフのy=4"},
        {kAny, 510, 3, "=2,8だから"},
        {116, 560, 5, "2秒後と8秒後"}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_EQ(footOf(lines, kSubMenuStart), c.foot) << testing::dump(lines);
    expectAnchors(lines, c.present, c.absent, showing);
  }
}

// The filled discs of radius `radius` in `color`, in drawing order.
std::vector<DrawOp> discs(const std::vector<DrawOp>& ops, float radius, int color) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : testing::ofKind(ops, DrawOp::Kind::Circle)) {
    if (op.filled && op.radius == radius && op.color == color) out.push_back(op);
  }
  return out;
}

// Filled boxes in colour 15 with these corners.
int erasesAt(const std::vector<DrawOp>& ops, float x1, float y1, float x2, float y2) {
  int n = 0;
  for (const DrawOp& op : testing::ofKind(ops, DrawOp::Kind::Fill)) {
    n += op.fill == 15 && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2;
  }
  return n;
}

// P at step t of the animation, in pixels: down AB, along BC, up CD.
Point animationP(int t) {
  const auto f = static_cast<float>(t);
  if (t <= 6) return {152, 230 + 45 * f};
  if (t <= 14) return {152 + 45 * (f - 6), 500};
  return {512, 230 + 45 * (20 - f)};
}

TEST(TessarinSection6, EveryKeyButOneMovesPOnceRoundTheRectangle) {
  // Enter, a digit and a letter move P as a space does; 21 moves bring it
  // back to A, and "1" ends the animation with nothing erased.
  TessarinRun run(kPage1 + " Enter 5 a" + spaces(18) + " 1");
  const std::vector<DrawOp> ops = run.draws();
  EXPECT_EQ(footOf(run.lines(), kSubMenuStart), Foot::KeyWait);

  const std::vector<DrawOp> dots = discs(ops, 6, 3);
  std::vector<DrawOp> triangles;
  for (const DrawOp& op : testing::ofKind(ops, DrawOp::Kind::Poly)) {
    if (op.fill == 13) triangles.push_back(op);
  }
  ASSERT_EQ(dots.size(), 22u);
  ASSERT_EQ(triangles.size(), 22u);
  for (int pass = 0; pass < 22; ++pass) {
    SCOPED_TRACE(pass);
    const Point p = animationP(pass % 21);
    EXPECT_EQ(dots[pass].x1, p.x);
    EXPECT_EQ(dots[pass].y1, p.y);
    // Triangle APD, closed at A, outlined at width 7.
    const DrawOp& t = triangles[pass];
    ASSERT_EQ(t.points.size(), 4u);
    EXPECT_EQ(t.width, 7);
    EXPECT_EQ(t.color, 0);
    EXPECT_EQ(t.points[0].x, 152);
    EXPECT_EQ(t.points[0].y, 230);
    EXPECT_EQ(t.points[1].x, p.x);
    EXPECT_EQ(t.points[1].y, p.y);
    EXPECT_EQ(t.points[2].x, 512);
    EXPECT_EQ(t.points[2].y, 230);
    EXPECT_EQ(t.points[3].x, 152);
    EXPECT_EQ(t.points[3].y, 230);
  }
  // One erase of the figure's box, foot bar included, after each moving key.
  EXPECT_EQ(erasesAt(ops, 102, 180, 714, 730), 21);
}

TEST(TessarinSection6, CornerLettersStandAtTheCornersWhateverCameBefore) {
  // Section 1's page ③ draws arrows and leaves their head size behind; the
  // rectangle's letters on the first pass stand where they stand on a fresh run.
  auto letters = [](const TessarinRun& run) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : run.visible()) {
      if (op.color == 0 && op.text.size() == 1 && op.text[0] >= U'A' && op.text[0] <= U'D' &&
          op.y1 > 150 && op.y1 < 560)
        out.push_back(op);
    }
    return out;
  };
  TessarinRun fresh(kPage1);
  TessarinRun afterArrows("1 Enter 3 Enter" + spaces(9) + " 8 Enter " + kPage1);
  const std::vector<DrawOp> a = letters(fresh), b = letters(afterArrows);
  ASSERT_EQ(a.size(), 4u);
  ASSERT_EQ(b.size(), 4u);
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].text, b[i].text);
    EXPECT_EQ(a[i].x1, b[i].x1);
    EXPECT_EQ(a[i].y1, b[i].y1);
  }
}

TEST(TessarinSection6, StageFiguresStandInTheirFrames) {
  // Page ① draws them from y 230, page ② from y 180: the same figures, 50 px
  // higher, each after an erase of its frame's surroundings.
  struct Case {
    std::string keys;
    float top;
    float eraseBottom;
  } cases[] = {{kPage1 + " 1 Space", 230, 670}, {kPage2, 180, 570}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const std::vector<DrawOp> ops = run.draws();
    EXPECT_EQ(erasesAt(ops, 102, c.top - 50, 1404, c.eraseBottom), 1);

    std::vector<DrawOp> triangles;
    for (const DrawOp& op : testing::ofKind(ops, DrawOp::Kind::Poly)) {
      if (op.fill == 13 && op.width == 5) triangles.push_back(op);
    }
    ASSERT_EQ(triangles.size(), 3u);
    const float bottom = c.top + 210;
    // A, P, D of (ｱ), (ｲ), (ｳ): P 1 cell above B, 2 cells right of B, 1 cell above C.
    const Point expected[3][3] = {
        {{152, c.top}, {152, bottom - 70}, {432, c.top}},
        {{502, c.top}, {642, bottom}, {782, c.top}},
        {{852, c.top}, {1132, bottom - 70}, {1132, c.top}},
    };
    for (int f = 0; f < 3; ++f) {
      SCOPED_TRACE(f);
      ASSERT_EQ(triangles[f].points.size(), 4u);
      for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(triangles[f].points[k].x, expected[f][k].x);
        EXPECT_EQ(triangles[f].points[k].y, expected[f][k].y);
      }
    }
    // P's dots are the last three discs of radius 6 in colour 3.
    const std::vector<DrawOp> dots = discs(ops, 6, 3);
    ASSERT_GE(dots.size(), 3u);
    for (int f = 0; f < 3; ++f) {
      EXPECT_EQ(dots[dots.size() - 3 + f].x1, expected[f][1].x);
      EXPECT_EQ(dots[dots.size() - 3 + f].y1, expected[f][1].y);
    }
  }
}

TEST(TessarinSection6, LengthArcsBulgeToTheirSides) {
  // The side lengths of (ｱ) (dots in colour 3) and the distances P has gone
  // (colour 7) bulge out of the rectangles; only (10-x) cm, from D down to P in
  // (ｳ) (colour 5), bulges into its rectangle.
  struct Case {
    std::string keys;
    float top;
    int outsideDots;  // at least this many dots in colours 3 and 7
    int insideDots;   // at least this many in colour 5
  } cases[] = {{kPage1 + " 1 Space", 230, 50, 0}, {kPage2 + spaces(13), 180, 250, 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const std::vector<DrawOp> ops = run.draws();
    const float bottom = c.top + 210;
    // Strictly inside figure f's rectangle, a pixel in from its sides.
    auto inside = [&](const DrawOp& dot, int f) {
      const float left = 152 + 350 * static_cast<float>(f);
      return dot.x1 > left + 1 && dot.x1 < left + 279 && dot.y1 > c.top + 1 && dot.y1 < bottom - 1;
    };
    int outside = 0;
    for (int color : {3, 7}) {
      for (const DrawOp& dot : discs(ops, 0.5f, color)) {
        for (int f = 0; f < 3; ++f) EXPECT_FALSE(inside(dot, f)) << dot.x1 << "," << dot.y1;
        ++outside;
      }
    }
    EXPECT_GE(outside, c.outsideDots);
    int in = 0;
    for (const DrawOp& dot : discs(ops, 0.5f, 5)) in += inside(dot, 2);
    EXPECT_GE(in, c.insideDots);
  }
}

TEST(TessarinSection6, AreaGraphPiecesLieOnTheirDomains) {
  TessarinRun run(kPage3 + spaces(7));
  const std::vector<DrawOp> ops = run.draws();
  // Origin (646, 420), 40 px a unit.
  auto area = [](float x) { return x <= 3 ? 2 * x : x <= 7 ? 6 : 20 - 2 * x; };
  float graphMaxX = 0, lineMinX = 2000, lineMaxX = 0;
  int graphDots = 0, lineDots = 0;
  for (const DrawOp& dot : discs(ops, 1, 5)) {
    const float x = (dot.x1 - 646) / 40;
    EXPECT_NEAR(dot.y1, 420 - 40 * area(x), 0.5f) << "x " << x;
    graphMaxX = std::max(graphMaxX, dot.x1);
    ++graphDots;
  }
  for (const DrawOp& dot : discs(ops, 1, 3)) {
    EXPECT_NEAR(dot.y1, 420 - 40 * 4, 0.5f);
    lineMinX = std::min(lineMinX, dot.x1);
    lineMaxX = std::max(lineMaxX, dot.x1);
    ++lineDots;
  }
  EXPECT_GT(graphDots, 1000);
  EXPECT_GT(lineDots, 1000);
  // The graph ends at (10, 0) and the line y = 4 spans x 0 to 10, not the
  // plane's 12.
  EXPECT_NEAR(graphMaxX, 646 + 400, 0.5f);
  EXPECT_NEAR(lineMinX, 646, 0.5f);
  EXPECT_NEAR(lineMaxX, 646 + 400, 0.5f);
}

}  // namespace
}  // namespace lesson
