// The equation-finding unit of Merrowin.
#pragma once

#include "framework/lesson.h"

namespace lesson {

class MerrowinUnit : public Lesson {
 public:
  MerrowinUnit(Platform& platform, std::string name) : Lesson(platform, std::move(name), Variant::Merrowin) {}

 protected:
  void showUnitMenu() override;
};

}  // namespace lesson
