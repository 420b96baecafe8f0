// Report pages 6 to 9: the location writers Form7.HAIKIN_A to HAIKIN_J and the check
// block that closes each of their sections, on stored section results and on a project
// computed through the screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "conditions/conditions_screen.h"
#include "conditions/seismic_dialog.h"
#include "platform/surface.h"
#include "project/project_fixture.h"
#include "report/pages/page_writers.h"
#include "report/pages/section_check_block.h"
#include "report/report_pages.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "report/pages/stability_pages_fixture.h"
#include "support/choice_input.h"
#include "support/scripted_services.h"

namespace {

class SectionPagesTest : public StabilityPagesFixture {
protected:
    void SetUp() override {
        StabilityPagesFixture::SetUp();
        choice_input::setDesignChoices(prog, {Standard::Building, LoadCase::Normal});
        prog.allowConcrete = 8;
        prog.rebarAllow = 160;
        prog.rebarAllowLong = 180;
        prog.allowBond = 1.6f;
        prog.allowShear = 0.23f;
        for (int loc : kCheckLocationNumbers) storeLocation(loc);
        svc.clear();
    }

    Form7& screen() { return prog.form<Form7>(); }

    // One set of passing results, the same at every location.
    void storeLocation(int loc) {
        prog.memberThickness[loc] = 40;
        prog.effectiveDepth[loc] = 33.5f;
        prog.leverArm[loc] = 29.31f;
        prog.designMoment[loc] = 1234567;
        prog.designShear[loc] = 45678;
        prog.requiredSteelArea[loc] = 2.345f;
        prog.requiredPerimeter[loc] = 1.234f;
        prog.barName[loc] = "D16";
        prog.barArea[loc] = 1.986f;
        prog.computedSpacing[loc] = 249.9f;
        prog.designSpacing[loc] = 200;
        prog.steelRatio[loc] = 0.00296f;
        prog.neutralAxisRatio[loc] = 0.25f;
        prog.leverArmRatio[loc] = 0.9167f;
        prog.concreteStress[loc] = 2.5f;
        prog.rebarStress[loc] = 150.123f;
        prog.shearStress[loc] = 0.15f;
    }

