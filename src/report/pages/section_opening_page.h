// The blocks of the opening page of the section checks, drawn in this order by Form7::HAIKIN.
#pragma once
#include "common/program.h"

namespace section_opening {

// The scaled base with its loads, ground reaction, labels and dimensions; leaves
// FontSize 11 and CurrentY 6900 for the text below.
void drawBaseFigure(Program& p);
// The contact length, the reaction ordinates and the slab loads.
void printContactAndLoads(Program& p);
// The wall-back angles and the earth-pressure coefficient of the section design.
void printSectionKa(Program& p);

}  // namespace section_opening
