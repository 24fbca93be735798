// Section 3 pages ① to ③: the change of values and the rate of change.
//
// Page ① fills the table of y=2x+1 for x = -3 to 4 one cell per key and marks
// the increases of x and y by dotted arcs; page ② works question Q1 (the
// increases of x and y for two intervals) in two columns and ends with the
// definition of the rate of change; page ③ works textbook P64 on y=-2x+7 and
// then shows random examples of its rate of change until the pupil types 1.
// Every page reveals one step per key and ends by returning to the sub-menu.
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// One table cell: 50 px high, border colour 3 on white, its text centred.
void drawCell(Lesson& page, float x, float y, float width, float color, const Text& text) {
  page.penX = x;
  page.penY = y;
  page.workText = text;
  page.boxWidth = width;
  page.boxHeight = 50;
  page.lineColor = 3;
  page.plotColor = 15;
  page.textColor = color;
  page.drawTextBox();
}

Text numberText(Lesson& page, float value) {
  page.workText = str(value);
  page.removeSpaces();
  return page.workText;
}

// ---- The x/y table of x = -3 to 4 (pages ① and ③) -------------------------

constexpr float kFirstX = -3, kLastX = 4;
constexpr float kNameWidth = 40, kValueWidth = 60;

// The x row with its values at `top` and the y row with empty value cells 50 px
// below, both from markX(11); the text line follows the cells, so it ends on
// the y row's top at its right edge.
void drawValueTable(Lesson& page, float top) {
  struct Row {
    Text name;
    bool withValues;
  };
  const Row rows[] = {{U"x", true}, {U"y", false}};
  float rowTop = top;
  for (const Row& row : rows) {
    page.penX = page.markX(11);
    page.penY = rowTop;
    auto cell = [&](float width, float color, const Text& text) {
      drawCell(page, page.penX, page.penY, width, color, text);
      page.textEndX = page.penX;
      page.textLineY = page.penY;
    };
    cell(kNameWidth, 0, row.name);
    cell(kNameWidth, 0, U"…");
    for (page.loopIndex = kFirstX; page.loopIndex <= kLastX; page.loopIndex += 1) {
      page.savedX(1) = page.penX;
      cell(kValueWidth, row.withValues ? 0 : 5,
           row.withValues ? numberText(page, page.loopIndex) : U"");
    }
    cell(kNameWidth, 0, U"…");
    rowTop += 50;
  }
}

// Writes y = slope * x + intercept into the y row's cells at `top`, from the
// first value column markX(12), one cell per key.
void revealYValues(Lesson& page, float top, float slope, float intercept) {
  page.savedX(1) = page.markX(12);
  for (page.loopIndex = kFirstX; page.loopIndex <= kLastX; page.loopIndex += 1) {
    drawCell(page, page.savedX(1), top, kValueWidth, 5,
             numberText(page, slope * page.loopIndex + intercept));
    page.savedX(1) = page.penX;
    page.waitKeyPrompt();
  }
}

// ---- Page ①: the table of y=2x+1 and its increases --------------------------

// The increase of x from column markX(from) to markX(to): an arc above the x
// row labelled with it, and an arc below the y row labelled with the increase
// of y once it is answered. `step` is the angle between the arcs' dots.
struct IncreaseArcs {
  int from, to;
  float step;
  Text xIncrease;
};

struct TableQuestion {
  float dy;  // from the previous question's line
  Text label, question;
  const IncreaseArcs* arcs;
  bool namesIncreaseRows;  // "xの増加量" above the table, "yの増加量" below it
  Text answer;             // 40 px after the question
};

const IncreaseArcs kMinus2To0{13, 14, 10, U"2"};
const IncreaseArcs k0To1{14, 15, 14, U"1"};
const IncreaseArcs k1To4{15, 16, 7, U"3"};

