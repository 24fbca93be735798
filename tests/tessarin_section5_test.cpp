// Tessarin section 5, run from the main menu: the banner and the sub-menu,
// what each key reveals on the four pages and what the partial erases take
// away, and where the figures put their points and lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "framework/headless_run.h"
#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/test_lesson.h"
#include "units/tessarin/tessarin.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::drawsIn;
using testing::Foot;
using testing::footOf;
using testing::kAny;
using testing::keyWaitBars;
using testing::showing;

// One headless run of Tessarin under a key script.
struct TessarinRun {
  explicit TessarinRun(const std::string& script)
      : platform(testing::LessonFixture::keys(script), "00:00:00"), unit(platform, "Tessarin") {
    status = runHeadless(unit, platform);
  }
  std::vector<DrawOp> draws() const { return drawsIn(platform.events()); }
  std::vector<TextLine> lines() const { return testing::pageLines(platform.events()); }

  HeadlessPlatform platform;
  TessarinUnit unit;
  int status = 0;
};

std::string spaces(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += " Space";
  return out;
}

const std::string kSection = "5 Enter";
const std::string kDam = kSection + " 1 Enter";
const std::string kTrip = kSection + " 2 Enter";
const std::string kBicycle = kSection + " 3 Enter";
const std::string kExplain = kSection + " 4 Enter";
const std::string kSubMenuStart = "①ダムの貯水量は";

