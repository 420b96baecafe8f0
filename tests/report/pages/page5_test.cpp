// Report page 5 (Form7.HAIKIN): the opening page of the section checks, for a project
// entered through the screens and for stored edge values.
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "common/numbers.h"
#include "project/project_fixture.h"
#include "report/pages/section_pages_common.h"
#include "report/report_pages.h"
#include "support/choice_input.h"
#include "support/drawing_extent.h"

namespace {

std::string blanks(int n) { return std::string(n, ' '); }

class Page5Test : public ProjectFixture {
protected:
    plat::RecordingSurface surface;

    // The project of the fixture (normal case, building standard, one-sided shape with toe
    // and heel, front soil included), then report page 5 on a fresh surface.
    void SetUp() override {
        ProjectFixture::SetUp();
        makeProject();
        svc.clear();
    }
    void writePage() {
        surface.clear();
        surface.setFont("ＭＳ 明朝", 11);
        prog.outputSurface = &surface;
        report::runProc(prog, report::Proc::HAIKIN);
    }

    std::vector<plat::DrawOp> ops(plat::DrawOp::Kind kind) const {
        std::vector<plat::DrawOp> out;
        for (const auto& op : surface.ops())
            if (op.kind == kind) out.push_back(op);
        return out;
    }
    std::vector<std::string> texts() const { return surface.texts(); }
    // "地震時" withdraws both KA modes; the project's computed ones stand for those given again.
    // Then the seismic method, where one is given.
    void chooseSeismic(SeismicMethod method = SeismicMethod::None) {
        choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Seismic, .kaMode = KaMode::Computed});
        prog.form<Form7>().opt2.setValue(true);
        choice_input::setDesignChoices(prog, {.seismicMethod = method});
    }
    // The seismic KA of a backfill of φ 30ﾟ behind an upright rear face (δ 15ﾟ) with Kh 0.2
    // and θk 10ﾟ, printed on the page.
    void writeSeismicCoefficient(SeismicMethod method, float kv, float slope, float ka) {
        chooseSeismic(method);
        prog.seismicKh = 0.2f;
        prog.seismicKv = kv;
        prog.seismicTheta = 10;
        prog.backfillPhi = 30;
        prog.groundSlope = slope;
        prog.rearFaceTheta = 0;
        prog.deltaSection = 15;
        prog.activeCoefficientSection = ka;
        writePage();
    }
    // The contact pressure's ordinates, from the toe end to the heel end.
    void setOrdinates(float vp, float v1, float v2, float v3, float v4, float v5, float vr) {
        prog.reactionVP = vp, prog.reactionV1 = v1, prog.reactionV2 = v2, prog.reactionV3 = v3;
        prog.reactionV4 = v4, prog.reactionV5 = v5, prog.reactionVR = vr;
    }
    // Each text at its place: the first op that reads it stands at (x, y).
    void expectTextsAt(const std::vector<std::tuple<double, double, std::string>>& expected) const {
        for (const auto& [x, y, text] : expected) {
            const plat::DrawOp* op = textOp(text);
            ASSERT_NE(op, nullptr) << text;
            EXPECT_EQ(op->x1, x) << text;
            EXPECT_EQ(op->y1, y) << text;
        }
    }
    // The ordinate rows of a contact block (below the heading, the Xn line and an empty
    // line), closed by an empty line.
    static void expectOrdinateRows(const std::vector<std::string>& block, const std::vector<std::string>& rows) {
        ASSERT_GE(block.size(), 4 + rows.size());
        EXPECT_EQ(std::vector<std::string>(block.begin() + 3, block.begin() + 3 + long(rows.size())), rows);
        EXPECT_EQ(block[3 + rows.size()], "");
    }
    // The texts printed from the first one that reads first on.
    std::vector<std::string> textsFrom(const std::string& first) const {
        const auto all = texts();
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i] == first) return std::vector<std::string>(all.begin() + long(i), all.end());
        ADD_FAILURE() << "no text \"" << first << "\"";
        return {};
    }
    const plat::DrawOp* textOp(const std::string& text) const {
        for (const auto& op : surface.ops())
            if (op.kind == plat::DrawOp::Text && op.text == text) return &op;
        return nullptr;
    }
    bool hasLine(double x1, double y1, double x2, double y2) const {
        for (const auto& op : ops(plat::DrawOp::Line))
            if (std::fabs(op.x1 - x1) < 0.05 && std::fabs(op.y1 - y1) < 0.05 && std::fabs(op.x2 - x2) < 0.05 &&
                std::fabs(op.y2 - y2) < 0.05)
                return true;
        return false;
    }
    // The texts printed at y 6900 and below, before the angle lines.
    std::vector<std::string> contactBlock() const {
        std::vector<std::string> out;
        bool in = false;
        for (const auto& op : ops(plat::DrawOp::Text)) {
            if (op.text.find("地表面と水平面") != std::string::npos) break;
            if (op.y1 == 6900) in = true;
            if (in) out.push_back(op.text);
        }
        return out;
    }
};

// ---- Title, spacings, scales ----

TEST_F(Page5Test, NormalCaseOpensWithFiveEmptyLinesTitleAndEmptyLine) {
    writePage();
    const auto t = texts();
    ASSERT_GE(t.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 7),
              (std::vector<std::string>{"", "", "", "", "", blanks(12) + "3－３ 断面の検討（常時）", ""}));
    EXPECT_EQ(svc.beeps, 0);
    EXPECT_TRUE(svc.messages.empty());
}

