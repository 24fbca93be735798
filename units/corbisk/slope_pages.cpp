// Section 6 pages: the slope.
#include "units/corbisk/corbisk.h"

namespace lesson {

// Not built yet: back to the sub-menu.
void CorbiskUnit::slopePage() {}
void CorbiskUnit::slopeExplanationPage() {}
void CorbiskUnit::slopeAnswersPage() {}
void CorbiskUnit::increasePage() {}
void CorbiskUnit::decreasePage() {}

}  // namespace lesson
