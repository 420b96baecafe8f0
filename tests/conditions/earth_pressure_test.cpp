// KA (Coulomb, Mononobe-Okabe), the seismic wall friction angle δ and μ = tan φB.
// Expected values were worked out independently in single precision with π = 3.14159.
#include <gtest/gtest.h>

#include <cmath>

#include "app/main_window.h"
#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "conditions/seismic_dialog.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "support/choice_input.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

struct EarthPressure : ProgramTest {
    Form3* f = nullptr;

    void SetUp() override {
        f = &prog.form<Form3>();
        f->setTop(0);
        f->setLeft(0);
        f->show();
        choice_input::setDesignChoices(prog, {Standard::Building});
    }
    // φ, μ and δ as typed.
    void inputs(const char* phi, const char* mu, const char* delta) {
        f->txt8.setText(phi);
        f->txt9.setText(mu);
        f->txt10.setText(delta);
    }
    // "地震時" empties δ and KA; what the test typed stands for what the user types again.
    void seismic(SeismicMethod method, float kh, float kv) {
        const std::string delta = f->txt10.text(), ka = f->txt15.text();
        choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Seismic, .seismicMethod = method});
        f->txt10.setText(delta);
        f->txt15.setText(ka);
        prog.seismicKh = kh;
        prog.seismicKv = kv;
    }
    void expectNothingInvalid() {
        for (float v : {prog.activeCoefficient, prog.seismicTheta, prog.seismicThetaRad, prog.deltaStability,
                        prog.deltaAuxSin, prog.deltaAux, prog.deltaStabilityTan})
            EXPECT_TRUE(std::isfinite(v));
    }
};

TEST_F(EarthPressure, CoulombInTheNormalCase) {
    struct Case {
        const char *phi, *delta;
        float ka;
    };
    for (const Case& c : {Case{"30", "20", 0.297314137f}, Case{"35", "0", 0.270990402f}}) {
        inputs(c.phi, "0.6", c.delta);
        ASSERT_TRUE(f->KEISAN());
        EXPECT_EQ(prog.activeCoefficient, c.ka) << c.phi << " " << c.delta;
        EXPECT_EQ(num::format(prog.activeCoefficient, "0.00#"), c.ka > 0.28f ? "0.297" : "0.271");
    }
}

TEST_F(EarthPressure, MethodK2TakesCoulombAndStoresTheta) {
    inputs("30", "0.6", "20");
    seismic(SeismicMethod::K2, 0.2f, 0.0f);
    ASSERT_TRUE(f->KEISAN());
    EXPECT_EQ(prog.activeCoefficient, 0.297314137f);
    EXPECT_EQ(prog.seismicTheta, 11.3099422f);
}

TEST_F(EarthPressure, MononobeOkabeUnderK1AndD1) {
    struct Case {
        SeismicMethod method;
        const char* phi;
        float kh, kv, ka, theta;
    };
    const Case cases[] = {
        {SeismicMethod::K1, "30", 0.2f, 0.0f, 0.452032626f, 11.3099422f},
        {SeismicMethod::D1, "30", 0.2f, 0.0f, 0.452032626f, 11.3099422f},
        {SeismicMethod::D1, "30", 0.17f, 0.1f, 0.397431493f, 10.6965199f},
        // θk above φ: the sine term under the root counts as 0.
        {SeismicMethod::K1, "10", 0.2f, 0.0f, 1.13705921f, 11.3099422f},
    };
    for (const Case& c : cases) {
        inputs(c.phi, "0.6", "15");
        seismic(c.method, c.kh, c.kv);
        ASSERT_TRUE(f->KEISAN());
        EXPECT_EQ(prog.activeCoefficient, c.ka) << c.phi << " Kh " << c.kh << " Kv " << c.kv;
        EXPECT_EQ(prog.seismicTheta, c.theta);
    }
}

TEST_F(EarthPressure, SeismicCaseWithoutMethodComputesNothing) {
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Seismic});
    inputs("30", "0.6", "15");
    f->txt15.setText("0.5");
    EXPECT_FALSE(f->KEISAN());
    EXPECT_EQ(prog.activeCoefficient, 0.5f);
    EXPECT_TRUE(svc.messages.empty());
}

