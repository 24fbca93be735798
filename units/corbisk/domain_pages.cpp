// Section 8 pages: domain and range.
#include "units/corbisk/corbisk.h"

namespace lesson {

// Not built yet: back to the sub-menu.
void CorbiskUnit::domainRangeExample() {}
void CorbiskUnit::domainRangeDrill() {}
void CorbiskUnit::domainRangeAnswerPage() {}

}  // namespace lesson
