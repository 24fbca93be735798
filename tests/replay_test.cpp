// The replay tool: its trace, the texts left showing, and the four programs'
// menus driven through it as a subprocess.
#include "support/replay.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "framework/headless_run.h"
#include "framework/platform/trace.h"
#include "support/test_lesson.h"

namespace lesson {
namespace {

using Event = HeadlessPlatform::Event;
using testing::Json;
using testing::replay;
using testing::runTool;

DrawOp text(float x, float y, const char32_t* s, int color = 0, float size = 16, float fx = 1,
            float fy = 1) {
  DrawOp op;
  op.kind = DrawOp::Kind::Symbol;
  op.x1 = x, op.y1 = y;
  op.text = s;
  op.color = color;
  op.size = size, op.fx = fx, op.fy = fy;
  return op;
}

DrawOp fill(float x1, float y1, float x2, float y2) {
  DrawOp op;
  op.kind = DrawOp::Kind::Fill;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.color = 15, op.fill = 15;
  return op;
}

Event draw(DrawOp op) {
  return {Event::Kind::Draw, std::move(op), {}, 0};
}

// ---- The trace format ----------------------------------------------------

TEST(Trace, OneJsonObjectPerEvent) {
  DrawOp prompt = text(816, 648, U"番");
  prompt.face = U"ｺﾞｼｯｸ";
  prompt.bold = true;
  DrawOp italic = text(1.0f / 3, -0.5f, U"x", 5, 8, 10, 7);
  italic.face = U"Times New Roman";
  italic.italic = true;
  DrawOp awkward = text(0.1f, 1e10f, U"\"\\\n\x01é", 0);
  DrawOp line;
  line.kind = DrawOp::Kind::Line;
  line.x1 = 1, line.y1 = 2.5f, line.x2 = -3, line.y2 = 4;
  line.color = 7, line.width = 5;
  DrawOp box = line;
  box.kind = DrawOp::Kind::Box;
  DrawOp panel = fill(22, 10, 1342, 610);
  panel.fill = 10;
  panel.width = 3;
  DrawOp dot;
  dot.kind = DrawOp::Kind::Circle;
  dot.x1 = 1064, dot.y1 = 656, dot.radius = 4, dot.color = 5, dot.width = 3;
  dot.filled = true, dot.fill = 5;
  DrawOp arc = dot;
  arc.filled = false, arc.fill = -1;
  arc.arcStart = 0.25f, arc.arcEnd = 0.5f;
  DrawOp poly;
  poly.kind = DrawOp::Kind::Poly;
  poly.points = {{4, 36}, {8.5f, 24}};
  poly.color = 3, poly.width = 3;
  DrawOp filledPoly = poly;
  filledPoly.fill = 12;
  filledPoly.points.clear();
  DrawOp cls;
  cls.kind = DrawOp::Kind::Cls;

  struct Case {
    Event event;
    const char* json;
  } cases[] = {
      {draw(prompt),
       R"({"op":"text","x":816,"y":648,"color":0,"face":"ｺﾞｼｯｸ","size":16,"bold":true,)"
       R"("italic":false,"fx":1,"fy":1,"text":"番"})"},
      {draw(italic),
       R"({"op":"text","x":0.33333334,"y":-0.5,"color":5,"face":"Times New Roman","size":8,)"
       R"("bold":false,"italic":true,"fx":10,"fy":7,"text":"x"})"},
      {draw(awkward),
       R"({"op":"text","x":0.1,"y":1e+10,"color":0,"face":"","size":16,"bold":false,)"
       R"("italic":false,"fx":1,"fy":1,"text":"\"\\\n\u0001é"})"},
      {draw(line), R"({"op":"line","x1":1,"y1":2.5,"x2":-3,"y2":4,"color":7,"width":5})"},
      {draw(box), R"({"op":"box","x1":1,"y1":2.5,"x2":-3,"y2":4,"color":7,"width":5})"},
      {draw(panel),
       R"({"op":"fill","x1":22,"y1":10,"x2":1342,"y2":610,"color":15,"fill":10,"width":3})"},
      {draw(dot), R"({"op":"circle","x":1064,"y":656,"r":4,"color":5,"width":3,"start":0,"end":0,)"
                  R"("filled":true,"fill":5})"},
      {draw(arc),
       R"({"op":"circle","x":1064,"y":656,"r":4,"color":5,"width":3,"start":0.25,"end":0.5,)"
       R"("filled":false,"fill":null})"},
      {draw(poly), R"({"op":"poly","points":[[4,36],[8.5,24]],"color":3,"width":3,"fill":null})"},
      {draw(filledPoly), R"({"op":"poly","points":[],"color":3,"width":3,"fill":12})"},
      {draw(cls), R"({"op":"cls"})"},
      {{Event::Kind::Wait, {}, {}, 0}, R"({"op":"wait"})"},
      {{Event::Kind::Key, {}, "Enter", 0}, R"({"op":"key","key":"Enter"})"},
      {{Event::Kind::Key, {}, "\"", 0}, R"({"op":"key","key":"\""})"},
      {{Event::Kind::Pause, {}, {}, 25}, R"({"op":"pause","n":25})"},
      {{Event::Kind::End, {}, {}, 0}, R"({"op":"end"})"},
  };
  for (const Case& c : cases) {
    std::string json = traceLine(c.event);
    EXPECT_EQ(json, c.json);
    EXPECT_NO_THROW(testing::parseJson(json)) << json;
  }
}

