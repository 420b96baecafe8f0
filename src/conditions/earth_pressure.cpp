// KA, the seismic wall friction angle and the base friction of the design conditions.
#include <cmath>

#include "common/numbers.h"
#include "common/messages.h"
#include "common/calc_fault.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ka_formulas.h"
#include "conditions/seismic_dialog.h"

namespace {

// The terms of KA are stored for the report, and KA is worked out from them as stored.
void storeKa(Program& p, const ka::Terms& t, bool seismic) {
    p.kaNumerator = num::store(t.numerator);
    if (seismic) p.kaCosTheta = num::store(t.cosTheta);
    p.kaCos2Alpha = num::store(t.cos2Alpha);
    p.kaCosAlphaDelta = num::store(t.cosAlphaDelta);
    p.kaRootSinPhiDelta = num::store(t.rootSinPhiDelta);
    p.kaRootSinPhiBeta = num::store(t.rootSinPhiBeta);
    p.kaRootCosAlphaDelta = num::store(t.rootCosAlphaDelta);
    p.kaRootCosAlphaBeta = num::store(t.rootCosAlphaBeta);
    const ka::Terms stored{p.kaNumerator,         seismic ? p.kaCosTheta : 1.0f, p.kaCos2Alpha,
                           p.kaCosAlphaDelta,     p.kaRootSinPhiDelta,           p.kaRootSinPhiBeta,
                           p.kaRootCosAlphaDelta, p.kaRootCosAlphaBeta};
    p.activeCoefficient = num::store(ka::activeCoefficient(stored));
}

ka::Angles angles(const Program& p) { return {p.backfillPhi, p.deltaStability, p.wallBackAngle, p.groundSlope}; }

void coulomb(Program& p) { storeKa(p, ka::coulombTerms(angles(p)), false); }

void mononobeOkabe(Program& p) {
    ka::storeSeismicTheta(p);
    storeKa(p, ka::mononobeOkabeTerms(angles(p), p.seismicTheta, p.seismicKv), true);
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
        if (method == SeismicMethod::K2) ka::storeSeismicTheta(program_);
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

void Form3::deriveDelta() {
    Program& p = program_;
    HENSUU();
    ka::storeSeismicTheta(p);
    if (num::store(static_cast<double>(p.groundSlope) + p.seismicTheta) < p.backfillPhi)
        jDERUTA();
    else
        p.deltaStability = p.backfillPhi;
}

void Form3::cmd7_Click() {
    Program& p = program_;
    // δ follows from φ: a φ that describes no soil, or any box the calculation reads that
    // is refused, is named before δ is written.
    if (refuseFirstBroken(p, formulaRules(txt10))) return;
    try {
        deriveDelta();
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
    const double s = std::sin(num::rad(phi));
    p.deltaAuxSin = num::store(num::div(std::sin(num::rad(theta + beta)), s));
    const double auxSin = p.deltaAuxSin;
    p.deltaAuxRad = num::store(num::atan(num::div(auxSin, num::sqrt(1 - auxSin * auxSin))));
    p.deltaAux = num::store(num::deg(p.deltaAuxRad));
    const double angle = num::rad(static_cast<double>(p.deltaAux) + theta - beta);
    p.deltaStabilityTan = num::store(num::div(s * std::sin(angle), 1 - std::cos(angle) * s));
    p.deltaStabilityRad = num::store(num::atan(p.deltaStabilityTan));
    p.deltaStability = num::store(num::deg(p.deltaStabilityRad));
}

void Form3::Masatu() {
    Program& p = program_;
    p.foundationPhi = num::readSingle(txt11.text());
    p.baseFriction = num::store(num::tan(num::rad(p.foundationPhi)));
}
