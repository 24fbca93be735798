// Section 3 pages ① to ③ as the pupil sees them: what shows part way through
// and at the end, how many key waits each step takes, and the random examples
// of the rate of change of y=-2x+7.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/platform/trace.h"
#include "support/page_checks.h"
#include "support/program_run.h"

namespace lesson {
namespace {

using testing::Anchor;
using testing::CorbiskRun;
using testing::dump;
using testing::expectAnchors;
using testing::keyWaitBars;
using testing::showsText;
using testing::showsWhole;
using testing::spaces;

const Anchor kSubMenuLine{16, 666, 0,
                          "①Ｐ６３ひろげ　②問１他　③Ｐ６４ひろげ　④説明　⑤問２　⑥反比例　⑦終了"};

TEST(CorbiskRatePagesA, PagesShowTheirStepsAndEndOnTheSubMenu) {
  struct Case {
    std::string name;
    std::string keys;
    int keyWaits;
    std::vector<Anchor> showing;
    std::vector<std::string> gone;  // texts that must not show anywhere
    std::vector<Anchor> absent;     // lines that must not show at their place
  } cases[] = {
      {"page ① before the first key: the y row holds no values",
       "3 Enter 1 Enter",
       1,
       {
           {38, 30, 3, "P63ひろげよう"},
           {48.5f, 131, 0, "x…-3-2-101234…"},
           {44.5f, 203, 0, "y…"},
           {601, 203, 0, "…"},
       },
       {"①", "-5-3-113579"},
       {}},
      {"page ① after the last y value: a second key is needed before question ①",
       "3 Enter 1 Enter" + spaces(9),
       10,
       {{121, 203, 5, "-5-3-113579"}},
       {"①"},
       {}},
      {"page ① with question ②: the arcs drawn, only the upper one labelled",
       "3 Enter 1 Enter" + spaces(12),
       13,
       {
           {764, 320, 5, "2ずつ増加する。"},
           {38, 370, 3, "②"},
           {254.5f, 86, 3, "2"},
       },
       {"③"},
       {{920, 370, 5, "4"}, {254.5f, 270, 5, "4"}}},
      {"page ① at the end: every increase labelled, the answer on question ⑤'s line",
       "3 Enter 1 Enter" + spaces(19),
       19,
       {
           {38, 30, 3, "P63ひろげよう"},
           {121, 203, 5, "-5-3-113579"},
           {920, 370, 5, "4"},
           {254.5f, 270, 5, "4"},  // under the y row, between x = -2 and 0
           {344.5f, 86, 3, "1"},
           {893, 420, 5, "2"},
           {344.5f, 270, 5, "2"},
           {464.5f, 86, 3, "3"},
           {893, 470, 5, "6"},
           {464.5f, 270, 5, "6"},
           {38, 520, 3, "⑤"},
           {99, 520, 0, "yの増加量は、xの増加量の何倍？"},
           {38, 250, 5, "yの増加量"},
           {669, 520, 5, "全部2倍"},
           kSubMenuLine,
       },
       {},
       {}},
      {"page ① opened again starts from an empty y row",
       "3 Enter 1 Enter" + spaces(19) + " 1 Enter",
       20,
       {{44.5f, 203, 0, "y…"}},
       {"-5-3-113579", "全部2倍"},
       {}},
      {"page ② after part (1): its values in the table, its increases beside it",
       "3 Enter 2 Enter" + spaces(9),
       10,
       {
           {38, 30, 0, "Q1"},
           {38, 150, 3, "<解答>"},
           {210.5f, 161, 0, "x5→9"},
           {253, 233, 3, "11"},
           {373, 233, 3, "19"},
           {479, 300, 3, "11"},
           {152, 400, 0, "だから、"},
           {382, 450, 3, "4"},
           {325, 160, 5, "4"},
           {436, 500, 3, "8"},
           {325, 255, 5, "8"},
       },
       {"(2)"},
       {}},
      {"page ② at the end: part (2) on the right, the rate of change defined",
       "3 Enter 2 Enter" + spaces(24),
       24,
       {
           {646, 80, 3, "(2)"},
           {646, 150, 3, "<解答>"},
           {818.5f, 161, 0, "x-5→1"},
           {861, 233, 3, "-9"},
           {994.5f, 233, 3, "3"},
           {612, 278, 0, "x=-5のときy=2×(-5)+1="},
           {760, 400, 0, "だから、"},
           {650, 428, 0, "xの増加量は、1-(-5)=1+5="},
           {1184, 450, 3, "6"},
           {933, 160, 5, "6"},
           {1184, 500, 3, "12"},
           {918, 255, 5, "12"},  // two digits: written from the arrow column's edge
           {40, 550, 3, "yの増加量は、xの増加量の何倍？"},
           {40, 600, 5, "どちらも2倍"},
           {848, 560, 5, "yの増加量"},
           kSubMenuLine,
       },
       {},
       {}},
      {"page ③ worked example ①, then the first random example starts at once",
       "3 Enter 3 Enter" + spaces(14),
       15,
       {
           {121, 143, 5, "131197531-1"},
           {38, 220, 3, "①"},
           {1118, 220, 5, "=-2"},
           {38, 290, 3, "②"},
           {103, 268, 0, "xの値が次のように変わるとき、変化の割合を求めよう。"},
       },
       {"③"},
       {}},
      {"page ③ after the pupil types 1: one more key before question ③",
       "3 Enter 3 Enter" + spaces(18) + " 1 Enter",
       19,  // the first example of this seed starts from a negative x
       {{38, 290, 3, "②"}},
       {"③"},
       {}},
      {"page ③ at the end: question ③ answered",
       "3 Enter 3 Enter" + spaces(18) + " 1 Enter" + spaces(2),
       20,
       {
           {38, 440, 3, "③"},
           {103, 418, 0, "xの増加量が1のとき、yの増加量は？"},
           {730, 440, 5, "-2"},
           kSubMenuLine,
       },
       {},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CorbiskRun run(c.keys);
    ASSERT_EQ(run.status, kReplayWaiting);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_EQ(keyWaitBars(run.draws()), c.keyWaits);
    expectAnchors(lines, c.showing, c.absent, showsWhole);
    for (const std::string& text : c.gone) {
      EXPECT_FALSE(showsText(lines, text)) << text << "\n" << dump(lines);
    }
  }
}

// A whole number as the working writes it.
std::string number(float value) {
  return std::to_string(static_cast<int>(value));
}

// The colour-3 texts of the example strip (y 350 to 440): fraction parts.
std::vector<std::string> stripFractionTexts(const std::vector<TextLine>& lines) {
  std::vector<std::string> out;
  for (const TextLine& line : lines) {
    if (line.color == 3 && line.y >= 340 && line.y < 440) out.push_back(line.text);
  }
  return out;
}

bool hasPrefix(const std::vector<std::string>& texts, const std::string& prefix) {
  for (const std::string& t : texts) {
    if (t.rfind(prefix, 0) == 0) return true;
  }
  return false;
}

// Over many seeds: two different x values in -3..4, the smaller first, worked
// with a first fraction only when x1 is negative, and always ending in -2.
TEST(CorbiskRatePagesA, RandomExamplesAreWorkedForEveryDraw) {
  int negativeFirst = 0, otherFirst = 0;
  for (int second = 0; second < 60; ++second) {
    char clock[16];
    std::snprintf(clock, sizeof clock, "00:%02d:%02d", second, second);
    SCOPED_TRACE(clock);
    // Four keys answer every step of an example; a spare one goes to the
    // next-step field, which ignores it.
    CorbiskRun run("3 Enter 3 Enter" + spaces(14 + 4), clock);
    ASSERT_EQ(run.status, kReplayWaiting);
    const float x1 = run.unit.numA(1), x2 = run.unit.numA(2);
    ASSERT_EQ(x1, std::floor(x1));
    ASSERT_EQ(x2, std::floor(x2));
    EXPECT_LE(-3, x1);
    EXPECT_LT(x1, x2);
    EXPECT_LE(x2, 4);
    const float y1 = -2 * x1 + 7, y2 = -2 * x2 + 7;

    const std::vector<TextLine> lines = run.lines();
    const bool negative = x1 < 0;
    (negative ? negativeFirst : otherFirst)++;
    EXPECT_EQ(keyWaitBars(run.draws()), 14 + (negative ? 4 : 3))
        << "the first fraction only for x1 < 0";
    const std::string interval = number(x1) + "から" + number(x2) + "まで";
    bool showsInterval = false;
    for (const TextLine& line : lines) {
      showsInterval |=
          line.color == 0 && line.y == 360 && line.text.size() >= interval.size() &&
          line.text.compare(line.text.size() - interval.size(), interval.size(), interval) == 0;
    }
    EXPECT_TRUE(showsInterval) << interval << "\n" << dump(lines);
    const std::vector<std::string> parts = stripFractionTexts(lines);
    // x1 subtracted: in parentheses in the first fraction, as "+|x1|" in the second.
    if (negative) {
      EXPECT_TRUE(hasPrefix(parts, number(x2) + "-(" + number(x1) + ")")) << dump(lines);
    } else {
      EXPECT_FALSE(hasPrefix(parts, number(x2) + "-(")) << dump(lines);
    }
    EXPECT_TRUE(hasPrefix(parts, number(y2) + "-" + number(y1) + "=")) << dump(lines);
    EXPECT_TRUE(hasPrefix(parts, number(x2) + (negative ? "+" : "-") + number(std::fabs(x1))))
        << dump(lines);
    // The differences, not reduced.
    EXPECT_TRUE(hasPrefix(parts, number(x2 - x1))) << dump(lines);
    EXPECT_TRUE(hasPrefix(parts, number(y2 - y1))) << dump(lines);
    bool endsInMinusTwo = false;
    for (const TextLine& line : lines) {
      endsInMinusTwo |= line.color == 5 && line.y == 360 && line.text == "=-2";
    }
    EXPECT_TRUE(endsInMinusTwo) << dump(lines);
  }
  EXPECT_GT(negativeFirst, 0);
  EXPECT_GT(otherFirst, 0);
}

// Any answer but 1 erases the example strip and draws a new example there.
TEST(CorbiskRatePagesA, AnswerOtherThanOneDrawsANewExample) {
  const std::string toFirst = "3 Enter 3 Enter" + spaces(14 + 4);
  CorbiskRun first(toFirst);
  bool changed = false;
  for (const std::string answer : {"0", "2", "5"}) {
    SCOPED_TRACE(answer);
    CorbiskRun next(toFirst + " " + answer + " Enter" + spaces(4));
    ASSERT_EQ(next.status, kReplayWaiting);
    int stripLines = 0;
    for (const TextLine& line : next.lines()) {
      stripLines += line.color == 0 && line.y == 360 && line.text.find("から") != std::string::npos;
    }
    EXPECT_EQ(stripLines, 1) << dump(next.lines());
    EXPECT_FALSE(showsText(next.lines(), "③"));
    changed |= next.unit.numA(1) != first.unit.numA(1) || next.unit.numA(2) != first.unit.numA(2);
  }
  EXPECT_TRUE(changed);
}

}  // namespace
}  // namespace lesson
