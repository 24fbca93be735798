// Sections 4 and 5: their entries, and section 4's page.
//
// Section 4 ("表・式・グラフ") shows its goal banner and a sub-menu with one
// page: for y=2x+3 the page draws the equation, the table and the graph at
// once, then reads a and b off each form in turn, one answer per key. Section 5
// ("練習問題") has no banner: its sub-menu opens the three answer pages of
// practice_pages.cpp.
#include <cstddef>
#include <iterator>
#include <vector>

#include "framework/page_steps.h"
#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {

// The table of y=2x+3: an x row and a y row of eight 60 x 50 cells.
constexpr int kCells = 8;
const Text kTableRows[2][kCells] = {
    {U"x", U"…", U"-2", U"-1", U"0", U"1", U"2", U"…"},
    {U"y", U"…", U"-1", U"1", U"3", U"5", U"7", U"…"},
};

// One table row with its top at `top`: the texts go to numTextA(1..8), then
// each cell is a text box from the table's left edge markX(11).
void drawTableRow(Lesson& page, const Text (&texts)[kCells], float top) {
  for (int i = 1; i <= kCells; ++i) page.numTextA(static_cast<float>(i)) = texts[i - 1];
  for (int i = 1; i <= kCells; ++i) {
    page.penX = page.markX(11) + 60.0f * static_cast<float>(i - 1);
    page.penY = top;
    page.workText = page.numTextA(static_cast<float>(i));
    page.boxWidth = 60;
    page.boxHeight = 50;
    page.lineColor = 0;
    page.plotColor = 15;
    page.textColor = 0;
    page.drawTextBox();
  }
}

// The layout anchors, from the line of "(1) y=2x+3" (textLineY 90 when this runs).
void computeAnchors(Lesson& page) {
  page.markX(1) = page.textMarginX;
  page.markX(2) = 874;
  page.markY(1) = page.textLineY + 50;
  page.markY(2) = page.markY(1) + 100 + 30;
  page.markY(11) = page.markY(2);
  page.markY(3) = page.markY(2) + 100 + 80;
  page.markY(4) = page.markY(3) - 100;
  page.markX(11) = page.markX(1) + 40;
  page.markX(12) = page.markX(11) + 60;
  page.markY(12) = page.markY(11) + 50;
  page.markY(13) = page.markY(12) + 50;
  page.markX(13) = page.markX(12) + 180 + 15;
  // The centres of the cells for x = -2 to 2.
  for (int i = 1; i <= 5; ++i) {
    page.markX(static_cast<float>(13 + i)) = page.markX(12) + 30 + 60.0f * static_cast<float>(i);
  }
}

// The plane right of the table with y=2x+3, its intercept labelled "(0,3)"
// and the run-and-rise triangle between x = 0.5 and x = 2.5, labelled 1 and 2.
void drawGraph(Lesson& page) {
  page.drawPlane({page.markX(2), page.markY(1) - 100, -2, 4, -2, 8, 30, 0});
  page.plotLine({2, 3, 3, U""});

  page.writeAt(0, page.originX - 135, page.plotTop, U"(3)");
  page.plotDot({0, 3, 8, 0});

  page.drawTextPieces({{0, page.originX - 135, page.originY - 3.5f * page.gridUnit, U"(0,"}});
  page.markX(7) = page.textEndX;
  page.markY(7) = page.textLineY;
  page.writeAt(0, page.markX(7), page.markY(7), U"3)");

  // The points of the line at x = 0.5 and x = 2.5; the run to the right, then
  // the rise upwards.
  page.slopeX1 = page.originX + 0.5f * page.gridUnit;
  page.slopeY1 = page.originY - page.gridUnit * (page.coefA * 0.5f + page.coefB);
  page.slopeX2 = page.originX + 2.5f * page.gridUnit;
  page.slopeY2 = page.originY - page.gridUnit * (page.coefA * 2.5f + page.coefB);
  page.runAndRiseArrows(0);
  page.runAndRiseLabels(0, U"1", 0, U"2");
}

// The increase 2 of y between neighbouring cells: dotted arcs under the y row
// joining the centres of the cells for x = -2 to 2, each labelled "2".
void drawIncreaseArcs(Lesson& page) {
  for (int j = 14; j <= 17; ++j) {
    page.arrowHeadX = page.markX(static_cast<float>(j));
    page.arrowHeadY = page.markY(13);
    page.pointBX = page.markX(static_cast<float>(j + 1));
    page.pointBY = page.markY(13);
    page.textColor = 5;
    page.lineColor = 3;
    page.arcSide = 1;
    page.boxWidth = 15;
    page.arcHeight = 20;
    page.pointLabel = U"2";
    page.angleLabelDx = 0;
    page.angleLabelDy = 0;
    page.drawLengthArc();
  }
}

