#include "project/project_open.h"

#include "common/calc_fault.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "conditions/condition_boxes.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "project/project_file.h"
#include "section/cover_dialog.h"
#include "section/calculation_faults.h"
#include "section/section_bounds.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_boxes.h"
#include "stability/dimension_screen.h"
#include "stability/judgement_panel.h"
#include "stability/shear_key_dialogs.h"

namespace project {

namespace {

// One statement of the open: a calculation fault or a missing choice ends it, and the
// open goes on with the next one.
template <class F>
void step(F&& statement) {
    calculationCompletes(statement);
}

// While the lines are put into the screens, the handlers they start empty nothing.
class ReadingLines {
public:
    explicit ReadingLines(Program& p) : p_(p) { p_.readingProjectLines = true; }
    ~ReadingLines() { p_.readingProjectLines = false; }
    ReadingLines(const ReadingLines&) = delete;
    ReadingLines& operator=(const ReadingLines&) = delete;

private:
    Program& p_;
};

// The section results of every location whose member exists: every required spacing,
// then every stress check.
void sectionChain(Program& p) {
    for (const CheckLocation& at : kCheckLocations)
        if (locationPresent(p, at.loc)) step([&] { p.form<Form7>().RequiredSpacing(at.loc); });
    for (const CheckLocation& at : kCheckLocations)
        if (locationPresent(p, at.loc)) step([&] { p.form<Form7>().Ouryoku(at.loc); });
}

// The judgement panel without a stability result: none of the file's verdicts stays.
void emptyPanel(Program& p) {
    step([&] {
        for (plat::Label* cell : judgementPanel(p.form<Form4>()).judgementCells()) cell->setCaption("");
    });
}

// What the file says the locations to be recomputed gave: a location that cannot be
// computed again shows nothing rather than the file's numbers.
void emptySectionResults(Program& p) {
    step([&] {
        Form7& s = p.form<Form7>();
        for (int loc : s.presentLocations()) {
            Form7::Row r = s.row(loc);
            r.computed.setCaption("");
            for (plat::Label* result : r.results) result->setCaption("");
        }
    });
}

// The front-soil choice where the wall has no front soil of its own to choose: the
// one-sided wall without a toe and the symmetric wall. Applied before the stability
// calculation, so that the panel shows what the stability check gives for these screens.
void frontSoilChoice(Program& p) {
    step([&] {
        Form4& d = p.form<Form4>();
        const GroundShape shape = designChoices(p).groundShape;
        const bool withoutToe = shape == GroundShape::OneSided && num::readSingle(d.txt12.text()) == 0;
        if (!withoutToe && shape != GroundShape::Symmetric) return;
        d.Frame2.setVisible(false);
        d.opt3.setValue(false);
        d.opt4.setValue(false);
        if (!withoutToe) readBox(dimensionBox(&StabilityValues::surchargeBack), d, p);
    });
}

// Lines 1 to 216 (and the road key's three) into the screens, with the first
// calculations that their order needs.
void applyLines(Program& p, const std::vector<std::string>& texts) {
    ReadingLines reading(p);

    // Conditions, ground shape, dimensions, keys and seismic input; a first, provisional
    // calculation for the section lines that follow.
    applyRange(p, texts, 1, 90);
    applyRange(p, texts, kEarlierLineCount + 1, kLineCount);
    step([&] { p.form<Form3>().KEISAN(); });
    step([&] { p.form<Form4>().DANMEM_1(); });

    applyRange(p, texts, 91, 110);
    step([&] { p.surchargeInertiaHeight = num::readSingle(p.form<Form21>().txt1.text()); });
    applyRange(p, texts, 111, 115);
    step([&] { p.form<Form7>().Doatu(); });
    applyRange(p, texts, 116, 160);
    step([&] { p.form<Form7>().TEKKIN(); });
    applyRange(p, texts, 161, 216);
    step([&] { p.sectionSurchargeInertiaHeight = num::readSingle(p.form<Form7>().txt_1.text()); });
}

// The design conditions in front, the later screens hidden; how δ came about.
void showScreens(Program& p, const std::vector<std::string>& texts, const std::string& path) {
    step([&] { p.form<Form4>().hide(); });
    step([&] { p.form<Form23>().hide(); });
    step([&] { p.form<Form7>().hide(); });
    step([&] {
        Form3& conditions = p.form<Form3>();
        conditions.setTop(0);
        conditions.setLeft(0);
        conditions.setCaption(path);
        conditions.show();
        conditions.txt1.setFocus();
    });
    step([&] {
        Form3& conditions = p.form<Form3>();
        // The seismic case asks for the short-term value: its row stays in sight.
        if (!conditions.txt13.text().empty() || designChoices(p).seismic()) return;
        conditions.lbl46.setVisible(false);
        conditions.lbl47.setVisible(false);
        conditions.txt13.setVisible(false);
    });
    step([&] {
        const SeismicMethod method = designChoices(p).seismicMethod;
        if (method != SeismicMethod::K1 && method != SeismicMethod::D1) return;
        p.form<Form3>().cmd5.setEnabled(false);
        p.form<Form3>().opt1.setEnabled(false);
    });
    step([&] {
        Form3& conditions = p.form<Form3>();
        const DesignChoices choices = designChoices(p);
        if (choices.seismic()) {
            conditions.cmd4.setEnabled(true);
            conditions.cmd7.setEnabled(true);
        }
        if (choices.normal()) conditions.cmd7.setEnabled(false);
    });
    applyRange(p, texts, kDeltaLine, kDeltaLine);
}

// The design conditions' figures worked out again from the restored screens.
void designConditions(Program& p) {
    step([&] { p.form<Form25>().Jisin(); });
    step([&] { p.form<Form3>().jDERUTA(); });
    step([&] { p.form<Form3>().KEISAN(); });
    step([&] { p.form<Form3>().jDERUTA(); });
    step([&] { p.form<Form3>().HENSUU(); });
}

}  // namespace

bool restore(Program& p, const std::vector<std::string>& texts, const std::string& path) {
    // A statement that fails is skipped without a message.
    MutedFaultMessages quiet(p);
    // The road-standard key dialog belongs to the project too: a file of the earlier
    // form, which has no lines for it, leaves it empty.
    for (const char* name : {"Form3", "Form4", "Form7", "Form26"}) step([&] { p.unload(name); });
    p.keyHeight = 0;
    applyLines(p, texts);

    // A value that a screen refuses reaches no result: the project opens with its texts,
    // as if not yet calculated. Every box is held to the rules its commands judge, screen
    // by screen in the order the engineer goes; a box that only a member, a shape, a case
    // or a choice uses counts only with it.
    std::vector<BoundedBox> opened;
    step([&] { opened = projectRules(p); });
    const BoundedBox* broken = firstBrokenRule(opened);

    // Everything again from the restored screens. A stability run that cannot go on
    // leaves the panel empty, and the sections refuse to build on it.
    frontSoilChoice(p);
    if (broken) {
        // The design conditions' own figures (KA, δ, the allowables) stand where every
        // value they come from is sound; only an empty box is still to be given.
        bool conditionsSound = false;
        step([&] { conditionsSound = !firstOutOfBounds(givenOnly(conditionRules(p))); });
        if (conditionsSound) designConditions(p);
        emptyPanel(p);
        emptySectionResults(p);
        step([&] { p.form<Form4>().dropFailedResult(); });
        // The File menu offers the preview after any sliding factor; the first, provisional
        // run made one from the refused values.
        p.slidingSafetyFactor = 0;
        p.slidingSafetyFactorWithKey = 0;
        showScreens(p, texts, path);
        return false;
    }
    designConditions(p);
    bool stabilityComputed = false;
    step([&] { stabilityComputed = p.form<Form4>().GamenHyouji(); });
    if (!stabilityComputed) emptyPanel(p);
    emptySectionResults(p);
    sectionChain(p);

    showScreens(p, texts, path);
    return true;
}

void showRefusal(Program& p) { refuseFirstBroken(p, projectRules(p)); }

void restorePanel(Program& p) {
    step([&] {
        const JudgementPanel panel = judgementPanel(p.form<Form4>());
        const bool oneSided = designChoices(p).groundShape == GroundShape::OneSided;
        if (oneSided) {
            showCells(panel.overturning.cells());
            showCells(panel.sliding.cells());
            // The line without the key is judged under the building standard only.
            if (dimensionChoices(p).withKey() && designChoices(p).building()) {
                panel.keylessCaption.setVisible(true);
                showCells(panel.keyless.cells());
            }
        }
        showCells(panel.bearing.cells());
    });
}

}  // namespace project
