// The stability checks a wall's design choices and check methods call for, each with what
// it compares, its limit as compared, how a value passes and the limit as printed. The
// judgement panel and report page 4 (with its shear-key part) take every verdict from
// here and only present it, so the screen and the paper judge a wall alike.
#pragma once
#include <vector>

#include "common/program.h"
#include "conditions/design_choices.h"

// The side of its limit a value must stand on.
enum class Limit { AtLeast, AtMost };
// A value against its limit; one equal to the limit passes unless told otherwise.
bool withinLimit(float value, float limit, Limit kind, bool equalPasses = true);

enum class StabilityCheckKind {
    Overturning,     // F = Mr/Mo against the method's factor
    Resultant,       // d against B/3
    Eccentricity,    // |e| against the method's part of B
    Bearing,         // σmax against qa; a resultant outside the base fails whatever σmax is
    Sliding,         // F = RH/ΣH of a wall without a key, against the load case's factor
    SlidingKeyless,  // the same F under a building-standard key, against 1.0
    SlidingWithKey,  // F with the key's resistance, against the load case's factor
};

struct StabilityCheck {
    StabilityCheckKind kind;
    // As compared: a single-precision constant, the part of B rounded to a single, or qa.
    float limit;
    Limit direction;
    bool equalPasses;
    // As printed: "1.5", "B/6"; empty for the bearing check, whose limit is printed as a number.
    const char* limitText;
    // k of a limit B/k; 0 for the others.
    int baseDivisor;
};

// The checks in the order overturning, bearing, sliding. Overturning and sliding belong to
// the one-sided wall (a symmetric one neither overturns nor slides); the methods are those of
// the load case's dialog; a load case without a factor for sliding has no sliding check.
std::vector<StabilityCheck> stabilityChecks(const DesignChoices& choices, const CheckMethods& methods, ShearKey key,
                                            float baseWidth, float allowBearing);
// The same for the choices, methods and results the program holds now.
std::vector<StabilityCheck> stabilityChecks(const Program& program, ShearKey key);

// The check of that kind; none when the wall is not checked so.
const StabilityCheck* findCheck(const std::vector<StabilityCheck>& checks, StabilityCheckKind kind);
// The result the check compares: F, d, |e|, σmax or the sliding factor it names.
float checkedValue(const Program& program, const StabilityCheck& check);
bool within(const StabilityCheck& check, float value);
// Whether the wall as computed passes the check.
bool passes(const Program& program, const StabilityCheck& check);
// The relation a verdict writes before the limit: ">" or "<".
const char* relation(const StabilityCheck& check, bool passed);
