// Worked-answer pages: section 2 pages ⑤ to ⑦ (textbook P61 question 2 and
// the two exercises) and section 4's three practice answers of textbook P65,
// with the sub-menus' dispatch to them and to pages ③ and ④. Every page is a
// fixed script drawn from its clear; only page ⑦ waits for a key, between its
// two screens.
#include <vector>

#include "framework/page_steps.h"
#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// A column of worked answers: item labels at labelX, body lines 81 px to the
// right, the text line starting at y 30.
struct Column {
  float labelX;
  std::vector<Flow> pieces;
};

void drawColumns(Lesson& page, const std::vector<Column>& columns) {
  for (const Column& column : columns) {
    page.itemLabelX = column.labelX;
    page.textMarginX = page.itemLabelX + 81;
    page.textLineY = 30;
    page.flowText(column.pieces);
  }
}

// Clears the window and draws the heading tags "練習問題" and the exercise's
// number box; the text line is left on the tags' line, at the number box's end.
void startExerciseScreen(Lesson& page, const Text& number, float numberBoxWidth) {
  startPage(page, {.labelX = 40, .marginX = 40 + 81, .firstLine = 30, .penWidth = 3});

  drawHeadingTags(page, page.itemLabelX,
                  {
                      {0, U"練習問題", 170, 46, 0, 3, 13},
                      {40, number, numberBoxWidth, 44, 13, 4, 3},
                  });
}

// A word problem of exercise 2: its line in colour 3 at the label x, the
// working under it, and the verdict 40 px after the last working line.
struct WordProblem {
  Text problem;
  std::vector<Flow> working;
  Text verdict;
};

void drawWordProblem(Lesson& page, const WordProblem& problem) {
  page.flowText({labelLine(3, 60, problem.problem)});
  page.flowText(problem.working);
  page.flowText({same(5, problem.verdict, 40)});
}

// ---- Section 2 page ⑤ -------------------------------------------------------

const std::vector<Column> kTemperatureAnswers{
    {40,
     {
         newLine(3, 0, U"問2　解答"),
         newLine(7, 50, U"y=20-6x"),
         labelLine(3, 60, U"(1) 1km"),
         newLine(0, 50, U"x=1 を代入して"),
         newLine(0, 50, U"y=20-6x"),
         newLine(0, 50, U"=20-6*1"),
         newLine(0, 50, U"=20-6"),
         newLine(0, 50, U"=14"),
         newLine(5, 50, U"答　14℃"),
     }},
    {400,
     {
         labelLine(3, 60, U"(2) 4km"),
         newLine(0, 50, U"x=4 を代入して"),
         newLine(0, 50, U"y=20-6x"),
         newLine(0, 50, U"=20-6*4"),
         newLine(0, 50, U"=20-24"),
         newLine(0, 50, U"=-4"),
         newLine(5, 50, U"答　-4℃"),
     }},
    {800,
     {
         labelLine(3, 60, U"(3) 8.8km"),
         newLine(0, 50, U"x=8.8 を代入して"),
         newLine(0, 50, U"y=20-6x"),
         newLine(0, 50, U"=20-6*8.8"),
         newLine(0, 50, U"=20-52.8"),
         newLine(0, 50, U"=-32.8"),
         newLine(5, 50, U"答　-32.8℃"),
     }},
};

// ---- Section 2 pages ⑥ and ⑦ ------------------------------------------------

constexpr float kExerciseNumberWidth = 38;

const std::vector<Flow> kExercise1Answer{
    newLine(0, 60, U"(ｳ)は ﾀ3/2ﾀ(x-2)=ﾀ3/2ﾀx-ﾀ3/2ﾀ*2=ﾀ3/2ﾀx-3 だから"),
    newLine(5, 60, U"一次関数は、(ｱ),(ｳ)"),
};

const std::vector<std::vector<WordProblem>> kExercise2Screens{
    {
        {U"(ｱ) 300gある小麦粉から、xg使ったときの残りyg",
         {newLine(0, 50, U"式に表すと、"), newLine(0, 50, U"y=300-x"), same(0, U"=-x+300")},
         U"だから、一次関数である。"},
        {U"(ｲ) 10kmの道のりを、時速xkmで歩いたときにかかる時間　y時間",
         {newLine(0, 70, U"(時間)=ﾀ(道のり)/(速さ)ﾀ　を使って式に表すと、"),
          newLine(0, 70, U"y=ﾀ10/xﾀ")},
         U"だから、一次関数ではない。"},
        {U"(ｳ) 時速4kmでx時間歩いたときの道のりykm",
         {newLine(0, 50, U"(道のり)=(速さ)*(時間)　を使って式に表すと、"), newLine(0, 50, U"y=4*x"),
          same(0, U"=4x")},
         U"だから、一次関数である。"},
    },
    {
        {U"(ｴ) 縦の長さがxcm、横の長さが4cmの長方形の周の長さycm",
         {newLine(0, 50, U"式に表すと、"), newLine(0, 50, U"y=2*x+4*2"), same(0, U"=2x+8")},
         U"だから、一次関数である。"},
        {U"(ｵ) 半径xcmの球の表面積ycm^2",
         {newLine(7, 50, U"球の半径をrとすると、球の表面積は 4πr^2"),
          newLine(0, 50, U"これを使って式に表すと、"), newLine(0, 50, U"y=4πx^2")},
         U"だから、一次関数ではない。"},
    },
};

