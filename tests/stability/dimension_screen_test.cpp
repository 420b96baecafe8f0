// The dimension screen: what its boxes invalidate, the Enter chain by ground shape, the
// couplings between boxes, the choices, activation and its buttons.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conditions/note_window.h"
#include "stability/dimension_fixture.h"
#include "support/standing_results.h"

namespace {

using DimensionScreen = DimensionFixture;

// ---- What each action invalidates ----

enum class Action { Click, Key, Enter, Backspace, Focus, DoubleClick, DeleteKey };

struct InvalidationCase {
    const char* box;
    Action action;
    bool invalidates;
};

class Invalidation : public DimensionFixture, public ::testing::WithParamInterface<InvalidationCase> {};

TEST_P(Invalidation, FollowsClickAndKeyOnly) {
    const InvalidationCase& c = GetParam();
    conditions();
    layOut(GroundShape::OneSided);
    makeResultsValid();
    plat::TextBox& b = box(c.box);
    b.setText("1.5");
    switch (c.action) {
        case Action::Click: click(b); break;
        case Action::Key: b.setFocus(); b.keyPress('7'); break;
        case Action::Enter: b.setFocus(); b.keyPress(plat::kKeyEnter); break;
        case Action::Backspace: b.setFocus(); b.keyPress(plat::kKeyBack); break;
        case Action::Focus: b.setFocus(); break;
        case Action::DoubleClick: b.setFocus(); b.DblClick(); break;
        // Tab in (all selected), then the delete key: an edit of the toolkit's own.
        case Action::DeleteKey: b.setFocus(); b.userEdit("", 0, 0); break;
    }
    if (c.invalidates) {
        EXPECT_TRUE(stabilityInvalid());
        EXPECT_TRUE(toolbarOff());
        // The section rows wait for the hand-over, which keeps those the new result gives.
        EXPECT_FALSE(sectionCleared());
    } else {
        EXPECT_TRUE(nothingInvalidated());
    }
}

std::vector<InvalidationCase> invalidationCases() {
    std::vector<InvalidationCase> cases;
    for (const char* name : {"txt1", "txt2"})
        for (Action a : {Action::Click, Action::Key, Action::Enter}) cases.push_back({name, a, false});
    // A look (a click, Enter, which leaves the text as it was) changes nothing and drops
    // nothing; an edit does.
    for (const char* name : {"txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9", "txt10", "txt12", "txt13",
                             "txt14", "txt15", "txt16", "txt17", "txt18", "txt19", "txt20", "txt21", "txt22", "txt23"}) {
        cases.push_back({name, Action::Click, false});
        cases.push_back({name, Action::Key, true});
    }
    cases.push_back({"txt20", Action::Enter, false});
    cases.push_back({"txt9", Action::Backspace, true});
    cases.push_back({"txt14", Action::DeleteKey, true});
    cases.push_back({"txt2", Action::DeleteKey, false});
    cases.push_back({"txt23", Action::Enter, false});
    cases.push_back({"txt5", Action::Focus, false});
    cases.push_back({"txt17", Action::DoubleClick, false});
    return cases;
}

const char* actionName(Action a) {
    switch (a) {
        case Action::Click: return "Click";
        case Action::Key: return "Key";
        case Action::Enter: return "Enter";
        case Action::Backspace: return "Backspace";
        case Action::Focus: return "Focus";
        case Action::DoubleClick: return "DoubleClick";
        case Action::DeleteKey: return "DeleteKey";
    }
    return "";
}

INSTANTIATE_TEST_SUITE_P(Boxes, Invalidation, ::testing::ValuesIn(invalidationCases()), [](const auto& info) {
    return std::string(info.param.box) + actionName(info.param.action);
});

TEST_F(DimensionScreen, TextSetByAnotherOperationInvalidatesNothing) {
    conditions();
    layOut(GroundShape::OneSided);
    makeResultsValid();
    box("txt12").setText("0");
    box("txt19").setText("");
    box("txt19").setFocus();
    box("txt5").setFocus();  // leaving txt19 empty sets txt16 to "0"
    EXPECT_EQ(box("txt16").text(), "0");
    EXPECT_TRUE(nothingInvalidated());
}

TEST_F(DimensionScreen, ChoicesInvalidateAndTheShearKeyDropsTheResult) {
    conditions();
    layOut(GroundShape::OneSided);
    for (auto choose : std::vector<std::function<void()>>{[&] { f().chk1.setValue(1); }, [&] { f().opt1.userClick(); },
                                                          [&] { f().opt2.userClick(); }, [&] { f().opt3.userClick(); },
                                                          [&] { f().opt4.userClick(); }}) {
        makeResultsValid();
        choose();
        EXPECT_TRUE(stabilityInvalid());
        EXPECT_TRUE(toolbarOff());
        EXPECT_FALSE(sectionCleared());  // compared with the next result at the hand-over
    }

    // A switched key leaves nothing of the other choice: no result, no sliding verdict.
    prog.form<Form19>().txt1.setText("0.3");
    prog.form<Form26>().txt1.setText("0.4");
    prog.keyHeight = 0.3f;
    makeResultsValid();
    f().lbl66.setCaption("> 1.5 ∴O.K");
    f().opt6.userClick();
    EXPECT_TRUE(f().cmd5.visible());
    EXPECT_TRUE(stabilityInvalid());
    EXPECT_EQ(f().lbl66.caption(), "");
    EXPECT_TRUE(toolbarOff());
    EXPECT_TRUE(sectionCleared());

    makeResultsValid();
    f().lbl70.setCaption("> 1.0 ∴O.K");
    f().opt5.userClick();
    EXPECT_FALSE(f().cmd5.visible());
    EXPECT_TRUE(stabilityInvalid());
    EXPECT_EQ(f().lbl70.caption(), "");
    EXPECT_EQ(prog.keyHeight, 0);
    EXPECT_EQ(prog.find("Form19"), nullptr);  // the building-standard key starts afresh
    EXPECT_EQ(prog.form<Form26>().txt1.text(), "0.4");
    // The hand-over waits for the stability check of the choice on the screen.
    f().cmd1.press();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"安定性の検討をしてください。"});
    EXPECT_FALSE(prog.form<Form7>().visible());
    EXPECT_TRUE(focused(f().cmd3));
}

