// The stability calculation against walls worked out independently, value by value.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/forms.h"
#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/choice_input.h"
#include "support/screen_input.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

struct Design {
    float gs, gc, KA, delta, mu, C, phiB, Kh;
};

// Values of the program by name, each with the value worked out for it.
using Expected = std::vector<std::pair<const char*, double>>;

struct WallCase {
    const char* name;
    screen_input::Texts texts;  // dimension screen boxes typed over the common wall
    GroundShape shape;
    Standard standard;
    LoadCase load;
    SeismicMethod method;
    VerticalEarthPressureComponent vertical;
    FrontSoilLoad frontSoil;
    SurchargeDeduction deduction;
    bool key;
    const char* keyTexts[3];
    int effectiveArea;  // 0 none, 4 deduct, 5 no deduction
    int inertia;        // seismic dialog chk1
    float inertiaHeight;
    Design design;
    bool outsideBase;
    Expected expected;
};

// The value of the program named as the calculation report names it ("partX[3]").
double actual(const Program& p, const std::string& name) {
    static const std::map<std::string, const float StabilityValues::*> scalars = {
        {"baseWidth", &StabilityValues::baseWidth},
        {"frontWallOuterBatter", &StabilityValues::frontWallOuterBatter},
        {"rearWallOuterBatter", &StabilityValues::rearWallOuterBatter},
        {"toeTaper", &StabilityValues::toeTaper},
        {"heelTaper", &StabilityValues::heelTaper},
        {"frontSoilAboveSlab", &StabilityValues::frontSoilAboveSlab},
        {"backSoilAboveSlab", &StabilityValues::backSoilAboveSlab},
        {"frontWallUpperHeight", &StabilityValues::frontWallUpperHeight},
        {"frontSoilHeight", &StabilityValues::frontSoilHeight},
        {"surchargeFront", &StabilityValues::surchargeFront},
        {"keyHeight", &StabilityValues::keyHeight},
        {"keyPosition", &StabilityValues::keyPosition},
        {"keyWidth", &StabilityValues::keyWidth},
        {"sumW", &StabilityValues::sumW},
        {"sumWx", &StabilityValues::sumWx},
        {"sumWy", &StabilityValues::sumWy},
        {"earthPressurePA", &StabilityValues::earthPressurePA},
        {"earthPressurePAX", &StabilityValues::earthPressurePAX},
        {"earthPressurePAY", &StabilityValues::earthPressurePAY},
        {"surchargePressureDeltaPA", &StabilityValues::surchargePressureDeltaPA},
        {"surchargePressureDeltaPAX", &StabilityValues::surchargePressureDeltaPAX},
        {"surchargePressureDeltaPAY", &StabilityValues::surchargePressureDeltaPAY},
        {"surchargeLoadBack", &StabilityValues::surchargeLoadBack},
        {"surchargeLoadCentre", &StabilityValues::surchargeLoadCentre},
        {"surchargeLoadFront", &StabilityValues::surchargeLoadFront},
        {"verticalLoadPAY", &StabilityValues::verticalLoadPAY},
        {"verticalLoadDeltaPAY", &StabilityValues::verticalLoadDeltaPAY},
        {"surchargeLoadBackX", &StabilityValues::surchargeLoadBackX},
        {"surchargeLoadCentreX", &StabilityValues::surchargeLoadCentreX},
        {"surchargeLoadFrontX", &StabilityValues::surchargeLoadFrontX},
        {"verticalLoadPAYX", &StabilityValues::verticalLoadPAYX},
        {"verticalLoadDeltaPAYX", &StabilityValues::verticalLoadDeltaPAYX},
        {"sumV", &StabilityValues::sumV},
        {"sumH", &StabilityValues::sumH},
        {"momentResisting", &StabilityValues::momentResisting},
        {"momentOverturning", &StabilityValues::momentOverturning},
        {"overturningSafetyFactor", &StabilityValues::overturningSafetyFactor},
        {"resultantPosition", &StabilityValues::resultantPosition},
        {"eccentricity", &StabilityValues::eccentricity},
        {"sigmaMax", &StabilityValues::sigmaMax},
        {"sigmaMin", &StabilityValues::sigmaMin},
        {"neutralAxisXn", &StabilityValues::neutralAxisXn},
        {"effectiveArea", &StabilityValues::effectiveArea},
        {"slidingResistance", &StabilityValues::slidingResistance},
        {"slidingSafetyFactor", &StabilityValues::slidingSafetyFactor},
        {"keyWedgeLength", &StabilityValues::keyWedgeLength},
        {"keySigma1", &StabilityValues::keySigma1},
        {"keySigma2", &StabilityValues::keySigma2},
        {"keySigma0", &StabilityValues::keySigma0},
        {"keyPassivePressure", &StabilityValues::keyPassivePressure},
        {"keyNormalLoadW1", &StabilityValues::keyNormalLoadW1},
        {"slidingSafetyFactorWithKey", &StabilityValues::slidingSafetyFactorWithKey},
    };
    if (name == "keyShearResistanceHk") return p.keyShearResistanceHk;
    size_t bracket = name.find('[');
    if (bracket != std::string::npos) {
        std::string array = name.substr(0, bracket);
        int index = std::stoi(name.substr(bracket + 1));
        if (array == "partArea") return p.partArea[index];
        if (array == "partX") return p.partX[index];
        if (array == "partY") return p.partY[index];
        if (array == "subArea") return p.subArea[index];
        if (array == "subAreaX") return p.subAreaX[index];
        ADD_FAILURE() << "unknown array " << array;
        return 0;
    }
    auto it = scalars.find(name);
    if (it == scalars.end()) {
        ADD_FAILURE() << "unknown value " << name;
        return 0;
    }
    return p.*(it->second);
}

