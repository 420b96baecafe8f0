// The layout of the printed report, read from the text layer of the PDF that the
// program's own print run makes for a set of walls: no word on another, nothing off the
// printable area, the page number at its place or below the text that reaches it, the
// figures of pages 2 and 5 below their headings with no line through a label and every
// part number in its part or at the end of its leader, and a load table whose printed
// rows add up to its printed totals. The lines of the figures are those the same print
// run draws on a recording surface as wide as the sheet's printable area.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/utf8.h"
#include "report/pages/page_writers.h"
#include "report/pages/wall_figure.h"
#include "report/report_pages.h"
#include "support/fixture_walls.h"
#include "support/page_layout.h"
#include "support/pdf_services.h"
#include "support/pdf_text.h"
#include "support/program_fixture.h"

namespace {

using fixture::Wall;
using pdf_text::Page;
using pdf_text::Word;

// Where the text of the printer's page starts on the sheet, in points, and the size of
// that printable area.
struct Sheet {
    double left = 0, top = 0, width = 0, height = 0;
    double x(double twips) const { return left + twips / 20; }
    double y(double twips) const { return top + twips / 20; }
};

struct PrintedWall {
    Wall wall;
    Sheet sheet;
    std::vector<Page> pages;
    // The print run's sheets recorded, and the outline of each part of the wall drawing.
    std::vector<std::vector<plat::DrawOp>> recorded;
    std::map<int, std::vector<page::Spot>> parts;
};

// The same print run on a recording surface of the sheet's printable width; then the wall
// drawing's step once more, on the state the run began page 2 with, for the scale it drew at.
void record(PrintedWall& printed, const plat::PrinterPage& sheet) {
    ProgramWithMainWindow w;
    w.svc.page = sheet;
    w.svc.printerAnswers.push_back(true);
    fixture::enterWall(w.prog, printed.wall);
    printWholeReport(w.prog, w.svc);
    ASSERT_EQ(w.svc.printJobs.size(), 1u);
    printed.recorded = layout::sheetsOf(*w.svc.printJobs.front());
    report::runProc(w.prog, report::Proc::DANMEM_1);
    plat::RecordingSurface scratch;
    scratch.setPrintableWidth(sheet.scaleWidth);
    report::prepareWallDrawing(w.prog, scratch);
    const page::WallFigure figure = page::drawnFigure(w.prog);
    for (int part = 1; part <= 8; ++part) printed.parts[part] = page::partOutline(figure, part);
}

using layout::kBands;

// What may touch: pdftotext rounds its boxes, and lines of one size follow each other
// edge to edge.
constexpr double kTolerance = 0.3;

// Where the page number "－ n －" stands, twips, unless the page's text reaches there.
constexpr double kPageNumberX = 5500, kPageNumberY = 15600;

std::string describe(const Word& w) {
    std::ostringstream s;
    s << "\"" << w.text << "\" (" << w.xMin << ", " << w.yMin << ")-(" << w.xMax << ", " << w.yMax << ")";
    return s.str();
}

// The ink of a word, as far as its box tells: a fraction bar printed as a run of "─"
// (after "KA=" or "=") is a line across the middle of its box, so the numerator and the
// denominator printed a little closer than a line above and below it stay clear of it.
Word ink(Word w) {
    if (w.text.find("─") != std::string::npos) {
        const double middle = (w.yMin + w.yMax) / 2, half = (w.yMax - w.yMin) / 4;
        w.yMin = middle - half;
        w.yMax = middle + half;
    }
    return w;
}

bool overlap(const Word& a, const Word& b) {
    const Word i = ink(a), j = ink(b);
    return std::min(i.xMax, j.xMax) - std::max(i.xMin, j.xMin) > kTolerance &&
           std::min(i.yMax, j.yMax) - std::max(i.yMin, j.yMin) > kTolerance;
}

// The report of every fixture wall, printed once for all tests of this file.
class PdfLayout : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        printed_ = new std::vector<PrintedWall>;
        const auto dir = std::filesystem::temp_directory_path() / ("miranosu-layout-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        for (Wall wall : fixture::kAllWalls) {
            const std::string pdf = (dir / (std::to_string(static_cast<int>(wall)) + ".pdf")).string();
            const plat::PrinterPage page = printFixtureWall(wall, pdf).printerPage;
            Sheet sheet;
            sheet.width = page.scaleWidth / 20;
            sheet.height = page.scaleHeight / 20;
            sheet.left = (page.width - page.scaleWidth) / 40;
            sheet.top = (page.height - page.scaleHeight) / 40;
            printed_->push_back({wall, sheet, pdf_text::words(pdf), {}, {}});
            record(printed_->back(), page);
            keepPdf(wall, pdf);
        }
        std::filesystem::remove_all(dir);
    }
    static void TearDownTestSuite() {
        delete printed_;
        printed_ = nullptr;
    }

    static const std::vector<PrintedWall>& walls() { return *printed_; }

    // Every page of every wall whose number passes the filter.
    template <class Filter, class Check>
    static void forPages(Filter filter, Check check) {
        for (const PrintedWall& w : walls()) {
            SCOPED_TRACE(fixture::name(w.wall));
            ASSERT_GE(w.pages.size(), 8u) << "pdftotext (poppler-utils) read too few pages";
            for (size_t i = 0; i < w.pages.size(); ++i) {
                const int number = static_cast<int>(i) + 1;
                if (!filter(number)) continue;
                SCOPED_TRACE("page " + std::to_string(number));
                check(w, w.pages[i], number);
            }
        }
    }

    static void expectNoOverlap(const Page& page) {
        for (size_t i = 0; i < page.size(); ++i)
            for (size_t j = i + 1; j < page.size(); ++j)
                EXPECT_FALSE(overlap(page[i], page[j])) << describe(page[i]) << " and " << describe(page[j]);
    }

    static void expectInsidePrintableArea(const Sheet& sheet, const Page& page) {
        for (const Word& w : page) {
            EXPECT_GE(w.xMin, sheet.left - kTolerance) << describe(w);
            EXPECT_GE(w.yMin, sheet.top - kTolerance) << describe(w);
            EXPECT_LE(w.xMax, sheet.left + sheet.width + kTolerance) << describe(w);
            EXPECT_LE(w.yMax, sheet.top + sheet.height + kTolerance) << describe(w);
        }
    }

    // The page heading of pages 2 and 5: the chapter line "§…" (page 2) and the title line,
    // whose title holds "荷重の計算" or "断面の検討" after its number. Every other word
    // stands below the title line.
    static void expectBelowHeading(const Page& page, const char* title) {
        const auto titleWord = std::find_if(page.begin(), page.end(),
                                            [&](const Word& w) { return w.text.find(title) != std::string::npos; });
        ASSERT_NE(titleWord, page.end()) << title;
        std::vector<const Word*> heading = {&*titleWord};
        // The words written on with the title or the "§": the same line, less than a
        // character apart.
        auto extend = [&](const Word* from, int direction) {
            for (bool found = true; found;) {
                found = false;
                for (const Word& w : page) {
                    const double gap = direction < 0 ? from->xMin - w.xMax : w.xMin - from->xMax;
                    if (&w != from && std::abs(w.yMin - from->yMin) < 0.05 && gap > -kTolerance && gap < 12) {
                        heading.push_back(&w);
                        from = &w;
                        found = true;
                        break;
                    }
                }
            }
        };
        extend(&*titleWord, -1);
        for (const Word& w : page)
            if (w.text.rfind("§", 0) == 0 && w.yMax <= titleWord->yMin + kTolerance) {
                heading.push_back(&w);
                extend(&w, +1);
            }
        for (const Word& w : page) {
            if (std::find(heading.begin(), heading.end(), &w) != heading.end()) continue;
            EXPECT_GE(w.yMin, titleWord->yMax - kTolerance)
                << describe(w) << " above the heading's lower edge " << titleWord->yMax;
        }
    }

    static std::vector<PrintedWall>* printed_;
};

