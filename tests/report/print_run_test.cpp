#include "report/print_run.h"

#include <gtest/gtest.h>

#include "report/page_navigation.h"
#include "report/print_range_dialog.h"
#include "report_fixture.h"

namespace {

using Strings = std::vector<std::string>;

struct PrintedPage {
    Strings writers;  // the texts the writers drew
    Strings numbers;  // the page-number lines
    bool numberAtFoot = true;
};

// The sheets of a job: a new page on which nothing was drawn prints no sheet.
std::vector<PrintedPage> sheets(const plat::RecordingSurface& job) {
    std::vector<PrintedPage> out(1);
    for (const plat::DrawOp& op : job.ops()) {
        if (op.kind == plat::DrawOp::NewPage) out.emplace_back();
        if (op.kind != plat::DrawOp::Text) continue;
        if (op.text.rfind("－ ", 0) == 0) {
            out.back().numbers.push_back(op.text);
            out.back().numberAtFoot = out.back().numberAtFoot && op.x1 == 5500 && op.y1 == 15600;
        } else {
            out.back().writers.push_back(op.text);
        }
    }
    std::erase_if(out, [](const PrintedPage& p) { return p.writers.empty() && p.numbers.empty(); });
    return out;
}

class PrintRunTest : public ReportTest {
protected:
    // Chooses the range in the dialog and confirms it; numbering from `first` unless empty.
    void print(int option, const char* first = nullptr) {
        svc.modalScripts.push_back([option, first](plat::Form& f) {
            auto& d = static_cast<Form15&>(f);
            plat::OptionButton* opts[] = {&d.opt1, &d.opt2, &d.opt3, &d.opt4, &d.opt5};
            opts[option - 1]->userClick();
            if (first && d.chk_P.value() == 0) d.chk_P.userClick();
            if (!first && d.chk_P.value() == 1) d.chk_P.userClick();
            if (first) d.txt_P.setText(first);
            d.cmd1.press();
        });
        main->Men_FPrn.userClick();
    }
    plat::RecordingSurface& job() { return *svc.printJobs.back(); }

