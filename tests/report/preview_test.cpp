#include <gtest/gtest.h>

#include "app/forms.h"
#include "report/page_navigation.h"
#include "report/preview_window.h"
#include "report/print_range_dialog.h"
#include "section/section_refusal.h"
#include "conditions/conditions_screen.h"
#include "report_fixture.h"
#include "support/standing_results.h"

namespace {

using Strings = std::vector<std::string>;

class PreviewTest : public ReportTest {};

TEST_F(PreviewTest, OpensAtThePageOfTheCurrentScreen) {
    struct Case {
        int screen;
        const char* window;
        Strings log;
    };
    const Case cases[] = {
        // The design conditions are read again first: they must be those of the results.
        {1, "Form1", {"Form3.HENSUU", "Form3.Ippan"}},
        {2, "Form2", {"Form3.HENSUU", "Form4.DANMEM_1", "Form4.KEIJYOU", "Form4.JIJYUU"}},
        {3, "Form6", {"Form3.HENSUU", "Form4.DANMEM_1", "Form7.HAIKIN"}},
    };
    for (const Case& c : cases) {
        prog.currentScreen = c.screen;
        main->Men_FImg.userClick();
        PreviewWindow* w = shown();
        ASSERT_NE(w, nullptr) << c.screen;
        EXPECT_EQ(w->name(), c.window);
        EXPECT_EQ(takeLog(), c.log) << c.screen;
        EXPECT_EQ(prog.outputSurface, &w->canvas());
        EXPECT_EQ(prog.activeChild(), w);
        EXPECT_EQ(w->top(), 0);
        EXPECT_EQ(w->left(), 0);
        EXPECT_FALSE(main->Toolbar1.visible());
        EXPECT_EQ(loadedWindows(), 1) << "only the shown window is loaded";
        w->Men_Cls.userClick();
        EXPECT_EQ(loadedWindows(), 0);
        EXPECT_TRUE(main->Toolbar1.visible());
        EXPECT_EQ(prog.outputSurface, nullptr) << "never left naming a discarded canvas";
    }
}

TEST_F(PreviewTest, ToolbarButtonFiveOpensThePreviewToo) {
    prog.currentScreen = 2;
    button(main->Toolbar1, ToolbarButton::Preview).enabled = true;
    userClick(main->Toolbar1, ToolbarButton::Preview);
    ASSERT_NE(shown(), nullptr);
    EXPECT_EQ(shown()->name(), "Form2");
}

TEST_F(PreviewTest, NoCurrentScreenShowsNothingAndKeepsTheToolbar) {
    prog.currentScreen = 0;
    main->FileImage();
    EXPECT_EQ(loadedWindows(), 0);
    EXPECT_TRUE(main->Toolbar1.visible());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(prog.outputSurface, nullptr);
}

TEST_F(PreviewTest, OpeningAtTheSectionPagesNeedsNoDesignSpacing) {
    prog.currentScreen = 3;
    main->FileImage();
    ASSERT_NE(shown(), nullptr);
    EXPECT_EQ(shown()->name(), "Form6");
    EXPECT_TRUE(svc.messages.empty());
}

TEST_F(PreviewTest, EachWindowHasItsOwnMenuBar) {
    for (int page = 1; page <= report::kPageCount; ++page) {
        PreviewWindow& w = previewWindow(prog, page);
        Strings captions;
        for (plat::MenuItem* item : w.menuBar()) {
            captions.push_back(item->caption());
            EXPECT_TRUE(item->children().empty());
            EXPECT_TRUE(item->enabled());
        }
        Strings expected{"前のﾍﾟｰｼﾞ(&F)", "次のﾍﾟｰｼﾞ(&N)", "印刷(&P)", "閉じる(&C)"};
        if (page == 1) expected.erase(expected.begin());
        if (page == 9) expected.erase(expected.begin() + 1);
        EXPECT_EQ(captions, expected) << w.name();
        EXPECT_EQ(w.kind(), plat::FormKind::MdiChild);
    }
}

TEST_F(PreviewTest, CanvasTakesThePrinterPageAndTheBarsScrollTheRest) {
    struct Case {
        int over;  // how much larger the page is than the viewport
        int max, large, small;
    };
    // Halves go to the even neighbour: 50.5 -> 50, 51.5 -> 52, 25.5 -> 26.
    const Case cases[] = {{101, 101, 50, 25}, {103, 103, 52, 26}, {202, 202, 101, 50}, {9743, 9743, 4872, 2436}};
    for (const Case& c : cases) {
        svc.page.width = 10665 + c.over;
        svc.page.height = 7095 + c.over;
        svc.page.scaleWidth = 10000.5f;
        svc.page.scaleHeight = 15000.25f;
        PreviewWindow& w = previewWindow(prog, 4);
        EXPECT_EQ(w.Picture2.width(), 10665 + c.over);
        EXPECT_EQ(w.Picture2.height(), 7095 + c.over);
        EXPECT_EQ(w.Picture2ScaleWidth, 10000.5f);
        EXPECT_EQ(w.Picture2ScaleHeight, 15000.25f);
        // The canvas itself carries the printable area as its user scale.
        EXPECT_EQ(w.Picture2.scaleWidth(), 10000.5f);
        EXPECT_EQ(w.Picture2.scaleHeight(), 15000.25f);
        for (plat::ScrollBar* bar : {&w.HScroll1, &w.VScroll1}) {
            EXPECT_EQ(bar->min(), 0);
            EXPECT_EQ(bar->max(), c.max) << c.over;
            EXPECT_EQ(bar->largeChange(), c.large) << c.over;
            EXPECT_EQ(bar->smallChange(), c.small) << c.over;
            EXPECT_EQ(bar->value(), 0);
        }
        // At the end of each bar the page's far edge meets the viewport's.
        w.HScroll1.userScroll(c.max);
        w.VScroll1.userScroll(c.max);
        EXPECT_EQ(w.Picture2.left(), -c.max);
        EXPECT_EQ(w.Picture2.top(), -c.max);
        EXPECT_EQ(w.Picture2.left() + w.Picture2.width(), w.Picture1.width());
        w.HScroll1.userScroll(0);
        EXPECT_EQ(w.Picture2.left(), 0);
        unloadPreviewWindows(prog);
    }
}

TEST_F(PreviewTest, APageSmallerThanTheViewportDoesNotScroll) {
    svc.page.width = 5000;
    svc.page.height = 7000;
    PreviewWindow& w = previewWindow(prog, 1);
    EXPECT_EQ(w.HScroll1.max(), 0);
    EXPECT_EQ(w.VScroll1.max(), 0);
    EXPECT_GE(w.HScroll1.largeChange(), 1);
    EXPECT_GE(w.VScroll1.smallChange(), 1);
    w.HScroll1.userScroll(500);
    EXPECT_EQ(w.Picture2.left(), 0);
}

TEST_F(PreviewTest, CanvasStartsWithTheDesignFontAndKeepsWhatTheWritersLeft) {
    report::procedures()[static_cast<int>(report::Proc::Ippan)].run = [](Program& p) {
        p.outputSurface->print("x");
        p.outputSurface->setFontSize(14);
        p.outputSurface->setForeColor(plat::kColour13);
    };
    prog.currentScreen = 1;
    main->FileImage();
    PreviewWindow* w = shown();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->canvas().fontName(), "ＭＳ 明朝");
    const auto& ops = static_cast<plat::RecordingSurface&>(w->canvas()).ops();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].fontSize, 11.25);
    EXPECT_EQ(ops[0].colour, plat::kBlack);
    // Drawn again after a round trip: cleared, at (0, 0), in what the last drawing left.
    w->Men_Nex.userClick();
    shown()->Men_Pre.userClick();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].fontSize, 14);
    EXPECT_EQ(ops[0].colour, plat::kColour13);
    EXPECT_EQ(ops[0].x1, 0);
    EXPECT_EQ(ops[0].y1, 0);
}

