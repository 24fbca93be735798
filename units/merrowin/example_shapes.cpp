// The shapes of the unit's random example pages (sections 1 to 3): the plane
// with the example's line, the labelled points on it, and the random draws.
#include <cmath>

#include "units/merrowin/merrowin.h"

namespace lesson {

void MerrowinUnit::drawExamplePlane() {
  drawPlane({800, 200, -10, 10, -10, 10, 20, 0});
  plotLine({numA(1), numB(1), 0, U""});
}

void MerrowinUnit::plotLabelledPoint(float x, float y, const Text& label, float color, float dy) {
  workText = label;
  measureText();
  plotDot({x, y, 8, color, label, x > 0 ? -textWidth : 20, dy});
}

float MerrowinUnit::drawWhole(float n, float k) {
  return std::floor(rnd() * n + k);
}

float MerrowinUnit::drawSign(float value) {
  signPick2 = drawWhole(2, 1);
  return signPick2 == 2 ? -value : value;
}

}  // namespace lesson
