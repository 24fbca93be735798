// The tests' way into a Runtime to plant a run-time error: the program itself
// never sets one.
#pragma once

#include "framework/runtime.h"

namespace lesson::testing {

class FaultHook {
 public:
  // The n-th idle (counted from the start of the run), when it is a key wait,
  // raises a division-by-zero error; 0 plants none.
  static void injectFaultAtIdle(Runtime& runtime, int n) { runtime.faultAtIdle_ = n; }
};

}  // namespace lesson::testing
