// "応力度計算" asks the section screen's own boxes for a value a wall can have before it
// looks at the rows: the upright wall's KA and the surcharge-inertia height.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "section/section_screen.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"

namespace {

class SectionBounds : public ProgramTest {
protected:
    void SetUp() override {
        fixture::enterWall(prog, fixture::Wall::HeelToeKey);
        ASSERT_EQ(prog.sectionCheckDone, 1);
        svc.clear();
    }
    Form7& s() { return prog.form<Form7>(); }
    bool focused(const plat::Control& c) { return s().activeControl() == &c; }
};

TEST_F(SectionBounds, AKaNoWallHasIsNamedWithItsRange) {
    struct Case {
        const char* text;
        const char* message;  // empty: passes on to the rows
    };
    const Case cases[] = {
        {"-0.3", "主働土圧係数は0.01以上10以下で入力してください。"},
        {"0", "主働土圧係数は0.01以上10以下で入力してください。"},
        {"1e30", "主働土圧係数は0.01以上10以下で入力してください。"},
        {"－０．３", "主働土圧係数は0.01以上10以下で入力してください。"},
        {"0.3", ""},
    };
    for (const Case& c : cases) {
        s().txt_ka.setText(c.text);
        s().txt1.setFocus();
        svc.clear();
        s().cmd1.press();
        ASSERT_FALSE(svc.messages.empty()) << c.text;
        if (!*c.message) {
            // The KA changed under the upright wall's rows: they are asked for again.
            EXPECT_NE(svc.messages[0].text, cases[0].message) << c.text;
            continue;
        }
        EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{c.message}) << c.text;
        EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
        EXPECT_TRUE(focused(s().txt_ka)) << c.text;
        EXPECT_EQ(s().txt_ka.selText(), c.text) << c.text;
        EXPECT_EQ(prog.sectionCheckDone, 0) << c.text;
    }
}

TEST_F(SectionBounds, TheInertiaHeightCountsWhileItCanBeTyped) {
    // The seismic wall shows the height box.
    ProgramWithMainWindow run;
    ScriptedServices& seismicSvc = run.svc;
    Program& seismic = run.prog;
    fixture::enterWall(seismic, fixture::Wall::RoadSeismic);
    Form7& s = seismic.form<Form7>();
    ASSERT_TRUE(s.txt_1.visible());
    s.chk_1.setValue(1);
    s.txt_1.setText("-1.5");
    seismicSvc.clear();
    s.cmd1.press();
    EXPECT_EQ(seismicSvc.messageTexts(),
              std::vector<std::string>{"上載荷重の慣性力の作用位置は0または0.01以上1000m以下で入力してください。"});
    EXPECT_EQ(s.activeControl(), &s.txt_1);
    EXPECT_EQ(s.txt_1.selText(), "-1.5");
    s.chk_1.setValue(0);  // the box is emptied and disabled
    seismicSvc.clear();
    s.cmd1.press();
    EXPECT_TRUE(seismicSvc.messages.empty() || seismicSvc.messages[0].text.find("作用位置") == std::string::npos);
}

}  // namespace
