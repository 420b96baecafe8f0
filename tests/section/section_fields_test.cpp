// The entry fields of the section screen: what an edit of a design box empties (a look
// empties nothing),
// the Enter chain over the rows that exist, the surcharge-inertia switch and height box,
// and the section invalidation the other screens call.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "section/section_screen.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

const std::vector<int> kLocations(kCheckLocationNumbers.begin(), kCheckLocationNumbers.end());

class SectionFields : public ProgramTest {
protected:
    void SetUp() override {
        prog.heelLength = 0.4f;
        prog.toeLength = 0.5f;
        prog.keyHeight = 0.3f;
        s().show();
    }

    Form7& s() { return prog.form<Form7>(); }
    plat::TextBox& box(int r) { return s().row(r).design; }
    plat::Label& label(const std::string& name) { return static_cast<plat::Label&>(*s().control(name)); }
    // σc, σs, τc and judgement of a location.
    std::array<plat::Label*, 4> results(int r) { return s().row(r).results; }

    // A complete stress check on the screen, saving and printing on.
    void checkDone() {
        s().txt_ka.setText("0.297");
        for (int r : kLocations) {
            box(r).setText("200");
            for (plat::Label* l : results(r)) l->setCaption(l->name());
        }
        for (plat::ComboBox* c : {&s().cbo1, &s().cbo2, &s().cbo5}) c->setText("  D16");
        s().lbl_ra.setCaption("250");
        s().lbl_rb.setCaption("180");
        fixture::standSectionCheck(prog);
        for (ToolbarButton command : kReportCommandButtons) button(*prog.mainToolbar(), command).enabled = true;
    }
    // Locations whose four results were emptied; the others must still be intact.
    std::vector<int> emptiedRows() {
        std::vector<int> rows;
        for (int r : kLocations) {
            int empty = 0;
            for (const plat::Label* l : results(r)) empty += l->caption().empty();
            if (empty == 4) rows.push_back(r);
            else EXPECT_EQ(empty, 0) << "location " << r << " partly emptied";
        }
        return rows;
    }
    bool enabled(ToolbarButton which) { return button(*prog.mainToolbar(), which).enabled; }
    bool focused(const plat::Control& c) { return s().activeControl() == &c; }
    static void click(plat::TextBox& b) {
        b.setFocus();
        if (b.Click) b.Click();
    }
};

// ---- Design boxes ----

enum class Touch { Click, Digit, Enter, Focus, DoubleClick, DeleteKey };

struct TouchCase {
    Touch touch;
    bool clears;
};

class SectionDesignBox : public SectionFields, public ::testing::WithParamInterface<TouchCase> {};

TEST_P(SectionDesignBox, EmptiesItsOwnRowOnly) {
    const TouchCase& c = GetParam();
    for (int r : kLocations) {
        checkDone();
        plat::TextBox& b = box(r);
        switch (c.touch) {
            case Touch::Click: click(b); break;
            case Touch::Digit: b.setFocus(); b.keyPress('7'); break;
            case Touch::Enter: b.setFocus(); b.keyPress(plat::kKeyEnter); break;
            case Touch::Focus: b.setFocus(); break;
            case Touch::DoubleClick: b.setFocus(); b.DblClick(); break;
            // Tab in (all selected), then the delete key: the toolkit's own edit.
            case Touch::DeleteKey: b.setFocus(); b.userEdit("", 0, 0); break;
        }
        EXPECT_EQ(emptiedRows(), c.clears ? std::vector<int>{r} : std::vector<int>{}) << "txt" << r;
        EXPECT_EQ(prog.sectionCheckDoneValue(), c.clears ? 0 : 1) << "txt" << r;
        EXPECT_EQ(enabled(ToolbarButton::Save), !c.clears);
        EXPECT_EQ(enabled(ToolbarButton::Preview), !c.clears);
        EXPECT_TRUE(enabled(ToolbarButton::Print));
        // Bars, spacings and KA are not the box's business.
        EXPECT_EQ(s().cbo1.text(), "  D16");
        EXPECT_EQ(s().lbl_ra.caption(), "250");
        EXPECT_EQ(s().txt_ka.text(), "0.297");
    }
}

// A look (a click, Enter, the focus) leaves the spacing as it was and its row's judgement
// with it; an edit empties the row's results.
INSTANTIATE_TEST_SUITE_P(Touches, SectionDesignBox,
                         ::testing::Values(TouchCase{Touch::Click, false}, TouchCase{Touch::Digit, true},
                                           TouchCase{Touch::Enter, false}, TouchCase{Touch::Focus, false},
                                           TouchCase{Touch::DoubleClick, false}, TouchCase{Touch::DeleteKey, true}));

