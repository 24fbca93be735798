// The lesson framework: the program-wide variables that lesson code and
// framework routines share, and the parameterless routines that work on them.
// A caller sets variables (mathText, penX, penY, textColor, ...), calls a
// routine, and reads its results from the same variables. One Lesson object is
// one run of a program; a lesson unit derives from it and adds its pages.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/basic.h"
#include "framework/runtime.h"

namespace lesson {

// The few places where the programs' framework differs.
enum class Variant { Corbisk, Merrowin, Tessarin };

class Lesson : public Runtime {
 public:
  Lesson(Platform& platform, std::string name, Variant variant);

  // Start-up, then the unit's main menu; returns the program's exit status.
  // A run-time error ends on the error screen until the window is closed.
  int run();

  const std::string& name() const { return name_; }
  Variant variant() const { return variant_; }

  // ---- Program-wide variables -------------------------------------------
  // Pen and text.
  float penX = 0, penY = 0;
  float textColor = 0, lineColor = 0, plotColor = 0;
  Text mathText, workText, glyphChar;
  float glyphX = 0;
  float textWidth = 0;
  Text programTitle;

  // Markup state that lasts from one text to the next.
  float superscriptNext = 0, raisedNext = 0;
  float rootState = 0, rootBarStart = 0;
  float bigParens = 0, inFraction = 0;
  float glyphRunX = 0, glyphRunY = 0;
  float savedDrawWidth = 0;

  // Number input.
  float inputX = 0, inputY = 0;
  float cursorX = 0, cursorY = 0;
  Text inputText;
  float inputValue = 0;
  float menuChoice = 0;
  Text lastKey;
  float savedTextColor = 0;

  // Text boxes.
  float boxWidth = 0, boxHeight = 0;
  Text fractionAsGiven, fractionText;

  // A lesson page's own line position.
  float textMarginX = 0, textEndX = 0, textLineY = 0;
  float itemLabelX = 0;
  float loopIndex = 0, frameIndex = 0;

  // General-purpose numbers.
  float scratchA = 0, scratchB = 0;

  // Figure points and one-shot label inputs shared by the figure routines.
  float piValue = 3.14159f;
  float arrowHeadX = 0, arrowHeadY = 0, arrowTailX = 0, arrowTailY = 0;
  float pointBX = 0, pointBY = 0, pointCX = 0, pointCY = 0;
  float angleRad = 0, angleDeg = 0;
  Text pointLabel;
  float arrowHeadSize = 0, angleLabelDx = 0, angleLabelDy = 0, labelSmallText = 0, markSide = 0;
  float arcHeight = 0, arcSide = 0, pointRadius = 0;

  // The coordinate plane and what is plotted on it.
  float graphLeft = 0, graphTop = 0, gridColumns = 0, gridUnit = 0;
  float graphXMin = 0, graphXMax = 0, graphYMin = 0, graphYMax = 0;
  float graphXStep = 0, graphYStep = 0, axisFontSize = 0, noAxisNumbers = 0;
  float originX = 0, originY = 0;
  float plotLeft = 0, plotTop = 0, plotRight = 0, plotBottom = 0;
  float curveKind = 0, coefA = 0, coefB = 0, coefC = 0;
  float pointX = 0, pointY = 0, pointScreenX = 0, pointScreenY = 0;
  float labelDx = 0, labelDy = 0;

  // Arrays, declared once at start-up.
  Array<Text, 40> numTextB;
  Array<float, 40> numB;
  Array<Text, 80> numTextA;
  Array<float, 80> numA;
  Array2<float, 10, 2> pointTable;
  Array<float, 40> markX, markY;
  Array<float, 10> primeList;
  Array<Text, 20> textList;
  Array<Text, 20> damValueText;
  Array<Text, 10> slopeFractionText;
  Array<float, 40> savedX, savedY;

  // ---- Start-up and error screen ----------------------------------------
  void startup();
  void errorHandler(const RuntimeError& error);
  void reseedRandom();

