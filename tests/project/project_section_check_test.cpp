// After a project is opened, the section check counts as done only where the opened inputs
// give every row again.
#include "project/project_fixture.h"
#include "section/section_history_fixture.h"

namespace {

class OpenedSectionCheck : public ProjectFixture {
protected:
    // A wall with a typed KA of 2.5 (no vertical earth-pressure component), designed and saved.
    std::string savedProject() {
        history::Session s;
        s.design(history::Wall{"Typed25", {}, "2.5", LoadCase::Normal, "", false});
        EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1);
        const std::string file = path("typed.ywd");
        saveAs(s.prog, s.svc, file);
        return file;
    }
};

TEST_F(OpenedSectionCheck, AProjectThatGivesEveryRowAgainOpensChecked) {
    const std::string file = savedProject();
    open(prog, svc, file);
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
    EXPECT_TRUE(button(*prog.mainToolbar(), ToolbarButton::Save).enabled);
}

// The same file with a KA of 3.3: the contact then ends between the walls, and the slab and
// heel rows cannot be computed. They open judged NG, silently, and the check counts: the
// other rows are given again from the file's bars and spacings.
TEST_F(OpenedSectionCheck, AProjectWhoseRowsAreRefusedOpensWithThemJudged) {
    const std::string file = savedProject();
    std::vector<std::string> texts = linesOf(file);
    ASSERT_EQ(texts[15], "2.5");  // line 16: the typed KA
    texts[15] = "3.3";
    writeBytes(file, project::encode(texts));
    open(prog, svc, file);
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
    EXPECT_TRUE(button(*prog.mainToolbar(), ToolbarButton::Save).enabled);
    Form7& f = prog.form<Form7>();
    for (int loc : {5, 6, 7, 8}) {
        EXPECT_TRUE(f.refusedRow(loc)) << loc;
        EXPECT_EQ(f.row(loc).results[3]->caption(), "NG") << loc;
        EXPECT_FALSE(f.row(loc).bars.enabled()) << loc;
    }
    EXPECT_NE(f.lbl_ri.caption(), "");  // the toe is given again
    EXPECT_NE(f.lbl4.caption(), "");
    main->Men_F_Click();
    EXPECT_TRUE(main->Men_FSav.enabled());
}

}  // namespace
