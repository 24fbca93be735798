// Corbisk in its window with a division by zero raised at its first wait, so
// that the error screen shows at once: the window test drives it.
#include "programs/catalogue.h"
#include "support/fault_hook.h"

int main() {
  return lesson::runInWindow(
      "corbisk", [](lesson::Lesson& l) { lesson::testing::FaultHook::injectFaultAtIdle(l, 1); });
}
