// Section 5 pages ① to ④ as the pupil sees them: what shows part way through
// and at the end, how many key waits each page has, where the figures stand,
// and the random points of the review quizzes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <utility>
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

const std::string kSubMenuLine =
    "①復習　②Ｐ６６ひろげ　③つづき　④説明　⑤例　⑥問１　⑦切片説明　⑧終了";

TEST(CorbiskIntercept, PagesShowTheirStepsAndEndOnTheSubMenu) {
  struct Case {
    std::string name;
    std::string keys;
    int keyWaits;
    std::vector<Anchor> showing;
    std::vector<std::string> gone;  // texts that must not show
    bool onSubMenu;                 // the sub-menu line shows at the end
    int penWidth;                   // the pen width in force at the end
  } cases[] = {
      {"review: y=2x at the end, after one example of each quiz",
       "5 Enter 1 Enter Space 1 Enter Space 1 Enter" + spaces(4),
       6,
       {
           {40, 30, 3, "y=2xのグラフをかきなさい。"},
           {40, 100, 5, "<比例のグラフのかきかた>"},
           {40, 150, 3, "原点以外に通る1点をみつけ、"},
           {40, 200, 3, "原点と結ぶ"},
           {930, 50, 3, "y=2x"},  // (-150, 0) from its last dot (1080, 50)
           {40, 350, 3, "比例のグラフは"},
           {278, 350, 5, "原点を通る直線"},
       },
       {"次の点"},
       true,
       5},
      {"graph by points: the x row whole, the y row empty",
       "5 Enter 2 Enter",
       1,
       {
           {40, 30, 7, "P66一次関数y=2x+3のグラフをかこう。"},
           {40, 90, 3, "(1)"},
           {121, 90, 0, "表を完成しよう。"},
           {50.5f, 131, 0, "x…-3-2-10123…"},
           // Seven empty cells between "y…" and the closing "…".
           {46.5f, 203, 0, "y…"},
           {543, 203, 0, "…"},
       },
       {"(2)"},
       false,
       3},
      {"graph by points: three y values revealed",
       "5 Enter 2 Enter" + spaces(3),
       4,
       {{123, 203, 5, "-3-11"}, {543, 203, 0, "…"}},
       {"(2)"},
       false,
       3},
      {"graph by points at the end",
       "5 Enter 2 Enter" + spaces(21),
       21,
       {
           {40, 260, 3, "(2)"},
           {121, 260, 0, "点を右図にかこう。"},
           {40, 320, 3, "(3)"},
           {1072, 10, 7, "y=2x"},  // (-120, -50) from its last dot (1192, 60)
           {40, 380, 3, "(4)"},
           {121, 430, 0, "どうなりそうですか。"},
           {121, 490, 3, "y=2xのグラフに平行な直線になりそう。"},
       },
       {},
       true,
       3},
      {"parallel shift: the first screen",
       "5 Enter 3 Enter",
       1,
       {
           {40, 30, 7, "一次関数y=2x+3のグラフをかこう。"},
           {40, 80, 3, "y=2x+3とy=2xの関係を調べよう"},
           {90.5f, 121, 0, "x…-3-2-10123…"},
           {73, 193, 0, "2x…-6-4-20246…"},
           {46, 243, 5, "2x+3…-3-113579…"},
       },
       {"(1)"},
       false,
       3},
      {"parallel shift at the end",
       "5 Enter 3 Enter" + spaces(22),
       22,
       {
           {40, 300, 3, "(1)"},
           {121, 300, 0, "表で、2xの値と2x+3の値の関係は？"},
           {40, 410, 3, "(2)"},
           {40, 460, 5, "上方に3だけ平行移動した点"},
           {956.934f, 10.1311f, 3, "y=2x+3"},  // (-120, -50) from its last dot (1077, 60)
           {40, 520, 3, "(3)"},
           {40, 570, 5, "y=2xのグラフに平行で、y軸上の点(0,3)を通る直線"},
       },
       {},
       true,
       5},
      {"proportion graph relation, drawn at once",
       "5 Enter 4 Enter",
       0,
       {
           {76, 30, 3, "<比例のグラフとの関係>"},
           {76, 180, 5, "y軸の正の方向にbだけ平行移動"},
           {76, 230, 0, "させた"},
           {178, 230, 3, "直線"},
           // Each line's label, moved from its last dot at x = 2.
           {83, 380, 3, "y=ax+b"},
           {218, 570, 7, "y=ax"},
           {457, 540, 3, "y=ax+b"},
           {403, 350, 7, "y=ax"},
           {232, 470, 5, "b"},
           {498, 470, 5, "b"},
       },
       {},
       true,
       4},
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
    EXPECT_EQ(showsText(lines, kSubMenuLine), c.onSubMenu) << dump(lines);
    EXPECT_EQ(run.unit.getDrawWidth(), c.penWidth);
  }
}

