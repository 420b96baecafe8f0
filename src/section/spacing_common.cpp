// The required bar spacing of a check location: the steps every location shares around
// its own design forces, the KA presence check before them, the bar lists' clicks, and
// the emptying of rows that no longer belong to the inputs.
#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "common/messages.h"
#include "common/calc_fault.h"
#include "section/bar_table.h"
#include "section/design_forces.h"
#include "section/section_refusal.h"
#include "section/section_screen.h"

namespace {

using num::store;

// Member thickness at the location, m.
double thicknessAt(const Program& p, int loc) {
    switch (loc) {
    case 1: return (double(p.rearWallBottomWidth) + p.rearWallTopWidth) / 2;
    case 2: return p.rearWallBottomWidth;
    case 10: return p.keyWidth;
    default: return p.slabThickness;
    }
}

// A bar choice runs its location's procedure; what stops it is told once, and the
// refused row waits at its bar list for another choice.
void runFromList(Program& program, void (Form7::*procedure)(), Form7& screen, plat::ComboBox& bars) {
    try {
        (screen.*procedure)();
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

std::vector<int> Form7::presentLocations() const {
    std::vector<int> locs = {1, 2, 5, 6, 7};
    if (program_.heelLength != 0) locs.push_back(8);
    if (program_.toeLength != 0) locs.push_back(9);
    if (program_.keyHeight != 0) locs.push_back(10);
    return locs;
}

void Form7::designForces(int loc) {
    switch (loc) {
    case 1:
    case 2: wallForces(program_, *this, loc); break;
    case 5:
    case 6:
    case 7: slabForces(program_, loc); break;
    case 8: heelForces(program_); break;
    case 9: toeForces(program_); break;
    default: keyForces(program_); break;
    }
}

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
    program_.sectionCheckDone = 0;
    if (plat::Toolbar* toolbar = program_.mainToolbar()) {
        toolbar->button(3).enabled = false;
        toolbar->button(5).enabled = false;
    }
}

void Form7::dropStaleRows() {
    for (int loc : presentLocations()) {
        Row r = row(loc);
        if (r.computed.caption().empty()) {
            // Nothing computed yet: a location that the wall refuses loses what was typed.
            if (!rowEmpty(loc) && !designable(loc)) forgetRow(loc);
            continue;
        }
        const RowValues before = valuesOf(program_, loc);
        bool same = false;
        try {
            if (!txt_ka.text().empty()) {
                computeRequiredSpacing(loc);
                same = valuesOf(program_, loc) == before;
            }
        } catch (const std::exception&) {
        }
        if (!same) forgetRow(loc);
    }
}

bool Form7::designable(int loc) {
    if (program_.sigmaMax == 0) return false;
    try {
        TEKKIN();
        requireGroundReaction(program_, loc);
        return true;
    } catch (const std::exception&) {
        return false;
    }
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
    } catch (const std::exception&) {
        // Half a calculation belongs to no bar: the row waits for another choice.
        forgetRow(loc);
        throw;
    }
    // 15. The spacing keeps its fraction; the label shows its whole part.
    r.computed.setCaption(num::format(std::floor(program_.computedSpacing[loc]), "0"));
    // 16 and 17. The row's stresses no longer belong to its bars, and the check is to be
    // run again.
    for (plat::Label* result : r.results) result->setCaption("");
    checkOutdated();
}

void Form7::computeRequiredSpacing(int loc) {
    Program& p = program_;
    Row r = row(loc);
    // 2. The upright wall takes KA as the box shows it, and the inertia height.
    if (loc == 1 || loc == 2) {
        p.activeCoefficientSection = num::readSingle(txt_ka.text());
        p.sectionSurchargeInertiaHeight = num::readSingle(txt_1.text());
    }
    // 3. Slab model from the current stability result; without one there is nothing to
    // design for.
    if (p.sigmaMax == 0) throw SectionRefusal(loc, SectionRefusal::Reason::NoStabilityResult);
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
    p.memberThickness[loc] = store(100 * thicknessAt(p, loc));
    p.effectiveDepth[loc] = store(p.memberThickness[loc] - p.effectiveCover[loc] / 10.0);
    if (!(p.effectiveDepth[loc] > 0)) throw SectionRefusal(loc, SectionRefusal::Reason::TooThin);
    p.leverArm[loc] = store(7.0 / 8.0 * p.effectiveDepth[loc]);
    // 10. Allowable bar stress for this bar.
    LargeBarRebarAllow(p, p.barArea[loc]);
    const double ft = p.rebarAllow;
    // 11 to 13. Bars per metre needed for the steel area and, but at the slab centre, for bond.
    p.requiredSteelArea[loc] = store(num::div(p.designMoment[loc], 100 * ft * p.leverArm[loc]));
    p.barsForArea[loc] = store(num::div(p.requiredSteelArea[loc], p.barArea[loc]));
    if (loc != 5) {
        const double fa = p.allowBond;
        p.requiredPerimeter[loc] = store(num::div(p.designShear[loc], 100 * fa * p.leverArm[loc]));
        p.barsForBond[loc] = store(num::div(p.requiredPerimeter[loc], p.barPerimeter[loc]));
        p.barsPerMetre[loc] = std::max(p.barsForArea[loc], p.barsForBond[loc]);
    } else {
        p.barsPerMetre[loc] = p.barsForArea[loc];
    }
    // 14. The largest spacing that gives them.
    p.computedSpacing[loc] = store(num::div(1000, p.barsPerMetre[loc]));
}

void Form7::bindBarLists() {
    cbo1.Click = [this] { cbo1_Click(); };
    cbo2.Click = [this] { cbo2_Click(); };
    cbo5.Click = [this] { cbo5_Click(); };
    cbo6.Click = [this] { cbo6_Click(); };
    cbo7.Click = [this] { cbo7_Click(); };
    cbo8.Click = [this] { cbo8_Click(); };
    cbo9.Click = [this] { cbo9_Click(); };
    cbo10.Click = [this] { cbo10_Click(); };
}

void Form7::cbo1_Click() { runFromList(program_, &Form7::cmd_r1, *this, cbo1); }
void Form7::cbo2_Click() { runFromList(program_, &Form7::cmd_r2, *this, cbo2); }
void Form7::cbo5_Click() { runFromList(program_, &Form7::cmd_r5, *this, cbo5); }
void Form7::cbo6_Click() { runFromList(program_, &Form7::cmd_r6, *this, cbo6); }
void Form7::cbo7_Click() { runFromList(program_, &Form7::cmd_r7, *this, cbo7); }
void Form7::cbo8_Click() { runFromList(program_, &Form7::cmd_r8, *this, cbo8); }
void Form7::cbo9_Click() { runFromList(program_, &Form7::cmd_r9, *this, cbo9); }
void Form7::cbo10_Click() { runFromList(program_, &Form7::cmd_r10, *this, cbo10); }

void Form7::cmd_r1() { RequiredSpacing(1); }
void Form7::cmd_r2() { RequiredSpacing(2); }
void Form7::cmd_r5() { RequiredSpacing(5); }
void Form7::cmd_r6() { RequiredSpacing(6); }
void Form7::cmd_r7() { RequiredSpacing(7); }
void Form7::cmd_r8() { RequiredSpacing(8); }
void Form7::cmd_r9() { RequiredSpacing(9); }
void Form7::cmd_r10() { RequiredSpacing(10); }
