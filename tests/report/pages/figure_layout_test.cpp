// The figures of report pages 2 and 5 of walls entered through the screens, on the
// recording surface: each stays between its page heading and the text below it and on
// the sheet, no two of its texts overlap and no line runs through a text; nor on the rest
// of page 5, whose coefficient fractions put texts inside drawn brackets. The overall
// width has its row to itself: the figures of parts too narrow for them stand under it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/pages/page_conventions.h"
#include "report/report_pages.h"
#include "support/fixture_walls.h"
#include "support/page_layout.h"
#include "support/program_fixture.h"

namespace {

using fixture::Wall;

constexpr const auto& kWalls = fixture::kAllWalls;

using layout::Band;
using layout::kBands;
using layout::recordPage;

// Ops past the figure: everything from the text that follows it on.
std::vector<plat::DrawOp> opsAfterFigure(const plat::RecordingSurface& page, double textTop) {
    const auto& ops = page.ops();
    for (size_t i = 0; i < ops.size(); ++i)
        if (ops[i].kind == plat::DrawOp::Text && ops[i].x1 == 0 && ops[i].y1 == textTop)
            return {ops.begin() + long(i), ops.end()};
    return {};
}

class FigureLayout : public ::testing::TestWithParam<Wall> {
protected:
    void SetUp() override {
        fixture::enterWall(w.prog, GetParam());
        ASSERT_EQ(w.prog.sectionCheckDoneValue(), 1) << ::testing::PrintToString(w.svc.messageTexts());
    }
    ProgramWithMainWindow w;
};

TEST_P(FigureLayout, EachFigureStaysInItsBandAndOnTheSheet) {
    for (const Band& band : kBands) {
        SCOPED_TRACE("page " + std::to_string(band.page));
        const plat::RecordingSurface page = recordPage(w.prog, band.page);
        const std::vector<plat::DrawOp> figure = layout::figureOps(page, band.bottom);
        // The figure is there: the smallest, a base without toe or heel under a reaction of
        // one ordinate, has some forty lines and texts.
        ASSERT_GT(figure.size(), 30u);
        const double right = page.printableWidth();
        for (const plat::DrawOp& op : figure) {
            if (op.kind == plat::DrawOp::Line) {
                EXPECT_GE(std::min(op.y1, op.y2), band.top) << layout::describe(op);
                EXPECT_LE(std::max(op.y1, op.y2), band.bottom) << layout::describe(op);
                EXPECT_GE(std::min(op.x1, op.x2), 0) << layout::describe(op);
                EXPECT_LE(std::max(op.x1, op.x2), right) << layout::describe(op);
            }
            layout::Box b;
            if (!layout::inkBox(op, b)) continue;
            // The whole em height of a text, not only its ink.
            const double em = op.fontSize * 20;
            EXPECT_GE(op.y1, band.top) << layout::describe(b);
            EXPECT_LE(op.y1 + em, band.bottom) << layout::describe(b);
            EXPECT_GE(b.left, 0) << layout::describe(b);
            EXPECT_LE(b.right, right) << layout::describe(b);
        }
    }
}

TEST_P(FigureLayout, NoTextOfAFigureOverlapsAnotherOrIsCrossedByALine) {
    for (const Band& band : kBands) {
        SCOPED_TRACE("page " + std::to_string(band.page));
        const plat::RecordingSurface page = recordPage(w.prog, band.page);
        const auto found = layout::collisions(layout::drawingOf(layout::figureOps(page, band.bottom)));
        EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
    }
}

// The angle lines and the coefficient of the section design below the figure of page 5:
// fractions, roots and brackets around their texts.
TEST_P(FigureLayout, TheCoefficientTextsOfPage5StayInsideTheirBrackets) {
    const plat::RecordingSurface page = recordPage(w.prog, 5);
    const auto text = opsAfterFigure(page, 6900);
    ASSERT_FALSE(text.empty());
    const auto found = layout::collisions(layout::drawingOf(text));
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
}

// Between the line of the parts' row and the line of the overall width (600 and 900 twips
// under the base on page 2, 700 and 1000 under the reaction's row level on page 5) and
// between the base's ends stands the overall width's figure alone.
TEST_P(FigureLayout, TheOverallWidthHasItsRowToItself) {
    const std::vector<std::string> width = {page::millimetres(w.prog.baseWidth)};
    for (const Band& band : kBands) {
        const plat::RecordingSurface page = recordPage(w.prog, band.page);
        EXPECT_EQ(layout::textsIn(page, band.bottom, layout::widthRow(w.prog, band.page)), width) << band.page;
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, FigureLayout, ::testing::ValuesIn(kWalls),
                         [](const auto& info) { return std::to_string(static_cast<int>(info.param)); });

}  // namespace
