// Section 2: the equation from one point and the slope or intercept — the
// section's entry, goal banner and sub-menu, and its two random examples
// ("例2-1" with a given slope, "例2-2" with a given intercept).
#include <cmath>

#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {

using Flow = Lesson::FlowPiece;

// "<めあて>" at (44,240) and the goal sentence 32 px right of the margin and
// 65 px below the heading, over the screen the main menu has just erased.
void showPointSlopeGoal(Lesson& lesson, const Text& goal) {
  lesson.textMarginX = 44;
  lesson.textLineY = 240;
  lesson.drawTextPieces({
      {3, lesson.textMarginX, lesson.textLineY, U"<めあて>"},
      {0, lesson.textMarginX + 32, lesson.textLineY + 65, goal},
  });
}

// The forms in which the examples write a number into formula text, built
// from its plain text (as numbersToText makes it).
// In front of "x": nothing for 1, "-" for -1.
Text coefficientForm(float value, const Text& plain) {
  if (value == 1) return U"";
  if (value == -1) return U"-";
  return plain;
}

// A term after another: a positive value gets its "+".
Text signedForm(float value, const Text& plain) {
  return value > 0 ? U"+" + plain : plain;
}

// A factor put into a product: a negative value goes in parentheses.
Text parenthesizedForm(float value, const Text& plain) {
  return value < 0 ? U"(" + plain + U")" : plain;
}

// A whole number from k to k + n - 1, each equally likely.
float drawWhole(Lesson& lesson, float n, float k) {
  return std::floor(lesson.rnd() * n + k);
}

// The sign draw: 1 or 2; 2 makes the value negative.
float drawSign(Lesson& lesson, float value) {
  lesson.signPick2 = drawWhole(lesson, 2, 1);
  return lesson.signPick2 == 2 ? -value : value;
}

}  // namespace

void MerrowinUnit::pointSlopeSection() {
  showPointSlopeGoal(*this, U"傾きや切片がわかっているとき、一次関数の式を求めよう。");
  pointSlopeMenu();
}

void MerrowinUnit::pointSlopeMenu() {
  runSubMenu(U"①傾きと1点　②切片と1点　③まとめ　④問2　⑤説明しよう　⑥終了", 6, [this](int item) {
    openPage(*this,
             {&MerrowinUnit::slopePointExample, &MerrowinUnit::interceptPointExample,
              &MerrowinUnit::pointSlopeSummaryPage, &MerrowinUnit::pointSlopeAnswerPage,
              &MerrowinUnit::pointSlopeExplainPage},
             item);
  });
}

void MerrowinUnit::revealSteps(const std::vector<std::vector<FlowPiece>>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i > 0) waitKeyPrompt();
    flowText(steps[i]);
  }
}

// Page entry of both examples: the page clear, the text origin (40,30), kept
// in savedX(1), savedY(1) for each example's erase, and pen width 5 for the
// line's dots (left in force after the page).
void MerrowinUnit::startPointExamplePage() {
  fillBox(0, 0, 1320, 1300, 15, 15);
  textMarginX = 40;
  textLineY = 30;
  setDrawWidth(5);
  savedX(1) = textMarginX;
  savedY(1) = textLineY;
}

// Slope a (numA(1)), intercept b (numB(1)) and the point (x, y) (numA(2),
// numB(2)) on y = ax + b. A draw whose y lies outside -10..10 (off the plane)
// is thrown away whole and drawn again.
void MerrowinUnit::drawPointValues() {
  float a = 0, b = 0, x = 0, y = 0;
  do {
    a = drawSign(*this, drawWhole(*this, 5, 1));
    b = drawSign(*this, drawWhole(*this, 3, 1));
    x = drawSign(*this, drawWhole(*this, 5, 2));
    y = a * x + b;
  } while (std::fabs(y) > 10);
  numA(1) = a;
  numB(1) = b;
  numA(2) = x;
  numB(2) = y;
}

// Erases the previous example, its figure and the foot bar, and restarts the
// text flow at the page's text origin.
void MerrowinUnit::erasePointExample() {
  fillBox(0, savedY(1), 1600, savedY(1) + 1800, 15, 15);
  textMarginX = savedX(1);
  textLineY = savedY(1);
}

// The plane (axes only) right of the text, the line y = ax + b in colour 0,
// and the given point with its coordinates above it, on the side towards the
// y axis.
void MerrowinUnit::drawPointFigure(float pointColor) {
  graphLeft = 800;
  graphTop = 200;
  graphXMin = -10;
  graphXMax = 10;
  graphYMin = -10;
  graphYMax = 10;
  gridUnit = 20;
  lineColor = 0;
  noAxisNumbers = 0;
  drawGraphPlane();

  curveKind = 3;
  coefA = numA(1);
  coefB = numB(1);
  plotColor = 0;
  pointLabel = U"";
  labelDx = 0;
  labelDy = 0;
  plotCurve();

  pointLabel = U"(" + numTextA(2) + U"," + numTextB(2) + U")";
  workText = pointLabel;
  measureText();
  pointX = numA(2);
  pointY = numB(2);
  labelDx = pointX > 0 ? -textWidth : 20;
  labelDy = 0;
  pointRadius = 8;
  plotColor = pointColor;
  plotPoint();
}

