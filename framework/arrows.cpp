// Straight arrows with a two-stroke head, and the slope triangle: the run and
// rise arrows between two points of a line with their lengths in grid units.
#include <cmath>
#include <utility>

#include "framework/lesson.h"

namespace lesson {

void Lesson::drawArrow() {
  // Corbisk and Pollvane exchange the ends only on 1; the other programs
  // exchange them unless told -1. With the ends exchanged the head goes to
  // the point given as the tail.
  const bool exchangeOnlyOnOne = variant() == Variant::Corbisk;
  for (;;) {
    bool exchange = exchangeOnlyOnOne ? arrowReverse == 1 : arrowReverse != -1;
    if (exchange) {
      std::swap(arrowHeadX, arrowTailX);
      std::swap(arrowHeadY, arrowTailY);
    }
    float dx = arrowHeadX - arrowTailX;
    float dy = arrowHeadY - arrowTailY;
    float length = std::sqrt(dx * dx + dy * dy);
    // Two equal ends give no direction: nothing to draw.
    if (length == 0) break;

    drawLine(arrowTailX, arrowTailY, arrowHeadX, arrowHeadY, lineColor);
    float ux = dx / length;
    float uy = dy / length;
    float s = arrowHeadSize;
    float baseX = arrowHeadX - s * ux;
    float baseY = arrowHeadY - s * uy;
    pointBX = baseX - s / 2 * uy;
    pointBY = baseY + s / 2 * ux;
    pointCX = baseX + s / 2 * uy;
    pointCY = baseY - s / 2 * ux;
    drawLine(pointBX, pointBY, arrowHeadX, arrowHeadY, lineColor);
    drawLine(pointCX, pointCY, arrowHeadX, arrowHeadY, lineColor);

    if (arrowMode != 2) break;
    // A second pass with the ends exchanged puts a head on the other end.
    std::swap(arrowHeadX, arrowTailX);
    std::swap(arrowHeadY, arrowTailY);
    arrowMode = 0;
  }
  if (arrowMode == 2) arrowMode = 0;
  arrowReverse = 0;
}

void Lesson::drawSlopeTriangle() {
  if (slopeX2 < slopeX1) {
    std::swap(slopeX1, slopeX2);
    std::swap(slopeY1, slopeY2);
  }
  setDrawWidth(4);

  if (gridUnit == 0) {
    // No grid unit to measure in: no arrows and no lengths.
    runText.clear();
    riseText.clear();
    arrowReverse = 0;
    return;
  }

  arrowHeadX = slopeX1;
  arrowHeadY = slopeY1;
  arrowTailX = slopeX2;
  arrowTailY = slopeY1;
  arrowReverse = 1;
  lineColor = 7;
  arrowHeadSize = 16;
  drawArrow();

  arrowHeadX = slopeX2;
  arrowHeadY = slopeY1;
  arrowTailX = slopeX2;
  arrowTailY = slopeY2;
  arrowReverse = 1;
  lineColor = 3;
  arrowHeadSize = 16;
  drawArrow();

  workText = str((slopeX2 - slopeX1) / gridUnit);
  removeSpaces();
  runText = workText;

  // The rise reads upwards on the screen; below one grid unit it gets its "0".
  float rise = (slopeY1 - slopeY2) / gridUnit;
  workText = str(rise);
  removeSpaces();
  riseText = workText;
  if (std::fabs(rise) < 1) {
    if (kLeft(riseText, 1) == U".") riseText = U"0" + riseText;
    if (kLeft(riseText, 2) == U"-.") riseText = U"-0" + kMid(riseText, 2);
  }

  if (kLeft(slopeLabelSwitch, 1) == U"y") drawRunLabel();
  if (kMid(slopeLabelSwitch, 2, 1) == U"y") drawRiseLabel();
}

void Lesson::drawRunLabel() {
  textColor = 7;
  penX = (slopeX1 + slopeX2) / 2 - 14;
  penY = slopeY2 < slopeY1 ? slopeY1 - 44 : slopeY1;
  mathText = runText;
  drawMathText();
}

void Lesson::drawRiseLabel() {
  textColor = 3;
  penX = slopeX2;
  penY = (slopeY1 + slopeY2) / 2 - 16;
  mathText = riseText;
  drawMathText();
}

}  // namespace lesson
