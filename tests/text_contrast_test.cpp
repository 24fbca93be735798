// The ground a text is drawn on, read from the rendered pixels under its cell
// just before it is drawn.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/text_grounds.h"

namespace lesson {
namespace {

using testing::forEachTextOnGround;
using testing::TextOnGround;

DrawOp fill(float x1, float y1, float x2, float y2, int color) {
  DrawOp op;
  op.kind = DrawOp::Kind::Fill;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.color = op.fill = color;
  return op;
}

DrawOp text(float x, float y, const std::u32string& t, int color) {
  DrawOp op;
  op.kind = DrawOp::Kind::Symbol;
  op.x1 = x, op.y1 = y;
  op.text = t;
  op.face = U"ｺﾞｼｯｸ";
  op.color = color;
  op.bold = true;
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

}  // namespace
}  // namespace lesson
