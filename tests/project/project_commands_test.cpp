// Save as, overwrite save and open through the main window: dialogs, questions, the
// round trip of a complete project, failures to write and files that are no project.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <sys/resource.h>
#include <string>
#include <vector>

#include "project/file_test_support.h"
#include "project/project_fixture.h"

namespace {

using namespace file_test;

using plat::MessageRequest;
using plat::MsgResult;


class ProjectCommands : public ProjectFixture {
protected:
    // A saved project, the screens still as entered; messages of the entry cleared.
    std::string savedProject(const std::string& name = "a.ywd") {
        makeProject();
        const std::string file = path(name);
        saveAs(prog, svc, file);
        svc.clear();
        return file;
    }
};

TEST_F(ProjectCommands, SaveAsWritesTheProjectAndTitlesTheScreen) {
    makeProject();
    svc.clear();
    const std::string file = path("wall.ywd");
    saveAs(prog, svc, file);

    ASSERT_EQ(svc.fileRequests.size(), 1u);
    const plat::FileDialogRequest& r = svc.fileRequests[0];
    EXPECT_EQ(r.title, "ミラノスの保存");
    EXPECT_EQ(r.initialFolder, "C:\\ミラノス\\");
    EXPECT_EQ(r.filter, "ミラノス(.ywd)|*.ywd");
    EXPECT_EQ(r.fileName, "");
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(prog.projectPath, file);
    EXPECT_EQ(prog.form<Form3>().caption(), file);
    EXPECT_EQ(linesOf(file), project::collect(prog));
    EXPECT_EQ(prog.currentScreen, 3) << "saving moves no screen";
    // The File menu offers overwrite save from now on.
    main->Men_F_Click();
    EXPECT_TRUE(main->Men_FOvw.enabled());
}

TEST_F(ProjectCommands, SaveAsCancelledWritesNothingAndDropsThePath) {
    const std::string file = savedProject();
    const std::string before = bytesOf(file);
    svc.fileAnswers.push_back(std::nullopt);
    main->Men_FSav_Click();
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(prog.projectPath, "");
    EXPECT_EQ(prog.form<Form3>().caption(), file);
    EXPECT_EQ(main->caption(), "ミラノス") << "no current file to name";
    EXPECT_EQ(bytesOf(file), before);
    main->Men_F_Click();
    EXPECT_FALSE(main->Men_FOvw.enabled());
}

TEST_F(ProjectCommands, ReplacingAnExistingFileIsAskedAndNoKeepsIt) {
    const std::string file = savedProject();
    const std::string other = path("other.ywd");
    writeBytes(other, "keep me");
    svc.answers.push_back(MsgResult::No);
    saveAs(prog, svc, other);

    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0], MessageRequest::fromStyle(kReplaceQuestion, plat::msg::kYesNo | plat::msg::kCritical | plat::msg::kSecondDefault, "上書き保存の確認"));
    EXPECT_EQ(bytesOf(other), "keep me");
    EXPECT_EQ(prog.projectPath, file) << "the declined name is not the project's";
    EXPECT_EQ(prog.form<Form3>().caption(), file);
}

TEST_F(ProjectCommands, ReplacingAnExistingFileWithYes) {
    savedProject();
    const std::string other = path("other.ywd");
    writeBytes(other, "old");
    svc.answers.push_back(MsgResult::Yes);
    saveAs(prog, svc, other);
    EXPECT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(linesOf(other), project::collect(prog));
    EXPECT_EQ(prog.form<Form3>().caption(), other);
    // Nothing but the two projects is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 2);
}

