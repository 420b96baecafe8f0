// The figures of report pages 2 and 5 as the printer gets them. The writers place their
// labels by the surface's measure of a text; the fonts that the Qt back end maps the
// report fonts to must have those widths. The pages of a set of walls are printed into PDF
// files and read back with pdftotext: every word on the sheet, none over another. With
// MIRANOSU_KEEP_PDF set to a folder the PDFs and PNGs of pages 2 and 5 are kept there.
#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/qt/fonts.h"
#include "support/fixture_walls.h"
#include "support/pdf_services.h"
#include "support/pdf_text.h"

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

TEST(ReportFigures, PagesTwoAndFiveOfEachWallPrintEveryWordOnTheSheetAndClearOfTheOthers) {
    const auto dir = std::filesystem::temp_directory_path() / ("miranosu-figures-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const char* keep = std::getenv("MIRANOSU_KEEP_PDF");
    for (Wall wall : fixture::kAllWalls) {
        SCOPED_TRACE(fixture::name(wall));
        const std::string pdf = (dir / (std::to_string(static_cast<int>(wall)) + ".pdf")).string();
        const PrintRun run = printFixtureWall(wall, pdf);
        ASSERT_EQ(run.sectionCheckDone, 1);
        ASSERT_TRUE(run.messages.empty()) << ::testing::PrintToString(run.messages);
        const std::vector<pdf_text::Page> pages = pdf_text::words(pdf);
        for (int page : {2, 5}) {
            ASSERT_GE(pages.size(), static_cast<size_t>(page)) << "pdftotext (poppler-utils) on " << pdf;
            const pdf_text::Page& found = pages[page - 1];
            ASSERT_GT(found.size(), 20u) << "pdftotext (poppler-utils) on " << pdf << " page " << page;
            for (size_t i = 0; i < found.size(); ++i) {
                const pdf_text::Word& a = found[i];
                EXPECT_TRUE(a.xMin >= 0 && a.yMin >= 0 && a.xMax <= found.width && a.yMax <= found.height)
                    << "page " << page << ": " << a.text;
                for (size_t j = i + 1; j < found.size(); ++j) {
                    const pdf_text::Word& b = found[j];
                    // Word boxes span the font's whole height; lines of text set 200 twips
                    // apart (10 points) overlap in them by a point or two.
                    const double dx = std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin);
                    const double dy = std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin);
                    EXPECT_FALSE(dx > 0.5 && dy > 2.5) << "page " << page << ": " << a.text << " over " << b.text;
                }
            }
            if (keep) {
                const std::string base = (std::filesystem::path(keep) / (fixture::name(wall) + "-page" + std::to_string(page))).string();
                pdf_text::commandOutput("pdftoppm -png -r 100 -singlefile -f " + std::to_string(page) + " -l " +
                                        std::to_string(page) + " '" + pdf + "' '" + base + "'");
            }
        }
        keepPdf(wall, pdf);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
