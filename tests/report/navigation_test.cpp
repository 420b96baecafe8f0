#include <gtest/gtest.h>

#include "report/page_navigation.h"
#include "report_fixture.h"
#include "section/section_screen.h"
#include "support/standing_results.h"

namespace {

using Strings = std::vector<std::string>;

class NavigationTest : public ReportTest {
protected:
    // Opens the preview at page 1 and walks on to the page, forgetting the log.
    PreviewWindow& walkTo(int page) {
        prog.currentScreen = 1;
        main->FileImage();
        for (int p = 1; p < page; ++p) shown()->Men_Nex.userClick();
        takeLog();
        svc.clear();
        return *shown();
    }
    // The section screen with a design spacing for the fixed end of the upright wall.
    void typeFixedEndSpacing() {
        Form7& form7 = prog.form<Form7>();
        form7.txt2.setText("200");
        form7.show();
    }
};

TEST_F(NavigationTest, EveryStepShowsItsNeighbourWithItsRefreshAndWriters) {
    typeFixedEndSpacing();
    setMembers(true, true, true);
    struct Step {
        int from;
        bool next;
        const char* window;
        Strings log;
    };
    const Step steps[] = {
        {1, true, "Form2", {"Form4.DANMEM_1", "Form4.KEIJYOU", "Form4.JIJYUU"}},
        {2, false, "Form1", {"Form3.HENSUU", "Form3.Ippan"}},
        {2, true, "Form5", {"Form4.Doatu", "Form4.Doatu2"}},
        {3, false, "Form2", {"Form4.KEIJYOU", "Form4.JIJYUU"}},
        {3, true, "Form18", {"Form4.DANMEM_1", "Form4.KENTOU"}},
        {4, false, "Form5", {"Form4.Doatu", "Form4.Doatu2"}},
        {4, true, "Form6", {"Form7.HAIKIN"}},
        {5, false, "Form18", {"Form4.DANMEM_1", "Form4.KENTOU"}},
        {5, true, "Form8", {"Form7.HAIKIN_A", "Form7.HAIKIN_B"}},
        {6, false, "Form6", {"Form7.HAIKIN"}},
        {6, true, "Form16", {"Form7.HAIKIN_E", "Form7.HAIKIN_F"}},
        {7, false, "Form8", {"Form7.HAIKIN_A", "Form7.HAIKIN_B"}},
        {7, true, "Form17", {"Form7.HAIKIN_G", "Form7.HAIKIN_H"}},
        {8, false, "Form16", {"Form7.HAIKIN_E", "Form7.HAIKIN_F"}},
        {8, true, "Form20", {"Form7.HAIKIN_I", "Form7.HAIKIN_J"}},
        {9, false, "Form17", {"Form7.HAIKIN_G", "Form7.HAIKIN_H"}},
    };
    for (const Step& s : steps) {
        PreviewWindow& from = walkTo(s.from);
        ASSERT_EQ(from.page(), s.from);
        (s.next ? from.Men_Nex : from.Men_Pre).userClick();
        PreviewWindow* to = shown();
        ASSERT_NE(to, nullptr);
        EXPECT_EQ(to->name(), s.window) << s.from << (s.next ? " next" : " previous");
        EXPECT_EQ(takeLog(), s.log) << s.from << (s.next ? " next" : " previous");
        EXPECT_EQ(prog.outputSurface, &to->canvas());
        Strings drawn;
        for (const std::string& name : s.log)
            if (name != "Form3.HENSUU" && name != "Form4.DANMEM_1") drawn.push_back(name);
        EXPECT_EQ(static_cast<plat::RecordingSurface&>(to->canvas()).texts(), drawn) << "drawn on the new page";
        EXPECT_TRUE(from.visible() == false && prog.isLoaded(from.name())) << "the window left stays loaded";
        EXPECT_EQ(to->top(), 0);
        EXPECT_EQ(to->left(), 0);
        EXPECT_FALSE(main->Toolbar1.visible());
        EXPECT_TRUE(svc.messages.empty());
        to->Men_Cls.userClick();
    }
}

TEST_F(NavigationTest, SectionPagesNeedACurrentSectionCheck) {
    prog.sectionCheckDone = 0;
    typeFixedEndSpacing();  // a spacing alone is no check
    PreviewWindow& page4 = walkTo(4);
    page4.Men_Nex.userClick();
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "断面の計算をしてください。");
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(svc.messages[0].buttons, plat::MsgButtons::OK);
    EXPECT_EQ(svc.messages[0].icon, plat::MsgIcon::None);
    EXPECT_EQ(shown(), &page4);
    EXPECT_EQ(prog.outputSurface, &page4.canvas());
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(prog.isLoaded("Form6")) << "no section page is made";

