// "安定性の検討": the values it takes from the screen, its checks in their order with
// message and focus, the dialogs it opens for a missing method, and a failed calculation.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "stability/dimension_fixture.h"

namespace {

class StabilityCommand : public DimensionFixture {
protected:
    // One-sided wall in the seismic case, every choice of the screen made.
    void readySeismic() {
        conditions(LoadCase::Seismic);
        layOut(GroundShape::OneSided);
        fillWall();
        f().opt1.setValue(true);
        f().opt3.setValue(true);
    }
};

struct RefusalCase {
    const char* name;
    std::function<void(Program&, Form4&)> change;
    const char* message;
    const char* focus;  // the box that gets the focus; empty: the focus does not move
};

class Refusal : public DimensionFixture, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, StopsAtTheFirstGapWithItsMessage) {
    const RefusalCase& c = GetParam();
    readyOneSided();
    c.change(prog, f());
    makeResultsValid();
    f().txt5.setFocus();
    f().cmd3.press();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0], plat::MessageRequest::fromStyle(c.message, plat::msg::kOk, "エラーメッセージ"));
    const std::string focus = c.focus[0] ? c.focus : "txt5";
    EXPECT_EQ(f().activeControl()->name(), focus);
    if (c.focus[0]) {
        // The whole text selected, so that the correction replaces it.
        EXPECT_EQ(box(focus).selStart(), 0);
        EXPECT_EQ(box(focus).selText(), box(focus).text());
    }
    EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax);  // nothing computed, the old result untouched
    EXPECT_TRUE(svc.modals.empty());
}

constexpr const char* kHeelHalfGone =
    "かかと版を設けない場合は長さと先端の厚さを共に0に、設ける場合は共に0より大きくしてください。";
constexpr const char* kToeHalfGone =
    "つま先版を設けない場合は長さと先端の厚さを共に0に、設ける場合は共に0より大きくしてください。";

void empty(Form4& f, const char* name) { static_cast<plat::TextBox*>(f.control(name))->setText(""); }

INSTANTIATE_TEST_SUITE_P(
    Checks, Refusal,
    ::testing::Values(
        RefusalCase{"SectionNumberBeforeWallMark", [](Program&, Form4& f) { empty(f, "txt1"); empty(f, "txt2"); },
                    "§番号を入力してください。", "txt1"},
        RefusalCase{"WallMark", [](Program&, Form4& f) { empty(f, "txt2"); }, "擁壁の記号を入力してください。", "txt2"},
        RefusalCase{"H3BeforeH1", [](Program&, Form4& f) { empty(f, "txt3"); empty(f, "txt5"); },
                    "寸法を入力してください。", "txt3"},
        RefusalCase{"H4", [](Program&, Form4& f) { empty(f, "txt4"); }, "寸法を入力してください。", "txt4"},
        // Left to right across the figure's top row: the rear wall's inner batter first.
        RefusalCase{"TopRowInFigureOrder", [](Program&, Form4& f) { empty(f, "txt10"); empty(f, "txt9"); },
                    "寸法を入力してください。", "txt10"},
        RefusalCase{"BlankCountsAsText", [](Program&, Form4& f) { f.txt8.setText(" "); empty(f, "txt17"); },
                    "寸法を入力してください。", "txt17"},
        RefusalCase{"CentralFillDepth", [](Program&, Form4& f) { empty(f, "txt20"); }, "寸法を入力してください。",
                    "txt20"},
        RefusalCase{"BackSurcharge", [](Program&, Form4& f) { empty(f, "txt21"); empty(f, "txt22"); },
                    "上載荷重を入力してください。", "txt21"},
        RefusalCase{"CentreSurcharge", [](Program&, Form4& f) { empty(f, "txt22"); }, "上載荷重を入力してください。",
                    "txt22"},
        RefusalCase{"HeelWithoutEndThickness", [](Program&, Form4& f) { f.txt16.setText("2"); empty(f, "txt19"); },
                    "寸法を入力してください。", "txt19"},
        RefusalCase{"HeelThicknessWithoutLength", [](Program&, Form4& f) { f.txt16.setText("0"); }, kHeelHalfGone,
                    "txt16"},
        RefusalCase{"HeelLengthZeroPointZero", [](Program&, Form4& f) { f.txt16.setText("0.0"); }, kHeelHalfGone,
                    "txt16"},
        RefusalCase{"HeelLengthWithoutThickness", [](Program&, Form4& f) { f.txt19.setText("０"); },
                    kHeelHalfGone, "txt19"},
        RefusalCase{"ToeOfZeroWithThickness", [](Program&, Form4& f) { f.txt12.setText("0"); f.txt18.setText("0.5"); },
                    kToeHalfGone, "txt12"},
        RefusalCase{"ToeThicknessThatIsNoNumber", [](Program&, Form4& f) { f.txt18.setText("abc"); },
                    "つま先版の先端の厚さは数値で入力してください。", "txt18"},
        RefusalCase{"ToeEmptyIsARequiredText", [](Program&, Form4& f) { empty(f, "txt12"); empty(f, "txt18"); },
                    "寸法を入力してください。", "txt12"},
        RefusalCase{"FrontSoilChoice", [](Program&, Form4& f) { f.opt3.setValue(false); },
                    "前面土荷重の計算の有無を選択してください。", ""}),
    [](const auto& info) { return std::string(info.param.name); });

