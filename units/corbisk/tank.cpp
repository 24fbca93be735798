// The water tank of section 2's pages ① and ②: inlet pipe and tap, the scale
// on the left wall, the falling stream, the elapsed-time clock, and the two
// timed animations. Each animation frame stands for 15 seconds and raises the
// water 5 px (0.5 cm); every frame repaints the whole inside first.
#include <cmath>

#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

constexpr float kFrameRise = 5;    // px of water per frame
constexpr float kFramePause = 20;  // pause after each frame's drawing

}  // namespace

void CorbiskUnit::setTankGeometry() {
  markX(31) = 840;              // left wall
  markX(32) = markX(31) + 360;  // right wall
  markX(34) = markX(32);        // reference x of the tap
  markY(31) = 600;              // bottom
  markY(32) = markY(31) - 320;  // top edge: the level of a full tank
  markY(33) = markY(32) - 16;   // upper edge of the inlet pipe
}

void CorbiskUnit::drawTankInlet() {
  // An L-shaped pipe 8 px thick from above the right wall down to a spout whose
  // mouth lies on the tank's top edge.
  connect(0,
          {{markX(32), markY(33)},
           {-72, 0, true},
           {0, 16, true},
           {8, 0, true},
           {0, -8, true},
           {64, 0, true}},
          3);
  // The tap: stem, then handle.
  fillBox(markX(34) - 40, markY(33), markX(34) - 48, markY(33) - 8, 0, 14);
  fillBox(markX(34) - 32, markY(33) - 8, markX(34) - 56, markY(33) - 12, 0, 14);
}

void CorbiskUnit::drawTankScale() {
  const float x0 = markX(31);
  const float y0 = markY(31);
  numTextB(1) = U"10 ";
  numTextB(2) = U"20";
  numTextB(3) = U"30";
  // Ticks every 2 cm from 2 cm to 28 cm.
  for (loopIndex = 2; loopIndex <= 15; loopIndex += 1) {
    const float i = loopIndex - 1;
    drawLine(x0 + 4, y0 - 20 * i, x0 + 20, y0 - 20 * i, 15);
  }
  // Longer marks with their labels at 10, 20 and 30 cm.
  for (loopIndex = 1; loopIndex <= 3; loopIndex += 1) {
    drawLine(x0 + 4, y0 - 100 * loopIndex, x0 + 26, y0 - 100 * loopIndex, 13);
    textColor = 15;
    penX = x0 + 30;
    penY = y0 - 100 * loopIndex - 20;
    mathText = numTextB(loopIndex);
    drawMathText();
  }
}

void CorbiskUnit::drawTankStream(TankStream form) {
  // From the spout's mouth down to the bottom, or to the surface of the 8 cm,
  // widening as it falls; drawn in the colour of the water it feeds.
  const bool fill = form == TankStream::Fill;
  const float yb = fill ? markY(31) - 4 : markY(31) - 80;
  const float color = fill ? 3 : 11;
  const float x = markX(32);
  connect(color,
          {{x - 96, yb}, {x - 32, yb}, {x - 64, markY(32)}, {x - 72, markY(32)}, {x - 96, yb}},
          color);
}

void CorbiskUnit::drawTankClock() {
  textColor = 5;
  mathText = numTextA(1) + U"分" + numTextA(2) + U"秒";
  penX = markX(31) + 90;
  penY = markY(31) - 260;
  drawMathText();
}

void CorbiskUnit::paintTank(std::initializer_list<TankWater> water) {
  fillBox(markX(31), markY(31), markX(32), markY(32), 0, 1);
  for (const TankWater& layer : water) {
    fillBox(markX(31), layer.bottom, markX(32), layer.top, layer.color, layer.color);
  }
  drawBox(markX(31), markY(31), markX(32), markY(32), 0);
}

namespace {

// The clock texts of the frame in frameIndex: whole minutes and seconds.
void setFrameClock(Lesson& lesson) {
  lesson.numA(1) = std::floor(lesson.frameIndex / 4);
  lesson.numA(2) = Lesson::floorMod(lesson.frameIndex, 4) * 15;
  lesson.numbersToText();
}

}  // namespace

void CorbiskUnit::animateTankFill() {
  for (frameIndex = 1; frameIndex <= 64; frameIndex += 1) {
    paintTank({{3, markY(31), markY(31) - kFrameRise * frameIndex}});
    drawTankScale();
    drawTankStream(TankStream::Fill);
    setFrameClock(*this);
    drawTankClock();
    pause(kFramePause);
  }
  drawBox(markX(31), markY(31), markX(32), markY(32), 0);
}

void CorbiskUnit::animateTankTopUp() {
  for (frameIndex = 1; frameIndex <= 48; frameIndex += 1) {
    paintTank({{3, markY(31), markY(37)}, {11, markY(37), markY(37) - kFrameRise * frameIndex}});
    drawTankScale();
    drawTankStream(TankStream::TopUp);
    setFrameClock(*this);
    drawTankClock();
    pause(kFramePause);
  }
  drawBox(markX(31), markY(31), markX(32), markY(32), 0);
}

}  // namespace lesson
