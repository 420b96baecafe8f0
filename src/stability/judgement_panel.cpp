// Form4.GamenHyouji: runs the stability calculation and writes its judgement into the
// panel at the right of the dimension screen. A passed line is black, a failed one in
// colour 13; failed overturning and sliding lines beep, a failed bearing check does not.
#include <string>
#include <vector>

#include "common/numbers.h"
#include "common/messages.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "stability/dimension_screen.h"
#include "stability/judgement_panel.h"
#include "stability/shear_key_dialogs.h"
#include "stability/stability_checks.h"
#include "stability/stability_fault.h"

namespace {

using Kind = StabilityCheckKind;

void colour(const std::vector<plat::Label*>& cells, bool pass) {
    for (plat::Label* cell : cells) cell->setForeColor(pass ? plat::kBlack : plat::kColour13);
}

bool sliding(const StabilityCheck& check) {
    return check.kind == Kind::Sliding || check.kind == Kind::SlidingKeyless || check.kind == Kind::SlidingWithKey;
}

const char* nameCell(const StabilityCheck& check) {
    if (check.kind == Kind::Resultant) return "d(m)=";
    if (check.kind == Kind::Eccentricity) return "e(m)=";
    return "F =";
}

// "> 1.5∴O.K" or "< B/6∴NG"; the sliding lines leave a blank before the verdict.
std::string verdictCell(const StabilityCheck& check, bool pass) {
    return std::string(relation(check, pass)) + " " + check.limitText + (sliding(check) ? " " : "") +
           (pass ? "∴O.K" : "∴NG");
}

// Writes the line; a failure beeps. Without writing a failure a failed line keeps its old
// verdict and stays silent (it is rewritten further on).
void judge(Program& program, const PanelLine& line, const StabilityCheck& check, float value,
           bool writeFailure = true) {
    const bool pass = within(check, value);
    colour(line.cells(), pass);
    line.name.setCaption(nameCell(check));
    line.value.setCaption(num::format(value, "0.000"));
    if (!pass && !writeFailure) return;
    line.verdict.setCaption(verdictCell(check, pass));
    if (!pass) program.beep();
}

void judge(Program& program, const PanelLine& line, const StabilityCheck& check) {
    judge(program, line, check, checkedValue(program, check));
}

// A factor on the first line, and a part of B below it when the method demands both.
void judgeOverturning(const JudgementPanel& panel, Program& p, const std::vector<StabilityCheck>& checks) {
    const PanelLine& line1 = panel.overturning;
    const PanelLine& line2 = panel.overturningPart;
    const StabilityCheck* factor = findCheck(checks, Kind::Overturning);
    if (factor) judge(p, line1, *factor);
    for (Kind part : {Kind::Resultant, Kind::Eccentricity})
        if (const StabilityCheck* check = findCheck(checks, part)) judge(p, factor ? line2 : line1, *check);
}

// The first cell of each bearing line spans the line while the line holds words, and
// is a name or relation cell again when it holds a comparison.
void bearingInWords(const BearingLines& b, bool words) {
    b.name.setWidth(words ? b.unit.left() + b.unit.width() - b.name.left() : b.value.left() - b.name.left());
    b.relation.setWidth((words ? b.verdict.left() : b.limit.left()) - b.relation.left());
}

// A resultant outside the base has no meaningful σmax: it fails, and the two lines say
// why in words, as the report does, instead of comparing a pressure.
void judgeBearing(const BearingLines& b, const Program& p, const StabilityCheck& bearing) {
    const bool bearingPasses = passes(p, bearing);
    colour(b.cells(), bearingPasses);
    bearingInWords(b, p.bearingOutsideBase);
    if (p.bearingOutsideBase) {
        b.name.setCaption("合力の作用位置が");
        b.value.setCaption("");
        b.unit.setCaption("");
        b.relation.setCaption("底版の外にある");
        b.limit.setCaption("");
        b.limitUnit.setCaption("");
        b.verdict.setCaption("∴NG");
    } else {
        b.name.setCaption("σmax=");
        b.value.setCaption(num::format(p.sigmaMax, "0.000"));
        b.unit.setCaption("kN/m2");
        b.relation.setCaption(relation(bearing, bearingPasses));
        b.limit.setCaption(num::format(bearing.limit, "0.0"));
        b.limitUnit.setCaption("kN/m2");
        b.verdict.setCaption(bearingPasses ? "∴O.K" : "∴NG");
    }
}

}  // namespace

void showCells(const std::vector<plat::Label*>& cells) {
    for (plat::Label* cell : cells) cell->setVisible(true);
}

