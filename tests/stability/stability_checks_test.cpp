// The stability checks each combination of load case, method, standard and key calls for,
// with their limits as compared and printed, and the rule at the limit.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "stability/stability_checks.h"
#include "support/program_fixture.h"

namespace {

using O = OverturningMethod;
using S = SlidingMethod;
using Kind = StabilityCheckKind;

// A check as a short word: F≥1.5, e≤B/6, d≥B/3, σ≤qa; sliding S, K (keyless under a key),
// SK (with the key).
std::string word(const StabilityCheck& c) {
    const char* names[] = {"F", "d", "e", "σ", "S", "K", "SK"};
    std::string w = names[static_cast<int>(c.kind)];
    w += c.direction == Limit::AtLeast ? "≥" : "≤";
    w += c.kind == Kind::Bearing ? "qa" : c.limitText;
    return w;
}

std::string words(const std::vector<StabilityCheck>& checks) {
    std::string out;
    for (const StabilityCheck& c : checks) out += (out.empty() ? "" : " ") + word(c);
    return out;
}

struct ChecksCase {
    const char* name;
    LoadCase load;
    OverturningMethod normal, seismic;
    SlidingMethod sliding;
    Standard standard;
    ShearKey key;
    const char* checks;
};

class Checks : public ::testing::TestWithParam<ChecksCase> {};

TEST_P(Checks, FollowTheMethodsOfTheLoadCase) {
    const ChecksCase& c = GetParam();
    CheckMethods methods;
    methods.normalOverturning = c.normal;
    methods.seismicOverturning = c.seismic;
    methods.seismicSliding = c.sliding;
    const DesignChoices choices{c.standard, c.load, GroundShape::OneSided};
    const std::vector<StabilityCheck> checks = stabilityChecks(choices, methods, c.key, 4.0f, 200);
    EXPECT_EQ(words(checks), c.checks);
    for (const StabilityCheck& check : checks) EXPECT_TRUE(check.equalPasses) << word(check);
}

constexpr Standard B = Standard::Building, R = Standard::Road;
constexpr ShearKey kNoKey = ShearKey::Absent, kKey = ShearKey::Present;
constexpr LoadCase N = LoadCase::Normal, E = LoadCase::Seismic;

INSTANTIATE_TEST_SUITE_P(
    MethodByCaseByKey, Checks,
    ::testing::Values(
        ChecksCase{"NormalFactor", N, O::Factor15, O::None, S::None, B, kNoKey, "F≥1.5 σ≤qa S≥1.5"},
        ChecksCase{"NormalResultant", N, O::ResultantB3, O::None, S::None, B, kNoKey, "d≥B/3 σ≤qa S≥1.5"},
        ChecksCase{"NormalEccentricity", N, O::EccentricityB6, O::None, S::None, R, kNoKey, "e≤B/6 σ≤qa S≥1.5"},
        ChecksCase{"NormalBoth", N, O::Factor15AndB6, O::None, S::None, B, kNoKey, "F≥1.5 e≤B/6 σ≤qa S≥1.5"},
        ChecksCase{"NormalBuildingKey", N, O::Factor15, O::None, S::None, B, kKey, "F≥1.5 σ≤qa K≥1.0 SK≥1.5"},
        ChecksCase{"NormalRoadKey", N, O::Factor15, O::None, S::None, R, kKey, "F≥1.5 σ≤qa SK≥1.5"},
        // A key without a standard to compute it by, or no key choice at all: no sliding verdict.
        ChecksCase{"NormalKeyWithoutStandard", N, O::Factor15, O::None, S::None, Standard::None, kKey, "F≥1.5 σ≤qa"},
        ChecksCase{"NormalNoKeyChoice", N, O::Factor15, O::None, S::None, B, ShearKey::None, "F≥1.5 σ≤qa"},
        ChecksCase{"SeismicFactor10", E, O::None, O::Factor10, S::Factor10, B, kNoKey, "F≥1.0 σ≤qa S≥1.0"},
        ChecksCase{"SeismicFactor12", E, O::None, O::Factor12, S::Factor12, R, kNoKey, "F≥1.2 σ≤qa S≥1.2"},
        ChecksCase{"SeismicHalf", E, O::None, O::EccentricityB2, S::Factor12, B, kNoKey, "e≤B/2 σ≤qa S≥1.2"},
        ChecksCase{"SeismicThird", E, O::None, O::EccentricityB3, S::Factor10, B, kNoKey, "e≤B/3 σ≤qa S≥1.0"},
        ChecksCase{"SeismicBothHalf", E, O::None, O::Factor10AndB2, S::Factor10, B, kKey,
                   "F≥1.0 e≤B/2 σ≤qa K≥1.0 SK≥1.0"},
        ChecksCase{"SeismicBothThird", E, O::None, O::Factor12AndB3, S::Factor12, R, kKey,
                   "F≥1.2 e≤B/3 σ≤qa SK≥1.2"},
        ChecksCase{"SeismicWithoutSlidingMethod", E, O::None, O::Factor12, S::None, B, kKey, "F≥1.2 σ≤qa"},
        // Each load case reads its own dialog, whatever the other one still holds.
        ChecksCase{"NormalIgnoresTheSeismicDialog", N, O::Factor15AndB6, O::Factor12AndB3, S::Factor12, B, kNoKey,
                   "F≥1.5 e≤B/6 σ≤qa S≥1.5"},
        ChecksCase{"SeismicIgnoresTheNormalDialog", E, O::ResultantB3, O::Factor10, S::Factor10, B, kNoKey,
                   "F≥1.0 σ≤qa S≥1.0"},
        ChecksCase{"NoLoadCase", LoadCase::None, O::Factor15, O::Factor10, S::Factor10, B, kNoKey, "σ≤qa"}),
    [](const auto& info) { return std::string(info.param.name); });

// A symmetric wall neither overturns nor slides: bearing alone.
TEST(StabilityChecksTest, SymmetricWallIsCheckedForBearingOnly) {
    CheckMethods methods;
    methods.normalOverturning = O::Factor15AndB6;
    const DesignChoices choices{B, N, GroundShape::Symmetric};
    EXPECT_EQ(words(stabilityChecks(choices, methods, kKey, 4.0f, 200)), "σ≤qa");
}

// The parts of B are compared as singles: B/k rounded once, as the single division gives it.
TEST(StabilityChecksTest, PartsOfTheBaseAreSingles) {
    struct Part {
        OverturningMethod method;
        Kind kind;
        int k;
    };
    const DesignChoices normal{B, N, GroundShape::OneSided}, seismic{B, E, GroundShape::OneSided};
    for (float base : {1.0f, 3.7f, 4.1f, 10.3f}) {
        for (const Part& part : {Part{O::ResultantB3, Kind::Resultant, 3}, Part{O::EccentricityB6, Kind::Eccentricity, 6},
                                 Part{O::EccentricityB2, Kind::Eccentricity, 2}, Part{O::EccentricityB3, Kind::Eccentricity, 3}}) {
            CheckMethods methods;
            methods.normalOverturning = methods.seismicOverturning = part.method;
            const bool seismicMethod = part.method == O::EccentricityB2 || part.method == O::EccentricityB3;
            const auto checks = stabilityChecks(seismicMethod ? seismic : normal, methods, kNoKey, base, 150.5f);
            const StabilityCheck* c = findCheck(checks, part.kind);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->limit, base / float(part.k)) << base << "/" << part.k;
            EXPECT_EQ(c->baseDivisor, part.k);
        }
    }
    const auto checks = stabilityChecks(normal, CheckMethods{}, kNoKey, 4.0f, 150.5f);
    EXPECT_EQ(findCheck(checks, Kind::Bearing)->limit, 150.5f);
    EXPECT_EQ(findCheck(checks, Kind::Sliding)->limit, 1.5f);
}

