// Section 5 pages ⑤ to ⑦: shifted graphs and the intercept.
//
// Page ⑤ draws y=-x-2 from y=-x by moving nine points down by 2; page ⑥ is the
// worked answer of textbook P67 question 1 (three lines, each parallel to
// y=2x or y=-2x, through its intercept); page ⑦ recaps the shift, defines the
// intercept and answers textbook P67 question 2. Each page clears
// (0,0)-(1320,1300), reveals one step per key and returns to the sub-menu
// right after its last step.
#include <vector>

#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// ---- Shapes of the three pages ------------------------------------------------

using Plane = Lesson::PlaneSettings;
using GraphLine = Lesson::GraphLine;

// ---- Page ⑤: y=-x-2 from y=-x ------------------------------------------------

const std::vector<Flow> kShiftQuestion{
    newLine(7, 0, U"Q "),
    same(3, U"y=-x "),
    same(0, U"のグラフをもとにして、"),
    newLine(3, 50, U"y=-x-2 "),
    same(0, U"のグラフをかきなさい。"),
};
const Plane kShiftPlane{720, 100, -5, 5, -5, 5, 40, 14};
const GraphLine kShiftGiven{-1, 0, 0, U"y=-x", -27, 0};
const std::vector<Flow> kShiftAnswer{
    newLine(7, 60, U"<解答>"),    newLine(3, 50, U"y=-x "),
    same(0, U"のグラフの各点を"), newLine(3, 50, U"下に2移動させた点"),
    same(0, U"をとり、"),         newLine(0, 50, U"とった点を結ぶ。"),
};
const GraphLine kShiftMoved{-1, -2, 5, U"y=-x-2", -175.5f, 0};
const std::vector<Flow> kShiftTask{newLine(7, 90, U"教科書P67の問1 をしなさい。")};

// ---- Page ⑥: textbook P67 question 1 ------------------------------------------

const Plane kParallelPlane{480, 50, -6, 6, -7, 7, 40, 14};
const GraphLine kParallelGiven[] = {
    {2, 0, 3, U"y=2x", -81, -50},
    {-2, 0, 7, U"y=-2x", -81, 0},
};
const std::vector<Flow> kParallelTitle{newLine(3, 0, U"問1　解答")};
const std::vector<Flow> kParallelQuestions{
    newLine(0, 50, U"(1) "), same(0, U"y=2x-2"),      newLine(0, 50, U"(2) "),
    same(0, U"y=-2x+4"),     newLine(0, 50, U"(3) "), same(0, U"y=-2x-3"),
};
// Each answer in the colour of the proportion graph it is parallel to; its
// intercept is coefficient b.
const GraphLine kParallelAnswers[] = {
    {2, -2, 3, U"(1)", -81, 150},
    {-2, 4, 7, U"(2)", -27, -100},
    {-2, -3, 7, U"(3)", -135, -50},
};

// ---- Page ⑦: the intercept ----------------------------------------------------

// The recap in a frame of width 10, the two graphs beside it.
const std::vector<Flow> kRecap{
    newLine(3, 0, U"<比例のグラフとの関係>"),
    newLine(0, 50, U"y=ax+bのグラフは、y=axのグラフを"),
    newLine(5, 50, U"y軸の正の方向にbだけ平行移動"),
    same(0, U"させた"),
    same(3, U"直線"),
};
// Axes only, origin at (986, 460).
const Plane kRecapPlane{836, 60, -3, 2, -2, 8, 50, 0};
const GraphLine kRecapShifted{1.5f, 3, 3, U"y=ax+b", -81, -80};
const GraphLine kRecapProportion{1.5f, 0, 0, U"y=ax", -54, -50};

