// Section 8 answers ⑦ and ⑧. ⑦ reads two walks from a distance-time graph
// (one walker rests on the way, the other comes back the other way) and finds
// where and when they meet; its second screen erases the text above the line
// it still needs and goes on from the top. ⑧ shows from a table of values that
// y grows by the same step for each step of x, so y is a linear function of x.
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/section8_shapes.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

// ---- Answer ⑦: the meeting of the two walkers ----------------------------------

// The points of the walks in plane units (one x unit 10 minutes from 9
// o'clock, one y unit 1 km from P地点), kept in markX/markY(slot) in this
// order: O (only its place), A, B, C and D, E.
const Lesson::GraphDot kWalkPoints[] = {
    {0, 0, 0.1f, 0, U""},        {6, 4, 5, 0, U"A", 0, -8},  {8, 4, 5, 0, U"B", 0, -8},
    {20, 12, 5, 0, U"C", 0, -8}, {6, 12, 5, 0, U"D", 0, -8}, {12, 0, 5, 0, U"E", 15, 0},
};
const Lesson::GraphDot kMeetingPoint{9.5f, 5, 5, 3, U"P", 15, 0};

const std::vector<Stretch> kRestAndSpeed{
    {labelLine(7, 60, U"(1)"), same(0, U"AからBの間で、"), newLine(0, 50, U"1マス10分だから "),
     same(3, U"20分")},
    {labelLine(7, 60, U"(2)"), same(0, U"OからAまで、60分で4km"),
     newLine(0, 60, U"進むから ﾀ4/60ﾀ="), same(3, U"ﾀ1/15ﾀ(km／分)")},
};

const Stretch kWhatToFind{
    labelLine(7, 60, U"(3)"),
    same(0, U"Pの座標を求めればよい。"),
};
const Stretch kLineBC{
    newLine(0, 60, U"直線BCを y=ﾀ1/15ﾀx+bとして"),
    newLine(0, 60, U"x=80,y=4 を代入すると、4=ﾀ1/15ﾀ*80+b 4=ﾀ16/3ﾀ+b b=ﾀ12/3ﾀ-ﾀ16/3ﾀ"),
};
const Stretch kLineBCEnd{
    newLine(0, 60, U"=-ﾀ4/3ﾀ だから "),
    same(3, U"y=ﾀ1/15ﾀx-ﾀ4/3ﾀ…①"),
};
const Stretch kLineDE{
    same(0, U"直線DEは、60分で12km進むから ", 40),
    newLine(0, 60, U"y=-ﾀ12/60ﾀx+bとしてx=60,y=12 を代入すると、12=-ﾀ12/60ﾀ*60+b "),
    newLine(0, 60, U"12=-12+b b=12+12=24 だから "),
    same(3, U"y=-ﾀ1/5ﾀx+24…②"),
};

// The second screen, from the top of the page.
const std::vector<Stretch> kMeeting{
    {newLine(0, 0, U"①②から、ﾀ1/15ﾀx-ﾀ4/3ﾀ=-ﾀ1/5ﾀx+24")},
    {newLine(0, 60, U"x-20=-3x+360"), newLine(0, 50, U"x+3x=360+20  4x=380"),
     newLine(3, 50, U"x=95 (9時95分)")},
    {newLine(0, 50, U"②に代入して、y=-ﾀ1/5ﾀ*95+24"), newLine(0, 50, U"y=-19+24="), same(3, U"5")},
    {newLine(0, 50, U"Q地点からは、12-5=7")},
    {newLine(5, 50, U"午前10時35分でQ地点から7km")},
};

// ---- Answer ⑧: a table of values that is a linear function ------------------

const Text kXRow[] = {U"x", U"0", U"10", U"20", U"30", U"40", U"50", U"60"};
const Text kYRow[] = {U"y", U"10.0", U"11.7", U"13.4", U"15.1", U"16.8", U"18.5", U"20.2"};

// The columns' left edges in markX(11..19), their centres in markX(22..28) and
// the rows' edges in markY(11..13).
constexpr float kFirstEdge = 11;
constexpr float kFirstCentre = 22;
constexpr float kXRowTop = 11, kYRowTop = 12, kTableBottom = 13;

// One row of the table: its texts go through numTextA(1..8), one cell each.
void drawTableRow(Lesson& page, const Text (&texts)[8], float rowTop) {
  for (int i = 1; i <= 8; ++i) page.numTextA(static_cast<float>(i)) = texts[i - 1];
  for (page.loopIndex = 1; page.loopIndex <= 8; ++page.loopIndex) {
    const float left = page.markX(kFirstEdge - 1 + page.loopIndex);
    page.penX = left;
    page.penY = page.markY(rowTop);
    page.boxWidth = page.markX(kFirstEdge + page.loopIndex) - left;
    page.boxHeight = 50;
    page.workText = page.numTextA(page.loopIndex);
    page.textColor = 0;
    page.lineColor = 0;
    page.plotColor = 15;
    page.drawTextBox();
  }
}

