// Tessarin section 1 pages ① to ③, run from the main menu: what is showing
// when the keys run out and how many keys each page takes, the solution dots
// of page ①, the intercept dot and slope arrows, and the random examples of
// page ② against their slope and intercept.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"
#include "units/tessarin/tessarin.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::dump;
using testing::expectAnchors;
using testing::kAny;
using testing::kKeyWaitText;
using testing::kNextStepText;
using testing::LineMatch;
using testing::spaces;
using testing::TessarinRun;

const std::string kPage1 = "1 Enter 1 Enter";
const std::string kPage2 = "1 Enter 2 Enter";
const std::string kPage3 = "1 Enter 3 Enter";

// Places worked out in floats may stand a hair off whole pixels.
constexpr LineMatch showing{.xTolerance = 0.01f, .yTolerance = 0.01f};

// The page has ended: the section's sub-menu line stands under it.
const Anchor kSubMenu{16, 666, 0, "⑧終了"};
const Anchor kKeyBar{128, 666, 9, kKeyWaitText};
const Anchor kNextStep{128, 648, 9, kNextStepText};

TEST(TessarinSection1a, PagesShowTheirTextsAndTakeTheirKeys) {
  struct Case {
    std::string keys;
    bool ended;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
    std::string clock = "00:00:00";
  } cases[] = {
      // Page ①: the pairs with their six boxes beside the empty plane.
      {kPage1,
       false,
       {{40, 30, 0, "二元一次方程式"},
        {305, 30, 3, "2x+y=5"},
        {40, 90, 0, "(-1,"},
        {161, 90, 5, "①"},
        {310, 90, 5, "②"},
        {594, 90, 5, "③"},
        {80, 150, 5, "④"},
        {364, 150, 5, "⑤"},
        {513, 150, 5, "⑥"},
        {564, 150, 0, ",-1)"},
        {1010, 37, 0, "y"}},
       {{40, 210, 7, "①"}}},
      // The fifth and sixth answers come one key apart.
      {kPage1 + spaces(18),
       false,
       {{94, 260, 0, "2×(-1)+y=5"}, {367.5f, 150, 5, "0"}, {513, 150, 5, "⑥"}},
       {{367.5f, 150, 5, "1"}, {516.5f, 150, 5, "3"}}},
      // Both substitutions worked and every box answered.
      {kPage1 + spaces(20),
       false,
       {{40, 210, 7, "①"},
        {105, 188, 3, "x=-1"},
        {94, 260, 0, "2×(-1)+y=5-2+y=5"},
        {266, 310, 3, "7"},
        {40, 370, 7, "②"},
        {94, 420, 0, "2x+5=52x=5-5=0"},
        {164.5f, 90, 5, "7"},
        {313.5f, 90, 5, "0"},
        {597.5f, 90, 5, "4"},
        {83.5f, 150, 5, "1"},
        {367.5f, 150, 5, "0"},
        {516.5f, 150, 5, "3"},
        {40, 530, 7, "解の組を座標とする点をうとう。"}},
       {{40, 580, 3, "ほかの解の組もかくと、"}}},
      {kPage1 + spaces(54),
       false,
       {{74, 300, 3, "y=-2x+5"}, kKeyBar},
       {{40, 380, 0, "この直線を"}, kSubMenu}},
      // 55 keys end the page: the text below the title is replaced by the
      // reading of intercept and slope; "(0,5)" stands inside the plane.
      {kPage1 + spaces(55),
       true,
       {{40, 30, 0, "二元一次方程式"},
        {40, 90, 7, "①この直線の切片と傾きを求めよう。"},
        {74, 140, 0, "切片は"},
        {875, 155, 5, "(0,5)"},
        {203, 140, 3, "5"},
        {257, 140, 0, "傾きは"},
        {386, 140, 3, "-2"},
        {74, 190, 0, "一次関数の式は"},
        {339, 190, 5, "y=-2x+5"},
        {40, 250, 7, "②2x+y=5をyについて解こう。"},
        {74, 300, 3, "y=-2x+5"},
        {40, 380, 0, "この直線を"},
        {210, 380, 5, "方程式2x+y=5のグラフ"},
        {40, 440, 0, "2x+y=5を、この"},
        {370, 440, 5, "直線の式"},
        {506, 440, 0, "という。"}},
       {{40, 90, 0, "(-1,"}, {40, 530, 7, "解の組"}, kKeyBar}},
      // Page ③: the heading over the empty plane, then nine keys.
      {kPage3,
       false,
       {{38, 30, 3, "方程式3x-4y=12のグラフをかこう。"}, {886, 85, 0, "y"}, kKeyBar},
       {{38, 80, 0, "yについて解くと、"}}},
      {kPage3 + spaces(7),
       false,
       {{38, 80, 0, "yについて解くと、"}, {38, 130, 0, "-4y=-3x+12"}, {38, 370, 3, "傾き4"}},
       {{kAny, 140.002f, 3, "3x4y=12"}, {38, 450, 7, "教科書P78"}}},
      // The line's label 297 px left of its right end (1206, 140).
      {kPage3 + spaces(9),
       true,
       {{38, 290, 3, "y=4"},
        {908.998f, 140.002f, 3, "3x-4y=12"},
        {38, 450, 7, "教科書P78問1　をやろう。"}},
       {kKeyBar}},
      // Page ②, the example 5x-4y=-7 (this clock draws it) worked through to
      // its graph, the equation as the line's label.
      {kPage2 + spaces(5),
       false,
       {{40, 30, 3, "例"},
        {101, 30, 0, "次の方程式のグラフの傾きと切片をいいなさい。"},
        {152, 90, 3, "5x-4y=-7"},
        {156, 140, 7, "5xを移項して"},
        {kAny, 190, 0, "-4y=-5x-7"},
        {156, 250, 7, "両辺を-4でわって"},
        {120, 410, 0, "y=-4"},
        {120, 490, 3, "y=4"},
        {120, 570, 0, "傾き"},
        {215, 560, 5, "5"},
        {307, 570, 0, "切片"},
        {402, 560, 5, "7"},
        {763.902f, 100.122f, 3, "5x-4y=-7"},
        kNextStep},
       {kSubMenu},
       "00:00:10"},
      {kPage2 + spaces(4),
       false,
       {{120, 490, 3, "y=4"}, kKeyBar},
       {{120, 570, 0, "傾き"}, {763.902f, 100.122f, 3, "5x-4y=-7"}},
       "00:00:10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys, c.clock);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_EQ(showing(lines, kSubMenu), c.ended) << dump(lines);
    expectAnchors(lines, c.present, c.absent, showing);
  }
}

// Page ①'s solution dots: radius 6, colour 3.
std::vector<DrawOp> solutionDots(const TessarinRun& run) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : testing::ofKind(run.draws(), DrawOp::Kind::Circle)) {
    if (op.radius == 6 && op.color == 3 && op.filled) out.push_back(op);
  }
  return out;
}

