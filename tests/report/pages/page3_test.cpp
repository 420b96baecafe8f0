// Report page 3: the earth pressure on the wall (Form4.Doatu, with Form4.jDERUTA) and
// the load table below it (Form4.Doatu2).
#include <string>
#include <vector>

#include "common/numbers.h"
#include "report/pages/stability_pages_fixture.h"

namespace {

class Page3Test : public StabilityPagesFixture {};

// PA 18.7313, PAX 17.6016, PAY 6.4065, △PA 8.3250, △PAX 7.8229, △PAY 2.8473 for
// KA 0.333, γ 18, H 2.5, δ 20ﾟ, q 10 (worked out by hand).
TEST_F(Page3Test, NormalCaseWithTypedCoefficientAndItsLoadTable) {
    enterWall(false, false, false);
    choice_input::setDesignChoices(prog, {.kaMode = KaMode::Typed});
    report::runProc(prog, report::Proc::Doatu);
    const std::vector<std::string> expected = {
        "", "", "", "", "",
        "　          ３）擁壁に及ぼす土圧",
        "",
        blanks(16) + "主働土圧係数 KA=0.333",
        "",
        blanks(1) + "　　　　　　　 前面及び背面土による土圧",
        blanks(16) + "PA=1/2･KA･γ･H^2=1/2×0.333×18.0×2.500^2=18.7313kN/m",
        blanks(16) + "PAX=PA･cosδ=PA･cos20.00ﾟ=18.7313×0.9397=17.6016kN/m",
        blanks(16) + "PAY=PA･sinδ=PA･sin20.00ﾟ=18.7313×0.3420=6.4065kN/m",
        "",
        blanks(1) + "　　　　　　　 背面上載荷重による土圧",
        blanks(16) + "△PA=KA･q･H=0.333×10.0×2.500=8.3250kN/m",
        blanks(16) + "△PAX=△PA･cosδ=△PA･cos20.00ﾟ=8.3250×0.9397=7.8229kN/m",
        blanks(16) + "△PAY=△PA･sinδ=△PA･sin20.00ﾟ=8.3250×0.3420=2.8473kN/m",
        "",
        blanks(15) + "作用点の位置",
        blanks(18) + "PAX：y=H/3=2.500/3=0.833m      PAY：x=4.000m",
        blanks(16) + "△PAX：y=H/2=2.500/2=1.250m    △PAY：x=4.000m"};
    EXPECT_EQ(texts(), expected);
    EXPECT_EQ(prog.earthPressurePageOffset, 0);

    // The typed coefficient lifts the table by 3500 twips.
    report::runProc(prog, report::Proc::Doatu2);
    EXPECT_EQ(textOp(blanks(12) + "４）荷重の集計").y1, 9000 - 3500);
    struct Cell {
        std::string text;
        double x, y;
    };
    const std::vector<Cell> cells = {
        {"158.6999", 3300, 6900},  // ΣW
        {"2.213", 6200, 6900},     // ΣWx/ΣW
        {"351.1239", 8500, 6900},  // x·ΣW
        {"6.4065", 3500, 7300},    // PAY
        {"17.6016", 4700, 7300},   // PAX
        {"0.833", 7500, 7300},     // H/3
        {"25.6258", 8600, 7300},   // B·PAY
        {"14.6680", 9900, 7300},   // H·PAX/3
    };
    for (size_t i = 0; i < cells.size(); ++i) {
        const plat::DrawOp op = textOp(cells[i].text);
        EXPECT_EQ(op.x1, cells[i].x) << cells[i].text;
        EXPECT_EQ(op.y1, cells[i].y) << cells[i].text;
    }
    // Back surcharge: WQ1 6.4375 at xq1 3.678, V·x 23.6779; the inertia cells are dashes.
    EXPECT_EQ(textOp("6.4375").y1, 11600 - 3500);
    EXPECT_EQ(textOp("23.6779").x1, 8600);
    EXPECT_TRUE(hasLine(4800, 11600 - 3500 + 100, 5300, 11600 - 3500 + 100));
    // Totals: ΣV 187.1373, H 25.4246, V·x 433.9895, Mo 24.4467; x and y dashed.
    EXPECT_EQ(textOp("187.1373").y1, 12800 - 3500);
    EXPECT_EQ(textOp("25.4246").x1, 4700);
    EXPECT_EQ(textOp("433.9895").x1, 8500);
    EXPECT_EQ(textOp("24.4467").x1, 9900);
    EXPECT_TRUE(hasLine(6100, 9400, 6600, 9400));
    EXPECT_TRUE(hasLine(7400, 9400, 7900, 9400));
    // Frame: 8 rules, the bottom edge at 13100.
    EXPECT_TRUE(hasLine(1600, 13100 - 3500, 10900, 13100 - 3500));
    EXPECT_TRUE(hasLine(7000, 9900 - 3500, 7000, 13100 - 3500));
    EXPECT_EQ(prog.pageLoopCounter, 8);
    EXPECT_EQ(texts().back(), "");
}

// θk = atan(0.2) = 11.31ﾟ, sinΔ = sin 11.31ﾟ / sin 30ﾟ = 0.1961 / 0.5000 = 0.3922.
TEST_F(Page3Test, SeismicCoefficientWithComputedDeltaPrintsTheDerivationAboveTheFormula) {
    choice_input::setDesignChoices(
        prog, {Standard::Building, LoadCase::Seismic, GroundShape::None, SeismicMethod::K1, KaMode::Computed});
    prog.deltaComputed = 1;
    prog.seismicKh = 0.2f;
    prog.seismicKv = 0;
    prog.seismicTheta = 11.30994f;
    prog.backfillPhi = 30;
    prog.deltaAuxSin = 0.3922326f;
    prog.deltaAux = 23.09f;
    prog.deltaStabilityTan = 0.4f;
    prog.deltaStability = 21.8f;
    prog.activeCoefficient = 0.4567f;
    prog.earthPressureHeight = 2.5f;
    report::runProc(prog, report::Proc::Doatu);
    EXPECT_EQ(prog.earthPressurePageOffset, 2000);
    EXPECT_EQ(textOp("設計水平震度Kh=0.20" + blanks(4) + "設計鉛直震度Kv=0.00").y1, 1400);
    EXPECT_EQ(textOp("地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.20/(1－0.00)}=11.31ﾟ").y1, 1700);
    EXPECT_EQ(textOp("土(仮想背面)と土との摩擦角").y1, 2100);
    const plat::DrawOp sinD = textOp("=0.3922　∴Δ=23.09ﾟ");
    EXPECT_EQ(sinD.x1, 7150);
    EXPECT_EQ(sinD.fontSize, 10);
    EXPECT_EQ(textOp("0.1961").y1, 2400);
    EXPECT_EQ(textOp("0.5000").y1, 2650);
    EXPECT_TRUE(hasText("=0.4000　∴δ=21.80ﾟ"));
    const plat::DrawOp label = textOp("地震時主働土圧係数");
    EXPECT_EQ(label.y1, 4100);
    EXPECT_EQ(textOp("ＫAE=").fontSize, 9);
    EXPECT_EQ(textOp("ＫAE=").y1, 2000 + 2520);
    EXPECT_EQ(textOp("=0.457").y1, 2000 + 5750);
    EXPECT_TRUE(hasLine(1380, 6900, 6230, 6900));
    EXPECT_EQ(surface.fontSize(), 11);
    EXPECT_EQ(textOp(blanks(16) + "PA=1/2･KA･γ･H^2=1/2×0.457×0.0×2.500^2=0.0000kN/m").fontSize, 11);
}

// K2 with δ derived and KA typed: the typed KA line starts at the left margin at
// y 2600 + 1600, below the derivation, like the lines without a position.
TEST_F(Page3Test, TypedCoefficientAfterTheDerivationStartsAtTheLeftMargin) {
    enterWall(true, false, false);
    choice_input::setDesignChoices(prog, {.kaMode = KaMode::Typed});
    prog.deltaComputed = 1;
    prog.seismicKv = 0;
    prog.seismicTheta = 14.03624f;  // atan 0.25
    prog.backfillPhi = 30;
    report::runProc(prog, report::Proc::Doatu);
    ASSERT_EQ(prog.earthPressurePageOffset, 2600);
    ASSERT_TRUE(hasText("1－sin30.00ﾟ×cos(14.04ﾟ＋0.00ﾟ－0.00ﾟ)"));  // the derivation ran
    const plat::DrawOp ka = textOp(blanks(16) + "主働土圧係数 KA=0.333");
    EXPECT_EQ(ka.x1, 0);
    EXPECT_EQ(ka.y1, 4200);
}

// The deduction of 5 kN/m2 from a back surcharge: below 5 the term is taken as 0 and
// printed so, so that 0.333 × 0 × 2.500 gives the 0.0000 printed.
TEST_F(Page3Test, DeductedSurchargeShowsTheZeroItIsTaken) {
    struct {
        const char* q;
        const char* line;
    } const cases[] = {
        {"4", "△PA=KA･q･H=0.333×(4.0-5.0→0)×2.500=0.0000kN/m"},
        {"5", "△PA=KA･q･H=0.333×(5.0-5.0)×2.500=0.0000kN/m"},
        // 0.333 × 2 × 2.5 = 1.665
        {"7", "△PA=KA･q･H=0.333×(7.0-5.0)×2.500=1.6650kN/m"},
    };
    for (const auto& c : cases) {
        enterWall(false, false, false);
        choice_input::setDimensionChoices(prog, {.surchargeDeduction = SurchargeDeduction::Deduct5});
        dims().txt21.setText(c.q);
        dims().DANMEM_1();
        surface.clear();
        report::runProc(prog, report::Proc::Doatu);
        EXPECT_TRUE(hasText(blanks(16) + c.line)) << c.q;
    }
}

TEST_F(Page3Test, LimitCaseTakesDeltaEqualToPhi) {
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Seismic, .seismicMethod = SeismicMethod::K2});
    prog.deltaComputed = 1;
    prog.seismicTheta = 30;
    prog.backfillPhi = 30;
    report::runProc(prog, report::Proc::Doatu);
    EXPECT_EQ(prog.earthPressurePageOffset, 2000);  // no coefficient mode chosen
    EXPECT_EQ(textOp("β＋θk=0.00ﾟ＋30.00=30.00ﾟ ≧ φ=30.00ﾟ").y1, 2400);
    EXPECT_EQ(textOp("∴δ=30.00ﾟ").x1, 2125);
}

