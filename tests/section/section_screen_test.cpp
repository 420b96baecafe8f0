// The section screen: its design state, the hand-over from the dimension screen (refusal,
// surcharge-inertia group, rows, sketch, KA mode, calculation faults) and the way back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "common/calc_fault.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "section/section_screen.h"
#include "section/slab_wall.h"
#include "stability/dimension_screen.h"
#include "support/choice_input.h"
#include "support/design_values.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

// The section screen over a stability result, in the normal case or a seismic method.

class SectionScreen : public ProgramTest {
protected:
    Form4& dims() { return prog.form<Form4>(); }
    Form7& sec() { return prog.form<Form7>(); }

    // Design conditions and a stability result from which the slab model and the
    // section KA can be computed, without a key. Without a seismic method, the normal case.
    void ready(SeismicMethod method = SeismicMethod::None, bool oneSided = true, bool kaTyped = true) {
        choice_input::setDesignChoices(
            prog, {.standard = Standard::Building,
                   .loadCase = method == SeismicMethod::None ? LoadCase::Normal : LoadCase::Seismic,
                   .groundShape = oneSided ? GroundShape::OneSided : GroundShape::Symmetric,
                   .seismicMethod = method,
                   .kaMode = kaTyped ? KaMode::Typed : KaMode::Computed});
        prog.activeCoefficient = 0.333f;
        prog.backfillPhi = 30;
        prog.deltaSection = 0;
        prog.seismicKh = 0.2f;
        prog.seismicKv = 0;
        placeSlabWall(prog);
        prog.keyHeight = 0;
        dims().show();
        for (ToolbarButton command : kReportCommandButtons) button(*prog.mainToolbar(), command).enabled = true;
        svc.clear();
    }

    void handOver() { dims().cmd1.press(); }
    // The design values and allowable stresses that the spacings are worked out with.
    void spacingValues() {
        fixture::setDesignValues(prog);
        prog.rebarAllow = prog.rebarAllowLong = 180;
        prog.allowBond = 1.6f;
    }
    // The KA box as the hand-over leaves it: the text shown, framed only while typed, the
    // mode's own button and command on, the other mode's off, and the preview on.
    void expectKaOffered(const char* shown, bool typed) {
        Form7& s = sec();
        EXPECT_EQ(s.txt_ka.text(), shown);
        EXPECT_EQ(s.txt_ka.borderStyle(), typed ? 1 : 0);
        EXPECT_TRUE(focused(s.txt_ka));
        EXPECT_EQ(s.opt1.value(), typed);
        EXPECT_EQ(s.opt2.value(), !typed);
        plat::OptionButton& mode = typed ? s.opt1 : s.opt2;
        plat::OptionButton& otherMode = typed ? s.opt2 : s.opt1;
        plat::CommandButton& command = typed ? s.cmd4 : s.cmd5;
        plat::CommandButton& otherCommand = typed ? s.cmd5 : s.cmd4;
        EXPECT_TRUE(mode.enabled() && command.enabled());
        EXPECT_FALSE(otherMode.enabled() || otherCommand.enabled());
        EXPECT_TRUE(button(toolbar(), ToolbarButton::Preview).enabled);
    }
    bool focused(const plat::Control& c) { return c.form().activeControl() == &c && c.form().visible(); }
    plat::Toolbar& toolbar() { return *prog.mainToolbar(); }
};

// ---- The screen as it is created ----

