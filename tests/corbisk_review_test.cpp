// Section 1's pages as the pupil sees them: what shows at a key wait part way
// through and at the end, how many key waits each page has, and that the
// graphs stay inside the review plane.
#include <gtest/gtest.h>

#include <cmath>
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

const Anchor kSubMenuLine{32, 666, 0, "①表式，変化の様子　②グラフ　③終了"};

TEST(CorbiskReview, PagesShowTheirStepsAndEndOnTheSubMenu) {
  struct Case {
    std::string name;
    std::string keys;
    int keyWaits;
    std::vector<Anchor> showing;
    std::vector<std::string> gone;  // texts that must not show
  } cases[] = {
      {"tables before the first key",
       "1 Enter 1 Enter",
       1,
       {
           {44, 30, 7, "課1"},
           {44, 100, 0, "①比例"},
           {56.5f, 131, 3, "x…0123…"},
           {52.5f, 203, 3, "y…0246…"},
           {44, 270, 0, "②反比例"},
           {56.5f, 301, 3, "x…0123…"},
           // No value of 6/x at x = 0: the cell shows "×".
           {52.5f, 373, 3, "y…×632…"},
           {396, 30, 0, "(1)関数の式は？"},
       },
       {"代入"}},
      {"tables with the working of question (1) and its answers",
       "1 Enter 1 Enter" + spaces(9),
       10,
       {
           {396, 120, 0, "①y=axにx=1,y=2を代入して"},
           {396, 180, 0, "　2=a×1　a=2"},
           {690, 180, 3, "　y=2x"},
           {396, 380, 0, "　6=1a　a=6"},
           // The answers stand on the question's line, 44 px after its text.
           {752, 30, 0, "①"},
           {786, 30, 3, "y=2x"},
           {926, 30, 0, "②"},
       },
       {"(2)"}},
      {"tables at the end: the working erased, questions (2) and (3) answered",
       "1 Enter 1 Enter" + spaces(15),
       15,
       {
           {44, 30, 7, "課1"},
           {52.5f, 373, 3, "y…×632…"},
           {396, 30, 0, "(1)関数の式は？"},
           {786, 30, 3, "y=2x"},
           {396, 100, 0, "(2)xが1ずつ増加するとyは？"},
           {440, 150, 0, "①"},
           {474, 150, 3, "2ずつ増加する"},
           {474, 200, 3, "減少のしかたが一定ではない"},
           {396, 270, 0, "(3)xが２倍、３倍…となると、yは？"},
           {474, 320, 3, "２倍、３倍…となる"},
           {440, 400, 0, "②"},
           {574, 390, 3, "1倍…となる"},
           kSubMenuLine,
       },
       {"代入", "a=2", "a=6"}},
      {"graphs before the first key",
       "1 Enter 2 Enter",
       1,
       {
           {44, 30, 7, "課2"},
           {132, 30, 0, "①y=2x②y=x"},
           {1108, 210, 3, "ア"},  // offset (0, -40) from its last dot (1108, 250)
           {1078, 100, 0, "イ"},  // no offset: the last dot (1078, 100)
           {1018, 70, 7, "ウ"},   // offset (0, -30) from its last dot (1018, 100)
           {44, 110, 0, "(1)①,②の関数のグラフは？"},
           {115, 160, 0, "①"},
       },
       {"ウ ", "グラフの特徴", "y=-3x"}},
      {"graphs at the end with the curves for a<0",
       "1 Enter 2 Enter" + spaces(6),
       6,
       {
           {149, 160, 3, "ウ"},
           {237, 160, 0, "②"},
           {271, 160, 3, "ア"},
           {44, 230, 0, "(2)グラフの特徴は？"},
           {88, 280, 0, "①"},
           {122, 280, 3, "原点を通る直線"},
           {136, 308, 0, "a>0のとき右上がり"},
           {136, 358, 0, "a<0のとき右下がり"},
           {899.973f, 459.919f, 7, "y=-3x"},  // y=-3x, 88 px left of its last dot (988, 460)
           {88, 430, 0, "②"},
           {122, 430, 3, "双曲線"},
           {255, 408, 0, "a<0のときは図の位置"},
           {1020, 340, 3, "y=-x"},  // y=-6/x, (-88, 30) from its last dot (1108, 310)
           kSubMenuLine,
       },
       {}},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CorbiskRun run(c.keys);
    const std::vector<TextLine> lines = run.lines();
    EXPECT_EQ(keyWaitBars(run.draws()), c.keyWaits);
    expectAnchors(lines, c.showing, {}, showsWhole);
    for (const std::string& text : c.gone) {
      EXPECT_FALSE(showsText(lines, text)) << text << "\nshowing:\n" << dump(lines);
    }
  }
}

// Every dot of every graph on page ②, the a<0 curves included, lies inside the
// plane (748, 100)-(1108, 460); only the a<0 curves reach the upper-left
// quarter, each in its family's colour (7 for the lines, 3 for the hyperbolas).
TEST(CorbiskReview, GraphsStayInsideThePlane) {
  CorbiskRun run("1 Enter 2 Enter" + spaces(6));
  int dots = 0, upperLeftLine = 0, upperLeftHyperbola = 0;
  for (const DrawOp& op : run.draws()) {
    if (op.kind != DrawOp::Kind::Circle || op.radius != 1) continue;
    ++dots;
    EXPECT_GE(op.y1, 100);
    EXPECT_LE(op.y1, 460);
    EXPECT_GE(op.x1, 748);
    EXPECT_LE(op.x1, 1108);
    if (op.x1 < 928 && op.y1 < 280) {
      upperLeftLine += op.color == 7;
      upperLeftHyperbola += op.color == 3;
    }
  }
  EXPECT_GT(dots, 0);
  EXPECT_GT(upperLeftLine, 0);
  EXPECT_GT(upperLeftHyperbola, 0);

  // Before the keys that show them, no graph in colour 3 or 7 reaches the
  // upper-left quarter (the line イ, in colour 0, does near the origin).
  CorbiskRun first("1 Enter 2 Enter");
  for (const DrawOp& op : first.draws()) {
    if (op.kind == DrawOp::Kind::Circle && op.radius == 1 && op.color != 0) {
      EXPECT_FALSE(op.x1 < 926 && op.y1 < 278) << op.x1 << " " << op.y1;
    }
  }
}

}  // namespace
}  // namespace lesson
