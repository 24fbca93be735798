// Section 2 pages ③ and ④: the meaning of a linear function, and the
// temperature example with its altitude figure. Both reveal their text step by
// step, one key wait between steps, and return to the section's sub-menu
// after the last step without waiting.
#include <vector>

#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// ---- Page ③ ---------------------------------------------------------------

// The definition inside its frame, left column from y 30.
const std::vector<Flow> kDefinition{
    newLine(3, 0, U"<一次関数の意味>"),
    newLine(0, 50, U"2つの変数x,yについて、"),
    newLine(5, 50, U"y=ax+b"),
    same(0, U"(yがxの1次式)"),
    newLine(0, 50, U"と表すことができるとき"),
    newLine(5, 50, U"yはxの一次関数"),
    same(0, U"であるという。"),
};

// The two parts of ax+b, under the frame.
const std::vector<Flow> kTwoParts{
    newLine(3, 70, U"ax"),
    same(0, U"…xに比例する部分"),
    newLine(3, 50, U" b"),
    same(0, U"…定数の部分"),
};

// The quiz in the right column: its heading stands 38 px left of the margin.
constexpr float kRightColumnX = 646;
const std::vector<Lesson::TextPiece> kQuizHeading{
    {3, kRightColumnX - 38, 30, U"課 次の関数で、一次関数はどれですか。"},
};
const std::vector<Flow> kQuiz{
    newLine(0, 60, U"①y=8x+20 ②y=-ﾀ6/xﾀ"),
    newLine(0, 60, U"③y=-2x+5 ④y=-2x"),
};
const std::vector<Flow> kQuizAnswer{
    newLine(5, 50, U"答　①,③,④"),
};

// Under the two parts in the left column, at the remembered position.
const std::vector<Text> kSpecialCase{
    U"比例の式y=ax は",
    U"一次関数y=ax+b の特別な場合",
};

const std::vector<Flow> kTextbookQuestion{
    newLine(3, 60, U"教科書P61 問1　をしなさい。"),
    newLine(0, 60, U"(ｱ)y=8x-1 (ｲ)y=ﾀ4/xﾀ"),
    newLine(0, 60, U"(ｳ)y=ﾀ1/3ﾀx (ｴ)y=5-7x"),
};
const std::vector<Flow> kTextbookAnswer{
    newLine(5, 60, U"答　(ｱ),(ｳ),(ｴ)"),
    newLine(3, 50, U"比例する部分"),
};
const std::vector<Flow> kProportionalParts{
    newLine(0, 70, U"(ｱ)"), same(5, U"8x  "), same(0, U"(ｳ)"),
    same(5, U"ﾀ1/3ﾀx  "),   same(0, U"(ｴ)"),  same(5, U"-7x  "),
};

// ---- Page ④ ---------------------------------------------------------------

// The problem, from (38, 30), and the heading of the answers.
const std::vector<Flow> kTemperatureProblem{
    newLine(7, 0, U"例1 "),
    same(0, U"気温は、地上から"),
    same(3, U"10km"),
    same(0, U"までは、高度が"),
    same(3, U"1km"),
    newLine(0, 50, U"増すごとに"),
    same(3, U"6℃"),
    same(0, U"ずつ低くなる。地上の気温が"),
    same(3, U"20℃"),
    newLine(0, 50, U"のとき、地上から"),
    same(3, U"xkm"),
    same(0, U"上空の気温を"),
    same(3, U"y℃"),
    same(0, U"とする。"),
    newLine(7, 50, U"①y=？  ②一次関数？  ③xの変域は？"),
    newLine(3, 50, U"<解答>"),
};

// The answers, one step per key: labels at x 38, text at x 72.
const std::vector<Stretch> kTemperatureSteps{
    {labelLine(3, 50, U"①"), newLine(0, 0, U"1kmごとに6℃低くなるからxkmでは、")},
    {newLine(3, 50, U"6x℃低くなる。")},
    {newLine(0, 50, U"地上の気温が20℃ だから　")},
    {same(5, U"y=20-6x")},
    {labelLine(3, 50, U"②"), newLine(0, 0, U"y=ax+b の形で表されるから、")},
    {same(5, U"一次関数である。")},
    {labelLine(3, 50, U"③"), newLine(0, 0, U"地上から10kmまで だから ")},
    {same(5, U"0≦x≦10")},
    {labelLine(3, 50, U"xとyの関係は、"), same(5, U"y=20-6x (0≦x≦10) ")},
    {labelLine(0, 50, U"教科書P61 問2　をしなさい。")},
};

}  // namespace