// Within a few units in the last place of a single.
::testing::AssertionResult closeAsSingle(const std::string& name, double expected, double actual) {
    const double tolerance = 4 * std::fabs(std::nextafter(float(expected), INFINITY) - float(expected)) + 1e-12;
    if (std::fabs(expected - actual) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << ": expected " << expected << ", got " << actual;
}

class EngineTest : public ::testing::Test {
protected:
    ScriptedServices svc;
    Program prog{svc};
    void SetUp() override { registerForms(prog); }

    // Sets up every choice and field of the case, choices first: choosing them runs
    // their handlers, which clear results and reset the shear key.
    void enter(const WallCase& c) {
        choice_input::setDesignChoices(prog, {c.standard, c.load, c.shape, c.method});
        if (c.load == LoadCase::None) {
            Form3& conditions = prog.form<Form3>();
            conditions.opt3.setValue(false);
            conditions.opt4.setValue(false);
        }

        screen_input::typeWall(prog.form<Form4>(), c.texts);
        choice_input::setDimensionChoices(
            prog, {c.frontSoil, c.vertical, c.key ? ShearKey::Present : ShearKey::Absent, c.deduction});
        if (c.key) {
            ShearKeyDialog& dialog =
                c.standard == Standard::Building ? static_cast<ShearKeyDialog&>(prog.form<Form19>())
                                                 : static_cast<ShearKeyDialog&>(prog.form<Form26>());
            dialog.txt1.setText(c.keyTexts[0]);
            dialog.txt2.setText(c.keyTexts[1]);
            dialog.txt3.setText(c.keyTexts[2]);
        }
        if (c.load == LoadCase::Seismic) {
            Form21& methods = prog.form<Form21>();
            if (c.effectiveArea == 4) methods.opt7.setValue(true);
            if (c.effectiveArea == 5) methods.opt8.setValue(true);
            methods.chk1.setValue(c.inertia);
        } else {
            Form14& methods = prog.form<Form14>();
            if (c.effectiveArea == 4) methods.opt4.setValue(true);
            if (c.effectiveArea == 5) methods.opt5.setValue(true);
        }
        prog.surchargeInertiaHeight = c.inertiaHeight;
        prog.soilUnitWeight = c.design.gs;
        prog.concreteUnitWeight = c.design.gc;
        prog.activeCoefficient = c.design.KA;
        prog.deltaStability = c.design.delta;
        prog.baseFriction = c.design.mu;
        prog.foundationCohesion = c.design.C;
        prog.foundationPhi = c.design.phiB;
        prog.seismicKh = c.design.Kh;
    }
};

// The expected values of a case, from the groups it shares with other cases and its own.
Expected joined(std::initializer_list<Expected> groups) {
    Expected all;
    for (const Expected& group : groups) all.insert(all.end(), group.begin(), group.end());
    return all;
}

// The common wall (the dimension screen's boxes as typed, the back surcharge q1 aside):
// its shape, its parts and their centroids, its own weight and the surcharges in the
// centre and in front with their arms. Neither the earth pressure, the load case, the
// key nor q1 changes them.
const Expected kCommonWallShape = {
    {"frontWallUpperHeight", 0.5},
    {"frontSoilHeight", 1.2000000476837158},
    {"surchargeFront", 3.0},
    {"baseWidth", 4.0},
    {"frontWallOuterBatter", 0.04999997466802597},
    {"rearWallOuterBatter", 0.04999997466802597},
    {"toeTaper", 0.09999999403953552},
    {"heelTaper", 0.09999999403953552},
    {"frontSoilAboveSlab", 0.8000000715255737},
    {"backSoilAboveSlab", 2.0999999046325684},
    {"surchargeLoadCentre", 11.15384578704834},
    {"surchargeLoadFront", 1.592307686805725},
    {"sumW", 158.69985961914062},
    {"surchargeLoadBackX", 3.6781249046325684},
    {"surchargeLoadCentreX", 1.9499999284744263},
    {"surchargeLoadFrontX", 0.26538461446762085},
    {"verticalLoadPAYX", 4.0},
    {"partArea[1]", 0.6675000190734863},
    {"partX[1]", 0.7164794206619263},
    {"partArea[2]", 1.0799999237060547},
    {"partX[2]", 3.1847221851348877},
    {"partArea[3]", 0.800000011920929},
    {"partX[3]", 1.9500000476837158},
    {"partArea[4]", 0.21000000834465027},
    {"partX[4]", 3.6857142448425293},
    {"partArea[5]", 0.17500001192092896},
    {"partX[5]", 0.261904776096344},
    {"partArea[6]", 3.133413553237915},
    {"partX[6]", 1.9365911483764648},
    {"partArea[7]", 1.3359375},
    {"partX[7]", 3.6914284229278564},
    {"partArea[8]", 0.4373077154159546},
    {"partX[8]", 0.25256070494651794},
    {"sumWx", 351.1239013671875},
};

// The heights of the common wall's parts and ΣW·y, which the seismic methods K2 and D1 work with.
const Expected kCommonWallHeights = {
    {"partY[1]", 0.789138674736023},
    {"partY[2]", 1.2999999523162842},
    {"partY[3]", 0.20000000298023224},
    {"partY[4]", 0.17619048058986664},
    {"partY[5]", 0.17619048058986664},
    {"partY[6]", 1.1606444120407104},
    {"partY[7]", 1.437707543373108},
    {"partY[8]", 0.7789798378944397},
    {"sumWy", 157.97216796875},
};

// The heel-side triangle wall with a key (base 3.0 m, the key at 2.5 m, C 4 kN/m2): the
// resultant stands in the heel-side third and the pressure is a triangle. Its values are
// the same under either standard but the sliding checks, which each standard makes its
// own way and which the case gives.
WallCase heelSideTriangleKey(const char* name, Standard standard, int effectiveArea, const Expected& sliding) {
    // Everything but the sliding checks.
    const Expected shared = {
        {"frontWallUpperHeight", 0.30000001192092896},
        {"frontSoilHeight", 0.5},
        {"surchargeFront", 0.0},
        {"baseWidth", 3.0},
        {"frontWallOuterBatter", 0.0},
        {"rearWallOuterBatter", 0.0},
        {"toeTaper", 0.30000001192092896},
        {"heelTaper", 0.30000001192092896},
        {"frontSoilAboveSlab", 0.19999998807907104},
        {"backSoilAboveSlab", 0.699999988079071},
        {"keyHeight", 0.30000001192092896},
        {"keyPosition", 2.5},
        {"keyWidth", 0.30000001192092896},
        {"surchargeLoadBack", 0.0},
        {"surchargeLoadCentre", 0.0},
        {"surchargeLoadFront", 0.0},
        {"verticalLoadPAY", 0.6156358122825623},
        {"verticalLoadDeltaPAY", 0.0},
        {"earthPressurePA", 1.8000000715255737},
        {"earthPressurePAX", 1.6914470195770264},
        {"earthPressurePAY", 0.6156358122825623},
        {"surchargePressureDeltaPA", 0.0},
        {"surchargePressureDeltaPAX", 0.0},
        {"surchargePressureDeltaPAY", 0.0},
        {"sumW", 152.63999938964844},
        {"sumV", 153.25563049316406},
        {"surchargeLoadCentreX", 1.2000000476837158},
        {"verticalLoadPAYX", 3.0},
        {"partArea[1]", 0.1600000113248825},
        {"partX[1]", 0.10000000149011612},
        {"partY[1]", 0.0},
        {"partArea[2]", 5.599999904632568},
        {"partX[2]", 2.5999999046325684},
        {"partY[2]", 0.0},
        {"partArea[3]", 0.6000000238418579},
        {"partX[3]", 1.2000000476837158},
        {"partY[3]", 0.0},
        {"partArea[4]", 0.0},
        {"partX[4]", 0.0},
        {"partY[4]", 0.0},
        {"partArea[5]", 0.0},
        {"partX[5]", 0.0},
        {"partY[5]", 0.0},
        {"partArea[6]", 0.0},
        {"partX[6]", 0.0},
        {"partY[6]", 0.0},
        {"partArea[7]", 0.0},
        {"partX[7]", 0.0},
        {"partY[7]", 0.0},
        {"partArea[8]", 0.0},
        {"partX[8]", 0.0},
        {"partY[8]", 0.0},
        {"sumWx", 367.1039733886719},
        {"momentResisting", 368.9508972167969},
        {"momentOverturning", 0.5638156533241272},
        {"overturningSafetyFactor", 654.3821411132812},
        {"resultantPosition", 2.403742551803589},
        {"eccentricity", -0.9037425518035889},
        {"sigmaMin", 0.0},
        {"sigmaMax", 171.3528594970703},
        {"neutralAxisXn", 1.7887723445892334},
        {"sumH", 1.6914470195770264},
        {"keyWedgeLength", 0.5196142196655273},
        {"keySigma1", 73.68038940429688},
        {"keySigma2", 123.45608520507812},
        {"keySigma0", 98.5682373046875},
        {"keyPassivePressure", 295.7034912109375},
    };
    return {
        .name = name,
        .texts = {
            {"txt3", "0.3"},
            {"txt4", "0.5"},
            {"txt5", "1.0"},
            {"txt6", "6.0"},
            {"txt7", "0.2"},
            {"txt8", "0"},
            {"txt9", "0.8"},
            {"txt10", "0"},
            {"txt12", "0"},
            {"txt13", "0.2"},
            {"txt15", "0.8"},
            {"txt16", "0"},
            {"txt17", "0.3"},
            {"txt18", "0"},
            {"txt19", "0"},
            {"txt20", "0"},
            {"txt21", "0"},
            {"txt22", "0"},
            {"txt23", "0"},
        },
        .shape = GroundShape::OneSided,
        .standard = standard,
        .load = LoadCase::Normal,
        .method = SeismicMethod::None,
        .vertical = VerticalEarthPressureComponent::Counted,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Off,
        .key = true,
        .keyTexts = {"0.3", "2.5", "0.3"},
        .effectiveArea = effectiveArea,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.2f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 4.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = joined({shared, sliding}),
    };
}

// Worked out from the formulas of the calculation report, each stored value rounded to
// single precision.
const std::vector<WallCase> kWalls = {
    {
        .name = "OneSidedNormalBuilding",
        .texts = {},
        .shape = GroundShape::OneSided,
        .standard = Standard::Building,
        .load = LoadCase::Normal,
        .method = SeismicMethod::None,
        .vertical = VerticalEarthPressureComponent::Counted,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Off,
        .key = false,
        .keyTexts = {"0", "0", "0"},
        .effectiveArea = 0,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.333f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 0.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = joined({kCommonWallShape, {
            {"surchargeLoadBack", 6.4375},
            {"verticalLoadPAY", 6.406459808349609},
            {"verticalLoadDeltaPAY", 2.8473153114318848},
            {"earthPressurePA", 18.731250762939453},
            {"earthPressurePAX", 17.601619720458984},
            {"earthPressurePAY", 6.406459808349609},
            {"surchargePressureDeltaPA", 8.324999809265137},
            {"surchargePressureDeltaPAX", 7.822941780090332},
            {"surchargePressureDeltaPAY", 2.8473153114318848},
            {"sumV", 187.1372833251953},
            {"subArea[1]", 0.39000004529953003},
            {"subAreaX[1]", 0.19999998807907104},
            {"subArea[2]", 0.0650000050663948},
            {"subAreaX[2]", 0.38333332538604736},
            {"subArea[3]", 0.03249998390674591},
            {"subAreaX[3]", 0.03333331644535065},
            {"subArea[4]", 0.17999999225139618},
            {"subAreaX[4]", 0.22499999403953552},
            {"subArea[5]", 0.7200000286102295},
            {"subAreaX[5]", 0.25},
            {"subArea[6]", 0.11999999731779099},
            {"subAreaX[6]", 0.06666667014360428},
            {"subArea[7]", 0.059999968856573105},
            {"subAreaX[7]", 0.4166666865348816},
            {"subArea[8]", 0.17999999225139618},
            {"subAreaX[8]", 0.22499999403953552},
            {"subArea[9]", 0.800000011920929},
            {"subAreaX[9]", 1.0},
            {"subArea[10]", 0.18000000715255737},
            {"subAreaX[10]", 0.30000001192092896},
            {"subArea[11]", 0.029999999329447746},
            {"subAreaX[11]", 0.4000000059604645},
            {"subArea[12]", 0.15000000596046448},
            {"subAreaX[12]", 0.25},
            {"subArea[13]", 0.02499999850988388},
            {"subAreaX[13]", 0.3333333432674408},
            {"subArea[14]", 3.0},
            {"subAreaX[14]", 1.0},
            {"subArea[15]", 0.08653845638036728},
            {"subAreaX[15]", -0.038461536169052124},
            {"subArea[16]", 0.0468750037252903},
            {"subAreaX[16]", 2.0208332538604736},
            {"subArea[17]", 1.2599999904632568},
            {"subAreaX[17]", 0.30000001192092896},
            {"subArea[18]", 0.40000003576278687},
            {"subAreaX[18]", 0.25},
            {"subArea[19]", 0.02499999850988388},
            {"subAreaX[19]", 0.1666666716337204},
            {"subArea[20]", 0.012307687662541866},
            {"subAreaX[20]", 0.5102564096450806},
            {"verticalLoadDeltaPAYX", 4.0},
            {"partY[1]", 0.0},
            {"partY[2]", 0.0},
            {"partY[3]", 0.0},
            {"partY[4]", 0.0},
            {"partY[5]", 0.0},
            {"partY[6]", 0.0},
            {"partY[7]", 0.0},
            {"partY[8]", 0.0},
            {"momentResisting", 433.989501953125},
            {"momentOverturning", 24.446693420410156},
            {"overturningSafetyFactor", 17.752483367919922},
            {"resultantPosition", 2.1884617805480957},
            {"eccentricity", -0.1884617805480957},
            {"sigmaMax", 60.00990676879883},
            {"sigmaMin", 33.55873489379883},
            {"neutralAxisXn", 9.074820518493652},
            {"sumH", 25.424560546875},
            {"slidingResistance", 93.56864166259766},
            {"slidingSafetyFactor", 3.680246114730835},
        }}),
    },
    {
        .name = "CohesionNoDeductKeyBuilding",
        .texts = {},
        .shape = GroundShape::OneSided,
        .standard = Standard::Building,
        .load = LoadCase::Normal,
        .method = SeismicMethod::None,
        .vertical = VerticalEarthPressureComponent::Counted,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Off,
        .key = true,
        .keyTexts = {"0.3", "1.5", "0.3"},
        .effectiveArea = 5,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.333f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 10.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = joined({kCommonWallShape, {
            {"keyHeight", 0.30000001192092896},
            {"keyPosition", 1.5},
            {"keyWidth", 0.30000001192092896},
            {"surchargeLoadBack", 6.4375},
            {"verticalLoadPAY", 6.406459808349609},
            {"verticalLoadDeltaPAY", 2.8473153114318848},
            {"earthPressurePA", 18.731250762939453},
            {"earthPressurePAX", 17.601619720458984},
            {"earthPressurePAY", 6.406459808349609},
            {"surchargePressureDeltaPA", 8.324999809265137},
            {"surchargePressureDeltaPAX", 7.822941780090332},
            {"surchargePressureDeltaPAY", 2.8473153114318848},
            {"sumV", 187.1372833251953},
            {"verticalLoadDeltaPAYX", 4.0},
            {"partY[1]", 0.0},
            {"partY[2]", 0.0},
            {"partY[3]", 0.0},
            {"partY[4]", 0.0},
            {"partY[5]", 0.0},
            {"partY[6]", 0.0},
            {"partY[7]", 0.0},
            {"partY[8]", 0.0},
            {"momentResisting", 433.989501953125},
            {"momentOverturning", 24.446693420410156},
            {"overturningSafetyFactor", 17.752483367919922},
            {"resultantPosition", 2.1884617805480957},
            {"eccentricity", -0.1884617805480957},
            {"sigmaMax", 60.00990676879883},
            {"sigmaMin", 33.55873489379883},
            {"neutralAxisXn", 9.074820518493652},
            {"sumH", 25.424560546875},
            {"effectiveArea", 3.6230764389038086},
            {"slidingResistance", 133.56863403320312},
            {"slidingSafetyFactor", 5.253527641296387},
            {"keyWedgeLength", 0.5196142196655273},
            {"keySigma1", 40.04182434082031},
            {"keySigma2", 43.47792434692383},
            {"keySigma0", 41.75987243652344},
            {"keyPassivePressure", 125.27910614013672},
            {"keyNormalLoadW1", 165.43826293945312},
            {"slidingSafetyFactorWithKey", 6.305039882659912},
        }}),
    },
    {
        .name = "SeismicK2InertiaRoadKey",
        .texts = {},
        .shape = GroundShape::OneSided,
        .standard = Standard::Road,
        .load = LoadCase::Seismic,
        .method = SeismicMethod::K2,
        .vertical = VerticalEarthPressureComponent::Counted,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Off,
        .key = true,
        .keyTexts = {"0.4", "2.0", "0.4"},
        .effectiveArea = 4,
        .inertia = 1,
        .inertiaHeight = 2.8f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.333f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 5.0f,
            .phiB = 30.0f,
            .Kh = 0.25f,
        },
        .outsideBase = false,
        .expected = joined({kCommonWallShape, kCommonWallHeights, {
            {"keyHeight", 0.4000000059604645},
            {"keyPosition", 2.0},
            {"keyWidth", 0.4000000059604645},
            {"surchargeLoadBack", 6.4375},
            {"verticalLoadPAY", 6.406459808349609},
            {"verticalLoadDeltaPAY", 2.8473153114318848},
            {"earthPressurePA", 18.731250762939453},
            {"earthPressurePAX", 17.601619720458984},
            {"earthPressurePAY", 6.406459808349609},
            {"surchargePressureDeltaPA", 8.324999809265137},
            {"surchargePressureDeltaPAX", 7.822941780090332},
            {"surchargePressureDeltaPAY", 2.8473153114318848},
            {"sumV", 187.1372833251953},
            {"verticalLoadDeltaPAYX", 4.0},
            {"momentResisting", 433.989501953125},
            {"momentOverturning", 73.74406433105469},
            {"overturningSafetyFactor", 5.885076999664307},
            {"resultantPosition", 1.9250329732894897},
            {"eccentricity", 0.07496702671051025},
            {"sigmaMax", 52.04524230957031},
            {"sigmaMin", 41.523399353027344},
            {"neutralAxisXn", 19.78559684753418},
            {"sumH", 69.49736022949219},
            {"keyWedgeLength", 0.6928189396858215},
            {"keySigma1", 48.606754302978516},
            {"keySigma2", 46.78432083129883},
            {"keySigma0", 47.69553756713867},
            {"keyPassivePressure", 143.08602905273438},
            {"keyShearResistanceHk", 118.04365055089272},
            {"slidingSafetyFactorWithKey", 1.6985342502593994},
        }}),
    },
    {
        .name = "SeismicD1DeductionClamped",
        .texts = {
            {"txt21", "3"},
        },
        .shape = GroundShape::OneSided,
        .standard = Standard::Building,
        .load = LoadCase::Seismic,
        .method = SeismicMethod::D1,
        .vertical = VerticalEarthPressureComponent::LeftOut,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Deduct5,
        .key = false,
        .keyTexts = {"0", "0", "0"},
        .effectiveArea = 4,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.333f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 8.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = joined({kCommonWallShape, kCommonWallHeights, {
            {"surchargeLoadBack", 1.931249976158142},
            {"verticalLoadPAY", 0.0},
            {"verticalLoadDeltaPAY", 0.0},
            {"earthPressurePA", 18.731250762939453},
            {"earthPressurePAX", 17.601619720458984},
            {"earthPressurePAY", 6.406459808349609},
            {"surchargePressureDeltaPA", 0.0},
            {"surchargePressureDeltaPAX", 0.0},
            {"surchargePressureDeltaPAY", 0.0},
            {"sumV", 173.37725830078125},
            {"momentResisting", 380.39984130859375},
            {"momentOverturning", 46.262451171875},
            {"overturningSafetyFactor", 8.222647666931152},
            {"resultantPosition", 1.9272273778915405},
            {"eccentricity", 0.07277262210845947},
            {"sigmaMax", 48.07573318481445},
            {"sigmaMin", 38.61289596557617},
            {"neutralAxisXn", 20.321908950805664},
            {"sumH", 49.341590881347656},
            {"effectiveArea", 3.854454755783081},
            {"slidingResistance", 117.5242691040039},
            {"slidingSafetyFactor", 2.381850004196167},
        }}),
    },
    {
        .name = "NoToeNoHeelFrontExcluded",
        .texts = {
            {"txt12", "0"},
            {"txt16", "0"},
            {"txt18", "0"},
            {"txt19", "0"},
        },
        .shape = GroundShape::OneSided,
        .standard = Standard::Building,
        .load = LoadCase::Normal,
        .method = SeismicMethod::None,
        .vertical = VerticalEarthPressureComponent::Counted,
        .frontSoil = FrontSoilLoad::LeftOut,
        .deduction = SurchargeDeduction::Off,
        .key = false,
        .keyTexts = {"0", "0", "0"},
        .effectiveArea = 0,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.333f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 0.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = {
            {"frontWallUpperHeight", 0.5},
            {"frontSoilHeight", 1.2000000476837158},
            {"surchargeFront", 3.0},
            {"baseWidth", 2.9000000953674316},
            {"frontWallOuterBatter", 0.04999997466802597},
            {"rearWallOuterBatter", 0.04999997466802597},
            {"toeTaper", 0.4000000059604645},
            {"heelTaper", 0.4000000059604645},
            {"frontSoilAboveSlab", 0.8000000715255737},
            {"backSoilAboveSlab", 2.0999999046325684},
            {"surchargeLoadBack", 0.4374997615814209},
            {"surchargeLoadCentre", 11.15384578704834},
            {"surchargeLoadFront", 0.09230764955282211},
            {"verticalLoadPAY", 6.406459808349609},
            {"verticalLoadDeltaPAY", 2.8473153114318848},
            {"earthPressurePA", 18.731250762939453},
            {"earthPressurePAX", 17.601619720458984},
            {"earthPressurePAY", 6.406459808349609},
            {"surchargePressureDeltaPA", 8.324999809265137},
            {"surchargePressureDeltaPAX", 7.822941780090332},
            {"surchargePressureDeltaPAY", 2.8473153114318848},
            {"sumW", 118.36831665039062},
            {"sumV", 139.3057403564453},
            {"subArea[1]", 0.39000004529953003},
            {"subAreaX[1]", 0.19999998807907104},
            {"subArea[2]", 0.0650000050663948},
            {"subAreaX[2]", 0.38333332538604736},
            {"subArea[3]", 0.03249998390674591},
            {"subAreaX[3]", 0.03333331644535065},
            {"subArea[4]", 0.17999999225139618},
            {"subAreaX[4]", 0.22499999403953552},
            {"subArea[5]", 0.7200000286102295},
            {"subAreaX[5]", 0.25},
            {"subArea[6]", 0.11999999731779099},
            {"subAreaX[6]", 0.06666667014360428},
            {"subArea[7]", 0.059999968856573105},
            {"subAreaX[7]", 0.4166666865348816},
            {"subArea[8]", 0.17999999225139618},
            {"subAreaX[8]", 0.22499999403953552},
            {"subArea[9]", 0.800000011920929},
            {"subAreaX[9]", 1.0},
            {"subArea[10]", 0.0},
            {"subAreaX[10]", 0.0},
            {"subArea[11]", 0.0},
            {"subAreaX[11]", 0.0},
            {"subArea[12]", 0.0},
            {"subAreaX[12]", 0.0},
            {"subArea[13]", 0.0},
            {"subAreaX[13]", 0.0},
            {"subArea[14]", 3.0},
            {"subAreaX[14]", 1.0},
            {"subArea[15]", 0.08653845638036728},
            {"subAreaX[15]", -0.038461536169052124},
            {"subArea[16]", 0.0468750037252903},
            {"subAreaX[16]", 2.0208332538604736},
            {"subArea[17]", 0.0},
            {"subAreaX[17]", 0.0},
            {"subArea[18]", 0.0},
            {"subAreaX[18]", 0.0},
            {"subArea[19]", 0.0},
            {"subAreaX[19]", 0.0},
            {"subArea[20]", 0.012307687662541866},
            {"subAreaX[20]", 0.010256404988467693},
            {"surchargeLoadBackX", 2.8781251907348633},
            {"surchargeLoadCentreX", 1.4499999284744263},
            {"surchargeLoadFrontX", 0.015384607948362827},
            {"verticalLoadPAYX", 2.9000000953674316},
            {"verticalLoadDeltaPAYX", 2.9000000953674316},
            {"partArea[1]", 0.6675000190734863},
            {"partX[1]", 0.21647939085960388},
            {"partY[1]", 0.0},
            {"partArea[2]", 1.0799999237060547},
            {"partX[2]", 2.6847221851348877},
            {"partY[2]", 0.0},
            {"partArea[3]", 0.800000011920929},
            {"partX[3]", 1.4500000476837158},
            {"partY[3]", 0.0},
            {"partArea[4]", 0.0},
            {"partX[4]", 0.0},
            {"partY[4]", 0.0},
            {"partArea[5]", 0.0},
            {"partX[5]", 0.0},
            {"partY[5]", 0.0},
            {"partArea[6]", 3.133413553237915},
            {"partX[6]", 1.4365911483764648},
            {"partY[6]", 0.0},
            {"partArea[7]", 0.04593747481703758},
            {"partX[7]", 2.8854167461395264},
            {"partY[7]", 0.0},
            {"partArea[8]", 0.0},
            {"partX[8]", 0.010256404988467693},
            {"partY[8]", 0.0},
            {"sumWx", 184.3076934814453},
            {"momentResisting", 228.5773162841797},
            {"momentOverturning", 24.446693420410156},
            {"overturningSafetyFactor", 9.350029945373535},
            {"resultantPosition", 1.4653425216674805},
            {"eccentricity", -0.015342473983764648},
            {"sigmaMax", 49.561283111572266},
            {"sigmaMin", 46.51163864135742},
            {"neutralAxisXn", 47.129295349121094},
            {"sumH", 25.424560546875},
            {"slidingResistance", 69.65287017822266},
            {"slidingSafetyFactor", 2.7395899295806885},
        },
    },
    {
        .name = "SymmetricNormal",
        .texts = {},
        .shape = GroundShape::Symmetric,
        .standard = Standard::Building,
        .load = LoadCase::Normal,
        .method = SeismicMethod::None,
        .vertical = VerticalEarthPressureComponent::None,
        .frontSoil = FrontSoilLoad::None,
        .deduction = SurchargeDeduction::Off,
        .key = false,
        .keyTexts = {"0", "0", "0"},
        .effectiveArea = 0,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.333f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 0.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = {
            {"frontWallUpperHeight", 0.30000001192092896},
            {"frontSoilHeight", 2.5},
            {"surchargeFront", 10.0},
            {"baseWidth", 4.0},
            {"frontWallOuterBatter", 0.04999997466802597},
            {"rearWallOuterBatter", 0.04999997466802597},
            {"toeTaper", 0.09999999403953552},
            {"heelTaper", 0.09999999403953552},
            {"frontSoilAboveSlab", 2.0999999046325684},
            {"backSoilAboveSlab", 2.0999999046325684},
            {"surchargeLoadBack", 6.4375},
            {"surchargeLoadCentre", 10.625},
            {"surchargeLoadFront", 5.4375},
            {"verticalLoadPAY", 0.0},
            {"verticalLoadDeltaPAY", 0.0},
            {"earthPressurePA", 18.731250762939453},
            {"earthPressurePAX", 17.601619720458984},
            {"earthPressurePAY", 6.406459808349609},
            {"surchargePressureDeltaPA", 8.324999809265137},
            {"surchargePressureDeltaPAX", 7.822941780090332},
            {"surchargePressureDeltaPAY", 2.8473153114318848},
            {"sumW", 180.19125366210938},
            {"sumV", 202.69125366210938},
            {"surchargeLoadBackX", 3.6781249046325684},
            {"surchargeLoadCentreX", 1.9500000476837158},
            {"surchargeLoadFrontX", 0.2718749940395355},
            {"verticalLoadPAYX", 4.0},
            {"verticalLoadDeltaPAYX", 4.0},
            {"partArea[1]", 1.0799999237060547},
            {"partX[1]", 0.7152777910232544},
            {"partY[1]", 0.0},
            {"partArea[2]", 1.0799999237060547},
            {"partX[2]", 3.1847221851348877},
            {"partY[2]", 0.0},
            {"partArea[3]", 0.800000011920929},
            {"partX[3]", 1.9500000476837158},
            {"partY[3]", 0.0},
            {"partArea[4]", 0.21000000834465027},
            {"partX[4]", 3.6857142448425293},
            {"partY[4]", 0.0},
            {"partArea[5]", 0.17500001192092896},
            {"partX[5]", 0.261904776096344},
            {"partY[5]", 0.0},
            {"partArea[6]", 3.09375},
            {"partX[6]", 1.9499999284744263},
            {"partY[6]", 0.0},
            {"partArea[7]", 1.3359375},
            {"partX[7]", 3.6914284229278564},
            {"partY[7]", 0.0},
            {"partArea[8]", 1.120937466621399},
            {"partX[8]", 0.25898441672325134},
            {"partY[8]", 0.0},
            {"sumWx", 360.78741455078125},
            {"momentResisting", 406.66241455078125},
            {"momentOverturning", 0.0},
            {"resultantPosition", 2.006314516067505},
            {"eccentricity", -0.006314516067504883},
            {"sigmaMax", 51.152774810791016},
            {"sigmaMin", 50.19285202026367},
        },
    },
    {
        .name = "SlidingNg",
        .texts = {
            {"txt21", "20"},
        },
        .shape = GroundShape::OneSided,
        .standard = Standard::Building,
        .load = LoadCase::Normal,
        .method = SeismicMethod::None,
        .vertical = VerticalEarthPressureComponent::Counted,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Off,
        .key = false,
        .keyTexts = {"0", "0", "0"},
        .effectiveArea = 0,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.6f,
            .delta = 20.0f,
            .mu = 0.3f,
            .C = 0.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = joined({kCommonWallShape, {
            {"surchargeLoadBack", 12.875},
            {"verticalLoadPAY", 11.543170928955078},
            {"verticalLoadDeltaPAY", 10.26059627532959},
            {"earthPressurePA", 33.75},
            {"earthPressurePAX", 31.714630126953125},
            {"earthPressurePAY", 11.543170928955078},
            {"surchargePressureDeltaPA", 30.000001907348633},
            {"surchargePressureDeltaPAX", 28.19078254699707},
            {"surchargePressureDeltaPAY", 10.26059627532959},
            {"sumV", 206.12477111816406},
            {"verticalLoadDeltaPAYX", 4.0},
            {"partY[1]", 0.0},
            {"partY[2]", 0.0},
            {"partY[3]", 0.0},
            {"partY[4]", 0.0},
            {"partY[5]", 0.0},
            {"partY[6]", 0.0},
            {"partY[7]", 0.0},
            {"partY[8]", 0.0},
            {"momentResisting", 507.8674011230469},
            {"momentOverturning", 61.667335510253906},
            {"overturningSafetyFactor", 8.23559856414795},
            {"resultantPosition", 2.1647086143493652},
            {"eccentricity", -0.16470861434936523},
            {"sigmaMax", 64.26264190673828},
            {"sigmaMin", 38.799747467041016},
            {"neutralAxisXn", 10.095104217529297},
            {"sumH", 59.90541076660156},
            {"slidingResistance", 61.837432861328125},
            {"slidingSafetyFactor", 1.032251238822937},
        }}),
    },
    {
        .name = "TriangleToeCohesionKey",
        .texts = {
            {"txt5", "3.5"},
            {"txt12", "0"},
            {"txt16", "0"},
            {"txt18", "0"},
            {"txt19", "0"},
            {"txt20", "0.5"},
            {"txt21", "30"},
        },
        .shape = GroundShape::OneSided,
        .standard = Standard::Building,
        .load = LoadCase::Normal,
        .method = SeismicMethod::None,
        .vertical = VerticalEarthPressureComponent::Counted,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Off,
        .key = true,
        .keyTexts = {"0.3", "0.6", "0.3"},
        .effectiveArea = 5,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.6f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 12.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = {
            {"frontWallUpperHeight", 0.5},
            {"frontSoilHeight", 1.2000000476837158},
            {"surchargeFront", 3.0},
            {"baseWidth", 2.9000000953674316},
            {"frontWallOuterBatter", 0.04999997466802597},
            {"rearWallOuterBatter", 0.04999997466802597},
            {"toeTaper", 0.4000000059604645},
            {"heelTaper", 0.4000000059604645},
            {"frontSoilAboveSlab", 0.8000000715255737},
            {"backSoilAboveSlab", 3.0999999046325684},
            {"keyHeight", 0.30000001192092896},
            {"keyPosition", 0.6000000238418579},
            {"keyWidth", 0.30000001192092896},
            {"surchargeLoadBack", 1.367646336555481},
            {"surchargeLoadCentre", 10.384614944458008},
            {"surchargeLoadFront", 0.09230764955282211},
            {"verticalLoadPAY", 22.624614715576172},
            {"verticalLoadDeltaPAY", 21.547252655029297},
            {"earthPressurePA", 66.1500015258789},
            {"earthPressurePAX", 62.160675048828125},
            {"earthPressurePAY", 22.624614715576172},
            {"surchargePressureDeltaPA", 63.000003814697266},
            {"surchargePressureDeltaPAX", 59.200645446777344},
            {"surchargePressureDeltaPAY", 21.547252655029297},
            {"sumW", 89.8727035522461},
            {"sumV", 145.88914489746094},
            {"surchargeLoadBackX", 2.8772060871124268},
            {"surchargeLoadCentreX", 1.4500000476837158},
            {"surchargeLoadFrontX", 0.015384607948362827},
            {"verticalLoadPAYX", 2.9000000953674316},
            {"verticalLoadDeltaPAYX", 2.9000000953674316},
            {"partArea[1]", 0.6675000190734863},
            {"partX[1]", 0.21647939085960388},
            {"partY[1]", 0.0},
            {"partArea[2]", 1.4549999237060547},
            {"partX[2]", 2.685223340988159},
            {"partY[2]", 0.0},
            {"partArea[3]", 0.800000011920929},
            {"partX[3]", 1.4500000476837158},
            {"partY[3]", 0.0},
            {"partArea[4]", 0.0},
            {"partX[4]", 0.0},
            {"partY[4]", 0.0},
            {"partArea[5]", 0.0},
            {"partX[5]", 0.0},
            {"partY[5]", 0.0},
            {"partArea[6]", 1.013291835784912},
            {"partX[6]", 1.4440350532531738},
            {"partY[6]", 0.0},
            {"partArea[7]", 0.07066172361373901},
            {"partX[7]", 2.8848040103912354},
            {"partY[7]", 0.0},
            {"partArea[8]", 0.012307687662541866},
            {"partX[8]", 0.010256404988467693},
            {"partY[8]", 0.0},
            {"sumWx", 155.08560180664062},
            {"momentResisting", 302.1781311035156},
            {"momentOverturning", 176.12191772460938},
            {"overturningSafetyFactor", 1.7157326936721802},
            {"resultantPosition", 0.864054799079895},
            {"eccentricity", 0.5859452486038208},
            {"sigmaMin", 0.0},
            {"sigmaMax", 112.5616455078125},
            {"neutralAxisXn", 2.5921645164489746},
            {"sumH", 121.36132049560547},
            {"effectiveArea", 1.72810959815979},
            {"slidingResistance", 104.05054473876953},
            {"slidingSafetyFactor", 0.8573616743087769},
            {"keyWedgeLength", 0.5196142196655273},
            {"keySigma1", 109.07099151611328},
            {"keySigma2", 86.50736236572266},
            {"keySigma0", 97.78917694091797},
            {"keyPassivePressure", 293.3663330078125},
            {"keyNormalLoadW1", 95.07650756835938},
            {"slidingSafetyFactorWithKey", 1.3732062578201294},
        },
    },
    {
        .name = "HeelSideRoadKey",
        .texts = {
            {"txt3", "3.5"},
            {"txt4", "0.6"},
            {"txt5", "4.0"},
            {"txt12", "0"},
            {"txt14", "0.8"},
            {"txt16", "3.0"},
            {"txt18", "0"},
            {"txt19", "0.4"},
            {"txt20", "0.3"},
            {"txt21", "40"},
            {"txt22", "0"},
        },
        .shape = GroundShape::OneSided,
        .standard = Standard::Road,
        .load = LoadCase::Normal,
        .method = SeismicMethod::None,
        .vertical = VerticalEarthPressureComponent::Counted,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Off,
        .key = true,
        .keyTexts = {"0.3", "3.0", "0.3"},
        .effectiveArea = 0,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.1f,
            .delta = 0.0f,
            .mu = 0.5f,
            .C = 0.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = {
            {"frontWallUpperHeight", 3.5},
            {"frontSoilHeight", 0.6000000238418579},
            {"surchargeFront", 3.0},
            {"baseWidth", 4.699999809265137},
            {"frontWallOuterBatter", 0.04999997466802597},
            {"rearWallOuterBatter", 0.04999997466802597},
            {"toeTaper", 0.4000000059604645},
            {"heelTaper", 0.0},
            {"frontSoilAboveSlab", 0.20000001788139343},
            {"backSoilAboveSlab", 3.5999999046325684},
            {"keyHeight", 0.30000001192092896},
            {"keyPosition", 3.0},
            {"keyWidth", 0.30000001192092896},
            {"surchargeLoadBack", 121.84615325927734},
            {"surchargeLoadCentre", 0.0},
            {"surchargeLoadFront", 0.008108104579150677},
            {"verticalLoadPAY", 0.0},
            {"verticalLoadDeltaPAY", 0.0},
            {"earthPressurePA", 14.40000057220459},
            {"earthPressurePAX", 14.40000057220459},
            {"earthPressurePAY", 0.0},
            {"surchargePressureDeltaPA", 16.0},
            {"surchargePressureDeltaPAX", 16.0},
            {"surchargePressureDeltaPAY", 0.0},
            {"sumW", 313.78289794921875},
            {"sumV", 435.6371765136719},
            {"surchargeLoadBackX", 3.1769227981567383},
            {"surchargeLoadCentreX", 0.8500000238418579},
            {"surchargeLoadFrontX", 0.0013513508019968867},
            {"partArea[1]", 1.5674999952316284},
            {"partX[1]", 0.21467304229736328},
            {"partY[1]", 0.0},
            {"partArea[2]", 1.6424999237060547},
            {"partX[2]", 1.485388159751892},
            {"partY[2]", 0.0},
            {"partArea[3]", 0.320000022649765},
            {"partX[3]", 0.8500000238418579},
            {"partY[3]", 0.0},
            {"partArea[4]", 1.2000000476837158},
            {"partX[4]", 3.1999998092651367},
            {"partY[4]", 0.0},
            {"partArea[5]", 0.0},
            {"partX[5]", 0.0},
            {"partY[5]", 0.0},
            {"partArea[6]", 0.24237006902694702},
            {"partX[6]", 0.849895715713501},
            {"partY[6]", 0.0},
            {"partArea[7]", 10.883076667785645},
            {"partX[7]", 3.188431978225708},
            {"partY[7]", 0.0},
            {"partArea[8]", 0.0002702701895032078},
            {"partX[8]", 0.0009009005152620375},
            {"partY[8]", 0.0},
            {"sumWx", 793.6248779296875},
            {"momentResisting", 1180.720703125},
            {"momentOverturning", 51.20000076293945},
            {"overturningSafetyFactor", 23.060951232910156},
            {"resultantPosition", 2.592801332473755},
            {"eccentricity", -0.24280142784118652},
            {"sigmaMax", 121.41851043701172},
            {"sigmaMin", 63.959022521972656},
            {"neutralAxisXn", 9.931640625},
            {"sumH", 30.400001525878906},
            {"keyWedgeLength", 0.5196142196655273},
            {"keySigma1", 94.28279113769531},
            {"keySigma2", 100.63529205322266},
            {"keySigma0", 97.45904541015625},
            {"keyPassivePressure", 292.3759460449219},
            {"keyShearResistanceHk", 251.51498787084915},
            {"slidingSafetyFactorWithKey", 8.273518562316895},
        },
    },
    {
        .name = "HeelSideTrapezoidSeismicK1",
        .texts = {
            {"txt12", "0"},
            {"txt16", "1.5"},
            {"txt18", "0"},
            {"txt19", "0.4"},
            {"txt21", "20"},
        },
        .shape = GroundShape::OneSided,
        .standard = Standard::Building,
        .load = LoadCase::Seismic,
        .method = SeismicMethod::K1,
        .vertical = VerticalEarthPressureComponent::Counted,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Off,
        .key = true,
        .keyTexts = {"0.3", "1.0", "0.3"},
        .effectiveArea = 4,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 0.2f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 6.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = false,
        .expected = {
            {"frontWallUpperHeight", 0.5},
            {"frontSoilHeight", 1.2000000476837158},
            {"surchargeFront", 3.0},
            {"baseWidth", 4.400000095367432},
            {"frontWallOuterBatter", 0.04999997466802597},
            {"rearWallOuterBatter", 0.04999997466802597},
            {"toeTaper", 0.4000000059604645},
            {"heelTaper", 0.0},
            {"frontSoilAboveSlab", 0.8000000715255737},
            {"backSoilAboveSlab", 2.0999999046325684},
            {"keyHeight", 0.30000001192092896},
            {"keyPosition", 1.0},
            {"keyWidth", 0.30000001192092896},
            {"surchargeLoadBack", 30.875},
            {"surchargeLoadCentre", 11.15384578704834},
            {"surchargeLoadFront", 0.09230764955282211},
            {"verticalLoadPAY", 3.8477234840393066},
            {"verticalLoadDeltaPAY", 3.420198678970337},
            {"earthPressurePA", 11.25},
            {"earthPressurePAX", 10.571542739868164},
            {"earthPressurePAY", 3.8477234840393066},
            {"surchargePressureDeltaPA", 10.0},
            {"surchargePressureDeltaPAX", 9.396926879882812},
            {"surchargePressureDeltaPAY", 3.420198678970337},
            {"sumW", 189.68984985351562},
            {"sumV", 239.0789337158203},
            {"surchargeLoadBackX", 3.6281251907348633},
            {"surchargeLoadCentreX", 1.4499999284744263},
            {"surchargeLoadFrontX", 0.015384607948362827},
            {"verticalLoadPAYX", 4.400000095367432},
            {"verticalLoadDeltaPAYX", 4.400000095367432},
            {"partArea[1]", 0.6675000190734863},
            {"partX[1]", 0.21647939085960388},
            {"partY[1]", 0.0},
            {"partArea[2]", 1.0799999237060547},
            {"partX[2]", 2.6847221851348877},
            {"partY[2]", 0.0},
            {"partArea[3]", 0.800000011920929},
            {"partX[3]", 1.4500000476837158},
            {"partY[3]", 0.0},
            {"partArea[4]", 0.6000000238418579},
            {"partX[4]", 3.6500000953674316},
            {"partY[4]", 0.0},
            {"partArea[5]", 0.0},
            {"partX[5]", 0.0},
            {"partY[5]", 0.0},
            {"partArea[6]", 3.133413553237915},
            {"partX[6]", 1.4365911483764648},
            {"partY[6]", 0.0},
            {"partArea[7]", 3.195937395095825},
            {"partX[7]", 3.639010190963745},
            {"partY[7]", 0.0},
            {"partArea[8]", 0.012307687662541866},
            {"partX[8]", 0.010256404988467693},
            {"partY[8]", 0.0},
            {"sumWx", 443.824951171875},
            {"momentResisting", 603.9967041015625},
            {"momentOverturning", 20.55577850341797},
            {"overturningSafetyFactor", 29.383304595947266},
            {"resultantPosition", 2.4403693675994873},
            {"eccentricity", -0.24036931991577148},
            {"sigmaMax", 72.1462173461914},
            {"sigmaMin", 36.526023864746094},
            {"neutralAxisXn", 8.911893844604492},
            {"sumH", 19.968469619750977},
            {"effectiveArea", 3.9192614555358887},
            {"slidingResistance", 143.05503845214844},
            {"slidingSafetyFactor", 7.164046287536621},
            {"keyWedgeLength", 0.5196142196655273},
            {"keySigma1", 40.41498947143555},
            {"keySigma2", 44.621524810791016},
            {"keySigma0", 42.51825714111328},
            {"keyPassivePressure", 127.55425262451172},
            {"keyNormalLoadW1", 216.98585510253906},
            {"slidingSafetyFactorWithKey", 8.527181625366211},
        },
    },
    heelSideTriangleKey("HeelSideTriangleBuildingKey", Standard::Building, 5,
                        {
                            {"effectiveArea", 1.1925148963928223},
                            {"slidingResistance", 83.78290557861328},
                            {"slidingSafetyFactor", 49.53327178955078},
                            {"keyNormalLoadW1", 102.03816986083984},
                            {"slidingSafetyFactorWithKey", 86.83998107910156},
                        }),
    heelSideTriangleKey("HeelSideTriangleRoadKey", Standard::Road, 0,
                        {
                            {"keyShearResistanceHk", 38.568399081340104},
                            {"slidingSafetyFactorWithKey", 22.802013397216797},
                        }),
    {
        .name = "ResultantOutsideBase",
        .texts = {
            {"txt21", "40"},
        },
        .shape = GroundShape::OneSided,
        .standard = Standard::Building,
        .load = LoadCase::Normal,
        .method = SeismicMethod::None,
        .vertical = VerticalEarthPressureComponent::LeftOut,
        .frontSoil = FrontSoilLoad::Counted,
        .deduction = SurchargeDeduction::Off,
        .key = false,
        .keyTexts = {"0", "0", "0"},
        .effectiveArea = 0,
        .inertia = 0,
        .inertiaHeight = 0.0f,
        .design = {
            .gs = 18.0f,
            .gc = 24.0f,
            .KA = 3.0f,
            .delta = 20.0f,
            .mu = 0.5f,
            .C = 0.0f,
            .phiB = 30.0f,
            .Kh = 0.2f,
        },
        .outsideBase = true,
        .expected = joined({kCommonWallShape, {
            {"surchargeLoadBack", 25.75},
            {"verticalLoadPAY", 0.0},
            {"verticalLoadDeltaPAY", 0.0},
            {"earthPressurePA", 168.75},
            {"earthPressurePAX", 158.57315063476562},
            {"earthPressurePAY", 57.715850830078125},
            {"surchargePressureDeltaPA", 300.0},
            {"surchargePressureDeltaPAX", 281.9078063964844},
            {"surchargePressureDeltaPAY", 102.60595703125},
            {"sumV", 197.19601440429688},
            {"verticalLoadDeltaPAYX", 4.0},
            {"partY[1]", 0.0},
            {"partY[2]", 0.0},
            {"partY[3]", 0.0},
            {"partY[4]", 0.0},
            {"partY[5]", 0.0},
            {"partY[6]", 0.0},
            {"partY[7]", 0.0},
            {"partY[8]", 0.0},
            {"momentResisting", 468.0081787109375},
            {"momentOverturning", 484.529052734375},
            {"overturningSafetyFactor", 0.9659032225608826},
            {"resultantPosition", -0.08377894759178162},
            {"eccentricity", 2.0837788581848145},
            {"sigmaMin", 0.0},
            {"sigmaMax", -1569.1788330078125},
            {"neutralAxisXn", -0.25133657455444336},
            {"sumH", 440.48095703125},
            {"slidingResistance", 98.59800720214844},
            {"slidingSafetyFactor", 0.22384169697761536},
        }}),
    },
};

