// The design values that most tests' walls are calculated with, put where the
// design-conditions screen leaves them for the calculations, without the screen. A test that
// types its values into the screen uses screen_input::typeDesignValues instead.
#pragma once
#include "common/design_values.h"

namespace fixture {

// γ 18 and concrete 24 kN/m3, KA 0.333, δ 20°, μ 0.5, no cohesion, φB 30°, Kh 0.2 and
// qa 200 kN/m2. A test sets its own differences after them.
inline void setDesignValues(DesignValues& v) {
    v.soilUnitWeight = 18;
    v.concreteUnitWeight = 24;
    v.activeCoefficient = 0.333f;
    v.deltaStability = 20;
    v.baseFriction = 0.5f;
    v.foundationCohesion = 0;
    v.foundationPhi = 30;
    v.seismicKh = 0.2f;
    v.allowBearing = 200;
}

}  // namespace fixture
