// Section 6: problems on figures. A point P moves at 1 cm a second round
// rectangle ABCD (AB 3 cm, BC 4 cm) from A through B and C to D, and the pupil
// follows the area of triangle APD. The entry shows the section's goal, then
// the sub-menu, to which every page returns. Page ① steps P round the
// rectangle one key at a time, then shows the three stages of the triangle
// side by side; pages ② and ③ are in section6_area_graph.cpp.
#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// The erase around a frame that drawSquareGrid has just set: from 50 px left
// of and above its rectangle, 100 px wider and 50 px taller than the
// rectangle's right and bottom coordinates, so it reaches well past the
// figure, its corner letters and P's letter.
void eraseAroundFrame(Lesson& page) {
  const float left = page.plotLeft - 50, top = page.plotTop - 50;
  page.fillBox(left, top, left + page.plotRight + 100, top + page.plotBottom + 50, 15, 15);
}

// Cell (markX, markY) of slot `slot` of the frame just set, made a pixel.
void slotToPixels(Lesson& page, float slot) {
  page.markX(slot) = page.originX + page.gridUnit * page.markX(slot);
  page.markY(slot) = page.originY - page.gridUnit * page.markY(slot);
}

// Rectangle ABCD of pointTable rows 1 to 4 lettered at its corners, then
// triangle APD (slots base + 1, base + 5, base + 4) outlined at `width` and
// filled in colour 13, and P as a dot with its letter moved by (dx, dy).
void drawTriangleFigure(Lesson& page, float base, float width, float dx, float dy) {
  page.lineColor = 0;
  page.pointCount = 4;
  page.axisFontSize = 5;  // the rectangle's pen width
  page.textColor = 0;
  page.pointLabel = U"A";
  // The letters stand right at the corners, whatever drawing came before.
  page.arrowHeadSize = 0;
  page.drawPolygonFromTable();

  const float ax = page.markX(base + 1), ay = page.markY(base + 1);
  const float dx4 = page.markX(base + 4), dy4 = page.markY(base + 4);
  const float px = page.markX(base + 5), py = page.markY(base + 5);
  page.setDrawWidth(width);
  page.connect(0, {{ax, ay}, {px, py}, {dx4, dy4}, {ax, ay}}, 13);
  page.fillCircle(px, py, 6, 3);
  page.writeAt(3, px + dx, py + dy, U"P");
}

// The three stages: where P stands, the offset of its letter and the heading
// over the figure.
struct Stage {
  float base;
  float dx, dy;
  Text heading;
};

const Stage kStages[] = {
    {0, -45, -22, U"(ｱ)PがAB上"},
    {10, -14, 8, U"(ｲ)PがBC上"},
    {20, 8, -22, U"(ｳ)PがCD上"},
};

// The captions of page ① under the three figures.
const Text kStageCaptions[] = {U"△APDは増加する", U"△APDは一定", U"△APDは減少する"};

}  // namespace

void TessarinUnit::drawSlotArc(const SlotArc& arc) {
  arrowHeadX = markX(arc.from);
  arrowHeadY = markY(arc.from);
  pointBX = markX(arc.to);
  pointBY = markY(arc.to);
  arcSide = arc.side;
  arcHeight = 20;
  boxWidth = 5;
  pointLabel = arc.label;
  textColor = arc.labelColor;
  lineColor = arc.dotColor;
  angleLabelDx = arc.labelDx;
  angleLabelDy = arc.labelDy;
  drawLengthArc();
}

void TessarinUnit::showAreaChangeGoal() {
  textMarginX = 44;
  textLineY = 240;
  flowText({
      newLine(3, 0, U"<めあて>"),
      newLine(0, 65, U"図形の面積の変化について調べよう。", 32),
  });
}

void TessarinUnit::areaChangeSection() {
  showAreaChangeGoal();
  runSubMenu(U"①P88(1で次へ)　②式と変域　③グラフ,問8　④終了", 4, [this](int item) {
    openPage(*this,
             {&TessarinUnit::movingPointPage, &TessarinUnit::areaFormulaPage,
              &TessarinUnit::areaGraphPage},
             item);
  });
}

