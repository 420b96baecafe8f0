#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>

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

// What the dialog holds and what was stored from it, to compare before and after.
struct SeismicState {
    bool k1, k2, d1, a, b, c;
    std::string kh, kv;
    float storedKh, storedKv;
    double kho, cz;
    std::string ka;
    bool kaComputed;
    bool operator==(const SeismicState&) const = default;
};

// "キャンセル" and the close box leave everything as it was when the dialog opened: the
// method, the region, the texts, the coefficients stored from them, the KA and every
// result built on them. (Before, it zeroed Kh and Kv, discarded the method and emptied
// the KA while the results built on them still counted.)
TEST_F(SeismicDialog, CancelLeavesEverythingAsItWas) {
    f().opt_D.userClick();
    seismic(&Form25::opt_K1, "0.2", "0.1", &Form25::opt_B);
    f().txt15.setText("0.452");
    f().opt2.setValue(true);
    auto state = [this] {
        Form25& d = prog.form<Form25>();
        return SeismicState{d.opt_K1.value(),  d.opt_K2.value(),  d.opt_D1.value(),   d.opt_A.value(),
                            d.opt_B.value(),   d.opt_C.value(),   d.Text1.text(),     d.Text2.text(),
                            prog.seismicKh,    prog.seismicKv,    prog.seismicKho,    prog.regionCz,
                            f().txt15.text(),  f().opt2.value()};
    };
    const SeismicState before = state();
    ASSERT_EQ(before.storedKh, 0.17f);  // 0.85 × 0.2
    using Leave = std::function<void(Form25&)>;
    const std::pair<const char*, Leave> ways[] = {
        {"キャンセル", [](Form25& d) { d.cmd2.press(); }},
        {"close box", [](Form25& d) { d.userClose(); }},
    };
    for (const auto& [name, leave] : ways) {
        makeResultsValid();
        svc.modalScripts.push_back([&leave](plat::Form& form) {
            auto& d = static_cast<Form25&>(form);
            d.opt_K2.userClick();
            d.opt_C.userClick();
            d.Text1.setText("0.3");
            d.Text2.setText("abc");
            leave(d);
        });
        f().cmd4.press();
        EXPECT_TRUE(svc.modalScripts.empty()) << name;
        EXPECT_EQ(state(), before) << name;
        EXPECT_FALSE(prog.form<Form25>().visible()) << name;
        EXPECT_FALSE(f().cmd5.enabled()) << name << ": K1 still keeps 直接入力 off";
        EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax) << name;
        EXPECT_TRUE(prog.checkCurrent()) << name;
        EXPECT_TRUE(button(*prog.mainToolbar(), ToolbarButton::Save).enabled) << name;
        EXPECT_EQ(prog.form<Form7>().lbl1.caption(), "O.K") << name;
    }
    // Opened again, it shows what it held, and "ＯＫ" without a change changes nothing.
    svc.modalScripts.push_back([](plat::Form& form) { static_cast<Form25&>(form).cmd1.press(); });
    f().cmd4.press();
    EXPECT_EQ(state(), before);
    EXPECT_TRUE(prog.checkCurrent());
}

// A dialog never confirmed goes back to empty: the seismic case still has no method, and
// "地盤の形状 >" asks for it again.
TEST_F(SeismicDialog, CancelOfADialogNeverConfirmedLeavesNoMethod) {
    f().opt_T.userClick();
    f().cmd2.press();
    prog.seismicKh = 0;
    svc.modalScripts.push_back([](plat::Form& form) {
        auto& d = static_cast<Form25&>(form);
        d.opt_K2.userClick();
        d.Text1.setText("0.2");
        d.Text2.setText("0");
        d.cmd2.press();
    });
    f().cmd4.press();
    Form25& d = prog.form<Form25>();
    EXPECT_FALSE(d.methodChosen());
    EXPECT_EQ(d.Text1.text(), "");
    EXPECT_EQ(d.Text2.text(), "");
    EXPECT_EQ(prog.seismicKh, 0);
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

namespace {

// Kh and Kv are 0 or from 0.01: a coefficient too small to count is a slip (Kh 1e-30 gave
// a 34-digit spacing); a whole g is the end (vertically, not even that: 1 - Kv divides).
TEST_F(SeismicDialog, CoefficientsAtTheirEnds) {
    constexpr const char* kKh = "水平震度は0または0.01以上1以下で入力してください。";
    constexpr const char* kKv = "鉛直震度は0または0.01以上1未満で入力してください。";
    struct Case {
        const char* kh;
        const char* kv;
        const char* message;  // none: taken
    };
    const Case cases[] = {
        {"0", "0", nullptr},       {"0.01", "0.01", nullptr}, {"1", "0.99", nullptr},   {"0.2", "0", nullptr},
        {"0.009", "0", kKh},       {"1e-30", "0", kKh},       {"1.01", "0", kKh},       {"-0.1", "0", kKh},
        {"0.2", "0.009", kKv},     {"0.2", "1", kKv},         {"0.2", "-0.1", kKv},     {"0.2", "1e-30", kKv},
    };
    f().opt_T.userClick();
    f().cmd2.press();
    for (const Case& c : cases) {
        prog.seismicKh = 0.5f;
        svc.clear();
        bool hidden = false;
        svc.modalScripts.push_back([&](plat::Form& form) {
            auto& d = static_cast<Form25&>(form);
            d.opt_K1.userClick();
            d.Text1.setText(c.kh);
            d.Text2.setText(c.kv);
            d.cmd1.press();
            hidden = !d.visible();
            if (!hidden) d.cmd2.press();
        });
        f().cmd4.press();
        if (c.message) {
            EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{c.message}) << c.kh << " " << c.kv;
            EXPECT_FALSE(hidden) << c.kh << " " << c.kv;
            EXPECT_EQ(prog.seismicKh, 0.5f) << c.kh << " " << c.kv;
        } else {
            EXPECT_TRUE(svc.messages.empty()) << c.kh << " " << c.kv;
            EXPECT_EQ(prog.seismicKh, std::stof(c.kh)) << c.kh;
            EXPECT_EQ(prog.seismicKv, std::stof(c.kv)) << c.kv;
        }
    }
}

}  // namespace