void put(Form4& f, const char* name, const char* text) { static_cast<plat::TextBox*>(f.control(name))->setText(text); }

RefusalCase bound(const char* name, const char* box, const char* text, const char* message) {
    return {name, [box, text](Program&, Form4& f) { put(f, box, text); }, message, box};
}

// A value no wall has, one per kind of box: the first such box in screen order is named
// with its range; nothing is computed.
INSTANTIATE_TEST_SUITE_P(
    Bounds, Refusal,
    ::testing::Values(
        bound("NegativeH3", "txt3", "-0.5", "寸法H3は0または0.01以上1000m以下で入力してください。"),
        bound("NegativeH1", "txt5", "-2.5", "寸法H1は0.01以上1000m以下で入力してください。"),
        bound("HugeTopWidth", "txt7", "1001", "前壁の天端幅は0.01以上1000m以下で入力してください。"),
        bound("NoBackSoil", "txt5", "0", "寸法H1は0.01以上1000m以下で入力してください。"),
        bound("WallsTouching", "txt14", "abc", "壁の内法幅は数値で入力してください。"),
        bound("NegativeBatter", "txt10", "-0.1", "後壁の内側のこう配幅は0または0.01以上1000m以下で入力してください。"),
        bound("WallWithoutWidthAtTheSlab", "txt13", "0", "前壁の下端幅は0.01以上1000m以下で入力してください。"),
        bound("NegativeRearWidth", "txt15", "-0.45", "後壁の下端幅は0.01以上1000m以下で入力してください。"),
        bound("NegativeToe", "txt12", "-0.5", "つま先版の長さは0または0.01以上1000m以下で入力してください。"),
        bound("NegativeSlab", "txt17", "-0.4", "底版の厚さは0.01以上1000m以下で入力してください。"),
        bound("NegativeHeelEnd", "txt19", "-0.3", "かかと版の先端の厚さは0または0.01以上1000m以下で入力してください。"),
        bound("HugeFill", "txt20", "1e30", "中詰め土の深さは0または0.01以上1000m以下で入力してください。"),
        bound("NegativeBackSurcharge", "txt21", "-10", "背面の上載荷重は0以上10000kN/m2以下で入力してください。"),
        bound("HugeCentreSurcharge", "txt22", "1e30", "中央の上載荷重は0以上10000kN/m2以下で入力してください。"),
        bound("NegativeFrontSurcharge", "txt23", "-3", "前面の上載荷重は0以上10000kN/m2以下で入力してください。"),
        bound("FullWidthMinus", "txt21", "－１０", "背面の上載荷重は0以上10000kN/m2以下で入力してください。"),
        RefusalCase{"FirstInScreenOrder",
                    [](Program&, Form4& f) {
                        put(f, "txt21", "-10");
                        put(f, "txt6", "-0.3");
                    },
                    "寸法H2は0または0.01以上1000m以下で入力してください。", "txt6"},
        // On the figure's top row the rear wall's inner batter stands left of its top width.
        RefusalCase{"TopRowLeftToRightOnTheFigure",
                    [](Program&, Form4& f) {
                        put(f, "txt9", "0");
                        put(f, "txt10", "-0.1");
                    },
                    "後壁の内側のこう配幅は0または0.01以上1000m以下で入力してください。", "txt10"}),
    [](const auto& info) { return std::string(info.param.name); });

struct AcceptCase {
    const char* name;
    std::function<void(Form4&)> change;
};

