// The stress check of the section screen: "応力度計算" refuses incomplete rows (a row judged
// NG for its ground reaction is complete as it stands), then every present location is
// checked as a singly reinforced section one metre wide (σc, σs, τc against their
// allowables), each value and the judgement written into the row.
#include <array>
#include <optional>
#include <string>

#include "common/numbers.h"
#include "common/messages.h"
#include "common/calc_fault.h"
#include "conditions/design_choices.h"
#include "section/bar_table.h"
#include "section/section_bounds.h"
#include "common/entry_field.h"
#include "section/section_screen.h"

namespace {

// Modular ratio n of the steel to the concrete.
constexpr double kModularRatio = 15;
// Width of the checked strip, mm.
constexpr double kStripWidth = 1000;

// What a row's four result labels show: σc, σs, τc and the judgement, with their colours.
struct Judgement {
    std::array<std::string, 4> captions;
    std::array<plat::Colour, 4> colours;
    bool pass = true;
    bool operator==(const Judgement& o) const { return captions == o.captions && colours == o.colours; }
};

// A value as its label shows it, coloured by its allowable; false when it fails.
bool judgeValue(Judgement& j, int i, float value, float allowable) {
    const bool pass = !(value > allowable);
    j.colours[i] = pass ? plat::kBlack : plat::kColour13;
    j.captions[i] = num::format(value, "0.000");
    return pass;
}

// The stress check of one location, without the screen: the stresses are stored as the
// labels would show them. An empty box or a spacing that reads as zero or less gives
// nothing (there is nothing to check yet); a calculation fault is thrown.
std::optional<Judgement> judge(Program& p, const Form7::Row& row) {
    const int r = row.loc;
    p.designSpacing[r] = num::readSingle(row.design.text());
    const double s = p.designSpacing[r];
    if (!(s > 0)) return std::nullopt;

    const double a = p.barArea[r];
    const double d = 10.0 * p.effectiveDepth[r];       // mm
    const double M = 10.0 * p.designMoment[r];         // N·mm per metre
    const double S = p.designShear[r];                 // N per metre
    const double As = 100.0 * num::div(1000.0, s) * a;  // mm2 per metre

    p.steelRatio[r] = num::store(num::div(As, kStripWidth * d));
    const double np = kModularRatio * p.steelRatio[r];
    p.neutralAxisRatio[r] = num::store(num::sqrt(np * np + 2.0 * np) - np);
    const double k = p.neutralAxisRatio[r];
    p.leverArmRatio[r] = num::store(1.0 - k / 3.0);
    const double j = p.leverArmRatio[r];
    p.concreteStress[r] = num::store(num::div(2.0 * M, k * j * kStripWidth * d * d));
    p.rebarStress[r] = num::store(num::div(M, As * j * d));
    if (row.shear) {
        const DesignChoices choices = designChoices(p);
        if (choices.building()) {
            p.shearStress[r] = num::store(num::div(S, kStripWidth * j * d));
        } else if (choices.road()) {
            p.shearStress[r] = num::store(num::div(S, kStripWidth * d));
        }
    }

    Judgement out;
    bool pass = judgeValue(out, 0, p.concreteStress[r], p.allowConcrete);
    LargeBarRebarAllow(p, p.barArea[r]);
    pass = judgeValue(out, 1, p.rebarStress[r], p.rebarAllow) && pass;
    if (row.shear) {
        pass = judgeValue(out, 2, p.shearStress[r], p.allowShear) && pass;
    } else {
        // The slab centre has no shear check.
        out.captions[2] = kNoValue;
        out.colours[2] = row.results[2]->foreColor();
    }
    out.colours[3] = pass ? plat::kBlack : plat::kColour13;
    out.captions[3] = pass ? "O.K" : "NG";
    out.pass = pass;

    // The stresses are kept as shown, with three decimals.
    p.concreteStress[r] = num::readSingle(out.captions[0]);
    p.rebarStress[r] = num::readSingle(out.captions[1]);
    if (row.shear) p.shearStress[r] = num::readSingle(out.captions[2]);
    return out;
}

// What the row's labels show now.
Judgement shown(const Form7::Row& row) {
    Judgement j;
    for (std::size_t i = 0; i < row.results.size(); ++i) {
        j.captions[i] = row.results[i]->caption();
        j.colours[i] = row.results[i]->foreColor();
    }
    return j;
}

// The stress check of one location, written into its row.
void checkRow(Program& p, const Form7::Row& row) {
    const std::optional<Judgement> j = judge(p, row);
    if (!j) return;
    for (std::size_t i = 0; i < row.results.size(); ++i) {
        row.results[i]->setForeColor(j->colours[i]);
        row.results[i]->setCaption(j->captions[i]);
    }
    if (!j->pass) p.beep();
}

}  // namespace

