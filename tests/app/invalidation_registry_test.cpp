// The owners of the results register how each is dropped: a drop through the program's
// registry reaches the screen that shows the result, whichever floor asked for it.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "common/program.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "support/program_fixture.h"
#include "support/standing_results.h"

namespace {

class InvalidationRegistryTest : public ProgramTest {
protected:
    void drop(Stale what) {
        const Stale set[] = {what};
        prog.invalidation.drop(set);
    }
};

TEST_F(InvalidationRegistryTest, TheStabilityResultGoesWithItsPanelAndTheSectionCheck) {
    fixture::standResults(prog);
    prog.form<Form4>().lbl57.setVisible(true);
    drop(Stale::StabilityResult);
    EXPECT_FALSE(prog.hasResult());
    EXPECT_FALSE(prog.checkCurrent());
    EXPECT_FALSE(prog.form<Form4>().lbl57.visible());
}

TEST_F(InvalidationRegistryTest, ThePanelAloneKeepsTheResult) {
    fixture::standResults(prog);
    prog.form<Form4>().lbl57.setVisible(true);
    drop(Stale::StabilityPanel);
    EXPECT_TRUE(prog.hasResult());
    EXPECT_TRUE(prog.checkCurrent());
    EXPECT_FALSE(prog.form<Form4>().lbl57.visible());
}

TEST_F(InvalidationRegistryTest, TheReportCommandsAreTheToolbarsAndCreateNoScreen) {
    for (ToolbarButton command : kReportCommandButtons) button(main->Toolbar1, command).enabled = true;
    drop(Stale::ReportCommands);
    for (ToolbarButton command : kReportCommandButtons)
        EXPECT_FALSE(button(main->Toolbar1, command).enabled) << static_cast<int>(command);
    EXPECT_TRUE(button(main->Toolbar1, ToolbarButton::New).enabled);
    EXPECT_FALSE(prog.isLoaded(Form4::kName));
}

TEST_F(InvalidationRegistryTest, TheSectionResultEmptiesTheCoefficientAndTheCheck) {
    Form7& sections = prog.form<Form7>();
    sections.txt_ka.setText("0.30");
    fixture::standSectionCheck(prog);
    drop(Stale::SectionResult);
    EXPECT_EQ(sections.txt_ka.text(), "");
    EXPECT_FALSE(prog.checkCurrent());
}

TEST_F(InvalidationRegistryTest, TheSectionKaChoiceIsWithdrawn) {
    Form7& sections = prog.form<Form7>();
    sections.opt1.setValue(true);
    drop(Stale::SectionKaChoice);
    EXPECT_FALSE(sections.opt1.value());
    EXPECT_FALSE(sections.opt2.value());
}

TEST_F(InvalidationRegistryTest, TheKeyRowIsForgottenOnlyOnASectionScreenThatExists) {
    drop(Stale::KeyRow);
    EXPECT_FALSE(prog.isLoaded(Form7::kName));

    Form7& sections = prog.form<Form7>();
    sections.txt10.setText("200");
    fixture::standSectionCheck(prog);
    drop(Stale::KeyRow);
    EXPECT_EQ(sections.txt10.text(), "");
    EXPECT_FALSE(prog.checkCurrent());
}

TEST_F(InvalidationRegistryTest, TheShearKeyGoesBackToNone) {
    Form4& dimensions = prog.form<Form4>();
    dimensions.opt6.setValue(true);
    drop(Stale::ShearKeyChoice);
    EXPECT_TRUE(dimensions.opt5.value());
    EXPECT_FALSE(dimensions.opt6.value());
}

TEST_F(InvalidationRegistryTest, TheLaterScreensArePutAway) {
    Form4& dimensions = prog.form<Form4>();
    Form7& sections = prog.form<Form7>();
    dimensions.show();
    sections.show();
    prog.invalidation.drop(invalidates::kLaterScreens);
    EXPECT_FALSE(dimensions.visible());
    EXPECT_FALSE(sections.visible());
}

TEST_F(InvalidationRegistryTest, TheSectionScreenAnswersWhetherItShowsAResult) {
    EXPECT_FALSE(prog.queries.ask(Query::SectionResultShown));
    prog.form<Form7>().lbl6.setCaption("OK");
    EXPECT_TRUE(prog.queries.ask(Query::SectionResultShown));
}

}  // namespace
