// Section 6: problems on figures — a point moving round a rectangle.
#include "units/tessarin/tessarin.h"

namespace lesson {

// Not built yet: back to the menu.
void TessarinUnit::areaChangeSection() {}

}  // namespace lesson