std::vector<PrintedWall>* PdfLayout::printed_ = nullptr;

// Pages 2 and 5 hold the wall's drawings, page 4 the sketch of the contact pressure or
// the shear key.
bool drawingPage(int page) { return page == 2 || page == 4 || page == 5; }

// Pages of text, formulas and tables: no word on another.
TEST_F(PdfLayout, NoTwoWordsOverlapOnTheTextPages) {
    forPages([](int page) { return !drawingPage(page); },
             [](const PrintedWall&, const Page& page, int) { expectNoOverlap(page); });
}

TEST_F(PdfLayout, TheTextPagesStayInsideThePrintableArea) {
    forPages([](int page) { return page != 2 && page != 5; },
             [](const PrintedWall& w, const Page& page, int) { expectInsidePrintableArea(w.sheet, page); });
}

// The number "－ n －" stands at the foot of every page, at its place or below the page's
// last line, and alone on its line; at its place wherever no text reaches down to it.
TEST_F(PdfLayout, ThePageNumberStandsAloneOnItsLine) {
    forPages([](int) { return true; },
             [](const PrintedWall& w, const Page& page, int number) {
                 const auto dash = std::find_if(page.begin(), page.end(), [&](const Word& word) {
                     return word.text == "－" && std::abs(word.xMin - w.sheet.x(kPageNumberX)) < 0.5 &&
                            word.yMin >= w.sheet.y(kPageNumberY) - kTolerance;
                 });
                 ASSERT_NE(dash, page.end()) << "no page number";
                 std::string numberLine;
                 for (const Word& word : page) {
                     if (word.yMax - kTolerance <= dash->yMin || word.yMin + kTolerance >= dash->yMax) continue;
                     const bool ofTheNumber = std::abs(word.yMin - dash->yMin) < 0.1 && word.xMin >= dash->xMin;
                     EXPECT_TRUE(ofTheNumber) << describe(word) << " on the page number's line";
                     if (ofTheNumber) numberLine += (numberLine.empty() ? "" : " ") + word.text;
                 }
                 EXPECT_EQ(numberLine, "－ " + std::to_string(number) + " －");
                 const bool reached = std::any_of(page.begin(), page.end(), [&](const Word& word) {
                     return word.yMin < dash->yMin - kTolerance && word.yMax > w.sheet.y(kPageNumberY) + kTolerance;
                 });
                 if (!reached) {
                     EXPECT_NEAR(dash->yMin, w.sheet.y(kPageNumberY), 0.5) << "moved though no text reaches it";
                 }
             });
}