// Blanks draw nothing, so the anchors below leave them out.
TEST(TessarinSection5, KeysRevealThePagesAndTheErasesClearTheirBands) {
  struct Case {
    std::string keys;
    Foot foot;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // The banner, with the sub-menu line under it.
      {kSection,
       Foot::SubMenu,
       {{44, 240, 3, "<めあて>"},
        {44, 305, 0, "一次関数を利用して、身のまわりの問題を解決しよう。"}},
       {}},

      // Page ①, screen 1: the storage table first, the question, the value table.
      {kDam,
       Foot::KeyWait,
       {{30, 20, 7, "P84"},
        {kAny, 20, 3, "ダムの貯水量は？"},
        {kAny, 23, 0, "ダムの貯水量"},
        {kAny, 73, 0, "7月31日"},
        {kAny, 323, 0, "854万m3"}},
       {{30, 80, 7, "Q"}}},
      {kDam + spaces(3),
       Foot::KeyWait,
       {{30, 80, 7, "Q"},
        {66, 180, 0, "予想するにはどうすればよいだろう。"},
        {66, 230, 3, "表やグラフに表して調べる。"},
        {30, 300, 0, "7月31日から"},
        {kAny, 413, 0, "975"}},
       {}},
      // Screen 2: the sentence and the table at the top, then the graph's labels.
      {kDam + spaces(4),
       Foot::KeyWait,
       {{30, 20, 0, "7月31日から"}, {kAny, 133, 0, "854"}},
       {{30, 20, 7, "P84"}, {kAny, 23, 0, "ダムの貯水量"}, {842, 467, 0, "850"}}},
      {kDam + spaces(5), Foot::KeyWait, {{842, 467, 0, "850"}, {937, 634, 0, "12345"}}, {}},
      // After the sixth reading one key shows nothing new, the next the finding.
      {kDam + spaces(12), Foot::KeyWait, {}, {{66, 190, 3, "ほぼ一直線"}}},
      {kDam + spaces(13),
       Foot::KeyWait,
       {{66, 190, 3, "ほぼ一直線"}, {kAny, 190, 5, "一次関数とみれる。"}},
       {}},
      {kDam + spaces(22),
       Foot::KeyWait,
       {{30, 240, 7, "問1をやろう。"},
        {415, 400, 0, "-75"},
        {515, 410, 3, "=-25"},
        {66, 470, 5, "y=-25x+975"},
        {30, 530, 7, "問2をやろう。"}},
       {}},
      // Screen 3: 問2 over the top; the lines of 問1 stay until 問3 comes.
      {kDam + spaces(23),
       Foot::KeyWait,
       {{30, 20, 7, "問2貯水量が650万m3になるのは何月何日?"},
        {30, 240, 7, "問1をやろう。"},
        {30, 530, 7, "問2をやろう。"},
        {842, 467, 0, "850"}},
       {{30, 20, 0, "7月31日から"}}},
      {kDam + spaces(32),
       Foot::KeyWait,
       {{30, 20, 7, "問2"}, {kAny, 180, 5, "8月13日"}, {30, 250, 7, "問3をやろう。"}},
       {{30, 240, 7, "問1をやろう。"},
        {30, 290, 0, "(0,975),(3,900)を通るから、"},
        {30, 530, 7, "問2をやろう。"}}},
      {kDam + spaces(37),
       Foot::SubMenu,
       {{66, 300, 0, "切片…"},
        {kAny, 300, 5, "7月31日の貯水量"},
        {66, 350, 0, "傾き…"},
        {168, 350, 5, "1日に減る水の量"},
        {842, 167, 0, "950"}},
       {}},

      // Page ②: the story and the figure; 問4 on the line of the story's end.
      {kTrip,
       Foot::KeyWait,
       {{30, 20, 0, "けいたさんは、午前9時に家を出発し、"},
        {30, 120, 0, "いるとしたグラフです。"},
        {685, 420, 3, "A"},
        {835, 285, 3, "B"},
        {1105, 195, 3, "C"},
        {825, 464, 0, "30"},
        {690, 175, 0, "6"},
        {693, 495, 7, "9時"}},
       {{kAny, 120, 7, "問4をやろう"}}},
      {kTrip + spaces(1), Foot::KeyWait, {{kAny, 120, 7, "問4をやろう"}, {30, 170, 7, "(1)"}}, {}},
      // Task (3) replaces the story; tasks (1) and (2) stay below it.
      {kTrip + spaces(9),
       Foot::KeyWait,
       {{30, 20, 7, "(3)"}, {30, 170, 7, "(1)"}, {kAny, 610, 3, "前"}},
       {{30, 20, 0, "けいたさんは、"}, {kAny, 120, 7, "問4をやろう"}}},
      // Task (4) replaces (1) and (2); the speed lines go one step later.
      {kTrip + spaces(13),
       Foot::KeyWait,
       {{30, 170, 7, "(4)"}, {84, 490, 0, "前"}, {kAny, 120, 3, "2.5km"}},
       {{30, 170, 7, "(1)"}, {84, 420, 0, "歩く速さはどちらが速い?"}}},
      {kTrip + spaces(14), Foot::KeyWait, {{kAny, 270, 3, "x=90,y=5"}}, {{84, 490, 0, "前"}}},
      {kTrip + spaces(18),
       Foot::SubMenu,
       {{30, 20, 7, "(3)"},
        {84, 500, 5, "y=0.05x+0.5"},
        {kAny, kAny, 7, "2.5km"},
        {kAny, kAny, 5, "2.5km"}},
       {}},
      // Choosing it again starts it afresh.
      {kTrip + spaces(18) + " 2 Enter",
       Foot::KeyWait,
       {{30, 20, 0, "けいたさんは、"}},
       {{30, 170, 7, "(4)"}, {84, 500, 5, "y=0.05x+0.5"}}},

      // Page ③: the story leaves its third line empty for 問5.
      {kBicycle,
       Foot::KeyWait,
       {{30, 20, 0, "おじさんは、午前10時に家を出発し、"},
        {30, 70, 3, "5分後"},
        {936, 495, 7, "10時"}},
       {{50, 120, 7, "問5をやろう"}}},
      {kBicycle + spaces(1), Foot::KeyWait, {{50, 120, 7, "問5をやろう"}}, {}},
      {kBicycle + spaces(3),
       Foot::KeyWait,
       {{970, 195, 7, "D"}, {1090, 375, 7, "E"}, {kAny, 270, 0, "を通る"}},
       {}},
      // Task (3) over the story and task (1); task (2) stays below.
      {kBicycle + spaces(10),
       Foot::KeyWait,
       {{30, 20, 7, "(3)"}, {30, 370, 7, "(2)"}, {kAny, 570, 3, "y=-0.2x+17"}},
       {{30, 170, 7, "(1)"}, {50, 120, 7, "問5をやろう"}}},
      {kBicycle + spaces(13),
       Foot::KeyWait,
       {{747, 70, 0, "y=0.05x+0.5…①"},
        {747, 120, 0, "y=-0.2x+17…②"},
        {84, 120, 0, "0.05x+0.5=-0.2x+17"},
        {1027, 249, 5, "F"}},
       {}},
      {kBicycle + spaces(17),
       Foot::KeyWait,
       {{84, 270, 0, "25x=1650"}, {84, 320, 3, "①に代入して"}},
       {{30, 370, 7, "(2)"}, {84, 570, 0, "5=0.2×60b"}, {kAny, 570, 3, "y=-0.2x+17"}}},
      {kBicycle + spaces(22),
       Foot::SubMenu,
       {{kAny, 420, 3, "3.8"},
        {84, 490, 0, "出会った時間…"},
        {kAny, 490, 5, "午前10時6分"},
        {kAny, 540, 5, "3.8km"}},
       {}},

      // Page ④: the figure with DE first, then F and its parallel.
      {kExplain,
       Foot::KeyWait,
       {{30, 70, 0, "おじさんとけいたさんが出会う地点はどこ?"},
        {936, 445, 7, "10時"},
        {970, 145, 7, "D"},
        {1090, 325, 7, "E"}},
       {{30, 130, 3, "点Fを通り"}, {835, 145, 5, "F"}}},
      {kExplain + spaces(1),
       Foot::KeyWait,
       {{30, 130, 3, "点Fを通り、直線DEに平行な直線をかくと"}, {835, 145, 5, "F"}},
       {}},
      {kExplain + spaces(3),
       Foot::SubMenu,
       {{30, 180, 0, "グラフから"}, {84, 230, 3, "出会う地点は"}, {kAny, 230, 5, "店"}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_EQ(footOf(lines, kSubMenuStart), c.foot) << testing::dump(lines);
    testing::expectAnchors(lines, c.present, c.absent, showing);
  }
}

// Each page waits for a key after every step but its last, then the sub-menu
// line follows at once.
TEST(TessarinSection5, EachPageReturnsToTheSubMenuAfterItsLastWait) {
  struct Case {
    std::string page;
    int waits;
  } cases[] = {{kDam, 37}, {kTrip, 18}, {kBicycle, 22}, {kExplain, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    TessarinRun before(c.page + spaces(c.waits - 1));
    EXPECT_EQ(footOf(before.lines(), kSubMenuStart), Foot::KeyWait);
    TessarinRun done(c.page + spaces(c.waits));
    EXPECT_EQ(footOf(done.lines(), kSubMenuStart), Foot::SubMenu);
    EXPECT_EQ(keyWaitBars(done.draws()), c.waits);
  }
}

// A number outside 1..5 only draws the line again; 5 leaves for the main menu;
// the choice is the typed number's value.
TEST(TessarinSection5, SubMenuTakesItemsOneToFive) {
  const Anchor banner{44, 240, 3, "<めあて>"};
  const Anchor tripStory{30, 20, 0, "けいたさんは、"};
  const Anchor explainStory{30, 20, 0, "もし、午前9時30分に"};
  struct Case {
    std::string keys;
    Foot foot;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      {kSection + " 0 Enter", Foot::SubMenu, {banner}, {tripStory}},
      {kSection + " 6 Enter", Foot::SubMenu, {banner}, {}},
      {kSection + " -1 Enter", Foot::SubMenu, {banner}, {}},
      {kSection + " 5 Enter", Foot::MainMenu, {}, {banner}},
      {kExplain + spaces(3) + " 5 Enter", Foot::MainMenu, {}, {explainStory}},
      {kSection + " 2/1 Enter", Foot::KeyWait, {tripStory}, {banner}},
      // 3.5 is taken as 4, halves going up.
      {kSection + " 7/2 Enter", Foot::KeyWait, {explainStory}, {banner}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TessarinRun run(c.keys);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_EQ(footOf(lines, kSubMenuStart), c.foot) << testing::dump(lines);
    testing::expectAnchors(lines, c.present, c.absent, showing);
  }
}

bool near(float a, float b) {
  return std::fabs(a - b) < 0.01f;
}

bool hasLine(const std::vector<DrawOp>& ops, int color, int width, float x1, float y1, float x2,
             float y2) {
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Line && op.color == color && op.width == width &&
        near(op.x1, x1) && near(op.y1, y1) && near(op.x2, x2) && near(op.y2, y2))
      return true;
  }
  return false;
}

bool hasDisc(const std::vector<DrawOp>& ops, int color, float radius, float x, float y) {
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.filled && op.color == color && op.radius == radius &&
        near(op.x1, x) && near(op.y1, y))
      return true;
  }
  return false;
}