class EngineWallTest : public EngineTest, public ::testing::WithParamInterface<WallCase> {};

TEST_P(EngineWallTest, ComputesEveryValueOfTheWall) {
    const WallCase& c = GetParam();
    enter(c);
    prog.form<Form4>().DANMEM_1();
    for (const auto& [name, value] : c.expected) EXPECT_TRUE(closeAsSingle(name, value, actual(prog, name)));
    EXPECT_EQ(prog.bearingOutsideBase, c.outsideBase);
}

INSTANTIATE_TEST_SUITE_P(Walls, EngineWallTest, ::testing::ValuesIn(kWalls),
                         [](const auto& info) { return std::string(info.param.name); });

const WallCase& wall(const std::string& name) {
    for (const WallCase& c : kWalls)
        if (name == c.name) return c;
    throw std::out_of_range(name);
}

TEST_F(EngineTest, ResultantOutsideTheBaseKeepsItsNegativePressure) {
    enter(wall("ResultantOutsideBase"));
    prog.form<Form4>().DANMEM_1();
    EXPECT_LT(prog.sigmaMax, 0);
    EXPECT_TRUE(prog.bearingOutsideBase);
}

// A run leaves alone what its path does not assign: centroids of absent parts, the key
// values without a key (but its height, which says there is none), the heights outside K2
// and D1, the arms of zero loads.
TEST_F(EngineTest, KeepsWhatAnEarlierRunLeftWhereThePathAssignsNothing) {
    const WallCase& c = wall("NoToeNoHeelFrontExcluded");
    enter(c);
    constexpr float kSeed = 99.5f;
    for (int part = 1; part <= 8; ++part) {
        prog.partX[part] = kSeed;
        prog.partY[part] = kSeed;
    }
    prog.keyHeight = prog.keyPosition = prog.keyWidth = kSeed;
    prog.keyWedgeLength = prog.keySigma1 = prog.keyNormalLoadW1 = prog.slidingSafetyFactorWithKey = kSeed;
    prog.keyShearResistanceHk = kSeed;
    prog.sumWy = kSeed;
    prog.subAreaY[1] = kSeed;
    prog.effectiveArea = kSeed;  // C = 0 leaves it
    prog.surchargeLoadBackX = prog.surchargeLoadFrontX = kSeed;
    prog.form<Form4>().DANMEM_1();

    for (int part : {1, 2, 3, 6}) EXPECT_NE(prog.partX[part], kSeed) << part;
    for (int part : {4, 5}) EXPECT_EQ(prog.partX[part], kSeed) << part;  // no heel, no toe
    for (int part = 1; part <= 8; ++part) EXPECT_EQ(prog.partY[part], kSeed) << part;
    EXPECT_EQ(prog.sumWy, kSeed);
    EXPECT_EQ(prog.subAreaY[1], kSeed);
    EXPECT_EQ(prog.keyHeight, 0.0f);  // this wall has no key, whatever an earlier one had
    EXPECT_EQ(prog.keyPosition, kSeed);
    EXPECT_EQ(prog.keyWidth, kSeed);
    EXPECT_EQ(prog.keyWedgeLength, kSeed);
    EXPECT_EQ(prog.keySigma1, kSeed);
    EXPECT_EQ(prog.keyNormalLoadW1, kSeed);
    EXPECT_EQ(prog.slidingSafetyFactorWithKey, kSeed);
    EXPECT_EQ(prog.keyShearResistanceHk, kSeed);
    EXPECT_EQ(prog.effectiveArea, kSeed);
    EXPECT_NE(prog.surchargeLoadBackX, kSeed);  // the back surcharge loads the wall
    EXPECT_EQ(prog.partArea[8], 0);             // front soil excluded
    // The values every run assigns are those of the wall.
    for (const auto& [name, value] : c.expected) {
        const std::string n = name;
        if (n.rfind("partX", 0) == 0 || n.rfind("partY", 0) == 0) continue;
        EXPECT_TRUE(closeAsSingle(n, value, actual(prog, n)));
    }
}