class Accepted : public DimensionFixture, public ::testing::WithParamInterface<AcceptCase> {};

TEST_P(Accepted, RunsTheCheckAndMovesOnToTheHandOver) {
    readyOneSided();
    GetParam().change(f());
    f().cmd3.press();
    EXPECT_TRUE(svc.messages.empty()) << svc.messages.front().text;
    EXPECT_NE(prog.sigmaMax, 0);
    EXPECT_TRUE(f().lbl57.visible());
    EXPECT_TRUE(focused(f().cmd1));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Accepted,
    ::testing::Values(AcceptCase{"AsEntered", [](Form4&) {}},
                      AcceptCase{"NoHeel", [](Form4& f) { f.txt16.setText(""); f.txt19.setText(""); }},
                      AcceptCase{"NoHeelWrittenAsZeros", [](Form4& f) { f.txt16.setText("0.0"); f.txt19.setText("00"); }},
                      AcceptCase{"NoToe", [](Form4& f) { f.txt12.setText("0"); f.txt18.setText("0"); }},
                      AcceptCase{"FrontSurchargeNotTested", [](Form4& f) { f.txt23.setText(""); }},
                      AcceptCase{"NoSurcharges",
                                 [](Form4& f) {
                                     f.txt21.setText("0");
                                     f.txt22.setText("0");
                                     f.txt23.setText("0");
                                 }},
                      AcceptCase{"VerticalInnerFacesAndLargestValues",
                                 [](Form4& f) {
                                     f.txt8.setText("0");
                                     f.txt10.setText("0");
                                     f.txt21.setText("10000");
                                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StabilityCommand, CopiesTheValuesBeforeAnyCheck) {
    readyOneSided();
    f().txt1.setText("");
    f().txt21.setText("abc");
    f().txt20.setText("1.25");
    f().txt12.setText("0.7");
    f().cmd3.press();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"§番号を入力してください。"});
    EXPECT_EQ(prog.surchargeBack, 0);
    EXPECT_EQ(f().lbl33.caption(), "0");
    EXPECT_EQ(prog.centralFillDepth, 1.25f);
    EXPECT_EQ(prog.toeLength, 0.7f);
    EXPECT_EQ(prog.frontWallUpperHeight, 0.5f);
}

// A toe box holding 0 beside a toe thickness: its own message, the 0 selected, nothing
// computed; the length typed over it is taken and the check runs.
TEST_F(StabilityCommand, ZeroToeBesideAThicknessIsToldThenCorrected) {
    readyOneSided();
    makeResultsValid();
    f().txt12.setText("0");
    f().txt18.setText("0.3");
    f().cmd3.press();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kToeHalfGone});
    EXPECT_TRUE(focused(f().txt12));
    EXPECT_EQ(f().txt12.selText(), "0");
    EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax);  // the old result stands, nothing was computed
    EXPECT_EQ(f().lbl57.caption(), "");
    f().txt12.keyPress('0');
    f().txt12.keyPress('.');
    f().txt12.keyPress('5');
    EXPECT_EQ(f().txt12.text(), "0.5");
    svc.clear();
    f().cmd3.press();
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(prog.toeLength, 0.5f);
    // The fixture's wall: σmax = 60.010 kN/m2, worked out by hand.
    EXPECT_EQ(f().lbl57.caption(), "60.010");
    EXPECT_TRUE(focused(f().cmd1));
}

TEST_F(StabilityCommand, BoundsOfTheOtherShapesBoxesAreNotAsked) {
    conditions();
    layOut(GroundShape::Symmetric);
    fillWall();
    f().txt3.setText("-1");
    f().txt4.setText("-1");
    f().txt23.setText("-3");
    prog.form<Form14>().opt1.setValue(true);
    svc.clear();
    f().cmd3.press();
    EXPECT_TRUE(svc.messages.empty()) << svc.messages.front().text;
    EXPECT_NE(prog.sigmaMax, 0);
}

TEST_F(StabilityCommand, SymmetricShapeNeedsNoFrontHeightsNorVerticalComponent) {
    conditions();
    layOut(GroundShape::Symmetric);
    fillWall();
    f().txt3.setText("");
    f().txt4.setText("");
    prog.form<Form14>().opt1.setValue(true);
    svc.clear();
    f().cmd3.press();
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_NE(prog.sigmaMax, 0);
    EXPECT_EQ(f().lbl33.caption(), "10");
}

