// The display list keeps only what can still show, however long a program
// runs, and a picture kept up to date from it shows what rendering the list
// afresh shows, whenever keys arrive against the blinking dot.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/headless_run.h"
#include "framework/platform/canvas.h"
#include "framework/platform/canvas_picture.h"
#include "framework/platform/dot_runs.h"
#include "programs/catalogue.h"
#include "support/draw_ops.h"
#include "support/image.h"
#include "support/test_lesson.h"

namespace lesson {
namespace {

using namespace testing::ops;
using testing::Image;

// The canvas rendered afresh as a window of width x height shows it.
std::vector<std::uint32_t> freshPicture(const Canvas& canvas, int width, int height) {
  Image surface(width, height);
  CanvasPicture picture;
  picture.attach(surface.get());
  picture.renderWhole(canvas);
  return surface.pixels();
}

// How many pixels differ, for messages.
long differing(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  long n = 0;
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
    n += a[i] != b[i];
  }
  return n;
}

// A program run headless under a key script; the events stay with it.
struct ProgramOnTest {
  ProgramOnTest(const std::string& program, const std::string& script, const std::string& clock)
      : platform(testing::LessonFixture::keys(script), clock),
        lesson(makeProgram(program, platform)) {}
  int run() { return runHeadless(*lesson, platform); }

