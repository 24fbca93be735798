// The Corbisk sections as the pupil meets them from the main menu: the goal
// banner on an erased window, the sub-menu line at the foot, the range test of
// the sub-menu and the way back to the main menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/program_run.h"
#include "units/corbisk/corbisk.h"
#include "units/tessarin/tessarin.h"

namespace lesson {
namespace {

using Piece = Lesson::TextPiece;

using testing::ProgramRun;

bool isGlyph(const DrawOp& op) {
  return op.kind == DrawOp::Kind::Symbol;
}

// The section's ops: from the main menu's whole-window erase that follows the
// last drawing of the menu's title (the jump to the section) on.
std::vector<DrawOp> afterMenu(const std::vector<DrawOp>& ops) {
  std::size_t title = 0;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (isGlyph(ops[i]) && ops[i].x1 == 264 && ops[i].y1 == 30) title = i;
  }
  std::size_t from = title;
  while (from < ops.size() && !coversWholeCanvas(ops[from])) ++from;
  return {ops.begin() + static_cast<std::ptrdiff_t>(from), ops.end()};
}

// The glyphs drawn on the line at y, joined in drawing order.
Text lineAt(const std::vector<DrawOp>& ops, float y) {
  Text out;
  for (const DrawOp& op : ops) {
    if (isGlyph(op) && op.y1 == y) out += op.text;
  }
  return out;
}

const DrawOp* firstGlyphAt(const std::vector<DrawOp>& ops, float y) {
  for (const DrawOp& op : ops) {
    if (isGlyph(op) && op.y1 == y) return &op;
  }
  return nullptr;
}

int countGlyphsAt(const std::vector<DrawOp>& ops, float x, float y) {
  int n = 0;
  for (const DrawOp& op : ops) n += isGlyph(op) && op.x1 == x && op.y1 == y;
  return n;
}

int countWindowErases(const std::vector<DrawOp>& ops) {
  int n = 0;
  for (const DrawOp& op : ops) n += coversWholeCanvas(op);
  return n;
}

// Checks the banner pieces (first glyph position and colour, the line's text),
// that no other text stands above the input row (y 648), and the sub-menu line.
void expectSectionScreen(const std::vector<DrawOp>& section, const std::vector<Piece>& banner,
                         const Text& line) {
  std::vector<float> lines;
  for (const DrawOp& op : section) {
    if (isGlyph(op) && op.y1 < 640 && std::find(lines.begin(), lines.end(), op.y1) == lines.end())
      lines.push_back(op.y1);
  }
  EXPECT_EQ(lines.size(), banner.size());
  for (const Piece& piece : banner) {
    const DrawOp* first = firstGlyphAt(section, piece.y);
    ASSERT_NE(first, nullptr) << "line " << piece.y;
    EXPECT_EQ(first->x1, piece.x) << "line " << piece.y;
    EXPECT_EQ(first->color, static_cast<int>(piece.color)) << "line " << piece.y;
    EXPECT_EQ(toUtf8(lineAt(section, piece.y)), toUtf8(piece.text));
  }
  const DrawOp* cell = firstGlyphAt(section, 666);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->x1, 16);
  EXPECT_EQ(cell->color, 0);
  EXPECT_EQ(toUtf8(lineAt(section, 666)), toUtf8(line));
}