struct TitleCase {
    bool normal, seismic, building, road;
    float kh;
    const char* title;  // nullptr: no title line
};

TEST_F(Page5Test, TitleFollowsLoadCaseAndStandard) {
    const TitleCase cases[] = {
        {false, true, true, false, 0.2f, "3－３ 断面の検討（中地震時）"},
        {false, true, true, false, 0.25f, "3－３ 断面の検討（大地震時）"},
        {false, true, true, false, 0.3f, "3－３ 断面の検討（大地震時）"},
        {false, true, false, true, 0.1f, "3－３ 断面の検討（地震時）"},
        {false, true, false, true, 0.4f, "3－３ 断面の検討（地震時）"},
        {false, true, false, false, 0.2f, nullptr},
        {false, false, true, false, 0.0f, nullptr},
    };
    for (const TitleCase& c : cases) {
        Form3& f = prog.form<Form3>();
        f.opt3.setValue(c.normal);
        f.opt4.setValue(c.seismic);
        f.opt_T.setValue(c.building);
        f.opt_D.setValue(c.road);
        prog.seismicKh = c.kh;
        writePage();
        const auto t = texts();
        std::vector<std::string> expected{"", "", "", "", ""};
        if (c.title) expected.push_back(blanks(12) + c.title);
        expected.push_back("");
        ASSERT_GE(t.size(), expected.size() + 1);
        EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + long(expected.size())), expected) << c.kh;
        // The figure follows at once.
        EXPECT_NE(t[expected.size()], "") << c.kh;
    }
}

TEST_F(Page5Test, DesignSpacingsAreTakenFromTheDesignBoxes) {
    Form7& s = prog.form<Form7>();
    s.txt1.setText("125");
    s.txt6.setText("");
    s.txt9.setText("abc");
    s.txt10.setText("250mm");
    writePage();
    EXPECT_EQ(prog.designSpacing[1], 125.0f);
    EXPECT_EQ(prog.designSpacing[2], 100.0f);
    EXPECT_EQ(prog.designSpacing[6], 0.0f);
    EXPECT_EQ(prog.designSpacing[9], 0.0f);
    EXPECT_EQ(prog.designSpacing[10], 250.0f);
}

TEST(SectionFigureScales, FigureScaleByTotalHeight) {
    struct Case { float soil, upper, scale; };
    const Case cases[] = {{0.8f, 0.0f, 0.3f}, {0.7f, 0.3f, 0.3f}, {1.2f, 0.3f, 0.45f}, {2.5f, 0.3f, 0.84f}};
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(section_pages::baseFigureScale(c.soil, c.upper), c.scale) << c.soil << "+" << c.upper;
}

TEST(SectionFigureScales, ReactionScaleByBandOfLargestPressure) {
    struct Case { float sigma, scale; };
    // σ·10/D with D 100, 500, 1000, ... 4500 by band of 100 kN/m2.
    const Case cases[] = {{0, 0},         {50, 5},         {100, 10},       {100.5f, 2.01f}, {200, 4},
                          {250, 2.5f},    {300, 3},        {350, 2.3333333f}, {650, 2.1666667f}, {1000, 2.2222222f}};
    for (const Case& c : cases) EXPECT_FLOAT_EQ(section_pages::reactionScale(c.sigma), c.scale) << c.sigma;
    // Beyond the last band the largest ordinate keeps the length it has at 1000 kN/m2.
    for (float sigma : {1000.5f, 1500.0f, 4000.0f})
        EXPECT_NEAR(sigma * section_pages::reactionScale(sigma), 1000 * 10000.0 / 4500, 0.01) << sigma;
}

TEST(SectionFigureScales, NoPositivePressureDrawsNoOrdinate) {
    // A resultant outside the base leaves σmax negative: nothing is scaled off the page.
    for (float sigma : {-0.5f, -16342.0f}) EXPECT_EQ(section_pages::reactionScale(sigma), 0.0f) << sigma;
}

// ---- Figure ----

TEST_F(Page5Test, FigureIsPlacedOnTheToeEndAndTheTopOfTheRearWall) {
    writePage();
    // Hs 2.8 m: 0.84 m per 1000 twips.
    EXPECT_FLOAT_EQ(prog.figureScale, 0.84f);
    EXPECT_FLOAT_EQ(prog.reactionDiagramScale, prog.sigmaMax * 10 / 100);
    const double u = 1000 / 0.84;
    // Toe 0.5, front wall 0.45, span 2.0, rear wall 0.45 (top 0.3, outer batter 0.05), heel 0.6.
    EXPECT_TRUE(hasLine(2850 + 3.05 * u, 1700, 2850 + 3.35 * u, 1700));  // top of the rear wall
    EXPECT_TRUE(hasLine(2850 + 0.95 * u, 1700 + 2.4 * u, 2850 + 2.95 * u, 1700 + 2.4 * u));  // slab top
    EXPECT_TRUE(hasLine(2850, 1700 + 2.5 * u, 2850, 1700 + 2.8 * u));         // toe end face
    // The whole height on the right of the heel end.
    EXPECT_TRUE(hasLine(2850 + 4.0 * u + 1350, 1700, 2850 + 4.0 * u + 1350, 1700 + 2.8 * u));
    // Dimensions in 9 pt, the text below at 6900 in 11 pt.
    const plat::DrawOp* height = textOp("2,500");
    ASSERT_NE(height, nullptr);
    EXPECT_EQ(height->fontSize, 9);
    // Too wide (450 twips) for the 500 between the two columns: right of the outer one.
    EXPECT_NEAR(height->x1, 2850 + 4.0 * u + 1350 + 40, 0.05);
    EXPECT_NEAR(height->y1, 1700 + (0.3 + 1.25) * u - 50, 0.05);
    const plat::DrawOp* heading = textOp(blanks(12) + "中立軸までの距離");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->y1, 6900);
    EXPECT_EQ(heading->fontSize, 11);
    for (const char* label : {"W1", "W2", "W3", "W4", "W5", "V1", "V2", "V3", "V4", "V5", "VR", "VP"})
        EXPECT_NE(textOp(label), nullptr) << label;
}

