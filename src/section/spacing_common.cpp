// The required bar spacing of a check location: the steps every location shares around
// its own design forces, the KA presence check before them, the bar lists' clicks, the
// emptying of rows that no longer belong to the inputs, and the rows judged NG because
// the ground reaction gives them no forces.
#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "common/messages.h"
#include "common/calc_fault.h"
#include "platform/utf8.h"
#include "section/bar_table.h"
#include "section/design_forces.h"
#include "section/section_bounds.h"
#include "section/section_refusal.h"
#include "section/section_screen.h"

namespace {

using num::store;

// A bar choice runs its location's procedure; what stops it (no stability result, a
// member too thin) is told once, and the row waits at its bar list for another choice.
void runFromList(Program& program, Form7& screen, int loc, plat::ComboBox& bars) {
    // Every box the spacing is worked out from keeps its rules first; an opening judges
    // its boxes itself once they are all in place.
    if (!program.readingProjectLines && refuseFirstBroken(program, sectionInputRules(program))) return;
    try {
        screen.RequiredSpacing(loc);
    } catch (const num::CalcFault&) {
        showCannotCompute(program);
    } catch (const SectionRefusal& refusal) {
        showFaultMessage(program, refusal.what());
        bars.setFocus();
    }
}

// What a location's row shows and the check reads, to tell whether a recomputation
// gives the same.
struct RowValues {
    std::string barName;
    float barArea, effectiveCover, memberThickness, effectiveDepth, designMoment, designShear, computedSpacing;
    bool operator==(const RowValues&) const = default;
};

RowValues valuesOf(const Program& p, int loc) {
    return {p.barName[loc],         p.barArea[loc],      p.effectiveCover[loc], p.memberThickness[loc],
            p.effectiveDepth[loc],  p.designMoment[loc], p.designShear[loc],    p.computedSpacing[loc]};
}

}  // namespace

std::vector<int> Form7::presentLocations() const { return ::presentLocations(program_); }

void Form7::designForces(int loc) { checkLocationOf(loc).forces(program_, loc); }

bool Form7::rowEmpty(int loc) {
    Row r = row(loc);
    bool empty = r.bars.text().empty() && r.computed.caption().empty() && r.design.text().empty();
    for (const plat::Label* result : r.results) empty = empty && result->caption().empty();
    return empty;
}

void Form7::forgetRow(int loc) {
    // An empty row holds nothing that a check could have been made with.
    if (rowEmpty(loc) || program_.readingProjectLines) return;
    Row r = row(loc);
    r.bars.setText("");
    r.computed.setCaption("");
    r.design.setText("");
    for (plat::Label* result : r.results) result->setCaption("");
    checkOutdated();
}

void Form7::checkOutdated() {
    program_.dropCheck();
    if (plat::Toolbar* toolbar = program_.mainToolbar()) {
        button(*toolbar, ToolbarButton::Save).enabled = false;
        button(*toolbar, ToolbarButton::Preview).enabled = false;
    }
}

void Form7::coversChanged() {
    // The check was made with the covers as they were.
    program_.dropCheck();

    // Without a KA no spacing can be computed: the new covers wait for the next bar choice.
    if (txt_ka.text().empty()) return;
    std::vector<int> withBars;
    for (int loc : presentLocations())
        if (!row(loc).bars.text().empty()) withBars.push_back(loc);
    computeSpacings(withBars);
}

void Form7::computeSpacings(const std::vector<int>& locs) {
    std::string firstProblem;
    for (int loc : locs) {
        try {
            RequiredSpacing(loc);
        } catch (const num::CalcFault&) {
            if (firstProblem.empty()) firstProblem = kCannotComputeMessage;
        } catch (const SectionRefusal& refusal) {
            if (firstProblem.empty()) firstProblem = refusal.what();
        }
    }
    if (!firstProblem.empty()) showFaultMessage(program_, firstProblem.c_str());
}

void Form7::checkCounts() {
    program_.countCheck();
    if (plat::Toolbar* toolbar = program_.mainToolbar()) {
        if (!program_.projectPath.empty()) button(*toolbar, ToolbarButton::Save).enabled = true;
        button(*toolbar, ToolbarButton::Preview).enabled = true;
    }
}

