// Section 2: the equation from one point and the slope or intercept.
#include "units/merrowin/merrowin.h"

namespace lesson {

// Not built yet: back to the menu.
void MerrowinUnit::pointSlopeSection() {}

}  // namespace lesson
