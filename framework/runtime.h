// The statement runtime and the window-and-font operations as the lesson
// framework uses them: drawing with the current pen and font, the key read,
// pauses, the clock, random numbers and the end of the program. Everything goes
// to the Platform; nothing here touches the machine.
#pragma once

#include <initializer_list>
#include <vector>

#include "framework/basic.h"
#include "framework/platform/platform.h"

namespace lesson {

namespace testing {
class FaultHook;  // tests/support/fault_hook.h
}  // namespace testing

// A point of a polyline; a step point is relative to the one before it.
struct PolyPoint {
  float x = 0;
  float y = 0;
  bool step = false;
};

class Runtime {
 public:
  explicit Runtime(Platform& platform) : platform_(platform) {}
  virtual ~Runtime() = default;
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  Platform& platform() { return platform_; }

  // Drawing, in palette colours 0-15 with the current pen width.
  void drawLine(float x1, float y1, float x2, float y2, float color);
  void drawBox(float x1, float y1, float x2, float y2, float color);  // outline
  void fillBox(float x1, float y1, float x2, float y2, float border, float fill);
  // Arcs take fractions of a turn, clockwise on screen; both 0 is the whole circle.
  void drawCircle(float x, float y, float r, float color, float arcStart = 0, float arcEnd = 0);
  // A filled circle (or sector); fill -1 fills in the border colour.
  void fillCircle(float x, float y, float r, float color, float fill = -1, float arcStart = 0,
                  float arcEnd = 0);
  void connect(float color, std::initializer_list<PolyPoint> points, float fill = -1);
  void connect(float color, const std::vector<PolyPoint>& points, float fill = -1);
  // One text with its cell's top-left at (x, y) in the current font.
  void symbol(float x, float y, float fx, float fy, float color, const Text& text);
  void cls();

  // Font and pen.
  void setFontName(const Text& name) { fontName_ = name; }
  void setFontSize(float size) { fontSize_ = size; }
  void setFontBold(bool on) { bold_ = on; }
  void setFontItalic(bool on) { italic_ = on; }
  void setDrawWidth(float width);
  int getDrawWidth() const { return drawWidth_; }
  const Text& fontName() const { return fontName_; }
  float fontSize() const { return fontSize_; }
  bool fontBold() const { return bold_; }
  bool fontItalic() const { return italic_; }

  // The pending key as a one-character text, or the empty text; never waits.
  Text inkey();
  // Called by every polling loop after an empty poll.
  void idle(IdleKind kind = IdleKind::KeyWait);
  // A timed pause of n units.
  void pause(float n);
  [[noreturn]] void endProgram(int status = 0);
  Text clockText();
  float rnd() { return random_.next(); }
  void randomize(int seed) { random_.seed(seed); }

 private:
  // Tests plant a fault through testing::FaultHook: faultAtIdle_ > 0 makes that
  // key-wait idle raise a division-by-zero error.
  friend class testing::FaultHook;

  int paletteColor(float color, std::source_location where = std::source_location::current());
  void emit(DrawOp op);

  Platform& platform_;
  Text fontName_ = U"ｺﾞｼｯｸ";
  float fontSize_ = 16;
  bool bold_ = false;
  bool italic_ = false;
  int drawWidth_ = 1;
  Random random_;
  int faultAtIdle_ = 0;
  int idles_ = 0;
};

}  // namespace lesson
