// Library routines on program-wide variables: plane geometry on screen points
// (foot of a perpendicular, intersection of two lines, point of a line at a
// given x or y, a point on the half-ellipse over a base), square roots taken
// apart, prime factor tables, divisor lists and sign edits of workText.
#include <cmath>

#include "framework/lesson.h"

namespace lesson {

namespace {

// Slope that marks a vertical line in lineIntersection.
constexpr float kVertical = 1000;

// MOD of whole numbers; a zero divisor is a run-time error.
int wholeMod(float a, float b) {
  int d = whole(b);
  if (d == 0) raiseError(kErrDivisionByZero);
  return whole(a) % d;
}

}  // namespace

void Lesson::footOfPerpendicular() {
  if (segmentX1 == segmentX2) {
    footX = segmentX1;
    footY = pointPY;
  } else if (segmentY1 == segmentY2) {
    footX = pointPX;
    footY = segmentY1;
  } else {
    graphXMin = fdiv(segmentY2 - segmentY1, segmentX2 - segmentX1);
    graphYMin = segmentY1 - graphXMin * segmentX1;
    graphXMax = fdiv(-1, graphXMin);
    graphYMax = pointPY - graphXMax * pointPX;
    footX = fdiv(-(graphYMin - graphYMax), graphXMin - graphXMax);
    footY = fdiv(graphXMin * graphYMax - graphXMax * graphYMin, graphXMin - graphXMax);
  }
  fillCircle(footX, footY, 2, 15);
}

void Lesson::lineIntersection() {
  if (segmentY1 == segmentY2) {
    slope1 = 0;
    intercept1 = segmentY1;
  } else if (segmentX1 == segmentX2) {
    slope1 = kVertical;
    crossX = segmentX1;
  } else {
    slope1 = fdiv(segmentY2 - segmentY1, segmentX2 - segmentX1);
    intercept1 = segmentY1 - slope1 * segmentX1;
  }
  if (pointPY == pointQY) {
    slope2 = 0;
    intercept2 = pointPY;
  } else if (pointPX == pointQX) {
    slope2 = kVertical;
    crossX = pointPX;
  } else {
    slope2 = fdiv(pointQY - pointPY, pointQX - pointPX);
    intercept2 = pointPY - slope2 * pointPX;
  }
  if (slope1 == slope2) return;  // parallel: no crossing
  if (slope1 == kVertical) {
    crossY = slope2 * crossX + intercept2;
    return;
  }
  if (slope2 == kVertical) {
    crossY = slope1 * crossX + intercept1;
    return;
  }
  crossX = fdiv(-(intercept2 - intercept1), slope2 - slope1);
  crossY =
      fdiv(-slope1 * (intercept2 - intercept1) + (slope2 - slope1) * intercept1, slope2 - slope1);
}

void Lesson::pointOnLine() {
  // A vertical line meets every y at its own x; a horizontal one every x at its y.
  if (segmentX1 == segmentX2) {
    workX = segmentX1;
    workY = pointPY;
    return;
  }
  if (segmentY1 == segmentY2) {
    workX = pointPX;
    workY = segmentY1;
    return;
  }
  workA = fdiv(segmentY2 - segmentY1, segmentX2 - segmentX1);
  workB = segmentY1 - workA * segmentX1;
  if (pointPX < 0) {
    workX = fdiv(pointPY - workB, workA);
    workY = pointPY;
  }
  if (pointPY < 0) {
    workY = workA * pointPX + workB;
    workX = pointPX;
  }
}

void Lesson::thirdVertex() {
  pointPX = pointBX - arrowHeadX;
  pointPY = pointBY - arrowHeadY;
  const float r = std::sqrt(pointPX * pointPX + pointPY * pointPY) / 2;
  if (r == 0) {
    // A base of no length: the only point over it is A itself.
    arrowTailX = arrowHeadX;
    arrowTailY = arrowHeadY;
    return;
  }
  pointCX = arrowHeadX + r;
  pointCY = arrowHeadY;
  pointAngle();
  const float theta = angleRad;

  const float phi = vertexAngleDeg * 3.14159f / 180;
  pointBX = pointCX + r * std::cos(phi);
  pointBY = pointCY - fdiv(arcHeight, r) * r * std::sin(phi);
  pointAngle();
  const float alpha = angleRad;
  const float ux = pointBX - arrowHeadX;
  const float uy = pointBY - arrowHeadY;
  pointRadius = std::sqrt(ux * ux + uy * uy);
  arrowTailX = arrowHeadX + pointRadius * std::cos(theta + alpha);
  arrowTailY = arrowHeadY - pointRadius * std::sin(theta + alpha);
}

void Lesson::simplifyRoot() {
  rootCoefficient = 1;
  rootTrialFactor = 2;
  radicandGiven = radicand;
  if (radicand < 1) {
    // No square root to take apart (0 would be divided by 4 for ever).
    rootPartText.clear();
    rootCoefficientText.clear();
    simplifiedRootText.clear();
    givenRootText.clear();
    remainingRootText.clear();
    workText.clear();
    return;
  }
  while (rootTrialFactor != 201) {
    if (wholeMod(radicand, rootTrialFactor * rootTrialFactor) != 0) {
      rootTrialFactor = rootTrialFactor + 1;
    } else {
      rootCoefficient = rootCoefficient * rootTrialFactor;
      radicand = radicand / (rootTrialFactor * rootTrialFactor);
      rootTrialFactor = 2;
    }
  }
  rootPartText = radicand == 1 ? Text() : U"!" + str(radicand);
  if (radicand == 1 && rootCoefficient == 1) {
    rootCoefficientText = U"1";
  } else if (rootCoefficient == 1) {
    rootCoefficientText.clear();
  } else {
    rootCoefficientText = str(rootCoefficient);
  }
  simplifiedRootText = rootCoefficientText + rootPartText + U"ﾝ";
  givenRootText = radicand == radicandGiven ? Text() : U"!" + str(radicandGiven) + U"ﾝ=";
  remainingRootText = rootPartText + U"ﾝ";

  for (Text* t : {&rootCoefficientText, &simplifiedRootText, &givenRootText, &remainingRootText}) {
    workText = *t;
    removeSpaces();
    *t = workText;
  }
}

void Lesson::primeFactorTable() {
  for (int i = 1; i <= 10; ++i) {
    pointTable(static_cast<float>(i), 1) = 0;
    pointTable(static_cast<float>(i), 2) = 0;
  }
  const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
  for (int i = 1; i <= 10; ++i) primeList(static_cast<float>(i)) = primes[i - 1];

  factorNumber = std::fabs(factorNumber);
  const float given = factorNumber;
  signPick = 1;
  float row = 1;
  if (whole(factorNumber) == 0) {
    // Every prime divides 0 for ever: no rows, the number itself is what is left.
    factorRowCount = 0;
    pointTable(10, 1) = factorNumber;
    pointTable(10, 2) = 1;
    return;
  }
  while (signPick != 10) {
    const float prime = primeList(signPick);
    if (wholeMod(factorNumber, prime) == 0) {
      pointTable(row, 1) = prime;
      pointTable(row, 2) = pointTable(row, 2) + 1;
      factorNumber = factorNumber / prime;
    } else if (pointTable(row, 1) != 0) {
      row = row + 1;
      signPick = signPick + 1;
    } else {
      signPick = signPick + 1;
    }
  }
  factorRowCount = row - 1;
  pointTable(10, 1) = factorNumber;
  pointTable(10, 2) = 1;
  factorNumber = given;
}

void Lesson::divisorList() {
  pointQY = std::fabs(pointQY);
  const float n = pointQY;
  signPick = 0;
  loopIndex = 1;
  for (;;) {
    float q = fdiv(n, loopIndex);
    if (q - std::floor(q) == 0) {
      signPick = signPick + 1;
      markX(signPick) = loopIndex;
      markY(signPick) = q;
      // The tables hold 40 divisors; a number with more keeps its first 40.
      if (signPick == static_cast<float>(decltype(markX)::upper())) break;
    }
    float next = loopIndex + 1;
    if (next == loopIndex) break;  // too large to count on
    loopIndex = next;
    if (loopIndex > n) break;
  }
  divisorPairCount = static_cast<float>(whole(signPick / 2));
}

void Lesson::flipSign() {
  if (workText.empty()) return;
  Text first = kLeft(workText, 1);
  if (first == U"-") {
    workText = U"+" + kMid(workText, 2);
  } else if (first == U"+") {
    workText = U"-" + kMid(workText, 2);
  } else {
    workText = U"-" + workText;
  }
}

void Lesson::dropLeadingPlus() {
  if (kLeft(workText, 1) == U"+") workText = kMid(workText, 2);
}

void Lesson::dropLeadingSign() {
  Text first = kLeft(workText, 1);
  if (first == U"+" || first == U"-") workText = kMid(workText, 2);
}

}  // namespace lesson
