// The unit's main menu.
#include "units/corbisk/corbisk.h"

namespace lesson {

void CorbiskUnit::showUnitMenu() {
  static const UnitMenu kMenu{
      {
          {U"1　関数の振り返り", 13, 44, 120},
          {U"2　一次関数", 15, 44, 180},
          {U"3　変化の割合", 13, 44, 240},
          {U"4　練習問題", 15, 44, 300},
          {U"5　グラフ、切片", 13, 44, 360},
          {U"6　傾き", 15, 44, 420},
          {U"7　グラフのかきかた", 13, 44, 480},
          {U"8　変域", 15, 44, 540},
          {U"9　終了", 13, 704, 120},
      },
      9,
      8,
      true,
      true,
  };
  inputX = 1056;
  inputY = 648;
  for (;;) {
    switch (askUnitMenu(kMenu)) {
      case 1:
        reviewSection();
        break;
      case 2:
        linearFunctionSection();
        break;
      case 3:
        rateOfChangeSection();
        break;
      case 4:
        rateOfChangePracticeSection();
        break;
      case 5:
        graphInterceptSection();
        break;
      case 6:
        slopeSection();
        break;
      case 7:
        graphDrawingSection();
        break;
      case 8:
        domainRangeSection();
        break;
      default:
        // 0: the menu is drawn again.
        break;
    }
  }
}

}  // namespace lesson
