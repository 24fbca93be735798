// The seam between the lesson code and the machine. The lesson runtime draws,
// reads keys, pauses and reads the clock only through this interface; the real
// window (SDL2) and the headless replay implement it.
#pragma once

#include <optional>
#include <string>

#include "framework/platform/draw_op.h"

namespace lesson {

// Key codes as the lessons see them: Enter 13, Backspace 8, Tab 9, Esc 27,
// Clear (the Delete key) 12, the arrows 28 (right) 29 (left) 30 (up) 31 (down),
// any other key its character.
namespace key {
inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kTab = 9;
inline constexpr char32_t kClear = 12;
inline constexpr char32_t kEnter = 13;
inline constexpr char32_t kEsc = 27;
inline constexpr char32_t kRight = 28;
inline constexpr char32_t kLeft = 29;
inline constexpr char32_t kUp = 30;
inline constexpr char32_t kDown = 31;
}  // namespace key

// Why a polling loop is idle: the key waits and the line editor, or the error screen.
enum class IdleKind { KeyWait, ErrorScreen };

// Thrown by a platform to end the run: the window was closed, or the program ended.
struct ProgramExit {
  int status = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual void setTitle(const std::string& title) = 0;
  virtual void maximize() = 0;

  // Appends one operation to the canvas.
  virtual void draw(const DrawOp& op) = 0;

  // A step that drew nothing on the canvas (text measured off the page); lets
  // a headless run notice a loop that never waits.
  virtual void step() {}

  // The oldest pending key, or nothing; never waits.
  virtual std::optional<char32_t> pollKey() = 0;

  // Called by a polling loop after an empty poll: shows the canvas and blocks on
  // the window's events for a while, so that a waiting program uses no CPU.
  virtual void idle(IdleKind kind) = 0;

  // A timed pause of n units of 2 ms; keys pressed meanwhile stay queued.
  virtual void pause(int n) = 0;

  // The clock as "HH:MM:SS".
  virtual std::string clockText() = 0;
};

}  // namespace lesson