TEST(Trace, NumbersAreShortestAndReadBackExactly) {
  const float values[] = {0.0f,
                          -0.0f,
                          1.0f,
                          16.0f,
                          0.1f,
                          1.0f / 3,
                          -2.5f,
                          1e-7f,
                          3e38f,
                          1e-40f,
                          16777217.0f,
                          123456.79f,
                          std::numeric_limits<float>::max(),
                          std::numeric_limits<float>::denorm_min()};
  for (float v : values) {
    std::string s = traceNumber(v);
    float back = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), back);
    EXPECT_EQ(r.ptr, s.data() + s.size()) << s;
    EXPECT_EQ(back, v) << s;
    EXPECT_EQ(std::signbit(back), std::signbit(v)) << s;
  }
  EXPECT_EQ(traceNumber(0.1f), "0.1");
  EXPECT_EQ(traceNumber(648), "648");
  EXPECT_EQ(traceNumber(std::numeric_limits<float>::infinity()), "null");
  EXPECT_EQ(traceNumber(std::numeric_limits<float>::quiet_NaN()), "null");
}

// ---- What is left showing -----------------------------------------------

TEST(VisibleTexts, LaterFillsAndClearsHideTexts) {
  // "AB" at (100, 100), 16 px: its cell is (100, 100) to (116, 116).
  DrawOp ab = text(100, 100, U"AB");
  DrawOp cls;
  cls.kind = DrawOp::Kind::Cls;
  DrawOp outline = fill(0, 0, 200, 200);
  outline.kind = DrawOp::Kind::Box;
  struct Case {
    const char* what;
    std::vector<Event> events;
    bool shown;
  } cases[] = {
      {"alone", {draw(ab)}, true},
      {"a later box holding the cell", {draw(ab), draw(fill(100, 100, 116, 116))}, false},
      {"corners given the other way round", {draw(ab), draw(fill(116, 116, 100, 100))}, false},
      {"a box over the top-left only", {draw(ab), draw(fill(90, 90, 110, 110))}, true},
      {"a box just short of the right edge", {draw(ab), draw(fill(100, 100, 115, 116))}, true},
      {"a box drawn before", {draw(fill(0, 0, 200, 200)), draw(ab)}, true},
      {"a later outline", {draw(ab), draw(outline)}, true},
      {"a later clear", {draw(ab), draw(cls)}, false},
      {"a later whole-window erase", {draw(ab), draw(fill(0, 0, 1760, 1800))}, false},
      {"drawn again after a clear", {draw(ab), draw(cls), draw(ab)}, true},
      {"keys and waits between", {draw(ab), {Event::Kind::Wait, {}, {}, 0}}, true},
  };
  for (const Case& c : cases) {
    auto shown = visibleTexts(c.events);
    EXPECT_EQ(!shown.empty(), c.shown) << c.what;
  }
  // A double-byte character takes a whole cell: 16 px for one at size 16.
  EXPECT_TRUE(visibleTexts({draw(text(100, 100, U"番号")), draw(fill(100, 100, 131, 116))}).size());
  EXPECT_TRUE(
      visibleTexts({draw(text(100, 100, U"番号")), draw(fill(100, 100, 132, 116))}).empty());
  // Magnified text takes a magnified cell.
  EXPECT_TRUE(
      visibleTexts({draw(text(44, 120, U"1", 13, 16, 3, 3)), draw(fill(44, 120, 67, 168))}).size());
  EXPECT_TRUE(visibleTexts({draw(text(44, 120, U"1", 13, 16, 3, 3)), draw(fill(44, 120, 68, 168))})
                  .empty());
}