// A wide, low wall: base 6.0 m (span 4.0), 1.5 m high. At 0.45 m per 1000 twips its heel
// end would lie at x 16 183 and the right-hand dimension lines at 17 533, past the printable
// width of 11 338; it is drawn at 6.0 m over 11 338 − 2850 − 2000 twips instead.
TEST_F(Page5Test, WideLowWallStaysWithinThePrintableWidth) {
    prog.innerSpan = 4.0f;
    prog.baseWidth = 6.0f;
    prog.backSoilHeight = 1.2f;
    prog.rearWallUpperHeight = 0.3f;
    prog.backSoilAboveSlab = 0.8f;
    writePage();
    EXPECT_FLOAT_EQ(prog.figureScale, static_cast<float>(6000.0 / 6488.0));
    const double right = rightmostX(surface, 6900);  // the figure, above the text below it
    EXPECT_LE(right, 11338);
    EXPECT_GT(right, 11338 - 500);
    // The heel end and the dimension lines beside it at the fitted scale. The front wall
    // (H3 0.5 + H4 1.2) now stands 0.2 m above the rear one: its top is at y 1700.
    const double u = 1000 / double(prog.figureScale);
    EXPECT_TRUE(hasLine(2850 + 6.0 * u + 1350, 1700 + 0.2 * u, 2850 + 6.0 * u + 1350, 1700 + 1.7 * u));
}

// A contact pressure of 1000 kN/m2 (2.2222 twips per kN/m2) would hang the dimension rows
// 1000 · 2.2222 twips below the base, at 1700 + 3333.3 + 2222.2 + 1000 = 8255.6, deep in
// the text from y 6900. Walls and reaction shrink by one factor f until the rows end 40
// twips above it: 1700 + (3333.3 + 2222.2) · f + 1000 = 6860, f = 4160 / 5555.6.
TEST_F(Page5Test, ALargeReactionShrinksTheFigureAboveTheText) {
    prog.sigmaMax = 1000;
    setOrdinates(1000, 1000, 1000, 1000, 1000, 1000, 1000);
    writePage();
    const double f = 4160 / (1000 / 0.3 + 1000 * 1000 * 10 / 4500.0);
    EXPECT_NEAR(prog.figureScale, 0.84 / f, 1e-5);
    EXPECT_NEAR(prog.reactionDiagramScale, 1000 * 10 / 4500.0 * f, 1e-5);
    const double u = 1000 / double(prog.figureScale), yBase = 1700 + 2.8 * u;
    EXPECT_NEAR(yBase + 1000 * double(prog.reactionDiagramScale) + 1000, 6860, 0.5);
    for (const plat::DrawOp& op : ops(plat::DrawOp::Line)) {
        if (op.y1 >= 6900 && op.y2 >= 6900) continue;  // the fractions of the text below
        EXPECT_LE(std::max(op.y1, op.y2), 6860.5) << op.x1 << ", " << op.y1;
    }
}

// A front wall 0.8 m above the rear one (H3 + H4 3.6 m, Ht 2.8 m): its top stands at
// y 1700, the figure 3.6 m high at 0.3 · 3.6 = 1.08 m per 1000 twips.
TEST_F(Page5Test, FrontWallTallerThanTheRearStaysOnThePage) {
    prog.frontWallUpperHeight = 1.2f;
    prog.frontSoilHeight = 2.4f;
    writePage();
    EXPECT_FLOAT_EQ(prog.figureScale, 1.08f);
    const double u = 1000 / double(1.08f), d = double(2.8f) - (double(2.4f) + double(1.2f));
    EXPECT_TRUE(hasLine(2850 + 0.55 * u, 1700, 2850 + 0.85 * u, 1700));               // front wall's top
    EXPECT_TRUE(hasLine(2850 + 3.05 * u, 1700 - d * u, 2850 + 3.35 * u, 1700 - d * u));  // rear wall's top
    for (const plat::DrawOp& op : ops(plat::DrawOp::Line)) EXPECT_GE(std::min(op.y1, op.y2), 1540);
}

