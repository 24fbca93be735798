// The menus every unit repeats: the main menu drawn from a table of items, and
// a section's one-line sub-menu.
#include "framework/lesson.h"

namespace lesson {

int Lesson::askUnitMenu(const UnitMenu& menu) {
  if (menu.clearPageAreaFirst) clearPageArea();
  clearWholeWindow();
  fillBox(22, 10, 22 + 1320, 10 + 600, 15, 10);
  textColor = 15;
  penX = 264;
  penY = 30;
  // The program's name is a name, not a formula: its letters are not read as
  // the formula's italic or script letters.
  mathText = U"＜";
  drawMathText();
  mathText = programTitle;
  drawTextAsWritten();
  mathText = U"　メニュー＞";
  drawMathText();
  for (const MenuItem& item : menu.items) {
    textColor = item.color;
    penX = item.x;
    penY = item.y;
    mathText = item.text;
    drawMathText();
  }
  if (menu.promptBeforeAsk) {
    textColor = 0;
    penX = inputX - 240;
    penY = inputY;
    mathText = U"番号を入力して下さい。";
    drawPromptText();
  }
  askMenuNumber();
  clearMenuPrompt();
  if (inputValue == menu.quitValue) endProgram(0);
  if (inputValue < 1 || inputValue > menu.quitValue) return 0;
  clearWholeWindow();
  // The jump goes by the number the typed text starts with; an index the jump
  // has no entry for shows the menu again.
  int section = whole(val(inputText));
  if (section < 1 || section > menu.sections) return 0;
  return section;
}

void Lesson::runSubMenu(const Text& line, int items, const std::function<void(int)>& page) {
  for (;;) {
    mathText = line;
    askBottomInput();
    menuChoice = inputValue;
    inputValue = 10;
    clearBottomBar();
    if (menuChoice < 1 || menuChoice > static_cast<float>(items)) continue;
    int item = whole(menuChoice);
    if (item == items) return;
    page(item);
  }
}

}  // namespace lesson
