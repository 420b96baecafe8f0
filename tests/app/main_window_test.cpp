#include "app/main_window.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "app/about_box.h"
#include "conditions/conditions_screen.h"
#include "conditions/reference_windows.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "support/choice_input.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

using plat::MsgButtons;
using plat::MsgIcon;
using plat::MsgResult;

class MainWindowTest : public ProgramTest {
protected:
    bool enabled(ToolbarButton which) { return button(main->Toolbar1, which).enabled; }
    void enableToolbar() {
        for (ToolbarButton command : kReportCommandButtons) button(main->Toolbar1, command).enabled = true;
    }
};

TEST_F(MainWindowTest, StartUp) {
    EXPECT_EQ(prog.currentScreen, 0);
    EXPECT_TRUE(main->visible());
    EXPECT_EQ(main->caption(), "ミラノス");
    EXPECT_TRUE(enabled(ToolbarButton::New));
    EXPECT_TRUE(enabled(ToolbarButton::Open));
    EXPECT_FALSE(enabled(ToolbarButton::Save));
    EXPECT_FALSE(enabled(ToolbarButton::Preview));
    EXPECT_FALSE(enabled(ToolbarButton::Print));
    EXPECT_TRUE(button(main->Toolbar1, ToolbarButton::Separator).separator);
    for (plat::MenuItem* item : main->Men_F.children()) EXPECT_TRUE(item->enabled()) << item->name();
    EXPECT_FALSE(prog.isLoaded("Form3")) << "no input screen opens at start-up";
    EXPECT_TRUE(svc.messages.empty());
}

TEST_F(MainWindowTest, ToolbarTextsAndMenuCaptions) {
    const std::pair<ToolbarButton, const char*> tips[] = {
        {ToolbarButton::New, "[ファイル]-[新規作成]"},      {ToolbarButton::Open, "[ファイル]-[開く]"},
        {ToolbarButton::Save, "[ファイル]-[上書き保存]"},   {ToolbarButton::Separator, ""},
        {ToolbarButton::Preview, "[ファイル]-[印刷ｲﾒｰｼﾞ]"}, {ToolbarButton::Print, "[ファイル]-[印刷]"}};
    EXPECT_EQ(main->Toolbar1.count(), 6);
    for (const auto& [which, tip] : tips)
        EXPECT_EQ(button(main->Toolbar1, which).tooltip, tip) << static_cast<int>(which);
    std::vector<std::string> captions;
    for (plat::MenuItem* item : main->Men_F.children()) captions.push_back(item->caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"新規作成(&N)", "開く(&O)", "閉じる(&C)", "-", "上書き保存(&V)",
                                                  "名前を付けて保存(&A)", "-", "印刷イメージ(&I)", "印刷(&P)", "-",
                                                  "終了(&X)"}));
}

struct MenuCase {
    const char* name;
    float sigmaMax;
    float sliding;
    std::optional<int> done;
    const char* path;
    bool previous;  // state of the four items before the menu opens
    bool toolbar;   // toolbar buttons 5 and 6
    bool sav, ovw;
    bool pages;     // preview and print
};

// The save items follow their rules; preview and print are offered exactly while a
// stability result stands, whatever the toolbar, the sliding factor of an earlier result
// or the items' earlier state say.
TEST_F(MainWindowTest, FileMenuEnablingRule) {
    const MenuCase cases[] = {
        {"nothing computed", 0, 0, std::nullopt, "", true, false, false, false, false},
        {"sliding factor survives invalidation", 0, 1.2f, 0, "", true, false, false, false, false},
        {"valid result, toolbar on", 10, 0, 0, "p", false, true, false, false, true},
        {"valid result, toolbar off after a section edit", 10, 0, 0, "p", false, false, false, false, true},
        {"section done, no path keeps overwrite on", 10, 0, 1, "", true, true, true, true, true},
        {"section done, no path keeps overwrite off", 10, 0, 1, "", false, true, true, false, true},
        {"section done, no path, sliding factor", 10, 1.5f, 1, "", true, true, true, false, true},
        {"no result with the toolbar on", 0, 1.5f, 1, "a.ywd", true, true, true, true, false},
        {"section done with path, nothing else", 0, 0, 1, "a.ywd", true, false, true, true, false},
    };
    for (const auto& c : cases) {
        for (plat::MenuItem* item : {&main->Men_FSav, &main->Men_FOvw, &main->Men_FImg, &main->Men_FPrn})
            item->setEnabled(c.previous);
        prog.sigmaMax = c.sigmaMax;
        prog.slidingSafetyFactor = c.sliding;
        prog.sectionCheckDone = c.done;
        prog.projectPath = c.path;
        button(main->Toolbar1, ToolbarButton::Preview).enabled = c.toolbar;
        button(main->Toolbar1, ToolbarButton::Print).enabled = c.toolbar;
        main->Men_F.userClick();
        EXPECT_EQ(main->Men_FSav.enabled(), c.sav) << c.name;
        EXPECT_EQ(main->Men_FOvw.enabled(), c.ovw) << c.name;
        EXPECT_EQ(main->Men_FImg.enabled(), c.pages) << c.name;
        EXPECT_EQ(main->Men_FPrn.enabled(), c.pages) << c.name;
        // The menu leaves the toolbar as it was.
        EXPECT_EQ(button(main->Toolbar1, ToolbarButton::Preview).enabled, c.toolbar) << c.name;
        for (plat::MenuItem* item : {&main->Men_FNew, &main->Men_FOpn, &main->Men_FCls, &main->Men_FEnd})
            EXPECT_TRUE(item->enabled()) << c.name;
    }
}

