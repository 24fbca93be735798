// Section 2: the lines y=k and x=h. The entry shows the section's goal once,
// then the sub-menu, to which every page of the section returns.
#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

void TessarinUnit::showParallelGoal() {
  startPage(*this, {.marginX = 44, .firstLine = 240});
  flowText({
      newLine(3, 0, U"<めあて>"),
      newLine(0, 65, U"二元一次方程式 ax+by+c=0 で"),
      newLine(0, 65, U"　　a=0やb=0 の場合のグラフをかこう。"),
  });
}

void TessarinUnit::constantLineSection() {
  showParallelGoal();
  runSubMenu(U"①y=k例　②問3　③x=h例　④問4　⑤問5　⑥まとめ　⑦終了", 7, [this](int item) {
    openPage(*this,
             {&TessarinUnit::horizontalLineExamplePage, &TessarinUnit::horizontalLineAnswersPage,
              &TessarinUnit::verticalLineExamplePage, &TessarinUnit::verticalLineAnswersPage,
              &TessarinUnit::axisLineAnswersPage, &TessarinUnit::constantLineSummaryPage},
             item);
  });
}

}  // namespace lesson
