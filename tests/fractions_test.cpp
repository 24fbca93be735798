// Fraction texts: reduction, its classification and texts, and fraction sums.
#include <gtest/gtest.h>

#include <limits>

#include "support/test_lesson.h"

namespace lesson {
namespace {

using testing::LessonFixture;

TEST(ReduceFraction, KindsValuesAndTexts) {
  struct Case {
    float num, den;
    float sign, kind, outNum, outDen;
    float gcd, lcm;  // -1: not written by the call
    const char32_t* asGiven;
    const char32_t* text;
    const char32_t* textSigned;
    const char32_t* working;
    const char32_t* workingSigned;
    const char32_t* plain;
    const char32_t* plainSigned;
  } cases[] = {
      {6, -8, -1, 2, -3, 4, 2, 24, U"ﾀ6/-8ﾀ", U"-ﾀ3/4ﾀ", U"-ﾀ3/4ﾀ", U"ﾀ6/-8ﾀ=-ﾀ3/4ﾀ",
       U"ﾀ6/-8ﾀ=-ﾀ3/4ﾀ", U"-3/4", U"-3/4"},
      {6, 8, 1, 2, 3, 4, 2, 24, U"ﾀ6/8ﾀ", U"ﾀ3/4ﾀ", U"+ﾀ3/4ﾀ", U"ﾀ6/8ﾀ=ﾀ3/4ﾀ", U"+ﾀ6/8ﾀ=+ﾀ3/4ﾀ",
       U"3/4", U"+3/4"},
      {3, 4, 1, 3, 3, 4, 1, 12, U"ﾀ3/4ﾀ", U"ﾀ3/4ﾀ", U"+ﾀ3/4ﾀ", U"ﾀ3/4ﾀ", U"+ﾀ3/4ﾀ", U"3/4",
       U"+3/4"},
      {-3, 4, -1, 2, -3, 4, 1, 12, U"ﾀ-3/4ﾀ", U"-ﾀ3/4ﾀ", U"-ﾀ3/4ﾀ", U"ﾀ-3/4ﾀ=-ﾀ3/4ﾀ",
       U"ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", U"-3/4", U"-3/4"},
      {-6, -8, 1, 2, 3, 4, 2, 24, U"ﾀ-6/-8ﾀ", U"ﾀ3/4ﾀ", U"+ﾀ3/4ﾀ", U"ﾀ-6/-8ﾀ=ﾀ3/4ﾀ",
       U"+ﾀ-6/-8ﾀ=+ﾀ3/4ﾀ", U"3/4", U"+3/4"},
      {-6, 3, -1, 1, -2, 1, 3, 6, U"ﾀ-6/3ﾀ", U"-2", U"-2", U"ﾀ-6/3ﾀ=-2", U"ﾀ-6/3ﾀ=-2", U"-2",
       U"-2"},
      {5, 1, 1, 1, 5, 1, -1, -1, U"ﾀ5/1ﾀ", U"5", U"+5", U"ﾀ5/1ﾀ=5", U"+ﾀ5/1ﾀ=+5", U"5", U"+5"},
      {5, -1, -1, 1, -5, 1, 1, 5, U"ﾀ5/-1ﾀ", U"-5", U"-5", U"ﾀ5/-1ﾀ=-5", U"ﾀ5/-1ﾀ=-5", U"-5",
       U"-5"},
      {0, 7, 1, 1, 0, 1, 7, 0, U"ﾀ0/7ﾀ", U"0", U"+0", U"ﾀ0/7ﾀ=0", U"+ﾀ0/7ﾀ=+0", U"0", U"+0"},
      {0, -3, 1, 1, 0, 1, 3, 0, U"ﾀ0/-3ﾀ", U"0", U"+0", U"ﾀ0/-3ﾀ=0", U"+ﾀ0/-3ﾀ=+0", U"0", U"+0"},
      {.5f, 2, 1, 2, 1, 4, .5f, 2, U"ﾀ.5/2ﾀ", U"ﾀ1/4ﾀ", U"+ﾀ1/4ﾀ", U"ﾀ.5/2ﾀ=ﾀ1/4ﾀ",
       U"+ﾀ.5/2ﾀ=+ﾀ1/4ﾀ", U"1/4", U"+1/4"},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.gcdResult = -1;
    l.lcmResult = -1;
    l.fracNum = c.num;
    l.fracDen = c.den;
    l.reduceFraction();
    SCOPED_TRACE(toUtf8(c.asGiven));
    EXPECT_EQ(l.fractionSign, c.sign);
    EXPECT_EQ(l.fractionKind, c.kind);
    EXPECT_EQ(l.fracNum, c.outNum);
    EXPECT_EQ(l.fracDen, c.outDen);
    EXPECT_EQ(l.gcdResult, c.gcd);
    EXPECT_EQ(l.lcmResult, c.lcm);
    EXPECT_EQ(l.fractionAsGiven, c.asGiven);
    EXPECT_EQ(l.fractionText, c.text);
    EXPECT_EQ(l.fractionTextSigned, c.textSigned);
    EXPECT_EQ(l.fractionWorking, c.working);
    EXPECT_EQ(l.fractionWorkingSigned, c.workingSigned);
    EXPECT_EQ(l.fractionPlusSign, c.sign == 1 ? U"+" : U"");
    EXPECT_EQ(l.fractionPlainText, c.plain);
    EXPECT_EQ(l.fractionPlainTextSigned, c.plainSigned);
    EXPECT_EQ(l.workText, c.plainSigned);
  }
}

TEST(ReduceFraction, ZeroDenominatorKeepsTheEarlierTexts) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.fracNum = 6;
  l.fracDen = 8;
  l.reduceFraction();
  l.fracNum = 3;
  l.fracDen = 0;
  l.reduceFraction();
  EXPECT_EQ(l.fractionKind, 0);
  EXPECT_EQ(l.fractionSign, 1);
  EXPECT_EQ(l.fracNum, 3);
  EXPECT_EQ(l.fracDen, 0);
  EXPECT_EQ(l.gcdResult, 2);  // from the earlier call
  EXPECT_EQ(l.fractionAsGiven, U"ﾀ3/0ﾀ");
  EXPECT_EQ(l.fractionText, U"ﾀ3/4ﾀ");
  EXPECT_EQ(l.fractionTextSigned, U"+ﾀ3/4ﾀ");
  EXPECT_EQ(l.fractionWorking, U"ﾀ3/0ﾀ=ﾀ3/4ﾀ");
  EXPECT_EQ(l.fractionWorkingSigned, U"+ﾀ3/0ﾀ=+ﾀ3/4ﾀ");
}

TEST(ReduceFraction, InfiniteNumeratorEndsWithoutHanging) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.fracNum = std::numeric_limits<float>::infinity();
  l.fracDen = 7;
  l.reduceFraction();  // Euclid's loop must stop although no remainder reaches 0
  EXPECT_NE(l.fractionKind, 0);
}

