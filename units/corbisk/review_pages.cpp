// Section 1 pages: the review of proportion and inverse proportion.
#include "units/corbisk/corbisk.h"

namespace lesson {

void CorbiskUnit::showReviewTables() {}
void CorbiskUnit::showReviewGraphs() {}
void CorbiskUnit::drawReviewGraphs() {}

}  // namespace lesson
