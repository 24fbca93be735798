// Merrowin section 2 ("1点と傾き(切片)から") as the pupil meets it from the main
// menu: the goal banner and the sub-menu's range test, what each page shows
// after so many keys, the explanation figure, and the two random examples'
// worked answers read back from the drawing against the values they show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"
#include "units/merrowin/merrowin.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::dump;
using testing::expectAnchors;
using testing::Foot;
using testing::kAny;
using testing::MerrowinRun;
using testing::showing;
using testing::spaces;

// This section's item of the main menu.
const char* const kMainMenuItem = "点と傾き(切片)から";

// What waits at the foot of the screen when the keys run out; the section's
// item of the main menu shows once when the main menu does, and else nowhere.
Foot footOf(const std::vector<TextLine>& lines) {
  const Foot foot = testing::footOf(lines);
  const auto items = std::count_if(lines.begin(), lines.end(), [](const TextLine& line) {
    return line.text.find(kMainMenuItem) != std::string::npos;
  });
  EXPECT_EQ(items, foot == Foot::MainMenu ? 1 : 0) << dump(lines);
  return foot;
}

const Anchor kGoalHeading{44, 240, 3, "<めあて>"};
const Anchor kGoalSentence{76, 305, 0, "傾きや切片がわかっているとき、一次関数の式を求めよう。"};

