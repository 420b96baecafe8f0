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
    for (plat::ComboBox* list : {&cbo1, &cbo2, &cbo5, &cbo6, &cbo7, &cbo8, &cbo9, &cbo10}) list->setText("");
    for (plat::Label* spacing : {&lbl_ra, &lbl_rb, &lbl_re, &lbl_rf, &lbl_rg, &lbl_rh, &lbl_ri, &lbl_rj})
        spacing->setCaption("");
    for (plat::TextBox* design : {&txt1, &txt2, &txt5, &txt6, &txt7, &txt8, &txt9, &txt10}) design->setText("");
    for (plat::Label* result :
         {&lbl1,  &lbl2,  &lbl3,  &lbl4,  &lbl5,  &lbl6,  &lbl7,  &lbl8,  &lbl17, &lbl18, &lbl19,
          &lbl20, &lbl21, &lbl22, &lbl23, &lbl24, &lbl25, &lbl26, &lbl27, &lbl28, &lbl29, &lbl30,
          &lbl31, &lbl32, &lbl33, &lbl34, &lbl35, &lbl36, &lbl37, &lbl38, &lbl39, &lbl40})
        result->setCaption("");
    // A refused row stays judged while the stability result that refuses it stands (a new
    // coefficient gives its slab no ground reaction either); without one it takes bars
    // again, and the next hand-over judges it anew.
    for (int loc : {1, 2, 5, 6, 7, 8, 9, 10}) {
        if (!refusedRow(loc)) continue;
        if (reactionRefuses(loc)) {
            refuseRow(loc);
        } else {
            admitRow(loc);
        }
    }
}

void Form7::cmd4_Click() {
    txt_ka.setFocus();
    txt_ka.selectAll();
    txt_ka.setBorderStyle(1);
    opt1.setValue(true);
    // Every row was worked out with the old coefficient.
    stale_.changed(cmd4);
}

void Form7::cmd5_Click() {
    try {
        Doatu();
    } catch (const num::CalcFault&) {
        // The coefficient and the rows stay as they were.
        showCannotCompute(program_);
        return;
    }
    opt2.setValue(true);
    stale_.changed(cmd5);
}