// What follows an answer on the same step: marking where it is read off.
enum class Marking { None, IncreaseArcs, TableValue, RiseLabel, InterceptLabel };

// One answer: its name ("a=" / "b=") on a step of its own, then the value and
// its meaning. The name stands in column markX(column) on line markY(line), or
// 50 px below the previous line when `line` is 0.
struct Answer {
  Text name;
  int column, line;
  Text value, meaning;
  Marking marking;
};

const Answer kAnswers[] = {
    // (1) the equation.
    {U"a=", 1, 1, U"2 ", U"変化の割合 ", Marking::None},
    {U"b=", 1, 0, U"3 ", U"x=0のときのyの値", Marking::None},
    // (2) the table.
    {U"a=", 1, 3, U"2 ", U"xが1増加したときのyの増加量", Marking::IncreaseArcs},
    {U"b=", 1, 0, U"3 ", U"x=0のときのyの値", Marking::TableValue},
    // (3) the graph.
    {U"a=", 2, 4, U"2 ", U"傾き", Marking::RiseLabel},
    {U"b=", 2, 0, U"3 ", U"切片", Marking::InterceptLabel},
};

void markAnswer(Lesson& page, Marking marking) {
  switch (marking) {
    case Marking::None:
      break;
    case Marking::IncreaseArcs:
      drawIncreaseArcs(page);
      break;
    case Marking::TableValue:
      // Over the y value under x=0, at a fixed place near the cell's centring.
      page.writeAt(5, page.markX(13), page.markY(12) + 2, U"3");
      break;
    case Marking::RiseLabel:
      page.writeAt(5, page.slopeX2, (page.slopeY1 + page.slopeY2) / 2 - 16,
                   U"2");  // the rise label
      break;
    case Marking::InterceptLabel:
      page.writeAt(5, page.markX(7), page.markY(7), U"3");
      break;
  }
}

}  // namespace

void MerrowinUnit::tableEquationGraphSection() {
  showSectionGoal(U"表・式・グラフの関係をまとめよう。");
  runSubMenu(U"①表・式・グラフ　②終了", 2,
             [this](int item) { openPage(*this, {&MerrowinUnit::tableEquationGraphPage}, item); });
}

void MerrowinUnit::tableEquationGraphPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 76, .firstLine = 30, .penWidth = 5});

  // The question and the three forms, drawn at once.
  itemLabelX = textMarginX - 38;
  flowText({
      labelLine(7, 0, U"Q "),
      same(0, U"一次関数y=ax+b の"),
      same(3, U"a,b"),
      same(0, U"をいいなさい。"),
      labelLine(0, 60, U"(1) y=2x+3"),
  });
  computeAnchors(*this);
  drawTextPieces({{0, itemLabelX, markY(2), U"(2)"}});
  drawTableRow(*this, kTableRows[0], markY(11));
  drawTableRow(*this, kTableRows[1], markY(12));
  drawGraph(*this);
  waitKeyPrompt();

  // a and b read off each form: the name on one step, value and meaning on the
  // next. The last step returns to the sub-menu without a wait.
  const std::size_t answers = std::size(kAnswers);
  for (std::size_t i = 0; i < answers; ++i) {
    const Answer& answer = kAnswers[i];
    const float x = markX(static_cast<float>(answer.column));
    const float y = answer.line == 0 ? textLineY + 50 : markY(static_cast<float>(answer.line));
    drawTextPieces({{0, x, y, answer.name}});
    waitKeyPrompt();
    flowText({same(5, answer.value), same(3, answer.meaning)});
    markAnswer(*this, answer.marking);
    if (i + 1 < answers) waitKeyPrompt();
  }
}

void MerrowinUnit::practiceSection() {
  runSubMenu(U"P76 練習問題 ①(1),(2)　②(3),(4)　③(5),(6)　　　　④終了", 4, [this](int item) {
    openPage(*this,
             {&MerrowinUnit::practiceAnswers12Page, &MerrowinUnit::practiceAnswers34Page,
              &MerrowinUnit::practiceAnswers56Page},
             item);
  });
}

}  // namespace lesson