void Form7::Er_Syurui() { program_.msgBox("鉄筋の種類を選択してください。", plat::msg::kOk, kErrorTitle); }

void Form7::Er_Kankaku1() { program_.msgBox("設計上の鉄筋の間隔を入力してください。", plat::msg::kOk, kErrorTitle); }

void Form7::Er_Kankaku3() {
    program_.msgBox("設計上の鉄筋の間隔には正の数値を入力してください。", plat::msg::kOk, kErrorTitle);
}

void Form7::Er_Kankaku2() {
    program_.msgBox("設計の鉄筋の間隔を計算値よりも小さくしてください。", plat::msg::kOk, kErrorTitle);
}

void Form7::cmd1_Click() {
    Program& p = program_;
    // Everything the check is built from, before its own boxes are read.
    if (refuseFirstBroken(p, sectionInputRules(p))) return;
    const auto grid = rows();
    // A hidden row of a member the wall has not takes no part: whatever it holds is no
    // spacing, and it is neither read nor compared.
    auto takesPart = [&](const Row& row) { return row.design.visible() || locationPresent(p, row.loc); };
    try {
        for (const Row& row : grid)
            if (takesPart(row)) p.designSpacing[row.loc] = num::readSingle(row.design.text());
    } catch (const num::CalcFault&) {
        // A spacing beyond any number the program holds is a slip in its box.
        if (refuseOutOfBounds(p, designSpacingBoxes(*this))) return;
        showCannotCompute(p);
        return;
    }

    // A refused location is already judged: it takes no bar and no spacing.
    for (const Row& row : grid) {
        if (row.bars.visible() && !refusedRow(row.loc) && row.bars.text().empty()) {
            Er_Syurui();
            row.bars.setFocus();
            return;
        }
    }
    // An empty box is asked for; a spacing that is no positive number is refused as such.
    for (const Row& row : grid) {
        if (!row.design.visible() || refusedRow(row.loc)) continue;
        const bool empty = row.design.text().empty();
        if (empty || !(p.designSpacing[row.loc] > 0)) {
            if (empty) {
                Er_Kankaku1();
            } else {
                Er_Kankaku3();
            }
            moveTo(row.design);
            return;
        }
    }
    // A spacing is a distance between real bars, and one number.
    if (refuseOutOfBounds(p, designSpacingBoxes(*this))) return;
    // A location without load requires no spacing: any design spacing is within it.
    for (const Row& row : grid) {
        if (!takesPart(row) || row.computed.caption().empty() || row.computed.caption() == kNoValue ||
            refusedRow(row.loc))
            continue;
        if (p.computedSpacing[row.loc] < p.designSpacing[row.loc]) {
            Er_Kankaku2();
            moveTo(row.design);
            return;
        }
    }

    try {
        for (int loc : presentLocations()) Ouryoku(loc);
    } catch (const num::CalcFault&) {
        // No check counts, whatever counted before: saving and the preview wait, as they
        // do after any edit of the rows.
        checkOutdated();
        showCannotCompute(p);
        return;
    }

    checkCounts();
}

bool Form7::everyRowChecked() {
    for (int loc : presentLocations()) {
        // A refused location is checked by its refusal.
        if (refusedRow(loc)) continue;
        Row r = row(loc);
        if (r.bars.text().empty() || r.computed.caption().empty() || r.design.text().empty()) return false;
        for (const plat::Label* result : r.results)
            if (result->caption().empty()) return false;
    }
    return true;
}

bool Form7::judgementStands(int loc) {
    const Row r = row(loc);
    if (r.results[3]->caption().empty()) return true;
    const std::optional<Judgement> j = judge(program_, r);
    return j && *j == shown(r);
}

// A refused location keeps its "NG": there is nothing to check it with.
void Form7::Ouryoku(int loc) {
    if (!refusedRow(loc)) checkRow(program_, row(loc));
}
