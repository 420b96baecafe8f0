// The section design's earth-pressure coefficient and its two mode buttons, against
// coefficients worked out independently.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/calc_fault.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/seismic_dialog.h"
#include "section/section_screen.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

// Clicks the load case and the seismic method on their screens; the design conditions
// start in the normal case.
void clickLoad(Program& p, LoadCase load, SeismicMethod method) {
    Form3& c = p.form<Form3>();
    Form25& s = p.form<Form25>();
    c.opt3.setValue(load == LoadCase::Normal);
    c.opt4.setValue(load == LoadCase::Seismic);
    if (method == SeismicMethod::K1) s.opt_K1.setValue(true);
    if (method == SeismicMethod::K2) s.opt_K2.setValue(true);
    if (method == SeismicMethod::D1) s.opt_D1.setValue(true);
}

constexpr float kUnset = -99;

class SectionKaTest : public ProgramTest {
protected:
    Form7& f() { return prog.form<Form7>(); }

    void choose(LoadCase load, SeismicMethod method = SeismicMethod::None) { clickLoad(prog, load, method); }

    void soil(float phi, float theta, float delta, float Kh = 0, float Kv = 0) {
        prog.backfillPhi = phi;
        prog.rearFaceTheta = theta;
        prog.deltaSection = delta;
        prog.groundSlope = 0;
        prog.seismicKh = Kh;
        prog.seismicKv = Kv;
        prog.seismicThetaRad = kUnset;
        prog.seismicTheta = kUnset;
    }

    // One control of every row, in row order.
    template <class Get>
    auto column(Get get) {
        std::vector<decltype(get(f().rows()[0]))> out;
        for (const Form7::Row& r : f().rows()) out.push_back(get(r));
        return out;
    }
    std::vector<plat::ComboBox*> lists() { return column([](const Form7::Row& r) { return &r.bars; }); }
    std::vector<plat::Label*> spacings() { return column([](const Form7::Row& r) { return &r.computed; }); }
    std::vector<plat::TextBox*> designs() { return column([](const Form7::Row& r) { return &r.design; }); }
    // σc, σs, τc and the judgement of every row.
    std::vector<plat::Label*> results() {
        std::vector<plat::Label*> out;
        for (const Form7::Row& r : f().rows()) out.insert(out.end(), r.results.begin(), r.results.end());
        return out;
    }

    // Every row computed and checked; saving, preview and print on.
    void fillGrid() {
        for (plat::ComboBox* c : lists()) c->setText("  D16");
        for (plat::Label* l : spacings()) l->setCaption("245");
        for (plat::TextBox* t : designs()) t->setText("200");
        for (plat::Label* l : results()) l->setCaption("1.234");
        prog.computedSpacing[1] = 245;
        fixture::standSectionCheck(prog);
        for (ToolbarButton command : kReportCommandButtons) button(*prog.mainToolbar(), command).enabled = true;
    }

    void expectGridCleared() {
        for (plat::ComboBox* c : lists()) EXPECT_EQ(c->text(), "") << c->name();
        for (plat::Label* l : spacings()) EXPECT_EQ(l->caption(), "") << l->name();
        for (plat::TextBox* t : designs()) EXPECT_EQ(t->text(), "") << t->name();
        for (plat::Label* l : results()) EXPECT_EQ(l->caption(), "") << l->name();
        EXPECT_EQ(f().lbl_r1.caption(), "60");  // covers stay
        EXPECT_EQ(prog.computedSpacing[1], 245);  // the stored results stay
        EXPECT_EQ(prog.sectionCheckDoneValue(), 0);
        EXPECT_FALSE(button(*prog.mainToolbar(), ToolbarButton::Save).enabled);
        EXPECT_FALSE(button(*prog.mainToolbar(), ToolbarButton::Preview).enabled);
        EXPECT_TRUE(button(*prog.mainToolbar(), ToolbarButton::Print).enabled);
    }
};

struct KaCase {
    const char* name;
    LoadCase load;
    SeismicMethod method;
    float phi, theta, delta, Kh, Kv;
    float ka;
    const char* text;
    float thetaK;  // kUnset: θk not written
};