// ---- Section 4's practice answers -------------------------------------------

constexpr float kPracticeNumberWidth = 44;

struct PracticePage {
  Text number;
  std::vector<Column> columns;
};

// A column of problems 2 and 3: the increase of y when x increases by
// `increase` for the rate of change `rate`; `product` is the worked result.
std::vector<Flow> increaseColumn(const Text& label, const Text& increase, const Text& rate,
                                 const Text& product) {
  return {
      labelLine(3, 60, label),
      newLine(0, 0, U"xの増加量が" + increase + U"のとき"),
      newLine(0, 90, U"ﾀyの増加量/xの増加量ﾀ=" + rate + U" だから"),
      newLine(0, 90, U"ﾀyの増加量/" + increase + U"ﾀ=" + rate),
      newLine(0, 70, U"yの増加量=" + rate + U"*" + increase + U"=" + product),
      newLine(5, 60, U"答　yの増加量は " + product),
  };
}

const PracticePage kPracticePages[] = {
    {U"1",
     {
         {40,
          {
              labelLine(3, 60, U"(1) "),
              newLine(0, 0, U"y=7x+2"),
              newLine(3, 60, U"変化の割合は 7"),
              newLine(0, 60, U"a>0 だから"),
              newLine(3, 60, U"yの値は増加する。"),
              labelLine(3, 60, U"(2) "),
              newLine(0, 0, U"y=-3x+4"),
              newLine(3, 60, U"変化の割合は -3"),
              newLine(0, 60, U"a<0 だから"),
              newLine(3, 60, U"yの値は減少する。"),
          }},
         {600,
          {
              labelLine(3, 80, U"(3) "),
              newLine(0, 0, U"y=ﾀ1/5ﾀx-6"),
              newLine(3, 60, U"変化の割合は ﾀ1/5ﾀ"),
              newLine(0, 60, U"a>0 だから"),
              newLine(3, 60, U"yの値は増加する。"),
          }},
     }},
    {U"2",
     {
         {40, increaseColumn(U"(1) ", U"1", U"-6", U"-6")},
         {600, increaseColumn(U"(2) ", U"5", U"-6", U"-30")},
     }},
    {U"3",
     {
         {40, increaseColumn(U"(1) ", U"1", U"-ﾀ3/4ﾀ", U"-ﾀ3/4ﾀ")},
         {600, increaseColumn(U"(2) ", U"4", U"-ﾀ3/4ﾀ", U"-3")},
     }},
};

void drawPracticePage(Lesson& page, const PracticePage& practice) {
  startExerciseScreen(page, practice.number, kPracticeNumberWidth);
  drawColumns(page, practice.columns);
}

}  // namespace

void CorbiskUnit::linearFunctionPage(int item) {
  switch (item) {
    case 3:
      showLinearFunctionMeaning();
      break;
    case 4:
      showTemperatureExample();
      break;
    case 5:
      showTemperatureAnswers();
      break;
    case 6:
      showExercise1Answer();
      break;
    case 7:
      showExercise2Answers();
      break;
    default:
      break;
  }
}

void CorbiskUnit::practiceAnswerPage(int item) {
  switch (item) {
    case 1:
      practiceAnswer1Page();
      break;
    case 2:
      practiceAnswer2Page();
      break;
    case 3:
      practiceAnswer3Page();
      break;
    default:
      break;
  }
}

void CorbiskUnit::showTemperatureAnswers() {
  fillBox(0, 0, 1320, 1300, 15, 15);
  drawColumns(*this, kTemperatureAnswers);
}

void CorbiskUnit::showExercise1Answer() {
  startExerciseScreen(*this, U"1", kExerciseNumberWidth);
  flowText(kExercise1Answer);
}

void CorbiskUnit::showExercise2Answers() {
  for (std::size_t screen = 0; screen < kExercise2Screens.size(); ++screen) {
    if (screen > 0) waitKeyPrompt();
    startExerciseScreen(*this, U"2", kExerciseNumberWidth);
    for (const WordProblem& problem : kExercise2Screens[screen]) drawWordProblem(*this, problem);
  }
}

void CorbiskUnit::practiceAnswer1Page() {
  drawPracticePage(*this, kPracticePages[0]);
}
void CorbiskUnit::practiceAnswer2Page() {
  drawPracticePage(*this, kPracticePages[1]);
}
void CorbiskUnit::practiceAnswer3Page() {
  drawPracticePage(*this, kPracticePages[2]);
}

}  // namespace lesson
