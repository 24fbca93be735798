// A whole program run headless under a key script, for tests that drive a unit
// from its main menu the way the pupil does.
#pragma once

#include <string>
#include <vector>

#include "framework/headless_run.h"
#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/test_lesson.h"
#include "units/corbisk/corbisk.h"
#include "units/merrowin/merrowin.h"
#include "units/tessarin/tessarin.h"

namespace lesson::testing {

// The clock a run starts at unless a test gives one (it seeds the random
// examples).
inline const std::string kMidnight = "00:00:00";

// One headless run of a unit named `name` under a key script, to the wait
// where the keys ran out (or to the program's end), with the clock given.
template <class Unit>
struct ProgramRun {
  ProgramRun(const std::string& name, const std::string& script,
             const std::string& clock = kMidnight)
      : platform(LessonFixture::keys(script), clock), unit(platform, name) {
    status = runHeadless(unit, platform);
  }

  const std::vector<HeadlessPlatform::Event>& events() const { return platform.events(); }
  // Every drawing operation of the run.
  std::vector<DrawOp> draws() const { return drawsIn(platform.events()); }
  // The text operations still showing at the end.
  std::vector<DrawOp> visible() const { return visibleTexts(platform.events()); }
  // The same with the formula signs read in as glyphs (pageTexts).
  std::vector<DrawOp> glyphs() const { return pageTexts(platform.events()); }
  // What shows as lines the pupil reads, formula signs included.
  std::vector<TextLine> lines() const { return pageLines(platform.events()); }

  HeadlessPlatform platform;
  Unit unit;
  int status = 0;  // a ReplayStatus
};

// Runs of each program from its main menu.
struct CorbiskRun : ProgramRun<CorbiskUnit> {
  explicit CorbiskRun(const std::string& script, const std::string& clock = kMidnight)
      : ProgramRun("Corbisk", script, clock) {}
};
struct MerrowinRun : ProgramRun<MerrowinUnit> {
  explicit MerrowinRun(const std::string& script, const std::string& clock = kMidnight)
      : ProgramRun("Merrowin", script, clock) {}
};
struct TessarinRun : ProgramRun<TessarinUnit> {
  explicit TessarinRun(const std::string& script, const std::string& clock = kMidnight)
      : ProgramRun("Tessarin", script, clock) {}
};

// `n` presses of the space bar, each with a blank before it, to append to a
// key script.
inline std::string spaces(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += " Space";
  return out;
}

// The clock that seeds a run with `seed`: "00:mm:ss", seed = 60 mm + ss.
inline std::string clockFor(int seed) {
  auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  return "00:" + two(seed / 60) + ":" + two(seed % 60);
}

}  // namespace lesson::testing