// The load table of page 3: the printed cells of the V and V·x columns, row by row, add
// up to the printed totals, within the half unit of the last digit of each printed value.
TEST_F(PdfLayout, TheLoadTableRowsAddUpToThePrintedTotals) {
    const std::regex number(R"(-?[0-9]+\.[0-9]{4})");
    forPages([](int page) { return page == 3; },
             [&](const PrintedWall& w, const Page& page, int) {
                 auto find = [&](const std::string& text, double xFrom, double xTo) -> const Word* {
                     for (const Word& word : page)
                         if (word.text == text && word.xMin >= w.sheet.x(xFrom) && word.xMin < w.sheet.x(xTo))
                             return &word;
                     return nullptr;
                 };
                 const Word* header = find("Ｖ(kN/m)", 3100, 4400);
                 const Word* totals = find("合", 1600, 3100);
                 ASSERT_TRUE(header && totals) << "no load table";
                 struct Column {
                     const char* name;
                     double from, to;
                 };
                 for (const Column& c : {Column{"V", 3100, 4400}, Column{"V·x", 8300, 9600}}) {
                     SCOPED_TRACE(c.name);
                     double sum = 0, total = 0;
                     int rows = 0, totalsFound = 0;
                     for (const Word& word : page) {
                         if (word.xMin < w.sheet.x(c.from) || word.xMax > w.sheet.x(c.to)) continue;
                         if (word.yMin <= header->yMax || word.yMin > totals->yMax) continue;
                         ASSERT_TRUE(std::regex_match(word.text, number)) << describe(word);
                         if (std::abs(word.yMin - totals->yMin) < 0.1) {
                             total = std::stod(word.text);
                             ++totalsFound;
                         } else {
                             sum += std::stod(word.text);
                             ++rows;
                         }
                     }
                     ASSERT_EQ(totalsFound, 1);
                     EXPECT_GE(rows, 1);
                     EXPECT_NEAR(sum, total, 0.00005 * (rows + 1) + 1e-9) << rows << " rows";
                 }
             });
}