TEST_F(PreviewTest, CloseUnloadsEveryWindowAndTheNextPreviewStartsAfresh) {
    setMembers(true, false, false);  // no page 9: page 8's next item goes off
    previewWindow(prog, 4);  // a window loaded but never shown
    prog.currentScreen = 3;
    main->FileImage();
    for (int i = 0; i < 3; ++i) shown()->Men_Nex.userClick();
    ASSERT_EQ(shown()->name(), "Form17");
    EXPECT_FALSE(shown()->Men_Nex.enabled());
    shown()->Men_Cls.userClick();
    EXPECT_EQ(loadedWindows(), 0);
    EXPECT_TRUE(main->Toolbar1.visible());
    EXPECT_TRUE(previewWindow(prog, 8).Men_Nex.enabled());
}

TEST_F(PreviewTest, ClosingAWindowByTheCloseBoxUnloadsAllButLeavesTheToolbar) {
    prog.currentScreen = 1;
    main->FileImage();
    shown()->Men_Nex.userClick();
    ASSERT_EQ(loadedWindows(), 2);
    shown()->userClose();
    EXPECT_EQ(loadedWindows(), 0);
    EXPECT_FALSE(main->Toolbar1.visible());
}

TEST_F(PreviewTest, PrintDialogFromAPreviewWindowCancelledChangesNothing) {
    prog.currentScreen = 2;
    main->FileImage();
    PreviewWindow* w = shown();
    w->VScroll1.userScroll(300);
    auto before = static_cast<plat::RecordingSurface&>(w->canvas()).texts();
    svc.modalScripts.push_back([](plat::Form& f) { static_cast<Form15&>(f).cmd2.press(); });
    w->Men_Prn.userClick();
    EXPECT_EQ(svc.modals, Strings{"Form15"});
    EXPECT_EQ(shown(), w);
    EXPECT_EQ(w->VScroll1.value(), 300);
    EXPECT_EQ(w->Picture2.top(), -300);
    EXPECT_EQ(prog.outputSurface, &w->canvas());
    EXPECT_EQ(static_cast<plat::RecordingSurface&>(w->canvas()).texts(), before);
    EXPECT_TRUE(svc.printJobs.empty());
}

