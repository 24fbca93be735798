#include "framework/platform/window_platform.h"

namespace lesson {

// Placeholder until the SDL window lands.
struct WindowPlatform::Impl {};
WindowPlatform::WindowPlatform() = default;
WindowPlatform::~WindowPlatform() = default;
std::unique_ptr<WindowPlatform> WindowPlatform::open(std::string& error) {
  error = "no display available";
  return nullptr;
}
void WindowPlatform::setTitle(const std::string&) {}
void WindowPlatform::maximize() {}
void WindowPlatform::draw(const DrawOp&) {}
std::optional<char32_t> WindowPlatform::pollKey() { return std::nullopt; }
void WindowPlatform::idle(IdleKind) {}
void WindowPlatform::pause(int) {}
std::string WindowPlatform::clockText() { return "00:00:00"; }

}  // namespace lesson
