// Starting a page, its heading tags, and revealing its steps one key at a time.
#include "framework/page_steps.h"

namespace lesson {

void startPage(Lesson& page, const PageStart& start) {
  if (start.width > 0) page.fillBox(0, 0, start.width, start.height, 15, 15);
  if (start.labelX) page.itemLabelX = *start.labelX;
  if (start.marginX) page.textMarginX = *start.marginX;
  if (start.firstLine) page.textLineY = *start.firstLine;
  if (start.penWidth) page.setDrawWidth(*start.penWidth);
}

void drawHeadingTags(Lesson& page, float x, const std::vector<HeadingTag>& tags) {
  page.textEndX = x;
  for (const HeadingTag& tag : tags) {
    page.penX = page.textEndX + tag.gap;
    page.penY = page.textLineY;
    page.workText = tag.text;
    page.boxWidth = tag.width;
    page.boxHeight = tag.height;
    page.textColor = tag.color;
    page.lineColor = tag.border;
    page.plotColor = tag.fill;
    page.drawTextBox();
    page.textEndX = page.penX;
    page.textLineY = page.penY;
  }
}

void flowThenWait(Lesson& page, const Stretch& pieces) {
  page.flowText(pieces);
  page.waitKeyPrompt();
}

void revealStretches(Lesson& page, const std::vector<Stretch>& stretches, KeyWait wait) {
  revealEach(page, stretches, wait, [&page](const Stretch& pieces) { page.flowText(pieces); });
}

void revealSteps(Lesson& page, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    if (step.figure) step.figure();
    page.flowText(step.text);
    if (step.keyAfter) page.waitKeyPrompt();
  }
}

}  // namespace lesson