// ---- Enter chain ----

struct ChainCase {
    GroundShape shape;
    const char* from;
    const char* to;
};

constexpr GroundShape kOneSided = GroundShape::OneSided, kSymmetric = GroundShape::Symmetric;

class EnterChain : public DimensionFixture, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(EnterChain, MovesToTheNextBoxWithItsTextSelected) {
    const ChainCase& c = GetParam();
    conditions();
    layOut(c.shape);
    fillWall();
    box(c.from).setFocus();
    int key = plat::kKeyEnter;
    box(c.from).KeyPress(key);
    EXPECT_EQ(key, 0);
    const plat::Control* target = f().control(c.to);
    EXPECT_TRUE(focused(*target)) << "focus on " << (f().activeControl() ? f().activeControl()->name() : "none");
    if (target->kind() == plat::ControlKind::TextBox) {
        const auto& t = static_cast<const plat::TextBox&>(*target);
        EXPECT_EQ(t.selStart(), 0);
        EXPECT_EQ(t.selText(), t.text());
    }
    EXPECT_TRUE(svc.messages.empty());  // a button only receives the focus
}

INSTANTIATE_TEST_SUITE_P(
    Chain, EnterChain,
    ::testing::Values(ChainCase{kOneSided, "txt1", "txt2"}, ChainCase{kOneSided, "txt2", "txt3"},
                      ChainCase{kOneSided, "txt3", "txt4"}, ChainCase{kOneSided, "txt6", "txt7"},
                      ChainCase{kOneSided, "txt7", "txt8"}, ChainCase{kOneSided, "txt8", "txt9"},
                      ChainCase{kOneSided, "txt9", "txt10"}, ChainCase{kOneSided, "txt10", "txt13"},
                      ChainCase{kOneSided, "txt13", "txt15"}, ChainCase{kOneSided, "txt15", "txt14"},
                      ChainCase{kOneSided, "txt14", "txt12"}, ChainCase{kOneSided, "txt12", "txt16"},
                      ChainCase{kOneSided, "txt16", "txt17"}, ChainCase{kOneSided, "txt20", "txt21"},
                      ChainCase{kOneSided, "txt22", "txt23"}, ChainCase{kOneSided, "txt23", "cmd3"},
                      ChainCase{kSymmetric, "txt2", "txt5"}, ChainCase{kSymmetric, "txt22", "cmd3"}),
    [](const auto& info) {
        return std::string(info.param.shape == GroundShape::OneSided ? "OneSided_" : "Symmetric_") + info.param.from;
    });

TEST_F(DimensionScreen, EnterWithoutAShapeStaysInTheBox) {
    f().show();
    box("txt2").setFocus();
    box("txt2").keyPress(plat::kKeyEnter);
    EXPECT_TRUE(focused(box("txt2")));
    box("txt22").setFocus();
    box("txt22").keyPress(plat::kKeyEnter);
    EXPECT_TRUE(focused(box("txt22")));
}

TEST_F(DimensionScreen, DoubleClickSelectsFromTheEleventhCharacter) {
    conditions();
    layOut(GroundShape::OneSided);
    box("txt1").setText("0123456789AB");
    box("txt1").setFocus();
    box("txt1").DblClick();
    EXPECT_EQ(box("txt1").selText(), "AB");
    box("txt5").setText("2.5");
    box("txt5").setFocus();
    box("txt5").DblClick();
    EXPECT_EQ(box("txt5").selStart(), 3);
    EXPECT_EQ(box("txt5").selLength(), 0);
}