// The table's place follows the form of the coefficient's derivation above it.
TEST_F(Page3Test, LoadTableOffsetByCoefficientMode) {
    struct Case {
        bool typed, seismic, k2;
        float delta;
        double titleY;
    };
    const std::vector<Case> cases = {
        {true, false, false, 20, 9000 - 3500},  {true, true, true, 20, 9200 - 3100},
        {false, false, false, 0, 9000 - 2900},  {false, false, false, 20, 9000},
        {false, true, true, 20, 9200 - 600},    {false, true, false, 20, 9200},
    };
    for (const Case& c : cases) {
        surface.clear();
        choice_input::setDesignChoices(prog, {.loadCase = c.seismic ? LoadCase::Seismic : LoadCase::Normal,
                                              .groundShape = GroundShape::OneSided,
                                              .seismicMethod = c.k2 ? SeismicMethod::K2 : SeismicMethod::K1,
                                              .kaMode = c.typed ? KaMode::Typed : KaMode::Computed});
        prog.deltaStability = c.delta;
        prog.sumW = 1;
        prog.earthPressurePageOffset = 0;
        report::runProc(prog, report::Proc::Doatu2);
        EXPECT_EQ(textOp(surface.texts().front()).y1, c.titleY) << surface.texts().front();
    }
}

