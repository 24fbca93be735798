// Section 5: linear functions used on everyday problems. The entry shows the
// goal banner, then runs the sub-menu of the section's four pages: the dam's
// storage fitted by a line, the walk read from its graph, the uncle's
// bicycle meeting the walker, and the meeting had he left half an hour earlier.
#include "framework/page_steps.h"
#include "units/tessarin/tessarin.h"

namespace lesson {

void TessarinUnit::showApplicationGoal() {
  startPage(*this, {.marginX = 44});
  drawTextPieces({
      {3, 44, 240, U"<めあて>"},
      {0, 44, 305, U"一次関数を利用して、身のまわりの問題を解決しよう。"},
  });
}

void TessarinUnit::applicationSection() {
  showApplicationGoal();
  runSubMenu(U"①ダムの貯水量は　②グラフ読み取り　③問5　④説明しよう　⑤終了", 5, [this](int item) {
    openPage(*this,
             {&TessarinUnit::damStoragePage, &TessarinUnit::tripGraphReadingPage,
              &TessarinUnit::bicycleMeetingPage, &TessarinUnit::explainMeetingPage},
             item);
  });
}

}  // namespace lesson
