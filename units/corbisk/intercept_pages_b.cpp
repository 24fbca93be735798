// Section 5 pages ⑤ to ⑦: shifted graphs and the intercept.
#include "units/corbisk/corbisk.h"

namespace lesson {

// Not built yet: back to the sub-menu.
void CorbiskUnit::shiftDownExamplePage() {}
void CorbiskUnit::parallelLinesAnswerPage() {}
void CorbiskUnit::interceptDefinitionPage() {}

}  // namespace lesson
