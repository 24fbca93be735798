// The keys as the window receives them, read as the lessons' key codes.
#pragma once

#include <SDL_keycode.h>

#include <string>

namespace lesson {

// The key code of a special key pressed in the window (Enter, Backspace, Tab,
// Esc, Delete, the arrows), or 0 for keys that come as text or not at all.
char32_t specialKey(SDL_Keycode sym);

// The keys of a piece of text input (UTF-8): one per printable character,
// full-width digits and signs read as their half-width keys.
std::u32string textKeys(const char* utf8);

}  // namespace lesson