JudgementPanel judgementPanel(Form4& f) {
    return {{f.lbl52, f.lbl53, f.lbl54},
            {f.lbl46, f.lbl47, f.lbl48},
            {f.lbl56, f.lbl57, f.lbl58, f.lbl59, f.lbl60, f.lbl61, f.lbl62},
            {f.lbl64, f.lbl65, f.lbl66},
            f.lbl67,
            {f.lbl68, f.lbl69, f.lbl70}};
}

std::vector<plat::Label*> JudgementPanel::judgementCells() const {
    std::vector<plat::Label*> cells;
    for (const std::vector<plat::Label*>& line :
         {overturningPart.cells(), overturning.cells(), bearing.cells(), sliding.cells(), keyless.cells()})
        cells.insert(cells.end(), line.begin(), line.end());
    return cells;
}

std::vector<plat::Label*> JudgementPanel::allCells() const {
    std::vector<plat::Label*> cells = judgementCells();
    cells.push_back(&keylessCaption);
    return cells;
}

bool Form4::GamenHyouji() {
    if (plat::Toolbar* toolbar = program_.mainToolbar()) {
        button(*toolbar, ToolbarButton::Preview).enabled = true;
        button(*toolbar, ToolbarButton::Print).enabled = true;
        if (!program_.projectPath.empty()) button(*toolbar, ToolbarButton::Save).enabled = true;
        // Overwrite save also needs a section result.
        if (!program_.queries.ask(Query::SectionResultShown)) button(*toolbar, ToolbarButton::Save).enabled = false;
    }
    try {
        DANMEM_1();
        showJudgement();
    } catch (const num::CalcFault&) {
        reportStabilityFault(program_);
        return false;
    } catch (const StabilityInputFault&) {
        reportStabilityFault(program_);
        return false;
    }
    return true;
}

void Form4::showJudgement() {
    Program& p = program_;
    const DesignChoices choices = designChoices(p);
    const DimensionChoices switches = dimensionChoices(p);
    const std::vector<StabilityCheck> checks = stabilityChecks(p, switches.shearKey);
    const JudgementPanel panel = judgementPanel(*this);
    if (oneSided()) judgeOverturning(panel, p, checks);
    judgeBearing(panel.bearing, p, *findCheck(checks, Kind::Bearing));

    if (oneSided()) {
        const PanelLine& slidingLine = panel.sliding;
        const StabilityCheck* withoutKey = findCheck(checks, Kind::Sliding);
        const StabilityCheck* withKey = findCheck(checks, Kind::SlidingWithKey);
        // The line without a key first; with a key it is rewritten below with the key's
        // factor, and in the normal case its failure without the key is not written.
        if (const StabilityCheck* first = withoutKey ? withoutKey : withKey)
            judge(p, slidingLine, *first, p.slidingSafetyFactor, withoutKey || choices.seismic());

        const bool building = choices.building();
        if (switches.withKey() && (building || choices.road())) {
            ShearKeyDialog& dialog = building ? static_cast<ShearKeyDialog&>(p.form<Form19>())
                                              : static_cast<ShearKeyDialog&>(p.form<Form26>());
            if (dialog.txt1.text().empty()) {
                keyHeightPath(building);
                return;
            }
        }
        if (const StabilityCheck* keyless = findCheck(checks, Kind::SlidingKeyless)) {
            judge(p, panel.keyless, *keyless);
            panel.keylessCaption.setVisible(true);
            showCells(panel.keyless.cells());
        }
        if (withKey) judge(p, slidingLine, *withKey);
        showCells(panel.overturningPart.cells());
        showCells(panel.overturning.cells());
        showCells(panel.sliding.cells());
    }
    showCells(panel.bearing.cells());
    if (symmetric()) printSymmetricNotes();
}

// A key is chosen but its height is missing: ask for it in the key dialog, with the
// guide values and the ground reaction of this calculation. The panel stays as it is.
void Form4::keyHeightPath(bool building) {
    program_.msgBox("突起の計算をしてください。", plat::msg::kOk, kErrorTitle);
    ShearKeyDialog& dialog = building ? static_cast<ShearKeyDialog&>(program_.form<Form19>())
                                      : static_cast<ShearKeyDialog&>(program_.form<Form26>());
    dialog.writeGuides(program_.baseWidth);
    dialog.canvas().clear();
    if (building) Ouryoku_T();
    else Ouryoku_D();
    dialog.showModalAtFirstStop();
}

// I let only a result that the panel shows count for the section design, the report and
// saving; one made with the panel hidden waits for "安定性の検討".
void Form4::dropUnshownResult() {
    // The bearing line belongs to every judgement the panel shows.
    if (judgementPanel(*this).bearing.name.visible()) return;
    stale_.changed("unshown result");
}

void Form4::dropFailedResult() { stale_.changed("calculation fault"); }