TEST_F(Page3Test, SymmetricTableDashesTheHorizontalForcesAndAddsTheNote) {
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Normal, .groundShape = GroundShape::Symmetric});
    prog.sumW = 100;
    prog.sumWx = 200;
    prog.sumV = 100;
    prog.earthPressurePageOffset = 0;
    report::runProc(prog, report::Proc::Doatu2);
    EXPECT_FALSE(hasText("土圧(PA)"));
    EXPECT_TRUE(hasLine(10000, 12900, 10500, 12900));  // H·y total
    EXPECT_TRUE(hasLine(4800, 12900, 5300, 12900));    // H total
    const plat::DrawOp note = textOp(blanks(15) + "両面対称土圧の為、土圧によるモーメントΣＨy＝０");
    EXPECT_EQ(note.x1, 0);
    EXPECT_EQ(note.y1, 12900 + 3 * 220);
}

// The table of a wall placed lowest on the page (Y 2000: the seismic coefficient derived
// with δ): three lines below the table would reach the page number's line at 15600, so
// the note stands a line and a half above it, below the table's bottom edge at 15100.
TEST_F(Page3Test, SymmetricNoteLowOnThePageStaysClearOfThePageNumber) {
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Seismic,
                                          .groundShape = GroundShape::Symmetric,
                                          .seismicMethod = SeismicMethod::K1,
                                          .kaMode = KaMode::Computed});
    prog.sumW = 100;
    prog.sumWx = 200;
    prog.sumV = 100;
    prog.earthPressurePageOffset = 2000;
    report::runProc(prog, report::Proc::Doatu2);
    EXPECT_TRUE(hasLine(1600, 2000 + 13100, 10900, 2000 + 13100));
    const plat::DrawOp note = textOp(blanks(15) + "両面対称土圧の為、土圧によるモーメントΣＨy＝０");
    EXPECT_EQ(note.x1, 0);
    EXPECT_EQ(note.y1, 15600 - 330);
}