TEST_F(EarthPressure, MissingInputIsReportedFirstInScreenOrder) {
    struct Case {
        const char *phi, *mu, *delta;
        const char* message;
        plat::TextBox Form3::*focus;
    };
    const Case cases[] = {
        {"", "", "", "内部摩擦角度を入力してください。", &Form3::txt8},
        {"30", "", "", "底盤の摩擦係数を入力してください。", &Form3::txt9},
        {"30", "0.6", "", "壁背面と土との間の壁面摩擦角度を入力してください。", &Form3::txt10},
    };
    for (const Case& c : cases) {
        svc.clear();
        inputs(c.phi, c.mu, c.delta);
        f->txt15.setText("0.4");
        prog.activeCoefficient = 0.25f;
        EXPECT_FALSE(f->KEISAN());
        ASSERT_EQ(svc.messages.size(), 1u);
        EXPECT_EQ(svc.messages[0].text, c.message);
        EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
        EXPECT_EQ(svc.messages[0], plat::MessageRequest::fromStyle(c.message, plat::msg::kOk, "エラーメッセージ"));
        EXPECT_EQ(f->activeControl(), &(f->*c.focus));
        EXPECT_EQ((f->*c.focus).selStart(), 0);
        EXPECT_EQ(prog.activeCoefficient, 0.25f);  // the screen was not even read
    }
}

TEST_F(EarthPressure, CalculationFaultsStoreNoInvalidNumber) {
    prog.activeCoefficient = 0.25f;
    // Kv = 1: θk divides by zero.
    inputs("30", "0.6", "15");
    seismic(SeismicMethod::K1, 0.2f, 1.0f);
    EXPECT_THROW(f->KEISAN(), num::CalcFault);
    expectNothingInvalid();

    // A δ below −φ makes sin(φ + δ) negative under the root.
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Normal});
    inputs("30", "0.6", "-40");
    f->txt15.setText("");
    prog.activeCoefficient = 0.25f;
    EXPECT_THROW(f->KEISAN(), num::CalcFault);
    EXPECT_EQ(prog.activeCoefficient, 0.0f);  // as read from the empty box, never NaN
    expectNothingInvalid();
}

// A δ that is no number is named before KA's formula runs: nothing is computed.
TEST_F(EarthPressure, KaButtonWithARefusedInputMarksNothingComputed) {
    inputs("30", "0.6", "-40°");
    f->txt15.setText("0.3");
    f->cmd6.press();
    ASSERT_FALSE(svc.messages.empty());
    EXPECT_EQ(svc.messages.back().text, "安定計算時の壁面摩擦角は数値で入力してください。");
    EXPECT_EQ(svc.messages.back().title, "エラーメッセージ");
    EXPECT_EQ(f->activeControl(), &f->txt10);
    EXPECT_FALSE(f->opt2.value());
    EXPECT_EQ(f->txt15.text(), "0.3");
}

TEST_F(EarthPressure, DeltaButtonComputesTheSeismicWallFriction) {
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Seismic});
    inputs("30", "", "");
    prog.seismicKh = 0.2f;
    prog.seismicKv = 0.0f;
    f->cmd7_Click();
    EXPECT_EQ(prog.seismicTheta, 11.3099422f);
    EXPECT_EQ(prog.deltaAuxSin, 0.392232567f);
    EXPECT_EQ(prog.deltaAux, 23.0935078f);
    EXPECT_EQ(prog.deltaStabilityTan, 0.48089692f);
    EXPECT_EQ(prog.deltaStability, 25.6827793f);
    EXPECT_EQ(f->txt10.text(), "25.68");
    EXPECT_EQ(prog.deltaComputed, 1);
    // The next reading of the screen takes the shown, rounded value.
    f->HENSUU();
    EXPECT_EQ(prog.deltaStability, 25.68f);
}