TEST_F(MainWindowTest, NewOpensAFreshDesignConditionsScreen) {
    fixture::standResults(prog);
    prog.projectPath = "C:\\old.ywd";
    enableToolbar();
    main->Men_FNew.userClick();

    Form3& f3 = prog.form<Form3>();
    EXPECT_TRUE(f3.visible());
    EXPECT_EQ(f3.left(), 0);
    EXPECT_EQ(f3.top(), 0);
    EXPECT_EQ(prog.activeChild(), &f3);
    EXPECT_EQ(f3.activeControl(), &f3.txt1);
    EXPECT_EQ(f3.txt1.selStart(), 0);
    EXPECT_EQ(f3.txt1.selLength(), 0);
    EXPECT_FALSE(f3.cmd4.enabled());
    EXPECT_FALSE(f3.lbl46.visible());
    EXPECT_FALSE(f3.lbl47.visible());
    EXPECT_FALSE(f3.txt13.visible());
    EXPECT_FALSE(prog.isLoaded("Form25"));
    EXPECT_EQ(prog.sigmaMax, 0);
    EXPECT_EQ(prog.sectionCheckDoneValue(), 0);
    EXPECT_EQ(prog.projectPath, "");
    EXPECT_EQ(prog.currentScreen, 1);
    EXPECT_FALSE(enabled(ToolbarButton::Save));
    EXPECT_FALSE(enabled(ToolbarButton::Preview));
    EXPECT_FALSE(enabled(ToolbarButton::Print));
    EXPECT_TRUE(svc.messages.empty()) << "New asks nothing";
}

TEST_F(MainWindowTest, NewTwiceLeavesOneFreshScreenAndSelectsTheSite) {
    main->FileNew();
    Form3* first = &prog.form<Form3>();
    first->txt1.setText("大阪市");
    userClick(main->Toolbar1, ToolbarButton::New);
    Form3& f3 = prog.form<Form3>();
    EXPECT_EQ(f3.txt1.text(), "");
    EXPECT_EQ(prog.children().size(), 1u) << "one input screen shown";
    EXPECT_EQ(prog.activeChild(), &f3);
    f3.txt1.setText("堺市");
    main->FileNew();
    EXPECT_EQ(prog.form<Form3>().txt1.text(), "");
    EXPECT_EQ(prog.form<Form3>().activeControl(), &prog.form<Form3>().txt1);
}

TEST_F(MainWindowTest, NewUnloadsTheInputScreens) {
    prog.form<Form4>().lbl57.setCaption("123.4");
    prog.form<Form7>().txt1.setText("200");
    main->FileNew();
    EXPECT_EQ(prog.form<Form4>().lbl57.caption(), "");
    EXPECT_EQ(prog.form<Form7>().txt1.text(), "");
}

TEST_F(MainWindowTest, CloseCancelChangesNothing) {
    main->FileNew();
    prog.form<Form3>().txt1.setText("site");
    fixture::standResults(prog);
    prog.projectPath = "a.ywd";
    enableToolbar();
    svc.answers.push_back(MsgResult::Cancel);
    main->Men_FCls.userClick();

    ASSERT_EQ(svc.messages.size(), 1u);
    const auto& m = svc.messages[0];
    EXPECT_EQ(m.text, "閉じてもよろしいですか？");
    EXPECT_EQ(m.title, "確認");
    EXPECT_EQ(m.buttons, MsgButtons::OKCancel);
    EXPECT_EQ(m.icon, MsgIcon::Question);
    EXPECT_EQ(m.defaultButton, 1);
    EXPECT_EQ(prog.currentScreen, 1);
    EXPECT_EQ(prog.sigmaMax, fixture::kStandingSigmaMax);
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
    EXPECT_EQ(prog.form<Form3>().txt1.text(), "site");
    EXPECT_EQ(prog.projectPath, "a.ywd");
    EXPECT_TRUE(enabled(ToolbarButton::Save));
}

