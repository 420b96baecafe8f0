#include "report/report_pages.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/scripted_services.h"

namespace {

using report::Entry;
using report::Proc;

std::vector<std::string> names(const std::vector<Proc>& procs) {
    std::vector<std::string> out;
    for (Proc p : procs) out.push_back(report::procName(p));
    return out;
}

TEST(ReportPagesTest, WindowsAndFixedWritersOfEachPage) {
    struct Case {
        int page;
        const char* window;
        std::vector<std::string> writers;
    };
    const Case cases[] = {
        {1, "Form1", {"Form3.Ippan"}},
        {2, "Form2", {"Form4.KEIJYOU", "Form4.JIJYUU"}},
        {3, "Form5", {"Form4.Doatu", "Form4.Doatu2"}},
        {4, "Form18", {"Form4.KENTOU"}},
        {5, "Form6", {"Form7.HAIKIN"}},
        {6, "Form8", {"Form7.HAIKIN_A", "Form7.HAIKIN_B"}},
        {7, "Form16", {"Form7.HAIKIN_E", "Form7.HAIKIN_F"}},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(report::reportPage(c.page).window, c.window);
        // Pages 1 to 7 do not depend on the wall's members.
        EXPECT_EQ(names(report::pageWriters(c.page, {true, true, true})), c.writers) << c.page;
        EXPECT_EQ(names(report::pageWriters(c.page, {})), c.writers) << c.page;
    }
    EXPECT_STREQ(report::reportPage(8).window, "Form17");
    EXPECT_STREQ(report::reportPage(9).window, "Form20");
    EXPECT_THROW(report::reportPage(0), std::out_of_range);
    EXPECT_THROW(report::reportPage(10), std::out_of_range);
}

TEST(ReportPagesTest, PagesEightAndNineByHeelToeAndKey) {
    struct Case {
        bool heel, toe, key;
        std::vector<std::string> page8, page9;
    };
    const std::string G = "Form7.HAIKIN_G", H = "Form7.HAIKIN_H", I = "Form7.HAIKIN_I", J = "Form7.HAIKIN_J";
    const Case cases[] = {
        {false, false, false, {G}, {}},      {true, false, false, {G, H}, {}},  {false, true, false, {G, I}, {}},
        {false, false, true, {G, J}, {}},    {true, true, false, {G, H}, {I}}, {true, false, true, {G, H}, {J}},
        {false, true, true, {G, I}, {J}},    {true, true, true, {G, H}, {I, J}},
    };
    for (const Case& c : cases) {
        report::Members m{c.heel, c.toe, c.key};
        std::string label = std::to_string(c.heel) + std::to_string(c.toe) + std::to_string(c.key);
        EXPECT_EQ(names(report::pageWriters(8, m)), c.page8) << label;
        EXPECT_EQ(names(report::pageWriters(9, m)), c.page9) << label;
        EXPECT_EQ(report::page9Exists(m), !c.page9.empty()) << label;
    }
}

TEST(ReportPagesTest, MembersCountAnyNonZeroSingle) {
    ScriptedServices svc;
    Program prog(svc);
    prog.heelLength = 0;
    prog.toeLength = 1e-7f;
    prog.keyHeight = -0.1f;
    report::Members m = report::members(prog);
    EXPECT_FALSE(m.heel);
    EXPECT_TRUE(m.toe);
    EXPECT_TRUE(m.key);
}

TEST(ReportPagesTest, RefreshBeforeEachPageByHowItIsEntered) {
    auto refresh = [](int page, Entry e) -> std::string {
        auto r = report::refreshFor(page, e);
        return r ? report::procName(*r) : "";
    };
    const std::string D = "Form4.DANMEM_1", H = "Form3.HENSUU";
    // Opened directly: pages 1, 2 and 5 only.
    EXPECT_EQ(refresh(1, Entry::Opened), "");
    EXPECT_EQ(refresh(2, Entry::Opened), D);
    EXPECT_EQ(refresh(5, Entry::Opened), D);
    const std::string fromBefore[] = {"", D, "", D, "", "", "", "", ""};
    const std::string fromAfter[] = {H, "", "", D, "", "", "", "", ""};
    for (int page = 1; page <= 9; ++page) {
        EXPECT_EQ(refresh(page, Entry::FromBefore), fromBefore[page - 1]) << page;
        EXPECT_EQ(refresh(page, Entry::FromAfter), fromAfter[page - 1]) << page;
    }
}

TEST(ReportPagesTest, RefreshesAreTheRealProcedures) {
    EXPECT_STREQ(report::procName(Proc::HENSUU), "Form3.HENSUU");
    EXPECT_STREQ(report::procName(Proc::DANMEM_1), "Form4.DANMEM_1");
    EXPECT_TRUE(report::procedures()[static_cast<int>(Proc::HENSUU)].run);
    EXPECT_TRUE(report::procedures()[static_cast<int>(Proc::DANMEM_1)].run);
}

}  // namespace
