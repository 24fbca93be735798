// Every text a pupil reads stands out from the ground it is drawn on. The
// grounds are measured, not listed: every page of every program is walked the
// way the trace suite walks them, each text's ground is read from the rendered
// pixels under its cell just before it is drawn, and each (text colour, ground
// colour) pair that occurs must reach its contrast figure: 4.5:1 when any of
// its texts is small (under 24 px high on the canvas), 3:1 when all are large
// (WCAG's figures for normal and large text).
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/headless_run.h"
#include "framework/platform/palette.h"
#include "programs/catalogue.h"
#include "support/draw_ops.h"
#include "support/fault_hook.h"
#include "support/test_lesson.h"
#include "support/text_grounds.h"

namespace lesson {
namespace {

using testing::forEachTextOnGround;
using testing::TextOnGround;

DrawOp fill(float x1, float y1, float x2, float y2, int color) {
  return testing::ops::fillBox(x1, y1, x2, y2, color, color);
}

DrawOp text(float x, float y, const std::u32string& t, int color) {
  DrawOp op = testing::ops::text(x, y, t, U"ｺﾞｼｯｸ", 16, 1, 1, true);
  op.color = color;
  return op;
}

std::vector<HeadlessPlatform::Event> drawing(const std::vector<DrawOp>& ops) {
  std::vector<HeadlessPlatform::Event> events;
  for (const DrawOp& op : ops) events.push_back({HeadlessPlatform::Event::Kind::Draw, op, {}, 0});
  return events;
}

std::vector<std::pair<int, int>> pairsIn(const std::vector<HeadlessPlatform::Event>& events) {
  std::vector<std::pair<int, int>> out;
  forEachTextOnGround(events, [&](const TextOnGround& t) {
    out.push_back({t.text.color, t.ground});
  });
  return out;
}

TEST(TextGrounds, GroundIsWhatFillsMostOfTheCellJustBeforeTheText) {
  // A clock in colour 5 on a tank of colour 1, the water (3) rising over a
  // quarter of its cell, then over most of it: the ground follows the water.
  std::vector<HeadlessPlatform::Event> events = drawing({
      fill(100, 100, 300, 300, 1),
      text(120, 120, U"8分0秒", 5),
      fill(100, 132, 300, 300, 3),
      text(120, 120, U"8分1秒", 5),
      fill(100, 124, 300, 300, 3),
      text(120, 120, U"8分2秒", 5),
  });
  EXPECT_EQ(pairsIn(events), (std::vector<std::pair<int, int>>{{5, 1}, {5, 1}, {5, 3}}));
  // Ink of texts drawn before is not a ground: a menu item drawn again in
  // another colour over itself is still on the panel.
  events = drawing(
      {fill(0, 0, 400, 100, 10), text(20, 20, U"１次関数", 13), text(20, 20, U"１次関数", 15)});
  EXPECT_EQ(pairsIn(events), (std::vector<std::pair<int, int>>{{13, 10}, {15, 10}}));
}

TEST(TextGrounds, ErasesAndBlanksAreNotText) {
  std::vector<HeadlessPlatform::Event> events = drawing({
      fill(0, 0, 400, 100, 13),
      text(10, 10, U"12", 0),
      text(10, 10, U"12", 13),     // drawn again in the ground's colour: an erase
      text(10, 40, U"  　 ", 3),   // blanks put no ink anywhere
      text(10, 1850, U"測る", 0),  // measured below the canvas
      text(10, 60, U"34", 15),
  });
  EXPECT_EQ(pairsIn(events), (std::vector<std::pair<int, int>>{{0, 13}, {15, 13}}));
}

// A text is small when its em is under 24 px high on the canvas (its size
// times the second magnification factor): the prompts and the sub-menu line
// (16 px) are small; the menu items and a formula line (48 px) are large.
constexpr float kLargeText = 24;

bool isSmall(const DrawOp& text) {
  return text.size * text.fy < kLargeText;
}

TEST(TextSize, SmallTextIsUnder24PxHigh) {
  struct Case {
    float size, fx, fy;
    bool small;
  } cases[] = {
      {16, 1, 1, true},     // a prompt
      {16, 3, 1, true},     // widened only: still 16 px high
      {24, 1, 1, false},    // the bound itself is large
      {16, 1, 1.5, false},  // heightened to 24 px
      {8, 7, 4, false},     // small text's italic letter: 32 px high
      {16, 3, 3, false},    // a formula line
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isSmall(testing::ops::text(0, 0, U"1", U"ｺﾞｼｯｸ", c.size, c.fx, c.fy)), c.small)
        << "size " << c.size << ", factors " << c.fx << ", " << c.fy;
  }
}

// The pairs left below their figure (4.5:1 for small text, 3:1 for large),
// each with the figure it must keep and why. The clock of the tank pages
// (colour 5) must stand out from the empty tank (1) and the water (3), which
// carry white scale numbers, and as the answer colour from the white page: so
// 5 is darker than 1 and 3 by 3:1 and those are mid tones. Pink (13) is
// written in the teal exercise-number boxes (3) and is the ground of black and
// colour-5 text, so it is lighter than 3 by 3:1; that is too light for the
// white page, where it is written only by the error screen, in small text. No
// palette gives it even 3:1 there: 3 would have to be so dark that no colour 5
// could be darker than it by 3:1.
struct Figure {
  int text, ground;
  double least;
};
constexpr Figure kBelowBound[] = {
    {13, 15, 1.5},  // the error line, shown only after a run-time error
};

double figureFor(int text, int ground, bool small) {
  for (const Figure& f : kBelowBound) {
    if (f.text == text && f.ground == ground) return f.least;
  }
  return small ? 4.5 : 3.0;
}

// Where a pair was first seen, and how often; where its first small text was
// seen, empty when all its texts are large.
struct Seen {
  std::string where, smallWhere;
  long count = 0;
};
using SeenPairs = std::map<std::pair<int, int>, Seen>;

// The sub-menu line: a section's items, drawn when the section opens and again
// under each page when it returns to the sub-menu.
bool isSubMenuLine(const HeadlessPlatform::Event& e) {
  return e.kind == HeadlessPlatform::Event::Kind::Draw && e.op.kind == DrawOp::Kind::Symbol &&
         e.op.x1 == 16 && e.op.y1 == 666;
}

// Runs the program on the key script and notes the pair of every text it
// draws. A run whose script opens a page (its first four keys choose a
// section and an item) stops once the page has returned to the sub-menu:
// what the keys left would do there, open the first item again, other runs do.
void walk(const std::string& id, const std::string& keys, const std::string& clock, int faultAtIdle,
          const std::string& page, SeenPairs& seen) {
  constexpr int kPageKeys = 4;
  HeadlessPlatform platform(testing::LessonFixture::keys(keys), clock);
  std::size_t pageStart = 0, scanned = 0;
  platform.onHandOver = [&](int key) {
    const auto& events = platform.events();
    if (key == kPageKeys) pageStart = scanned = events.size();
    if (key <= kPageKeys) return;
    for (; scanned < events.size(); ++scanned) {
      if (scanned > pageStart && isSubMenuLine(events[scanned])) throw ReplayStop{};
    }
  };
  auto program = makeProgram(id, platform);
  testing::FaultHook::injectFaultAtIdle(*program, faultAtIdle);
  runHeadless(*program, platform);
  forEachTextOnGround(platform.events(), [&](const TextOnGround& t) {
    Seen& s = seen[{t.text.color, t.ground}];
    std::string where = id + " " + page + ", after " + std::to_string(t.keys) + " keys";
    if (s.count++ == 0) s.where = where;
    if (s.smallWhere.empty() && isSmall(t.text)) s.smallWhere = where;
  });
}

class TextContrast : public ::testing::TestWithParam<std::string> {};

// The trace suite's page runs, each walk at one clock: each section 1-9 and
// sub-menu item 1-9, key waits answered with Space and numbers with "1", and
// again with every wait answered by Enter so the random examples repeat (at
// another clock, so that they are other examples; 40 Enters where the trace
// suite presses 80). Every page is reached; the trace suite's further clocks
// and repeats only vary the random examples and find no other pairs. Then the
// error screen, with a fault planted at the first wait.
TEST_P(TextContrast, EveryTextStandsOutFromItsGround) {
  // Grounds are read back as palette numbers, so no two colours may be equal.
  for (int a = 0; a < 16; ++a) {
    for (int b = a + 1; b < 16; ++b) ASSERT_NE(paletteRgb(a), paletteRgb(b)) << a << " " << b;
  }
  const std::string& id = GetParam();
  std::string step;
  for (int i = 0; i < 12; ++i) step += "Space ";
  step += "1 Enter ";
  std::string spaceKeys, enterKeys;
  for (int i = 0; i < 6; ++i) spaceKeys += step;
  for (int i = 0; i < 40; ++i) enterKeys += "Enter ";
  struct Walk {
    const char* name;
    const std::string& keys;
    const char* clock;
  };
  const Walk walks[] = {{"space", spaceKeys, "00:00:00"}, {"enter", enterKeys, "12:00:59"}};

  SeenPairs seen;
  for (const Walk& w : walks) {
    for (int section = 1; section <= 9; ++section) {
      for (int item = 1; item <= 9; ++item) {
        std::string start = std::to_string(section) + " Enter " + std::to_string(item) + " Enter ";
        std::string page =
            std::to_string(section) + "-" + std::to_string(item) + " " + w.name + " at " + w.clock;
        walk(id, start + w.keys, w.clock, 0, page, seen);
      }
    }
  }
  walk(id, "", "00:00:00", 1, "error screen", seen);

  std::printf("text ground  contrast  size   texts  first seen (small: first small text)\n");
  for (const auto& [pair, s] : seen) {
    auto [textColor, ground] = pair;
    bool small = !s.smallWhere.empty();
    const std::string& where = small ? s.smallWhere : s.where;
    double ratio = contrastRatio(paletteRgb(textColor), paletteRgb(ground));
    std::printf("%4d %6d  %6.2f:1  %-5s  %5ld  %s\n", textColor, ground, ratio,
                small ? "small" : "large", s.count, where.c_str());
    EXPECT_GE(ratio, figureFor(textColor, ground, small))
        << "colour " << textColor << " on colour " << ground << ", "
        << (small ? "small text first " : "first ") << where;
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, TextContrast, ::testing::ValuesIn(programIds()),
                         [](const auto& param) { return param.param; });

}  // namespace
}  // namespace lesson