TEST_F(Page5Test, CentredResultDrawsOnlyTheUniformReaction) {
    prog.eccentricity = 0;
    writePage();
    const double u = 1000 / prog.figureScale, k = prog.reactionDiagramScale, yBase = 1700 + 2.8 * u;
    const double vp = prog.reactionVP, vr = prog.reactionVR;
    EXPECT_TRUE(hasLine(2850, yBase + vp * k, 2850 + 4.0 * u, yBase + vr * k));
    const plat::DrawOp* v = textOp("V");
    ASSERT_NE(v, nullptr);
    EXPECT_NEAR(v->x1, 2850 + 1.95 * u - 100, 1e-3);
    EXPECT_NEAR(v->y1, yBase + prog.reactionV3 * k + 30, 1e-3);
    for (const char* label : {"V1", "V2", "V3", "V4", "V5", "VR", "VP"}) EXPECT_EQ(textOp(label), nullptr) << label;
    // No ordinate at the toe root.
    EXPECT_FALSE(hasLine(2850 + 0.5 * u, yBase, 2850 + 0.5 * u, yBase + prog.reactionV1 * k));
}

TEST_F(Page5Test, TriangleTowardsTheHeelDrawsNoReaction) {
    prog.eccentricity = -1.0f;  // |e|/B 0.25 > 1/6
    prog.neutralAxisXn = 3.0f;
    writePage();
    for (const char* label : {"V", "V1", "V2", "V3", "V4", "V5", "VR", "VP"}) EXPECT_EQ(textOp(label), nullptr) << label;
    // The dimension lines hang from the heel-root ordinate.
    const double u = 1000 / prog.figureScale, yb = 1700 + 2.8 * u + prog.reactionV5 * prog.reactionDiagramScale;
    EXPECT_TRUE(hasLine(2850, yb + 1000, 2850 + 4.0 * u, yb + 1000));
}

TEST_F(Page5Test, TriangleTowardsTheToeFallsToZeroAtXnAndHasNoVR) {
    prog.eccentricity = 1.0f;  // |e|/B 0.25 > 1/6
    prog.neutralAxisXn = 3.0f;
    prog.sigmaMax = 150;       // band 100 to 200: 150·10/500 = 3 twips per kN/m2
    setOrdinates(150, 125, 102.5f, 53, 2.5f, 1, 77);
    // The contact ends under the rear wall: the model wrote the ordinates up to V4 only,
    // and V5 and VR are an earlier wall's.
    prog.slabModelWritten = kWroteXn | kWroteVP | kWroteV1 | kWroteV2 | kWroteV3 | kWroteV4 | kWroteW1 |
                            kWroteW2W3 | kWroteW4W5;
    writePage();
    EXPECT_FLOAT_EQ(prog.reactionDiagramScale, 3.0f);
    const double u = 1000 / 0.84, yBase = 1700 + 2.8 * u;
    EXPECT_TRUE(hasLine(2850, yBase, 2850, yBase + 450));                  // VP at the toe end
    EXPECT_TRUE(hasLine(2850, yBase + 450, 2850 + 3.0 * u, yBase));        // falls to 0 at Xn
    EXPECT_TRUE(hasLine(2850 + 2.95 * u, yBase, 2850 + 2.95 * u, yBase + 7.5));  // V4
    EXPECT_FALSE(hasLine(2850 + 3.4 * u, yBase, 2850 + 3.4 * u, yBase + 3));     // no earlier V5
    EXPECT_FALSE(hasLine(2850 + 4.0 * u, yBase, 2850 + 4.0 * u, yBase + 77 * 3));  // no VR ordinate
    EXPECT_EQ(textOp("VR"), nullptr);
    EXPECT_EQ(textOp("V5"), nullptr);  // no label for the earlier V5 either
    ASSERT_NE(textOp("V4"), nullptr);
    const plat::DrawOp* v2 = textOp("V2");
    ASSERT_NE(v2, nullptr);
    EXPECT_NEAR(v2->x1, 2850 + 0.95 * u, 1e-3);  // no offset in the triangle
    EXPECT_NEAR(v2->y1, yBase + 102.5 * 3 + 30, 1e-3);
    const plat::DrawOp* v1 = textOp("V1");
    ASSERT_NE(v1, nullptr);
    EXPECT_NEAR(v1->x1, 2850 + 0.5 * u - 200, 1e-3);
    const plat::DrawOp* vp = textOp("VP");
    ASSERT_NE(vp, nullptr);
    // At x 2650 "VP" (220 twips) would run into its own ordinate at the toe end: it
    // stands left of it instead, at its height.
    EXPECT_LE(vp->x1 + 220, 2850);
    EXPECT_GT(vp->x1, 2650 - 100);
    EXPECT_NEAR(vp->y1, yBase + 450 + 30, 1e-3);
    // The dimension lines hang from the toe-root ordinate.
    EXPECT_TRUE(hasLine(2850, yBase + 375 + 1000, 2850 + 4.0 * u, yBase + 375 + 1000));
}

