// Start-up, the error screen, the page area, number texts, and the menu shapes
// every unit repeats.
#include <utility>

#include "framework/lesson.h"

namespace lesson {

Lesson::Lesson(Platform& platform, std::string name, Variant variant)
    : Runtime(platform), name_(std::move(name)), variant_(variant) {}

int Lesson::run() {
  try {
    startup();
    showUnitMenu();
    return 0;
  } catch (const ProgramExit& exit) {
    return exit.status;
  } catch (const RuntimeError& error) {
    try {
      errorHandler(error);
    } catch (const ProgramExit& exit) {
      return exit.status;
    }
  }
  return 0;
}

void Lesson::startup() {
  platform().setTitle(name_);
  platform().maximize();
  setFontName(U"ｺﾞｼｯｸ");
  setFontSize(16);
  setDrawWidth(3);
  reseedRandom();
  textColor = 4;
  inputX = 1056;
  inputY = 648;
  programTitle = fromUtf8(name_);
}

void Lesson::reseedRandom() {
  float hours = val(kLeft(clockText(), 2));
  float minutes = val(kMid(clockText(), 4, 2));
  float seconds = val(kRight(clockText(), 2));
  scratchA = hours + minutes + seconds;
  randomize(whole(scratchA));
}

void Lesson::errorHandler(const RuntimeError& error) {
  cls();
  scratchA = static_cast<float>(error.line);
  workText = str(scratchA);
  scratchB = static_cast<float>(error.code);
  glyphChar = str(scratchB);
  symbol(288, 432, 1, 1, 13,
         workText + U"," + glyphChar + U"エラーが発生しました。マウスで×をクリックして下さい。");
  // The screen stays until the window is closed. Keys pressed meanwhile are
  // taken and dropped: a key left queued would keep every wait from waiting.
  for (;;) {
    while (!inkey().empty()) {
    }
    idle(IdleKind::ErrorScreen);
  }
}

void Lesson::clearPageArea() {
  fillBox(0, 54, 1440, 900, 15, 15);
}

void Lesson::clearWholeWindow() {
  fillBox(0, 0, 1760, 1800, 15, 15);
}

void Lesson::clearInputBand() {
  penX = inputX + 80;
  penY = inputY - 72;
  fillBox(penX, penY, penX + 1440, penY + 90, 15, 15);
}

void Lesson::numbersToText() {
  for (int i = 1; i <= 80; ++i) {
    workText = str(numA(static_cast<float>(i)));
    removeSpaces();
    numTextA(static_cast<float>(i)) = workText;
  }
  for (int i = 1; i <= 40; ++i) {
    workText = str(numB(static_cast<float>(i)));
    removeSpaces();
    numTextB(static_cast<float>(i)) = workText;
  }
}

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

void Lesson::drawTextPieces(const std::vector<TextPiece>& pieces) {
  for (const TextPiece& piece : pieces) {
    textColor = piece.color;
    penX = piece.x;
    penY = piece.y;
    mathText = piece.text;
    drawMathText();
    textEndX = penX;
    textLineY = penY;
  }
}

}  // namespace lesson

namespace lesson {

void Lesson::repeatUntilOne(const std::function<void()>& example) {
  inputValue = 3;
  while (inputValue != 1) {
    example();
    askNextStep();
  }
}

void Lesson::flowText(const std::vector<FlowPiece>& pieces) {
  for (const FlowPiece& piece : pieces) {
    switch (piece.where) {
      case FlowPiece::Margin:
        penX = textMarginX;
        break;
      case FlowPiece::End:
        penX = textEndX;
        break;
      case FlowPiece::Label:
        penX = itemLabelX;
        break;
    }
    penX += piece.xOffset;
    penY = textLineY + piece.dy;
    textColor = piece.color;
    mathText = piece.text;
    drawMathText();
    textEndX = penX;
    textLineY = penY;
  }
}

}  // namespace lesson
