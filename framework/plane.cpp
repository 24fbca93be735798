// The coordinate plane (grid, bold fifth lines, axis numbers, axes and letters)
// and what is plotted on it: points, curves as runs of dots, vertical lines.
//
// The plane frame: after drawGraphPlane a maths point (x, y) lies at pixel
// (originX + gridUnit * x / graphXStep, originY - gridUnit * y / graphYStep),
// and the stored extents count cells.
#include <cmath>

#include "framework/lesson.h"

namespace lesson {

namespace {

// One more pass of a counted loop: the counter goes up by 1 and the loop goes
// on while it has not passed the limit. A counter too large to grow any more
// ends the loop instead of running it for ever.
bool nextPass(float& counter, float limit) {
  float next = counter + 1;
  bool grew = next != counter;
  counter = next;
  return grew && counter <= limit;
}

const Text kGothic = U"ゴシック";

// MOD of whole numbers; a zero divisor is a run-time error like any division by zero.
int wholeMod(float a, float b) {
  int d = whole(b);
  if (d == 0) raiseError(kErrDivisionByZero);
  return whole(a) % d;
}

}  // namespace

void Lesson::drawGraphPlane() {
  savedDrawWidth = static_cast<float>(getDrawWidth());

  if (graphXStep == 0) graphXStep = 1;
  if (graphXStep < 0) graphXStep = std::fabs(graphXStep);
  if (graphYStep == 0) graphYStep = 1;
  if (graphYStep < 0) graphYStep = std::fabs(graphYStep);

  graphXMin = graphXMin / graphXStep;
  graphXMax = graphXMax / graphXStep;
  graphYMin = graphYMin / graphYStep;
  graphYMax = graphYMax / graphYStep;

  if (graphLeft == 0 && graphTop == 0) {
    graphLeft = 640;
    graphTop = 180;
  }

  originX = graphLeft + gridUnit * std::fabs(graphXMin);
  originY = graphTop + gridUnit * graphYMax;
  plotLeft = graphLeft;
  plotTop = graphTop;
  plotRight = originX + gridUnit * graphXMax;
  plotBottom = originY + gridUnit * std::fabs(graphYMin);

  axisFontSize = gridUnit < 40 ? 26.0f : 30.0f;
  setFontSize(axisFontSize);

  if (lineColor != 0) {
    // Thin lines half a pixel left of and above the places of the bold ones.
    loopIndex = graphXMin;
    do {
      setDrawWidth(1);
      float x = originX + gridUnit * loopIndex - 0.5f;
      drawLine(x, plotTop, x, plotBottom, 0);
    } while (nextPass(loopIndex, graphXMax));
    loopIndex = graphYMin;
    do {
      float y = originY - gridUnit * loopIndex - 0.5f;
      drawLine(plotLeft, y, plotRight, y, 0);
    } while (nextPass(loopIndex, graphYMax));

    // Every fifth line bold, with its index beside it. The index goes into
    // workText, left empty on the axis itself and when the numbers are off;
    // the result is its length in characters.
    const auto boldLineIndex = [this] {
      workText.clear();
      if (loopIndex != 0 && noAxisNumbers != -1) {
        workText = str(loopIndex);
        removeSpaces();
      }
      textColor = 0;
      return static_cast<float>(kLen(workText));
    };
    loopIndex = graphXMin;
    do {
      if (wholeMod(loopIndex, 5) == 0) {
        setDrawWidth(3);
        float x = originX + gridUnit * loopIndex;
        drawLine(x, plotTop, x, plotBottom, 1);
        float n = boldLineIndex();
        if (!workText.empty()) symbol(x - axisFontSize * n / 2, originY, 2, 1, textColor, workText);
      }
    } while (nextPass(loopIndex, graphXMax));
    loopIndex = graphYMin;
    do {
      if (wholeMod(loopIndex, 5) == 0) {
        setDrawWidth(3);
        float y = originY - gridUnit * loopIndex;
        drawLine(plotLeft, y, plotRight, y, 1);
        float n = boldLineIndex();
        if (!workText.empty()) {
          symbol(originX - axisFontSize * n, y - axisFontSize / 2 - 4, 2, 1, textColor, workText);
        }
      }
    } while (nextPass(loopIndex, graphYMax));
  }

  setDrawWidth(4);
  drawLine(originX, plotTop, originX, plotBottom, 0);
  setDrawWidth(4);
  drawLine(plotLeft, originY, plotRight, originY, 0);

  setFontBold(true);
  setFontName(U"Times New Roman");
  setFontSize(0.8f * axisFontSize);
  setFontItalic(true);
  textColor = 0;
  symbol(plotRight - 0.8f * axisFontSize, originY - 1.5f * axisFontSize, 3, 2, textColor, U"x");
  setFontName(kGothic);
  setFontSize(axisFontSize);
  setFontItalic(false);
  textColor = 0;
  symbol(originX - axisFontSize, originY, 2, 1, textColor, U"0");
  textColor = 0;
  penX = originX;
  penY = plotTop - axisFontSize / 2;
  mathText = U"y";
  symbol(penX, penY, 2, 1, textColor, mathText);

  setFontBold(false);
  setFontSize(16);
  setDrawWidth(savedDrawWidth);
  noAxisNumbers = 0;
}

void Lesson::drawGraphDecimalNumbers() {
  setFontSize(axisFontSize);
  const bool ownInterval = variant() == Variant::Tessarin;

  // Writes the label of line loopIndex with value v at (x, y); the point of a
  // value with tenths goes after the integer part, pointDy lower than the label.
  auto label = [&](float v, bool drawIt, auto place, float pointDy) {
    float a = std::fabs(v);
    signPick2 = std::floor(a);
    float tenths = std::floor(10 * a) - 10 * signPick2;
    workText = str(signPick2);
    removeSpaces();
    Text integer = v < 0 ? U"-" + workText : workText;
    workText = str(tenths);
    removeSpaces();
    if (!drawIt) return;
    mathText = tenths == 0 ? integer : integer + workText;
    auto [x, y] = place(static_cast<float>(kLen(mathText)));
    textColor = 0;
    penX = x;
    penY = y;
    symbol(penX, penY, 2, 1, textColor, mathText);
    if (tenths != 0) {
      textColor = 0;
      penX = x + axisFontSize * static_cast<float>(kLen(integer)) - 6;
      penY = y + pointDy;
      symbol(penX, penY, 2, 1, textColor, U".");
    }
  };

  if (ownInterval && xNumberEvery == 0) xNumberEvery = 5;
  loopIndex = graphXMin;
  do {
    bool drawIt = loopIndex != 0 && wholeMod(loopIndex, ownInterval ? xNumberEvery : 5) == 0;
    float x = originX + gridUnit * loopIndex;
    label(
        loopIndex * graphXStep, drawIt,
        [&](float n) {
          return std::pair{x - axisFontSize * n / 2, originY + 4};
        },
        4.0f);
  } while (nextPass(loopIndex, graphXMax));

  if (ownInterval && yNumberEvery == 0) yNumberEvery = 5;
  loopIndex = graphYMin;
  do {
    bool drawIt = loopIndex != 0 && wholeMod(loopIndex, ownInterval ? yNumberEvery : 5) == 0;
    float y = originY - gridUnit * loopIndex - axisFontSize / 2;
    label(
        loopIndex * graphYStep, drawIt,
        [&](float n) {
          return std::pair{originX - axisFontSize * n, y};
        },
        4.0f);
  } while (nextPass(loopIndex, graphYMax));

  setFontSize(16);
  if (ownInterval) {
    xNumberEvery = 5;
    yNumberEvery = 5;
  }
}

void Lesson::plotPoint() {
  if (graphXStep == 0) graphXStep = 1;
  if (graphYStep == 0) graphYStep = 1;
  pointScreenX = originX + gridUnit * pointX / graphXStep;
  pointScreenY = originY - gridUnit * pointY / graphYStep;
  fillCircle(pointScreenX, pointScreenY, pointRadius, plotColor);
  textColor = plotColor;
  penX = pointScreenX - 20 + labelDx;
  penY = pointScreenY - 40 + labelDy;
  mathText = pointLabel;
  drawMathText();
  labelDx = 0;
  labelDy = 0;
  graphXStep = 1;
  graphYStep = 1;
}

void Lesson::plotCurve() {
  const int callerWidth = getDrawWidth();
  if (graphXStep == 0) graphXStep = 1;
  if (graphYStep == 0) graphYStep = 1;

  bool drawn = true;
  if (curveKind == 4 && coefB == 0) {
    if (coefA == 0) {
      // 0x + 0y = c is no line: nothing to draw and no place for a label.
      drawn = false;
    } else {
      coefC = coefC / coefA;
      plotVerticalLine();
    }
  } else if (curveKind == 4) {
    coefA = -coefA / coefB;
    coefB = coefC / coefB;
    curveKind = 3;
    plotCurveDots();
  } else {
    plotCurveDots();
  }

  if (drawn) {
    textColor = plotColor;
    penX = penX + labelDx;
    penY = penY + labelDy;
    mathText = pointLabel;
    drawMathText();
  }

  labelDx = 0;
  labelDy = 0;
  graphXStep = 1;
  graphYStep = 1;
  setDrawWidth(static_cast<float>(callerWidth));
  if (variant() == Variant::Tessarin) plotSteps = 0;
}

void Lesson::plotCurveDots() {
  float n = 5000;
  if (variant() == Variant::Tessarin && plotSteps > 0) n = plotSteps;
  boxWidth = n;

  // Forms other than the straight line are never evaluated at x = 0.
  const bool skipZero = curveKind != 3;
  auto f = [&](float x) {
    if (curveKind == 1) return fdiv(coefA, x);
    if (curveKind == 2) return coefA * x * x;
    return coefA * x + coefB;
  };

  float x = graphXMin;
  if (skipZero && x == 0) x = x + 0.002f;
  float y = f(x);
  signPick2 = (graphXMax - graphXMin) / n;
  const float step = signPick2;

  loopIndex = 0;
  do {
    pointScreenX = originX + gridUnit * x / graphXStep;
    pointScreenY = originY - gridUnit * y / graphYStep;
    if (plotTop <= pointScreenY && pointScreenY <= plotBottom) {
      penX = pointScreenX;
      penY = pointScreenY;
      fillCircle(penX, penY, 1, plotColor);
    }
    x = x + step;
    if (skipZero && x == 0) x = x + step;
    y = f(x);
  } while (nextPass(loopIndex, n));
}

void Lesson::plotVerticalLine() {
  // x through the plane frame; the y extents already count cells.
  setDrawWidth(5);
  float x = originX + gridUnit * coefC / graphXStep;
  float bottom = originY - gridUnit * graphYMin;
  float top = originY - gridUnit * graphYMax;
  drawLine(x, bottom, x, top, plotColor);
  penX = x + 10;
  penY = top;
}

}  // namespace lesson
