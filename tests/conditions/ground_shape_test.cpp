// The ground-shape step: the shape choice, its checks and how it lays out the
// dimension screen.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

struct GroundShape : ProgramTest {
    Form23* g = nullptr;

    void SetUp() override {
        g = &prog.form<Form23>();
        g->setTop(0);
        g->setLeft(0);
        g->show();
    }
    Form4& dims() { return prog.form<Form4>(); }
    bool lineVisible(int n) { return prog.controlByName("Form4", "Line" + std::to_string(n)).visible(); }
};

TEST_F(GroundShape, StartsWithNoShapeAndRefusesToGoOn) {
    EXPECT_FALSE(g->opt1.value());
    EXPECT_FALSE(g->opt2.value());
    g->cmd1.press();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "地盤の形状（1）又は（2）を選択してください。");
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(svc.messages[0].buttons, plat::MsgButtons::OK);
    EXPECT_EQ(g->activeControl(), &g->opt1);
    EXPECT_EQ(prog.activeChild(), g);
    if (prog.isLoaded("Form4")) {
        EXPECT_FALSE(dims().visible());
    }
}

TEST_F(GroundShape, ChoosingAShapeResetsTheKeyAndInvalidates) {
    dims().opt6.setValue(true);
    fixture::standStabilityResult(prog);
    button(prog.form<MDIForm1>().Toolbar1, ToolbarButton::Preview).enabled = true;
    g->opt2.userClick();
    EXPECT_TRUE(dims().opt5.value());
    EXPECT_FALSE(dims().opt6.value());
    EXPECT_EQ(prog.sigmaMax, 0.0f);
    EXPECT_FALSE(button(prog.form<MDIForm1>().Toolbar1, ToolbarButton::Preview).enabled);
    EXPECT_FALSE(dims().visible());
    EXPECT_FALSE(prog.form<Form7>().visible());
}

TEST_F(GroundShape, KeyButtonFollowsTheKeyChoiceInTheOneSidedShape) {
    dims().opt6.setValue(true);
    ASSERT_TRUE(dims().cmd5.visible());
    g->opt1.userClick();  // a new shape: no key
    EXPECT_FALSE(dims().cmd5.visible());

    dims().opt6.setValue(true);
    g->cmd1.press();
    EXPECT_TRUE(dims().cmd5.visible());  // one-sided with a key: left as it was
    EXPECT_TRUE(dims().Frame3.visible());
}

TEST_F(GroundShape, OneSidedShowsTheFrontSideOfTheDimensionScreen) {
    dims().Frame2.setVisible(true);
    g->opt1.userClick();
    g->cmd1.press();
    Form4& f = dims();
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(prog.activeChild(), &f);
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_TRUE(f.Frame1.enabled());
    EXPECT_TRUE(f.opt1.enabled());
    EXPECT_FALSE(f.Frame2.visible());  // no toe: no front soil to load
    EXPECT_TRUE(f.Frame3.visible());
    EXPECT_FALSE(f.cmd5.visible());  // no shear key
    for (int n = 120; n <= 134; ++n) EXPECT_TRUE(lineVisible(n)) << n;
    for (int n = 135; n <= 149; ++n) EXPECT_FALSE(lineVisible(n)) << n;
    for (int n = 150; n <= 152; ++n) EXPECT_TRUE(lineVisible(n)) << n;
    EXPECT_TRUE(f.txt3.visible());
    EXPECT_TRUE(f.txt4.visible());
    EXPECT_TRUE(f.txt23.visible());
    EXPECT_FALSE(f.lbl33.visible());
}

// The frame follows the toe as typed, whatever the last calculation's toe was; without
// a toe its choice goes too.
TEST_F(GroundShape, OneSidedShowsTheFrontSoilFrameForTheToeTyped) {
    struct {
        const char* toe;
        float lastToe;
        bool shown;
    } const cases[] = {{"0.5", 0.0f, true}, {"1", 0.5f, true}, {"0.0", 0.0f, true},
                       {"0", 0.5f, false}, {"", 0.5f, false}};
    for (const auto& c : cases) {
        g->opt1.userClick();
        dims().txt12.setText(c.toe);
        prog.toeLength = c.lastToe;
        dims().Frame2.setVisible(!c.shown);
        dims().opt3.setValue(true);
        g->cmd1.press();
        EXPECT_EQ(dims().Frame2.visible(), c.shown) << c.toe;
        EXPECT_EQ(dims().opt3.value(), c.shown) << c.toe;
    }
}