  HeadlessPlatform platform;
  std::unique_ptr<Lesson> lesson;
};

std::string repeated(const std::string& keys, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += " " + keys;
  return out;
}

TEST(CanvasList, AnOpaqueFillDropsWhatLiesWhollyUnderIt) {
  const DrawOp erase = fillBox(50, 50, 400, 300, 15, 15);
  const DrawOp clear = cls();
  const struct Case {
    const char* what;
    DrawOp op;
    DrawOp cover;
    bool dropped;
  } cases[] = {
      {"text inside", text(100, 100, U"あ2", U"ゴシック", 16, 3, 3), erase, true},
      // Its rough extent (an em round the cell) crosses the edge; its glyphs do not.
      {"text near the edge", text(56, 60, U"あ", U"ゴシック", 16, 3, 3), erase, true},
      {"text across the edge", text(30, 100, U"あ", U"ゴシック", 16, 3, 3), erase, false},
      {"italic letter inside", text(300, 200, U"x", U"Times New Roman", 8, 10, 7, true, true),
       erase, true},
      {"line inside", line(100, 100, 300, 200, 0, 3), erase, true},
      {"line with its pen across the edge", line(100, 100, 399, 200, 0, 3), erase, false},
      {"box with the erase's own corners", box(50, 50, 400, 300, 0, 3), erase, true},
      {"dot inside", circle(200, 200, 1, 0, 4, true), erase, true},
      {"circle across the edge", circle(390, 200, 20, 0, 3), erase, false},
      {"a box without fill hides nothing", text(100, 100, U"あ"), box(50, 50, 400, 300, 15, 3),
       false},
      {"a fill hides nothing outside it", line(500, 500, 600, 600, 0, 3), erase, false},
      {"a clear hides everything", line(-50, 10, 2000, 800, 0, 9), clear, true},
      {"a fill over the whole canvas too", text(1400, 880, U"あ", U"ゴシック", 16, 3, 3),
       fillBox(0, 0, 1760, 1800, 15, 15), true},
  };
  for (const Case& c : cases) {
    Canvas canvas;
    Canvas everything(Canvas::Keeping::UnderFills);
    for (Canvas* list : {&canvas, &everything}) {
      list->add(fillBox(20, 20, 1000, 800, 15, 3));  // a coloured ground under both
      list->add(c.op);
      list->add(c.cover);
      list->add(text(420, 320, U"後"));  // drawn after the cover: kept
    }
    // The clears hide the ground as well.
    bool groundHidden = c.cover.kind == DrawOp::Kind::Cls || c.cover.x2 > 1000;
    EXPECT_EQ(canvas.ops().size(), 4u - c.dropped - groundHidden) << c.what;
    EXPECT_EQ(canvas.ops().back().text, U"後") << c.what;
    // Dropping changes no pixel.
    EXPECT_EQ(differing(freshPicture(canvas, 1440, 900), freshPicture(everything, 1440, 900)), 0)
        << c.what;
  }
}

// A curve of 11 dots of colour 0, 0.1 apart from x 100 to 101 at y 100, and a
// dot of colour 3 drawn exactly over its last dot, which takes that dot's
// place: the curve keeps ten dots, from 100 to 100.9. Each dot can paint 4.5
// round its centre (radius 1, pen 5, a pixel).
std::vector<DrawOp> curveEndingUnderAnotherDot() {
  std::vector<DrawOp> ops;
  for (int i = 0; i <= 10; ++i) {
    ops.push_back(circle(100 + static_cast<float>(i) * 0.1f, 100, 1, 0, 5, true));
  }
  ops.push_back(circle(ops.back().x1, 100, 1, 3, 5, true));
  return ops;
}

TEST(CanvasList, AnEraseOverEveryDotOfACurveDropsIt) {
  const struct Case {
    const char* what;
    float fillRight;
    std::size_t curveDotsLeft;  // 0: the curve leaves the list
    bool otherDotLeft;
  } cases[] = {
      // The curve's reach still takes in the dot the other one took over.
      {"every dot left but not the reach of the one taken over", 105.45f, 0, true},
      {"just over the curve's whole reach", 105.55f, 0, false},
      // Drawn through its first five dots, the rest would not look as it did.
      {"only the first five dots: the curve stays whole", 104.95f, 10, true},
  };
  for (const Case& c : cases) {
    Canvas canvas;
    Canvas everything(Canvas::Keeping::UnderFills);
    for (Canvas* list : {&canvas, &everything}) {
      for (const DrawOp& op : curveEndingUnderAnotherDot()) list->add(op);
      list->add(fillBox(90, 90, c.fillRight, 110, 15, 15));
    }
    std::size_t curves = 0, curveDots = 0, otherDots = 0;
    for (const DrawOp& op : canvas.ops()) {
      if (!isDot(op)) continue;
      EXPECT_FALSE(op.points.empty()) << c.what << ": a dot operation without dots";
      if (op.color == 0) {
        ++curves;
        curveDots += op.points.size();
        // A curve begins at its first dot.
        if (!op.points.empty()) {
          EXPECT_EQ(op.x1, op.points.front().x) << c.what;
        }
      }
      otherDots += op.color == 3;
    }
    EXPECT_EQ(curves, c.curveDotsLeft > 0 ? 1u : 0u) << c.what;
    EXPECT_EQ(curveDots, c.curveDotsLeft) << c.what;
    EXPECT_EQ(otherDots, c.otherDotLeft ? 1u : 0u) << c.what;
    EXPECT_EQ(differing(freshPicture(canvas, 1440, 900), freshPicture(everything, 1440, 900)), 0)
        << c.what;
  }
}

// Pages that draw and erase a great deal: the three practice loops, the tank's
// animation, a menu number typed and cleared.
const struct PageRun {
  const char* program;
  std::string keys;
} kBusyPages[] = {
    {"merrowin", "3 Enter 1 Enter" + repeated("2 Enter", 8)},
    {"corbisk", "7 Enter 5 Enter" + repeated("2 Enter", 8)},
    {"tessarin", "4 Enter 3 Enter" + repeated("2 Enter", 8)},
    {"corbisk", "2 Enter 2 Enter" + repeated("Space", 6)},
    {"tessarin", "6 Enter 2 Enter" + repeated("Space", 8)},
    {"merrowin", "1 2 Clear 4 Enter 2 Enter" + repeated("Space 1 Enter", 6)},
    // Runs of dots with texts between them, the texts later erased.
    {"corbisk", "5 Enter 3 Enter" + repeated("Enter", 40)},
    {"tessarin", "7 Enter 4 Enter" + repeated("Enter", 40)},
};

TEST(CanvasList, WhatIsDroppedFromRealPagesNeverShows) {
  for (const PageRun& page : kBusyPages) {
    ProgramOnTest run(page.program, page.keys, "07:31:05");
    // The platform's own list drops; this one keeps all but the replaced dots.
    Canvas everything(Canvas::Keeping::UnderFills);
    std::size_t seen = 0;
    auto catchUp = [&] {
      for (; seen < run.platform.events().size(); ++seen) {
        const HeadlessPlatform::Event& e = run.platform.events()[seen];
        if (e.kind == HeadlessPlatform::Event::Kind::Draw) everything.add(e.op);
      }
    };
    // Compared at every third wait and at the end.
    run.platform.onHandOver = [&](int n) {
      if (n % 3 != 0) return;
      catchUp();
      EXPECT_EQ(differing(freshPicture(run.platform.canvas(), 1440, 900),
                          freshPicture(everything, 1440, 900)),
                0)
          << page.program << " " << page.keys << " at key " << n;
    };
    run.run();
    catchUp();
    EXPECT_LT(run.platform.canvas().ops().size(), everything.ops().size()) << page.program;
    EXPECT_EQ(differing(freshPicture(run.platform.canvas(), 1440, 900),
                        freshPicture(everything, 1440, 900)),
              0)
        << page.program << " " << page.keys << " at the end";
  }
}

// What the list holds: its operations, each dot of a curve counted.
std::size_t held(const Canvas& canvas) {
  std::size_t n = 0;
  for (const DrawOp& op : canvas.ops()) n += isDot(op) ? op.points.size() : 1;
  return n;
}

TEST(CanvasList, ALongPracticeKeepsTheListAsLongAsItsPage) {
  // A new random example each time: the pupil answers 2 ("again"), and any
  // key wait on the way takes the 2 or the Enter.
  const struct {
    const char* program;
    const char* choose;
  } loops[] = {{"merrowin", "3 Enter 1 Enter"},
               {"corbisk", "7 Enter 5 Enter"},
               {"tessarin", "4 Enter 3 Enter"}};
  constexpr int kExamples = 80;
  for (const auto& loop : loops) {
    ProgramOnTest run(loop.program, loop.choose + repeated("2 Enter", kExamples), "12:00:59");
    std::vector<std::size_t> sizes;
    run.platform.onHandOver = [&](int) { sizes.push_back(held(run.platform.canvas())); };
    run.run();
    ASSERT_GT(sizes.size(), 40u) << loop.program;
    std::size_t early = *std::max_element(sizes.begin(), sizes.begin() + 30);
    std::size_t late = *std::max_element(sizes.end() - 30, sizes.end());
    std::size_t drawn = 0;
    for (const auto& e : run.platform.events()) {
      drawn += e.kind == HeadlessPlatform::Event::Kind::Draw;
    }
    // Examples differ (a steeper line has more dots), but the list does not
    // grow with them.
    EXPECT_LE(late, 2 * early) << loop.program << ": " << early << " drawings early on, " << late
                               << " after " << kExamples << " examples";
    EXPECT_GT(drawn, 8 * late) << loop.program;
  }
}

// One step of a hand-made sequence: operations to draw, then whether the
// picture is brought up to date.
struct Step {
  std::vector<DrawOp> ops;
  bool update = true;
};

// Dots from..to of a curve, `apart` times as close as plotted points (a
// tenth: as close as the lessons plot lines).
std::vector<DrawOp> curveDots(int from, int to, int color, float apart = 1) {
  std::vector<DrawOp> dots;
  for (int i = from; i < to; ++i) {
    float t = static_cast<float>(i) * apart;
    dots.push_back(circle(300 + t * 1.3f, 500 - t * 0.9f, 1, color, 4, true));
  }
  return dots;
}

TEST(CanvasPicture, AKeptPictureShowsWhatAFreshRenderShows) {
  const DrawOp dotOn = circle(1064, 656, 4, 5, 2, true), dotOff = circle(1064, 656, 4, 15, 2, true);
  const DrawOp nextOn = circle(1080, 656, 4, 5, 2, true);
  const struct {
    const char* what;
    std::vector<Step> steps;
  } cases[] = {
      {"a digit typed while the dot shows",
       {{{text(1008, 648, U"入力"), dotOn}},
        {{dotOff, text(1056, 648, U"7", U"ゴシック", 16, 1, 1, true), nextOn}}}},
      {"the dot blinking through idles", {{{dotOn}}, {{dotOff}}, {{dotOn}}, {{dotOff}}}},
      {"a curve drawn across pauses", {{curveDots(0, 30, 0)}, {curveDots(30, 60, 0)}}},
      {"a second curve beside the first", {{curveDots(0, 30, 0)}, {curveDots(10, 40, 3)}}},
      {"a line of close dots drawn across pauses",
       {{curveDots(0, 300, 0, 0.1f)}, {curveDots(300, 600, 0, 0.1f)}}},
      {"an erase over the middle of a line shown before",
       {{curveDots(0, 600, 0, 0.1f)}, {{fillBox(330, 440, 360, 480, 15, 15)}}}},
      {"a dot of another colour over a line's last dot",
       {{curveDots(0, 300, 0, 0.1f)}, {curveDots(299, 300, 3, 0.1f)}}},
      {"an erase over every dot of a curve left after another colour took its last",
       {{curveEndingUnderAnotherDot()}, {{fillBox(90, 90, 105.45f, 110, 15, 15)}}}},
      {"an erase over what was shown, then a new page",
       {{{text(100, 100, U"例1", U"ゴシック", 16, 3, 3), line(100, 200, 600, 260, 0, 5)}},
        {{fillBox(0, 54, 1440, 900, 15, 15), text(100, 100, U"例2", U"ゴシック", 16, 3, 3)}}}},
      {"an erase and a redraw between two updates",
       {{{text(300, 300, U"8分0秒", U"ゴシック", 16, 2, 2)}},
        {{fillBox(280, 280, 520, 350, 1, 1), text(300, 300, U"8分1秒", U"ゴシック", 16, 2, 2)},
         false},
        {{fillBox(280, 280, 520, 350, 1, 1), text(300, 300, U"8分2秒", U"ゴシック", 16, 2, 2)}}}},
      {"a clear", {{{line(0, 0, 1440, 900, 0, 5)}}, {{cls()}}}},
  };
  const struct {
    int width, height;
  } sizes[] = {{1440, 900}, {1920, 1080}, {1000, 700}, {1333, 777}};
  for (const auto& c : cases) {
    for (const auto& size : sizes) {
      Canvas canvas;
      Image surface(size.width, size.height);
      CanvasPicture picture;
      picture.attach(surface.get());
      picture.update(canvas);
      int n = 0;
      for (const Step& step : c.steps) {
        ++n;
        for (const DrawOp& op : step.ops) canvas.add(op);
        if (!step.update) continue;
        picture.update(canvas);
        EXPECT_EQ(differing(surface.pixels(), freshPicture(canvas, size.width, size.height)), 0)
            << c.what << " at " << size.width << "x" << size.height << ", step " << n;
      }
    }
  }
}

TEST(CanvasPicture, KeptUpToDateThroughRealRuns) {
  // Brought up to date at every wait and pause, as the window does; compared
  // with a fresh render at every wait.
  const PageRun runs[] = {
      {"corbisk", "1 2 3 4 5 6 7 8"},
      {"merrowin", "3 Enter 1 Enter 1 Enter 2 Enter 1 2 Backspace 1 Enter 2 Enter"},
      {"corbisk", "2 Enter 1 Enter Space Space"},
  };
  for (const PageRun& page : runs) {
    for (auto size : {std::pair{1920, 1080}, std::pair{1000, 700}}) {
      ProgramOnTest run(page.program, page.keys, "07:31:05");
      Image surface(size.first, size.second);
      CanvasPicture picture;
      picture.attach(surface.get());
      // The platform's canvas is the one the picture follows.
      Canvas& canvas = const_cast<Canvas&>(run.platform.canvas());
      run.platform.onPause = [&](int) { picture.update(canvas); };
      run.platform.onHandOver = [&](int n) {
        picture.update(canvas);
        EXPECT_EQ(differing(surface.pixels(), freshPicture(canvas, size.first, size.second)), 0)
            << page.program << " " << page.keys << " at " << size.first << "x" << size.second
            << ", key " << n;
      };
      run.run();
    }
  }
}

}  // namespace
}  // namespace lesson
