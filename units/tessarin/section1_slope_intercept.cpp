// Section 1 pages ① to ③. Page ① completes six solutions of 2x+y=5, plots
// them and ever more solutions until the dots close into a line, then reads
// the line's intercept and slope and names the line the graph of the
// equation. Page ② rewrites a random ax+by=c into y=ax+b and reads its slope
// and intercept, until the pupil types 1. Page ③ works 3x-4y=12 through to
// its graph. The pages reveal their steps one key at a time and return to the
// section's sub-menu after the last step without waiting.
#include <cmath>
#include <vector>

#include "framework/number_forms.h"
#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// One piece of a page's text flow. A Write piece (newLine, same, labelLine) is
// drawn as flowText draws it. A Box is an answer box of page ①, on the line
// after the previous piece and `xOffset` further right: its pen position is kept in numA(box),
// numB(box) and the box is drawn there around the text. An Answer is drawn
// whole over box `box` at its kept place and leaves the line position alone.
struct Piece {
  enum Kind { Write, Box, Answer };
  Piece(const Flow& piece) : kind(Write), flow(piece) {}
  Piece(Kind kind_, const Flow& piece, float box_) : kind(kind_), flow(piece), box(box_) {}
  Kind kind;
  Flow flow;
  float box = 0;
};

Piece boxOnLine(float box, const Text& circled, float gap = 0) {
  return {Piece::Box, same(5, circled, gap), box};
}
Piece answer(float box, const Text& text) {
  return {Piece::Answer, same(5, text), box};
}

// The answer boxes of page ①: text in colour 5 on colour 13, border 0, in
// pen width 3, 60 x 50, around the text line's top at (penX, penY).
void drawAnswerBox(Lesson& page, const Text& text) {
  page.workText = text;
  page.boxWidth = 60;
  page.boxHeight = 50;
  page.lineColor = 0;
  page.plotColor = 13;
  page.textColor = 5;
  page.drawBoxAroundText();
}

void flow(Lesson& page, const std::vector<Piece>& pieces) {
  for (const Piece& piece : pieces) {
    switch (piece.kind) {
      case Piece::Write:
        page.flowText({piece.flow});
        break;
      case Piece::Box:
        page.penX = page.textEndX + piece.flow.xOffset;
        page.penY = page.textLineY + piece.flow.dy;
        page.numA(piece.box) = page.penX;
        page.numB(piece.box) = page.penY;
        drawAnswerBox(page, piece.flow.text);
        page.textEndX = page.penX;
        page.textLineY = page.penY;
        break;
      case Piece::Answer:
        page.penX = page.numA(piece.box);
        page.penY = page.numB(piece.box);
        drawAnswerBox(page, piece.flow.text);
        break;
    }
  }
}

// Each group of pieces, then a key wait.
void revealPieces(Lesson& page, const std::vector<std::vector<Piece>>& groups) {
  revealEach(page, groups, KeyWait::AfterEach,
             [&page](const std::vector<Piece>& group) { flow(page, group); });
}

// ---- Page ①: the solutions of 2x+y=5 become a line --------------------------

const Lesson::PlaneSettings kSolutionsPlane{800, 50, -6, 6, -6, 8, 35};
constexpr float kIndent = 34;

const std::vector<Piece> kEquationTitle{
    newLine(0, 0, U"二元一次方程式 "),
    same(3, U"2x+y=5"),
    same(0, U"の解を考えよう。"),
    newLine(0, 60, U"(-1,"),
};

// The rest of the two rows of pairs with a box for each missing member.
const std::vector<Piece> kPairRows{
    boxOnLine(1, U"①"),   same(0, U"),", 4),  same(0, U"("),      boxOnLine(2, U"②", 4),
    same(0, U",5),"),     same(0, U"(0.5,"),  boxOnLine(3, U"③"), same(0, U"),", 4),
    newLine(0, 60, U"("), boxOnLine(4, U"④"), same(0, U",3),"),   same(0, U"(2.5,"),
    boxOnLine(5, U"⑤"),   same(0, U"),", 4),  same(0, U"("),      boxOnLine(6, U"⑥", 4),
    same(0, U",-1)", 4),
};

// Two substitutions worked out, then every box filled; one key after each.
const std::vector<std::vector<Piece>> kSubstitutions{
    {newLine(7, 60, U"① ")},
    {same(3, U"x=-1"), same(0, U"を"), same(3, U"2x+y=5"), same(0, U"に代入して")},
    {newLine(0, 50, U"  2*(-1)+y=5")},
    {same(0, U"-2+y=5", 50)},
    {newLine(3, 50, U"  y=")},
    {same(0, U"5+2="), same(3, U"7")},
    {answer(1, U"7")},
    {newLine(7, 60, U"② ")},
    {same(3, U"y=5"), same(0, U"を"), same(3, U"2x+y=5"), same(0, U"に代入して")},
    {newLine(0, 50, U"  2x+5=5")},
    {same(0, U"2x=", 50)},
    {same(0, U"5-5=0")},
    {newLine(3, 50, U"  x=")},
    {same(3, U"0")},
    {answer(2, U"0")},
    {answer(3, U"4")},
    {answer(4, U"1")},
    {answer(5, U"0")},
    {answer(6, U"3")},
};

