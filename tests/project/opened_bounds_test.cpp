// An opened project is held to the rules the screens apply: a value that a screen would
// refuse keeps every result away. The project opens with its texts, without a judgement,
// a counted section check or the commands of a calculated project, and the first box that
// breaks a rule is named once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/file_lines.h"
#include "project/project_fixture.h"
#include "support/fixture_walls.h"

namespace {

class OpenedBounds : public ProjectFixture {
protected:
    // The wall with heel, toe and key, every result current, saved.
    std::vector<std::string> savedWall() {
        fixture::enterWall(prog, fixture::Wall::HeelToeKey);
        const std::string file = path("wall.ywd");
        saveAs(prog, svc, file);
        return linesOf(file);
    }
};

struct BrokenCase {
    const char* form;
    const char* control;
    const char* text;
    const char* message;
};

TEST_F(OpenedBounds, AValueAScreenRefusesOpensWithoutAResult) {
    const std::vector<std::string> good = savedWall();
    const BrokenCase cases[] = {
        {"Form4", "txt21", "-10", "背面の上載荷重は0以上10000kN/m2以下で入力してください。"},
        {"Form3", "txt5", "-10", "土の単位体積重量は1以上1000kN/m3以下で入力してください。"},
        {"Form3", "txt5", "0.019", "土の単位体積重量は1以上1000kN/m3以下で入力してください。"},
        {"Form3", "txt2", "1e30", "コンクリートの設計基準強度は1以上1000N/mm2以下で入力してください。"},
        {"Form3", "txt15", "1e-30", "主働土圧係数は0.01以上10以下で入力してください。"},
        {"Form3", "txt8", "-1e30", "裏込め土の内部摩擦角は0以上60゜以下で入力してください。"},
        {"Form3", "txt4", "", "許容地耐力度を入力してください。"},
        {"Form4", "txt5", "2,8", "寸法H1は数値で入力してください。"},
        {"Form4", "txt12", "1e-30", "つま先版の長さは0または0.01以上1000m以下で入力してください。"},
        {"Form19", "txt2", "1e30", "突起の位置は0または0.01以上1000m以下で入力してください。"},
        {"Form19", "txt2", "-5", "突起の位置は0または0.01以上1000m以下で入力してください。"},
        {"Form19", "txt3", "0", "突起の巾は0.01以上1000m以下で入力してください。"},
        {"Form22", "txt1", "0", "たて壁のかぶり厚さは1以上1000mm以下で入力してください。"},
        {"Form7", "txt_ka", "inf", "主働土圧係数は数値で入力してください。"},
        // A shown row's spacing is named with its location.
        {"Form7", "txt1", "1e-30", "たて壁 Ａ 中央部の設計上の鉄筋の間隔は10以上1000mm以下で入力してください。"},
        // The toe and the heel: there or not, length and end thickness together.
        {"Form4", "txt12", "0", "つま先版を設けない場合は長さと先端の厚さを共に0に、設ける場合は共に0より大きくしてください。"},
        {"Form4", "txt18", "0", "つま先版を設けない場合は長さと先端の厚さを共に0に、設ける場合は共に0より大きくしてください。"},
        {"Form4", "txt16", "0", "かかと版を設けない場合は長さと先端の厚さを共に0に、設ける場合は共に0より大きくしてください。"},
        {"Form4", "txt18", "", "寸法を入力してください。"},
    };
    for (const BrokenCase& c : cases) {
        const std::string name = std::string(c.form) + "." + c.control + " \"" + c.text + "\"";
        std::vector<std::string> texts = good;
        texts[fixture::fileLine(c.form, c.control) - 1] = c.text;
        Fresh run;
        open(run.prog, run.svc, craft(texts, "broken.ywd"));
        EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{c.message}) << name;
        // The texts as the file holds them.
        auto* box = static_cast<plat::TextBox*>(run.prog.find(c.form)->control(c.control));
        EXPECT_EQ(box->text(), c.text) << name;
        EXPECT_EQ(run.prog.form<Form4>().txt5.text(), texts[fixture::fileLine("Form4", "txt5") - 1]) << name;
        EXPECT_EQ(run.prog.projectPath, path("broken.ywd")) << name;
        // No result: no judgement, no counted section check, nothing to save, preview or print.
        Form4& d = run.prog.form<Form4>();
        for (plat::Label* cell : {&d.lbl53, &d.lbl54, &d.lbl57, &d.lbl62, &d.lbl65, &d.lbl66})
            EXPECT_EQ(cell->caption(), "") << name << " " << cell->name();
        for (plat::Label* cell : {&d.lbl54, &d.lbl62, &d.lbl66}) EXPECT_FALSE(cell->visible()) << name;
        Form7& s = run.prog.form<Form7>();
        for (plat::Label* cell : {&s.lbl4, &s.lbl8, &s.lbl20, &s.lbl40}) EXPECT_EQ(cell->caption(), "") << name;
        EXPECT_FALSE(run.prog.hasResult()) << name;
        EXPECT_FALSE(run.prog.checkCurrent()) << name;
        for (ToolbarButton command : kReportCommandButtons)
            EXPECT_FALSE(button(run.main->Toolbar1, command).enabled) << name << " " << static_cast<int>(command);
        run.main->Men_F_Click();
        for (plat::MenuItem* item : {&run.main->Men_FSav, &run.main->Men_FOvw, &run.main->Men_FImg, &run.main->Men_FPrn})
            EXPECT_FALSE(item->enabled()) << name;
        // Preview and print tell that the stability check is needed.
        run.svc.clear();
        run.main->FileImage();
        EXPECT_EQ(run.svc.messages.size(), 1u) << name;
    }
}

