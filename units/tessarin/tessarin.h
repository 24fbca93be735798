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
};

}  // namespace lesson
