// A platform without a window: it keeps every operation and wait as an event,
// renders the canvas on demand, and feeds keys from a script. At each wait
// (an idle after an empty poll) it hands over the next key; when none is left
// the run stops. The replay tool and the tests drive programs through it.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/platform/canvas.h"
#include "framework/platform/platform.h"

namespace lesson {

// How a headless run stopped.
enum ReplayStatus : int {
  kReplayWaiting = 0,  // waiting with the keys used up, or the program ended
  kReplayErrorScreen = 3,
  kReplayHang = 4,
};

// Thrown out of the program to stop a headless run.
struct ReplayStop {
  int status = kReplayWaiting;
};

// One scripted key: its code and the token that names it in a trace.
struct ScriptKey {
  char32_t code = 0;
  std::string token;
};

// Parses a key script: white-space separated tokens; Enter, Backspace, Space,
// Clear, Tab, Esc, Up, Down, Left, Right are named keys, any other token is
// typed one character at a time (full-width digits and signs read as their
// half-width keys). Returns false with a message on a malformed script.
bool parseKeyScript(const std::string& script, std::vector<ScriptKey>& keys, std::string& error);

// Full-width digits, letters and signs as a Japanese input method sends them,
// read as their half-width keys; other characters unchanged.
char32_t halfWidthKey(char32_t c);

class HeadlessPlatform : public Platform {
 public:
  struct Event {
    enum class Kind { Draw, Wait, Key, Pause, End };
    Kind kind = Kind::Draw;
    DrawOp op;          // Draw
    std::string token;  // Key
    int n = 0;          // Pause
  };

  HeadlessPlatform(std::vector<ScriptKey> keys, std::string clock = "00:00:00");

  void setTitle(const std::string& title) override { title_ = title; }
  void maximize() override {}
  void draw(const DrawOp& op) override;
  void step() override;
  std::optional<char32_t> pollKey() override;
  void idle(IdleKind kind) override;
  void pause(int n) override;
  std::string clockText() override { return clock_; }

  // Called at each wait before the next key is handed over, with the 1-based
  // number of that key (for frame files).
  std::function<void(int)> onHandOver;
  // Called at each pause with the number of pauses so far; a test may press a
  // key there (pressKey) to stand for a key pressed during an animation.
  std::function<void(int)> onPause;
  // Queues a key at once, as if pressed now, without a wait.
  void pressKey(const ScriptKey& key);
  // Operations and polls allowed between two waits before the run counts as
  // hung. Every operation is kept, so the bound also caps the memory a hang takes.
  long hangBound = 1'000'000;

  const std::vector<Event>& events() const { return events_; }
  const Canvas& canvas() const { return canvas_; }
  const std::string& title() const { return title_; }
  std::size_t keysLeft() const { return script_.size(); }
  // The scripted keys not yet handed over, in order.
  std::vector<ScriptKey> remainingKeys() const { return {script_.begin(), script_.end()}; }
  void markEnd() { events_.push_back({Event::Kind::End, {}, {}, 0}); }

 private:
  std::deque<ScriptKey> script_;
  std::deque<char32_t> queue_;
  std::string clock_;
  std::string title_;
  std::vector<Event> events_;
  Canvas canvas_;
  long sinceWait_ = 0;
  int handedOver_ = 0;
  int pauses_ = 0;
};

}  // namespace lesson
