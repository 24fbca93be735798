// Section 2 pages ① and ② of Corbisk: the water tank's timed animation read
// back frame by frame from the trace (each frame ends in its pause), and the
// finished page as it stays under the sub-menu line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"

namespace lesson {
namespace {

using Event = HeadlessPlatform::Event;

using testing::Anchor;
using testing::CorbiskRun;
using testing::expectAnchors;
using testing::LessonFixture;
using testing::LineMatch;
using testing::spaces;

// A line matches an anchor when it starts at the very place and its text
// starts with the anchor's.
constexpr LineMatch showing{.text = LineMatch::Text::StartsWith, .lineTop = true};

// The drawing of each animation frame: the ops since the previous pause (or,
// for the first frame, since the last key wait before it), closed by a pause.
struct Frame {
  std::vector<DrawOp> ops;
  int pause = 0;
};

std::vector<Frame> animationFrames(const std::vector<Event>& events) {
  std::vector<Frame> frames;
  std::vector<DrawOp> current;
  for (const Event& e : events) {
    if (e.kind == Event::Kind::Wait) current.clear();
    if (e.kind == Event::Kind::Draw) current.push_back(e.op);
    if (e.kind == Event::Kind::Pause) {
      frames.push_back({current, e.n});
      current.clear();
    }
  }
  return frames;
}

// Text drawn in `color` on the line whose top is y, joined in drawing order.
std::string textAt(const std::vector<DrawOp>& ops, float y, int color) {
  Text out;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Symbol && op.y1 == y && op.color == color) out += op.text;
  }
  return toUtf8(out);
}

// The last filled box of the tank's width in this colour.
const DrawOp* lastWaterBox(const std::vector<DrawOp>& ops, int color) {
  const DrawOp* found = nullptr;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Fill && op.x1 == 840 && op.x2 == 1200 && op.color == color &&
        op.fill == color)
      found = &op;
  }
  return found;
}

const DrawOp* streamOf(const std::vector<DrawOp>& ops) {
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Poly) return &op;
  }
  return nullptr;
}

struct TankPageCase {
  const char* page;
  int item;          // sub-menu item
  int keyWaits;      // key waits of the page
  int frames;        // animation frames
  int waterColor;    // colour of the rising water
  float waterBase;   // its bottom edge: the tank's bottom or the 8 cm surface
  float streamFoot;  // y where the stream meets the water
  std::vector<std::pair<int, std::string>> clocks;  // frame number, clock text
  std::string yCells;                               // the y row, left to right
  std::vector<Anchor> anchors;                      // showing at the end
  float lastLevel;                                  // top of the water in the tank's last picture
};

const std::vector<TankPageCase> kCases = {
    {"empty tank",
     1,
     15,
     64,
     3,
     600,
     596,
     {{1, "0分15秒"}, {2, "0分30秒"}, {3, "0分45秒"}, {4, "1分0秒"}, {64, "16分0秒"}},
     "0246810121416",
     {{40, 30, 7, "Q1"},
      {121, 30, 0, "からの水そうに、"},
      {40, 250, 3, "①"},
      {74, 300, 5, "2増える"},
      {74, 410, 5, "2倍,3倍,4倍となる"},
      {40, 470, 3, "③"},
      {930, 340, 5, "8分0秒"},
      {16, 666, 0, "①Ｐ５８　②Ｐ５９"}},
     440},
    {"tank holding 8 cm",
     2,
     14,
     48,
     11,
     520,
     520,
     {{1, "0分15秒"}, {4, "1分0秒"}, {47, "11分45秒"}, {48, "12分0秒"}},
     "81012141618202224",
     {{40, 30, 7, "Q2"},
      {40, 250, 3, "①"},
      {74, 300, 5, "2増える"},
      {40, 360, 3, "②"},
      {16, 666, 0, "①Ｐ５８　②Ｐ５９"}},
     340},
};

TEST(CorbiskTankPages, AnimationFramesAndFinishedPage) {
  for (const TankPageCase& c : kCases) {
    SCOPED_TRACE(c.page);
    const std::string keys = "2 Enter " + std::to_string(c.item) + " Enter" + spaces(c.keyWaits);
    CorbiskRun run(keys);

    // The animation: one pause of 20 after each complete frame.
    const std::vector<Frame> frames = animationFrames(run.events());
    ASSERT_EQ(static_cast<int>(frames.size()), c.frames);
    for (int k = 1; k <= c.frames; ++k) {
      SCOPED_TRACE("frame " + std::to_string(k));
      const Frame& frame = frames[static_cast<std::size_t>(k - 1)];
      EXPECT_EQ(frame.pause, 20);
      // The whole empty inside is repainted before anything else of the tank.
      std::size_t first = 0;
      while (first < frame.ops.size() && frame.ops[first].x1 < 840) ++first;
      ASSERT_LT(first, frame.ops.size());
      const DrawOp& inside = frame.ops[first];
      EXPECT_EQ(inside.kind, DrawOp::Kind::Fill);
      EXPECT_EQ(inside.y1, 600);
      EXPECT_EQ(inside.y2, 280);
      EXPECT_EQ(inside.fill, 1);
      const DrawOp* water = lastWaterBox(frame.ops, c.waterColor);
      ASSERT_NE(water, nullptr);
      EXPECT_EQ(water->y1, c.waterBase);
      EXPECT_EQ(water->y2, c.waterBase - 5.0f * static_cast<float>(k));
      const DrawOp* stream = streamOf(frame.ops);
      ASSERT_NE(stream, nullptr);
      EXPECT_EQ(stream->color, c.waterColor);
      EXPECT_EQ(stream->points.front().y, c.streamFoot);
    }
    for (const auto& [k, clock] : c.clocks) {
      EXPECT_EQ(textAt(frames[static_cast<std::size_t>(k - 1)].ops, 340, 5), clock)
          << "frame " << k;
    }

    // The finished page under the sub-menu line.
    const std::vector<DrawOp> texts = visibleTexts(run.events());
    const std::vector<TextLine> lines = testing::pageLines(run.events());
    expectAnchors(lines, c.anchors, {}, showing);
    std::string cells;
    for (const DrawOp& op : texts) {
      if (op.color == 5 && op.y1 >= 190 && op.y1 < 240 && op.x1 >= 94) cells += toUtf8(op.text);
    }
    EXPECT_EQ(cells, c.yCells);
    const std::vector<DrawOp> draws = run.draws();
    const DrawOp* last = lastWaterBox(draws, c.waterColor);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->y2, c.lastLevel);
  }
}