TEST(TessarinSection1a, SolutionDotsComeOnePerKeyThenInBatches) {
  // Keys on the page → dots drawn. The six solutions one per key and a key
  // more; thirteen half steps of x one per key and a key more; then 29 and
  // 57 dots at a time.
  struct Case {
    int keys;
    std::size_t dots;
  } cases[] = {{20, 0},  {21, 1},  {26, 6},  {27, 6},  {28, 7},
               {40, 19}, {41, 19}, {42, 48}, {43, 105}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(kPage1 + spaces(c.keys));
    const std::vector<DrawOp> dots = solutionDots(run);
    EXPECT_EQ(dots.size(), c.dots);
    // Every dot is a solution of 2x+y=5 on the plane with origin (1010,330), 35 px a unit.
    for (const DrawOp& dot : dots) {
      const float x = (dot.x1 - 1010) / 35, y = (330 - dot.y1) / 35;
      EXPECT_NEAR(2 * x + y, 5, 1e-4) << dot.x1 << "," << dot.y1;
    }
  }
  // The first six are the answers of the boxes in order.
  TessarinRun run(kPage1 + spaces(26));
  const float xs[] = {-1, 0, 0.5f, 1, 2.5f, 3};
  const std::vector<DrawOp> dots = solutionDots(run);
  ASSERT_EQ(dots.size(), 6u);
  for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(dots[i].x1, 1010 + 35 * xs[i]);
}

