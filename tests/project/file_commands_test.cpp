// What the file commands leave behind: the path after a declined replacement, the
// extension of a typed name, the main window's title, a cancelled close, the preview
// after New and Close, read-only projects, the save's temporary file, names the code
// page cannot hold and extra empty lines at a file's end. Each test looks at the files
// and the screens before and after the command.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

#include "common/cp932.h"
#include "project/file_system.h"
#include "project/file_test_support.h"
#include "project/project_fixture.h"
#include "report/print_range_dialog.h"
#include "support/fixture_walls.h"

namespace {

using namespace file_test;

using plat::MsgResult;

const char* const kStabilityMissing = "安定性の検討をしてください。";

class FileCommands : public ProjectFixture {
protected:
    std::vector<std::string> folderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The File menu as it opens now.
    struct Menu {
        bool saveAs, overwrite, preview, print;
    };
    Menu menu() {
        main->Men_F.userClick();
        return {main->Men_FSav.enabled(), main->Men_FOvw.enabled(), main->Men_FImg.enabled(),
                main->Men_FPrn.enabled()};
    }
};

// いいえ to the replace question: the project keeps the path it had, and overwrite save
// goes on writing there, never to the declined file.
TEST_F(FileCommands, DeclinedReplacementKeepsTheEarlierPath) {
    makeProject();
    const std::string mine = path("mine.ywd");
    saveAs(prog, svc, mine);
    const std::string theirs = path("theirs.ywd");
    writeBytes(theirs, "someone else's project");
    ASSERT_EQ(main->caption(), "ミラノス - mine.ywd");

    svc.clear();
    svc.answers.push_back(MsgResult::No);
    saveAs(prog, svc, theirs);
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kReplaceQuestion});
    EXPECT_EQ(prog.projectPath, mine);
    EXPECT_EQ(main->caption(), "ミラノス - mine.ywd");
    EXPECT_TRUE(menu().overwrite);

    prog.form<Form3>().txt1.setText("edited");
    svc.answers.push_back(MsgResult::OK);
    main->FileUpdate();
    EXPECT_EQ(bytesOf(theirs), "someone else's project");
    EXPECT_EQ(linesOf(mine)[2], "edited");
}

// Without an earlier file, いいえ leaves the project without one: overwrite save stays
// off, and its toolbar button asks for a name instead of writing.
TEST_F(FileCommands, DeclinedReplacementWithoutAnEarlierPath) {
    makeProject();
    const std::string theirs = path("theirs.ywd");
    writeBytes(theirs, "someone else's project");
    svc.clear();
    svc.answers.push_back(MsgResult::No);
    saveAs(prog, svc, theirs);
    EXPECT_EQ(prog.projectPath, "");
    EXPECT_EQ(main->caption(), "ミラノス");
    const Menu m = menu();
    EXPECT_TRUE(m.saveAs);
    EXPECT_FALSE(m.overwrite);

    svc.clear();
    svc.fileAnswers.push_back(std::nullopt);
    button(main->Toolbar1, ToolbarButton::Save).enabled = true;
    userClick(main->Toolbar1, ToolbarButton::Save);
    EXPECT_EQ(svc.fileRequests.size(), 1u) << "a name is asked for";
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(bytesOf(theirs), "someone else's project");
}

struct NameCase {
    const char* typed;
    const char* saved;
};

class SavedName : public FileCommands, public ::testing::WithParamInterface<NameCase> {};

// A name without the project extension gets it, so that the open dialog lists the file.
TEST_P(SavedName, CarriesTheProjectExtension) {
    makeProject();
    svc.clear();
    saveAs(prog, svc, path(GetParam().typed));
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(folderNames(), std::vector<std::string>{GetParam().saved});
    EXPECT_EQ(prog.projectPath, path(GetParam().saved));
    EXPECT_EQ(main->caption(), std::string("ミラノス - ") + GetParam().saved);
    EXPECT_EQ(linesOf(path(GetParam().saved)), project::collect(prog));
}

INSTANTIATE_TEST_SUITE_P(Names, SavedName,
                         ::testing::Values(NameCase{"U型擁壁1", "U型擁壁1.ywd"}, NameCase{"wall.ywd", "wall.ywd"},
                                           NameCase{"WALL.YWD", "WALL.YWD"}, NameCase{"wall.v2", "wall.v2.ywd"},
                                           NameCase{".ywd", ".ywd.ywd"}, NameCase{"ywd", "ywd.ywd"}));