void TessarinUnit::animateMovingPoint() {
  // The frame: 8 x 6 cells of 45 px (half a centimetre), nothing drawn.
  graphLeft = 152;
  graphTop = 230;
  gridColumns = 8;
  boxHeight = 6;
  gridUnit = 45;
  lineColor = 15;
  drawSquareGrid();

  // Corners A, B, C, D in cells, then in pixels, into the polygon table.
  markX(1) = 0;
  markX(2) = markX(1);
  markX(3) = markX(2) + 8;
  markX(4) = markX(3);
  markY(1) = 6;
  markY(2) = 0;
  markY(3) = markY(2);
  markY(4) = markY(1);
  for (loopIndex = 1; loopIndex <= 4; loopIndex += 1) slotToPixels(*this, loopIndex);
  for (loopIndex = 1; loopIndex <= 4; loopIndex += 1) {
    pointTable(loopIndex, 1) = markX(loopIndex);
    pointTable(loopIndex, 2) = markY(loopIndex);
  }

  // P starts at A.
  markX(5) = markX(2);
  markY(5) = markY(1);
  stepCount = 0;
  inputValue = 5;
  while (inputValue != 1) {
    // P's letter stands left of AB, below BC and right of CD.
    float dx = 18, dy = -22;
    if (stepCount <= 6) {
      dx = -45;
    } else if (stepCount <= 14) {
      dx = -14;
      dy = 18;
    }
    drawTriangleFigure(*this, 0, 7, dx, dy);

    mathText = U"1で次へ:他のキーで動く";
    showMessageWaitKey();
    if (lastKey == U"1") {
      inputValue = 1;
    } else {
      eraseAroundFrame(*this);
    }

    stepCount += 1;
    if (stepCount > 20) stepCount = 0;
    if (stepCount <= 6) {
      markX(5) = markX(1);
      markY(5) = markY(1) + gridUnit * stepCount;
    } else if (stepCount <= 14) {
      markX(5) = markX(2) + gridUnit * (stepCount - 6);
      markY(5) = markY(2);
    } else {
      markX(5) = markX(3);
      markY(5) = markY(4) + gridUnit * (20 - stepCount);
    }
  }
}

void TessarinUnit::drawPointStages(float top) {
  graphLeft = 152;
  graphTop = top;
  gridColumns = 15;
  boxHeight = 3;
  gridUnit = 70;
  lineColor = 3;
  drawSquareGrid();
  eraseAroundFrame(*this);

  // Figure (ｱ) in cells; (ｲ) is (ｱ) 5 cells to the right with P on BC 2 cells
  // from B, (ｳ) 10 cells to the right with P on CD 1 cell above C.
  markX(1) = 0;
  markX(2) = markX(1);
  markX(3) = markX(2) + 4;
  markX(4) = markX(3);
  markX(5) = markX(1);
  markY(1) = 3;
  markY(2) = 0;
  markY(3) = markY(2);
  markY(4) = markY(1);
  markY(5) = markY(2) + 1;
  for (loopIndex = 1; loopIndex <= 5; loopIndex += 1) {
    markX(loopIndex + 10) = markX(loopIndex) + 5;
    markY(loopIndex + 10) = markY(loopIndex);
  }
  markX(15) = markX(12) + 2;
  markY(15) = markY(12);
  for (loopIndex = 1; loopIndex <= 5; loopIndex += 1) {
    markX(loopIndex + 20) = markX(loopIndex) + 10;
    markY(loopIndex + 20) = markY(loopIndex);
  }
  markX(25) = markX(23);
  markY(25) = markY(23) + 1;
  for (loopIndex = 1; loopIndex <= 25; loopIndex += 1) slotToPixels(*this, loopIndex);

  for (const Stage& stage : kStages) {
    for (loopIndex = 1; loopIndex <= 5; loopIndex += 1) {
      pointTable(loopIndex, 1) = markX(stage.base + loopIndex);
      pointTable(loopIndex, 2) = markY(stage.base + loopIndex);
    }
    drawTriangleFigure(*this, stage.base, 5, stage.dx, stage.dy);
    writeAt(3, markX(stage.base + 1), markY(stage.base + 1) - 100, stage.heading);
    if (stage.base == 0) {
      // The side lengths of (ｱ): AD above the rectangle, CD right of it.
      drawSlotArc({1, 4, -1, U"4cm", 7, 3});
      drawSlotArc({3, 4, 1, U"3cm", 7, 3, -27, 0});
    }
  }
}

void TessarinUnit::movingPointPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 40, .firstLine = 30, .penWidth = 5});
  flowText({
      newLine(7, 0, U"教科書P88 "),
      same(0, U"点Pは毎秒1cm の速さでA→B→C→Dと動く。"),
      newLine(3, 50, U"△APDの面積は？"),
  });
  animateMovingPoint();
  waitKeyPrompt();

  // The three stages; the grid drawn for them is erased at once by the figures.
  drawPointStages(230);

  // How the area changes, under each figure: from A's x, 50 px under B.
  for (int i = 0; i < 3; ++i) {
    waitKeyPrompt();
    const float base = kStages[i].base;
    drawTextPieces({{5, markX(base + 1), markY(base + 2) + 50, kStageCaptions[i]}});
  }
}

}  // namespace lesson