TEST(MerrowinSection2, PagesShowTheirTextsAndTakeTheirKeys) {
  struct Case {
    std::string keys;
    Foot foot;
    std::vector<Anchor> present;
    std::vector<Anchor> absent;
  } cases[] = {
      // The banner and the item line together; a number out of range, a
      // fraction's quotient out of range or an empty entry only brings the
      // line back.
      {"2 Enter", Foot::SubMenu, {kGoalHeading, kGoalSentence}, {}},
      {"2 Enter 7 Enter 0 Enter 13/2 Enter 1/2 Enter Enter",
       Foot::SubMenu,
       {kGoalHeading, kGoalSentence},
       {}},
      // 6, and 12/2 alike, goes back to the main menu; entering again brings
      // the banner back.
      {"2 Enter 6 Enter", Foot::MainMenu, {}, {kGoalHeading}},
      {"2 Enter 12/2 Enter", Foot::MainMenu, {}, {kGoalHeading}},
      {"2 Enter 6 Enter 2 Enter", Foot::SubMenu, {kGoalHeading, kGoalSentence}, {}},
      // ③まとめ: the heading line, then one rule per key, the closing task
      // with the fourth key and no fifth wait.
      {"2 Enter 3 Enter",
       Foot::KeyWait,
       {{38, 30, 3, "一次関数を求める"},
        {kAny, 30, 0, "⇒"},
        {kAny, 30, 5, "a,b"},
        {kAny, 30, 0, "を求める"}},
       {kGoalHeading, {38, 105, 3, "①"}}},
      {"2 Enter 3 Enter Space",
       Foot::KeyWait,
       {{38, 105, 3, "①"},
        {kAny, 105, 5, "傾き,変化の割合,平行"},
        {kAny, 105, 5, "y=△x+b"},
        {kAny, 105, 0, "とする"},
        {92, 155, 3, "平行のときは、△=平行な直線の傾き"}},
       {{38, 230, 3, "②"}}},
      {"2 Enter 3 Enter" + spaces(3),
       Foot::KeyWait,
       {{38, 230, 3, "②"},
        {kAny, 230, 5, "切片,y軸との交点の座標"},
        {92, 280, 3, "座標のときは、△=交点のy座標"},
        {38, 355, 3, "③"},
        {kAny, 355, 5, "点(2,3)を通る,x=2のときy=3"},
        {kAny, 355, 5, "x=2,y=3を代入"}},
       {{38, 445, 0, "教科書P74"}}},
      {"2 Enter 3 Enter" + spaces(4),
       Foot::SubMenu,
       {{38, 30, 3, "一次関数を求める"},
        {38, 355, 3, "③"},
        {38, 445, 0, "教科書P74問2をしなさい。"}},
       {}},
      // ④問2: the whole answer at once; the working starts left of the title.
      // Reached from the summary it replaces it whole.
      {"2 Enter 3 Enter" + spaces(4) + " 4 Enter",
       Foot::SubMenu,
       {{114, 30, 0, "問2　解答"},
        {38, 80, 3, "求める式をy=-3x+b"},
        {kAny, 80, 0, "とする。"},
        {114, 130, 0, "点(1,2)を通るから、"},
        {kAny, 180, 0, "=1,y=2を代入して"},
        {114, 230, 0, "2=-3×1+b=-3+b"},
        {114, 280, 0, "b=2+3=5"},
        {114, 330, 5, "答y=-3x+5"}},
       {{38, 30, 3, "一次関数を求める"}, {38, 445, 0, "教科書P74"}}},
      // ⑤説明しよう: figure and heading at once, the answer after seven keys.
      {"2 Enter 5 Enter",
       Foot::KeyWait,
       {{40, 30, 3, "グラフが直線となる一次関数の式の求め方を説明しよう。"},
        {40, 80, 3, "<説明>"},
        {kAny, 460, 0, "2"},
        {960, 460, 5, "1"},
        {1000, 340, 5, "5"}},
       {{40, 130, 0, "点(2,0)から"}}},
      {"2 Enter 5 Enter Space",
       Foot::KeyWait,
       {{40, 130, 0, "点(2,0)から、"}, {40, 180, 0, "yは5増加するので、傾きは"}},
       {{kAny, 180, 3, "5"}}},
      {"2 Enter 5 Enter" + spaces(6),
       Foot::KeyWait,
       {{kAny, 180, 3, "5"},
        {kAny, 180, 0, "だから"},
        {40, 230, 3, "求める式をy=5x+b"},
        {40, 280, 0, "直線は、点(2,0)を通るから、"},
        {kAny, 330, 0, "=2,y=0を代入して"},
        {40, 380, 0, "0=5×2+b"},
        {40, 430, 0, "0=10+b"},
        {40, 480, 0, "10+b=0"},
        {40, 530, 3, "b=-10"}},
       {{40, 580, 0, "よって、"}}},
      {"2 Enter 5 Enter" + spaces(7),
       Foot::SubMenu,
       {{40, 580, 0, "よって、"}, {kAny, 580, 5, "求める式はy=5x-10"}},
       {}},
      // ①傾きと1点: the problem first, the figure, then the answer in six
      // more steps, and the next-step prompt.
      {"2 Enter 1 Enter",
       Foot::KeyWait,
       {{40, 30, 7, "例2-1"},
        {kAny, 30, 0, "yがxの一次関数で、そのグラフの傾きが"},
        {40, 80, 0, "点"},
        {kAny, 80, 0, "を通るとき、この一次関数を求めなさい。"}},
       {kGoalHeading, {40, 130, 3, "<解答>"}}},
      {"2 Enter 1 Enter" + spaces(2),
       Foot::KeyWait,
       {{40, 130, 3, "<解答>"}, {40, 200, 0, "傾きが"}, {kAny, 250, 0, "とする。"}},
       {{40, 300, 0, "点("}}},
      {"2 Enter 1 Enter" + spaces(7),
       Foot::NextStep,
       {{40, 300, 0, "を通るから"}, {kAny, 350, 0, "と"}, {40, 550, 0, "求める式は"}},
       {}},
      // 1 (or 2/2) ends the page under the sub-menu line; another value draws
      // a new example on an erased area.
      {"2 Enter 1 Enter" + spaces(7) + " 1 Enter", Foot::SubMenu, {{40, 550, 0, "求める式は"}}, {}},
      {"2 Enter 1 Enter" + spaces(7) + " 2/2 Enter",
       Foot::SubMenu,
       {{40, 550, 0, "求める式は"}},
       {}},
      {"2 Enter 1 Enter" + spaces(7) + " 5/2 Enter",
       Foot::KeyWait,
       {{40, 30, 7, "例2-1"}},
       {{40, 130, 3, "<解答>"}, {40, 550, 0, "求める式は"}}},
      // ②切片と1点: the same road, the quotient on its own line.
      {"2 Enter 2 Enter",
       Foot::KeyWait,
       {{40, 30, 7, "例2-2"}, {kAny, 30, 0, "yがxの一次関数で、そのグラフの切片が"}},
       {{40, 130, 3, "<解答>"}}},
      {"2 Enter 2 Enter" + spaces(7),
       Foot::NextStep,
       {{40, 130, 3, "<解答>"}, {40, 200, 0, "切片が"}, {40, 580, 0, "求める式は"}},
       {}},
      {"2 Enter 2 Enter" + spaces(7) + " 1 Enter", Foot::SubMenu, {{40, 580, 0, "求める式は"}}, {}},
      {"2 Enter 2 Enter" + spaces(7) + " Enter",
       Foot::KeyWait,
       {{40, 30, 7, "例2-2"}},
       {{40, 580, 0, "求める式は"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    MerrowinRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    expectAnchors(lines, c.present, c.absent, showing);
    EXPECT_EQ(footOf(lines), c.foot) << dump(lines);
  }
}

// The item line is drawn once per read: the banner stays while it comes back,
// and returning from a page does not bring the banner back.
TEST(MerrowinSection2, SubMenuLineAndBanner) {
  auto count = [](const std::vector<DrawOp>& ops, float x, float y, char32_t c) {
    int n = 0;
    for (const DrawOp& op : ops) {
      n += op.kind == DrawOp::Kind::Symbol && op.x1 == x && op.y1 == y && op.text == Text(1, c);
    }
    return n;
  };
  MerrowinRun outOfRange("2 Enter 7 Enter 0 Enter");
  EXPECT_EQ(count(outOfRange.draws(), 16, 666, U'①'), 3);
  EXPECT_EQ(count(outOfRange.draws(), 44, 240, U'<'), 1);

  MerrowinRun twoPages("2 Enter 4 Enter 4 Enter");
  EXPECT_EQ(count(twoPages.draws(), 16, 666, U'①'), 3);
  EXPECT_EQ(count(twoPages.draws(), 44, 240, U'<'), 1);
  EXPECT_FALSE(showing(twoPages.lines(), kGoalHeading));
}

// The explanation figure: dots at (2,0) and (3,5) only, the run arrow to the
// corner (3,0) and the rise arrow up to (3,5), each headed at its end, and the
// line cut at the plot rectangle (800,100)-(1120,580).
TEST(MerrowinSection2, ExplanationFigure) {
  MerrowinRun run("2 Enter 5 Enter");
  ASSERT_EQ(run.status, kReplayWaiting);
  const std::vector<DrawOp> ops = run.draws();

  std::set<std::pair<float, float>> dots;
  float lineLeft = 1e9f, lineRight = -1e9f, lineTop = 1e9f, lineBottom = -1e9f;
  for (const DrawOp& op : ops) {
    if (op.kind != DrawOp::Kind::Circle) continue;
    if (op.radius == 8) {
      EXPECT_EQ(op.color, 3);
      EXPECT_TRUE(op.filled);
      dots.insert({op.x1, op.y1});
    } else if (op.radius == 1 && op.color == 0) {
      lineLeft = std::min(lineLeft, op.x1);
      lineRight = std::max(lineRight, op.x1);
      lineTop = std::min(lineTop, op.y1);
      lineBottom = std::max(lineBottom, op.y1);
    }
  }
  EXPECT_EQ(dots, (std::set<std::pair<float, float>>{{960, 460}, {1000, 260}}));
  EXPECT_GE(lineTop, 100);
  EXPECT_LE(lineBottom, 580);
  EXPECT_NEAR(lineLeft, 936, 1);
  EXPECT_NEAR(lineRight, 1032, 1);

  struct Arrow {
    float fromX, fromY, toX, toY;
  } arrows[] = {{960, 460, 1000, 460}, {1000, 460, 1000, 260}};
  for (const Arrow& a : arrows) {
    int shafts = 0, wings = 0, wrongEnd = 0;
    for (const DrawOp& op : ops) {
      if (op.kind != DrawOp::Kind::Line || op.color != 3 || op.width != 5) continue;
      if (op.x2 == a.toX && op.y2 == a.toY) {
        (op.x1 == a.fromX && op.y1 == a.fromY ? shafts : wings) += 1;
      } else if (op.x2 == a.fromX && op.y2 == a.fromY && !(op.x1 == a.toX && op.y1 == a.toY)) {
        // A wing at the start point would be a second head.
        wrongEnd += !(a.fromX == 1000 && a.fromY == 460);
      }
    }
    EXPECT_GE(shafts, 1) << a.fromX << "," << a.fromY;
    EXPECT_GE(wings, 2) << a.fromX << "," << a.fromY;
    EXPECT_EQ(wrongEnd, 0) << a.fromX << "," << a.fromY;
  }
}

// ---- The random examples, read back from the drawing ----------------------

// The formula text of one line whose glyphs stand at `top` (italic letters
// 22 px higher), left of maxX, read left to right: glyphs, and the hand-drawn
// signs, a stroke `strokeDy` below the top being "-" and, crossed by an upright
// stroke, "+". Blanks are left out. Below the problem's two lines the text
// column ends at x 800, where the plane begins.
std::u32string readRow(const std::vector<DrawOp>& ops, float top, int color, float strokeDy = 20,
                       float maxX = 800) {
  return testing::readFormula(
      ops, color,
      [&](const DrawOp& glyph) {
        return glyph.x1 < maxX && (glyph.y1 == top || (glyph.italic && glyph.y1 == top - 22));
      },
      [&](const DrawOp& stroke) {
        return stroke.x1 < maxX && stroke.width == 5 &&
               (stroke.y1 == top + strokeDy || stroke.y1 == top + strokeDy + 2);
      });
}

std::u32string digits(float v) {
  const std::string s = std::to_string(static_cast<int>(v));
  return {s.begin(), s.end()};
}

// A whole number's text, as the reader gives it back.
float number(const std::u32string& text) {
  return static_cast<float>(std::stoi(std::string(text.begin(), text.end())));
}

// "(x,y)" read back as its two numbers.
std::pair<float, float> point(const std::u32string& text) {
  const std::size_t comma = text.find(U',');
  EXPECT_TRUE(text.size() > 4 && text.front() == U'(' && text.back() == U')' &&
              comma != std::u32string::npos)
      << std::string(text.begin(), text.end());
  if (comma == std::u32string::npos || text.size() < 5) return {0, 0};
  return {number(text.substr(1, comma - 1)),
          number(text.substr(comma + 1, text.size() - comma - 2))};
}

// The forms the worked answers use.
std::u32string coefficient(float v) {
  return v == 1 ? U"" : v == -1 ? U"-" : digits(v);
}
std::u32string term(float v) {
  return (v > 0 ? U"+" : U"") + digits(v);
}

// Each example's drawing: from one example erase (0,30)-(1600,1830) to the
// next.
std::vector<std::vector<DrawOp>> examples(const std::vector<DrawOp>& ops) {
  std::vector<std::vector<DrawOp>> out;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Fill && op.x1 == 0 && op.y1 == 30 && op.x2 == 1600 &&
        op.y2 == 1830 && op.fill == 15) {
      out.emplace_back();
    } else if (!out.empty()) {
      out.back().push_back(op);
    }
  }
  return out;
}

// The filled dots of radius 8 in a colour.
std::set<std::pair<float, float>> dotsOf(const std::vector<DrawOp>& ops, int color) {
  std::set<std::pair<float, float>> out;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Circle && op.radius == 8 && op.color == color) {
      out.insert({op.x1, op.y1});
    }
  }
  return out;
}

