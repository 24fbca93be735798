// Section 3: practice of textbook p.81. The section has no goal banner: it is
// its one-line sub-menu alone. Item ① shows the worked answers to practice
// problem 1, five equations rewritten as y=... (or x=...) with their five
// lines on one plane, drawn at once without a key wait.
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// One of the five lines, a x + b y = c, in a colour, labelled with its part
// number moved by (dx, dy) from where plotCurve puts the label.
using PracticeLine = Lesson::GraphCurve;

const std::vector<HeadingTag> kTags = {
    {0, U"練習問題", 170, 46, 0, 3, 13},
    {40, U"1", 40, 44, 13, 4, 3},
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
    {4, 3, -4, 12, 3, U"(1)", 0, 0},     // y = 3/4 x - 3
    {4, 4, 1, 2, 3, U"(2)", 0, 0},       // y = -4x + 2
    {4, 3, -2, 0, 3, U"(3)", 0, 0},      // y = 3/2 x
    {4, 0, 4, 16, 7, U"(4)", -108, 10},  // y = 4
    {4, 2, 0, -6, 7, U"(5)", -81, -50},  // x = -3
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
  drawHeadingTags(*this, textMarginX, kTags);

  flowText(kAnswers);

  drawPlane({480, 100, -5, 5, -5, 5, 40});

  for (const PracticeLine& line : kLines) plotGraphCurve(line);
}

}  // namespace lesson
