#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/forms.h"
#include "common/numbers.h"
#include "common/calc_fault.h"
#include "conditions_fixture.h"
#include "stability/check_method_dialogs.h"

namespace {

using ConditionsFields = DesignConditionsTest;

// ---- the fields: what each event invalidates, whether it drops a computed KA ----

enum class Event { Click, Key, Enter, Backspace, Focus, DoubleClick, DeleteKey };
// What stays: nothing is dropped; the section check (with saving over the file and the
// preview) goes and the section screen is put away; or the stability result, the toolbar
// and the section check go and both later screens are put away. The section rows stay for
// the hand-over to compare.
enum class Inval { None, SectionOnly, Full };

struct FieldCase {
    const char* field;
    Event event;
    Inval inval;
    bool kaDropped;
    int border;  // border style afterwards; -1: not checked
};

std::string fieldCaseName(const ::testing::TestParamInfo<FieldCase>& info) {
    static const char* const events[] = {"Click", "Key", "Enter", "Backspace", "Focus", "DoubleClick", "DeleteKey"};
    return std::string(info.param.field) + events[static_cast<int>(info.param.event)];
}

class FieldTable : public DesignConditionsTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FieldTable, InvalidatesAsTheFieldDemands) {
    const FieldCase& c = GetParam();
    auto& box = static_cast<plat::TextBox&>(*f().control(c.field));
    box.setText("12.5");
    f().txt15.setText("0.297");
    f().opt2.setValue(true);  // a computed KA
    makeResultsValid();
    // The later screens are shown over the conditions screen, which keeps its place.
    prog.form<Form4>().show();
    prog.form<Form7>().show();
    const int border = box.borderStyle();

    svc.clear();
    switch (c.event) {
        case Event::Click: click(box); break;
        case Event::Key: box.setFocus(); box.keyPress('5'); break;
        case Event::Enter: box.setFocus(); box.keyPress(plat::kKeyEnter); break;
        case Event::Backspace: box.setFocus(); box.keyPress(plat::kKeyBack); break;
        case Event::Focus: box.setFocus(); break;
        case Event::DoubleClick: click(box); box.DblClick(); break;
        case Event::DeleteKey: box.setFocus(); box.userEdit("", 0, 0); break;
    }

    const bool full = c.inval == Inval::Full;
    EXPECT_EQ(stabilityInvalid(), full);
    // Overwrite save waits for the stability check or for the section check.
    EXPECT_EQ(toolbarOff(), c.inval != Inval::None);
    EXPECT_EQ(button(*prog.mainToolbar(), ToolbarButton::Print).enabled, !full);
    EXPECT_EQ(prog.checkCurrent(), c.inval == Inval::None);
    EXPECT_FALSE(sectionCleared());
    EXPECT_EQ(prog.form<Form4>().visible(), !full);
    EXPECT_EQ(prog.form<Form7>().visible(), c.inval == Inval::None);
    if (c.kaDropped) {
        EXPECT_EQ(f().txt15.text(), "");
        EXPECT_FALSE(f().opt2.value());
    } else if (std::string(c.field) != "txt15" || c.inval == Inval::None) {
        EXPECT_EQ(f().txt15.text(), "0.297");
        EXPECT_TRUE(f().opt2.value());
    }
    EXPECT_EQ(box.borderStyle(), c.border >= 0 ? c.border : border);
    EXPECT_TRUE(svc.messages.empty());
}