TEST_F(SectionKaTest, CoefficientByLoadCaseAndMethod) {
    const std::vector<KaCase> cases = {
        {"normal", LoadCase::Normal, SeismicMethod::None, 30, 0, 20, 0, 0, 0.297314137f, "0.297", kUnset},
        {"normal, no wall friction", LoadCase::Normal, SeismicMethod::None, 30, 0, 0, 0, 0, 0.333333671f, "0.333", kUnset},
        {"normal, battered rear face", LoadCase::Normal, SeismicMethod::None, 35, 3.27049065f, 17.5f, 0, 0, 0.269163877f, "0.269", kUnset},
        {"seismic K2 takes the normal earth pressure", LoadCase::Seismic, SeismicMethod::K2, 30, 5, 15, 0.2f, 0, 0.337886244f, "0.338",
         kUnset},
        {"seismic K1", LoadCase::Seismic, SeismicMethod::K1, 30, 0, 15, 0.2f, 0, 0.452032655f, "0.452", 11.3099422f},
        {"seismic D1, θk beyond φ drops the root", LoadCase::Seismic, SeismicMethod::D1, 20, 0, 15, 0.4f, 0, 1.34375691f, "1.344",
         21.8014297f},
        {"seismic K1 with Kv and a battered face", LoadCase::Seismic, SeismicMethod::K1, 32, 3.27049065f, 16, 0.25f, 0.1f, 0.476246476f,
         "0.476", 15.5241251f},
    };
    for (const KaCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServices services;
        Program p(services);
        registerForms(p);
        clickLoad(p, c.load, c.method);
        p.backfillPhi = c.phi;
        p.rearFaceTheta = c.theta;
        p.deltaSection = c.delta;
        p.seismicKh = c.Kh;
        p.seismicKv = c.Kv;
        p.seismicTheta = kUnset;
        p.activeCoefficient = 0.5f;
        Form7& screen = p.form<Form7>();
        screen.txt_ka.setBorderStyle(1);
        screen.Doatu();
        EXPECT_FLOAT_EQ(p.activeCoefficientSection, c.ka);
        EXPECT_EQ(screen.txt_ka.text(), c.text);
        EXPECT_EQ(screen.txt_ka.borderStyle(), 0);
        EXPECT_FLOAT_EQ(p.seismicTheta, c.thetaK);
        EXPECT_EQ(p.activeCoefficient, 0.5f);  // the stability KA is not the section's
        EXPECT_TRUE(services.messages.empty());
    }
}

TEST_F(SectionKaTest, WithoutALoadCaseOrMethodTheCoefficientStays) {
    // Nothing computed since the start: 0.000.
    choose(LoadCase::None);
    f().Doatu();
    EXPECT_EQ(f().txt_ka.text(), "0.000");

    choose(LoadCase::Seismic);
    soil(30, 0, 20, 0.2f);
    prog.activeCoefficientSection = 0.4126f;
    f().txt_ka.setBorderStyle(1);
    f().Doatu();
    EXPECT_EQ(prog.activeCoefficientSection, 0.4126f);
    EXPECT_EQ(f().txt_ka.text(), "0.413");
    EXPECT_EQ(f().txt_ka.borderStyle(), 0);
    EXPECT_EQ(prog.seismicTheta, kUnset);
}

TEST_F(SectionKaTest, TypedButtonKeepsTheTextAndClearsTheGrid) {
    choose(LoadCase::Normal);
    Form7& s = f();
    s.show();
    s.txt_ka.setText("0.35");
    s.txt_ka.setBorderStyle(0);
    s.opt2.setValue(true);
    s.cmd5.setEnabled(false);
    s.txt1.setFocus();
    fillGrid();

    s.cmd4.press();

    EXPECT_EQ(s.txt_ka.text(), "0.35");
    EXPECT_EQ(s.activeControl(), &s.txt_ka);
    EXPECT_EQ(s.txt_ka.selStart(), 0);
    EXPECT_EQ(s.txt_ka.selLength(), 4);
    EXPECT_EQ(s.txt_ka.borderStyle(), 1);
    EXPECT_TRUE(s.opt1.value());
    EXPECT_FALSE(s.opt2.value());
    EXPECT_FALSE(s.cmd5.enabled());  // the enabling belongs to the hand-over
    expectGridCleared();
}