// The replace question is about the name the file gets, extension included.
TEST_F(FileCommands, ReplaceQuestionAsksAboutTheExtendedName) {
    makeProject();
    writeBytes(path("U型擁壁1.ywd"), "older");
    writeBytes(path("U型擁壁1"), "not a project of mine");
    svc.clear();
    svc.answers.push_back(MsgResult::Yes);
    saveAs(prog, svc, path("U型擁壁1"));
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kReplaceQuestion});
    EXPECT_EQ(linesOf(path("U型擁壁1.ywd")), project::collect(prog));
    EXPECT_EQ(bytesOf(path("U型擁壁1")), "not a project of mine");
}

// The title names the current file from save as and open on; New and Close clear it,
// a cancelled close does not.
TEST_F(FileCommands, TitleFollowsTheProjectFile) {
    EXPECT_EQ(main->caption(), "ミラノス");
    makeProject();
    EXPECT_EQ(main->caption(), "ミラノス");
    const std::string file = path("U型擁壁1");
    saveAs(prog, svc, file);
    EXPECT_EQ(main->caption(), "ミラノス - U型擁壁1.ywd");

    Fresh run;
    MDIForm1& other = run.prog.form<MDIForm1>();
    EXPECT_EQ(other.caption(), "ミラノス");
    open(run.prog, run.svc, file + ".ywd");
    EXPECT_EQ(other.caption(), "ミラノス - U型擁壁1.ywd");
    run.svc.answers.push_back(MsgResult::Cancel);
    other.Men_FCls_Click();
    EXPECT_EQ(other.caption(), "ミラノス - U型擁壁1.ywd");
    run.svc.answers.push_back(MsgResult::OK);
    other.Men_FCls_Click();
    EXPECT_EQ(other.caption(), "ミラノス");

    main->FileNew();
    EXPECT_EQ(main->caption(), "ミラノス");
}

// New and Close leave none of the project's dialogs loaded: the next wall starts from
// their defaults, not from what the last one held in them.
TEST_F(FileCommands, NewAndCloseUnloadEveryDialogOfTheProject) {
    const char* const forms[] = {"Form23", "Form14", "Form19", "Form21", "Form22", "Form25", "Form26"};
    for (const bool close : {false, true}) {
        makeProject();
        for (const char* name : forms) prog.formByName(name);
        if (close) {
            svc.answers.push_back(MsgResult::OK);
            main->Men_FCls_Click();
        } else {
            main->FileNew();
        }
        for (const char* name : forms) EXPECT_FALSE(prog.isLoaded(name)) << name << (close ? " after Close" : " after New");
    }
}

// A cancelled close leaves everything as it was: the panel, the section check, the
// menus and the path; the hand-over and the saves go on working.
TEST_F(FileCommands, CancelledCloseChangesNothing) {
    makeProject();
    const std::string file = path("wall.ywd");
    saveAs(prog, svc, file);
    Form4& d = prog.form<Form4>();
    Form7& s = prog.form<Form7>();
    const float sigma = prog.sigmaMax;
    const std::vector<std::string> texts = project::collect(prog);
    ASSERT_EQ(prog.currentScreen, 3);
    ASSERT_EQ(prog.sectionCheckDoneValue(), 1);
    ASSERT_NE(sigma, 0.0f);
    ASSERT_EQ(s.lbl4.caption(), "O.K");

    svc.clear();
    svc.answers.push_back(MsgResult::Cancel);
    main->Men_FCls_Click();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"閉じてもよろしいですか？"});
    EXPECT_EQ(prog.currentScreen, 3);
    EXPECT_EQ(prog.sigmaMax, sigma);
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
    EXPECT_EQ(prog.projectPath, file);
    EXPECT_EQ(project::collect(prog), texts);
    const Menu m = menu();
    EXPECT_TRUE(m.saveAs && m.overwrite && m.preview && m.print);

    // Back on the dimension screen, the hand-over takes the result that is still there.
    d.show();
    svc.clear();
    d.cmd1.press();
    EXPECT_TRUE(svc.messages.empty()) << svc.messages[0].text;
    EXPECT_TRUE(s.visible());
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
    svc.answers.push_back(MsgResult::OK);
    main->FileUpdate();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kOverwriteQuestion});
    EXPECT_EQ(linesOf(file), project::collect(prog));
}

