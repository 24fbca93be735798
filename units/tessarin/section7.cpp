// Section 7: the first review set.
#include "units/tessarin/tessarin.h"

namespace lesson {

// Not built yet: back to the menu.
void TessarinUnit::confirmLearningSection() {}

}  // namespace lesson