TEST(TextLines, JoinWhatOneCallDrew) {
  struct Line {
    float x, y;
    int color;
    const char* text;
  };
  struct Case {
    const char* what;
    std::vector<DrawOp> ops;
    std::vector<Line> lines;
  } cases[] = {
      {"prompt cells",
       {text(816, 648, U"番"), text(832, 648, U"号"), text(848, 648, U"を")},
       {{816, 648, 0, "番号を"}}},
      {"a raised half-width character stays in the line",
       {text(0, 10, U"χ"), text(16, 6, U"2")},
       {{0, 10, 0, "χ2"}}},
      {"a gap of two cells starts a new line",
       {text(944, 648, U"さ"), text(960, 648, U"い"), text(976, 648, U"。"), text(1008, 648, U"入"),
        text(1024, 648, U"力")},
       {{944, 648, 0, "さい。"}, {1008, 648, 0, "入力"}}},
      {"going back to the left starts a new line",
       {text(816, 648, U"番"), text(832, 648, U"号"), text(816, 648, U"番")},
       {{816, 648, 0, "番号"}, {816, 648, 0, "番"}}},
      {"another colour starts a new line",
       {text(0, 0, U"a"), text(16, 0, U"b", 5)},
       {{0, 0, 0, "a"}, {16, 0, 5, "b"}}},
      {"another row starts a new line",
       {text(0, 0, U"a"), text(16, 16, U"b")},
       {{0, 0, 0, "a"}, {16, 16, 0, "b"}}},
      {"blanks keep a line going but add nothing",
       {text(0, 0, U"a"), text(16, 0, U""), text(32, 0, U" "), text(48, 0, U"b")},
       {{0, 0, 0, "ab"}}},
      {"blanks start no line",
       {text(0, 0, U" "), text(16, 0, U"9"), text(32, 0, U"　")},
       {{16, 0, 0, "9　"}}},
      {"formula glyphs: an italic letter drawn higher and wider joins",
       {text(44, 180, U"2", 15, 16, 3, 3), text(71, 180, U"　", 15, 16, 2, 3),
        text(109, 158, U"x", 15, 8, 10, 7), text(136, 180, U"=", 15, 14, 3, 3)},
       {{44, 180, 15, "2　x="}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto lines = textLines(c.ops);
    ASSERT_EQ(lines.size(), c.lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].x, c.lines[i].x);
      EXPECT_EQ(lines[i].y, c.lines[i].y);
      EXPECT_EQ(lines[i].color, c.lines[i].color);
      EXPECT_EQ(lines[i].text, c.lines[i].text);
    }
  }
}

// Menu items drawn by the formula renderer read back as one line each, first
// glyph at the pen; a leading blank draws nothing and moves the pen one glyph.
TEST(TextLines, MenuItemsDrawnByTheRendererReadAsOneLine) {
  struct Case {
    const char32_t* markup;
    const char* line;
    float x;
  } cases[] = {
      {U"1　関数の振り返り", "1　関数の振り返り", 44},
      {U"2　1点と傾き(切片)から", "2　1点と傾き(切片)から", 44},
      {U"2　y=k,x=hのグラフ", "2　y=k,x=hのグラフ", 44},
      {U"4　表・式・グラフ", "4　表・式・グラフ", 44},
      {U"7　P90 学びをたしかめよう", "7　P90学びをたしかめよう", 44},
      {U" 9　終了", "9　終了", 71},
      {U"＜Pollvane　メニュー＞", "＜Pollvane　メニュー＞", 44},
      {U"＜Tessarin　メニュー＞", "＜Tessarin　メニュー＞", 44},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    testing::LessonFixture fx;
    fx.clear();
    fx.lesson.textColor = 13;
    fx.lesson.penX = 44;
    fx.lesson.penY = 120;
    fx.lesson.mathText = c.markup;
    fx.lesson.drawMathText();
    auto lines = textLines(visibleTexts(fx.platform.events()));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, c.line);
    EXPECT_EQ(lines[0].x, c.x);
    EXPECT_EQ(lines[0].y, 120);
    EXPECT_EQ(lines[0].color, 13);
  }
}

