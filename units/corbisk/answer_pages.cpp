// Section 2 pages ③ to ⑦ and section 4's practice answers.
#include "units/corbisk/corbisk.h"

namespace lesson {

void CorbiskUnit::linearFunctionPage(int) {}
void CorbiskUnit::practiceAnswerPage(int) {}

}  // namespace lesson
