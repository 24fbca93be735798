// Section 1: the equation of a line from its graph. The section entry (goal
// banner and sub-menu) and the two fixed pages: ② the worked example that reads
// y=3/2x-1 off its graph, ⑤ the worked answer to question 1 of page 73. The
// random pages ①, ③ and ④ are in graph_drills.cpp.
#include <vector>

#include "framework/page_steps.h"
#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {}  // namespace

// A section's goal banner: "<めあて>" and the goal sentence under it, on the
// screen the main menu has just erased; it clears nothing and waits for no key.
void MerrowinUnit::showSectionGoal(const Text& goal) {
  textMarginX = 44;
  textLineY = 240;
  drawTextPieces({
      {3, textMarginX, textLineY, U"<めあて>"},
      {0, textMarginX + 32, textLineY + 65, goal},
  });
}

void MerrowinUnit::fromGraphSection() {
  showSectionGoal(U"グラフから直線の式を求めよう。");
  runSubMenu(U"①a,b既知　②グラフから　③練習整数　④練習分数　⑤問１　⑥終了", 6, [this](int item) {
    openPage(*this,
             {&MerrowinUnit::conditionProblems, &MerrowinUnit::equationFromGraphExample,
              &MerrowinUnit::integerSlopePractice, &MerrowinUnit::fractionSlopePractice,
              &MerrowinUnit::question1Answer},
             item);
  });
}

// Page ②: y = 1.5x - 1 on a plane; the intercept, then the slope from a walk
// of 2 to the right and 3 up, shown as arrows; the answer and the rule. Each of
// the eight blocks after the figure follows a key wait.
void MerrowinUnit::equationFromGraphExample() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 76});
  itemLabelX = textMarginX - 38;  // the numbered lines, the answer and the rule
  textLineY = 30;
  setDrawWidth(5);
  flowText({newLine(3, 0, U"グラフから関数の式を求めよう。")});

  drawPlane({722, 100, -5, 5, -5, 5, 40});
  plotLine({1.5f, -1, 0, U""});
  setSlopeMarks(1, 0, -1, 2, 3);

  struct Arrow {
    float from, to;
  };
  struct Block {
    std::vector<Flow> flow;
    std::vector<Arrow> arrows;
    std::vector<TextPiece> labels;  // written onto the plane, outside the text flow
  };
  const std::vector<Block> blocks{
      {{labelLine(0, 50, U"①bは切片だから、")}, {}, {{3, markX(1) - 189, markY(1), U"(0,-1)"}}},
      {{same(3, U"b=-1")}, {}, {}},
      {{labelLine(0, 70, U"②傾きは、")}, {}, {}},
      {{newLine(0, 50, U"右へ2進むと、")}, {{1, 2}}, {{3, markX(1) + 27, markY(1), U"2"}}},
      {{newLine(0, 50, U"上へ3進むから、")}, {{2, 3}}, {{3, markX(2) + 6, markY(3), U"3"}}},
      {{newLine(3, 70, U"a=ﾀ3/2ﾀ")}, {}, {}},
      {{labelLine(5, 70, U"答 y=ﾀ3/2ﾀx-1")}, {}, {}},
      {{labelLine(5, 80, U"傾きと切片をよみとれば、関数の式がわかる。")}, {}, {}},
  };
  for (const Block& block : blocks) {
    waitKeyPrompt();
    flowText(block.flow);
    for (const Arrow& arrow : block.arrows) markArrow(arrow.from, arrow.to, 3);
    for (const TextPiece& label : block.labels) writeAt(label.color, label.x, label.y, label.text);
  }
}

// Page ⑤: the three lines of question 1 on one plane, each with a dot at its
// intercept and its run and rise arrows, and the equations left of the plane;
// drawn whole, without a key wait.
void MerrowinUnit::question1Answer() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30, .penWidth = 5});
  flowText({newLine(3, 0, U"教科書P73 問1　解答")});

  drawPlane({380, 100, -6, 6, -6, 6, 40});

  // Each line: y = a x + b, its label and the label's offset from the line's
  // last dot, and the walk from the intercept (run to the right, then rise).
  struct AnswerLine {
    float a, b;
    Text label;
    float labelDx, labelDy;
    float run, rise;
    Text name, equation;
  };
  const AnswerLine lines[] = {
      {2, 1, U"①", -27, -44, 1, 2, U"(1)", U"y=2x+1"},
      {-1, 5, U"②", 0, 0, 1, -1, U"(2)", U"y=-x+5"},
      {-0.25f, -1, U"③", 0, 0, 4, -1, U"(3)", U"y=-ﾀ1/4ﾀx-1"},
  };
  float mark = 1;
  for (const AnswerLine& line : lines) {
    plotLine({line.a, line.b, 0, line.label, line.labelDx, line.labelDy});
    drawSlopeSteps(mark, 0, line.b, line.run, line.rise, 3);
    mark += 3;
  }
  for (const AnswerLine& line : lines) {
    flowText({newLine(0, 70, line.name), same(5, line.equation)});
  }
}

}  // namespace lesson
