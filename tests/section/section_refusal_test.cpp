// Locations the section design refuses: where the ground reaction they need is not known
// for the wall, where no depth is left beside cover and bar, and where there is no
// stability result; the upright wall above the soil; members the wall no longer has.
#include "section/section_history_fixture.h"

#include <cmath>

#include "common/calc_fault.h"
#include "section/section_refusal.h"
#include "support/choice_input.h"
#include "support/design_values.h"

namespace {

using history::Session;
using history::Wall;

constexpr const char* kSelectBar = "鉄筋の種類を選択してください。";

// A triangle whose contact ends between mid-span and the rear wall (Xn = 2.61 m of 4 m).
const Wall kContactBetweenWalls{"ContactBetweenWalls", {}, "3.3", LoadCase::Normal, "", false};

bool focused(const plat::Control& c) { return c.form().activeControl() == &c; }

struct ReactionRefusal {
    int loc;
    const char* message;
};

class GroundReactionRefusal : public ::testing::TestWithParam<ReactionRefusal> {};

// From the hand-over on, a refused location is judged: bar list and design box empty and
// disabled, "――" in its stresses and "NG" in the colour of every NG. Nothing is told.
TEST_P(GroundReactionRefusal, TheHandOverJudgesTheRowNG) {
    const ReactionRefusal& c = GetParam();
    Session s;
    s.enter(kContactBetweenWalls);
    s.svc.clear();
    s.handOver();
    EXPECT_TRUE(s.svc.messages.empty());
    Form7& f = s.sec();
    Form7::Row row = f.row(c.loc);
    EXPECT_TRUE(f.refusedRow(c.loc));
    EXPECT_EQ(row.bars.text(), "");
    EXPECT_EQ(row.bars.listIndex(), -1);
    EXPECT_FALSE(row.bars.enabled());
    EXPECT_EQ(row.design.text(), "");
    EXPECT_FALSE(row.design.enabled());
    EXPECT_EQ(row.computed.caption(), "");
    EXPECT_EQ(row.results[0]->caption(), "――");
    EXPECT_EQ(row.results[1]->caption(), "――");
    EXPECT_EQ(row.results[2]->caption(), "――");
    EXPECT_EQ(row.results[3]->caption(), "NG");
    EXPECT_EQ(row.results[3]->foreColor(), plat::kColour13);
    // The reason stays available for whoever asks.
    EXPECT_EQ(SectionRefusal(c.loc, SectionRefusal::Reason::GroundReaction).what(), std::string(c.message));
    // The toe has its reaction (VP and V1 lie inside the contact) and takes its bar.
    EXPECT_FALSE(f.refusedRow(9));
    EXPECT_TRUE(f.cbo9.enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Locations, GroundReactionRefusal,
    ::testing::Values(ReactionRefusal{5, "底版 Ｃ 中央部の断面力は、この地盤反力の分布では計算できません。"},
                      ReactionRefusal{6, "底版 Ｄ前固定部の断面力は、この地盤反力の分布では計算できません。"},
                      ReactionRefusal{7, "底版 Ｅ後固定部の断面力は、この地盤反力の分布では計算できません。"},
                      ReactionRefusal{8, "かかと版 Ｆ 固定部の断面力は、この地盤反力の分布では計算できません。"}),
    [](const auto& info) { return "Location" + std::to_string(info.param.loc); });

// The check passes over the refused rows in all three of its passes and completes: the
// rows of the upright wall and the toe are checked, the refused ones keep their NG.
TEST(SectionRefusal, TheCheckSkipsRefusedRowsAndCompletes) {
    Session s;
    s.enter(kContactBetweenWalls);
    s.handOver();
    s.svc.clear();
    s.sectionCheck();
    Form7& f = s.sec();
    EXPECT_TRUE(s.svc.messages.empty());
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1);
    EXPECT_TRUE(button(*s.prog.mainToolbar(), ToolbarButton::Preview).enabled);
    EXPECT_NE(f.lbl_ri.caption(), "");  // the toe is designed
    EXPECT_NE(f.lbl36.caption(), "");   // and checked
    EXPECT_NE(f.lbl4.caption(), "");
    EXPECT_EQ(f.lbl20.caption(), "NG");
    EXPECT_EQ(f.lbl17.caption(), "――");
}

// A coefficient typed on the section screen where it was computed empties the grid; the
// rows the standing stability result refuses stay judged, and the check completes once
// the others have their bars again.
TEST(SectionRefusal, ATypedCoefficientKeepsTheRefusedRowsJudged) {
    Session s;
    s.design(kContactBetweenWalls);
    Form7& f = s.sec();
    f.cmd5.press();  // computed on this screen
    s.sectionCheck();
    ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1);
    f.cmd4.press();
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 0);
    EXPECT_EQ(f.cbo1.text(), "");
    EXPECT_TRUE(f.refusedRow(5));
    EXPECT_FALSE(f.cbo5.enabled());
    EXPECT_EQ(f.lbl20.caption(), "NG");
    s.svc.clear();
    s.sectionCheck();
    EXPECT_TRUE(s.svc.messages.empty());
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1);
}

