// Figure routines: squared paper and lettered polygons, directions and angle
// labels, dotted length arcs, and the marks of school geometry (parallel
// chevrons, equal-length ticks, angle arcs, right-angle corners).
//
// Directions are radians counted counter-clockwise from the positive x axis
// with the screen's y turned upwards, in [0, 2 * piValue). The circle operation
// takes arc ends as fractions of a turn counted clockwise on the screen, that is
// 1 - direction / (2 * piValue).
#include <cmath>
#include <utility>

#include "framework/lesson.h"

namespace lesson {

namespace {

// Every angle computation uses this value of pi, not an exact one.
constexpr float kPi = 3.14159f;

// Direction of (px, py) seen from (vx, vy). The quotient is formed only when the
// rows differ; a point on the same row to the left, or the vertex itself, is pi.
float direction(float pi, float vx, float vy, float px, float py) {
  const float dx = px - vx;
  const float dy = py - vy;
  if (dy < 0) return pi / 2 + std::atan(dx / dy);
  if (dy > 0) return 3 * pi / 2 + std::atan(dx / dy);
  if (dx > 0) return 0;
  return pi;
}

float distance(float x1, float y1, float x2, float y2) {
  const float dx = x2 - x1;
  const float dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

// ---- Square grid and polygons ---------------------------------------------

void Lesson::drawSquareGrid() {
  savedDrawWidth = static_cast<float>(getDrawWidth());
  plotLeft = graphLeft;
  plotTop = graphTop;
  plotRight = plotLeft + gridUnit * gridColumns;
  plotBottom = plotTop + gridUnit * boxHeight;
  originX = plotLeft;
  originY = plotBottom;
  if (lineColor != 15) {
    plotColor = 14;
    // Every fifth line from the left and from the bottom edge is bold.
    auto penFor = [this](float i) {
      const bool bold = std::fmod(i, 5.0f) == 0;
      setDrawWidth(bold ? 3.0f : 1.0f);
      return bold ? plotColor : lineColor;
    };
    const float columns = gridColumns;
    float i = 0;
    do {
      const float x = plotLeft + gridUnit * i;
      const float color = penFor(i);
      drawLine(x, plotTop, x, plotBottom, color);
      i += 1;
    } while (i <= columns);
    const float rows = boxHeight;
    i = 0;
    do {
      const float y = plotBottom - gridUnit * i;
      const float color = penFor(i);
      drawLine(plotLeft, y, plotRight, y, color);
      i += 1;
    } while (i <= rows);
  }
  setDrawWidth(savedDrawWidth);
}

void Lesson::drawPolygonFromTable() {
  savedDrawWidth = static_cast<float>(getDrawWidth());
  // The table holds ten vertices; a count outside 1..10 is brought inside.
  if (!(pointCount >= 1)) pointCount = 1;
  if (pointCount > 10) pointCount = 10;
  const float count = pointCount;
  float i = 1;
  do {
    const float j = i == count ? 1.0f : i + 1;
    setDrawWidth(static_cast<float>(whole(axisFontSize)));
    drawLine(pointTable(i, 1), pointTable(i, 2), pointTable(j, 1), pointTable(j, 2), lineColor);
    i += 1;
  } while (i <= count);

  vertexLetterDistance = arrowHeadSize;
  if (pointLabel == U"1") {
    letterVerticesFromList();
  } else if (!pointLabel.empty()) {
    letterVerticesInSequence();
  }
  pointLabel.clear();
  setDrawWidth(savedDrawWidth);
}

namespace {

// Letters corner i on the bisector of the turn from the ray towards vertex
// i + 2 to the ray towards vertex i + 1 (cyclically), which lies outside a
// convex polygon listed counter-clockwise on the screen. `labelOf(i)` gives
// corner i's letter.
template <class LabelOf>
void letterVertices(Lesson& l, LabelOf labelOf) {
  const float count = l.pointCount;
  float i = 1;
  do {
    float j = i + 1;
    float k = i + 2;
    if (j > count) j -= count;
    if (k > count) k -= count;
    l.arrowHeadX = l.pointTable(i, 1);
    l.arrowHeadY = l.pointTable(i, 2);
    l.pointBX = l.pointTable(j, 1);
    l.pointBY = l.pointTable(j, 2);
    l.pointCX = l.pointTable(k, 1);
    l.pointCY = l.pointTable(k, 2);
    l.markSide = -1;
    l.arrowHeadSize = l.vertexLetterDistance;
    l.pointLabel = labelOf(i);
    l.drawAngleLabel();
    i += 1;
  } while (i <= count);
}

}  // namespace

// Letters the corners with consecutive characters from pointLabel's first.
void Lesson::letterVerticesInSequence() {
  if (pointLabel.empty()) raiseError(kErrIllegalCall);  // no first letter to count from
  const char32_t first = pointLabel[0];
  letterVertices(*this, [first](float i) {
    return Text(1, static_cast<char32_t>(first + static_cast<char32_t>(whole(i) - 1)));
  });
}

// Letters corner i with textList(i).
void Lesson::letterVerticesFromList() {
  letterVertices(*this, [this](float i) { return textList(i); });
}

// ---- Angles and angle labels ----------------------------------------------

void Lesson::pointAngle() {
  piValue = kPi;
  angleRad = direction(piValue, arrowHeadX, arrowHeadY, pointBX, pointBY);
  angleDeg = angleRad * 180 / piValue;
}

void Lesson::rayAngles() {
  piValue = kPi;
  angleRad = direction(piValue, arrowHeadX, arrowHeadY, pointBX, pointBY);
  rayArcB = 1 - angleRad / (2 * piValue);
  rayAngleB = angleRad;
  angleRad = direction(piValue, arrowHeadX, arrowHeadY, pointCX, pointCY);
  rayArcC = 1 - angleRad / (2 * piValue);
  rayAngleC = angleRad;
  if (markSide == -1) {
    std::swap(rayArcB, rayArcC);
    std::swap(rayAngleB, rayAngleC);
  }
  bisectorAngle = (rayAngleB + rayAngleC) / 2;
  if (rayAngleB > rayAngleC) bisectorAngle += piValue;
}

void Lesson::angleDegreesText() {
  rayAngles();
  if (rayAngleB > rayAngleC) rayAngleC += 2 * piValue;
  bisectorAngle = rayAngleC - rayAngleB;
  angleDeg = bisectorAngle * 180 / piValue;
  // Tenths of a degree as a 16-bit whole number; an angle below one turn fits.
  const int tenths = whole(angleDeg * 10);
  if (tenths < -32768 || tenths > 32767) raiseError(kErrOverflow);
  angleText = str(static_cast<float>(tenths) / 10);
  workText = angleText;
  removeSpaces();
  angleText = workText;
}

void Lesson::drawAngleLabel() {
  workText = pointLabel;
  measureText();
  const float w = textWidth;
  rayAngles();
  const float t = bisectorAngle;
  const float h = kInstr(pointLabel, U"ﾀ") > 0 ? 40.0f : 22.0f;
  const float s = arrowHeadSize;
  // The label's box (w wide, 2h high) stands beyond the point at distance s from
  // the vertex along the bisector, on the side away from the vertex.
  penX = arrowHeadX + s * std::cos(t) + w * (std::cos(t) / 2 - 0.5f) + angleLabelDx;
  penY = arrowHeadY - s * std::sin(t) - 2 * h * (std::sin(t) / 2 + 0.5f) + angleLabelDy;
  mathText = pointLabel;
  if (labelSmallText == 1) {
    drawSmallText();
  } else {
    drawMathText();
  }
  markSide = 0;
  pointLabel.clear();
  angleLabelDx = 0;
  angleLabelDy = 0;
  arrowHeadSize = 0;
  labelSmallText = 0;
}

// ---- Length arcs ----------------------------------------------------------

void Lesson::drawLengthArc() {
  // A bulge below 16 is given in units of 16 pixels; a negative one counts by its size.
  if (arcHeight > 0 && arcHeight < 16) {
    arcHeight *= 16;
  } else if (arcHeight < 0) {
    arcHeight = std::abs(arcHeight);
  }
  const float ax = arrowHeadX, ay = arrowHeadY;
  const float bx = pointBX, by = pointBY;
  const float r = distance(ax, ay, bx, by) / 2;

  // Ends on one point have no arc, and a zero step would never end the sweep:
  // nothing is drawn, and the label's one-shot inputs are used up all the same.
  if (r == 0 || boxWidth == 0) {
    pointLabel.clear();
    arrowHeadSize = 0;
    markSide = 0;
    angleLabelDx = 0;
    angleLabelDy = 0;
    labelSmallText = 0;
    return;
  }

  // The arc is laid out along the positive x axis from A, centre C, and each
  // point is then turned about A by the direction of the segment.
  pointCX = ax + r;
  pointCY = ay;
  pointAngle();
  const float phi = angleRad;
  const float squeeze = fdiv(arcHeight, r);
  auto arcPoint = [&](float degrees) {
    const float theta = degrees * piValue / 180;
    pointBX = pointCX + r * std::cos(theta);
    pointBY = pointCY - squeeze * r * std::sin(theta);
    pointAngle();
    const float psi = angleRad;
    pointRadius = distance(ax, ay, pointBX, pointBY);
    arrowTailX = ax + pointRadius * std::cos(phi + psi);
    arrowTailY = ay - pointRadius * std::sin(phi + psi);
  };

  const float start = arcSide > 0 ? 180.0f : 0.0f;
  const float end = arcSide > 0 ? 360.0f : 180.0f;
  const float step = boxWidth;
  // The first dot is drawn before any test. A negative step counts downwards and
  // so ends the sweep after that dot, since the start lies below the end.
  loopIndex = start;
  do {
    arcPoint(loopIndex);
    fillCircle(arrowTailX, arrowTailY, 0.5f, lineColor);
    const float next = loopIndex + step;
    // A step too small to move the parameter any more ends the sweep.
    if (next == loopIndex) break;
    loopIndex = next;
  } while (step > 0 ? loopIndex <= end : loopIndex >= end);

  // The apex, where no dot is drawn, is the label's vertex; its rays go to A
  // and B, and markSide = arcSide turns the label away from the segment.
  arcPoint((start + end) / 2);
  pointCX = bx;
  pointCY = by;
  pointBX = ax;
  pointBY = ay;
  arrowHeadX = arrowTailX;
  arrowHeadY = arrowTailY;
  arrowHeadSize = 0;
  markSide = arcSide;
  drawAngleLabel();
  pointLabel.clear();
}

// ---- Geometry marks -------------------------------------------------------

void Lesson::drawParallelMarks() {
  const float dx = lineX2 - lineX1;
  const float dy = lineY2 - lineY1;
  const float length = std::sqrt(dx * dx + dy * dy);
  const float ratioSum = scratchA + scratchB;
  const bool degenerate = length == 0 || ratioSum == 0;
  if (markCount <= 0 || markCount > 6) markCount = 1;
  // A segment of no length has no direction and a zero ratio sum no ratio
  // point: no chevron is drawn.
  if (degenerate) return;

  const float ux = fdiv(dx, length), uy = fdiv(dy, length);
  const float nx = -uy, ny = ux;
  float rx = lineX1 + fdiv(dx * scratchA, ratioSum);
  float ry = lineY1 + fdiv(dy * scratchA, ratioSum);
  const float s = arrowHeadSize;
  const float qx = rx - s * ux, qy = ry - s * uy;
  float w1x = qx + s / 2 * nx, w1y = qy + s / 2 * ny;
  float w2x = qx - s / 2 * nx, w2y = qy - s / 2 * ny;
  const float count = markCount;
  float k = 1;
  do {
    rx += 16 * ux, ry += 16 * uy;
    w1x += 16 * ux, w1y += 16 * uy;
    w2x += 16 * ux, w2y += 16 * uy;
    drawLine(w1x, w1y, rx, ry, lineColor);
    drawLine(w2x, w2y, rx, ry, lineColor);
    k += 1;
  } while (k <= count);
}

void Lesson::drawEqualMarks() {
  if (tickSpacing == 0 || tickSpacing > 30) tickSpacing = 8;
  const float dx = lineX2 - lineX1;
  const float dy = lineY2 - lineY1;
  const float length = std::sqrt(dx * dx + dy * dy);
  if (markCount < 0 || markCount > 6) markCount = 1;
  // A segment of no length has no direction to tick across: nothing is drawn.
  if (length == 0) return;

  const float ux = fdiv(dx, length), uy = fdiv(dy, length);
  const float nx = -uy, ny = ux;
  const float mx = (lineX1 + lineX2) / 2 + markSide * ux;
  const float my = (lineY1 + lineY2) / 2 + markSide * uy;
  const float s = arrowHeadSize;
  const float step = tickSpacing;
  const float count = markCount;
  float k = 1;
  do {
    const float cx = mx + tickSpacing * ux, cy = my + tickSpacing * uy;
    drawLine(cx - s * nx, cy - s * ny, cx + s * nx, cy + s * ny, lineColor);
    tickSpacing += step;
    k += 1;
  } while (k <= count);
}

void Lesson::drawAngleMark() {
  rayAngles();
  if (markCount > 6) markCount = 1;
  const float s = arrowHeadSize;
  if (markCount > 0) {
    // Arcs 8 px apart inside the radius s, from the second ray's turn to the first's.
    const float count = markCount;
    float radius = s;
    float k = 1;
    do {
      radius -= 8;
      drawCircle(arrowHeadX, arrowHeadY, radius, plotColor, rayArcC, rayArcB);
      k += 1;
    } while (k <= count);
  } else {
    fillCircle(arrowHeadX, arrowHeadY, s, lineColor, plotColor, rayArcC, rayArcB);
  }
  drawAngleLabel();
  markSide = 0;
  pointLabel.clear();
}

void Lesson::drawRightAngleMark() {
  rayAngles();
  const float s = arrowHeadSize;
  const float vx = arrowHeadX, vy = arrowHeadY;
  const float p1x = vx + s * std::cos(rayAngleB), p1y = vy - s * std::sin(rayAngleB);
  const float p2x = vx + s * std::cos(rayAngleC), p2y = vy - s * std::sin(rayAngleC);
  const float p3x = p1x + s * std::cos(rayAngleC), p3y = p1y - s * std::sin(rayAngleC);
  connect(lineColor, {PolyPoint{p1x, p1y}, PolyPoint{p3x, p3y}, PolyPoint{p2x, p2y}});
}

}  // namespace lesson
