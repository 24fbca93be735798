// Section 1 random pages, each repeating until the pupil types 1: ① problems
// that give two conditions on y=ax+b, ③ and ④ practice that reads a random
// line's equation off its graph (whole-number and fractional slopes).
#include <cmath>
#include <utility>
#include <vector>

#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {

using Flow = Lesson::FlowPiece;

// A whole number from k to k + n - 1, each equally likely.
float drawWhole(Lesson& page, float n, float k) {
  return std::floor(page.rnd() * n + k);
}

// A size from 1 to n, then a sign draw into signPick whose 2 negates it.
float drawSigned(Lesson& page, float n) {
  float value = drawWhole(page, n, 1);
  page.signPick = drawWhole(page, 2, 1);
  return page.signPick == 2 ? -value : value;
}

// The number text forms of a formula: before "x" (empty for 1, "-" for -1)
// and as a term after another ("+" before a positive value).
Text coefficientForm(float value, const Text& text) {
  if (value == 1) return U"";
  if (value == -1) return U"-";
  return text;
}
Text signedForm(float value, const Text& text) {
  return value > 0 ? U"+" + text : text;
}

// One example of the practice pages: the line y = (rise/run)x + intercept,
// read off the plane from its intercept and the walk of `run` to the right
// and `rise` up to a second point of the grid.
struct PracticeExample {
  Text title;
  float run, rise, intercept;
  Text interceptText;  // plain
  Text walk;           // the walk sentence
  Text slope;          // the worked slope
  float slopeDy;       // the slope line's distance below the walk
  Text answer;
  float answerDy;  // the answer's distance below the slope line
};

// Erases the previous example, draws the title, the plane and the line, then
// reveals the intercept, the walk with its slope triangle and the answer, a
// key wait before each.
void showPracticeExample(Lesson& page, const PracticeExample& ex) {
  page.fillBox(0, page.savedY(1), 1600, page.savedY(1) + 1800, 15, 15);
  page.textMarginX = page.savedX(1);
  page.textLineY = page.savedY(1);
  page.flowText({{7, Flow::Margin, 0, ex.title}});

  page.graphLeft = 722;
  page.graphTop = 50;
  page.graphXMin = -5;
  page.graphXMax = 5;
  page.graphYMin = -7;
  page.graphYMax = 7;
  page.gridUnit = 40;
  page.lineColor = 14;
  page.noAxisNumbers = 0;
  page.drawGraphPlane();
  page.curveKind = 3;
  page.coefA = ex.rise / ex.run;
  page.coefB = ex.intercept;
  page.plotColor = 0;
  page.pointLabel.clear();
  page.plotCurve();
  page.waitKeyPrompt();

  page.flowText({{0, Flow::Margin, 70, U"点(0," + ex.interceptText + U")を通るから、"},
                 {3, Flow::End, 0, U"切片は" + ex.interceptText}});
  page.pointX = 0;
  page.pointY = ex.intercept;
  page.pointRadius = 8;
  page.plotColor = 5;
  page.pointLabel = U"(0," + ex.interceptText + U")";
  page.labelDx = -162;
  page.labelDy = 0;
  page.plotPoint();
  page.slopeX1 = page.pointScreenX;
  page.slopeY1 = page.pointScreenY;
  page.slopeX2 = page.slopeX1 + page.gridUnit * ex.run;
  page.slopeY2 = page.slopeY1 - page.gridUnit * ex.rise;
  page.waitKeyPrompt();

  page.flowText({{0, Flow::Margin, 80, ex.walk}, {3, Flow::Margin, ex.slopeDy, ex.slope}});
  page.pointX = ex.run;
  page.pointY = ex.rise + ex.intercept;
  page.pointRadius = 8;
  page.plotColor = 5;
  page.pointLabel.clear();
  page.plotPoint();
  page.slopeLabelSwitch = U"nn";
  page.drawSlopeTriangle();
  page.waitKeyPrompt();

  page.flowText({{5, Flow::Margin, ex.answerDy, ex.answer}});
}

// The entry of a practice page: page cleared, text origin (40,30) kept for
// every example, pen width 5.
void enterPractice(Lesson& page) {
  page.fillBox(0, 0, 1320, 1300, 15, 15);
  page.textMarginX = 40;
  page.textLineY = 30;
  page.setDrawWidth(5);
  page.savedX(1) = page.textMarginX;
  page.savedY(1) = page.textLineY;
}

Text upDownWord(float rise) {
  return rise > 0 ? U"上へ" : U"下へ";
}

}  // namespace

