// Section 1 random pages, each repeating until the pupil types 1: ① problems
// that give two conditions on y=ax+b, ③ and ④ practice that reads a random
// line's equation off its graph (whole-number and fractional slopes).
#include <cmath>
#include <utility>
#include <vector>

#include "framework/number_forms.h"
#include "framework/page_steps.h"
#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {

// A size from 1 to n, then a sign draw into signPick whose 2 negates it.
float drawSigned(Lesson& page, float n) {
  const float value = std::floor(page.rnd() * n + 1);
  page.signPick = std::floor(page.rnd() * 2 + 1);
  return page.signPick == 2 ? -value : value;
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

// On the erased example area: the title, the plane and the line, then the
// intercept, the walk with its slope triangle and the answer, a key wait
// before each.
void showPracticeExample(Lesson& page, const PracticeExample& ex) {
  page.flowText({newLine(7, 0, ex.title)});

  page.drawPlane({722, 50, -5, 5, -7, 7, 40});
  page.plotLine({ex.rise / ex.run, ex.intercept, 0, U""});
  page.waitKeyPrompt();

  page.flowText({newLine(0, 70, U"点(0," + ex.interceptText + U")を通るから、"),
                 same(3, U"切片は" + ex.interceptText)});
  page.plotDot({0, ex.intercept, 8, 5, U"(0," + ex.interceptText + U")", -162});
  page.slopeX1 = page.pointScreenX;
  page.slopeY1 = page.pointScreenY;
  page.slopeX2 = page.slopeX1 + page.gridUnit * ex.run;
  page.slopeY2 = page.slopeY1 - page.gridUnit * ex.rise;
  page.waitKeyPrompt();

  page.flowText({newLine(0, 80, ex.walk), newLine(3, ex.slopeDy, ex.slope)});
  page.plotDot({ex.run, ex.rise + ex.intercept, 8, 5});
  page.slopeLabelSwitch = U"nn";
  page.drawSlopeTriangle();
  page.waitKeyPrompt();

  page.flowText({newLine(5, ex.answerDy, ex.answer)});
}

Text upDownWord(float rise) {
  return rise > 0 ? U"上へ" : U"下へ";
}

}  // namespace

// Page ①: the slope in one of three forms (slope, rate of change, a parallel
// line y=ax+c) and the intercept in one of three forms (a point on the y axis,
// the intercept, y at x=0), in either order; a key, then the equation.
void MerrowinUnit::conditionProblems() {
  startPage(*this, {.width = 1760, .height = 1300, .penWidth = 5});
  repeatUntilOne([this] {
    numA(1) = drawSigned(*this, 5);
    numA(2) = drawSigned(*this, 5);
    numA(3) = drawSigned(*this, 9);
    numbersToText();
    numTextA(11) = coefficientForm(numA(1), numTextA(1));
    numTextA(12) = signedTerm(numA(2), numTextA(2));
    numTextA(3) = signedTerm(numA(3), numTextA(3));

    numTextB(1) = U"グラフの傾きが" + numTextA(1);
    numTextB(2) = U"変化の割合が" + numTextA(1);
    numTextB(3) = U"グラフが直線 y=" + numTextA(11) + U"x" + numTextA(3) + U" に平行";
    numTextB(4) = U"グラフが点(0," + numTextA(2) + U")を通る";
    numTextB(5) = U"グラフの切片が" + numTextA(2);
    numTextB(6) = U"x=0 のとき、y=" + numTextA(2);

    textList(1) = numTextB(drawWhole(3, 1));
    textList(2) = numTextB(drawWhole(3, 4));
    if (drawWhole(2, 1) == 2) std::swap(textList(1), textList(2));

    textMarginX = 156;
    textLineY = 30;
    fillBox(120, 30, 120 + 600, 30 + 300, 15, 15);
    drawTextPieces({{0, 120, textLineY, U"問 次の条件をみたす1次関数の式を求めなさい。"}});
    flowThenWait(*this, {newLine(3, 50, textList(1)), newLine(3, 50, textList(2))});
    flowText({newLine(0, 80, U"答…"), same(5, U"y=" + numTextA(11) + U"x" + numTextA(12))});
  });
}

// Page ③: y = ax + b with a and b from -3 to -1 or 1 to 3; the intercept never
// repeats the value lastDrawn holds.
void MerrowinUnit::integerSlopePractice() {
  startExamplePage();
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
    numTextB(11) = signedTerm(numB(1), numTextB(1));
    eraseExample();
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
  startExamplePage();
  repeatUntilOne([this] {
    // The rises that would make p/q whole or reducible, and the rise used.
    struct Replacement {
      float run, drawn, used;
    };
    static const Replacement kReplacements[] = {
        {2, 2, 3}, {2, 4, 5}, {3, 3, 2}, {4, 2, 3}, {4, 4, 5},
    };
    do {
      numA(1) = drawWhole(5, 1);
      numA(3) = drawWhole(3, 2);
      for (const Replacement& r : kReplacements) {
        if (numA(3) == r.run && numA(1) == r.drawn) {
          numA(1) = r.used;
          break;
        }
      }
      signPick = drawWhole(2, 1);
      if (signPick == 2) numA(1) = -numA(1);
      numA(2) = std::fabs(numA(1));
      numB(1) = drawSigned(*this, 3);
      numB(2) = numA(1) + numB(1);
    } while (std::fabs(numB(2)) > 6);

    numbersToText();
    numTextB(11) = signedTerm(numB(1), numTextB(1));
    fracNum = numA(1);
    fracDen = numA(3);
    reduceFraction();
    slopeFractionText(1) = fractionText;
    slopeFractionText(2) = fractionWorking;
    eraseExample();
    showPracticeExample(
        *this,
        {U"練習2 図の直線の式を求めなさい。", numA(3), numA(1), numB(1), numTextB(1),
         U"右へ" + numTextA(3) + U"進むと、" + upDownWord(numA(1)) + numTextA(2) + U"進むから ",
         U"傾きは、" + slopeFractionText(2), 90,
         U"答　y=" + slopeFractionText(1) + U"x" + numTextB(11), 90});
  });
  waitKeyPrompt();
  flowText({newLine(0, 90, U"教科書P73 問1 をしなさい。")});
}

}  // namespace lesson
