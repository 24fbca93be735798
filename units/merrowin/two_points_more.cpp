// Section 3 pages 3 to 5: by simultaneous equations, the summary, the answers.
#include "units/merrowin/merrowin.h"

namespace lesson {

// Not built yet: back to the menu.
void MerrowinUnit::twoPointsSystemExample() {}
void MerrowinUnit::twoPointsSummaryPage() {}
void MerrowinUnit::twoPointsAnswerPage() {}

}  // namespace lesson
