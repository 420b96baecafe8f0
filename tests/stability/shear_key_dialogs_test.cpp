#include "stability/shear_key_dialogs.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/main_window.h"
#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "stability/stability_fault.h"
#include "support/choice_input.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

struct ShearKeyDialogs : ProgramTest {
    void SetUp() override {
        prog.form<Form4>().show();
    }

    // A stability result as the judgement panel leaves it.
    void showResult() {
        fixture::standStabilityResult(prog);
        Form4& s = prog.form<Form4>();
        for (plat::Label* l : {&s.lbl64, &s.lbl65, &s.lbl66, &s.lbl68, &s.lbl69, &s.lbl70}) {
            l->setCaption("x");
            l->setVisible(true);
        }
        s.lbl67.setVisible(true);
    }

    template <class D>
    void whileShown(std::function<void(D&)> inside) {
        svc.modalScripts.push_back([this, inside](plat::Form&) { inside(prog.form<D>()); });
        prog.form<D>().showModal();
    }
};

struct CalcCase {
    const char* name;
    const char* height;
    const char* position;
    const char* width;
    const char* message;  // nullptr: accepted
    const char* focus;
};

class KeyCalculation : public ShearKeyDialogs, public ::testing::WithParamInterface<CalcCase> {};

TEST_P(KeyCalculation, ChecksTheFieldsInOrder) {
    const CalcCase& c = GetParam();
    for (bool building : {true, false}) {
        svc.clear();
        showResult();
        ShearKeyDialog& d = building ? static_cast<ShearKeyDialog&>(prog.form<Form19>()) : prog.form<Form26>();
        d.txt1.setText(c.height);
        d.txt2.setText(c.position);
        d.txt3.setText(c.width);
        fixture::standStabilityResult(prog);
        svc.modalScripts.push_back([&](plat::Form&) {
            d.cmd1.setFocus();
            d.cmd1.press();
            if (c.message) {
                EXPECT_TRUE(d.visible());
                EXPECT_EQ(d.activeControl()->name(), c.focus);
                auto& box = static_cast<plat::TextBox&>(*d.control(c.focus));
                EXPECT_EQ(box.selText(), box.text());
            }
        });
        d.showModal();
        if (c.message) {
            ASSERT_EQ(svc.messageTexts(), std::vector<std::string>{c.message}) << d.name();
            EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
            EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax);
            continue;
        }
        EXPECT_TRUE(svc.messages.empty());
        EXPECT_FALSE(d.visible());
        Form4& s = prog.form<Form4>();
        EXPECT_FALSE(s.lbl67.visible());
        for (plat::Label* l : {&s.lbl64, &s.lbl65, &s.lbl66, &s.lbl68, &s.lbl69, &s.lbl70}) EXPECT_EQ(l->caption(), "");
        // The key changed the calculation: nothing counts until the next check.
        EXPECT_EQ(prog.sigmaMax, 0.0f);
        // Both standards: on "安定性の検討", which judges the key.
        EXPECT_TRUE(s.cmd3.hasFocus()) << d.name();
        EXPECT_EQ(d.txt1.text(), c.height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyCalculation,
    ::testing::Values(CalcCase{"Empty", "", "", "", "突起の高さを入力してください。", "txt1"},
                      CalcCase{"OnlyHeight", "0.4", "", "", "突起の位置を入力してください。", "txt2"},
                      CalcCase{"NoWidth", "0.4", "1.2", "", "突起の巾を入力してください。", "txt3"},
                      CalcCase{"NoPositionButWidth", "0.4", "", "0.4", "突起の位置を入力してください。", "txt2"},
                      CalcCase{"NegativeHeight", "-0.4", "1.2", "0.4", "突起の高さは0または0.01以上1000m以下で入力してください。", "txt1"},
                      CalcCase{"HugePosition", "0.4", "1e30", "0.4", "突起の位置は0または0.01以上1000m以下で入力してください。", "txt2"},
                      CalcCase{"FullWidthNegativeWidth", "0.4", "1.2", "－０．４", "突起の巾は0.01以上1000m以下で入力してください。",
                               "txt3"},
                      CalcCase{"PositionThatIsNoNumber", "0.4", "1,2", "0.4", "突起の位置は数値で入力してください。", "txt2"},
                      CalcCase{"ZeroWidth", "0.4", "1.2", "0", "突起の巾は0.01以上1000m以下で入力してください。", "txt3"},
                      CalcCase{"BlankIsFilled", " ", " ", "0.4", nullptr, ""},
                      CalcCase{"All", "0.4", "1.2", "0.4", nullptr, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShearKeyDialogs, CancelAndCloseBoxKeepTheTypedValues) {
    whileShown<Form19>([](Form19& d) {
        d.txt1.setText("0.5");
        d.cmd2.press();
    });
    EXPECT_TRUE(prog.isLoaded("Form19"));
    EXPECT_FALSE(prog.form<Form19>().visible());
    EXPECT_EQ(prog.form<Form19>().txt1.text(), "0.5");
    whileShown<Form26>([](Form26& d) {
        d.txt2.setText("1.1");
        d.userClose();
    });
    EXPECT_TRUE(prog.isLoaded("Form26"));
    EXPECT_EQ(prog.form<Form26>().txt2.text(), "1.1");
}

// A click changes nothing: the panel and the key's section row stay as they are.
TEST_F(ShearKeyDialogs, ClickIntoAFieldDropsNothing) {
    prog.form<Form26>().txt3.setText("0.45");
    Form7& section = prog.form<Form7>();
    section.txt10.setText("200");
    section.lbl_rj.setCaption("150");
    for (plat::Label* l : {&section.lbl37, &section.lbl38, &section.lbl39, &section.lbl40}) l->setCaption("1");
    section.cbo10.setText("D13");
    showResult();
    Form4& s = prog.form<Form4>();
    s.lbl57.setVisible(true);
    s.lbl67.setVisible(true);
    whileShown<Form26>([](Form26& d) {
        d.txt3.setSelStart(0);
        d.txt3.Click();
        EXPECT_EQ(d.txt3.selLength(), 4);
    });
    EXPECT_TRUE(s.lbl67.visible());
    EXPECT_EQ(s.lbl64.caption(), "x");
    EXPECT_TRUE(s.lbl57.visible());
    EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax);
    EXPECT_EQ(section.txt10.text(), "200");
    EXPECT_EQ(section.lbl_rj.caption(), "150");
    EXPECT_EQ(section.lbl40.caption(), "1");
    EXPECT_EQ(section.cbo10.text(), "D13");
}

TEST_F(ShearKeyDialogs, TypingIntoAFieldInvalidatesTheResult) {
    whileShown<Form19>([this](Form19& d) {
        d.txt2.setFocus();
        fixture::standStabilityResult(prog);
        d.txt2.keyPress('1');
        EXPECT_EQ(prog.sigmaMax, 0.0f);
        fixture::standStabilityResult(prog);
        d.txt2.keyPress(plat::kKeyEnter);  // moves on, changes nothing
        EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax);
    });
}

TEST_F(ShearKeyDialogs, EnterChainHeightWidthPositionCalculate) {
    whileShown<Form19>([](Form19& d) {
        EXPECT_TRUE(d.txt1.hasFocus());  // opens in the height field
        d.txt2.setText("1.25");
        d.txt3.setText("0.4");
        d.txt1.keyPress(plat::kKeyEnter);
        EXPECT_TRUE(d.txt3.hasFocus());
        EXPECT_EQ(d.txt3.selLength(), 3);
        d.txt3.keyPress(plat::kKeyEnter);
        EXPECT_TRUE(d.txt2.hasFocus());
        EXPECT_EQ(d.txt2.selLength(), 4);
        d.txt2.keyPress(plat::kKeyEnter);
        EXPECT_TRUE(d.cmd1.hasFocus());
        EXPECT_EQ(d.txt2.text(), "1.25");
    });
    EXPECT_TRUE(svc.messages.empty());  // arriving at "計算" does not press it
    whileShown<Form26>([](Form26& d) { EXPECT_TRUE(d.txt1.hasFocus()); });
}

// Both dialogs open in the height field with its text selected, at every opening, so that
// what the engineer types replaces the height (and Enter does not cancel).
TEST_F(ShearKeyDialogs, EveryOpeningStartsInTheHeightField) {
    for (Standard standard : {Standard::Building, Standard::Road}) {
        choice_input::setDesignChoices(prog, {standard});
        prog.baseWidth = 3.6f;
        for (int opening = 0; opening < 2; ++opening) {
            svc.modalScripts.push_back([opening](plat::Form& f) {
                auto& d = static_cast<ShearKeyDialog&>(f);
                EXPECT_TRUE(d.txt1.hasFocus()) << f.name() << " opening " << opening;
                EXPECT_EQ(d.txt1.selText(), "0.4") << f.name() << " opening " << opening;
                // Typed over, then on to "計算", which is pressed by the next Enter.
                d.txt1.keyPress('0');
                d.txt1.keyPress('.');
                d.txt1.keyPress('4');
                d.txt1.keyPress(plat::kKeyEnter);
                d.txt3.keyPress(plat::kKeyEnter);
                d.txt2.keyPress(plat::kKeyEnter);
                d.cmd1.keyPress(plat::kKeyEnter);
            });
            ShearKeyDialog& dialog = standard == Standard::Building ? static_cast<ShearKeyDialog&>(prog.form<Form19>())
                                                                    : static_cast<ShearKeyDialog&>(prog.form<Form26>());
            dialog.txt1.setText("0.4");
            dialog.txt2.setText("1.5");
            dialog.txt3.setText("0.4");
            openShearKeyDialog(prog);
            EXPECT_FALSE(dialog.visible()) << "計算 closed it";
        }
    }
    EXPECT_TRUE(svc.messages.empty());
}

TEST_F(ShearKeyDialogs, GuideValuesFromTheBaseWidth) {
    choice_input::setDesignChoices(prog, {Standard::Building});
    prog.baseWidth = 3.6f;
    prog.eccentricity = 0.1f;
    openShearKeyDialog(prog);
    Form19& d = prog.form<Form19>();
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form19"});
    EXPECT_EQ(d.lbl1.caption(), "3.600");
    EXPECT_EQ(d.lbl2.caption(), "0.360");
    EXPECT_EQ(d.lbl3.caption(), "0.540");
    EXPECT_EQ(d.lbl4.caption(), "1.200");
    EXPECT_EQ(d.lbl5.caption(), "2.400");
    // B/2 ± B/6 is stored single before it is formatted: 1/3 of 2.0 reads 0.667 and 1.333.
    prog.baseWidth = 2.0f;
    openShearKeyDialog(prog);
    EXPECT_EQ(d.lbl4.caption(), "0.667");
    EXPECT_EQ(d.lbl5.caption(), "1.333");
    EXPECT_EQ(d.lbl3.caption(), "0.300");
}

TEST_F(ShearKeyDialogs, OpensTheDialogOfTheDesignStandard) {
    prog.baseWidth = 3;
    openShearKeyDialog(prog);  // no standard: nothing
    EXPECT_TRUE(svc.modals.empty());
    choice_input::setDesignChoices(prog, {Standard::Road});
    openShearKeyDialog(prog);
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form26"});
    EXPECT_FALSE(prog.form<Form26>().canvas().ops().empty());
}

TEST_F(ShearKeyDialogs, ReopeningShowsOnlyTheNewSketch) {
    choice_input::setDesignChoices(prog, {Standard::Building});
    prog.baseWidth = 3;
    prog.eccentricity = 0.2f;
    openShearKeyDialog(prog);
    prog.eccentricity = -0.2f;
    openShearKeyDialog(prog);
    std::vector<plat::DrawOp> texts;
    for (const plat::DrawOp& op : prog.form<Form19>().canvas().ops())
        if (op.kind == plat::DrawOp::Text) texts.push_back(op);
    EXPECT_EQ(texts.size(), 6u);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().text, "σmax");
    EXPECT_EQ(texts.front().x1, 3650);  // the mirrored sketch of the second opening
}

