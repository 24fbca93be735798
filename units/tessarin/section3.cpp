// Section 3: practice of textbook p.81. The section has no goal banner: it is
// its one-line sub-menu alone. Item ① shows the worked answers to practice
// problem 1, five equations rewritten as y=... (or x=...) with their five
// lines on one plane, drawn at once without a key wait.
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// One heading tag: a text box at the page's line position, which then moves to
// the box's right edge and top.
struct Tag {
  float gap;  // right of the line position's x
  float width, height;
  float border, fill, color;
  Text text;
};

// One of the five lines, a x + b y = c, in a colour, labelled with its part
// number moved by (dx, dy) from where plotCurve puts the label.
struct PracticeLine {
  float a, b, c;
  float color;
  Text label;
  float dx, dy;
};

const Tag kTags[] = {
    {0, 170, 46, 3, 13, 0, U"練習問題"},
    {40, 40, 44, 4, 3, 13, U"1"},
};

// Each answer: its part number at the label column on a new line 70 px down,
// then the answer on the same line at the margin.
const std::vector<Flow> kAnswers = {
    labelLine(0, 70, U"(1)"),  newLine(3, 0, U"y=ﾀ3/4ﾀx-3"), labelLine(0, 70, U"(2)"),
    newLine(3, 0, U"y=-4x+2"), labelLine(0, 70, U"(3)"),     newLine(3, 0, U"y=ﾀ3/2ﾀx"),
    labelLine(0, 70, U"(4)"),  newLine(3, 0, U"y=4"),        labelLine(0, 70, U"(5)"),
    newLine(3, 0, U"x=-3"),
};

const PracticeLine kLines[] = {
    {3, -4, 12, 3, U"(1)", 0, 0},     // y = 3/4 x - 3
    {4, 1, 2, 3, U"(2)", 0, 0},       // y = -4x + 2
    {3, -2, 0, 3, U"(3)", 0, 0},      // y = 3/2 x
    {0, 4, 16, 7, U"(4)", -108, 10},  // y = 4
    {2, 0, -6, 7, U"(5)", -81, -50},  // x = -3
};

}  // namespace

void TessarinUnit::equationPracticeSection() {
  runSubMenu(U"P81 練習問題 ①解答　　　②終了", 2,
             [this](int item) { openPage(*this, {&TessarinUnit::practiceAnswersPage}, item); });
}

// The whole window is cleared, the foot bar included. The page sets no pen
// width: the tags' frames take the one in force.
void TessarinUnit::practiceAnswersPage() {
  startPage(*this, {.labelX = 40, .marginX = 40 + 81, .firstLine = 30});
  textEndX = textMarginX;

  for (const Tag& tag : kTags) {
    penX = textEndX + tag.gap;
    penY = textLineY;
    workText = tag.text;
    boxWidth = tag.width;
    boxHeight = tag.height;
    lineColor = tag.border;
    plotColor = tag.fill;
    textColor = tag.color;
    drawTextBox();
    textEndX = penX;
    textLineY = penY;
  }

  flowText(kAnswers);

  drawPlane({480, 100, -5, 5, -5, 5, 40});

  for (const PracticeLine& line : kLines) {
    curveKind = 4;
    coefA = line.a;
    coefB = line.b;
    coefC = line.c;
    plotColor = line.color;
    pointLabel = line.label;
    labelDx = line.dx;
    labelDy = line.dy;
    plotCurve();
  }
}

}  // namespace lesson
