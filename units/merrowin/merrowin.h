// The equation-finding unit of Merrowin.
#pragma once

#include "framework/lesson.h"

namespace lesson {

class MerrowinUnit : public Lesson {
 public:
  MerrowinUnit(Platform& platform, std::string name)
      : Lesson(platform, std::move(name), Variant::Merrowin) {}

 protected:
  void showUnitMenu() override;

 private:
  // Section 1: from a graph — entry, goal banner, sub-menu and pages.
  void showSectionGoal(const Text& goal);
  void fromGraphSection();
  void equationFromGraphExample();
  void question1Answer();
  void conditionProblems();
  void integerSlopePractice();
  void fractionSlopePractice();
  // The value the unit's last random drill accepted (page ③'s intercept, the
  // slope of section 3's drills); a new draw equal to it is drawn again.
  float lastDrawn = 0;
  // (end of section 1)

  // Section 2: one point and the slope or intercept.
  void pointSlopeSection();
  void pointSlopeMenu();
  void slopePointExample();
  void interceptPointExample();
  void pointSlopeSummaryPage();
  void pointSlopeAnswerPage();
  void pointSlopeExplainPage();
  // The shared part of the two random examples: the draw of a, b and the
  // point, and the plane with the line and point.
  void drawPointValues();
  void drawPointFigure(float pointColor);
  // (end of section 2)

  // Shapes of the random example pages of sections 1 to 3.
  // The axes-only plane right of the text (x and y from -10 to 10, 20 px a
  // unit) with the line y = numA(1) x + numB(1) in colour 0.
  void drawExamplePlane();
  // A dot of radius 8 at (x, y) with its label, which stands right of the dot
  // for x <= 0 and ends 20 px left of it for x > 0, moved down by dy.
  void plotLabelledPoint(float x, float y, const Text& label, float color, float dy);
  // A whole number from k to k + n - 1, each equally likely.
  float drawWhole(float n, float k);
  // The sign draw into signPick2: 1 or 2; 2 makes the value negative.
  float drawSign(float value);
  // (end of shapes of the random example pages)

  // Section 3: two points — entry, banner, sub-menu, pages ① and ②.
  void twoPointsSection();
  void twoPointsSlopeExample();
  void twoPointsEquationExample();
  // One example of pages ① and ②: the draw of the line and its two points, the
  // working values and their texts, the statement with its graph, the solution.
  void pickTwoPointLine();
  void twoPointWorkingValues(float negatedSlot);
  void twoPointProblemDisplay(const Text& title, const Text& question);
  void showTwoPointSlopeExample();
  void showTwoPointEquationExample();
  // (end of section 3 entry and pages ① ②)

  // Section 3 pages ③ to ⑤.
  void twoPointsSystemExample();
  // Page ③'s random problem: y = ax + b through (x1, y1), (x2, y2), both y in
  // -9..9, into numA/numB 1..6 with their texts; then one worked pass of it.
  void drawSystemProblem();
  void showSystemSolution();
  void twoPointsSummaryPage();
  void twoPointsAnswerPage();
  // (end of section 3 pages ③ to ⑤)

  // Sections 4 and 5: table, equation and graph; practice answers.
  void tableEquationGraphSection();
  void tableEquationGraphPage();
  void practiceSection();
  void practiceAnswers12Page();
  void practiceAnswers34Page();
  void practiceAnswers56Page();
  // (end of sections 4 and 5)
};

}  // namespace lesson