    const Strings page1{"Form3.Ippan"};
    const Strings page2{"Form4.KEIJYOU", "Form4.JIJYUU"};
    const Strings page3{"Form4.Doatu", "Form4.Doatu2"};
    const Strings page4{"Form4.KENTOU"};
    const Strings page5{"Form7.HAIKIN"};
    const Strings page6{"Form7.HAIKIN_A", "Form7.HAIKIN_B"};
    const Strings page7{"Form7.HAIKIN_E", "Form7.HAIKIN_F"};
};

Strings numbers(int from, int count) {
    Strings out;
    for (int i = 0; i < count; ++i) out.push_back("－ " + std::to_string(from + i) + " －");
    return out;
}

TEST_F(PrintRunTest, EachRangePrintsItsPagesInOrderWithTheirNumbers) {
    setMembers(true, true, true);
    const Strings page8{"Form7.HAIKIN_G", "Form7.HAIKIN_H"}, page9{"Form7.HAIKIN_I", "Form7.HAIKIN_J"};
    struct Case {
        int option;
        std::vector<Strings> pages;
    };
    const Case cases[] = {
        {1, {page1}},
        {2, {page2, page3, page4}},
        {3, {page5, page6, page7, page8, page9}},
        {4, {page2, page3, page4, page5, page6, page7, page8, page9}},
        {5, {page1, page2, page3, page4, page5, page6, page7, page8, page9}},
    };
    for (const Case& c : cases) {
        print(c.option, "1");
        auto printed = sheets(job());
        ASSERT_EQ(printed.size(), c.pages.size()) << c.option;
        Strings expectedNumbers = numbers(1, static_cast<int>(c.pages.size()));
        for (size_t i = 0; i < printed.size(); ++i) {
            EXPECT_EQ(printed[i].writers, c.pages[i]) << "option " << c.option << " sheet " << i + 1;
            EXPECT_EQ(printed[i].numbers, Strings{expectedNumbers[i]}) << "option " << c.option << " sheet " << i + 1;
            EXPECT_TRUE(printed[i].numberAtFoot);
        }
        EXPECT_EQ(job().ops().back().kind, plat::DrawOp::EndDoc);
        EXPECT_EQ(svc.printJobsEnded, static_cast<int>(svc.printJobs.size()));
        // The stability results are recomputed once, before page 2, and nothing else.
        int refreshes = static_cast<int>(std::count(log.begin(), log.end(), "Form4.DANMEM_1"));
        EXPECT_EQ(refreshes, c.option == 2 || c.option >= 4 ? 1 : 0) << c.option;
        // The design conditions are read again before the range is asked and before
        // anything is printed, never between pages.
        EXPECT_EQ(std::count(log.begin(), log.end(), "Form3.HENSUU"), 2);
        EXPECT_EQ(log[0], "Form3.HENSUU");
        EXPECT_EQ(log[1], "Form3.HENSUU");
        auto refresh = std::find(log.begin(), log.end(), "Form4.DANMEM_1");
        if (refreshes) {
            EXPECT_EQ(*(refresh + 1), "Form4.KEIJYOU") << "right before page 2";
        }
        takeLog();
    }
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(svc.printTitles.front(), "ミラノス");
}

TEST_F(PrintRunTest, SectionPagesFollowHeelToeAndKey) {
    struct Case {
        bool heel, toe, key;
        std::vector<Strings> pages8on;
    };
    const Case cases[] = {
        {true, false, false, {{"Form7.HAIKIN_G", "Form7.HAIKIN_H"}}},
        {false, false, false, {{"Form7.HAIKIN_G"}}},
        {false, true, true, {{"Form7.HAIKIN_G", "Form7.HAIKIN_I"}, {"Form7.HAIKIN_J"}}},
        {true, false, true, {{"Form7.HAIKIN_G", "Form7.HAIKIN_H"}, {"Form7.HAIKIN_J"}}},
        {true, true, false, {{"Form7.HAIKIN_G", "Form7.HAIKIN_H"}, {"Form7.HAIKIN_I"}}},
    };
    for (const Case& c : cases) {
        setMembers(c.heel, c.toe, c.key);
        print(3, "5");
        auto printed = sheets(job());
        ASSERT_EQ(printed.size(), 3 + c.pages8on.size());
        for (size_t i = 0; i < c.pages8on.size(); ++i) EXPECT_EQ(printed[3 + i].writers, c.pages8on[i]);
        Strings got;
        for (const auto& p : printed) got.insert(got.end(), p.numbers.begin(), p.numbers.end());
        EXPECT_EQ(got, numbers(5, static_cast<int>(printed.size())));
    }
}

TEST_F(PrintRunTest, NumberingOffPrintsNoNumberAndLeavesThePosition) {
    report::procedures()[static_cast<int>(report::Proc::KENTOU)].run = [](Program& p) {
        p.outputSurface->setCurrentX(123);
        p.outputSurface->setCurrentY(456);
    };
    print(2);
    auto printed = sheets(job());
    ASSERT_EQ(printed.size(), 2u) << "page 4 drew nothing, so its sheet does not print";
    for (const auto& p : printed) EXPECT_TRUE(p.numbers.empty());
}

TEST_F(PrintRunTest, NumbersAreSinglesRoundedHalfAwayFromZero) {
    struct Case {
        const char* first;
        Strings expected;
    };
    const Case cases[] = {
        {"2.5", {"－ 3 －", "－ 4 －", "－ 5 －"}},
        {"1", {"－ 1 －", "－ 2 －", "－ 3 －"}},
        {"1.5", {"－ 2 －", "－ 3 －", "－ 4 －"}},
        {"9998.5", {"－ 9999 －", "－ 10000 －", "－ 10001 －"}},
    };
    for (const Case& c : cases) {
        print(2, c.first);
        Strings got;
        for (const auto& p : sheets(job())) got.insert(got.end(), p.numbers.begin(), p.numbers.end());
        EXPECT_EQ(got, c.expected) << c.first;
    }
}

TEST_F(PrintRunTest, PageNumberIsPrintedInTheFontTheLastWriterLeft) {
    report::procedures()[static_cast<int>(report::Proc::Ippan)].run = [](Program& p) {
        EXPECT_EQ(p.outputSurface->fontSize(), 11);
        EXPECT_EQ(p.outputSurface->fontName(), "ＭＳ 明朝");
        EXPECT_EQ(p.outputSurface->currentX(), 0);
        EXPECT_EQ(p.outputSurface->currentY(), 0);
        p.outputSurface->print("page 1");
        p.outputSurface->setFontSize(9);
    };
    print(1, "1");
    const auto& ops = job().ops();
    auto number = std::find_if(ops.begin(), ops.end(), [](const plat::DrawOp& op) { return op.text == "－ 1 －"; });
    ASSERT_NE(number, ops.end());
    EXPECT_EQ(number->fontSize, 9);
    EXPECT_EQ(prog.outputSurface, &job()) << "the printer stays the output surface";
}

// A page whose text reaches down to the number's line (at 15600 twips) has its number half
// a line below its last line; a page that stops short of it, at its place.
TEST_F(PrintRunTest, APageNumberKeepsClearOfTextReachingItsLine) {
    struct Case {
        double lastLineY;
        double numberY;
    };
    for (const Case c : {Case{15380, 15600}, Case{15400, 15620 + 110}, Case{15600, 15820 + 110}}) {
        report::procedures()[static_cast<int>(report::Proc::Ippan)].run = [c](Program& p) {
            p.outputSurface->setCurrentY(c.lastLineY);
            p.outputSurface->print("the last line");  // 11 points: 220 twips high
        };
        print(1, "1");
        const auto& ops = job().ops();
        auto number = std::find_if(ops.begin(), ops.end(), [](const plat::DrawOp& op) { return op.text == "－ 1 －"; });
        ASSERT_NE(number, ops.end());
        EXPECT_EQ(number->x1, 5500) << c.lastLineY;
        EXPECT_EQ(number->y1, c.numberY) << c.lastLineY;
    }
}

// Empty lines and lines of blanks below a page's last text print nothing: the number keeps
// its place, wherever they end.
TEST_F(PrintRunTest, EmptyLinesBelowTheTextLeaveThePageNumberAtItsPlace) {
    for (const char* empty : {"", "      ", "　　"}) {
        report::procedures()[static_cast<int>(report::Proc::Ippan)].run = [empty](Program& p) {
            p.outputSurface->setCurrentY(15000);
            p.outputSurface->print("the last line");
            for (int i = 0; i < 5; ++i) p.outputSurface->print(empty);  // down to 16320
        };
        print(1, "1");
        const auto& ops = job().ops();
        auto number = std::find_if(ops.begin(), ops.end(), [](const plat::DrawOp& op) { return op.text == "－ 1 －"; });
        ASSERT_NE(number, ops.end());
        EXPECT_EQ(number->y1, 15600) << "\"" << empty << "\"";
    }
}

TEST_F(PrintRunTest, CancelInThePrinterDialogPrintsNothing) {
    prog.currentScreen = 2;
    main->FileImage();
    PreviewWindow* page2 = shown();
    svc.printerAnswers.push_back(false);
    svc.modalScripts.push_back([](plat::Form& f) {
        auto& d = static_cast<Form15&>(f);
        d.opt5.userClick();
        d.cmd1.press();
    });
    takeLog();
    page2->Men_Prn.userClick();
    EXPECT_TRUE(svc.printJobs.empty());
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(log, (Strings{"Form3.HENSUU", "Form3.HENSUU"})) << "no page is made";
    EXPECT_EQ(prog.outputSurface, &page2->canvas());
}

TEST_F(PrintRunTest, APrintFromThePreviewLeavesItsPageAndTheNextStepDrawsOnItsCanvas) {
    prog.currentScreen = 2;
    main->FileImage();
    PreviewWindow* page2 = shown();
    auto before = static_cast<plat::RecordingSurface&>(page2->canvas()).texts();
    svc.modalScripts.push_back([](plat::Form& f) {
        auto& d = static_cast<Form15&>(f);
        d.opt1.userClick();
        d.cmd1.press();
    });
    page2->Men_Prn.userClick();
    ASSERT_EQ(svc.printJobs.size(), 1u);
    EXPECT_EQ(prog.outputSurface, &job());
    EXPECT_EQ(static_cast<plat::RecordingSurface&>(page2->canvas()).texts(), before);
    EXPECT_EQ(shown(), page2);
    size_t printedOps = job().ops().size();
    page2->Men_Nex.userClick();
    EXPECT_EQ(prog.outputSurface, &shown()->canvas());
    EXPECT_EQ(job().ops().size(), printedOps);
    EXPECT_EQ(static_cast<plat::RecordingSurface&>(shown()->canvas()).texts(), (Strings{"Form4.Doatu", "Form4.Doatu2"}));
}

TEST_F(PrintRunTest, AFaultAbandonsTheJobWithOneMessage) {
    setMembers(true, true, true);
    failAt(report::Proc::Doatu);
    print(5, "1");
    auto printed = sheets(job());
    ASSERT_EQ(printed.size(), 2u) << "nothing after the fault, no number for the page in progress";
    EXPECT_EQ(printed[0].writers, page1);
    EXPECT_EQ(printed[1].writers, page2);
    for (const auto& op : job().ops()) EXPECT_NE(op.kind, plat::DrawOp::EndDoc);
    EXPECT_EQ(log.back(), "Form4.Doatu!");
    EXPECT_EQ(svc.printJobsEnded, 1) << "the job is abandoned, never sent in part";
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "計算書を印刷できませんでした。");
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_FALSE(prog.form<Form15>().visible());
}

