// Section 7 pages: drawing graphs.
#include "units/corbisk/corbisk.h"

namespace lesson {

// Not built yet: back to the sub-menu.
void CorbiskUnit::integerSlopeExamplePage() {}
void CorbiskUnit::fractionSlopeExamplePage() {}
void CorbiskUnit::integerGraphDrill() {}
void CorbiskUnit::fractionGraphDrill() {}
void CorbiskUnit::graphDrawingAnswers() {}

}  // namespace lesson
