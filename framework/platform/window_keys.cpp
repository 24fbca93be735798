#include "framework/platform/window_keys.h"

#include "framework/basic.h"
#include "framework/platform/headless_platform.h"
#include "framework/platform/platform.h"

namespace lesson {

char32_t specialKey(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return key::kEnter;
    case SDLK_BACKSPACE:
      return key::kBackspace;
    case SDLK_TAB:
      return key::kTab;
    case SDLK_ESCAPE:
      return key::kEsc;
    case SDLK_DELETE:
      return key::kClear;
    case SDLK_RIGHT:
      return key::kRight;
    case SDLK_LEFT:
      return key::kLeft;
    case SDLK_UP:
      return key::kUp;
    case SDLK_DOWN:
      return key::kDown;
    default:
      return 0;
  }
}

std::u32string textKeys(const char* utf8) {
  std::u32string keys;
  for (char32_t c : fromUtf8(utf8)) {
    if (c >= 0x20 && c != 0x7F && c != 0xFFFD) keys.push_back(halfWidthKey(c));
  }
  return keys;
}

}  // namespace lesson
