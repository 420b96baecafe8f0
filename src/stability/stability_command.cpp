// Form4.cmd3_Click, "安定性の検討": judges every box the calculation reads by its rules,
// then asks for the choices and methods it needs, stopping at the first gap with a
// message, then shows the judgement.
#include <string>
#include <vector>

#include "common/entry_bounds.h"
#include "common/numbers.h"
#include "common/messages.h"
#include "conditions/design_choices.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_boxes.h"
#include "stability/dimension_screen.h"
#include "stability/judgement_panel.h"
#include "stability/stability_fault.h"
#include "stability/stability_rules.h"

namespace {

constexpr const char* kOverturningMissing = "転倒に対する検討方法を選択してください。";
constexpr const char* kEffectiveAreaMissing = "底版の有効載荷面積に対する検討方法を選択してください。";

}  // namespace

// The values shown beside the boxes are taken as typed; then every box the calculation
// reads keeps its rules, on whichever screen or dialog it is.
bool Form4::inputsKeepTheirRules() {
    Program& p = program_;
    try {
        for (const DimensionBox& row : dimensionBoxes())
            if (row.readByCheck && (!row.frontOnly || oneSided())) readBox(row, *this, p);
    } catch (const num::CalcFault&) {
        // A number too large for the program is a slip in its box: say which.
        if (!refuseFirstBroken(p, stabilityRules(p))) reportStabilityFault(p);
        return false;
    }
    lbl33.setCaption(numberText(p.surchargeBack));
    return !refuseFirstBroken(p, stabilityRules(p));
}

void Form4::cmd3_Click() {
    if (!inputsKeepTheirRules() || !choicesMade()) return;
    // After a failed calculation the focus stays on this button.
    if (!GamenHyouji()) return;
    // A key height asked for leaves the panel hidden: that result waits for the next check,
    // and the focus stays here for it.
    dropUnshownResult();
    (judgementPanel(*this).bearing.name.visible() ? cmd1 : cmd3).setFocus();
}

// The choices the calculation needs, each asked for where it is made.
bool Form4::choicesMade() {
    Program& p = program_;
    if (Frame2.visible() && !opt3.value() && !opt4.value()) {
        p.msgBox("前面土荷重の計算の有無を選択してください。", plat::msg::kOk, kErrorTitle);
        return false;
    }
    const DesignChoices choices = designChoices(p);
    if (choices.normal() && !normalMethodsChosen()) return false;
    if (choices.seismic() && !seismicMethodsChosen()) return false;
    if (Frame1.enabled() && !opt1.value() && !opt2.value()) {
        p.msgBox("土圧の鉛直成分の参入の有無を選択してください。", plat::msg::kOk, kErrorTitle);
        opt1.setValue(true);  // proposed as the user's choice; the next press runs the check
        return false;
    }
    return true;
}

// The normal case's methods: a missing one opens its dialog.
bool Form4::normalMethodsChosen() {
    Program& p = program_;
    const CheckMethods chosen = checkMethods(p);
    Form14& methods = p.form<Form14>();
    if (chosen.normalOverturning == OverturningMethod::None) {
        p.msgBox(kOverturningMissing, plat::msg::kOk, kErrorTitle);
        methods.opt1.setValue(false);
        methods.opt2.setValue(false);
        methods.opt3.setValue(false);
        methods.showModal();
        return false;
    }
    if (p.foundationCohesion != 0 && chosen.normalEffectiveArea == EffectiveAreaMethod::None) {
        p.msgBox(kEffectiveAreaMissing, plat::msg::kOk, kErrorTitle);
        methods.lbl1.setEnabled(true);
        methods.opt4.setEnabled(true);
        methods.opt5.setEnabled(true);
        methods.showModal();
        return false;
    }
    return true;
}

// The seismic case's methods: a missing one opens its dialog.
bool Form4::seismicMethodsChosen() {
    Program& p = program_;
    const CheckMethods chosen = checkMethods(p);
    Form21& methods = p.form<Form21>();
    if (chosen.seismicOverturning == OverturningMethod::None) {
        p.msgBox(kOverturningMissing, plat::msg::kOk, kErrorTitle);
        for (plat::OptionButton* o :
             {&methods.opt1, &methods.opt2, &methods.opt3, &methods.opt4, &methods.opt5, &methods.opt6})
            o->setValue(false);
        methods.showModal();
        return false;
    }
    if (chosen.seismicSliding == SlidingMethod::None) {
        p.msgBox("滑動に対する検討方法を選択してください。", plat::msg::kOk, kErrorTitle);
        methods.showModal();
        return false;
    }
    if (p.foundationCohesion != 0 && chosen.seismicEffectiveArea == EffectiveAreaMethod::None) {
        p.msgBox(kEffectiveAreaMissing, plat::msg::kOk, kErrorTitle);
        methods.lbl1.setEnabled(true);
        methods.opt7.setEnabled(true);
        methods.opt8.setEnabled(true);
        methods.showModal();
        return false;
    }
    return true;
}
