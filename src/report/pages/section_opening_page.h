// The blocks of the opening page of the section checks, drawn in this order by report::HAIKIN.
#pragma once
#include "common/program.h"
#include "platform/surface.h"

namespace section_opening {

// The scaled base with its loads, ground reaction, labels and dimensions; leaves
// FontSize 11 and CurrentY 6900 for the text below.
void drawBaseFigure(plat::Surface& s, const Program& p);
// The contact length, the reaction ordinates and the slab loads.
void printContactAndLoads(plat::Surface& s, const Program& p);
// The wall-back angles and the earth-pressure coefficient of the section design.
void printSectionKa(plat::Surface& s, const Program& p);

}  // namespace section_opening
