// Section 4 page ③: worked example 1. A random pair of lines y=m1x+b1 (①) and
// y=m2x+b2 (②) that meet in a point with whole coordinates is drawn on a
// plane, then solved one key at a time: ①-② in columns with the changed signs
// above the subtracted row, the equation in x, its value, the substitution
// into ① and the answer. Any number but 1 at the next-step prompt draws a new
// pair; 1 ends with the pointer to problem 2.
//
// The example keeps its numbers in numA/numB: x0 in numA(1), y0 in numB(1),
// the slopes in numA(2), numA(3), the intercepts in numB(2), numB(3), the
// difference ①-② in numA(4), numB(4), the right-hand side of the equation in x
// in numB(5) and the product m1·x0 in numA(5).
#include <cmath>
#include <vector>

#include "framework/number_forms.h"
#include "units/tessarin/section4_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

using namespace intersection;

namespace {

// A whole number from k to k + n - 1, each equally likely.
float drawWhole(Lesson& page, float n, float k) {
  return std::floor(page.rnd() * n + k);
}

// A magnitude from k to k + n - 1, then its sign drawn into `sign` (2 makes
// it negative).
float drawSigned(Lesson& page, float n, float k, float& sign) {
  const float magnitude = drawWhole(page, n, k);
  sign = drawWhole(page, 2, 1);
  return sign == 2 ? -magnitude : magnitude;
}

// The intersection (x0, y0) and the slopes m1 != m2, drawn again whole until
// both intercepts lie within -10..10.
void drawLinePair(Lesson& page) {
  float x0 = 0, y0 = 0, m1 = 0, m2 = 0, b1 = 0, b2 = 0;
  do {
    x0 = drawSigned(page, 7, 0, page.signPick);
    y0 = drawSigned(page, 7, 1, page.signPick2);
    m1 = drawSigned(page, 4, 1, page.signPick);
    m2 = drawSigned(page, 4, 1, page.signPick2);
    b1 = y0 - m1 * x0;
    b2 = y0 - m2 * x0;
  } while (m1 == m2 || b1 > 10 || b1 < -10 || b2 > 10 || b2 < -10);
  page.numA(1) = x0;
  page.numB(1) = y0;
  page.numA(2) = m1;
  page.numA(3) = m2;
  page.numB(2) = b1;
  page.numB(3) = b2;
}

// A constant after an x term: nothing for 0, "+" before a positive value.
Text constantTerm(float value, const Text& text) {
  return value == 0 ? Text() : signedTerm(value, text);
}

// The derived numbers, their plain texts and the forms the equations use:
// numTextA(12..14) the coefficients of x, numTextB(12..14) the constants,
// numTextA(11) x0 as a factor.
void makeTexts(Lesson& page) {
  page.numA(4) = page.numA(2) - page.numA(3);
  page.numB(4) = page.numB(2) - page.numB(3);
  page.numB(5) = -page.numB(4);
  page.numA(5) = page.numA(2) * page.numA(1);
  page.numbersToText();
  for (float i = 2; i <= 4; ++i) {
    page.numTextA(10 + i) = coefficientForm(page.numA(i), page.numTextA(i));
    page.numTextB(10 + i) = constantTerm(page.numB(i), page.numTextB(i));
  }
  page.numTextA(11) = bracketedNegative(page.numA(1), page.numTextA(1));
}

// In the columns every character is 27 px wide: a coefficient is made two
// characters wide, a two-character constant gets a blank in front, so that the
// terms stand one under the other.
void widenCoefficient(Text& text) {
  if (text.size() < 2) text = Text(2 - text.size(), U' ') + text;
}
void widenConstant(Text& text) {
  if (text.size() == 2) text = U" " + text;
}

// The column texts (the top row's constant in numTextB(22), numTextB(12)
// staying narrow for the substitution) and the signs of ② once subtracted:
// numTextB(33) for its x term, numTextB(34) for its constant.
void widenColumnTexts(Lesson& page) {
  widenCoefficient(page.numTextA(12));
  page.numTextB(22) = page.numTextB(12);
  widenConstant(page.numTextB(22));
  widenCoefficient(page.numTextA(13));
  widenConstant(page.numTextB(13));
  widenCoefficient(page.numTextA(14));
  widenConstant(page.numTextB(14));
  page.numTextB(33) = page.numA(3) > 0 ? U"-" : U"+";
  page.numTextB(34) = page.numB(3) > 0 ? U"-" : U"+";
}

const Lesson::PlaneSettings kPlane{646, 100, -10, 10, -10, 10, 25, 0};

// One example on a cleared screen below the page's first line.
void showExample(Lesson& page) {
  drawLinePair(page);
  makeTexts(page);
  const Text first = U"y=" + page.numTextA(12) + U"x" + page.numTextB(12) + U"…①";
  const Text second = U"y=" + page.numTextA(13) + U"x" + page.numTextB(13) + U"…②";
  widenColumnTexts(page);

  page.eraseExample();
  page.drawPlane(kPlane);
  page.plotLine({page.numA(2), page.numB(2), 3, U"①"});
  page.plotLine({page.numA(3), page.numB(3), 7, U"②", 0, -50});

  // A difference of 1 leaves "x=" and the value already on the equation's line.
  const bool unitDifference = page.numA(4) == 1;
  const Text& x0 = page.numTextA(1);
  revealActions(
      page,
      {
          {newLine(7, 0, U"例題1 "), same(0, U"次の2直線の交点の座標を求めなさい。"),
           newLine(3, 50, first), same(0, U","), same(3, second), newLine(3, 50, U"<解答>")},
          {newLine(7, 50, U"①-②")},
          {Figure([&page] {
             subtractInColumns(page, U"y=" + page.numTextA(12) + U"x" + page.numTextB(22),
                               U"y=" + page.numTextA(13) + U"x" + page.numTextB(13));
           }),
           unflowed(newLine(3, -25, U"+-  " + page.numTextB(33) + U"   " + page.numTextB(34)))},
          {column(0, 50, U"0=" + page.numTextA(14) + U"x" + page.numTextB(14))},
          {newLine(unitDifference ? 3 : 0, 50, page.numTextA(14) + U"x=" + page.numTextB(5))},
          {same(3, unitDifference ? Text() : U"  x=" + x0, 30)},
          {newLine(3, 50, U"x=" + x0 + U" を①に代入して")},
          {newLine(0, 50, U"y=" + page.numTextA(2) + U"*" + page.numTextA(11) + page.numTextB(12))},
          {newLine(0, 50, U"=" + page.numTextA(5) + page.numTextB(12), 27)},
          {same(3, U"=" + page.numTextB(1))},
          {same(5, U"答 (" + x0 + U"," + page.numTextB(1) + U")", 60)},
      });
}

}  // namespace

void TessarinUnit::randomIntersectionExamplePage() {
  startExamplePage();
  repeatUntilOne([this] { showExample(*this); });
  waitKeyPrompt();
  drawTextPieces({{7, 38, 600, U"教科書P83 問2　をやってみよう。"}});
}

}  // namespace lesson
