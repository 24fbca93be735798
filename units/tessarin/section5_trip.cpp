// Section 5 pages ② to ④ on the walk's distance-time graph: reading the
// graph (what A, B, C stand for, the speeds, the distance left after 25
// minutes, the last stretch's equation), the uncle's bicycle meeting the
// walker (his line, its equation and the crossing solved), and where they
// would meet had he left half an hour earlier.
#include <vector>

#include "framework/page_steps.h"
#include "units/tessarin/section5_flow.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

namespace {

using namespace application;

// The graph's plane units: 10 minutes a column, 1 km a row.
constexpr float kMinuteStep = 10;
constexpr float kKmStep = 1;

void plotTripMark(Lesson& page, const Mark& mark) {
  plotMark(page, mark, kMinuteStep, kKmStep);
}

// The walk: home A, the store B, the end of the stop, the uncle's house C.
const Mark kWalk[4] = {
    {0, 0, 0, 1, 3, U"A", -15},
    {1, 30, 3, 1, 3, U"B"},
    {2, 50, 3, 1, 3, U""},
    {3, 90, 5, 1, 3, U"C"},
};

// The uncle's start D at 10 o'clock, E 20 minutes later, and where his line
// meets the time axis.
const Mark kUncleStart{11, 60, 5, 6, 7, U"D"};
const Mark kUncleLater{12, 80, 1, 6, 7, U"E", 30};
const Mark kUncleEnd{13, 85, 0, 1, 7, U"", 30};

// The uncle's line from D to the time axis, through E.
void drawUncleLine(Lesson& page) {
  lineBetweenMarks(page, 11, 13, 7);
}

// "10時" under the line x = 60.
void writeTenOClock(Lesson& page) {
  page.writeAt(7, page.markX(0) + 6 * page.gridUnit - 54, page.markY(0) + 35, U"10時");
}

// The trip graph's place: 70 px below the current line at the right of the page.
void placeTripGraph(Lesson& page) {
  page.graphLeft = 720;
  page.graphTop = page.textLineY + 70;
}

// A dotted straight length mark from mark `from` to mark `to`, labelled "2.5km"
// in `color`.
void lengthMark(Lesson& page, float from, float to, float color) {
  page.arrowHeadX = page.markX(from);
  page.arrowHeadY = page.markY(from);
  page.pointBX = page.markX(to);
  page.pointBY = page.markY(to);
  page.textColor = color;
  page.lineColor = color;
  page.arcSide = -1;
  page.boxWidth = 10;
  page.arcHeight = 0;
  page.pointLabel = U"2.5km";
  page.drawLengthArc();
}

}  // namespace

void TessarinUnit::drawTripGraph() {
  graphXMin = 0;
  graphXMax = 100;
  graphXStep = kMinuteStep;
  graphYMin = 0;
  graphYMax = 6;
  graphYStep = kKmStep;
  gridUnit = 45;
  lineColor = 4;
  noAxisNumbers = -1;
  drawGraphPlane();
  xNumberEvery = 3;
  yNumberEvery = 2;
  drawGraphDecimalNumbers();

  for (const Mark& point : kWalk) plotTripMark(*this, point);
  // The stop first, then the walks before and after it.
  lineBetweenMarks(*this, 1, 2, 3);
  lineBetweenMarks(*this, 0, 1, 3);
  lineBetweenMarks(*this, 2, 3, 3);
  writeAt(7, markX(0) - 27, markY(0) + 35, U"9時");
}

