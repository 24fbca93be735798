// Section 5 page ①: the dam's storage. Six daily readings from 31 July lie
// almost on a line; the page fits y=-25x+975 through two of them, predicts
// the day the storage falls to 650 (13 August) and reads the intercept and the
// slope. Three screens: the story with the storage table, the readings plotted
// one per key with the fitted line, and the prediction beside the graph.
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/section5_flow.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

using namespace application;

// The readings in 10 000 m^3, day 0 (31 July) to day 5, and their dates.
constexpr float kReadings[6] = {975, 948, 926, 900, 873, 854};
const Text kDates[6] = {U"7月31日", U"8月1日", U"8月2日", U"8月3日", U"8月4日", U"8月5日"};

// The graph plots each reading less this, so that its rows can stay 10 a row.
constexpr float kGraphBase = 800;

// A number as text without its blank: "975".
Text numberText(Lesson& page, float number) {
  page.workText = str(number);
  page.removeSpaces();
  return page.workText;
}

// One cell of a table: a 50-px-high box at (x, y) of `width`, border colour 3,
// text colour 0.
void tableCell(Lesson& page, float x, float y, float width, float fill, const Text& text) {
  page.penX = x;
  page.penY = y;
  page.boxWidth = width;
  page.boxHeight = 50;
  page.lineColor = 3;
  page.plotColor = fill;
  page.textColor = 0;
  page.workText = text;
  page.drawTextBox();
}

// The storage table at the top right: its heading over two columns, the six
// dates, then the six readings.
void drawStorageTable(Lesson& page) {
  page.markX(11) = 880;
  page.boxWidth = 175;
  page.markX(12) = page.markX(11) + page.boxWidth;
  page.markX(13) = page.markX(12) + page.boxWidth;
  page.markY(11) = 20;
  for (float row = 12; row <= 18; ++row) page.markY(row) = page.markY(row - 1) + 50;

  tableCell(page, page.markX(11), page.markY(11), page.markX(13) - page.markX(11), 13,
            U"ダムの貯水量");
  for (page.loopIndex = 11; page.loopIndex <= 12; ++page.loopIndex) {
    const float column = page.loopIndex;
    for (float row = 12; row <= 17; ++row) {
      const Text& text = column == 11 ? page.textList(row) : page.damValueText(row);
      tableCell(page, page.markX(column), page.markY(row),
                page.markX(column + 1) - page.markX(column), 15, text);
    }
  }
}

// "7月31日からx日後の水の量をy万m^3とすると", dy below the current line.
std::vector<Flow> variableSentence(float dy) {
  return {labelLine(0, dy, U"7月31日から"), same(3, U"x日"), same(0, U"後の水の量を"),
          same(3, U"y万m^3"), same(0, U"とすると")};
}

// The graph: 6 days by 20 rows of 10 (the origin row standing for 800), no
// numbers of the plane's own; the page writes days 1 to 5 and the storages
// 850, 900, 950 beside the bold rows.
void drawStorageGraph(Lesson& page) {
  page.graphLeft = 920;
  page.graphTop = 30;
  page.graphXMin = 0;
  page.graphXMax = 6;
  page.graphYMin = 0;
  page.graphYMax = 400;
  page.graphXStep = 1;
  page.graphYStep = 20;
  page.lineColor = 10;
  page.gridUnit = 30;
  page.noAxisNumbers = -1;
  page.drawGraphPlane();

  page.setFontSize(page.axisFontSize);
  page.textColor = 0;
  for (page.loopIndex = 1; page.loopIndex <= 5; ++page.loopIndex) {
    const Text day = numberText(page, page.loopIndex);
    const float length = static_cast<float>(kLen(day));
    page.symbol(page.originX + page.gridUnit * page.loopIndex - length / 2 * page.axisFontSize,
                page.originY + 4, 2, 1, page.textColor, day);
  }
  for (page.loopIndex = 1; page.loopIndex <= 3; ++page.loopIndex) {
    const Text& storage = page.numTextA(page.loopIndex);
    const float length = static_cast<float>(kLen(storage));
    page.symbol(page.originX - page.axisFontSize * length,
                page.originY - 5 * page.gridUnit * page.loopIndex - page.axisFontSize / 2, 2, 1,
                page.textColor, storage);
  }
  page.setFontSize(16);
}

// Reading `day` as a disc of radius 6 in `color`.
void plotReading(Lesson& page, float day, float color) {
  page.graphXStep = 1;
  page.graphYStep = 10;
  page.plotDot({day, page.numA(day), 6, color, U""});
}

// The five steps from one reading to the next, each with its "-25" beside it.
void drawDailyDrops(Lesson& page) {
  for (page.loopIndex = 0; page.loopIndex <= 4; ++page.loopIndex) {
    const float day = page.loopIndex;
    plotReading(page, day, 5);
    page.slopeX1 = page.pointScreenX;
    page.slopeY1 = page.pointScreenY;
    plotReading(page, day + 1, 5);
    page.slopeX2 = page.pointScreenX;
    page.slopeY2 = page.pointScreenY;
    page.slopeLabelSwitch = U"nn";
    page.drawSlopeTriangle();
    page.writeAt(3, page.slopeX2 + 10, page.slopeY1 + 20, U"-25");
  }
}

}  // namespace

