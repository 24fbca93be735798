// Fraction texts: reducing a fraction to lowest terms and writing it, with the
// working from the given to the reduced form, in fraction markup; and the sum of
// two fractions over their common denominator.
#include <cmath>

#include "framework/lesson.h"

namespace lesson {

namespace {

const Text kBracket = U"ﾀ";  // opens and closes a fraction group

}  // namespace

float Lesson::floorMod(float a, float b) {
  return a - b * std::floor(a / b);
}

void Lesson::gcdLcm() {
  float a = fracNum;
  float b = fracDen;
  float product = a * b;
  // Euclid's algorithm. A NaN (from an infinite input) would never reach 0, so
  // it ends the loop as well; the results are then NaN rather than a hang.
  while (b != 0 && !std::isnan(b)) {
    a = floorMod(a, b);
    std::swap(a, b);
  }
  gcdResult = a;
  lcmResult = fdiv(product, gcdResult);
}

void Lesson::stripMarkup() {
  for (const Text mark : {U"^", U"ﾝ", U"ﾀ", U"="}) {
    int p = kInstr(workText, mark);
    while (p != 0) {
      workText = kLeft(workText, p - 1) + kMid(workText, p + 1);
      p = kInstr(workText, mark);
    }
  }
}

void Lesson::reduceFraction() {
  const float givenDen = fracDen;
  const float givenNum = fracNum;
  fractionSign = fracNum * fracDen < 0 ? -1.0f : 1.0f;

  float reducedNum = givenNum;
  float reducedDen = givenDen;
  if (fracDen == 0) {
    fractionKind = 0;
  } else if (fracDen == 1) {
    fractionKind = 1;
  } else {
    fracNum = std::abs(fracNum);
    fracDen = std::abs(fracDen);
    gcdLcm();
    reducedNum = fdiv(fractionSign * fracNum, gcdResult);
    reducedDen = fdiv(fracDen, gcdResult);
    if (reducedNum == 0 || reducedDen == 1) {
      fractionKind = 1;
    } else if (reducedDen == givenDen && fractionSign == 1) {
      fractionKind = 3;
    } else {
      fractionKind = 2;
    }
  }
  fracNum = reducedNum;
  fracDen = reducedDen;

  auto numberText = [this](float x) {
    workText = str(x);
    removeSpaces();
    return workText;
  };
  const Text givenNumText = numberText(givenNum);
  const Text givenDenText = numberText(givenDen);
  const Text reducedDenText = numberText(fracDen);
  Text reducedNumText = numberText(fracNum);
  if (kLeft(reducedNumText, 1) == U"-") {
    reducedNumText = kRight(reducedNumText, kLen(reducedNumText) - 1);
  }

  const Text given = kBracket + givenNumText + U"/" + givenDenText + kBracket;
  fractionAsGiven = given;
  const bool negative = fractionSign == -1;
  if (fractionKind == 1) {
    fractionText = (negative ? U"-" : U"") + reducedNumText;
    fractionTextSigned = negative ? fractionText : U"+" + reducedNumText;
  } else if (fractionKind == 2) {
    const Text reduced = kBracket + reducedNumText + U"/" + reducedDenText + kBracket;
    fractionText = (negative ? U"-" : U"") + reduced;
    fractionTextSigned = negative ? fractionText : U"+" + reduced;
  } else if (fractionKind == 3) {
    fractionText = given;
    fractionTextSigned = U"+" + given;
  }
  // Kind 0 (denominator 0) keeps the texts of the previous call.

  fractionPlusSign = fractionSign == 1 ? U"+" : U"";
  if (fractionKind == 3) {
    fractionWorking = fractionText;
    fractionWorkingSigned = fractionTextSigned;
  } else {
    fractionWorking = given + U"=" + fractionText;
    fractionWorkingSigned = fractionPlusSign + given + U"=" + fractionTextSigned;
  }

  workText = fractionText;
  stripMarkup();
  fractionPlainText = workText;
  workText = fractionTextSigned;
  stripMarkup();
  fractionPlainTextSigned = workText;
}

void Lesson::addFractions() {
  // A zero denominator has no common denominator: it is a division by zero.
  if (termDen1 == 0 || termDen2 == 0) raiseError(kErrDivisionByZero);

  // A negative denominator moves its sign to the numerator, so that every step
  // below works on a positive denominator (also when both parts are negative).
  if (termDen1 < 0) {
    termNum1 = -termNum1;
    termDen1 = -termDen1;
  }
  if (termDen2 < 0) {
    termNum2 = -termNum2;
    termDen2 = -termDen2;
  }

  if (termDen1 == 1 && termDen2 == 1) {
    fracDen = 1;
    scaledNum1 = termNum1;
    scaledNum2 = termNum2;
  } else if (termDen1 == 1) {
    fracDen = termDen2;
    scaledNum1 = termNum1 * termDen2;
    scaledNum2 = termNum2;
  } else if (termDen2 == 1) {
    fracDen = termDen1;
    scaledNum1 = termNum1;
    scaledNum2 = termNum2 * termDen1;
  } else {
    fracDen = std::abs(termDen2);
    fracNum = std::abs(termDen1);
    reduceFraction();
    fracDen = lcmResult;
    scaledNum1 = fdiv(termNum1 * termDen2, gcdResult);
    scaledNum2 = fdiv(termNum2 * termDen1, gcdResult);
  }
  sumNum = scaledNum1 + scaledNum2;

  auto numberText = [this](float x) {
    workText = str(x);
    removeSpaces();
    return workText;
  };
  scaledDigits1 = numberText(std::abs(scaledNum1));
  scaledNumText1 = scaledDigits1;
  commonDenText = numberText(fracDen);
  scaledDigits2 = numberText(std::abs(scaledNum2));
  scaledNumText2 = scaledDigits2;
  sumNumDigits = numberText(std::abs(sumNum));

  // A zero term or sum is written like a positive one.
  auto over = [this](const Text& digits) {
    return kBracket + digits + U"/" + commonDenText + kBracket;
  };
  if (termNum1 < 0) {
    fractionAsGiven = U"-" + over(scaledDigits1);
    termFractionSigned1 = fractionAsGiven;
  } else {
    fractionAsGiven = over(scaledDigits1);
    termFractionSigned1 = U"+" + over(scaledDigits1);
  }
  if (termNum2 < 0) {
    fractionText = U"-" + over(scaledDigits2);
    fractionTextSigned = fractionText;
  } else {
    fractionText = over(scaledDigits2);
    fractionTextSigned = U"+" + over(scaledDigits2);
  }

  if (termNum1 < 0) scaledNumText1 = U"-" + scaledNumText1;
  scaledNumText2 = (termNum2 < 0 ? U"-" : U"+") + scaledNumText2;

  if (sumNum < 0) {
    sumFraction = U"-" + over(sumNumDigits);
    sumFractionSigned = sumFraction;
  } else {
    sumFraction = over(sumNumDigits);
    sumFractionSigned = U"+" + over(sumNumDigits);
  }

  fractionWorking = kBracket + scaledNumText1 + scaledNumText2 + U"/" + commonDenText + kBracket;
  sumTermsText = fractionAsGiven + fractionTextSigned;
  termFraction1 = over(scaledDigits1);
  termFraction2 = over(scaledDigits2);
}

}  // namespace lesson
