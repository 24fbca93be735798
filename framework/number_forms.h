// The forms in which the pages write a number into formula text, each built
// from the number and its plain text (as numbersToText makes it).
#pragma once

#include "framework/basic.h"

namespace lesson {

// In front of "x": nothing for 1, "-" for -1, else the text itself.
inline Text coefficientForm(float value, const Text& text) {
  if (value == 1) return U"";
  if (value == -1) return U"-";
  return text;
}

// A term written after another: a positive value gets its "+".
inline Text signedTerm(float value, const Text& text) {
  return value > 0 ? U"+" + text : text;
}

// A factor put after an operator: a negative value goes in brackets.
inline Text bracketedNegative(float value, const Text& text) {
  return value < 0 ? U"(" + text + U")" : text;
}

}  // namespace lesson