// The six dotted arcs between neighbouring value columns' centres on the edge
// at markY(edge), on the side `side` (-1 above, 1 below), each labelled.
void drawStepArcs(Lesson& page, float edge, float side, const Text& label) {
  for (float markFrom = kFirstCentre; markFrom < kFirstCentre + 6; ++markFrom) {
    const float markTo = markFrom + 1;
    page.arrowHeadX = page.markX(markFrom);
    page.arrowHeadY = page.markY(edge);
    page.pointBX = page.markX(markTo);
    page.pointBY = page.markY(edge);
    page.pointLabel = label;
    page.textColor = 5;
    page.lineColor = 3;
    page.arcSide = side;
    page.arcHeight = 20;
    page.boxWidth = 8;
    page.angleLabelDx = 0;
    page.angleLabelDy = 0;
    page.drawLengthArc();
  }
}

const Stretch kConclusionStart{newLine(0, 50, U"したがって、xとyの関係は ")};
const Stretch kConclusionEnd{
    // y is 10 at x = 0 and grows by 1.7 for every 10 of x.
    same(3, U"y=0.17x+10 "),
    same(0, U"と表されるから、"),
    newLine(0, 50, U"yはxの一次関数とみることができる。"),
};

}  // namespace

void TessarinUnit::drawMeetingGraph() {
  // Only the even kilometres are numbered; the hours are written below.
  graphXStep = 1;
  graphYStep = 1;
  xNumberEvery = 23;
  yNumberEvery = 2;
  drawGraphDecimalNumbers();

  float slot = 0;
  for (const GraphDot& point : kWalkPoints) {
    plotDot(point);
    markX(slot) = pointScreenX;
    markY(slot) = pointScreenY;
    ++slot;
  }

  struct Caption {
    float color;
    float x, y;
    Text text;
  };
  const float hourY = markY(0) + 4;
  const Caption captions[] = {
      {7, markX(0) - 60, markY(0) + 20, U"午前9"},
      {7, markX(1) - 20, hourY, U"10"},
      {7, markX(5) - 20, hourY, U"11"},
      {7, markX(5) + 6 * gridUnit - 20, hourY, U"12"},
      {0, plotRight - 30, originY, U"時"},
      {0, originX - 50, plotTop - 40, U"km"},
      {7, originX, plotTop - 40, U"Q地点"},
      {7, markX(0) - 60, markY(0) - 35, U"P地点"},
      {3, markX(4) + 10, plotTop - 40, U"かりんさん"},
      {3, markX(3) - 160, plotTop - 40, U"けいたさん"},
  };
  for (const Caption& caption : captions) {
    textColor = caption.color;
    penX = caption.x;
    penY = caption.y;
    mathText = caption.text;
    drawSmallText();
  }

  // The walks O-A-B-C and D-E as broken lines through their slots.
  auto walk = [this](float markFrom, float markTo) {
    std::vector<PolyPoint> points;
    for (float i = markFrom; i <= markTo; ++i) points.push_back({markX(i), markY(i)});
    connect(0, points);
  };
  walk(0, 3);
  walk(4, 5);

  plotDot(kMeetingPoint);
  markX(6) = pointScreenX;
  markY(6) = pointScreenY;
}

void TessarinUnit::masterAnswer7Page() {
  startPage(*this, {.labelX = 30, .marginX = 30 + 54, .firstLine = 20, .penWidth = 5});
  masterPageHeader(30, U"7");
  drawPlane({680, 50, 0, 21, 0, 12, 25, 14, -1});
  drawMeetingGraph();
  waitKeyPrompt();

  revealStretches(*this, kRestAndSpeed, KeyWait::AfterEach);

  flowText(kWhatToFind);
  textMarginX = itemLabelX;
  flowText(kLineBC);
  // The substitution line stays on the second screen: the erase ends at its top.
  savedY(1) = textLineY;
  flowThenWait(*this, kLineBCEnd);

  flowThenWait(*this, kLineDE);

  // The second screen: the text above the substitution line goes, the graph at
  // the right stays.
  fillBox(0, 0, 600, savedY(1), 15, 15);
  itemLabelX = 30;
  textMarginX = 30;
  textLineY = 20;
  setDrawWidth(5);
  revealStretches(*this, kMeeting, KeyWait::Between);
}

void TessarinUnit::masterAnswer8Page() {
  startPage(*this, {.labelX = 40, .marginX = 40, .firstLine = 30, .penWidth = 5});
  masterPageHeader(30, U"8");

  markX(kFirstEdge) = textMarginX + 40;
  for (float i = kFirstEdge + 1; i <= kFirstEdge + 8; ++i) markX(i) = markX(i - 1) + 120;
  for (float i = kFirstCentre; i <= kFirstCentre + 6; ++i) markX(i) = markX(i - 10) + 60;
  markY(kXRowTop) = textLineY + 120;
  markY(kYRowTop) = markY(kXRowTop) + 50;
  markY(kTableBottom) = markY(kYRowTop) + 50;
  drawTableRow(*this, kXRow, kXRowTop);
  drawTableRow(*this, kYRow, kYRowTop);
  waitKeyPrompt();

  drawStepArcs(*this, kXRowTop, -1, U"10");
  waitKeyPrompt();
  drawStepArcs(*this, kTableBottom, 1, U"1.7");
  waitKeyPrompt();

  textLineY = markY(kTableBottom);
  revealStretches(*this,
                  {
                      {newLine(0, 70, U"xの値が10ずつ増えるごとに、yの値は1.7ずつ増えている。")},
                      kConclusionStart,
                      kConclusionEnd,
                  },
                  KeyWait::Between);
}

}  // namespace lesson