// After New and Close the File menu offers preview and print exactly as the toolbar does
// (off), though the last sliding factor stays. Reached anyway, both tell that a stability
// check is needed, print before asking for a range.
TEST_F(FileCommands, PreviewAndPrintAfterNewAndCloseAreOffAsOnTheToolbar) {
    makeProject();
    const float sliding = prog.slidingSafetyFactor;
    ASSERT_NE(sliding, 0.0f);
    for (const char* command : {"new", "close"}) {
        SCOPED_TRACE(command);
        ASSERT_TRUE(menu().preview && menu().print);  // before: a checked project
        svc.clear();
        if (std::string(command) == "new") {
            main->FileNew();
        } else {
            svc.answers.push_back(MsgResult::OK);
            main->Men_FCls_Click();
        }
        EXPECT_EQ(prog.slidingSafetyFactor, sliding);
        EXPECT_EQ(prog.sigmaMax, 0.0f);
        const Menu m = menu();
        EXPECT_FALSE(m.saveAs);
        EXPECT_FALSE(m.overwrite);
        EXPECT_FALSE(m.preview);
        EXPECT_FALSE(m.print);
        EXPECT_FALSE(button(main->Toolbar1, ToolbarButton::Preview).enabled);
        EXPECT_FALSE(button(main->Toolbar1, ToolbarButton::Print).enabled);

        svc.clear();
        main->FileImage();
        EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kStabilityMissing});
        for (const char* page : {"Form1", "Form2", "Form5"}) EXPECT_FALSE(prog.isLoaded(page)) << page;
        EXPECT_TRUE(main->Toolbar1.visible());

        svc.clear();
        main->Men_FPrn_Click();
        EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kStabilityMissing});
        EXPECT_TRUE(svc.modals.empty()) << "no range is asked for";
        EXPECT_TRUE(svc.printJobs.empty());
        makeProject();
    }
}

// A project whose mode forbids writing stays as it is, even for the administrator; the
// user hears why before any question, and the project keeps its path.
TEST_F(FileCommands, ReadOnlyProjectIsNotOverwritten) {
    makeProject();
    const std::string file = path("wall.ywd");
    saveAs(prog, svc, file);
    const std::string locked = path("locked.ywd");
    writeBytes(locked, "locked project");
    for (const std::string& f : {file, locked}) ASSERT_EQ(::chmod(f.c_str(), 0444), 0);
    const std::string before = bytesOf(file);
    prog.form<Form3>().txt1.setText("edited");

    svc.clear();
    svc.answers.push_back(MsgResult::OK);
    main->FileUpdate();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kReadOnly});
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(bytesOf(file), before);

    svc.clear();
    svc.answers.push_back(MsgResult::Yes);
    saveAs(prog, svc, locked);
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kReadOnly});
    EXPECT_EQ(bytesOf(locked), "locked project");
    EXPECT_EQ(prog.projectPath, file);
    EXPECT_EQ(main->caption(), "ミラノス - wall.ywd");

    // The same through the file layer itself; a writable mode is replaced as usual.
    EXPECT_TRUE(project::isReadOnly(locked));
    EXPECT_FALSE(project::replaceFile(locked, "x"));
    EXPECT_EQ(bytesOf(locked), "locked project");
    ASSERT_EQ(::chmod(locked.c_str(), 0644), 0);
    EXPECT_FALSE(project::isReadOnly(locked));
    EXPECT_TRUE(project::replaceFile(locked, "x"));
    EXPECT_EQ(bytesOf(locked), "x");
    EXPECT_EQ(folderNames(), (std::vector<std::string>{"locked.ywd", "wall.ywd"}));
}

// A name as long as the file system allows saves: the temporary name does not grow
// with it.
TEST_F(FileCommands, LongestNameSaves) {
    makeProject();
    const std::string typed(251, 'a');
    svc.clear();
    saveAs(prog, svc, path(typed));
    EXPECT_TRUE(svc.messages.empty()) << svc.messages[0].text;
    EXPECT_EQ(folderNames(), std::vector<std::string>{typed + ".ywd"});
    EXPECT_EQ(linesOf(path(typed + ".ywd")), project::collect(prog));
    svc.answers.push_back(MsgResult::OK);
    main->FileUpdate();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kOverwriteQuestion});
    EXPECT_EQ(folderNames(), std::vector<std::string>{typed + ".ywd"});
}

