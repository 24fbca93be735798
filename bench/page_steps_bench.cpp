// The heaviest page steps of the programs, as the window meets them: a fresh
// run is taken to the wait before the step's key (not timed), then the key is
// handed over and the time runs until the step's drawing is on a picture of
// the window's size (1920 x 1080), as the window shows it at its next wait.
// Run it on a release build: cmake -DCMAKE_BUILD_TYPE=Release -DLESSONS_BENCHMARKS=ON.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "framework/platform/canvas_picture.h"
#include "framework/platform/headless_platform.h"
#include "programs/catalogue.h"

namespace {

using namespace lesson;
using Clock = std::chrono::steady_clock;

// The window without a window: the canvas, a picture of it brought up to date
// at every wait and pause, and scripted keys. The last key is the step timed:
// from handing it over to the picture brought up to date at the next wait.
class StepPlatform : public Platform {
 public:
  StepPlatform(std::vector<ScriptKey> keys, cairo_surface_t* surface)
      : script_(keys.begin(), keys.end()) {
    picture_.attach(surface);
  }

  double stepSeconds() const { return seconds_; }

  void setTitle(const std::string&) override {}
  void maximize() override {}
  void draw(const DrawOp& op) override { canvas_.add(op); }
  std::optional<char32_t> pollKey() override {
    if (queue_.empty()) return std::nullopt;
    char32_t k = queue_.front();
    queue_.pop_front();
    return k;
  }
  void idle(IdleKind kind) override {
    if (!queue_.empty()) return;
    picture_.update(canvas_);
    if (timing_) {
      seconds_ = std::chrono::duration<double>(Clock::now() - start_).count();
      throw ReplayStop{};
    }
    if (kind == IdleKind::ErrorScreen || script_.empty()) throw ReplayStop{kReplayErrorScreen};
    queue_.push_back(script_.front().code);
    script_.pop_front();
    if (script_.empty()) {
      timing_ = true;
      start_ = Clock::now();
    }
  }
  void pause(int) override { picture_.update(canvas_); }
  std::string clockText() override { return "00:00:00"; }

 private:
  std::deque<ScriptKey> script_;
  std::deque<char32_t> queue_;
  Canvas canvas_;
  CanvasPicture picture_;
  bool timing_ = false;
  Clock::time_point start_;
  double seconds_ = 0;
};

void BM_PageStep(benchmark::State& state, const std::string& program, const std::string& keys) {
  std::vector<ScriptKey> script;
  std::string error;
  if (!parseKeyScript(keys, script, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1920, 1080);
  for (auto _ : state) {
    StepPlatform platform(script, surface);
    auto lesson = makeProgram(program, platform);
    int status = kReplayWaiting;
    try {
      lesson->run();
    } catch (const ReplayStop& stop) {
      status = stop.status;
    }
    if (status != kReplayWaiting || platform.stepSeconds() == 0) {
      state.SkipWithError("the run did not reach the step");
      break;
    }
    state.SetIterationTime(platform.stepSeconds());
  }
  cairo_surface_destroy(surface);
}

// Each keys from the main menu; the last key is the step.
#define PAGE_STEP(name, program, keys)                \
  BENCHMARK_CAPTURE(BM_PageStep, name, program, keys) \
      ->UseManualTime()                               \
      ->Unit(benchmark::kMillisecond)

PAGE_STEP(corbisk_7_5, "corbisk", "7 Enter 5 Enter");
PAGE_STEP(tessarin_8_3, "tessarin", "8 Enter 3 Enter");
PAGE_STEP(tessarin_2_2, "tessarin", "2 Enter 2 Enter");
PAGE_STEP(corbisk_5_4, "corbisk", "5 Enter 4 Enter");
PAGE_STEP(tessarin_3_1, "tessarin", "3 Enter 1 Enter");
PAGE_STEP(corbisk_6_1, "corbisk", "6 Enter 1 Enter");
PAGE_STEP(merrowin_1_5, "merrowin", "1 Enter 5 Enter");
PAGE_STEP(corbisk_1_2, "corbisk", "1 Enter 2 Enter");
PAGE_STEP(tessarin_8_2_space, "tessarin", "8 Enter 2 Enter Space");
PAGE_STEP(tessarin_7_3, "tessarin", "7 Enter 3 Enter");

}  // namespace