// A key pressed while the tank fills stays pending: the key wait that follows
// the animation takes it at once, without waiting.
TEST(CorbiskTankPages, KeyPressedDuringTheAnimationStaysPending) {
  HeadlessPlatform platform(LessonFixture::keys("2 Enter 1 Enter" + spaces(5)));
  CorbiskUnit unit(platform, "Corbisk");
  platform.onPause = [&](int n) {
    if (n == 10) platform.pressKey({U' ', "Space"});
  };
  runHeadless(unit, platform);
  const auto& events = platform.events();
  std::size_t lastPause = 0;
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (events[i].kind == HeadlessPlatform::Event::Kind::Pause) lastPause = i;
  }
  ASSERT_GT(lastPause, 0u);
  // After the animation: the key-wait bar is drawn and erased before any wait.
  bool barErased = false;
  for (std::size_t i = lastPause + 1; i < events.size(); ++i) {
    const auto& e = events[i];
    if (e.kind == HeadlessPlatform::Event::Kind::Wait) break;
    if (e.kind == HeadlessPlatform::Event::Kind::Draw && e.op.kind == DrawOp::Kind::Fill &&
        e.op.x1 == 0 && e.op.y1 == 657 && e.op.x2 == 400 && e.op.y2 == 693) {
      barErased = true;
    }
  }
  EXPECT_TRUE(barErased);
}

// The page waits for every one of its keys: one key short, the closing answer
// is not drawn yet; with all of them the sub-menu line is drawn under it.
TEST(CorbiskTankPages, ClosingAnswerComesWithTheLastKey) {
  struct Case {
    int item, keyWaits;
    Anchor answer;
  } cases[] = {
      {1, 15, {74, 520, 5, "y=2"}},
      {2, 14, {74, 410, 5, "y=2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    const std::string head = "2 Enter " + std::to_string(c.item) + " Enter";
    EXPECT_FALSE(showing(CorbiskRun(head + spaces(c.keyWaits - 1)).lines(), c.answer));
    EXPECT_TRUE(showing(CorbiskRun(head + spaces(c.keyWaits)).lines(), c.answer));
  }
}

// Page ②'s closing figure: the whole height marked inside the tank, the 8 cm
// and the 2x cm outside it, all three along the left wall; the clock at x.
TEST(CorbiskTankPages, PrefilledPageArcsLieOnBothSidesOfTheWall) {
  CorbiskRun run("2 Enter 2 Enter" + spaces(14));
  const std::vector<TextLine> lines = run.lines();
  const auto lineWith = [&](const std::string& text) -> const TextLine* {
    for (const TextLine& line : lines) {
      if (line.text == text && line.y > 280) return &line;
    }
    return nullptr;
  };
  const TextLine* whole = lineWith("ycm");
  const TextLine* base = lineWith("8cm");
  const TextLine* added = lineWith("2xcm");
  ASSERT_NE(whole, nullptr);
  ASSERT_NE(base, nullptr);
  ASSERT_NE(added, nullptr);
  EXPECT_GT(whole->x, 840);
  EXPECT_LT(base->x + 40, 840);
  EXPECT_LT(added->x + 40, 840);
  EXPECT_GT(base->y, added->y);
  EXPECT_EQ(whole->color, 5);
  EXPECT_EQ(base->color, 3);

  // The arc dots: colour 5 right of the wall, colour 3 left of it.
  int inside = 0, outside = 0, wrongSide = 0;
  for (const Event& e : run.events()) {
    if (e.kind != Event::Kind::Draw || e.op.kind != DrawOp::Kind::Circle || e.op.radius != 0.5f)
      continue;
    // The ends lie on the wall, give or take the float error of the ellipse.
    if (e.op.color == 5) (e.op.x1 > 839.5f ? inside : wrongSide) += 1;
    if (e.op.color == 3) (e.op.x1 < 840.5f ? outside : wrongSide) += 1;
  }
  EXPECT_GT(inside, 0);
  EXPECT_GT(outside, 0);
  EXPECT_EQ(wrongSide, 0);
}

}  // namespace
}  // namespace lesson
