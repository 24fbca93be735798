// Section 3 pages ① and ②: random lines y=ax+b given by two of their points,
// one left and one right of the y axis. Page ① works out the slope from the
// two points; page ② the slope and then the intercept by substituting the
// second point. Both show the problem on a plane with the line and the points
// and reveal the solution one key at a time, until the pupil types 1.
#include <functional>
#include <vector>

#include "framework/number_forms.h"
#include "framework/page_steps.h"
#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {

// One stretch of a worked solution: the slope triangle first when
// `triangle` names its length switch ("nn" arrows only, "yy" with the
// lengths), then the text pieces, then a key wait when `wait`.
// The slope triangle on the two points the statement plotted (slopeX1,
// slopeY1 and slopeX2, slopeY2), labelled as `labels` says; it leaves pen
// width 4.
std::function<void()> slopeTriangle(Lesson& page, const Text& labels) {
  return [&page, labels] {
    page.slopeLabelSwitch = labels;
    page.drawSlopeTriangle();
  };
}

// A point's coordinates as the statement and the graph label show them.
Text pointText(const Text& x, const Text& y) {
  return U"(" + x + U"," + y + U")";
}

}  // namespace

void MerrowinUnit::pickTwoPointLine() {
  auto withinPlane = [](float y) { return y >= -10 && y <= 10; };
  // Every rejection draws the whole attempt again from the slope. A slope of
  // 1 or -1 keeps both points on the plane, so the attempts come to an end.
  for (;;) {
    numA(1) = drawSign(drawWhole(5, 1));
    if (numA(1) == lastDrawn) continue;
    // Kept at once: a slope rejected below still may not come next.
    lastDrawn = numA(1);
    numB(1) = drawSign(drawWhole(3, 1));
    numA(2) = -drawWhole(3, 2);
    numA(3) = drawWhole(5, 2);
    numB(2) = numA(1) * numA(2) + numB(1);
    if (!withinPlane(numB(2))) continue;
    numB(3) = numA(1) * numA(3) + numB(1);
    if (!withinPlane(numB(3))) continue;
    return;
  }
}

// Run and rise, -x1 and -y1 in `negatedSlot`, all texts; then the forms the
// working writes: x1 and y1 after a minus sign, -x1 and -y1 as signed terms.
void MerrowinUnit::twoPointWorkingValues(float negatedSlot) {
  numA(4) = numA(3) - numA(2);
  numB(4) = numB(3) - numB(2);
  numB(negatedSlot) = -numB(2);
  numA(negatedSlot) = -numA(2);
  numbersToText();
  numTextB(12) = bracketedNegative(numB(2), numTextB(2));
  numTextA(12) = bracketedNegative(numA(2), numTextA(2));
  numTextB(negatedSlot) = signedTerm(numB(negatedSlot), numTextB(negatedSlot));
  numTextA(negatedSlot) = signedTerm(numA(negatedSlot), numTextA(negatedSlot));
  // The term -y1 follows y2's digits with no sign of its own; for y1 = 0 it
  // is written "-0", so that the fraction reads y2-0 like the one before it
  // and not as y2's digits with a 0 appended.
  if (numB(2) == 0) numTextB(negatedSlot) = U"-0";
}

void MerrowinUnit::twoPointProblemDisplay(const Text& title, const Text& question) {
  eraseExample();
  const Text first = pointText(numTextA(2), numTextB(2));
  const Text second = pointText(numTextA(3), numTextB(3));
  flowText({
      newLine(7, 0, title),
      same(0, U"yがxの一次関数で、そのグラフが2点"),
      same(3, first),
      same(0, U","),
      same(5, second),
      newLine(0, 50, question),
  });

  // The origin at (1000,400).
  drawExamplePlane();

  // Each point with its label: right of the dot for x <= 0, ending 20 px left
  // of it for x > 0; the first one's below the dot on a rising line, above it
  // on a falling one, the second one's always above. The dots are the corners
  // of the slope triangle.
  struct Mark {
    float slot;
    const Text& label;
    float color, labelDy;
    float Lesson::*screenX;
    float Lesson::*screenY;
  };
  const Mark marks[] = {
      {2, first, 3, numA(1) < 0 ? -20.0f : 50.0f, &Lesson::slopeX1, &Lesson::slopeY1},
      {3, second, 5, -10, &Lesson::slopeX2, &Lesson::slopeY2},
  };
  for (const Mark& mark : marks) {
    plotLabelledPoint(numA(mark.slot), numB(mark.slot), mark.label, mark.color, mark.labelDy);
    this->*mark.screenX = pointScreenX;
    this->*mark.screenY = pointScreenY;
  }
}

