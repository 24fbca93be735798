// Section 6 pages: the slope. Page ① shows what the slope of a line is (three
// screens of questions with run and rise steps on the lines), page ② states
// the graph of y=ax+b with a rising and a falling example and then drills the
// slope and intercept of random lines, page ③ gives the worked answers of
// textbook P69 question 3, and pages ④ and ⑤ show how y increases or
// decreases along a line. The pages reveal their steps one key at a time and
// return to the section's sub-menu after the last step without waiting.
#include <cmath>
#include <vector>

#include "framework/number_forms.h"
#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

using Plane = Lesson::PlaneSettings;
using Line = Lesson::GraphLine;

// Converts markX/markY(1..count) from grid units to pixels on the plane just
// drawn (its steps are 1).
void marksToPixels(Lesson& page, float count) {
  for (page.loopIndex = 1; page.loopIndex <= count; ++page.loopIndex) {
    page.markX(page.loopIndex) = page.originX + page.gridUnit * page.markX(page.loopIndex);
    page.markY(page.loopIndex) = page.originY - page.gridUnit * page.markY(page.loopIndex);
  }
}

// ---- Page ①: the slope ------------------------------------------------------

// Screens start at (38, 30); "indented" lines start 54 px right of the margin.
constexpr float kSlopeMarginX = 38;
constexpr float kSlopeIndentX = kSlopeMarginX + 54;

const std::vector<Flow> kThreeLinesQuestion{
    newLine(3, 0, U"Q1 "),
    same(0, U"直線y=ax+bは、"),
    labelLine(0, 50, U"aの値が変わるとどうなりますか。"),
};
const Plane kThreeLinesPlane{798, 100, -3, 5, -2, 11, 40, 14, 0};
const std::vector<Line> kThreeLines{
    {1, 2, 0, U"y=x+2", -54, 75},
    {2, 2, 3, U"y=2x+2", -54, 120},
    {3, 2, 7, U"y=3x+2", 0, 0},
};
// Revealed one per key after the three lines.
const std::vector<Stretch> kThreeLinesSteps{
    {newLine(3, 50, U"y=ax+b のaの値が大きいほど、"),
     newLine(3, 50, U"直線の傾きぐあいが急になる。")},
    {newLine(0, 50, U"aの値を、直線の"), same(5, U"傾き"), same(0, U"という。")},
    {newLine(5, 90, U"変化の割合=ﾀyの増加量/xの増加量ﾀ=a=傾き")},
};

// A screen of unit steps along a line: six lattice points from x = firstX on,
// five steps of one unit right between them, then one long step from point 1
// to point `lastPoint` with its run and rise worked out.
struct StepScreen {
  std::vector<Flow> question;
  Plane plane;
  Line line;
  float firstX;
  std::vector<Flow> rule;       // with the rise labels
  std::vector<Flow> direction;  // rising or falling to the right
  std::vector<Flow> longStepQuestion;
  float lastPoint;
  Text run;
  float runDy;  // from the run arrow's line to its label
  std::vector<Flow> product;
  Text rise;
  std::vector<Flow> answer;
};

const StepScreen kRisingSteps{
    {newLine(3, 0, U"Q2 "), same(0, U"直線y=2x+3では、x軸方向を"),
     labelLine(0, 50, U"右へ1ずつ進むとy軸方向はどうなりますか。")},
    {798, 100, -4, 5, -2, 10, 40, 14, 0},
    {2, 3, 0, U"y=2x+3", -108, -50},
    -2,
    {newLine(3, 70, U" 右へ１ずつ進むと　上へ2ずつ進む")},
    {newLine(0, 60, U"　から、この直線は"), same(5, U"右上がり"), same(0, U"になっている。")},
    {newLine(3, 100, U"Q3 右へ3"), same(0, U"進むとy軸方向はどうなりますか。")},
    4,
    U"3",
    0,
    {labelLine(0, 50, U"3*2="), same(5, U"6")},
    U"6",
    {labelLine(3, 70, U" 上へ6進む")},
};

