// Section 1 pages 4 to 7: answers to question 1, graphs through intercepts, answers to question 2,
// the integer points of x-3y=7.
#include "units/tessarin/tessarin.h"

namespace lesson {

// Not built yet: back to the sub-menu.
void TessarinUnit::showQuestion1Answers() {}
void TessarinUnit::interceptGraphExample() {}
void TessarinUnit::showQuestion2Answers() {}
void TessarinUnit::explainIntegerPoints() {}

}  // namespace lesson
