// The section screen's boxes that enter the calculation: the upright wall's KA, the
// height of the surcharge inertia and the design spacings. "応力度計算" asks them.
#pragma once
#include <vector>

#include "common/entry_bounds.h"

class Form7;
class Program;

// The KA and inertia-height boxes while they count.
std::vector<BoundedBox> sectionBoundedBoxes(Form7& screen);
// False after the first box holding a value no wall has was named with its range and
// given the focus, its text selected.
bool sectionBoxesDescribeAWall(Program& program, Form7& screen);
// The design spacing of every row that takes one and holds one, in the order of the rows.
std::vector<BoundedBox> designSpacingBoxes(Form7& screen);