// In the two-sided shape ΣV counts the vertical earth-pressure components (here PAY 5.7
// and △PAY 2.5 on a base of 2.9 m): they have their rows, and the V·x total counts their
// moments, 200 + 2.9 × 5.7 + 2.9 × 2.5 = 223.78, as the resisting moment does.
TEST_F(Page3Test, SymmetricTableShowsTheCountedVerticalEarthPressures) {
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Normal, .groundShape = GroundShape::Symmetric});
    choice_input::setDimensionChoices(prog, {.verticalComponent = VerticalEarthPressureComponent::Counted});
    prog.sumW = 100;
    prog.sumWx = 200;
    prog.sumV = 108.2f;
    prog.baseWidth = 2.9f;
    prog.earthPressurePAY = 5.7f;
    prog.surchargePressureDeltaPAY = 2.5f;
    prog.earthPressurePageOffset = 0;
    report::runProc(prog, report::Proc::Doatu2);
    struct Cell {
        std::string text;
        double x, y;
    };
    const std::vector<Cell> cells = {
        {"土圧(PA)", 1900, 10800}, {"5.7000", 3500, 10800}, {"16.5300", 8600, 10800},
        {"土圧(△PA)", 1800, 11200}, {"2.5000", 3500, 11200}, {"7.2500", 8700, 11200},
        {"2.900", 6200, 10800}, {"108.2000", 3300, 12800}, {"223.7800", 8500, 12800},
    };
    for (const Cell& c : cells) {
        const plat::DrawOp op = textOp(c.text);
        EXPECT_EQ(op.x1, c.x) << c.text;
        EXPECT_EQ(op.y1, c.y) << c.text;
    }
    // The horizontal forces cancel: H, y and H·y are dashes.
    EXPECT_TRUE(hasLine(4800, 10900, 5300, 10900));
    EXPECT_TRUE(hasLine(7400, 11300, 7900, 11300));
    EXPECT_TRUE(hasLine(10000, 10900, 10500, 10900));

    // Left out of ΣV, they stay out of the table.
    surface.clear();
    choice_input::setDimensionChoices(prog, {.verticalComponent = VerticalEarthPressureComponent::LeftOut});
    report::runProc(prog, report::Proc::Doatu2);
    EXPECT_FALSE(hasText("土圧(PA)"));
    EXPECT_TRUE(hasText("200.0000"));
}

