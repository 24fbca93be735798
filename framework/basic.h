// The statement-level helpers every routine uses: texts counted in characters,
// number <-> text, making numbers whole, checked division, bounds-checked
// arrays, the run-time error and the random generator.
#pragma once

#include <array>
#include <cstdint>
#include <source_location>
#include <string>

namespace lesson {

using Text = std::u32string;

// Error codes shown on the error screen.
enum ErrorCode : int {
  kErrIllegalCall = 5,
  kErrOverflow = 6,
  kErrSubscript = 9,
  kErrDivisionByZero = 11,
};

// A run-time error: it ends the lesson on the error screen.
struct RuntimeError {
  int code = 0;
  int line = 0;  // the source line that raised it
};

[[noreturn]] void raiseError(int code, std::source_location where = std::source_location::current());

// Length of a character in the legacy double-byte code page: 1 for ASCII and the
// half-width katakana, 2 for everything else.
int byteLength(char32_t c);
int byteLength(const Text& s);

// Character-wise text operations, 1-based like the lessons count.
int kLen(const Text& s);
Text kLeft(const Text& s, int n);
Text kRight(const Text& s, int n);
Text kMid(const Text& s, int start, int length = -1);  // -1: to the end
int kInstr(const Text& s, const Text& sought);         // 0 when absent
bool contains(const Text& s, const Text& sought);

// The number a text starts with (blanks before it skipped); 0 when there is none.
float val(const Text& s);

// Number to text: a blank before a non-negative number, no "0" before the point,
// at most 7 significant digits, never "-0".
Text str(float x);

// Whole numbers: halves round away from zero. A value outside the 32-bit range
// is an overflow error.
int whole(float x, std::source_location where = std::source_location::current());

// Float division that reports a zero divisor as a run-time error.
float fdiv(float a, float b, std::source_location where = std::source_location::current());

// UTF-8 <-> text.
Text fromUtf8(const std::string& s);
std::string toUtf8(const Text& s);

// One-dimensional array indexed 0..Upper; a bad index is a run-time error.
template <class T, int Upper>
class Array {
 public:
  T& operator()(float index, std::source_location where = std::source_location::current()) {
    return items_[check(index, where)];
  }
  const T& operator()(float index,
                      std::source_location where = std::source_location::current()) const {
    return items_[check(index, where)];
  }
  static constexpr int upper() { return Upper; }

 private:
  static std::size_t check(float index, std::source_location where) {
    int i = whole(index, where);
    if (i < 0 || i > Upper) raiseError(kErrSubscript, where);
    return static_cast<std::size_t>(i);
  }
  std::array<T, Upper + 1> items_{};
};

// Two-dimensional array indexed 0..Upper1, 0..Upper2.
template <class T, int Upper1, int Upper2>
class Array2 {
 public:
  T& operator()(float i, float j, std::source_location where = std::source_location::current()) {
    int a = whole(i, where);
    int b = whole(j, where);
    if (a < 0 || a > Upper1 || b < 0 || b > Upper2) raiseError(kErrSubscript, where);
    return items_[static_cast<std::size_t>(a * (Upper2 + 1) + b)];
  }

 private:
  std::array<T, (Upper1 + 1) * (Upper2 + 1)> items_{};
};

// The random generator: deterministic for a seed, values in [0, 1).
class Random {
 public:
  void seed(int s);
  float next();

 private:
  std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

}  // namespace lesson
