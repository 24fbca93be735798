// Section 2 pages: the worked examples 2y=6 and 3x=6 (items ① and ③), the
// answers to textbook problems 3, 4 and 5 (items ②, ④ and ⑤) and the summary
// (item ⑥). Every page clears its area, draws a plane, writes its reasoning
// beside it, marks the point where each line meets an axis and draws the line
// through it, then returns to the sub-menu, which draws its line under the
// finished page. Nothing on these pages is random or read from the pupil but
// the key presses that reveal the next step.
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// ---- Shapes the pages share -------------------------------------------------

using Plane = Lesson::PlaneSettings;

// The pointer to the textbook problem that closes a worked page.
void textbookPointer(Lesson& page, const Text& text) {
  page.drawTextPieces({{7, page.textMarginX, 540, text}});
}

// The marked point of slot 1 or 2: a filled disc of radius 8 in colour 5.
void drawMarkDot(Lesson& page, float slot) {
  page.fillCircle(page.markX(slot), page.markY(slot), 8, 5);
}

// A point of the plane in maths units.
struct GridPoint {
  float x, y;
};

// A line parallel to an axis, or the summary's sample line, for plotCurve:
// kind 3 is y = a x + b (a 0 gives the horizontal line y = b), kind 4 is
// a x + b y = c (b 0 gives the vertical line x = c/a, 5 px wide over the
// plane's full height). Its label, possibly empty, stands at the line's end
// moved by (dx, dy).
using Curve = Lesson::GraphCurve;

// ---- Items ① and ③: a line parallel to an axis found from two points --------

// The two examples share their steps; each has its own equation, plane, points
// and line. The same reduced equation is solved for both substitutions.
struct WorkedExample {
  Plane plane;
  GridPoint first, second;
  Text task;
  Text firstSubstitution, secondSubstitution;
  Text reduced, solved;
  Text firstPoint, secondPoint;
  Text conclusion;
  Text pointer;
  Curve line;
};

const WorkedExample kHorizontalExample{
    {760, 100, -4, 4, -2, 5, 40},
    {0, 3},
    {3, 3},
    U"方程式 2y=6 のグラフを2点を求めてかきなさい。",
    U"0x+2y=6 に　x=0 を代入すると、",
    U"x=3 を代入すると、",
    U"2y=6",
    U"y=3",
    U"点(0,3)を通る。",
    U"点(3,3)を通る。",
    U"点(0,3)を通り、x軸に平行な直線",
    U"教科書P80 問3　をやってみよう。",
    {3, 0, 3, 0, 3, U"2y=6", -135, 0},
};

const WorkedExample kVerticalExample{
    {684, 100, -5, 5, -7, 7, 40},
    {2, 0},
    {2, 3},
    U"方程式 3x=6 のグラフを2点を求めてかきなさい。",
    U"3x+0y=6 に y=0 を代入すると、",
    U"y=3 を代入すると、",
    U"3x=6",
    U"x=2",
    U"点(2,0)を通る。",
    U"点(2,3)を通る。",
    U"点(2,0)を通り、y軸に平行な直線",
    U"教科書P81 問4　をやってみよう。",
    {4, 3, 0, 6, 3, U"3x=6", 6, 0},
};

// Thirteen steps one key apart: the task, each substitution worked to its
// point and that point's dot, the line, the conclusion; then the pointer.
void showWorkedExample(Lesson& page, const WorkedExample& ex) {
  startPage(page, {.width = 1600, .height = 1800, .marginX = 38, .firstLine = 30, .penWidth = 5});
  page.drawPlane(ex.plane);
  page.setMark(1, ex.first.x, ex.first.y);
  page.setMark(2, ex.second.x, ex.second.y);
  revealStretches(page,
                  {
                      {newLine(3, 0, ex.task)},
                      {newLine(0, 50, ex.firstSubstitution)},
                      {newLine(0, 50, ex.reduced)},
                      {same(0, ex.solved, 50)},
                      {newLine(3, 50, ex.firstPoint)},
                  },
                  KeyWait::AfterEach);
  drawMarkDot(page, 1);
  page.waitKeyPrompt();
  revealStretches(page,
                  {
                      {newLine(0, 50, ex.secondSubstitution)},
                      {newLine(0, 50, ex.reduced)},
                      {same(0, ex.solved, 50)},
                      {newLine(3, 50, ex.secondPoint)},
                  },
                  KeyWait::AfterEach);
  drawMarkDot(page, 2);
  page.waitKeyPrompt();
  page.plotGraphCurve(ex.line);
  page.waitKeyPrompt();
  flowThenWait(page, {newLine(5, 70, ex.conclusion)});
  textbookPointer(page, ex.pointer);
}

