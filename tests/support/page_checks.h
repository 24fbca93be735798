// Checks on what a page shows when a run's keys run out: lines of text as the
// pupil reads them (formula signs included) at their places and what waits at
// the foot of the screen; and what a run drew on the way: its key-wait bars
// and its formula rows with their drawn signs.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "framework/platform/draw_op.h"
#include "framework/platform/headless_platform.h"
#include "framework/platform/trace.h"

namespace lesson::testing {

// An x or y of an Anchor that matches any place.
inline constexpr float kAny = -1;

// A formula sign drawn with strokes, read back as the glyph a character in its
// place would be: formula text draws "-" and "+" as level strokes of pen width
// 5, 19 px long from 4 px into the cell ("+" 2 px lower, with an upright 24 px
// high through it), or inside a fraction part 20 px long from 6 px in, the
// upright 20 px high; the upright is drawn right after the level stroke.
// `glyph` stands in the cell (x, y) at the size of the row's glyphs, so it
// joins their line; left, top, right and bottom bound what the strokes paint.
struct DrawnSign {
  DrawOp glyph;
  float left, top, right, bottom;
};

inline std::optional<DrawnSign> signDrawnAt(const std::vector<HeadlessPlatform::Event>& events,
                                            std::size_t i) {
  auto stroke = [&](std::size_t k) -> const DrawOp* {
    if (k >= events.size() || events[k].kind != HeadlessPlatform::Event::Kind::Draw) return nullptr;
    const DrawOp& op = events[k].op;
    return op.kind == DrawOp::Kind::Line && op.width == 5 ? &op : nullptr;
  };
  const DrawOp* level = stroke(i);
  if (!level || level->y1 != level->y2) return std::nullopt;
  const bool fraction = level->x2 - level->x1 == 20;
  if (!fraction && level->x2 - level->x1 != 19) return std::nullopt;
  const float uprightX = level->x1 + (fraction ? 10 : 9), reach = fraction ? 10 : 12;
  const DrawOp* up = stroke(i + 1);
  const bool plus = up && up->color == level->color && up->x1 == uprightX && up->x2 == uprightX &&
                    up->y1 == level->y1 - reach && up->y2 == level->y1 + reach;
  DrawnSign sign;
  DrawOp& g = sign.glyph;
  g.kind = DrawOp::Kind::Symbol;
  g.color = level->color;
  g.text = plus ? U"+" : U"-";
  g.face = U"ゴシック";
  g.x1 = level->x1 - (fraction ? 6 : 4);
  g.y1 = level->y1 - (fraction ? 14 : plus ? 22 : 20);
  g.fx = fraction ? 4 : 3;
  g.fy = fraction ? 2 : 3;
  // Round caps reach half the pen beyond each end.
  sign.left = level->x1 - 2.5f;
  sign.right = level->x2 + 2.5f;
  sign.top = level->y1 - (plus ? reach : 0) - 2.5f;
  sign.bottom = level->y1 + (plus ? reach : 0) + 2.5f;
  return sign;
}

// The text operations showing after the last event (visibleTexts), with every
// formula sign whose strokes no later fill covers read in as its glyph, in
// drawing order.
inline std::vector<DrawOp> pageTexts(const std::vector<HeadlessPlatform::Event>& events) {
  using Event = HeadlessPlatform::Event;
  auto isDraw = [&](std::size_t i, auto test) {
    return events[i].kind == Event::Kind::Draw && test(events[i].op);
  };
  // Nothing drawn before the last clear of the whole canvas shows, and only
  // texts, signs and fills bear on what does: a run that waits many times is
  // read at each wait without copying its curves again and again.
  std::size_t first = events.size();
  while (first > 0 && !isDraw(first - 1, coversWholeCanvas)) --first;
  if (first > 0) --first;
  // Each sign's strokes become its glyph, at the level stroke's place in the
  // drawing order.
  std::vector<Event> read;
  std::vector<std::optional<DrawnSign>> signs;
  for (std::size_t i = first; i < events.size(); ++i) {
    std::optional<DrawnSign> sign = signDrawnAt(events, i);
    if (!sign && !isDraw(i, [](const DrawOp& op) {
          return op.kind == DrawOp::Kind::Symbol || op.kind == DrawOp::Kind::Fill ||
                 coversWholeCanvas(op);
        }))
      continue;
    Event e = events[i];
    if (sign) {
      e.op = sign->glyph;
      if (sign->glyph.text == U"+") ++i;  // its upright
    }
    read.push_back(std::move(e));
    signs.push_back(std::move(sign));
  }
  // A sign whose strokes a later fill holds is gone (visibleTexts leaves out
  // whatever a later clear hides).
  std::vector<bool> erased(read.size(), false);
  std::vector<const DrawOp*> laterFills;
  for (std::size_t k = read.size(); k-- > 0;) {
    if (read[k].op.kind == DrawOp::Kind::Fill) laterFills.push_back(&read[k].op);
    if (!signs[k]) continue;
    const DrawnSign& s = *signs[k];
    erased[k] = std::any_of(laterFills.begin(), laterFills.end(), [&](const DrawOp* f) {
      return std::min(f->x1, f->x2) <= s.left && std::min(f->y1, f->y2) <= s.top &&
             std::max(f->x1, f->x2) >= s.right && std::max(f->y1, f->y2) >= s.bottom;
    });
  }
  std::vector<Event> shown;
  for (std::size_t k = 0; k < read.size(); ++k) {
    if (!erased[k]) shown.push_back(std::move(read[k]));
  }
  return visibleTexts(shown);
}

// The same joined into lines as the pupil reads them (textLines).
inline std::vector<TextLine> pageLines(const std::vector<HeadlessPlatform::Event>& events) {
  return textLines(pageTexts(events));
}

// A line of text expected on the screen: where it stands, its colour and its
// text (or part of it), read as pageLines reads it: formula signs included
// where their strokes show, blanks left out.
struct Anchor {
  float x, y;
  int color;
  std::string text;
};

// How an Anchor is held against the lines showing. By default a line matches
// when it starts at x, one of its glyphs has its top at y (a raised italic
// letter may start a line above its baseline), it has the colour and its text
// holds the anchor's. Called like a function: `showing(lines, anchor)`.
struct LineMatch {
  enum class Text { Holds, StartsWith, Is };

