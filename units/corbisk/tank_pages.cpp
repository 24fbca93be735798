// Section 2 pages ① and ②: the water tank and its animations.
#include "units/corbisk/corbisk.h"

namespace lesson {

void CorbiskUnit::showEmptyTankQuestion() {}
void CorbiskUnit::showPrefilledTankQuestion() {}

}  // namespace lesson