// A contact that ends before the front wall's inner face: the model writes nothing, so
// no ordinate, pressure line or label of an earlier run is drawn.
TEST_F(Page5Test, ReactionTheModelDidNotWriteIsNotDrawn) {
    prog.eccentricity = 1.6f;
    prog.neutralAxisXn = 0.6f;
    prog.sigmaMax = 150;
    setOrdinates(150, 125, 102.5f, 53, 2.5f, 1, 77);
    prog.slabModelWritten = kWroteXn | kWroteW1 | kWroteW2W3 | kWroteW4W5;
    writePage();
    const double u = 1000 / 0.84, yBase = 1700 + 2.8 * u;
    for (const char* label : {"V", "V1", "V2", "V3", "V4", "V5", "VR", "VP"}) EXPECT_EQ(textOp(label), nullptr) << label;
    for (double at : {0.0, 0.5, 0.95, 1.95, 2.95, 3.4, 4.0})
        for (const plat::DrawOp& op : surface.ops())
            EXPECT_FALSE(op.kind == plat::DrawOp::Line && op.x1 == op.x2 && std::fabs(op.x1 - (2850 + at * u)) < 1e-3 && op.y1 == yBase && op.y2 > yBase)
                << "ordinate at " << at;
    EXPECT_FALSE(hasLine(2850, yBase + 450, 2850 + 0.6 * u, yBase));
}

TEST_F(Page5Test, TwoSidedShapeWithoutHeelAndToe) {
    choice_input::setDesignChoices(prog, {.groundShape = GroundShape::Symmetric});
    prog.heelLength = 0;
    prog.toeLength = 0;
    prog.frontWallOuterBatter = 0.1f;
    prog.backSoilAboveSlab = 2.1f;
    prog.rearWallUpperHeight = 0.3f;
    prog.eccentricity = 0.2f;  // trapezoid towards the toe: the dimensions hang from V1
    writePage();
    const double u = 1000 / 0.84, yBase = 1700 + 2.8 * u, yTop = 1700 + 2.4 * u, ySoil = 1700 + 0.3 * u;
    // End faces of the slab at the toe end and at x = B.
    EXPECT_TRUE(hasLine(2850, yTop, 2850, yBase));
    EXPECT_TRUE(hasLine(2850 + 4.0 * u, yTop, 2850 + 4.0 * u, yBase));
    // Front soil: from the front wall's face at the soil level (0.1 − 0.1·0.3/2.4 m) down to
    // 500 twips in front of the toe end on the underside.
    const double xf = 2850 + 0.0875 * u;
    EXPECT_TRUE(hasLine(xf, ySoil, xf - 150, ySoil));
    EXPECT_TRUE(hasLine(xf - 150, ySoil, 2350, yBase));
    EXPECT_TRUE(hasLine(2850, yBase, 2350, yBase));
    // Back soil down to the underside beyond the rear end.
    EXPECT_TRUE(hasLine(2850 + 4.0 * u, yBase, 2850 + 4.0 * u + 500, yBase));
    // Extension lines reach the whole-width line at both ends; no toe or heel number.
    const double yb = yBase + double(prog.reactionV1) * prog.reactionDiagramScale;
    EXPECT_TRUE(hasLine(2850, yb + 300, 2850, yb + 1000));
    EXPECT_TRUE(hasLine(2850 + 4.0 * u, yb + 300, 2850 + 4.0 * u, yb + 1000));
    EXPECT_EQ(textOp("500"), nullptr);
    EXPECT_EQ(textOp("600"), nullptr);
    for (const char* label : {"W2", "W3", "W4", "W5", "VR", "VP"}) EXPECT_EQ(textOp(label), nullptr) << label;
}

TEST_F(Page5Test, WallWithoutHeightAboveTheSlabStillDraws) {
    prog.backSoilAboveSlab = 0;
    prog.rearWallUpperHeight = 0;
    writePage();
    for (const auto& op : ops(plat::DrawOp::Line)) {
        EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) && std::isfinite(op.y2));
    }
}

// ---- Contact length, ordinates, slab loads ----

TEST_F(Page5Test, SlabLoadLinesOfTheProject) {
    writePage();
    // W1 = 1.5·18 + 0.4·24 + 5, W2 = 2.1·18 + 0.4·24 + 10, W3 = 2.2·18 + 0.3·24 + 10,
    // W4 = 0.8·18 + 0.4·24 + 3, W5 = 0.9·18 + 0.3·24 + 3 (worked out by hand).
    const auto t = textsFrom(blanks(12) + "W1=(1.500×18.0)＋(0.400×24.0)＋5.00=41.600KN/m2");
    const std::vector<std::string> expected{
        blanks(12) + "W1=(1.500×18.0)＋(0.400×24.0)＋5.00=41.600KN/m2",
        blanks(12) + "W2=(2.100×18.0)＋(0.400×24.0)＋10.00=57.400KN/m2",
        blanks(12) + "W3=(2.200×18.0)＋(0.300×24.0)＋10.00=56.800KN/m2",
        blanks(12) + "W4=(0.800×18.0)＋(0.400×24.0)＋3.00=27.000KN/m2",
        blanks(12) + "W5=(0.900×18.0)＋(0.300×24.0)＋3.00=26.400KN/m2",
        "",
    };
    ASSERT_GE(t.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + long(expected.size())), expected);
}