namespace {

// The sentence naming the two points, and the slope as y2 minus y1 over x2
// minus x1 with the points' values substituted.
std::vector<Flow> slopeFormula(const Lesson& page) {
  return {
      newLine(0, 60,
              pointText(page.numTextA(2), page.numTextB(2)) + U"と" +
                  pointText(page.numTextA(3), page.numTextB(3)) + U"を通るから、傾きは"),
      newLine(3, 70,
              U"a=ﾀ" + page.numTextB(3) + U"-" + page.numTextB(12) + U"/" + page.numTextA(3) +
                  U"-" + page.numTextA(12) + U"ﾀ"),
  };
}

// The same fraction with the subtractions written as signed terms.
Flow signedFraction(const Lesson& page, float negatedSlot) {
  return same(0, U"=ﾀ" + page.numTextB(3) + page.numTextB(negatedSlot) + U"/" + page.numTextA(3) +
                     page.numTextA(negatedSlot) + U"ﾀ");
}

// Rise over run, then the slope.
std::vector<Flow> slopeValue(const Lesson& page) {
  return {
      same(0, U"=ﾀ" + page.numTextB(4) + U"/" + page.numTextA(4) + U"ﾀ"),
      same(5, U"=" + page.numTextA(1)),
  };
}

}  // namespace

void MerrowinUnit::showTwoPointSlopeExample() {
  constexpr float kNegated = 22;
  pickTwoPointLine();
  twoPointWorkingValues(kNegated);
  twoPointProblemDisplay(U"例1　", U"を通るとき、この一次関数の傾きを求めなさい。");
  revealSteps(*this, {
                         {nullptr, {newLine(3, 50, U"<解答>")}, true},
                         {slopeTriangle(*this, U"nn"), {}, true},
                         {nullptr, slopeFormula(*this), true},
                         {nullptr, {signedFraction(*this, kNegated)}, true},
                         {slopeTriangle(*this, U"yy"), slopeValue(*this), false},
                     });
}

void MerrowinUnit::showTwoPointEquationExample() {
  constexpr float kNegated = 32;
  pickTwoPointLine();
  numA(6) = numA(1) * numA(3);
  numA(7) = -numA(6);
  twoPointWorkingValues(kNegated);
  numTextA(7) = signedTerm(numA(7), numTextA(7));
  numTextB(11) = signedTerm(numB(1), numTextB(1));
  numTextA(11) = coefficientForm(numA(1), numTextA(1));
  twoPointProblemDisplay(U"例題2　", U"を通るとき、この一次関数を求めなさい。");

  std::vector<Flow> slope = slopeFormula(*this);
  revealSteps(
      *this, {
                 {nullptr, {newLine(3, 50, U"<解答>")}, true},
                 {slopeTriangle(*this, U"nn"), slope, true},
                 {nullptr, {signedFraction(*this, kNegated)}, false},
                 {slopeTriangle(*this, U"yy"), slopeValue(*this), true},
                 // The equation with the slope found and b unknown.
                 {nullptr,
                  {newLine(0, 70, U"求める一次関数の式を"), same(3, U"y=" + numTextA(11) + U"x+b "),
                   same(0, U"とし、")},
                  true},
                 // The second point substituted, and b solved for.
                 {nullptr,
                  {newLine(3, 50, U"x=" + numTextA(3) + U",y=" + numTextB(3) + U"を代入する"),
                   same(0, U"と")},
                  true},
                 {nullptr,
                  {newLine(0, 50, numTextB(3) + U"=" + numTextA(1) + U"*" + numTextA(3) + U"+b")},
                  true},
                 {nullptr, {same(0, U"=" + numTextA(6) + U"+b")}, true},
                 {nullptr,
                  {newLine(0, 50, U"b=" + numTextB(3) + numTextA(7) + U"=" + numTextB(1)),
                   newLine(0, 50, U"求める式は ")},
                  true},
                 {nullptr, {same(5, U"y=" + numTextA(11) + U"x" + numTextB(11))}, false},
             });
}

void MerrowinUnit::twoPointsSlopeExample() {
  startExamplePage();
  repeatUntilOne([this] { showTwoPointSlopeExample(); });
}

void MerrowinUnit::twoPointsEquationExample() {
  startExamplePage();
  repeatUntilOne([this] { showTwoPointEquationExample(); });
}

}  // namespace lesson