TEST_F(EngineTest, SymmetricWallKeepsOverturningFactorAndSliding) {
    enter(wall("SymmetricNormal"));
    prog.overturningSafetyFactor = 3.25f;
    prog.neutralAxisXn = 7.5f;
    prog.slidingSafetyFactor = 1.75f;
    prog.sumH = 12.5f;
    prog.form<Form4>().DANMEM_1();
    EXPECT_EQ(prog.momentOverturning, 0);
    EXPECT_EQ(prog.overturningSafetyFactor, 3.25f);
    EXPECT_EQ(prog.neutralAxisXn, 7.5f);
    EXPECT_EQ(prog.slidingSafetyFactor, 1.75f);
    EXPECT_EQ(prog.sumH, 12.5f);
    EXPECT_GT(prog.sigmaMax, 0);
}

// KA chosen so that the resultant lands within a few units in the last place of the
// middle of the base: e is stored as exactly 0, the pressure is uniform, the contact
// length keeps its old value and every ordinate under the key is σmax.
TEST_F(EngineTest, ResultantInTheMiddleGivesUniformPressureUnderTheKey) {
    WallCase c = wall("CohesionNoDeductKeyBuilding");
    c.design.KA = 2.31044f;
    enter(c);
    prog.neutralAxisXn = 7.5f;
    prog.form<Form4>().DANMEM_1();
    EXPECT_EQ(prog.eccentricity, 0.0f);
    EXPECT_TRUE(closeAsSingle("sumV", 242.08859252929688, prog.sumV));
    EXPECT_TRUE(closeAsSingle("sigmaMax", 60.52214813232422, prog.sigmaMax));  // ΣV/B
    EXPECT_EQ(prog.sigmaMin, prog.sigmaMax);
    EXPECT_EQ(prog.neutralAxisXn, 7.5f);
    EXPECT_EQ(prog.keySigma1, prog.sigmaMax);
    EXPECT_EQ(prog.keySigma2, prog.sigmaMax);
    EXPECT_EQ(prog.keySigma0, prog.sigmaMax);
    EXPECT_TRUE(closeAsSingle("keyPassivePressure", 181.56570434570312, prog.keyPassivePressure));
    EXPECT_TRUE(closeAsSingle("keyNormalLoadW1", 210.6404266357422, prog.keyNormalLoadW1));  // σmax·(B − L)
    EXPECT_TRUE(closeAsSingle("slidingResistance", 161.04429626464844, prog.slidingResistance));  // C·B + μ·ΣV
    EXPECT_TRUE(closeAsSingle("slidingSafetyFactor", 0.9129382371902466, prog.slidingSafetyFactor));
    EXPECT_TRUE(closeAsSingle("slidingSafetyFactorWithKey", 1.1325819492340088, prog.slidingSafetyFactorWithKey));
    EXPECT_FALSE(prog.bearingOutsideBase);
}