// Whether a glyph `ch` stands with its top-left corner at (x, y) in a colour.
bool glyphAt(const std::vector<DrawOp>& ops, float x, float y, int color, char32_t ch) {
  return std::any_of(ops.begin(), ops.end(), [&](const DrawOp& op) {
    return op.kind == DrawOp::Kind::Symbol && op.x1 == x && op.y1 == y && op.color == color &&
           op.text == std::u32string(1, ch);
  });
}

// The point's label "(x,y)" (27 px a character) stands 40 px above its dot on
// the side towards the y axis: from the dot's centre for x < 0, ending 20 px
// left of it for x > 0.
void expectPointLabel(const std::vector<DrawOp>& ops, float x, float y, const std::u32string& label,
                      int color) {
  const float dotX = 1000 + 20 * x, top = 400 - 20 * y - 40;
  const float width = 27 * static_cast<float>(label.size());
  const float left = x > 0 ? dotX - 20 - width : dotX;
  EXPECT_TRUE(glyphAt(ops, left, top, color, U'(')) << left << "," << top;
  EXPECT_TRUE(glyphAt(ops, left + width - 27, top, color, U')')) << left << "," << top;
}

// The keys of a run through `count` examples of a page: seven keys to the
// end of each example, then a value other than 1 (in turn 2, an empty entry,
// 5/2 and 0) for the next, and 1 after the last.
std::string exampleKeys(int page, int count) {
  static const char* const kAgain[] = {" 2 Enter", " Enter", " 5/2 Enter", " 0 Enter"};
  std::string keys = "2 Enter " + std::to_string(page) + " Enter";
  for (int i = 0; i < count; ++i) keys += spaces(7) + (i + 1 < count ? kAgain[i % 4] : " 1 Enter");
  return keys;
}