// A refused heel that the wall no longer has: its result cells, which stay on the screen,
// no longer say "NG".
TEST(SectionRefusal, ARefusedMemberTheWallNoLongerHasShowsNoJudgement) {
    Session s;
    s.design(Wall{"ContactShortOfHeel", {}, "2.8", LoadCase::Normal, "", false});
    ASSERT_TRUE(s.sec().refusedRow(8));
    s.back();
    // The heel taken away whole: its length and end thickness both 0.
    s.box("txt16").setText("0");
    s.box("txt19").setText("0");
    s.svc.clear();
    s.stabilityCheck();
    s.handOver();
    Form7& f = s.sec();
    EXPECT_EQ(s.svc.messageTexts(), std::vector<std::string>{});
    EXPECT_FALSE(f.cbo8.visible());
    EXPECT_FALSE(f.refusedRow(8));
    EXPECT_EQ(f.lbl32.caption(), "");
    EXPECT_EQ(f.lbl29.caption(), "");
}

// A later stability result that gives the location its forces again: the hand-over
// opens the row for a bar, with nothing in it.
TEST(SectionRefusal, ARowNoLongerRefusedTakesABarAgain) {
    Session s;
    s.design(kContactBetweenWalls);
    ASSERT_TRUE(s.sec().refusedRow(5));
    s.back();
    Form3& c = s.conditions();
    c.txt15.setText("2.5");
    c.cmd3.press();
    s.prog.form<Form23>().cmd1.press();
    s.stabilityCheck();
    s.handOver();
    Form7& f = s.sec();
    EXPECT_FALSE(f.refusedRow(5));
    EXPECT_TRUE(f.cbo5.enabled());
    EXPECT_TRUE(f.txt5.enabled());
    EXPECT_TRUE(f.rowEmpty(5));
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 0);
    s.sectionCheck();
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1);
    EXPECT_NE(f.lbl20.caption(), "NG");
}

// Designed for one stability result, the rows that the next one refuses are emptied and
// judged at the hand-over; the others stay as they were.
TEST(SectionRefusal, TheHandOverJudgesTheRowsANewResultRefuses) {
    Session s;
    s.design(Wall{"Typed25", {}, "2.5", LoadCase::Normal, "", false});  // trapezoid: every row designed
    ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1);
    Form7& f = s.sec();
    // A new KA on the design conditions, through the screens to the hand-over.
    Form3& c = s.conditions();
    c.txt15.setText("3.3");
    c.cmd3.press();
    s.prog.form<Form23>().cmd1.press();
    s.stabilityCheck();
    s.svc.clear();
    // The conditions' edit emptied the grid; a spacing typed into a refused row since then
    // is emptied by the hand-over, without a message.
    f.txt5.setText("150");
    s.handOver();
    EXPECT_TRUE(s.svc.messages.empty());
    EXPECT_EQ(f.txt5.text(), "");
    EXPECT_FALSE(f.txt5.enabled());
    EXPECT_EQ(f.lbl20.caption(), "NG");
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 0);
}