TEST_F(PrintRunTest, AProgrammingErrorIsNotTakenForAFailedJob) {
    report::procedures()[static_cast<int>(report::Proc::Doatu)].run = [](Program&) {
        throw std::logic_error("no such writer");
    };
    EXPECT_THROW(print(2, "1"), std::logic_error);
    EXPECT_TRUE(svc.messages.empty());
}

TEST_F(PrintRunTest, AJobThatCannotStartMakesNoPageAndSaysSo) {
    report::procedures()[static_cast<int>(report::Proc::Ippan)].run = [](Program& p) {
        p.services().beep();  // as a failed check would
    };
    svc.printStartFails = true;
    print(1);
    EXPECT_TRUE(svc.printJobs.empty());
    EXPECT_EQ(svc.messageTexts(), Strings{"計算書を印刷できませんでした。"});
    EXPECT_EQ(svc.beeps, 0) << "no page was made";
    EXPECT_EQ(std::count(log.begin(), log.end(), "Form3.Ippan"), 0);
}

TEST_F(PrintRunTest, AJobThatFailsAtItsEndSaysSo) {
    svc.printEndFails = true;
    print(2, "1");
    ASSERT_EQ(svc.printJobs.size(), 1u);
    EXPECT_EQ(job().ops().back().kind, plat::DrawOp::EndDoc);
    EXPECT_EQ(svc.messageTexts(), Strings{"計算書を印刷できませんでした。"});
}

TEST(PageNumberTextTest, Format) {
    EXPECT_EQ(report::pageNumberText(12), "－ 12 －");
    EXPECT_EQ(report::pageNumberText(3.5f), "－ 4 －");
    EXPECT_EQ(report::pageNumberText(-0.4f), "－ 0 －");
}

}  // namespace