  // ---- Prompt text --------------------------------------------------------
  void drawPromptText();
  void drawFullWidthText();
  void toFullWidth();
  void removeSpaces();

  // ---- Formula text -------------------------------------------------------
  void drawMathText();
  // Draws mathText as written, with no markup: every character in the plain
  // Gothic glyph of a formula line (a name, not a formula).
  void drawTextAsWritten();
  void drawGlyphRun();
  void drawStackedFraction();
  void measureText();
  void drawTextBox();
  void drawBoxAroundText();
  void drawTwoLineBox();

  // ---- Number input and prompts -----------------------------------------
  void readNumberInput();
  void numberKeyLoop();
  void parseNumber();
  void askMenuNumber();
  void clearMenuPrompt();
  void askBottomInput();
  void clearBottomBar();
  void askNextStep();
  void waitKeyPrompt();
  void showMessageWaitKey();
  void flushKeys();

  // ---- Page area and number texts ---------------------------------------
  void clearPageArea();
  void clearInputBand();
  void numbersToText();

  // ---- Figures: square grid, polygons, fraction texts, angles, length arcs, marks
  void drawSmallText();
  void pointAngle();
  void drawAngleLabel();
  void drawLengthArc();

  // Square grid and lettered polygons. pointTable rows 1..pointCount are the
  // vertices; letters go through drawAngleLabel at vertexLetterDistance.
  void drawSquareGrid();
  void drawPolygonFromTable();
  void letterVerticesInSequence();
  void letterVerticesFromList();
  float pointCount = 0;
  float vertexLetterDistance = 0;

  // Fraction reduction and its texts in fraction markup.
  void reduceFraction();
  void gcdLcm();
  void stripMarkup();
  static float floorMod(float a, float b);  // a - b * floor(a / b)
  float fracNum = 0, fracDen = 0;
  float fractionSign = 0, fractionKind = 0;
  float gcdResult = 0, lcmResult = 0;
  Text fractionTextSigned, fractionPlusSign, fractionWorking, fractionWorkingSigned;
  Text fractionPlainText, fractionPlainTextSigned;

  // The sum of two fractions over a common denominator, with its working.
  void addFractions();
  float termNum1 = 0, termDen1 = 0, termNum2 = 0, termDen2 = 0;
  float scaledNum1 = 0, scaledNum2 = 0, sumNum = 0;
  Text scaledDigits1, scaledDigits2, sumNumDigits, commonDenText;
  Text scaledNumText1, scaledNumText2;
  Text termFractionSigned1, sumFraction, sumFractionSigned, sumTermsText;
  Text termFraction1, termFraction2;

  // The two rays of an angle at a vertex, their bisector and the angle's size.
  void rayAngles();
  void angleDegreesText();
  float rayAngleB = 0, rayAngleC = 0, rayArcB = 0, rayArcC = 0, bisectorAngle = 0;
  Text angleText;

  // Marks of school geometry on segments and angles.
  void drawParallelMarks();
  void drawEqualMarks();
  void drawAngleMark();
  void drawRightAngleMark();
  float lineX1 = 0, lineY1 = 0, lineX2 = 0, lineY2 = 0;
  float markCount = 0, tickSpacing = 0;
  // (end of figures block one)

  // ---- Figures: plane, points and curves, arrows, braces, small text, library
  // Plane and curve inputs besides the shared plane variables above.
  float xNumberEvery = 0, yNumberEvery = 0;  // Tessarin: decimal label interval (0 = 5)
  float plotSteps = 0;                       // Tessarin: dots of a curve (0 or less = 5000)
  float signPick = 0, signPick2 = 0;         // sign picks of the pages; scratch here
  // Arrows and the slope triangle.
  float arrowReverse = 0, arrowMode = 0;
  float slopeX1 = 0, slopeY1 = 0, slopeX2 = 0, slopeY2 = 0;
  Text slopeLabelSwitch, runText, riseText;
  // Equation columns.
  Text columnOperator;
  float columnResultX = 0;
  // Geometry and number library.
  float segmentX1 = 0, segmentY1 = 0, segmentX2 = 0, segmentY2 = 0;
  float pointPX = 0, pointPY = 0, pointQX = 0, pointQY = 0;
  float footX = 0, footY = 0, crossX = 0, crossY = 0;
  float slope1 = 0, intercept1 = 0, slope2 = 0, intercept2 = 0;
  float workA = 0, workB = 0, workX = 0, workY = 0;
  float vertexAngleDeg = 0;
  float radicand = 0, radicandGiven = 0, rootCoefficient = 0, rootTrialFactor = 0;
  Text rootPartText, rootCoefficientText, simplifiedRootText, givenRootText, remainingRootText;
  float factorNumber = 0, factorRowCount = 0, divisorPairCount = 0;

