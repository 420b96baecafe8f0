// "地盤の形状 >": the design conditions are read, checked in screen order, and handed
// over to the ground-shape step.
#include "common/entry_bounds.h"
#include "common/numbers.h"
#include "common/messages.h"
#include "common/calc_fault.h"
#include "conditions/condition_boxes.h"
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
    // Only coefficients the dialog accepts: while one is refused there nothing is taken,
    // and they are taken once it is corrected.
    if (firstBrokenRule(dialog->boundedBoxes())) return;
    // A computed KA or δ that these coefficients no longer give is asked for again
    // (deriveGivenFigures).
    dialog->Jisin();
}

// KA and δ from their buttons are shown in their boxes; the steps of their derivations,
// which the report prints, are worked out again from the boxes as they stand, so that
// none is left from an earlier pass (an opened project that was refused and corrected).
// A figure stands only while the boxes as they stand give it: one they no longer give (φ
// or the seismic coefficients changed since it was computed) is emptied and asked for, as
// an empty box is, so that the paper never derives a figure other than the one used.
bool Form3::deriveGivenFigures() {
    Program& p = program_;
    if (opt4.value() && p.deltaComputed == 1 && !deltaStillGiven()) return withdrawGivenFigure(txt10);
    if (opt2.value() && !kaStillGiven()) return withdrawGivenFigure(txt15);
    try {
        HENSUU();
    } catch (const num::CalcFault&) {
        showCannotCompute(p);
        return false;
    }
    return true;
}

// δ of 計算する from φ and the seismic angle as they stand, with its steps, equals the box.
bool Form3::deltaStillGiven() {
    try {
        deriveDelta();
        return num::format(program_.deltaStability, "0.00") == txt10.text();
    } catch (const num::CalcFault&) {
        return false;
    }
}

// KA of 計算 from the boxes as they stand, with its steps, equals the box.
bool Form3::kaStillGiven() {
    try {
        HENSUU();
        return KEISAN() && num::format(program_.activeCoefficient, "0.00#") == txt15.text();
    } catch (const num::CalcFault&) {
        return false;
    }
}

// The computed figure is gone, with what was built on it, and the box asks for it.
bool Form3::withdrawGivenFigure(plat::TextBox& box) {
    if (&box == &txt10) {
        withdrawComputedDelta();
        stale_.changed(txt10);
    }
    dropKa();
    for (const ConditionBox& row : conditionBoxes())
        if (row.box && &(this->*row.box) == &box) boxRefused(row, opt_D.value());
    return false;
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

    // Box by box in the order of the screen: asked for when empty, refused when it holds
    // no value a wall has, then what follows from it.
    const bool road = opt_D.value();
    for (const ConditionBox& row : conditionBoxes()) {
        // A box that takes no part in the wall is not asked for.
        if (!takesPart(row, *this)) continue;
        if (boxRefused(row, road) || followerRefused(row, road)) return;
    }

    // The seismic dialog's coefficients too.
    if (refuseFirstBroken(program_, conditionRules(program_))) return;

    if (!deriveGivenFigures()) return;
    Form23& groundShape = program_.form<Form23>();
    groundShape.setTop(0);
    groundShape.setLeft(0);
    groundShape.show();
}

bool Form3::boxRefused(const ConditionBox& row, bool road) {
    auto refuse = [this](const std::string& message) { program_.msgBox(message, plat::msg::kOk, kErrorTitle); };
    if (row.list) {
        if (!(this->*row.list).text().empty()) return false;
        refuse(missingMessage(row, road));
        (this->*row.list).setFocus();
        return true;
    }
    plat::TextBox& box = this->*row.box;
    if (box.text().empty()) {
        refuse(missingMessage(row, road));
        if (row.empty == ConditionBox::Empty::FrictionChoice && !opt5.value()) {
            opt5.setFocus();
            return true;
        }
        if (row.empty == ConditionBox::Empty::KaChoice) {
            txt15.setBorderStyle(1);
            opt1.setValue(true);
        }
        moveTo(box);
        return true;
    }
    if (!row.name || withinBounds(box.text(), row.bounds)) return false;
    refuse(refusalMessage(BoundedBox{&box, boundsName(row, road), row.bounds}));
    moveTo(box);
    return true;
}

bool Form3::followerRefused(const ConditionBox& row, bool road) {
    auto refuse = [this](const char* message) { program_.msgBox(message, plat::msg::kOk, kErrorTitle); };
    switch (row.then) {
    case ConditionBox::Then::Nothing: return false;
    case ConditionBox::Then::StandardChosen:
        if (opt_T.value() || road) return false;
        refuse("材料の許容応力度の計算方法を選択してください。");
        opt_T.setFocus();
        return true;
    case ConditionBox::Then::RoadStrength:
        if (!road || program_.concreteStrength >= kRoadMinimumStrength) return false;
        refuse("コンクリートの設計基準強度を21N/mm2以上にしてください。");
        moveTo(this->*row.box);
        return true;
    case ConditionBox::Then::SeismicMethod: {
        Form25& dialog = program_.form<Form25>();
        if (!dialog.methodChosen()) {
            refuse("地震時水平荷重の計算方法を選択してください。");
            cmd4_Click();
            return true;
        }
        // Kh of the road standard needs the region; the dialog asks for it.
        if (!road || dialog.regionChosen()) return false;
        refuse("地域別補正係数を選択して下さい。");
        cmd4_Click();
        return true;
    }
    }
    return false;
}

std::vector<BoundedBox> Form3::boundedBoxes() {
    const bool road = opt_D.value();
    std::vector<BoundedBox> bounded;
    for (const ConditionBox& row : conditionBoxes())
        if (row.name)
            bounded.push_back(
                {&(this->*row.box), boundsName(row, road), row.bounds, takesPart(row, *this), missingMessage(row, road)});
    return bounded;
}

void Form3::bringToFront() { showScreenAlone(program_, *this); }

std::vector<BoundedBox> Form3::formulaRules(const plat::TextBox& result) {
    std::vector<BoundedBox> rules = conditionRules(program_);
    std::erase_if(rules, [&result](const BoundedBox& entry) { return entry.box == &result; });
    for (BoundedBox& entry : rules)
        if (entry.box != &txt8) entry.applies = entry.applies && !entry.box->text().empty();
    return rules;
}