// A K2 choice left over from a seismic setting: the heights and ΣW·y are computed, but
// the normal case's moment and horizontal total carry no inertia.
TEST_F(EngineTest, NormalCaseWithSeismicMethodLeftSetHasNoInertia) {
    WallCase c = wall("OneSidedNormalBuilding");
    c.method = SeismicMethod::K2;
    enter(c);
    prog.form<Form21>().chk1.setValue(1);
    prog.surchargeInertiaHeight = 2.8f;
    prog.form<Form4>().DANMEM_1();
    EXPECT_TRUE(closeAsSingle("sumWy", 157.97216796875, prog.sumWy));
    EXPECT_TRUE(closeAsSingle("partY[7]", 1.437707543373108, prog.partY[7]));
    EXPECT_TRUE(closeAsSingle("momentOverturning", 24.446693420410156, prog.momentOverturning));
    EXPECT_TRUE(closeAsSingle("sumH", 25.424560546875, prog.sumH));
    EXPECT_TRUE(closeAsSingle("overturningSafetyFactor", 17.752483367919922, prog.overturningSafetyFactor));
}

double expectedOf(const WallCase& c, const std::string& name) {
    for (const auto& [n, value] : c.expected)
        if (name == n) return value;
    throw std::out_of_range(name);
}

// The two dialogs' effective-area buttons count together, "no deduction" first.
TEST_F(EngineTest, NoDeductionInEitherDialogWinsOverDeduction) {
    WallCase c = wall("CohesionNoDeductKeyBuilding");
    c.effectiveArea = 4;  // the normal-case dialog says deduct
    enter(c);
    prog.form<Form21>().opt8.setValue(true);  // left from a seismic setting
    prog.form<Form4>().DANMEM_1();
    for (const char* name : {"slidingResistance", "slidingSafetyFactor", "slidingSafetyFactorWithKey"})
        EXPECT_TRUE(closeAsSingle(name, expectedOf(c, name), actual(prog, name)));
}

