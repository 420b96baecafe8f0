#include "stability/stability_checks.h"

#include <cmath>
#include <optional>

#include "common/numbers.h"
#include "stability/check_method_dialogs.h"

bool withinLimit(float value, float limit, Limit kind, bool equalPasses) {
    if (value == limit) return equalPasses;
    return kind == Limit::AtLeast ? value > limit : value < limit;
}

namespace {

using Kind = StabilityCheckKind;
using O = OverturningMethod;

// A demanded safety factor: a single-precision constant, as the program compares it.
struct Factor {
    float value;
    const char* text;
};
constexpr Factor kFactor15{1.5f, "1.5"}, kFactor12{1.2f, "1.2"}, kFactor10{1.0f, "1.0"};

// What an overturning method demands: a factor, a part of B for d or |e|, or both.
struct BasePart {
    Kind kind;
    int divisor;
    const char* text;
};
struct OverturningRule {
    OverturningMethod method;
    std::optional<Factor> factor;
    std::optional<BasePart> part;
};
constexpr OverturningRule kOverturningRules[] = {
    {O::Factor15, kFactor15, std::nullopt},
    {O::ResultantB3, std::nullopt, BasePart{Kind::Resultant, 3, "B/3"}},
    {O::EccentricityB6, std::nullopt, BasePart{Kind::Eccentricity, 6, "B/6"}},
    {O::Factor15AndB6, kFactor15, BasePart{Kind::Eccentricity, 6, "B/6"}},
    {O::Factor10, kFactor10, std::nullopt},
    {O::Factor12, kFactor12, std::nullopt},
    {O::EccentricityB2, std::nullopt, BasePart{Kind::Eccentricity, 2, "B/2"}},
    {O::EccentricityB3, std::nullopt, BasePart{Kind::Eccentricity, 3, "B/3"}},
    {O::Factor10AndB2, kFactor10, BasePart{Kind::Eccentricity, 2, "B/2"}},
    {O::Factor12AndB3, kFactor12, BasePart{Kind::Eccentricity, 3, "B/3"}},
};

StabilityCheck factorCheck(Kind kind, Factor f) { return {kind, f.value, Limit::AtLeast, true, f.text, 0}; }

void addOverturning(std::vector<StabilityCheck>& checks, OverturningMethod method, float B) {
    for (const OverturningRule& rule : kOverturningRules) {
        if (rule.method != method) continue;
        if (rule.factor) checks.push_back(factorCheck(Kind::Overturning, *rule.factor));
        if (!rule.part) return;
        // d stands at least B/3 from the toe; |e| at most the part of B.
        const BasePart& part = *rule.part;
        const Limit side = part.kind == Kind::Resultant ? Limit::AtLeast : Limit::AtMost;
        checks.push_back({part.kind, num::store(B / double(part.divisor)), side, true, part.text, part.divisor});
    }
}

// The sliding factor the load case demands: 1.5 in the normal case, the seismic method's
// 1.0 or 1.2 in the seismic case.
std::optional<Factor> slidingFactor(const DesignChoices& choices, const CheckMethods& methods) {
    if (choices.normal()) return kFactor15;
    if (!choices.seismic()) return std::nullopt;
    if (methods.seismicSliding == SlidingMethod::Factor10) return kFactor10;
    if (methods.seismicSliding == SlidingMethod::Factor12) return kFactor12;
    return std::nullopt;
}

void addSliding(std::vector<StabilityCheck>& checks, const DesignChoices& choices, const CheckMethods& methods,
                ShearKey key) {
    const std::optional<Factor> factor = slidingFactor(choices, methods);
    if (!factor) return;
    if (key == ShearKey::Absent) checks.push_back(factorCheck(Kind::Sliding, *factor));
    if (key != ShearKey::Present || !(choices.building() || choices.road())) return;
    if (choices.building()) checks.push_back(factorCheck(Kind::SlidingKeyless, kFactor10));
    checks.push_back(factorCheck(Kind::SlidingWithKey, *factor));
}

}  // namespace

std::vector<StabilityCheck> stabilityChecks(const DesignChoices& choices, const CheckMethods& methods, ShearKey key,
                                            float baseWidth, float allowBearing) {
    std::vector<StabilityCheck> checks;
    if (choices.oneSided()) {
        const OverturningMethod method = choices.normal()    ? methods.normalOverturning
                                         : choices.seismic() ? methods.seismicOverturning
                                                             : O::None;
        addOverturning(checks, method, baseWidth);
    }
    checks.push_back({Kind::Bearing, allowBearing, Limit::AtMost, true, "", 0});
    if (choices.oneSided()) addSliding(checks, choices, methods, key);
    return checks;
}

std::vector<StabilityCheck> stabilityChecks(const Program& program, ShearKey key) {
    return stabilityChecks(designChoices(program), checkMethods(program), key, program.baseWidth,
                           program.allowBearing);
}

const StabilityCheck* findCheck(const std::vector<StabilityCheck>& checks, StabilityCheckKind kind) {
    for (const StabilityCheck& check : checks)
        if (check.kind == kind) return &check;
    return nullptr;
}

float checkedValue(const Program& p, const StabilityCheck& check) {
    switch (check.kind) {
        case Kind::Overturning: return p.overturningSafetyFactor;
        case Kind::Resultant: return p.resultantPosition;
        case Kind::Eccentricity: return std::fabs(p.eccentricity);
        case Kind::Bearing: return p.sigmaMax;
        case Kind::Sliding:
        case Kind::SlidingKeyless: return p.slidingSafetyFactor;
        case Kind::SlidingWithKey: return p.slidingSafetyFactorWithKey;
    }
    return 0;
}

bool within(const StabilityCheck& check, float value) {
    return withinLimit(value, check.limit, check.direction, check.equalPasses);
}

bool passes(const Program& p, const StabilityCheck& check) {
    if (check.kind == Kind::Bearing && p.bearingOutsideBase) return false;
    return within(check, checkedValue(p, check));
}

const char* relation(const StabilityCheck& check, bool passed) {
    return (check.direction == Limit::AtLeast) == passed ? ">" : "<";
}
