// Section 2 pages ① and ② (the textbook's pages 58 and 59): water runs into a
// tank at 2 cm a minute, first empty, then already holding 8 cm. Each page runs
// its animation, reveals the table of time x against height y minute by minute
// with the tank beside it, and leads through its questions to the formula.
#include <vector>

#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// One line of a page's text: it starts textMarginX + indent along and dy below
// the previous line, after a key wait when `waitFirst`; its pieces follow one
// another on the line.
struct PageLine {
  bool waitFirst;
  float indent;
  float dy;
  std::vector<std::pair<float, Text>> pieces;  // colour, text
};

constexpr float kAnswerIndent = 34;

void showLines(Lesson& lesson, const std::vector<PageLine>& lines) {
  for (const PageLine& line : lines) {
    if (line.waitFirst) lesson.waitKeyPrompt();
    std::vector<Flow> flow;
    for (const auto& [color, text] : line.pieces) {
      if (flow.empty()) {
        flow.push_back(newLine(color, line.dy, text, line.indent));
      } else {
        flow.push_back(same(color, text));
      }
    }
    lesson.flowText(flow);
  }
}

const std::vector<PageLine> kEmptyTankQuestion{
    {false,
     0,
     0,
     {{7, U"Q1 "}, {0, U"からの水そうに、"}, {3, U"1分間に2cm"}, {0, U"の割合で水を入れます。"}}},
};
const std::vector<PageLine> kPrefilledTankQuestion{
    {false, 0, 0, {{7, U"Q2 "}, {3, U"8cm"}, {0, U"の高さまで水が入った水そうに水を入れます。"}}},
};
// Shown after either animation, without a key wait.
const std::vector<PageLine> kTableHeading{
    {false,
     0,
     50,
     {{0, U"水を入れ始めてからの時間を"},
      {3, U"x分"},
      {0, U"水面までの高さを"},
      {3, U"ycm"},
      {0, U"とするとき、"}}},
};

const PageLine kRiseQuestion{false, 0, 60, {{3, U"①"}, {0, U"xの値が1増えると、yの値は？"}}};
const PageLine kRiseAnswer{true, kAnswerIndent, 50, {{5, U"2増える"}}};
const PageLine kFormulaQuestion{true, 0, 60, {{3, U"②"}, {0, U"xとyの関係を式で表すと"}}};

const std::vector<PageLine> kEmptyTankAnswers{
    kRiseQuestion,
    kRiseAnswer,
    {true, 0, 60, {{3, U"②"}, {0, U"xの値が2倍,3倍,4倍となると、yの値は？"}}},
    {true, kAnswerIndent, 50, {{5, U"2倍,3倍,4倍となる"}}},
    {true, 0, 60, {{3, U"③"}, {0, U"xとyの関係を式で表すと"}}},
    {true, kAnswerIndent, 50, {{5, U"y=2x"}}},
};
const std::vector<PageLine> kPrefilledTankQuestions{kRiseQuestion, kRiseAnswer, kFormulaQuestion};
const std::vector<PageLine> kPrefilledTankAnswer{{true, kAnswerIndent, 50, {{5, U"y=2x+8"}}}};

// A dotted length arc along the tank's left wall: ends, side, bulge, step, colour, label.
struct WallArc {
  float fromY, toY, side, height, step, color;
  Text label;
};
const WallArc kWholeHeightArc{600, 340, 1, 70, 5, 5, U"ycm"};
const WallArc kPartArcs[] = {
    {600, 520, -1, 20, 10, 3, U"8cm"},
    {520, 340, -1, 20, 10, 3, U"2xcm"},
};

}  // namespace

