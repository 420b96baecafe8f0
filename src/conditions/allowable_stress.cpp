// HENSUU: the design-condition values and the allowable stresses.
#include "conditions/conditions_screen.h"

void Form3::HENSUU() {}
