// The section screen's boxes that enter the calculation: the upright wall's KA, the
// height of the surcharge inertia and the design spacings. "応力度計算" asks them.
#pragma once
#include <vector>

#include "common/entry_bounds.h"

class Form7;
class Program;

// The KA and inertia-height boxes while they count.
std::vector<BoundedBox> sectionBoundedBoxes(Form7& screen);
// The design spacing of every row that takes one and holds one, in the order of the rows,
// each named with its location.
std::vector<BoundedBox> designSpacingBoxes(Form7& screen);
// What a bar pick reads: the stability inputs that hold a text, the covers of the members
// the wall has that hold one (the cover dialog opens on a refused one), and the section
// screen's KA and inertia height.
std::vector<BoundedBox> sectionInputRules(Program& program);
// What "応力度計算" and the pages read: those, then the design spacings.
std::vector<BoundedBox> sectionRules(Program& program);
// Every rule of every screen and dialog in full, empty boxes asked for: what an opened
// project is held to.
std::vector<BoundedBox> projectRules(Program& program);