const TableQuestion kTableQuestions[] = {
    {120, U"① ", U"xの値が1ずつ増加するとき、yの値は？", nullptr, false, U"2ずつ増加する。"},
    {50, U"② ", U"xの値が-2から0まで変わるとき、yの増加量は？", &kMinus2To0, false, U"4"},
    {50, U"③ ", U"xの値が0から1まで変わるとき、yの増加量は？", &k0To1, false, U"2"},
    {50, U"④ ", U"xの値が1から4まで変わるとき、yの増加量は？", &k1To4, false, U"6"},
    {50, U"⑤ ", U"yの増加量は、xの増加量の何倍？", nullptr, true, U"全部 2倍"},
};

// A dotted arc of 20 px between two table columns on the line y, bulging
// upwards (side -1) or downwards (side 1), its label in `labelColor`.
void drawIncreaseArc(Lesson& page, const IncreaseArcs& arcs, float y, float side, float labelColor,
                     const Text& label) {
  page.arrowHeadX = page.markX(static_cast<float>(arcs.from));
  page.arrowHeadY = y;
  page.pointBX = page.markX(static_cast<float>(arcs.to));
  page.pointBY = y;
  page.arcSide = side;
  page.arcHeight = 20;
  page.boxWidth = arcs.step;
  page.lineColor = 7;
  page.textColor = labelColor;
  page.pointLabel = label;
  page.drawLengthArc();
}

// ---- Page ②: question Q1 ----------------------------------------------------

// A y value found by substitution: the line naming x, then the working and the
// value, which is also written into its y cell (column 1 or 3).
struct Substitution {
  Text when, working, value;
};

// An increase: its name line, then its working one piece per key, the last
// followed by the value, which is also written beside the table's "→" column
// at (c2 + markDx, row top + markDy).
struct IncreaseWorking {
  Text name;
  std::vector<Text> working;
  Text value;
  int markRow;
  float markDx, markDy;
};

struct IncreasePart {
  Text label, interval;
  Text xFrom, xTo;
  float substitutionDx;  // x of the substitution lines from the margin
  Substitution values[2];
  IncreaseWorking increases[2];
};

const IncreasePart kIncreaseParts[] = {
    {U"(1)",
     U"xが5から9まで増加するとき",
     U"5",
     U"9",
     0,
     {{U"x=5のとき y=", U"2*5+1=", U"11"}, {U"x=9のとき y=", U"2*9+1=", U"19"}},
     {{U"xの増加量は、", {U"9-5="}, U"4", 0, 15, -20},
      {U"yの増加量は、", {U"19-11="}, U"8", 1, 15, 25}}},
    {U"(2)",
     U"xが-5から1まで増加するとき",
     U"-5",
     U"1",
     -38,
     {{U"x=-5のとき y=", U"2*(-5)+1=", U"-9"}, {U"x=1 のとき y=", U"2*1+1=", U"3"}},
     {{U"xの増加量は、", {U"1-(-5)=", U"1+5="}, U"6", 0, 15, -20},
      {U"yの増加量は、", {U"3-(-9)=", U"3+9="}, U"12", 1, 0, 25}}},
};

// A row of page ②'s table: numTextA(0) to numTextA(3) in 60-wide cells.
void drawIncreaseRow(Lesson& page, float top, std::initializer_list<Text> texts) {
  page.loopIndex = 0;
  for (const Text& text : texts) page.numTextA(page.loopIndex++) = text;
  for (page.loopIndex = 0; page.loopIndex <= 3; page.loopIndex += 1) {
    drawCell(page, page.markX(11) + 60 * page.loopIndex, top, 60, 0, page.numTextA(page.loopIndex));
  }
  page.textEndX = page.markX(11) + 240;
  page.textLineY = top;
}

