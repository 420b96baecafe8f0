// KA, the seismic wall friction angle and the base friction of the design conditions.
#include "conditions/conditions_screen.h"

void Form3::KEISAN() {}
void Form3::MESSEIJI() {}
void Form3::cmd7_Click() {}
void Form3::jDERUTA() {}
void Form3::Masatu() {}
