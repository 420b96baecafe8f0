// Opening a project: the screens are rebuilt from the file's lines through their own
// controls, so their handlers run as for a user's edits, with the recalculations at the
// points where the lines they need are in place.
#pragma once
#include <string>
#include <vector>

#include "common/program.h"

namespace project {

// Rebuilds the screens from the file's texts (217 or 220), recalculates, shows the
// design conditions titled with path and reads how δ came about. Every step and every
// line stands on its own: one that fails is skipped and the next goes on, without a
// fault message. A result that cannot be computed is left empty. A value that its screen
// would refuse keeps every result away: the screens show the file's texts and the answer
// is false.
bool restore(Program& program, const std::vector<std::string>& texts, const std::string& path);

// After a refused opening: the first box that breaks its rules is named, as its commands
// name it, and brought up where it can be corrected (its screen in front, or its dialog
// opened on it).
void showRefusal(Program& program);

// The judgement panel's rows for the restored ground shape.
void restorePanel(Program& program);

}  // namespace project