TEST_F(SectionFields, SelectionFollowsTheSharedRules) {
    plat::TextBox& b = box(6);
    b.setText("200");
    click(b);
    EXPECT_EQ(b.selStart(), 0);
    EXPECT_EQ(b.selLength(), 3);
    b.setText("12345678901234");
    b.DblClick();
    EXPECT_EQ(b.selText(), "1234");
    b.setText("200");
    b.DblClick();
    EXPECT_EQ(b.selLength(), 0);
    // A typed key reaches the box unchanged.
    b.setSelStart(3);
    b.keyPress('a');
    EXPECT_EQ(b.text(), "200a");
}

struct ChainCase {
    int from;
    float heel, toe, key;
    const char* to;
};

class SectionEnterChain : public SectionFields, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(SectionEnterChain, PassesOverTheMembersThatDoNotExist) {
    const ChainCase& c = GetParam();
    prog.heelLength = c.heel;
    prog.toeLength = c.toe;
    prog.keyHeight = c.key;
    s().txt8.setVisible(c.heel != 0);
    s().txt9.setVisible(c.toe != 0);
    s().txt10.setVisible(c.key != 0);
    checkDone();
    plat::Control& target = *s().control(c.to);
    if (target.kind() == plat::ControlKind::TextBox) static_cast<plat::TextBox&>(target).setText("150");
    plat::TextBox& from = box(c.from);
    from.setFocus();
    from.keyPress(plat::kKeyEnter);
    EXPECT_TRUE(focused(target)) << "txt" << c.from << " -> " << c.to;
    EXPECT_EQ(from.text(), "200");  // the key was swallowed
    if (target.kind() == plat::ControlKind::TextBox) {
        auto& t = static_cast<plat::TextBox&>(target);
        EXPECT_EQ(t.selStart(), 0);
        EXPECT_EQ(t.selLength(), 3);
    }
    // Enter changed no spacing: every row keeps its results.
    EXPECT_EQ(emptiedRows(), std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(Rows, SectionEnterChain,
                         ::testing::Values(ChainCase{1, 0.4f, 0.5f, 0.3f, "txt2"}, ChainCase{2, 0.4f, 0.5f, 0.3f, "txt5"},
                                           ChainCase{5, 0.4f, 0.5f, 0.3f, "txt6"}, ChainCase{6, 0.4f, 0.5f, 0.3f, "txt7"},
                                           ChainCase{7, 0.4f, 0.5f, 0.3f, "txt8"}, ChainCase{7, 0, 0.8f, 0.5f, "txt9"},
                                           ChainCase{7, 0, 0, 0.5f, "txt10"}, ChainCase{7, 0, 0, 0, "cmd1"},
                                           ChainCase{8, 0.4f, 0.5f, 0.3f, "txt9"}, ChainCase{8, 0.4f, 0, 0.3f, "txt10"},
                                           ChainCase{8, 0.4f, 0, 0, "cmd1"}, ChainCase{9, 0, 0.5f, 0.3f, "txt10"},
                                           ChainCase{9, 0, 0.5f, 0, "cmd1"}, ChainCase{10, 0, 0, 0.3f, "cmd1"}));

// ---- Surcharge inertia ----

// The height enters the forces of the upright wall: its rows are emptied whole and the
// check has to be run again; the slab centre does not use it.
TEST_F(SectionFields, TypingAHeightEmptiesTheWallRows) {
    checkDone();
    s().txt_1.setFocus();
    s().txt_1.keyPress('2');
    EXPECT_EQ(s().txt_1.text(), "2");
    EXPECT_EQ(emptiedRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(s().cbo1.text(), "");
    EXPECT_EQ(s().lbl_rb.caption(), "");
    EXPECT_EQ(s().txt2.text(), "");
    for (const char* name : {"lbl17", "lbl18", "lbl19", "lbl20", "lbl21"})
        EXPECT_EQ(label(name).caption(), name) << name;
    EXPECT_EQ(s().cbo5.text(), "  D16");
    EXPECT_EQ(prog.sectionCheckDoneValue(), 0);
    EXPECT_FALSE(enabled(ToolbarButton::Save) || enabled(ToolbarButton::Preview));
    EXPECT_TRUE(enabled(ToolbarButton::Print));
    EXPECT_EQ(s().Label28.caption(), "主働土圧係数");
}

// So does the coefficient, typed or written anew by the program; the same text clears nothing.
TEST_F(SectionFields, ANewCoefficientEmptiesTheWallRows) {
    checkDone();
    s().txt_ka.setText("0.297");
    EXPECT_EQ(emptiedRows(), std::vector<int>{});
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
    s().txt_ka.setFocus();
    s().txt_ka.setSelStart(5);
    s().txt_ka.keyPress('5');
    EXPECT_EQ(s().txt_ka.text(), "0.2975");
    EXPECT_EQ(emptiedRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(s().cbo2.text(), "");
    EXPECT_EQ(s().txt1.text(), "");
    EXPECT_EQ(prog.sectionCheckDoneValue(), 0);
    EXPECT_FALSE(enabled(ToolbarButton::Save) || enabled(ToolbarButton::Preview));
}

TEST_F(SectionFields, EnterInTheHeightBoxIsNoChainStep) {
    s().txt_1.setText("1.5");
    s().txt_1.setFocus();
    s().txt_1.keyPress(plat::kKeyEnter);
    EXPECT_TRUE(focused(s().txt_1));
    click(s().txt_1);
    EXPECT_EQ(s().txt_1.selLength(), 3);
}

TEST_F(SectionFields, UncheckingEmptiesTheHeightAndTheWallRows) {
    s().chk_1.setValue(1);
    s().txt_1.setText("1.5");
    checkDone();
    s().chk_1.userClick();
    EXPECT_EQ(s().chk_1.value(), 0);
    EXPECT_EQ(s().txt_1.text(), "");
    for (plat::Control* c : std::initializer_list<plat::Control*>{&s().txt_1, &s().lbl_1, &s().lbl_2})
        EXPECT_FALSE(c->enabled()) << c->name();
    EXPECT_EQ(s().lbl_1.caption(), "作用位置：底盤下端より");
    EXPECT_EQ(s().cbo1.text(), "");
    EXPECT_EQ(s().cbo2.text(), "");
    EXPECT_EQ(s().lbl_ra.caption(), "");
    EXPECT_EQ(s().lbl_rb.caption(), "");
    EXPECT_EQ(s().txt1.text(), "");
    EXPECT_EQ(s().txt2.text(), "");
    // Rows 1 and 2 only, and the check is to be run again.
    EXPECT_EQ(emptiedRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(s().cbo5.text(), "  D16");
    EXPECT_EQ(prog.sectionCheckDoneValue(), 0);
    EXPECT_FALSE(enabled(ToolbarButton::Save) || enabled(ToolbarButton::Preview));
}

TEST_F(SectionFields, UncheckingAnEmptyHeightStillEmptiesTheWallRowsOnly) {
    s().chk_1.setValue(1);
    checkDone();
    s().chk_1.setValue(0);
    EXPECT_EQ(emptiedRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(label("lbl19").caption(), "lbl19");
}

TEST_F(SectionFields, CheckingOffersTheHeightAndEmptiesTheWallRows) {
    s().chk_1.setValue(0);  // no change: nothing runs
    checkDone();
    s().chk_1.setValue(1);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&s().txt_1, &s().lbl_1, &s().lbl_2})
        EXPECT_TRUE(c->enabled()) << c->name();
    EXPECT_EQ(emptiedRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(s().cbo1.text(), "");
    EXPECT_EQ(prog.sectionCheckDoneValue(), 0);
}

// ---- The section invalidation ----

TEST_F(SectionFields, InvalidationEmptiesEveryResultButKeepsCoversAndSwitches) {
    checkDone();
    for (const Form7::Row& r : s().rows()) r.cover.setCaption("45");
    s().chk_1.setValue(1);
    s().txt_1.setText("1.5");
    s().opt1.setValue(true);
    checkDone();
    s().Hihyouji_3();
    EXPECT_EQ(emptiedRows(), kLocations);
    for (int r : kLocations) EXPECT_EQ(box(r).text(), "") << r;
    for (const Form7::Row& r : s().rows()) {
        EXPECT_EQ(r.bars.text(), "") << r.bars.name();
        EXPECT_EQ(r.computed.caption(), "") << r.computed.name();
        EXPECT_EQ(r.cover.caption(), "45") << r.cover.name();
    }
    EXPECT_EQ(s().txt_ka.text(), "");
    EXPECT_TRUE(s().opt1.value());
    EXPECT_EQ(s().chk_1.value(), 1);
    EXPECT_EQ(s().txt_1.text(), "1.5");
    EXPECT_EQ(prog.sectionCheckDoneValue(), 0);
    EXPECT_TRUE(enabled(ToolbarButton::Save) && enabled(ToolbarButton::Preview) &&
                enabled(ToolbarButton::Print));  // the callers see to the toolbar
    EXPECT_TRUE(s().visible());
}

TEST_F(SectionFields, InvalidationKeepsTheProgramWideResults) {
    prog.computedSpacing[6] = 250;
    prog.designSpacing[6] = 200;
    prog.concreteStress[6] = 3.5f;
    s().Hihyouji_3();
    EXPECT_EQ(prog.computedSpacing[6], 250);
    EXPECT_EQ(prog.designSpacing[6], 200);
    EXPECT_EQ(prog.concreteStress[6], 3.5f);
}

TEST_F(SectionFields, InvalidationLoadsAScreenThatIsNotThere) {
    prog.unload("Form7");
    prog.currentScreen = 2;
    fixture::standSectionCheck(prog);
    prog.form<Form7>().Hihyouji_3();
    EXPECT_EQ(prog.sectionCheckDoneValue(), 0);
    EXPECT_EQ(s().cbo1.listCount(), 21);  // its load step ran first
    EXPECT_EQ(s().lbl_r1.caption(), "60");
}

}  // namespace
