// The trace of a headless run, and what of its text is still showing at the end.
//
// The trace is JSON lines: one object per event, in order. Numbers are written
// in their shortest exact decimal form, texts as UTF-8. Drawing operations:
//   {"op":"text","x","y","color","face","size","bold","italic","fx","fy","text"}
//   {"op":"line"|"box","x1","y1","x2","y2","color","width"}
//   {"op":"fill","x1","y1","x2","y2","color","fill","width"}
//   {"op":"circle","x","y","r","color","width","start","end","filled","fill"}
//   {"op":"poly","points":[[x,y],...],"color","width","fill"}
//   {"op":"cls"}
// and the run's events: {"op":"wait"}, {"op":"key","key":TOKEN},
// {"op":"pause","n":N}, {"op":"end"}. A "fill" without a colour is null.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "framework/platform/draw_op.h"
#include "framework/platform/headless_platform.h"

namespace lesson {

// A number in its shortest decimal form that reads back as the same float;
// null when it is not finite (JSON has no such numbers).
std::string traceNumber(float x);

// A JSON string literal of UTF-8 text.
std::string jsonString(const std::string& utf8);

// One event as one JSON object, without the line end.
std::string traceLine(const HeadlessPlatform::Event& event);

// Writes every event, one line each.
void writeTrace(std::ostream& out, const std::vector<HeadlessPlatform::Event>& events);

// The text operations still showing after the last event, in drawing order.
// A text is hidden by a later clear, a later fill over the whole canvas, or a
// later filled box that holds the text's whole cell: from its top-left (x, y),
// size x fx wide per full-width character (half that per half-width one) and
// size x fy high. A box that covers only part of a text leaves it showing.
std::vector<DrawOp> visibleTexts(const std::vector<HeadlessPlatform::Event>& events);

// A visible text as one line of --visible output: "x y color text".
std::string visibleTextLine(const DrawOp& text);

// A line of text as the eye reads it: consecutive text operations in one
// colour, each starting to the right of the one before and less than two
// full-width character widths (2 x size x fx) after it, whose tops stay within
// one character height (size x fy) of the line's first. Formula text draws one
// operation per character, some of them raised or lowered (italic letters,
// exponents), so this joins what one call drew; the parts of a stacked fraction
// go back to the left and come out as lines of their own. Operations that draw
// only blanks keep a line going but add nothing to its text and start none.
struct TextLine {
  float x = 0;  // top-left of the first character
  float y = 0;
  int color = 0;
  std::string text;  // UTF-8
  std::vector<DrawOp> glyphs;
};

std::vector<TextLine> textLines(const std::vector<DrawOp>& texts);

}  // namespace lesson
