// The lesson framework: the program-wide variables that lesson code and
// framework routines share, and the parameterless routines that work on them.
// A caller sets variables (mathText, penX, penY, textColor, ...), calls a
// routine, and reads its results from the same variables. One Lesson object is
// one run of a program; a lesson unit derives from it and adds its pages.
#pragma once

#include <functional>
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
  Text mathText, workText, glyphChar, mathTextRest;
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
  // (end of figures block one)

  // ---- Figures: plane, points and curves, arrows, braces, small text, library
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

  // Erases the whole window: a filled box from (0,0) 1760 x 1800 in colour 15.
  void clearWholeWindow();

 protected:
  virtual void showUnitMenu() = 0;

 private:
  std::string name_;
  Variant variant_;
};

}  // namespace lesson
