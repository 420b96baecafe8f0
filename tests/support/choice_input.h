// Puts design choices on the option buttons that hold them, for tests that place the rest of
// a wall's state by hand. Each choice that is not None is set true on its screen (its Click
// runs, as when a project is opened); nothing is typed and no command button is pressed, so
// a seismic choice opens no dialog and no earlier screen is checked. A choice left None is
// not touched.
#pragma once
#include "common/program.h"
#include "conditions/design_choices.h"

namespace choice_input {

// The standard, load case, seismic method, ground shape, KA mode and base friction, in the
// order the screens offer them.
void setDesignChoices(Program& p, const DesignChoices& choices);

// The dimension screen's switches: vertical component, front soil, shear key and surcharge
// deduction (the tick is set to 0 or 1; None leaves it).
void setDimensionChoices(Program& p, const DimensionChoices& choices);

}  // namespace choice_input