void CorbiskUnit::drawTankTable() {
  markX(11) = 40;
  markX(12) = 94;
  markY(11) = textLineY + 60;
  markY(12) = markY(11) + 50;
  boxHeight = 50;
  lineColor = 3;
  plotColor = 15;
  textColor = 0;
  const Text headers[] = {U"x", U"y"};
  for (int row = 0; row < 2; ++row) {
    const float y = row == 0 ? markY(11) : markY(12);
    boxWidth = 54;
    penX = markX(11);
    penY = y;
    workText = headers[row];
    drawTextBox();
    savedX(1) = penX;
    boxWidth = 60;
    for (loopIndex = 0; loopIndex <= 8; loopIndex += 1) {
      workText.clear();
      if (row == 0) {
        workText = str(loopIndex);
        removeSpaces();
      }
      penX = savedX(1);
      penY = y;
      drawTextBox();
      savedX(1) = penX;
    }
  }
}

void CorbiskUnit::revealTankMinutes(const std::function<void()>& paintAtMinute, float startHeight) {
  for (frameIndex = 0; frameIndex <= 8; frameIndex += 1) {
    waitKeyPrompt();
    paintAtMinute();
    drawTankScale();
    numA(1) = frameIndex;
    workText = str(numA(1));
    removeSpaces();
    numTextA(1) = workText;
    numTextA(2) = U"0";
    drawTankClock();
    workText = str(2 * frameIndex + startHeight);
    removeSpaces();
    textColor = 5;
    penX = markX(12) + 60 * frameIndex;
    penY = markY(12);
    boxWidth = 60;
    boxHeight = 50;
    lineColor = 3;
    plotColor = 15;
    drawTextBox();
  }
}

void CorbiskUnit::showEmptyTankQuestion() {
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 40, .firstLine = 30, .penWidth = 5});
  setTankGeometry();
  showLines(*this, kEmptyTankQuestion);

  drawTankInlet();
  fillBox(markX(31), markY(31), markX(32), markY(32), 0, 1);
  drawTankScale();
  numTextA(1) = U"0";
  numTextA(2) = U"0";
  drawTankClock();
  waitKeyPrompt();
  animateTankFill();

  showLines(*this, kTableHeading);
  drawTankTable();
  revealTankMinutes([this] { paintTank({{3, markY(31), markY(31) - 20 * frameIndex}}); }, 0);
  textLineY = markY(12);
  showLines(*this, kEmptyTankAnswers);
}

void CorbiskUnit::showPrefilledTankQuestion() {
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 40, .firstLine = 30, .penWidth = 5});
  setTankGeometry();
  markY(37) = markY(31) - 80;
  showLines(*this, kPrefilledTankQuestion);

  paintTank({{3, markY(31), markY(37)}});
  drawTankInlet();
  numTextA(1) = U"0";
  numTextA(2) = U"0";
  drawTankClock();
  drawTankScale();
  waitKeyPrompt();
  animateTankTopUp();

  showLines(*this, kTableHeading);
  drawTankTable();
  revealTankMinutes(
      [this] {
        paintTank({{11, markY(37), markY(37) - 20 * frameIndex}, {3, markY(31), markY(37)}});
      },
      8);
  textLineY = markY(12);
  showLines(*this, kPrefilledTankQuestions);

  // The tank at a general time x, its heights marked along the left wall.
  markY(38) = markY(37) - 180;
  paintTank({{3, markY(31), markY(37)}, {11, markY(37), markY(38)}});
  drawTankScale();
  numTextA(1) = U"x";
  numTextA(2) = U"0";
  drawTankClock();
  const auto drawWallArc = [this](const WallArc& arc) {
    arrowHeadX = markX(31);
    arrowHeadY = arc.fromY;
    pointBX = markX(31);
    pointBY = arc.toY;
    arcSide = arc.side;
    arcHeight = arc.height;
    boxWidth = arc.step;
    lineColor = arc.color;
    textColor = arc.color;
    pointLabel = arc.label;
    drawLengthArc();
  };
  drawWallArc(kWholeHeightArc);
  waitKeyPrompt();
  for (const WallArc& arc : kPartArcs) drawWallArc(arc);
  showLines(*this, kPrefilledTankAnswer);
}

}  // namespace lesson
