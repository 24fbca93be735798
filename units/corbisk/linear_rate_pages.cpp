// Section 3 pages ④ to ⑥: the rate of change of linear functions and of inverse
// proportion. Pages ④ and ⑥ reveal their text step by step, one key wait
// between steps; page ⑤ is drawn at once. Each returns to the section's
// sub-menu right after its last piece.
#include <vector>

#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// One step of a page's text. A step that opens a column first moves the text
// line to the column's top (y 30) with its item-label x and margin.
struct ColumnStep {
  bool opensColumn;
  float labelX, marginX;
  std::vector<Flow> pieces;
};

void drawStep(Lesson& page, const ColumnStep& step) {
  if (step.opensColumn) {
    page.itemLabelX = step.labelX;
    page.textMarginX = step.marginX;
    page.textLineY = 30;
  }
  page.flowText(step.pieces);
}

// The steps revealed one key at a time, a key wait between two steps.
void revealColumnSteps(Lesson& page, const std::vector<ColumnStep>& steps) {
  revealEach(page, steps, KeyWait::Between,
             [&page](const ColumnStep& step) { drawStep(page, step); });
}

// The number text of a value with its blanks removed ("-3", "0", "6").
Text plainNumber(Lesson& page, float value) {
  page.workText = str(value);
  page.removeSpaces();
  return page.workText;
}

// ---- Page ④ ---------------------------------------------------------------

// The rule in its frame and the two cases in the left column (case labels
// 38 px left of the body text); question Q in the right column, its labels at
// x 646 and its body at 727.
const std::vector<ColumnStep> kLinearRateSteps{
    {true,
     38,
     76,
     {
         newLine(3, 0, U"<一次関数の変化の割合>"),
         newLine(0, 50, U"一次関数　y=ax+b　では、"),
         newLine(3, 50, U"変化の割合は"),
         same(5, U"一定で、aに等しい。"),
         newLine(5, 70, U"変化の割合=ﾀyの増加量/xの増加量ﾀ=a"),
     }},
    {false,
     0,
     0,
     {labelLine(7, 110, U"① a>0のとき、"), newLine(3, 50, U"xの値が増加 → yの値は増加")}},
    {false, 0, 0, {newLine(0, 50, U"y=2x+1では、2ずつ増加")}},
    {false,
     0,
     0,
     {labelLine(7, 60, U"② a<0のとき、"), newLine(3, 50, U"xの値が増加 → yの値は減少")}},
    {false, 0, 0, {newLine(0, 50, U"y=-2x+7では、2ずつ減少")}},
    {true,
     646,
     646 + 81,
     {
         labelLine(7, 0, U"Q "),
         same(0, U"一次関数 y=-3x-2　で"),
         labelLine(3, 50, U"(1) "),
         same(0, U"変化の割合をいいなさい。"),
     }},
    {false, 0, 0, {newLine(5, 50, U"-3")}},
    {false,
     0,
     0,
     {
         labelLine(3, 50, U"(2) "),
         same(0, U"xの増加量が2のとき、"),
         newLine(0, 50, U"yの増加量を求めなさい。"),
     }},
    {false, 0, 0, {newLine(3, 60, U"yの増加量=a*(xの増加量)")}},
    {false, 0, 0, {newLine(5, 60, U"yの増加量")}},
    {false, 0, 0, {same(0, U"=-3*2"), same(5, U"=-6")}},
    {false, 0, 0, {labelLine(7, 70, U"教科書P64問2 をしなさい。")}},
};

// ---- Page ⑤ ---------------------------------------------------------------

// Two columns drawn at once, the body 81 px right of the labels, each further
// line 80 px below the one before.
const std::vector<ColumnStep> kYIncreaseAnswer{
    {true,
     40,
     40 + 81,
     {
         newLine(3, 0, U"問3 解答"),
         labelLine(3, 60, U"(1) "),
         newLine(0, 0, U"xの増加量が1のとき"),
         newLine(0, 80, U"ﾀyの増加量/xの増加量ﾀ=ﾀ2/3ﾀ だから"),
         newLine(0, 80, U"ﾀyの増加量/1ﾀ=ﾀ2/3ﾀ"),
         newLine(0, 80, U"yの増加量=ﾀ2/3ﾀ*1=ﾀ2/3ﾀ"),
         newLine(5, 80, U"答　yの増加量は ﾀ2/3ﾀ"),
     }},
    {true,
     600,
     600 + 81,
     {
         labelLine(3, 60, U"(2) "),
         newLine(0, 0, U"xの増加量が3のとき"),
         newLine(0, 80, U"ﾀyの増加量/xの増加量ﾀ=ﾀ2/3ﾀ だから"),
         newLine(0, 80, U"ﾀyの増加量/3ﾀ=ﾀ2/3ﾀ"),
         newLine(0, 80, U"yの増加量=ﾀ2/3ﾀ*3=2"),
         newLine(5, 80, U"答　yの増加量は 2"),
     }},
};

