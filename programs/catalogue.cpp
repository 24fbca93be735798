#include "programs/catalogue.h"

#include <cstdio>

#include "framework/platform/window_platform.h"
#include "units/corbisk/corbisk.h"
#include "units/merrowin/merrowin.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

const std::vector<std::string>& programIds() {
  static const std::vector<std::string> ids{"corbisk", "pollvane", "merrowin", "tessarin"};
  return ids;
}

std::unique_ptr<Lesson> makeProgram(const std::string& id, Platform& platform) {
  if (id == "corbisk") return std::make_unique<CorbiskUnit>(platform, "Corbisk");
  if (id == "pollvane") return std::make_unique<CorbiskUnit>(platform, "Pollvane");
  if (id == "merrowin") return std::make_unique<MerrowinUnit>(platform, "Merrowin");
  if (id == "tessarin") return std::make_unique<TessarinUnit>(platform, "Tessarin");
  return nullptr;
}

int runInWindow(const std::string& id, const std::function<void(Lesson&)>& prepare) {
  std::string error;
  auto platform = WindowPlatform::open(error);
  if (!platform) {
    std::fprintf(stderr, "%s: %s\n", id.c_str(), error.c_str());
    return 1;
  }
  auto program = makeProgram(id, *platform);
  if (prepare) prepare(*program);
  return program->run();
}

}  // namespace lesson