TEST_F(PreviewTest, AFaultWhileDrawingIsReportedAndThePageStays) {
    failAt(report::Proc::JIJYUU);
    prog.currentScreen = 2;
    main->FileImage();
    PreviewWindow* w = shown();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->name(), "Form2");
    EXPECT_EQ(takeLog(), (Strings{"Form3.HENSUU", "Form4.DANMEM_1", "Form4.KEIJYOU", "Form4.JIJYUU!"}));
    EXPECT_EQ(static_cast<plat::RecordingSurface&>(w->canvas()).texts(), Strings{"Form4.KEIJYOU"});
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "入力された値では計算できません。");
}

TEST_F(PreviewTest, ARefusedSectionWhileDrawingIsReportedOnceAndThePreviewGoesOn) {
    report::procedures()[static_cast<int>(report::Proc::Doatu2)].run = [](Program& p) {
        p.outputSurface->print("half a page");
        throw SectionRefusal(1, SectionRefusal::Reason::GroundReaction);
    };
    prog.currentScreen = 2;
    main->FileImage();
    shown()->Men_Nex.userClick();
    PreviewWindow* w = shown();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->name(), "Form5");
    EXPECT_EQ(static_cast<plat::RecordingSurface&>(w->canvas()).texts(), (Strings{"Form4.Doatu", "half a page"}));
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(svc.messages[0].text, "このページを作成できませんでした。");
    // The preview steps on and closes as ever.
    w->Men_Nex.userClick();
    EXPECT_EQ(shown()->name(), "Form18");
    shown()->Men_Cls.userClick();
    EXPECT_EQ(loadedWindows(), 0);
}

// Only a calculation's fault is the page's to report: a fault of the program goes on up.
TEST_F(PreviewTest, AProgrammingErrorWhileDrawingIsNotSwallowed) {
    report::procedures()[static_cast<int>(report::Proc::Doatu2)].run = [](Program&) {
        throw std::out_of_range("no such row");
    };
    prog.currentScreen = 2;
    main->FileImage();
    EXPECT_THROW(shown()->Men_Nex.userClick(), std::out_of_range);
    EXPECT_TRUE(svc.messages.empty());
}

}  // namespace

namespace {

TEST(PreviewWithRealWritersTest, PageOneDrawsTheDesignConditionsOnItsCanvas) {
    ScriptedServices svc;
    Program prog(svc);
    registerForms(prog);
    MDIForm1& main = prog.form<MDIForm1>();
    prog.form<Form3>();
    fixture::standStabilityResult(prog);
    prog.currentScreen = 1;
    main.FileImage();
    auto* w = loadedPreviewWindow(prog, 1);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->visible());
    EXPECT_FALSE(static_cast<plat::RecordingSurface&>(w->canvas()).texts().empty());
    w->Men_Cls.userClick();
    EXPECT_EQ(prog.find("Form1"), nullptr);
}

}  // namespace