TEST_F(ProjectCommands, OverwriteSaveAsksAndCancelWritesNothing) {
    const std::string file = savedProject();
    writeBytes(file, "untouched");
    svc.answers.push_back(MsgResult::Cancel);
    main->FileUpdate();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0], MessageRequest::fromStyle(kOverwriteQuestion, plat::msg::kOkCancel | plat::msg::kSecondDefault, "確認"));
    EXPECT_EQ(bytesOf(file), "untouched");

    svc.answers.push_back(MsgResult::OK);
    main->FileUpdate();
    EXPECT_EQ(svc.messages.size(), 2u);
    EXPECT_EQ(linesOf(file), project::collect(prog));
    EXPECT_EQ(prog.projectPath, file);
}

TEST_F(ProjectCommands, BothWritersGiveTheSameBytes) {
    const std::string first = savedProject("first.ywd");
    const std::string saved = bytesOf(first);
    svc.answers.push_back(MsgResult::OK);
    main->FileUpdate();
    EXPECT_EQ(bytesOf(first), saved);
}

TEST_F(ProjectCommands, OverwriteSaveWithoutAPathAsksForOne) {
    makeProject();
    prog.projectPath.clear();
    const std::string file = path("new.ywd");
    svc.fileAnswers.push_back(file);
    button(main->Toolbar1, ToolbarButton::Save).enabled = true;
    userClick(main->Toolbar1, ToolbarButton::Save);
    EXPECT_EQ(svc.fileRequests.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(prog.projectPath, file);
}

TEST_F(ProjectCommands, SaveAsIntoAMissingFolderReportsAndKeepsThePreviousPath) {
    const std::string file = savedProject();
    const std::string missing = path("no-such-folder/wall.ywd");
    saveAs(prog, svc, missing);

    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0], MessageRequest::fromStyle(kCannotSave, plat::msg::kCritical, "エラーメッセージ"));
    EXPECT_EQ(prog.projectPath, file);
    EXPECT_EQ(prog.form<Form3>().caption(), file);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

// A write that cannot finish leaves the good file as it was.
TEST_F(ProjectCommands, FailedOverwriteKeepsTheGoodFile) {
    const std::string file = savedProject();
    const std::string good = bytesOf(file);
    prog.form<Form3>().txt1.setText("changed");
    svc.answers.push_back(MsgResult::OK);
    {
        // The disk fills part-way through the write.
        DiskFillsAt full(100);
        main->FileUpdate();
    }
    ASSERT_EQ(svc.messages.size(), 2u);
    EXPECT_EQ(svc.messages[1], MessageRequest::fromStyle(kCannotSave, plat::msg::kCritical, "エラーメッセージ"));
    EXPECT_EQ(bytesOf(file), good);
    EXPECT_EQ(prog.projectPath, file);
}