TEST_F(MainWindowTest, CloseOkUnloadsAndSwitchesTheToolbarOff) {
    main->FileNew();
    prog.projectPath = "a.ywd";
    enableToolbar();
    svc.answers.push_back(MsgResult::OK);
    main->Men_FCls.userClick();
    for (const char* name : {"Form3", "Form23", "Form4", "Form7", "Form14", "Form19", "Form25"})
        EXPECT_FALSE(prog.isLoaded(name)) << name;
    EXPECT_EQ(prog.currentScreen, 0);
    EXPECT_EQ(prog.projectPath, "");
    EXPECT_FALSE(enabled(ToolbarButton::Save));
    EXPECT_FALSE(enabled(ToolbarButton::Preview));
    EXPECT_FALSE(enabled(ToolbarButton::Print));
    EXPECT_FALSE(prog.ended());
}

TEST_F(MainWindowTest, TitleNamesTheFileOnly) {
    EXPECT_EQ(MDIForm1::titleFor(""), "ミラノス");
    EXPECT_EQ(MDIForm1::titleFor("/home/a/U型擁壁1.ywd"), "ミラノス - U型擁壁1.ywd");
    EXPECT_EQ(MDIForm1::titleFor("wall.ywd"), "ミラノス - wall.ywd");
}

TEST_F(MainWindowTest, ExitFromTheMenuAsksWithFullWidthMarkAndNoAsDefault) {
    svc.answers.push_back(MsgResult::No);
    main->Men_FEnd.userClick();
    EXPECT_FALSE(prog.ended());
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "終了してもよろしいですか？");
    EXPECT_EQ(svc.messages[0].title, "確認");
    EXPECT_EQ(svc.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(svc.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(svc.messages[0].defaultButton, 1);
    svc.answers.push_back(MsgResult::Yes);
    main->Men_FEnd.userClick();
    EXPECT_TRUE(prog.ended());
    EXPECT_EQ(svc.messages.size(), 2u) << "no second question";
}

TEST_F(MainWindowTest, CloseBoxAsksWithHalfWidthMarkAndYesAsDefault) {
    svc.answers.push_back(MsgResult::No);
    main->userClose();
    EXPECT_FALSE(prog.ended());
    EXPECT_TRUE(prog.isLoaded("MDIForm1"));
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "終了してもよろしいですか?");
    EXPECT_EQ(svc.messages[0].title, "");
    EXPECT_EQ(svc.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(svc.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(svc.messages[0].defaultButton, 0);
    svc.answers.push_back(MsgResult::Yes);
    main->userClose();
    EXPECT_TRUE(prog.ended());
}

TEST_F(MainWindowTest, ReferenceMenuWithoutAProjectCreatesNoScreen) {
    main->Men_S.userClick();
    EXPECT_FALSE(prog.isLoaded("Form3"));
    EXPECT_TRUE(prog.isLoaded("Form10"));
    EXPECT_FALSE(prog.isLoaded("Form9"));
    EXPECT_TRUE(prog.form<Form10>().visible());
    EXPECT_FALSE(main->Men_F.enabled());
    EXPECT_FALSE(main->Men_S.enabled());
    EXPECT_FALSE(main->Toolbar1.visible());
    EXPECT_TRUE(main->Men_H.enabled());
}

TEST_F(MainWindowTest, ReferenceMenuFollowsTheDesignStandard) {
    struct Case {
        const char* name;
        Standard standard;
        const char* expected;
    };
    const Case cases[] = {{"none", Standard::None, "Form10"},
                          {"building", Standard::Building, "Form10"},
                          {"road", Standard::Road, "Form9"}};
    for (const auto& c : cases) {
        main->FileNew();
        prog.unload("Form9");
        prog.unload("Form10");
        choice_input::setDesignChoices(prog, {c.standard});
        main->Men_S_Click();
        EXPECT_TRUE(prog.isLoaded(c.expected)) << c.name;
        EXPECT_EQ(prog.isLoaded("Form9") + prog.isLoaded("Form10"), 1) << c.name;
    }
}

TEST_F(MainWindowTest, ToolbarRouting) {
    userClick(main->Toolbar1, ToolbarButton::Separator);
    EXPECT_FALSE(prog.isLoaded("Form3")) << "the separator does nothing";
    userClick(main->Toolbar1, ToolbarButton::Save);
    userClick(main->Toolbar1, ToolbarButton::Preview);
    EXPECT_TRUE(svc.messages.empty());
    userClick(main->Toolbar1, ToolbarButton::New);
    EXPECT_TRUE(prog.form<Form3>().visible());
}

TEST_F(MainWindowTest, AboutBoxIsModalAndItsOkUnloadsIt) {
    bool shown = false;
    svc.modalScripts.push_back([&](plat::Form& f) {
        auto& about = static_cast<Form13&>(f);
        shown = about.isModalOpen();
        EXPECT_EQ(about.caption(), "ミラノス");
        EXPECT_EQ(about.lbl1.caption(), "ミラノス　Version 1.42");
        EXPECT_EQ(about.cmd1.caption(), "ＯＫ");
        about.cmd1.press();
    });
    int screen = prog.currentScreen;
    main->Men_FVer.userClick();
    EXPECT_TRUE(shown);
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form13"});
    EXPECT_FALSE(prog.isLoaded("Form13"));
    EXPECT_EQ(prog.currentScreen, screen);
}

}  // namespace
