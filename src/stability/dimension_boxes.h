// Which box of the dimension screen and of the shear-key dialogs holds which value of the
// wall: one row a box, with what the stability command asks of it (filled, within
// bounds). The calculation reads the boxes through it, the stability command checks them
// through it, and the tests type their walls through it.
#pragma once
#include <span>
#include <string>
#include <vector>

#include "common/entry_bounds.h"
#include "common/stability_values.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"

inline constexpr const char* kDimensionMissing = "寸法を入力してください。";
inline constexpr const char* kSurchargeMissing = "上載荷重を入力してください。";

struct DimensionBox {
    plat::TextBox Form4::*box;
    // The value the box fills: a text (section number, wall mark) or a number.
    std::string StabilityValues::*text = nullptr;
    float StabilityValues::*number = nullptr;
    // Refused when empty, with this message; none for the boxes that may stay empty (the
    // heel and the toe ends follow their pair rule, the front surcharge its shape).
    const char* missing = nullptr;
    // The quantity as the bounds message names it; none for the texts, which have no bounds.
    const char* name = nullptr;
    Bounds bounds{};
    // H3, H4 and the front surcharge belong to the one-sided shape: only there are they
    // asked for and bounded.
    bool frontOnly = false;
    // Stored by the stability command before its checks: the heights, the toe and heel
    // pairs it judges, the central fill and the back surcharge it shows.
    bool readByCheck = false;
};

// Every box of the dimension screen, in the order of their numbers, txt1 to txt23.
std::span<const DimensionBox> dimensionBoxes();
// The row of a value; a value that no box holds is a fault of the caller.
const DimensionBox& dimensionBox(float StabilityValues::*number);
const DimensionBox& dimensionBox(std::string StabilityValues::*text);
// Stores what the box holds into its value; a number too large for the program throws
// num::CalcFault with the values before it stored.
void readBox(const DimensionBox& row, Form4& screen, StabilityValues& values);
// The bounded boxes of the screen for firstOutOfBounds, as they stand on the screen.
std::vector<BoundedBox> boundedDimensionBoxes(Form4& screen, bool oneSided);

// The three boxes of a shear-key dialog: the key's height, position and width.
struct KeyBox {
    plat::TextBox ShearKeyDialog::*box;
    float StabilityValues::*number;
    const char* missing;
    const char* name;
    Bounds bounds;
};

// In the order the key dialog checks them: height, position, width.
std::span<const KeyBox> keyBoxes();
// The key dialog's boxes with their bounds and messages, in that order.
std::vector<BoundedBox> boundedKeyBoxes(ShearKeyDialog& dialog);
// The key dialog whose values the stability calculation takes: the standard's, while the
// screen has a key; none without one.
ShearKeyDialog* keyDialogInUse(Program& program);