// The x of the six solutions, in the order of their boxes.
constexpr float kSolutionXs[] = {-1, 0, 0.5f, 1, 2.5f, 3};

// A solution dot of radius 6 in colour 3, without label.
void solutionDot(Lesson& page, float x, float y) {
  page.plotDot({x, y, 6, 3});
}

// Dots of 2x+y=5 at y = first/per .. last/per, all at once.
void dotsAlongY(Lesson& page, int first, int last, float per) {
  for (int i = first; i <= last; ++i) {
    const float y = static_cast<float>(i) / per;
    solutionDot(page, (5 - y) / 2, y);
  }
}

// The line's intercept read off the figure, then its slope, then the same
// found by solving for y; the naming closes the page without a key.
const std::vector<std::vector<Piece>> kInterceptQuestion{
    {newLine(7, 60, U"① この直線の切片と傾きを求めよう。")},
    {newLine(0, 50, U"切片は ", kIndent)},
};
const std::vector<std::vector<Piece>> kInterceptAnswer{
    {same(3, U"5 ")},
    {same(0, U"傾きは ")},
};
const std::vector<std::vector<Piece>> kSlopeAndSolving{
    {same(3, U"-2")},
    {newLine(0, 50, U"一次関数の式は ", kIndent), same(5, U"y=-2x+5")},
    {newLine(7, 60, U"② 2x+y=5 をyについて解こう。")},
    {newLine(3, 50, U"y=-2x+5", kIndent)},
};
const std::vector<Piece> kNaming{
    newLine(0, 80, U"この直線を"),
    same(5, U"方程式 2x+y=5のグラフ"),
    same(0, U"、"),
    newLine(0, 60, U"2x+y=5 を、この"),
    same(5, U"直線の式"),
    same(0, U"という。"),
};

// ---- Page ②: slope and intercept of a random ax+by=c --------------------------

// The text of num over den in lowest terms, the sign in front.
Text reducedText(Lesson& page, float num, float den) {
  page.fracNum = num;
  page.fracDen = den;
  page.reduceFraction();
  return page.fractionText;
}

// A random ax+by=c with a 1..9, b ±2..±4, c ±1..±9, its working in slot
// texts: the equation, the slope and intercept reduced, the coefficient
// forms and the signed forms.
void drawEquation(Lesson& page) {
  const float a = std::floor(page.rnd() * 9 + 1);
  float b = std::floor(page.rnd() * 3 + 2);
  page.signPick = std::floor(page.rnd() * 2);
  if (page.signPick == 0) b = -b;
  float c = std::floor(page.rnd() * 9 + 1);
  page.signPick = std::floor(page.rnd() * 2);
  if (page.signPick == 0) c = -c;

  page.numA(1) = a;
  page.numA(2) = b;
  page.numA(3) = -a;
  page.numA(4) = -a / b;  // |b| >= 2
  page.numB(1) = c;
  page.numB(2) = c / b;
  page.numbersToText();
  page.numTextA(4) = reducedText(page, -a, b);
  page.numTextB(2) = reducedText(page, c, b);
  for (float i = 1; i <= 4; ++i)
    page.numTextA(10 + i) = coefficientForm(page.numA(i), page.numTextA(i));
  page.numTextA(12) = signedTerm(b, page.numTextA(12));
  page.numTextB(11) = signedTerm(c, page.numTextB(1));
  page.numTextB(12) = signedTerm(page.numB(2), page.numTextB(2));
}

// The equation as the example states it.
Text equationText(Lesson& page) {
  return page.numTextA(11) + U"x" + page.numTextA(12) + U"y=" + page.numTextB(1);
}

// One example: the task, four steps of working one key apart, the slope and
// intercept, then the line on the plane.
void slopeInterceptWorking(Lesson& page) {
  drawEquation(page);
  startPage(page, {.width = 1600,
                   .height = 1800,
                   .marginX = page.savedX(31) + 80,
                   .firstLine = page.savedY(31)});

  const Text& b = page.numTextA(2);
  const Text equation = equationText(page);
  revealPieces(
      page, {
                {labelLine(3, 0, U"例"), same(0, U" 次の方程式のグラフの傾きと切片をいいなさい。"),
                 newLine(3, 60, equation, 32)},
                {newLine(7, 50, page.numTextA(11) + U"x を移項して", 36),
                 newLine(0, 50, b + U"y=" + page.numTextA(13) + U"x" + page.numTextB(11))},
                {newLine(7, 60, U"両辺を" + b + U" でわって", 36),
                 newLine(0, 80,
                         U"ﾀ" + b + U"y/" + b + U"ﾀ=ﾀ" + page.numTextA(13) + U"x" +
                             page.numTextB(11) + U"/" + b + U"ﾀ")},
                {newLine(0, 80,
                         U"y=ﾀ" + page.numTextA(13) + U"x/" + b + U"ﾀ+ﾀ" + page.numTextB(1) + U"/" +
                             b + U"ﾀ")},
                {newLine(3, 80, U"y=" + page.numTextA(14) + U"x" + page.numTextB(12))},
            });
  flow(page, {
                 newLine(0, 80, U"傾き "),
                 same(5, page.numTextA(4)),
                 same(0, U"切片 ", 60),
                 same(5, page.numTextB(2)),
             });

  page.drawPlane(kSection1ExamplePlane);
  page.plotLine({page.numA(4), page.numB(2), 3, equation, -297});
}

