// The equations-and-graphs unit of Tessarin.
#pragma once

#include "framework/lesson.h"

namespace lesson {

// The plane of section 1's random examples (pages ② and ⑤): x and y from -10
// to 10, 25 px a unit, right of the text.
inline constexpr Lesson::PlaneSettings kSection1ExamplePlane{646, 100, -10, 10, -10, 10, 25};

class TessarinUnit : public Lesson {
 public:
  TessarinUnit(Platform& platform, std::string name)
      : Lesson(platform, std::move(name), Variant::Tessarin) {}

 protected:
  void showUnitMenu() override;

 private:
  void equationGraphSection();
  void showGraphGoal();

  // Section 1 pages ① to ③.
  void solutionsBecomeLinePage();
  void slopeInterceptExample();
  void showEquationGraphExample();
  // (end of section 1 pages ① to ③)

  // Section 1 pages ④ to ⑦.
  void showQuestion1Answers();
  void interceptGraphExample();
  void interceptAnswersPage();
  void integerPointsExplainPage();
  // Page ⑤'s random equation ax+by=c with whole intercepts, in numA/numB and their texts.
  void makeInterceptEquation();
  // (end of section 1 pages ④ to ⑦)

  // Section 2: y=k and x=h — entry, banner, sub-menu and pages.
  void constantLineSection();
  void showParallelGoal();
  void horizontalLineExamplePage();
  void horizontalLineAnswersPage();
  void verticalLineExamplePage();
  void verticalLineAnswersPage();
  void axisLineAnswersPage();
  void constantLineSummaryPage();
  // (end of section 2)

  // Section 3: practice of textbook p.81.
  void equationPracticeSection();
  void practiceAnswersPage();
  // (end of section 3)

  // Section 4: simultaneous equations and graphs.
  void simultaneousGraphSection();
  void showIntersectionGoal();
  void intersectionIntroPage();
  void intersectionProblem1Page();
  void randomIntersectionExamplePage();
  void intersectionAnswerPage();
  // (end of section 4)

  // Section 5: applications.
  void applicationSection();
  void showApplicationGoal();
  // Pages ① to ④.
  void damStoragePage();
  void tripGraphReadingPage();
  void bicycleMeetingPage();
  void explainMeetingPage();
  // The dam's x/y value table, 60 px below the line at textLineY from x =
  // itemLabelX; leaves textLineY at the top of its y row, textEndX past its "y".
  void drawDamTable();
  // The walk's distance-time graph from (graphLeft, graphTop): x 0..100 minutes,
  // y 0..6 km, 45 px a cell; A, B, the stop's end and C kept in markX/markY(0..3).
  void drawTripGraph();
  // (end of section 5)

  // Section 6: problems on figures.
  void areaChangeSection();
  void showAreaChangeGoal();
  void movingPointPage();
  void areaFormulaPage();
  void areaGraphPage();
  // P going round rectangle ABCD one cell a key until the key "1".
  void animateMovingPoint();
  // The three stages of triangle APD side by side over a square grid of 15 x 3
  // cells of 70 px (1 cm) from x 152 and y `top`, which the figures replace;
  // leaves the corners of figure k (0, 1, 2) in markX/markY slots 10k + 1 (A)
  // to 10k + 5 (P).
  void drawPointStages(float top);
  float stepCount = 0;  // P's place round the rectangle: 0 at A, 6 B, 14 C, 20 D
  // A dotted length arc between the points kept in markX/markY slots `from`
  // and `to`, bulging 20 px on drawLengthArc's side `side`, a dot every 5
  // degrees in `dotColor`; `label` (empty: none) in `labelColor` at its apex,
  // moved by (labelDx, labelDy).
  struct SlotArc {
    float from, to, side;
    Text label;
    float labelColor, dotColor;
    float labelDx = 0, labelDy = 0;
  };
  void drawSlotArc(const SlotArc& arc);
  // (end of section 6)

  // Section 7: first review set.
  void confirmLearningSection();
  // The two tags that open every answer page: "学びをたしかめよう" at
  // (itemLabelX, textLineY) and the item's number 10 px right of it; leaves
  // textEndX at the number tag's right edge and textLineY at the tags' top.
  void confirmPageHeader(const Text& number);
  void confirmAnswer1Page();
  void confirmAnswer2Page();
  void confirmAnswer3Page();
  void confirmAnswer4Page();
  void confirmAnswer5Page();
  void confirmAnswer6Page();
  void confirmAnswer7Page();
  void confirmAnswer8Page();
  // (end of section 7)

  // Section 8: second review set.
  void masterLearningSection();
  // The two tags that open every answer page: "学びを身につけよう" at
  // (textMarginX, textLineY) and the number tag `gap` px right of it; leaves
  // textEndX at the number tag's right edge and textLineY at the tags' top.
  void masterPageHeader(float gap, const Text& number);
  void masterAnswer1Page();
  void masterAnswer2Page();
  void masterAnswer3Page();
  void masterAnswer4Page();
  void masterAnswer5Page();
  void masterAnswer6Page();
  void masterAnswer7Page();
  void masterAnswer8Page();
  // Page ⑦'s distance-time graph of the two walks on the plane just drawn;
  // leaves the points O, A, B, C, D, E, P in markX/markY(0..6).
  void drawMeetingGraph();
  // (end of section 8)
};

}  // namespace lesson