void workIncreasePart(Lesson& page, const IncreasePart& part) {
  page.flowText({
      newLine(3, 50, part.label),
      same(0, part.interval),
      newLine(3, 70, U"<解答>"),
  });
  // The table stands 30 px right of "<解答>" and 30 px below its line's top.
  page.markX(11) = page.textEndX + 30;
  for (int column = 1; column <= 3; ++column) {
    page.markX(static_cast<float>(11 + column)) =
        page.markX(11) + 60.0f * static_cast<float>(column);
  }
  page.markY(11) = page.textLineY + 30;
  page.markY(12) = page.markY(11) + 50;
  drawIncreaseRow(page, page.markY(11), {U"x", part.xFrom, U"→", part.xTo});
  drawIncreaseRow(page, page.markY(12), {U"y", U"", U"→", U""});
  page.waitKeyPrompt();

  float dy = 70;
  float column = 12;
  for (const Substitution& value : part.values) {
    flowThenWait(page, {newLine(0, dy, value.when, part.substitutionDx)});
    page.flowText({same(0, value.working), same(3, value.value)});
    drawCell(page, page.markX(column), page.markY(12), 60, 3, value.value);
    page.waitKeyPrompt();
    dy = 50;
    column = 14;
  }

  flowThenWait(page, {newLine(0, 50, U"だから、", 114)});
  for (const IncreaseWorking& increase : part.increases) {
    flowThenWait(page, {newLine(0, 50, increase.name)});
    for (std::size_t i = 0; i < increase.working.size(); ++i) {
      page.flowText({same(0, increase.working[i])});
      if (i + 1 == increase.working.size()) {
        page.flowText({same(3, increase.value)});
        page.writeAt(5, page.markX(13) + increase.markDx,
                     page.markY(static_cast<float>(11 + increase.markRow)) + increase.markDy,
                     increase.value);
      }
      page.waitKeyPrompt();
    }
  }
}

// ---- Page ③: the rate of change of y=-2x+7 ----------------------------------

// The worked example ① and the line that opens the random examples; a key wait
// follows every step but the last.
const std::vector<Stretch> kExampleSteps = {
    {newLine(3, 80, U"① "), same(0, U"xの値が1から4まで変わるとき、変化の割合は？")},
    {same(3, U"ﾀ-1-5/4-1ﾀ", 30)},
    {same(3, U"=ﾀ-6/3ﾀ")},
    {same(5, U"=-2")},
    {newLine(3, 70, U"② "), same(0, U"xの値が次のように変わるとき、変化の割合を求めよう。")},
};

}  // namespace

void CorbiskUnit::valueChangeTablePage() {
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 38, .firstLine = 30, .penWidth = 5});
  flowText({newLine(3, 0, U"P63 ひろげよう"), same(0, U"y=2x+1", 60)});

  // The table's left edge, its first value column and the centres of the
  // value cells of x = -2, 0, 1 and 4, where the arcs end.
  markX(11) = textMarginX;
  const float offsets[] = {80, 90, 120, 60, 180};
  for (int i = 0; i < 5; ++i) {
    markX(static_cast<float>(12 + i)) = markX(static_cast<float>(11 + i)) + offsets[i];
  }
  markY(11) = textLineY + 120;  // x row
  markY(12) = markY(11) + 50;   // y row
  markY(13) = markY(12) + 50;   // the y row's bottom edge

  drawValueTable(*this, markY(11));
  waitKeyPrompt();
  revealYValues(*this, markY(12), 2, 1);
  waitKeyPrompt();

  const std::size_t last = std::size(kTableQuestions) - 1;
  for (std::size_t i = 0; i <= last; ++i) {
    const TableQuestion& q = kTableQuestions[i];
    flowText({newLine(3, q.dy, q.label), same(0, q.question)});
    if (q.arcs != nullptr) {
      drawIncreaseArc(*this, *q.arcs, markY(11), -1, 3, q.arcs->xIncrease);
      drawIncreaseArc(*this, *q.arcs, markY(13), 1, 5, U"");
    }
    if (q.namesIncreaseRows) {
      writeAt(5, markX(11), markY(11) - 50, U"xの増加量");
      writeAt(5, markX(11), markY(13), U"yの増加量");
    }
    waitKeyPrompt();
    flowText({same(5, q.answer, 40)});
    if (q.arcs != nullptr) drawIncreaseArc(*this, *q.arcs, markY(13), 1, 5, q.answer);
    if (i != last) waitKeyPrompt();
  }
}