TEST_F(GroundShape, SymmetricHidesTheFrontSideAndCopiesTheBackSurcharge) {
    Form4& f = dims();
    f.opt1.setValue(true);
    prog.surchargeBack = 10;
    prog.surchargeFront = 3;
    g->opt2.userClick();
    g->cmd1.press();
    EXPECT_FALSE(f.Frame1.enabled());
    EXPECT_FALSE(f.opt1.value());
    EXPECT_FALSE(f.opt2.value());
    EXPECT_FALSE(f.opt1.enabled());
    EXPECT_FALSE(f.opt2.enabled());
    EXPECT_FALSE(f.Frame2.visible());
    EXPECT_FALSE(f.Frame3.visible());
    EXPECT_FALSE(f.cmd5.visible());
    for (int n = 120; n <= 134; ++n) EXPECT_FALSE(lineVisible(n)) << n;
    for (int n = 135; n <= 149; ++n) EXPECT_TRUE(lineVisible(n)) << n;
    for (int n = 150; n <= 152; ++n) EXPECT_FALSE(lineVisible(n)) << n;
    EXPECT_FALSE(f.txt3.visible());
    EXPECT_FALSE(f.txt23.visible());
    EXPECT_TRUE(f.lbl33.visible());
    EXPECT_EQ(prog.surchargeFront, 10.0f);

    // Back to one-sided: the choices are enabled again, but the vertical component
    // must be chosen anew.
    g->opt1.userClick();
    g->cmd1.press();
    EXPECT_TRUE(f.opt1.enabled());
    EXPECT_FALSE(f.opt1.value());
    EXPECT_TRUE(f.Frame3.visible());
}

TEST_F(GroundShape, SurchargeDeductionFollowsTheKaMode) {
    Form3& conditions = prog.form<Form3>();
    Form4& f = dims();
    g->opt1.userClick();

    // Neither mode: the box keeps its state.
    f.chk1.setValue(1);
    f.chk1.setEnabled(false);
    g->cmd1.press();
    EXPECT_EQ(f.chk1.value(), 1);
    EXPECT_FALSE(f.chk1.enabled());

    conditions.opt2.setValue(true);  // computed KA
    f.chk1.setEnabled(true);
    g->cmd1.press();
    EXPECT_EQ(f.chk1.value(), 0);
    EXPECT_FALSE(f.chk1.enabled());

    conditions.opt1.setValue(true);  // typed KA
    g->cmd1.press();
    EXPECT_TRUE(f.chk1.enabled());
}

TEST_F(GroundShape, BackToTheDesignConditions) {
    g->opt1.userClick();
    g->cmd2.press();
    EXPECT_FALSE(g->visible());
    Form3& conditions = prog.form<Form3>();
    EXPECT_TRUE(conditions.visible());
    EXPECT_EQ(prog.activeChild(), &conditions);
    EXPECT_EQ(prog.currentScreen, 1);
    EXPECT_TRUE(g->opt1.value());  // the choice is kept for the way forward
}

TEST_F(GroundShape, FiguresStayInsideTheWindow) {
    for (const auto& label : g->figures.labels()) {
        EXPECT_GE(label->left(), 0) << label->caption();
        EXPECT_LE(label->left() + label->width(), g->width()) << label->caption();
        EXPECT_LE(label->top() + label->height(), g->height()) << label->caption();
    }
    for (const auto& line : g->figures.lines()) {
        EXPECT_LE(std::max(line->x1(), line->x2()), g->width());
        EXPECT_LE(std::max(line->y1(), line->y2()), g->height());
    }
}

}  // namespace
