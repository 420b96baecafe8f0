#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/forms.h"
#include "common/numbers.h"
#include "stability/shear_key_dialogs.h"
#include "support/scripted_services.h"

namespace {

struct Point {
    double x, y;
};
struct SketchCase {
    const char* name;
    bool building;
    float e, B;
    // Expected: the first pressure line, one more line, each text with its place, in order.
    double first[4];
    double last[4];  // the last line drawn (the distance line or its tick)
    std::vector<std::pair<std::string, Point>> texts;
};

class ReactionSketch : public ::testing::TestWithParam<SketchCase> {
protected:
    ScriptedServices svc;
    Program prog{svc};
    void SetUp() override { registerForms(prog); }
};

TEST_P(ReactionSketch, ShapeAndLabels) {
    const SketchCase& c = GetParam();
    prog.eccentricity = c.e;
    prog.baseWidth = c.B;
    plat::Form& dialog = c.building ? static_cast<plat::Form&>(prog.form<Form19>()) : prog.form<Form26>();
    if (c.building) drawReactionSketchT(prog, dialog);
    else drawReactionSketchD(prog, dialog);

    std::vector<plat::DrawOp> lines, texts;
    for (const plat::DrawOp& op : dialog.canvas().ops()) (op.kind == plat::DrawOp::Line ? lines : texts).push_back(op);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().x1, c.first[0]);
    EXPECT_EQ(lines.front().y1, c.first[1]);
    EXPECT_EQ(lines.front().x2, c.first[2]);
    EXPECT_EQ(lines.front().y2, c.first[3]);
    EXPECT_EQ(lines.back().x1, c.last[0]);
    EXPECT_EQ(lines.back().y1, c.last[1]);
    EXPECT_EQ(lines.back().x2, c.last[2]);
    EXPECT_EQ(lines.back().y2, c.last[3]);
    ASSERT_EQ(texts.size(), c.texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, c.texts[i].first) << i;
        EXPECT_EQ(texts[i].x1, c.texts[i].second.x) << c.texts[i].first;
        EXPECT_EQ(texts[i].y1, c.texts[i].second.y) << c.texts[i].first;
        EXPECT_EQ(texts[i].fontName, "ＭＳ ゴシック");  // the dialog's font
    }
    // The pen is the dialog's own: one pixel, solid, black.
    for (const plat::DrawOp& l : lines) {
        EXPECT_EQ(l.drawWidth, 1);
        EXPECT_EQ(l.colour, plat::kBlack);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReactionSketch,
    ::testing::Values(
        // e = 0 counts as the toe side: the larger ordinate on the left.
        SketchCase{"BuildingCentred", true, 0.0f, 3.0f, {1560, 3420, 1560, 4000}, {1560, 4500, 3600, 4500},
                   {{"σmax", {1000, 3600}}, {"σmin", {3650, 3500}}, {"σ1", {1860, 3600}}, {"σ2", {2630, 3550}},
                    {"L1", {1800, 4300}}, {"L2", {3000, 4300}}}},
        SketchCase{"BuildingHeel", true, -0.2f, 3.0f, {1560, 3420, 1560, 3700}, {1560, 4500, 3600, 4500},
                   {{"σmax", {3650, 3600}}, {"σmin", {1000, 3500}}, {"σ1", {1860, 3500}}, {"σ2", {2630, 3550}},
                    {"L1", {1800, 4300}}, {"L2", {3000, 4300}}}},
        // |e|/B equal to 1/6 after rounding is drawn as the triangle.
        SketchCase{"BuildingSixthIsTriangle", true, 0.5f, 3.0f, {1560, 3420, 1560, 3800}, {3400, 4500, 3400, 4140},
                   {{"σmax", {1000, 3500}}, {"σ1", {1860, 3500}}, {"σ2", {2630, 3550}}, {"L1", {1800, 4300}},
                    {"L2", {2900, 4300}}}},
        SketchCase{"BuildingJustInside", true, 0.49f, 3.0f, {1560, 3420, 1560, 4000}, {1560, 4500, 3600, 4500},
                   {{"σmax", {1000, 3600}}, {"σmin", {3650, 3500}}, {"σ1", {1860, 3600}}, {"σ2", {2630, 3550}},
                    {"L1", {1800, 4300}}, {"L2", {3000, 4300}}}},
        SketchCase{"BuildingTriangleHeel", true, -1.0f, 3.0f, {3600, 3420, 3600, 3800}, {1760, 4500, 1760, 4140},
                   {{"σmax", {3650, 3500}}, {"σ1", {1860, 3500}}, {"σ2", {2630, 3430}}, {"L1", {1900, 4300}},
                    {"L2", {3000, 4300}}}},
        SketchCase{"RoadToe", false, 0.1f, 3.0f, {1560, 3420, 1560, 4000}, {1560, 4500, 3600, 4500},
                   {{"σ1", {1200, 3600}}, {"σ2", {3650, 3500}}, {"σ3", {2630, 3550}}, {"L1", {2000, 4300}},
                    {"L2", {3050, 4300}}}},
        SketchCase{"RoadHeel", false, -0.2f, 3.0f, {1560, 3420, 1560, 3700}, {1560, 4500, 3600, 4500},
                   {{"σ1", {3650, 3600}}, {"σ2", {1200, 3500}}, {"σ3", {2630, 3550}}, {"L1", {2000, 4300}},
                    {"L2", {3050, 4300}}}},
        SketchCase{"RoadTriangleToe", false, 0.6f, 3.6f, {1560, 3420, 1560, 3800}, {3400, 4500, 3400, 4140},
                   {{"σ1", {1000, 3500}}, {"σ3", {2630, 3550}}, {"L1", {2000, 4300}}, {"L2", {2950, 4300}}}},
        SketchCase{"RoadTriangleHeel", false, -2.0f, 3.0f, {3600, 3420, 3600, 3800}, {1760, 4500, 1760, 4140},
                   {{"σ1", {3650, 3500}}, {"σ3", {2630, 3430}}, {"L1", {2100, 4300}}, {"L2", {3050, 4300}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReactionSketchFault, ZeroBaseWidthDrawsNothing) {
    ScriptedServices svc;
    Program prog(svc);
    registerForms(prog);
    for (float e : {0.0f, 0.3f}) {
        prog.eccentricity = e;
        prog.baseWidth = 0;
        EXPECT_THROW(drawReactionSketchT(prog, prog.form<Form19>()), num::CalcFault);
        EXPECT_THROW(drawReactionSketchD(prog, prog.form<Form26>()), num::CalcFault);
    }
    EXPECT_TRUE(prog.form<Form19>().canvas().ops().empty());
    EXPECT_TRUE(prog.form<Form26>().canvas().ops().empty());
}

}  // namespace