// Saves of one path running at the same time, in other programs and in threads, all
// succeed; each leaves a whole file and no temporary one.
TEST_F(FileCommands, ConcurrentSavesAllSucceed) {
    const std::string file = path("shared.ywd");
    constexpr int kWriters = 4;
    constexpr int kSaves = 25;
    // Two other programs: forked children, which must not draw the parent's names (its
    // generator is in use before the fork).
    ASSERT_TRUE(project::replaceFile(file, "first"));
    std::vector<pid_t> children;
    for (int c = 0; c < 2; ++c) {
        const std::string content(900 + c, static_cast<char>('x' + c));
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failed = 0;
            for (int i = 0; i < kSaves; ++i)
                if (!project::replaceFile(file, content)) ++failed;
            ::_exit(failed);
        }
        children.push_back(pid);
    }
    std::atomic<int> failures{0};
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&, w] {
            const std::string content(1000 + w, static_cast<char>('a' + w));
            for (int i = 0; i < kSaves; ++i)
                if (!project::replaceFile(file, content)) ++failures;
        });
    for (std::thread& t : writers) t.join();
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "failed saves in another program";
    }
    EXPECT_EQ(failures.load(), 0);
    const std::string last = bytesOf(file);
    ASSERT_GE(last.size(), 900u);
    EXPECT_EQ(last, std::string(last.size(), last[0]));
    EXPECT_EQ(folderNames(), std::vector<std::string>{"shared.ywd"});
}

// A site name in UTF-8 behind the mark EF BB BF opens readable. A name the code page
// cannot hold is kept whole in UTF-8 behind the mark on save, and opens again as typed;
// every other line stays CP932.
TEST_F(FileCommands, SiteNamesBeyondTheCodePageSurvive) {
    makeProject();
    const std::string file = path("wall.ywd");
    saveAs(prog, svc, file);

    // Written elsewhere: the site name's line in UTF-8, the rest as the program wrote it.
    std::string bytes = bytesOf(file);
    const std::string siteCp932 = cp932::encode(" 東京都 港区∴O.K ");
    ASSERT_NE(bytes.find("\r\n" + siteCp932 + "\r\n"), std::string::npos);
    bytes.replace(bytes.find(siteCp932), siteCp932.size(), "\xEF\xBB\xBF東京都 港区");
    writeBytes(path("utf8.ywd"), bytes);
    {
        Fresh run;
        open(run.prog, run.svc, path("utf8.ywd"));
        EXPECT_TRUE(run.svc.messages.empty());
        EXPECT_EQ(run.prog.form<Form3>().txt1.text(), "東京都 港区");
        // Saved again, the name is held by the code page and written in it.
        run.svc.answers.push_back(MsgResult::OK);
        run.prog.form<MDIForm1>().FileUpdate();
        EXPECT_NE(bytesOf(path("utf8.ywd")).find("\r\n" + cp932::encode("東京都 港区") + "\r\n"), std::string::npos);
    }

    // Typed here: characters that CP932 does not have.
    const std::string site = "𠮷野家 한국 €";
    prog.form<Form3>().txt1.setText(site);
    svc.clear();
    svc.answers.push_back(MsgResult::OK);
    main->FileUpdate();
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{kOverwriteQuestion});
    const std::string saved = bytesOf(file);
    EXPECT_NE(saved.find("\r\n\xEF\xBB\xBF" + site + "\r\n"), std::string::npos) << "kept in UTF-8";
    EXPECT_EQ(saved.find('?'), std::string::npos) << "nothing turned into ?";
    EXPECT_NE(saved.find(cp932::encode(prog.form<Form3>().cbo1.text())), std::string::npos)
        << "the soil type stays CP932";
    Fresh run;
    open(run.prog, run.svc, file);
    EXPECT_EQ(run.prog.form<Form3>().txt1.text(), site);
    EXPECT_EQ(project::collect(run.prog), project::collect(prog));
}

// Empty lines after the last line of a project are no reason to refuse it.
TEST_F(FileCommands, TrailingEmptyLinesAreIgnored) {
    makeProject();
    const std::string file = path("wall.ywd");
    saveAs(prog, svc, file);
    const std::vector<std::string> texts = project::collect(prog);
    for (const char* tail : {"\r\n", "\n", "\r\n\r\n\r\n", "\r\n\n\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(tail));
        writeBytes(path("tail.ywd"), bytesOf(file) + tail);
        Fresh run;
        open(run.prog, run.svc, path("tail.ywd"));
        EXPECT_TRUE(run.svc.messages.empty()) << run.svc.messages[0].text;
        EXPECT_EQ(project::collect(run.prog), texts);
        EXPECT_EQ(run.prog.sectionCheckDoneValue(), 1);
    }
}

}  // namespace
