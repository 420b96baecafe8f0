// The shared rules of the report pages: half-up rounding, alignment of table numbers,
// millimetre figures and the way a judged check is shown.
#include <gtest/gtest.h>

#include "report/pages/page_conventions.h"
#include "support/scripted_services.h"

namespace {

TEST(PageConventionsTest, RoundsHalfUpWithTheIntegerPart) {
    EXPECT_DOUBLE_EQ(page::round4(2.71828), 2.7183);
    EXPECT_DOUBLE_EQ(page::round4(9.99996), 10.0);
    EXPECT_DOUBLE_EQ(page::round3(-0.0025), -0.002);  // half up, not away from zero
    EXPECT_DOUBLE_EQ(page::round3(0.0025), 0.003);
}

TEST(PageConventionsTest, AlignsTableNumbersOnTheirLastDigit) {
    EXPECT_EQ(page::alignedX(9400, 9.9999), 9400);
    EXPECT_EQ(page::alignedX(9400, 10), 9300);
    EXPECT_EQ(page::alignedX(9400, 100), 9200);
    EXPECT_EQ(page::alignedX(9400, 1000), 9100);
    EXPECT_EQ(page::alignedX(9400, 123456), 9100);
    EXPECT_EQ(page::alignedX(5050, 1000, 2), 4850);
    EXPECT_EQ(page::alignedX(5050, -250), 5050);
}

TEST(PageConventionsTest, WritesDrawingDimensionsInMillimetres) {
    EXPECT_EQ(page::millimetres(0.35f), "350");
    EXPECT_EQ(page::millimetres(12.5), "12,500");
    EXPECT_EQ(page::millimetres(0), "");
    EXPECT_EQ(page::millimetres(0.45f), "450");
}

TEST(PageConventionsTest, FailedCheckIsColouredAndBeepsOncePassedOneIsBlack) {
    ScriptedServices svc;
    Program prog(svc);
    plat::RecordingSurface s;
    page::printCheck(prog, s, page::passesAtMost(2.0, 2.0), {std::string("  σc < 2.0 N/mm2  ") + page::kPassed});
    EXPECT_EQ(svc.beeps, 0);
    page::printCheck(prog, s, page::passesAtLeast(1.4, 1.5), {"a", "b"});
    page::printCheck(prog, s, page::passesAtMost(3, 2), {"c"});
    EXPECT_EQ(svc.beeps, 2);
    ASSERT_EQ(s.ops().size(), 4u);
    EXPECT_EQ(s.ops()[0].text, "  σc < 2.0 N/mm2  ∴ O.K");
    EXPECT_EQ(s.ops()[0].colour, plat::kBlack);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(s.ops()[i].colour, plat::kColour13);
    EXPECT_EQ(s.foreColor(), plat::kBlack);
}

}  // namespace
