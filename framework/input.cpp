// The number-input line editor, the number parser, and the prompts, foot bar
// and key waits through which the pupil moves from menu to page.
#include "framework/lesson.h"

namespace lesson {

void Lesson::readNumberInput() {
  cursorX = inputX;
  cursorY = inputY;
  inputText.clear();
  textColor = 0;
  penX = cursorX - 48;
  penY = cursorY;
  mathText = U"入力";
  drawPromptText();
  numberKeyLoop();
  fillBox(inputX - 48, inputY - 8, inputX + 192, inputY + 22, 15, 15);
}

void Lesson::numberKeyLoop() {
  for (;;) {
    fillCircle(cursorX + 8, cursorY + 8, 4, 5);
    lastKey = inkey();
    if (lastKey.empty()) {
      // The dot blinks while the pupil thinks: shown through one idle, then
      // off; a key that came meanwhile is taken at once, else off through the
      // next idle.
      idle();
      fillCircle(cursorX + 8, cursorY + 8, 4, 15);
      lastKey = inkey();
      if (lastKey.empty()) {
        idle();
        continue;
      }
    }
    if (lastKey == Text(1, key::kBackspace) || lastKey == Text(1, key::kClear) ||
        kLen(inputText) > 9) {
      fillBox(inputX, inputY - 8, inputX + 192, inputY + 22, 15, 15);
      inputText.clear();
      cursorX = inputX;
      cursorY = inputY;
      lastKey.clear();
      continue;
    }
    if (lastKey == Text(1, key::kEnter)) {
      fillCircle(cursorX + 8, cursorY + 8, 4, 15);
      return;
    }
    if (lastKey >= U"-" && lastKey <= U"9") {
      fillCircle(cursorX + 8, cursorY + 8, 4, 15);
      textColor = 5;
      workText = lastKey;
      penX = cursorX;
      penY = cursorY;
      drawFullWidthText();
      cursorX = glyphX;
      inputText += lastKey;
    }
  }
}

void Lesson::parseNumber() {
  int n = kLen(inputText);
  int p = kInstr(inputText, U"/");
  if (p == 0) {
    inputValue = val(inputText);
    return;
  }
  workText = kLeft(inputText, p - 1);
  glyphChar = kRight(inputText, n - p);
  float denominator = val(glyphChar);
  // A fraction whose denominator reads as 0 ("3/0", "3/", "/") counts as an
  // empty entry instead of ending the lesson.
  inputValue = denominator == 0 ? 0.0f : val(workText) / denominator;
}

void Lesson::askMenuNumber() {
  textColor = 0;
  penX = inputX - 240;
  penY = inputY;
  mathText = U"番号を入力して下さい。";
  drawPromptText();
  readNumberInput();
  parseNumber();
}

void Lesson::clearMenuPrompt() {
  fillBox(inputX - 240, inputY - 8, inputX + 816, inputY + 42, 15, 15);
}

void Lesson::askBottomInput() {
  textColor = 0;
  penX = 16;
  penY = 666;
  drawPromptText();
  readNumberInput();
  parseNumber();
}

void Lesson::clearBottomBar() { fillBox(0, 657, 992, 720, 15, 15); }

void Lesson::askNextStep() {
  savedDrawWidth = static_cast<float>(getDrawWidth());
  setDrawWidth(2);
  fillBox(96, 639, 400, 675, 13, 12);
  textColor = 9;
  penX = 128;
  penY = 648;
  mathText = U"次のステップは１を入力。";
  drawPromptText();
  readNumberInput();
  parseNumber();
  fillBox(inputX - 48, inputY - 9, inputX + 112, inputY + 18, 15, 15);
  fillBox(96, 639, 400, 675, 15, 15);
  setDrawWidth(savedDrawWidth);
}

namespace {

struct KeyBar {
  float left, right, textX, eraseRight, eraseBottom;
};

}  // namespace

// The two framed key waits differ only in their frame, text place and erase.
static void framedKeyWait(Lesson& l, const KeyBar& bar) {
  l.savedTextColor = l.textColor;
  l.savedDrawWidth = static_cast<float>(l.getDrawWidth());
  l.setDrawWidth(3);
  l.fillBox(bar.left, 657, bar.right, 693, 13, 4);
  l.textColor = 9;
  l.penX = bar.textX;
  l.penY = 666;
  l.drawPromptText();
  for (;;) {
    l.lastKey = l.inkey();
    if (!l.lastKey.empty()) break;
    l.idle();
  }
  l.fillBox(0, 657, bar.eraseRight, bar.eraseBottom, 15, 15);
  l.textColor = l.savedTextColor;
  l.setDrawWidth(l.savedDrawWidth);
}

void Lesson::waitKeyPrompt() {
  mathText = U"何かキーを押して下さい。";
  framedKeyWait(*this, {96, 400, 128, 400, 693});
}

void Lesson::showMessageWaitKey() { framedKeyWait(*this, {16, 496, 48, 992, 720}); }

void Lesson::flushKeys() {
  do {
    lastKey = inkey();
  } while (!lastKey.empty());
}

}  // namespace lesson
