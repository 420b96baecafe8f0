// Which report pages may be made now: every page needs a stability result that belongs to
// the inputs on screen, the section pages a current section check. The preview and the
// print run ask here before they make a page, and show the refusal themselves.
#pragma once
#include "common/program.h"

namespace report {

inline constexpr const char* kStabilityMissingMessage = "安定性の検討をしてください。";
inline constexpr const char* kSectionMissingMessage = "断面の計算をしてください。";

// The first section page: pages from here on need the section check.
inline constexpr int kFirstSectionPage = 5;

// A stability result exists (sigmaMax is not 0) and the design conditions on screen are
// those it was computed with. Reads the design-conditions screen again: the texts that
// only the pages print (site, soil types, δ of the section design) follow the screen;
// when anything else differs the stored values stay and the result counts as old.
bool stabilityCurrent(Program& program);
// The section stress check is current.
bool sectionCurrent(const Program& program);

// Whether the pages of a request may be made, section pages among them or not; shows the
// refusal ("エラーメッセージ") of the first requirement that fails.
bool mayMakePages(Program& program, bool sectionPages);

}  // namespace report