TEST_F(Page5Test, SlabLoadLinesByToeChoiceAndEqualEnds) {
    Form4& d = prog.form<Form4>();
    prog.slabLoadW2 = prog.slabLoadW3 = 50;
    choice_input::setDimensionChoices(
        prog, {.frontSoil = FrontSoilLoad::LeftOut, .surchargeDeduction = SurchargeDeduction::None});
    prog.slabLoadW4 = 12.6f;
    prog.slabLoadW5 = 10.2f;
    writePage();
    auto t = textsFrom(blanks(12) + "W2=(2.100×18.0)＋(0.400×24.0)＋10.00=50.000KN/m2");
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(t[1], blanks(12) + "W4=(0.400×24.0)＋3.00=12.600KN/m2");
    EXPECT_EQ(t[2], blanks(12) + "W5=(0.300×24.0)＋3.00=10.200KN/m2");
    EXPECT_EQ(t[3], "");

    d.opt4.setValue(false);  // no front-soil choice: no toe line
    writePage();
    t = textsFrom(blanks(12) + "W2=(2.100×18.0)＋(0.400×24.0)＋10.00=50.000KN/m2");
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[1], "");

    choice_input::setDesignChoices(prog, {.groundShape = GroundShape::Symmetric});
    prog.slabLoadW5 = prog.slabLoadW4;
    writePage();
    t = textsFrom(blanks(12) + "W2=(2.100×18.0)＋(0.400×24.0)＋10.00=50.000KN/m2");
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t[1], blanks(12) + "W4=(2.100×18.0)＋(0.400×24.0)＋3.00=12.600KN/m2");
    EXPECT_EQ(t[2], "");
}

TEST_F(Page5Test, CentredResultPrintsOneOrdinateFromY6900) {
    prog.eccentricity = 0;
    prog.reactionV1 = 46.784f;
    writePage();
    const auto block = contactBlock();
    ASSERT_GE(block.size(), 3u);
    EXPECT_EQ(block[0], blanks(12) + "V=46.784KN/m2");
    EXPECT_EQ(block[1], "");
    EXPECT_EQ(block[2].rfind(blanks(12) + "W1=", 0), 0u);
}

TEST_F(Page5Test, TriangleTowardsTheHeelPrintsAbsoluteEccentricityAndNoOrdinates) {
    prog.baseWidth = 3.0f;
    prog.eccentricity = -0.6f;
    prog.neutralAxisXn = 2.7f;
    writePage();
    const auto block = contactBlock();
    ASSERT_GE(block.size(), 5u);
    EXPECT_EQ(block[0], blanks(12) + "中立軸までの距離");
    EXPECT_EQ(block[1], blanks(12) + "Xn=3･{(B/2)-e}=3×{(3.000/2)-0.600}=2.700m");
    EXPECT_EQ(block[2], "");
    EXPECT_EQ(block[3], "");
    EXPECT_EQ(block[4].rfind(blanks(12) + "W1=", 0), 0u);
}

TEST_F(Page5Test, OneSixthExactlyIsATrapezoid) {
    prog.baseWidth = 3.0f;
    prog.eccentricity = 0.5f;
    prog.neutralAxisXn = 3.0f;
    setOrdinates(100, 90, 80, 60, 40, 30, 10.5f);
    writePage();
    const auto block = contactBlock();
    ASSERT_GE(block.size(), 6u);
    EXPECT_EQ(block[1], blanks(12) + "Xn=(B/2)･[1＋{B/(6e)}]=(3.000/2)×[1＋{3.000/(6×0.500)}]=3.000m");
    EXPECT_EQ(block[3], blanks(12) + "VP=100.000KN/m2  V1=90.000KN/m2  V2=80.000KN/m2  V3=60.000KN/m2  V4=40.000KN/m2");
    EXPECT_EQ(block[4], blanks(12) + "V5=30.000KN/m2  VR=10.500KN/m2");
    EXPECT_EQ(block[5], "");
}

TEST_F(Page5Test, TrapezoidOrdinateRowsByHeelAndToe) {
    prog.eccentricity = 0.2f;
    setOrdinates(1, 2, 3, 4, 5, 6, 7);
    struct Case { float heel, toe; std::vector<std::string> rows; };
    const std::string i = blanks(12);
    const Case cases[] = {
        {0.6f, 0, {i + "V1=2.000KN/m2  V2=3.000KN/m2  V3=4.000KN/m2  V4=5.000KN/m2", i + "V5=6.000KN/m2  VR=7.000KN/m2"}},
        {0, 0.5f, {i + "VP=1.000KN/m2  V1=2.000KN/m2  V2=3.000KN/m2  V3=4.000KN/m2", i + "V4=5.000KN/m2  V5=6.000KN/m2"}},
        {0, 0, {i + "V1=2.000KN/m2  V2=3.000KN/m2  V3=4.000KN/m2  V4=5.000KN/m2  V5=6.000KN/m2"}},
    };
    for (const Case& c : cases) {
        prog.heelLength = c.heel;
        prog.toeLength = c.toe;
        writePage();
        expectOrdinateRows(contactBlock(), c.rows);
    }
}

