// Running a lesson on the headless platform.
#pragma once

#include "framework/lesson.h"
#include "framework/platform/headless_platform.h"

namespace lesson {

// Runs a lesson headless to its stop; returns a ReplayStatus.
int runHeadless(Lesson& lesson, HeadlessPlatform& platform);

}  // namespace lesson