void TessarinUnit::tripGraphReadingPage() {
  startPage(*this, framedPage(54));
  flowText({
      labelLine(0, 0, U"けいたさんは、午前9時に家を出発し、途中の店で買い物をしてから、"),
      labelLine(0, 50, U"おじさんの家まで行きました。図は、出発して"),
      same(3, U"x分後"),
      same(0, U"に、家から"),
      same(3, U"ykm"),
      same(0, U"の地点に"),
      labelLine(0, 50, U"いるとしたグラフです。"),
  });
  placeTripGraph(*this);
  drawTripGraph();
  waitKeyPrompt();

  // (1) and (2): the points and the two speeds.
  flowText(
      {same(7, U"問4をやろう", 20), labelLine(7, 50, U"(1)"), same(0, U"A,B,C地点が表すのは?")});
  savedY(1) = penY;
  waitKeyPrompt();
  flowThenWait(*this, {newLine(0, 50, U"A地点…")});
  flowThenWait(*this, {same(3, U"けいたさんの家"), newLine(0, 50, U"B地点…")});
  flowThenWait(*this, {same(3, U"買い物をした店"), newLine(0, 50, U"C地点…")});
  flowThenWait(*this, {same(3, U"おじさんの家")});
  flowText({labelLine(7, 50, U"(2)"), same(0, U"買い物をする前と後では"),
            newLine(0, 50, U"歩く速さはどちらが速い?")});
  savedY(2) = penY;
  waitKeyPrompt();
  flowThenWait(*this, {newLine(0, 70, U"前 ﾀ3/30ﾀ=0.1"), same(3, U" 分速 0.1km")});
  flowThenWait(*this, {newLine(0, 70, U"後 ﾀ2/40ﾀ=0.05"), same(3, U" 分速 0.05km"),
                       newLine(0, 50, U" だから", 280), same(3, U"前")});

  // (3): the place after 25 minutes, with the distances below and above it.
  erase(*this, 0, 0, 1600, savedY(1));
  startPage(*this, reframedPage(54));
  flowText({labelLine(7, 0, U"(3)"), same(0, U"25分後にいる位置からおじさんの家までの道のりは?")});
  plotTripMark(*this, {11, 25, 2.5f, 6, 5, U""});
  markX(12) = markX(11);
  markY(12) = markY(0);
  markX(13) = markX(11);
  markY(13) = markY(3);
  waitKeyPrompt();
  flowThenWait(*this, {newLine(0, 50, U"y=0.1x にx=25を代入して")});
  flowText({same(0, U"y=0.1*25=", 20), same(3, U"2.5")});
  lengthMark(*this, 11, 12, 7);
  waitKeyPrompt();
  flowText(
      {newLine(0, 50, U"5-2.5="), same(3, U"2.5"), same(0, U"だから ", 20), same(3, U"2.5km")});
  lengthMark(*this, 11, 13, 5);
  waitKeyPrompt();

  // (4): the last stretch's equation, over tasks (1) and (2).
  erase(*this, 0, savedY(1), 680, savedY(2) + 50);
  flowThenWait(*this, {labelLine(7, 50, U"(4)"), same(0, U"B地点とC地点の間にいるときの"),
                       newLine(0, 50, U"xとyの関係は?")});
  flowText({same(3, U"y=0.05x+b", 20), newLine(0, 50, U"に"), same(3, U"x=90,y=5"),
            same(0, U"を代入して")});
  erase(*this, 0, textLineY + 50, 680, textLineY + 50 + 600);
  waitKeyPrompt();
  flowThenWait(*this, {newLine(0, 60, U"5=0.05*90+b ")});
  flowThenWait(*this, {newLine(0, 50, U"5=4.5+b")});
  flowThenWait(*this, {newLine(3, 60, U"b="), same(0, U"5-4.5="), same(3, U"0.5  ")});
  flowText({newLine(5, 60, U"y=0.05x+0.5")});
}