TEST(FractionHelpers, FloorModAndStripMarkup) {
  EXPECT_EQ(Lesson::floorMod(7, 3), 1);
  EXPECT_EQ(Lesson::floorMod(-7, 3), 2);
  EXPECT_EQ(Lesson::floorMod(7, -3), -2);
  EXPECT_EQ(Lesson::floorMod(0, 5), 0);

  LessonFixture fx;
  fx.lesson.workText = U"^a=ﾀ!2ﾝ/3ﾀ^2==ﾝ+-*ﾀ";
  fx.lesson.stripMarkup();
  EXPECT_EQ(fx.lesson.workText, U"a!2/32+-*");
}

TEST(AddFractions, CommonDenominatorSumAndWorking) {
  struct Case {
    float n1, d1, n2, d2;
    float den, scaled1, scaled2, sum;
    const char32_t* asGiven;  // first term
    const char32_t* termSigned1;
    const char32_t* text;  // second term
    const char32_t* textSigned;
    const char32_t* sumText;
    const char32_t* sumSigned;
    const char32_t* working;
    const char32_t* sumTerms;
  } cases[] = {
      {1, 6, 3, 4, 12, 2, 9, 11, U"ﾀ2/12ﾀ", U"+ﾀ2/12ﾀ", U"ﾀ9/12ﾀ", U"+ﾀ9/12ﾀ", U"ﾀ11/12ﾀ",
       U"+ﾀ11/12ﾀ", U"ﾀ2+9/12ﾀ", U"ﾀ2/12ﾀ+ﾀ9/12ﾀ"},
      {1, 2, 1, -3, 6, 3, -2, 1, U"ﾀ3/6ﾀ", U"+ﾀ3/6ﾀ", U"-ﾀ2/6ﾀ", U"-ﾀ2/6ﾀ", U"ﾀ1/6ﾀ", U"+ﾀ1/6ﾀ",
       U"ﾀ3-2/6ﾀ", U"ﾀ3/6ﾀ-ﾀ2/6ﾀ"},
      {2, 1, 1, 4, 4, 8, 1, 9, U"ﾀ8/4ﾀ", U"+ﾀ8/4ﾀ", U"ﾀ1/4ﾀ", U"+ﾀ1/4ﾀ", U"ﾀ9/4ﾀ", U"+ﾀ9/4ﾀ",
       U"ﾀ8+1/4ﾀ", U"ﾀ8/4ﾀ+ﾀ1/4ﾀ"},
      {1, 4, 1, 4, 4, 1, 1, 2, U"ﾀ1/4ﾀ", U"+ﾀ1/4ﾀ", U"ﾀ1/4ﾀ", U"+ﾀ1/4ﾀ", U"ﾀ2/4ﾀ", U"+ﾀ2/4ﾀ",
       U"ﾀ1+1/4ﾀ", U"ﾀ1/4ﾀ+ﾀ1/4ﾀ"},
      // Both parts negative: the value is positive.
      {-1, -2, 1, 3, 6, 3, 2, 5, U"ﾀ3/6ﾀ", U"+ﾀ3/6ﾀ", U"ﾀ2/6ﾀ", U"+ﾀ2/6ﾀ", U"ﾀ5/6ﾀ", U"+ﾀ5/6ﾀ",
       U"ﾀ3+2/6ﾀ", U"ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
      // A zero term (here over a negative denominator) and a zero sum are written as positive.
      {0, -2, -1, 3, 6, 0, -2, -2, U"ﾀ0/6ﾀ", U"+ﾀ0/6ﾀ", U"-ﾀ2/6ﾀ", U"-ﾀ2/6ﾀ", U"-ﾀ2/6ﾀ", U"-ﾀ2/6ﾀ",
       U"ﾀ0-2/6ﾀ", U"ﾀ0/6ﾀ-ﾀ2/6ﾀ"},
      {1, 3, -1, 3, 3, 1, -1, 0, U"ﾀ1/3ﾀ", U"+ﾀ1/3ﾀ", U"-ﾀ1/3ﾀ", U"-ﾀ1/3ﾀ", U"ﾀ0/3ﾀ", U"+ﾀ0/3ﾀ",
       U"ﾀ1-1/3ﾀ", U"ﾀ1/3ﾀ-ﾀ1/3ﾀ"},
  };
  for (const Case& c : cases) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.termNum1 = c.n1, l.termDen1 = c.d1, l.termNum2 = c.n2, l.termDen2 = c.d2;
    l.addFractions();
    SCOPED_TRACE(toUtf8(c.working));
    EXPECT_EQ(l.fracDen, c.den);
    EXPECT_EQ(l.scaledNum1, c.scaled1);
    EXPECT_EQ(l.scaledNum2, c.scaled2);
    EXPECT_EQ(l.sumNum, c.sum);
    EXPECT_EQ(l.fractionAsGiven, c.asGiven);
    EXPECT_EQ(l.termFractionSigned1, c.termSigned1);
    EXPECT_EQ(l.fractionText, c.text);
    EXPECT_EQ(l.fractionTextSigned, c.textSigned);
    EXPECT_EQ(l.sumFraction, c.sumText);
    EXPECT_EQ(l.sumFractionSigned, c.sumSigned);
    EXPECT_EQ(l.fractionWorking, c.working);
    EXPECT_EQ(l.sumTermsText, c.sumTerms);
  }
}

