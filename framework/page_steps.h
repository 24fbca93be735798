// The steps a lesson page is made of, named once for every unit: start a page,
// flow its text pieces, reveal its steps one key at a time. A page is its
// table of pieces and figures fed to these; where two pages differ, the
// difference is in the table.
//
//   startPage(*this, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30});
//   revealSteps(*this, {
//       {nullptr, {newLine(3, 0, U"y=2xのグラフ"), same(0, U"をかこう。")}},
//       {[this] { drawPlane(kPlane); }, {}},
//       {[this] { plotLine({2, 0, 3, U"y=2x"}); }, {newLine(5, 60, U"原点を通る直線")}, false},
//   });
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "framework/lesson.h"

namespace lesson {

// ---- Text placement ---------------------------------------------------------

// A piece of a page's text flow (Lesson::flowText): {color, where, dy, text,
// xOffset}, where is kMargin (the body margin, textMarginX), kEnd (after the
// previous piece, textEndX) or kLabel (the labels' x, itemLabelX).
using Flow = Lesson::FlowPiece;
inline constexpr Flow::Where kMargin = Flow::Margin;
inline constexpr Flow::Where kEnd = Flow::End;
inline constexpr Flow::Where kLabel = Flow::Label;

// A new line dy below the current one at the body margin, moved right by dx
// (left when negative).
inline Flow newLine(float color, float dy, const Text& text, float dx = 0) {
  return {color, kMargin, dy, text, dx};
}
// On the current line after the previous piece, `gap` pixels further right.
inline Flow same(float color, const Text& text, float gap = 0) {
  return {color, kEnd, 0, text, gap};
}
// A new line dy below the current one at the labels' x.
inline Flow labelLine(float color, float dy, const Text& text) {
  return {color, kLabel, dy, text};
}

// ---- Starting a page ----------------------------------------------------------

// How a page starts: the rectangle from (0,0) it erases first (the whole
// window unless it says otherwise; 0 wide erases nothing), then the labels' x
// (itemLabelX), the body margin (textMarginX), the first line (textLineY) and
// the pen width it sets. A setting left out keeps the value in force.
struct PageStart {
  float width = 1760, height = 1800;
  std::optional<float> labelX = std::nullopt;
  std::optional<float> marginX = std::nullopt;
  std::optional<float> firstLine = std::nullopt;
  std::optional<float> penWidth = std::nullopt;
};
void startPage(Lesson& page, const PageStart& start);

// One heading tag: a text box `gap` px after the previous tag's right edge,
// width x height, its text in `color` with its border and fill colours.
struct HeadingTag {
  float gap;
  Text text;
  float width, height;
  float color, border, fill;
};
// The tags in a row on the current line (textLineY), the first `gap` px right
// of x; afterwards the line position stands at the last tag's right edge and
// top.
void drawHeadingTags(Lesson& page, float x, const std::vector<HeadingTag>& tags);

// ---- Revealing steps one key at a time --------------------------------------

// Where the key waits of a reveal go: after each step, or between two steps
// (the last step ends the reveal without one: what follows, often the
// section's sub-menu, comes at once).
enum class KeyWait { AfterEach, Between };

// Draws each step with `draw`, in order, with the key waits `wait` asks for.
template <class StepData, class Draw>
void revealEach(Lesson& page, const std::vector<StepData>& steps, KeyWait wait, Draw draw) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (wait == KeyWait::Between && i > 0) page.waitKeyPrompt();
    draw(steps[i]);
    if (wait == KeyWait::AfterEach) page.waitKeyPrompt();
  }
}

// A stretch of text: the pieces one key reveals.
using Stretch = std::vector<Flow>;

// The pieces flowed, then a key wait: one stretch of text shown.
void flowThenWait(Lesson& page, const Stretch& pieces);

// Stretches of text flowed one key at a time.
void revealStretches(Lesson& page, const std::vector<Stretch>& stretches, KeyWait wait);

// One step of a page: its figure (none when empty), then its text, then a key
// wait unless keyAfter is false.
struct Step {
  std::function<void()> figure;
  std::vector<Flow> text;
  bool keyAfter = true;
};
void revealSteps(Lesson& page, const std::vector<Step>& steps);

}  // namespace lesson