    bool hasTextStarting(const std::string& t) const {
        for (const auto& x : texts())
            if (x.rfind(t, 0) == 0) return true;
        return false;
    }
    // The section's own lines: everything before the check block's dimension line.
    std::vector<std::string> sectionLines() const {
        std::vector<std::string> out;
        for (const auto& t : texts()) {
            if (t.rfind(blanks(18) + "D=", 0) == 0) break;
            out.push_back(t);
        }
        return out;
    }
    void block(int loc) {
        report::prepareSectionCheck(prog, loc);
        section_pages::printCheckBlock(prog, surface, loc);
    }
    // A section's lines as printed: its leading empty lines, then the rest.
    static std::vector<std::string> afterEmptyLines(int empty, std::initializer_list<std::string> lines) {
        std::vector<std::string> out(size_t(empty), "");
        out.insert(out.end(), lines);
        return out;
    }
    // The seismic case under the given method, set as an opened project sets it.
    void chooseSeismic(SeismicMethod method) {
        choice_input::setDesignChoices(prog, {Standard::None, LoadCase::Seismic, GroundShape::None, method});
    }
};

// 10·d = 335 mm, 10·M = 12345670 N·mm, As = 100·(1000/200)·1.986 = 993.000 mm2;
// ft = 180 (D16 below the large-bar area, building standard, normal case), fa = 160.00.
TEST_F(SectionPagesTest, CheckBlockPrintsEveryLineWithTheValuesSubstituted) {
    block(6);
    const std::vector<std::string> expected = {
        blanks(18) + "D=40.00cm    d=33.50cm    j=29.310cm",
        blanks(17) + "at=M/(ft･j)=1234567/(18000×29.310)=2.345cm2/m",
        blanks(17) + "φ=S/(fa･j)=45678/(160.00×29.310)=1.234cm/m",
        "",
        blanks(17) + "配筋 D16-249@  -----> ∴ D16-200@  とする",
        blanks(16) + "───────────────────────",
        blanks(17) + "n=15    b=100cm",
        blanks(17) + "p=As/(b･d)=993.000/(1000×335.00)=0.00296",
        blanks(17) + "k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×0.00296＋(15×0.00296)^2}－15×0.00296=0.250",
        blanks(17) + "j=1－(K/3)=1－(0.250/3)=0.917",
        "",
        blanks(17) + "・コンクリートの曲げ圧縮応力度",
        blanks(19) + "σc=2M/(k･j･b･d^2)=2×12345670/(0.250×0.917×1000×335.00^2)=2.500N/mm2",
        blanks(37) + "<σca=8.0N/mm2  ∴ O.K",
        "",
        blanks(17) + "・鉄筋の引張応力度",
        blanks(19) + "σs=M/(As･j･d)=12345670/(993.000×0.917×335.00)=150.123N/mm2",
        blanks(33) + "<σsa=180N/mm2  ∴ O.K",
        "",
        blanks(17) + "・コンクリートのせん断応力度",
        blanks(19) + "τc=S/(b･j･d)=45678/(1000×0.917×335.00)=0.150N/mm2",
        blanks(32) + "<τca=0.23N/mm2  ∴ O.K"};
    EXPECT_EQ(texts(), expected);
    EXPECT_EQ(svc.beeps, 0);
    EXPECT_EQ(prog.rebarAllow, 180.0f);
}

// Through the page table each location prints with the allowable of its own bar: a
// large bar (5.745 cm2 and more) takes 195 N/mm2 under the building standard in the
// normal case, a smaller one the long-term allowable; the program keeps the last one.
TEST_F(SectionPagesTest, EachLocationPrintsWithTheAllowableOfItsOwnBar) {
    prog.barName[5] = "D32";
    prog.barArea[5] = 7.942f;
    const struct {
        report::Proc proc;
        const char* allow;
        float kept;
    } cases[] = {{report::Proc::HAIKIN_E, "<σsa=195N/mm2  ∴ O.K", 195.0f},
                 {report::Proc::HAIKIN_F, "<σsa=180N/mm2  ∴ O.K", 180.0f}};
    for (const auto& c : cases) {
        surface.clear();
        report::runProc(prog, c.proc);
        const std::vector<std::string> t = texts();
        EXPECT_NE(std::find(t.begin(), t.end(), blanks(33) + c.allow), t.end()) << c.allow;
        EXPECT_EQ(prog.rebarAllow, c.kept);
    }
}

TEST_F(SectionPagesTest, FailedChecksPrintInMagentaAndBeepEachWhileTheEmptyLinesStayBlack) {
    prog.concreteStress[7] = 8.001f;
    prog.rebarStress[7] = 180.001f;
    prog.shearStress[7] = 0.231f;
    block(7);
    EXPECT_EQ(svc.beeps, 3);
    const std::vector<std::string> failed = {
        blanks(17) + "・コンクリートの曲げ圧縮応力度", blanks(37) + ">σca=8.0N/mm2",
        blanks(17) + "・鉄筋の引張応力度",             blanks(33) + ">σsa=180N/mm2",
        blanks(17) + "・コンクリートのせん断応力度",   blanks(32) + ">τca=0.23N/mm2"};
    int coloured = 0;
    for (const auto& op : textOps()) {
        const bool isFailed = std::find(failed.begin(), failed.end(), op.text) != failed.end() ||
                              op.text.rfind(blanks(19) + "σ", 0) == 0 || op.text.rfind(blanks(19) + "τ", 0) == 0;
        EXPECT_EQ(op.colour, isFailed ? plat::kColour13 : plat::kBlack) << op.text;
        coloured += isFailed;
    }
    EXPECT_EQ(coloured, 9);
    EXPECT_EQ(surface.foreColor(), plat::kBlack);
    EXPECT_FALSE(hasTextStarting(blanks(37) + "<"));
}

TEST_F(SectionPagesTest, StressesEqualToTheirAllowablesPass) {
    prog.concreteStress[6] = 8;
    prog.rebarStress[6] = 180;
    prog.shearStress[6] = 0.23f;
    block(6);
    EXPECT_TRUE(hasText(blanks(37) + "<σca=8.0N/mm2  ∴ O.K"));
    EXPECT_TRUE(hasText(blanks(33) + "<σsa=180N/mm2  ∴ O.K"));
    EXPECT_TRUE(hasText(blanks(32) + "<τca=0.23N/mm2  ∴ O.K"));
    EXPECT_EQ(svc.beeps, 0);
}

// The allowable bar stress follows the bar only under the building standard in the normal case.
TEST_F(SectionPagesTest, LargeBarAllowableByStandardLoadCaseAndBar) {
    struct Case {
        bool road, seismic;
        const char* bar;
        float area;
        const char* ft;
        const char* limit;
    };
    const Case cases[] = {
        {false, false, "D25,D29", 5.745f, "19500", "195"},
        {false, false, "D25", 5.067f, "18000", "180"},
        {false, false, "D41", 13.4f, "19500", "195"},
        {true, false, "D25,D29", 5.745f, "16000", "160"},
        {false, true, "D25,D29", 5.745f, "16000", "160"},
    };
    for (const Case& c : cases) {
        choice_input::setDesignChoices(prog, {c.road ? Standard::Road : Standard::Building,
                                              c.seismic ? LoadCase::Seismic : LoadCase::Normal});
        prog.rebarAllow = 160;
        prog.barName[6] = c.bar;
        prog.barArea[6] = c.area;
        surface.clear();
        block(6);
        EXPECT_TRUE(hasTextStarting(blanks(17) + "at=M/(ft･j)=1234567/(" + c.ft + "×29.310)")) << c.bar;
        EXPECT_TRUE(hasText(blanks(33) + "<σsa=" + c.limit + "N/mm2  ∴ O.K")) << c.bar;
        EXPECT_TRUE(hasTextStarting(blanks(17) + "配筋 " + c.bar + "-249@  -----> ∴ " + c.bar + "-200@")) << c.bar;
    }
}

TEST_F(SectionPagesTest, BlockDifferencesByLocation) {
    // Slab centre: no bond line, no shear check, ends with the steel tension judgement.
    block(5);
    EXPECT_FALSE(hasTextStarting(blanks(17) + "φ="));
    EXPECT_EQ(texts().back(), blanks(33) + "<σsa=180N/mm2  ∴ O.K");
    EXPECT_EQ(texts()[3], blanks(17) + "配筋 D16-249@  -----> ∴ D16-200@  とする");

    // Toe: an empty line between the rule and "n=15".
    surface.clear();
    block(9);
    auto t = texts();
    EXPECT_EQ(t[5], blanks(16) + "───────────────────────");
    EXPECT_EQ(t[6], "");
    EXPECT_EQ(t[7], blanks(17) + "n=15    b=100cm");

    // Heel: two closing empty lines, also without a design standard (no shear lines).
    conditions().opt_T.setValue(false);
    surface.clear();
    block(8);
    t = texts();
    ASSERT_GE(t.size(), 4u);
    // Without the building standard rebarAllow keeps what the previous section set.
    EXPECT_EQ(t[t.size() - 4], blanks(33) + "<σsa=180N/mm2  ∴ O.K");
    EXPECT_EQ(std::vector<std::string>(t.end() - 3, t.end()), (std::vector<std::string>{"", "", ""}));
    EXPECT_FALSE(hasText(blanks(17) + "・コンクリートのせん断応力度"));
}

TEST_F(SectionPagesTest, RoadStandardShearFormHasNoLeverArmRatio) {
    choice_input::setDesignChoices(prog, {Standard::Road});
    block(10);
    EXPECT_TRUE(hasText(blanks(19) + "τc=S/(b･d)=45678/(1000×335.00)=0.150N/mm2"));
}

// A spacing typed as 0 after the stress check: no steel area exists, so the block ends
// with the arrangement instead of faulting.
TEST_F(SectionPagesTest, ZeroDesignSpacingEndsTheBlockAfterTheArrangement) {
    prog.designSpacing[8] = 0;
    EXPECT_NO_THROW(block(8));
    const auto t = texts();
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t[4], blanks(17) + "配筋 D16-249@  -----> ∴ D16-0@  とする");
    EXPECT_EQ(t[5], blanks(16) + "───────────────────────");
    EXPECT_EQ(svc.beeps, 0);
}

