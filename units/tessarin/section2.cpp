// Section 2: the lines y=k and x=h.
#include "units/tessarin/tessarin.h"

namespace lesson {

// Not built yet: back to the menu.
void TessarinUnit::constantLineSection() {}

}  // namespace lesson
