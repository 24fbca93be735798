// Section 5: the worked answers to the six practice problems of textbook page
// 76, two problems to a page. Each page is drawn whole, with no key wait, and
// returns to the sub-menu, whose line is drawn under it at once.
//
// A problem stands in a column whose left edge x0 is kept in itemLabelX: its
// label at x0, its body at textMarginX (x0 + 81 on page ①, x0 itself on pages
// ② and ③), its lines following one another down the column.
#include <vector>

#include "framework/page_steps.h"
#include "units/merrowin/elimination.h"
#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {

// A problem's rows: Label ones at the column's left edge, Margin ones at its
// body margin, End ones right after the previous row (or 40 px after it).
struct Problem {
  float x0;
  float marginDx;  // the body margin, right of x0
  std::vector<Flow> rows;
};

// Each problem's column starts level with the heading tags (y 30).
void startProblem(Lesson& page, float x0, float marginDx) {
  page.itemLabelX = x0;
  page.textMarginX = x0 + marginDx;
  page.textLineY = 30;
}

void drawProblem(Lesson& page, const Problem& problem) {
  startProblem(page, problem.x0, problem.marginDx);
  page.flowText(problem.rows);
}

// The whole window erased, pen width 3 for the page, and the two heading
// tags "練習問題" and "1".
void drawPracticeFrame(Lesson& page, float marginDx) {
  startPage(page, {.labelX = 40, .marginX = 40 + marginDx, .firstLine = 30, .penWidth = 3});
  drawHeadingTags(page, 40,
                  {
                      {0, U"練習問題", 170, 46, 0, 3, 13},
                      {40, U"1", 44, 44, 13, 4, 3},
                  });
}

constexpr float kPage1Margin = 81;

const Problem kProblem1{40,
                        kPage1Margin,
                        {
                            labelLine(3, 60, U"(1) "),
                            newLine(0, 0, U"傾きが3だから、"),
                            newLine(0, 50, U"求める式は、"),
                            same(3, U"y=3x+b…①"),
                            newLine(0, 50, U"点(2,-1)を通るから、"),
                            newLine(0, 50, U"①にx=2,y=-1を代入して、"),
                            newLine(0, 50, U"-1=3*2+b"),
                            newLine(0, 50, U"-1=6+b"),
                            newLine(0, 50, U"b=-1-6"),
                            newLine(3, 50, U"b=-7"),
                            newLine(5, 50, U"答　y=3x-7"),
                        }};

const Problem kProblem2{600,
                        kPage1Margin,
                        {
                            labelLine(3, 60, U"(2) "),
                            newLine(0, 0, U"変化の割合が-5だから、"),
                            newLine(0, 50, U"求める式は、"),
                            same(3, U"y=-5x+b"),
                            newLine(0, 50, U"x=2のときy=3だから、"),
                            newLine(0, 50, U"x=2,y=3を代入して、"),
                            newLine(0, 50, U"3=-5*2+b"),
                            newLine(0, 50, U"3=-10+b"),
                            newLine(0, 50, U"b=3+10"),
                            newLine(3, 50, U"b=13"),
                            newLine(5, 50, U"答　y=-5x+13"),
                        }};

const Problem kProblem3{40,
                        0,
                        {
                            labelLine(3, 60, U"(3) "),
                            same(0, U"xの増加量が3のときの"),
                            newLine(0, 50, U"yの増加量が5だから、"),
                            newLine(0, 70, U"変化の割合=ﾀ5/3ﾀ したがって、"),
                            newLine(0, 70, U"求める式は、"),
                            same(3, U"y=ﾀ5/3ﾀx+b"),
                            newLine(0, 60, U"x=-3のときy=2だから、"),
                            newLine(0, 50, U"x=-3,y=2を代入して、"),
                            newLine(0, 70, U"2=ﾀ5/3ﾀ*(-3)+b"),
                            newLine(0, 60, U"2=-5+b"),
                            same(0, U"b=2+5", 40),
                            same(3, U"b=7", 40),
                            newLine(5, 70, U"答　y=ﾀ5/3ﾀx+7"),
                        }};