const StepScreen kFallingSteps{
    {newLine(3, 0, U"Q4 "), same(0, U"直線y=-2x+5では、x軸方向を"),
     labelLine(0, 50, U"右へ1ずつ進むとy軸方向はどうなりますか。")},
    {798, 100, -2, 6, -5, 6, 40, 14, 0},
    {-2, 5, 0, U"y=-2x+5", -135, 0},
    0,
    {newLine(3, 70, U" 右へ１ずつ進むと　下へ2ずつ進む")},
    {newLine(0, 60, U"　から、この直線は"), same(5, U"右下がり"), same(0, U"になっている。")},
    {newLine(3, 100, U"Q5 右へ4"), same(0, U"進むとy軸方向はどうなりますか。")},
    5,
    U"4",
    -44,
    {labelLine(0, 50, U"4*2="), same(5, U"8")},
    U"-8",
    {labelLine(3, 70, U" 下へ8進む")},
};

void startSlopeScreen(Lesson& page) {
  startPage(page, {.width = 1320,
                   .height = 1300,
                   .labelX = kSlopeIndentX,
                   .marginX = kSlopeMarginX,
                   .firstLine = 30});
}

// The five unit steps between the six points, labelled as `labels` says
// (first letter "y": the run, second letter "y": the rise).
void unitSteps(Lesson& page, const Text& labels) {
  for (page.loopIndex = 1; page.loopIndex <= 5; ++page.loopIndex) {
    page.slopeX1 = page.markX(page.loopIndex);
    page.slopeY1 = page.markY(page.loopIndex);
    page.slopeX2 = page.markX(page.loopIndex + 1);
    page.slopeY2 = page.markY(page.loopIndex + 1);
    page.slopeLabelSwitch = labels;
    page.drawSlopeTriangle();
  }
}

// One screen of steps; the last step's text ends it without a key wait.
void showSteps(Lesson& page, const StepScreen& screen) {
  startSlopeScreen(page);
  page.flowText(screen.question);
  page.drawPlane(screen.plane);
  page.plotLine(screen.line);
  for (page.loopIndex = 1; page.loopIndex <= 6; ++page.loopIndex) {
    const float x = screen.firstX + page.loopIndex - 1;
    page.markX(page.loopIndex) = x;
    page.markY(page.loopIndex) = screen.line.a * x + screen.line.b;
  }
  marksToPixels(page, 6);
  unitSteps(page, U"yn");
  page.waitKeyPrompt();

  page.flowText(screen.rule);
  unitSteps(page, U"ny");
  page.waitKeyPrompt();

  flowThenWait(page, screen.direction);

  flowThenWait(page, screen.longStepQuestion);

  page.slopeX1 = page.markX(1);
  page.slopeY1 = page.markY(1);
  page.slopeX2 = page.markX(screen.lastPoint);
  page.slopeY2 = page.markY(screen.lastPoint);
  page.runAndRiseArrows(5);
  page.writeAt(5, (page.slopeX1 + page.slopeX2) / 2 - 14, page.slopeY1 + screen.runDy, screen.run);
  page.waitKeyPrompt();

  page.flowText(screen.product);
  page.writeAt(5, page.slopeX2, (page.slopeY1 + page.slopeY2) / 2 - 16, screen.rise);
  page.flowText(screen.answer);
}

// ---- Page ②: the graph of y=ax+b and the slope-intercept drill ---------------

const std::vector<Flow> kGraphStatement{
    newLine(3, 0, U"<一次関数のグラフ>"),
    newLine(0, 50, U"一次関数 y=ax+bのグラフは、"),
    newLine(5, 50, U"傾きがa,切片がbの直線"),
    same(0, U"である。"),
};

// One of the two example figures: a plane 150 px under the statement's last
// line with its line, caption, intercept point and the run "1" and rise "a"
// from x = 0.5 to x = 2.5; its word ("右上がり") comes one key later.
struct SlopeFigure {
  float left;
  Line line;
  Text caption;
  Text originLabel;  // written at the origin when not empty
  float runDy;       // from the run arrow's line to the "1"
  Text word;
  bool wordAtMargin;  // the word at textMarginX, else at the plane's left
};

const std::vector<SlopeFigure> kSlopeFigures{
    {114, {1.5f, 1, 3, U"", 0, 0}, U"a>0のとき", U"y=ax+b", 0, U"右上がり", true},
    {494, {-1.5f, 5, 3, U"y=ax+b", -135, 0}, U"a<0のとき", U"", -50, U"右下がり", false},
};