// Page ①: the slope in one of three forms (slope, rate of change, a parallel
// line y=ax+c) and the intercept in one of three forms (a point on the y axis,
// the intercept, y at x=0), in either order; a key, then the equation.
void MerrowinUnit::conditionProblems() {
  fillBox(0, 0, 1760, 1300, 15, 15);
  setDrawWidth(5);
  repeatUntilOne([this] {
    numA(1) = drawSigned(*this, 5);
    numA(2) = drawSigned(*this, 5);
    numA(3) = drawSigned(*this, 9);
    numbersToText();
    numTextA(11) = coefficientForm(numA(1), numTextA(1));
    numTextA(12) = signedForm(numA(2), numTextA(2));
    numTextA(3) = signedForm(numA(3), numTextA(3));

    numTextB(1) = U"グラフの傾きが" + numTextA(1);
    numTextB(2) = U"変化の割合が" + numTextA(1);
    numTextB(3) = U"グラフが直線 y=" + numTextA(11) + U"x" + numTextA(3) + U" に平行";
    numTextB(4) = U"グラフが点(0," + numTextA(2) + U")を通る";
    numTextB(5) = U"グラフの切片が" + numTextA(2);
    numTextB(6) = U"x=0 のとき、y=" + numTextA(2);

    textList(1) = numTextB(drawWhole(*this, 3, 1));
    textList(2) = numTextB(drawWhole(*this, 3, 4));
    if (drawWhole(*this, 2, 1) == 2) std::swap(textList(1), textList(2));

    textMarginX = 156;
    textLineY = 30;
    fillBox(120, 30, 120 + 600, 30 + 300, 15, 15);
    drawTextPieces({{0, 120, textLineY, U"問 次の条件をみたす1次関数の式を求めなさい。"}});
    flowText({{3, Flow::Margin, 50, textList(1)}, {3, Flow::Margin, 50, textList(2)}});
    waitKeyPrompt();
    flowText({{0, Flow::Margin, 80, U"答…"},
              {5, Flow::End, 0, U"y=" + numTextA(11) + U"x" + numTextA(12)}});
  });
}

// Page ③: y = ax + b with a and b from -3 to -1 or 1 to 3; the intercept never
// repeats the value lastDrawn holds.
void MerrowinUnit::integerSlopePractice() {
  enterPractice(*this);
  repeatUntilOne([this] {
    do {
      numA(1) = drawSigned(*this, 3);
      numA(2) = std::fabs(numA(1));
      numB(1) = drawSigned(*this, 3);
      numB(2) = numA(1) + numB(1);
    } while (numB(1) == lastDrawn);
    lastDrawn = numB(1);

    numbersToText();
    numTextA(11) = coefficientForm(numA(1), numTextA(1));
    numTextB(11) = signedForm(numB(1), numTextB(1));
    showPracticeExample(*this,
                        {U"練習1 図の直線の式を求めなさい。", 1, numA(1), numB(1), numTextB(1),
                         U"右へ1進むと、" + upDownWord(numA(1)) + numTextA(2) + U"進むから ",
                         U"傾きは、ﾀ" + numTextA(1) + U"/1ﾀ=" + numTextA(1), 70,
                         U"答　y=" + numTextA(11) + U"x" + numTextB(11), 80});
  });
}

// Page ④: y = (p/q)x + b with p/q a fraction in lowest terms that is not whole
// (q from 2 to 4, |p| up to 5) and b from -3 to -1 or 1 to 3, redrawn while
// the second point (q, p + b) would leave the plane; then the textbook task.
void MerrowinUnit::fractionSlopePractice() {
  enterPractice(*this);
  repeatUntilOne([this] {
    // The rises that would make p/q whole or reducible, and the rise used.
    struct Replacement {
      float run, drawn, used;
    };
    static const Replacement kReplacements[] = {
        {2, 2, 3}, {2, 4, 5}, {3, 3, 2}, {4, 2, 3}, {4, 4, 5},
    };
    do {
      numA(1) = drawWhole(*this, 5, 1);
      numA(3) = drawWhole(*this, 3, 2);
      for (const Replacement& r : kReplacements) {
        if (numA(3) == r.run && numA(1) == r.drawn) {
          numA(1) = r.used;
          break;
        }
      }
      signPick = drawWhole(*this, 2, 1);
      if (signPick == 2) numA(1) = -numA(1);
      numA(2) = std::fabs(numA(1));
      numB(1) = drawSigned(*this, 3);
      numB(2) = numA(1) + numB(1);
    } while (std::fabs(numB(2)) > 6);

    numbersToText();
    numTextB(11) = signedForm(numB(1), numTextB(1));
    fracNum = numA(1);
    fracDen = numA(3);
    reduceFraction();
    slopeFractionText(1) = fractionText;
    slopeFractionText(2) = fractionWorking;
    showPracticeExample(
        *this,
        {U"練習2 図の直線の式を求めなさい。", numA(3), numA(1), numB(1), numTextB(1),
         U"右へ" + numTextA(3) + U"進むと、" + upDownWord(numA(1)) + numTextA(2) + U"進むから ",
         U"傾きは、" + slopeFractionText(2), 90,
         U"答　y=" + slopeFractionText(1) + U"x" + numTextB(11), 90});
  });
  waitKeyPrompt();
  flowText({{0, Flow::Margin, 90, U"教科書P73 問1 をしなさい。"}});
}

}  // namespace lesson