TEST_F(ProjectCommands, SavingOverAFolderFails) {
    savedProject();
    const std::string folder = path("folder.ywd");
    std::filesystem::create_directory(folder);
    svc.answers.push_back(MsgResult::Yes);
    saveAs(prog, svc, folder);
    ASSERT_EQ(svc.messages.size(), 2u);
    EXPECT_EQ(svc.messages[1].text, kCannotSave);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(ProjectCommands, OpenRestoresEveryLineAndTheScreens) {
    const std::string file = savedProject();
    Fresh run;
    open(run.prog, run.svc, file);
    Program& p = run.prog;

    ASSERT_EQ(run.svc.fileRequests.size(), 1u);
    EXPECT_EQ(run.svc.fileRequests[0].title, "ミラノスを開く");
    EXPECT_EQ(run.svc.fileRequests[0].initialFolder, "C:\\ミラノス\\");
    EXPECT_EQ(run.svc.fileRequests[0].filter, "ミラノス(.ywd)|*.ywd");
    EXPECT_EQ(run.svc.fileRequests[0].fileName, "");
    EXPECT_TRUE(run.svc.messages.empty()) << run.svc.messages[0].text;

    EXPECT_EQ(project::collect(p), linesOf(file));
    // The recomputed results equal those of the session that saved the project.
    EXPECT_EQ(p.sigmaMax, prog.sigmaMax);
    EXPECT_EQ(p.slidingSafetyFactor, prog.slidingSafetyFactor);
    EXPECT_EQ(p.activeCoefficient, prog.activeCoefficient);
    for (int r : project::kLocations) {
        EXPECT_EQ(p.computedSpacing[r], prog.computedSpacing[r]) << r;
        EXPECT_EQ(p.concreteStress[r], prog.concreteStress[r]) << r;
    }

    Form3& c = p.form<Form3>();
    EXPECT_EQ(p.projectPath, file);
    EXPECT_EQ(c.caption(), file);
    EXPECT_TRUE(c.visible());
    EXPECT_EQ(p.activeChild(), &c);
    EXPECT_EQ(p.currentScreen, 1);
    EXPECT_EQ(c.activeControl(), &c.txt1);
    EXPECT_EQ(c.txt1.text(), " 東京都 港区∴O.K ");
    EXPECT_FALSE(c.txt13.visible()) << "no short-term stress: its row is hidden";
    EXPECT_FALSE(c.lbl46.visible());
    EXPECT_FALSE(c.cmd7.enabled()) << "normal case";
    EXPECT_FALSE(p.form<Form4>().visible());
    EXPECT_FALSE(p.form<Form23>().visible());
    EXPECT_FALSE(p.form<Form7>().visible());
    EXPECT_EQ(p.sectionCheckDone, 1);
    MDIForm1& m = p.form<MDIForm1>();
    for (ToolbarButton command : kReportCommandButtons)
        EXPECT_TRUE(button(m.Toolbar1, command).enabled) << static_cast<int>(command);
    for (plat::MenuItem* item : {&m.Men_FSav, &m.Men_FOvw, &m.Men_FImg, &m.Men_FPrn}) EXPECT_TRUE(item->enabled());
    Form4& d = p.form<Form4>();
    for (plat::Label* cell : {&d.lbl52, &d.lbl53, &d.lbl54, &d.lbl56, &d.lbl62, &d.lbl64, &d.lbl66})
        EXPECT_TRUE(cell->visible()) << cell->name();
    EXPECT_FALSE(d.lbl68.visible()) << "no shear key";
    EXPECT_TRUE(d.opt3.value()) << "a toe: the front-soil choice stays as loaded";

    // Saved again, the file is the same byte for byte.
    const std::string again = path("again.ywd");
    open(run.prog, run.svc, file);
    saveAs(run.prog, run.svc, again);
    EXPECT_EQ(bytesOf(again), bytesOf(file));
}

TEST_F(ProjectCommands, OpenCancelledChangesNothingButThePath) {
    const std::string file = savedProject();
    svc.fileAnswers.push_back(std::nullopt);
    main->FileOpen();
    EXPECT_EQ(prog.projectPath, "");
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(prog.form<Form3>().txt1.text(), " 東京都 港区∴O.K ");
    EXPECT_EQ(prog.sectionCheckDone, 1);
}

struct BadFile {
    const char* name;
    const char* bytes;  // nullptr: no file at all
    const char* message;
};

class OpenRefused : public ProjectCommands, public ::testing::WithParamInterface<BadFile> {};

// A file that is not a project is refused before anything of the open project changes.
TEST_P(OpenRefused, BeforeTouchingTheOpenProject) {
    const BadFile& c = GetParam();
    const std::string file = savedProject();
    const std::string bad = path(c.name);
    if (c.bytes) writeBytes(bad, c.bytes);
    prog.form<Form4>().show();
    const int screen = prog.currentScreen;
    open(prog, svc, bad);

    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0], MessageRequest::fromStyle(c.message, plat::msg::kCritical, "エラーメッセージ"));
    EXPECT_EQ(prog.projectPath, file);
    EXPECT_EQ(prog.currentScreen, screen);
    EXPECT_TRUE(prog.form<Form4>().visible());
    EXPECT_EQ(prog.form<Form3>().txt1.text(), " 東京都 港区∴O.K ");
    EXPECT_EQ(prog.form<Form7>().lbl4.caption(), "O.K");
    EXPECT_EQ(prog.sectionCheckDone, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenRefused,
    ::testing::Values(BadFile{"short.ywd", "True\r\nFalse\r\n東京都\r\n", "ミラノスのデータファイルではありません。"},
                      BadFile{"empty.ywd", "", "ミラノスのデータファイルではありません。"},
                      BadFile{"missing.ywd", nullptr, "ファイルを開けませんでした。"}));

