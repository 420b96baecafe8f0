// Which box of the design-conditions screen holds which design value: one row a box (or
// soil list), in the order "地盤の形状 >" asks for them, with what it asks of each (filled,
// within bounds). HENSUU reads the boxes through it and the forward command checks them
// through it.
#pragma once
#include <span>
#include <string>
#include <vector>

#include "common/design_values.h"
#include "common/entry_bounds.h"
#include "conditions/conditions_screen.h"

struct ConditionBox {
    // A box, or a soil list, of the screen.
    plat::TextBox Form3::*box = nullptr;
    plat::ComboBox Form3::*list = nullptr;
    // The value it fills: a text (site, soil type) or a number.
    std::string DesignValues::*text = nullptr;
    float DesignValues::*number = nullptr;
    // Asked for with this message when empty; the road standard may say it otherwise.
    const char* missing = nullptr;
    const char* roadMissing = nullptr;
    // The quantity as the bounds message names it; none for the texts, which have no bounds.
    const char* name = nullptr;
    const char* roadName = nullptr;
    Bounds bounds{};
    // The short-term stress counts in the seismic case only.
    bool seismicOnly = false;
    // Where an empty box sends the user besides its message.
    enum class Empty {
        Box,             // into the box (a soil list takes the focus)
        FrictionChoice,  // μ: to "typed" until it is chosen, then into the box
        KaChoice,        // KA: the box made typed, then into it
    } empty = Empty::Box;
    // What is asked right after the box is found filled.
    enum class Then {
        Nothing,
        StandardChosen,  // a standard for the allowable stresses
        RoadStrength,    // the least concrete strength of the road standard
        SeismicMethod,   // the seismic dialog's method and, on the road, its region
    } then = Then::Nothing;
};

// Every box of the screen in the order the forward command checks them.
std::span<const ConditionBox> conditionBoxes();
// What the row's message and name are under the standard chosen.
const char* missingMessage(const ConditionBox& row, bool road);
std::string boundsName(const ConditionBox& row, bool road);
// Whether the box takes part in the wall as the screen stands: the short-term stress only
// in the seismic case, the cohesion only while it is considered. A box that does not is
// neither judged nor read; its value is none (0).
bool takesPart(const ConditionBox& row, const Form3& screen);
// The rules of the design conditions, as every command that computes judges them: the
// screen's boxes that take part, then, in the seismic case, the seismic dialog's. A box
// refused is brought up on its screen or in its dialog.
std::vector<BoundedBox> conditionRules(Program& program);
// Stores what the box holds into its value; a number too large for the program throws
// num::CalcFault with the values before it stored.
void readBox(const ConditionBox& row, const Form3& screen, DesignValues& values);