void CorbiskUnit::showLinearFunctionMeaning() {
  startPage(*this, {.marginX = 76, .firstLine = 30, .penWidth = 5});
  drawBox(38, 16, 38 + 532, 16 + 275, 5);
  flowThenWait(*this, kDefinition);

  flowText(kTwoParts);
  savedX(1) = textMarginX;
  savedY(1) = penY;
  waitKeyPrompt();

  textMarginX = kRightColumnX;
  textLineY = 30;
  drawTextPieces(kQuizHeading);
  flowThenWait(*this, kQuiz);

  flowThenWait(*this, kQuizAnswer);

  // Written under the left column while the right column's line stays put.
  for (std::size_t i = 0; i < kSpecialCase.size(); ++i) {
    writeAt(3, savedX(1), savedY(1) + 50 * static_cast<float>(i + 1), kSpecialCase[i]);
  }
  waitKeyPrompt();

  flowThenWait(*this, kTextbookQuestion);

  flowThenWait(*this, kTextbookAnswer);

  flowText(kProportionalParts);
}

void CorbiskUnit::showTemperatureExample() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30});
  flowText(kTemperatureProblem);
  drawAltitudeFigure();
  waitKeyPrompt();

  itemLabelX = 38;
  textMarginX = itemLabelX + 34;
  revealStretches(*this, kTemperatureSteps, KeyWait::Between);
}

void CorbiskUnit::drawAltitudeFigure() {
  // A square frame of 50-px units whose bottom-left corner is the origin; no
  // grid line is drawn.
  graphLeft = 840;
  graphTop = 30;
  gridColumns = 8;
  boxHeight = 12;
  gridUnit = 50;
  lineColor = 15;
  drawSquareGrid();

  // Points in frame units: 1 foot of the altitude axis, 2 at 10 km, 3 the
  // axis's top, 4 and 5 the ground's ends, 6 and 7 the height arrow's ends,
  // 11 to 21 the 1-km marks from the ground up.
  markX(1) = 3;
  markY(1) = 1;
  markX(2) = markX(1);
  markY(2) = markY(1) + 10;
  markX(3) = markX(1);
  markY(3) = markY(1) + 11;
  markX(4) = 0;
  markY(4) = markY(1);
  markX(5) = markX(1) + 4;
  markY(5) = markY(1);
  markX(6) = markX(1) + 2.5f;
  markY(6) = markY(1);
  markX(7) = markX(6);
  markY(7) = markY(6) + 5.5f;
  for (loopIndex = 1; loopIndex <= 11; ++loopIndex) {
    markX(10 + loopIndex) = markX(1);
    markY(10 + loopIndex) = markY(1) + loopIndex - 1;
  }
  for (loopIndex = 1; loopIndex <= 22; ++loopIndex) {
    markX(loopIndex) = originX + gridUnit * markX(loopIndex);
    markY(loopIndex) = originY - gridUnit * markY(loopIndex);
  }

  setDrawWidth(5);
  drawLine(markX(1), markY(1), markX(3), markY(3), 0);
  drawLine(markX(4), markY(4), markX(5), markY(5), 0);
  writeAt(3, markX(1) - gridUnit, markY(1), U"地上　20℃");

  // One upward arrow per km, each labelled at its head.
  for (frameIndex = 11; frameIndex <= 20; ++frameIndex) {
    arrowHeadX = markX(frameIndex);
    arrowHeadY = markY(frameIndex);
    arrowTailX = markX(frameIndex + 1);
    arrowTailY = markY(frameIndex + 1);
    arrowReverse = 1;
    arrowMode = 1;
    lineColor = 0;
    arrowHeadSize = 16;
    drawArrow();
    writeAt(7, markX(frameIndex + 1), markY(frameIndex + 1), U"-6℃");
  }

  // The 10 km marked by a dotted arc left of the axis.
  arrowHeadX = markX(1);
  arrowHeadY = markY(1);
  pointBX = markX(2);
  pointBY = markY(2);
  textColor = 3;
  lineColor = 3;
  arcSide = -1;
  boxWidth = 3;
  arcHeight = 20;
  pointLabel = U"10km";
  drawLengthArc();

  // The height x km: a thick arrow with a head at both ends.
  setDrawWidth(10);
  arrowHeadX = markX(6);
  arrowHeadY = markY(6);
  arrowTailX = markX(7);
  arrowTailY = markY(7);
  arrowReverse = 0;
  arrowMode = 2;
  lineColor = 3;
  arrowHeadSize = 16;
  drawArrow();
  setDrawWidth(5);

  writeAt(5, markX(7), markY(7) - 50, U"y℃");
  writeAt(5, markX(6), (markY(6) + markY(7)) / 2 - 50, U"xkm");
}

}  // namespace lesson