TEST_F(ProjectCommands, GarbledFileIsRefused) {
    const std::string file = savedProject();
    std::string bytes = bytesOf(file);
    bytes[100] = '\0';
    const std::string bad = path("garbled.ywd");
    writeBytes(bad, bytes);
    open(prog, svc, bad);
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "ミラノスのデータファイルではありません。");
    EXPECT_EQ(prog.projectPath, file);
}

TEST_F(ProjectCommands, LinesThatDoNotConvertAreSkipped) {
    const std::string file = savedProject();
    std::vector<std::string> texts = linesOf(file);
    texts[81] = " 2 ";   // Form19.chk1: a number, but no state of a check box
    texts[107] = "1.5";  // Form21.txt1: a text line takes any text
    texts[216] = " 1 ";  // δ computed
    Fresh run;
    run.prog.form<Form19>().chk1.setValue(1);
    open(run.prog, run.svc, craft(texts, "edited.ywd"));
    EXPECT_TRUE(run.svc.messages.empty());
    EXPECT_EQ(run.prog.form<Form19>().chk1.value(), 1) << "not rebuilt, left as it was";
    EXPECT_EQ(run.prog.form<Form21>().txt1.text(), "1.5");
    EXPECT_EQ(run.prog.surchargeInertiaHeight, 1.5f);
    EXPECT_EQ(run.prog.deltaComputed, 1);
    EXPECT_EQ(run.prog.sectionCheckDone, 1);
}

TEST_F(ProjectCommands, SeismicProjectRestoresTheConditionButtons) {
    const std::string file = savedProject();
    std::vector<std::string> texts = linesOf(file);
    texts[20] = "False";  // normal
    texts[21] = "True";   // seismic
    texts[82] = "True";   // method K1
    texts[85] = "0.2";    // Kh
    texts[86] = "0";      // Kv
    texts[13] = "300";    // the short-term allowable stress the seismic case asks for
    Fresh run;
    open(run.prog, run.svc, craft(texts, "seismic.ywd"));
    EXPECT_TRUE(run.svc.messages.empty()) << run.svc.messages[0].text;
    Form3& c = run.prog.form<Form3>();
    EXPECT_TRUE(c.opt4.value());
    EXPECT_TRUE(c.cmd4.enabled());
    EXPECT_TRUE(c.cmd7.enabled());
    EXPECT_FALSE(c.cmd5.enabled());
    EXPECT_FALSE(c.opt1.enabled());
    EXPECT_EQ(run.prog.seismicKh, 0.2f);
}

TEST_F(ProjectCommands, SymmetricShapeHidesTheFrontSoilChoice) {
    const std::string file = savedProject();
    std::vector<std::string> texts = linesOf(file);
    texts[26] = "False";
    texts[27] = "True";
    Fresh run;
    open(run.prog, run.svc, craft(texts, "symmetric.ywd"));
    Form4& d = run.prog.form<Form4>();
    EXPECT_FALSE(d.Frame2.visible());
    EXPECT_FALSE(d.opt3.value());
    EXPECT_FALSE(d.opt4.value());
    EXPECT_EQ(run.prog.surchargeBack, 10.0f);
    EXPECT_FALSE(d.lbl52.visible()) << "overturning rows belong to the one-sided shape";
    EXPECT_TRUE(d.lbl57.visible());
}