// The definition in a frame of width 5 whose top lies 10 px above its first line.
const std::vector<Flow> kDefinition{
    newLine(5, 0, U"<切片>"),
    newLine(5, 50, U"b"),
    same(0, U"を一次関数のグラフの"),
    same(5, U"切片"),
    same(0, U"という。"),
    newLine(0, 50, U"①x=0のときのyの値"),
    newLine(0, 50, U"②y軸と交わる点(0,b)のy座標"),
};
// The summary starts at the item-label x, 38 px left of the body margin.
const std::vector<Flow> kSummary{
    labelLine(0, 80, U"y=ax+b　のグラフは、y=ax のグラフに"),
    labelLine(5, 50, U"平行"),
    same(0, U"で"),
    same(5, U"点(0,b)"),
    same(0, U"を通る"),
    same(5, U"直線"),
};
const std::vector<Flow> kInterceptTask{newLine(7, 60, U"教科書P67の問2 をしなさい。")};

// The answers on the question's line, each some px after what stands before it.
const std::vector<Flow> kInterceptAnswers{
    same(0, U"(1)", 50), same(5, U"5"),       same(0, U"(2)", 20),
    same(5, U"-4"),      same(0, U"(3)", 20), same(5, U"0"),
};

}  // namespace

void CorbiskUnit::shiftDownExamplePage() {
  startPage(
      *this,
      {.width = 1320, .height = 1300, .labelX = 40, .marginX = 40, .firstLine = 30, .penWidth = 5});
  flowText(kShiftQuestion);
  drawPlane(kShiftPlane);
  plotLine(kShiftGiven);
  waitKeyPrompt();

  flowThenWait(*this, kShiftAnswer);

  // The points of y=-x at x = -5 to 3 moved down by 2: maths coordinates into
  // numA 1..9 (x) and 11..19 (y), then turned into pixels in place.
  loopIndex = -5;
  do {
    numA(loopIndex + 6) = loopIndex;
    numA(loopIndex + 16) = -loopIndex - 2;
    loopIndex = loopIndex + 1;
  } while (loopIndex <= 3);
  loopIndex = 1;
  do {
    numA(loopIndex) = originX + gridUnit * numA(loopIndex);
    numA(loopIndex + 10) = originY - gridUnit * numA(loopIndex + 10);
    fillCircle(numA(loopIndex), numA(loopIndex + 10), 6, 5);
    loopIndex = loopIndex + 1;
  } while (loopIndex <= 9);
  waitKeyPrompt();

  plotLine(kShiftMoved);
  waitKeyPrompt();

  flowText(kShiftTask);
}

void CorbiskUnit::parallelLinesAnswerPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 40, .firstLine = 30, .penWidth = 5});
  flowText(kParallelTitle);
  drawPlane(kParallelPlane);
  for (const GraphLine& line : kParallelGiven) plotLine(line);
  flowText(kParallelQuestions);

  for (const GraphLine& answer : kParallelAnswers) {
    waitKeyPrompt();
    plotDot({0, answer.b, 8, 5});  // the intercept
    plotLine(answer);
  }
}

void CorbiskUnit::interceptDefinitionPage() {
  startPage(*this, {.width = 1320,
                    .height = 1300,
                    .labelX = 76 - 38,
                    .marginX = 76,
                    .firstLine = 30,
                    .penWidth = 10});

  drawBox(38, 16, 38 + 722, 16 + 175, 9);
  flowText(kRecap);
  setDrawWidth(5);
  drawPlane(kRecapPlane);
  plotLine(kRecapShifted);
  plotDot({0, kRecapShifted.b, 8, 5});  // the intercept
  // The dot's label by position: the text flow stays where the recap ended.
  writeAt(5, originX - 135, originY - 3.5f * gridUnit, U"(0,b)");
  plotLine(kRecapProportion);
  waitKeyPrompt();

  textMarginX = 76;
  textLineY = textLineY + 90;
  drawBox(38, textLineY - 10, 38 + 608, textLineY - 10 + 225, 3);
  flowThenWait(*this, kDefinition);

  flowThenWait(*this, kSummary);

  flowThenWait(*this, kInterceptTask);

  flowText(kInterceptAnswers);
}

}  // namespace lesson
