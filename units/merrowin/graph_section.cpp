// Section 1: the equation of a line from its graph.
#include "units/merrowin/merrowin.h"

namespace lesson {

// Not built yet: back to the menu.
void MerrowinUnit::fromGraphSection() {}

}  // namespace lesson
