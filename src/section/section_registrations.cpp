// What the section screen registers for the floors below it, so that they reach it only
// through the program's registries: the drops of its rows and check, the question whether
// a checked row is shown, and the hand-over from the dimension screen.
#include "section/section_screen.h"

void Form7::registerForLowerFloors(Program& program) {
    Invalidation& registry = program.invalidation;
    registry.registerDrop(Stale::SectionResult, [&program] { program.form<Form7>().Hihyouji_3(); });
    registry.registerDrop(Stale::SectionKaChoice, [&program] {
        Form7& sections = program.form<Form7>();
        sections.opt1.setValue(false);
        sections.opt2.setValue(false);
    });
    // Only a section screen that exists can show the key's row.
    registry.registerDrop(Stale::KeyRow, [&program] {
        if (program.isLoaded(Form7::kName)) program.form<Form7>().forgetRow(10);
    });
    registry.registerDrop(Stale::SectionScreen, [&program] { program.form<Form7>().hide(); });
    registry.registerDrop(Stale::UprightWallRows, [&program] {
        Form7& sections = program.form<Form7>();
        sections.forgetRow(1);
        sections.forgetRow(2);
    });
    // The section check alone: the rows wait for the hand-over's comparison; saving over
    // the file and the preview wait for a new check, as after an edit on this screen.
    registry.registerDrop(Stale::SectionCheck, [&program] {
        if (program.isLoaded(Form7::kName))
            program.form<Form7>().checkOutdated();
        else
            program.dropCheck();
    });
    registry.registerDrop(Stale::SectionRows, [&program] {
        Form7& sections = program.form<Form7>();
        sections.clearGrid();
        sections.checkOutdated();
    });
    program.queries.add(Query::SectionResultShown,
                        [&program] { return !program.form<Form7>().lbl6.caption().empty(); });
    program.handOvers.add(HandOver::OpenSections, [&program] { program.form<Form7>().takeOverFromDimensions(); });
}