// ---- Toe and heel pairs, the front-soil frame ----

struct PairCase {
    const char* leaving;
    const char* text;
    const char* partner;
    const char* partnerAfter;
};

class PairRule : public DimensionFixture, public ::testing::WithParamInterface<PairCase> {};

TEST_P(PairRule, LeavingWithoutLengthZeroesThePartner) {
    const PairCase& c = GetParam();
    conditions();
    layOut(GroundShape::OneSided);
    box(c.partner).setText("0.4");
    box(c.leaving).setText(c.text);
    box(c.leaving).setFocus();
    box("txt5").setFocus();
    EXPECT_EQ(box(c.partner).text(), c.partnerAfter);
}

INSTANTIATE_TEST_SUITE_P(Pairs, PairRule,
                         ::testing::Values(PairCase{"txt12", "0", "txt18", "0"}, PairCase{"txt12", "", "txt18", "0"},
                                           PairCase{"txt12", "0.0", "txt18", "0.4"},
                                           PairCase{"txt18", "0", "txt12", "0"}, PairCase{"txt16", "", "txt19", "0"},
                                           PairCase{"txt19", "", "txt16", "0"},
                                           PairCase{"txt19", " 0", "txt16", "0.4"},
                                           PairCase{"txt16", "1.2", "txt19", "0.4"}));

TEST_F(DimensionScreen, ToeLengthShowsAndHidesTheFrontSoilFrame) {
    conditions();
    layOut(GroundShape::OneSided);
    f().opt3.setValue(true);
    box("txt12").setText("0");
    box("txt12").setFocus();
    box("txt5").setFocus();
    EXPECT_FALSE(f().Frame2.visible());
    EXPECT_FALSE(f().opt3.value());  // the hidden frame takes its choice with it
    EXPECT_FALSE(f().opt4.value());

    box("txt12").setText("0.5");
    box("txt12").setFocus();
    box("txt5").setFocus();
    EXPECT_TRUE(f().Frame2.visible());
    f().opt4.setValue(true);
    box("txt12").setText("0");
    click(box("txt12"));  // a click while it reads "0" drops the choice
    EXPECT_FALSE(f().Frame2.visible());
    EXPECT_FALSE(f().opt3.value());
    EXPECT_FALSE(f().opt4.value());

    box("txt12").setText("0.0");
    box("txt5").setFocus();
    EXPECT_TRUE(f().Frame2.visible());

    f().opt3.setValue(true);
    box("txt18").setText("");
    box("txt18").setFocus();
    box("txt5").setFocus();
    EXPECT_FALSE(f().Frame2.visible());
    EXPECT_FALSE(f().opt3.value());
}

TEST_F(DimensionScreen, SymmetricShapeLeavesTheFrontSoilFrameAlone) {
    conditions();
    layOut(GroundShape::Symmetric);
    f().Frame2.setVisible(false);
    box("txt12").setText("1.0");
    click(box("txt12"));
    box("txt5").setFocus();
    EXPECT_FALSE(f().Frame2.visible());
}

// ---- Back surcharge mirrored in the symmetric shape ----

struct MirrorCase {
    const char* text;
    float value;
    const char* shown;
};

class MirroredSurcharge : public DimensionFixture, public ::testing::WithParamInterface<MirrorCase> {};