// ---- Formula signs read from their strokes ----------------------------------

DrawOp stroke(float x1, float y1, float x2, float y2, int width) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.width = width;
  return op;
}

// Strokes in the cell at (100, 100) before a formula digit in the next cell:
// only the sign strokes formula text draws read as signs, and only while no
// later fill covers them.
TEST(PageLines, OnlySignStrokesThatShowReadAsSigns) {
  const Event digit = draw(text(127, 100, U"7", 0, 16, 3, 3));
  const Event minus = draw(stroke(104, 120, 123, 120, 5));
  const Event plusBar = draw(stroke(104, 122, 123, 122, 5));
  const Event plusUpright = draw(stroke(113, 110, 113, 134, 5));
  const Event partMinus = draw(stroke(106, 114, 126, 114, 5));
  const Event partUpright = draw(stroke(116, 104, 116, 124, 5));
  DrawOp clear;
  clear.kind = DrawOp::Kind::Cls;
  struct Case {
    const char* what;
    std::vector<Event> events;
    float x;
    const char* line;
  } cases[] = {
      {"a minus", {minus, digit}, 100, "-7"},
      {"a plus: its upright drawn next", {plusBar, plusUpright, digit}, 100, "+7"},
      {"a minus in a fraction part", {partMinus, digit}, 100, "-7"},
      {"a plus in a fraction part", {partMinus, partUpright, digit}, 100, "+7"},
      {"a fraction bar", {draw(stroke(106, 114, 126, 114, 4)), digit}, 127, "7"},
      {"a root bar", {draw(stroke(104, 96, 123, 96, 3)), digit}, 127, "7"},
      {"a longer level line", {draw(stroke(104, 120, 133, 120, 5)), digit}, 127, "7"},
      {"a slanting line", {draw(stroke(104, 120, 123, 125, 5)), digit}, 127, "7"},
      {"a minus erased", {minus, draw(fill(100, 110, 130, 130)), digit}, 127, "7"},
      {"a minus erased up to its round ends",
       {minus, draw(fill(101.5f, 117.5f, 125.5f, 122.5f)), digit},
       127,
       "7"},
      {"a minus erased but for a round end",
       {minus, draw(fill(102.5f, 117.5f, 125.5f, 122.5f)), digit},
       100,
       "-7"},
      {"a minus half erased", {minus, draw(fill(100, 110, 113, 130)), digit}, 100, "-7"},
      {"a plus whose upright is erased with it",
       {plusBar, plusUpright, draw(fill(100, 100, 130, 140)), digit},
       127,
       "7"},
      {"a minus cleared", {minus, draw(clear), digit}, 127, "7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<TextLine> lines = testing::pageLines(c.events);
    ASSERT_EQ(lines.size(), 1u) << testing::dump(lines);
    EXPECT_EQ(lines[0].text, c.line);
    EXPECT_EQ(lines[0].x, c.x);
    EXPECT_EQ(lines[0].y, 100);
  }
}

// Formulas drawn by the renderer read back with their signs in place; a
// stacked fraction's parts come out as lines of their own (a denominator
// joining the line before it).
TEST(PageLines, FormulasDrawnByTheRendererReadWithTheirSigns) {
  struct Case {
    const char32_t* markup;
    std::vector<std::string> lines;
  } cases[] = {
      {U"答　y=-5x+13", {"答　y=-5x+13"}},
      {U"-25", {"-25"}},
      {U"答 (x,y)=(-2,2)", {"答(x,y)=(-2,2)"}},
      {U"y=-ﾀ2/3ﾀx+ﾀ4/3ﾀ", {"y=-3", "2x+", "3", "4"}},
      // Signs inside fraction parts; the denominators are drawn first.
      {U"ﾀ-9/-6ﾀ=ﾀ8+1/4+2ﾀ", {"-6", "-9=", "4+2", "8+1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.markup));
    testing::LessonFixture fx;
    fx.lesson.textColor = 5;
    fx.lesson.penX = 44;
    fx.lesson.penY = 120;
    fx.lesson.mathText = c.markup;
    fx.lesson.drawMathText();
    std::vector<std::string> read;
    for (const TextLine& line : testing::pageLines(fx.platform.events())) read.push_back(line.text);
    EXPECT_EQ(read, c.lines);
  }
}

// ---- Stops of a headless run ----------------------------------------------

enum class Loop { Drawing, Polling, Measuring };

class LoopingLesson : public testing::BareLesson {
 public:
  LoopingLesson(Platform& platform, Loop loop)
      : BareLesson(platform, Variant::Corbisk), loop_(loop) {}

 protected:
  void showUnitMenu() override {
    for (;;) {
      switch (loop_) {
        case Loop::Drawing:
          drawLine(0, 0, 10, 10, 0);
          break;
        case Loop::Polling:
          inkey();  // a poll that never idles
          break;
        case Loop::Measuring:
          workText = U"ﾀ1/2ﾀx";  // draws only off the page
          measureText();
          break;
      }
    }
  }

 private:
  Loop loop_;
};

TEST(HeadlessRun, NoWaitWithinTheBoundIsAHang) {
  for (Loop loop : {Loop::Drawing, Loop::Polling, Loop::Measuring}) {
    HeadlessPlatform platform({});
    platform.hangBound = 1000;
    LoopingLesson lesson(platform, loop);
    EXPECT_EQ(runHeadless(lesson, platform), kReplayHang) << static_cast<int>(loop);
  }
}

// ---- The tool --------------------------------------------------------------

struct MenuItem {
  const char* text;
  int color;
  float x, y;
};

struct Menu {
  const char* program;
  const char* title;
  int promptDraws;  // the menu draws the prompt once itself, then askMenuNumber again
  std::vector<MenuItem> items;
};

// Corbisk and Pollvane carry the same unit: only their titles differ.
const std::vector<MenuItem> kLinearFunctionItems{
    {"1　関数の振り返り", 13, 44, 120},
    {"2　一次関数", 15, 44, 180},
    {"3　変化の割合", 13, 44, 240},
    {"4　練習問題", 15, 44, 300},
    {"5　グラフ、切片", 13, 44, 360},
    {"6　傾き", 15, 44, 420},
    {"7　グラフのかきかた", 13, 44, 480},
    {"8　変域", 15, 44, 540},
    {"9　終了", 13, 704, 120},
};

const std::vector<Menu>& menus() {
  static const std::vector<Menu> all{
      {"corbisk", "＜Corbisk　メニュー＞", 2, kLinearFunctionItems},
      {"pollvane", "＜Pollvane　メニュー＞", 2, kLinearFunctionItems},
      {"merrowin",
       "＜Merrowin　メニュー＞",
       2,
       {{"1　グラフから", 13, 44, 120},
        {"2　1点と傾き(切片)から", 15, 44, 180},
        {"3　2点から", 13, 44, 240},
        {"4　表・式・グラフ", 15, 44, 300},
        {"5　練習問題", 13, 44, 360},
        {"6　", 15, 44, 420},
        {"7　終了", 13, 44, 480}}},
      {"tessarin",
       "＜Tessarin　メニュー＞",
       1,
       {{"1　二元一次方程式のグラフ", 13, 44, 120},
        {"2　y=k,x=hのグラフ", 15, 44, 180},
        {"3　練習問題", 13, 44, 240},
        {"4　連立方程式とグラフ", 15, 44, 300},
        {"5　一次関数の利用", 13, 44, 360},
        {"6　図形の問題", 15, 44, 420},
        {"7　P90学びをたしかめよう", 13, 44, 480},  // the blank draws nothing
        {"8　P92学びを身につけよう", 15, 44, 540},
        {"9　終了", 13, 687, 120}}},  // after a leading blank, one glyph in
  };
  return all;
}

const char kPrompt[] = "番号を入力して下さい。";

void expectLine(const testing::Replay& r, const std::string& text, float x, float y, int color,
                std::size_t count = 1) {
  auto lines = r.linesWith(text);
  ASSERT_EQ(lines.size(), count) << text;
  for (const TextLine& line : lines) {
    EXPECT_EQ(line.x, x) << text;
    EXPECT_EQ(line.y, y) << text;
    EXPECT_EQ(line.color, color) << text;
  }
}

// Prompt text: one 16-px cell per character from x, bold, at size 16.
void expectPromptCells(const TextLine& line, float x, float y) {
  for (std::size_t i = 0; i < line.glyphs.size(); ++i) {
    const DrawOp& g = line.glyphs[i];
    EXPECT_EQ(g.x1, x + 16 * static_cast<float>(i)) << line.text << " " << i;
    EXPECT_EQ(g.y1, y) << line.text << " " << i;
    EXPECT_EQ(g.size, 16);
    EXPECT_TRUE(g.bold);
  }
}

TEST(ReplayTool, MainMenus) {
  for (const Menu& m : menus()) {
    SCOPED_TRACE(m.program);
    auto r = replay(m.program, "");
    EXPECT_EQ(r.tool.status, 0) << r.tool.err;
    ASSERT_FALSE(r.events.empty());
    EXPECT_EQ(r.events.back().kind, Event::Kind::Wait);
    expectLine(r, m.title, 264, 30, 15);
    // The name is shown as written: every glyph of the title in the upright
    // Gothic face on the title's line, the letters one 27-px cell apart.
    for (const TextLine& title : r.linesWith(m.title)) {
      for (const DrawOp& g : title.glyphs) {
        EXPECT_EQ(g.face, U"ゴシック") << toUtf8(g.text);
        EXPECT_FALSE(g.italic) << toUtf8(g.text);
        EXPECT_EQ(g.y1, 30) << toUtf8(g.text);
      }
      ASSERT_GT(title.glyphs.size(), 2u);
      EXPECT_EQ(title.glyphs[2].x1 - title.glyphs[1].x1, 27);
    }
    for (const MenuItem& item : m.items) expectLine(r, item.text, item.x, item.y, item.color);
    expectLine(r, kPrompt, 816, 648, 0, static_cast<std::size_t>(m.promptDraws));
    for (const TextLine& line : r.linesWith(kPrompt)) {
      EXPECT_EQ(line.glyphs.size(), 11u);
      expectPromptCells(line, 816, 648);
    }
    expectLine(r, "入力", 1008, 648, 0);
    // The panel lies under everything: title, items and prompt are all that shows.
    EXPECT_EQ(r.lines().size(), 1 + m.items.size() + static_cast<std::size_t>(m.promptDraws) + 1);
  }
}

TEST(ReplayTool, QuitValueEndsTheProgram) {
  struct Case {
    const char* program;
    const char* keys;
  } cases[] = {
      {"corbisk", "9 Enter"},     {"pollvane", "9 Enter"},   {"tessarin", "9 Enter"},
      {"merrowin", "7 Enter"},    {"corbisk", "18/2 Enter"}, {"corbisk", "9.0 Enter"},
      {"merrowin", "14/2 Enter"}, {"tessarin", "９ Enter"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + c.keys);
    auto r = replay(c.program, c.keys);
    EXPECT_EQ(r.tool.status, 0);
    EXPECT_EQ(r.tool.err, "");
    ASSERT_FALSE(r.traceLines.empty());
    EXPECT_EQ(r.traceLines.back(), R"({"op":"end"})");
  }
}

TEST(ReplayTool, KeysLeftWhenTheProgramEndsAreNamed) {
  auto r = replay("corbisk", "9 Enter 5 Enter");
  EXPECT_EQ(r.tool.status, 0);
  EXPECT_TRUE(r.ended());
  EXPECT_NE(r.tool.err.find("5 Enter"), std::string::npos) << r.tool.err;
}

// Out of range, or a jump with no section behind it: the whole menu again, no end.
TEST(ReplayTool, OtherNumbersRedrawTheMenu) {
  struct Case {
    const char* program;
    const char* keys;
  } cases[] = {
      {"corbisk", "0 Enter"},    {"corbisk", "-1 Enter"},    {"corbisk", "10 Enter"},
      {"corbisk", "Enter"},      {"corbisk", "10/2 Enter"},  {"corbisk", "9/2 Enter"},
      {"pollvane", "0 Enter"},   {"merrowin", "8 Enter"},    {"merrowin", "9 Enter"},
      {"merrowin", "6 Enter"},   {"merrowin", "-2 Enter"},   {"tessarin", "0 Enter"},
      {"tessarin", "10 Enter"},  {"tessarin", "10/2 Enter"}, {"tessarin", "9/2 Enter"},
      {"tessarin", "1/2 Enter"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + c.keys);
    auto r = replay(c.program, c.keys);
    EXPECT_EQ(r.tool.status, 0);
    EXPECT_FALSE(r.ended());
    EXPECT_EQ(r.drawsAt(264, 30), 2);  // the title, drawn twice
    EXPECT_EQ(r.linesWith("<めあて>").size(), 0u);
    const Menu& m = *std::find_if(menus().begin(), menus().end(), [&](const Menu& menu) {
      return menu.program == std::string(c.program);
    });
    expectLine(r, m.title, 264, 30, 15);
  }
}

// The range test reads the value, the jump the number the text starts with:
// "3/2" (1.5) opens section 3.
TEST(ReplayTool, FractionOpensTheSectionOfItsLeadingNumber) {
  auto r = replay("corbisk", "3/2 Enter");
  EXPECT_EQ(r.tool.status, 0);
  expectLine(r, "一次関数の値の変化について調べよう。", 44, 305, 0);
  EXPECT_EQ(r.linesWith("＜Corbisk　メニュー＞").size(), 0u);
}

const char kSectionOneLine[] =
    "①導入Ｐ７７　②例変形　③例グラフ　④問１　⑤例１　⑥問２　⑦説明しよう　⑧終了";

TEST(ReplayTool, TessarinSectionOne) {
  for (const char* keys : {"1 Enter", "１ Enter", "1/1 Enter"}) {
    SCOPED_TRACE(keys);
    auto r = replay("tessarin", keys);
    EXPECT_EQ(r.tool.status, 0);
    expectLine(r, "<めあて>", 44, 240, 3);
    expectLine(r, "二元一次方程式のグラフをかこう。", 44, 305, 0);
    expectLine(r, kSectionOneLine, 16, 666, 0);
    for (const TextLine& line : r.linesWith(kSectionOneLine)) expectPromptCells(line, 16, 666);
    EXPECT_EQ(r.linesWith("＜Tessarin　メニュー＞").size(), 0u);
    // Banner, sub-menu line and the input label: nothing of the menu is left.
    EXPECT_EQ(r.lines().size(), 4u);
  }
}

TEST(ReplayTool, TessarinSubMenu) {
  struct Case {
    const char* keys;
    bool backAtMenu;
  } cases[] = {
      {"1 Enter 8 Enter", true},  {"1 Enter 16/2 Enter", true}, {"1 Enter 9 Enter", false},
      {"1 Enter 0 Enter", false}, {"1 Enter -1 Enter", false},  {"1 Enter Enter", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    auto r = replay("tessarin", c.keys);
    EXPECT_EQ(r.tool.status, 0);
    EXPECT_FALSE(r.ended());
    if (c.backAtMenu) {
      EXPECT_EQ(r.drawsAt(264, 30), 2);
      expectLine(r, "＜Tessarin　メニュー＞", 264, 30, 15);
      EXPECT_EQ(r.linesWith("<めあて>").size(), 0u);
    } else {
      // Only the line is drawn again, over the banner that stays.
      EXPECT_EQ(r.drawsAt(264, 30), 1);
      EXPECT_EQ(r.drawsAt(16, 666), 2);
      expectLine(r, kSectionOneLine, 16, 666, 0);
      expectLine(r, "<めあて>", 44, 240, 3);
    }
  }
}

TEST(ReplayTool, TraceRecordsWaitsAndKeys) {
  auto r = replay("tessarin", "１ Enter 0");
  std::vector<std::string> order;
  for (const Event& e : r.events) {
    if (e.kind == Event::Kind::Wait) order.push_back("wait");
    if (e.kind == Event::Kind::Key) order.push_back(e.token);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"wait", "1", "wait", "Enter", "wait", "0", "wait"}));
  // Every line is one JSON object with an "op".
  for (const std::string& line : r.traceLines) EXPECT_TRUE(testing::parseJson(line).has("op"));
}

TEST(ReplayTool, VisibleListsTheTextsShowing) {
  auto r = replay("merrowin", "5", {"--visible"});
  EXPECT_EQ(r.tool.status, 0);
  std::string expected;
  for (const DrawOp& op : visibleTexts(r.events)) expected += visibleTextLine(op) + "\n";
  EXPECT_EQ(r.tool.out, expected);
  EXPECT_NE(r.tool.out.find("816 648 0 番\n"), std::string::npos);
  EXPECT_NE(r.tool.out.find("1056 648 5 ５\n"), std::string::npos);
}

bool isPng(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  char sig[8] = {};
  in.read(sig, 8);
  return in && std::string(sig, 8) == "\x89PNG\r\n\x1a\n";
}

TEST(ReplayTool, WritesPngAndOneFramePerKey) {
  testing::ScratchDir dir;
  auto frames = dir.path() / "frames";
  auto png = dir.path() / "end.png";
  auto run = runTool({"corbisk", "--keys", "0 Enter", "--frames", frames.string(), "--png",
                      png.string(), "--clock", "23:59:59"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(isPng(png));
  EXPECT_TRUE(isPng(frames / "frame-0001.png"));
  EXPECT_TRUE(isPng(frames / "frame-0002.png"));
  EXPECT_FALSE(std::filesystem::exists(frames / "frame-0003.png"));
  EXPECT_FALSE(std::filesystem::exists(frames / "frame-0000.png"));
}

TEST(ReplayTool, SizeDrawsThePictureAsAWindowOfThatSizeShowsIt) {
  testing::ScratchDir dir;
  auto png = dir.path() / "window.png";
  auto run = runTool({"corbisk", "--png", png.string(), "--size", "1000x700"});
  ASSERT_EQ(run.status, 0) << run.err;
  cairo_surface_t* picture = cairo_image_surface_create_from_png(png.string().c_str());
  ASSERT_EQ(cairo_surface_status(picture), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(picture), 1000);
  EXPECT_EQ(cairo_image_surface_get_height(picture), 700);
  // The canvas, scaled to the width, leaves grey bands above and below it.
  auto at = [&](int x, int y) {
    const unsigned char* row =
        cairo_image_surface_get_data(picture) + y * cairo_image_surface_get_stride(picture);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
  };
  EXPECT_EQ(at(500, 10), 0xD1D1D1u);
  EXPECT_EQ(at(500, 690), 0xD1D1D1u);
  EXPECT_EQ(at(10, 350), 0xFFFFFFu);  // the page
  cairo_surface_destroy(picture);
}

TEST(ReplayTool, BadArgumentsExitWithTwo) {
  struct Case {
    std::vector<std::string> args;
    const char* says;
  } cases[] = {
      {{}, "no program"},
      {{"quillmoor"}, "unknown program"},
      {{"corbisk", "tessarin"}, "more than one program"},
      {{"corbisk", "--speed", "2"}, "unknown option --speed"},
      {{"corbisk", "-k"}, "unknown option -k"},
      {{"corbisk", "--keys"}, "--keys needs a value"},
      {{"corbisk", "--trace"}, "--trace needs a value"},
      {{"corbisk", "--keys", "1", "--keys", "2"}, "more than once"},
      {{"corbisk", "--clock", "24:00:00"}, "--clock"},
      {{"corbisk", "--clock", "12:60:00"}, "--clock"},
      {{"corbisk", "--clock", "12:00:60"}, "--clock"},
      {{"corbisk", "--clock", "1:02:03"}, "--clock"},
      {{"corbisk", "--clock", "01-02-03"}, "--clock"},
      {{"corbisk", "--clock", "01:02:03 "}, "--clock"},
      {{"corbisk", "--clock", "aa:bb:cc"}, "--clock"},
      {{"corbisk", "--keys", "\xff"}, "UTF-8"},
      {{"corbisk", "--size", "1920"}, "--size"},
      {{"corbisk", "--size", "0x900"}, "--size"},
      {{"corbisk", "--size", "1920x"}, "--size"},
      {{"corbisk", "--size", "20000x900"}, "--size"},
      {{"corbisk", "--size", "-5x900"}, "--size"},
      {{"corbisk", "--trace", "/nonexistent-dir/trace.jsonl"}, "cannot write"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& a : c.args) shown += a + " ";
    SCOPED_TRACE(shown);
    auto run = runTool(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  for (const char* clock : {"00:00:00", "23:59:59", "01:02:03"}) {
    EXPECT_EQ(runTool({"pollvane", "--clock", clock}).status, 0) << clock;
  }
}

}  // namespace
}  // namespace lesson
