// A lesson with no unit behind it, on the headless platform, for testing
// framework routines one call at a time.
#pragma once

#include <string>
#include <vector>

#include "framework/lesson.h"
#include "framework/platform/headless_platform.h"

namespace lesson::testing {

class BareLesson : public Lesson {
 public:
  BareLesson(Platform& platform, Variant variant) : Lesson(platform, "Test", variant) {}

 protected:
  void showUnitMenu() override {}
};

// A fresh run: start-up done, keys from `script` handed over at each wait.
struct LessonFixture {
  explicit LessonFixture(const std::string& script = "", Variant variant = Variant::Corbisk)
      : platform(keys(script)), lesson(platform, variant) {
    lesson.startup();
  }

  // The drawing operations recorded since start-up (or since clear()).
  std::vector<DrawOp> draws() const {
    std::vector<DrawOp> out;
    for (std::size_t i = first; i < platform.events().size(); ++i) {
      const auto& e = platform.events()[i];
      if (e.kind == HeadlessPlatform::Event::Kind::Draw) out.push_back(e.op);
    }
    return out;
  }
  // Only the text operations.
  std::vector<DrawOp> texts() const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : draws()) {
      if (op.kind == DrawOp::Kind::Symbol) out.push_back(op);
    }
    return out;
  }
  void clear() { first = platform.events().size(); }

  static std::vector<ScriptKey> keys(const std::string& script) {
    std::vector<ScriptKey> out;
    std::string error;
    parseKeyScript(script, out, error);
    return out;
  }

  HeadlessPlatform platform;
  BareLesson lesson;
  std::size_t first = 0;
};

}  // namespace lesson::testing