// A program that never showed a screen saves every window's initial state and stays
// without a current screen.
TEST_F(ProjectCommands, SavingAFreshProgramWritesTheInitialStates) {
    const std::string file = path("fresh.ywd");
    saveAs(prog, svc, file);
    EXPECT_EQ(prog.currentScreen, 0);
    const std::vector<std::string> texts = linesOf(file);
    ASSERT_EQ(texts.size(), 220u);
    EXPECT_EQ(texts[0], "False");
    EXPECT_EQ(texts[2], "");
    EXPECT_EQ(texts[152], "-1 ") << "no bar chosen";
    EXPECT_EQ(texts[160], "60") << "the section screen's initial cover";
    EXPECT_EQ(texts[216], "") << "δ's origin never set";
    for (int n = 218; n <= 220; ++n) EXPECT_EQ(texts[n - 1], "") << "the road key dialog's boxes";
    EXPECT_EQ(bytesOf(file).size(), project::encode(texts).size());
}

// The section coefficient of the file replaces the one the provisional run wrote.
TEST_F(ProjectCommands, SavedSectionCoefficientWinsOverTheProvisionalOne) {
    const std::string file = savedProject();
    std::vector<std::string> texts = linesOf(file);
    ASSERT_NE(texts[119], "0.321");
    texts[119] = "0.321";
    Fresh run;
    open(run.prog, run.svc, craft(texts, "ka.ywd"));
    EXPECT_EQ(run.prog.form<Form7>().txt_ka.text(), "0.321");
}

// Without the section coefficient no location can be computed again: each asks for it,
// as the screen does, and shows nothing of what the file says it gave.
TEST_F(ProjectCommands, SectionResultsWithoutTheCoefficientStayEmpty) {
    const std::string file = savedProject();
    std::vector<std::string> texts = linesOf(file);
    texts[119] = "";  // Form7.txt_ka
    Fresh run;
    open(run.prog, run.svc, craft(texts, "no-ka.ywd"));
    for (const std::string& text : run.svc.messageTexts()) EXPECT_EQ(text, "主働土圧係数を入力してください。");
    EXPECT_FALSE(run.svc.messages.empty());
    Form7& s = run.prog.form<Form7>();
    for (int loc : s.presentLocations()) {
        Form7::Row r = s.row(loc);
        EXPECT_EQ(r.computed.caption(), "") << loc;
        for (const plat::Label* result : r.results) EXPECT_EQ(result->caption(), "") << loc;
    }
    EXPECT_EQ(run.prog.sectionCheckDone, 0);
}

// Location 8 (heel) is recomputed only when the wall has a heel; without one its
// captions stay as read.
TEST_F(ProjectCommands, HeelResultsRecomputedOnlyWithAHeel) {
    const std::string file = savedProject();
    std::vector<std::string> texts = linesOf(file);
    ASSERT_EQ(texts[42], "0.6");  // Form4.txt16, the heel
    texts[173] = "stale";         // Form7.lbl_rh
    for (int n = 205; n <= 208; ++n) texts[n - 1] = "stale";  // lbl29 to lbl32
    {
        Fresh run;
        open(run.prog, run.svc, craft(texts, "heel.ywd"));
        Form7& s = run.prog.form<Form7>();
        EXPECT_NE(s.lbl_rh.caption(), "stale");
        EXPECT_NE(s.lbl29.caption(), "stale");
    }
    texts[42] = "0";
    Fresh run;
    open(run.prog, run.svc, craft(texts, "noheel.ywd"));
    Form7& s = run.prog.form<Form7>();
    EXPECT_EQ(run.prog.heelLength, 0.0f);
    EXPECT_EQ(s.lbl_rh.caption(), "stale");
    for (plat::Label* cell : {&s.lbl29, &s.lbl30, &s.lbl31, &s.lbl32}) EXPECT_EQ(cell->caption(), "stale");
}

}  // namespace