TEST_F(Page5Test, TriangleOrdinateRowsAreThoseTheSlabModelWrote) {
    // B 4.0, toe 0.5, front wall 0.45, span 2.0, rear wall 0.45, heel 0.6: the slab points
    // V1..V5 stand at x 0.5, 0.95, 1.95, 2.95 and 3.4 from the toe end; Xn = 3·(B/2 − e).
    // The page lists the points inside the contact as the model found them, the same ones
    // the section forces are computed from.
    prog.sigmaMax = 100;
    const std::string i = blanks(12);
    struct Case { float e; std::vector<std::string> rows; };
    const Case cases[] = {
        // Xn 3.0: V1 = 100·2.5/3, V2 = 100·2.05/3, V3 = 100·1.05/3, V4 = 100·0.05/3.
        {1.0f, {i + "V1=83.333KN/m2  V2=68.333KN/m2  V3=35.000KN/m2  V4=1.667KN/m2  VP=100.000KN/m2"}},
        // Xn 3.6: the contact passes the heel root.
        {0.8f, {i + "V1=86.111KN/m2  V2=73.611KN/m2  V3=45.833KN/m2  V4=18.056KN/m2", i + "V5=5.556KN/m2"}},
        // Xn 2.4: V1 = 100·1.9/2.4, V2 = 100·1.45/2.4, V3 = 100·0.45/2.4.
        {1.2f, {i + "V1=79.167KN/m2  V2=60.417KN/m2  V3=18.750KN/m2  VP=100.000KN/m2"}},
        // Xn 1.5: V1 = 100·1.0/1.5, V2 = 100·0.55/1.5.
        {1.5f, {i + "V1=66.667KN/m2  V2=36.667KN/m2  VP=100.000KN/m2"}},
        // Xn 0.6: the contact ends before the front wall's inner face.
        {1.8f, {}},
    };
    for (const Case& c : cases) {
        prog.eccentricity = c.e;
        prog.form<Form7>().TEKKIN();
        writePage();
        const auto block = contactBlock();
        SCOPED_TRACE(c.e);
        expectOrdinateRows(block, c.rows);
        ASSERT_GE(block.size(), 2u);
        EXPECT_EQ(block[1].rfind(i + "Xn=3･{(B/2)-e}=3×{(4.000/2)-", 0), 0u);
    }
}

TEST_F(Page5Test, ZeroBaseWidthWithEccentricityIsACalculationFault) {
    prog.baseWidth = 0;
    prog.eccentricity = 0.1f;
    surface.setFont("ＭＳ 明朝", 11);
    prog.outputSurface = &surface;
    EXPECT_THROW(report::runProc(prog, report::Proc::HAIKIN), num::CalcFault);
}

// ---- Earth-pressure coefficient ----

TEST_F(Page5Test, TypedCoefficientPrintsOneLineAfterTheAngles) {
    Form7& s = prog.form<Form7>();
    s.opt2.setValue(false);
    s.opt1.setValue(true);
    prog.groundSlope = 0;
    prog.rearFaceTheta = 1.19f;
    for (const auto& [ka, text] : {std::pair{0.3f, "0.30"}, std::pair{0.3333f, "0.333"}}) {
        prog.activeCoefficientSection = ka;
        writePage();
        const auto t = textsFrom(blanks(12) + "地表面と水平面とのなす角度    ：β=0.00ﾟ");
        EXPECT_EQ(t, (std::vector<std::string>{blanks(12) + "地表面と水平面とのなす角度    ：β=0.00ﾟ",
                                               blanks(12) + "後壁背面と鉛直面とのなす角度  ：θ=1.19ﾟ",
                                               blanks(12) + "主働土圧係数 KA=" + text}));
    }
}

TEST_F(Page5Test, ComputedCoefficientWithAllAnglesZeroIsTheTanSquaredForm) {
    prog.groundSlope = 0;
    prog.rearFaceTheta = 0;
    prog.deltaSection = 0;
    prog.backfillPhi = 30;
    prog.activeCoefficientSection = 0.3333f;
    writePage();
    const auto t = textsFrom(blanks(12) + "地表面と水平面とのなす角度    ：β=0.00ﾟ");
    EXPECT_EQ(t, (std::vector<std::string>{
                     blanks(12) + "地表面と水平面とのなす角度    ：β=0.00ﾟ",
                     blanks(12) + "後壁背面と鉛直面とのなす角度  ：θ=0.00ﾟ", blanks(14) + "主働土圧係数",
                     blanks(15) + "KA=tan^2(45ﾟ-φ/2)", blanks(17) + "=tan^2(45ﾟ-30.00ﾟ/2)",
                     blanks(17) + "=tan^2(30.00ﾟ)", blanks(17) + "=0.333"}));
}

TEST_F(Page5Test, CoulombFractionWithItsDisplayFactors) {
    prog.backfillPhi = 30;
    prog.rearFaceTheta = 10;
    prog.deltaSection = 15;
    prog.groundSlope = 5;
    prog.activeCoefficientSection = 0.456f;
    writePage();
    // cos²20ﾟ 0.8830, sin45ﾟ 0.7071, sin25ﾟ 0.4226, cos²10ﾟ 0.9698, cos25ﾟ 0.9063, cos5ﾟ 0.9962.
    expectTextsAt({
        {3500, 12600, "0.8830"},        {4350, 13050, "0.7071×0.4226"},  {1700, 13250, "0.9698×0.9063×"},
        {4350, 13450, "0.9063×0.9962"}, {1500, 13750, "=0.456"},
        {5100, 11450, "cos^2(30.00ﾟ－10.00ﾟ)"},
        {6400, 11900, "sin(30.00ﾟ＋15.00ﾟ)×sin(30.00ﾟ－5.00ﾟ)"},
    });
    // The radical of the numeric form: base (3975, 13450), top 13000, bar end 6000.
    EXPECT_TRUE(hasLine(3975, 13525, 4000, 13450));
    EXPECT_TRUE(hasLine(4050, 13650, 4200, 13000));
    EXPECT_TRUE(hasLine(4200, 13000, 6000, 13000));
    EXPECT_TRUE(hasLine(6050, 13000, 6150, 13100));
}