// Designed once; the same stability result, handed over again, keeps every row.
TEST(SectionRefusal, AnUnchangedWallKeepsItsRowsAtTheHandOver) {
    Session s;
    s.design(Wall{"Ordinary", {}});
    Form7& f = s.sec();
    std::vector<std::string> before;
    for (const Form7::Row& r : f.rows()) before.push_back(r.computed.caption() + "|" + r.results[3]->caption());
    s.back();
    s.stabilityCheck();
    s.handOver();
    std::vector<std::string> after;
    for (const Form7::Row& r : f.rows()) after.push_back(r.computed.caption() + "|" + r.results[3]->caption());
    EXPECT_EQ(after, before);
}

// A stability result that changes the slab's forces empties the slab rows at the
// hand-over, although nothing but a check-method dialog was touched.
TEST(SectionRefusal, AStabilityResultThatMovedEmptiesTheRowsItChanges) {
    Session s;
    s.design(Wall{"Seismic", {}, "", LoadCase::Seismic});
    Form7& f = s.sec();
    ASSERT_NE(f.lbl_re.caption(), "");
    s.back();
    Form21& methods = s.prog.form<Form21>();
    methods.chk1.setValue(1);  // the surcharge's inertia joins the loads
    methods.txt1.setText("2");
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 0);  // no stability result, no check
    s.stabilityCheck();
    s.handOver();
    EXPECT_EQ(f.lbl_re.caption(), "");
    EXPECT_EQ(f.cbo5.text(), "");
    // A row changed: the earlier check does not count for the new result.
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 0);
    EXPECT_FALSE(button(*s.prog.mainToolbar(), ToolbarButton::Preview).enabled);
    EXPECT_NE(f.lbl_rj.caption() + f.lbl_ra.caption(), "");  // the upright wall keeps its row
}

// The same soil type picked again drops the stability result; made again, it changes no
// row, and the check counts again with its commands: save, preview, print.
TEST(SectionRefusal, AnUnchangedRemadeResultLeavesTheCheckCounting) {
    Session s;
    s.design(Wall{"Ordinary", {}});
    ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1);
    s.conditions().cbo1.userPick(3);  // another soil, the same figures
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 0);
    s.stabilityCheck();
    s.svc.clear();
    s.handOver();
    EXPECT_TRUE(s.svc.messages.empty());
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1);
    EXPECT_TRUE(button(*s.prog.mainToolbar(), ToolbarButton::Preview).enabled);
    s.main().Men_F_Click();
    EXPECT_TRUE(s.main().Men_FSav.enabled());
    EXPECT_TRUE(s.main().Men_FImg.enabled());
    EXPECT_EQ(s.sec().lbl4.caption(), "O.K");
}

// A design box touched after the check: the remade stability result does not bring the
// check back, the row has no judgement.
TEST(SectionRefusal, ATouchedRowKeepsTheCheckUncountedAfterARemadeResult) {
    Session s;
    s.design(Wall{"Ordinary", {}});
    Form7& f = s.sec();
    f.txt6.setFocus();
    f.txt6.keyPress('0');
    EXPECT_EQ(f.lbl24.caption(), "");
    s.conditions().cbo1.userPick(3);  // another soil, the same figures
    s.stabilityCheck();
    s.handOver();
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 0);
}

// ---- No depth left beside cover and bar ----

