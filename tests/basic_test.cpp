#include "framework/basic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lesson {
namespace {

TEST(NumberText, BlankSignAndLeadingZero) {
  struct Case {
    float value;
    const char32_t* text;
  } cases[] = {
      {3, U" 3"},        {-2, U"-2"},      {0, U" 0"},           {-0.0f, U" 0"},
      {0.5f, U" .5"},    {-0.5f, U"-.5"},  {0.75f, U" .75"},     {12.25f, U" 12.25"},
      {1.0f / 3, U" .3333333"}, {1234567, U" 1234567"}, {-100, U"-100"},
  };
  for (const Case& c : cases) EXPECT_EQ(str(c.value), c.text) << c.value;
}

TEST(NumberText, ValueOfText) {
  struct Case {
    const char32_t* text;
    float value;
  } cases[] = {
      {U"", 0},       {U"3", 3},      {U"-3", -3},   {U" 3", 3},    {U".5", 0.5f},
      {U"-.5", -0.5f}, {U"3/4", 3},   {U"1.2.3", 1.2f}, {U"-", 0},  {U".", 0},
      {U"--3", 0},    {U"3-", 3},     {U"007", 7},   {U"abc", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(val(c.text), c.value) << toUtf8(c.text);
}

TEST(Whole, HalvesRoundAwayFromZeroAndOverflowIsAnError) {
  EXPECT_EQ(whole(2.5f), 3);
  EXPECT_EQ(whole(-2.5f), -3);
  EXPECT_EQ(whole(2.4999f), 2);
  EXPECT_EQ(whole(2.9999998f), 3);
  EXPECT_THROW(whole(3e10f), RuntimeError);
}

TEST(Arrays, IndexOutsideBoundsIsARuntimeError) {
  Array<float, 40> a;
  a(40) = 1;
  EXPECT_EQ(a(40), 1);
  try {
    a(41);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kErrSubscript);
  }
  EXPECT_THROW(a(-1), RuntimeError);
  Array2<float, 10, 2> t;
  t(10, 2) = 5;
  EXPECT_THROW(t(10, 3), RuntimeError);
}

TEST(Division, ZeroDivisorIsARuntimeError) {
  EXPECT_EQ(fdiv(3, 4), 0.75f);
  EXPECT_THROW(fdiv(3, 0), RuntimeError);
}

TEST(Random, SameSeedSameSequenceAndNeverOne) {
  Random a, b;
  a.seed(6);
  b.seed(6);
  for (int i = 0; i < 100000; ++i) {
    float x = a.next();
    ASSERT_EQ(x, b.next());
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
  }
}

TEST(Random, WholeNumbersDrawnFromItStayInRange) {
  // The largest value the generator gives, scaled as the lessons scale it.
  const float top = 1.0f - 1.0f / 65536.0f;
  for (int n = 1; n <= 128; ++n) {
    for (int k = 0; k <= 128; ++k) {
      float drawn = std::floor(top * static_cast<float>(n) + static_cast<float>(k));
      ASSERT_LT(drawn, static_cast<float>(n + k)) << n << " " << k;
    }
  }
  Random r;
  r.seed(0);
  float largest = 0;
  for (int i = 0; i < 1 << 20; ++i) largest = std::max(largest, r.next());
  EXPECT_LE(largest, top);
}

TEST(CodePage, ByteLengths) {
  EXPECT_EQ(byteLength(U'a'), 1);
  EXPECT_EQ(byteLength(U'\uFF80'), 1);  // half-width katakana
  EXPECT_EQ(byteLength(U'あ'), 2);
  EXPECT_EQ(byteLength(U'×'), 2);
  EXPECT_EQ(byteLength(Text(U"x^2万")), 5);
}

}  // namespace
}  // namespace lesson
