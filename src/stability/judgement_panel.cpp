// Form4.GamenHyouji: runs the stability calculation and writes its judgement into the
// panel at the right of the dimension screen. A passed line is black, a failed one in
// colour 13; failed overturning and sliding lines beep, a failed bearing check does not.
#include <cmath>

#include "common/numbers.h"
#include "common/messages.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "stability/stability_fault.h"

bool withinLimit(float value, float limit, Limit kind) {
    return kind == Limit::AtLeast ? value >= limit : value <= limit;
}

namespace {

// The three cells of an overturning or sliding line.
struct PanelLine {
    plat::Label& name;
    plat::Label& value;
    plat::Label& verdict;
};

// One check of a line: what is shown, how it is judged and the two verdicts.
struct Check {
    const char* name;
    float value;
    float limit;
    Limit kind;
    const char* passText;
    const char* failText;
};

void colour(std::initializer_list<plat::Label*> cells, bool pass) {
    for (plat::Label* cell : cells) cell->setForeColor(pass ? plat::kBlack : plat::kColour13);
}

// Writes the line; a failure beeps when asked to. Without a failing text a failed line
// keeps its old verdict and stays silent (it is rewritten further on).
void judge(Program& program, const PanelLine& line, const Check& check, bool beepOnFailure,
           bool writeFailure = true) {
    const bool pass = withinLimit(check.value, check.limit, check.kind);
    colour({&line.name, &line.value, &line.verdict}, pass);
    line.name.setCaption(check.name);
    line.value.setCaption(num::format(check.value, "0.000"));
    if (pass) {
        line.verdict.setCaption(check.passText);
    } else if (writeFailure) {
        line.verdict.setCaption(check.failText);
        if (beepOnFailure) program.beep();
    }
}

// The limits as the program compares them: single-precision constants, and the parts of
// the base width rounded to single precision.
constexpr float kF15 = 1.5f, kF12 = 1.2f, kF10 = 1.0f;

Check factorCheck(float F, float limit, const char* pass, const char* fail) {
    return {"F =", F, limit, Limit::AtLeast, pass, fail};
}

Check eccentricityCheck(float e, float limit, const char* pass, const char* fail) {
    return {"e(m)=", std::fabs(e), limit, Limit::AtMost, pass, fail};
}

Check slidingCheck(float F, float limit) {
    if (limit == kF15) return factorCheck(F, kF15, "> 1.5 ∴O.K", "< 1.5 ∴NG");
    if (limit == kF12) return factorCheck(F, kF12, "> 1.2 ∴O.K", "< 1.2 ∴NG");
    return factorCheck(F, kF10, "> 1.0 ∴O.K", "< 1.0 ∴NG");
}

// The first cell of each bearing line spans the line while the line holds words, and
// is a name or relation cell again when it holds a comparison.
void bearingInWords(Form4& f, bool words) {
    f.lbl56.setWidth(words ? f.lbl58.left() + f.lbl58.width() - f.lbl56.left() : f.lbl57.left() - f.lbl56.left());
    f.lbl59.setWidth((words ? f.lbl62.left() : f.lbl60.left()) - f.lbl59.left());
}

}  // namespace

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
    const bool normal = choices.normal();
    const bool seismic = choices.seismic();
    const bool building = choices.building();
    const bool road = choices.road();
    const float B = p.baseWidth;
    const float B2 = num::store(B / 2.0), B3 = num::store(B / 3.0), B6 = num::store(B / 6.0);
    const PanelLine line1{lbl52, lbl53, lbl54};
    const PanelLine line2{lbl46, lbl47, lbl48};
    const PanelLine sliding{lbl64, lbl65, lbl66};
    const PanelLine keyless{lbl68, lbl69, lbl70};
    const float F = p.overturningSafetyFactor, e = p.eccentricity;
    const CheckMethods methods = checkMethods(p);

    if (oneSided()) {
        using O = OverturningMethod;
        if (normal) {
            if (methods.normalIs(O::Factor15) || methods.normalIs(O::Factor15AndB6))
                judge(p, line1, factorCheck(F, kF15, "> 1.5∴O.K", "< 1.5∴NG"), true);
            if (methods.normalIs(O::ResultantB3))
                judge(p, line1, {"d(m)=", p.resultantPosition, B3, Limit::AtLeast, "> B/3∴O.K", "< B/3∴NG"}, true);
            if (methods.normalIs(O::EccentricityB6)) judge(p, line1, eccentricityCheck(e, B6, "< B/6∴O.K", "> B/6∴NG"), true);
            if (methods.normalIs(O::Factor15AndB6)) judge(p, line2, eccentricityCheck(e, B6, "< B/6∴O.K", "> B/6∴NG"), true);
        }
        if (seismic) {
            if (methods.seismicIs(O::Factor10) || methods.seismicIs(O::Factor10AndB2))
                judge(p, line1, factorCheck(F, kF10, "> 1.0∴O.K", "< 1.0∴NG"), true);
            if (methods.seismicIs(O::Factor12) || methods.seismicIs(O::Factor12AndB3))
                judge(p, line1, factorCheck(F, kF12, "> 1.2∴O.K", "< 1.2∴NG"), true);
            if (methods.seismicIs(O::EccentricityB2)) judge(p, line1, eccentricityCheck(e, B2, "< B/2∴O.K", "> B/2∴NG"), true);
            if (methods.seismicIs(O::EccentricityB3)) judge(p, line1, eccentricityCheck(e, B3, "< B/3∴O.K", "> B/3∴NG"), true);
        }
        if (methods.seismicIs(O::Factor10AndB2)) judge(p, line2, eccentricityCheck(e, B2, "< B/2∴O.K", "> B/2∴NG"), true);
        if (methods.seismicIs(O::Factor12AndB3)) judge(p, line2, eccentricityCheck(e, B3, "< B/3∴O.K", "> B/3∴NG"), true);
    }

    // Bearing. A resultant outside the base has no meaningful σmax: it fails, and the
    // two lines say why in words, as the report does, instead of comparing a pressure.
    const bool bearingPasses = !p.bearingOutsideBase && withinLimit(p.sigmaMax, p.allowBearing, Limit::AtMost);
    colour({&lbl56, &lbl57, &lbl58, &lbl59, &lbl60, &lbl61, &lbl62}, bearingPasses);
    bearingInWords(*this, p.bearingOutsideBase);
    if (p.bearingOutsideBase) {
        lbl56.setCaption("合力の作用位置が");
        lbl57.setCaption("");
        lbl58.setCaption("");
        lbl59.setCaption("底版の外にある");
        lbl60.setCaption("");
        lbl61.setCaption("");
        lbl62.setCaption("∴NG");
    } else {
        lbl56.setCaption("σmax=");
        lbl57.setCaption(num::format(p.sigmaMax, "0.000"));
        lbl58.setCaption("kN/m2");
        lbl59.setCaption(bearingPasses ? "<" : ">");
        lbl60.setCaption(num::format(p.allowBearing, "0.0"));
        lbl61.setCaption("kN/m2");
        lbl62.setCaption(bearingPasses ? "∴O.K" : "∴NG");
    }

    if (oneSided()) {
        const DimensionChoices switches = dimensionChoices(*this);
        const bool key = switches.withKey();
        const bool seismic10 = methods.seismicSliding == SlidingMethod::Factor10;
        const bool seismic12 = methods.seismicSliding == SlidingMethod::Factor12;
        // The line without a key; with a key it is rewritten below with the key's factor.
        if (normal) judge(p, sliding, slidingCheck(p.slidingSafetyFactor, kF15), true, switches.withoutKey());
        if (seismic && seismic10) judge(p, sliding, slidingCheck(p.slidingSafetyFactor, kF10), true);
        if (seismic && seismic12) judge(p, sliding, slidingCheck(p.slidingSafetyFactor, kF12), true);

        if (key && (building || road)) {
            ShearKeyDialog& dialog = building ? static_cast<ShearKeyDialog&>(p.form<Form19>())
                                              : static_cast<ShearKeyDialog&>(p.form<Form26>());
            if (dialog.txt1.text().empty()) {
                keyHeightPath(building);
                return;
            }
        }
        if (key) {
            if (building) {
                judge(p, keyless, slidingCheck(p.slidingSafetyFactor, kF10), true);
                for (plat::Label* l : {&lbl67, &lbl68, &lbl69, &lbl70}) l->setVisible(true);
            }
            const float withKey = p.slidingSafetyFactorWithKey;
            if (normal) judge(p, sliding, slidingCheck(withKey, kF15), true);
            if (seismic && seismic10) judge(p, sliding, slidingCheck(withKey, kF10), true);
            if (seismic && seismic12) judge(p, sliding, slidingCheck(withKey, kF12), true);
        }
        for (plat::Label* l : {&lbl46, &lbl47, &lbl48, &lbl52, &lbl53, &lbl54, &lbl64, &lbl65, &lbl66})
            l->setVisible(true);
    }
    for (plat::Label* l : {&lbl56, &lbl57, &lbl58, &lbl59, &lbl60, &lbl61, &lbl62}) l->setVisible(true);
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
    if (lbl56.visible()) return;
    stale_.changed("unshown result");
}

void Form4::dropFailedResult() { stale_.changed("calculation fault"); }