TEST_F(Page5Test, CoulombWithoutRootTermWhenFrictionBelowSlope) {
    prog.backfillPhi = 20;
    prog.rearFaceTheta = 10;
    prog.deltaSection = 15;
    prog.groundSlope = 25;
    prog.activeCoefficientSection = 0.9f;
    writePage();
    // cos²10ﾟ 0.9698; sin5ﾟ 0.0872 × cos25ﾟ 0.9063.
    expectTextsAt(
        {{2150, 12600, "0.9698"}, {1500, 12800, "=────────"}, {1700, 13000, "0.9698×0.9063"}, {1500, 13300, "=0.900"}});
    EXPECT_EQ(textOp("=─────────────────────"), nullptr);
}

TEST_F(Page5Test, SeismicCoefficientAtTheLimitKeepsTheRootTermAndEndsIn11Points) {
    writeSeismicCoefficient(SeismicMethod::K1, 0, 20, 0.5f);  // β 20ﾟ: β + θk = φ
    const plat::DrawOp* kh = textOp("水平震度Kh=0.20    鉛直震度Kv=0.00");
    ASSERT_NE(kh, nullptr);
    EXPECT_EQ(kh->fontSize, 11);
    EXPECT_EQ(kh->y1, 10100);
    ASSERT_NE(textOp("地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.20/(1－0.00)}=10.00ﾟ"), nullptr);
    // cos²(30 − 0 − 10) 0.8830; sin 0 and sin 45ﾟ 0.7071.
    const plat::DrawOp* num = textOp("1.00×0.8830");
    ASSERT_NE(num, nullptr);
    EXPECT_EQ(num->x1, 3030);
    EXPECT_EQ(num->fontSize, 9);
    const plat::DrawOp* root = textOp("0.0000×0.7071");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->x1, 4230);
    EXPECT_EQ(root->y1, 13850);
    ASSERT_NE(textOp("=0.500"), nullptr);
    // Two empty lines close the block; the surface is back at 11 points.
    const auto all = texts();
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[all.size() - 1], "");
    EXPECT_EQ(all[all.size() - 2], "");
    EXPECT_EQ(surface.fontSize(), 11);
    // No Coulomb form in K1.
    EXPECT_EQ(textOp("KA=──────────────────────────"), nullptr);
}

TEST_F(Page5Test, SeismicCoefficientBeyondTheLimitDropsTheRootTerm) {
    writeSeismicCoefficient(SeismicMethod::D1, 0.1f, 25, 0.62f);  // β 25ﾟ: β + θk > φ
    // 1 − Kv 0.90; cos²20ﾟ 0.8830; cos10ﾟ 0.9848, cos²0ﾟ 1.0000, cos25ﾟ 0.9063.
    const std::vector<std::tuple<double, double, std::string>> expected{
        {1680, 13450, "0.90×0.8830"}, {1030, 13620, "="}, {1230, 13800, "0.9848×1.0000×0.9063"}, {1030, 14100, "=0.620"}};
    for (const auto& [x, y, text] : expected) {
        bool found = false;
        for (const auto& op : ops(plat::DrawOp::Text))
            if (op.text == text && op.x1 == x && op.y1 == y) found = op.fontSize == 9;
        EXPECT_TRUE(found) << text;
    }
    EXPECT_TRUE(hasLine(1180, 13700, 3380, 13700));
    EXPECT_FALSE(hasLine(4130, 14130, 5530, 14130));
    for (const auto& op : ops(plat::DrawOp::Text)) EXPECT_FALSE(op.text == "1＋" && op.y1 == 14050);
    EXPECT_EQ(surface.fontSize(), 11);
}

TEST_F(Page5Test, ComputedModeWithoutAnyMethodPrintsOnlyTheAngles) {
    chooseSeismic();
    Form25& m = prog.form<Form25>();
    m.opt_K1.setValue(false);
    m.opt_K2.setValue(false);
    m.opt_D1.setValue(false);
    writePage();
    const auto t = texts();
    ASSERT_GE(t.size(), 1u);
    EXPECT_EQ(t.back().rfind(blanks(12) + "後壁背面と鉛直面とのなす角度  ：θ=", 0), 0u);
}

// ---- Wiring ----

TEST_F(Page5Test, ReportFrameRunsThePageAndANullSurfaceDrawsNothing) {
    surface.setFont("ＭＳ 明朝", 11);
    prog.outputSurface = &surface;
    report::runProc(prog, report::Proc::HAIKIN);
    ASSERT_GE(texts().size(), 6u);
    EXPECT_EQ(texts()[5], blanks(12) + "3－３ 断面の検討（常時）");

    prog.outputSurface = nullptr;
    prog.form<Form7>().txt1.setText("175");
    EXPECT_NO_THROW(report::runProc(prog, report::Proc::HAIKIN));
    EXPECT_EQ(prog.designSpacing[1], 100.0f);
}

}  // namespace