void TessarinUnit::drawDamTable() {
  const float left = itemLabelX;
  const float xRowTop = textLineY + 60;
  const float yRowTop = xRowTop + 50;
  markX(11) = left;
  markY(11) = xRowTop;
  markY(12) = yRowTop;
  for (int i = 0; i < 6; ++i) damValueText(static_cast<float>(i)) = numberText(*this, kReadings[i]);

  // Each row: the header cell, then six cells chained from its right edge.
  auto row = [&](float top, float fill, const Text& header, auto cellText) {
    tableCell(*this, left, top, 40, fill, header);
    textEndX = penX;
    textLineY = penY;
    savedX(1) = penX;
    for (loopIndex = 0; loopIndex <= 5; ++loopIndex) {
      tableCell(*this, savedX(1), top, 108, fill, cellText(loopIndex));
      savedX(1) = penX;
    }
  };
  row(xRowTop, 15, U"x", [this](float i) { return numberText(*this, i); });
  row(yRowTop, 13, U"y", [this](float i) { return damValueText(i); });
}

void TessarinUnit::damStoragePage() {
  for (int i = 0; i < 6; ++i) {
    const float day = static_cast<float>(i);
    textList(12 + day) = kDates[i];
    damValueText(12 + day) = numberText(*this, kReadings[i]) + U"万m^3";
    numA(day) = kReadings[i] - kGraphBase;
  }
  numTextA(1) = U"850";
  numTextA(2) = U"900";
  numTextA(3) = U"950";

  // Screen 1: the story, the storage table and the value table.
  startPage(*this, framedPage(36));
  flowText({labelLine(7, 0, U"P84 "), same(3, U"ダムの貯水量は？")});
  drawStorageTable(*this);
  waitKeyPrompt();
  flowThenWait(*this,
               {labelLine(7, 60, U"Q"), same(0, U"8月6日以降も同じように貯水量が減っていくとき、"),
                newLine(0, 50, U"貯水量が650万m^3になるのは何月何日かを"),
                newLine(0, 50, U"予想するにはどうすればよいだろう。")});
  flowThenWait(*this, {newLine(3, 50, U"表やグラフに表して調べる。")});
  flowText(variableSentence(70));
  drawDamTable();
  waitKeyPrompt();

  // Screen 2: the value table again, the readings on the graph one per key,
  // and the line through two of them.
  startPage(*this, framedPage(36));
  flowText(variableSentence(0));
  drawDamTable();
  waitKeyPrompt();
  drawStorageGraph(*this);
  waitKeyPrompt();
  for (float day = 0; day <= 5; ++day) {
    plotReading(*this, day, 3);
    waitKeyPrompt();
  }
  waitKeyPrompt();
  flowThenWait(*this,
               {newLine(3, 60, U"ほぼ一直線"), same(0, U"だから"), same(5, U"一次関数とみれる。")});
  flowText({labelLine(7, 50, U"問1 をやろう。")});
  savedY(1) = textLineY;
  plotReading(*this, 0, 5);
  plotReading(*this, 3, 5);
  graphXMin = 0;
  graphXMax = 5;
  graphXStep = 1;
  graphYStep = 10;
  plotLine({-25, kReadings[0] - kGraphBase, 5, U""});
  waitKeyPrompt();
  flowThenWait(*this,
               {labelLine(0, 50, U"(0,975),(3,900)を通るから、"), labelLine(0, 50, U"切片は ")});
  flowThenWait(*this, {same(3, U"975")});
  flowThenWait(*this, {labelLine(0, 70, U"傾きは ")});
  flowThenWait(*this, {same(0, U"ﾀ900-975/3-0ﾀ")});
  flowThenWait(*this, {same(0, U"=ﾀ-75/3ﾀ")});
  flowThenWait(*this, {same(3, U"=-25")});
  flowThenWait(*this, {newLine(5, 60, U"y=-25x+975")});
  flowText({labelLine(7, 60, U"問2 をやろう。")});
  savedY(2) = textLineY;
  waitKeyPrompt();

  // Screen 3: the graph stays; 問2 is worked over the top of the text column,
  // then the lines of 問1 give way to 問3.
  erase(*this, 0, 0, 800, savedY(1));
  startPage(*this, reframedPage(36));
  flowThenWait(*this, {labelLine(7, 0, U"問2 貯水量が650万m^3になるのは何月何日?")});
  flowThenWait(*this, {newLine(3, 50, U"y=-25x+975 に y=650を代入して ")});
  flowThenWait(*this, {newLine(0, 50, U"650=-25x+975 ")});
  flowThenWait(*this, {same(0, U"25x=")});
  flowThenWait(*this, {same(0, U"975-650=325")});
  flowThenWait(*this, {newLine(3, 60, U"x=")});
  flowThenWait(*this, {same(0, U"ﾀ325/25ﾀ=")});
  flowThenWait(*this, {same(3, U"13")});
  flowThenWait(*this, {same(5, U"8月13日 ", 30)});
  erase(*this, 0, textLineY + 60, 800, savedY(2) + 60);
  flowThenWait(*this, {labelLine(7, 70, U"問3 をやろう。")});
  flowThenWait(*this, {newLine(0, 50, U"切片…")});
  flowThenWait(*this, {same(5, U"7月31日の貯水量")});
  flowThenWait(*this, {newLine(0, 50, U"傾き…")});
  drawDailyDrops(*this);
  waitKeyPrompt();
  flowText({same(5, U"1日に減る水の量")});
}

}  // namespace lesson