    // A current check shows page 5, without creating a section screen that does not exist.
    page4.Men_Cls.userClick();
    prog.unload("Form7");
    fixture::standSectionCheck(prog);
    walkTo(4).Men_Nex.userClick();
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(shown()->name(), "Form6");
    EXPECT_EQ(takeLog(), Strings{"Form7.HAIKIN"});
    EXPECT_FALSE(prog.isLoaded("Form7"));
}

TEST_F(NavigationTest, StepsToPagesFourAndFiveHideTheSectionScreen) {
    typeFixedEndSpacing();
    PreviewWindow& page3 = walkTo(3);
    Form7& form7 = prog.form<Form7>();
    form7.show();
    page3.Men_Nex.userClick();
    EXPECT_FALSE(form7.visible());
    form7.show();
    shown()->Men_Nex.userClick();  // 4 -> 5: the spacing is there, no stress check needed
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(shown()->name(), "Form6");
    EXPECT_FALSE(form7.visible());
    EXPECT_TRUE(prog.isLoaded("Form7"));
}

TEST_F(NavigationTest, PageEightLeadsOnOnlyWhenThereIsAPageNine) {
    struct Case {
        bool heel, toe, key;
        bool next;
    };
    const Case cases[] = {{false, false, false, false}, {true, false, false, false}, {false, true, false, false},
                          {false, false, true, false},  {true, true, false, true},   {true, false, true, true},
                          {false, true, true, true},    {true, true, true, true}};
    typeFixedEndSpacing();
    for (const Case& c : cases) {
        setMembers(c.heel, c.toe, c.key);
        PreviewWindow& page7 = walkTo(7);
        page7.Men_Nex.userClick();
        PreviewWindow* page8 = shown();
        ASSERT_EQ(page8->name(), "Form17");
        EXPECT_EQ(page8->Men_Nex.enabled(), c.next) << c.heel << c.toe << c.key;
        page8->Men_Nex.userClick();
        EXPECT_EQ(shown()->name(), c.next ? "Form20" : "Form17") << "a disabled item does not respond";
        if (c.next) {
            shown()->Men_Pre.userClick();
            EXPECT_TRUE(shown()->Men_Nex.enabled()) << "coming back from page 9 changes nothing";
        }
        shown()->Men_Cls.userClick();
    }
}

TEST_F(NavigationTest, HeelAndKeyWithoutToe) {
    typeFixedEndSpacing();
    setMembers(true, false, true);
    walkTo(7).Men_Nex.userClick();
    EXPECT_EQ(takeLog(), (Strings{"Form7.HAIKIN_G", "Form7.HAIKIN_H"}));
    shown()->Men_Nex.userClick();
    EXPECT_EQ(takeLog(), Strings{"Form7.HAIKIN_J"});
    shown()->Men_Pre.userClick();
    EXPECT_EQ(shown()->name(), "Form17");
    EXPECT_EQ(static_cast<plat::RecordingSurface&>(shown()->canvas()).texts(),
              (Strings{"Form7.HAIKIN_G", "Form7.HAIKIN_H"}));
}

TEST_F(NavigationTest, PageOneReadsTheScreenWhenOpenedAndWhenEnteredFromPageTwo) {
    prog.currentScreen = 1;
    main->FileImage();
    EXPECT_EQ(takeLog(), (Strings{"Form3.HENSUU", "Form3.Ippan"}));
    shown()->Men_Nex.userClick();
    shown()->Men_Nex.userClick();
    shown()->Men_Pre.userClick();  // 3 -> 2 without recomputing
    EXPECT_EQ(takeLog(), (Strings{"Form4.DANMEM_1", "Form4.KEIJYOU", "Form4.JIJYUU", "Form4.Doatu", "Form4.Doatu2",
                                  "Form4.KEIJYOU", "Form4.JIJYUU"}));
    shown()->Men_Pre.userClick();
    EXPECT_EQ(takeLog(), (Strings{"Form3.HENSUU", "Form3.Ippan"}));
}

TEST_F(NavigationTest, APreviewOpenedOnTheSectionScreenHidesItOnTheWayBack) {
    typeFixedEndSpacing();
    Form7& form7 = prog.form<Form7>();
    prog.currentScreen = 3;
    main->FileImage();
    EXPECT_TRUE(form7.visible()) << "the current screen stays beneath the preview";
    shown()->Men_Pre.userClick();
    EXPECT_TRUE(form7.visible());
    shown()->Men_Nex.userClick();
    EXPECT_FALSE(form7.visible());
    shown()->Men_Cls.userClick();
    EXPECT_FALSE(form7.visible());
    EXPECT_EQ(loadedWindows(), 0);
}

}  // namespace
