#include "programs/catalogue.h"

int main() { return lesson::runInWindow("tessarin"); }