// At its limit a value passes, one single-precision step beyond it fails; a resultant
// outside the base fails bearing whatever σmax is.
TEST(StabilityChecksTest, ValueAtTheLimitPassesAndOneStepBeyondFails) {
    ProgramWithMainWindow run;
    Program& p = run.prog;
    p.baseWidth = 3.7f;
    p.allowBearing = 200;
    CheckMethods methods;
    methods.normalOverturning = O::Factor15AndB6;
    const auto checks = stabilityChecks({B, N, GroundShape::OneSided}, methods, kNoKey, p.baseWidth, p.allowBearing);
    const StabilityCheck& F = *findCheck(checks, Kind::Overturning);
    const StabilityCheck& e = *findCheck(checks, Kind::Eccentricity);
    const StabilityCheck& bearing = *findCheck(checks, Kind::Bearing);

    p.overturningSafetyFactor = 1.5f;
    EXPECT_TRUE(passes(p, F));
    p.overturningSafetyFactor = std::nextafter(1.5f, 0.0f);
    EXPECT_FALSE(passes(p, F));
    EXPECT_STREQ(relation(F, false), "<");

    p.eccentricity = -3.7f / 6;  // |e| is compared
    EXPECT_TRUE(passes(p, e));
    EXPECT_STREQ(relation(e, true), "<");
    p.eccentricity = -std::nextafter(3.7f / 6, 1.0f);
    EXPECT_FALSE(passes(p, e));
    EXPECT_STREQ(relation(e, false), ">");

    p.sigmaMax = 200;
    EXPECT_TRUE(passes(p, bearing));
    p.bearingOutsideBase = true;
    EXPECT_FALSE(passes(p, bearing));
}

}  // namespace
