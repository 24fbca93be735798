// Section 4: simultaneous equations and their graphs.
#include "units/tessarin/tessarin.h"

namespace lesson {

// Not built yet: back to the menu.
void TessarinUnit::simultaneousGraphSection() {}

}  // namespace lesson