TEST_F(SectionPagesTest, WritersDrawNothingWithoutASurface) {
    prog.outputSurface = nullptr;
    screen();
    EXPECT_NO_THROW({
        for (report::Proc proc : {report::Proc::HAIKIN_A, report::Proc::HAIKIN_B, report::Proc::HAIKIN_E,
                                  report::Proc::HAIKIN_F, report::Proc::HAIKIN_G, report::Proc::HAIKIN_H,
                                  report::Proc::HAIKIN_I, report::Proc::HAIKIN_J})
            report::runProc(prog, proc);
    });
    EXPECT_TRUE(surface.ops().empty());
}

// Upright wall. Location 1: H = (0.3 + 2.5)/2 − 0.3 = 1.100, cos(15° + 3.5°) = 0.9483.
class WallSectionTest : public SectionPagesTest {
protected:
    void SetUp() override {
        SectionPagesTest::SetUp();
        prog.rearWallUpperHeight = 0.3f;
        prog.backSoilAboveSlab = 2.5f;
        prog.slabThickness = 0.4f;
        prog.deltaSection = 15;
        prog.rearFaceTheta = 3.5f;
        prog.activeCoefficientSection = 0.297f;
        prog.soilUnitWeight = 18;
        prog.surchargeBack = 10;
        for (int loc : {1, 2}) {
            prog.sectionPAX[loc] = 3.05f;
            prog.sectionDeltaPAX[loc] = 3.098f;
            prog.designMoment[loc] = 289590;
            prog.designShear[loc] = 6148;
            prog.wallWeightAbove[loc] = 15.6f;
            prog.wallWeightArm[loc] = 1.2f;
            prog.backSoilArm[loc] = 1.25f;
        }
        prog.partArea[7] = 1.5f;
        prog.upperBackSoilArea = 0.5f;
        prog.sectionSurchargeInertiaHeight = 2.8f;
        prog.seismicKh = 0.25f;
        prog.form<Form4>().chk1.setValue(0);
        svc.clear();
    }
};

TEST_F(WallSectionTest, MidHeightNormalCase) {
    report::runProc(prog, report::Proc::HAIKIN_A);
    EXPECT_EQ(sectionLines(),
              afterEmptyLines(
                  5, {blanks(14) + "１）たて壁（中央部）", "",
                      blanks(18) + "PAX=1/2･KA･γ･H^2･cos(15.00ﾟ＋3.50ﾟ)=1/2×0.297×18.0×1.100^2×0.9483=3.050kN/m",
                      blanks(16) + "△PAX=KA･q･H･cos(15.00ﾟ＋3.50ﾟ)=0.297×10.0×1.100×0.9483=3.098kN/m",
                      blanks(18) + "M=PAX･n＋△PAX･n={3.050×(1.100/3)＋3.098×(1.100/2)}×10^5=289590Ncm/m",
                      blanks(18) + "S=PAX＋△PAX=(3.050＋3.098)×10^3=6148N/m", ""}));
    EXPECT_EQ(texts().back(), blanks(32) + "<τca=0.23N/mm2  ∴ O.K");
}

// Fixed end, normal case, inertia box clear: an empty line before and after the heading
// and H is the whole back soil height, 2.500, also as the arm n.
TEST_F(WallSectionTest, FixedEndNormalCaseLeadingLinesAndHeight) {
    report::runProc(prog, report::Proc::HAIKIN_B);
    const std::vector<std::string> expected = {
        "", "",
        blanks(14) + "２）たて壁（固定部）",
        "",
        blanks(18) + "PAX=1/2･KA･γ･H^2･cos(15.00ﾟ＋3.50ﾟ)=1/2×0.297×18.0×2.500^2×0.9483=3.050kN/m",
        blanks(16) + "△PAX=KA･q･H･cos(15.00ﾟ＋3.50ﾟ)=0.297×10.0×2.500×0.9483=3.098kN/m",
        blanks(18) + "M=PAX･n＋△PAX･n={3.050×(2.500/3)＋3.098×(2.500/2)}×10^5=289590Ncm/m",
        blanks(18) + "S=PAX＋△PAX=(3.050＋3.098)×10^3=6148N/m",
        ""};
    EXPECT_EQ(sectionLines(), expected);
}