TEST_F(StabilityCommand, MissingOverturningMethodOpensTheNormalDialog) {
    readyOneSided();
    prog.form<Form14>().opt1.setValue(false);
    bool opened = false;
    svc.modalScripts.push_back([&](plat::Form& d) {
        opened = true;
        auto& m = static_cast<Form14&>(d);
        EXPECT_FALSE(m.opt1.value() || m.opt2.value() || m.opt3.value() || m.opt6.value());
    });
    f().cmd3.press();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"転倒に対する検討方法を選択してください。"});
    EXPECT_TRUE(opened);
    EXPECT_EQ(prog.sigmaMax, 0);  // nothing computed
}

TEST_F(StabilityCommand, CohesionAsksForTheEffectiveAreaWithItsChoicesEnabled) {
    readyOneSided();
    prog.foundationCohesion = 10;
    Form14& m = prog.form<Form14>();
    m.opt4.setEnabled(false);
    m.opt5.setEnabled(false);
    m.lbl1.setEnabled(false);
    svc.modalScripts.push_back([](plat::Form& d) {
        auto& dialog = static_cast<Form14&>(d);
        EXPECT_TRUE(dialog.opt4.enabled() && dialog.opt5.enabled() && dialog.lbl1.enabled());
        EXPECT_TRUE(dialog.opt1.value());  // the overturning choice stays
    });
    f().cmd3.press();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"底版の有効載荷面積に対する検討方法を選択してください。"});
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form14"});
}

TEST_F(StabilityCommand, SeismicOverturningMissingClearsTheSlidingChoiceToo) {
    readySeismic();
    prog.form<Form21>().opt5.setValue(true);
    svc.clear();
    svc.modalScripts.push_back([](plat::Form& d) {
        auto& m = static_cast<Form21&>(d);
        EXPECT_FALSE(m.opt5.value() || m.opt6.value());
    });
    f().cmd3.press();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"転倒に対する検討方法を選択してください。"});
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form21"});
}

TEST_F(StabilityCommand, SeismicSlidingMissingKeepsTheOverturningChoice) {
    readySeismic();
    prog.form<Form21>().opt2.setValue(true);
    svc.clear();
    svc.modalScripts.push_back([](plat::Form& d) { EXPECT_TRUE(static_cast<Form21&>(d).opt2.value()); });
    f().cmd3.press();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"滑動に対する検討方法を選択してください。"});
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form21"});
}

TEST_F(StabilityCommand, MissingVerticalComponentIsProposedAndTheCheckWaits) {
    readyOneSided();
    f().opt1.setValue(false);
    makeResultsValid();
    f().cmd3.press();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"土圧の鉛直成分の参入の有無を選択してください。"});
    EXPECT_TRUE(f().opt1.value());
    EXPECT_TRUE(stabilityInvalid());  // the choice counts as the user's
    f().cmd3.press();
    EXPECT_EQ(svc.messages.size(), 1u);
    EXPECT_NE(prog.sigmaMax, 0);
}

TEST_F(StabilityCommand, WallThatCannotBeComputedIsReportedOnceAndLeavesNoResult) {
    readyOneSided();
    // Every value within its bounds, but a front wall without height above the slab: the
    // fill's widening over its batter divides by that height.
    for (const char* name : {"txt12", "txt16", "txt18", "txt19", "txt3"}) box(name).setText("0");
    box("txt4").setText("0.4");
    f().Frame2.setVisible(false);
    makeResultsValid();
    f().txt5.setFocus();
    f().cmd3.press();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(svc.messages[0].text, "入力された値では安定計算ができません。");
    EXPECT_TRUE(stabilityInvalid());
    EXPECT_TRUE(toolbarOff());
    for (const plat::Label* l : {&f().lbl46, &f().lbl52, &f().lbl53, &f().lbl54, &f().lbl56, &f().lbl62, &f().lbl64,
                                 &f().lbl66, &f().lbl67, &f().lbl70}) {
        EXPECT_FALSE(l->visible()) << l->name();
    }
    EXPECT_TRUE(focused(f().txt5) || focused(f().cmd3));
    EXPECT_FALSE(focused(f().cmd1));
}

