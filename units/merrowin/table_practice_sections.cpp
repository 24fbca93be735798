// Sections 4 and 5: table, equation and graph; the practice answers.
#include "units/merrowin/merrowin.h"

namespace lesson {

// Not built yet: back to the menu.
void MerrowinUnit::tableEquationGraphSection() {}
void MerrowinUnit::practiceSection() {}

}  // namespace lesson
