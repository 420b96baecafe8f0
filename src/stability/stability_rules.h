// The rules that the stability check judges before it computes: the design conditions'
// (with the seismic dialog's), the dimension screen's with its pairs, the key dialog's
// while the wall has a key, and the seismic check-method dialog's. Every command that
// builds on the stability result judges them the same way.
#pragma once
#include <vector>

#include "common/entry_bounds.h"
#include "common/program.h"

inline constexpr const char* kHeelHalfGone =
    "かかと版を設けない場合は長さと先端の厚さを共に0に、設ける場合は共に0より大きくしてください。";
inline constexpr const char* kToeHalfGone =
    "つま先版を設けない場合は長さと先端の厚さを共に0に、設ける場合は共に0より大きくしてください。";

// The dimension screen's boxes in the order they stand on it: its texts asked for, its
// numbers bounded, the heel's and the toe's length and end thickness judged as pairs.
std::vector<BoundedBox> dimensionRules(Program& program);
// The key dialog's boxes while the wall has a key whose height was given: without one
// the judgement asks for the key calculation itself. A refused box opens the dialog.
std::vector<BoundedBox> keyRules(Program& program);
// The key dialog's boxes that hold a text, for the key calculation, which reads them.
std::vector<BoundedBox> typedKeyRules(Program& program);
// The stability check's own: the dimensions, the key and the seismic check method.
std::vector<BoundedBox> ownStabilityRules(Program& program);
// What "安定性の検討" judges, screen by screen: the design conditions' boxes that hold a
// text (their own command asks for the empty ones), then its own in full.
std::vector<BoundedBox> stabilityRules(Program& program);
