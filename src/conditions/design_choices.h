// The design choices of a wall in words: the standard, the load case, the ground shape,
// the seismic method, the way KA is given and the way the base friction is given. They are read from the option buttons each time they are asked for,
// since an option can change without an event (a project being opened, a reset), so no
// copy can go stale.
#pragma once
#include "common/program.h"
#include "platform/controls.h"

enum class Standard { None, Building, Road };
enum class LoadCase { None, Normal, Seismic };
enum class GroundShape { None, OneSided, Symmetric };
// K1: horizontal seismic coefficient on the wall's own weight only; K2 and D1 also work
// with the heights of the parts (K2 by coefficient, D1 by the seismic earth pressure).
enum class SeismicMethod { None, K1, K2, D1 };
// KA typed on the design conditions (Form3.opt1) or computed from the backfill (Form3.opt2).
enum class KaMode { None, Typed, Computed };
// The base friction coefficient typed (Form3.opt5) or taken as tan φ of the foundation (Form3.opt6).
enum class BaseFrictionMode { None, Typed, TanPhi };

struct DesignChoices {
    Standard standard = Standard::None;
    LoadCase loadCase = LoadCase::None;
    GroundShape groundShape = GroundShape::None;
    SeismicMethod seismicMethod = SeismicMethod::None;
    KaMode kaMode = KaMode::None;
    BaseFrictionMode baseFriction = BaseFrictionMode::None;

    bool building() const { return standard == Standard::Building; }
    bool road() const { return standard == Standard::Road; }
    bool normal() const { return loadCase == LoadCase::Normal; }
    bool seismic() const { return loadCase == LoadCase::Seismic; }
    bool oneSided() const { return groundShape == GroundShape::OneSided; }
    bool symmetric() const { return groundShape == GroundShape::Symmetric; }
    // The seismic methods that work with the heights of the parts.
    bool withHeights() const { return seismicMethod == SeismicMethod::K2 || seismicMethod == SeismicMethod::D1; }
};

// The choice an option pair holds: the first's, the second's, or None when neither is set.
template <class Choice>
Choice chosen(const plat::OptionButton& first, Choice firstChoice, const plat::OptionButton& second,
              Choice secondChoice) {
    return first.value() ? firstChoice : second.value() ? secondChoice : Choice::None;
}

// The choices on the screens now. Reading loads nothing (loading the design conditions
// would move the current screen): a screen that is not loaded has no choice made.
DesignChoices designChoices(const Program& program);

// The check methods of the normal-case and seismic-case method dialogs (Form14, Form21),
// read by the engine, the judgement panel, the stability command and the report through
// `checkMethods` (stability/check_method_dialogs.h).
// Overturning: the demanded safety factor, the resultant's position or the eccentricity
// limit, or a factor and a limit together.
enum class OverturningMethod {
    None,
    // Normal case.
    Factor15,         // F ≥ 1.5
    ResultantB3,      // d ≥ B/3
    EccentricityB6,   // |e| ≤ B/6
    Factor15AndB6,    // both
    // Seismic case.
    Factor10,         // F ≥ 1.0
    Factor12,         // F ≥ 1.2
    EccentricityB2,   // |e| ≤ B/2
    EccentricityB3,   // |e| ≤ B/3
    Factor10AndB2,    // both
    Factor12AndB3,    // both
};
// The seismic case's sliding factor; the normal case demands 1.5 without a choice.
enum class SlidingMethod { None, Factor10, Factor12 };
// The cohesion over the loaded width less the eccentricity, or over the whole width.
enum class EffectiveAreaMethod { None, Deduct, NoDeduct };
// The seismic inertia of the surcharges (Form21.chk1): acting or not; None for a tick
// value other than 0 or 1, which an opened file can hold and no formula takes.
enum class SurchargeInertia { None, Off, On };

struct CheckMethods {
    OverturningMethod normalOverturning = OverturningMethod::None;   // Form14
    OverturningMethod seismicOverturning = OverturningMethod::None;  // Form21
    SlidingMethod seismicSliding = SlidingMethod::None;
    EffectiveAreaMethod normalEffectiveArea = EffectiveAreaMethod::None;
    EffectiveAreaMethod seismicEffectiveArea = EffectiveAreaMethod::None;
    SurchargeInertia surchargeInertia = SurchargeInertia::Off;

    // Either dialog's effective-area button counts, whatever the load case; "no deduction"
    // wins when both dialogs hold a choice.
    bool noDeduction() const {
        return normalEffectiveArea == EffectiveAreaMethod::NoDeduct ||
               seismicEffectiveArea == EffectiveAreaMethod::NoDeduct;
    }
    bool deduction() const {
        return normalEffectiveArea == EffectiveAreaMethod::Deduct || seismicEffectiveArea == EffectiveAreaMethod::Deduct;
    }
    bool normalIs(OverturningMethod m) const { return normalOverturning == m; }
    bool seismicIs(OverturningMethod m) const { return seismicOverturning == m; }
};

// The switches of the dimension screen (Form4) that change which loads enter the
// calculation, read through `dimensionChoices` (stability/dimension_screen.h).
enum class FrontSoilLoad { None, Counted, LeftOut };                   // opt3, opt4
enum class VerticalEarthPressureComponent { None, Counted, LeftOut };  // opt1, opt2
enum class ShearKey { None, Absent, Present };                         // opt5, opt6
// The surcharge less 5 kN/m2 in the earth pressure (chk1), only with a typed KA; None
// for a tick value other than 0 or 1, as with the surcharge inertia.
enum class SurchargeDeduction { None, Off, Deduct5 };

struct DimensionChoices {
    FrontSoilLoad frontSoil = FrontSoilLoad::None;
    VerticalEarthPressureComponent verticalComponent = VerticalEarthPressureComponent::None;
    ShearKey shearKey = ShearKey::None;
    SurchargeDeduction surchargeDeduction = SurchargeDeduction::None;

    bool withKey() const { return shearKey == ShearKey::Present; }
    bool withoutKey() const { return shearKey == ShearKey::Absent; }
};
