#include "framework/basic.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace lesson {

void raiseError(int code, std::source_location where) {
  throw RuntimeError{code, static_cast<int>(where.line())};
}

int byteLength(char32_t c) {
  if (c < 0x80) return 1;
  if (c >= 0xFF61 && c <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

int byteLength(const Text& s) {
  int n = 0;
  for (char32_t c : s) n += byteLength(c);
  return n;
}

int kLen(const Text& s) { return static_cast<int>(s.size()); }

Text kLeft(const Text& s, int n) {
  if (n <= 0) return {};
  return s.substr(0, static_cast<std::size_t>(n));
}

Text kRight(const Text& s, int n) {
  if (n <= 0) return {};
  if (static_cast<std::size_t>(n) >= s.size()) return s;
  return s.substr(s.size() - static_cast<std::size_t>(n));
}

Text kMid(const Text& s, int start, int length) {
  if (start < 1) start = 1;
  auto from = static_cast<std::size_t>(start - 1);
  if (from >= s.size()) return {};
  if (length < 0) return s.substr(from);
  return s.substr(from, static_cast<std::size_t>(length));
}

int kInstr(const Text& s, const Text& sought) {
  auto p = s.find(sought);
  return p == Text::npos ? 0 : static_cast<int>(p) + 1;
}

bool contains(const Text& s, const Text& sought) { return s.find(sought) != Text::npos; }

float val(const Text& s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == U' ') ++i;
  std::string number;
  if (i < s.size() && (s[i] == U'-' || s[i] == U'+')) {
    if (s[i] == U'-') number += '-';
    ++i;
  }
  bool digits = false;
  while (i < s.size() && s[i] >= U'0' && s[i] <= U'9') {
    number += static_cast<char>(s[i++]);
    digits = true;
  }
  if (i < s.size() && s[i] == U'.') {
    number += '.';
    ++i;
    while (i < s.size() && s[i] >= U'0' && s[i] <= U'9') {
      number += static_cast<char>(s[i++]);
      digits = true;
    }
  }
  if (!digits) return 0.0f;
  // An exponent only counts when digits follow it.
  if (i + 1 < s.size() && (s[i] == U'E' || s[i] == U'e')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (s[j] == U'-' || s[j] == U'+') exponent += static_cast<char>(s[j++]);
    bool expDigits = false;
    while (j < s.size() && s[j] >= U'0' && s[j] <= U'9') {
      exponent += static_cast<char>(s[j++]);
      expDigits = true;
    }
    if (expDigits) number += exponent;
  }
  if (number.front() == '.') number.insert(0, "0");
  if (number.size() >= 2 && number[0] == '-' && number[1] == '.') number.insert(1, "0");
  double value = 0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    return number[0] == '-' ? -std::numeric_limits<float>::max()
                            : std::numeric_limits<float>::max();
  }
  if (value > std::numeric_limits<float>::max()) return std::numeric_limits<float>::max();
  if (value < -std::numeric_limits<float>::max()) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}

Text str(float x) {
  if (x == 0.0f || std::isnan(x)) return U" 0";
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 7);
  std::string s(buffer, result.ptr);
  // Drop the "0" before the point of a value between -1 and 1.
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
  for (char& c : s) {
    if (c == 'e') c = 'E';
  }
  if (s[0] != '-') s.insert(0, " ");
  return Text(s.begin(), s.end());
}

int whole(float x, std::source_location where) {
  if (std::isnan(x)) raiseError(kErrOverflow, where);
  float r = std::round(x);  // halves away from zero
  if (r >= 2147483648.0f || r < -2147483648.0f) raiseError(kErrOverflow, where);
  return static_cast<int>(r);
}

float fdiv(float a, float b, std::source_location where) {
  if (b == 0.0f) raiseError(kErrDivisionByZero, where);
  return a / b;
}

Text fromUtf8(const std::string& s) {
  Text out;
  for (std::size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    char32_t cp = 0xFFFD;
    std::size_t n = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c >> 5) == 6 && i + 1 < s.size()) {
      cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
      n = 2;
    } else if ((c >> 4) == 14 && i + 2 < s.size()) {
      cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 6) |
           (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
      n = 3;
    } else if ((c >> 3) == 30 && i + 3 < s.size()) {
      cp = ((c & 0x07u) << 18) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 12) |
           ((static_cast<unsigned char>(s[i + 2]) & 0x3Fu) << 6) |
           (static_cast<unsigned char>(s[i + 3]) & 0x3Fu);
      n = 4;
    }
    out += cp;
    i += n;
  }
  return out;
}

std::string toUtf8(const Text& s) {
  std::string out;
  for (char32_t c : s) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// A 64-bit linear congruential step whose top 16 bits make the value: [0, 1),
// never 1.0, the same sequence for the same seed on every machine. Sixteen
// bits keep the largest value, 1 - 2^-16, far enough below 1 that the lessons'
// INT(RND * n + k) stays below n + k in float arithmetic for every n + k up to
// 256 (with 24 bits, 4 * RND + 1 could round up to exactly 5).
void Random::seed(int s) {
  state_ = 0x853c49e6748fea9bULL ^ static_cast<std::uint64_t>(static_cast<std::uint32_t>(s));
  next();
}

float Random::next() {
  state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
  auto bits = static_cast<std::uint32_t>(state_ >> 48);  // 16 bits
  return static_cast<float>(bits) * (1.0f / 65536.0f);
}

}  // namespace lesson