TEST_F(EarthPressure, DeltaButtonLimitCases) {
    struct Case {
        const char* phi;
        float kh, kv;
        const char* shown;
    };
    // θk not below φ gives δ = φ; no seismic coefficient gives δ = 0.
    for (const Case& c : {Case{"10", 0.2f, 0.0f, "10.00"}, Case{"30", 0.0f, 0.0f, "0.00"},
                          Case{"35", 0.17f, 0.1f, "29.46"}}) {
        inputs(c.phi, "", "");
        prog.seismicKh = c.kh;
        prog.seismicKv = c.kv;
        f->cmd7_Click();
        EXPECT_EQ(f->txt10.text(), c.shown) << c.phi;
        EXPECT_EQ(prog.deltaComputed, 1);
    }
}

TEST_F(EarthPressure, DeltaButtonFaultShowsTheMessageAndMarksNothing) {
    inputs("30", "", "12");
    prog.seismicKh = 0.2f;
    prog.seismicKv = 1.0f;
    f->cmd7_Click();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "入力された値では計算できません。");
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_FALSE(prog.deltaComputed.has_value());
    EXPECT_EQ(f->txt10.text(), "12");
    expectNothingInvalid();
}

// δ follows from φ: a φ no soil has is named before δ is written, and nothing is marked.
TEST_F(EarthPressure, DeltaButtonRefusesAnImpossiblePhiBeforeItWritesDelta) {
    const std::pair<const char*, const char*> cases[] = {
        {"-1e30", "裏込め土の内部摩擦角は0以上60゜以下で入力してください。"},
        {"1e999", "裏込め土の内部摩擦角は数値で入力してください。"},
        {"3,0", "裏込め土の内部摩擦角は数値で入力してください。"},
        {"", "内部摩擦角を入力してください。"},
    };
    for (const auto& [phi, message] : cases) {
        inputs(phi, "", "12");
        prog.seismicKh = 0.2f;
        prog.seismicKv = 0.0f;
        svc.clear();
        f->cmd7_Click();
        EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{message}) << phi;
        EXPECT_EQ(f->txt10.text(), "12") << phi;
        EXPECT_FALSE(prog.deltaComputed.has_value()) << phi;
        EXPECT_EQ(f->txt8.selText(), f->txt8.text()) << phi;
        expectNothingInvalid();
    }
}

TEST_F(EarthPressure, DeltaButtonDropsAComputedKaAndTheResults) {
    inputs("30", "0.6", "20");
    f->cmd6.press();
    ASSERT_TRUE(f->opt2.value());
    ASSERT_EQ(f->txt15.text(), "0.297");
    fixture::standStabilityResult(prog);
    Form4& dimensions = prog.form<Form4>();
    dimensions.show();
    button(prog.form<MDIForm1>().Toolbar1, ToolbarButton::Preview).enabled = true;

    prog.seismicKh = 0.2f;
    f->cmd7_Click();
    EXPECT_EQ(f->txt15.text(), "");
    EXPECT_FALSE(f->opt2.value());
    EXPECT_EQ(prog.sigmaMax, 0.0f);
    EXPECT_FALSE(dimensions.visible());
    EXPECT_FALSE(button(prog.form<MDIForm1>().Toolbar1, ToolbarButton::Preview).enabled);
}

TEST_F(EarthPressure, DeltaButtonKeepsATypedKa) {
    inputs("30", "0.6", "20");
    choice_input::setDesignChoices(prog, {.kaMode = KaMode::Typed});
    f->txt15.setText("0.35");
    prog.seismicKh = 0.2f;
    f->cmd7_Click();
    EXPECT_EQ(f->txt15.text(), "0.35");
    EXPECT_TRUE(f->opt1.value());
}

TEST_F(EarthPressure, BaseFrictionIsTanPhiB) {
    f->txt11.setText("30");
    f->Masatu();
    EXPECT_EQ(prog.foundationPhi, 30.0f);
    EXPECT_EQ(prog.baseFriction, 0.577349663f);
    EXPECT_EQ(num::format(prog.baseFriction, "0.00#"), "0.577");
}

}  // namespace
