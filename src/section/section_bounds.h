// The section screen's boxes that enter the calculation besides the design spacings: the
// upright wall's KA and the height of the surcharge inertia. "応力度計算" asks them first.
#pragma once

class Form7;
class Program;

// False after the first box holding a value no wall has was named with its range and
// given the focus, its text selected.
bool sectionBoxesDescribeAWall(Program& program, Form7& screen);