void Form7::dropStaleRows() {
    // A member the wall no longer has is no refused location either, and keeps nothing of
    // its design.
    const std::vector<int> present = presentLocations();
    for (const CheckLocation& at : kCheckLocations) {
        const int loc = at.loc;
        if (locationPresent(program_, loc)) continue;
        if (refused_[loc]) admitRow(loc);
        forgetRow(loc);
    }
    // Whether every row still shows what the current inputs give.
    bool unchanged = true;
    for (int loc : present) {
        Row r = row(loc);
        if (reactionRefuses(loc)) {
            if (!refused_[loc]) {
                refuseRow(loc);
                unchanged = false;
            }
            continue;
        }
        if (refused_[loc]) {
            // The new result gives this location its forces: it waits for its bar.
            admitRow(loc);
            unchanged = false;
            continue;
        }
        if (r.computed.caption().empty()) {
            // Nothing computed yet: a location that the wall refuses loses what was typed.
            if (!rowEmpty(loc) && !designable(loc)) forgetRow(loc);
            unchanged = false;
            continue;
        }
        const RowValues before = valuesOf(program_, loc);
        bool same = false;
        try {
            if (!txt_ka.text().empty()) {
                computeRequiredSpacing(loc);
                // The same spacing, and the same judgement against the allowables now.
                same = valuesOf(program_, loc) == before && judgementStands(loc);
            }
        } catch (const num::CalcFault&) {
        } catch (const SectionRefusal&) {
        }
        if (!same) {
            forgetRow(loc);
            unchanged = false;
        }
    }
    // A stability result dropped and made again that changed no row: the check that was
    // made on these rows counts again. Every result on the screen comes from a check, and
    // everything on this screen that a check depends on empties the results it touches,
    // so a grid whose every row shows its judgement is a grid that was checked.
    if (unchanged && program_.hasResult() && !txt_ka.text().empty() && everyRowChecked() &&
        !program_.checkCurrent()) {
        checkCounts();
    }
}

bool Form7::reactionRefuses(int loc) {
    if (!program_.hasResult()) return false;
    try {
        TEKKIN();
        requireGroundReaction(program_, loc);
        return false;
    } catch (const SectionRefusal& refusal) {
        return refusal.reason() == SectionRefusal::Reason::GroundReaction;
    } catch (const num::CalcFault&) {
        return false;
    }
}

void Form7::refuseRow(int loc) {
    Row r = row(loc);
    refused_[loc] = true;
    r.bars.setText("");
    r.bars.setEnabled(false);
    r.computed.setCaption("");
    r.design.setText("");
    r.design.setEnabled(false);
    for (int i = 0; i < 3; ++i) {
        r.results[i]->setForeColor(plat::kBlack);
        r.results[i]->setCaption(kNoValue);
    }
    r.results[3]->setForeColor(plat::kColour13);
    r.results[3]->setCaption("NG");
    // Nothing of an earlier design stays behind the row.
    program_.clearLocation(loc);
    showRefusedLocations();
}

void Form7::admitRow(int loc) {
    Row r = row(loc);
    refused_[loc] = false;
    r.bars.setEnabled(true);
    r.design.setEnabled(true);
    for (plat::Label* result : r.results) {
        result->setForeColor(plat::kBlack);
        result->setCaption("");
    }
    showRefusedLocations();
}

void Form7::showRefusedLocations() {
    // "Ｃ・Ｄ：…": the letters of the row captions, as the sketch marks the locations.
    std::string letters;
    for (const Row& r : rows()) {
        if (!refused_[r.loc]) continue;
        if (!letters.empty()) letters += "・";
        letters += plat::charSlice(r.caption.caption(), 0, 1);
    }
    lbl_ng.setCaption(letters.empty() ? "" : letters + "：" + kRefusedReason);
}

bool Form7::withoutLoad(int loc) const { return program_.barsPerMetre[loc] == 0; }

bool Form7::designable(int loc) {
    if (!program_.hasResult()) return false;
    try {
        TEKKIN();
        requireGroundReaction(program_, loc);
        return true;
    } catch (const num::CalcFault&) {
        return false;
    } catch (const SectionRefusal&) {
        return false;
    }
}

bool Form7::coverFits(int loc, float cover) {
    const double thickness = thicknessAt(program_, checkLocationOf(loc));
    if (!(thickness > 0)) return true;
    const int index = row(loc).bars.listIndex();
    const bool bar = index >= 0 && index < static_cast<int>(kBarSizes.size());
    // As the spacing calculation works out D, the effective cover and d.
    const float effectiveCover = store(double(cover) + (bar ? kBarSizes[index].halfDiameter : 0.0));
    const float memberThickness = store(100 * thickness);
    return store(memberThickness - effectiveCover / 10.0) > 0;
}

bool Form7::Tyuui() {
    if (!txt_ka.text().empty()) return true;
    program_.msgBox("主働土圧係数を入力してください。", plat::msg::kOk, kErrorTitle);
    txt_ka.setFocus();
    txt_ka.setSelStart(0);
    return false;
}

