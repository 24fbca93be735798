// A whole program run headless under a key script, for tests that drive a unit
// from its main menu the way the pupil does.
#pragma once

#include <string>
#include <vector>

#include "framework/headless_run.h"
#include "framework/platform/trace.h"
#include "support/test_lesson.h"
#include "units/corbisk/corbisk.h"

namespace lesson::testing {

// One headless run of a unit named `name` under a key script, to the wait
// where the keys ran out (or to the program's end).
template <class Unit>
struct ProgramRun {
  ProgramRun(const std::string& name, const std::string& script)
      : platform(LessonFixture::keys(script)), unit(platform, name) {
    status = runHeadless(unit, platform);
  }

  const std::vector<HeadlessPlatform::Event>& events() const { return platform.events(); }
  // Every drawing operation of the run.
  std::vector<DrawOp> draws() const { return drawsIn(platform.events()); }
  // The text still showing at the end, as lines the eye reads.
  std::vector<TextLine> lines() const { return textLines(visibleTexts(platform.events())); }

  HeadlessPlatform platform;
  Unit unit;
  int status = 0;  // a ReplayStatus
};

// A run of Corbisk, the program the linear-function unit's tests drive.
struct CorbiskRun : ProgramRun<CorbiskUnit> {
  explicit CorbiskRun(const std::string& script) : ProgramRun("Corbisk", script) {}
};

// `n` presses of the space bar, each with a blank before it, to append to a
// key script.
inline std::string spaces(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += " Space";
  return out;
}

}  // namespace lesson::testing
