// Corbisk in its window with a division by zero raised at its first wait, so
// that the error screen shows at once: the window test drives it.
#include "programs/catalogue.h"

int main() {
  return lesson::runInWindow("corbisk", [](lesson::Lesson& l) { l.injectFaultAtIdle(1); });
}