const char* const kClocks[] = {"00:00:00", "10:20:30", "05:07:09"};
constexpr int kExamples = 24;

std::string utf8(const std::u32string& s) {
  std::string out;
  for (char32_t c : s) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

#define EXPECT_ROW(actual, expected) EXPECT_EQ(utf8(actual), utf8(expected))

// "例2-1": a slope a in ±1..5 and a point (x, y) with x in ±2..6 on y = ax + b,
// b in ±1..3, |y| <= 10; the working substitutes the point (x in parentheses
// when negative), and the answer writes the coefficient and constant in their
// forms. Every value other than 1 gave a new example, and 1 ended the page.
TEST(MerrowinSection2, SlopeExamplesWorkOutTheirAnswers) {
  std::set<float> slopes;
  bool negativeX = false;
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    MerrowinRun run(exampleKeys(1, kExamples), clock);
    ASSERT_EQ(run.status, kReplayWaiting);
    EXPECT_EQ(footOf(run.lines()), Foot::SubMenu);
    const auto parts = examples(run.draws());
    ASSERT_EQ(parts.size(), static_cast<std::size_t>(kExamples));
    int changes = 0;
    std::u32string previous;
    for (const std::vector<DrawOp>& ops : parts) {
      const float a = number(readRow(ops, 30, 3, 20, 1440));
      const auto [x, y] = point(readRow(ops, 80, 3, 20, 1440));
      const float b = y - a * x;
      SCOPED_TRACE(utf8(U"a=" + digits(a) + U" x=" + digits(x) + U" y=" + digits(y)));
      EXPECT_TRUE(std::fabs(a) >= 1 && std::fabs(a) <= 5);
      EXPECT_TRUE(std::fabs(x) >= 2 && std::fabs(x) <= 6);
      EXPECT_TRUE(std::fabs(b) >= 1 && std::fabs(b) <= 3);
      EXPECT_LE(std::fabs(y), 10);
      slopes.insert(a);
      negativeX |= x < 0;

      const std::u32string xs = digits(x), ys = digits(y);
      EXPECT_ROW(readRow(ops, 200, 0), U"傾きが" + digits(a) + U"だから、求める一次関数の式を");
      EXPECT_ROW(readRow(ops, 250, 3), U"y=" + coefficient(a) + U"x+b…①");
      EXPECT_ROW(readRow(ops, 300, 0), U"点(" + xs + U"," + ys + U")を通るから");
      EXPECT_ROW(readRow(ops, 350, 3), U"x=" + xs + U",y=" + ys + U"を①に代入する");
      EXPECT_ROW(readRow(ops, 400, 0),
                 ys + U"=" + digits(a) + U"×" + (x < 0 ? U"(" + xs + U")" : xs) + U"+b");
      EXPECT_ROW(readRow(ops, 450, 0), ys + U"=" + digits(a * x) + U"+b");
      EXPECT_ROW(readRow(ops, 500, 0), U"b=" + ys + term(-a * x) + U"=" + digits(b));
      EXPECT_ROW(readRow(ops, 550, 0), U"求める式は");
      EXPECT_ROW(readRow(ops, 550, 5), U"y=" + coefficient(a) + U"x" + term(b));
      // The point on the plane whose origin is (1000,400), 20 px a unit.
      EXPECT_EQ(dotsOf(ops, 5), (std::set<std::pair<float, float>>{{1000 + 20 * x, 400 - 20 * y}}));
      expectPointLabel(ops, x, y, U"(" + xs + U"," + ys + U")", 5);

      const std::u32string values = digits(a) + U"," + xs + U"," + ys;
      changes += !previous.empty() && values != previous;
      previous = values;
    }
    EXPECT_GT(changes, 0);
  }
  // The runs meet the forms that matter: slopes 1 and -1, a negative x.
  EXPECT_TRUE(slopes.count(1) && slopes.count(-1));
  EXPECT_TRUE(negativeX);
}