TEST_F(SectionScreen, StartsInItsDesignState) {
    Form7& s = sec();
    EXPECT_EQ(prog.currentScreen, 3);
    EXPECT_EQ(s.width(), 10920);
    EXPECT_EQ(s.height(), 6945);
    EXPECT_EQ(s.font().name, "ＭＳ ゴシック");
    EXPECT_EQ(s.Frame1.font().name, "ＭＳ 明朝");
    for (plat::Control* c : s.controls()) {
        EXPECT_TRUE(c->visible()) << c->name();
        EXPECT_TRUE(c->enabled()) << c->name();
    }
    const std::vector<std::string> items = {"  D10",   "D10,D13", "  D13",   "D13,D16", "  D16",   "D16,D19", "  D19",
                                            "D19,D22", "  D22",   "D22,D25", "  D25",   "D25,D29", "  D29",   "D29,D32",
                                            "  D32",   "D32,D35", "  D35",   "D35,D38", "  D38",   "D38,D41", "  D41"};
    for (const Form7::Row& r : s.rows()) {
        EXPECT_EQ(r.bars.items(), items) << r.bars.name();
        // A plain list: no text but its items can stand in it.
        EXPECT_EQ(r.bars.style(), plat::ComboBox::Style::DropDownList);
        EXPECT_EQ(r.bars.text(), "");
        EXPECT_EQ(r.cover.caption(), "60") << r.cover.name();
    }
    EXPECT_EQ(s.chk_1.value(), 0);
    EXPECT_EQ(s.txt_ka.text(), "");
    EXPECT_FALSE(s.opt1.value());
    EXPECT_FALSE(s.opt2.value());
    EXPECT_EQ(s.Label72.caption(), "断 面 計 算");
    EXPECT_EQ(s.chk_1.caption(), "上載荷重の慣性力を算入する");
    EXPECT_EQ(s.lbl_1.caption(), "作用位置：底盤下端より");
    EXPECT_EQ(s.cmd1.caption(), "応力度計算");
    EXPECT_EQ(s.cmd3.caption(), "< 寸法の変更");
    EXPECT_EQ(s.cmd6.caption(), "変更");
    EXPECT_EQ(s.Label6.caption(), "Ｄ前固定部");
    EXPECT_EQ(s.Label41.caption(), "③設計上の鉄筋の間隔を入力（３０cm以下）");
}

TEST_F(SectionScreen, ControlsStayInsideTheClientArea) {
    Form7& s = sec();
    for (plat::Control* c : s.controls()) {
        if (c->container() || c->kind() == plat::ControlKind::Line) continue;
        EXPECT_GE(c->left(), 0) << c->name();
        EXPECT_LE(c->left() + c->width(), 10920) << c->name();
        EXPECT_LE(c->top() + c->height(), 6945) << c->name();
    }
    // The rows run down the screen in check-location order.
    EXPECT_LT(s.txt1.top(), s.txt2.top());
    EXPECT_LT(s.txt2.top(), s.txt5.top());
    EXPECT_LT(s.txt9.top(), s.txt10.top());
    EXPECT_EQ(s.lbl33.top(), s.txt9.top());
    EXPECT_LT(s.cbo1.left(), s.lbl_r1.left());
    EXPECT_LT(s.lbl_ra.left(), s.txt1.left());
    EXPECT_LT(s.txt1.left(), s.lbl1.left());
}

TEST_F(SectionScreen, ActivationMakesItTheCurrentScreen) {
    ready();
    handOver();
    prog.currentScreen = 1;
    sec().hide();
    sec().show();
    EXPECT_EQ(prog.currentScreen, 3);
}

// ---- The hand-over ----

TEST_F(SectionScreen, RefusesWithoutAStabilityResult) {
    ready();
    prog.unload("Form7");  // the design conditions' invalidation loaded it
    prog.sigmaMax = 0;
    handOver();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0], plat::MessageRequest::fromStyle("安定性の検討をしてください。", plat::msg::kOk, "エラーメッセージ"));
    EXPECT_TRUE(focused(dims().cmd3));
    EXPECT_EQ(prog.find("Form7"), nullptr);
    EXPECT_TRUE(button(toolbar(), ToolbarButton::Preview).enabled);
}

TEST_F(SectionScreen, ShowsTheScreenOverTheDimensionsAndComputesTheSlabModel) {
    ready();
    sec().setLeft(300);
    sec().canvas().print("old");
    handOver();
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_TRUE(sec().visible());
    EXPECT_EQ(sec().left(), 0);
    EXPECT_EQ(sec().top(), 0);
    EXPECT_TRUE(sec().canvas().ops().empty());
    EXPECT_TRUE(dims().visible());
    EXPECT_EQ(prog.currentScreen, 3);
    // Trapezoid, e > 0: VP = σmax at the toe end.
    EXPECT_FLOAT_EQ(prog.reactionVP, 60);
}

