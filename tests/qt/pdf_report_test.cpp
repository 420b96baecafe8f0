// The whole report of the fixture walls printed by the program's own print run into PDF
// files through the Qt back end, read back with pdftotext: every page present with its
// number and its key lines; and a job that cannot start, reported.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/forms.h"
#include "support/fixture_walls.h"
#include "support/pdf_services.h"
#include "support/pdf_text.h"

namespace {

using fixture::Wall;
using Strings = std::vector<std::string>;

std::filesystem::path outputFolder() {
    auto dir = std::filesystem::temp_directory_path() / ("miranosu-pdf-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

// The pages of a PDF as pdftotext reads them.
Strings pdfPages(const std::string& pdf) {
    std::string command = "pdftotext -layout '" + pdf + "' -";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
    ::pclose(pipe);
    Strings pages(1);
    for (char c : text) {
        if (c == '\f') pages.emplace_back();
        else pages.back() += c;
    }
    if (pages.back().find_first_not_of(" \n") == std::string::npos) pages.pop_back();
    return pages;
}

// Prints the range of the given option numbered from 1.
void printNumbered(Program& prog, ScriptedServices& svc, plat::OptionButton Form15::*range) {
    svc.modalScripts.push_back([range](plat::Form& f) {
        auto& d = static_cast<Form15&>(f);
        (d.*range).userClick();
        d.chk_P.userClick();
        d.txt_P.setText("1");
        d.cmd1.press();
    });
    prog.form<MDIForm1>().Men_FPrn_Click();
}

struct Expected {
    Wall wall;
    int pages;
    // Lines that must be on a page, by page number.
    std::vector<std::pair<int, std::string>> lines;
};

TEST(PdfReport, TheWholeReportOfEachFixtureWallReachesItsPdf) {
    const Expected cases[] = {
        {Wall::HeelToeKey,
         9,
         {{1, "§１．設計条件（常時）"},
          {1, "東京都江東区"},
          {1, "Ｆc= 21 N/mm2"},
          {2, "荷重の計算（常時）"},
          {4, "安定性の検討（常時）"},
          {4, "突起"},
          {5, "断面の検討（常時）"},
          {8, "かかと版"},
          {9, "つま先版"},
          {9, "突起部"}}},
        {Wall::RoadSeismic,
         9,
         {{1, "σck= 24 N/mm2"}, {1, "道路土工"}, {3, "慣性力"}, {5, "断面の検討"}, {8, "かかと版"}, {9, "つま先版"}}},
        {Wall::TwoSided, 8, {{1, "§１．設計条件（常時）"}, {2, "荷重の計算（常時）"}, {5, "断面の検討（常時）"}}},
    };
    const auto dir = outputFolder();
    for (const Expected& c : cases) {
        SCOPED_TRACE(fixture::name(c.wall));
        const std::string pdf = (dir / (std::to_string(static_cast<int>(c.wall)) + ".pdf")).string();
        const PrintRun run = printFixtureWall(c.wall, pdf);
        ASSERT_EQ(run.sectionCheckDone, 1);
        EXPECT_TRUE(run.messages.empty()) << ::testing::PrintToString(run.messages);
        const Strings pages = pdfPages(pdf);
        ASSERT_EQ(static_cast<int>(pages.size()), c.pages) << "pdftotext (poppler-utils) on " << pdf;
        for (int i = 0; i < c.pages; ++i)
            EXPECT_NE(pages[i].find("－ " + std::to_string(i + 1) + " －"), std::string::npos) << "page " << i + 1;
        for (const auto& [page, line] : c.lines)
            EXPECT_NE(pages[page - 1].find(line), std::string::npos) << "page " << page << ": " << line;
        keepPdf(c.wall, pdf);
    }
    std::filesystem::remove_all(dir);
}

// The copies and the order asked in the printer dialog: a PDF file gets them from the job
// itself. "安定計算" numbered from 1 gives the sheets numbered 1 to 3.
TEST(PdfReport, CopiesAndOrderAreAsAsked) {
    struct Case {
        const char* name;
        int copies;
        bool collate, reverse;
        std::vector<int> numbers;  // of the PDF's pages, in file order
    };
    const Case cases[] = {
        {"one", 1, true, false, {1, 2, 3}},
        {"two collated", 2, true, false, {1, 2, 3, 1, 2, 3}},
        {"two uncollated", 2, false, false, {1, 1, 2, 2, 3, 3}},
        {"reversed", 1, true, true, {3, 2, 1}},
        {"three collated reversed", 3, true, true, {3, 2, 1, 3, 2, 1, 3, 2, 1}},
    };
    const auto dir = outputFolder();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string pdf = (dir / "copies.pdf").string();
        std::filesystem::remove(pdf);
        PdfServices svc(pdf, c.copies, c.collate, c.reverse);
        Program prog(svc);
        registerForms(prog);
        prog.form<MDIForm1>();
        fixture::enterWall(prog, Wall::HeelToeKey);
        printNumbered(prog, svc, &Form15::opt2);  // "安定計算"
        EXPECT_TRUE(svc.messages.empty()) << ::testing::PrintToString(svc.messageTexts());
        const Strings pages = pdfPages(pdf);
        ASSERT_EQ(pages.size(), c.numbers.size()) << "pdftotext (poppler-utils) on " << pdf;
        // Page 2 carries the load calculation, page 4 the stability checks.
        const char* const heads[] = {"荷重の計算", "", "安定性の検討"};
        for (size_t i = 0; i < pages.size(); ++i) {
            const int n = c.numbers[i];
            EXPECT_NE(pages[i].find("－ " + std::to_string(n) + " －"), std::string::npos) << "sheet " << i + 1;
            if (*heads[n - 1]) {
                EXPECT_NE(pages[i].find(heads[n - 1]), std::string::npos) << "sheet " << i + 1;
            }
        }
        if (const char* keep = std::getenv("MIRANOSU_KEEP_PDF"))
            std::filesystem::copy_file(pdf, std::filesystem::path(keep) / (std::string("copies-") + c.name + ".pdf"),
                                       std::filesystem::copy_options::overwrite_existing);
    }
    std::filesystem::remove_all(dir);
}

TEST(PdfReport, AJobThatCannotStartIsReportedAndMakesNoPage) {
    PdfServices svc("/nonexistent-folder/report.pdf");
    Program prog(svc);
    registerForms(prog);
    prog.form<MDIForm1>();
    fixture::enterWall(prog, Wall::HeelToeKey);
    svc.clear();
    printWholeReport(prog, svc);
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "計算書を印刷できませんでした。");
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(svc.beeps, 0);
    EXPECT_FALSE(std::filesystem::exists("/nonexistent-folder/report.pdf"));
}

}  // namespace