const Problem kProblem4{600,
                        0,
                        {
                            labelLine(3, 60, U"(4)"),
                            same(0, U"グラフが点(0,5)を通るから、"),
                            newLine(3, 50, U"切片 b=5"),
                            newLine(0, 70, U"y=ﾀ2/3ﾀx のグラフに平行な直線だから、"),
                            newLine(3, 70, U"傾き a=ﾀ2/3ﾀ"),
                            newLine(5, 70, U"答　y=ﾀ2/3ﾀx+5"),
                        }};

const Problem kProblem5{40,
                        0,
                        {
                            labelLine(3, 60, U"(5)"),
                            same(0, U"グラフが点(0,-2)"),
                            newLine(0, 50, U"を通るから、"),
                            same(3, U"切片 b=-2"),
                            newLine(0, 50, U"xが0→4まで増加するとき、"),
                            newLine(0, 50, U"yは-2→1まで増加するから、"),
                            newLine(0, 50, U"傾きは、"),
                            newLine(0, 80, U"ﾀ1-(-2)/4-0ﾀ=ﾀ1+2/4ﾀ="),
                            same(3, U"ﾀ3/4ﾀ"),
                            newLine(3, 70, U"傾き a=ﾀ3/4ﾀ"),
                            newLine(5, 70, U"答　y=ﾀ3/4ﾀx-2"),
                        }};

// Problem (6), by elimination: the two equations in a brace, their difference
// in columns, and the rest of the solution to the right of the columns. Its
// label stands on the heading line, right of the tags.
void drawProblem6(Lesson& page) {
  startProblem(page, 520, 0);
  page.flowText({
      labelLine(3, 0, U"(6) "),
      same(3, U"求める式をy=ax+b"),
      same(0, U"とする。"),
      newLine(0, 50, U"x=-2,y=2とx=2,y=8を代入して"),
  });

  drawBracedPair(page, 50, U"2=-2a+b…①", U"8=2a+b…②");
  page.flowText({newLine(3, 50, U"①-②")});
  page.savedY(1) = page.textLineY;

  subtractInColumns(page, U" 2=-2a+b", U" 8= 2a+b");
  page.savedX(1) = page.penX + 40;
  drawColumnSigns(page, U"+ -  -  -");

  // The difference and a, under the columns' result column.
  page.textMarginX = page.columnResultX;
  page.flowText({
      newLine(0, 50, U"-6=-4a"),
      newLine(3, 50, U" a="),
      same(0, U"ﾀ-6/-4ﾀ="),
      same(3, U"ﾀ3/2ﾀ"),
  });

  // b, right of the columns, from 70 px below the "①-②" line.
  page.textMarginX = page.savedX(1);
  page.textLineY = page.savedY(1);
  page.flowText({
      newLine(3, 70, U"a=ﾀ3/2ﾀ を①に代入して"),
      newLine(0, 70, U"2=-2*ﾀ3/2ﾀ+b=-3+b"),
      newLine(0, 60, U"b=2+3="),
      same(3, U"5"),
      newLine(5, 60, U"答 y=ﾀ3/2ﾀx+5"),
  });
}

}  // namespace

void MerrowinUnit::practiceAnswers12Page() {
  drawPracticeFrame(*this, kPage1Margin);
  drawProblem(*this, kProblem1);
  drawProblem(*this, kProblem2);
}

void MerrowinUnit::practiceAnswers34Page() {
  drawPracticeFrame(*this, 0);
  drawProblem(*this, kProblem3);
  drawProblem(*this, kProblem4);
}

void MerrowinUnit::practiceAnswers56Page() {
  drawPracticeFrame(*this, 0);
  drawProblem(*this, kProblem5);
  drawProblem6(*this);
}

}  // namespace lesson
