// "地盤の形状 >": the design conditions are read, checked in screen order, and handed
// over to the ground-shape step.
#include "common/entry_bounds.h"
#include "common/numbers.h"
#include "common/messages.h"
#include "common/calc_fault.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"

namespace {

// The road standard asks for at least this concrete strength (N/mm2).
constexpr float kRoadMinimumStrength = 21.0f;

}  // namespace

// The seismic dialog keeps what was typed there; Kh follows the standard chosen now
// (Kh as typed under the building standard, Cz × Kho under the road standard).
void Form3::refreshSeismicInput() {
    if (!opt4.value() || (!opt_T.value() && !opt_D.value())) return;
    auto* dialog = static_cast<Form25*>(program_.find(Form25::kName));
    // Without a method or, on the road, a region the checks below ask for the dialog.
    if (!dialog || !dialog->methodChosen() || (opt_D.value() && !dialog->regionChosen())) return;
    // Only coefficients the dialog accepts: a refused text left behind keeps the last ones.
    const std::vector<BoundedBox> coefficients = dialog->boundedBoxes();
    if (firstBrokenRule(coefficients)) return;
    const float kh = program_.seismicKh;
    const float kv = program_.seismicKv;
    dialog->Jisin();
    // A KA computed with other coefficients is stale.
    if ((kh != program_.seismicKh || kv != program_.seismicKv) && opt2.value()) dropKa();
}

void Form3::cmd3_Click() {
    try {
        refreshSeismicInput();
        HENSUU();
    } catch (const num::CalcFault&) {
        // A number beyond any the program holds is a slip in its box: say which.
        if (refuseOutOfBounds(program_, boundedBoxes())) return;
        showCannotCompute(program_);
        return;
    }
    if (program_.foundationCohesion == 0) stale_.changed("no cohesion");

    auto refuse = [this](const char* message) { program_.msgBox(message, plat::msg::kOk, kErrorTitle); };
    auto refuseAt = [&](const char* message, plat::TextBox& box) {
        refuse(message);
        moveTo(box);
    };
    const bool road = opt_D.value();

    if (txt1.text().empty()) return refuseAt("築造地を入力してください。", txt1);
    if (!opt_T.value() && !road) {
        refuse("材料の許容応力度の計算方法を選択してください。");
        opt_T.setFocus();
        return;
    }
    const std::vector<BoundedBox> bounded = boundedBoxes();
    // An empty box of the table is asked for with its own message.
    auto missing = [&](plat::TextBox& box) {
        for (const BoundedBox& entry : bounded)
            if (entry.box == &box && box.text().empty()) {
                refuseAt(entry.missing, box);
                return true;
            }
        return false;
    };
    if (missing(txt2)) return;
    if (road && program_.concreteStrength < kRoadMinimumStrength)
        return refuseAt("コンクリートの設計基準強度を21N/mm2以上にしてください。", txt2);
    if (missing(txt3) || missing(txt4) || missing(txt5) || missing(txt6)) return;
    if (cbo1.text().empty()) {
        refuse("土質を入力してください。");
        cbo1.setFocus();
        return;
    }
    if (missing(txt8) || missing(txt10) || missing(txt12)) return;
    if (cbo2.text().empty()) {
        refuse("土質を入力してください。");
        cbo2.setFocus();
        return;
    }
    if (missing(txt14) || missing(txt11)) return;
    if (txt9.text().empty()) {
        refuse("底盤の摩擦係数を入力又は計算してください。");
        if (!opt5.value()) {
            opt5.setFocus();
            return;
        }
        moveTo(txt9);
        return;
    }
    if (txt15.text().empty()) {
        refuse("主働土圧係数を入力又は計算してください。");
        txt15.setBorderStyle(1);
        opt1.setValue(true);
        moveTo(txt15);
        return;
    }
    if (opt4.value()) {
        if (missing(txt13)) return;
        Form25& dialog = program_.form<Form25>();
        if (!dialog.methodChosen()) {
            refuse("地震時水平荷重の計算方法を選択してください。");
            cmd4_Click();
            return;
        }
        // Kh of the road standard needs the region; the dialog asks for it.
        if (road && !dialog.regionChosen()) {
            refuse("地域別補正係数を選択して下さい。");
            cmd4_Click();
            return;
        }
    }

    // Every box is there; now each must hold a value that describes a wall.
    if (const BoundedBox* wrong = firstOutOfBounds(bounded))
        return refuseAt(refusalMessage(*wrong).c_str(), *wrong->box);

    Form23& groundShape = program_.form<Form23>();
    groundShape.setTop(0);
    groundShape.setLeft(0);
    groundShape.show();
}

std::vector<BoundedBox> Form3::boundedBoxes() {
    const bool road = opt_D.value();
    const char* phi = road ? "せん断抵抗角" : "内部摩擦角";
    const char* deltaMissing = "壁背面と土との間の壁面摩擦角を入力してください。";
    return {
        {&txt2, "コンクリートの設計基準強度", bounds::kStrength, true, "コンクリートの設計基準強度を入力してください。"},
        {&txt3, "鉄筋の許容引張応力度", bounds::kStress, true, "鉄筋の許容引張応力度を入力してください。"},
        {&txt4, "許容地耐力度", bounds::kPressure, true, "許容地耐力度を入力してください。"},
        {&txt5, "土の単位体積重量", bounds::kUnitWeight, true, "土の単位体積重量を入力してください。"},
        {&txt6, "鉄筋コンクリートの単位体積重量", bounds::kUnitWeight, true,
         "鉄筋コンクリートの単位体積重量を入力してください。"},
        {&txt8, std::string("裏込め土の") + phi, bounds::kAngle, true,
         road ? "せん断抵抗角を入力してください。" : "内部摩擦角を入力してください。"},
        {&txt10, "安定計算時の壁面摩擦角", bounds::kAngle, true, deltaMissing},
        {&txt12, "断面計算時の壁面摩擦角", bounds::kAngle, true, deltaMissing},
        {&txt14, "土の粘着力", bounds::kPressureOrNone, true, "土の粘着力を入力してください。"},
        {&txt11, std::string("基礎地盤の") + phi, bounds::kAngle, true, "内部摩擦角度を入力してください。"},
        {&txt9, "底盤の摩擦係数", bounds::kCoefficient, true, "底盤の摩擦係数を入力又は計算してください。"},
        {&txt15, "主働土圧係数", bounds::kCoefficientPositive, true, "主働土圧係数を入力又は計算してください。"},
        {&txt13, "短期の鉄筋の許容引張応力度", bounds::kStress, opt4.value(),
         "短期の鉄筋の許容引張応力度を入力してください。"},
    };
}
