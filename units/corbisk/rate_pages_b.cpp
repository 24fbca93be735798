// Section 3 pages ④ to ⑥: the rate of change of linear functions and of inverse proportion.
#include "units/corbisk/corbisk.h"

namespace lesson {

// Not built yet: back to the sub-menu.
void CorbiskUnit::linearRateOfChangePage() {}
void CorbiskUnit::yIncreaseAnswerPage() {}
void CorbiskUnit::inverseProportionRatePage() {}

}  // namespace lesson
