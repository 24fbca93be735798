// Start-up, the error screen, the page area and number texts.
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

}  // namespace lesson