// Every sign reads: no minus sign follows an operator directly ("(1.600/2)－-0.128"); a
// negative value after an operator stands in brackets.
TEST_F(PdfLayout, NoMinusSignFollowsAnOperator) {
    const std::regex runTogether("(－|＋|×|/|･|\\+|-)-[0-9]");
    forPages([](int) { return true; }, [&](const PrintedWall&, const Page& page, int) {
        for (const Word& w : page) EXPECT_FALSE(std::regex_search(w.text, runTogether)) << describe(w);
    });
}

// The drawings of pages 2 and 5: no label on another label or on the page's text.
TEST_F(PdfLayout, DrawingLabelsNoTwoWordsOverlap) {
    forPages([](int page) { return page == 2 || page == 5; },
             [](const PrintedWall&, const Page& page, int) { expectNoOverlap(page); });
}

// The sketch of page 4, of the contact pressure or of the shear key: no label on another
// label or on the page's text.
TEST_F(PdfLayout, SketchLabelsNoTwoWordsOverlap) {
    forPages([](int page) { return page == 4; },
             [](const PrintedWall&, const Page& page, int) { expectNoOverlap(page); });
}

// A circled part number, ① to ⑳, at byte i of a UTF-8 text.
bool circledAt(const std::string& t, size_t i) {
    return i + 2 < t.size() && t[i] == '\xE2' && t[i + 1] == '\x91' && static_cast<unsigned char>(t[i + 2]) >= 0xA0 &&
           static_cast<unsigned char>(t[i + 2]) <= 0xB3;
}

// Labels set too close run together into one word of the text layer: "100300" for the
// dimensions 100 and 300, "35⑧" or "②⑦" for a dimension or a part number beside another.
// A word of digits is one dimension as the drawings write it, "##,###", and a part number
// touches no digit and no other part number.
TEST_F(PdfLayout, DrawingLabelsDoNotRunTogether) {
    const std::regex dimension(R"([0-9]{1,3}(,[0-9]{3})*)");
    const std::regex digits(R"([0-9,]+)");
    forPages([](int page) { return page == 2 || page == 5; }, [&](const PrintedWall&, const Page& page, int) {
        for (const Word& w : page) {
            if (std::regex_match(w.text, digits)) {
                EXPECT_TRUE(std::regex_match(w.text, dimension)) << describe(w);
            }
            const std::string& t = w.text;
            for (size_t i = 0; i < t.size(); ++i) {
                if (!circledAt(t, i)) continue;
                const bool digitBefore = i > 0 && (std::isdigit(static_cast<unsigned char>(t[i - 1])) ||
                                                   (i >= 3 && circledAt(t, i - 3)));
                const bool digitAfter = i + 3 < t.size() && (std::isdigit(static_cast<unsigned char>(t[i + 3])) ||
                                                             circledAt(t, i + 3));
                EXPECT_FALSE(digitBefore || digitAfter) << describe(w);
            }
        }
    });
}

// The figures of pages 2 and 5 below the page heading, and on the sheet.
TEST_F(PdfLayout, DrawingLabelsStayBelowTheHeadingAndOnTheSheet) {
    forPages([](int page) { return page == 2 || page == 5; }, [](const PrintedWall& w, const Page& page, int number) {
        expectBelowHeading(page, number == 2 ? "荷重の計算" : "断面の検討");
        expectInsidePrintableArea(w.sheet, page);
    });
}

