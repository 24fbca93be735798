// Section 5: applications of linear functions.
#include "units/tessarin/tessarin.h"

namespace lesson {

// Not built yet: back to the menu.
void TessarinUnit::applicationSection() {}

}  // namespace lesson
