// Section 8 pages: domain and range. Page ① works y=5x+20 on 5≦x≦10 from its
// graph, page ② is a drill of random problems worked on a plane, page ③ the
// textbook answers of question 5 and the practice problems of P71.
#include <cmath>
#include <vector>

#include "framework/number_forms.h"
#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// ---- Page ① ------------------------------------------------------------------

const std::vector<Flow> kExampleProblem{
    newLine(0, 0, U"問　一次関数 y=5x+20 について、"),
    newLine(0, 50, U"xの変域が 5≦x≦10 のとき、"),
    newLine(0, 50, U"yの変域を求めなさい。"),
};

// The reasoning under the problem, one piece per key.
const std::vector<Stretch> kExampleReasoning{
    {newLine(3, 80, U"グラフから")}, {newLine(0, 50, U"x=5 のとき　")},
    {same(3, U"最小値 y=45")},       {newLine(0, 50, U"x=10 のとき　")},
    {same(3, U"最大値 y=70")},       {newLine(0, 50, U"したがって、yの変域は　")},
    {same(5, U"45≦y≦70")},
};

// The domain's ends on the x axis and the grid lines of their values on the y
// axis (5 per grid line): y=45 and y=70.
constexpr float kExampleDomain[] = {5, 10};
constexpr float kExampleValueLines[] = {9, 14};

// One stroke of the example's figure between two of its six marks (markX,
// markY entries 1 to 6), followed by a key wait. An arrow has its one head at
// the second mark; after it a dot may mark a value on the y axis.
struct MarkStroke {
  enum Kind { Line, Arrow } kind;
  int from, to;
  float color, width;  // of a line
  float valueLine;     // grid line of the dot on the y axis; 0 = none
};

const MarkStroke kExampleStrokes[] = {
    {MarkStroke::Line, 1, 2, 5, 5, 0},    // the domain on the x axis
    {MarkStroke::Arrow, 1, 3, 5, 5, 0},   // from x=5 up to the line
    {MarkStroke::Arrow, 2, 4, 5, 5, 0},   // from x=10 up to the line
    {MarkStroke::Line, 3, 4, 3, 9, 0},    // the graph over the domain
    {MarkStroke::Arrow, 3, 5, 5, 5, 9},   // across to y=45
    {MarkStroke::Arrow, 4, 6, 5, 5, 14},  // across to y=70
    {MarkStroke::Line, 5, 6, 5, 5, 0},    // the range on the y axis
};

// ---- Page ③ ------------------------------------------------------------------

// A column of worked answers: labels at labelX, working 54 px right of them,
// the text line starting at startY; a key wait between two stretches.
struct AnswerColumn {
  float labelX, startY;
  std::vector<Stretch> stretches;
};

const AnswerColumn kAnswerColumns[] = {
    {30,
     30,
     {
         {newLine(3, 0, U"問5 解答"), labelLine(7, 50, U"(1)")},
         {same(0, U"x=-2のとき"), newLine(0, 50, U"y=-3*(-2)-3=6-3="), same(3, U"3"),
          newLine(0, 50, U"x=1のとき"), newLine(0, 50, U"y=-3*1-3=-3-3="), same(3, U"-6"),
          newLine(0, 50, U"したがって、"), same(5, U"-6≦y≦3"), labelLine(7, 50, U"(2)")},
         {same(0, U"x=-3のとき "), newLine(0, 50, U"y=-3*(-3)-3=9-3="), same(3, U"6"),
          newLine(0, 50, U"x=-1のとき "), newLine(0, 50, U"y=-3*(-1)-3=3-3="), same(3, U"0"),
          newLine(0, 50, U"したがって、"), same(5, U"0≦y≦6")},
     }},
    {600,
     20,
     {
         {newLine(3, 0, U"P71 練習問題を解こう。")},
         {labelLine(7, 50, U"(1)"), same(0, U"x=4のとき"), newLine(0, 60, U"y=-ﾀ3/2ﾀ*4+4=-6+4="),
          same(3, U"-2"), newLine(0, 60, U"x=6のとき"), newLine(0, 60, U"y=-ﾀ3/2ﾀ*6+4=-9+4="),
          same(3, U"-5"), newLine(0, 55, U" したがって、"), same(5, U"-5≦y≦-2"),
          labelLine(7, 50, U"(2)")},
         {same(0, U"x=-2のとき"), newLine(0, 60, U"y=-ﾀ3/2ﾀ*(-2)+4=3+4="), same(3, U"7"),
          newLine(0, 60, U"x=2のとき"), newLine(0, 60, U"y=-ﾀ3/2ﾀ*2+4=-3+4="), same(3, U"1"),
          newLine(0, 55, U" したがって、"), same(5, U"1≦y≦7")},
     }},
};

}  // namespace