// A look (a click, the focus, a double click, Enter) changes nothing in any box; an edit of
// the text drops what the box's row of the table says.
std::vector<FieldCase> fieldCases() {
    std::vector<FieldCase> cases;
    for (Event look : {Event::Click, Event::Key, Event::Enter}) cases.push_back({"txt1", look, Inval::None, false, -1});
    for (const char* box : {"txt2", "txt3", "txt13", "txt4", "txt5", "txt6", "txt8", "txt10", "txt12", "txt14", "txt11",
                            "txt9", "txt15"}) {
        for (Event look : {Event::Click, Event::Enter, Event::Focus, Event::DoubleClick})
            cases.push_back({box, look, Inval::None, false, -1});
        const std::string name = box;
        const Inval inval = name == "txt12" ? Inval::SectionOnly : Inval::Full;
        const bool ka = name == "txt8" || name == "txt10";
        // A value typed over one the program wrote turns the box into the place to type.
        const int border = name == "txt14" || name == "txt9" || name == "txt15" ? 1 : -1;
        for (Event edit : {Event::Key, Event::Backspace, Event::DeleteKey}) cases.push_back({box, edit, inval, ka, border});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(DesignConditions, FieldTable, ::testing::ValuesIn(fieldCases()), fieldCaseName);

TEST_F(ConditionsFields, KaTypedOverAComputedOneIsATypedOne) {
    f().txt15.setText("0.297");
    f().opt2.setValue(true);
    click(f().txt15);
    // A look leaves the computed KA computed.
    EXPECT_TRUE(f().opt2.value());
    EXPECT_FALSE(f().opt1.value());
    EXPECT_EQ(f().txt15.borderStyle(), 0);
    EXPECT_TRUE(allSelected(f().txt15));
    f().txt15.keyPress('0');
    f().txt15.keyPress('.');
    f().txt15.keyPress('3');
    EXPECT_TRUE(f().opt1.value());
    EXPECT_FALSE(f().opt2.value());
    EXPECT_EQ(f().txt15.text(), "0.3");
    EXPECT_EQ(f().txt15.borderStyle(), 1);
}

TEST_F(ConditionsFields, MuTypedOverTanPhiSelectsDirectInput) {
    f().txt11.setText("30");
    f().opt6.userClick();
    ASSERT_EQ(f().txt9.text(), "0.577");
    click(f().txt9);
    EXPECT_TRUE(f().opt6.value());
    EXPECT_EQ(f().txt9.borderStyle(), 0);
    // Typed over, μ is given directly; the caret stays where the engineer types.
    for (char key : std::string("0.45")) f().txt9.keyPress(key);
    EXPECT_TRUE(f().opt5.value());
    EXPECT_FALSE(f().opt6.value());
    EXPECT_EQ(f().txt9.text(), "0.45");
    EXPECT_EQ(f().txt9.borderStyle(), 1);
    EXPECT_TRUE(focused(f().txt9));
}

TEST_F(ConditionsFields, ClickIntoFoundationPhiLeavesTheKaModeAlone) {
    f().txt15.setText("0.297");
    f().opt2.setValue(true);
    click(f().txt11);
    EXPECT_TRUE(f().opt2.value());
    EXPECT_FALSE(f().opt1.value());
}

TEST_F(ConditionsFields, TypedDeltaIsNeverCountedAsComputed) {
    prog.deltaComputed = 1;
    f().txt10.setText("25.68");
    // A look keeps the computed δ.
    click(f().txt10);
    f().txt10.keyPress(plat::kKeyEnter);
    EXPECT_EQ(prog.deltaComputed, 1);
    f().txt10.setFocus();  // reached by Tab: no click
    f().txt10.keyPress('2');
    EXPECT_EQ(prog.deltaComputed, 0);
}

TEST_F(ConditionsFields, SiteFieldDoubleClickStartsAtThirty) {
    f().txt1.setText("東京都千代田区丸の内一丁目一番一号　ミラノス建設工事第三工区擁壁");
    click(f().txt1);
    f().txt1.DblClick();
    EXPECT_EQ(f().txt1.selStart(), 30);
    EXPECT_EQ(f().txt1.selText(), "擁壁");
    EXPECT_EQ(f().txt1.imeMode(), plat::ImeMode::Hiragana);
    EXPECT_EQ(f().txt2.imeMode(), plat::ImeMode::Off);
}

// ---- the Enter chain ----

struct ChainCase {
    const char* from;
    std::function<void(Form3&)> setup;
    const char* to;
    int border;  // border of the target afterwards; -1 not checked
};

TEST_F(ConditionsFields, EnterChain) {
    auto none = [](Form3&) {};
    auto normal = [](Form3& s) { s.cmd1.press(); };
    auto seismicCase = [](Form3& s) { s.cmd2.press(); };
    auto kaDirect = [](Form3& s) { s.opt1.setValue(true); };
    auto directDisabled = [](Form3& s) { s.cmd5.setEnabled(false); };
    const ChainCase cases[] = {
        {"txt1", none, "txt2", -1},       {"txt2", none, "txt3", -1},       {"txt3", normal, "txt4", -1},
        {"txt3", seismicCase, "txt13", -1}, {"txt13", seismicCase, "txt4", -1}, {"txt4", none, "txt5", -1},
        {"txt5", none, "txt6", -1},       {"txt6", none, "cbo1", -1},       {"cbo1", none, "txt8", -1},
        {"txt8", none, "txt10", -1},      {"txt10", none, "txt12", -1},     {"txt12", none, "cbo2", -1},
        {"cbo2", none, "txt14", -1},      {"txt14", none, "txt11", -1},     {"txt11", none, "opt5", -1},
        {"txt11", kaDirect, "txt9", 1},   {"txt9", none, "cmd5", -1},       {"txt9", kaDirect, "txt15", 1},
        {"txt9", directDisabled, "cmd6", -1}, {"txt15", none, "cmd3", -1},
    };
    for (const ChainCase& c : cases) {
        ScriptedServices services;
        Program program(services);
        registerForms(program);
        program.form<MDIForm1>();
        Form3& s = program.form<Form3>();
        s.show();
        c.setup(s);
        plat::Control& from = *s.control(c.from);
        for (plat::Control* box : {s.control("txt13"), s.control("txt4"), s.control("txt9"), s.control("txt15")})
            static_cast<plat::TextBox*>(box)->setText("1.5");
        from.setFocus();
        int key = plat::kKeyEnter;
        if (from.kind() == plat::ControlKind::TextBox) {
            auto& box = static_cast<plat::TextBox&>(from);
            box.setText("7");
            box.keyPress(key);
            EXPECT_EQ(box.text(), "7") << c.from;
        } else {
            from.keyPress(key);
        }
        plat::Control* target = s.control(c.to);
        EXPECT_EQ(s.activeControl(), target) << c.from << " -> " << c.to;
        if (target->kind() == plat::ControlKind::TextBox) {
            auto& box = static_cast<plat::TextBox&>(*target);
            EXPECT_TRUE(box.text().empty() || box.selText() == box.text()) << c.to;
            if (c.border >= 0) {
                EXPECT_EQ(box.borderStyle(), c.border) << c.to;
            }
        }
    }
}

TEST_F(ConditionsFields, EnterOnTheForwardButtonPressesItAfterTheKaBox) {
    f().txt15.setFocus();
    f().txt15.keyPress(plat::kKeyEnter);
    ASSERT_TRUE(focused(f().cmd3));
    EXPECT_TRUE(svc.messages.empty());
    f().cmd3.keyPress(plat::kKeyEnter);
    EXPECT_EQ(lastError(), "築造地を入力してください。");
}

// The soil type enters no calculation: typing it and Enter, which leaves it as it was,
// drop nothing.
TEST_F(ConditionsFields, SoilListEnterAndTypingInvalidateNothing) {
    makeResultsValid();
    f().cbo1.setFocus();
    f().cbo1.keyPress('a');
    EXPECT_FALSE(stabilityInvalid());
    f().cbo1.keyPress(plat::kKeyEnter);
    EXPECT_TRUE(focused(f().txt8));
    EXPECT_FALSE(stabilityInvalid());
    EXPECT_FALSE(sectionCleared());
    EXPECT_FALSE(toolbarOff());
}

TEST_F(ConditionsFields, SoilListPickInvalidatesTheStabilityResultOnly) {
    makeResultsValid();
    f().cbo2.userPick(1);
    EXPECT_TRUE(stabilityInvalid());
    EXPECT_FALSE(sectionCleared());
    EXPECT_FALSE(toolbarOff());
}

// The soil the results were computed with, picked again from its list, is no change.
TEST_F(ConditionsFields, TheSameSoilPickedAgainKeepsTheResults) {
    f().cbo1.setListIndex(2);
    f().cbo2.setListIndex(3);
    prog.backfillSoilType = f().cbo1.text();
    prog.foundationSoilType = f().cbo2.text();
    for (plat::ComboBox* list : {&f().cbo1, &f().cbo2}) {
        makeResultsValid();
        list->userPick(list->listIndex());
        EXPECT_FALSE(stabilityInvalid()) << list->name();
        EXPECT_TRUE(prog.checkCurrent()) << list->name();
    }
}

// ---- the screen's state, options and buttons ----

using ConditionsScreen = DesignConditionsTest;

TEST_F(ConditionsScreen, NewScreenStartsInItsInitialState) {
    EXPECT_EQ(prog.currentScreen, 1);
    EXPECT_FALSE(f().opt_T.value());
    EXPECT_FALSE(f().opt_D.value());
    EXPECT_TRUE(f().opt3.value());
    EXPECT_FALSE(f().cmd4.enabled());
    EXPECT_TRUE(f().cmd7.enabled());
    EXPECT_EQ(f().txt14.text(), "0");
    EXPECT_EQ(f().txt14.borderStyle(), 0);
    EXPECT_TRUE(f().opt8.value());
    EXPECT_EQ(f().txt9.borderStyle(), 0);
    EXPECT_EQ(f().txt15.borderStyle(), 0);
    EXPECT_EQ(f().txt2.borderStyle(), 1);
    EXPECT_EQ(f().cbo1.items(), (std::vector<std::string>{"岩", "砂利", "砂質土", "シルト", "粘土", "関東ローム", "改良地盤"}));
    EXPECT_EQ(f().cbo2.items(), f().cbo1.items());
    EXPECT_EQ(f().lbl54.caption(), "許容地耐力度（長期）：fe=");
    EXPECT_EQ(f().lbl56.caption(), "コンクリートの設計基準強度：Fc=");
    EXPECT_EQ(f().txt15.width(), 609);
    EXPECT_EQ(f().txt2.width(), 615);
    EXPECT_EQ(f().width(), 10920);
    EXPECT_EQ(f().height(), 6870);
}

TEST_F(ConditionsScreen, NewProjectHidesTheShortTermRowAndForgetsDelta) {
    prog.deltaComputed = 1;
    prog.form<MDIForm1>().FileNew();
    Form3& s = prog.form<Form3>();
    EXPECT_FALSE(s.txt13.visible());
    EXPECT_FALSE(prog.deltaComputed.has_value());
    prog.deltaComputed = 1;
    svc.answers.push_back(plat::MsgResult::OK);
    prog.form<MDIForm1>().Men_FCls_Click();
    EXPECT_FALSE(prog.deltaComputed.has_value());
}

TEST_F(ConditionsScreen, RoadStandardRelabelsAndRefillsTheSoilLists) {
    f().cbo1.setListIndex(1);
    f().cbo2.setText("砂");
    f().txt2.setText("24");
    makeResultsValid();
    f().opt_D.userClick();
    EXPECT_EQ(f().cbo1.text(), "");
    EXPECT_EQ(f().cbo2.text(), "");
    EXPECT_EQ(f().cbo1.items(), (std::vector<std::string>{"岩盤", "礫質土", "砂質土", "粘性土", "関東ローム", "改良地盤"}));
    EXPECT_EQ(f().cbo2.items(), f().cbo1.items());
    EXPECT_EQ(f().lbl56.caption(), "コンクリートの設計基準強度：σck=");
    EXPECT_EQ(f().lbl54.caption(), "地盤の許容支持力度（長期）：qa=");
    EXPECT_EQ(f().lbl10.caption(), "せん断抵抗角：φ=");
    EXPECT_EQ(f().lbl14.caption(), "せん断抵抗角：φ=");
    EXPECT_TRUE(focused(f().txt2));
    EXPECT_TRUE(allSelected(f().txt2));
    EXPECT_TRUE(stabilityInvalid() && toolbarOff() && checkDroppedRowsKept());

    f().opt_T.userClick();
    EXPECT_EQ(f().lbl54.caption(), "地盤の許容応力度（長期）：fe=");
    EXPECT_EQ(f().lbl10.caption(), "内部摩擦角：φ=");
    EXPECT_EQ(f().cbo1.listCount(), 7);
}

TEST_F(ConditionsScreen, NormalCaseAfterSeismicCaseDropsTheSeismicInput) {
    f().opt_T.userClick();
    seismic(&Form25::opt_K1, "0.2", "0.1");
    f().txt13.setText("300");
    prog.rebarAllowShort = 300;
    f().txt10.setText("25.68");
    prog.deltaComputed = 1;
    prog.form<Form7>().opt2.setValue(true);
    ASSERT_FLOAT_EQ(prog.seismicKh, 0.2f);
    makeResultsValid();

    f().cmd1.press();
    EXPECT_TRUE(f().opt3.value());
    EXPECT_FALSE(f().txt13.visible());
    EXPECT_EQ(f().txt13.text(), "");
    EXPECT_EQ(prog.rebarAllowShort, 0);
    EXPECT_EQ(prog.seismicKh, 0);
    EXPECT_EQ(prog.seismicKv, 0);
    EXPECT_FALSE(f().cmd4.enabled());
    EXPECT_FALSE(f().cmd7.enabled());
    EXPECT_TRUE(f().cmd5.enabled());
    EXPECT_TRUE(f().opt1.enabled());
    EXPECT_EQ(f().txt10.text(), "");
    EXPECT_EQ(prog.deltaComputed, 0);
    EXPECT_FALSE(prog.form<Form7>().opt2.value());
    EXPECT_FALSE(prog.isLoaded("Form25"));
    EXPECT_TRUE(stabilityInvalid() && toolbarOff() && checkDroppedRowsKept());

    // A later seismic case needs the method again.
    f().cmd2.press();
    EXPECT_TRUE(f().txt13.visible());
    EXPECT_TRUE(f().cmd4.enabled());
    EXPECT_TRUE(f().cmd7.enabled());
    EXPECT_FALSE(prog.form<Form25>().methodChosen());
}

TEST_F(ConditionsScreen, KaTypedDirectly) {
    makeResultsValid();
    f().txt15.setText("0.3");
    f().cmd5.press();
    EXPECT_TRUE(focused(f().txt15));
    EXPECT_TRUE(allSelected(f().txt15));
    EXPECT_EQ(f().txt15.borderStyle(), 1);
    EXPECT_TRUE(f().opt1.value());
    EXPECT_TRUE(stabilityInvalid());
    EXPECT_TRUE(checkDroppedRowsKept());
    EXPECT_FALSE(toolbarOff());
}

TEST_F(ConditionsScreen, KaComputedByCoulomb) {
    fillAll();
    f().txt15.setText("");
    makeResultsValid();
    f().cmd6.press();
    EXPECT_TRUE(svc.messages.empty());
    // cos²30 / (cos20 · (1 + √(sin50 · sin30 / cos20))²) = 0.29731
    EXPECT_EQ(f().txt15.text(), "0.297");
    EXPECT_EQ(f().txt15.borderStyle(), 0);
    EXPECT_TRUE(f().opt2.value());
    EXPECT_TRUE(focused(f().cmd3));
    EXPECT_TRUE(stabilityInvalid() && toolbarOff() && checkDroppedRowsKept());
}

struct KaRefusal {
    const char* name;
    std::function<void(DesignConditionsTest&, Form3&)> setup;
    const char* message;
    const char* focus;
};

TEST_F(ConditionsScreen, KaComputationRefusesWithoutItsInputs) {
    const KaRefusal cases[] = {
        {"no phi, no standard", [](DesignConditionsTest&, Form3& s) { s.txt8.setText(""); }, "内部摩擦角を入力してください。", "txt8"},
        {"no phi, road",
         [](DesignConditionsTest&, Form3& s) {
             s.opt_D.userClick();
             s.txt8.setText("");
         },
         "せん断抵抗角を入力してください。", "txt8"},
        {"no delta", [](DesignConditionsTest&, Form3& s) { s.txt10.setText(""); }, "壁背面と土との間の壁面摩擦角を入力してください。",
         "txt10"},
        {"no mu", [](DesignConditionsTest&, Form3& s) { s.txt9.setText(""); }, "底盤の摩擦係数を入力してください。", "txt9"},
        {"seismic without a method",
         [](DesignConditionsTest&, Form3& s) {
             s.cmd2.press();  // empties the δ box
             s.txt10.setText("20");
         },
         "地震時水平荷重の計算方法を選択してください。", "cmd4"},
    };
    for (const KaRefusal& c : cases) {
        ScriptedServices services;
        Program program(services);
        registerForms(program);
        program.form<MDIForm1>();
        Form3& s = program.form<Form3>();
        s.show();
        s.txt8.setText("30");
        s.txt9.setText("0.5");
        s.txt10.setText("20");
        program.activeCoefficient = 0.5f;  // a coefficient of an earlier run
        c.setup(*this, s);
        s.txt15.setText("0.4");
        s.opt1.setValue(true);
        services.clear();
        s.cmd6.press();
        ASSERT_EQ(services.messages.size(), 1u) << c.name;
        EXPECT_EQ(services.messages[0].text, c.message) << c.name;
        EXPECT_EQ(services.messages[0].title, "エラーメッセージ") << c.name;
        EXPECT_EQ(s.activeControl(), s.control(c.focus)) << c.name;
        EXPECT_TRUE(s.opt1.value()) << c.name;
        EXPECT_FALSE(s.opt2.value()) << c.name;
        EXPECT_EQ(s.txt15.text(), "0.4") << c.name;
    }
}

TEST_F(ConditionsScreen, KaComputationFaultMarksNothing) {
    fillAll();
    seismic(&Form25::opt_K1, "0.2", "0");
    prog.seismicKv = 1;  // beyond what the dialog takes: θk = atan(Kh / (1 - Kv)) divides by zero
    f().txt10.setText("20");
    ASSERT_TRUE(svc.messages.empty());
    svc.clear();
    f().cmd6.press();
    EXPECT_EQ(lastError(), kCannotComputeMessage);
    EXPECT_FALSE(f().opt2.value());
    EXPECT_EQ(f().txt15.text(), "");
}

TEST_F(ConditionsScreen, MuFromTanPhi) {
    f().txt11.setText("30");
    makeResultsValid();
    f().opt6.userClick();
    EXPECT_EQ(f().txt9.text(), "0.577");
    EXPECT_EQ(f().txt9.borderStyle(), 0);
    EXPECT_TRUE(focused(f().txt9));
    EXPECT_TRUE(allSelected(f().txt9));
    // tan(30 × 3.14159 / 180)
    EXPECT_NEAR(prog.baseFriction, 0.5773497, 1e-6);
    EXPECT_TRUE(stabilityInvalid() && toolbarOff() && checkDroppedRowsKept());
}

TEST_F(ConditionsScreen, MuFromTanPhiNeedsPhiAndMarksNothingOnFailure) {
    f().opt6.userClick();
    EXPECT_EQ(lastError(), "内部摩擦角を入力してください。");
    EXPECT_TRUE(focused(f().txt11));
    EXPECT_FALSE(f().opt6.value());

    svc.clear();
    f().txt9.setText("0.4");
    f().txt11.setText("1e39");  // too large for single precision
    f().opt6.userClick();
    EXPECT_EQ(lastError(), kCannotComputeMessage);
    EXPECT_FALSE(f().opt6.value());
    EXPECT_EQ(f().txt9.text(), "0.4");
}

TEST_F(ConditionsScreen, CohesionOptionsSwitchTheBorder) {
    makeResultsValid();
    f().opt7.userClick();
    EXPECT_EQ(f().txt14.borderStyle(), 1);
    EXPECT_TRUE(focused(f().txt14));
    EXPECT_TRUE(stabilityInvalid() && checkDroppedRowsKept());
    EXPECT_FALSE(toolbarOff());
    f().txt14.setText("10");
    f().opt8.userClick();
    EXPECT_EQ(f().txt14.borderStyle(), 0);
    EXPECT_EQ(f().txt14.text(), "0");
}

TEST_F(ConditionsScreen, MuTypedDirectly) {
    makeResultsValid();
    f().opt5.userClick();
    EXPECT_TRUE(focused(f().txt9));
    EXPECT_EQ(f().txt9.borderStyle(), 1);
    EXPECT_TRUE(stabilityInvalid() && checkDroppedRowsKept());
    EXPECT_FALSE(toolbarOff());
}

TEST_F(ConditionsScreen, DeltaButtonDropsAComputedKa) {
    f().cmd2.press();
    f().txt8.setText("30");
    f().txt15.setText("0.452");
    f().opt2.setValue(true);
    makeResultsValid();
    f().cmd7.press();
    EXPECT_EQ(f().txt10.text(), "0.00");  // Kh = Kv = 0: θk = 0, δ = 0
    EXPECT_EQ(prog.deltaComputed, 1);
    EXPECT_EQ(f().txt15.text(), "");
    EXPECT_FALSE(f().opt2.value());
    EXPECT_TRUE(stabilityInvalid() && toolbarOff() && checkDroppedRowsKept());
}

TEST_F(ConditionsScreen, FreshScreenShowsTheShortTermRowAndNoModes) {
    // Only New hides the short-term row; a screen created otherwise shows it.
    EXPECT_TRUE(f().lbl46.visible());
    EXPECT_TRUE(f().txt13.visible());
    EXPECT_TRUE(f().lbl47.visible());
    EXPECT_EQ(f().cbo1.imeMode(), plat::ImeMode::Hiragana) << "soil types are typed in Japanese";
    EXPECT_EQ(f().cbo2.imeMode(), plat::ImeMode::Hiragana);
    for (plat::OptionButton* o : {&f().opt1, &f().opt2, &f().opt5, &f().opt6, &f().opt4, &f().opt7})
        EXPECT_FALSE(o->value()) << o->name();
    for (const char* name : {"txt1", "txt2", "txt3", "txt13", "txt4", "txt5", "txt6", "txt8", "txt10", "txt12", "txt11"}) {
        auto& box = static_cast<plat::TextBox&>(*f().control(name));
        EXPECT_EQ(box.borderStyle(), 1) << name;
        EXPECT_EQ(box.text(), "") << name;
    }
    EXPECT_EQ(f().lbl19.caption(), "0");
    EXPECT_EQ(f().lbl16.caption(), "0");
    EXPECT_EQ(f().lbl10.caption(), "内部摩擦角：φ=");
    EXPECT_EQ(f().lbl14.caption(), "内部摩擦角：φ=");
}

TEST_F(ConditionsScreen, OnlyTheStandardDependentLabelsAreRightAligned) {
    const std::set<std::string> right{"lbl56", "lbl54", "lbl10", "lbl14"};
    int labels = 0;
    for (const plat::Control* c : f().controls()) {
        if (c->kind() != plat::ControlKind::Label) continue;
        ++labels;
        const auto& label = static_cast<const plat::Label&>(*c);
        EXPECT_EQ(label.alignment() == plat::Align::Right, right.count(label.name()) == 1) << label.name();
    }
    EXPECT_GT(labels, 40);
}

TEST_F(ConditionsScreen, TabOrderFollowsTheScreen) {
    const char* order[] = {"txt1", "txt2", "txt3", "txt13", "txt4", "txt5", "txt6", "cbo1", "txt8", "txt10", "txt12",
                           "cbo2", "txt11", "cmd3", "opt7", "opt8", "txt14", "txt9", "opt5", "opt6", "cmd2", "cmd1",
                           "opt3", "opt4", "cmd6", "cmd5", "opt1", "opt2", "txt15", "cmd4", "opt_T", "opt_D", "cmd7"};
    for (std::size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(f().control(order[i - 1])->tabIndex(), f().control(order[i])->tabIndex()) << order[i];
}

TEST_F(ConditionsScreen, SeismicCaseKeepsTheCoefficientsAndDropsTheNormalMethods) {
    f().opt_T.userClick();
    prog.form<Form14>();
    prog.form<Form25>();
    prog.seismicKh = 0.25f;
    prog.seismicKv = 0.1f;
    prog.deltaComputed = 1;
    f().txt10.setText("20");
    f().txt15.setText("0.3");
    f().opt1.setValue(true);
    prog.form<Form7>().opt1.setValue(true);
    f().txt2.setFocus();
    makeResultsValid();

    f().cmd2.press();
    EXPECT_TRUE(f().opt4.value());
    EXPECT_FALSE(f().opt3.value());
    EXPECT_FALSE(prog.isLoaded("Form14"));
    EXPECT_TRUE(prog.isLoaded("Form25"));
    EXPECT_FLOAT_EQ(prog.seismicKh, 0.25f);
    EXPECT_FLOAT_EQ(prog.seismicKv, 0.1f);
    EXPECT_EQ(f().txt15.text(), "");
    EXPECT_FALSE(f().opt1.value());
    EXPECT_FALSE(f().opt2.value());
    EXPECT_FALSE(prog.form<Form7>().opt1.value());
    EXPECT_EQ(f().txt10.text(), "");
    EXPECT_EQ(prog.deltaComputed, 0);
    EXPECT_TRUE(f().cmd4.enabled());
    EXPECT_TRUE(f().cmd7.enabled());
    EXPECT_TRUE(f().txt13.visible());
    EXPECT_TRUE(focused(f().txt2));  // the button moves no focus
    EXPECT_TRUE(stabilityInvalid() && toolbarOff() && checkDroppedRowsKept());
    EXPECT_FALSE(prog.form<Form4>().visible());
}

TEST_F(ConditionsScreen, ActivationHidesTheLaterScreens) {
    prog.form<Form4>().show();
    prog.form<Form7>().show();
    f().show();
    EXPECT_EQ(prog.currentScreen, 1);
    EXPECT_FALSE(prog.form<Form4>().visible());
    EXPECT_FALSE(prog.form<Form7>().visible());
}

}  // namespace