TEST(SectionRefusal, AMemberThinnerThanCoverAndBarIsRefused) {
    Session s;
    s.enter(Wall{"Ordinary", {}});
    s.handOver();
    Form7& f = s.sec();
    // A slab of 40 cm under a cover of 395 mm: d = 40 − (395 + 8)/10 < 0 with "  D16".
    s.confirmCovers({{"txt1", "60"}, {"txt3", "395"}, {"txt4", "60"}, {"txt5", "60"}});
    ASSERT_TRUE(s.svc.messages.empty()) << "the cover alone leaves the slab some depth";
    s.svc.clear();
    f.cbo6.userPick(4);
    ASSERT_EQ(s.svc.messages.size(), 1u);
    EXPECT_EQ(s.svc.messages[0].text, "底版 Ｄ前固定部は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。");
    EXPECT_EQ(s.svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(f.cbo6.text(), "");
    EXPECT_EQ(f.lbl_rf.caption(), "");  // no negative spacing
    EXPECT_TRUE(focused(f.cbo6));
    // Cover "ＯＫ" over bars already chosen: a cover that leaves a row no depth is refused
    // before anything changes, with the dialog open on its box.
    f.cbo1.userPick(4);
    f.cbo2.userPick(4);
    const std::string spacing = f.lbl_ra.caption();
    ASSERT_NE(spacing, "");
    s.svc.clear();
    s.svc.modalScripts.push_back([&s](plat::Form& form) {
        auto& covers = static_cast<Form22&>(form);
        covers.txt1.setText("500");
        covers.cmd1.press();
        EXPECT_TRUE(covers.visible());
        EXPECT_TRUE(covers.txt1.hasFocus());
        EXPECT_EQ(covers.txt1.selText(), "500");
        ASSERT_EQ(s.svc.messages.size(), 1u);
        EXPECT_EQ(s.svc.messages[0].text, "たて壁 Ａ 中央部は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。");
        covers.cmd2.press();
    });
    f.cmd6.press();
    EXPECT_EQ(f.lbl_r1.caption(), "60");
    EXPECT_EQ(f.lbl_ra.caption(), spacing);
    EXPECT_EQ(f.cbo2.text(), "  D16");
}

// ---- The upright wall above the soil ----

// The rear wall rises 3.0 m above a back soil of 2.6 m over the slab: mid-height lies
// 0.2 m above the soil. Rear wall 0.3 m at the top with 0.1 m inner and 0.05 m outer
// batter, γc = 24.5, Kh = 0.2, method K2 without the surcharge inertia:
//   Hw = 5.6, a1 = 2.8·0.3 = 0.84 at 1.4, a2 = 5.6·0.1/8 = 0.07 and a3 = 5.6·0.05/8 = 0.035
//   at 5.6/6; W = 24.5·0.945 = 23.1525 kN/m, y = 1.274/0.945 = 1.348148 m;
//   M = 0.2·W·y = 4.6305·1.348148 = 6.242600 kN·m/m, S = 0.2·W = 4.63050 kN/m. No earth
//   pressure acts.
class WallAboveTheSoil : public ::testing::Test {
protected:
    void SetUp() override {
        Program& p = run.prog;
        choice_input::setDesignChoices(p, {.standard = Standard::Building,
                                           .loadCase = LoadCase::Seismic,
                                           .groundShape = GroundShape::OneSided,
                                           .seismicMethod = SeismicMethod::K2});
        fixture::setDesignValues(p);
        p.concreteUnitWeight = 24.5f;
        p.deltaSection = 20;
        p.rebarAllow = p.rebarAllowLong = 300;
        p.allowBond = 1.8f;
        p.sigmaMax = 80;
        p.eccentricity = 0;
        p.baseWidth = 3.95f;
        p.slabThickness = 0.4f;
        p.rearWallTopWidth = 0.3f;
        p.rearWallInnerBatter = 0.1f;
        p.rearWallBottomWidth = 0.45f;
        p.rearWallOuterBatter = num::store(double(0.45f) - 0.3f - 0.1f);
        p.heelPlusRearOuterBatter = p.rearWallOuterBatter;
        p.backSoilHeight = 3.0f;
        p.backSoilAboveSlab = 2.6f;
        p.rearWallUpperHeight = 3.0f;
        p.surchargeBack = 10;
        run.sec().show();
        run.sec().txt_ka.setText("0.3");
        run.svc.clear();
    }
    Session run;
};

TEST_F(WallAboveTheSoil, TakesOnlyTheInertiaOfTheWall) {
    run.sec().cbo1.userPick(4);
    Program& p = run.prog;
    EXPECT_TRUE(run.svc.messages.empty());
    EXPECT_EQ(p.sectionPAX[1], 0.0f);
    EXPECT_EQ(p.sectionDeltaPAX[1], 0.0f);
    EXPECT_NEAR(p.wallWeightAbove[1], 23.1525, 1e-4);
    EXPECT_NEAR(p.wallWeightArm[1], 1.348148, 1e-5);
    EXPECT_NEAR(p.designMoment[1], 624260.0, 1.0);
    EXPECT_NEAR(p.designShear[1], 4630.50, 0.01);
}

// In the normal case nothing loads the section: no message, the bar stays, and no
// spacing is required ("――").
TEST_F(WallAboveTheSoil, WithoutInertiaNothingLoadsItAndNoSpacingIsRequired) {
    // "常時" withdraws the section KA and the stability result; the same are given again.
    const std::string ka = run.sec().txt_ka.text();
    run.conditions().opt3.setValue(true);
    run.sec().txt_ka.setText(ka);
    run.prog.sigmaMax = 80;
    run.sec().cbo1.userPick(4);
    Program& p = run.prog;
    EXPECT_EQ(p.designMoment[1], 0.0f);
    EXPECT_EQ(p.designShear[1], 0.0f);
    EXPECT_TRUE(run.svc.messages.empty());
    EXPECT_EQ(run.sec().cbo1.text(), "  D16");
    EXPECT_EQ(run.sec().lbl_ra.caption(), "――");
    EXPECT_EQ(p.computedSpacing[1], 0.0f);
}

// ---- Members the wall no longer has, and no stability result ----

TEST(SectionRefusal, AMemberTheWallNoLongerHasKeepsNoValues) {
    Session s;
    s.design(Wall{"WithKey", {}, "", LoadCase::Normal, "0.3"});
    ASSERT_GT(s.prog.barArea[10], 0.0f);
    s.back();
    s.dims().opt5.userClick();  // no key
    s.stabilityCheck();
    s.handOver();
    EXPECT_FALSE(s.sec().cbo10.visible());
    EXPECT_EQ(s.prog.barArea[10], 0.0f);
    EXPECT_EQ(s.prog.designMoment[10], 0.0f);
    EXPECT_EQ(s.prog.barName[10], "");
}

TEST(SectionRefusal, WithoutAStabilityResultNothingIsDesigned) {
    Session s;
    s.enter(Wall{"Ordinary", {}});
    s.handOver();
    s.prog.sigmaMax = 0;
    s.svc.clear();
    s.sec().txt2.setText("150");
    s.sec().cbo2.userPick(4);
    ASSERT_EQ(s.svc.messages.size(), 1u);
    EXPECT_EQ(s.svc.messages[0].text, "安定性の検討をしてください。");
    EXPECT_EQ(s.sec().cbo2.text(), "");
    EXPECT_EQ(s.sec().txt2.text(), "");
}

// Editing the key after a check empties the key's row at once and asks for a new check.
TEST(SectionRefusal, AKeyEditEmptiesTheKeyRow) {
    Session s;
    s.design(Wall{"WithKey", {}, "", LoadCase::Normal, "0.3"});
    ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1);
    s.back();
    Form19& key = s.prog.form<Form19>();
    key.txt1.setFocus();
    key.txt1.setSelStart(3);
    key.txt1.keyPress('5');
    EXPECT_EQ(key.txt1.text(), "0.35");
    Form7& f = s.sec();
    EXPECT_EQ(f.cbo10.text(), "");
    EXPECT_EQ(f.lbl_rj.caption(), "");
    EXPECT_EQ(f.txt10.text(), "");
    EXPECT_EQ(f.lbl40.caption(), "");
    EXPECT_NE(f.lbl4.caption(), "");  // the other rows keep their results
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 0);
    EXPECT_FALSE(button(*s.prog.mainToolbar(), ToolbarButton::Save).enabled ||
                 button(*s.prog.mainToolbar(), ToolbarButton::Preview).enabled);
}

}  // namespace
