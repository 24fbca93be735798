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

// The drawing operations among `events`, from index `from` on.
inline std::vector<DrawOp> drawsIn(const std::vector<HeadlessPlatform::Event>& events,
                                   std::size_t from = 0) {
  std::vector<DrawOp> out;
  for (std::size_t i = from; i < events.size(); ++i) {
    if (events[i].kind == HeadlessPlatform::Event::Kind::Draw) out.push_back(events[i].op);
  }
  return out;
}

// The operations of one kind, in order.
inline std::vector<DrawOp> ofKind(const std::vector<DrawOp>& ops, DrawOp::Kind kind) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : ops) {
    if (op.kind == kind) out.push_back(op);
  }
  return out;
}

// A fresh run: start-up done, keys from `script` handed over at each wait.
struct LessonFixture {
  explicit LessonFixture(const std::string& script = "", Variant variant = Variant::Corbisk)
      : platform(keys(script)), lesson(platform, variant) {
    lesson.startup();
  }

  // The drawing operations recorded since start-up (or since clear()).
  std::vector<DrawOp> draws() const { return drawsIn(platform.events(), first); }
  // Only the text operations.
  std::vector<DrawOp> texts() const { return ofKind(draws(), DrawOp::Kind::Symbol); }
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