// ---- Items ②, ④ and ⑤: answers to textbook problems 3, 4 and 5 -------------

// One answer: its reasoning, the point where its line meets an axis (marked
// with a dot before the line is drawn across it) and the line; a key wait
// after it if asked.
struct Answer {
  std::vector<Flow> pieces;
  GridPoint point;
  Curve line;
  bool waitAfter;
};

// An answer page: the plane, the title, the answers, and the pointer to the
// next problem (none when empty) after the last answer.
struct AnswerPage {
  Plane plane;
  Text title;
  std::vector<Answer> answers;
  Text pointer;
};

// The problem numbers stand 76 px left of the margin, at x 38.
constexpr float kNumberColumn = -76;

const AnswerPage kHorizontalAnswers{
    {646, 100, -7, 7, -5, 5, 40},
    U"教科書P80 問3　解答",
    {
        {{
             newLine(0, 50, U"(1) y=2", kNumberColumn),
             newLine(3, 50, U"点(0,2)を通り、"),
             newLine(3, 50, U"x軸に平行な直線"),
             newLine(0, 50, U"をかけばよい"),
         },
         {0, 2},
         {3, 0, 2, 0, 3, U"(1)", -135, -80},
         false},
        {{
             newLine(0, 50, U"(2) 2y=-6", kNumberColumn),
             newLine(0, 50, U"y=-3 だから"),
             newLine(3, 50, U"点(0,-3)を通り、"),
             newLine(3, 50, U"x軸に平行な直線"),
             newLine(0, 50, U"をかけばよい"),
         },
         {0, -3},
         {3, 0, -3, 0, 3, U"(2)", -135, -80},
         false},
    },
    U"",
};

const AnswerPage kVerticalAnswers{
    {760, 100, -5, 5, -7, 7, 40},
    U"教科書P81 問4　解答",
    {
        {{
             newLine(0, 50, U"(1) x=-2", kNumberColumn),
             newLine(3, 50, U"点(-2,0)を通り、y軸に平行な直線"),
             newLine(0, 80, U"をかけばよい"),
         },
         {-2, 0},
         {4, 1, 0, -2, 3, U"(1)", 6, 0},
         false},
        {{
             newLine(0, 50, U"(2) 3x=12", kNumberColumn),
             newLine(0, 50, U"x=4 だから"),
             newLine(3, 50, U"点(4,0)を通り、y軸に平行な直線"),
             newLine(0, 50, U"をかけばよい"),
         },
         {4, 0},
         {4, 3, 0, 12, 3, U"(2)", -108, 0},
         true},
    },
    U"教科書P81 問5　をやってみよう。",
};

// The axes themselves: both lines unlabelled, x=0 over the y axis in colour 3
// and y=0 over the x axis in colour 7.
const AnswerPage kAxisAnswers{
    {760, 100, -5, 5, -7, 7, 40},
    U"教科書P81 問5　解答",
    {
        {{
             newLine(0, 50, U"x=0 だから"),
             newLine(3, 50, U"点(0,0)を通り、y軸に平行な直線"),
             newLine(0, 50, U"だから"),
             newLine(5, 50, U"y軸を表している。"),
         },
         {0, 0},
         {4, 1, 0, 0, 3, U"", 0, 0},
         true},
        {{
             newLine(0, 70, U"y=0 だから"),
             newLine(3, 50, U"点(0,0)を通り、x軸に平行な直線"),
             newLine(0, 50, U"だから"),
             newLine(5, 50, U"x軸を表している。"),
         },
         {0, 0},
         {3, 0, 0, 0, 7, U"", 0, 0},
         false},
    },
    U"",
};