void CorbiskUnit::domainRangeExample() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30, .penWidth = 5});
  flowText(kExampleProblem);

  // The plane counts grid lines (steps 1); its numbers then read 1 per line in
  // x and 5 per line in y, and so does the line.
  drawPlane({722, 30, -2, 13, -2, 20, 28, 14, -1});
  graphXStep = 1;
  graphYStep = 5;
  drawGraphDecimalNumbers();
  plotLine({5, 20, 0, U"y=5x+20", -108, -70});
  waitKeyPrompt();

  // Marks 1, 2: the domain's ends on the x axis; 3, 4: above them on the line;
  // 5, 6: level with those on the y axis.
  for (int i = 0; i < 2; ++i) {
    const auto end = static_cast<float>(i + 1);
    plotDot({kExampleDomain[i], 0, 8, 5});
    markX(end) = pointScreenX;
    markY(end) = pointScreenY;
  }
  for (int i = 0; i < 2; ++i) {
    const auto end = static_cast<float>(i + 1);
    markX(end + 2) = markX(end);
    markY(end + 2) = originY - kExampleValueLines[i] * gridUnit;
    markX(end + 4) = originX;
    markY(end + 4) = markY(end + 2);
  }

  for (const MarkStroke& stroke : kExampleStrokes) {
    const auto from = static_cast<float>(stroke.from);
    const auto to = static_cast<float>(stroke.to);
    if (stroke.kind == MarkStroke::Line) {
      setDrawWidth(stroke.width);
      drawLine(markX(from), markY(from), markX(to), markY(to), stroke.color);
      setDrawWidth(5);
    } else {
      markArrow(from, to, 5);
    }
    if (stroke.valueLine != 0) plotDot({0, stroke.valueLine, 8, 5});
    waitKeyPrompt();
  }

  revealStretches(*this, kExampleReasoning, KeyWait::Between);
}

void CorbiskUnit::domainRangeDrill() {
  startExamplePage();
  repeatUntilOne([this] { showDomainRangeProblem(); });
  flowText({newLine(0, 90, U"教科書P71 問5 をしなさい。")});
}

void CorbiskUnit::pickDomainRangeProblem() {
  // A whole number from lo to hi, and a sign drawn as 1 or 2 (2 = negative).
  auto pick = [this](float lo, float hi) { return std::floor(rnd() * (hi - lo + 1)) + lo; };
  auto withSign = [&](float value, float& sign) {
    sign = pick(1, 2);
    return sign == 2 ? -value : value;
  };
  const auto withinPlane = [](float y) { return y >= -10 && y <= 10; };

  for (;;) {
    do {
      numA(1) = pick(1, 2);
      numA(1) = withSign(numA(1), signPick2);
    } while (numA(1) == lastDrillSlope);
    lastDrillSlope = numA(1);
    numB(1) = pick(1, 3);
    numB(1) = withSign(numB(1), signPick2);
    numA(2) = pick(1, 8);
    numA(2) = withSign(numA(2), signPick);
    signPick2 = pick(3, 8);
    numA(3) = numA(2) + signPick2;
    if (numA(3) > 9) continue;
    numB(2) = numA(1) * numA(2) + numB(1);
    if (!withinPlane(numB(2))) continue;
    numB(3) = numA(1) * numA(3) + numB(1);
    if (!withinPlane(numB(3))) continue;
    break;
  }
  numA(4) = numA(1) * numA(2);
  numA(5) = numA(1) * numA(3);
}

