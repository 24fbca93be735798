// The equations-and-graphs unit of Tessarin.
#pragma once

#include "framework/lesson.h"

namespace lesson {

class TessarinUnit : public Lesson {
 public:
  TessarinUnit(Platform& platform, std::string name) : Lesson(platform, std::move(name), Variant::Tessarin) {}

 protected:
  void showUnitMenu() override;

 private:
  void equationGraphSection();
  void showGraphGoal();
};

}  // namespace lesson