// The small dots in `color` of a dotted mark, by their centres.
std::vector<DrawOp> dots(const std::vector<DrawOp>& ops, int color, float radius) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.color == color && op.radius == radius)
      out.push_back(op);
  }
  return out;
}

// The walk and the marks on the trip graph, placed 70 px under the page's
// current line: at (720,190) on pages ② and ③, (720,140) on page ④.
TEST(TessarinSection5, TripGraphPagesDrawTheirLinesBetweenTheMarkedPoints) {
  {
    SCOPED_TRACE("page ②");
    TessarinRun run(kTrip + spaces(18));
    const std::vector<DrawOp> ops = run.draws();
    EXPECT_TRUE(hasLine(ops, 3, 7, 855, 325, 945, 325));
    EXPECT_TRUE(hasLine(ops, 3, 7, 720, 460, 855, 325));
    EXPECT_TRUE(hasLine(ops, 3, 7, 945, 325, 1125, 235));
    EXPECT_TRUE(hasDisc(ops, 5, 6, 832.5f, 347.5f));
    // The two length marks: straight dotted runs from the dot down to the time
    // axis (colour 7) and up to the level of C (colour 5).
    for (const auto& [color, top, bottom] :
         {std::tuple{7, 347.5f, 460.0f}, std::tuple{5, 235.0f, 347.5f}}) {
      const std::vector<DrawOp> marks = dots(ops, color, 0.5f);
      ASSERT_EQ(marks.size(), 19u) << color;
      for (const DrawOp& dot : marks) {
        EXPECT_TRUE(near(dot.x1, 832.5f)) << dot.x1;
        EXPECT_TRUE(dot.y1 >= top - 0.01f && dot.y1 <= bottom + 0.01f) << dot.y1;
      }
    }
  }
  {
    SCOPED_TRACE("page ③");
    TessarinRun run(kBicycle + spaces(22));
    const std::vector<DrawOp> ops = run.draws();
    EXPECT_TRUE(hasDisc(ops, 7, 6, 990, 235));
    EXPECT_TRUE(hasDisc(ops, 7, 6, 1080, 415));
    EXPECT_TRUE(hasLine(ops, 7, 7, 990, 235, 1102.5f, 460));
    EXPECT_TRUE(hasDisc(ops, 5, 6, 1017, 289));
  }
  {
    SCOPED_TRACE("page ④");
    TessarinRun run(kExplain + spaces(3));
    const std::vector<DrawOp> ops = run.draws();
    EXPECT_TRUE(hasLine(ops, 3, 7, 720, 410, 855, 275));
    EXPECT_TRUE(hasLine(ops, 7, 7, 990, 185, 1102.5f, 410));
    EXPECT_TRUE(hasDisc(ops, 5, 6, 855, 185));
    // The parallel: 30 minutes left of DE, down to the time axis.
    EXPECT_TRUE(hasLine(ops, 5, 7, 855, 185, 967.5f, 410));
  }
}