// A box that does not take part in the wall is neither judged nor read, whatever it holds:
// a cover or a row's spacing of a member the wall has not, a one-sided box of a two-sided
// wall, the short-term stress of the normal case, the cohesion while it is not considered.
// The file opens with every result, in the earlier 217-line form as in the 220-line one.
TEST_F(OpenedBounds, ABoxThatTakesNoPartOpensWithTheResults) {
    fixture::enterWall(prog, fixture::Wall::TwoSided);
    const std::string saved = path("two-sided.ywd");
    saveAs(prog, svc, saved);
    const std::vector<std::string> good = linesOf(saved);
    const std::string panel = prog.form<Form4>().lbl62.caption();
    const std::string wallCheck = prog.form<Form7>().lbl4.caption();
    ASSERT_NE(panel, "");
    ASSERT_NE(wallCheck, "");
    const BrokenCase cases[] = {
        {"Form22", "txt6", "0", "the key's cover without a key"},
        {"Form22", "txt4", "abc", "the heel's cover without a heel"},
        {"Form7", "txt10", "abc", "the key row's spacing"},
        {"Form7", "txt10", "5", "the key row's spacing"},
        {"Form7", "txt8", "1e999", "the heel row's spacing"},
        {"Form4", "txt3", "1e999", "H3 of the one-sided shape"},
        {"Form4", "txt4", "abc", "H4 of the one-sided shape"},
        {"Form4", "txt23", "1e999", "the front surcharge of the one-sided shape"},
        {"Form3", "txt13", "1e999", "the short-term stress in the normal case"},
        {"Form3", "txt14", "abc", "the cohesion under しない"},
    };
    for (const BrokenCase& c : cases) {
        for (std::size_t count : {std::size_t{220}, std::size_t{217}}) {
            const std::string name = std::string(c.message) + " " + c.form + "." + c.control + " \"" + c.text +
                                     "\" in " + std::to_string(count) + " lines";
            std::vector<std::string> texts = good;
            texts[fixture::fileLine(c.form, c.control) - 1] = c.text;
            texts.resize(count);
            Fresh run;
            open(run.prog, run.svc, craft(texts, "hidden.ywd"));
            EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{}) << name;
            EXPECT_TRUE(run.prog.hasResult()) << name;
            EXPECT_TRUE(run.prog.checkCurrent()) << name;
            EXPECT_EQ(run.prog.form<Form4>().lbl62.caption(), panel) << name;
            EXPECT_EQ(run.prog.form<Form7>().lbl4.caption(), wallCheck) << name;
            // Its text is kept as the file holds it.
            auto* box = static_cast<plat::TextBox*>(run.prog.find(c.form)->control(c.control));
            EXPECT_EQ(box->text(), c.text) << name;
        }
    }
}

// A refused cover of a member the wall has: the cover dialog opens on it after the
// message, and corrected there the project goes on to its results.
TEST_F(OpenedBounds, ARefusedCoverOpensTheCoverDialogOnIt) {
    std::vector<std::string> texts = savedWall();
    texts[fixture::fileLine("Form22", "txt5") - 1] = "0";
    Fresh run;
    std::string shownIn, focused;
    run.svc.modalScripts.push_back([&](plat::Form& dialog) {
        shownIn = dialog.name();
        focused = dialog.activeControl() ? dialog.activeControl()->name() : "";
    });
    open(run.prog, run.svc, craft(texts, "cover.ywd"));
    EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{"つま先版のかぶり厚さは1以上1000mm以下で入力してください。"});
    EXPECT_EQ(shownIn, "Form22");
    EXPECT_EQ(focused, "txt5");
    EXPECT_FALSE(run.prog.hasResult());
}

// The wall as saved opens with every result again and no message: the rules refuse
// nothing a screen accepted.
TEST_F(OpenedBounds, TheSavedWallOpensAsItWasSaved) {
    for (fixture::Wall wall : {fixture::Wall::HeelToeKey, fixture::Wall::RoadSeismic, fixture::Wall::TwoSided}) {
        ProgramWithMainWindow first;
        fixture::enterWall(first.prog, wall);
        const std::string file = path("saved" + std::to_string(static_cast<int>(wall)) + ".ywd");
        saveAs(first.prog, first.svc, file);
        Fresh run;
        open(run.prog, run.svc, file);
        EXPECT_TRUE(run.svc.messages.empty()) << fixture::name(wall) << ": " << run.svc.messages[0].text;
        EXPECT_TRUE(run.prog.hasResult()) << fixture::name(wall);
        EXPECT_TRUE(run.prog.checkCurrent()) << fixture::name(wall);
        EXPECT_EQ(run.prog.form<Form4>().lbl62.caption(), first.prog.form<Form4>().lbl62.caption());
    }
}

}  // namespace
