// Report page 4 (Form4.KENTOU): overturning, bearing, sliding and the contact-pressure
// sketch, for walls computed by the stability calculation and for stored edge values.
#include <string>
#include <vector>

#include "report/pages/stability_pages_fixture.h"

namespace {

class Page4Test : public StabilityPagesFixture {};

// Mr 433.9895, Mo 24.4467, ΣV 187.1373, d 2.1885, e −0.1885, σmax 60.0099,
// σmin 33.5587, ΣH 25.4246, RH 93.5686, F 3.6802 (worked out by hand for this wall).
TEST_F(Page4Test, NormalCaseWithoutKeyPrintsEveryCheckAndTheHeelSideTrapezoid) {
    enterWall(false, false, false);
    report::runProc(prog, report::Proc::KENTOU);
    const std::vector<std::string> expected = {
        "", "", "", "", "",
        blanks(12) + "3－２ 安定性の検討（常時）",
        "",
        blanks(12) + "１）転倒に対する検討",
        "",
        blanks(16) + "抵抗モーメント Mr=ΣV･x=433.990kNm/m",
        blanks(16) + "転倒モーメント Mo=ΣH･y=24.447kNm/m",
        blanks(16) + "転 倒 安 全 率  F=Mr/Mo=433.990/24.447=17.752 > 1.5  ∴ O.K",
        "", "",
        blanks(12) + "２）地盤支持力(接地圧)に対する検討",
        "",
        blanks(16) + "合力の作用位置 d=(Mr－Mo)/ΣV=(433.990－24.447)/187.137=2.188m",
        blanks(16) + "偏  心  距  離 e=(B/2)－d=(4.000/2)－2.188=-0.188m",
        blanks(16) + "最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}",
        blanks(27) + "　　     =(187.137/4.000)×{1＋(6×0.188/4.000)}",
        blanks(26) + "　　      =60.010kN/m2",
        blanks(16) + "最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}",
        blanks(27) + "　　     =(187.137/4.000)×{1－(6×0.188/4.000)}",
        blanks(26) + "　　      =33.559kN/m2",
        blanks(31) + "σmax,σmin < 200.0kN/m2  ∴ O.K",
        "", "",
        blanks(12) + "３）滑り出しに対する検討",
        "",
        blanks(16) + "水 平 力 の 総 和 ΣH=25.425kN/m",
        blanks(16) + "滑動に対する抵抗力 RH=C･B＋ΣV･μ=0.0×4.000＋187.137×0.5=93.569kN/m",
        blanks(16) + "滑 動 安 全 率      F=RH/ΣH=93.569/25.425=3.680 > 1.5  ∴ O.K",
        "Ｂ", "σmax", "σmin"};
    EXPECT_EQ(texts(), expected);
    EXPECT_EQ(svc.beeps, 0);
    for (const auto& op : textOps()) EXPECT_EQ(op.colour, plat::kBlack) << op.text;

    // e < 0: the larger ordinate at the heel, its label below the ordinate's end (4600) and
    // ending left of the base-width tick at 11000: 450 twips wide in 9 points.
    const plat::DrawOp smax = textOp("σmax");
    EXPECT_EQ(smax.x1, 11000 - 30 - 450);
    EXPECT_EQ(smax.y1, 4600 + 30);
    EXPECT_EQ(smax.fontSize, 9);
    EXPECT_EQ(textOp("σmin").x1, 9000);
    EXPECT_EQ(textOp("σmin").y1, 4150);
    EXPECT_EQ(textOp("Ｂ").y1, 5000);
    EXPECT_TRUE(hasLine(11000, 4100, 11000, 4600));
    EXPECT_TRUE(hasLine(9500, 4350, 11000, 4600));
    EXPECT_EQ(surface.fontSize(), 11);
    EXPECT_EQ(prog.pageLoopCounter, 6);
}

// Stored results of a wall on which every judgement is set by hand.
class Page4StoredTest : public StabilityPagesFixture {
protected:
    void SetUp() override {
        StabilityPagesFixture::SetUp();
        choice_input::setDesignChoices(prog, {Standard::Building, LoadCase::Normal, GroundShape::OneSided});
        choice_input::setDimensionChoices(prog, {.shearKey = ShearKey::Absent});
        prog.chapterNumber = std::string("5");
        prog.baseWidth = 3.0f;
        prog.sumV = 100;
        prog.sumH = 40;
        prog.momentResisting = 150;
        prog.momentOverturning = 50;
        prog.overturningSafetyFactor = 3;
        prog.resultantPosition = 1.0f;
        prog.eccentricity = 0.5f;  // exactly B/6
        prog.sigmaMax = 66.6667f;
        prog.sigmaMin = 0;
        prog.allowBearing = 100;
        prog.slidingResistance = 60;
        prog.slidingSafetyFactor = 1.5f;
        prog.baseFriction = 0.6f;
        prog.neutralAxisXn = 3.0f;
    }
};

TEST_F(Page4StoredTest, EccentricityOfExactlyASixthPassesAndPrintsTheTrapezoidButSketchesTheTriangle) {
    prog.form<Form14>().opt3.setValue(true);
    report::runProc(prog, report::Proc::KENTOU);
    EXPECT_TRUE(hasText(blanks(16) + "偏　心　距　離  e=(B/2)－d=(3.000/2)－1.000=0.500m < B/6=3.000/6=0.500m ∴ O.K"));
    EXPECT_TRUE(hasText(blanks(16) + "最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}"));
    EXPECT_TRUE(hasText(blanks(16) + "滑 動 安 全 率      F=RH/ΣH=60.000/40.000=1.500 > 1.5  ∴ O.K"));
    // Triangle, e > 0.
    EXPECT_EQ(textOp("σmax").x1, 9000);
    // Level with the lower end of the σmax ordinate (4600), 9 points high.
    EXPECT_EQ(textOp("σmax").y1, 4600 - 180);
    EXPECT_TRUE(hasLine(9500, 4600, 10750, 4100));
    EXPECT_FALSE(hasText("σmin"));
    EXPECT_EQ(svc.beeps, 0);
}

TEST_F(Page4StoredTest, FailedSlidingWithoutKeyEndsThePageInMagenta) {
    prog.slidingSafetyFactor = 1.4999f;
    prog.form<Form14>().opt2.setValue(true);
    prog.resultantPosition = 0.9f;  // below B/3 = 1.0
    report::runProc(prog, report::Proc::KENTOU);
    const std::string f = blanks(16) + "滑 動 安 全 率      F=RH/ΣH=60.000/40.000=1.500 < 1.5";
    EXPECT_EQ(texts().back(), f);
    EXPECT_EQ(textOp(f).colour, plat::kColour13);
    EXPECT_EQ(textOp(blanks(16) + "合力の作用位置  d=(Mr－Mo)/ΣV").colour, plat::kColour13);
    EXPECT_EQ(textOp(blanks(33) + "=(150.000－50.000)/100.000=0.900m < B/3=3.000/3=1.000m").colour,
              plat::kColour13);
    EXPECT_EQ(svc.beeps, 2);
    EXPECT_TRUE(lineOps().empty());
    EXPECT_EQ(surface.foreColor(), plat::kBlack);
}

// A resultant behind the toe (d < 0), a negative Mo and ΣH: each negative value after an
// operator stands in brackets, so that two signs never run together.
TEST_F(Page4StoredTest, NegativeValuesAfterAnOperatorStandInBrackets) {
    prog.form<Form14>().opt1.setValue(true);
    prog.baseWidth = 1.6f;
    prog.resultantPosition = -0.128f;
    prog.eccentricity = 0.928f;
    prog.momentOverturning = -50;
    prog.overturningSafetyFactor = -3;
    prog.sumH = -40;
    prog.slidingSafetyFactor = -1.5f;
    report::runProc(prog, report::Proc::KENTOU);
    for (const std::string& line :
         {blanks(16) + "転 倒 安 全 率  F=Mr/Mo=150.000/(-50.000)=-3.000 < 1.5",
          blanks(16) + "合力の作用位置 d=(Mr－Mo)/ΣV=(150.000－(-50.000))/100.000=-0.128m",
          blanks(16) + "偏  心  距  離 e=(B/2)－d=(1.600/2)－(-0.128)=0.928m",
          blanks(16) + "滑 動 安 全 率      F=RH/ΣH=60.000/(-40.000)=-1.500 < 1.5"})
        EXPECT_TRUE(hasText(line)) << line;
    // A negative value after "=" or an opening bracket reads as it is.
    EXPECT_TRUE(hasText(blanks(16) + "水 平 力 の 総 和 ΣH=-40.000kN/m"));
}

TEST_F(Page4StoredTest, BearingJudgementByPressures) {
    struct Case {
        float e, sigmaMax, sigmaMin;
        bool outside;
        std::string line;
        bool passed;
    };
    const std::vector<Case> cases = {
        {0.2f, 100, 20, false, blanks(31) + "σmax,σmin < 100.0kN/m2  ∴ O.K", true},
        {0, 100, 100, false, blanks(31) + "σmax < 100.0kN/m2  ∴ O.K", true},
        {0.2f, 100.01f, 100, false, blanks(31) + "σmax > 100.0kN/m2  ∴ NG", false},
        {0.2f, 120, 101, false, blanks(31) + "σmax,σmin > 100.0kN/m2  ∴ NG", false},
        {0, 120, 120, false, blanks(31) + "σmax > 100.0kN/m2  ∴ NG", false},
        {2.0f, -50, 0, true, blanks(31) + "合力の作用位置が底版の外にある  ∴ NG", false},
    };
    for (const Case& c : cases) {
        surface.clear();
        svc.clear();
        prog.eccentricity = c.e;
        prog.sigmaMax = c.sigmaMax;
        prog.sigmaMin = c.sigmaMin;
        prog.bearingOutsideBase = c.outside;
        report::runProc(prog, report::Proc::KENTOU);
        EXPECT_EQ(textOp(c.line).colour, c.passed ? plat::kBlack : plat::kColour13) << c.line;
        EXPECT_EQ(svc.beeps, c.passed ? 0 : 1) << c.line;
    }
}

TEST_F(Page4StoredTest, TitleFollowsLoadCaseStandardAndSeismicCoefficient) {
    struct Case {
        bool seismic, road;
        float kh;
        std::string title;
    };
    const std::vector<Case> cases = {
        {false, false, 0, "（常時）"},
        {true, false, 0.2f, "（中地震時）"},
        {true, false, 0.25f, "（大地震時）"},
        {true, true, 0.25f, "（地震時）"},
    };
    for (const Case& c : cases) {
        surface.clear();
        choice_input::setDesignChoices(prog, {c.road ? Standard::Road : Standard::Building,
                                              c.seismic ? LoadCase::Seismic : LoadCase::Normal});
        prog.seismicKh = c.kh;
        report::runProc(prog, report::Proc::KENTOU);
        EXPECT_EQ(texts().at(5), blanks(12) + "5－２ 安定性の検討" + c.title);
    }
}

TEST_F(Page4StoredTest, SymmetricShapeHasNoOverturningOrSliding) {
    choice_input::setDesignChoices(prog, {.groundShape = GroundShape::Symmetric});
    prog.eccentricity = 0;
    prog.sigmaMax = 50;
    report::runProc(prog, report::Proc::KENTOU);
    EXPECT_TRUE(hasText(blanks(16) + "対称土圧の為、転倒は生じない。"));
    EXPECT_TRUE(hasText(blanks(16) + "転倒モーメント Mo=ΣH･y=0kNm/m"));
    EXPECT_TRUE(hasText(blanks(16) + "対称土圧の為､滑動は生じない｡"));
    EXPECT_FALSE(hasText(blanks(16) + "最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}"));
    // The uniform pressure: one label in the middle.
    EXPECT_EQ(textOp("σmax").x1, 10000);
    EXPECT_EQ(textOp("σmax").y1, 4550);
    EXPECT_TRUE(hasLine(9500, 4475, 11000, 4475));
}

// A symmetric wall does not slide: no key check is written, yet the key is sketched.
TEST_F(Page4StoredTest, SymmetricShapeWithKeySketchesTheKeyWithoutItsCheck) {
    choice_input::setDesignChoices(prog, {.groundShape = GroundShape::Symmetric});
    choice_input::setDimensionChoices(prog, {.shearKey = ShearKey::Present});
    prog.eccentricity = 0;
    prog.sigmaMax = 50;
    report::runProc(prog, report::Proc::KENTOU);
    EXPECT_TRUE(hasText(blanks(16) + "対称土圧の為､滑動は生じない｡"));
    EXPECT_FALSE(hasText(blanks(14) + "・突起の計算"));
    EXPECT_FALSE(hasText(blanks(17) + "H0=0.000m"));
    EXPECT_TRUE(hasLine(10250, 4050, 10450, 4050));
    // Above the leader's end at y 3650.
    EXPECT_EQ(textOp("45ﾟ＋φB/2").y1, 3650 - 30 - 180);
    EXPECT_EQ(surface.fontSize(), 11);
}

}  // namespace
