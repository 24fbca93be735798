#include "framework/headless_run.h"

namespace lesson {

int runHeadless(Lesson& lesson, HeadlessPlatform& platform) {
  try {
    lesson.run();
    platform.markEnd();
    return kReplayWaiting;
  } catch (const ReplayStop& stop) {
    return stop.status;
  }
}

}  // namespace lesson
