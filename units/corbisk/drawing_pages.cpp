// Section 7 pages ①, ② and ⑤: drawing a line from its intercept and slope.
// Pages ① and ② work one example each, one step per key: the intercept point,
// the run and rise arrows of the slope to a second point, then the line through
// both. Page ⑤ shows the textbook's five answer lines at once. All three clear
// (0,0) 1320 x 1300, set pen width 5 and leave it so, and return to the
// section's sub-menu without a key wait.
#include <vector>

#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// ---- Pages ① and ② ---------------------------------------------------------

// The indent of a sentence's second line from the margin.
constexpr float kIndent = 38;

// What a stage of a worked example draws after its text.
enum class Figure { None, Plane, InterceptPoint, RunArrow, RiseArrow, SecondPoint, Line };

// One stage: its text pieces, then its figure. A key wait separates stages.
struct Stage {
  std::vector<Flow> text;
  Figure figure;
};

// A worked example: the line through (0, intercept) and (run, intercept + rise).
// The item labels and the sentences' first lines stand at the margin, x 38;
// their second lines are indented by kIndent.
struct WorkedExample {
  Lesson::PlaneSettings plane;
  float intercept, run, rise;
  Text runLabel;
  float runLabelDy;  // the run's label from the arrow's line: above or just under
  Text riseLabel;
  Text interceptLabel, secondLabel;
  float secondLabelDx;
  Text lineLabel;
  float lineLabelDx, lineLabelDy;
  std::vector<Stage> stages;
};

const WorkedExample kIntegerSlopeExample{
    {722, 100, -3, 5, -4, 6, 50},
    3,
    1,
    -2,
    U"1",
    -50,
    U"-2",
    U"(0,3)",
    U"(1,1)",
    -135,
    U"y=-2x+3",
    -54,
    0,
    {
        {{newLine(0, 0, U"問　一次関数 y=-2x+3 のグラフを、"),
          newLine(0, 50, U"傾きと切片を使ってかきなさい。", kIndent)},
         Figure::Plane},
        {{newLine(5, 50, U"直線だから、2点がわかればかける。")}, Figure::None},
        {{newLine(0, 80, U"①切片が3 だから、")}, Figure::None},
        {{same(3, U"(0,3)に点をうつ")}, Figure::None},
        {{}, Figure::InterceptPoint},
        {{newLine(0, 80, U"②傾きが-2だから、右へ1進むと、")}, Figure::RunArrow},
        {{newLine(0, 50, U"下へ2進むから　", kIndent)}, Figure::RiseArrow},
        {{newLine(3, 50, U"(1,1)に点をうつ", kIndent)}, Figure::None},
        {{}, Figure::SecondPoint},
        {{newLine(0, 80, U"③2点を通る直線をひく。")}, Figure::None},
        {{}, Figure::Line},
    },
};

// A line under one holding a stacked fraction stands 60 px lower instead of 50.
const WorkedExample kFractionSlopeExample{
    {722, 100, -6, 6, -6, 6, 40},
    1,
    2,
    1,
    U"2",
    0,
    U"1",
    U"(0,1)",
    U"(2,2)",
    20,
    U"y=ﾀ1/2ﾀx+1",
    -108,
    -70,
    {
        {{newLine(0, 0, U"問　一次関数 y=ﾀ1/2ﾀx+1 のグラフを、"),
          newLine(0, 60, U"傾きと切片を使ってかきなさい。", kIndent)},
         Figure::Plane},
        {{newLine(5, 50, U"直線だから、2点がわかればかける。")}, Figure::None},
        {{newLine(0, 80, U"①切片が1 だから、")}, Figure::None},
        {{same(3, U"(0,1)に点をうつ")}, Figure::None},
        {{}, Figure::InterceptPoint},
        {{newLine(0, 80, U"②傾きがﾀ1/2ﾀだから、")}, Figure::None},
        {{same(3, U"右へ2進むと、")}, Figure::RunArrow},
        {{newLine(0, 60, U"上へ1進むから　", kIndent)}, Figure::RiseArrow},
        {{newLine(3, 50, U"(2,2)に点をうつ", kIndent)}, Figure::None},
        {{}, Figure::SecondPoint},
        {{newLine(0, 80, U"③2点を通る直線をひく。")}, Figure::None},
        {{}, Figure::Line},
    },
};