// The ink of a word in twips on the printable area: its box less a tenth of its height at
// the top and at the bottom, as the ink of a line of type, and less what pdftotext rounds.
layout::Box inkOf(const Sheet& sheet, const Word& w) {
    const double h = w.yMax - w.yMin;
    return {(w.xMin + kTolerance - sheet.left) * 20, (w.yMin + h / 10 - sheet.top) * 20,
            (w.xMax - kTolerance - sheet.left) * 20, (w.yMax - h / 10 - sheet.top) * 20, w.text};
}

// No line of the figures of pages 2 and 5 runs through a printed label; a leader ends
// short of its own label.
TEST_F(PdfLayout, NoLineOfAFigureCrossesALabel) {
    for (const PrintedWall& w : walls()) {
        SCOPED_TRACE(fixture::name(w.wall));
        for (const layout::Band& band : kBands) {
            SCOPED_TRACE("page " + std::to_string(band.page));
            ASSERT_GE(w.recorded.size(), size_t(band.page));
            const layout::Drawing figure = layout::drawingOf(layout::figureOps(w.recorded[band.page - 1], band.bottom));
            ASSERT_FALSE(figure.lines.empty());
            for (const Word& word : w.pages[band.page - 1]) {
                const layout::Box ink = inkOf(w.sheet, word);
                if (ink.top < band.top || ink.bottom > band.bottom) continue;
                for (const plat::DrawOp& line : figure.lines)
                    EXPECT_FALSE(layout::crosses(line, ink)) << layout::describe(line) << " crosses " << describe(word);
            }
        }
    }
}

// Each part number of the wall drawing stands inside the outline of its part, or at the
// end of a leader that runs into its part from within a little of it.
TEST_F(PdfLayout, EveryPartNumberStandsInItsPartOrOnItsLeader) {
    constexpr double kLeaderReach = 60;  // from the end of a leader to the number's ink, twips
    for (const PrintedWall& w : walls()) {
        SCOPED_TRACE(fixture::name(w.wall));
        const std::vector<plat::DrawOp> lines = layout::drawingOf(layout::figureOps(w.recorded[1], 6700)).lines;
        int numbers = 0;
        for (const Word& word : w.pages[1]) {
            const std::vector<char32_t> digits = plat::toCodePoints(word.text);
            if (!std::all_of(digits.begin(), digits.end(), [](char32_t c) { return c >= U'①' && c <= U'⑧'; })) continue;
            const layout::Box all = inkOf(w.sheet, word);
            if (all.bottom > kBands[0].bottom) continue;  // the self-weight table's rows
            const double each = (all.right - all.left) / double(digits.size());
            for (size_t i = 0; i < digits.size(); ++i, ++numbers) {
                const int part = static_cast<int>(digits[i] - U'①') + 1;
                const std::vector<page::Spot>& outline = w.parts.at(part);
                const layout::Box ink{all.left + i * each, all.top, all.left + (i + 1) * each, all.bottom, word.text};
                if (page::inside(outline, {(ink.left + ink.right) / 2, (ink.top + ink.bottom) / 2})) continue;
                auto near = [&](double x, double y) {
                    const double dx = std::max({ink.left - x, 0.0, x - ink.right});
                    const double dy = std::max({ink.top - y, 0.0, y - ink.bottom});
                    return std::hypot(dx, dy) <= kLeaderReach;
                };
                const bool onLeader = std::any_of(lines.begin(), lines.end(), [&](const plat::DrawOp& l) {
                    return (near(l.x1, l.y1) && page::inside(outline, {l.x2, l.y2})) ||
                           (near(l.x2, l.y2) && page::inside(outline, {l.x1, l.y1}));
                });
                EXPECT_TRUE(onLeader) << describe(word) << " neither in part " << part << " nor on its leader";
            }
        }
        EXPECT_GE(numbers, 4);
    }
}

}  // namespace