  void drawGraphPlane();
  void drawGraphDecimalNumbers();
  void plotPoint();
  void plotCurve();
  void plotCurveDots();
  void plotVerticalLine();
  void drawArrow();
  void drawSlopeTriangle();
  void drawRunLabel();
  void drawRiseLabel();
  void drawBrace();
  void drawEquationColumns();
  void measureSmallText();
  void drawSmallTextBox();
  void drawTwoLineSmallBox();
  void parenthesizeNegative();
  void footOfPerpendicular();
  void lineIntersection();
  void pointOnLine();
  void thirdVertex();
  void simplifyRoot();
  void primeFactorTable();
  void divisorList();
  void flipSign();
  void dropLeadingPlus();
  void dropLeadingSign();
  // (end of figures block two)

  // ---- Shapes the units repeat ------------------------------------------
  struct MenuItem {
    Text text;
    float color;
    float x, y;
  };
  struct UnitMenu {
    std::vector<MenuItem> items;  // drawn in order after the title
    float quitValue;              // the value that ends the program
    int sections;                 // the jump's entries: 1..sections
    bool clearPageAreaFirst;      // clearPageArea before the whole-window erase
    bool promptBeforeAsk;         // draw the number prompt once before askMenuNumber
  };
  // Draws the main menu and reads one number. Returns the section to open
  // (1..sections), or 0 when the menu is to be drawn again. The quit value ends
  // the program.
  int askUnitMenu(const UnitMenu& menu);

  // Runs a section's one-line sub-menu: items 1..items-1 open pages through
  // `page`, which return here; the last item returns to the caller.
  void runSubMenu(const Text& line, int items, const std::function<void(int)>& page);

  // The random-example loop: draws an example and asks "次のステップは１を入力。"
  // until the pupil enters a value of 1; any other value draws a new example.
  void repeatUntilOne(const std::function<void()>& example);

  // Erases the whole window: a filled box from (0,0) 1760 x 1800 in colour 15.
  void clearWholeWindow();

  // One piece of lesson text: colour, top-left corner and the text in the
  // formula markup.
  struct TextPiece {
    float color;
    float x, y;
    Text text;
  };
  // Draws the pieces in order with drawMathText, each at its own position, and
  // keeps the page's line position after each: textEndX = penX, textLineY = penY.
  void drawTextPieces(const std::vector<TextPiece>& pieces);

  // A piece of a page's text flow: drawn at x = textMarginX (a new line's
  // start), textEndX (on after the previous piece) or itemLabelX (an item
  // label), moved right by xOffset (a gap after the previous piece, an indent
  // from the margin), y = textLineY + dy; afterwards textEndX and textLineY
  // follow the pen.
  struct FlowPiece {
    enum Where { Margin, End, Label };
    float color;
    Where where;
    float dy;
    Text text;
    float xOffset = 0;
  };
  void flowText(const std::vector<FlowPiece>& pieces);

  // ---- Shapes the pages repeat (framework/page_shapes.cpp) ----------------
  // A random-example page's entry: the page cleared from (0,0) 1320 x 1300,
  // the text origin (40,30), kept in savedX(1), savedY(1) for each example's
  // erase, and pen width 5 (left in force after the page).
  void startExamplePage();
  // Erases the previous example, its figure and the foot bar, and restarts the
  // text flow at the page's text origin.
  void eraseExample();

