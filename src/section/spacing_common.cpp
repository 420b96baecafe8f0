// The required bar spacing of a check location: the steps every location shares around
// its own design forces, the KA presence check before them, and the bar lists' clicks.
#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "common/messages.h"
#include "common/calc_fault.h"
#include "section/bar_table.h"
#include "section/section_screen.h"

namespace {

using num::store;

// The controls of one location's row.
struct SpacingRow {
    int loc;
    plat::ComboBox Form7::*bars;
    plat::Label Form7::*cover;
    plat::Label Form7::*spacing;
    plat::Label Form7::*results[4];
};

const SpacingRow kRows[] = {
    {1, &Form7::cbo1, &Form7::lbl_r1, &Form7::lbl_ra, {&Form7::lbl1, &Form7::lbl2, &Form7::lbl3, &Form7::lbl4}},
    {2, &Form7::cbo2, &Form7::lbl_r2, &Form7::lbl_rb, {&Form7::lbl5, &Form7::lbl6, &Form7::lbl7, &Form7::lbl8}},
    {5, &Form7::cbo5, &Form7::lbl_r5, &Form7::lbl_re, {&Form7::lbl17, &Form7::lbl18, &Form7::lbl19, &Form7::lbl20}},
    {6, &Form7::cbo6, &Form7::lbl_r6, &Form7::lbl_rf, {&Form7::lbl21, &Form7::lbl22, &Form7::lbl23, &Form7::lbl24}},
    {7, &Form7::cbo7, &Form7::lbl_r7, &Form7::lbl_rg, {&Form7::lbl25, &Form7::lbl26, &Form7::lbl27, &Form7::lbl28}},
    {8, &Form7::cbo8, &Form7::lbl_r8, &Form7::lbl_rh, {&Form7::lbl29, &Form7::lbl30, &Form7::lbl31, &Form7::lbl32}},
    {9, &Form7::cbo9, &Form7::lbl_r9, &Form7::lbl_ri, {&Form7::lbl33, &Form7::lbl34, &Form7::lbl35, &Form7::lbl36}},
    {10, &Form7::cbo10, &Form7::lbl_r10, &Form7::lbl_rj, {&Form7::lbl37, &Form7::lbl38, &Form7::lbl39, &Form7::lbl40}},
};

const SpacingRow& rowOf(int loc) {
    return *std::find_if(std::begin(kRows), std::end(kRows), [loc](const SpacingRow& r) { return r.loc == loc; });
}

// Member thickness at the location, m.
double thicknessAt(const Program& p, int loc) {
    switch (loc) {
    case 1: return (double(p.rearWallBottomWidth) + p.rearWallTopWidth) / 2;
    case 2: return p.rearWallBottomWidth;
    case 10: return p.keyWidth;
    default: return p.slabThickness;
    }
}

// A bar choice runs its location's procedure; a calculation fault stops it with a message.
void runFromList(Program& program, void (Form7::*procedure)(), Form7& screen) {
    try {
        (screen.*procedure)();
    } catch (const num::CalcFault&) {
        showCannotCompute(program);
    }
}

}  // namespace

bool Form7::Tyuui() {
    if (!txt_ka.text().empty()) return true;
    constexpr int kOkSecondDefault = 256;
    program_.msgBox("主働土圧係数を入力してください。", kOkSecondDefault, kErrorTitle);
    txt_ka.setFocus();
    txt_ka.setSelStart(0);
    return false;
}

void Form7::RequiredSpacing(int loc, const std::function<void()>& designForces) {
    Program& p = program_;
    const SpacingRow& row = rowOf(loc);
    plat::ComboBox& bars = this->*row.bars;

    // 1. Nothing is computed without a coefficient; the choice is undone.
    Tyuui();
    if (txt_ka.text().empty()) {
        bars.setText("");
        return;
    }
    // 2. The upright wall takes KA as the box shows it, and the inertia height.
    if (loc == 1 || loc == 2) {
        p.activeCoefficientSection = num::readSingle(txt_ka.text());
        p.sectionSurchargeInertiaHeight = num::readSingle(txt_1.text());
    }
    // 3. Slab model from the current stability result.
    TEKKIN();
    // 4. M and S of the location.
    designForces();
    // 5. Cover.
    p.rebarCover[loc] = num::readSingle((this->*row.cover).caption());
    // 6. Bar lookup; with no item chosen the location keeps its previous bar.
    const int index = bars.listIndex();
    if (index >= 0 && index < static_cast<int>(kBarSizes.size())) {
        const BarSize& bar = kBarSizes[index];
        p.barName[loc] = bar.name;
        p.barArea[loc] = bar.area;
        p.barPerimeter[loc] = bar.perimeter;
        p.effectiveCover[loc] = store(double(p.rebarCover[loc]) + bar.halfDiameter);
    }
    // 7 to 9. Section: D, d and j·d in cm.
    p.memberThickness[loc] = store(100 * thicknessAt(p, loc));
    p.effectiveDepth[loc] = store(p.memberThickness[loc] - p.effectiveCover[loc] / 10.0);
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
    // 14 and 15. The spacing keeps its fraction; the label shows its whole part.
    p.computedSpacing[loc] = store(num::div(1000, p.barsPerMetre[loc]));
    (this->*row.spacing).setCaption(num::format(std::floor(p.computedSpacing[loc]), "0"));
    // 16 and 17. The row's stresses no longer belong to its bars.
    for (plat::Label Form7::*result : row.results) (this->*result).setCaption("");
    if (plat::Toolbar* toolbar = p.mainToolbar()) {
        toolbar->button(3).enabled = false;
        toolbar->button(5).enabled = false;
    }
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

void Form7::cbo1_Click() { runFromList(program_, &Form7::cmd_r1, *this); }
void Form7::cbo2_Click() { runFromList(program_, &Form7::cmd_r2, *this); }
void Form7::cbo5_Click() { runFromList(program_, &Form7::cmd_r5, *this); }
void Form7::cbo6_Click() { runFromList(program_, &Form7::cmd_r6, *this); }
void Form7::cbo7_Click() { runFromList(program_, &Form7::cmd_r7, *this); }
void Form7::cbo8_Click() { runFromList(program_, &Form7::cmd_r8, *this); }
void Form7::cbo9_Click() { runFromList(program_, &Form7::cmd_r9, *this); }
void Form7::cbo10_Click() { runFromList(program_, &Form7::cmd_r10, *this); }