TEST_F(WallSectionTest, FixedEndSeismicWithSurchargeInertiaPrintsTheFullForm) {
    chooseSeismic(SeismicMethod::K2);
    screen().chk_1.setValue(1);
    prog.form<Form4>().chk1.setValue(1);
    prog.surchargeBack = 3;
    svc.clear();
    report::runProc(prog, report::Proc::HAIKIN_B);
    // W2 = 18 × 1.5 = 27.000, y3 = 2.8 − 0.4 = 2.400, Kh 0.25 with "0.0###".
    const std::vector<std::string> expected = {
        "",
        blanks(14) + "２）たて壁（固定部）",
        blanks(18) + "PAX=1/2･KA･γ･H^2･cos(15.00ﾟ＋3.50ﾟ)=1/2×0.297×18.0×2.500^2×0.9483=3.050kN/m",
        blanks(16) + "△PAX=KA･q･H･cos(15.00ﾟ＋3.50ﾟ)=0.297×(3.0-5.0→0)×2.500×0.9483=3.098kN/m",
        blanks(17) + "たて壁重量 W1=15.600kN/m　  背面土重量 W2=27.000kN/m",
        blanks(18) + "M=PAX･n＋△PAX･n＋W1･Kh･y1＋W2･Kh･y2＋q･Kh･y3",
        blanks(19) + "={3.050×(2.500/3)＋3.098×(2.500/2)＋15.600×0.25×1.200",
        blanks(20) + "＋27.000×0.25×1.250＋3.000×0.25×2.400}×10^5=289590Ncm/m",
        blanks(18) + "S=PAX＋△PAX＋W1･Kh＋W2･Kh＋q･Kh",
        blanks(19) + "=(3.050＋3.098＋15.600×0.25＋27.000×0.25＋3.000×0.25)×10^3",
        blanks(19) + "=6148N/m"};
    EXPECT_EQ(sectionLines(), expected);
}

TEST_F(WallSectionTest, MomentAndShearFormsByLoadCaseAndSeismicMethod) {
    // K1: the normal form; D1 without surcharge inertia: the wall form (Kh "0.0#");
    // seismic without a method: no M and S lines.
    chooseSeismic(SeismicMethod::K1);
    prog.seismicKh = 0.2f;
    report::runProc(prog, report::Proc::HAIKIN_A);
    EXPECT_TRUE(hasTextStarting(blanks(18) + "M=PAX･n＋△PAX･n={3.050×(1.100/3)"));

    chooseSeismic(SeismicMethod::D1);
    surface.clear();
    report::runProc(prog, report::Proc::HAIKIN_A);
    EXPECT_TRUE(hasText(blanks(17) + "たて壁重量 W=15.600kN/m"));
    EXPECT_TRUE(hasText(blanks(19) + "={3.050×(1.100/3)＋3.098×(1.100/2)＋15.600×0.2×1.200}×10^5=289590Ncm/m"));
    EXPECT_TRUE(hasText(blanks(18) + "S=PAX＋△PAX＋W･Kh=(3.050＋3.098＋15.600×0.2)×10^3=6148N/m"));
    // The inertia forms print no empty line before the check block.
    auto lines = sectionLines();
    EXPECT_EQ(lines.back(), blanks(18) + "S=PAX＋△PAX＋W･Kh=(3.050＋3.098＋15.600×0.2)×10^3=6148N/m");

    prog.form<Form25>().opt_D1.setValue(false);
    surface.clear();
    report::runProc(prog, report::Proc::HAIKIN_A);
    lines = sectionLines();
    EXPECT_EQ(lines.back().rfind(blanks(16) + "△PAX=", 0), 0u);
}

// The inertia tick counts only where the seismic method offers it (K2, D1): one left
// ticked from an earlier seismic input, hidden in the normal case or greyed under K1,
// leaves page 6 as an unticked box does, its three empty lines included.
TEST_F(WallSectionTest, InertiaTickCountsOnlyWhereTheMethodOffersIt) {
    struct {
        const char* name;
        LoadCase load;
        SeismicMethod method;
        bool counts;
    } const cases[] = {{"normal", LoadCase::Normal, SeismicMethod::None, false},
                       {"K1", LoadCase::Seismic, SeismicMethod::K1, false},
                       {"K2", LoadCase::Seismic, SeismicMethod::K2, true},
                       {"D1", LoadCase::Seismic, SeismicMethod::D1, true}};
    for (const auto& c : cases) {
        choice_input::setDesignChoices(prog, {Standard::None, c.load, GroundShape::None, c.method});
        auto page = [&](int tick) {
            screen().chk_1.setValue(tick);
            surface.clear();
            report::runProc(prog, report::Proc::HAIKIN_A);
            report::runProc(prog, report::Proc::HAIKIN_B);
            return texts();
        };
        const auto unticked = page(0);
        const auto ticked = page(1);
        EXPECT_EQ(ticked == unticked, !c.counts) << c.name;
        EXPECT_EQ(screen().surchargeInertiaCounts(), c.counts) << c.name;
        if (c.counts) {
            EXPECT_EQ(std::count(unticked.begin(), unticked.end(), "") - std::count(ticked.begin(), ticked.end(), ""),
                      3)
                << c.name;
        }
    }
}

