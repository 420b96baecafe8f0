// The shear-key part of report page 4: the checks of both design standards and the key
// sketch, for walls computed by the stability calculation and for stored edge values.
#include <algorithm>
#include <string>
#include <vector>

#include "report/pages/stability_pages_fixture.h"

namespace {

class ShearKeyPageTest : public StabilityPagesFixture {
protected:
    // The lines from the sliding heading on.
    std::vector<std::string> fromSliding() const {
        const std::vector<std::string> all = texts();
        auto it = std::find(all.begin(), all.end(), blanks(12) + "３）滑り出しに対する検討");
        return std::vector<std::string>(it, all.end());
    }
};

// Wedge L 0.5196, σ1 40.0418, σ2 43.4779, σ0 41.7599, P 125.2791, W1 165.4383,
// F with key 6.3050, F without 5.2535 (worked out by hand for this wall, C = 10).
TEST_F(ShearKeyPageTest, BuildingStandardPrintsTheWedgeMethodAndItsSketch) {
    enterWall(false, false, true, 10);
    report::runProc(prog, report::Proc::KENTOU);
    const std::vector<std::string> expected = {
        blanks(12) + "３）滑り出しに対する検討",
        "",
        blanks(16) + "水 平 力 の 総 和 ΣH=25.425kN/m",
        blanks(16) + "滑動に対する抵抗力 RH=C･B＋ΣV･μ=10.0×4.000＋187.137×0.5=133.569kN/m",
        blanks(16) + "滑 動 安 全 率      F=RH/ΣH=133.569/25.425=5.254 > 1.0  ――-> 突起を設ける",
        "",
        blanks(14) + "・突起の計算",
        blanks(17) + "H0=0.300m",
        blanks(18) + "L=H0･tan(45ﾟ＋φB/2)=0.300×tan{45ﾟ＋(30.00ﾟ/2)}=0.300×1.732=0.520m",
        blanks(16) + "σmin=33.559kN/m2",
        blanks(16) + "σ1=40.042kN/m2   σ2=43.478kN/m2",
        blanks(16) + "σ0=(σ1＋σ2)/2=(40.042＋43.478)/2=41.760kN/m2",
        blanks(18) + "P=σ0･tan^2(45ﾟ＋φB/2)",
        blanks(19) + "=41.760×tan^2{45ﾟ＋(30.00ﾟ/2)}=41.760×3.000=125.279kN/m2",
        blanks(17) + "W1={(σmin＋σ1)/2}･L1＋{(σ2＋σmax)/2}･L2",
        blanks(19) + "={(33.559＋40.042)/2}×0.980＋{(43.478＋60.010)/2}×2.500=165.438kN/m",
        blanks(16) + "滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H",
        blanks(28) + "=(10.0×4.000＋165.438×0.500＋125.279×0.300)/25.425",
        blanks(28) + "=6.305 > 1.5  ∴ O.K",
        "45ﾟ＋φB/2", "H0", "Ｂ", "L1", "L", "L2", "σmax", "σmin", "σ1", "σ2"};
    EXPECT_EQ(fromSliding(), expected);
    EXPECT_EQ(svc.beeps, 0);
    // Trapezoid with the σmax edge at the heel: σmax below the heel ordinate's end (4700),
    // clear of σ2 beside the key.
    EXPECT_EQ(textOp("σmax").x1, 11000 - 30 - 450);
    EXPECT_EQ(textOp("σmax").y1, 4700 + 30);
    EXPECT_EQ(textOp("σ2").y1, 4330);
    EXPECT_EQ(textOp("σ1").fontSize, 9);
    EXPECT_TRUE(hasLine(10250, 4050, 9900, 3800));
    EXPECT_TRUE(hasLine(9900, 4200, 9900, 4520));
    EXPECT_TRUE(hasLine(9500, 4450, 11000, 4700));
    EXPECT_EQ(surface.fontSize(), 11);
}

// Seismic K2, C = 5: e 0.0750, σmax 52.0452, σmin 41.5234, σ2 46.7843, Hk 118.0437,
// ΣH 69.4974, F 1.6985 (worked out by hand).
TEST_F(ShearKeyPageTest, RoadStandardPrintsTheShearResistanceAndItsSketch) {
    enterWall(true, true, true, 5);
    report::runProc(prog, report::Proc::KENTOU);
    const std::vector<std::string> expected = {
        blanks(12) + "３）滑り出しに対する検討",
        "",
        blanks(16) + "水平力の総和 ΣH=69.497kN/m",
        "",
        blanks(14) + "・突起の計算",
        blanks(16) + "せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB+c･L1",
        blanks(31) + "={(52.045＋46.784)/2}×2.000×0.577",
        blanks(32) + "＋{(41.523＋46.784)/2}×2.000×0.577",
        blanks(32) + "＋5.0×2.000=118.044kN/m",
        "",
        blanks(18) + "滑動安全率  F=Hk/∑H=118.044/69.497=1.699 > 1.0  ∴ O.K",
        "H0", "Ｂ", "L1", "L2", "ｑ1", "ｑ2", "ｑ3"};
    EXPECT_EQ(fromSliding(), expected);
    EXPECT_EQ(texts().at(5), blanks(12) + "3－２ 安定性の検討（地震時）");
    EXPECT_EQ(textOp("ｑ1").x1, 9200);
    EXPECT_EQ(textOp("ｑ2").y1, 4550);
    // Centred between the toe (9500) and the key (10250).
    EXPECT_EQ(textOp("L1").x1, 9875 - 90);
    EXPECT_FALSE(hasLine(10250, 4050, 9900, 3800));
    EXPECT_TRUE(hasLine(9500, 4700, 11000, 4450));
}

// Stored key results: a heel-side triangle (|e|/B = 0.3), B 3.0, key at 2.5 m.
class ShearKeyStoredTest : public ShearKeyPageTest {
protected:
    // Choices first: their handlers clear the stability results.
    void store(bool building, bool road) {
        const Standard standard = building ? Standard::Building : road ? Standard::Road : Standard::None;
        choice_input::setDesignChoices(prog, {standard, LoadCase::Normal, GroundShape::OneSided});
        choice_input::setDimensionChoices(prog, {.shearKey = ShearKey::Present});
        prog.baseWidth = 3.0f;
        prog.eccentricity = -0.9f;
        prog.neutralAxisXn = 1.8f;
        prog.sigmaMax = 170;
        prog.sigmaMin = 0;
        prog.sumV = 150;
        prog.sumH = 50;
        prog.keyHeight = 0.3f;
        prog.keyPosition = 2.5f;
        prog.keyWedgeLength = 0.5f;
        prog.keySigma1 = 70;
        prog.keySigma2 = 120;
        prog.keySigma0 = 95;
        prog.keyPassivePressure = 285;
        prog.keyNormalLoadW1 = 100;
        prog.effectiveArea = 1.2f;
        prog.foundationPhi = 30;
        prog.baseFriction = 0.5f;
        prog.foundationCohesion = 4;
        prog.slidingSafetyFactor = 0.9f;
        prog.allowBearing = 200;
    }
};

TEST_F(ShearKeyStoredTest, BuildingTriangleWithDeductionFailsInMagenta) {
    prog.form<Form14>().opt4.setValue(true);
    store(true, false);
    prog.slidingSafetyFactorWithKey = 1.4999f;
    report::runProc(prog, report::Proc::KENTOU);
    // The key-less check fails, the key check follows all the same.
    EXPECT_EQ(textOp(blanks(16) + "滑 動 安 全 率      F=RH/ΣH=0.000/50.000=0.900 < 1.0").colour, plat::kColour13);
    EXPECT_FALSE(hasText(blanks(16) + "σmin=0.000kN/m2"));
    // Front loaded length from B − X = 1.2 to the wedge at 2.0.
    EXPECT_TRUE(hasText(blanks(17) + "W1=(σ1)/2･L1＋{(σ2＋σmax)/2}･L2"));
    EXPECT_TRUE(hasText(blanks(19) + "=(70.000/2)×0.800＋{(120.000＋170.000)/2}×0.500=100.000kN/m"));
    const std::vector<std::string> block = {
        blanks(16) + "滑動安全率 F=(C･A'＋W1･μ＋P･H0)/∑H",
        blanks(28) + "=(4.0×1.200＋100.000×0.5＋285.000×0.300)/50.000", blanks(28) + "=1.500 < 1.5"};
    for (const auto& l : block) EXPECT_EQ(textOp(l).colour, plat::kColour13) << l;
    EXPECT_FALSE(hasText(blanks(16) + "滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H"));
    EXPECT_EQ(svc.beeps, 2);
    // Triangle sketch with the σmax edge at the heel, drawn in black after the failures.
    EXPECT_EQ(textOp("σmax").x1, 11000 - 30 - 450);
    EXPECT_EQ(textOp("σmax").colour, plat::kBlack);
    // Before the start of the compressed zone at 9750.
    EXPECT_EQ(textOp("L1").x1, 9750 - 30 - 180);
    EXPECT_TRUE(hasLine(9750, 4300, 11000, 4700));
    EXPECT_TRUE(hasLine(9900, 4300, 9900, 4370));
}

TEST_F(ShearKeyStoredTest, BuildingNoDeductionOnTheTriangleShowsTheContactWidth) {
    prog.form<Form14>().opt5.setValue(true);
    store(true, false);
    prog.slidingSafetyFactorWithKey = 1.5f;
    report::runProc(prog, report::Proc::KENTOU);
    EXPECT_TRUE(hasText(blanks(28) + "=(4.0×3.000×0.600＋100.000×0.500＋285.000×0.300)/50.000"));
    EXPECT_EQ(textOp(blanks(28) + "=1.500 > 1.5  ∴ O.K").colour, plat::kBlack);
}

TEST_F(ShearKeyStoredTest, RoadHeelSideTriangleShowsTheTermsOfItsResistance) {
    store(false, true);
    prog.keyShearResistanceHk = 33.4;
    prog.slidingSafetyFactorWithKey = 0.668f;
    report::runProc(prog, report::Proc::KENTOU);
    // tan 30ﾟ = 0.577; X − L1 = 1.8 − 2.5, negative after "×": in brackets.
    EXPECT_TRUE(hasText(blanks(16) + "せん断抵抗力 Hk={(q2+q3)/2}･L1･tanφ+{(q1+q3)/2}･L2･tanφB+c･L1"));
    EXPECT_TRUE(hasText(blanks(31) + "={(0.000＋120.000)/2}×2.500×0.577"));
    EXPECT_TRUE(hasText(blanks(32) + "＋{(170.000＋120.000)/2}×(-0.700)×0.577"));
    EXPECT_TRUE(hasText(blanks(32) + "＋4.0×2.500=33.400kN/m"));
    const std::string f = blanks(18) + "滑動安全率  F=Hk/∑H=33.400/50.000=0.668 < 1.5";
    EXPECT_EQ(textOp(f).colour, plat::kColour13);
    EXPECT_EQ(svc.beeps, 1);
    EXPECT_EQ(textOp("ｑ1").x1, 11000 - 30 - 270);
    EXPECT_FALSE(hasText("ｑ2"));
}

TEST_F(ShearKeyStoredTest, NoStandardLeavesTheHeadingAlone) {
    store(false, false);
    report::runProc(prog, report::Proc::KENTOU);
    const std::vector<std::string> all = texts();
    auto it = std::find(all.begin(), all.end(), blanks(14) + "・突起の計算");
    ASSERT_NE(it, all.end());
    EXPECT_EQ(*(it + 1), "H0");  // the sketch follows at once
}

}  // namespace
