// The earth-pressure coefficient KA of the upright wall's section design: computed on the
// rear wall's back face (angle θ of the slab model) with the section's wall friction δ, or
// typed; and the two buttons that switch between the modes.
#include <cmath>

#include "common/numbers.h"
#include "common/calc_fault.h"
#include "conditions/design_choices.h"
#include "section/section_screen.h"

namespace {

// Angles are converted with π written as 3.14159.
double rad(double degrees) { return (degrees * num::kPi) / 180; }
double deg(double radians) { return (radians * 180) / num::kPi; }
double square(double x) { return x * x; }

// Coulomb: KA = cos²(φ − θ) / (cos²θ·cos(θ + δ)·[1 + √(sin(φ + δ)·S / (cos(θ + δ)·cos|θ − β|))]²).
double coulomb(const Program& p) {
    const double phi = p.backfillPhi, theta = p.rearFaceTheta, delta = p.deltaSection, beta = p.groundSlope;
    const double S = p.backfillPhi < p.groundSlope ? 0.0 : std::sin(rad(std::fabs(phi - beta)));
    const double root = num::sqrt(
        num::div(std::sin(rad(phi + delta)) * S, std::cos(rad(theta + delta)) * std::cos(rad(std::fabs(theta - beta)))));
    return num::div(square(std::cos(rad(phi - theta))),
                    square(std::cos(rad(theta))) * std::cos(rad(theta + delta)) * square(1 + root));
}

// Mononobe-Okabe with the seismic composite angle θk = atan(Kh / (1 − Kv)), which is stored
// again for the design conditions.
double mononobeOkabe(Program& p) {
    p.seismicThetaRad = num::store(std::atan(num::div(p.seismicKh, 1.0 - p.seismicKv)));
    p.seismicTheta = num::store(deg(p.seismicThetaRad));
    const double phi = p.backfillPhi, theta = p.rearFaceTheta, delta = p.deltaSection, beta = p.groundSlope,
                 thetaK = p.seismicTheta, Kv = p.seismicKv;
    const double S = num::store(thetaK + beta) > p.backfillPhi ? 0.0 : std::sin(rad(std::fabs(phi - beta - thetaK)));
    const double root = num::sqrt(num::div(std::sin(rad(phi + delta)) * S,
                                           std::cos(rad(theta + delta + thetaK)) * std::cos(rad(std::fabs(theta - beta)))));
    return num::div((1 - Kv) * square(std::cos(rad(phi - theta - thetaK))),
                    std::cos(rad(thetaK)) * square(std::cos(rad(theta))) * std::cos(rad(theta + delta + thetaK)) *
                        square(1 + root));
}

}  // namespace

void Form7::Doatu() {
    Program& p = program_;
    const DesignChoices choices = designChoices(p);
    const SeismicMethod method = choices.seismicMethod;
    if (choices.normal() || method == SeismicMethod::K2)
        p.activeCoefficientSection = num::store(coulomb(p));
    else if (method == SeismicMethod::K1 || method == SeismicMethod::D1)
        p.activeCoefficientSection = num::store(mononobeOkabe(p));
    txt_ka.setBorderStyle(0);
    txt_ka.setText(num::format(p.activeCoefficientSection, "0.000"));
}

void Form7::clearGrid() {
    for (const Row& r : rows()) {
        r.bars.setText("");
        r.computed.setCaption("");
        r.design.setText("");
        for (plat::Label* result : r.results) result->setCaption("");
    }
    // A refused row stays judged while the stability result that refuses it stands (a new
    // coefficient gives its slab no ground reaction either); without one it takes bars
    // again, and the next hand-over judges it anew.
    for (const CheckLocation& at : kCheckLocations) {
        const int loc = at.loc;
        if (!refusedRow(loc)) continue;
        if (reactionRefuses(loc)) {
            refuseRow(loc);
        } else {
            admitRow(loc);
        }
    }
}

void Form7::cmd4_Click() {
    const bool newMode = !opt1.value();
    txt_ka.setFocus();
    txt_ka.selectAll();
    txt_ka.setBorderStyle(1);
    opt1.setValue(true);
    // Every row was worked out with the old way of giving the coefficient; pressed again,
    // the button only leads into the box.
    if (newMode) stale_.changed(cmd4);
}

void Form7::cmd5_Click() {
    const bool newMode = !opt2.value();
    try {
        Doatu();
    } catch (const num::CalcFault&) {
        // The coefficient and the rows stay as they were.
        showCannotCompute(program_);
        return;
    }
    opt2.setValue(true);
    // Computed again, a coefficient that came out different has emptied the rows it enters.
    if (newMode) stale_.changed(cmd5);
}