TEST_F(ShearKeyDialogs, SketchFaultOpensNoDialog) {
    choice_input::setDesignChoices(prog, {Standard::Building});
    prog.baseWidth = 0;
    prog.eccentricity = 0;
    EXPECT_THROW(openShearKeyDialog(prog), num::CalcFault);
    EXPECT_TRUE(svc.modals.empty());
}

// A wall the engine cannot compute (nothing entered): the command reports once, no result
// counts, saving, preview and print are off, and no dialog opens.
TEST_F(ShearKeyDialogs, EngineFaultIsReportedAndLeavesNoResult) {
    choice_input::setDesignChoices(prog, {Standard::Building});
    plat::Toolbar& bar = prog.form<MDIForm1>().Toolbar1;
    for (ToolbarButton command : kReportCommandButtons) button(bar, command).enabled = true;
    showResult();
    prog.form<Form4>().lbl57.setVisible(true);

    calculateShearKey(prog);

    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, kStabilityFaultMessage);
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_TRUE(svc.modals.empty());
    EXPECT_EQ(prog.sigmaMax, 0.0f);
    EXPECT_FALSE(prog.form<Form4>().lbl57.visible());
    for (ToolbarButton command : kReportCommandButtons)
        EXPECT_FALSE(button(bar, command).enabled) << static_cast<int>(command);
}

