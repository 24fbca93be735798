// Section 3 pages ① to ③: the change of values and the rate of change.
#include "units/corbisk/corbisk.h"

namespace lesson {

// Not built yet: back to the sub-menu.
void CorbiskUnit::valueChangeTablePage() {}
void CorbiskUnit::increaseAmountPage() {}
void CorbiskUnit::rateOfChangeExamplePage() {}

}  // namespace lesson