// Cohesion without an effective-area choice: resistance and the factor with key keep
// their old values, the key-less factor is taken from the old resistance.
TEST_F(EngineTest, CohesionWithoutEffectiveAreaChoiceKeepsTheResistance) {
    WallCase c = wall("CohesionNoDeductKeyBuilding");
    c.effectiveArea = 0;
    enter(c);
    prog.slidingResistance = 50;
    prog.slidingSafetyFactorWithKey = 2.5f;
    prog.form<Form4>().DANMEM_1();
    EXPECT_EQ(prog.slidingResistance, 50);
    EXPECT_EQ(prog.slidingSafetyFactorWithKey, 2.5f);
    EXPECT_TRUE(closeAsSingle("slidingSafetyFactor", 50.0 / expectedOf(c, "sumH"), prog.slidingSafetyFactor));
    EXPECT_TRUE(closeAsSingle("keyNormalLoadW1", expectedOf(c, "keyNormalLoadW1"), prog.keyNormalLoadW1));
}

// The road standard's key takes neither the base friction nor the key-less factor.
TEST_F(EngineTest, RoadKeyLeavesTheBuildingValues) {
    const WallCase& c = wall("HeelSideTriangleRoadKey");
    enter(c);
    prog.effectiveArea = 1.25f;
    prog.slidingResistance = 50;
    prog.slidingSafetyFactor = 3.5f;
    prog.keyNormalLoadW1 = 70;
    prog.form<Form4>().DANMEM_1();
    EXPECT_EQ(prog.effectiveArea, 1.25f);
    EXPECT_EQ(prog.slidingResistance, 50);
    EXPECT_EQ(prog.slidingSafetyFactor, 3.5f);
    EXPECT_EQ(prog.keyNormalLoadW1, 70);
    EXPECT_TRUE(closeAsSingle("slidingSafetyFactorWithKey", expectedOf(c, "slidingSafetyFactorWithKey"),
                              prog.slidingSafetyFactorWithKey));
}

