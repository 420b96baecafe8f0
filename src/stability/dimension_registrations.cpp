// What the dimension screen registers for the floors below it: the drops of its results
// (every input that can change the stability calculation drops them, downstream only) and
// the hand-over from the ground-shape screen; then the drops themselves.
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/judgement_panel.h"

void Form4::registerForLowerFloors(Program& program) {
    Invalidation& registry = program.invalidation;
    registry.registerDrop(Stale::StabilityPanel, [&program] { program.form<Form4>().Hihyouji_3(); });
    registry.registerDrop(Stale::StabilityResult, [&program] { program.form<Form4>().Hihyouji_1(); });
    registry.registerDrop(Stale::SlidingJudgement, [&program] { program.form<Form4>().clearSlidingLines(); });
    // The toolbar alone: never creates this screen.
    registry.registerDrop(Stale::ReportCommands, [&program] { Hihyouji_2(program); });
    registry.registerDrop(Stale::EffectiveAreaChoice, [&program] { forgetEffectiveArea(program); });
    registry.registerDrop(Stale::ShearKeyChoice, [&program] { program.form<Form4>().opt5.setValue(true); });
    registry.registerDrop(Stale::DimensionScreen, [&program] { program.form<Form4>().hide(); });
    program.handOvers.add(HandOver::OpenDimensions, [&program] { program.form<Form4>().takeOverFromGroundShape(); });
}

void Form4::Hihyouji_3() {
    const JudgementPanel panel = judgementPanel(*this);
    // The line below the overturning factor is emptied; the other lines are only hidden.
    for (plat::Label* cell : panel.overturningPart.cells()) cell->setCaption("");
    for (plat::Label* cell : panel.allCells()) cell->setVisible(false);
}

void Form4::clearSlidingLines() {
    const JudgementPanel panel = judgementPanel(*this);
    panel.keylessCaption.setVisible(false);
    for (const PanelLine* line : {&panel.sliding, &panel.keyless})
        for (plat::Label* cell : line->cells()) cell->setCaption("");
}

void Form4::Hihyouji_1() {
    Hihyouji_3();
    // The section check was made for the stability result that is gone.
    program_.dropResult();
}

void Form4::Hihyouji_2(Program& program) {
    plat::Toolbar* toolbar = program.mainToolbar();
    if (!toolbar) return;  // the main window lives for the whole run; only tests go without it
    for (ToolbarButton command : kReportCommandButtons) button(*toolbar, command).enabled = false;
}
