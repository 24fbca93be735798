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
