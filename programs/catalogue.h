// The four programs: each joins the framework with one lesson unit under its
// own name.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/lesson.h"

namespace lesson {

// "corbisk", "pollvane", "merrowin", "tessarin".
const std::vector<std::string>& programIds();

// The program's lesson run on the given platform, or nullptr for an unknown id.
std::unique_ptr<Lesson> makeProgram(const std::string& id, Platform& platform);

// Runs the program in its own window; returns the exit status. `prepare`, when
// given, is called on the lesson before it starts (the tests set fault hooks).
int runInWindow(const std::string& id, const std::function<void(Lesson&)>& prepare = {});

}  // namespace lesson
