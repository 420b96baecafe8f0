// The placing of the labels of a report drawing: a label at its own place where that is
// clear, else beside with a leader from its part; figures side by side on one line; the
// lines under a row of overall width that figures too wide for their parts take.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "report/pages/dimension_figures.h"
#include "report/pages/figure_labels.h"
#include "support/page_layout.h"

namespace {

using page::FigureLabels;
using page::Label;
using page::LineFigure;
using page::Segment;
using page::Spot;

// A 9 pt surface: a digit 90 twips wide, a line of type 180 high.
class FigureLabelsTest : public ::testing::Test {
protected:
    FigureLabelsTest() { surface.setFont("ＭＳ 明朝", 9); }

    const plat::DrawOp* text(const std::string& t) const {
        for (const plat::DrawOp& op : surface.ops())
            if (op.kind == plat::DrawOp::Text && op.text == t) return &op;
        return nullptr;
    }
    std::vector<plat::DrawOp> lines() const { return layout::drawingOf(surface.ops()).lines; }

    plat::RecordingSurface surface;
};

// A part 400 twips square whose number ("③", 180 wide) has room: it stands at its spot.
TEST_F(FigureLabelsTest, ANumberWithRoomInItsPartStandsAtItsSpotWithoutALeader) {
    const std::vector<Spot> part = {{1000, 1000}, {1400, 1000}, {1400, 1400}, {1000, 1400}};
    std::vector<Segment> outline;
    for (size_t i = 0; i < part.size(); ++i) {
        const Spot a = part[i], b = part[(i + 1) % part.size()];
        outline.push_back({a.x, a.y, b.x, b.y});
    }
    FigureLabels labels(surface, outline, 0, 5000);
    Label l = page::labelAt("③", {1110, 1110}, {1200, 1200});
    l.home = page::insideOutline(part);
    labels.print(l);
    ASSERT_NE(text("③"), nullptr);
    EXPECT_EQ(text("③")->x1, 1110);
    EXPECT_EQ(text("③")->y1, 1110);
    EXPECT_TRUE(lines().empty());
    EXPECT_TRUE(labels.complete());
}

// A part 100 twips wide cannot hold its number: the number stands outside, clear of the
// part's lines, with a leader from the part's middle that stops short of its ink.
TEST_F(FigureLabelsTest, ANumberTooBigForItsPartStandsBesideWithALeader) {
    const std::vector<Spot> part = {{1000, 1000}, {1100, 1000}, {1100, 3000}, {1000, 3000}};
    const std::vector<Segment> outline = {{1000, 1000, 1000, 3000}, {1100, 1000, 1100, 3000}};
    FigureLabels labels(surface, outline, 0, 5000);
    Label l = page::labelAt("②", {960, 1960}, {1050, 2000});
    l.home = page::insideOutline(part);
    labels.print(l);
    ASSERT_EQ(lines().size(), 1u);
    const plat::DrawOp leader = lines().front();
    EXPECT_EQ(leader.x1, 1050);
    EXPECT_EQ(leader.y1, 2000);
    const layout::Drawing drawn = layout::drawingOf(surface.ops());
    ASSERT_EQ(drawn.texts.size(), 1u);
    const layout::Box ink = drawn.texts.front();
    EXPECT_TRUE(ink.right < 1000 || ink.left > 1100) << layout::describe(ink);
    EXPECT_FALSE(layout::crosses(leader, ink));
    // The leader's free end is next to the ink: within the room kept from a line.
    const double dx = std::max({ink.left - leader.x2, 0.0, leader.x2 - ink.right});
    const double dy = std::max({ink.top - leader.y2, 0.0, leader.y2 - ink.bottom});
    EXPECT_LE(std::hypot(dx, dy), page::kLineMargin + 6);
    EXPECT_TRUE(labels.complete());
}

// A leader runs past every label printed before it, and a label printed after it keeps
// clear of the leader.
TEST_F(FigureLabelsTest, LeadersRunPastOtherLabelsAndLaterLabelsKeepOffThem) {
    const std::vector<Segment> wall = {{1000, 0, 1000, 4000}, {1100, 0, 1100, 4000}};
    FigureLabels labels(surface, wall, 0, 4000);
    const std::vector<Spot> part = {{1000, 0}, {1100, 0}, {1100, 4000}, {1000, 4000}};
    for (const char* number : {"①", "②", "③"}) {
        Label l = page::labelAt(number, {960, 1960}, {1050, 2000});
        l.home = page::insideOutline(part);
        labels.print(l);
    }
    EXPECT_EQ(lines().size(), 3u);
    EXPECT_TRUE(layout::collisions(layout::drawingOf(surface.ops())).empty())
        << ::testing::PrintToString(layout::collisions(layout::drawingOf(surface.ops())));
    EXPECT_TRUE(labels.complete());
}

// A band too small for any text: the label stands at its spot and the figure is not
// complete, so that its drawing can be laid out again.
TEST_F(FigureLabelsTest, ALabelWithNoClearPlaceLeavesTheFigureIncomplete) {
    FigureLabels labels(surface, {}, 1000, 1100);
    labels.print(page::labelAt("W1", {500, 1000}, {520, 1050}));
    ASSERT_NE(text("W1"), nullptr);
    EXPECT_EQ(text("W1")->x1, 500);
    EXPECT_FALSE(labels.complete());
}

// A label printed after the overall width keeps out of its row, wherever it would stand.
TEST_F(FigureLabelsTest, TheRowOfTheOverallWidthHoldsItsFigureAlone) {
    FigureLabels labels(surface, {}, 0, 5000);
    const page::PartsRow row{1400, 1600, 1200, 1900, 1000, 3000};
    page::printWidthFigure(labels, "2,000", row);
    labels.print(page::labelAt("V3", {1900, 1710}, {1950, 1650}));
    const layout::Box inRow{1000, 1600, 3000, 1900, ""};
    std::vector<std::string> found;
    for (const layout::Box& b : layout::drawingOf(surface.ops()).texts)
        if (layout::overlap(b, inRow)) found.push_back(b.text);
    EXPECT_EQ(found, std::vector<std::string>{"2,000"});
    EXPECT_NE(text("V3"), nullptr);
}

// Figures centred over stretches side by side: each middle stays over its own stretch,
// neighbours keep the room between labels, and where the line cannot hold them all the
// one over the shorter stretch leaves it.
TEST(ArrangeOnLine, MiddlesStayOverTheirStretchesOrLeaveTheLine) {
    struct Case {
        std::vector<LineFigure> figures;
        std::vector<double> middles;  // -1: left off the line
    };
    const std::vector<Case> cases = {
        // Room enough: each at the middle of its stretch.
        {{{0, 400, 270}, {400, 1000, 450}}, {200, 700}},
        // "50" over 50 twips and "300" over 300 beside it: "300" moves right, (180 + 270) / 2
        // + 45 = 270 from "50".
        {{{0, 50, 180}, {50, 350, 270}}, {25, 295}},
        // The same pair against the end of the row: "50" moves left instead.
        {{{0, 50, 180}, {50, 290, 270}, {290, 2000, 450}}, {20, 290 - 0, 1145}},
        // Too little room for both: "50", over the shorter stretch, leaves the line.
        {{{0, 50, 180}, {50, 200, 270}, {200, 2000, 450}}, {-1, 125, 1100}},
        // A length of 0 prints nothing and takes no room.
        {{{0, 400, 270}, {400, 400, 0}, {400, 800, 270}}, {200, 400, 600}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        std::vector<LineFigure> figures = cases[i].figures;
        page::arrangeOnLine(figures);
        for (size_t j = 0; j < figures.size(); ++j) {
            const double expected = cases[i].middles[j];
            EXPECT_EQ(figures[j].onLine, expected >= 0) << "case " << i << ", figure " << j;
            if (expected >= 0 && figures[j].width > 0) {
                EXPECT_NEAR(figures[j].middle, expected, 1e-6) << "case " << i;
            }
        }
    }
}

// The figures of a row of parts that do not fit between their ticks (their width and 25
// twips on either side) stand under the row of the overall width: on one line, or on two
// where two such parts adjoin.
TEST(LinesUnderWidthRow, CountsTheLinesTheNarrowFiguresTake) {
    struct Case {
        std::vector<page::RowPart> parts;
        int lines;
    };
    const std::vector<Case> cases = {
        {{{"500", 400}, {"2,000", 2000}}, 0},
        {{{"300", 320}, {"2,000", 2000}}, 1},                  // 270 + 50 = 320: no room left
        {{{"300", 321}, {"2,000", 2000}}, 0},
        {{{"300", 200}, {"2,000", 2000}, {"450", 300}}, 1},    // narrow, but apart
        {{{"300", 200}, {"450", 300}, {"2,000", 2000}}, 2},    // narrow neighbours
        {{{"", 0}, {"2,000", 2000}}, 0},                       // 0 mm prints nothing
    };
    for (const Case& c : cases) EXPECT_EQ(page::linesUnderWidthRow(c.parts), c.lines) << c.parts.front().length;
}

}  // namespace