TEST_F(WallSectionTest, MidHeightSurchargeArmUsesTheSoilAboveTheSlab) {
    chooseSeismic(SeismicMethod::K2);
    screen().chk_1.setValue(1);
    report::runProc(prog, report::Proc::HAIKIN_A);
    // y3 = 2.8 / (0.4 + 2.5) × 1.1 = 1.062; W2 = 18 × 0.5 = 9.000.
    EXPECT_TRUE(hasText(blanks(20) + "＋9.000×0.25×1.250＋10.000×0.25×1.062}×10^5=289590Ncm/m"));
    // With the inertia box ticked no empty line follows the heading.
    EXPECT_EQ(texts()[6].rfind(blanks(18) + "PAX=", 0), 0u);
}

// Base slab: span 2.0, base 4.0 (toe 0.5, walls 0.45, heel 0.6), rear face at 2.95 from the toe.
class SlabSectionTest : public SectionPagesTest {
protected:
    void SetUp() override {
        SectionPagesTest::SetUp();
        prog.baseWidth = 4;
        prog.toeLength = 0.5f;
        prog.frontWallBottomWidth = 0.45f;
        prog.innerSpan = 2;
        prog.rearWallBottomWidth = 0.45f;
        prog.heelLength = 0.6f;
        prog.slabLoadW1 = 30;
        prog.fixedEndC1 = 10;
        prog.fixedEndC21 = 12.5f;
        prog.fixedEndC22 = 11.25f;
        prog.fixedEndC2 = 16.667f;
        prog.sigmaMax = 50;
        prog.reactionV2 = 60;
        prog.reactionV4 = 40;
        storeSlabForces({5, 6, 7}, {5, 8.333f, 30, 33.333f, 333300, 3333});
    }

    // What the slab model left at the locations: the load's and the reaction's moment and
    // shear, and the design moment and shear from them.
    struct SlabForces {
        float loadMoment, reactionMoment, loadShear, reactionShear, designMoment, designShear;
    };
    void storeSlabForces(std::initializer_list<int> locations, const SlabForces& f) {
        for (int loc : locations) {
            prog.loadMoment[loc] = f.loadMoment;
            prog.reactionMoment[loc] = f.reactionMoment;
            prog.loadShear[loc] = f.loadShear;
            prog.reactionShear[loc] = f.reactionShear;
            prog.designMoment[loc] = f.designMoment;
            prog.designShear[loc] = f.designShear;
        }
    }
};

TEST_F(SlabSectionTest, CentreWithZeroEccentricityPrintsTheUniformReaction) {
    prog.eccentricity = 0;
    report::runProc(prog, report::Proc::HAIKIN_E);
    EXPECT_EQ(sectionLines(),
              afterEmptyLines(5, {blanks(14) + "３）底版（中央部）",
                                  blanks(18) + "C1=(W1･B^2)/12=(30.000×2.000^2)/12=10.000KNm/m",
                                  blanks(18) + "M1=(W1･B^2)/8－C1=(30.000×2.000^2)/8－10.000=5.000KNm/m",
                                  blanks(17) + "C2=(V･B^2)/12=(50.000×2.000^2)/12=16.667KNm/m",
                                  blanks(17) + "M2=(V･B^2)/8－C2=(50.000×2.000^2)/8－16.667=8.333KNm/m",
                                  blanks(19) + "M=|M1-M2|=|5.000-8.333|×10^5=333300Ncm/m", ""}));
    EXPECT_EQ(texts().back(), blanks(33) + "<σsa=180N/mm2  ∴ O.K");
}

// The trapezoid's shares at the centre, written from the end with the smaller ordinate.
TEST_F(SlabSectionTest, CentreReactionLinesByTheEndWithTheLargerOrdinate) {
    struct Case {
        const char* name;
        float e, xn, v2, v4;
        std::string c21, c22, m2;
    };
    const Case cases[] = {
        // Xn equal to the distance to the rear face: the contact just reaches it.
        {"larger at the rear wall", -0.1f, -2.95f, 40, 60, blanks(17) + "C21=(V2･B^2/12)＋{(V4-V2)･B^2/20}",
         blanks(17) + "C22=(V2･B^2/12)＋{(V4-V2)･B^2/30}",
         blanks(18) + "M2=(V2･B^2/8)＋(V4-V2)･B^2/(9･Sqr(3))－(C21＋C22)/2"},
        {"larger at the front wall", 0.2f, 3.5f, 60, 40, blanks(17) + "C21=(V4･B^2/12)＋{(V2-V4)･B^2/20}",
         blanks(17) + "C22=(V4･B^2/12)＋{(V2-V4)･B^2/30}",
         blanks(18) + "M2=(V4･B^2/8)＋(V2-V4)･B^2/(9･Sqr(3))－(C21＋C22)/2"},
    };
    for (const Case& c : cases) {
        prog.eccentricity = c.e;
        prog.neutralAxisXn = c.xn;
        prog.reactionV2 = c.v2;
        prog.reactionV4 = c.v4;
        surface.clear();
        report::runProc(prog, report::Proc::HAIKIN_E);
        const auto lines = sectionLines();
        ASSERT_GE(lines.size(), 10u) << c.name;
        const std::vector<std::string> reaction(lines.begin() + 8, lines.end() - 2);
        const std::vector<std::string> expected = {
            c.c21,
            blanks(20) + "=(40.000×2.000^2)/12＋{(60.000－40.000)×2.000^2)/20}=12.500KNm/m",
            c.c22,
            blanks(20) + "=(40.000×2.000^2)/12＋{(60.000－40.000)×2.000^2)/30}=11.250KNm/m",
            c.m2,
            blanks(20) + "=(40.000×2.000^2)/8＋(60.000－40.000)×2.000^2/(9×Sqr(3))",
            blanks(20) + "－(12.500＋11.250)/2=8.333KNm/m"};
        EXPECT_EQ(reaction, expected) << c.name;
    }
}

