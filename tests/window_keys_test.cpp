// The window's keys read as the lessons' key codes.
#include "framework/platform/window_keys.h"

#include <gtest/gtest.h>

#include "framework/basic.h"
#include "framework/platform/platform.h"

namespace lesson {
namespace {

TEST(WindowKeys, SpecialKeysReadAsTheirCodes) {
  const struct {
    SDL_Keycode sym;
    char32_t code;
  } cases[] = {
      {SDLK_RETURN, 13},
      {SDLK_KP_ENTER, 13},
      {SDLK_RETURN2, 13},
      {SDLK_BACKSPACE, 8},
      {SDLK_TAB, 9},
      {SDLK_ESCAPE, 27},
      {SDLK_DELETE, 12},
      {SDLK_RIGHT, 28},
      {SDLK_LEFT, 29},
      {SDLK_UP, 30},
      {SDLK_DOWN, 31},
      // Printable keys come as text input, and other keys not at all.
      {SDLK_5, 0},
      {SDLK_a, 0},
      {SDLK_SPACE, 0},
      {SDLK_F1, 0},
      {SDLK_KP_5, 0},
      {SDLK_HOME, 0},
      {SDLK_INSERT, 0},
      {SDLK_LSHIFT, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(specialKey(c.sym), c.code) << "SDL key " << c.sym;
  }
}

TEST(WindowKeys, TextInputReadsFullWidthDigitsAndSignsAsHalfWidth) {
  const struct {
    const char* text;
    const char32_t* keys;
  } cases[] = {
      {"7", U"7"},
      {"-3.5/2", U"-3.5/2"},
      {"０１２３４５６７８９", U"0123456789"},  // an input method's full-width digits
      {"－．／", U"-./"},                       // full-width minus, point and slash
      {"−", U"-"},                              // the minus sign
      {" ", U" "},                              // the space bar, a key like any other
      {"　", U" "},                             // the ideographic space
      {"ａＺ", U"aZ"},
      {"あ", U"あ"},    // other characters unchanged
      {"\t\x7f", U""},  // control characters are not keys
      {"\xff", U""},    // nor is malformed text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textKeys(c.text), std::u32string(c.keys)) << c.text;
  }
}

}  // namespace
}  // namespace lesson