TEST_F(SectionKaTest, ComputeButtonRewritesKaAndClearsTheGrid) {
    choose(LoadCase::Normal);
    soil(30, 0, 20);
    Form7& s = f();
    s.show();
    s.txt_ka.setText("0.35");
    s.txt_ka.setBorderStyle(1);
    s.opt1.setValue(true);
    s.txt1.setFocus();
    fillGrid();

    s.cmd5.press();

    EXPECT_FLOAT_EQ(prog.activeCoefficientSection, 0.297314137f);
    EXPECT_EQ(s.txt_ka.text(), "0.297");
    EXPECT_EQ(s.txt_ka.borderStyle(), 0);
    EXPECT_TRUE(s.opt2.value());
    EXPECT_FALSE(s.opt1.value());
    EXPECT_EQ(s.activeControl(), &s.txt1);  // the focus stays where it was
    expectGridCleared();
}

// Pressed again in its own mode, a button changes nothing that a row was worked out with:
// "直接入力" only leads into the box, "計算する" gives the same coefficient.
TEST_F(SectionKaTest, EitherButtonPressedAgainInItsModeKeepsTheGrid) {
    choose(LoadCase::Normal);
    soil(30, 0, 20);
    Form7& s = f();
    s.show();
    s.txt_ka.setText("0.35");
    s.opt1.setValue(true);
    fillGrid();
    s.cmd4.press();
    EXPECT_EQ(s.activeControl(), &s.txt_ka);
    EXPECT_EQ(s.cbo1.text(), "  D16");
    EXPECT_EQ(s.lbl1.caption(), "1.234");
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);

    s.txt_ka.setText("0.297");
    s.opt2.setValue(true);
    fillGrid();
    s.cmd5.press();
    EXPECT_EQ(s.txt_ka.text(), "0.297");
    EXPECT_EQ(s.cbo1.text(), "  D16");
    EXPECT_EQ(s.lbl1.caption(), "1.234");
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
    EXPECT_TRUE(button(*prog.mainToolbar(), ToolbarButton::Preview).enabled);
}

TEST_F(SectionKaTest, ComputeButtonWithoutALoadCaseStillClearsTheGrid) {
    choose(LoadCase::None);
    Form7& s = f();
    fillGrid();
    s.cmd5.press();
    EXPECT_EQ(s.txt_ka.text(), "0.000");
    EXPECT_TRUE(s.opt2.value());
    expectGridCleared();
}

TEST_F(SectionKaTest, ComputeButtonFaultChangesNothing) {
    choose(LoadCase::Seismic, SeismicMethod::K1);
    soil(30, 0, 15, 0.2f, 1);  // Kv = 1: θk divides by zero
    Form7& s = f();
    s.txt_ka.setText("0.452");
    s.opt1.setValue(true);
    prog.activeCoefficientSection = 0.452f;
    fillGrid();

    s.cmd5.press();

    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, kCannotComputeMessage);
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(prog.activeCoefficientSection, 0.452f);
    EXPECT_EQ(s.txt_ka.text(), "0.452");
    EXPECT_TRUE(s.opt1.value());
    EXPECT_EQ(s.cbo1.text(), "  D16");
    EXPECT_EQ(s.lbl1.caption(), "1.234");
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
    EXPECT_TRUE(button(*prog.mainToolbar(), ToolbarButton::Save).enabled);
    EXPECT_TRUE(button(*prog.mainToolbar(), ToolbarButton::Preview).enabled);
}

// The mode is read from the program: none without the section screen, which reading does
// not load; then the option that the screen shows.
TEST(SectionKaMode, IsReadFromTheProgram) {
    ProgramWithMainWindow run;
    Program& p = run.prog;
    ASSERT_FALSE(p.isLoaded(Form7::kName));
    EXPECT_EQ(sectionKaMode(p), KaMode::None);
    EXPECT_FALSE(p.isLoaded(Form7::kName));
    Form7& f = p.form<Form7>();
    f.opt2.setValue(true);
    EXPECT_EQ(sectionKaMode(p), KaMode::Computed);
    f.opt1.setValue(true);
    f.opt2.setValue(false);
    EXPECT_EQ(sectionKaMode(p), KaMode::Typed);
}

}  // namespace
