// Section 5 pages ① to ④: graphs of linear functions.
#include "units/corbisk/corbisk.h"

namespace lesson {

// Not built yet: back to the sub-menu.
void CorbiskUnit::pointReviewPage() {}
void CorbiskUnit::graphByPointsPage() {}
void CorbiskUnit::parallelShiftPage() {}
void CorbiskUnit::proportionGraphRelationPage() {}

}  // namespace lesson