void Form7::RequiredSpacing(int loc) {
    Row r = row(loc);
    // 1. Nothing is computed without a coefficient; the choice is undone.
    Tyuui();
    if (txt_ka.text().empty()) {
        r.bars.setText("");
        return;
    }
    try {
        computeRequiredSpacing(loc);
    } catch (const SectionRefusal& refusal) {
        // No forces for this ground reaction: the row is judged, not waiting for a bar.
        if (refusal.reason() == SectionRefusal::Reason::GroundReaction) {
            refuseRow(loc);
            checkOutdated();
            return;
        }
        forgetRow(loc);
        throw;
    } catch (const num::CalcFault&) {
        // Half a calculation belongs to no bar: the row waits for another choice.
        forgetRow(loc);
        throw;
    }
    // 15. The spacing keeps its fraction; the label shows its whole part, or "――" where
    // nothing asks for one.
    r.computed.setCaption(withoutLoad(loc) ? kNoValue
                                           : num::format(std::floor(program_.computedSpacing[loc]), "0"));
    // 16 and 17. The row's stresses no longer belong to its bars, and the check is to be
    // run again.
    for (plat::Label* result : r.results) result->setCaption("");
    checkOutdated();
}

void Form7::computeRequiredSpacing(int loc) {
    Program& p = program_;
    Row r = row(loc);
    // 2. The upright wall takes KA as the box shows it, and the inertia height.
    if (r.member == SectionMember::Wall) {
        p.activeCoefficientSection = num::readSingle(txt_ka.text());
        p.sectionSurchargeInertiaHeight = num::readSingle(txt_1.text());
    }
    // 3. Slab model from the current stability result; without one there is nothing to
    // design for.
    if (!p.hasResult()) throw SectionRefusal(loc, SectionRefusal::Reason::NoStabilityResult);
    TEKKIN();
    // 4. M and S of the location.
    designForces(loc);
    // 5. Cover.
    p.rebarCover[loc] = num::readSingle(r.cover.caption());
    // 6. Bar lookup; with no item chosen the location keeps its previous bar.
    const int index = r.bars.listIndex();
    if (index >= 0 && index < static_cast<int>(kBarSizes.size())) {
        const BarSize& bar = kBarSizes[index];
        p.barName[loc] = bar.name;
        p.barArea[loc] = bar.area;
        p.barPerimeter[loc] = bar.perimeter;
        p.effectiveCover[loc] = store(double(p.rebarCover[loc]) + bar.halfDiameter);
    }
    // 7 to 9. Section: D, d and j·d in cm. A member with no depth left beside its cover
    // and bar cannot carry anything.
    p.memberThickness[loc] = store(100 * thicknessAt(p, r));
    p.effectiveDepth[loc] = store(p.memberThickness[loc] - p.effectiveCover[loc] / 10.0);
    if (!(p.effectiveDepth[loc] > 0)) throw SectionRefusal(loc, SectionRefusal::Reason::TooThin);
    p.leverArm[loc] = store(7.0 / 8.0 * p.effectiveDepth[loc]);
    // 10. Allowable bar stress for this bar.
    LargeBarRebarAllow(p, p.barArea[loc]);
    const double ft = p.rebarAllow;
    // 11 to 13. Bars per metre needed for the steel area and, but at the slab centre, for bond.
    p.requiredSteelArea[loc] = store(num::div(p.designMoment[loc], 100 * ft * p.leverArm[loc]));
    p.barsForArea[loc] = store(num::div(p.requiredSteelArea[loc], p.barArea[loc]));
    if (r.shear) {
        const double fa = p.allowBond;
        p.requiredPerimeter[loc] = store(num::div(p.designShear[loc], 100 * fa * p.leverArm[loc]));
        p.barsForBond[loc] = store(num::div(p.requiredPerimeter[loc], p.barPerimeter[loc]));
        p.barsPerMetre[loc] = std::max(p.barsForArea[loc], p.barsForBond[loc]);
    } else {
        p.barsPerMetre[loc] = p.barsForArea[loc];
    }
    // 14. The largest spacing that gives them. A location without load needs no bars at
    // all; I keep 0 for it, which the screen and the report show as "――".
    p.computedSpacing[loc] = p.barsPerMetre[loc] == 0 ? 0.0f : store(num::div(1000, p.barsPerMetre[loc]));
}

void Form7::bindBarLists() {
    for (const Row& r : rows()) {
        plat::ComboBox& bars = r.bars;
        const int loc = r.loc;
        bars.Click = [this, &bars, loc] { runFromList(program_, *this, loc, bars); };
    }
}
