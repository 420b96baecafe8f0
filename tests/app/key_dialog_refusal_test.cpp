// A key value refused in its dialog and left there by キャンセル never traps the wall: the
// stability check and the key calculation both open the dialog on it, corrected there the
// wall completes, and a new project starts without it.
#include <gtest/gtest.h>

#include <string>

#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"

namespace {

struct Shown {
    std::string dialog, focused, text;
};

// Records the dialog the next modal shows, with its focused box, then runs `then`.
void recordNextModal(ScriptedServices& svc, Shown& shown, std::function<void(plat::Form&)> then = {}) {
    svc.modalScripts.push_back([&shown, then](plat::Form& dialog) {
        shown.dialog = dialog.name();
        plat::Control* active = dialog.activeControl();
        shown.focused = active ? active->name() : "";
        if (active && active->kind() == plat::ControlKind::TextBox) shown.text = static_cast<plat::TextBox*>(active)->text();
        if (then) then(dialog);
    });
}

struct KeyCase {
    const char* box;
    const char* typed;
    const char* message;
    const char* corrected;
};

TEST(KeyDialogRefusal, AValueLeftByCancelIsCorrectedInTheDialogAndTheWallCompletes) {
    const KeyCase cases[] = {
        {"txt3", "1e999", "突起の巾は数値で入力してください。", "0.3"},
        {"txt2", "1e999", "突起の位置は数値で入力してください。", "1.5"},
        {"txt3", "0", "突起の巾は0.01以上1000m以下で入力してください。", "0.3"},
    };
    ProgramWithMainWindow fresh;
    fixture::placeStability(fresh.prog, fixture::Wall::HeelToeKey);
    const std::string judged = fresh.prog.form<Form4>().lbl62.caption();
    ASSERT_NE(judged, "");
    for (const KeyCase& c : cases) {
        const std::string name = std::string(c.box) + " \"" + c.typed + "\"";
        ProgramWithMainWindow run;
        Program& p = run.prog;
        fixture::placeStability(p, fixture::Wall::HeelToeKey);
        Form4& d = p.form<Form4>();
        Form19& key = p.form<Form19>();
        auto& box = static_cast<plat::TextBox&>(*key.control(c.box));
        // Typed in the dialog, refused by "計算", then cancelled.
        run.svc.modalScripts.push_back([&](plat::Form&) {
            box.setFocus();
            box.userEdit(c.typed, static_cast<int>(std::string(c.typed).size()), 0);
            key.cmd1.press();
            key.cmd2.press();
        });
        d.cmd5.press();
        EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{c.message}) << name;
        EXPECT_FALSE(p.hasResult()) << name;

        // "安定性の検討" names it and opens the dialog on it.
        run.svc.clear();
        Shown byCheck;
        recordNextModal(run.svc, byCheck);
        d.cmd3.press();
        EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{c.message}) << name;
        EXPECT_EQ(byCheck.dialog, "Form19") << name;
        EXPECT_EQ(byCheck.focused, c.box) << name;
        EXPECT_EQ(byCheck.text, c.typed) << name;
        EXPECT_FALSE(p.hasResult()) << name;

        // "突起の計算" opens it too, on the same box; corrected there, the wall completes.
        run.svc.clear();
        Shown byKey;
        recordNextModal(run.svc, byKey, [&](plat::Form&) {
            box.setText(c.corrected);
            key.cmd1.press();
        });
        d.cmd5.press();
        EXPECT_EQ(byKey.dialog, "Form19") << name;
        EXPECT_EQ(byKey.focused, c.box) << name;
        d.cmd3.press();
        EXPECT_TRUE(p.hasResult()) << name << ": " << (run.svc.messages.empty() ? "" : run.svc.messages.back().text);
        EXPECT_EQ(d.lbl62.caption(), judged) << name;
    }
}

// The road standard's key dialog: a position refused and left there opens the dialog on
// it at the next check and at the key calculation, and corrected there the wall completes.
TEST(KeyDialogRefusal, TheRoadKeyDialogOpensOnItsRefusedBoxToo) {
    ProgramWithMainWindow run;
    Program& p = run.prog;
    fixture::placeStability(p, fixture::Wall::RoadSeismic);
    Form4& d = p.form<Form4>();
    d.opt6.userClick();
    Form26& key = p.form<Form26>();
    key.txt1.setText("0.3");
    key.txt2.setText("1e999");  // left there as a refused value
    key.txt3.setText("0.3");
    run.svc.clear();
    Shown byCheck;
    recordNextModal(run.svc, byCheck);
    d.cmd3.press();
    EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{"突起の位置は数値で入力してください。"});
    EXPECT_EQ(byCheck.dialog, "Form26");
    EXPECT_EQ(byCheck.focused, "txt2");
    EXPECT_FALSE(p.hasResult());

    run.svc.clear();
    Shown byKey;
    recordNextModal(run.svc, byKey, [&](plat::Form&) {
        key.txt2.setText("1.5");
        key.cmd1.press();
    });
    d.cmd5.press();
    EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{"突起の位置は数値で入力してください。"});
    EXPECT_EQ(byKey.dialog, "Form26");
    EXPECT_EQ(byKey.focused, "txt2");
    run.svc.clear();
    d.cmd3.press();
    EXPECT_TRUE(p.hasResult()) << (run.svc.messages.empty() ? "" : run.svc.messages.back().text);
}

// File > 新規作成: neither key dialog keeps a text for the next wall.
TEST(KeyDialogRefusal, NewStartsTheNextWallWithoutTheKeyText) {
    ProgramWithMainWindow run;
    Program& p = run.prog;
    fixture::placeStability(p, fixture::Wall::HeelToeKey);
    p.form<Form19>().txt3.setText("1e999");
    p.form<Form26>().txt1.setText("1e999");
    run.main->FileNew();
    EXPECT_EQ(p.find("Form19"), nullptr);
    EXPECT_EQ(p.find("Form26"), nullptr);
    run.svc.clear();
    fixture::enterWall(p, fixture::Wall::HeelToeKey);
    EXPECT_TRUE(run.svc.messageTexts().empty()) << run.svc.messageTexts()[0];
    EXPECT_TRUE(p.hasResult());
    EXPECT_TRUE(p.checkCurrent());
}

}  // namespace