void CorbiskUnit::increaseAmountPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30});
  flowText({newLine(0, 0, U"Q1"), same(3, U" 一次関数 y=2x+1で、xとyの増加量を求めなさい。")});
  workIncreasePart(*this, kIncreaseParts[0]);
  // Part (2) fills the right half from the top.
  textMarginX = 646;
  textLineY = 30;
  workIncreasePart(*this, kIncreaseParts[1]);

  writeAt(3, 40, 550, U"yの増加量は、xの増加量の何倍？");
  waitKeyPrompt();
  writeAt(5, 40, 600, U"どちらも 2倍");
  waitKeyPrompt();
  flowText({newLine(5, 70, U"変化の割合=ﾀyの増加量/xの増加量ﾀ")});
}

void CorbiskUnit::rateOfChangeExamplePage() {
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 38, .firstLine = 30, .penWidth = 5});
  flowText({newLine(3, 0, U"P64 ひろげよう"), same(0, U"y=-2x+7", 60)});

  markX(11) = textMarginX;
  markX(12) = markX(11) + 80;
  markY(11) = textLineY + 60;
  markY(12) = markY(11) + 50;
  drawValueTable(*this, markY(11));
  waitKeyPrompt();
  revealYValues(*this, markY(12), -2, 7);
  waitKeyPrompt();

  revealStretches(*this, kExampleSteps, KeyWait::Between);

  savedX(1) = textMarginX;
  savedY(1) = textLineY + 60;
  repeatUntilOne([this] { drawRateExample(); });
  waitKeyPrompt();

  flowThenWait(*this, {newLine(3, 80, U"③ "), same(0, U"xの増加量が1のとき、yの増加量は？")});
  flowText({same(5, U"-2", 40)});
}

float CorbiskUnit::drawExampleX() {
  float x = std::floor(rnd() * 5);
  signPick = std::floor(rnd() * 2);
  if (signPick == 0) x = 0 - x;  // 0 - x: a drawn 0 stays +0
  if (x == -4) x = -3;
  return x;
}

void CorbiskUnit::drawRateExample() {
  // Two different x values in -3..4, the smaller first.
  numA(1) = drawExampleX();
  numA(2) = drawExampleX();
  if (numA(1) == numA(2)) numA(1) = numA(1) <= 0 ? 2.0f : -2.0f;
  if (numA(2) < numA(1)) std::swap(numA(1), numA(2));

  numB(1) = -2 * numA(1) + 7;
  numB(2) = -2 * numA(2) + 7;
  numB(3) = numB(2) - numB(1);
  numA(3) = numA(2) - numA(1);
  numA(4) = std::abs(numA(1));
  numB(4) = std::abs(numB(1));
  numbersToText();
  // x1 and y1 as they are subtracted in the working.
  const bool negative = numA(1) < 0;
  numTextA(11) = negative ? U"-(" + numTextA(1) + U")" : U"-" + numTextA(4);
  numTextA(21) = (negative ? U"+" : U"-") + numTextA(4);
  numTextB(11) = U"-" + numTextB(4);
  numTextB(21) = U"-" + numTextB(4);

  // The example's strip; everything above it stays.
  fillBox(0, savedY(1), 1600, savedY(1) + 90, 15, 15);
  textMarginX = savedX(1);
  textLineY = savedY(1) + 10;

  flowThenWait(*this, {newLine(0, 0, U"　 " + numTextA(1) + U"から" + numTextA(2) + U"まで  ")});
  if (negative) {
    flowThenWait(*this, {same(3, U"ﾀ" + numTextB(2) + numTextB(11) + U"/" + numTextA(2) +
                                     numTextA(11) + U"ﾀ=")});
  }
  flowThenWait(*this, {same(3, U"ﾀ" + numTextB(2) + numTextB(21) + U"/" + numTextA(2) +
                                   numTextA(21) + U"ﾀ")});
  flowThenWait(*this, {same(3, U"=ﾀ" + numTextB(3) + U"/" + numTextA(3) + U"ﾀ")});
  flowText({same(5, U"=-2")});
}

}  // namespace lesson