// "例2-2": an intercept b in ±1..3 and a point; the working solves for a
// through the quotient (y - b)/x, which keeps the signs as given and comes
// out whole, with a shorter line when y is 0.
TEST(MerrowinSection2, InterceptExamplesWorkOutTheirAnswers) {
  std::set<float> slopes;
  bool negativeX = false;
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    MerrowinRun run(exampleKeys(2, kExamples), clock);
    ASSERT_EQ(run.status, kReplayWaiting);
    EXPECT_EQ(footOf(run.lines()), Foot::SubMenu);
    const auto parts = examples(run.draws());
    ASSERT_EQ(parts.size(), static_cast<std::size_t>(kExamples));
    int changes = 0;
    std::u32string previous;
    for (const std::vector<DrawOp>& ops : parts) {
      const float b = number(readRow(ops, 30, 3, 20, 1440));
      const auto [x, y] = point(readRow(ops, 80, 3, 20, 1440));
      const float a = (y - b) / x;
      SCOPED_TRACE(utf8(U"b=" + digits(b) + U" x=" + digits(x) + U" y=" + digits(y)));
      EXPECT_EQ(a, std::floor(a));
      EXPECT_TRUE(std::fabs(a) >= 1 && std::fabs(a) <= 5);
      EXPECT_TRUE(std::fabs(x) >= 2 && std::fabs(x) <= 6);
      EXPECT_TRUE(std::fabs(b) >= 1 && std::fabs(b) <= 3);
      EXPECT_LE(std::fabs(y), 10);
      slopes.insert(a);
      negativeX |= x < 0;

      const std::u32string xs = digits(x), ys = digits(y), rest = digits(y - b);
      EXPECT_ROW(readRow(ops, 200, 0), U"切片が" + digits(b) + U"だから、求める一次関数の式を");
      EXPECT_ROW(readRow(ops, 250, 3), U"y=ax" + term(b) + U"…①");
      EXPECT_ROW(readRow(ops, 350, 3), U"x=" + xs + U",y=" + ys + U"を①に代入する");
      EXPECT_ROW(readRow(ops, 400, 0), ys + U"=" + xs + U"a" + term(b));
      EXPECT_ROW(readRow(ops, 450, 0),
                 y == 0 ? xs + U"a=" + rest : xs + U"a=" + ys + term(-b) + U"=" + rest);
      // "a=", the stacked fraction (numerator 10 px up, denominator 28 px
      // down, signs 14 px below their tops), "=" and the value.
      EXPECT_ROW(readRow(ops, 520, 3), U"a==" + digits(a));
      EXPECT_ROW(readRow(ops, 510, 3, 14), rest);
      EXPECT_ROW(readRow(ops, 548, 3, 14), xs);
      EXPECT_ROW(readRow(ops, 580, 0), U"求める式は");
      EXPECT_ROW(readRow(ops, 580, 5), U"y=" + coefficient(a) + U"x" + term(b));
      // The point in colour 3 and the intercept (0, b) in colour 5.
      EXPECT_EQ(dotsOf(ops, 3), (std::set<std::pair<float, float>>{{1000 + 20 * x, 400 - 20 * y}}));
      EXPECT_EQ(dotsOf(ops, 5), (std::set<std::pair<float, float>>{{1000, 400 - 20 * b}}));
      expectPointLabel(ops, x, y, U"(" + xs + U"," + ys + U")", 3);
      // The intercept's label starts 6 px right of the y axis, 40 px above the
      // dot (a minus sign is a stroke in the first character's place).
      EXPECT_TRUE(glyphAt(ops, b < 0 ? 1033 : 1006, 400 - 20 * b - 40, 5, digits(std::fabs(b))[0]));

      const std::u32string values = digits(b) + U"," + xs + U"," + ys;
      changes += !previous.empty() && values != previous;
      previous = values;
    }
    EXPECT_GT(changes, 0);
  }
  EXPECT_TRUE(slopes.count(1) && slopes.count(-1));
  EXPECT_TRUE(negativeX);
}

}  // namespace
}  // namespace lesson