// ---- Page ③: the graph of 3x-4y=12 -----------------------------------------

const Lesson::PlaneSettings kWorkedPlane{646, 100, -6, 8, -8, 4, 40};

const std::vector<std::vector<Piece>> kWorkedSteps{
    {newLine(3, 0, U"方程式 3x-4y=12 のグラフをかこう。")},
    {newLine(0, 50, U"yについて解くと、")},
    {newLine(0, 50, U"-4y=-3x+12")},
    {newLine(0, 80, U"ﾀ-4y/-4ﾀ=ﾀ-3x/-4ﾀ+ﾀ12/-4ﾀ")},
    {newLine(3, 80, U"y=ﾀ3/4ﾀx-3")},
    {newLine(3, 80, U"傾きﾀ3/4ﾀ,切片-3 の直線")},
};

}  // namespace

void TessarinUnit::solutionsBecomeLinePage() {
  // The pairs to complete beside the empty plane.
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 40, .firstLine = 30, .penWidth = 3});
  drawPlane(kSolutionsPlane);
  flow(*this, kEquationTitle);
  savedY(1) = penY;
  flow(*this, kPairRows);
  waitKeyPrompt();

  revealPieces(*this, kSubstitutions);

  // The six solutions one per key, then more and more solutions.
  revealPieces(*this, {{newLine(7, 60, U"解の組を座標とする点をうとう。")}});
  for (int i = 0; i < 6; ++i) numA(static_cast<float>(i + 1)) = kSolutionXs[i];
  for (float i = 1; i <= 6; ++i) {
    solutionDot(*this, numA(i), -2 * numA(i) + 5);
    waitKeyPrompt();
  }
  waitKeyPrompt();
  flow(*this, {newLine(3, 50, U"ほかの解の組もかくと、")});
  for (int i = -2; i <= 10; ++i) {
    const float x = static_cast<float>(i) / 2;
    solutionDot(*this, x, -2 * x + 5);
    waitKeyPrompt();
  }
  waitKeyPrompt();
  dotsAlongY(*this, -12, 16, 2);
  waitKeyPrompt();
  dotsAlongY(*this, -24, 32, 4);
  waitKeyPrompt();

  // The dots give way to the line.
  fillBox(plotLeft, 0, plotLeft + 1600, 1800, 15, 15);
  drawPlane(kSolutionsPlane);
  setDrawWidth(5);
  plotLine({-2, 5, 3, U""});
  waitKeyPrompt();

  // Intercept and slope from the figure and from the equation.
  fillBox(0, savedY(1) - 4, 760, savedY(1) - 4 + 1800, 15, 15);
  textMarginX = 40;
  textLineY = 30;
  revealPieces(*this, kInterceptQuestion);
  setSlopeMarks(1, 0, 5, 1, -2);
  fillCircle(markX(1), markY(1), 8, 5);
  textColor = 5;
  penX = originX - 135;
  penY = markY(1);
  mathText = U"(0,5)";
  drawMathText();
  waitKeyPrompt();
  revealPieces(*this, kInterceptAnswer);
  runAndRiseMarks(1, 5);
  waitKeyPrompt();
  revealPieces(*this, kSlopeAndSolving);
  flow(*this, kNaming);
}

void TessarinUnit::slopeInterceptExample() {
  setDrawWidth(5);
  itemLabelX = 40;
  savedX(31) = 40;
  savedY(31) = 30;
  repeatUntilOne([this] { slopeInterceptWorking(*this); });
}

void TessarinUnit::showEquationGraphExample() {
  startPage(*this, {.width = 1600, .height = 1800, .marginX = 38, .firstLine = 30, .penWidth = 5});
  drawPlane(kWorkedPlane);
  revealPieces(*this, kWorkedSteps);

  // The intercept, the run of 4 and the rise of 3, then the line.
  setSlopeMarks(1, 0, -3, 4, 3);
  fillCircle(markX(1), markY(1), 8, 5);
  waitKeyPrompt();
  runAndRiseMarks(1, 5);
  waitKeyPrompt();
  plotLine({0.75f, -3, 3, U"3x-4y=12", -297});
  waitKeyPrompt();
  flow(*this, {newLine(7, 80, U"教科書P78 問1　をやろう。")});
}

}  // namespace lesson