TEST_P(MirroredSurcharge, ShowsTheBackSurchargeOnTheFront) {
    const MirrorCase& c = GetParam();
    conditions();
    layOut(GroundShape::Symmetric);
    box("txt21").setText(c.text);
    box("txt21").setFocus();
    box("txt22").setFocus();
    EXPECT_EQ(prog.surchargeFront, c.value);
    EXPECT_EQ(f().lbl33.caption(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, MirroredSurcharge,
                         ::testing::Values(MirrorCase{"10", 10.0f, "10"}, MirrorCase{"2.5", 2.5f, "2.5"},
                                           MirrorCase{"0.25", 0.25f, "0.25"}, MirrorCase{"abc", 0.0f, "0"},
                                           MirrorCase{"1.2345678", 1.2345678f, "1.234568"}));

TEST_F(DimensionScreen, OneSidedShapeDoesNotMirrorTheBackSurcharge) {
    conditions();
    layOut(GroundShape::OneSided);
    prog.surchargeFront = 3;
    f().lbl33.setCaption("3");
    box("txt21").setText("10");
    box("txt21").setFocus();
    box("txt22").setFocus();
    EXPECT_EQ(prog.surchargeFront, 3);
    EXPECT_EQ(f().lbl33.caption(), "3");
}

TEST_F(DimensionScreen, ASurchargeTooLargeForTheProgramIsLeftToTheCheck) {
    conditions();
    layOut(GroundShape::Symmetric);
    prog.surchargeFront = 3;
    box("txt21").setText("1E+99");
    box("txt21").setFocus();
    box("txt22").setFocus();
    EXPECT_EQ(prog.surchargeFront, 3);
    EXPECT_TRUE(svc.messages.empty());
}

// ---- Activation and buttons ----

std::vector<std::string> canvasTexts(Form4& f) {
    std::vector<std::string> texts;
    for (const plat::DrawOp& op : f.canvas().ops())
        if (op.kind == plat::DrawOp::Text) texts.push_back(op.text);
    return texts;
}

TEST_F(DimensionScreen, ActivationDrawsTheSymmetricNotesWhileAResultExists) {
    conditions();
    layOut(GroundShape::Symmetric);
    EXPECT_EQ(prog.currentScreen, 2);
    EXPECT_FALSE(prog.form<Form23>().visible());
    EXPECT_TRUE(canvasTexts(f()).empty());  // no result yet

    fixture::standStabilityResult(prog);
    f().canvas().clear();
    prog.form<Form7>().show();
    prog.form<Form7>().hide();  // the dimension screen becomes active again
    const std::vector<std::string> expected = {"対称土圧の為、転倒は生じない。", "対称土圧の為、滑動は生じない。"};
    EXPECT_EQ(canvasTexts(f()), expected);
    ASSERT_EQ(f().canvas().ops().size(), 2u);
    EXPECT_EQ(f().canvas().ops()[0].x1, 8200);
    EXPECT_EQ(f().canvas().ops()[0].y1, 1450);
    EXPECT_EQ(f().canvas().ops()[1].y1, 3330);  // clear of its heading's glyphs
}

TEST_F(DimensionScreen, OneSidedActivationDrawsNothing) {
    conditions();
    layOut(GroundShape::OneSided);
    fixture::standStabilityResult(prog);
    prog.form<Form7>().show();
    prog.form<Form7>().hide();
    EXPECT_TRUE(canvasTexts(f()).empty());
}

TEST_F(DimensionScreen, BackToTheGroundShape) {
    conditions();
    layOut(GroundShape::OneSided);
    makeResultsValid();
    prog.form<Form23>().setLeft(300);
    f().cmd2.press();
    EXPECT_FALSE(f().visible());
    EXPECT_TRUE(prog.form<Form23>().visible());
    EXPECT_EQ(prog.form<Form23>().left(), 0);
    EXPECT_EQ(prog.form<Form23>().top(), 0);
    EXPECT_TRUE(nothingInvalidated());
}

TEST_F(DimensionScreen, NoteWindowOpensModalAndIsShownAgainUnchanged) {
    conditions();
    layOut(GroundShape::OneSided);
    svc.modalScripts.push_back([](plat::Form& d) {
        auto& note = static_cast<Form27&>(d);
        EXPECT_EQ(note.Label5.caption(), "背面上載荷重の土圧について");
        note.cmd1.press();
    });
    f().cmd6.press();
    ASSERT_EQ(svc.modals, std::vector<std::string>{"Form27"});
    Form27* first = static_cast<Form27*>(prog.find("Form27"));
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->visible());
    f().cmd6.press();
    EXPECT_EQ(prog.find("Form27"), first);
}

TEST_F(DimensionScreen, HandOverRefusesWithoutAStabilityResult) {
    conditions();
    layOut(GroundShape::OneSided);
    box("txt5").setFocus();
    f().cmd1.press();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0], plat::MessageRequest::fromStyle("安定性の検討をしてください。", plat::msg::kOk, "エラーメッセージ"));
    EXPECT_TRUE(focused(f().cmd3));
    EXPECT_FALSE(prog.form<Form7>().visible());
}

TEST_F(DimensionScreen, HandOverShowsTheSectionScreenAndKeepsThisOne) {
    conditions();
    layOut(GroundShape::OneSided);
    prog.sigmaMax = 60;
    prog.baseWidth = 4;  // enough of a wall for the slab model
    prog.backSoilHeight = 2.5f;
    button(*prog.mainToolbar(), ToolbarButton::Preview).enabled = true;
    prog.form<Form7>().setLeft(500);
    prog.form<Form7>().canvas().print("stale");
    f().cmd1.press();
    Form7& sections = prog.form<Form7>();
    EXPECT_TRUE(sections.visible());
    EXPECT_EQ(sections.left(), 0);
    EXPECT_EQ(sections.top(), 0);
    EXPECT_TRUE(f().visible());
    EXPECT_TRUE(sections.canvas().ops().empty());
    EXPECT_FALSE(button(*prog.mainToolbar(), ToolbarButton::Preview).enabled);  // no KA on the section screen yet
}

}  // namespace