void drawSlopeFigure(Lesson& page, const SlopeFigure& figure) {
  page.drawPlane({figure.left, page.textLineY + 150, -2, 4, -2, 6, 40, 0, 0});
  page.plotLine(figure.line);
  page.writeAt(3, page.originX - 135, page.plotTop - 50, figure.caption);
  if (!figure.originLabel.empty()) page.writeAt(3, page.originX, page.originY, figure.originLabel);

  const float a = figure.line.a, b = figure.line.b;
  page.plotDot({0, b, 8, 5});
  page.writeAt(5, page.originX - 135, page.originY - (b + 0.5f) * page.gridUnit, U"(0,b)");

  page.slopeX1 = page.originX + 0.5f * page.gridUnit;
  page.slopeY1 = page.originY - page.gridUnit * (a * 0.5f + b);
  page.slopeX2 = page.originX + 2.5f * page.gridUnit;
  page.slopeY2 = page.originY - page.gridUnit * (a * 2.5f + b);
  page.runAndRiseArrows(5);
  page.runAndRiseLabels(5, U"1", figure.runDy, U"a");
}

// The drill's area in the upper right, cleared for every example; its
// question line starts at the left edge, the rest 36 px further right.
constexpr float kDrillLeft = 720, kDrillTop = 30;

// A slope or intercept for the drill: 1 to 5, negative half the time.
float drawNonZero(Lesson& page) {
  float value = std::floor(page.rnd() * 5 + 1);
  page.signPick = std::floor(page.rnd() * 2 + 1);
  if (page.signPick == 2) value = -value;
  return value;
}

// ---- Page ③: textbook P69 question 3, answers ------------------------------

// Each column's function labels stand 76 px left of its margin.
struct AnswerColumn {
  float marginX;
  std::vector<Flow> pieces;
};

const std::vector<AnswerColumn> kSlopeAnswers{
    {114,
     {
         newLine(7, 0, U"教科書P69　問3の解答"),
         labelLine(3, 50, U"(1)y=3x-4"),
         newLine(0, 50, U"傾き…"),
         same(5, U"3"),
         newLine(0, 50, U"切片…"),
         same(5, U"-4"),
         newLine(0, 50, U"a>0 だから"),
         newLine(5, 50, U"右上がり"),
         labelLine(3, 70, U"(2)y=-x+6"),
         newLine(0, 50, U"傾き…"),
         same(5, U"-1"),
         newLine(0, 50, U"切片…"),
         same(5, U"6"),
         newLine(0, 50, U"a<0 だから"),
         newLine(5, 50, U"右下がり"),
     }},
    {760,
     {
         labelLine(3, 0, U"(3)y=ﾀ4/5ﾀx-1"),
         newLine(0, 70, U"傾き…"),
         same(5, U"ﾀ4/5ﾀ"),
         newLine(0, 60, U"切片…"),
         same(5, U"-1"),
         newLine(0, 50, U"a>0 だから"),
         newLine(5, 50, U"右上がり"),
         labelLine(3, 90, U"(4)y=-ﾀ3/2ﾀx+1"),
         newLine(0, 70, U"傾き…"),
         same(5, U"-ﾀ3/2ﾀ"),
         newLine(0, 60, U"切片…"),
         same(5, U"1"),
         newLine(0, 50, U"a<0 だから"),
         newLine(5, 50, U"右下がり"),
     }},
};

// ---- Pages ④ and ⑤: increase and decrease ------------------------------------

// One page of the change of y along a line: the question, the line with its
// caption at the plane's top-right corner, an arrow of x from point 1 to 2,
// one of y from 2 to 3, the answer, the rule with an arrow beside the line
// from point 4 to 5, and the conclusion; one key between the steps.
struct ChangePage {
  Text function;  // in the question and the caption
  float a, b;
  float points[5][2];  // grid units
  Flow answer;
  Flow rule;  // its arrow in colour 5
  Flow conclusion;
};

const ChangePage kIncrease{
    U"y=x+2",
    1,
    2,
    {{-3, -1}, {3, -1}, {3, 5}, {-3, 0}, {2, 5}},
    newLine(3, 70, U"増加する"),
    newLine(5, 70, U"右上がりは増加"),
    newLine(5, 70, U"a>0のとき、右上がりで増加"),
};

const ChangePage kDecrease{
    U"y=-x+2",
    -1,
    2,
    {{-3, 5}, {3, 5}, {3, -1}, {-3, 3}, {2, -2}},
    newLine(5, 70, U"減少する"),
    newLine(3, 70, U"右下がりは減少"),
    newLine(5, 70, U"a<0のとき、右下がりで減少"),
};

