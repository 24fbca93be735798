// Section 1 pages 1 to 3: solutions becoming a line, slope and intercept of ax+by=c, the graph of
// 3x-4y=12.
#include "units/tessarin/tessarin.h"

namespace lesson {

// Not built yet: back to the sub-menu.
void TessarinUnit::solutionsBecomeLinePage() {}
void TessarinUnit::slopeInterceptExample() {}
void TessarinUnit::showEquationGraphExample() {}

}  // namespace lesson