// A number too large for the program is a slip in its box: named with the range, or as
// no number beyond any the program reads.
TEST_F(StabilityCommand, ANumberTooLargeForTheProgramIsNamed) {
    const std::pair<const char*, const char*> cases[] = {
        {"1E+60", "寸法H1は0.01以上1000m以下で入力してください。"},
        {"1e999", "寸法H1は数値で入力してください。"},
    };
    for (const auto& [text, message] : cases) {
        readyOneSided();
        f().txt5.setText(text);
        svc.clear();
        f().cmd3.press();
        EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{message}) << text;
        EXPECT_TRUE(focused(f().txt5)) << text;
        EXPECT_EQ(prog.sigmaMax, 0) << text;
    }
}

TEST_F(StabilityCommand, NoLoadCaseIsReportedInsteadOfComputed) {
    readyOneSided();
    prog.form<Form3>().opt3.setValue(false);
    f().cmd3.press();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"入力された値では安定計算ができません。"});
    EXPECT_EQ(prog.sigmaMax, 0);
}

}  // namespace

// A stability result counts for the hand-over only while the panel shows it: "突起の計算"
// and a key height asked for by the check run the calculation with the panel hidden, and
// their result waits for the next check.
struct UnshownCase {
    const char* name;
    const char* keyHeight;          // typed before the first check
    std::function<void(Program&, Form4&)> then;  // after the first check; presses "キャンセル" in any dialog
    bool counts;
};

void PrintTo(const UnshownCase& c, std::ostream* os) { *os << c.name; }

class UnshownResult : public DimensionFixture, public ::testing::WithParamInterface<UnshownCase> {};

TEST_P(UnshownResult, CountsOnlyWhenShown) {
    const UnshownCase& c = GetParam();
    readyOneSided();
    f().opt6.userClick();
    Form19& key = prog.form<Form19>();
    key.txt1.setText(c.keyHeight);
    key.txt2.setText("1.5");
    key.txt3.setText("0.4");
    auto cancel = [](plat::Form& dialog) { static_cast<Form19&>(dialog).cmd2.press(); };
    svc.modalScripts.push_back(cancel);
    f().cmd3.press();
    svc.modalScripts.push_back(cancel);
    c.then(prog, f());
    svc.modalScripts.clear();
    svc.clear();

    EXPECT_EQ(prog.sigmaMax != 0, c.counts);
    EXPECT_EQ(f().lbl57.visible(), c.counts);
    EXPECT_EQ(button(*prog.mainToolbar(), ToolbarButton::Preview).enabled, c.counts);
    f().cmd1.press();
    if (c.counts) {
        EXPECT_NEAR(prog.sigmaMax, 60.010f, 0.0005f);
        EXPECT_TRUE(prog.form<Form7>().visible());
    } else {
        EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"安定性の検討をしてください。"});
        EXPECT_FALSE(prog.isLoaded(Form7::kName) && prog.form<Form7>().visible());
    }

    // The check shows the result again, and then it counts.
    key.txt1.setText("0.4");
    svc.clear();
    f().cmd3.press();
    EXPECT_TRUE(svc.modals.empty());
    EXPECT_NEAR(prog.sigmaMax, 60.010f, 0.0005f);
    EXPECT_EQ(f().lbl57.caption(), "60.010");
    f().cmd1.press();
    EXPECT_TRUE(prog.form<Form7>().visible());
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnshownResult,
    ::testing::Values(UnshownCase{"KeyCalculatedOverTheShownResult", "0.4", [](Program&, Form4& d) { d.cmd5.press(); }, true},
                      UnshownCase{"KeyCalculatedAfterAnEdit", "0.4",
                                  [](Program&, Form4& d) {
                                      // A height edited and typed back as it was.
                                      const std::string height = d.txt5.text();
                                      d.txt5.setFocus();
                                      d.txt5.setSelStart(static_cast<int>(height.size()));
                                      d.txt5.keyPress(plat::kKeyBack);
                                      d.txt5.keyPress(height.back());
                                      d.cmd5.press();
                                  },
                                  false},
                      UnshownCase{"KeyHeightAskedForByTheCheck", "", [](Program&, Form4&) {}, false},
                      UnshownCase{"KeyChosenAgainThenCalculated", "0.4",
                                  [](Program& p, Form4& d) {
                                      d.opt5.userClick();
                                      d.opt6.userClick();
                                      p.form<Form19>().txt1.setText("0.4");
                                      p.form<Form19>().txt2.setText("1.5");
                                      p.form<Form19>().txt3.setText("0.4");
                                      d.cmd5.press();
                                  },
                                  false}),
    [](const auto& info) { return std::string(info.param.name); });
