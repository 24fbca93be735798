// Section 2: the equation from one point and the slope or intercept — the
// section's entry, goal banner and sub-menu, and its two random examples
// ("例2-1" with a given slope, "例2-2" with a given intercept).
#include <cmath>

#include "framework/number_forms.h"
#include "framework/page_steps.h"
#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {}  // namespace

void MerrowinUnit::pointSlopeSection() {
  showSectionGoal(U"傾きや切片がわかっているとき、一次関数の式を求めよう。");
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

// Slope a (numA(1)), intercept b (numB(1)) and the point (x, y) (numA(2),
// numB(2)) on y = ax + b. A draw whose y lies outside -10..10 (off the plane)
// is thrown away whole and drawn again.
void MerrowinUnit::drawPointValues() {
  float a = 0, b = 0, x = 0, y = 0;
  do {
    a = drawSign(drawWhole(5, 1));
    b = drawSign(drawWhole(3, 1));
    x = drawSign(drawWhole(5, 2));
    y = a * x + b;
  } while (std::fabs(y) > 10);
  numA(1) = a;
  numB(1) = b;
  numA(2) = x;
  numB(2) = y;
}

// The plane with the line y = ax + b, and the given point with its coordinates
// above it, on the side towards the y axis.
void MerrowinUnit::drawPointFigure(float pointColor) {
  drawExamplePlane();
  plotLabelledPoint(numA(2), numB(2), U"(" + numTextA(2) + U"," + numTextB(2) + U")", pointColor,
                    0);
}

// "例2-1": the slope a and a point are given; substitute the point into
// y = ax + b and solve for b.
void MerrowinUnit::slopePointExample() {
  startExamplePage();
  repeatUntilOne([this] {
    drawPointValues();
    const float a = numA(1), b = numB(1), x = numA(2);
    numA(3) = a * x;
    numA(4) = -numA(3);
    numbersToText();
    numTextB(11) = signedTerm(b, numTextB(1));
    numTextA(11) = coefficientForm(a, numTextA(1));
    numTextA(22) = bracketedNegative(x, numTextA(2));
    numTextA(4) = signedTerm(numA(4), numTextA(4));
    const Text& aText = numTextA(1);
    const Text& xText = numTextA(2);
    const Text& yText = numTextB(2);

    eraseExample();
    flowThenWait(*this, {
                            newLine(7, 0, U"例2-1　"),
                            same(0, U"yがxの一次関数で、そのグラフの傾きが"),
                            same(3, aText),
                            same(0, U"で、"),
                            newLine(0, 50, U"点"),
                            same(3, U"(" + xText + U"," + yText + U")"),
                            same(0, U"を通るとき、この一次関数を求めなさい。"),
                        });
    drawPointFigure(5);
    waitKeyPrompt();
    revealStretches(*this,
                    {
                        {
                            newLine(3, 50, U"<解答>"),
                            newLine(0, 70, U"傾きが" + aText + U"だから、求める一次関数の式を"),
                            newLine(3, 50, U"y=" + numTextA(11) + U"x+b …①　"),
                            same(0, U"とする。"),
                        },
                        {
                            newLine(0, 50, U"点(" + xText + U"," + yText + U")を通るから"),
                            newLine(3, 50, U"x=" + xText + U",y=" + yText + U"を①に代入する"),
                            same(0, U"と"),
                        },
                        {newLine(0, 50, yText + U"=" + aText + U"*" + numTextA(22) + U"+b")},
                        {newLine(0, 50, yText + U"=" + numTextA(3) + U"+b")},
                        {
                            newLine(0, 50, U"b=" + yText + numTextA(4) + U"=" + numTextB(1)),
                            newLine(0, 50, U"求める式は "),
                        },
                        {same(5, U"y=" + numTextA(11) + U"x" + numTextB(11))},
                    },
                    KeyWait::Between);
  });
}

// "例2-2": the intercept b and a point are given; substitute the point into
// y = ax + b and solve for a, shown as the reduced quotient (y - b)/x.
void MerrowinUnit::interceptPointExample() {
  startExamplePage();
  repeatUntilOne([this] {
    drawPointValues();
    const float b = numB(1), x = numA(2), y = numB(2);
    numA(3) = -b;
    numA(4) = y + numA(3);
    numbersToText();
    numTextB(11) = signedTerm(b, numTextB(1));
    numTextA(11) = coefficientForm(numA(1), numTextA(1));
    numTextA(3) = signedTerm(numA(3), numTextA(3));
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

    eraseExample();
    flowThenWait(*this, {
                            newLine(7, 0, U"例2-2　"),
                            same(0, U"yがxの一次関数で、そのグラフの切片が"),
                            same(3, bText),
                            same(0, U"で、"),
                            newLine(0, 50, U"点"),
                            same(3, U"(" + xText + U"," + yText + U")"),
                            same(0, U"を通るとき、この一次関数を求めなさい。"),
                        });
    drawPointFigure(3);
    // The intercept on the y axis, its label just right of the axis.
    plotDot({0, b, 8, 5, bText, 26});
    waitKeyPrompt();
    revealStretches(*this,
                    {
                        {
                            newLine(3, 50, U"<解答>"),
                            newLine(0, 70, U"切片が" + bText + U"だから、求める一次関数の式を"),
                            newLine(3, 50, U"y=ax" + numTextB(11) + U" …①　"),
                            same(0, U"とする。"),
                        },
                        {
                            newLine(0, 50, U"点(" + xText + U"," + yText + U")を通るから"),
                            newLine(3, 50, U"x=" + xText + U",y=" + yText + U"を①に代入する"),
                            same(0, U"と"),
                        },
                        {newLine(0, 50, yText + U"=" + xText + U"a" + numTextB(11))},
                        {newLine(0, 50, solved)},
                        {
                            newLine(3, 70, U"a=" + slopeFractionText(2)),
                            newLine(0, 60, U"求める式は "),
                        },
                        {same(5, U"y=" + numTextA(11) + U"x" + numTextB(11))},
                    },
                    KeyWait::Between);
  });
}

}  // namespace lesson
