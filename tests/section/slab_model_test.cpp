// The base-slab reaction and load model against values worked out independently.
#include <gtest/gtest.h>

#include <vector>

#include "app/forms.h"
#include "common/numbers.h"
#include "section/section_screen.h"
#include "support/choice_input.h"
#include "support/scripted_services.h"

namespace {

constexpr float kKept = -1;  // what an earlier computation left in an ordinate
constexpr float kKeptXn = -7.25f;

struct Base {
    float a, w1, s, w2, h, B;
};

struct ReactionCase {
    const char* name;
    Base base;
    float e, sigmaMax;
    float Xn;                                // kKeptXn: not rewritten
    float VP, V1, V2, V3, V4, V5, VR;        // kKept: not written
};

class SlabModelTest : public ::testing::Test {
protected:
    void SetUp() override { registerForms(prog); }

    void setBase(const Base& b) {
        prog.toeLength = b.a;
        prog.frontWallBottomWidth = b.w1;
        prog.innerSpan = b.s;
        prog.rearWallBottomWidth = b.w2;
        prog.heelLength = b.h;
        prog.baseWidth = b.B;
    }

    // A wall whose rear face and loads can be computed; the reaction is what a test varies.
    void setWall() {
        prog.backSoilHeight = 3.2f;
        prog.slabThickness = 0.5f;
        prog.rearWallUpperHeight = 0.8f;
        prog.rearWallTopWidth = 0.3f;
        prog.rearWallInnerBatter = 0.1f;
    }

    void keepEverything() {
        for (float* v : {&prog.reactionVP, &prog.reactionV1, &prog.reactionV2, &prog.reactionV3, &prog.reactionV4,
                         &prog.reactionV5, &prog.reactionVR})
            *v = kKept;
        prog.neutralAxisXn = kKeptXn;
    }

