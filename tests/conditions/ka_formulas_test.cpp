// KA by Coulomb and by Mononobe-Okabe against values worked out with the true π (the
// program's 3.14159 moves them by about 1e-6), and the seismic composite angle θk.
#include <gtest/gtest.h>

#include "common/numbers.h"
#include "conditions/ka_formulas.h"
#include "support/program_fixture.h"

namespace {

TEST(KaFormulas, CoulombOnALeaningBackWithASlope) {
    EXPECT_NEAR(ka::activeCoefficient(ka::coulombTerms({30, 20, 10, 5})), 0.404292, 1e-5);
    // Level ground, upright back, no friction: (1 − sin φ)/(1 + sin φ) = 1/3 at φ = 30°.
    EXPECT_NEAR(ka::activeCoefficient(ka::coulombTerms({30, 0, 0, 0})), 1.0 / 3, 1e-5);
}

TEST(KaFormulas, SlopeSteeperThanPhiDropsTheRootTerm) {
    const ka::Terms t = ka::coulombTerms({30, 20, 10, 35});
    EXPECT_EQ(t.rootSinPhiBeta, 0.0);
    EXPECT_NEAR(ka::activeCoefficient(t), 1.051328, 1e-5);
}

TEST(KaFormulas, MononobeOkabeWithTheStoredThetaK) {
    ProgramWithMainWindow run;
    Program& p = run.prog;
    p.seismicKh = 0.2f;
    p.seismicKv = 0.1f;
    ka::storeSeismicTheta(p);
    EXPECT_NEAR(p.seismicTheta, 12.528808, 1e-4);  // atan(0.2 / 0.9)
    const ka::Terms t = ka::mononobeOkabeTerms({30, 20, 10, 5}, p.seismicTheta, p.seismicKv);
    EXPECT_NEAR(ka::activeCoefficient(t), 0.583131, 1e-5);
    // With the slope and θk steeper than φ the root term is gone.
    EXPECT_EQ(ka::mononobeOkabeTerms({30, 20, 10, 20}, p.seismicTheta, p.seismicKv).rootSinPhiBeta, 0.0);
}

TEST(KaFormulas, KvOfOneIsACalculationFault) {
    ProgramWithMainWindow run;
    run.prog.seismicKh = 0.2f;
    run.prog.seismicKv = 1;
    EXPECT_THROW(ka::storeSeismicTheta(run.prog), num::CalcFault);
}

}  // namespace
