// Section 1 pages: the review of proportion and inverse proportion.
//
// Page ① shows value tables of y=2x and y=6/x, finds both equations by
// substituting x=1 and tells how y changes; page ② draws three graphs on one
// plane, pairs them with the two functions and adds y=-3x and y=-6/x for a<0.
// Both pages reveal one step per key and end by returning to the sub-menu.
#include <vector>

#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

using Piece = Lesson::TextPiece;

// ---- Page ①: value tables --------------------------------------------------

// One row of a value table: its leading text cells, then its values written
// as numbers, then a closing "…" cell.
struct TableRow {
  float y;
  std::vector<Text> leading;
  std::vector<float> values;
};

struct ValueTable {
  Piece heading;
  std::vector<TableRow> rows;
};

const ValueTable kReviewTables[] = {
    // y = 2x at x = 0, 1, 2, 3.
    {{0, 44, 100, U"①比例"},
     {
         {150, {U"x", U"…"}, {0, 1, 2, 3}},
         {200, {U"y", U"…"}, {0, 2, 4, 6}},
     }},
    // y = 6/x at x = 0, 1, 2, 3: no value at x = 0, shown as "×".
    {{0, 44, 270, U"②反比例"},
     {
         {320, {U"x", U"…"}, {0, 1, 2, 3}},
         {370, {U"y", U"…", U"*"}, {6, 3, 2}},
     }},
};

// What a step of page ① does before its text.
enum class StepStart {
  Nothing,
  AtAnswerSlot,  // continue from the answer place of question (1)
  EraseWorking,  // erase the working of question (1), keep the tables and its line
};

struct TablesStep {
  StepStart start;
  std::vector<Flow> pieces;
};

// Steps 2 to 16 of page ①; a key wait follows every step but the last. The
// right-hand column's margin is 396 and its item labels stand at 440.
const std::vector<TablesStep> kTablesSteps = {
    {StepStart::Nothing, {newLine(0, 90, U"①y=ax にx=1,y=2を代入して")}},
    {StepStart::Nothing, {newLine(0, 60, U"　2=a*1")}},
    {StepStart::Nothing, {same(0, U"　a=2")}},
    {StepStart::Nothing, {same(3, U"　y=2x")}},
    {StepStart::Nothing, {newLine(0, 90, U"②y=ﾀa/xﾀ にx=1,y=6を代入して")}},
    {StepStart::Nothing, {newLine(0, 110, U"　6=ﾀa/1ﾀ")}},
    {StepStart::Nothing, {same(0, U"　a=6")}},
    {StepStart::Nothing, {same(3, U"　y=ﾀ6/xﾀ")}},
    {StepStart::AtAnswerSlot,
     {
         same(0, U"①"),
         same(3, U"y=2x"),
         same(0, U" ②"),
         same(3, U"y=ﾀ6/xﾀ"),
     }},
    {StepStart::EraseWorking,
     {
         newLine(0, 70, U"(2)xが1ずつ増加するとyは？"),
         labelLine(0, 50, U"①"),
     }},
    {StepStart::Nothing,
     {
         same(3, U"2ずつ増加する "),
         labelLine(0, 50, U"②"),
     }},
    {StepStart::Nothing, {same(3, U"減少のしかたが一定ではない")}},
    {StepStart::Nothing,
     {
         newLine(0, 70, U"(3)xが２倍、３倍…となると、yは？"),
         labelLine(0, 50, U"①"),
     }},
    {StepStart::Nothing,
     {
         same(3, U"２倍、３倍…となる"),
         labelLine(0, 80, U"②"),
     }},
    {StepStart::Nothing, {same(3, U"ﾀ1/2ﾀ倍、ﾀ1/3ﾀ倍…となる")}},
};

// ---- Page ②: graphs ---------------------------------------------------------

// The graphs on the review plane: kind 1 is y = a/x, kind 3 y = a x + b.
using ReviewCurve = Lesson::GraphCurve;

const ReviewCurve kReviewCurves[] = {
    {1, 6, 0, 0, 3, U"ア", 0, -40},  // y = 6/x
    {3, 1, 1, 0, 0, U"イ", 0, 0},    // y = x + 1, the function of neither question
    {3, 2, 0, 0, 7, U"ウ", 0, -30},  // y = 2x
};
// The a<0 members of the two families, in their family's colour.
const ReviewCurve kFallingLine{3, -3, 0, 0, 7, U"y=-3x", -88, 0};
const ReviewCurve kFallingHyperbola{1, -6, 0, 0, 3, U"y=-ﾀ6/xﾀ", -88, 30};