// The readings land at day 30 px a column and 10 000 m^3 3 px a row above
// 800; the fitted line runs from day 0 to day 5 only; the two tables' cells.
TEST(TessarinSection5, DamPagePlotsTheReadingsAndTheFittedLine) {
  TessarinRun run(kDam + spaces(37));
  const std::vector<DrawOp> ops = run.draws();
  const float readings[6] = {975, 948, 926, 900, 873, 854};
  for (int day = 0; day < 6; ++day) {
    const float x = 920 + 30 * static_cast<float>(day);
    const float y = 630 - 3 * (readings[day] - 800);
    EXPECT_TRUE(hasDisc(ops, 3, 6, x, y)) << day;
    EXPECT_TRUE(hasDisc(ops, 5, 6, x, y)) << day;  // redrawn with the daily steps
  }
  const std::vector<DrawOp> line = dots(ops, 5, 1);
  ASSERT_FALSE(line.empty());
  float left = 2000, right = 0;
  for (const DrawOp& dot : line) {
    left = std::min(left, dot.x1);
    right = std::max(right, dot.x1);
    const float day = (dot.x1 - 920) / 30;
    EXPECT_NEAR(dot.y1, 630 - 3 * (175 - 25 * day), 0.05f);
  }
  EXPECT_NEAR(left, 920, 0.01f);
  EXPECT_NEAR(right, 1070, 0.01f);

  // Five steps between neighbouring readings, each labelled "-25" 10 px right
  // of the day it ends on and 20 px below the reading it starts from.
  const std::vector<TextLine> lines = run.lines();
  std::vector<Anchor> labels;
  for (int day = 0; day < 5; ++day) {
    const float x = 920 + 30 * static_cast<float>(day + 1) + 10;
    labels.push_back({x, 630 - 3 * (readings[day] - 800) + 20, 3, "-25"});
  }
  expectAnchors(lines, labels, {}, testing::showsWhole);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const TextLine& l) { return l.color == 3 && l.text == "-25"; }),
            5);
}

// The value table: header 40 px and six cells of 108 px chained in each row,
// the x row on the page colour and the y row on colour 13, 60 px under the
// sentence above it.
TEST(TessarinSection5, DamValueTableChainsItsCells) {
  TessarinRun run(kDam + spaces(3));
  std::vector<DrawOp> cells;
  for (const DrawOp& op : run.draws()) {
    if (op.kind == DrawOp::Kind::Fill && op.color == 3 && op.y1 >= 360) cells.push_back(op);
  }
  ASSERT_EQ(cells.size(), 14u);
  for (int row = 0; row < 2; ++row) {
    float x = 30;
    for (int cell = 0; cell < 7; ++cell) {
      const DrawOp& box = cells[static_cast<std::size_t>(row * 7 + cell)];
      const float width = cell == 0 ? 40 : 108;
      EXPECT_EQ(box.x1, x);
      EXPECT_EQ(box.x2, x + width);
      EXPECT_EQ(box.y1, 360 + 50 * static_cast<float>(row));
      EXPECT_EQ(box.y2, 410 + 50 * static_cast<float>(row));
      EXPECT_EQ(box.fill, row == 0 ? 15 : 13);
      x += width;
    }
    EXPECT_EQ(x, 718);
  }
}

}  // namespace
}  // namespace lesson
