#include "stability/stability_rules.h"

#include <string>

#include "common/numbers.h"
#include "conditions/condition_boxes.h"
#include "conditions/design_choices.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_boxes.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"

namespace {

bool readsZero(const plat::TextBox& box) { return box.text().empty() || num::parse(box.text()) == 0; }

// A heel or a toe is there or not: its length and end thickness both 0, or both more. An
// empty box beside a part that is there is a forgotten one.
std::function<std::string()> pairRule(const plat::TextBox& self, const plat::TextBox& partner, const char* halfGone) {
    return [&self, &partner, halfGone]() -> std::string {
        // A partner that is no length is named for itself first.
        if (!withinBounds(partner.text(), bounds::kLengthOrNone)) return "";
        if (readsZero(self) && readsZero(partner)) return "";
        if (self.text().empty()) return kDimensionMissing;
        if (num::parse(self.text()) == 0) return halfGone;
        return "";
    };
}

void bringDimensionsToFront(Program& program) { showScreenAlone(program, program.form<Form4>()); }

// The key dialog's boxes, each brought up in the dialog as the stability check left it.
std::vector<BoundedBox> keyBoxRules(Program& program, ShearKeyDialog& key) {
    std::vector<BoundedBox> rules = boundedKeyBoxes(key);
    for (BoundedBox& entry : rules) entry.bringUp = [&program] { showShearKeyDialogAsLeft(program); };
    return rules;
}

}  // namespace

std::vector<BoundedBox> dimensionRules(Program& program) {
    Form4& d = program.form<Form4>();
    std::vector<BoundedBox> rules;
    for (const DimensionBox& row : dimensionBoxes())
        if (row.text)
            rules.push_back({.box = &(d.*row.box), .name = "", .bounds = {}, .missing = row.missing, .anyText = true});
    appendRules(rules, boundedDimensionBoxes(d, designChoices(program).oneSided()));
    for (BoundedBox& entry : rules) {
        if (entry.box == &d.txt12) entry.between = pairRule(d.txt12, d.txt18, kToeHalfGone);
        if (entry.box == &d.txt18) entry.between = pairRule(d.txt18, d.txt12, kToeHalfGone);
        if (entry.box == &d.txt16) entry.between = pairRule(d.txt16, d.txt19, kHeelHalfGone);
        if (entry.box == &d.txt19) entry.between = pairRule(d.txt19, d.txt16, kHeelHalfGone);
        entry.bringUp = [&program] { bringDimensionsToFront(program); };
    }
    return rules;
}

std::vector<BoundedBox> keyRules(Program& program) {
    ShearKeyDialog* key = keyDialogInUse(program);
    if (!key || key->txt1.text().empty()) return {};
    return keyBoxRules(program, *key);
}

std::vector<BoundedBox> typedKeyRules(Program& program) {
    ShearKeyDialog* key = keyDialogInUse(program);
    if (!key) return {};
    return givenOnly(keyBoxRules(program, *key));
}

std::vector<BoundedBox> ownStabilityRules(Program& program) {
    std::vector<BoundedBox> rules = dimensionRules(program);
    appendRules(rules, keyRules(program));
    if (designChoices(program).seismic()) appendRules(rules, program.form<Form21>().boundedBoxes());
    return rules;
}

std::vector<BoundedBox> stabilityRules(Program& program) {
    std::vector<BoundedBox> rules = givenOnly(conditionRules(program));
    appendRules(rules, ownStabilityRules(program));
    return rules;
}
