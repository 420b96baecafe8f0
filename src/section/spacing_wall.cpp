// Design forces of the upright (rear) wall at mid-height (location 1) and at its fixed
// end on the slab (location 2), loaded by the back soil, its surcharge and, in the
// seismic case, the inertia of the wall, the soil above the section and the surcharge.
#include <cmath>

#include <utility>

#include "common/numbers.h"
#include "conditions/design_choices.h"
#include "section/design_forces.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"

namespace {

class WallForces {
public:
    WallForces(Program& program, int loc) : p_(program), loc_(loc) {}

    void run() {
        earthPressure();
        const DesignChoices choices = designChoices(p_);
        const bool normal = choices.normal();
        const bool seismic = choices.seismic();
        if (seismic) seismicQuantities();
        if (normal || (seismic && choices.seismicMethod == SeismicMethod::K1)) {
            setForces(moment(), shear());
        } else if (seismic && choices.withHeights()) {
            const double kh = p_.seismicKh;
            const double w = p_.wallWeightAbove[loc_], y = p_.wallWeightArm[loc_];
            if (!surchargeInertiaCounts(p_)) {
                setForces(moment() + kh * w * y, shear() + kh * w);
            } else {
                const double q = p_.surchargeBack;
                const double w2 = backSoilWeight(), y2 = p_.backSoilArm[loc_], y3 = surchargeArm();
                setForces(moment() + kh * w * y + kh * w2 * y2 + kh * q * y3, shear() + kh * w + kh * w2 + kh * q);
            }
        }
        // No load case, or no seismic method: M and S keep their previous values.
    }

private:
    // Height of the rear wall above the slab top, and depth of back soil above the section,
    // each a single like every named value.
    float hw() const { return num::store(double(p_.rearWallUpperHeight) + p_.backSoilAboveSlab); }
    float depth() const { return loc_ == 1 ? num::store(hw() / 2.0 - p_.rearWallUpperHeight) : p_.backSoilAboveSlab; }

    void earthPressure() {
        const double ka = p_.activeCoefficientSection, gamma = p_.soilUnitWeight, q = p_.surchargeBack;
        const double h = depth();
        // A section at or above the soil surface has no soil pressing on it.
        if (h <= 0) {
            p_.sectionPAX[loc_] = 0;
            p_.sectionDeltaPAX[loc_] = 0;
            return;
        }
        const double c = std::cos(num::rad(double(p_.rearFaceTheta) + p_.deltaSection));
        p_.sectionPAX[loc_] = num::store(0.5 * ka * gamma * h * h * c);
        if (dimensionChoices(p_).surchargeDeduction == SurchargeDeduction::Deduct5) {
            const double deducted = ka * (q - 5) * h * c;
            p_.sectionDeltaPAX[loc_] = num::store(deducted <= 0 ? 0.0 : deducted);
        } else {
            p_.sectionDeltaPAX[loc_] = num::store(ka * q * h * c);
        }
    }

    // ΔPAX acts at H/2 and PAX at H/3 above the section.
    double moment() const {
        const double h = depth();
        return h * p_.sectionDeltaPAX[loc_] / 2 + h * p_.sectionPAX[loc_] / 3;
    }
    double shear() const { return double(p_.sectionPAX[loc_]) + p_.sectionDeltaPAX[loc_]; }

    void setForces(double momentKNm, double shearKN) {
        p_.designMoment[loc_] = num::store(momentKNm * 1e5);
        p_.designShear[loc_] = num::store(shearKN * 1e3);
    }

    // The wall above the section in three pieces (top-width rectangle, inner and outer
    // batter triangles), kept in the first three sub-areas until the next stability run.
    void seismicQuantities() {
        const double hw = this->hw(), h = depth();
        const double rT = p_.rearWallTopWidth, rI = p_.rearWallInnerBatter, rO = p_.rearWallOuterBatter;
        float* a = p_.subArea;
        float* z = p_.subAreaY;
        if (loc_ == 1) {
            a[1] = num::store(hw / 2 * rT);  z[1] = num::store(hw / 4);
            a[2] = num::store(hw * rI / 8);  z[2] = num::store(hw / 6);
            a[3] = num::store(hw * rO / 8);  z[3] = num::store(hw / 6);
        } else {
            a[1] = num::store(hw * rT);      z[1] = num::store(hw / 2);
            a[2] = num::store(hw * rI / 2);  z[2] = num::store(hw / 3);
            a[3] = num::store(hw * rO / 2);  z[3] = num::store(hw / 3);
        }
        const double area = double(a[1]) + a[2] + a[3];
        p_.wallWeightAbove[loc_] = num::store(p_.concreteUnitWeight * area);
        p_.wallWeightArm[loc_] = num::store(num::div(double(a[1]) * z[1] + double(a[2]) * z[2] + double(a[3]) * z[3], area));
        if (loc_ == 2) {
            p_.backSoilArm[loc_] = num::store(double(p_.partY[7]) - p_.slabThickness);
            return;
        }
        // The back soil above mid-height: a rectangle out to the heel end and the triangle
        // over the outer batter, from the soil surface down to the section.
        const double k = p_.heelPlusRearOuterBatter, l = p_.rearWallUpperHeight;
        p_.upperBackSoilArea = num::store((2 * k - rO * num::div(l, hw) - rO / 2) * h / 2);
        p_.upperSoilRectArea = num::store((k - rO / 2) * h);
        p_.upperSoilTriArea = num::store(h * rO / 4);
        p_.upperSoilRectArm = num::store(h / 2);
        p_.upperSoilTriArm = num::store(2 * h / 3);
        const double soil = double(p_.upperSoilRectArea) + p_.upperSoilTriArea;
        // No soil above the section: its weight is 0 and the arm only needs to be finite.
        p_.upperBackSoilCentroid =
            soil == 0 ? num::store(h / 2)
                      : num::store(num::div(double(p_.upperSoilRectArm) * p_.upperSoilRectArea +
                                                double(p_.upperSoilTriArm) * p_.upperSoilTriArea,
                                            soil));
        p_.backSoilArm[loc_] = p_.upperBackSoilCentroid;
    }

    double backSoilWeight() const {
        return double(p_.soilUnitWeight) * (loc_ == 1 ? p_.upperBackSoilArea : p_.partArea[7]);
    }

    // Height of the surcharge inertia force above the section.
    double surchargeArm() const {
        const double hq = p_.sectionSurchargeInertiaHeight;
        if (loc_ == 1) return num::div(depth() * hq, double(p_.backSoilAboveSlab) + p_.slabThickness);
        return hq - p_.slabThickness;
    }

    Program& p_;
    int loc_;
};

}  // namespace

void wallForces(Program& program, int loc) { WallForces(program, loc).run(); }

bool Form7::surchargeInertiaCounts() { return ::surchargeInertiaCounts(program_); }

bool surchargeInertiaCounts(const Program& program) {
    const auto* sections = static_cast<const Form7*>(program.find(Form7::kName));
    if (!sections || sections->chk_1.value() != 1) return false;
    const DesignChoices choices = designChoices(program);
    return choices.seismic() && choices.withHeights();
}