void drawStageFigure(Lesson& page, const WorkedExample& ex, Figure figure) {
  switch (figure) {
    case Figure::None:
      break;
    case Figure::Plane:
      page.drawPlane(ex.plane);
      // The walk's corners in pixels: the intercept, and the point run right
      // and rise up from it.
      page.slopeX1 = page.originX;
      page.slopeY1 = page.originY - ex.intercept * page.gridUnit;
      page.slopeX2 = page.originX + ex.run * page.gridUnit;
      page.slopeY2 = page.originY - (ex.intercept + ex.rise) * page.gridUnit;
      break;
    case Figure::InterceptPoint:
      page.plotDot({0, ex.intercept, 8, 3, ex.interceptLabel, -135, 20});
      break;
    case Figure::RunArrow:
      page.arrowTo(5, page.slopeX1, page.slopeY1, page.slopeX2, page.slopeY1);
      page.writeAt(5, (page.slopeX1 + page.slopeX2) / 2 - 14, page.slopeY1 + ex.runLabelDy,
                   ex.runLabel);
      break;
    case Figure::RiseArrow:
      page.arrowTo(5, page.slopeX2, page.slopeY1, page.slopeX2, page.slopeY2);
      page.writeAt(5, page.slopeX2, (page.slopeY1 + page.slopeY2) / 2 - 16, ex.riseLabel);
      break;
    case Figure::SecondPoint:
      page.plotDot({ex.run, ex.intercept + ex.rise, 8, 3, ex.secondLabel, ex.secondLabelDx, 20});
      break;
    case Figure::Line:
      page.plotLine(
          {ex.rise / ex.run, ex.intercept, 3, ex.lineLabel, ex.lineLabelDx, ex.lineLabelDy});
      break;
  }
}

void runWorkedExample(Lesson& page, const WorkedExample& ex) {
  startPage(page, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30, .penWidth = 5});
  revealEach(page, ex.stages, KeyWait::Between, [&page, &ex](const Stage& stage) {
    page.flowText(stage.text);
    drawStageFigure(page, ex, stage.figure);
  });
}

// ---- Page ⑤ ----------------------------------------------------------------

// An answer line with its two points: the one on the y axis and a second one.
struct Answer {
  Lesson::GraphLine line;
  Lesson::GraphDot first, second;
};

// Drawn in this order; a later dot covers an earlier one at the same place.
const std::vector<Answer> kTextbookAnswers{
    {{1, -3, 0, U"(1)", -54, -50}, {0, -3, 10, 5, U"", 0, 0}, {1, -2, 10, 5, U"", 0, 0}},
    {{-3, 1, 5, U"(2)", 0, -50}, {0, 1, 9, 9, U"", 0, 0}, {1, -2, 5, 9, U"", 0, 0}},
    {{2.0f / 3.0f, -3, 3, U"(3)", 0, 0}, {0, -3, 4, 0, U"", 0, 0}, {3, -1, 8, 0, U"", 0, 0}},
    {{-3, -4, 7, U"(4)", -108, -50}, {0, -4, 8, 3, U"", 0, 0}, {1, -7, 8, 3, U"", 0, 0}},
    {{-1.0f / 3.0f, 2, 9, U"(5)", 0, -50}, {0, 2, 8, 0, U"", 0, 0}, {3, 1, 8, 0, U"", 0, 0}},
};

}  // namespace

void CorbiskUnit::integerSlopeExamplePage() {
  runWorkedExample(*this, kIntegerSlopeExample);
}

void CorbiskUnit::fractionSlopeExamplePage() {
  runWorkedExample(*this, kFractionSlopeExample);
}

void CorbiskUnit::graphDrawingAnswers() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30, .penWidth = 5});
  flowText({newLine(3, 0, U"教科書P70 問4　解答")});
  drawPlane({342, 50, -9, 9, -9, 9, 30});
  for (const Answer& answer : kTextbookAnswers) {
    plotLine(answer.line);
    plotDot(answer.first);
    plotDot(answer.second);
  }
}

}  // namespace lesson