TEST(CorbiskSections, BannerAndSubMenuLineOfEachSection) {
  const Text goal = U"<めあて>";
  struct Case {
    int section;
    std::vector<Piece> banner;
    int windowErases;  // after the menu: its own erase, plus the banner's
    float lastLineY;   // textLineY the banner leaves
    Text line;         // the sub-menu line as drawn: prompt text in full width
  } cases[] = {
      {1,
       {{3, 44, 240, goal}, {0, 76, 305, U"比例、反比例の復習をしよう。"}},
       1,
       305,
       U"①表式，変化の様子　②グラフ　③終了"},
      {2,
       {{3, 44, 240, goal}, {0, 44, 305, U"一次関数の意味を知り、式に表そう。"}},
       2,
       305,
       U"①Ｐ５８　②Ｐ５９　③意味　④例１　⑤問２　⑥練習問題１　⑦練習問題２　⑧終了"},
      {3,
       {{3, 44, 240, goal}, {0, 44, 305, U"一次関数の値の変化について調べよう。"}},
       2,
       305,
       U"①Ｐ６３ひろげ　②問１他　③Ｐ６４ひろげ　④説明　⑤問２　⑥反比例　⑦終了"},
      {4, {}, 1, 0, U"Ｐ６５練習問題①，②，③解答　　④終了"},
      {5,
       {{3, 44, 240, goal},
        {0, 76, 305, U"①　一次関数のグラフをかき、特徴を調べよう。"},
        {0, 76, 370, U"②　比例のグラフとの関係を調べよう。"}},
       1,
       370,
       U"①復習　②Ｐ６６ひろげ　③つづき　④説明　⑤例　⑥問１　⑦切片説明　⑧終了"},
      {6,
       {{3, 44, 240, goal},
        {0, 76, 305, U"①　一次関数のグラフの傾きぐあいを調べよう。"},
        {0, 76, 370, U"②　一次関数の増減を調べよう。"}},
       1,
       370,
       U"①傾き　②説明　③問３　④増加　⑤減少　⑥終了"},
      {7,
       {{3, 44, 240, goal}, {0, 76, 305, U"一次関数のグラフを、傾きと切片をもとにかこう。"}},
       1,
       305,
       U"①例（整数）　②例（分数）　③練習（整数）　④練習（分数）　⑤問４　⑥終了"},
      {8,
       {{3, 44, 240, goal}, {0, 76, 305, U"一次関数のグラフをもとに、変域を調べよう。"}},
       1,
       305,
       U"①例　②練習　③問５，練習問題　④終了"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("section " + std::to_string(c.section));
    ProgramRun<CorbiskUnit> run("Corbisk", std::to_string(c.section) + " Enter");
    ASSERT_EQ(run.status, kReplayWaiting);
    std::vector<DrawOp> section = afterMenu(run.draws());
    EXPECT_EQ(countWindowErases(section), c.windowErases);
    expectSectionScreen(section, c.banner, c.line);
    if (!c.banner.empty()) {
      EXPECT_EQ(run.unit.textMarginX, 44);
      EXPECT_EQ(run.unit.textLineY, c.lastLineY);
    }
  }
}

TEST(CorbiskSections, SubMenuRedrawsItsLineOutsideItsItemsAndLastItemReturnsToMenu) {
  struct Case {
    int section;
    int items;
    bool banner;
    int windowErases;  // the menu's erase before its jump, plus the banner's own
  } cases[] = {{1, 3, true, 1}, {2, 8, true, 2}, {3, 7, true, 2}, {4, 4, false, 1},
               {5, 8, true, 1}, {6, 6, true, 1}, {7, 6, true, 1}, {8, 4, true, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE("section " + std::to_string(c.section));
    // 0, items + 1, an empty entry and -1 are refused; the last item leaves.
    const std::string script = std::to_string(c.section) + " Enter 0 Enter " +
                               std::to_string(c.items + 1) + " Enter Enter -1 Enter " +
                               std::to_string(c.items) + " Enter";
    ProgramRun<CorbiskUnit> run("Corbisk", script);
    ASSERT_EQ(run.status, kReplayWaiting);
    std::vector<DrawOp> ops = run.draws();

    // The section runs from the main menu's title to the menu's return, which
    // starts with the erase of the page area.
    ASSERT_EQ(countGlyphsAt(ops, 264, 30), 2) << "the menu is drawn again after the last item";
    std::size_t back = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
      if (ops[i].kind == DrawOp::Kind::Fill && ops[i].x1 == 0 && ops[i].y1 == 54) back = i;
    }
    std::vector<DrawOp> section =
        afterMenu({ops.begin(), ops.begin() + static_cast<std::ptrdiff_t>(back)});
    EXPECT_EQ(countGlyphsAt(section, 16, 666), 5);
    EXPECT_EQ(countGlyphsAt(section, 44, 240), c.banner ? 1 : 0);
    int footClears = 0;
    for (const DrawOp& op : section) {
      footClears += op.kind == DrawOp::Kind::Fill && op.x1 == 0 && op.y1 == 657 && op.x2 == 992 &&
                    op.y2 == 720;
    }
    EXPECT_EQ(footClears, 5);
    // Refused choices redraw nothing but the line: no erase beyond the entry's.
    EXPECT_EQ(countWindowErases(section), c.windowErases);
    std::vector<DrawOp> again(ops.begin() + static_cast<std::ptrdiff_t>(back), ops.end());
    EXPECT_EQ(toUtf8(lineAt(again, 30)), "＜Corbisk　メニュー＞");
  }
}

TEST(TessarinSections, GraphGoalBanner) {
  ProgramRun<TessarinUnit> run("Tessarin", "1 Enter");
  ASSERT_EQ(run.status, kReplayWaiting);
  std::vector<DrawOp> section = afterMenu(run.draws());
  EXPECT_EQ(countWindowErases(section), 2);
  expectSectionScreen(
      section, {{3, 44, 240, U"<めあて>"}, {0, 44, 305, U"二元一次方程式のグラフをかこう。"}},
      U"①導入Ｐ７７　②例変形　③例グラフ　④問１　⑤例１　⑥問２　⑦説明しよう　⑧終了");
  EXPECT_EQ(run.unit.textMarginX, 44);
  EXPECT_EQ(run.unit.textLineY, 305);
}

}  // namespace
}  // namespace lesson
