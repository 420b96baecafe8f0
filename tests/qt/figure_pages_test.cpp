// The figures of report pages 2 and 5 as the printer gets them. The writers place their
// labels by the surface's measure of a text; the fonts that the Qt back end maps the
// report fonts to must have those widths. The pages of a set of walls are printed into PDF
// files and read back with pdftotext: every word on the sheet, none over another. With
// MIRANOSU_KEEP_PDF set to a folder the PDFs and PNGs of pages 2 and 5 are kept there.
#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/forms.h"
#include "platform/qt/fonts.h"
#include "support/fixture_walls.h"
#include "support/pdf_services.h"

namespace {

using fixture::Wall;

TEST(ReportFigures, TheSurfaceMeasuresTextsAsTheMappedFontsSetThem) {
    QImage device(10, 10, QImage::Format_RGB32);
    device.setDotsPerMeterX(56693);  // 1440 dpi: one twip a dot
    device.setDotsPerMeterY(56693);
    const char* samples[] = {"12,500", "①②⑧", "上載荷重", "4.0kN/m2", "cos^2(10.62ﾟ)×cos(10.62ﾟ＋20.00ﾟ)×",
                             "KA=────", "Atn{0.20/(1－0.00)}=11.31ﾟ", "ＫAE=", "V1"};
    for (const char* font : {"ＭＳ 明朝", "ＭＳ ゴシック"}) {
        for (double size : {9.0, 11.0}) {
            plat::RecordingSurface s;
            s.setFont(font, size);
            const QFontMetricsF metrics(QFont(plat::qt::toQFont(font, size, false), &device));
            for (const char* text : samples) {
                const double qt = metrics.horizontalAdvance(QString::fromUtf8(text));
                EXPECT_NEAR(qt, s.textWidth(text), s.textWidth(text) * 0.01) << font << " " << size << " " << text;
            }
        }
    }
}

std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

struct Word {
    double xMin, yMin, xMax, yMax;
    std::string text;
};

// The words of one page of a PDF with their boxes (points), and the page's size.
std::vector<Word> words(const std::string& pdf, int page, double& width, double& height) {
    const std::string n = std::to_string(page);
    const std::string html = run("pdftotext -bbox -f " + n + " -l " + n + " '" + pdf + "' -");
    std::vector<Word> out;
    auto attr = [](const std::string& tag, const char* name) {
        const size_t at = tag.find(std::string(name) + "=\"");
        return at == std::string::npos ? 0.0 : std::stod(tag.substr(at + std::string(name).size() + 2));
    };
    std::istringstream lines(html);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<page ") != std::string::npos) {
            width = attr(line, "width");
            height = attr(line, "height");
        }
        if (line.find("<word ") == std::string::npos) continue;
        const size_t open = line.find('>'), close = line.rfind("</word>");
        out.push_back({attr(line, "xMin"), attr(line, "yMin"), attr(line, "xMax"), attr(line, "yMax"),
                       line.substr(open + 1, close - open - 1)});
    }
    return out;
}

TEST(ReportFigures, PagesTwoAndFiveOfEachWallPrintEveryWordOnTheSheetAndClearOfTheOthers) {
    const auto dir = std::filesystem::temp_directory_path() / ("miranosu-figures-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const char* keep = std::getenv("MIRANOSU_KEEP_PDF");
    for (Wall wall : fixture::kAllWalls) {
        SCOPED_TRACE(fixture::name(wall));
        const std::string pdf = (dir / (std::to_string(static_cast<int>(wall)) + ".pdf")).string();
        {
            PdfServices svc(pdf);
            Program prog(svc);
            registerForms(prog);
            prog.form<MDIForm1>();
            fixture::enterWall(prog, wall);
            ASSERT_EQ(prog.sectionCheckDoneValue(), 1);
            printWholeReport(prog, svc);
            ASSERT_TRUE(svc.messages.empty()) << ::testing::PrintToString(svc.messageTexts());
        }
        for (int page : {2, 5}) {
            double width = 0, height = 0;
            const std::vector<Word> found = words(pdf, page, width, height);
            ASSERT_GT(found.size(), 20u) << "pdftotext (poppler-utils) on " << pdf << " page " << page;
            for (size_t i = 0; i < found.size(); ++i) {
                const Word& a = found[i];
                EXPECT_TRUE(a.xMin >= 0 && a.yMin >= 0 && a.xMax <= width && a.yMax <= height)
                    << "page " << page << ": " << a.text;
                for (size_t j = i + 1; j < found.size(); ++j) {
                    const Word& b = found[j];
                    // Word boxes span the font's whole height; lines of text set 200 twips
                    // apart (10 points) overlap in them by a point or two.
                    const double dx = std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin);
                    const double dy = std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin);
                    EXPECT_FALSE(dx > 0.5 && dy > 2.5) << "page " << page << ": " << a.text << " over " << b.text;
                }
            }
            if (keep) {
                const std::string base = (std::filesystem::path(keep) / (fixture::name(wall) + "-page" + std::to_string(page))).string();
                run("pdftoppm -png -r 100 -singlefile -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf +
                    "' '" + base + "'");
            }
        }
        if (keep)
            std::filesystem::copy_file(pdf, std::filesystem::path(keep) / (fixture::name(wall) + ".pdf"),
                                       std::filesystem::copy_options::overwrite_existing);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
