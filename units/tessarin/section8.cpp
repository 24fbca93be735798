// Section 8: the second review set.
#include "units/tessarin/tessarin.h"

namespace lesson {

// Not built yet: back to the menu.
void TessarinUnit::masterLearningSection() {}

}  // namespace lesson