// The centres of the filled discs of one radius and colour, in drawing order.
std::vector<Point> discs(const std::vector<DrawOp>& draws, float radius, int color) {
  std::vector<Point> out;
  for (const DrawOp& op : draws) {
    if (op.kind == DrawOp::Kind::Circle && op.filled && op.radius == radius && op.color == color)
      out.push_back({op.x1, op.y1});
  }
  return out;
}

// The vertical lines of one colour: arrow shafts along a grid column.
std::vector<DrawOp> verticalLines(const std::vector<DrawOp>& draws, int color) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : draws) {
    if (op.kind == DrawOp::Kind::Line && op.color == color && op.x1 == op.x2) out.push_back(op);
  }
  return out;
}

bool contains(const std::vector<Point>& points, Point p) {
  for (const Point& q : points) {
    if (std::fabs(q.x - p.x) < 0.01f && std::fabs(q.y - p.y) < 0.01f) return true;
  }
  return false;
}

TEST(CorbiskIntercept, FiguresStandWhereTheirValuesPutThem) {
  {
    SCOPED_TRACE("graph by points: origin (992, 460), 40 px a unit");
    CorbiskRun run("5 Enter 2 Enter" + spaces(21));
    const std::vector<Point> points = discs(run.draws(), 6, 3);
    ASSERT_EQ(points.size(), 7u);
    for (int i = 0; i < 7; ++i) {
      const float x = static_cast<float>(i - 3);
      EXPECT_FLOAT_EQ(points[i].x, 992 + 40 * x);
      EXPECT_FLOAT_EQ(points[i].y, 460 - 40 * (2 * x + 3));
    }
    // The row of dots runs from the bottom edge to the top edge of the plane
    // and passes through the seven points.
    const std::vector<Point> dots = discs(run.draws(), 2, 3);
    ASSERT_EQ(dots.size(), 71u);
    EXPECT_FLOAT_EQ(dots.front().x, 852);
    EXPECT_FLOAT_EQ(dots.front().y, 620);
    EXPECT_FLOAT_EQ(dots.back().x, 1132);
    EXPECT_FLOAT_EQ(dots.back().y, 60);
    for (const Point& p : points) EXPECT_TRUE(contains(dots, p)) << p.x << " " << p.y;
  }
  {
    SCOPED_TRACE("parallel shift: origin (942, 420), 30 px a unit");
    CorbiskRun run("5 Enter 3 Enter" + spaces(22));
    const std::vector<Point> upper = discs(run.draws(), 6, 3);  // y=2x+3, x -4 to 4
    const std::vector<Point> lower = discs(run.draws(), 6, 7);  // y=2x, x -2 to 4
    ASSERT_EQ(upper.size(), 9u);
    ASSERT_EQ(lower.size(), 7u);
    // Each arrow rises from 6 px above a point of y=2x to 6 px below the point
    // of y=2x+3 straight above it, drawn with pen width 5.
    const std::vector<DrawOp> shafts = verticalLines(run.draws(), 9);
    ASSERT_EQ(shafts.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
      const float x = static_cast<float>(i) - 2;
      EXPECT_FLOAT_EQ(lower[i].x, 942 + 30 * x);
      EXPECT_FLOAT_EQ(lower[i].y, 420 - 30 * 2 * x);
      EXPECT_EQ(shafts[i].x1, lower[i].x);
      EXPECT_EQ(shafts[i].y1, lower[i].y - 6);
      EXPECT_EQ(shafts[i].y2, lower[i].y - 84);
      EXPECT_EQ(shafts[i].width, 5);
      EXPECT_TRUE(contains(upper, {lower[i].x, lower[i].y - 90}));
    }
    const std::vector<Point> dots = discs(run.draws(), 2, 3);
    ASSERT_EQ(dots.size(), 35u);
    EXPECT_FLOAT_EQ(dots.front().x, 822);
    EXPECT_FLOAT_EQ(dots.front().y, 570);
    EXPECT_FLOAT_EQ(dots.back().x, 1077);
    EXPECT_FLOAT_EQ(dots.back().y, 60);
    for (const Point& p : upper) EXPECT_TRUE(contains(dots, p)) << p.x << " " << p.y;
  }
  {
    SCOPED_TRACE("proportion graph relation: the frame and the arrows to the intercepts");
    CorbiskRun run("5 Enter 4 Enter");
    bool framed = false;
    for (const DrawOp& op : run.draws()) {
      framed |= op.kind == DrawOp::Kind::Box && op.color == 9 && op.width == 10 && op.x1 == 38 &&
                op.y1 == 16 && op.x2 == 608 && op.y2 == 291;
    }
    EXPECT_TRUE(framed);
    // Up from the left origin (212, 560) to (0, 3); down from the right origin
    // (478, 440) to (0, -3).
    const std::vector<DrawOp> shafts = verticalLines(run.draws(), 5);
    ASSERT_EQ(shafts.size(), 2u);
    const float expected[2][3] = {{212, 560, 470}, {478, 440, 530}};
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(shafts[i].x1, expected[i][0]);
      EXPECT_EQ(shafts[i].y1, expected[i][1]);
      EXPECT_EQ(shafts[i].y2, expected[i][2]);
      EXPECT_EQ(shafts[i].width, 4);
    }
  }
}

