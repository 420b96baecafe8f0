// Report page 1, the design conditions, drawn on a recording surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/forms.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/seismic_dialog.h"
#include "platform/surface.h"
#include "report/report_pages.h"
#include "support/choice_input.h"
#include "support/design_values.h"
#include "support/scripted_services.h"

namespace {

class Page1Test : public ::testing::Test {
protected:
    void SetUp() override {
        registerForms(prog);
        surface.setFont("ＭＳ 明朝", 11);
        prog.outputSurface = &surface;
    }

    Form3& f() { return prog.form<Form3>(); }

    // The screen's choices first (their handlers may touch values), then the values.
    void choose(Standard standard, LoadCase load, KaMode ka, SeismicMethod method = SeismicMethod::None,
                BaseFrictionMode friction = BaseFrictionMode::Typed) {
        choice_input::setDesignChoices(prog, {standard, load, GroundShape::None, method, ka});
        if (load == LoadCase::None) f().opt3.setValue(false);  // the screen starts in the normal case
        f().txt11.setText("30");  // tan φB is taken from it
        choice_input::setDesignChoices(prog, {.baseFriction = friction});
        fillValues();
    }

    void fillValues() {
        prog.siteName = "東京都";
        prog.concreteStrength = 24;
        prog.allowConcrete = 8;
        prog.allowShear = 0.73f;
        prog.allowBond = 1.6f;
        prog.rebarAllowLong = 195;
        prog.rebarAllowShort = 295;
        fixture::setDesignValues(prog);
        prog.backfillSoilType = "砂質土";
        prog.backfillPhi = 30;
        prog.deltaComputed = 0;
        prog.deltaSection = 20;
        prog.foundationSoilType = "砂礫";
        prog.foundationPhi = 35;
    }

    std::vector<std::string> draw() {
        svc.clear();
        surface.clear();
        report::runProc(prog, report::Proc::Ippan);
        return surface.texts();
    }

    // The non-empty lines between two lines that contain the given texts.
    std::vector<std::string> between(const std::string& after, const std::string& before) {
        std::vector<std::string> texts = draw(), out;
        auto from = std::find_if(texts.begin(), texts.end(),
                                 [&](const std::string& t) { return t.find(after) != std::string::npos; });
        auto to = std::find_if(from, texts.end(),
                               [&](const std::string& t) { return t.find(before) != std::string::npos; });
        EXPECT_TRUE(from != texts.end() && to != texts.end());
        for (auto it = from == texts.end() ? from : from + 1; it < to; ++it)
            if (!it->empty()) out.push_back(*it);
        return out;
    }