TEST_F(SlabSectionTest, NoReactionLinesWithoutAnApplicableCase) {
    struct Case {
        float xn, v2, v4;
    };
    // Partial contact; equal ordinates with full contact.
    for (const Case& c : {Case{2.9f, 60, 40}, Case{3.5f, 50, 50}}) {
        prog.eccentricity = 0.2f;
        prog.neutralAxisXn = c.xn;
        prog.reactionV2 = c.v2;
        prog.reactionV4 = c.v4;
        surface.clear();
        report::runProc(prog, report::Proc::HAIKIN_E);
        EXPECT_EQ(sectionLines()[8], blanks(19) + "M=|M1-M2|=|5.000-8.333|×10^5=333300Ncm/m");
        surface.clear();
        report::runProc(prog, report::Proc::HAIKIN_F);
        const auto lines = sectionLines();
        ASSERT_EQ(lines.size(), 9u);
        EXPECT_EQ(lines[0], "");
        EXPECT_EQ(lines[2], blanks(14) + "４）底版（前面固定部）");
        EXPECT_EQ(lines[6], blanks(18) + "M=|M1-M2|=|5.000-8.333|×10^5=333300Ncm/m");
        EXPECT_EQ(lines[7], blanks(18) + "S=|S1-S2|=|30.000-33.333|×10^3=3333N/m");
    }
}

TEST_F(SlabSectionTest, EachEndTakesItsOwnShareOfTheTrapezoid) {
    prog.eccentricity = 0.2f;
    prog.neutralAxisXn = 3.5f;
    report::runProc(prog, report::Proc::HAIKIN_F);
    std::vector<std::string> expected = {
        "", "",
        blanks(14) + "４）底版（前面固定部）",
        blanks(18) + "C1=(W1･B^2)/12=(30.000×2.000^2)/12=10.000KNm/m",
        blanks(18) + "M1=C1=5.000KNm/m",
        blanks(18) + "S1=(W1･B)/2=(30.000×2.000)/2=30.000KN/m",
        blanks(17) + "C21=(V4･B^2/12)＋{(V2-V4)･B^2/20}",
        blanks(20) + "=(40.000×2.000^2)/12＋{(60.000－40.000)×2.000^2)/20}=12.500KNm/m",
        blanks(18) + "M2=C21=8.333KNm/m",
        blanks(18) + "S2=(V4･B)/2＋(V2－V4)･B/3=(40.000×2.000)/2＋(60.000－40.000)×2.000/3=33.333KN/m",
        blanks(18) + "M=|M1-M2|=|5.000-8.333|×10^5=333300Ncm/m",
        blanks(18) + "S=|S1-S2|=|30.000-33.333|×10^3=3333N/m",
        ""};
    EXPECT_EQ(sectionLines(), expected);

    surface.clear();
    report::runProc(prog, report::Proc::HAIKIN_G);
    auto lines = sectionLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{"", "", "", "", "", blanks(14) + "５）底版（後面固定部）"}));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 9, lines.begin() + 13),
              (std::vector<std::string>{
                  blanks(17) + "C22=(V4･B^2/12)＋{(V2-V4)･B^2/30}",
                  blanks(20) + "=(40.000×2.000^2)/12＋{(60.000－40.000)×2.000^2)/30}=11.250KNm/m",
                  blanks(18) + "M2=C22=8.333KNm/m",
                  blanks(18) + "S2=(V4･B)/2＋(V2－V4)･B/6=(40.000×2.000)/2＋(60.000－40.000)×2.000/6=33.333KN/m"}));

    // The larger ordinate at the rear wall swaps the shares.
    prog.reactionV2 = 40;
    prog.reactionV4 = 60;
    surface.clear();
    report::runProc(prog, report::Proc::HAIKIN_G);
    EXPECT_TRUE(hasText(blanks(17) + "C21=(V2･B^2/12)＋{(V4-V2)･B^2/20}"));
    EXPECT_TRUE(hasText(blanks(18) + "S2=(V2･B)/2＋(V4－V2)･B/3=(40.000×2.000)/2＋(60.000－40.000)×2.000/3=33.333KN/m"));
    surface.clear();
    report::runProc(prog, report::Proc::HAIKIN_F);
    EXPECT_TRUE(hasText(blanks(18) + "M2=C22=8.333KNm/m"));

    // Zero eccentricity: σmax as V in C2 and S2.
    prog.eccentricity = 0;
    surface.clear();
    report::runProc(prog, report::Proc::HAIKIN_F);
    EXPECT_TRUE(hasText(blanks(18) + "C2=(V･B^2)/12=(50.000×2.000^2)/12=16.667KNm/m"));
    EXPECT_TRUE(hasText(blanks(18) + "M2=C2=8.333KNm/m"));
    EXPECT_TRUE(hasText(blanks(18) + "S2=(V･B)/2=(50.000×2.000)/2=33.333KN/m"));
}

class CantileverSectionTest : public SlabSectionTest {
protected:
    void SetUp() override {
        SlabSectionTest::SetUp();
        prog.slabLoadW2 = 55;
        prog.slabLoadW3 = 50;
        prog.reactionV5 = 45;
        prog.reactionVR = 40;
        prog.slabLoadW4 = 20;
        prog.slabLoadW5 = 20;
        prog.reactionV1 = 70;
        prog.reactionVP = 75;
        storeSlabForces({8, 9}, {9.6f, 7.8f, 31.5f, 25.5f, 180000, 6000});
    }
};