// The front soil left out of the calculation (its area 0) while its surcharge counts:
// WQ3 = (w8 + toe)·q3 = (0.8 × 0.05 / 1.3 + 0.5) × 3 = 1.5923 at x = 0.2654, moment 0.4226.
TEST_F(Page3Test, FrontSurchargeRowStandsWhereItsSoilIsLeftOut) {
    enterWall(false, false, false);
    choice_input::setDimensionChoices(prog, {.frontSoil = FrontSoilLoad::LeftOut});
    dims().DANMEM_1();
    ASSERT_EQ(prog.partArea[8], 0);
    choice_input::setDesignChoices(prog, {.kaMode = KaMode::Typed});
    report::runProc(prog, report::Proc::Doatu);
    report::runProc(prog, report::Proc::Doatu2);
    const double row = 12400 - 3500;
    EXPECT_EQ(textOp("1.5923").x1, 3500);
    EXPECT_EQ(textOp("1.5923").y1, row);
    EXPECT_EQ(textOp("0.265").x1, 6200);
    EXPECT_EQ(textOp("0.265").y1, row);
    EXPECT_EQ(textOp("0.4226").x1, 8700);
    EXPECT_EQ(textOp("0.4226").y1, row);
    EXPECT_TRUE(hasLine(4800, row + 100, 5300, row + 100));
}

// φ 30ﾟ, δ 20ﾟ, θ 0: cos²30ﾟ 0.7500, sin 50ﾟ 0.7660, cos 20ﾟ 0.9397, cos 30ﾟ 0.8660.
// At φ = β the root stays with sin 0ﾟ = 0.0000; above it the root-free form prints.
TEST_F(Page3Test, CoulombNumbersKeepTheRootUpToPhiEqualToBeta) {
    struct Case {
        float beta;
        std::string text;
        double x, y;
    };
    const std::vector<Case> cases = {
        {30, "0.7660×0.0000", 4350, 4450},
        {30, "0.9397×0.8660", 4350, 4850},
        {30, "=0.750", 1500, 5050},
        {31, "0.7500", 2150, 4000},
        {31, "1.0000×0.9397", 1700, 4400},
        {31, "=0.750", 1500, 4700},
    };
    for (const Case& c : cases) {
        surface.clear();
        choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Normal, .kaMode = KaMode::Computed});
        prog.backfillPhi = 30;
        prog.deltaStability = 20;
        prog.groundSlope = c.beta;
        prog.activeCoefficient = 0.75f;
        prog.deltaComputed.reset();
        report::runProc(prog, report::Proc::Doatu);
        const plat::DrawOp op = textOp(c.text);
        EXPECT_EQ(op.x1, c.x) << c.text;
        EXPECT_EQ(op.y1, c.y) << c.text;
        EXPECT_EQ(hasText("────────"), c.beta == 30) << c.beta;
    }
}

// A zero total weight stops the table at its first division: the weight itself is drawn.
TEST_F(Page3Test, ZeroWeightEndsTheTableAfterTheWeightCell) {
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Normal, .groundShape = GroundShape::OneSided});
    prog.sumW = 0;
    prog.earthPressurePageOffset = 0;
    EXPECT_THROW(report::runProc(prog, report::Proc::Doatu2), num::CalcFault);
    EXPECT_EQ(textOp("0.0000").x1, 3500);
    EXPECT_EQ(textOp("0.0000").y1, 10400);
    EXPECT_EQ(texts().back(), "0.0000");
}

}  // namespace