void CorbiskUnit::showDomainRangeProblem() {
  pickDomainRangeProblem();
  const float a = numA(1), b = numB(1);

  // The display forms: a as a coefficient, b as a signed term, p and q as
  // substituted (in parentheses when negative).
  numbersToText();
  numTextA(11) = coefficientForm(a, numTextA(1));
  numTextB(11) = signedTerm(b, numTextB(1));
  numTextA(12) = bracketedNegative(numA(2), numTextA(2));
  numTextA(13) = bracketedNegative(numA(3), numTextA(3));

  startPage(*this, {.width = 1600, .height = 1800, .marginX = savedX(1), .firstLine = savedY(1)});
  flowText({
      newLine(7, 0, U"練習　"),
      same(0, U"一次関数 "),
      same(3, U"y=" + numTextA(11) + U"x" + numTextB(11)),
      same(0, U"について、"),
      newLine(0, 50, U"xの変域が "),
      same(3, numTextA(2) + U"≦x≦" + numTextA(3)),
      same(0, U" のとき、"),
      newLine(0, 50, U"yの変域を求めなさい。"),
  });

  drawPlane({640, 50, -10, 10, -10, 10, 30, 0});
  plotLine({a, b, 0, U""});
  flowThenWait(*this, {newLine(3, 50, U"<解答>")});

  // The domain on the x axis, its ends' texts hanging below the axis: p's
  // ending at p (30 px a character), q's starting at q.
  plotDot({numA(2), 0, 1, 5});
  slopeX1 = pointScreenX;
  slopeY1 = pointScreenY;
  plotDot({numA(3), 0, 1, 5});
  slopeX2 = pointScreenX;
  slopeY2 = pointScreenY;
  setDrawWidth(8);
  drawLine(slopeX1, slopeY1, slopeX2, slopeY2, 5);
  setDrawWidth(5);
  writeAt(3, slopeX1 - 30 * static_cast<float>(kLen(numTextA(2))), slopeY1, numTextA(2));
  writeAt(3, slopeX2, slopeY2, numTextA(3));
  waitKeyPrompt();

  // Each end substituted, its point plotted with guides down to the x axis and
  // across to the y axis, and its value written left of the y axis.
  struct DomainEnd {
    float slot;            // x in numA/numTextA, y in numB/numTextB
    float substituted;     // numTextA slot of x as substituted
    float product;         // numA/numTextA slot of a·x
    float saved;           // savedX/savedY slot of the point
    float Lesson::*axisX;  // where the end's point on the x axis is kept
    float Lesson::*axisY;
  };
  const DomainEnd ends[] = {
      {2, 12, 4, 5, &Lesson::slopeX1, &Lesson::slopeY1},
      {3, 13, 5, 6, &Lesson::slopeX2, &Lesson::slopeY2},
  };
  for (const DomainEnd& end : ends) {
    flowThenWait(*this, {newLine(0, 50, U"x=" + numTextA(end.slot) + U" のとき　")});
    flowText({
        newLine(3, 50, U"y="),
        same(0, numTextA(1) + U"*" + numTextA(end.substituted) + numTextB(11) + U"="),
        same(0, numTextA(end.product) + numTextB(11)),
        same(3, U"=" + numTextB(end.slot)),
    });
    plotDot({numA(end.slot), numB(end.slot), 8, 3});
    savedX(end.saved) = pointScreenX;
    savedY(end.saved) = pointScreenY;
    drawLine(this->*end.axisX, this->*end.axisY, savedX(end.saved), savedY(end.saved), 7);
    drawLine(originX, savedY(end.saved), savedX(end.saved), savedY(end.saved), 7);
    writeAt(3, originX - 30 * static_cast<float>(kLen(numTextB(end.slot))), savedY(end.saved) - 50,
            numTextB(end.slot));
    waitKeyPrompt();
  }

  // The line over the domain, on the plane already drawn.
  graphXMin = numA(2);
  graphXMax = numA(3);
  graphYMin = -10;
  graphYMax = 10;
  plotLine({a, b, 3, U""});
  waitKeyPrompt();

  setDrawWidth(8);
  drawLine(originX, savedY(6), originX, savedY(5), 5);
  setDrawWidth(5);
  waitKeyPrompt();

  flowThenWait(*this, {newLine(0, 50, U"グラフから、yの変域は　")});
  // The smaller value first: y at p when the line rises, y at q when it falls.
  const Text low = a > 0 ? numTextB(2) : numTextB(3);
  const Text high = a > 0 ? numTextB(3) : numTextB(2);
  flowText({newLine(5, 50, low + U"≦y≦" + high)});
}

void CorbiskUnit::domainRangeAnswerPage() {
  fillBox(0, 0, 1320, 1300, 15, 15);
  bool first = true;
  for (const AnswerColumn& column : kAnswerColumns) {
    if (!first) waitKeyPrompt();
    first = false;
    itemLabelX = column.labelX;
    textMarginX = itemLabelX + 54;
    textLineY = column.startY;
    setDrawWidth(5);
    revealStretches(*this, column.stretches, KeyWait::Between);
  }
}

}  // namespace lesson
