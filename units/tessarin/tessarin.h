// The equations-and-graphs unit of Tessarin.
#pragma once

#include "framework/lesson.h"

namespace lesson {

class TessarinUnit : public Lesson {
 public:
  TessarinUnit(Platform& platform, std::string name)
      : Lesson(platform, std::move(name), Variant::Tessarin) {}

 protected:
  void showUnitMenu() override;

 private:
  void equationGraphSection();
  void showGraphGoal();

  // Section 1 pages ① to ③.
  void solutionsBecomeLinePage();
  void slopeInterceptExample();
  void showEquationGraphExample();
  // (end of section 1 pages ① to ③)

  // Section 1 pages ④ to ⑦.
  void showQuestion1Answers();
  void interceptGraphExample();
  void interceptAnswersPage();
  void integerPointsExplainPage();
  // Page ⑤'s random equation ax+by=c with whole intercepts, in numA/numB and their texts.
  void makeInterceptEquation();
  // (end of section 1 pages ④ to ⑦)

  // Section 2: y=k and x=h — entry, banner, sub-menu and pages.
  void constantLineSection();
  // (end of section 2)

  // Section 3: practice of textbook p.81.
  void equationPracticeSection();
  // (end of section 3)

  // Section 4: simultaneous equations and graphs.
  void simultaneousGraphSection();
  // (end of section 4)

  // Section 5: applications.
  void applicationSection();
  // (end of section 5)

  // Section 6: problems on figures.
  void areaChangeSection();
  // (end of section 6)

  // Section 7: first review set.
  void confirmLearningSection();
  // (end of section 7)

  // Section 8: second review set.
  void masterLearningSection();
  // (end of section 8)
};

}  // namespace lesson