void TessarinUnit::bicycleMeetingPage() {
  startPage(*this, framedPage(54));
  flowText({
      labelLine(0, 0, U"おじさんは、午前10時に家を出発し、自転車でけいたさんを迎えに行く途中"),
      labelLine(3, 50, U"5分後"),
      same(0, U"に、家から"),
      same(3, U"1km"),
      same(0, U"離れた公園の前を通りました。"),
      labelLine(0, 50, U""),
  });
  placeTripGraph(*this);
  drawTripGraph();
  writeTenOClock(*this);
  waitKeyPrompt();

  // (1): the uncle's line through D and E.
  flowText({same(7, U"問5をやろう", 20), labelLine(7, 50, U"(1)"),
            same(0, U"おじさんの進むグラフをかこう。")});
  savedY(1) = penY;
  waitKeyPrompt();
  flowText({newLine(0, 50, U"出発地点…"), same(3, U"D")});
  plotTripMark(*this, kUncleStart);
  waitKeyPrompt();
  flowText({same(0, U"5分間で1km進むから、", 20), newLine(0, 50, U"20分では4km進むので"),
            same(3, U"E"), same(0, U"を通る")});
  plotTripMark(*this, kUncleLater);
  waitKeyPrompt();
  flowText({newLine(3, 50, U"2点D,Eを通る直線をかく")});
  plotTripMark(*this, kUncleEnd);
  drawUncleLine(*this);
  waitKeyPrompt();

  // (2): his equation.
  flowText({labelLine(7, 50, U"(2)"), same(0, U"xとyの関係を式に表そう。")});
  savedY(2) = penY;
  waitKeyPrompt();
  flowThenWait(*this, {newLine(0, 50, U"1分間で0.2km進むから、"), newLine(3, 50, U"y=-0.2x+b"),
                       same(0, U" として、x=60,"), newLine(0, 50, U"y=5を代入すると、")});
  flowThenWait(*this, {newLine(0, 50, U"5=-0.2*60+b ")});
  flowThenWait(*this, {same(0, U"-12+b=5 b=5+12="), same(3, U"17")});
  flowText({same(3, U"y=-0.2x+17", 40)});
  savedY(3) = penY;
  waitKeyPrompt();

  // (3): the meeting point F, over tasks (1) and (2).
  erase(*this, 0, 0, 1600, savedY(1));
  erase(*this, 0, savedY(1), 680, savedY(2));
  startPage(*this, reframedPage(54));
  flowThenWait(*this,
               {labelLine(7, 0, U"(3)"), same(0, U"出会った時間とけいたさんの家からの道のりは?")});
  flowText({newLine(0, 50, U"交点Fの座標を求めればよいから")});
  plotTripMark(*this, {11, 66, 3.8f, 6, 5, U"F", 30});
  waitKeyPrompt();

  // The system: a brace, with ① on this line and ② under it, 40 px right of it.
  textColor = 0;
  boxWidth = 100;
  penX = textEndX + 120;
  penY = textLineY;
  drawBrace();
  textEndX = penX + 40;
  textLineY = penY;
  writeAt(0, textEndX, textLineY, U"y=0.05x+0.5…①");
  textLineY = penY;
  flowThenWait(*this, {{0, kEnd, 50, U"y=-0.2x+17…②"}});
  flowThenWait(*this, {newLine(0, 0, U"0.05x+0.5=-0.2x+17")});
  flowThenWait(*this, {newLine(0, 50, U"5x+50=-20x+1700")});
  flowThenWait(*this, {newLine(0, 50, U"5x+20x=1700-50"), newLine(0, 50, U"25x=1650  ")});
  flowThenWait(*this, {same(3, U"x=66")});

  // Substituting into ①; task (2)'s working goes.
  erase(*this, 0, textLineY + 50, 680, 1200);
  erase(*this, 0, savedY(3), 1600, savedY(3) + 80);
  flowThenWait(*this, {newLine(3, 50, U"①に代入して")});
  flowThenWait(*this, {newLine(0, 50, U"y=0.05*66+0.5")});
  flowThenWait(*this, {newLine(0, 50, U" =3.3+0.5="), same(3, U"3.8")});
  flowThenWait(*this, {same(0, U"だから ", 20)});
  flowThenWait(*this, {newLine(0, 70, U"出会った時間…"), same(5, U"午前10時6分")});
  flowText({newLine(0, 50, U"道のり…"), same(5, U"3.8km")});
}

void TessarinUnit::explainMeetingPage() {
  startPage(*this, framedPage(54));
  flowText({
      labelLine(0, 0, U"もし、午前9時30分におじさんが家を出発したとすると、"),
      labelLine(0, 50, U"おじさんとけいたさんが出会う地点はどこ?"),
  });
  placeTripGraph(*this);
  drawTripGraph();
  writeTenOClock(*this);
  for (const Mark& mark : {kUncleStart, kUncleLater, kUncleEnd}) plotTripMark(*this, mark);
  drawUncleLine(*this);
  waitKeyPrompt();

  // Through F, half an hour before D, the line parallel to DE: it ends three
  // columns left of DE's end.
  flowText({labelLine(3, 60, U"点Fを通り、直線DEに平行な直線をかくと")});
  plotTripMark(*this, {14, 30, 5, 6, 5, U"F"});
  markX(15) = markX(13) - 3 * gridUnit;
  markY(15) = markY(13);
  waitKeyPrompt();
  lineBetweenMarks(*this, 14, 15, 5);
  waitKeyPrompt();
  flowText({labelLine(0, 50, U"グラフから"), newLine(3, 50, U"出会う地点は"), same(5, U" 店")});
}

}  // namespace lesson
