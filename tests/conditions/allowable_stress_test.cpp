// Design-condition values and allowable stresses read by HENSUU. Expected values were
// worked out by hand in single precision, independently of the code.
#include <gtest/gtest.h>

#include "app/forms.h"
#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "conditions/seismic_dialog.h"
#include "support/choice_input.h"
#include "support/scripted_services.h"

namespace {

struct AllowableStress : ::testing::Test {
    ScriptedServices svc;
    Program prog{svc};
    Form3* f = nullptr;

    void SetUp() override {
        registerForms(prog);
        f = &prog.form<Form3>();
    }
    void standard(char which) {
        choice_input::setDesignChoices(prog, {which == 'T' ? Standard::Building : Standard::Road});
    }
};

struct StressCase {
    char standard;  // 'T' building, 'D' road
    const char* fc;
    float kh;
    float concreteLong, concreteShort, shearLong, shearShort, bondLong, bondShort, bearingShort;
};

// Bearing long term is 100 in every case.
const StressCase kCases[] = {
    // Building: Kh at, just above and below the two limits.
    {'T', "24", 0.2f, 8.0f, 16.0f, 0.730000019f, 1.09500003f, 1.53999996f, 2.30999994f, 200.0f},
    {'T', "24", 0.2000001f, 8.0f, 24.0f, 0.730000019f, 2.19000006f, 1.53999996f, 2.30999994f, 200.0f},
    {'T', "24", 0.24f, 8.0f, 24.0f, 0.730000019f, 2.19000006f, 1.53999996f, 2.30999994f, 200.0f},
    {'T', "24", 0.25f, 8.0f, 24.0f, 0.730000019f, 2.19000006f, 1.53999996f, 2.30999994f, 300.0f},
    {'T', "24", 0.2500001f, 8.0f, 24.0f, 0.730000019f, 2.19000006f, 1.53999996f, 2.30999994f, 300.0f},
    // Fc = 18: the other candidate is the smaller one (Fc / 30 and Fc / 15).
    {'T', "18", 0.0f, 6.0f, 12.0f, 0.600000024f, 0.900000036f, 1.20000005f, 1.80000007f, 200.0f},
    // Road: the bands of σck, the Kh limit 0.2, the bearing always 1.5 qa.
    {'D', "21", 0.2f, 7.0f, 10.5f, 0.360000014f, 0.540000021f, 1.39999998f, 2.0999999f, 150.0f},
    {'D', "23.99", 0.0f, 7.99666643f, 11.9949999f, 0.360000014f, 0.540000021f, 1.39999998f, 2.0999999f, 150.0f},
    {'D', "24", 0.204f, 8.0f, 24.0f, 0.389999986f, 1.16999996f, 1.60000002f, 2.4000001f, 150.0f},
    {'D', "27", 0.3f, 9.0f, 27.0f, 0.419999987f, 1.25999999f, 1.70000005f, 2.55000019f, 150.0f},
    {'D', "29.99", 0.0f, 9.99666691f, 14.9950008f, 0.419999987f, 0.629999995f, 1.70000005f, 2.55000019f, 150.0f},
    {'D', "30", 0.0f, 10.0f, 15.0f, 0.449999988f, 0.674999952f, 1.79999995f, 2.69999981f, 150.0f},
};

TEST_F(AllowableStress, LongAndShortTermByStandardAndSeismicCoefficient) {
    for (const StressCase& c : kCases) {
        SCOPED_TRACE(std::string(1, c.standard) + " Fc=" + c.fc + " Kh=" + std::to_string(c.kh));
        standard(c.standard);
        f->txt2.setText(c.fc);
        f->txt4.setText("100");
        prog.seismicKh = c.kh;
        f->HENSUU();
        EXPECT_EQ(prog.allowConcreteLong, c.concreteLong);
        EXPECT_EQ(prog.allowConcreteShort, c.concreteShort);
        EXPECT_EQ(prog.allowShearLong, c.shearLong);
        EXPECT_EQ(prog.allowShearShort, c.shearShort);
        EXPECT_EQ(prog.allowBondLong, c.bondLong);
        EXPECT_EQ(prog.allowBondShort, c.bondShort);
        EXPECT_EQ(prog.allowBearingShort, c.bearingShort);
    }
}

TEST_F(AllowableStress, BuildingCandidatesAreKept) {
    standard('T');
    f->txt2.setText("24");
    f->HENSUU();
    EXPECT_EQ(prog.allowShearCandidate1, 0.800000012f);
    EXPECT_EQ(prog.allowShearCandidate2, 0.730000019f);
    EXPECT_EQ(prog.allowBondCandidate1, 1.60000002f);
    EXPECT_EQ(prog.allowBondCandidate2, 1.53999996f);
}

TEST_F(AllowableStress, LoadCaseChoosesTheSetInForce) {
    standard('T');
    f->txt2.setText("24");
    f->txt3.setText("200");
    f->txt13.setText("300");
    f->txt4.setText("100");
    prog.seismicKh = 0.2f;

    f->opt3.setValue(true);
    f->HENSUU();
    EXPECT_EQ(prog.allowConcrete, 8.0f);
    EXPECT_EQ(prog.allowShear, 0.730000019f);
    EXPECT_EQ(prog.rebarAllow, 200.0f);
    EXPECT_EQ(prog.allowBond, 1.53999996f);
    EXPECT_EQ(prog.allowBearing, 100.0f);

    f->opt4.setValue(true);
    f->HENSUU();
    EXPECT_EQ(prog.allowConcrete, 16.0f);
    EXPECT_EQ(prog.allowShear, 1.09500003f);
    EXPECT_EQ(prog.rebarAllow, 300.0f);
    EXPECT_EQ(prog.allowBond, 2.30999994f);
    EXPECT_EQ(prog.allowBearing, 200.0f);

    // No load case: the set in force keeps the seismic values although Fc changed.
    f->opt4.setValue(false);
    f->txt2.setText("30");
    f->HENSUU();
    EXPECT_EQ(prog.allowConcreteLong, 10.0f);
    EXPECT_EQ(prog.allowConcrete, 16.0f);
    EXPECT_EQ(prog.rebarAllow, 300.0f);
}

TEST_F(AllowableStress, RoadStrengthBelowTheBandsKeepsShearAndBond) {
    standard('D');
    f->txt2.setText("24");
    f->HENSUU();
    f->txt2.setText("20");
    f->HENSUU();
    EXPECT_EQ(prog.allowShearLong, 0.389999986f);
    EXPECT_EQ(prog.allowBondLong, 1.60000002f);
    EXPECT_EQ(prog.allowConcreteLong, num::store(20.0 / 3));
}

TEST_F(AllowableStress, NoStandardKeepsDerivedValuesButReadsTheBoxes) {
    standard('T');
    f->txt2.setText("24");
    f->txt4.setText("100");
    f->HENSUU();
    f->opt_T.setValue(false);
    f->txt2.setText("36");
    f->txt4.setText("150");
    f->HENSUU();
    EXPECT_EQ(prog.concreteStrength, 36.0f);
    EXPECT_EQ(prog.allowBearingLong, 150.0f);
    EXPECT_EQ(prog.allowConcreteLong, 8.0f);
    EXPECT_EQ(prog.allowShearLong, 0.730000019f);
    EXPECT_EQ(prog.allowBearingShort, 200.0f);
}

TEST_F(AllowableStress, ReadsEveryBoxByLeadingNumber) {
    f->txt1.setText("東京都");
    f->txt5.setText(" 1 8.5kN");
    f->txt6.setText("abc");
    f->txt8.setText("30,5");
    f->txt10.setText("20");
    f->txt11.setText("35");
    f->txt9.setText("0.6");
    f->txt12.setText("15");
    f->opt7.setValue(true);  // the cohesion considered: its box is read
    f->txt14.setText("10");
    f->txt15.setText("0.297");
    f->cbo1.setText("砂質土");
    f->cbo2.setText("岩");
    prog.groundSlope = 5;
    f->HENSUU();
    EXPECT_EQ(prog.siteName, "東京都");
    EXPECT_EQ(prog.soilUnitWeight, 18.5f);
    EXPECT_EQ(prog.concreteUnitWeight, 0.0f);
    EXPECT_EQ(prog.backfillPhi, 30.0f);
    EXPECT_EQ(prog.deltaStability, 20.0f);
    EXPECT_EQ(prog.foundationPhi, 35.0f);
    EXPECT_EQ(prog.baseFriction, 0.6f);
    EXPECT_EQ(prog.deltaSection, 15.0f);
    EXPECT_EQ(prog.foundationCohesion, 10.0f);
    EXPECT_EQ(prog.activeCoefficient, 0.297f);
    EXPECT_EQ(prog.backfillSoilType, "砂質土");
    EXPECT_EQ(prog.foundationSoilType, "岩");
    EXPECT_EQ(prog.groundSlope, 0.0f);
}

TEST_F(AllowableStress, NumberTooLargeForSinglePrecisionStopsTheCalculation) {
    standard('T');
    f->txt2.setText("24");
    f->HENSUU();
    f->txt2.setText("1e39");
    EXPECT_THROW(f->HENSUU(), num::CalcFault);
    EXPECT_EQ(prog.allowConcreteLong, 8.0f);
}

// Kh comes from the seismic dialog: typed under the building standard, Cz × Kho under
// the road standard; the limits see the stored single.
TEST_F(AllowableStress, SeismicCoefficientFromTheDialogUnderBothStandards) {
    f->txt2.setText("24");
    f->txt4.setText("100");
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Seismic});

    standard('D');
    Form25& dialog = prog.form<Form25>();
    dialog.Text1.setText("0.24");
    dialog.Text2.setText("0");
    dialog.opt_B.setValue(true);
    dialog.Jisin();
    EXPECT_EQ(prog.seismicKh, 0.204f);
    f->HENSUU();
    EXPECT_EQ(prog.allowConcrete, 24.0f);  // (1.5 L) × 2 above 0.2
    EXPECT_EQ(prog.allowBearing, 150.0f);

    dialog.opt_C.setValue(true);
    dialog.Jisin();
    EXPECT_EQ(prog.seismicKh, 0.168f);
    f->HENSUU();
    EXPECT_EQ(prog.allowConcrete, 12.0f);

    standard('T');
    dialog.Text1.setText("0.25");
    dialog.Jisin();
    EXPECT_EQ(prog.seismicKh, 0.25f);
    f->HENSUU();
    EXPECT_EQ(prog.allowConcrete, 24.0f);
    EXPECT_EQ(prog.allowBearing, 300.0f);
}

}  // namespace
