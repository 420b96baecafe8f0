// Form4.cmd3_Click, "安定性の検討": takes the screen's values, checks that every input
// and method the calculation needs is there, stopping at the first gap with a message,
// then shows the judgement.
#include <string>
#include <vector>

#include "common/entry_bounds.h"
#include "common/numbers.h"
#include "common/messages.h"
#include "conditions/design_choices.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_boxes.h"
#include "stability/dimension_screen.h"
#include "stability/stability_fault.h"

namespace {

constexpr const char* kHeelHalfGone =
    "かかと版を設けない場合は長さと先端の厚さを共に0に、設ける場合は共に0より大きくしてください。";
constexpr const char* kToeHalfGone =
    "つま先版を設けない場合は長さと先端の厚さを共に0に、設ける場合は共に0より大きくしてください。";
constexpr const char* kOverturningMissing = "転倒に対する検討方法を選択してください。";
constexpr const char* kEffectiveAreaMissing = "底版の有効載荷面積に対する検討方法を選択してください。";

}  // namespace

void Form4::refuse(plat::TextBox& box, const std::string& message) {
    program_.msgBox(message, plat::msg::kOk, kErrorTitle);
    moveTo(box);
}

void Form4::cmd3_Click() {
    Program& p = program_;
    try {
        for (const DimensionBox& row : dimensionBoxes())
            if (row.readByCheck) readBox(row, *this, p);
    } catch (const num::CalcFault&) {
        // A number too large for the program is a slip in its box: say which.
        const std::vector<BoundedBox> bounded = boundedDimensionBoxes(*this, oneSided());
        if (const BoundedBox* wrong = firstOutOfBounds(bounded)) return refuse(*wrong->box, refusalMessage(*wrong));
        reportStabilityFault(p);
        return;
    }
    lbl33.setCaption(numberText(p.surchargeBack));

    // Required texts, in the order of the screen.
    for (const DimensionBox& row : dimensionBoxes()) {
        if (!row.missing || (row.frontOnly && !oneSided())) continue;
        plat::TextBox& box = this->*row.box;
        if (box.text().empty()) {
            refuse(box, row.missing);
            return;
        }
    }

    // Every box is there; now each must hold a value that describes a wall.
    const std::vector<BoundedBox> bounded = boundedDimensionBoxes(*this, oneSided());
    if (const BoundedBox* wrong = firstOutOfBounds(bounded)) {
        refuse(*wrong->box, refusalMessage(*wrong));
        return;
    }

    // Heel and toe: both absent (0), or both there. An empty box is a forgotten one; a 0
    // beside a length or thickness is a heel or toe only half taken away.
    struct Pair {
        float length, thickness;
        plat::TextBox *lengthBox, *thicknessBox;
        const char* zeroMessage;
    };
    for (const Pair& pair : {Pair{p.heelLength, p.heelEndThickness, &txt16, &txt19, kHeelHalfGone},
                             Pair{p.toeLength, p.toeEndThickness, &txt12, &txt18, kToeHalfGone}}) {
        if (pair.length == 0 && pair.thickness == 0) continue;
        for (plat::TextBox* box : {pair.lengthBox, pair.thicknessBox}) {
            if (box->text().empty()) return refuse(*box, kDimensionMissing);
            if (num::parse(box->text()) == 0) return refuse(*box, pair.zeroMessage);
        }
    }

    // The key's values enter the calculation too, whatever its dialog was left with: a
    // value refused there and cancelled is refused here. Without a height the judgement
    // asks for the key calculation itself.
    if (ShearKeyDialog* key = keyDialogInUse(p, *this); key && !key->txt1.text().empty()) {
        const std::vector<BoundedBox> keyBounded = boundedKeyBoxes(*key);
        if (const BoundedBox* wrong = firstBrokenRule(keyBounded)) {
            p.msgBox(refusalMessage(*wrong), plat::msg::kOk, kErrorTitle);
            moveTo(cmd5);
            return;
        }
    }

    if (Frame2.visible() && !opt3.value() && !opt4.value()) {
        p.msgBox("前面土荷重の計算の有無を選択してください。", plat::msg::kOk, kErrorTitle);
        return;
    }

    const DesignChoices choices = designChoices(p);
    const CheckMethods chosen = checkMethods(p);
    if (choices.normal()) {
        Form14& methods = p.form<Form14>();
        if (chosen.normalOverturning == OverturningMethod::None) {
            p.msgBox(kOverturningMissing, plat::msg::kOk, kErrorTitle);
            methods.opt1.setValue(false);
            methods.opt2.setValue(false);
            methods.opt3.setValue(false);
            methods.showModal();
            return;
        }
        if (p.foundationCohesion != 0 && chosen.normalEffectiveArea == EffectiveAreaMethod::None) {
            p.msgBox(kEffectiveAreaMissing, plat::msg::kOk, kErrorTitle);
            methods.lbl1.setEnabled(true);
            methods.opt4.setEnabled(true);
            methods.opt5.setEnabled(true);
            methods.showModal();
            return;
        }
    }
    if (choices.seismic()) {
        Form21& methods = p.form<Form21>();
        if (chosen.seismicOverturning == OverturningMethod::None) {
            p.msgBox(kOverturningMissing, plat::msg::kOk, kErrorTitle);
            for (plat::OptionButton* o :
                 {&methods.opt1, &methods.opt2, &methods.opt3, &methods.opt4, &methods.opt5, &methods.opt6})
                o->setValue(false);
            methods.showModal();
            return;
        }
        if (chosen.seismicSliding == SlidingMethod::None) {
            p.msgBox("滑動に対する検討方法を選択してください。", plat::msg::kOk, kErrorTitle);
            methods.showModal();
            return;
        }
        if (p.foundationCohesion != 0 && chosen.seismicEffectiveArea == EffectiveAreaMethod::None) {
            p.msgBox(kEffectiveAreaMissing, plat::msg::kOk, kErrorTitle);
            methods.lbl1.setEnabled(true);
            methods.opt7.setEnabled(true);
            methods.opt8.setEnabled(true);
            methods.showModal();
            return;
        }
    }

    if (Frame1.enabled() && !opt1.value() && !opt2.value()) {
        p.msgBox("土圧の鉛直成分の参入の有無を選択してください。", plat::msg::kOk, kErrorTitle);
        opt1.setValue(true);  // proposed as the user's choice; the next press runs the check
        return;
    }

    // After a failed calculation the focus stays on this button.
    if (!GamenHyouji()) return;
    // A key height asked for leaves the panel hidden: that result waits for the next check,
    // and the focus stays here for it.
    dropUnshownResult();
    (lbl56.visible() ? cmd1 : cmd3).setFocus();
}