TEST_F(EngineTest, KeyOfTheOtherStandardIsNotRead) {
    WallCase c = wall("CohesionNoDeductKeyBuilding");
    enter(c);
    prog.form<Form26>().txt1.setText("9");
    prog.form<Form4>().DANMEM_1();
    EXPECT_FLOAT_EQ(prog.keyHeight, 0.3f);
}

// Faults stop the run and leave no stability result.
struct FaultCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> texts;
};

class EngineFaultTest : public EngineTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(EngineFaultTest, DegenerateWallStopsWithACalculationFault) {
    enter(wall("OneSidedNormalBuilding"));
    fixture::standStabilityResult(prog);
    Form4& f = prog.form<Form4>();
    for (const auto& [box, text] : GetParam().texts) static_cast<plat::TextBox*>(f.control(box))->setText(text);
    EXPECT_THROW(f.DANMEM_1(), num::CalcFault);
    EXPECT_EQ(prog.sigmaMax, 0);
}

INSTANTIATE_TEST_SUITE_P(Walls, EngineFaultTest,
                         ::testing::Values(FaultCase{"NoSlab", {{"txt17", "0"}}}, FaultCase{"NoSpan", {{"txt14", ""}}},
                                           // front wall height above the slab: 0.5 − 0.25 − 0.25 + 0
                                           FaultCase{"FrontWallWithoutHeight",
                                                     {{"txt17", "0.5"}, {"txt18", "0.25"}, {"txt4", "0.5"}, {"txt3", "0"}}},
                                           FaultCase{"RearWallWithoutHeight",
                                                     {{"txt17", "0.5"}, {"txt19", "0.25"}, {"txt5", "0.5"}, {"txt6", "0"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, FrontWallWithoutThicknessFaultsAtItsCentroid) {
    WallCase c = wall("OneSidedNormalBuilding");
    enter(c);
    Form4& f = prog.form<Form4>();
    f.txt7.setText("0");
    f.txt8.setText("0");
    f.txt13.setText("0");
    prog.partX[2] = 5;
    EXPECT_THROW(f.DANMEM_1(), num::CalcFault);
    EXPECT_EQ(prog.partX[2], 5);  // stopped before the rear wall
    EXPECT_FLOAT_EQ(prog.partArea[1], 0);
}

TEST_F(EngineTest, NoLoadCaseIsAnInputFault) {
    WallCase c = wall("OneSidedNormalBuilding");
    c.load = LoadCase::None;
    enter(c);
    fixture::standStabilityResult(prog);
    prog.momentOverturning = 8;
    EXPECT_THROW(prog.form<Form4>().DANMEM_1(), StabilityInputFault);
    EXPECT_EQ(prog.sigmaMax, 0);
    EXPECT_EQ(prog.momentOverturning, 8);
}

TEST_F(EngineTest, SeismicCaseWithoutMethodIsAnInputFault) {
    WallCase c = wall("SeismicD1DeductionClamped");
    c.method = SeismicMethod::None;
    enter(c);
    fixture::standStabilityResult(prog);
    EXPECT_THROW(prog.form<Form4>().DANMEM_1(), StabilityInputFault);
    EXPECT_EQ(prog.sigmaMax, 0);
}

TEST_F(EngineTest, NoGroundShapeIsAnInputFault) {
    WallCase c = wall("OneSidedNormalBuilding");
    c.shape = GroundShape::None;
    enter(c);
    EXPECT_THROW(prog.form<Form4>().DANMEM_1(), StabilityInputFault);
    EXPECT_EQ(prog.sigmaMax, 0);
}

TEST_F(EngineTest, ZeroHorizontalLoadStopsAtSlidingWithoutResult) {
    WallCase c = wall("OneSidedNormalBuilding");
    c.design.KA = 0;  // no earth pressure: no overturning moment
    enter(c);
    EXPECT_THROW(prog.form<Form4>().DANMEM_1(), num::CalcFault);
    EXPECT_EQ(prog.sigmaMax, 0);
}

}  // namespace