TEST(AddFractions, GcdOfDenominatorsOnlyWhenBothAreAboveOne) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.gcdResult = -1;
  l.termNum1 = 2, l.termDen1 = 1, l.termNum2 = 1, l.termDen2 = 4;
  l.addFractions();
  EXPECT_EQ(l.gcdResult, -1);
  EXPECT_EQ(l.termFraction1, U"ﾀ8/4ﾀ");
  EXPECT_EQ(l.termFraction2, U"ﾀ1/4ﾀ");

  l.termNum1 = 1, l.termDen1 = 6, l.termNum2 = -3, l.termDen2 = 4;
  l.addFractions();
  EXPECT_EQ(l.gcdResult, 2);
  EXPECT_EQ(l.lcmResult, 12);
  EXPECT_EQ(l.scaledNumText1, U"2");
  EXPECT_EQ(l.scaledNumText2, U"-9");
  EXPECT_EQ(l.termFraction2, U"ﾀ9/12ﾀ");
}

TEST(AddFractions, ZeroDenominatorIsADivisionByZero) {
  for (float den : {0.0f, -0.0f}) {
    LessonFixture fx;
    Lesson& l = fx.lesson;
    l.termNum1 = 1, l.termDen1 = 2, l.termNum2 = 1, l.termDen2 = den;
    try {
      l.addFractions();
      ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.code, kErrDivisionByZero);
    }
  }
}

}  // namespace
}  // namespace lesson