TEST_F(SectionScreen, AStabilityResultTheSlabModelCannotUseStopsTheHandOver) {
    ready();
    prog.baseWidth = 0;
    handOver();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, kCannotComputeMessage);
    EXPECT_FALSE(sec().visible());
}

struct InertiaCase {
    const char* name;
    SeismicMethod method;  // none: the normal case
    int checked;
    bool chkVisible, chkEnabled, fieldVisible, fieldEnabled;
    const char* heightText;  // txt_1 afterwards ("1.5" before)
};

class SectionSurchargeInertia : public SectionScreen, public ::testing::WithParamInterface<InertiaCase> {};

TEST_P(SectionSurchargeInertia, FollowsLoadCaseAndMethod) {
    const InertiaCase& c = GetParam();
    ready(c.method);
    Form7& s = sec();
    s.chk_1.setValue(c.checked);
    s.txt_1.setText("1.5");
    s.txt_ka.setText("0.33");  // the coefficient the hand-over offers: no change of its own
    s.lbl1.setCaption("0.512");
    handOver();
    EXPECT_EQ(s.chk_1.visible(), c.chkVisible);
    EXPECT_EQ(s.chk_1.enabled(), c.chkEnabled);
    EXPECT_EQ(s.chk_1.value(), c.checked);  // never changed by the hand-over
    for (plat::Control* field : std::initializer_list<plat::Control*>{&s.txt_1, &s.lbl_1, &s.lbl_2}) {
        EXPECT_EQ(field->visible(), c.fieldVisible) << field->name();
        EXPECT_EQ(field->enabled(), c.fieldEnabled) << field->name();
    }
    EXPECT_EQ(s.txt_1.text(), c.heightText);
    // Emptying the height box counts as its change: location 1's stresses go.
    EXPECT_EQ(s.lbl1.caption().empty(), std::string(c.heightText).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SectionSurchargeInertia,
    ::testing::Values(InertiaCase{"Normal", SeismicMethod::None, 0, false, true, false, true, ""},
                      InertiaCase{"NormalTicked", SeismicMethod::None, 1, false, true, false, true, ""},
                      InertiaCase{"K1", SeismicMethod::K1, 1, true, false, true, false, ""},
                      InertiaCase{"K2Ticked", SeismicMethod::K2, 1, true, true, true, true, "1.5"},
                      InertiaCase{"K2Unticked", SeismicMethod::K2, 0, true, true, true, false, ""},
                      InertiaCase{"D1Ticked", SeismicMethod::D1, 1, true, true, true, true, "1.5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SectionScreen, ALaterSeismicHandOverOffersTheGroupAgain) {
    ready(SeismicMethod::None);
    handOver();
    ASSERT_FALSE(sec().chk_1.visible());
    ready(SeismicMethod::K1);
    handOver();
    ASSERT_FALSE(sec().chk_1.enabled());
    ASSERT_FALSE(sec().txt_1.visible());  // K1 leaves the visibility alone
    ready(SeismicMethod::K2);
    sec().chk_1.setValue(1);
    handOver();
    Form7& s = sec();
    EXPECT_TRUE(s.chk_1.visible());
    EXPECT_TRUE(s.chk_1.enabled());
    for (plat::Control* field : std::initializer_list<plat::Control*>{&s.txt_1, &s.lbl_1, &s.lbl_2}) {
        EXPECT_TRUE(field->visible()) << field->name();
        EXPECT_TRUE(field->enabled()) << field->name();
    }
}

struct RowsCase {
    float heel, toe, key;
};

class SectionMemberRows : public SectionScreen, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(SectionMemberRows, ShowTheMembersThatExist) {
    const RowsCase& c = GetParam();
    ready();
    prog.heelLength = c.heel;
    prog.toeLength = c.toe;
    prog.keyHeight = c.key;
    handOver();
    Form7& s = sec();
    auto rowShown = [](std::initializer_list<plat::Control*> row, bool shown) {
        for (plat::Control* ctl : row) EXPECT_EQ(ctl->visible(), shown) << ctl->name();
    };
    auto memberRowShown = [&](int loc, bool shown) {
        const Form7::Row r = s.row(loc);
        rowShown({&r.caption, &r.bars, &r.cover, &r.design, &r.computed}, shown);
    };
    memberRowShown(8, c.heel != 0);
    memberRowShown(9, c.toe != 0);
    memberRowShown(10, c.key != 0);
    // The rows that always exist, the member captions and every result label stay.
    rowShown({&s.Label7, &s.cbo7, &s.txt7, &s.lbl_rg, &s.Label14, &s.Label19, &s.Label13, &s.lbl29, &s.lbl32,
              &s.lbl36, &s.lbl40},
             true);
}

INSTANTIATE_TEST_SUITE_P(Members, SectionMemberRows,
                         ::testing::Values(RowsCase{0, 0, 0}, RowsCase{0.4f, 0, 0}, RowsCase{0, 0.5f, 0},
                                           RowsCase{0, 0, 0.3f}, RowsCase{0.4f, 0.5f, 0.3f}));

TEST_F(SectionScreen, ARowComesBackWhenItsMemberIsAdded) {
    ready();
    prog.heelLength = 0;
    handOver();
    ASSERT_FALSE(sec().txt8.visible());
    prog.heelLength = 0.6f;
    handOver();
    EXPECT_TRUE(sec().txt8.visible());
    EXPECT_TRUE(sec().cbo8.visible());
}

TEST_F(SectionScreen, TheSketchFollowsTheGroundShape) {
    for (bool oneSided : {true, false, true}) {
        ready(SeismicMethod::None, oneSided);
        handOver();
        Form7& s = sec();
        EXPECT_EQ(s.Line100.visible(), oneSided);
        for (plat::Control* c : std::initializer_list<plat::Control*>{
                 &s.Line101, &s.Line102, &s.Line103, &s.Line104, &s.Line105, &s.Line106, &s.Line107, &s.Line108,
                 &s.Line109, &s.Label100, &s.Label101, &s.Label102})
            EXPECT_EQ(c->visible(), !oneSided) << c->name();
    }
    EXPECT_EQ(sec().Label100.caption(), "ΔPA");
    EXPECT_EQ(sec().Label101.caption(), "PA");
    EXPECT_EQ(sec().Label102.caption(), "δ");
}

TEST_F(SectionScreen, WithoutAGroundShapeTheSketchStaysAsItWas) {
    ready(SeismicMethod::None, false);
    handOver();
    prog.form<Form23>().opt2.setValue(false);
    sec().Line100.setVisible(true);
    handOver();
    EXPECT_TRUE(sec().Line100.visible());
    EXPECT_TRUE(sec().Line105.visible());
}

TEST_F(SectionScreen, TypedKaIsOfferedFromTheDesignConditions) {
    struct {
        float ka;
        const char* shown;
    } const cases[] = {{0.3f, "0.3"}, {0.333f, "0.33"}, {0.5f, "0.5"}, {0.336f, "0.34"}};
    for (const auto& c : cases) {
        ready();
        prog.activeCoefficient = c.ka;
        handOver();
        SCOPED_TRACE(c.shown);
        expectKaOffered(c.shown, true);
    }
}

TEST_F(SectionScreen, ComputedKaIsWorkedOutAtEveryHandOver) {
    ready(SeismicMethod::None, true, false);
    handOver();
    Form7& s = sec();
    // φ = 30°, θ = 0, δ = 0: KA = cos²30 / (1 + sin 30)² = 1/3.
    expectKaOffered("0.333", false);

    // The next visit recomputes it: the same coefficient keeps the rows designed with it,
    // another one empties the upright wall's rows.
    spacingValues();
    prog.rearWallUpperHeight = 0.5f;
    prog.backSoilAboveSlab = 2.1f;
    prog.surchargeBack = 10;
    s.cbo1.userPick(4);
    s.cbo6.userPick(4);
    s.txt1.setText("200");
    s.Ouryoku(1);
    const std::string spacing = s.lbl_ra.caption();
    const std::string verdict = s.lbl4.caption();
    ASSERT_NE(spacing, "");
    ASSERT_NE(verdict, "");
    ASSERT_NE(s.lbl_rf.caption(), "");
    handOver();
    EXPECT_EQ(s.txt_ka.text(), "0.333");
    EXPECT_EQ(s.cbo1.text(), "  D16");
    EXPECT_EQ(s.lbl_ra.caption(), spacing);
    EXPECT_EQ(s.txt1.text(), "200");
    EXPECT_EQ(s.lbl4.caption(), verdict);
    prog.backfillPhi = 35;
    handOver();
    EXPECT_NE(s.txt_ka.text(), "0.333");
    EXPECT_EQ(s.cbo1.text(), "");
    EXPECT_EQ(s.lbl_ra.caption(), "");
    EXPECT_EQ(s.txt1.text(), "");
    EXPECT_EQ(s.lbl4.caption(), "");
    EXPECT_EQ(s.cbo6.text(), "  D16");  // the slab does not use KA
    EXPECT_NE(s.lbl_rf.caption(), "");
}

// A hand-over keeps a row only with its judgement: the same spacing checked against an
// allowable stress that fell below the row's stress (a new concrete strength, say) empties
// the row.
TEST_F(SectionScreen, AHandOverKeepsARowOnlyWithItsJudgement) {
    ready(SeismicMethod::None, true, false);
    handOver();
    Form7& s = sec();
    spacingValues();
    prog.allowConcrete = 8;
    prog.allowShear = 0.73f;
    s.cbo6.userPick(4);
    s.txt6.setText("200");
    s.Ouryoku(6);
    ASSERT_EQ(s.lbl24.caption(), "O.K");
    const std::string spacing = s.lbl_rf.caption();
    const float sigmaC = prog.concreteStress[6];
    ASSERT_GT(sigmaC, 0);
    handOver();
    EXPECT_EQ(s.lbl_rf.caption(), spacing);
    EXPECT_EQ(s.lbl24.caption(), "O.K");
    // σc is no longer allowed; the spacing, which the bars' bond and area decide, stays.
    prog.allowConcrete = sigmaC / 2;
    handOver();
    EXPECT_EQ(s.cbo6.text(), "");
    EXPECT_EQ(s.lbl_rf.caption(), "");
    EXPECT_EQ(s.lbl24.caption(), "");
}

TEST_F(SectionScreen, WithoutAKaModeThePreviewIsOff) {
    ready();
    prog.form<Form3>().opt1.setValue(false);
    prog.form<Form3>().opt2.setValue(false);
    handOver();
    EXPECT_EQ(sec().txt_ka.text(), "");
    EXPECT_FALSE(sec().opt1.value() || sec().opt2.value());
    EXPECT_FALSE(button(toolbar(), ToolbarButton::Preview).enabled);
    EXPECT_TRUE(button(toolbar(), ToolbarButton::Print).enabled);
}

TEST_F(SectionScreen, TheHandOverLeavesTheCheckFlagAlone) {
    ready();
    fixture::standSectionCheck(prog);
    handOver();
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
}

TEST_F(SectionScreen, AKaThatCannotBeComputedStopsTheHandOverWithoutAStaleValue) {
    ready(SeismicMethod::K1, true, false);
    sec().txt_ka.setText("0.297");
    prog.seismicKv = 1;  // θk = atan(Kh / 0)
    handOver();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, kCannotComputeMessage);
    EXPECT_EQ(sec().txt_ka.text(), "");
    EXPECT_FALSE(button(toolbar(), ToolbarButton::Preview).enabled);
}

// ---- The way back ----

TEST_F(SectionScreen, BackToTheDimensionsWithTheToeLengthSelected) {
    ready();
    handOver();
    dims().txt12.setText("0.55");
    dims().setLeft(200);
    sec().lbl1.setCaption("0.512");
    sec().cmd3.press();
    EXPECT_FALSE(sec().visible());
    EXPECT_TRUE(dims().visible());
    EXPECT_EQ(dims().left(), 0);
    EXPECT_EQ(dims().top(), 0);
    EXPECT_TRUE(focused(dims().txt12));
    EXPECT_EQ(dims().txt12.selStart(), 0);
    EXPECT_EQ(dims().txt12.selLength(), 4);
    EXPECT_EQ(prog.currentScreen, 2);
    EXPECT_EQ(sec().lbl1.caption(), "0.512");  // nothing cleared
}

}  // namespace
