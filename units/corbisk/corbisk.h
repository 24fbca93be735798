// The linear-function unit, carried by Corbisk and Pollvane.
#pragma once

#include "framework/lesson.h"

namespace lesson {

class CorbiskUnit : public Lesson {
 public:
  CorbiskUnit(Platform& platform, std::string name)
      : Lesson(platform, std::move(name), Variant::Corbisk) {}

 protected:
  void showUnitMenu() override;

 private:
  // Section entries, opened from the main menu on an erased window: each draws
  // its goal banner (section 4 has none) and runs its sub-menu; they return to
  // the main menu when the sub-menu's last item "終了" is chosen.
  void reviewSection();
  void linearFunctionSection();
  void rateOfChangeSection();
  void rateOfChangePracticeSection();
  void graphInterceptSection();
  void slopeSection();
  void graphDrawingSection();
  void domainRangeSection();

  // Goal banners: "<めあて>" and the section's goal, drawn once on entry. They
  // leave textMarginX 44, textLineY on the last sentence's line and textEndX
  // just past it.
  void showReviewGoal();
  void showLinearFunctionGoal();
  void showRateOfChangeGoal();
  void showGraphInterceptGoal();
  void showSlopeGoal();
  void showGraphDrawingGoal();
  void showDomainRangeGoal();

  // Section 1 pages.
  void showReviewTables();
  void showReviewGraphs();
  void drawReviewGraphs();
  // (end of section 1 pages)

  // Section 2 pages ① and ② and the water tank.
  void showEmptyTankQuestion();
  void showPrefilledTankQuestion();
  // (end of tank pages)

  // Section 2 pages ③ to ⑦ and section 4's practice answers.
  void linearFunctionPage(int item);
  void practiceAnswerPage(int item);
  // (end of answer pages)
};

}  // namespace lesson
