// The shapes the lesson pages repeat: the random-example page's entry and
// erase, texts beside a figure, planes set up from a table of their settings,
// lines and dots on them, and the run and rise of a slope drawn by hand.
#include "framework/lesson.h"

namespace lesson {

void Lesson::startExamplePage() {
  fillBox(0, 0, 1320, 1300, 15, 15);
  textMarginX = 40;
  textLineY = 30;
  setDrawWidth(5);
  savedX(1) = textMarginX;
  savedY(1) = textLineY;
}

void Lesson::eraseExample() {
  fillBox(0, savedY(1), 1600, savedY(1) + 1800, 15, 15);
  textMarginX = savedX(1);
  textLineY = savedY(1);
}

void Lesson::writeAt(float color, float x, float y, const Text& text) {
  textColor = color;
  penX = x;
  penY = y;
  mathText = text;
  drawMathText();
}

void Lesson::drawPlane(const PlaneSettings& plane) {
  graphLeft = plane.left;
  graphTop = plane.top;
  graphXMin = plane.xMin;
  graphXMax = plane.xMax;
  graphYMin = plane.yMin;
  graphYMax = plane.yMax;
  graphXStep = 1;
  graphYStep = 1;
  gridUnit = plane.unit;
  lineColor = plane.gridColor;
  noAxisNumbers = plane.noNumbers;
  drawGraphPlane();
}

void Lesson::plotLine(const GraphLine& line) {
  plotGraphCurve({3, line.a, line.b, 0, line.color, line.label, line.dx, line.dy});
}

void Lesson::plotGraphCurve(const GraphCurve& curve) {
  curveKind = curve.kind;
  coefA = curve.a;
  coefB = curve.b;
  coefC = curve.c;
  plotColor = curve.color;
  pointLabel = curve.label;
  labelDx = curve.dx;
  labelDy = curve.dy;
  plotCurve();
}

void Lesson::plotDot(const GraphDot& dot) {
  pointX = dot.x;
  pointY = dot.y;
  pointRadius = dot.radius;
  plotColor = dot.color;
  pointLabel = dot.label;
  labelDx = dot.dx;
  labelDy = dot.dy;
  plotPoint();
}

void Lesson::arrowTo(float color, float x1, float y1, float x2, float y2) {
  // drawArrow exchanges the ends it is given, so the head goes to (x2, y2).
  arrowHeadX = x1;
  arrowHeadY = y1;
  arrowTailX = x2;
  arrowTailY = y2;
  arrowReverse = 1;
  lineColor = color;
  arrowHeadSize = 16;
  drawArrow();
}

void Lesson::runAndRiseArrows(float color) {
  arrowTo(color, slopeX1, slopeY1, slopeX2, slopeY1);
  arrowTo(color, slopeX2, slopeY1, slopeX2, slopeY2);
}

void Lesson::runAndRiseLabels(float color, const Text& run, float runDy, const Text& rise) {
  writeAt(color, (slopeX1 + slopeX2) / 2 - 14, slopeY1 + runDy, run);
  writeAt(color, slopeX2, (slopeY1 + slopeY2) / 2 - 16, rise);
}

void Lesson::setMark(float slot, float x, float y) {
  markX(slot) = originX + gridUnit * x;
  markY(slot) = originY - gridUnit * y;
}

void Lesson::setSlopeMarks(float first, float x, float y, float run, float rise) {
  setMark(first, x, y);
  setMark(first + 1, x + run, y);
  setMark(first + 2, x + run, y + rise);
}

void Lesson::markArrow(float from, float to, float color) {
  arrowMode = 2;
  arrowTo(color, markX(from), markY(from), markX(to), markY(to));
}

void Lesson::runAndRiseMarks(float first, float color) {
  markArrow(first, first + 1, color);
  markArrow(first + 1, first + 2, color);
}

void Lesson::drawSlopeSteps(float first, float x, float y, float run, float rise, float color) {
  setSlopeMarks(first, x, y, run, rise);
  fillCircle(markX(first), markY(first), 8, color);
  runAndRiseMarks(first, color);
}

}  // namespace lesson