// "例2-1": the slope a and a point are given; substitute the point into
// y = ax + b and solve for b.
void MerrowinUnit::slopePointExample() {
  startPointExamplePage();
  repeatUntilOne([this] {
    drawPointValues();
    const float a = numA(1), b = numB(1), x = numA(2);
    numA(3) = a * x;
    numA(4) = -numA(3);
    numbersToText();
    numTextB(11) = signedForm(b, numTextB(1));
    numTextA(11) = coefficientForm(a, numTextA(1));
    numTextA(22) = parenthesizedForm(x, numTextA(2));
    numTextA(4) = signedForm(numA(4), numTextA(4));
    const Text& aText = numTextA(1);
    const Text& xText = numTextA(2);
    const Text& yText = numTextB(2);

    erasePointExample();
    flowText({
        {7, Flow::Margin, 0, U"例2-1　"},
        {0, Flow::End, 0, U"yがxの一次関数で、そのグラフの傾きが"},
        {3, Flow::End, 0, aText},
        {0, Flow::End, 0, U"で、"},
        {0, Flow::Margin, 50, U"点"},
        {3, Flow::End, 0, U"(" + xText + U"," + yText + U")"},
        {0, Flow::End, 0, U"を通るとき、この一次関数を求めなさい。"},
    });
    waitKeyPrompt();
    drawPointFigure(5);
    waitKeyPrompt();
    revealSteps({
        {
            {3, Flow::Margin, 50, U"<解答>"},
            {0, Flow::Margin, 70, U"傾きが" + aText + U"だから、求める一次関数の式を"},
            {3, Flow::Margin, 50, U"y=" + numTextA(11) + U"x+b …①　"},
            {0, Flow::End, 0, U"とする。"},
        },
        {
            {0, Flow::Margin, 50, U"点(" + xText + U"," + yText + U")を通るから"},
            {3, Flow::Margin, 50, U"x=" + xText + U",y=" + yText + U"を①に代入する"},
            {0, Flow::End, 0, U"と"},
        },
        {{0, Flow::Margin, 50, yText + U"=" + aText + U"*" + numTextA(22) + U"+b"}},
        {{0, Flow::Margin, 50, yText + U"=" + numTextA(3) + U"+b"}},
        {
            {0, Flow::Margin, 50, U"b=" + yText + numTextA(4) + U"=" + numTextB(1)},
            {0, Flow::Margin, 50, U"求める式は "},
        },
        {{5, Flow::End, 0, U"y=" + numTextA(11) + U"x" + numTextB(11)}},
    });
  });
}

// "例2-2": the intercept b and a point are given; substitute the point into
// y = ax + b and solve for a, shown as the reduced quotient (y - b)/x.
void MerrowinUnit::interceptPointExample() {
  startPointExamplePage();
  repeatUntilOne([this] {
    drawPointValues();
    const float b = numB(1), x = numA(2), y = numB(2);
    numA(3) = -b;
    numA(4) = y + numA(3);
    numbersToText();
    numTextB(11) = signedForm(b, numTextB(1));
    numTextA(11) = coefficientForm(numA(1), numTextA(1));
    numTextA(3) = signedForm(numA(3), numTextA(3));
    // x is never 0, and y - b = ax with a whole, so the quotient comes out as
    // the whole number a after the fraction as given.
    fracNum = numA(4);
    fracDen = x;
    reduceFraction();
    slopeFractionText(2) = fractionWorking;
    const Text& bText = numTextB(1);
    const Text& xText = numTextA(2);
    const Text& yText = numTextB(2);
    const Text solved = y == 0 ? xText + U"a=" + numTextA(4)
                               : xText + U"a=" + yText + numTextA(3) + U"=" + numTextA(4);

    erasePointExample();
    flowText({
        {7, Flow::Margin, 0, U"例2-2　"},
        {0, Flow::End, 0, U"yがxの一次関数で、そのグラフの切片が"},
        {3, Flow::End, 0, bText},
        {0, Flow::End, 0, U"で、"},
        {0, Flow::Margin, 50, U"点"},
        {3, Flow::End, 0, U"(" + xText + U"," + yText + U")"},
        {0, Flow::End, 0, U"を通るとき、この一次関数を求めなさい。"},
    });
    waitKeyPrompt();
    drawPointFigure(3);
    // The intercept on the y axis, its label just right of the axis.
    pointX = 0;
    pointY = b;
    pointRadius = 8;
    plotColor = 5;
    pointLabel = bText;
    labelDx = 26;
    labelDy = 0;
    plotPoint();
    waitKeyPrompt();
    revealSteps({
        {
            {3, Flow::Margin, 50, U"<解答>"},
            {0, Flow::Margin, 70, U"切片が" + bText + U"だから、求める一次関数の式を"},
            {3, Flow::Margin, 50, U"y=ax" + numTextB(11) + U" …①　"},
            {0, Flow::End, 0, U"とする。"},
        },
        {
            {0, Flow::Margin, 50, U"点(" + xText + U"," + yText + U")を通るから"},
            {3, Flow::Margin, 50, U"x=" + xText + U",y=" + yText + U"を①に代入する"},
            {0, Flow::End, 0, U"と"},
        },
        {{0, Flow::Margin, 50, yText + U"=" + xText + U"a" + numTextB(11)}},
        {{0, Flow::Margin, 50, solved}},
        {
            {3, Flow::Margin, 70, U"a=" + slopeFractionText(2)},
            {0, Flow::Margin, 60, U"求める式は "},
        },
        {{5, Flow::End, 0, U"y=" + numTextA(11) + U"x" + numTextB(11)}},
    });
  });
}

}  // namespace lesson