    ScriptedServices svc;
    Program prog{svc};
};

// Base of 6 m: toe 1, front wall 0.5, span 3, rear wall 0.5, heel 1.
constexpr Base kSix{1, 0.5f, 3, 0.5f, 1, 6};
// No heel and no toe: base of 4 m.
constexpr Base kBare{0, 0.5f, 3, 0.5f, 0, 4};
constexpr Base kOdd{0.75f, 0.45f, 2.9f, 0.55f, 0.7f, 5.35f};

const std::vector<ReactionCase> kReactionCases = {
    {"trapezoid toward the toe", kSix, 0.5f, 100, 9, 100, 88.8888855f, 83.3333359f, 66.6666641f, 50, 44.4444427f,
     33.3333321f},
    {"trapezoid toward the heel", kSix, -0.5f, 100, 9, 33.3333321f, 44.4444427f, 50, 66.6666641f, 83.3333359f,
     88.8888855f, 100},
    {"e = B/6 counts as trapezoid", kSix, 1, 100, 6, 100, 83.3333359f, 75, 50, 25, 16.666666f, 0},
    {"e = -B/6 counts as trapezoid", kSix, -1, 100, 6, 0, 16.666666f, 25, 50, 75, 83.3333359f, 100},
    {"centred resultant: uniform, Xn kept", kSix, 0, 100, kKeptXn, 100, 100, 100, 100, 100, 100, 100},
    {"triangle ending on the heel root", kSix, 1.33333333f, 100, 5, 100, 80, 70, 40, 10, 0, kKept},
    {"triangle ending under the rear wall", kSix, 1.5f, 100, 4.5f, 100, 77.7777786f, 66.6666641f, 33.3333321f, 0,
     kKept, kKept},
    {"triangle ending in the rear half-span", kSix, 1.7f, 100, 3.89999986f, 100, 74.3589706f, 61.5384598f,
     23.0769196f, kKept, kKept, kKept},
    {"triangle ending in the front half-span", kSix, 2.2f, 100, 2.39999986f, 100, 58.3333321f, 37.4999962f, kKept,
     kKept, kKept, kKept},
    {"short triangle writes only Xn", kSix, 2.6f, 100, 1.20000029f, kKept, kKept, kKept, kKept, kKept, kKept, kKept},
    {"triangle toward the heel changes nothing", kSix, -1.5f, 100, kKeptXn, kKept, kKept, kKept, kKept, kKept, kKept,
     kKept},
    {"no heel or toe, trapezoid", kBare, 0.4f, 80, 5.33333349f, 80, 80, 72.5f, 50, 27.5000019f, 20.0000019f,
     20.0000019f},
    {"no heel or toe, trapezoid toward the heel", kBare, -0.4f, 80, 5.33333349f, 20.0000019f, 20.0000019f,
     27.5000019f, 50, 72.5f, 80, 80},
    {"no heel or toe, triangle", kBare, 1, 80, 3, 80, 80, 66.6666641f, 26.666666f, kKept, kKept, kKept},
    {"uneven base toward the toe", kOdd, 0.37f, 123.4f, 9.1215086f, 123.400002f, 113.253654f, 107.165848f,
     87.5495682f, 67.9332962f, 60.4926414f, 51.0227203f},
    {"uneven base toward the heel", kOdd, -0.61f, 123.4f, 6.58517742f, 23.146059f, 37.2003479f, 45.6329231f,
     72.8045502f, 99.976181f, 110.282661f, 123.400002f},
    {"uneven base, triangle on the heel", kOdd, 1.05f, 123.4f, 4.875f, 123.400002f, 104.415382f, 93.0246201f,
     56.3210258f, 19.6174335f, 5.69538212f, kKept},
};

TEST_F(SlabModelTest, GroundReactionByShapeAndEccentricity) {
    setWall();
    Form7& f = prog.form<Form7>();
    for (const ReactionCase& c : kReactionCases) {
        SCOPED_TRACE(c.name);
        setBase(c.base);
        prog.eccentricity = c.e;
        prog.sigmaMax = c.sigmaMax;
        keepEverything();
        f.TEKKIN();
        EXPECT_FLOAT_EQ(prog.neutralAxisXn, c.Xn);
        EXPECT_FLOAT_EQ(prog.reactionVP, c.VP);
        EXPECT_FLOAT_EQ(prog.reactionV1, c.V1);
        EXPECT_FLOAT_EQ(prog.reactionV2, c.V2);
        EXPECT_FLOAT_EQ(prog.reactionV3, c.V3);
        EXPECT_FLOAT_EQ(prog.reactionV4, c.V4);
        EXPECT_FLOAT_EQ(prog.reactionV5, c.V5);
        EXPECT_FLOAT_EQ(prog.reactionVR, c.VR);
    }
}

struct SlabLoadCase {
    const char* name;
    GroundShape shape;  // None: none chosen
    FrontSoilLoad frontSoil;  // None: none chosen
    bool heel, toe;
    float W2, W3, W4, W5;  // kKept: not written
};

TEST_F(SlabModelTest, SlabLoadsByMembersAndGroundShape) {
    constexpr GroundShape kOneSided = GroundShape::OneSided, kSymmetric = GroundShape::Symmetric;
    constexpr FrontSoilLoad kCounted = FrontSoilLoad::Counted, kLeftOut = FrontSoilLoad::LeftOut;
    const std::vector<SlabLoadCase> cases = {
        {"one-sided, front soil included", kOneSided, kCounted, true, true, 74.6500015f, 73.4500046f, 40.0499992f,
         38.5499992f},
        {"one-sided, front soil excluded", kOneSided, kLeftOut, true, true, 74.6500015f, 73.4500046f, 19.7000008f,
         13.5749998f},
        {"one-sided without a front-soil choice", kOneSided, FrontSoilLoad::None, true, true, 74.6500015f, 73.4500046f,
         kKept, kKept},
        {"symmetric", kSymmetric, FrontSoilLoad::None, true, true, 74.6500015f, 73.4500046f, 69.6500015f, 68.1500015f},
        {"no shape chosen", GroundShape::None, FrontSoilLoad::None, true, true, 74.6500015f, 73.4500046f, kKept, kKept},
        {"no heel", kOneSided, kCounted, false, true, kKept, kKept, 40.0499992f, 38.5499992f},
        {"no toe", kSymmetric, FrontSoilLoad::None, true, false, 74.6500015f, 73.4500046f, kKept, kKept},
    };
    for (const SlabLoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServices services;
        Program p(services);
        registerForms(p);
        // Choices first: their own handlers invalidate the stability result.
        choice_input::setDesignChoices(p, {.groundShape = c.shape});
        choice_input::setDimensionChoices(p, {.frontSoil = c.frontSoil, .surchargeDeduction = SurchargeDeduction::None});
        p.concreteUnitWeight = 24.5f;
        p.soilUnitWeight = 18.5f;
        p.slabThickness = 0.6f;
        p.centralFillDepth = 1.3f;
        p.surchargeCentre = 7;
        p.heelLength = c.heel ? 0.8f : 0;
        p.backSoilAboveSlab = 2.7f;
        p.surchargeBack = 10;
        p.heelTaper = 0.2f;
        p.heelEndThickness = 0.4f;
        p.toeLength = c.toe ? 0.9f : 0;
        p.frontSoilAboveSlab = 1.1f;
        p.surchargeFront = 5;
        p.toeTaper = 0.25f;
        p.toeEndThickness = 0.35f;
        p.baseWidth = 6;
        p.sigmaMax = 100;
        p.backSoilHeight = 3.2f;
        p.rearWallUpperHeight = 0.8f;
        p.slabLoadW1 = p.slabLoadW2 = p.slabLoadW3 = p.slabLoadW4 = p.slabLoadW5 = kKept;
        p.form<Form7>().TEKKIN();
        EXPECT_FLOAT_EQ(p.slabLoadW1, 45.75f);
        EXPECT_FLOAT_EQ(p.slabLoadW2, c.W2);
        EXPECT_FLOAT_EQ(p.slabLoadW3, c.W3);
        EXPECT_FLOAT_EQ(p.slabLoadW4, c.W4);
        EXPECT_FLOAT_EQ(p.slabLoadW5, c.W5);
    }
}

TEST_F(SlabModelTest, SlabLoadBetweenTheWalls) {
    setWall();
    setBase(kSix);
    prog.concreteUnitWeight = 24.5f;
    prog.slabThickness = 0.5f;
    prog.soilUnitWeight = 18;
    prog.centralFillDepth = 2;
    prog.surchargeCentre = 10;
    prog.form<Form7>().TEKKIN();
    EXPECT_FLOAT_EQ(prog.slabLoadW1, 58.25f);
}

TEST_F(SlabModelTest, RearFaceAngle) {
    setBase(kSix);
    setWall();
    prog.rearWallBottomWidth = 0.6f;
    prog.form<Form7>().TEKKIN();
    EXPECT_FLOAT_EQ(prog.rearFaceThetaRad, 0.0570807829f);
    EXPECT_FLOAT_EQ(prog.rearFaceTheta, 3.27049065f);

    // A rear wall without an outer batter stands upright.
    prog.rearWallBottomWidth = 0.5f;
    prog.rearWallTopWidth = 0.25f;
    prog.rearWallInnerBatter = 0.25f;
    prog.form<Form7>().TEKKIN();
    EXPECT_EQ(prog.rearFaceThetaRad, 0.0f);
    EXPECT_EQ(prog.rearFaceTheta, 0.0f);
}

TEST_F(SlabModelTest, FaultStopsAtItsStepAndKeepsTheRest) {
    Form7& f = prog.form<Form7>();
    setWall();
    setBase(kSix);
    prog.sigmaMax = 100;
    prog.eccentricity = 0.5f;
    keepEverything();
    prog.slabLoadW1 = kKept;
    prog.rearFaceTheta = kKept;

    // No base: nothing can be computed, nothing changes.
    prog.baseWidth = 0;
    EXPECT_THROW(f.TEKKIN(), num::CalcFault);
    EXPECT_EQ(prog.neutralAxisXn, kKeptXn);
    EXPECT_EQ(prog.reactionVP, kKept);
    EXPECT_EQ(prog.slabLoadW1, kKept);
    EXPECT_EQ(prog.rearFaceTheta, kKept);

    // A rear wall of no height: the reaction and loads are in, the angle keeps its value.
    prog.baseWidth = 6;
    prog.backSoilHeight = 0.5f;
    prog.rearWallUpperHeight = 0;
    EXPECT_THROW(f.TEKKIN(), num::CalcFault);
    EXPECT_FLOAT_EQ(prog.neutralAxisXn, 9);
    EXPECT_FLOAT_EQ(prog.reactionVR, 33.3333321f);
    EXPECT_NE(prog.slabLoadW1, kKept);
    EXPECT_EQ(prog.rearFaceTheta, kKept);
}

}  // namespace
