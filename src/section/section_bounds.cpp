#include "section/section_bounds.h"

#include <string>

#include "conditions/condition_boxes.h"
#include "section/check_locations.h"
#include "section/cover_dialog.h"
#include "section/section_refusal.h"
#include "section/section_screen.h"
#include "stability/stability_rules.h"

namespace {

void bringSectionsToFront(Program& program) { showScreenAlone(program, program.form<Form7>()); }

// A cover of a member the wall has, as the cover dialog holds it: one that the dialog was
// left with empty takes the rows' covers and is not judged.
std::vector<BoundedBox> coverRules(Program& program) {
    auto* dialog = static_cast<Form22*>(program.find(Form22::kName));
    if (!dialog) return {};
    Form22& covers = *dialog;
    std::vector<BoundedBox> rules = covers.boundedBoxes();
    const SectionMember members[] = {SectionMember::Wall, SectionMember::Slab, SectionMember::Heel,
                                     SectionMember::Toe, SectionMember::Key};
    for (std::size_t i = 0; i < rules.size(); ++i) {
        rules[i].applies = memberPresent(program, members[i]) && !rules[i].box->text().empty();
        rules[i].missing = nullptr;
        rules[i].bringUp = [&covers] {
            covers.matchRowsToMembers();
            covers.showModal();
        };
    }
    return rules;
}

}  // namespace

std::vector<BoundedBox> sectionBoundedBoxes(Form7& screen) {
    // An empty KA is asked for when a bar is chosen; the inertia height counts while it
    // can be typed.
    return {
        {&screen.txt_ka, "主働土圧係数", bounds::kCoefficientPositive, !screen.txt_ka.text().empty()},
        {&screen.txt_1, "上載荷重の慣性力の作用位置", bounds::kLengthOrNone,
         screen.txt_1.visible() && screen.txt_1.enabled()},
    };
}

std::vector<BoundedBox> designSpacingBoxes(Form7& screen) {
    std::vector<BoundedBox> bounded;
    for (const Form7::Row& row : screen.rows())
        bounded.push_back({&row.design, locationName(row.loc) + "の設計上の鉄筋の間隔", bounds::kSpacing,
                           row.design.visible() && !screen.refusedRow(row.loc) && !row.design.text().empty()});
    return bounded;
}

namespace {

// The covers, then the section screen's own boxes and, with `spacings`, its rows'.
void appendSectionRules(Program& program, std::vector<BoundedBox>& rules, bool spacings) {
    appendRules(rules, coverRules(program));
    // A section screen not yet opened holds nothing to judge.
    auto* sections = static_cast<Form7*>(program.find(Form7::kName));
    if (!sections) return;
    std::vector<BoundedBox> own = sectionBoundedBoxes(*sections);
    if (spacings) {
        // The rows follow the check locations; a row of a member the wall has not is not judged.
        std::vector<BoundedBox> rows = designSpacingBoxes(*sections);
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i].applies = rows[i].applies && locationPresent(program, kCheckLocations[i].loc);
        appendRules(own, std::move(rows));
    }
    for (BoundedBox& entry : own) entry.bringUp = [&program] { bringSectionsToFront(program); };
    appendRules(rules, std::move(own));
}

}  // namespace

std::vector<BoundedBox> sectionInputRules(Program& program) {
    std::vector<BoundedBox> rules = givenOnly(stabilityRules(program));
    appendSectionRules(program, rules, false);
    return rules;
}

std::vector<BoundedBox> sectionRules(Program& program) {
    std::vector<BoundedBox> rules = givenOnly(stabilityRules(program));
    appendSectionRules(program, rules, true);
    return rules;
}

std::vector<BoundedBox> projectRules(Program& program) {
    std::vector<BoundedBox> rules = conditionRules(program);
    appendRules(rules, ownStabilityRules(program));
    appendSectionRules(program, rules, true);
    return rules;
}
