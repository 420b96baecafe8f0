// Opening a project: the screens are rebuilt from the file's lines through their own
// controls, so their handlers run as for a user's edits, with the recalculations at the
// points where the lines they need are in place.
#pragma once
#include <string>
#include <vector>

#include "common/program.h"

namespace project {

// Rebuilds the screens from the 217 texts, recalculates, shows the design conditions
// titled with path and reads how δ came about. Every step and every line stands on its
// own: one that fails is skipped and the next goes on.
void restore(Program& program, const std::vector<std::string>& texts, const std::string& path);

// The judgement panel's rows and the front-soil frame for the restored ground shape.
void restorePanel(Program& program);

}  // namespace project
