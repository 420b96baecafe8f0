// Results put in place by hand, for tests of what a standing result allows and what drops
// it: nothing is computed and no screen shows them. A wall whose results are computed is
// fixture::placeStability or fixture::enterWall (support/fixture_walls.h).
#pragma once
#include "common/program.h"

namespace fixture {

// The σmax of a result placed by hand, kN/m2.
inline constexpr float kStandingSigmaMax = 100;

// A stability result stands (its σmax is not 0).
inline void standStabilityResult(Program& p) { p.sigmaMax = kStandingSigmaMax; }

// The section stress check stands: it was made on the rows as they are, and counts.
inline void standSectionCheck(Program& p) { p.countCheck(); }

// Both, so that every page may be made.
inline void standResults(Program& p) {
    standStabilityResult(p);
    standSectionCheck(p);
}

}  // namespace fixture
