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
  void fromGraphSection();
  // (end of section 1)

  // Section 2: one point and the slope or intercept.
  void pointSlopeSection();
  // (end of section 2)

  // Section 3: two points — entry, banner, sub-menu, pages ① and ②.
  void twoPointsSection();
  // (end of section 3 entry and pages ① ②)

  // Section 3 pages ③ to ⑤.
  void twoPointsSystemExample();
  void twoPointsSummaryPage();
  void twoPointsAnswerPage();
  // (end of section 3 pages ③ to ⑤)

  // Sections 4 and 5: table, equation and graph; practice answers.
  void tableEquationGraphSection();
  void practiceSection();
  // (end of sections 4 and 5)
};

}  // namespace lesson
