// Lesson text at fixed places and in a page's text flow, and the
// random-example loop.
#include "framework/lesson.h"

namespace lesson {

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
