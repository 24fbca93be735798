// The linear-function unit, carried by Corbisk and Pollvane.
#pragma once

#include "framework/lesson.h"

namespace lesson {

class CorbiskUnit : public Lesson {
 public:
  CorbiskUnit(Platform& platform, std::string name) : Lesson(platform, std::move(name), Variant::Corbisk) {}

 protected:
  void showUnitMenu() override;
};

}  // namespace lesson
