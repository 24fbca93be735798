// The unit's main menu.
#include "units/tessarin/tessarin.h"

namespace lesson {

void TessarinUnit::showUnitMenu() {
  static const UnitMenu kMenu{
      {
          {U"1　二元一次方程式のグラフ", 13, 44, 120},
          {U"2　y=k,x=hのグラフ", 15, 44, 180},
          {U"3　練習問題", 13, 44, 240},
          {U"4　連立方程式とグラフ", 15, 44, 300},
          {U"5　一次関数の利用", 13, 44, 360},
          {U"6　図形の問題", 15, 44, 420},
          {U"7　P90 学びをたしかめよう", 13, 44, 480},
          {U"8　P92 学びを身につけよう", 15, 44, 540},
          {U" 9　終了", 13, 660, 120},
      },
      9,
      8,
      false,
      false,
  };
  inputX = 1056;
  inputY = 648;
  for (;;) {
    switch (askUnitMenu(kMenu)) {
      case 1:
        equationGraphSection();
        break;
      case 2:
        constantLineSection();
        break;
      case 3:
        equationPracticeSection();
        break;
      case 4:
        simultaneousGraphSection();
        break;
      case 5:
        applicationSection();
        break;
      case 6:
        areaChangeSection();
        break;
      case 7:
        confirmLearningSection();
        break;
      case 8:
        masterLearningSection();
        break;
      default:
        break;
    }
  }
}

}  // namespace lesson