TEST_F(ShearKeyDialogs, HiddenCohesionBoxAndDialogCaptions) {
    for (ShearKeyDialog* d : {static_cast<ShearKeyDialog*>(&prog.form<Form19>()),
                              static_cast<ShearKeyDialog*>(&prog.form<Form26>())}) {
        EXPECT_EQ(d->kind(), plat::FormKind::Dialog);
        EXPECT_EQ(d->caption(), "ミラノス");
        EXPECT_FALSE(d->chk1.visible());
        EXPECT_EQ(d->cmd1.caption(), "計算");
    }
    EXPECT_EQ(prog.form<Form19>().Label19.caption(), "B1=");
    EXPECT_EQ(prog.form<Form26>().Label19.caption(), "L1=");
}

// A key value refused at the dialog's "計算" and left there by キャンセル or the close box
// never reaches a judgement: "安定性の検討" refuses it with the dialog's message and opens
// the dialog on it.
TEST(KeyValuesLeftInTheDialog, AreRefusedByTheStabilityCheck) {
    struct Case {
        const char* box;
        const char* text;
        bool closeBox;
        const char* message;
        const char* fixed;  // the wall's own value
    };
    const Case cases[] = {
        {"txt2", "1e30", false, "突起の位置は0または0.01以上1000m以下で入力してください。", "1.5"},
        {"txt2", "-5", true, "突起の位置は0または0.01以上1000m以下で入力してください。", "1.5"},
        {"txt3", "0", false, "突起の巾は0.01以上1000m以下で入力してください。", "0.3"},
        {"txt1", "2,8", true, "突起の高さは数値で入力してください。", "0.3"},
        {"txt3", "", false, "突起の巾を入力してください。", "0.3"},
    };
    for (const Case& c : cases) {
        ProgramWithMainWindow run;
        Program& p = run.prog;
        fixture::placeStability(p, fixture::Wall::HeelToeKey);
        ASSERT_TRUE(p.hasResult());
        Form4& screen = p.form<Form4>();
        const std::string before = screen.lbl65.caption();
        run.svc.modalScripts.push_back([&](plat::Form& shown) {
            auto& dialog = static_cast<Form19&>(shown);
            // Typed: the text arrives as a paste over the box's own.
            auto& box = static_cast<plat::TextBox&>(*dialog.control(c.box));
            box.setFocus();
            box.userEdit(c.text, static_cast<int>(std::string(c.text).size()), 0);
            dialog.cmd1.press();
            EXPECT_TRUE(dialog.visible()) << c.text;
            if (c.closeBox)
                dialog.closeBoxPressed();
            else
                dialog.cmd2.press();
        });
        screen.cmd5.press();
        ASSERT_EQ(run.svc.messageTexts(), std::vector<std::string>{c.message}) << c.text;
        run.svc.clear();
        screen.cmd3.press();
        EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{c.message}) << c.text;
        EXPECT_FALSE(p.hasResult()) << c.text;
        EXPECT_FALSE(screen.lbl66.visible()) << c.text;
        // The dialog opens on the box, to be corrected there.
        ASSERT_FALSE(run.svc.modals.empty()) << c.text;
        EXPECT_EQ(run.svc.modals.back(), "Form19") << c.text;
        EXPECT_EQ(p.form<Form19>().activeControl(), p.form<Form19>().control(c.box)) << c.text;
        // Put right in the dialog, the check judges again.
        static_cast<plat::TextBox*>(p.form<Form19>().control(c.box))->setText(c.fixed);
        run.svc.clear();
        screen.cmd3.press();
        EXPECT_TRUE(run.svc.messages.empty()) << c.text << ": " << run.svc.messageTexts()[0];
        EXPECT_TRUE(p.hasResult()) << c.text;
        EXPECT_EQ(screen.lbl65.caption(), before) << c.text;
    }
}

}  // namespace