// A part of page ②'s steps: text pieces with the item labels at labelX, then
// a curve if any, then a key wait if asked.
struct GraphsStepPart {
  float labelX;
  std::vector<Flow> pieces;
  const ReviewCurve* curve;
  bool waitAfter;
};

// Steps 2 to 7 of page ②: item labels at 88, the notes of item ① of
// question (2) at 132.
const std::vector<GraphsStepPart> kGraphsSteps = {
    {88, {same(3, U"ウ "), same(0, U" ②")}, nullptr, true},
    {88, {same(3, U"ア")}, nullptr, true},
    {88, {newLine(0, 70, U"(2)グラフの特徴は？"), labelLine(0, 50, U"①")}, nullptr, true},
    {132, {same(3, U"原点を通る直線"), labelLine(0, 50, U"a>0のとき右上がり")}, nullptr, true},
    {132, {labelLine(0, 50, U"a<0のとき右下がり")}, &kFallingLine, false},
    {88, {labelLine(0, 50, U"②")}, nullptr, true},
    {88, {same(3, U"双曲線 "), same(0, U"a<0のときは図の位置")}, &kFallingHyperbola, false},
};

}  // namespace

void CorbiskUnit::showReviewTables() {
  startPage(*this, {.marginX = 44, .firstLine = 30});
  drawTextPieces({{7, 44, 30, U"課1 "}});

  // Each cell is a 44 x 50 box chained to the right from x 44.
  boxWidth = 44;
  boxHeight = 50;
  bool firstRow = true;
  for (const ValueTable& table : kReviewTables) {
    drawTextPieces({table.heading});
    for (const TableRow& row : table.rows) {
      std::vector<Text> cells = row.leading;
      for (float value : row.values) {
        workText = str(value);
        removeSpaces();
        cells.push_back(workText);
      }
      cells.push_back(U"…");
      penX = 44;
      penY = row.y;
      for (const Text& cell : cells) {
        workText = cell;
        lineColor = 0;
        plotColor = 15;
        textColor = 3;
        drawTextBox();
      }
      // The right-hand column is placed from the first row's right edge.
      if (firstRow) markX(1) = penX;
      firstRow = false;
    }
  }

  textMarginX = markX(1) + 44;
  itemLabelX = textMarginX + 44;
  textLineY = 30;
  drawTextPieces({{0, textMarginX, 30, U"(1)関数の式は？ "}});
  answerSlotX = textEndX + 44;
  answerSlotY = 30;
  waitKeyPrompt();

  for (std::size_t step = 0; step < kTablesSteps.size(); ++step) {
    const TablesStep& s = kTablesSteps[step];
    if (s.start == StepStart::AtAnswerSlot) {
      textEndX = answerSlotX;
      textLineY = answerSlotY;
    }
    if (s.start == StepStart::EraseWorking) {
      const float top = textLineY + 60;
      fillBox(markX(1) + 44, top, markX(1) + 44 + 1760, top + 1800, 15, 15);
    }
    flowText(s.pieces);
    if (step + 1 < kTablesSteps.size()) waitKeyPrompt();
  }
}

void CorbiskUnit::showReviewGraphs() {
  startPage(*this, {.marginX = 44, .firstLine = 30});
  flowText({
      newLine(7, 0, U"課2 "),
      same(0, U"①y=2x ②y=ﾀ6/xﾀ "),
  });
  drawReviewGraphs();
  itemLabelX = textMarginX + 44;
  flowThenWait(*this, {
                          newLine(0, 80, U"(1)①,②の関数のグラフは？"),
                          labelLine(0, 50, U" ①"),
                      });

  for (const GraphsStepPart& part : kGraphsSteps) {
    itemLabelX = part.labelX;
    flowText(part.pieces);
    if (part.curve != nullptr) plotGraphCurve(*part.curve);
    if (part.waitAfter) waitKeyPrompt();
  }
}

void CorbiskUnit::drawReviewGraphs() {
  // Axes only (line colour 0: no grid, no axis numbers), origin at (928, 280).
  drawPlane({748, 100, -6, 6, -6, 6, 30, 0});
  for (const ReviewCurve& curve : kReviewCurves) plotGraphCurve(curve);
}

}  // namespace lesson
