// KA, the seismic wall friction angle and the base friction of the design conditions.
#include <cmath>

#include "common/numbers.h"
#include "common/messages.h"
#include "common/calc_fault.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/seismic_dialog.h"

namespace {

// Angles are converted with π written as 3.14159.
double rad(double degrees) { return (degrees * num::kPi) / 180; }
double deg(double radians) { return (radians * 180) / num::kPi; }
double arctan(double x) { return num::finite(std::atan(num::finite(x))); }
double square(double x) { return x * x; }

// θk = atan(Kh / (1 − Kv)), radians and degrees.
void storeSeismicTheta(Program& p) {
    p.seismicThetaRad = num::store(arctan(num::div(p.seismicKh, 1.0 - p.seismicKv)));
    p.seismicTheta = num::store(deg(p.seismicThetaRad));
}

// √(sin(φ + δ)·sin(φ − β) / (cos(α − β)·cos(α + δ))) from the stored terms.
double kaRoot(const Program& p) {
    return num::sqrt(num::div(static_cast<double>(p.kaRootSinPhiBeta) * p.kaRootSinPhiDelta,
                              static_cast<double>(p.kaRootCosAlphaBeta) * p.kaRootCosAlphaDelta));
}

void coulomb(Program& p) {
    const double phi = p.backfillPhi, delta = p.deltaStability, alpha = p.wallBackAngle, beta = p.groundSlope;
    p.kaNumerator = num::store(square(std::cos(rad(phi - alpha))));
    p.kaCos2Alpha = num::store(square(std::cos(rad(alpha))));
    p.kaCosAlphaDelta = num::store(std::cos(rad(delta + alpha)));
    p.kaRootSinPhiDelta = num::store(std::sin(rad(delta + phi)));
    p.kaRootSinPhiBeta = num::store(std::sin(rad(std::fabs(phi - beta))));
    p.kaRootCosAlphaDelta = num::store(std::cos(rad(delta + alpha)));
    p.kaRootCosAlphaBeta = num::store(std::cos(rad(std::fabs(alpha - beta))));
    if (p.backfillPhi < p.groundSlope) p.kaRootSinPhiBeta = 0;
    const double r = kaRoot(p);
    p.activeCoefficient = num::store(
        num::div(p.kaNumerator, (static_cast<double>(p.kaCosAlphaDelta) * p.kaCos2Alpha) * square(r + 1)));
}

void mononobeOkabe(Program& p) {
    storeSeismicTheta(p);
    const double phi = p.backfillPhi, delta = p.deltaStability, alpha = p.wallBackAngle, beta = p.groundSlope;
    const double theta = p.seismicTheta;
    p.kaNumerator = num::store(square(std::cos(rad(phi - alpha - theta))) * (1 - static_cast<double>(p.seismicKv)));
    p.kaCosTheta = num::store(std::cos(rad(theta)));
    p.kaCos2Alpha = num::store(square(std::cos(rad(alpha))));
    p.kaCosAlphaDelta = num::store(std::cos(rad(delta + alpha + theta)));
    p.kaRootSinPhiDelta = num::store(std::sin(rad(delta + phi)));
    p.kaRootSinPhiBeta = num::store(std::sin(rad(std::fabs(phi - beta - theta))));
    p.kaRootCosAlphaDelta = num::store(std::cos(rad(delta + alpha + theta)));
    p.kaRootCosAlphaBeta = num::store(std::cos(rad(std::fabs(alpha - beta))));
    if (num::store(beta + theta) > p.backfillPhi) p.kaRootSinPhiBeta = 0;
    const double r = kaRoot(p);
    p.activeCoefficient = num::store(num::div(
        p.kaNumerator,
        (static_cast<double>(p.kaCosTheta) * p.kaCos2Alpha * p.kaCosAlphaDelta) * square(r + 1)));
}

}  // namespace

void Form3::MESSEIJI() {
    struct Required {
        plat::TextBox& box;
        const char* message;
    };
    const Required required[] = {
        {txt8, "内部摩擦角度を入力してください。"},
        {txt9, "底盤の摩擦係数を入力してください。"},
        {txt10, "壁背面と土との間の壁面摩擦角度を入力してください。"},
    };
    for (const Required& r : required) {
        if (!r.box.text().empty()) continue;
        program_.msgBox(r.message, plat::msg::kOk, kErrorTitle);
        moveTo(r.box);
        return;
    }
}

bool Form3::KEISAN() {
    MESSEIJI();
    if (txt8.text().empty() || txt9.text().empty() || txt10.text().empty()) return false;
    HENSUU();
    const DesignChoices choices = designChoices(program_);
    const SeismicMethod method = choices.seismicMethod;
    if (choices.normal() || method == SeismicMethod::K2) {
        if (method == SeismicMethod::K2) storeSeismicTheta(program_);
        coulomb(program_);
        return true;
    }
    if (method == SeismicMethod::K1 || method == SeismicMethod::D1) {
        mononobeOkabe(program_);
        return true;
    }
    // No load case, or the seismic case without a method: nothing to compute.
    return false;
}

void Form3::cmd7_Click() {
    Program& p = program_;
    // δ follows from φ: a φ that describes no soil is refused before δ is written.
    for (const BoundedBox& entry : boundedBoxes()) {
        if (entry.box != &txt8 || !firstBrokenRule({entry})) continue;
        p.msgBox(refusalMessage(entry), plat::msg::kOk, kErrorTitle);
        moveTo(txt8);
        return;
    }
    try {
        HENSUU();
        storeSeismicTheta(p);
        if (num::store(static_cast<double>(p.groundSlope) + p.seismicTheta) < p.backfillPhi)
            jDERUTA();
        else
            p.deltaStability = p.backfillPhi;
    } catch (const num::CalcFault&) {
        showCannotCompute(p);
        return;
    }
    txt10.setText(num::format(p.deltaStability, "0.00"));
    p.deltaComputed = 1;

    // δ of the stability calculation changed: a computed KA and every result built on
    // it are stale, as after an edit of the δ box.
    dropKa();
    stale_.changed(cmd7);
}

void Form3::jDERUTA() {
    Program& p = program_;
    const double phi = p.backfillPhi, beta = p.groundSlope, theta = p.seismicTheta;
    const double s = std::sin(rad(phi));
    p.deltaAuxSin = num::store(num::div(std::sin(rad(theta + beta)), s));
    const double auxSin = p.deltaAuxSin;
    p.deltaAuxRad = num::store(arctan(num::div(auxSin, num::sqrt(1 - auxSin * auxSin))));
    p.deltaAux = num::store(deg(p.deltaAuxRad));
    const double angle = rad(static_cast<double>(p.deltaAux) + theta - beta);
    p.deltaStabilityTan = num::store(num::div(s * std::sin(angle), 1 - std::cos(angle) * s));
    p.deltaStabilityRad = num::store(arctan(p.deltaStabilityTan));
    p.deltaStability = num::store(deg(p.deltaStabilityRad));
}

void Form3::Masatu() {
    Program& p = program_;
    p.foundationPhi = num::readSingle(txt11.text());
    p.baseFriction = num::store(num::tan(rad(p.foundationPhi)));
}
