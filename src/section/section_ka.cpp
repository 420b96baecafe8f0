// The earth-pressure coefficient KA of the upright wall's section design: computed on the
// rear wall's back face (angle θ of the slab model) with the section's wall friction δ, or
// typed; and the two buttons that switch between the modes.
#include "common/numbers.h"
#include "common/calc_fault.h"
#include "conditions/design_choices.h"
#include "conditions/ka_formulas.h"
#include "section/section_screen.h"

namespace {

// KA on the rear wall's back face θ with the section's δ.
ka::Angles angles(const Program& p) { return {p.backfillPhi, p.deltaSection, p.rearFaceTheta, p.groundSlope}; }

// Mononobe-Okabe stores θk again for the design conditions.
double mononobeOkabe(Program& p) {
    ka::storeSeismicTheta(p);
    return ka::activeCoefficient(ka::mononobeOkabeTerms(angles(p), p.seismicTheta, p.seismicKv));
}

}  // namespace

void Form7::Doatu() {
    Program& p = program_;
    const DesignChoices choices = designChoices(p);
    const SeismicMethod method = choices.seismicMethod;
    if (choices.normal() || method == SeismicMethod::K2)
        p.activeCoefficientSection = num::store(ka::activeCoefficient(ka::coulombTerms(angles(p))));
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