  Text text = Text::Holds;
  // y is the line's own top (its first character's), not any glyph's.
  bool lineTop = false;
  // How far off x and y may be (strictly less than); 0 asks for the very place.
  float xTolerance = 0;
  float yTolerance = 0;

  bool operator()(const std::vector<TextLine>& lines, const Anchor& a) const {
    for (const TextLine& line : lines) {
      bool onY = a.y == kAny;
      if (lineTop) {
        onY |= near(line.y, a.y, yTolerance);
      } else {
        for (const DrawOp& glyph : line.glyphs) onY |= near(glyph.y1, a.y, yTolerance);
      }
      if ((a.x == kAny || near(line.x, a.x, xTolerance)) && onY && line.color == a.color &&
          textMatches(line.text, a.text))
        return true;
    }
    return false;
  }

 private:
  static bool near(float value, float wanted, float tolerance) {
    return tolerance == 0 ? value == wanted : std::fabs(value - wanted) < tolerance;
  }
  bool textMatches(const std::string& shown, const std::string& wanted) const {
    switch (text) {
      case Text::Holds:
        return shown.find(wanted) != std::string::npos;
      case Text::StartsWith:
        return shown.rfind(wanted, 0) == 0;
      case Text::Is:
        return shown == wanted;
    }
    return false;
  }
};

// The default match.
inline constexpr LineMatch showing{};

// A stricter match: the line reads the anchor's text and nothing more, and
// starts within half a pixel of the anchor's place.
inline constexpr LineMatch showsWhole{
    .text = LineMatch::Text::Is, .lineTop = true, .xTolerance = 0.5f, .yTolerance = 0.5f};

// Whether any line showing holds `text`, wherever it stands.
inline bool showsText(const std::vector<TextLine>& lines, const std::string& text) {
  for (const TextLine& line : lines) {
    if (line.text.find(text) != std::string::npos) return true;
  }
  return false;
}

// The lines, one a row: x, y, colour and text, for failure messages.
inline std::string dump(const std::vector<TextLine>& lines) {
  std::string out;
  for (const TextLine& line : lines) {
    out += std::to_string(line.x) + " " + std::to_string(line.y) + " " +
           std::to_string(line.color) + " " + line.text + "\n";
  }
  return out;
}

// That every anchor of `present` shows and none of `absent` does, held against
// the lines by `match` (the file's own match, so it is always given).
inline void expectAnchors(const std::vector<TextLine>& lines, const std::vector<Anchor>& present,
                          const std::vector<Anchor>& absent, const LineMatch& match) {
  for (const Anchor& a : present) {
    EXPECT_TRUE(match(lines, a)) << a.text << " at " << a.x << "," << a.y << "\n" << dump(lines);
  }
  for (const Anchor& a : absent) {
    EXPECT_FALSE(match(lines, a)) << a.text << " at " << a.x << "," << a.y;
  }
}

inline constexpr const char* kKeyWaitText = "何かキーを押して下さい。";
inline constexpr const char* kNextStepText = "次のステップは１を入力。";
inline constexpr const char* kMainMenuPrompt = "番号を入力して下さい。";

// What waits at the foot of the screen when the keys run out.
enum class Foot { KeyWait, NextStep, SubMenu, MainMenu, Unclear };

inline void PrintTo(Foot foot, std::ostream* os) {
  constexpr const char* kNames[] = {"KeyWait", "NextStep", "SubMenu", "MainMenu", "Unclear"};
  *os << kNames[static_cast<int>(foot)];
}

// Which of the key-wait bar, the next-step prompt, a sub-menu line (a line
// starting at (16, 666); with `subMenuStart`, only one whose text starts so)
// and the main menu (its prompt, written twice at one place) shows: Unclear
// unless exactly one does.
inline Foot footOf(const std::vector<TextLine>& lines, const std::string& subMenuStart = "") {
  int keyWait = 0, nextStep = 0, subMenu = 0, mainMenu = 0;
  for (const TextLine& line : lines) {
    keyWait += line.text == kKeyWaitText;
    nextStep += line.text == kNextStepText;
    subMenu += line.x == 16 && line.y == 666 && line.text.rfind(subMenuStart, 0) == 0;
    mainMenu |= line.text == kMainMenuPrompt;
  }
  if (keyWait + nextStep + subMenu + mainMenu != 1) return Foot::Unclear;
  if (keyWait) return Foot::KeyWait;
  if (nextStep) return Foot::NextStep;
  return subMenu ? Foot::SubMenu : Foot::MainMenu;
}

// Key-wait bars drawn among `ops`: each writes its prompt's first character at
// (128, 666) in colour 9.
inline int keyWaitBars(const std::vector<DrawOp>& ops) {
  int n = 0;
  for (const DrawOp& op : ops) {
    n += op.kind == DrawOp::Kind::Symbol && op.x1 == 128 && op.y1 == 666 && op.color == 9;
  }
  return n;
}

// A formula row read back from the drawing, left to right: the characters of
// the glyphs `glyphOnRow` takes (blanks left out) and the hand-drawn signs
// among the level strokes `strokeOnRow` takes: "-", or "+" where an upright
// stroke of the colour crosses it. Only ops in `color` count.
template <class GlyphOnRow, class StrokeOnRow>
std::u32string readFormula(const std::vector<DrawOp>& ops, int color, GlyphOnRow glyphOnRow,
                           StrokeOnRow strokeOnRow) {
  std::vector<std::pair<float, std::u32string>> pieces;
  for (const DrawOp& op : ops) {
    if (op.color != color) continue;
    if (op.kind == DrawOp::Kind::Symbol && glyphOnRow(op)) {
      for (char32_t ch : op.text) {
        if (ch != U' ' && ch != U'　') pieces.push_back({op.x1, std::u32string(1, ch)});
      }
    } else if (op.kind == DrawOp::Kind::Line && op.y1 == op.y2 && strokeOnRow(op)) {
      bool cross = false;
      for (const DrawOp& v : ops) {
        cross |= v.kind == DrawOp::Kind::Line && v.x1 == v.x2 && v.color == color && v.x1 > op.x1 &&
                 v.x1 < op.x2 && v.y1 < op.y1 && v.y2 > op.y1;
      }
      pieces.push_back({op.x1, cross ? U"+" : U"-"});
    }
  }
  std::stable_sort(pieces.begin(), pieces.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::u32string out;
  for (const auto& piece : pieces) out += piece.second;
  return out;
}

}  // namespace lesson::testing
