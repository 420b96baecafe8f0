// What the dimension screen registers for the floors below it: the drops of its results
// (every input that can change the stability calculation drops them, downstream only) and
// the hand-over from the ground-shape screen; then the drops themselves.
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"

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
    lbl46.setCaption("");
    lbl47.setCaption("");
    lbl48.setCaption("");
    for (plat::Label* label : {&lbl46, &lbl47, &lbl48, &lbl52, &lbl53, &lbl54, &lbl56, &lbl57, &lbl58, &lbl59, &lbl60, &lbl61, &lbl62, &lbl64, &lbl65, &lbl66, &lbl67, &lbl68, &lbl69, &lbl70})
        label->setVisible(false);
}

void Form4::clearSlidingLines() {
    lbl67.setVisible(false);
    for (plat::Label* label : {&lbl64, &lbl65, &lbl66, &lbl68, &lbl69, &lbl70}) label->setCaption("");
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
