// Section 3: practice of textbook p.81.
#include "units/tessarin/tessarin.h"

namespace lesson {

// Not built yet: back to the menu.
void TessarinUnit::equationPracticeSection() {}

}  // namespace lesson