TEST_F(CantileverSectionTest, HeelReactionLinesByContactLength) {
    struct Case {
        float e, xn;
        std::vector<std::string> reaction;
    };
    const std::string trapezoid1 = blanks(17) + "M2=(V5＋2･VR)･B^2/6=(45.000＋2×40.000)×0.600^2/6=7.800KNm/m";
    const std::string trapezoid2 = blanks(17) + "S2=(V5＋VR)･B/2=(45.000＋40.000)×0.600/2=25.500KN/m";
    const Case cases[] = {
        {0.3f, 4.5f, {trapezoid1, trapezoid2}},
        {0.0f, 2.0f, {trapezoid1, trapezoid2}},  // zero eccentricity: the whole heel, as the stored forces
        // c = 3.8 − 0.5 − 0.45 − 2.0 − 0.45 = 0.400
        {0.3f, 3.8f,
         {blanks(17) + "M2=V5･c^2/6=45.000×0.400^2/6=7.800kNm/m", blanks(17) + "S2=V5･c/2=45.000×0.400/2=25.500kN/m"}},
        // contact of exactly the base width: c is the heel length
        {0.3f, 4.0f,
         {blanks(17) + "M2=V5･c^2/6=45.000×0.600^2/6=7.800kNm/m", blanks(17) + "S2=V5･c/2=45.000×0.600/2=25.500kN/m"}},
        // contact ending before the heel root: no contact on the heel
        {0.3f, 3.0f,
         {blanks(17) + "M2=V5･c^2/6=45.000×0.000^2/6=7.800kNm/m", blanks(17) + "S2=V5･c/2=45.000×0.000/2=25.500kN/m"}},
        {-0.3f, 3.8f, {}},
    };
    for (const Case& c : cases) {
        prog.eccentricity = c.e;
        prog.neutralAxisXn = c.xn;
        surface.clear();
        report::runProc(prog, report::Proc::HAIKIN_H);
        std::vector<std::string> expected = {
            "", "", blanks(14) + "６）かかと版（固定部）",
            blanks(17) + "M1=(W2＋2･W3)･B^2/6=(55.000＋2×50.000)×0.600^2/6=9.600KNm/m",
            blanks(17) + "S1=(W2＋W3)･B/2=(55.000＋50.000)×0.600/2=31.500KN/m"};
        expected.insert(expected.end(), c.reaction.begin(), c.reaction.end());
        expected.push_back(blanks(18) + "M=|M1-M2|=|9.600-7.800|×10^5=180000Ncm/m");
        expected.push_back(blanks(18) + "S=|S1-S2|=|31.500-25.500|×10^3=6000N/m");
        expected.push_back("");
        EXPECT_EQ(sectionLines(), expected) << c.e << " " << c.xn;
        const auto t = texts();
        EXPECT_EQ(std::vector<std::string>(t.end() - 3, t.end()),
                  (std::vector<std::string>{blanks(32) + "<τca=0.23N/mm2  ∴ O.K", "", ""}));
    }
}

// A reaction's moment and shear below zero (an uplifted heel) follow the minus sign in
// brackets: "|9.600-(-7.800)|", not "|9.600--7.800|".
TEST_F(CantileverSectionTest, NegativeReactionForcesStandInBracketsAfterTheMinus) {
    prog.eccentricity = 0.3f;
    prog.neutralAxisXn = 4.5f;
    prog.reactionVR = -40;
    storeSlabForces({8}, {9.6f, -7.8f, 31.5f, -25.5f, 1740000, 57000});
    report::runProc(prog, report::Proc::HAIKIN_H);
    for (const std::string& line : {blanks(17) + "M2=(V5＋2･VR)･B^2/6=(45.000＋2×(-40.000))×0.600^2/6=-7.800KNm/m",
                                    blanks(17) + "S2=(V5＋VR)･B/2=(45.000＋(-40.000))×0.600/2=-25.500KN/m",
                                    blanks(18) + "M=|M1-M2|=|9.600-(-7.800)|×10^5=1740000Ncm/m",
                                    blanks(18) + "S=|S1-S2|=|31.500-(-25.500)|×10^3=57000N/m"})
        EXPECT_TRUE(hasText(line)) << line;
}

TEST_F(CantileverSectionTest, ToeUniformLoadAndLeadingLinesByHeel) {
    prog.eccentricity = -0.3f;
    report::runProc(prog, report::Proc::HAIKIN_I);
    EXPECT_EQ(sectionLines(),
              afterEmptyLines(5, {blanks(14) + "７）つま先版（固定部）",
                                  blanks(17) + "M1=(W4･B^2)/2=(20.000×0.500^2)/2=9.600KNm/m",
                                  blanks(17) + "S1=W4･B=20.000×0.500=31.500KN/m",
                                  blanks(17) + "M2=(V1＋2･VP)･B^2/6=(70.000＋2×75.000)×0.500^2/6=7.800KNm/m",
                                  blanks(17) + "S2=(V1＋VP)･B/2=(70.000＋75.000)×0.500/2=25.500KN/m",
                                  blanks(18) + "M=|M1-M2|=|9.600-7.800|×10^5=180000Ncm/m",
                                  blanks(18) + "S=|S1-S2|=|31.500-25.500|×10^3=6000N/m", ""}));

    prog.heelLength = 0;
    prog.slabLoadW5 = 20.001f;
    surface.clear();
    report::runProc(prog, report::Proc::HAIKIN_I);
    const auto lines = sectionLines();
    EXPECT_EQ(lines[2], blanks(14) + "７）つま先版（固定部）");
    EXPECT_EQ(lines[3], blanks(17) + "M1=(W4＋2･W5)･B^2/6=(20.000＋2×20.001)×0.500^2/6=9.600KNm/m");
}