// ---- The review quizzes -----------------------------------------------------

// One example of a review quiz as drawn after a clear of the whole window.
struct QuizExample {
  bool whichPoint = false;        // the which-point quiz (it has candidates)
  std::vector<Point> candidates;  // the which-point quiz's A, B, C, D in maths units
  Point point{};                  // the point of the example in maths units
  bool hasPoint = false;
  std::vector<std::pair<float, std::string>> textParts;  // the coordinates' text by x
  std::string text() const {
    std::vector<std::pair<float, std::string>> parts = textParts;
    std::sort(parts.begin(), parts.end());
    std::string out;
    for (const auto& p : parts) out += p.second;
    return out;
  }
  int quadrant() const {
    if (point.x > 0) return point.y > 0 ? 1 : 4;
    return point.y > 0 ? 2 : 3;
  }
};

// The quiz plane's origin is (704, 364), 44 px a unit.
Point mathsPoint(float x, float y) {
  return {(x - 704) / 44, (364 - y) / 44};
}

std::vector<QuizExample> quizExamples(const std::vector<DrawOp>& draws) {
  std::vector<QuizExample> out;
  QuizExample current;
  bool titled = false;
  auto finish = [&] {
    if (titled) out.push_back(current);
    current = QuizExample{};
    titled = false;
  };
  for (const DrawOp& op : draws) {
    if (op.kind == DrawOp::Kind::Fill && op.x1 == 0 && op.y1 == 0) {
      finish();
      continue;
    }
    if (op.kind == DrawOp::Kind::Symbol && op.x1 == 44 && op.y1 == 30 && op.text == U"次") {
      titled = true;
    }
    if (!titled) continue;
    if (op.kind == DrawOp::Kind::Circle && op.radius == 12 && op.color == 3) {
      current.whichPoint = true;
      current.candidates.push_back(mathsPoint(op.x1, op.y1));
    }
    // The answer dot of the which-point quiz (colour 5) or the point to name (3).
    if (op.kind == DrawOp::Kind::Circle && op.radius == 15) {
      current.point = mathsPoint(op.x1, op.y1);
      current.hasPoint = true;
    }
    // The coordinates' text at (88, 110); formula text draws a minus as a line.
    if (op.kind == DrawOp::Kind::Symbol && op.y1 == 110 && op.x1 >= 88 && op.x1 < 400) {
      std::string utf8;
      for (char32_t ch : op.text) utf8 += static_cast<char>(ch);
      current.textParts.push_back({op.x1, utf8});
    }
    if (op.kind == DrawOp::Kind::Line && op.y1 == 130 && op.y2 == 130 && op.x1 >= 88 &&
        op.x1 < 400) {
      current.textParts.push_back({op.x1, "-"});
    }
  }
  finish();
  return out;
}

