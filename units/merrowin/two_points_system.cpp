// Section 3 pages 3 to 5: the line through two random points found by
// simultaneous equations, the summary of the two ways, and the worked answers
// to textbook P75 questions 3 and 4 with their alternative solutions.
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "framework/number_forms.h"
#include "framework/page_steps.h"
#include "units/merrowin/elimination.h"
#include "units/merrowin/merrowin.h"

namespace lesson {

namespace {

// The text with blanks put in front up to `width` characters; a longer text
// is left as it is.
Text padded(const Text& text, int width) {
  return Text(static_cast<std::size_t>(std::max(0, width - kLen(text))), U' ') + text;
}

}  // namespace

// ---- Page ③: by simultaneous equations ------------------------------------

void MerrowinUnit::twoPointsSystemExample() {
  startExamplePage();
  repeatUntilOne([this] {
    drawSystemProblem();
    showSystemSolution();
  });
}

void MerrowinUnit::drawSystemProblem() {
  // About one attempt in eight passes: slopes of size 4 or 5 never do, and
  // slopes of size 3 only with x2 = 4 and b = -a.
  for (;;) {
    numA(1) = drawSign(drawWhole(4, 2));
    if (numA(1) == lastDrawn) continue;
    lastDrawn = numA(1);
    numB(1) = drawSign(drawWhole(3, 1));
    numA(2) = std::floor(rnd() * 2 + 1);
    numA(3) = std::floor(rnd() * 3 + 4);
    numB(2) = numA(1) * numA(2) + numB(1);
    if (numB(2) > 9 || numB(2) < -9) continue;
    numB(3) = numA(1) * numA(3) + numB(1);
    if (numB(3) > 9 || numB(3) < -9) continue;
    break;
  }
  numA(4) = numA(2) - numA(3);
  numB(4) = numB(2) - numB(3);
  numA(5) = numA(1) * numA(2);
  numA(6) = -numA(5);
  numbersToText();
  // The coefficient of a in equation ①: none when x1 is 1.
  numTextA(12) = coefficientForm(numA(2), numTextA(2));
  numTextB(11) = signedTerm(numB(1), numTextB(1));
  numTextA(6) = signedTerm(numA(6), numTextA(6));
}

void MerrowinUnit::showSystemSolution() {
  const Text point1 = U"(" + numTextA(2) + U"," + numTextB(2) + U")";
  const Text point2 = U"(" + numTextA(3) + U"," + numTextB(3) + U")";
  // Each step is followed by a key wait.
  const std::function<void()> steps[] = {
      // The statement.
      [&] {
        eraseExample();
        flowText({
            newLine(7, 0, U"例3　"),
            same(0, U"yがxの一次関数で、そのグラフが2点"),
            same(3, point1),
            same(0, U","),
            same(3, point2),
            newLine(0, 50, U"を通るとき、この一次関数を求めなさい。"),
            newLine(3, 50, U"<解答>"),
        });
      },
      // Setting up.
      [&] {
        flowText({
            newLine(0, 70, U"求める一次関数の式を"),
            same(3, U"y=ax+b"),
            same(0, U"とすると、"),
            newLine(0, 60, point1 + U"と" + point2 + U"を通るから、"),
            newLine(3, 50,
                    U"x=" + numTextA(2) + U",y=" + numTextB(2) + U"とx=" + numTextA(3) + U",y=" +
                        numTextB(3) + U"を代入して、"),
        });
      },
      // The system; the working goes on 40 px right of it, level with ①.
      [&] {
        drawBracedPair(*this, 50, numTextB(2) + U"=" + numTextA(12) + U"a+b …①",
                       numTextB(3) + U"=" + numTextA(3) + U"a+b …②");
        textMarginX = textEndX + 40;
        textLineY -= 100;
      },
      [&] { flowText({newLine(7, 50, U"①-②")}); },
      // The subtraction in columns: y and the a terms padded to two characters.
      [&] {
        numTextB(12) = padded(numTextB(2), 2);
        numTextB(13) = padded(numTextB(3), 2);
        numTextA(3) = padded(numTextA(3), 2);
        numTextA(12) = padded(numTextA(12), 2);
        numTextB(33) = numB(3) > 0 ? U"-" : U"+";
        numTextB(34) = numA(3) > 0 ? U"-" : U"+";
        subtractInColumns(*this, numTextB(12) + U"=" + numTextA(12) + U"a+b",
                          numTextB(13) + U"=" + numTextA(3) + U"a+b");
        drawColumnSigns(*this, U"+ " + numTextB(33) + U"  " + numTextB(34) + U"  -");
      },
      // The result row starts one character left of the rows.
      [&] {
        numTextB(4) = padded(numTextB(4), 3);
        itemLabelX = columnResultX - 27;
        flowText({labelLine(0, 50, numTextB(4) + U"=" + numTextA(4) + U"a")});
      },
      // The slope; then the second column.
      [&] {
        fracNum = numB(4);
        fracDen = numA(4);
        reduceFraction();
        slopeFractionText(2) = fractionWorking;
        flowText({newLine(3, 70, U"  a=" + slopeFractionText(2))});
        textMarginX = 760;
        textLineY = 150;
      },
      [&] { flowText({newLine(3, 50, U"a=" + numTextA(1) + U" を①に代入して")}); },
      [&] {
        numTextA(31) = bracketedNegative(numA(1), numTextA(1));
        flowText({newLine(0, 60, numTextB(2) + U"=" + numTextA(2) + U"*" + numTextA(31) + U"+b")});
      },
      [&] { flowText({newLine(0, 60, numTextB(2) + U"=" + numTextA(5) + U"+b")}); },
      // The intercept; with y1 = 0 the middle term is left out.
      [&] {
        flowText({newLine(3, 60, U"b")});
        if (numB(2) != 0) flowText({same(0, U"=" + numTextB(2) + numTextA(6))});
        flowText({same(3, U"=" + numTextB(1))});
      },
  };
  for (const auto& step : steps) {
    step();
    waitKeyPrompt();
  }
  flowText({newLine(5, 60, U"答 y=" + numTextA(1) + U"x" + numTextB(11))});
}

// ---- Page ④: the summary --------------------------------------------------

void MerrowinUnit::twoPointsSummaryPage() {
  startPage(*this, {.width = 1320, .height = 1300, .marginX = 114, .firstLine = 30});
  flowText({newLine(3, 50, U"<まとめ>")});
  // The frame around the two rules; the textbook task goes under it at its
  // left edge.
  setDrawWidth(9);
  itemLabelX = textMarginX - 38;
  drawBox(itemLabelX, textLineY + 60, itemLabelX + 798, textLineY + 210, 9);
  flowThenWait(*this, {
                          newLine(5, 75, U"2点を通る"),
                          same(0, U"　→　"),
                          same(5, U"傾きを求め、y=△x+b"),
                      });
  flowThenWait(*this, {
                          newLine(5, 75, U"2点を通る"),
                          same(0, U"　→　"),
                          same(5, U"y=ax+bに代入,連立方程式"),
                      });
  flowText({labelLine(0, 80, U"教科書P75 問3,問4 をしなさい。")});
}

// ---- Page ⑤: the answers to questions 3 and 4 -----------------------------

namespace {

// One screen of page ⑤: the way by the slope in the left column; after a key,
// the alternative by simultaneous equations, its head under the first answer
// and its working in the right column.
struct AnswerScreen {
  std::vector<Flow> bySlope;      // from the heading to the first answer
  std::vector<Flow> otherHead;    // "(別解)" and the substitution
  bool pairOnRight;               // the braced pair heads the right column
  Text first, second;             // the equations ① and ②
  Text topRow, bottomRow, signs;  // ① - ② in columns
  std::vector<Flow> working;      // from the result row on; Label pieces at the rows' x
};

const AnswerScreen kAnswerScreens[] = {
    // Question 3: the line through (-1, -4) and (3, 8).
    {{
         newLine(7, 0, U"問3　解答"),
         newLine(0, 70, U"傾きは"),
         same(0, U"ﾀ8-(-4)/3-(-1)ﾀ=ﾀ8+4/3+1ﾀ=ﾀ12/4ﾀ="),
         same(3, U"3"),
         newLine(3, 60, U"求める式をy=3x+b"),
         same(0, U"とする。"),
         newLine(0, 50, U"x=3,y=8を代入して"),
         newLine(0, 50, U"8=3*3+b=9+b"),
         newLine(0, 50, U"b=8-9=-1"),
         newLine(5, 50, U"答 y=3x-1"),
     },
     {
         newLine(3, 60, U"(別解)"),
         same(3, U"求める式をy=ax+b"),
         same(0, U"とする。"),
         newLine(0, 50, U"x=-1,y=-4とx=3,y=8を代入して"),
     },
     false,
     U"-4=-a+b…①",
     U"8=3a+b…②",
     U" -4= -a+b",
     U"  8= 3a+b",
     U"+ -   -  -",
     {
         labelLine(0, 50, U"-12=-4a"),
         labelLine(3, 50, U"  3=a"),
         newLine(3, 50, U"a=3 を①に代入して"),
         newLine(0, 50, U"-4=-3+b"),
         newLine(0, 50, U"-4+3=b"),
         newLine(3, 50, U"b=-1"),
         newLine(5, 50, U"答 y=3x-1"),
     }},
    // Question 4: the line through (-2, -1) and (4, 8).
    {{
         newLine(7, 0, U"問4　解答"),
         newLine(0, 70, U"傾きは"),
         same(0, U"ﾀ8-(-1)/4-(-2)ﾀ=ﾀ8+1/4+2ﾀ=ﾀ9/6ﾀ="),
         same(3, U"ﾀ3/2ﾀ"),
         newLine(3, 70, U"求める式をy=ﾀ3/2ﾀx+b"),
         same(0, U"とする。"),
         newLine(0, 60, U"x=-2,y=-1を代入して"),
         newLine(0, 70, U"-1=ﾀ3/2ﾀ*(-2)+b=-3+b"),
         newLine(0, 60, U"b=3-1=2"),
         newLine(5, 70, U"答 y=ﾀ3/2ﾀx+2"),
     },
     {
         newLine(3, 60, U"(別解)"),
         same(3, U"求める式をy=ax+b"),
         same(0, U"とする。"),
         newLine(0, 50, U"x=-2,y=-1とx=4,y=8を代入して"),
     },
     true,
     U"-1=-2a+b…①",
     U"8=4a+b…②",
     U"-1=-2a+b",
     U" 8= 4a+b",
     U"+ -  -  -",
     {
         labelLine(0, 50, U"-9=-6a"),
         labelLine(3, 50, U" a="),
         same(0, U"ﾀ-9/-6ﾀ="),
         same(3, U"ﾀ3/2ﾀ"),
         newLine(3, 70, U"a=ﾀ3/2ﾀ を①に代入して"),
         newLine(0, 70, U"-1=-2*ﾀ3/2ﾀ+b=-3+b"),
         newLine(0, 60, U"b=-1+3="),
         same(3, U"2"),
         newLine(5, 60, U"答 y=ﾀ3/2ﾀx+2"),
     }},
};

void drawAnswerScreen(Lesson& page, const AnswerScreen& screen) {
  startPage(page, {.width = 1320, .height = 1300, .marginX = 38, .firstLine = 30});
  flowThenWait(page, screen.bySlope);
  page.flowText(screen.otherHead);
  if (!screen.pairOnRight) drawBracedPair(page, 50, screen.first, screen.second);
  page.textMarginX = 760;
  page.textLineY = 30;
  if (screen.pairOnRight) drawBracedPair(page, 0, screen.first, screen.second);
  page.flowText({newLine(3, screen.pairOnRight ? 50.0f : 0.0f, U"①-②")});
  subtractInColumns(page, screen.topRow, screen.bottomRow);
  drawColumnSigns(page, screen.signs);
  page.itemLabelX = page.columnResultX;
  page.flowText(screen.working);
}

}  // namespace

void MerrowinUnit::twoPointsAnswerPage() {
  drawAnswerScreen(*this, kAnswerScreens[0]);
  waitKeyPrompt();
  drawAnswerScreen(*this, kAnswerScreens[1]);
}

}  // namespace lesson
