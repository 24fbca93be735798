// The eight section entries of the unit: each shows its goal banner (section 4
// has none) and then its one-line sub-menu at the foot of the screen, whose last
// item "終了" returns to the main menu.
#include <vector>

#include "units/corbisk/corbisk.h"

namespace lesson {

namespace {

// "<めあて>" and the goal sentences, as drawn over the window the main menu has
// just erased; sections 2 and 3 erase the whole window once more first.
struct GoalBanner {
  bool clearsWindow;
  std::vector<Lesson::TextPiece> pieces;
};

// A sub-menu: the item line (prompt text) and its item count.
struct SubMenu {
  Text line;
  int items;
};

const GoalBanner kReviewGoal{false,
                             {
                                 {3, 44, 240, U"<めあて>"},
                                 {0, 76, 305, U"比例、反比例の復習をしよう。"},
                             }};
const GoalBanner kLinearFunctionGoal{true,
                                     {
                                         {3, 44, 240, U"<めあて>"},
                                         {0, 44, 305, U"一次関数の意味を知り、式に表そう。"},
                                     }};
const GoalBanner kRateOfChangeGoal{true,
                                   {
                                       {3, 44, 240, U"<めあて>"},
                                       {0, 44, 305, U"一次関数の値の変化について調べよう。"},
                                   }};
const GoalBanner kGraphInterceptGoal{
    false,
    {
        {3, 44, 240, U"<めあて>"},
        {0, 76, 305, U"①　一次関数のグラフをかき、特徴を調べよう。"},
        {0, 76, 370, U"②　比例のグラフとの関係を調べよう。"},
    }};
const GoalBanner kSlopeGoal{false,
                            {
                                {3, 44, 240, U"<めあて>"},
                                {0, 76, 305, U"①　一次関数のグラフの傾きぐあいを調べよう。"},
                                {0, 76, 370, U"②　一次関数の増減を調べよう。"},
                            }};
const GoalBanner kGraphDrawingGoal{
    false,
    {
        {3, 44, 240, U"<めあて>"},
        {0, 76, 305, U"一次関数のグラフを、傾きと切片をもとにかこう。"},
    }};
const GoalBanner kDomainRangeGoal{false,
                                  {
                                      {3, 44, 240, U"<めあて>"},
                                      {0, 76, 305, U"一次関数のグラフをもとに、変域を調べよう。"},
                                  }};

const SubMenu kReviewMenu{U" ①表式,変化の様子　②グラフ　③終了", 3};
const SubMenu kLinearFunctionMenu{
    U"①P58　②P59　③意味　④例１　⑤問２　⑥練習問題１　⑦練習問題２　⑧終了", 8};
const SubMenu kRateOfChangeMenu{U"①P63ひろげ　②問１他　③P64ひろげ　④説明　⑤問2　⑥反比例　⑦終了", 7};
const SubMenu kRateOfChangePracticeMenu{U"P65 練習問題 ①,②,③解答　　④終了", 4};
const SubMenu kGraphInterceptMenu{U"①復習　②P66ひろげ　③つづき　④説明　⑤例　⑥問1　⑦切片説明　⑧終了",
                                  8};
const SubMenu kSlopeMenu{U"①傾き　②説明　③問3　④増加　⑤減少　⑥終了", 6};
const SubMenu kGraphDrawingMenu{U"①例(整数)　②例(分数)　③練習(整数)　④練習(分数)　⑤問4　⑥終了", 6};
const SubMenu kDomainRangeMenu{U"①例　②練習　③問5,練習問題　④終了", 4};

void showGoal(Lesson& lesson, const GoalBanner& banner) {
  if (banner.clearsWindow) lesson.clearWholeWindow();
  lesson.textMarginX = 44;
  lesson.drawTextPieces(banner.pieces);
}

}  // namespace

void CorbiskUnit::showReviewGoal() {
  showGoal(*this, kReviewGoal);
}
void CorbiskUnit::showLinearFunctionGoal() {
  showGoal(*this, kLinearFunctionGoal);
}
void CorbiskUnit::showRateOfChangeGoal() {
  showGoal(*this, kRateOfChangeGoal);
}
void CorbiskUnit::showGraphInterceptGoal() {
  showGoal(*this, kGraphInterceptGoal);
}
void CorbiskUnit::showSlopeGoal() {
  showGoal(*this, kSlopeGoal);
}
void CorbiskUnit::showGraphDrawingGoal() {
  showGoal(*this, kGraphDrawingGoal);
}
void CorbiskUnit::showDomainRangeGoal() {
  showGoal(*this, kDomainRangeGoal);
}

void CorbiskUnit::reviewSection() {
  showReviewGoal();
  runSubMenu(kReviewMenu.line, kReviewMenu.items, [this](int item) {
    if (item == 1) showReviewTables();
    if (item == 2) showReviewGraphs();
  });
}

void CorbiskUnit::linearFunctionSection() {
  showLinearFunctionGoal();
  runSubMenu(kLinearFunctionMenu.line, kLinearFunctionMenu.items, [this](int item) {
    if (item == 1) showEmptyTankQuestion();
    if (item == 2) showPrefilledTankQuestion();
    if (item >= 3) linearFunctionPage(item);
  });
}

void CorbiskUnit::rateOfChangeSection() {
  showRateOfChangeGoal();
  runSubMenu(kRateOfChangeMenu.line, kRateOfChangeMenu.items, [this](int item) {
    openPage(*this,
             {&CorbiskUnit::valueChangeTablePage, &CorbiskUnit::increaseAmountPage,
              &CorbiskUnit::rateOfChangeExamplePage, &CorbiskUnit::linearRateOfChangePage,
              &CorbiskUnit::yIncreaseAnswerPage, &CorbiskUnit::inverseProportionRatePage},
             item);
  });
}

void CorbiskUnit::rateOfChangePracticeSection() {
  runSubMenu(kRateOfChangePracticeMenu.line, kRateOfChangePracticeMenu.items,
             [this](int item) { practiceAnswerPage(item); });
}

void CorbiskUnit::graphInterceptSection() {
  showGraphInterceptGoal();
  runSubMenu(kGraphInterceptMenu.line, kGraphInterceptMenu.items, [this](int item) {
    openPage(*this,
             {&CorbiskUnit::pointReviewPage, &CorbiskUnit::graphByPointsPage,
              &CorbiskUnit::parallelShiftPage, &CorbiskUnit::proportionGraphRelationPage,
              &CorbiskUnit::shiftDownExamplePage, &CorbiskUnit::parallelLinesAnswerPage,
              &CorbiskUnit::interceptDefinitionPage},
             item);
  });
}

void CorbiskUnit::slopeSection() {
  showSlopeGoal();
  runSubMenu(kSlopeMenu.line, kSlopeMenu.items, [this](int item) {
    openPage(
        *this,
        {&CorbiskUnit::slopePage, &CorbiskUnit::slopeExplanationPage,
         &CorbiskUnit::slopeAnswersPage, &CorbiskUnit::increasePage, &CorbiskUnit::decreasePage},
        item);
  });
}

void CorbiskUnit::graphDrawingSection() {
  showGraphDrawingGoal();
  runSubMenu(kGraphDrawingMenu.line, kGraphDrawingMenu.items, [this](int item) {
    openPage(*this,
             {&CorbiskUnit::integerSlopeExamplePage, &CorbiskUnit::fractionSlopeExamplePage,
              &CorbiskUnit::integerGraphDrill, &CorbiskUnit::fractionGraphDrill,
              &CorbiskUnit::graphDrawingAnswers},
             item);
  });
}

void CorbiskUnit::domainRangeSection() {
  showDomainRangeGoal();
  runSubMenu(kDomainRangeMenu.line, kDomainRangeMenu.items, [this](int item) {
    openPage(*this,
             {&CorbiskUnit::domainRangeExample, &CorbiskUnit::domainRangeDrill,
              &CorbiskUnit::domainRangeAnswerPage},
             item);
  });
}

}  // namespace lesson
