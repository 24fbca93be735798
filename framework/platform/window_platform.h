// The real window: SDL2 for the window and the keyboard, the canvas rendered
// with cairo at the window's real pixel size.
#pragma once

#include <memory>
#include <string>

#include "framework/platform/canvas.h"
#include "framework/platform/platform.h"

namespace lesson {

class WindowPlatform : public Platform {
 public:
  // Opens the window; nullptr with a one-line reason when there is no display.
  static std::unique_ptr<WindowPlatform> open(std::string& error);
  ~WindowPlatform() override;

  void setTitle(const std::string& title) override;
  void maximize() override;
  void draw(const DrawOp& op) override;
  std::optional<char32_t> pollKey() override;
  void idle(IdleKind kind) override;
  void pause(int n) override;
  std::string clockText() override;

 private:
  WindowPlatform();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lesson
