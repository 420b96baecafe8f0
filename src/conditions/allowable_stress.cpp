// HENSUU: the design-condition values and the allowable stresses.
#include "common/numbers.h"
#include "conditions/condition_boxes.h"
#include "conditions/conditions_screen.h"

namespace {

// Limits of the seismic coefficient, compared in single precision as the stored Kh is.
constexpr float kKhHigherConcrete = 0.2f;  // above it concrete takes 3 L
constexpr float kKhHigherBearing = 0.25f;  // from it on the building bearing takes 3 L


// Long-term shear and bond of the road standard by the band of σck (each band from its
// lower bound up to the next). Below the first band both keep what they hold.
struct RoadBand {
    float from, shear, bond;
};
constexpr RoadBand kRoadBands[] = {{30.0f, 0.45f, 1.8f}, {27.0f, 0.42f, 1.7f}, {24.0f, 0.39f, 1.6f}, {21.0f, 0.36f, 1.4f}};

const RoadBand* roadBand(float sigmaCk) {
    for (const RoadBand& band : kRoadBands)
        if (sigmaCk >= band.from) return &band;
    return nullptr;
}

}  // namespace

void Form3::HENSUU() {
    Program& p = program_;

    for (const ConditionBox& row : conditionBoxes()) {
        if (takesPart(row, *this))
            readBox(row, *this, p);
        else if (row.number)
            p.*row.number = 0;
    }

    p.groundSlope = 0;

    const double fc = p.concreteStrength;
    const float kh = p.seismicKh;
    const bool building = opt_T.value();
    const bool road = opt_D.value();

    // Concrete compression σca.
    if (building) {
        p.allowConcreteLong = num::store(fc / 3);
        const double l = p.allowConcreteLong;
        p.allowConcreteShort = kh <= kKhHigherConcrete ? num::store(l + l) : num::store((l + l) * 1.5);
    } else if (road) {
        p.allowConcreteLong = num::store(fc / 3);
        const double l = p.allowConcreteLong;
        p.allowConcreteShort = kh <= kKhHigherConcrete ? num::store(l * 1.5) : num::store((l * 1.5) * 2);
    }

    // Concrete shear τca.
    if (building || road) {
        if (building) {
            p.allowShearCandidate1 = num::store(fc / 30);
            p.allowShearCandidate2 = num::store(fc / 100 + 0.49);
            p.allowShearLong = p.allowShearCandidate1 <= p.allowShearCandidate2 ? p.allowShearCandidate1
                                                                                 : p.allowShearCandidate2;
        } else {
            if (const RoadBand* band = roadBand(p.concreteStrength)) p.allowShearLong = band->shear;
        }
        const double l = p.allowShearLong;
        p.allowShearShort = kh <= kKhHigherConcrete ? num::store(l * 1.5) : num::store((l * 1.5) * 2);
    }

    // Bond (fa, τ0a).
    if (building || road) {
        if (building) {
            p.allowBondCandidate1 = num::store(fc / 15);
            p.allowBondCandidate2 = num::store((2.0 / 75) * fc + 0.9);
            p.allowBondLong = p.allowBondCandidate1 <= p.allowBondCandidate2 ? p.allowBondCandidate1
                                                                             : p.allowBondCandidate2;
        } else {
            if (const RoadBand* band = roadBand(p.concreteStrength)) p.allowBondLong = band->bond;
        }
        p.allowBondShort = num::store(static_cast<double>(p.allowBondLong) * 1.5);
    }

    // Bearing.
    if (building) {
        const double l = p.allowBearingLong;
        p.allowBearingShort = kh < kKhHigherBearing ? num::store(l + l) : num::store(l * 3);
    } else if (road) {
        p.allowBearingShort = num::store(static_cast<double>(p.allowBearingLong) * 1.5);
    }

    // The set in force follows the load case; with none chosen nothing is copied.
    if (opt3.value()) {
        p.allowConcrete = p.allowConcreteLong;
        p.allowShear = p.allowShearLong;
        p.rebarAllow = p.rebarAllowLong;
        p.allowBond = p.allowBondLong;
        p.allowBearing = p.allowBearingLong;
    } else if (opt4.value()) {
        p.allowConcrete = p.allowConcreteShort;
        p.allowShear = p.allowShearShort;
        p.rebarAllow = p.rebarAllowShort;
        p.allowBond = p.allowBondShort;
        p.allowBearing = p.allowBearingShort;
    }
}