TEST_F(CantileverSectionTest, KeyLinesAndLeadingEmptyLinesByHeelAndToe) {
    prog.keyPassivePressure = 123.4567f;
    prog.keyHeight = 0.3f;
    prog.designMoment[10] = 555555;
    prog.designShear[10] = 37037;
    struct Case {
        float heel, toe;
        int empty;
    };
    for (const Case& c : {Case{0, 0, 2}, Case{0.6f, 0, 5}, Case{0, 0.5f, 5}, Case{0.6f, 0.5f, 2}}) {
        prog.heelLength = c.heel;
        prog.toeLength = c.toe;
        surface.clear();
        report::runProc(prog, report::Proc::HAIKIN_J);
        EXPECT_EQ(sectionLines(), afterEmptyLines(c.empty, {blanks(14) + "８）突起部", blanks(18) + "P=123.457KN/m2",
                                                            blanks(18) + "M=P･H0^2/2=(123.457×0.300^2/2)×10^5=555555Ncm/m",
                                                            blanks(18) + "S=P･H0=(123.457×0.300)×10^3=37037N/m", ""}))
            << c.heel << " " << c.toe;
    }
}

// The whole chain: a project entered through the screens and checked, printed through
// the report frame's page table.
class SectionPagesProjectTest : public ProjectFixture {
protected:
    static std::string blanks(int n) { return std::string(n, ' '); }
};

TEST_F(SectionPagesProjectTest, PagesSixToNinePrintEverySectionOfTheComputedWall) {
    makeProject();
    ASSERT_EQ(prog.sectionCheckDoneValue(), 1);
    plat::RecordingSurface surface;
    prog.outputSurface = &surface;
    const std::vector<std::pair<int, std::vector<std::string>>> pages = {
        {6, {"１）たて壁（中央部）", "２）たて壁（固定部）"}},
        {7, {"３）底版（中央部）", "４）底版（前面固定部）"}},
        {8, {"５）底版（後面固定部）", "６）かかと版（固定部）"}},
        {9, {"７）つま先版（固定部）"}}};
    for (const auto& [number, headings] : pages) {
        surface.clear();
        report::runWriters(prog, number);
        std::vector<std::string> found;
        int arrangements = 0;
        for (const auto& t : surface.texts()) {
            if (t.rfind(blanks(14), 0) == 0 && t.find("）") != std::string::npos && t[14] != ' ') found.push_back(t.substr(14));
            // The bar picked on the screen (list row 5) at the spacing typed there.
            if (t.find("∴ D16,D19-100@  とする") != std::string::npos) ++arrangements;
        }
        EXPECT_EQ(found, headings) << "page " << number;
        EXPECT_EQ(arrangements, int(headings.size())) << "page " << number;
        EXPECT_EQ(surface.texts().front(), "") << "page " << number;
        // W1 = 24×0.4 + 18×1.5 + 5 = 41.6 kN/m2 over the 2.0 m span: C1 = 41.6×4/12 = 13.867.
        if (number == 7) {
            int c1Lines = 0;
            for (const auto& t : surface.texts())
                c1Lines += t == blanks(18) + "C1=(W1･B^2)/12=(41.600×2.000^2)/12=13.867KNm/m";
            EXPECT_EQ(c1Lines, 2);
        }
    }
}

// With a heel, a toe and a key: page 8 ends with the heel, page 9 opens with the toe and
// the key follows it after two empty lines.
TEST_F(SectionPagesProjectTest, KeyFollowsTheToeOnPageNine) {
    fillConditions();
    fillWall();
    choice_input::setDimensionChoices(
        prog, {.shearKey = ShearKey::Present, .surchargeDeduction = SurchargeDeduction::None});
    Form19& key = prog.form<Form19>();
    key.txt1.setText("0.3");
    key.txt2.setText("1.5");
    key.txt3.setText("0.3");
    runChecks();
    ASSERT_EQ(prog.sectionCheckDoneValue(), 1);
    ASSERT_NE(prog.keyHeight, 0.0f);
    plat::RecordingSurface surface;
    prog.outputSurface = &surface;

    report::runWriters(prog, 8);
    auto t = surface.texts();
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(t.end() - 3, t.end()),
              (std::vector<std::string>{blanks(32) + "<τca=0.73N/mm2  ∴ O.K", "", ""}));

    surface.clear();
    report::runWriters(prog, 9);
    t = surface.texts();
    ASSERT_GE(t.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 6),
              (std::vector<std::string>{"", "", "", "", "", blanks(14) + "７）つま先版（固定部）"}));
    const auto heading = std::find(t.begin(), t.end(), blanks(14) + "８）突起部");
    ASSERT_NE(heading, t.end());
    ASSERT_GE(heading - t.begin(), 3);
    EXPECT_EQ(std::vector<std::string>(heading - 3, heading),
              (std::vector<std::string>{blanks(32) + "<τca=0.73N/mm2  ∴ O.K", "", ""}));
    // H0 = 0.3 as typed in the key dialog.
    EXPECT_NE((heading + 2)->find("×0.300^2/2)×10^5="), std::string::npos);
    EXPECT_EQ(t.back(), blanks(32) + "<τca=0.73N/mm2  ∴ O.K");
}

}  // namespace
