// Section 7 pages ③ and ④: drills that pose two random lines, one rising and
// one falling, beside an empty plane and then draw each from its intercept
// point and a second point one slope step away, one step per key, until the
// pupil types 1. Page ③ draws whole slopes, page ④ proper fractions.
#include <cmath>
#include <vector>

#include "framework/number_forms.h"
#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// A whole number from 1 to n, each equally likely.
float drawUpTo(Lesson& page, float n) {
  return std::floor(page.rnd() * n + 1);
}

// An intercept from -5 to -1 or 1 to 5 into numA(slot): a size, then a sign
// draw whose 0 negates it.
void drawIntercept(Lesson& page, float slot) {
  page.numA(slot) = drawUpTo(page, 5);
  page.signPick = std::floor(page.rnd() * 2);
  if (page.signPick == 0) page.numA(slot) = -page.numA(slot);
}

// One line of a drill: y = slopeText x + intercept, reached from its intercept
// point by `run` to the right and `rise` up.
struct DrillLine {
  Text slopeText;
  float run, rise;
  float intercept;
  Text interceptText;  // signed
  float dotColor;
  Text name;  // "①" or "②": the equation's label and the line's
};

// One example: the task, the plane and both equations, then per line its two
// points and the line, a key wait after each but the last, which the caller's
// next-step prompt follows.
void drawDrillExample(Lesson& page, const Text& task, const std::vector<DrillLine>& lines) {
  startPage(page, {.labelX = 88 - 44, .marginX = 88, .firstLine = 30});
  page.flowText({labelLine(0, 0, task)});

  page.drawPlane({680, 50, -10, 10, -10, 10, 25, 1});

  for (const DrillLine& line : lines) {
    page.flowText(
        {newLine(3, 80, line.name + U" y=" + line.slopeText + U"x" + line.interceptText)});
  }
  page.waitKeyPrompt();

  for (std::size_t i = 0; i < lines.size(); ++i) {
    const DrillLine& line = lines[i];
    const float points[2][2] = {{0, line.intercept}, {line.run, line.rise + line.intercept}};
    for (const auto& point : points) {
      page.plotDot({point[0], point[1], 10, line.dotColor});
      page.waitKeyPrompt();
    }
    // The label stands at the line's last dot.
    page.plotLine({fdiv(line.rise, line.run), line.intercept, 3, line.name});
    if (i + 1 < lines.size()) page.waitKeyPrompt();
  }
}

}  // namespace

void CorbiskUnit::integerGraphDrill() {
  repeatUntilOne([this] {
    numA(1) = drawUpTo(*this, 5);
    numA(2) = -drawUpTo(*this, 5);
    drawIntercept(*this, 3);
    drawIntercept(*this, 4);

    numbersToText();
    numTextA(1) = coefficientForm(numA(1), numTextA(1));
    numTextA(2) = coefficientForm(numA(2), numTextA(2));
    numTextA(13) = signedTerm(numA(3), numTextA(3));
    numTextA(14) = signedTerm(numA(4), numTextA(4));

    drawDrillExample(*this, U"Q1 次の1次関数のグラフをかきなさい。",
                     {{numTextA(1), 1, numA(1), numA(3), numTextA(13), 7, U"①"},
                      {numTextA(2), 1, numA(2), numA(4), numTextA(14), 5, U"②"}});
  });
}

void CorbiskUnit::fractionGraphDrill() {
  repeatUntilOne([this] {
    // A proper fraction n/d with d from 2 to 5, reduced; numA(slot) takes the
    // denominator, numB(slot) the numerator with the slope's sign and
    // textList(slot) its text.
    const auto drawSlope = [this](float slot, float sign) {
      numA(slot) = std::floor(rnd() * 4 + 2);
      numB(slot) = drawUpTo(*this, numA(slot) - 1);
      numB(slot) = sign * numB(slot);
      fracDen = numA(slot);
      fracNum = numB(slot);
      reduceFraction();
      textList(slot) = fractionText;
      numA(slot) = fracDen;
      numB(slot) = fracNum;
    };
    drawSlope(1, 1);
    drawSlope(2, -1);
    drawIntercept(*this, 3);
    drawIntercept(*this, 4);

    numbersToText();
    numTextA(13) = signedTerm(numA(3), numTextA(3));
    numTextA(14) = signedTerm(numA(4), numTextA(4));

    drawDrillExample(*this, U"Q2 次の1次関数のグラフをかきなさい。",
                     {{textList(1), numA(1), numB(1), numA(3), numTextA(13), 7, U"①"},
                      {textList(2), numA(2), numB(2), numA(4), numTextA(14), 5, U"②"}});
  });
  // Under the second equation, over the last example.
  flowText({newLine(0, 90, U"教科書P70 問4 をしなさい。")});
}

}  // namespace lesson
