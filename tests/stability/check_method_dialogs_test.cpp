#include "stability/check_method_dialogs.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/seismic_dialog.h"
#include "stability/dimension_screen.h"
#include "support/choice_input.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

const char* const kNoOverturning = "転倒に対する検討方法をチェックして下さい。";
const char* const kNoSliding = "滑動に対する検討方法をチェックして下さい。";
const char* const kNoEffectiveArea = "底版の有効載荷面積に対する検討方法をチェックして下さい。";
const char* const kNoHeight = "上載荷重の慣性力の作用位置を入力して下さい。";
const char* const kHeightNoNumber = "上載荷重の慣性力の作用位置は数値で入力してください。";

struct CheckMethodDialogs : ProgramTest {
    void SetUp() override {
        prog.form<Form3>();  // the design conditions come first, with their normal case
        prog.form<Form4>().show();
    }

    // Shows the dialog modal and runs `inside` while it is open.
    template <class D>
    void whileShown(std::function<void(D&)> inside) {
        svc.modalScripts.push_back([this, inside](plat::Form&) { inside(prog.form<D>()); });
        prog.form<D>().showModal();
    }
};

// ---- Normal case ----

struct Form14Case {
    const char* name;
    std::vector<const char*> options;
    float cohesion;
    const char* message;  // nullptr: accepted
};

class Form14Ok : public CheckMethodDialogs, public ::testing::WithParamInterface<Form14Case> {};

