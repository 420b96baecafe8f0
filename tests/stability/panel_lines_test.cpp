// The judgement panel by its lines, and the dimension switches read from the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "stability/dimension_screen.h"
#include "stability/judgement_panel.h"
#include "support/program_fixture.h"

namespace {

std::set<std::string> names(const std::vector<plat::Label*>& cells) {
    std::set<std::string> out;
    for (const plat::Label* cell : cells) out.insert(cell->name());
    return out;
}

class PanelLines : public ProgramTest {
protected:
    Form4& f() { return prog.form<Form4>(); }
};

// Every label that the screen places in the panel below its headings belongs to one line,
// and no cell to two.
TEST_F(PanelLines, EveryCellOfThePanelBelongsToOneLine) {
    const JudgementPanel panel = judgementPanel(f());
    const std::vector<plat::Label*> all = panel.allCells();
    EXPECT_EQ(names(all).size(), all.size());
    std::set<std::string> placed;
    for (plat::Control* c : f().controls()) {
        const std::string name = c->name();
        const bool inPanel = c->left() >= 8160 && c->top() >= 1440 && c->top() <= 3960;
        if (inPanel && name.rfind("lbl", 0) == 0) placed.insert(name);
    }
    EXPECT_EQ(names(all), placed);
    // The judgement cells are all but the caption of the line without the key.
    std::set<std::string> judged = placed;
    judged.erase(panel.keylessCaption.name());
    EXPECT_EQ(names(panel.judgementCells()), judged);
    EXPECT_EQ(panel.keylessCaption.caption(), "突起の無い状態で");
}

// Hiding the panel hides every line and empties the one below the overturning factor only.
TEST_F(PanelLines, HidingThePanelHidesEveryLine) {
    const JudgementPanel panel = judgementPanel(f());
    for (plat::Label* cell : panel.allCells()) {
        cell->setVisible(true);
        cell->setCaption("x");
    }
    f().Hihyouji_3();
    for (plat::Label* cell : panel.allCells()) EXPECT_FALSE(cell->visible()) << cell->name();
    for (plat::Label* cell : panel.overturningPart.cells()) EXPECT_EQ(cell->caption(), "") << cell->name();
    for (plat::Label* cell : panel.overturning.cells()) EXPECT_EQ(cell->caption(), "x") << cell->name();
}

// The sliding lines are emptied together; the caption above the keyless one is hidden.
TEST_F(PanelLines, ClearingTheSlidingLinesLeavesTheOthers) {
    const JudgementPanel panel = judgementPanel(f());
    for (plat::Label* cell : panel.allCells()) {
        cell->setVisible(true);
        cell->setCaption("x");
    }
    f().clearSlidingLines();
    for (const PanelLine* line : {&panel.sliding, &panel.keyless})
        for (plat::Label* cell : line->cells()) EXPECT_EQ(cell->caption(), "") << cell->name();
    EXPECT_FALSE(panel.keylessCaption.visible());
    for (plat::Label* cell : panel.bearing.cells()) EXPECT_EQ(cell->caption(), "x") << cell->name();
    EXPECT_EQ(panel.overturning.verdict.caption(), "x");
}

// The switches are read from the program: none without the screen, which reading does
// not load; then as the screen shows them.
TEST_F(PanelLines, TheDimensionSwitchesAreReadFromTheProgram) {
    ASSERT_FALSE(prog.isLoaded(Form4::kName));
    const DimensionChoices none = dimensionChoices(prog);
    EXPECT_EQ(none.shearKey, ShearKey::None);
    EXPECT_EQ(none.frontSoil, FrontSoilLoad::None);
    EXPECT_EQ(none.verticalComponent, VerticalEarthPressureComponent::None);
    EXPECT_EQ(none.surchargeDeduction, SurchargeDeduction::None);
    EXPECT_FALSE(prog.isLoaded(Form4::kName));

    f().opt6.setValue(true);
    f().opt4.setValue(true);
    f().opt1.setValue(true);
    f().chk1.setValue(1);
    const DimensionChoices shown = dimensionChoices(prog);
    EXPECT_EQ(shown.shearKey, ShearKey::Present);
    EXPECT_EQ(shown.frontSoil, FrontSoilLoad::LeftOut);
    EXPECT_EQ(shown.verticalComponent, VerticalEarthPressureComponent::Counted);
    EXPECT_EQ(shown.surchargeDeduction, SurchargeDeduction::Deduct5);
}

}  // namespace