std::string coordinatesText(Point p) {
  std::ostringstream out;
  out << "(" << p.x << "," << p.y << ")";
  return out.str();
}

// Each example: a key for the wait, then the typed answer at the next-step box.
std::string quizKeys(const std::vector<std::string>& typed) {
  std::string out;
  for (const std::string& t : typed) out += " Space " + t + " Enter";
  return out;
}

// Every example of both quizzes over two visits of the page, under several
// seeds: the point is one of four candidates of a and b in 1..5, its text names
// it, only the first quadrant comes twice in a row (also from one quiz to the
// next and from one visit to the next), and any answer but 1 draws a new example.
TEST(CorbiskIntercept, ReviewQuizzesDrawNewPointsUntilOne) {
  const std::vector<std::string> firstQuiz = {"2", "0", "-1", "2", "2", "2", "2", "2",
                                              "2", "2", "2",  "2", "2", "2", "1"};
  const std::vector<std::string> secondQuiz = {"5", "2", "2", "2", "2", "2", "2", "2", "1"};
  const std::vector<std::string> again = {"2", "2", "2", "1"};
  const std::string keys = "5 Enter 1 Enter" + quizKeys(firstQuiz) + quizKeys(secondQuiz) +
                           spaces(4) + " 1 Enter" + quizKeys(again) + quizKeys({"1"}) + spaces(4);

  for (const std::string clock : {"00:00:00", "01:02:03", "12:30:45", "23:59:59"}) {
    SCOPED_TRACE(clock);
    CorbiskRun run(keys, clock);
    const std::vector<QuizExample> examples = quizExamples(run.draws());

    // Which-point, coordinates, which-point, coordinates: the counts of the
    // answers typed.
    const std::vector<std::pair<bool, std::size_t>> runs = {
        {true, firstQuiz.size()}, {false, secondQuiz.size()}, {true, again.size()}, {false, 1}};
    std::size_t total = 0;
    for (const auto& r : runs) total += r.second;
    ASSERT_EQ(examples.size(), total);

    std::size_t at = 0;
    for (const auto& [whichPoint, count] : runs) {
      std::set<std::pair<float, float>> distinct;
      for (std::size_t i = 0; i < count; ++i, ++at) {
        const QuizExample& e = examples[at];
        SCOPED_TRACE(at);
        EXPECT_EQ(e.whichPoint, whichPoint);
        ASSERT_TRUE(e.hasPoint);
        const float a = std::fabs(e.point.x), b = std::fabs(e.point.y);
        EXPECT_TRUE(a >= 1 && a <= 5 && a == std::floor(a)) << a;
        EXPECT_TRUE(b >= 1 && b <= 5 && b == std::floor(b)) << b;
        EXPECT_EQ(e.text(), coordinatesText(e.point));
        if (whichPoint) {
          ASSERT_EQ(e.candidates.size(), 4u);
          const Point expected[] = {{a, b}, {-a, b}, {-a, -b}, {a, -b}};  // A, B, C, D
          for (int k = 0; k < 4; ++k) {
            EXPECT_FLOAT_EQ(e.candidates[k].x, expected[k].x);
            EXPECT_FLOAT_EQ(e.candidates[k].y, expected[k].y);
          }
        }
        if (at > 0 && examples[at - 1].quadrant() == e.quadrant()) {
          EXPECT_EQ(e.quadrant(), 1);
        }
        distinct.insert({e.point.x, e.point.y});
      }
      if (count > 3) {
        EXPECT_GT(distinct.size(), 1u);
      }
    }
  }
}

}  // namespace
}  // namespace lesson
