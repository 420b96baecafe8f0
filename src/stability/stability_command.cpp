// Form4.cmd3_Click, "安定性の検討": takes the screen's values, checks that every input
// and method the calculation needs is there, stopping at the first gap with a message,
// then shows the judgement.
#include <tuple>

#include "common/numbers.h"
#include "common/messages.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/stability_fault.h"

namespace {

constexpr const char* kDimensionMissing = "寸法を入力してください。";
constexpr const char* kSurchargeMissing = "上載荷重を入力してください。";
constexpr const char* kOverturningMissing = "転倒に対する検討方法を選択してください。";
constexpr const char* kEffectiveAreaMissing = "底版の有効載荷面積に対する検討方法を選択してください。";

// A toe or heel is entered when its text is neither empty nor exactly "0".
bool entered(const plat::TextBox& box) { return !box.text().empty() && box.text() != "0"; }

}  // namespace

void Form4::refuse(plat::TextBox& box, const char* message) {
    program_.msgBox(message, plat::msg::kOk, kErrorTitle);
    box.setFocus();
    box.setSelStart(0);
}

void Form4::cmd3_Click() {
    Program& p = program_;
    try {
        p.frontWallUpperHeight = num::readSingle(txt3.text());
        p.frontSoilHeight = num::readSingle(txt4.text());
        p.backSoilHeight = num::readSingle(txt5.text());
        p.rearWallUpperHeight = num::readSingle(txt6.text());
        p.toeLength = num::readSingle(txt12.text());
        p.heelLength = num::readSingle(txt16.text());
        p.toeEndThickness = num::readSingle(txt18.text());
        p.heelEndThickness = num::readSingle(txt19.text());
        p.centralFillDepth = num::readSingle(txt20.text());
        p.surchargeBack = num::readSingle(txt21.text());
    } catch (const num::CalcFault&) {
        reportStabilityFault(p);  // a number too large for the program
        return;
    }
    lbl33.setCaption(numberText(p.surchargeBack));

    // Required texts, in the order of the screen. The central fill depth is asked for
    // like every other dimension: an empty box is more likely forgotten than meant as 0.
    struct Required {
        plat::TextBox* box;
        const char* message;
        bool oneSidedOnly;
    };
    const Required required[] = {
        {&txt1, "§番号を入力してください。", false},
        {&txt2, "擁壁の記号を入力してください。", false},
        {&txt3, kDimensionMissing, true},
        {&txt4, kDimensionMissing, true},
        {&txt5, kDimensionMissing, false},
        {&txt6, kDimensionMissing, false},
        {&txt7, kDimensionMissing, false},
        {&txt8, kDimensionMissing, false},
        {&txt9, kDimensionMissing, false},
        {&txt10, kDimensionMissing, false},
        {&txt12, kDimensionMissing, false},
        {&txt13, kDimensionMissing, false},
        {&txt14, kDimensionMissing, false},
        {&txt15, kDimensionMissing, false},
        {&txt17, kDimensionMissing, false},
        {&txt20, kDimensionMissing, false},
        {&txt21, kSurchargeMissing, false},
        {&txt22, kSurchargeMissing, false},
    };
    for (const Required& r : required) {
        if (r.oneSidedOnly && !oneSided()) continue;
        if (r.box->text().empty()) {
            refuse(*r.box, r.message);
            return;
        }
    }

    // Heel and toe: both absent (0), or both entered.
    for (auto [length, thickness, lengthBox, thicknessBox] :
         {std::tuple{p.heelLength, p.heelEndThickness, &txt16, &txt19},
          std::tuple{p.toeLength, p.toeEndThickness, &txt12, &txt18}}) {
        if (length == 0 && thickness == 0) continue;
        for (plat::TextBox* box : {lengthBox, thicknessBox}) {
            if (!entered(*box)) {
                refuse(*box, kDimensionMissing);
                return;
            }
        }
    }

    if (Frame2.visible() && !opt3.value() && !opt4.value()) {
        p.msgBox("前面土荷重の計算の有無を選択してください。", plat::msg::kOk, kErrorTitle);
        return;
    }

    Form3& conditions = p.form<Form3>();
    if (conditions.opt3.value()) {
        Form14& methods = p.form<Form14>();
        if (!methods.opt1.value() && !methods.opt2.value() && !methods.opt3.value() && !methods.opt6.value()) {
            p.msgBox(kOverturningMissing, plat::msg::kOk, kErrorTitle);
            methods.opt1.setValue(false);
            methods.opt2.setValue(false);
            methods.opt3.setValue(false);
            methods.showModal();
            return;
        }
        if (p.foundationCohesion != 0 && !methods.opt4.value() && !methods.opt5.value()) {
            p.msgBox(kEffectiveAreaMissing, plat::msg::kOk, kErrorTitle);
            methods.lbl1.setEnabled(true);
            methods.opt4.setEnabled(true);
            methods.opt5.setEnabled(true);
            methods.showModal();
            return;
        }
    }
    if (conditions.opt4.value()) {
        Form21& methods = p.form<Form21>();
        if (!methods.opt1.value() && !methods.opt2.value() && !methods.opt3.value() && !methods.opt4.value() &&
            !methods.opt9.value() && !methods.opt10.value()) {
            p.msgBox(kOverturningMissing, plat::msg::kOk, kErrorTitle);
            for (plat::OptionButton* o :
                 {&methods.opt1, &methods.opt2, &methods.opt3, &methods.opt4, &methods.opt5, &methods.opt6})
                o->setValue(false);
            methods.showModal();
            return;
        }
        if (!methods.opt5.value() && !methods.opt6.value()) {
            p.msgBox("滑動に対する検討方法を選択してください。", plat::msg::kOk, kErrorTitle);
            methods.showModal();
            return;
        }
        if (p.foundationCohesion != 0 && !methods.opt7.value() && !methods.opt8.value()) {
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
    // A key height asked for leaves the panel hidden: that result waits for the next check.
    dropUnshownResult();
    cmd1.setFocus();
}
