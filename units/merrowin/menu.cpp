// The unit's main menu.
#include "units/merrowin/merrowin.h"

namespace lesson {

void MerrowinUnit::showUnitMenu() {
  static const UnitMenu kMenu{
      {
          {U"1　グラフから", 13, 44, 120},
          {U"2　1点と傾き(切片)から", 15, 44, 180},
          {U"3　2点から", 13, 44, 240},
          {U"4　表・式・グラフ", 15, 44, 300},
          {U"5　練習問題", 13, 44, 360},
          {U"6　", 15, 44, 420},
          {U"7　終了", 13, 44, 480},
      },
      7,
      6,
      true,
      true,
  };
  inputX = 1056;
  inputY = 648;
  for (;;) {
    switch (askUnitMenu(kMenu)) {
      case 1:
        fromGraphSection();
        break;
      case 2:
        pointSlopeSection();
        break;
      case 3:
        twoPointsSection();
        break;
      case 4:
        tableEquationGraphSection();
        break;
      case 5:
        practiceSection();
        break;
      default:
        // Item 6 has no section: the menu is shown again.
        break;
    }
  }
}

}  // namespace lesson