// The length of an arrow head's wing: 16 back and 8 across.
const float kWing = std::sqrt(16.f * 16.f + 8.f * 8.f);

bool at(const Point& p, float x, float y) {
  return std::fabs(p.x - x) < 0.01f && std::fabs(p.y - y) < 0.01f;
}

TEST(TessarinSection1a, SlopeStepsStartAtTheInterceptWithHeadsAtRunAndRiseEnds) {
  struct Case {
    std::string keys;
    Point marks[3];  // intercept, end of the run, end of the rise
  } cases[] = {
      {kPage1 + spaces(55), {{1010, 155}, {1045, 155}, {1045, 225}}},
      {kPage3 + spaces(9), {{886, 380}, {1046, 380}, {1046, 260}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const std::vector<DrawOp> draws = run.draws();
    int discs = 0;
    for (const DrawOp& op : testing::ofKind(draws, DrawOp::Kind::Circle)) {
      if (op.radius == 8) {
        ++discs;
        EXPECT_TRUE(op.filled);
        EXPECT_EQ(op.color, 5);
        EXPECT_TRUE(at({op.x1, op.y1}, c.marks[0].x, c.marks[0].y));
      }
    }
    EXPECT_EQ(discs, 1);

    // Shafts between marks 1-2 and 2-3; wings only at marks 2 and 3.
    int shafts = 0;
    int wings[3] = {0, 0, 0};
    for (const DrawOp& op : testing::ofKind(draws, DrawOp::Kind::Line)) {
      if (op.color != 5) continue;
      EXPECT_EQ(op.width, 5);
      const Point a{op.x1, op.y1}, b{op.x2, op.y2};
      for (int i = 0; i < 2; ++i) {
        const Point& p = c.marks[i];
        const Point& q = c.marks[i + 1];
        if ((at(a, p.x, p.y) && at(b, q.x, q.y)) || (at(a, q.x, q.y) && at(b, p.x, p.y))) ++shafts;
      }
      if (std::fabs(std::hypot(b.x - a.x, b.y - a.y) - kWing) < 0.01f) {
        for (int i = 0; i < 3; ++i) {
          if (at(a, c.marks[i].x, c.marks[i].y) || at(b, c.marks[i].x, c.marks[i].y)) ++wings[i];
        }
      }
    }
    EXPECT_GE(shafts, 2);
    EXPECT_EQ(wings[0], 0);
    EXPECT_GT(wings[1], 0);
    EXPECT_GT(wings[2], 0);
  }
}

TEST(TessarinSection1a, WorkedExampleLineLiesWhollyInsideThePlane) {
  TessarinRun run(kPage3 + spaces(9));
  std::vector<DrawOp> dots;
  for (const DrawOp& op : testing::ofKind(run.draws(), DrawOp::Kind::Circle)) {
    if (op.radius == 1 && op.color == 3) dots.push_back(op);
  }
  ASSERT_EQ(dots.size(), 5001u);
  EXPECT_TRUE(at({dots.front().x1, dots.front().y1}, 646, 560));
  EXPECT_TRUE(at({dots.back().x1, dots.back().y1}, 1206, 140));
}

// ---- Page ②: the random ax+by=c ----------------------------------------------

// A fraction text in lowest terms: the sign in front, a whole number bare.
std::u32string reduced(int num, int den) {
  const int g = std::gcd(num, den);
  int n = num / g, d = den / g;
  if (d < 0) n = -n, d = -d;
  std::u32string sign = n < 0 ? U"-" : U"";
  std::string digits = std::to_string(std::abs(n));
  std::u32string body(digits.begin(), digits.end());
  if (d == 1) return sign + body;
  std::string dd = std::to_string(d);
  return sign + U"ﾀ" + body + U"/" + std::u32string(dd.begin(), dd.end()) + U"ﾀ";
}

const std::string kClocks[] = {"00:00:10", "07:07:07", "09:30:00", "13:59:59", "23:59:59"};

TEST(TessarinSection1a, RandomExampleShowsItsEquationSlopeAndInterceptAndLine) {
  for (const std::string& clock : kClocks) {
    SCOPED_TRACE(clock);
    TessarinRun run(kPage2 + spaces(5), clock);
    const TessarinUnit& u = run.unit;
    const float a = u.numA(1), b = u.numA(2), c = u.numB(1);
    EXPECT_TRUE(a >= 1 && a <= 9 && a == std::floor(a)) << a;
    EXPECT_TRUE(std::fabs(b) >= 2 && std::fabs(b) <= 4 && b == std::floor(b)) << b;
    EXPECT_TRUE(std::fabs(c) >= 1 && std::fabs(c) <= 9 && c == std::floor(c)) << c;
    const int ia = static_cast<int>(a), ib = static_cast<int>(b), ic = static_cast<int>(c);
    EXPECT_EQ(u.numTextA(4), reduced(-ia, ib));
    EXPECT_EQ(u.numTextB(2), reduced(ic, ib));

    // The equation as the task states it and as the line's label.
    const std::string equation = (ia == 1 ? "" : std::to_string(ia)) + "x" + (ib > 0 ? "+" : "-") +
                                 std::to_string(std::abs(ib)) + "y=" + std::to_string(ic);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_TRUE(showing(lines, {40, 30, 3, "例"})) << dump(lines);
    EXPECT_TRUE(showing(lines, {152, 90, 3, equation})) << dump(lines);
    EXPECT_TRUE(showing(lines, {120, 570, 0, "傾き"})) << dump(lines);
    EXPECT_TRUE(showing(lines, kNextStep)) << dump(lines);
    int labels = 0;
    for (const TextLine& line : lines) labels += line.color == 3 && line.text == equation;
    EXPECT_EQ(labels, 2) << dump(lines);

    // The line y = -a/b x + c/b on the plane with origin (896,350), 25 px a unit,
    // labelled 297 px left of its last dot (an italic x first stands 4 px in).
    int dots = 0;
    const std::vector<DrawOp> circles = testing::ofKind(run.draws(), DrawOp::Kind::Circle);
    const DrawOp* last = nullptr;
    for (const DrawOp& op : circles) {
      if (op.radius != 1 || op.color != 3) continue;
      ++dots;
      last = &op;
      const float x = (op.x1 - 896) / 25;
      EXPECT_NEAR(op.y1, 350 - 25 * (-a / b * x + c / b), 1e-2);
      EXPECT_TRUE(op.y1 >= 100 && op.y1 <= 600);
    }
    ASSERT_GT(dots, 0);
    constexpr LineMatch kLabel{
        .text = LineMatch::Text::Is, .xTolerance = 0.01f, .yTolerance = 0.01f};
    EXPECT_TRUE(kLabel(lines, {last->x1 - 297 + (ia == 1 ? 4 : 0), last->y1, 3, equation}))
        << last->x1 << "," << last->y1 << "\n"
        << dump(lines);
  }
}

// Clears of the whole page: a filled box from (0,0) 1600 x 1800 in colour 15.
int pageClears(const TessarinRun& run) {
  int n = 0;
  for (const DrawOp& op : testing::ofKind(run.draws(), DrawOp::Kind::Fill)) {
    n += op.x1 == 0 && op.y1 == 0 && op.x2 == 1600 && op.y2 == 1800 && op.fill == 15;
  }
  return n;
}

TEST(TessarinSection1a, OneEndsTheExampleOtherEntriesDrawANewOne) {
  struct Case {
    std::string entry;
    bool ended;
    int examples;
  } cases[] = {{" 1 Enter", true, 1},
               {" 2 Enter", false, 2},
               {" Enter", false, 2},
               {" 1/2 Enter", false, 2}};
  for (const std::string& clock : {std::string("00:00:10"), std::string("13:59:59")}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(clock + c.entry);
      TessarinRun run(kPage2 + spaces(5) + c.entry, clock);
      const std::vector<TextLine> lines = run.lines();
      EXPECT_EQ(showing(lines, kSubMenu), c.ended) << dump(lines);
      EXPECT_EQ(pageClears(run), c.examples);
      // The example showing is whole up to its graph, or the new one's task.
      EXPECT_EQ(showing(lines, {120, 570, 0, "傾き"}), c.ended) << dump(lines);
      EXPECT_TRUE(showing(lines, {40, 30, 3, "例"})) << dump(lines);
    }
  }
}

TEST(TessarinSection1a, RandomExampleTextsForCoefficientsOneWholeAndFractions) {
  // Clocks that draw the cases; the texts the working is built from.
  struct Case {
    std::string clock;
    float a, b, c;
    std::u32string x, y, minusX, slopeX, signedC, signedIntercept, slope, intercept;
  } cases[] = {
      // a = 1: no coefficient 1; -1 shows as "-".
      {"00:00:14", 1, 4, -4, U"", U"+4", U"-", U"-ﾀ1/4ﾀ", U"-4", U"-1", U"-ﾀ1/4ﾀ", U"-1"},
      // Slope -1 and 1: "x" alone after the sign; the answers 1 and -1.
      {"00:00:01", 2, 2, 5, U"2", U"+2", U"-2", U"-", U"+5", U"+ﾀ5/2ﾀ", U"-1", U"ﾀ5/2ﾀ"},
      {"00:00:21", 3, -3, 5, U"3", U"-3", U"-3", U"", U"+5", U"-ﾀ5/3ﾀ", U"1", U"-ﾀ5/3ﾀ"},
      // b divides a and c: whole slope and intercept.
      {"00:00:25", 4, -2, -6, U"4", U"-2", U"-4", U"2", U"-6", U"+3", U"2", U"3"},
      // Two negatives make a positive fraction; a fraction reduced.
      {"00:00:10", 5, -4, -7, U"5", U"-4", U"-5", U"ﾀ5/4ﾀ", U"-7", U"+ﾀ7/4ﾀ", U"ﾀ5/4ﾀ", U"ﾀ7/4ﾀ"},
      {"00:00:08", 3, 4, -6, U"3", U"+4", U"-3", U"-ﾀ3/4ﾀ", U"-6", U"-ﾀ3/2ﾀ", U"-ﾀ3/4ﾀ", U"-ﾀ3/2ﾀ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clock);
    TessarinRun run(kPage2, c.clock);
    const TessarinUnit& u = run.unit;
    ASSERT_EQ(u.numA(1), c.a);
    ASSERT_EQ(u.numA(2), c.b);
    ASSERT_EQ(u.numB(1), c.c);
    EXPECT_EQ(u.numTextA(11), c.x);
    EXPECT_EQ(u.numTextA(12), c.y);
    EXPECT_EQ(u.numTextA(13), c.minusX);
    EXPECT_EQ(u.numTextA(14), c.slopeX);
    EXPECT_EQ(u.numTextB(11), c.signedC);
    EXPECT_EQ(u.numTextB(12), c.signedIntercept);
    EXPECT_EQ(u.numTextA(4), c.slope);
    EXPECT_EQ(u.numTextB(2), c.intercept);
  }
}

}  // namespace
}  // namespace lesson