  // One text at a place of its own, outside the page's text flow: textMarginX,
  // textEndX and textLineY stay as they are.
  void writeAt(float color, float x, float y, const Text& text);

  // A coordinate plane as a page sets it up: its top-left corner, its extents
  // in grid units, the pixels per unit, the grid colour (0: axes only) and the
  // axis-number switch (-1: no numbers). drawPlane sets the plane variables
  // from it, with steps of 1, and draws it with drawGraphPlane.
  struct PlaneSettings {
    float left, top;
    float xMin, xMax, yMin, yMax;
    float unit;
    float gridColor = 14;
    float noNumbers = 0;
  };
  void drawPlane(const PlaneSettings& plane);

  // The line y = a x + b over the plane just drawn, in `color`, labelled at its
  // last visible dot moved by (dx, dy); an empty label draws nothing.
  struct GraphLine {
    float a, b;
    float color;
    Text label;
    float dx = 0, dy = 0;
  };
  void plotLine(const GraphLine& line);

  // A curve of any kind plotCurve draws (curveKind: 3 is y = a x + b, 4 is
  // a x + b y = c, ...) over the plane just drawn, in `color`, labelled at its
  // last visible dot moved by (dx, dy); an empty label draws nothing.
  struct GraphCurve {
    float kind;
    float a, b, c;
    float color;
    Text label;
    float dx = 0, dy = 0;
  };
  void plotGraphCurve(const GraphCurve& curve);

  // A dot of `radius` at the maths point (x, y) with its label moved by
  // (dx, dy) from plotPoint's place; leaves pointScreenX, pointScreenY.
  struct GraphDot {
    float x, y;
    float radius, color;
    Text label = {};
    float dx = 0, dy = 0;
  };
  void plotDot(const GraphDot& dot);

  // An arrow from (x1, y1) to (x2, y2) in `color`, its 16-px head at (x2, y2),
  // drawn with the pen width and arrowMode in force.
  void arrowTo(float color, float x1, float y1, float x2, float y2);
  // The run arrow from (slopeX1, slopeY1) to the corner (slopeX2, slopeY1) and
  // the rise arrow on to (slopeX2, slopeY2), both in `color`.
  void runAndRiseArrows(float color);
  // Their labels: the run's over the middle of the run arrow moved down by
  // runDy, the rise's beside the middle of the rise arrow.
  void runAndRiseLabels(float color, const Text& run, float runDy, const Text& rise);

  // Slope steps drawn by hand on the plane just drawn, kept as pixels in
  // markX/markY. setMark keeps the maths point (x, y) in slot `slot`;
  // setSlopeMarks keeps the point (x, y), the run's end (x + run, y) and the
  // rise's end (x + run, y + rise) in slots first to first + 2.
  void setMark(float slot, float x, float y);
  void setSlopeMarks(float first, float x, float y, float run, float rise);
  // An arrow in `color` from mark `from` with its head at mark `to`, drawn in
  // arrowMode 2.
  void markArrow(float from, float to, float color);
  // The run and rise arrows between the slope marks first to first + 2.
  void runAndRiseMarks(float first, float color);
  // All of the steps at once: the marks, a disc of radius 8 in `color` at the
  // first one, the run and rise arrows.
  void drawSlopeSteps(float first, float x, float y, float run, float rise, float color);
  // (end of shapes the pages repeat)

 protected:
  virtual void showUnitMenu() = 0;

 private:
  std::string name_;
  Variant variant_;
};

// Opens the item-th (1-based) of a section's pages, given in sub-menu order as
// member functions of the unit; an item outside the list opens nothing.
template <class Unit>
void openPage(Unit& unit, std::initializer_list<void (Unit::*)()> pages, int item) {
  if (item < 1 || item > static_cast<int>(pages.size())) return;
  (unit.*pages.begin()[item - 1])();
}

}  // namespace lesson
