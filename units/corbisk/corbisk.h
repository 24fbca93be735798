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
  // Where page ① writes the answers of its question (1): 44 px after the
  // question text, on the question's line.
  float answerSlotX = 0, answerSlotY = 0;
  // (end of section 1 pages)

  // Section 2 pages ① and ② and the water tank.
  void showEmptyTankQuestion();
  void showPrefilledTankQuestion();

  // The water tank, 10 px to 1 cm, drawn from markX/markY entries 31 to 38 that
  // the page writes first (setTankGeometry; markY(37) is the 8 cm level). The
  // routines draw with the page's pen width and never change it.
  void setTankGeometry();
  void drawTankInlet();  // pipe and tap; no wall
  // Ticks every 2 cm, marks and labels at 10, 20, 30 cm; leaves loopIndex 4.
  void drawTankScale();
  enum class TankStream { Fill, TopUp };  // down to the bottom / to the 8 cm surface
  void drawTankStream(TankStream form);
  void drawTankClock();     // numTextA(1) "分" numTextA(2) "秒" inside the tank
  void animateTankFill();   // 64 frames of 15 s from empty to full
  void animateTankTopUp();  // 48 frames of 15 s from 8 cm to full

  // One repaint of the tank: the empty inside, water boxes in order (colour,
  // bottom y, top y), the walls.
  struct TankWater {
    float color, bottom, top;
  };
  void paintTank(std::initializer_list<TankWater> water);
  // The x/y table of the tank pages: both rows, the y cells empty.
  void drawTankTable();
  // Minutes 0 to 8, one per key: the tank through `paintAtMinute` (frameIndex
  // holds the minute), its scale and clock, and the y cell 2k + `startHeight`.
  void revealTankMinutes(const std::function<void()>& paintAtMinute, float startHeight);
  // (end of tank pages)

  // Section 2 pages ③ to ⑦ and section 4's practice answers.
  // The sub-menus' dispatch to the pages; other items open nothing.
  void linearFunctionPage(int item);
  void practiceAnswerPage(int item);
  void showLinearFunctionMeaning();  // ③ definition, quiz, textbook P61 question 1
  void showTemperatureExample();     // ④ example 1, answers one piece per key
  void drawAltitudeFigure();         // ④'s figure at the right; keeps the text line
  void showTemperatureAnswers();     // ⑤ textbook P61 question 2
  void showExercise1Answer();        // ⑥
  void showExercise2Answers();       // ⑦ two screens, one key wait
  void practiceAnswer1Page();
  void practiceAnswer2Page();
  void practiceAnswer3Page();
  // (end of answer pages)

  // Section 3 pages ① to ③.
  void valueChangeTablePage();
  void increaseAmountPage();
  void rateOfChangeExamplePage();
  // Page ③'s random example: x1 < x2 in -3..4 and the rate of change of
  // y=-2x+7 between them, worked on the strip at (savedX(1), savedY(1)).
  void drawRateExample();
  float drawExampleX();  // one x in -3..4 (a drawn -4 counts as -3)
  // (end of section 3 pages ① to ③)

  // Section 3 pages ④ to ⑥.
  void linearRateOfChangePage();
  void yIncreaseAnswerPage();
  void inverseProportionRatePage();
  // (end of section 3 pages ④ to ⑥)

  // Section 5 pages ① to ④.
  void pointReviewPage();
  void graphByPointsPage();
  void parallelShiftPage();
  void proportionGraphRelationPage();
  // The random point of the point review's quizzes: magnitudes a, b in 1..5 in
  // numA(1..2) = a, -a and numB(1..2) = b, -b (texts refreshed), the point of
  // the drawn quadrant in markX(1), markY(1) and its coordinates in runText.
  void makeRandomPoint();
  // The quadrant the point review last took; a draw of the same quadrant shows
  // quadrant 1 instead. Kept for the whole run of the program.
  float lastQuadrant = 0;
  // (end of section 5 pages ① to ④)

  // Section 5 pages ⑤ to ⑦.
  void shiftDownExamplePage();
  void parallelLinesAnswerPage();
  void interceptDefinitionPage();
  // (end of section 5 pages ⑤ to ⑦)

  // Section 6 pages.
  void slopePage();
  void slopeExplanationPage();
  void slopeInterceptDrill();  // page ②'s drill, after its explanation
  void slopeAnswersPage();
  void increasePage();
  void decreasePage();
  // (end of section 6 pages)

  // Section 7 pages.
  void integerSlopeExamplePage();
  void fractionSlopeExamplePage();
  void integerGraphDrill();
  void fractionGraphDrill();
  void graphDrawingAnswers();
  // (end of section 7 pages)

  // Section 8 pages.
  void domainRangeExample();
  void domainRangeDrill();
  void domainRangeAnswerPage();
  // One example of the drill: a random y=ax+b with a domain p≦x≦q (a in
  // numA(1), b in numB(1), p and q in numA(2), numA(3), y at p and q in numB(2),
  // numB(3)), the problem, then its working one stretch per key.
  void pickDomainRangeProblem();
  void showDomainRangeProblem();
  // The slope of the drill's last draw of a; a new draw of a never equals it.
  // Kept for the whole run, 0 at start.
  float lastDrillSlope = 0;
  // (end of section 8 pages)
};

}  // namespace lesson