// ---- Page ⑥ ---------------------------------------------------------------

const std::vector<Flow> kInverseQuestion{
    newLine(3, 0, U"反比例の関係 y=ﾀ6/xﾀ でも変化の割合は一定？"),
};

// The working under the table, one step per key. The fractions stand 30 px
// after their question.
const std::vector<ColumnStep> kInverseWorking{
    {false, 0, 0, {newLine(3, 80, U"① "), same(0, U"xの値が1から2まで変わるとき、変化の割合は？")}},
    {false, 0, 0, {same(3, U"ﾀ3-6/2-1ﾀ", 30)}},
    {false, 0, 0, {same(3, U"=ﾀ-3/1ﾀ")}},
    {false, 0, 0, {same(5, U"=-3")}},
    {false, 0, 0, {newLine(3, 90, U"② "), same(0, U"xの値が2から3まで変わるとき、変化の割合は？")}},
    {false, 0, 0, {same(3, U"ﾀ2-3/3-2ﾀ", 30)}},
    {false, 0, 0, {same(3, U"=ﾀ-1/1ﾀ")}},
    {false, 0, 0, {same(5, U"=-1")}},
    {false, 0, 0, {newLine(3, 80, U"反比例の関係では、"), same(5, U"変化の割合は一定ではない。")}},
};

// The table of y = 6/x covers x = -3 to 3; cells are 50 px high, bordered in
// colour 3 and filled white.
constexpr float kFirstX = -3;
constexpr float kLastX = 3;
constexpr float kCellHeight = 50;
constexpr float kLabelCellWidth = 40;
constexpr float kValueCellWidth = 60;

// One cell at (penX, penY); penX moves to the cell's right edge.
void drawCell(Lesson& page, const Text& text, float width, float color) {
  page.workText = text;
  page.boxWidth = width;
  page.boxHeight = kCellHeight;
  page.lineColor = 3;
  page.plotColor = 15;
  page.textColor = color;
  page.drawTextBox();
}

// The y value shown under x: "*" at x = 0, where 6/x has no value.
Text inverseValueText(Lesson& page, float x) {
  if (x == 0) return U"*";
  return plainNumber(page, fdiv(6, x));
}

}  // namespace

void CorbiskUnit::linearRateOfChangePage() {
  startPage(*this, {.penWidth = 10});
  drawBox(38, 16, 38 + 570, 16 + 275, 9);
  revealColumnSteps(*this, kLinearRateSteps);
}

void CorbiskUnit::yIncreaseAnswerPage() {
  startPage(*this, {.width = 1320, .height = 1300, .penWidth = 3});
  for (const ColumnStep& step : kYIncreaseAnswer) drawStep(*this, step);
}

void CorbiskUnit::inverseProportionRatePage() {
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 38, .firstLine = 30, .penWidth = 5});
  flowText(kInverseQuestion);

  // The x row with the values of x, then the y row with its value cells empty.
  markX(11) = textMarginX;
  markX(12) = markX(11) + 80;
  markY(11) = textLineY + 90;
  markY(12) = markY(11) + 50;
  struct Row {
    float top;
    Text label;
    bool showsX;  // the value cells hold x; otherwise they stay empty
    float valueColor;
  };
  const Row rows[] = {
      {markY(11), U"x", true, 0},
      {markY(12), U"y", false, 5},
  };
  for (const Row& row : rows) {
    penX = markX(11);
    penY = row.top;
    drawCell(*this, row.label, kLabelCellWidth, 0);
    drawCell(*this, U"…", kLabelCellWidth, 0);
    for (loopIndex = kFirstX; loopIndex <= kLastX; ++loopIndex) {
      const Text value = row.showsX ? plainNumber(*this, loopIndex) : Text();
      drawCell(*this, value, kValueCellWidth, row.valueColor);
    }
    drawCell(*this, U"…", kLabelCellWidth, 0);
    textEndX = penX;
    textLineY = penY;
  }
  waitKeyPrompt();

  // The y values, one per key, left to right.
  savedX(1) = markX(12);
  for (loopIndex = kFirstX; loopIndex <= kLastX; ++loopIndex) {
    penX = savedX(1);
    penY = markY(12);
    drawCell(*this, inverseValueText(*this, loopIndex), kValueCellWidth, 5);
    savedX(1) = penX;
    waitKeyPrompt();
  }
  waitKeyPrompt();

  revealColumnSteps(*this, kInverseWorking);
}

}  // namespace lesson