    ScriptedServices svc;
    Program prog{svc};
    plat::RecordingSurface surface;
};

TEST_F(Page1Test, BuildingNormalCaseIsTheWholePageLineByLine) {
    choose(Standard::Building, LoadCase::Normal, KaMode::Computed);
    const std::vector<std::string> expected = {
        "", "", "", "", "",
        "          §１．設計条件（常時）",
        "",
        "            １－１ 工作物の概要",
        "",
        "              ・築造地 ： 東京都",
        "",
        "              ・形　式 ： Ｕ型鉄筋コンクリート造擁壁",
        "", "",
        "            １－２ 使用材料 及 許容応力度",
        "",
        "                 ・ コンクリート",
        "                      設計基準強度     ： Ｆc= 24 N/mm2",
        "                      許容圧縮応力度   ：σca= 8.0 N/mm2",
        "                      許容せん断応力度 ：τca= 0.73 N/mm2",
        "                      許容付着応力度   ： ｆa= 1.6 N/mm2",
        "",
        "                 ・ 鉄　筋",
        "                      許容引張応力度   ：ｆt= 195.0 N/mm2",
        "",
        "             　  ・ 鉄筋コンクリート",
        "                      単位体積重量     ：ｒ= 24.0 kN/m3",
        "", "",
        "            １－３ 設計条件",
        "",
        "              ◎背面土",
        "             　  ・土質の種類          ： 砂質土",
        "             　  ・土の単位体積重量    ：γs= 18.0 kN/m3",
        "             　  ・内部摩擦角          ： φ= 30.0°",
        "               　・粘 着 力            ： Ｃ= 0 kN/m2",
        "             　  ・仮想背面と土との摩擦角：（安定計算時）δ=20.00°",
        "             　  ・壁背面と土との摩擦角  ：（断面計算時）δ=20.00°",
        "",
        "              ○土圧",
        "             　   クーロンの土圧式による。",
        "",
        "              ◎支持地盤",
        "             　  ・土質の種類          ： 砂礫",
        "             　  ・内部摩擦角          ： φ= 35.0°",
        "             　  ・粘 着 力            ： Ｃ= 0 kN/m2",
        "                 ・許容地耐力度        ： fe= 200 kN/m2",
        "             　  ・底盤の摩擦係数      ： μ= 0.5",
        "", "",
        "            １－４ 設計方針",
        "",
        "              ・　本計算は、片持梁式鉄筋コンクリート擁壁として、すべて土圧にて行う。",
        "",
        "              ・　本計算は、宅地造成等規制法、同施行令、建築基準法、同施行令、及び、",
        "                日本建築学会諸基準「鉄筋コンクリート構造計算基準、建築基礎構造設計指針」",
        "                に準拠して行う｡ ",
        "　　　            なお、応力計算は、日本土木学会「コンクリート標準示方書」による。",
    };
    EXPECT_EQ(draw(), expected);
}

// Every line is a Print at the line start, one line height below the one before, in the
// surface's own size and colour; nothing beeps.
TEST_F(Page1Test, PrintsLinesDownThePageInTheSurfacesFontAndColour) {
    choose(Standard::Building, LoadCase::Normal, KaMode::Computed);
    surface.setFont("ＭＳ 明朝", 10);
    draw();
    double y = 0;
    for (const plat::DrawOp& op : surface.ops()) {
        ASSERT_EQ(op.kind, plat::DrawOp::Text);
        EXPECT_EQ(op.x1, 0);
        EXPECT_DOUBLE_EQ(op.y1, y);
        EXPECT_EQ(op.fontSize, 10);
        EXPECT_EQ(op.colour, plat::kBlack);
        y += 200;
    }
    EXPECT_EQ(surface.ops()[5].text, "          §１．設計条件（常時）");
    EXPECT_DOUBLE_EQ(surface.ops()[5].y1, 1000);
    EXPECT_EQ(svc.beeps, 0);
    EXPECT_TRUE(svc.messages.empty());
}

TEST_F(Page1Test, RoadSeismicCaseUsesTheRoadSymbolsAndTheShortTermRebarAllowable) {
    choose(Standard::Road, LoadCase::Seismic, KaMode::Typed, SeismicMethod::K2);
    prog.activeCoefficient = 0.3f;
    prog.seismicKh = 0.12f;
    const std::vector<std::string> texts = draw();
    auto has = [&](const std::string& line) { return std::count(texts.begin(), texts.end(), line) == 1; };
    EXPECT_EQ(texts[5], "          §１．設計条件（地震時）");
    EXPECT_TRUE(has("                      設計基準強度     ：σck= 24 N/mm2"));
    EXPECT_TRUE(has("                      許容付着応力度   ：τ0a= 1.6 N/mm2"));
    EXPECT_TRUE(has("                      許容引張応力度   ：σsa= 295.0 N/mm2"));
    EXPECT_TRUE(has("             　  ・せん断抵抗角        ： φ= 30.0°"));
    EXPECT_TRUE(has("             　  ・せん断抵抗角        ： φ= 35.0°"));
    EXPECT_TRUE(has("                 ・許容地耐力度        ：ｑa= 200 kN/m2"));
    EXPECT_TRUE(has("             　   直接入力 KA=0.3 (水平震度 Kh＝0.12)"));
    const std::vector<std::string> policy = {
        "              ・　本計算は、(社)日本道路協会「道路土工(擁壁工指針)」及び、日本土木学会",
        "                「コンクリート標準示方書」に準拠して行う。"};
    EXPECT_EQ(std::vector<std::string>(texts.end() - 2, texts.end()), policy);
}

struct EarthPressureCase {
    const char* name;
    LoadCase load;
    KaMode ka;
    SeismicMethod method;
    std::vector<std::string> lines;
};

class Page1EarthPressureTest : public Page1Test, public ::testing::WithParamInterface<EarthPressureCase> {};

TEST_P(Page1EarthPressureTest, PrintsTheLinesOfTheLoadCaseMethodAndKaMode) {
    const EarthPressureCase& c = GetParam();
    choose(Standard::Building, c.load, c.ka, c.method);
    prog.seismicKh = 0.16667f;
    prog.activeCoefficient = 0.35f;
    EXPECT_EQ(between("（断面計算時）", "◎支持地盤"), c.lines);
}

const char* const kHead = "              ○土圧";
INSTANTIATE_TEST_SUITE_P(
    Cases, Page1EarthPressureTest,
    ::testing::Values(
        EarthPressureCase{"NormalComputed", LoadCase::Normal, KaMode::Computed, SeismicMethod::None,
                          {kHead, "             　   クーロンの土圧式による。"}},
        EarthPressureCase{"NormalTyped", LoadCase::Normal, KaMode::Typed, SeismicMethod::None,
                          {kHead, "             　   直接入力 KA=0.35"}},
        EarthPressureCase{"NormalNeither", LoadCase::Normal, KaMode::None, SeismicMethod::None, {kHead}},
        EarthPressureCase{"SeismicK1", LoadCase::Seismic, KaMode::Computed, SeismicMethod::K1,
                          {kHead, "             　   岡部･物部式による。(水平震度 Kh＝0.1667)"}},
        EarthPressureCase{"SeismicD1", LoadCase::Seismic, KaMode::None, SeismicMethod::D1,
                          {kHead, "             　   岡部･物部式による。(水平震度 Kh＝0.1667)"}},
        EarthPressureCase{"SeismicK2Computed", LoadCase::Seismic, KaMode::Computed, SeismicMethod::K2,
                          {kHead, "             　   クーロンの土圧式による。(水平震度 Kh＝0.17)"}},
        EarthPressureCase{"SeismicK2Typed", LoadCase::Seismic, KaMode::Typed, SeismicMethod::K2,
                          {kHead, "             　   直接入力 KA=0.35 (水平震度 Kh＝0.1667)"}},
        EarthPressureCase{"SeismicK2Neither", LoadCase::Seismic, KaMode::None, SeismicMethod::K2, {kHead}},
        EarthPressureCase{"SeismicNoMethod", LoadCase::Seismic, KaMode::Computed, SeismicMethod::None, {}},
        EarthPressureCase{"NoLoadCase", LoadCase::None, KaMode::Computed, SeismicMethod::None, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TitleCase {
    const char* name;
    Standard standard;
    LoadCase load;
    float kh;
    const char* title;  // nullptr: no title line
};

class Page1TitleTest : public Page1Test, public ::testing::WithParamInterface<TitleCase> {};

// Without a title the empty line after it follows the five top lines directly.
TEST_P(Page1TitleTest, EndsTheTitleWithTheLoadCase) {
    const TitleCase& c = GetParam();
    choose(c.standard, c.load, KaMode::Computed, SeismicMethod::K1);
    prog.seismicKh = c.kh;
    const std::vector<std::string> texts = draw();
    if (c.title) {
        EXPECT_EQ(texts[5], c.title);
        EXPECT_EQ(texts[7], "            １－１ 工作物の概要");
    } else {
        EXPECT_EQ(texts[5], "");
        EXPECT_EQ(texts[6], "            １－１ 工作物の概要");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Page1TitleTest,
    ::testing::Values(TitleCase{"Normal", Standard::Road, LoadCase::Normal, 0.3f, "          §１．設計条件（常時）"},
                      TitleCase{"BuildingKh02", Standard::Building, LoadCase::Seismic, 0.2f,
                                "          §１．設計条件（中地震時）"},
                      TitleCase{"BuildingKhJustBelow", Standard::Building, LoadCase::Seismic, 0.2499999f,
                                "          §１．設計条件（中地震時）"},
                      TitleCase{"BuildingKh025", Standard::Building, LoadCase::Seismic, 0.25f,
                                "          §１．設計条件（大地震時）"},
                      TitleCase{"BuildingKh03", Standard::Building, LoadCase::Seismic, 0.3f,
                                "          §１．設計条件（大地震時）"},
                      TitleCase{"Road", Standard::Road, LoadCase::Seismic, 0.3f, "          §１．設計条件（地震時）"},
                      TitleCase{"NoLoadCase", Standard::Building, LoadCase::None, 0.2f, nullptr},
                      TitleCase{"SeismicNoStandard", Standard::None, LoadCase::Seismic, 0.2f, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page1Test, ComputedDeltaCohesionAndTanFriction) {
    choose(Standard::Building, LoadCase::Normal, KaMode::Computed, SeismicMethod::None, BaseFrictionMode::TanPhi);
    prog.deltaComputed = 1;
    prog.foundationCohesion = 12.5f;
    prog.baseFriction = 0.7002f;
    const std::vector<std::string> texts = draw();
    auto has = [&](const std::string& line) { return std::count(texts.begin(), texts.end(), line) == 1; };
    EXPECT_TRUE(has("             　  ・仮想背面と土との摩擦角：（安定計算時）δ= 計算による"));
    EXPECT_TRUE(has("             　  ・粘 着 力            ： Ｃ= 12.5 kN/m2"));
    EXPECT_TRUE(has("             　  ・底盤の摩擦係数      ： μ=tan35.0°= 0.70"));
    prog.baseFriction = 0.7005f;
    EXPECT_EQ(between("許容地耐力度", "設計方針"),
              std::vector<std::string>{"             　  ・底盤の摩擦係数      ： μ=tan35.0°= 0.701"});
}

// A δ that was never marked typed or computed counts as typed.
TEST_F(Page1Test, UnsetDeltaModeCountsAsTyped) {
    choose(Standard::Building, LoadCase::Normal, KaMode::Computed);
    prog.deltaComputed.reset();
    const std::vector<std::string> texts = draw();
    EXPECT_EQ(std::count(texts.begin(), texts.end(),
                         "             　  ・仮想背面と土との摩擦角：（安定計算時）δ=20.00°"),
              1);
}

TEST_F(Page1Test, NeitherFrictionModeLeavesTheFrictionLineOut) {
    choose(Standard::Building, LoadCase::Normal, KaMode::Computed, SeismicMethod::None, BaseFrictionMode::None);
    const std::vector<std::string> texts = draw();
    auto bearing = std::find(texts.begin(), texts.end(), "                 ・許容地耐力度        ： fe= 200 kN/m2");
    ASSERT_NE(bearing, texts.end());
    EXPECT_EQ(*(bearing + 1), "");
    EXPECT_EQ(*(bearing + 2), "");
    EXPECT_EQ(*(bearing + 3), "            １－４ 設計方針");
}

// No standard chosen: the lines that depend on it are left out, the rest prints.
TEST_F(Page1Test, NoStandardLeavesOutTheStandardsLines) {
    choose(Standard::None, LoadCase::Normal, KaMode::Computed);
    const std::vector<std::string> texts = draw();
    for (const char* symbol : {"Ｆc=", "σck=", "ｆa=", "τ0a=", "ｆt=", "σsa=", "φ=", "fe=", "ｑa=", "準拠"})
        EXPECT_TRUE(std::none_of(texts.begin(), texts.end(),
                                 [&](const std::string& t) { return t.find(symbol) != std::string::npos; }))
            << symbol;
    EXPECT_EQ(texts.back(), "");
    EXPECT_EQ(texts[texts.size() - 2], "              ・　本計算は、片持梁式鉄筋コンクリート擁壁として、すべて土圧にて行う。");
}

TEST_F(Page1Test, DrawsNothingWithoutAnOutputSurface) {
    choose(Standard::Building, LoadCase::Normal, KaMode::Computed);
    prog.outputSurface = nullptr;
    report::runProc(prog, report::Proc::Ippan);
    EXPECT_TRUE(surface.ops().empty());
}

}  // namespace
