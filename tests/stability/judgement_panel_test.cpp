// The judgement panel: texts, colours and beeps of every judged line against values fed
// in directly (limits included: a value equal to its limit passes), the key-height
// request, the symmetric shape, and the whole check over a wall worked out beforehand.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "stability/dimension_fixture.h"
#include "stability/stability_checks.h"

namespace {

struct Cells {
    const char* name;
    const char* value;
    const char* verdict;
    bool pass;
};

class PanelFixture : public DimensionFixture {
protected:
    // A one-sided wall with the given load case; the stability values as a run leaves them.
    void start(LoadCase load, Standard standard = Standard::Building) {
        conditions(load, standard);
        prog.form<Form23>().opt1.setValue(true);
        prog.baseWidth = 3;
        prog.overturningSafetyFactor = 2;
        prog.resultantPosition = 1.4f;
        prog.eccentricity = 0.1f;
        prog.sigmaMax = 100;
        prog.slidingSafetyFactor = 2;
        prog.slidingSafetyFactorWithKey = 2;
    }
    void expectLine(plat::Label& n, plat::Label& v, plat::Label& j, const Cells& c) {
        EXPECT_EQ(n.caption(), c.name);
        EXPECT_EQ(v.caption(), c.value);
        EXPECT_EQ(j.caption(), c.verdict);
        const plat::Colour colour = c.pass ? plat::kBlack : plat::kColour13;
        for (plat::Label* l : {&n, &v, &j}) EXPECT_EQ(l->foreColor(), colour) << l->name();
    }
    void withKey(Standard standard, const char* height = "0.3") {
        f().opt6.setValue(true);
        (standard == Standard::Building ? static_cast<ShearKeyDialog&>(prog.form<Form19>()) : prog.form<Form26>())
            .txt1.setText(height);
    }
};

TEST(LimitTest, EqualPassesInSinglePrecision) {
    EXPECT_TRUE(withinLimit(1.5f, 1.5f, Limit::AtLeast));
    EXPECT_TRUE(withinLimit(1.2f, 1.2f, Limit::AtLeast));
    EXPECT_FALSE(withinLimit(std::nextafter(1.2f, 0.0f), 1.2f, Limit::AtLeast));
    EXPECT_TRUE(withinLimit(0.5f, 0.5f, Limit::AtMost));
    EXPECT_FALSE(withinLimit(std::nextafter(0.5f, 1.0f), 0.5f, Limit::AtMost));
}

// ---- Overturning ----

struct OverturningCase {
    const char* name;
    LoadCase load;
    std::function<void(Program&)> choose;
    float F, d, e;
    Cells line1;
    Cells line2;  // name empty: line 2 stays empty
    int beeps;
};

class Overturning : public PanelFixture, public ::testing::WithParamInterface<OverturningCase> {};

TEST_P(Overturning, JudgesEachChosenCriterion) {
    const OverturningCase& c = GetParam();
    start(c.load);
    if (c.load == LoadCase::Seismic) prog.form<Form21>().opt5.setValue(true);
    c.choose(prog);
    prog.overturningSafetyFactor = c.F;
    prog.resultantPosition = c.d;
    prog.eccentricity = c.e;
    f().Hihyouji_1();
    prog.sigmaMax = 100;
    svc.clear();
    f().showJudgement();
    expectLine(f().lbl52, f().lbl53, f().lbl54, c.line1);
    if (c.line2.name[0]) {
        expectLine(f().lbl46, f().lbl47, f().lbl48, c.line2);
    } else {
        EXPECT_EQ(f().lbl48.caption(), "");
    }
    EXPECT_TRUE(f().lbl52.visible() && f().lbl46.visible() && f().lbl64.visible());
    EXPECT_EQ(svc.beeps, c.beeps);
}

const Cells kNone{"", "", "", true};

INSTANTIATE_TEST_SUITE_P(
    Criteria, Overturning,
    ::testing::Values(
        OverturningCase{"NormalFactorAtLimit", LoadCase::Normal,
                        [](Program& p) { p.form<Form14>().opt1.setValue(true); }, 1.5f, 1.4f, 0.1f,
                        {"F =", "1.500", "> 1.5∴O.K", true}, kNone, 0},
        OverturningCase{"NormalFactorFails", LoadCase::Normal, [](Program& p) { p.form<Form14>().opt1.setValue(true); },
                        1.49f, 1.4f, 0.1f, {"F =", "1.490", "< 1.5∴NG", false}, kNone, 1},
        OverturningCase{"ResultantAtThird", LoadCase::Normal, [](Program& p) { p.form<Form14>().opt2.setValue(true); },
                        2, 1.0f, 0.5f, {"d(m)=", "1.000", "> B/3∴O.K", true}, kNone, 0},
        OverturningCase{"ResultantFails", LoadCase::Normal, [](Program& p) { p.form<Form14>().opt2.setValue(true); }, 2,
                        0.9f, 0.6f, {"d(m)=", "0.900", "< B/3∴NG", false}, kNone, 1},
        OverturningCase{"EccentricityAtSixth", LoadCase::Normal,
                        [](Program& p) { p.form<Form14>().opt3.setValue(true); }, 2, 1.0f, -0.5f,
                        {"e(m)=", "0.500", "< B/6∴O.K", true}, kNone, 0},
        OverturningCase{"NegativeEccentricityFails", LoadCase::Normal,
                        [](Program& p) { p.form<Form14>().opt3.setValue(true); }, 2, 2.3f, -0.8f,
                        {"e(m)=", "0.800", "> B/6∴NG", false}, kNone, 1},
        OverturningCase{"CombinedBothFail", LoadCase::Normal, [](Program& p) { p.form<Form14>().opt6.setValue(true); },
                        1.2f, 0.7f, 0.8f, {"F =", "1.200", "< 1.5∴NG", false}, {"e(m)=", "0.800", "> B/6∴NG", false},
                        2},
        OverturningCase{"SeismicFactorAtOne", LoadCase::Seismic,
                        [](Program& p) { p.form<Form21>().opt1.setValue(true); }, 1.0f, 1.4f, 0.1f,
                        {"F =", "1.000", "> 1.0∴O.K", true}, kNone, 0},
        OverturningCase{"SeismicFactorAtSinglePrecision12", LoadCase::Seismic,
                        [](Program& p) { p.form<Form21>().opt2.setValue(true); }, 1.2f, 1.4f, 0.1f,
                        {"F =", "1.200", "> 1.2∴O.K", true}, kNone, 0},
        OverturningCase{"SeismicFactor12Fails", LoadCase::Seismic,
                        [](Program& p) { p.form<Form21>().opt2.setValue(true); }, 1.1f, 1.4f, 0.1f,
                        {"F =", "1.100", "< 1.2∴NG", false}, kNone, 1},
        OverturningCase{"SeismicHalfAtLimit", LoadCase::Seismic,
                        [](Program& p) { p.form<Form21>().opt3.setValue(true); }, 2, 0, 1.5f,
                        {"e(m)=", "1.500", "< B/2∴O.K", true}, kNone, 0},
        OverturningCase{"SeismicThirdFails", LoadCase::Seismic,
                        [](Program& p) { p.form<Form21>().opt4.setValue(true); }, 2, 0.4f, 1.1f,
                        {"e(m)=", "1.100", "> B/3∴NG", false}, kNone, 1},
        OverturningCase{"SeismicCombinedHalfFails", LoadCase::Seismic,
                        [](Program& p) { p.form<Form21>().opt9.setValue(true); }, 1.0f, 0, -1.6f,
                        {"F =", "1.000", "> 1.0∴O.K", true}, {"e(m)=", "1.600", "> B/2∴NG", false}, 1},
        OverturningCase{"SeismicCombinedThirdPasses", LoadCase::Seismic,
                        [](Program& p) { p.form<Form21>().opt10.setValue(true); }, 1.3f, 0.6f, 0.9f,
                        {"F =", "1.300", "> 1.2∴O.K", true}, {"e(m)=", "0.900", "< B/3∴O.K", true}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A seismic dialog still holding a choice (an opened file can leave one) does not judge
// the normal case: the panel shows what page 4 prints, |e| against B/6.
TEST_F(PanelFixture, NormalCaseIgnoresTheSeismicDialog) {
    start(LoadCase::Normal);
    prog.form<Form14>().opt6.setValue(true);
    prog.form<Form21>().opt10.setValue(true);
    prog.eccentricity = 0.8f;
    svc.clear();
    f().showJudgement();
    expectLine(f().lbl52, f().lbl53, f().lbl54, {"F =", "2.000", "> 1.5∴O.K", true});
    expectLine(f().lbl46, f().lbl47, f().lbl48, {"e(m)=", "0.800", "> B/6∴NG", false});
    EXPECT_EQ(svc.beeps, 1);
}

// ---- Bearing ----

struct BearingCase {
    const char* name;
    float sigmaMax;
    bool outside;
    const char* relation;
    const char* verdict;
    bool pass;
};

class Bearing : public PanelFixture, public ::testing::WithParamInterface<BearingCase> {};

TEST_P(Bearing, JudgesSigmaMaxWithoutABeep) {
    const BearingCase& c = GetParam();
    start(LoadCase::Normal);
    prog.form<Form14>().opt1.setValue(true);
    prog.sigmaMax = c.sigmaMax;
    prog.bearingOutsideBase = c.outside;
    svc.clear();
    f().showJudgement();
    EXPECT_EQ(f().lbl56.caption(), "σmax=");
    EXPECT_EQ(f().lbl58.caption(), "kN/m2");
    EXPECT_EQ(f().lbl59.caption(), c.relation);
    EXPECT_EQ(f().lbl60.caption(), "200.0");
    EXPECT_EQ(f().lbl61.caption(), "kN/m2");
    EXPECT_EQ(f().lbl62.caption(), c.verdict);
    for (plat::Label* l : {&f().lbl56, &f().lbl57, &f().lbl58, &f().lbl59, &f().lbl60, &f().lbl61, &f().lbl62}) {
        EXPECT_EQ(l->foreColor(), c.pass ? plat::kBlack : plat::kColour13) << l->name();
        EXPECT_TRUE(l->visible()) << l->name();
    }
    EXPECT_EQ(svc.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Pressures, Bearing,
                         ::testing::Values(BearingCase{"AtAllowable", 200, false, "<", "∴O.K", true},
                                           BearingCase{"Above", 200.5f, false, ">", "∴NG", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Sliding ----

struct SlidingCase {
    const char* name;
    LoadCase load;
    int seismicOption;  // 5: against 1.0, 6: against 1.2
    Standard key;       // None: no key
    float keyless, withKey;
    Cells line;
    Cells keylessLine;  // name empty: hidden
    int beeps;
};

class Sliding : public PanelFixture, public ::testing::WithParamInterface<SlidingCase> {};

TEST_P(Sliding, JudgesTheFactorOfTheChosenCase) {
    const SlidingCase& c = GetParam();
    // The road key under the road standard; without a key, the building standard.
    start(c.load, c.key == Standard::Road ? Standard::Road : Standard::Building);
    if (c.load == LoadCase::Seismic) {
        prog.form<Form21>().opt1.setValue(true);
        (c.seismicOption == 5 ? prog.form<Form21>().opt5 : prog.form<Form21>().opt6).setValue(true);
    } else {
        prog.form<Form14>().opt1.setValue(true);
    }
    if (c.key != Standard::None) withKey(c.key);
    prog.slidingSafetyFactor = c.keyless;
    prog.slidingSafetyFactorWithKey = c.withKey;
    svc.clear();
    f().showJudgement();
    expectLine(f().lbl64, f().lbl65, f().lbl66, c.line);
    EXPECT_TRUE(f().lbl64.visible() && f().lbl66.visible());
    if (c.keylessLine.name[0]) {
        expectLine(f().lbl68, f().lbl69, f().lbl70, c.keylessLine);
        EXPECT_TRUE(f().lbl67.visible() && f().lbl70.visible());
    } else {
        EXPECT_FALSE(f().lbl67.visible() || f().lbl70.visible());
    }
    EXPECT_EQ(svc.beeps, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Sliding,
    ::testing::Values(
        SlidingCase{"NormalAtLimit", LoadCase::Normal, 0, Standard::None, 1.5f, 0, {"F =", "1.500", "> 1.5 ∴O.K", true},
                    kNone, 0},
        SlidingCase{"NormalFails", LoadCase::Normal, 0, Standard::None, 1.4f, 0, {"F =", "1.400", "< 1.5 ∴NG", false},
                    kNone, 1},
        SlidingCase{"SeismicOneAtLimit", LoadCase::Seismic, 5, Standard::None, 1.0f, 0,
                    {"F =", "1.000", "> 1.0 ∴O.K", true}, kNone, 0},
        SlidingCase{"SeismicOneFails", LoadCase::Seismic, 5, Standard::None, 0.9f, 0,
                    {"F =", "0.900", "< 1.0 ∴NG", false}, kNone, 1},
        SlidingCase{"SeismicTwelveAtLimit", LoadCase::Seismic, 6, Standard::None, 1.2f, 0,
                    {"F =", "1.200", "> 1.2 ∴O.K", true}, kNone, 0},
        SlidingCase{"SeismicTwelveFailsWithABeep", LoadCase::Seismic, 6, Standard::None, 1.1f, 0,
                    {"F =", "1.100", "< 1.2 ∴NG", false}, kNone, 1},
        SlidingCase{"BuildingKeyNormal", LoadCase::Normal, 0, Standard::Building, 0.9f, 1.6f,
                    {"F =", "1.600", "> 1.5 ∴O.K", true}, {"F =", "0.900", "< 1.0 ∴NG", false}, 1},
        SlidingCase{"BuildingKeyFails", LoadCase::Normal, 0, Standard::Building, 1.2f, 1.4f,
                    {"F =", "1.400", "< 1.5 ∴NG", false}, {"F =", "1.200", "> 1.0 ∴O.K", true}, 1},
        SlidingCase{"RoadKeyNormal", LoadCase::Normal, 0, Standard::Road, 0.9f, 1.6f,
                    {"F =", "1.600", "> 1.5 ∴O.K", true}, kNone, 0},
        SlidingCase{"BuildingKeySeismic", LoadCase::Seismic, 5, Standard::Building, 0.8f, 1.3f,
                    {"F =", "1.300", "> 1.0 ∴O.K", true}, {"F =", "0.800", "< 1.0 ∴NG", false}, 2},
        SlidingCase{"RoadKeySeismic", LoadCase::Seismic, 5, Standard::Road, 0.8f, 1.3f,
                    {"F =", "1.300", "> 1.0 ∴O.K", true}, kNone, 1},
        SlidingCase{"RoadKeySeismicTwelveAtLimit", LoadCase::Seismic, 6, Standard::Road, 2.0f, 1.2f,
                    {"F =", "1.200", "> 1.2 ∴O.K", true}, kNone, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Key height missing, symmetric shape ----

TEST_F(PanelFixture, MissingKeyHeightAsksForItInTheKeyDialog) {
    start(LoadCase::Normal);
    prog.form<Form14>().opt1.setValue(true);
    withKey(Standard::Building, "");
    prog.sigmaMax = 80;
    prog.sigmaMin = 40;
    f().Hihyouji_3();
    svc.clear();
    bool shown = false;
    svc.modalScripts.push_back([&](plat::Form& d) {
        shown = true;
        auto& dialog = static_cast<Form19&>(d);
        EXPECT_EQ(dialog.lbl1.caption(), "3.000");
        EXPECT_EQ(dialog.lbl2.caption(), "0.300");
        EXPECT_EQ(dialog.lbl3.caption(), "0.450");
        EXPECT_EQ(dialog.lbl4.caption(), "1.000");
        EXPECT_EQ(dialog.lbl5.caption(), "2.000");
        EXPECT_FALSE(dialog.canvas().ops().empty());  // the ground-reaction sketch
    });
    f().showJudgement();
    EXPECT_EQ(svc.messages.at(0), plat::MessageRequest::fromStyle("突起の計算をしてください。", plat::msg::kOk, "エラーメッセージ"));
    EXPECT_TRUE(shown);
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form19"});
    // The panel keeps its visibility: hidden after the invalidation.
    for (plat::Label* l : {&f().lbl52, &f().lbl57, &f().lbl64, &f().lbl67}) EXPECT_FALSE(l->visible()) << l->name();
    EXPECT_EQ(f().lbl53.caption(), "2.000");  // written before the request
}

TEST_F(PanelFixture, SymmetricShapeJudgesBearingOnlyAndPrintsTheNotes) {
    start(LoadCase::Normal);
    prog.form<Form23>().opt2.setValue(true);
    prog.form<Form14>().opt1.setValue(true);
    prog.sigmaMax = 100;
    f().lbl53.setCaption("old");
    f().canvas().clear();
    svc.clear();
    f().showJudgement();
    EXPECT_EQ(f().lbl53.caption(), "old");
    EXPECT_FALSE(f().lbl52.visible());
    EXPECT_FALSE(f().lbl64.visible());
    EXPECT_TRUE(f().lbl57.visible());
    EXPECT_EQ(f().lbl57.caption(), "100.000");
    std::vector<std::string> texts;
    for (const plat::DrawOp& op : f().canvas().ops())
        if (op.kind == plat::DrawOp::Text) texts.push_back(op.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"対称土圧の為、転倒は生じない。", "対称土圧の為、滑動は生じない。"}));
}

// ---- The whole check over a wall worked out beforehand ----

TEST_F(PanelFixture, CheckOfAPassingWallShowsItsValues) {
    readyOneSided();
    f().cmd3.press();
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(svc.beeps, 0);
    expectLine(f().lbl52, f().lbl53, f().lbl54, {"F =", "17.752", "> 1.5∴O.K", true});
    EXPECT_EQ(f().lbl57.caption(), "60.010");
    EXPECT_EQ(f().lbl62.caption(), "∴O.K");
    expectLine(f().lbl64, f().lbl65, f().lbl66, {"F =", "3.680", "> 1.5 ∴O.K", true});
    EXPECT_TRUE(f().lbl46.visible());
    EXPECT_FALSE(f().lbl67.visible());
    plat::Toolbar& t = *prog.mainToolbar();
    EXPECT_TRUE(button(t, ToolbarButton::Preview).enabled && button(t, ToolbarButton::Print).enabled);
    EXPECT_FALSE(button(t, ToolbarButton::Save).enabled);  // no project path, no section result
    EXPECT_TRUE(focused(f().cmd1));
}

TEST_F(PanelFixture, OverwriteSaveNeedsAProjectPathAndASectionResult) {
    readyOneSided();
    prog.projectPath = "/tmp/wall.dat";
    f().cmd3.press();
    EXPECT_FALSE(button(*prog.mainToolbar(), ToolbarButton::Save).enabled);
    prog.form<Form7>().lbl6.setCaption("120.5");
    f().cmd3.press();
    EXPECT_TRUE(button(*prog.mainToolbar(), ToolbarButton::Save).enabled);
}

// The bearing lines as the user reads them: each cell's text, the cells that show it and
// their colour.
struct BearingView {
    std::vector<std::string> texts;  // lbl56 to lbl62
    std::vector<bool> shown;
    std::vector<plat::Colour> colours;
    bool operator==(const BearingView&) const = default;
};

BearingView bearingView(Form4& d) {
    BearingView v;
    for (plat::Label* l : {&d.lbl56, &d.lbl57, &d.lbl58, &d.lbl59, &d.lbl60, &d.lbl61, &d.lbl62}) {
        v.texts.push_back(l->caption());
        v.shown.push_back(l->visible());
        v.colours.push_back(l->foreColor());
    }
    return v;
}

// A resultant beyond the toe gives a negative σmax: the panel says in words why the wall
// fails, as the report does, and compares no pressure. A wall brought back under the base
// is compared again, in cells of their own widths.
TEST_F(PanelFixture, ResultantOutsideTheBaseIsToldInWords) {
    readyOneSided();
    prog.activeCoefficient = 3.0f;
    f().opt2.setValue(true);
    f().txt21.setText("40");
    const int nameWidth = f().lbl56.width(), relationWidth = f().lbl59.width();
    EXPECT_FALSE(f().lbl56.visible());  // before the check: nothing judged
    f().cmd3.press();
    ASSERT_TRUE(prog.bearingOutsideBase);
    EXPECT_LT(prog.sigmaMax, 0);
    const std::vector<bool> all(7, true);
    const std::vector<plat::Colour> ng(7, plat::kColour13);
    EXPECT_EQ(bearingView(f()), (BearingView{{"合力の作用位置が", "", "", "底版の外にある", "", "", "∴NG"}, all, ng}));
    // Each line's words stand in one cell wide enough for them and clear of the verdict.
    EXPECT_EQ(f().lbl56.left() + f().lbl56.width(), f().lbl58.left() + f().lbl58.width());
    EXPECT_GE(f().lbl56.width(), 8 * 180);  // eight full-width characters at 9 pt
    EXPECT_GE(f().lbl59.width(), 7 * 180);
    EXPECT_LE(f().lbl59.left() + f().lbl59.width(), f().lbl62.left());
    EXPECT_EQ(f().lbl54.caption(), "< 1.5∴NG");  // F = 0.966
    EXPECT_EQ(f().lbl66.caption(), "< 1.5 ∴NG");  // sliding F = 0.224
    EXPECT_EQ(svc.beeps, 2);                      // overturning and sliding; bearing is silent

    // The surcharge taken back: σmax is compared with the allowable again.
    f().txt21.setText("10");
    f().cmd3.press();
    ASSERT_FALSE(prog.bearingOutsideBase);
    const BearingView back = bearingView(f());
    EXPECT_EQ(back.texts[0], "σmax=");
    EXPECT_EQ(back.texts[2], "kN/m2");
    EXPECT_TRUE(back.texts[3] == "<" || back.texts[3] == ">") << back.texts[3];
    EXPECT_EQ(back.texts[4], "200.0");
    EXPECT_EQ(f().lbl56.width(), nameWidth);
    EXPECT_EQ(f().lbl59.width(), relationWidth);
}

}  // namespace
