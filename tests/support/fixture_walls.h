// Walls entered the way an engineer enters them, screen by screen, for the tests
// and the benchmark that need a whole project: design conditions, ground shape,
// dimensions, stability check, section screen with a bar and a spacing for every location
// and the stress check.
#pragma once
#include <string>

#include "common/program.h"
#include "conditions/design_choices.h"

namespace fixture {

enum class Wall {
    HeelToeKey,   // one-sided, building standard, normal case: heel, toe and shear key
    RoadSeismic,  // one-sided, road standard, seismic case (Mononobe-Okabe free, K2 method)
    TwoSided,     // two-sided earth pressure, building standard, normal case
    // Two-sided, building standard, seismic case (Mononobe-Okabe, K1), δ by the button:
    // the longest earth-pressure page.
    TwoSidedSeismic,
    // One-sided, building standard, normal case: the front wall 1.2 m taller than the rear
    // one, its soil left out of the calculation while its surcharge counts.
    FrontTaller,
    // One-sided, road standard, seismic case (D1), δ by the button: no heel, the rear wall
    // battered outside, so the virtual back face leans.
    InclinedRear,
    // One-sided, building standard, normal case: the front wall 4.4 m high, the rear 2.8 m.
    TallFront,
    // One-sided, building standard, seismic case (method K1): the rear face 10.62° off the vertical.
    BatteredRear,
    // One-sided, building standard, normal case: a base of 2.65 m whose toe, walls and heel
    // are 300 to 450 mm wide, too narrow for their dimension figures.
    NarrowParts,
    // One-sided, building standard, normal case: 800 mm between the walls, a central fill
    // of 200 mm under a central surcharge of 20 kN/m2.
    NarrowSpan,
    // One-sided, building standard, normal case: walls of 10 m and 10.2 m, the rear one
    // 200 mm wide at its top and 300 mm at the slab.
    TallThin,
    // One-sided, building standard, normal case: a base of 1.1 m under a wall of 4 m and a
    // back surcharge of 50 kN/m2, whose resultant lies behind the toe end (d < 0).
    ResultantBehindToe,
};

// Every fixture wall.
inline constexpr Wall kAllWalls[] = {Wall::HeelToeKey,   Wall::RoadSeismic, Wall::TwoSided,
                                     Wall::TwoSidedSeismic, Wall::FrontTaller, Wall::InclinedRear,
                                     Wall::TallFront,    Wall::BatteredRear, Wall::NarrowParts,
                                     Wall::NarrowSpan,   Wall::TallThin,    Wall::ResultantBehindToe};

// The wall's name, for messages.
std::string name(Wall wall);
// The standard, load case, ground shape and seismic method the wall is entered with.
DesignChoices choices(Wall wall);

// Design conditions and ground shape, on to the dimension screen (a new project first).
void enterConditions(Program& p, Wall wall);
// The dimensions, surcharges and check methods of the wall.
void enterDimensions(Program& p, Wall wall);
// "安定性の検討".
void checkStability(Program& p);
// A placed stability result: the conditions and dimensions of the wall, then the check.
void placeStability(Program& p, Wall wall);
// "断面計算 >": the section screen with the computed KA.
void openSections(Program& p);
// A bar for every location shown, and a design spacing below the computed one.
void chooseBars(Program& p);
// "応力度計算".
void checkSections(Program& p);

// All of the above: a project whose every result is current.
void enterWall(Program& p, Wall wall);

}  // namespace fixture
