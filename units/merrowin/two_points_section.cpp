// Section 3: the equation from two points — entry, banner, sub-menu, pages 1 and 2.
#include "units/merrowin/merrowin.h"

namespace lesson {

// Not built yet: back to the menu.
void MerrowinUnit::twoPointsSection() {}

}  // namespace lesson