void showAnswerPage(Lesson& page, const AnswerPage& answers) {
  startPage(page, {.width = 1600, .height = 1800, .marginX = 114, .firstLine = 30, .penWidth = 5});
  page.drawPlane(answers.plane);
  page.flowText({newLine(3, 0, answers.title)});
  for (const Answer& answer : answers.answers) {
    page.flowText(answer.pieces);
    page.setMark(1, answer.point.x, answer.point.y);
    drawMarkDot(page, 1);
    page.plotGraphCurve(answer.line);
    if (answer.waitAfter) page.waitKeyPrompt();
  }
  if (!answers.pointer.empty()) textbookPointer(page, answers.pointer);
}

// ---- Item ⑥: the summary ------------------------------------------------------

// The three statements inside the frame.
const std::vector<Flow> kSummaryStatements{
    newLine(3, 0, U"<二元一次方程式とグラフ>"),
    newLine(0, 50, U"二元一次方程式 ax+by=cのグラフは、"),
    same(5, U"直線"),
    same(0, U"である。"),
    newLine(0, 50, U"特に、"),
    newLine(3, 50, U"　y=k"),
    same(0, U"のグラフは、"),
    same(5, U"x軸に平行な直線"),
    same(0, U"である。"),
    newLine(3, 50, U"　x=h"),
    same(0, U"のグラフは、"),
    same(5, U"y軸に平行な直線"),
    same(0, U"である。"),
};

// One small plane under the frame with its sample line and, for y=k and x=h,
// the marked intercept with its name 135 px left of the dot, moved down by
// textDy.
struct SummaryPanel {
  float xMin, xMax, yMin, yMax;
  bool marked;
  GridPoint point;
  Text pointText;
  float textDy;
  Curve line;
};

const SummaryPanel kSummaryPanels[] = {
    {-3, 3, -3, 4, false, {0, 0}, U"", 0, {3, 1.5f, 1, 0, 3, U"ax+by=c", -243, 0}},
    {-3, 3, -3, 4, true, {0, 2}, U"(0,k)", 0, {3, 0, 2, 0, 3, U"y=k", -108, -80}},
    {-2, 4, -3, 4, true, {2, 0}, U"(h,0)", -50, {4, 1, 0, 2, 3, U"x=h", 6, 0}},
};

// The first plane's left edge; each further plane starts 30 px right of the
// plot rectangle before it, all 100 px under the last statement.
constexpr float kFirstPanelLeft = 114;
constexpr float kPanelGap = 30;

// The frame with its statements, then the three planes side by side.
void showSummary(Lesson& page) {
  startPage(page, {.width = 1320, .height = 1300, .marginX = 76, .firstLine = 30, .penWidth = 10});
  page.drawBox(38, 16, 38 + 912, 16 + 275, 9);
  page.flowText(kSummaryStatements);
  page.setDrawWidth(5);

  bool first = true;
  for (const SummaryPanel& panel : kSummaryPanels) {
    const float left = first ? kFirstPanelLeft : page.plotRight + kPanelGap;
    first = false;
    page.drawPlane(
        {left, page.textLineY + 100, panel.xMin, panel.xMax, panel.yMin, panel.yMax, 40, 0});
    if (panel.marked) {
      page.setMark(1, panel.point.x, panel.point.y);
      drawMarkDot(page, 1);
    }
    page.plotGraphCurve(panel.line);
    if (panel.marked) {
      // Beside the dot, outside the text flow.
      page.writeAt(5, page.markX(1) - 135, page.markY(1) + panel.textDy, panel.pointText);
    }
  }
}

}  // namespace

void TessarinUnit::horizontalLineExamplePage() {
  showWorkedExample(*this, kHorizontalExample);
}

void TessarinUnit::verticalLineExamplePage() {
  showWorkedExample(*this, kVerticalExample);
}

void TessarinUnit::horizontalLineAnswersPage() {
  showAnswerPage(*this, kHorizontalAnswers);
}

void TessarinUnit::verticalLineAnswersPage() {
  showAnswerPage(*this, kVerticalAnswers);
}

void TessarinUnit::axisLineAnswersPage() {
  showAnswerPage(*this, kAxisAnswers);
}

void TessarinUnit::constantLineSummaryPage() {
  showSummary(*this);
}

}  // namespace lesson