TEST_P(Form14Ok, ChecksInOrder) {
    const Form14Case& c = GetParam();
    prog.foundationCohesion = c.cohesion;
    whileShown<Form14>([&](Form14& d) {
        for (const char* o : c.options) static_cast<plat::OptionButton*>(d.control(o))->userClick();
        d.cmd1.press();
    });
    ASSERT_TRUE(prog.isLoaded("Form14"));
    Form14& d = prog.form<Form14>();
    if (c.message) {
        ASSERT_EQ(svc.messages.size(), 1u);
        EXPECT_EQ(svc.messages[0].text, c.message);
        EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
        EXPECT_EQ(svc.messages[0].buttons, plat::MsgButtons::OK);
    } else {
        EXPECT_TRUE(svc.messages.empty());
        EXPECT_FALSE(d.visible());
        EXPECT_TRUE(prog.form<Form4>().cmd3.hasFocus());
        // The choices stay in the hidden dialog.
        for (const char* o : c.options) EXPECT_TRUE(static_cast<plat::OptionButton*>(d.control(o))->value()) << o;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Form14Ok,
    ::testing::Values(Form14Case{"Nothing", {}, 0, kNoOverturning},
                      Form14Case{"OnlyArea", {"opt4"}, 10, kNoOverturning},
                      Form14Case{"CohesionWithoutArea", {"opt2"}, 10, kNoEffectiveArea},
                      Form14Case{"NoCohesion", {"opt3"}, 0, nullptr},
                      Form14Case{"Combined", {"opt6", "opt5"}, 10, nullptr},
                      Form14Case{"Deduct", {"opt1", "opt4"}, 0.5f, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckMethodDialogs, Form14CancelDropsEveryChoiceAndTheResult) {
    prog.form<Form14>().opt1.userClick();
    prog.form<Form14>().opt4.userClick();
    prog.form<Form14>().cmd1.press();  // confirmed earlier
    fixture::standStabilityResult(prog);
    prog.form<Form4>().lbl57.setVisible(true);

    whileShown<Form14>([](Form14& d) { d.cmd2.press(); });

    EXPECT_FALSE(prog.isLoaded("Form14"));
    EXPECT_FALSE(prog.form<Form14>().opt1.value());
    EXPECT_FALSE(prog.form<Form14>().opt4.value());
    EXPECT_EQ(prog.sigmaMax, 0.0f);
    EXPECT_FALSE(prog.form<Form4>().lbl57.visible());
}

TEST_F(CheckMethodDialogs, CancelWithoutAChoiceKeepsTheResult) {
    fixture::standStabilityResult(prog);
    whileShown<Form14>([](Form14& d) { d.cmd2.press(); });
    EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax);
    whileShown<Form21>([](Form21& d) { d.cmd2.press(); });
    EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax);
}

TEST_F(CheckMethodDialogs, CloseBoxActsAsCancel) {
    whileShown<Form21>([this](Form21& d) {
        d.opt2.userClick();
        fixture::standStabilityResult(prog);
        EXPECT_TRUE(d.hasCloseBox());
        d.userClose();
    });
    EXPECT_FALSE(prog.isLoaded("Form21"));
    EXPECT_EQ(prog.sigmaMax, 0.0f);
}

TEST_F(CheckMethodDialogs, EveryOptionInvalidatesOnlyTheStabilityResult) {
    Form14& normal = prog.form<Form14>();
    Form21& seismic = prog.form<Form21>();
    std::vector<plat::OptionButton*> options{&normal.opt1, &normal.opt2, &normal.opt3, &normal.opt4, &normal.opt5,
                                             &normal.opt6};
    for (plat::OptionButton* o : {&seismic.opt1, &seismic.opt2, &seismic.opt3, &seismic.opt4, &seismic.opt5,
                                  &seismic.opt6, &seismic.opt7, &seismic.opt8, &seismic.opt9, &seismic.opt10})
        options.push_back(o);
    plat::Toolbar& bar = prog.form<MDIForm1>().Toolbar1;
    for (plat::OptionButton* o : options) {
        fixture::standStabilityResult(prog);
        button(bar, ToolbarButton::Preview).enabled = true;
        o->userClick();
        EXPECT_EQ(prog.sigmaMax, 0.0f) << o->form().name() << "." << o->name();
        EXPECT_TRUE(button(bar, ToolbarButton::Preview).enabled) << o->name();
    }
}

TEST_F(CheckMethodDialogs, ButtonPreparesTheEffectiveAreaChoiceByCohesion) {
    prog.form<Form14>().opt4.setValue(true);
    prog.foundationCohesion = 0;
    svc.modalScripts.push_back([](plat::Form& f) {
        auto& d = static_cast<Form14&>(f);
        EXPECT_FALSE(d.opt4.value());
        EXPECT_FALSE(d.opt4.enabled());
        EXPECT_FALSE(d.opt5.enabled());
        EXPECT_FALSE(d.lbl1.enabled());
        d.opt3.userClick();
        d.cmd1.press();
    });
    openCheckMethodDialog(prog);
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form14"});

    prog.foundationCohesion = 12;
    svc.modalScripts.push_back([](plat::Form& f) {
        auto& d = static_cast<Form14&>(f);
        EXPECT_TRUE(d.opt4.enabled());
        EXPECT_TRUE(d.opt5.enabled());
        EXPECT_TRUE(d.lbl1.enabled());
        EXPECT_FALSE(d.opt4.value());
        EXPECT_TRUE(d.opt3.value());  // the earlier choice is shown again
    });
    openCheckMethodDialog(prog);
    EXPECT_EQ(svc.modals.size(), 2u);
}

TEST_F(CheckMethodDialogs, ButtonOpensTheDialogOfTheLoadCase) {
    openCheckMethodDialog(prog);  // a new conditions screen has the normal case
    prog.form<Form3>().opt4.setValue(true);
    openCheckMethodDialog(prog);
    prog.form<Form3>().opt4.setValue(false);
    openCheckMethodDialog(prog);  // neither case: nothing
    EXPECT_EQ(svc.modals, (std::vector<std::string>{"Form14", "Form21"}));
}

// ---- Seismic case ----

struct Form21Case {
    const char* name;
    std::vector<const char*> options;
    float cohesion;
    bool inertia;
    const char* height;
    const char* message;  // nullptr: accepted
    float storedHeight;
};

class Form21Ok : public CheckMethodDialogs, public ::testing::WithParamInterface<Form21Case> {};

TEST_P(Form21Ok, ChecksInOrder) {
    const Form21Case& c = GetParam();
    prog.foundationCohesion = c.cohesion;
    prog.surchargeInertiaHeight = 7;
    whileShown<Form21>([&](Form21& d) {
        for (const char* o : c.options) static_cast<plat::OptionButton*>(d.control(o))->userClick();
        if (c.inertia) {
            d.chk1.setEnabled(true);
            d.chk1.userClick();
            d.txt1.setText(c.height);
        }
        d.cmd1.setFocus();
        d.cmd1.press();
        if (c.message == kNoHeight || c.message == kHeightNoNumber) {
            EXPECT_TRUE(d.txt1.hasFocus());
        } else if (c.message) {
            EXPECT_TRUE(d.cmd1.hasFocus());
        }
    });
    Form21& d = prog.form<Form21>();
    if (c.message) {
        ASSERT_EQ(svc.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
        EXPECT_EQ(prog.surchargeInertiaHeight, 7.0f);
    } else {
        EXPECT_TRUE(svc.messages.empty());
        EXPECT_FALSE(d.visible());
        EXPECT_TRUE(prog.isLoaded("Form21"));
        EXPECT_TRUE(prog.form<Form4>().cmd3.hasFocus());
        EXPECT_EQ(prog.surchargeInertiaHeight, c.storedHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Form21Ok,
    ::testing::Values(
        Form21Case{"Nothing", {}, 0, false, "", kNoOverturning, 0},
        Form21Case{"SlidingOnly", {"opt5", "opt7"}, 10, false, "", kNoOverturning, 0},
        Form21Case{"NoSliding", {"opt9"}, 10, false, "", kNoSliding, 0},
        Form21Case{"CohesionWithoutArea", {"opt1", "opt6"}, 10, false, "", kNoEffectiveArea, 0},
        Form21Case{"InertiaWithoutHeight", {"opt4", "opt5"}, 0, true, "", kNoHeight, 0},
        Form21Case{"NoCohesion", {"opt10", "opt6"}, 0, false, "", nullptr, 0},
        Form21Case{"HeightWithUnit", {"opt3", "opt5", "opt8"}, 10, true, "2.5m", kHeightNoNumber, 0},
        Form21Case{"Height", {"opt3", "opt5", "opt8"}, 10, true, "2.5", nullptr, 2.5f},
        Form21Case{"BlankHeightReadsZero", {"opt2", "opt5"}, 0, true, " ", nullptr, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckMethodDialogs, InertiaBoxEnablesAndClearsItsHeight) {
    Form21& d = prog.form<Form21>();
    EXPECT_FALSE(d.chk1.enabled());
    EXPECT_FALSE(d.txt1.enabled());
    d.chk1.setEnabled(true);
    fixture::standStabilityResult(prog);
    d.chk1.userClick();
    EXPECT_TRUE(d.txt1.enabled());
    EXPECT_TRUE(d.lbl2.enabled());
    EXPECT_TRUE(d.lbl3.enabled());
    EXPECT_EQ(prog.sigmaMax, 0.0f);
    d.txt1.setText("3.0");
    fixture::standStabilityResult(prog);
    d.chk1.userClick();
    EXPECT_EQ(d.txt1.text(), "");
    EXPECT_FALSE(d.txt1.enabled());
    EXPECT_FALSE(d.lbl2.enabled());
    EXPECT_FALSE(d.lbl3.enabled());
    EXPECT_EQ(prog.sigmaMax, 0.0f);
}

TEST_F(CheckMethodDialogs, InertiaBoxFollowsTheSeismicMethod) {
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Seismic});
    Form21& d = prog.form<Form21>();
    d.chk1.setEnabled(true);
    d.chk1.userClick();
    d.txt1.setText("1.5");

    choice_input::setDesignChoices(prog, {.seismicMethod = SeismicMethod::K2});
    openCheckMethodDialog(prog);
    EXPECT_TRUE(d.chk1.enabled());
    EXPECT_EQ(d.chk1.value(), 1);
    EXPECT_EQ(d.txt1.text(), "1.5");

    choice_input::setDesignChoices(prog, {.seismicMethod = SeismicMethod::K1});
    fixture::standStabilityResult(prog);
    openCheckMethodDialog(prog);
    EXPECT_FALSE(d.chk1.enabled());
    EXPECT_EQ(d.chk1.value(), 0);
    EXPECT_EQ(d.txt1.text(), "");
    EXPECT_FALSE(d.txt1.enabled());
    EXPECT_EQ(prog.sigmaMax, 0.0f);
}

// A new height drops the stability result; a look at the box (a click, Enter) does not.
TEST_F(CheckMethodDialogs, HeightFieldEditInvalidatesAndEnterMovesToOk) {
    whileShown<Form21>([this](Form21& d) {
        d.chk1.setEnabled(true);
        d.chk1.userClick();
        d.txt1.setFocus();
        fixture::standStabilityResult(prog);
        d.txt1.keyPress('2');
        EXPECT_EQ(prog.sigmaMax, 0.0f);
        fixture::standStabilityResult(prog);
        d.txt1.setFocus();
        d.txt1.Click();
        d.txt1.keyPress(plat::kKeyEnter);
        EXPECT_TRUE(d.cmd1.hasFocus());
        EXPECT_EQ(d.txt1.text(), "2");
        EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax);
    });
    EXPECT_TRUE(svc.messages.empty());  // Enter is not a press of "ＯＫ"
}

// A height no number of the program can hold is asked for again instead of ending the program.
TEST_F(CheckMethodDialogs, HeightTooLargeIsAskedForAgain) {
    prog.surchargeInertiaHeight = 1.5f;
    whileShown<Form21>([this](Form21& d) {
        d.opt1.setValue(true);
        d.opt5.setValue(true);
        d.chk1.setEnabled(true);
        d.chk1.userClick();
        d.txt1.setText("1e39");
        d.cmd1.press();
        ASSERT_EQ(svc.messages.size(), 1u);
        EXPECT_EQ(svc.messages[0],
                  plat::MessageRequest::fromStyle("上載荷重の慣性力の作用位置は0または0.01以上1000m以下で入力してください。", plat::msg::kOk,
                                                  "エラーメッセージ"));
        EXPECT_TRUE(d.txt1.hasFocus());
        EXPECT_EQ(d.txt1.selText(), "1e39");
        EXPECT_TRUE(d.visible());
        d.cmd2.press();
    });
    EXPECT_EQ(prog.surchargeInertiaHeight, 1.5f);
}

TEST_F(CheckMethodDialogs, OpensWithTheFocusOfItsTabOrder) {
    whileShown<Form14>([](Form14& d) { EXPECT_TRUE(d.opt1.hasFocus()); });
    whileShown<Form21>([](Form21& d) { EXPECT_TRUE(d.cmd1.hasFocus()); });
}

// ---- The choices in words ----

TEST_F(CheckMethodDialogs, NothingChosenWhileTheDialogsAreNotLoaded) {
    const CheckMethods m = checkMethods(prog);
    EXPECT_EQ(m.normalOverturning, OverturningMethod::None);
    EXPECT_EQ(m.seismicOverturning, OverturningMethod::None);
    EXPECT_EQ(m.seismicSliding, SlidingMethod::None);
    EXPECT_FALSE(m.deduction());
    EXPECT_FALSE(m.noDeduction());
    EXPECT_EQ(m.surchargeInertia, SurchargeInertia::Off);
    EXPECT_FALSE(prog.isLoaded("Form14"));
    EXPECT_FALSE(prog.isLoaded("Form21"));
}

TEST_F(CheckMethodDialogs, EachOptionReadsAsItsMethod) {
    struct Row {
        bool seismic;
        const char* option;
        OverturningMethod method;
    };
    using O = OverturningMethod;
    const Row rows[] = {{false, "opt1", O::Factor15},      {false, "opt2", O::ResultantB3},
                        {false, "opt3", O::EccentricityB6}, {false, "opt6", O::Factor15AndB6},
                        {true, "opt1", O::Factor10},        {true, "opt2", O::Factor12},
                        {true, "opt3", O::EccentricityB2},  {true, "opt4", O::EccentricityB3},
                        {true, "opt9", O::Factor10AndB2},   {true, "opt10", O::Factor12AndB3}};
    for (const Row& r : rows) {
        plat::Form& dialog = r.seismic ? static_cast<plat::Form&>(prog.form<Form21>()) : prog.form<Form14>();
        static_cast<plat::OptionButton*>(dialog.control(r.option))->setValue(true);
        const CheckMethods m = checkMethods(prog);
        EXPECT_EQ(r.seismic ? m.seismicOverturning : m.normalOverturning, r.method) << r.option;
    }
    prog.form<Form21>().opt6.setValue(true);
    EXPECT_EQ(checkMethods(prog).seismicSliding, SlidingMethod::Factor12);
    prog.form<Form21>().opt5.setValue(true);
    EXPECT_EQ(checkMethods(prog).seismicSliding, SlidingMethod::Factor10);
    // Either dialog's button counts, whatever the load case; "no deduction" in either wins.
    prog.form<Form14>().opt4.setValue(true);
    EXPECT_TRUE(checkMethods(prog).deduction());
    EXPECT_FALSE(checkMethods(prog).noDeduction());
    prog.form<Form21>().opt8.setValue(true);
    EXPECT_TRUE(checkMethods(prog).noDeduction());
    prog.form<Form21>().chk1.setValue(1);
    EXPECT_EQ(checkMethods(prog).surchargeInertia, SurchargeInertia::On);
}

}  // namespace
