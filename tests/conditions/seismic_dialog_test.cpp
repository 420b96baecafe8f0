#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "app/forms.h"
#include "common/calc_fault.h"
#include "conditions_fixture.h"

namespace {

using SeismicDialog = DesignConditionsTest;

TEST_F(SeismicDialog, OpeningPreparesTheDialogForTheStandard) {
    Form25& fresh = prog.form<Form25>();
    EXPECT_EQ(fresh.Label7.caption(), "設計水平震度　Kh=");
    EXPECT_FALSE(fresh.frm1.visible());
    EXPECT_EQ(fresh.caption(), "ミラノス");
    EXPECT_EQ(fresh.kind(), plat::FormKind::Dialog);

    f().opt_D.userClick();
    f().cmd2.press();
    f().cmd4.press();
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form25"});
    EXPECT_TRUE(prog.form<Form25>().frm1.visible());
    EXPECT_EQ(prog.form<Form25>().Label7.caption(), "設計水平震度標準値 Kho=");

    f().opt_T.userClick();
    f().cmd4.press();
    EXPECT_FALSE(prog.form<Form25>().frm1.visible());
    EXPECT_EQ(prog.form<Form25>().Label7.caption(), "設計水平震度  Kh=");
}

struct OkRefusal {
    const char* name;
    Standard standard;
    std::function<void(Form25&)> fill;
    const char* message;
    const char* focus;
};

TEST_F(SeismicDialog, OkRefusesMissingInputsAndStaysOpen) {
    auto all = [](Form25& d) {
        d.opt_K1.userClick();
        d.Text1.setText("0.2");
        d.Text2.setText("0");
        d.opt_A.userClick();
    };
    const OkRefusal cases[] = {
        {"method", Standard::Building, [&](Form25& d) { all(d), d.opt_K1.setValue(false); }, "地震時水平荷重の計算方法を選択してください。",
         "opt_K1"},
        {"Kh", Standard::Building, [&](Form25& d) { all(d), d.Text1.setText(""); }, "水平震度を入力して下さい。", "Text1"},
        {"Kv", Standard::Building, [&](Form25& d) { all(d), d.Text2.setText(""); }, "鉛直震度を入力して下さい。", "Text2"},
        {"region", Standard::Road, [&](Form25& d) { all(d), d.opt_A.setValue(false); }, "地域別補正係数を選択して下さい。", "opt_A"},
    };
    for (const OkRefusal& c : cases) {
        ScriptedServices services;
        Program program(services);
        registerForms(program);
        program.form<MDIForm1>();
        Form3& s = program.form<Form3>();
        s.show();
        if (c.standard == Standard::Road) s.opt_D.userClick();
        s.cmd2.press();
        program.seismicKh = 0.3f;
        services.modalScripts.push_back([&](plat::Form& form) {
            auto& d = static_cast<Form25&>(form);
            c.fill(d);
            d.cmd1.press();
            ASSERT_EQ(services.messages.size(), 1u) << c.name;
            EXPECT_EQ(services.messages[0].text, c.message) << c.name;
            EXPECT_EQ(services.messages[0].title, "エラーメッセージ") << c.name;
            EXPECT_EQ(services.messages[0], plat::MessageRequest::fromStyle(c.message, plat::msg::kOk, "エラーメッセージ"))
                << c.name;
            EXPECT_EQ(d.activeControl(), d.control(c.focus)) << c.name;
            EXPECT_TRUE(d.visible()) << c.name;
        });
        s.cmd4.press();
        EXPECT_EQ(program.seismicKh, 0.3f) << c.name;
    }
}

TEST_F(SeismicDialog, BuildingStandardTakesKhAsTyped) {
    f().opt_T.userClick();
    f().txt15.setText("0.3");
    f().opt2.setValue(true);
    makeResultsValid();
    seismic(&Form25::opt_K1, "0.2", "0");
    Form25& dialog = prog.form<Form25>();
    EXPECT_FALSE(dialog.visible());
    EXPECT_FLOAT_EQ(prog.seismicKh, 0.2f);
    EXPECT_EQ(prog.seismicKv, 0);
    EXPECT_EQ(f().txt15.text(), "");
    EXPECT_FALSE(f().opt1.value());
    EXPECT_FALSE(f().opt2.value());
    // K1 needs the computed KA: typing it through "直接入力" is off.
    EXPECT_FALSE(f().cmd5.enabled());
    EXPECT_FALSE(f().opt1.enabled());
    EXPECT_TRUE(stabilityInvalid() && toolbarOff() && checkDroppedRowsKept());
}

TEST_F(SeismicDialog, MethodK2EnablesDirectKaAgain) {
    seismic(&Form25::opt_D1, "0.2", "0");
    ASSERT_FALSE(f().cmd5.enabled());
    svc.modalScripts.push_back([](plat::Form& d) {
        auto& dialog = static_cast<Form25&>(d);
        dialog.opt_K2.userClick();
        dialog.cmd1.press();
    });
    f().cmd4.press();
    EXPECT_TRUE(f().cmd5.enabled());
    EXPECT_TRUE(f().opt1.enabled());
}

struct RoadCase {
    plat::OptionButton Form25::*region;
    const char* kho;
    double cz;
    float kh;
};

TEST_F(SeismicDialog, RoadStandardTakesCzTimesKho) {
    // Kh = Cz × Kho in double, then single: 0.85 × 0.2, 1 × 0.2, 0.70 × 0.24.
    const RoadCase cases[] = {{&Form25::opt_B, "0.2", 0.85, 0.17f},
                              {&Form25::opt_A, "0.2", 1.0, 0.2f},
                              {&Form25::opt_C, "0.24", 0.70, 0.168f}};
    f().opt_D.userClick();
    for (const RoadCase& c : cases) {
        seismic(&Form25::opt_K1, c.kho, "0.1", c.region);
        EXPECT_EQ(prog.seismicKh, c.kh) << c.kho;
        EXPECT_EQ(prog.regionCz, c.cz) << c.kho;
        EXPECT_EQ(prog.seismicKho, std::stod(c.kho)) << c.kho;
        EXPECT_FLOAT_EQ(prog.seismicKv, 0.1f);
    }
}

TEST_F(SeismicDialog, ReopeningShowsWhatOkKept) {
    f().opt_D.userClick();
    seismic(&Form25::opt_D1, "0.2", "0.1", &Form25::opt_C);
    Form25& dialog = prog.form<Form25>();
    EXPECT_TRUE(dialog.opt_D1.value());
    EXPECT_EQ(dialog.Text1.text(), "0.2");
    EXPECT_EQ(dialog.Text2.text(), "0.1");
    EXPECT_TRUE(dialog.opt_C.value());
}

TEST_F(SeismicDialog, CancelDropsTheCoefficientsAndInvalidates) {
    f().opt_D.userClick();
    seismic(&Form25::opt_K1, "0.2", "0.1", &Form25::opt_A);
    f().txt15.setText("0.452");
    f().opt2.setValue(true);
    makeResultsValid();
    svc.modalScripts.push_back([](plat::Form& d) { static_cast<Form25&>(d).cmd2.press(); });
    f().cmd4.press();
    EXPECT_EQ(prog.seismicKh, 0);
    EXPECT_EQ(prog.seismicKv, 0);
    EXPECT_FALSE(prog.isLoaded("Form25"));
    EXPECT_EQ(f().txt15.text(), "");
    EXPECT_TRUE(f().opt2.value());  // the KA mode is left as it was
    EXPECT_TRUE(stabilityInvalid() && toolbarOff() && checkDroppedRowsKept());
    Form25& again = prog.form<Form25>();
    EXPECT_FALSE(again.methodChosen());
    EXPECT_EQ(again.Text1.text(), "");
    EXPECT_FALSE(again.regionChosen());
}

TEST_F(SeismicDialog, CloseBoxCancels) {
    seismic(&Form25::opt_K1, "0.2", "0.1");
    makeResultsValid();
    svc.modalScripts.push_back([](plat::Form& d) { d.userClose(); });
    f().cmd4.press();
    EXPECT_EQ(prog.seismicKh, 0);
    EXPECT_FALSE(prog.isLoaded("Form25"));
    EXPECT_TRUE(stabilityInvalid());
}

TEST_F(SeismicDialog, ValueTooLargeIsRefusedAndNothingIsStored) {
    f().opt_T.userClick();
    f().cmd2.press();
    prog.seismicKh = 0.15f;
    svc.modalScripts.push_back([this](plat::Form& d) {
        auto& dialog = static_cast<Form25&>(d);
        dialog.opt_K1.userClick();
        dialog.Text1.setText("0.2");
        dialog.Text2.setText("1e39");
        dialog.cmd1.press();
        EXPECT_EQ(lastError(), "鉛直震度は0または0.01以上1未満で入力してください。");
        EXPECT_TRUE(dialog.Text2.hasFocus());
        EXPECT_EQ(dialog.Text2.selText(), "1e39");
        EXPECT_TRUE(dialog.visible());
    });
    f().cmd4.press();
    EXPECT_EQ(prog.seismicKh, 0.15f);
    EXPECT_FALSE(std::isinf(prog.seismicKv));
}

TEST_F(SeismicDialog, WithoutStandardKhIsKeptAndKvIsRead) {
    prog.seismicKh = 0.15f;
    seismic(&Form25::opt_K2, "0.3", "0.1");
    EXPECT_FALSE(prog.isLoaded("Form25") && prog.form<Form25>().visible());
    EXPECT_EQ(prog.seismicKh, 0.15f);
    EXPECT_EQ(prog.seismicKv, 0.1f);
    EXPECT_EQ(prog.seismicKho, 0.0);
    EXPECT_EQ(prog.regionCz, 0.0);
}

// Under the road standard a Kho whose product does not fit a single leaves Kho, Cz and
// Kh as they were: nothing of the refused input is stored.
TEST_F(SeismicDialog, RoadValueTooLargeStoresNeitherKhoNorCz) {
    f().opt_D.userClick();
    seismic(&Form25::opt_K1, "0.2", "0", &Form25::opt_A);
    ASSERT_EQ(prog.seismicKh, 0.2f);
    svc.modalScripts.push_back([this](plat::Form& d) {
        auto& dialog = static_cast<Form25&>(d);
        dialog.opt_B.userClick();
        dialog.Text1.setText("1e39");
        dialog.Text2.setText("0.1");
        dialog.cmd1.press();
        EXPECT_EQ(lastError(), "水平震度は0または0.01以上1以下で入力してください。");
        EXPECT_TRUE(dialog.visible());
    });
    f().cmd4.press();
    EXPECT_EQ(prog.seismicKh, 0.2f);
    EXPECT_EQ(prog.seismicKho, 0.2);
    EXPECT_EQ(prog.regionCz, 1.0);
    EXPECT_EQ(prog.seismicKv, 0.0f);
}

TEST_F(SeismicDialog, EnterChainOfTheCoefficients) {
    f().cmd2.press();
    svc.modalScripts.push_back([](plat::Form& d) {
        auto& dialog = static_cast<Form25&>(d);
        int pressed = 0;
        dialog.cmd1.Click = [&] { ++pressed; };
        dialog.Text1.setText("0.2");
        dialog.Text2.setText("0.15");
        dialog.Text1.setFocus();
        dialog.Text1.keyPress(plat::kKeyEnter);
        EXPECT_EQ(dialog.activeControl(), &dialog.Text2);
        EXPECT_EQ(dialog.Text2.selText(), "0.15");
        dialog.Text2.keyPress(plat::kKeyEnter);
        EXPECT_EQ(dialog.activeControl(), &dialog.cmd1);
        EXPECT_EQ(pressed, 0);
        EXPECT_EQ(dialog.Text1.text(), "0.2");
        dialog.Text2.setText("123456789012");
        dialog.Text2.Click();
        dialog.Text2.DblClick();
        EXPECT_EQ(dialog.Text2.selText(), "12");
    });
    f().cmd4.press();
}

}  // namespace