void showChange(Lesson& page, const ChangePage& change) {
  startPage(page, {.width = 1320,
                   .height = 1300,
                   .labelX = 60 - 30,
                   .marginX = 60,
                   .firstLine = 30,
                   .penWidth = 5});
  page.flowText({
      labelLine(7, 0, U"Q "),
      same(0, U"一次関数 " + change.function + U" で、xが増加するとき、"),
      newLine(0, 50, U"yの増減をいいなさい。"),
  });

  page.drawPlane({792, 120, -4, 4, -6, 6, 30, 10, 1});
  for (int k = 1; k <= 5; ++k) {
    page.markX(static_cast<float>(k)) = change.points[k - 1][0];
    page.markY(static_cast<float>(k)) = change.points[k - 1][1];
  }
  marksToPixels(page, 5);
  page.plotLine({change.a, change.b, 3, U"", 0, 0});
  page.writeAt(0, page.plotRight, page.plotTop, change.function);
  page.waitKeyPrompt();

  auto arrowBetween = [&page](float color, float from, float to) {
    page.arrowTo(color, page.markX(from), page.markY(from), page.markX(to), page.markY(to));
  };
  page.setDrawWidth(6);
  arrowBetween(7, 1, 2);
  page.waitKeyPrompt();

  arrowBetween(7, 2, 3);
  page.waitKeyPrompt();

  flowThenWait(page, {change.answer});

  page.flowText({change.rule});
  arrowBetween(5, 4, 5);
  page.waitKeyPrompt();

  page.flowText({change.conclusion});
  page.setDrawWidth(3);
}

}  // namespace

void CorbiskUnit::slopePage() {
  startSlopeScreen(*this);
  setDrawWidth(5);
  flowText(kThreeLinesQuestion);
  drawPlane(kThreeLinesPlane);
  for (const Line& line : kThreeLines) plotLine(line);
  waitKeyPrompt();
  revealStretches(*this, kThreeLinesSteps, KeyWait::AfterEach);

  showSteps(*this, kRisingSteps);
  waitKeyPrompt();
  showSteps(*this, kFallingSteps);
}

void CorbiskUnit::slopeExplanationPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 76, .firstLine = 30, .penWidth = 10});
  drawBox(38, 16, 38 + 570, 16 + 175, 9);
  flowText(kGraphStatement);
  setDrawWidth(5);

  for (const SlopeFigure& figure : kSlopeFigures) {
    drawSlopeFigure(*this, figure);
    waitKeyPrompt();
    writeAt(5, figure.wordAtMargin ? textMarginX : plotLeft, plotBottom, figure.word);
  }
  waitKeyPrompt();

  slopeInterceptDrill();
}

// Random lines y = ax + b beside the figures, the slope and the intercept
// revealed one key at a time, until the pupil types 1; then the textbook task.
void CorbiskUnit::slopeInterceptDrill() {
  setDrawWidth(5);
  repeatUntilOne([this] {
    numA(1) = drawNonZero(*this);
    numA(2) = drawNonZero(*this);
    numbersToText();
    // The equation's coefficient of x and its signed constant term.
    numTextA(11) = coefficientForm(numA(1), numTextA(1));
    numTextA(12) = signedTerm(numA(2), numTextA(2));

    itemLabelX = kDrillLeft;
    textMarginX = itemLabelX + 36;
    textLineY = kDrillTop;
    fillBox(kDrillLeft, kDrillTop, kDrillLeft + 600, kDrillTop + 300, 15, 15);
    flowThenWait(
        *this, {
                   labelLine(0, 0, U"問 1次関数 y=" + numTextA(11) + U"x" + numTextA(12) + U"　で"),
                   newLine(0, 50, U"傾きと切片をいいなさい。"),
               });
    flowThenWait(*this, {newLine(0, 50, U"傾き…"), same(5, numTextA(1))});
    flowText({newLine(0, 50, U"切片…"), same(5, numTextA(2))});
  });
  waitKeyPrompt();
  flowText({newLine(7, 90, U"教科書P69"), newLine(7, 50, U"問3 をしなさい。")});
}

void CorbiskUnit::slopeAnswersPage() {
  fillBox(0, 0, 1900, 1500, 15, 15);
  for (const AnswerColumn& column : kSlopeAnswers) {
    textMarginX = column.marginX;
    itemLabelX = textMarginX - 76;
    textLineY = 30;
    flowText(column.pieces);
  }
}

void CorbiskUnit::increasePage() {
  showChange(*this, kIncrease);
}

void CorbiskUnit::decreasePage() {
  showChange(*this, kDecrease);
}

}  // namespace lesson
