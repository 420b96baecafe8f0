// Report page 2: heading, wall drawing, self-weight table and surcharge lines, drawn
// on a recording surface for walls the stability calculation has computed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "app/forms.h"
#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "platform/surface.h"
#include "report/pages/self_weight.h"
#include "report/report_pages.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/choice_input.h"
#include "support/design_values.h"
#include "support/drawing_extent.h"
#include "support/screen_input.h"
#include "support/scripted_services.h"

namespace {

using plat::DrawOp;

// Page position of a point of the section at the drawing's scale (single precision, as stored).
double X(double x, float s = 0.98f) { return 2850 + 1000 * x / double(s); }
double Y(double d, float s = 0.98f) { return 2600 + 1000 * d / double(s); }

class Page2Test : public ::testing::Test {
protected:
    void SetUp() override {
        registerForms(prog);
        surface.setFont("ＭＳ 明朝", 11);
        prog.outputSurface = &surface;
    }

    Form4& f() { return prog.form<Form4>(); }

    // Normal case, building standard, the common wall of the stability tests with some
    // boxes changed: base 4.0 m, H1 2.5, H2 0.3, H3 0.5, H4 1.2, walls 0.3 at the top and
    // 0.45 at the slab with 0.1 inner batters, toe 0.5, heel 0.6, slab 0.4 tapering to 0.3
    // at both ends, central fill 1.5, q1 10, q2 5, q3 3.
    void enter(const std::map<std::string, std::string>& changes = {}, bool oneSided = true) {
        choice_input::setDesignChoices(prog, {Standard::Building, LoadCase::Normal,
                                              oneSided ? GroundShape::OneSided : GroundShape::Symmetric});
        screen_input::typeWall(f(), {changes.begin(), changes.end()});
        choice_input::setDimensionChoices(prog, {FrontSoilLoad::Counted, VerticalEarthPressureComponent::Counted,
                                                 ShearKey::Absent, SurchargeDeduction::None});
        fixture::setDesignValues(prog);
    }

    // The seismic case under K2 on the road standard, with a shear key.
    void enterSeismicK2() {
        choice_input::setDesignChoices(prog,
                                       {Standard::Road, LoadCase::Seismic, GroundShape::OneSided, SeismicMethod::K2});
        screen_input::typeWall(f());
        choice_input::setDimensionChoices(prog, {FrontSoilLoad::Counted, VerticalEarthPressureComponent::Counted,
                                                 ShearKey::Present, SurchargeDeduction::None});
        Form26& key = prog.form<Form26>();
        key.txt1.setText("0.4");
        key.txt2.setText("2.0");
        key.txt3.setText("0.4");
        prog.form<Form21>().opt7.setValue(true);
        prog.form<Form21>().chk1.setValue(1);
        prog.surchargeInertiaHeight = 2.8f;
        fixture::setDesignValues(prog);
        prog.seismicKh = 0.25f;
        prog.foundationCohesion = 5;
    }

    void compute() { f().DANMEM_1(); }
    void draw() {
        svc.clear();
        surface.clear();
        report::runProc(prog, report::Proc::KEIJYOU);
        report::runProc(prog, report::Proc::JIJYUU);
    }

    std::vector<const DrawOp*> textsNamed(const std::string& text) const {
        std::vector<const DrawOp*> out;
        for (const DrawOp& op : surface.ops())
            if (op.kind == DrawOp::Text && op.text == text) out.push_back(&op);
        return out;
    }
    // One text op with this text at (x, y), in this size.
    void expectText(const std::string& text, double x, double y, double size) const {
        auto found = textsNamed(text);
        auto at = std::count_if(found.begin(), found.end(), [&](const DrawOp* op) {
            return std::fabs(op->x1 - x) < 0.01 && std::fabs(op->y1 - y) < 0.01 && op->fontSize == size;
        });
        EXPECT_EQ(at, 1) << text << " at " << x << ", " << y;
    }
    int countLines(double x1, double y1, double x2, double y2, int style = 0) const {
        int n = 0;
        for (const DrawOp& op : surface.ops())
            if (op.kind == DrawOp::Line && std::fabs(op.x1 - x1) < 0.01 && std::fabs(op.y1 - y1) < 0.01 &&
                std::fabs(op.x2 - x2) < 0.01 && std::fabs(op.y2 - y2) < 0.01 && op.drawStyle == style)
                ++n;
        return n;
    }
    bool anyTextContaining(const std::string& piece) const {
        for (const DrawOp& op : surface.ops())
            if (op.kind == DrawOp::Text && op.text.find(piece) != std::string::npos) return true;
        return false;
    }
    // Texts from the first one equal to `from` on.
    std::vector<std::string> textsFrom(const std::string& from) const {
        std::vector<std::string> all = surface.texts();
        auto it = std::find(all.begin(), all.end(), from);
        return std::vector<std::string>(it, all.end());
    }

    ScriptedServices svc;
    Program prog{svc};
    plat::RecordingSurface surface;
};

// Figure coordinates of this wall: s = 0.35·2.8 = 0.98 m per 1000 twips,
// X(x) = 2850 + x/0.98·1000, Y(d) = 2600 + d/0.98·1000 (worked out by hand).
TEST_F(Page2Test, HeadingScaleAndOutlineOfTheWall) {
    enter();
    compute();
    draw();
    const std::vector<std::string> texts = surface.texts();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(texts[i], "");
    EXPECT_EQ(texts[5], "          § 3．ＲＣ擁壁（U-1）の設計");
    EXPECT_EQ(texts[6], "");
    EXPECT_EQ(texts[7], "            3－１ 荷重の計算（常時）");
    EXPECT_EQ(surface.ops()[5].y1, 5 * 220);
    EXPECT_FLOAT_EQ(prog.figureScale, 0.98f);
    EXPECT_FLOAT_EQ(prog.pageLoopCounter, 10);  // the frame's last loop
    // Front wall top, base underside, heel end.
    EXPECT_EQ(countLines(3411.224, 3722.449, 3717.347, 3722.449), 1);
    EXPECT_EQ(countLines(3360.204, 5457.143, 6319.388, 5457.143), 1);
    EXPECT_EQ(countLines(6931.633, 5151.020, 6931.633, 5457.143), 1);
    // Back soil surface from the rear wall's outer face to 900 twips past the heel end.
    EXPECT_EQ(countLines(6274.745, 2906.122, 7831.633, 2906.122), 1);
    // Front soil surface from x 1300 to the front wall's outer face.
    EXPECT_EQ(countLines(1300, 4232.653, 3391.601, 4232.653), 1);
}

TEST_F(Page2Test, SurchargeTextsPartNumbersAndDimensionFigures) {
    enter();
    compute();
    draw();
    // The back surcharge's value at its own place would touch the tick of the rear wall's
    // top (y 2600, from X(B) + 150 on): caption and value move up together, clear of it.
    const auto value = textsNamed("10.0kN/m2");
    ASSERT_EQ(value.size(), 1u);
    EXPECT_NEAR(value[0]->x1, 6573.834, 0.01);
    EXPECT_LE(value[0]->y1 + 180, 2600);
    expectText("上載荷重", 6573.834, value[0]->y1 - 200, 9);
    EXPECT_EQ(textsNamed("上載荷重").size(), 3u);
    expectText("①", 3489.796, 4335.714, 9);
    expectText("⑦", 6525.510, 3927.551, 9);
    expectText("⑧", X(0.25) - 100, Y(2.8 - 0.4 - 0.8000000715255737 / 2) - 25, 9);
    // Figures of 9 pt: 90 twips a digit or comma. Horizontal rows centre theirs on the
    // length they give; vertical columns set theirs 40 twips beside the line.
    expectText("4,000", (X(0) + X(4.0)) / 2 - 225, 6157.143, 9);
    expectText("1,500", 4329.592 - 40 - 450, 4208.673, 9);  // hc left of the central column
    expectText("2,000", X(0.95 + 1.0) - 225, 5857.143, 9);
    EXPECT_EQ(countLines(4329.592, 3518.367, 4329.592, 5457.143), 1);
    // H3 and H4 stand on the left in the one-sided shape, left of their column at x 1600.
    expectText("500", 1600 - 40 - 270, Y(2.8 - 1.2 - 0.25) - 50, 9);
}

TEST_F(Page2Test, DottedReferenceLinesAndTheTextBlock) {
    enter();
    compute();
    draw();
    int dotted = 0;
    for (const DrawOp& op : surface.ops())
        if (op.kind == DrawOp::Line && op.drawStyle == 2) ++dotted;
    EXPECT_EQ(dotted, 6);
    EXPECT_EQ(countLines(6931.633, Y(2.5), 6931.633, 2906.122, 2), 1);
    EXPECT_EQ(countLines(2850, 4232.653, 2850, Y(2.5), 2), 1);
    EXPECT_EQ(surface.drawStyle(), 0);
    expectText("                   地表面と水平面とのなす角度 β=0ﾟ", 0, 6700, 11);
    expectText("                   壁背面と鉛直面とのなす角度 θ=0.00ﾟ（仮想背面）", 0, 6920, 11);
    expectText("                   粘着力０の土圧に対しては、H=Ho=2.500m", 0, 7140, 11);
}

TEST_F(Page2Test, FrameAndHeadersOfTheSelfWeightTable) {
    enter();
    compute();
    draw();
    expectText("            １）自 重", 0, 7600, 11);
    std::vector<const DrawOp*> lines;
    bool after = false;
    for (const DrawOp& op : surface.ops()) {
        if (op.kind == DrawOp::Text && op.text == "            １）自 重") after = true;
        if (after && op.kind == DrawOp::Line) lines.push_back(&op);
        if (after && op.kind == DrawOp::Text && op.text == "区 分") break;
    }
    std::vector<std::vector<double>> expected = {{1000, 7900, 11200, 7900}};
    for (int j = 0; j <= 9; ++j) expected.push_back({1000, 8500.0 + 500 * j, 11200, 8500.0 + 500 * j});
    expected.push_back({7600, 8200, 11200, 8200});
    expected.push_back({1000, 7900, 1000, 13000});
    expected.push_back({2000, 7900, 2000, 12500});
    for (double x : {5750, 6650, 7600}) expected.push_back({x, 7900, x, 13000});
    expected.push_back({8300, 8200, 8300, 13000});
    expected.push_back({9000, 7900, 9000, 13000});
    expected.push_back({10100, 8200, 10100, 13000});
    expected.push_back({11200, 7900, 11200, 13000});
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ((std::vector<double>{lines[i]->x1, lines[i]->y1, lines[i]->x2, lines[i]->y2}), expected[i]) << i;
    expectText("面  積 Ａ (m2)", 3350, 8100, 9);
    expectText("モーメント(kN･m/m)", 9400, 7950, 9);
    expectText("Ｗ･y", 10500, 8250, 9);
    expectText("③ 底　版", 1050, 9650, 9);
    expectText("⑧ 前面土", 1050, 12150, 9);
    expectText("合   計   Σ", 3000, 12650, 9);
}

// Areas, weights and moments from the stability run's values, rounded half up to four
// decimals and aligned by their size; worked out independently.
TEST_F(Page2Test, CellsAndAreaFormulasOfEveryPart) {
    enter();
    compute();
    draw();
    struct Cell { const char* text; double x, y; };
    const std::vector<Cell> cells = {
        {"1.300×(0.300＋0.450)/2", 2100, 8550}, {"＋0.450×0.400", 3200, 8750},
        {"0.6675", 5050, 8650}, {"16.0200", 6800, 8650}, {"0.716", 7700, 8650}, {"11.4780", 9300, 8650},
        {"2.400×(0.300＋0.450)/2", 2100, 9050}, {"25.9200", 6800, 9150}, {"82.5480", 9300, 9150},
        {"2.000×0.400", 2100, 9650}, {"19.2000", 6800, 9650},
        {"0.600×(0.400＋0.300)/2", 2100, 10150}, {"5.0400", 6900, 10150}, {"18.5760", 9300, 10150},
        {"0.500×(0.400＋0.300)/2", 2100, 10650}, {"1.1000", 9400, 10650},
        {"1.500×(2.000＋2.178)/2", 2100, 11150}, {"3.1334", 5050, 11150}, {"56.4014", 6800, 11150},
        {"1.937", 7700, 11150}, {"109.2265", 9200, 11150},
        {"2.100×(0.600＋0.644)/2", 2100, 11550}, {"＋0.600×0.100/2", 2900, 11750}, {"24.0469", 6800, 11650},
        {"0.800×(0.500＋0.531)/2", 2100, 12050}, {"＋0.500×0.100/2", 2900, 12250}, {"7.8715", 6900, 12150},
        {"158.6999", 6700, 12650}, {"351.1239", 9200, 12650}};
    for (const Cell& c : cells) expectText(c.text, c.x, c.y, 10);
    EXPECT_EQ(textsNamed("＝").size(), 8u);
    EXPECT_EQ(textsNamed("24.0").size(), 5u);
    EXPECT_EQ(textsNamed("18.0").size(), 3u);
    EXPECT_NEAR(textsNamed("18.0")[0]->x1, 6050, 0.01);
    // Normal case: dashes under y and W·y in every row, and under γ, x, y, W·y in the Σ row.
    for (int i = 0; i < 8; ++i) {
        const double y = 8650 + 500 * i + 100;
        EXPECT_EQ(countLines(8500, y, 8800, y), 1) << i;
        EXPECT_EQ(countLines(10500, y, 10800, y), 1) << i;
    }
    for (double x : {6050, 7800, 8500, 10500}) EXPECT_EQ(countLines(x, 12750, x + 300, 12750), 1) << x;
}

TEST_F(Page2Test, CentroidAndSurchargeLines) {
    enter();
    compute();
    prog.earthPressurePageOffset = 700;
    draw();
    expectText("重心 ｘ=ΣW･x/ΣW=351.124/158.700=2.213m", 1850, 13400, 11);
    const std::vector<std::string> expected = {
        "重心 ｘ=ΣW･x/ΣW=351.124/158.700=2.213m", "", "", "　          ２）上載荷重", "",
        "                背面上載荷重･･･W=10.00×0.6438=6.4375kN/m",
        "                中央上載荷重･･･W=5.00×2.2308=11.1538kN/m",
        "                前面上載荷重･･･W=3.00×0.5308=1.5923kN/m"};
    EXPECT_EQ(textsFrom(expected[0]), expected);
    EXPECT_EQ(prog.earthPressurePageOffset, 0);
    EXPECT_FALSE(anyTextContaining("ｙ=ΣW･y/ΣW="));
}

TEST_F(Page2Test, SeismicK2ShowsHeightsAndTheirMoments) {
    enterSeismicK2();
    compute();
    draw();
    EXPECT_EQ(surface.texts()[7], "            3－１ 荷重の計算（地震時）");
    expectText("0.789", 8400, 8650, 10);
    expectText("12.6420", 10400, 8650, 10);
    expectText("157.9722", 10300, 12650, 10);
    EXPECT_EQ(countLines(8500, 8750, 8800, 8750), 0);
    EXPECT_EQ(countLines(8500, 12750, 8800, 12750), 1);  // the Σ row's y stays dashed
    EXPECT_EQ(countLines(10500, 12750, 10800, 12750), 0);
    expectText("　　 ｙ=ΣW･y/ΣW=157.972/158.700=0.995m", 1850, 13400 + 220, 11);
}

// Seismic case with no method chosen: the y and W·y cells stay empty, without dashes.
TEST_F(Page2Test, SeismicWithoutMethodLeavesTheInertiaColumnsBlank) {
    enterSeismicK2();
    compute();
    prog.form<Form25>().opt_K2.setValue(false);
    draw();
    EXPECT_FALSE(anyTextContaining("12.6420"));
    EXPECT_FALSE(anyTextContaining("157.9722"));
    EXPECT_EQ(countLines(8500, 8750, 8800, 8750), 0);
    EXPECT_EQ(countLines(10500, 12750, 10800, 12750), 0);
    EXPECT_FALSE(anyTextContaining("ｙ=ΣW･y/ΣW="));
}

// No heel and no rear outer batter, one-sided without a toe: rows ⑦ and ⑧ keep only
// their labels and both areas read 0 afterwards.
TEST_F(Page2Test, PartsTheShapeLacksAreZeroedAndLeftEmpty) {
    enter({{"txt16", "0"}, {"txt15", "0.4"}, {"txt12", "0"}});
    compute();
    ASSERT_NE(prog.partArea[7], 0);  // the engine leaves a rounding residue
    draw();
    EXPECT_EQ(prog.partArea[7], 0);
    EXPECT_EQ(prog.partArea[8], 0);
    EXPECT_TRUE(textsNamed("⑦").empty());
    EXPECT_TRUE(textsNamed("④").empty());
    EXPECT_TRUE(textsNamed("⑤").empty());
    EXPECT_EQ(textsNamed("＝").size(), 4u);  // ① ② ③ ⑥
    for (const DrawOp& op : surface.ops())
        if (op.kind == DrawOp::Text) {
            EXPECT_FALSE(op.y1 > 11500 && op.y1 < 12400 && op.x1 > 2000) << op.text;
        }
    // The slab is closed at both ends.
    const double base = 5457.143;
    EXPECT_EQ(countLines(X(2.85), Y(2.4), X(2.85), base), 1);
    EXPECT_EQ(countLines(X(0), Y(2.4), X(0), base), 1);
}

TEST_F(Page2Test, FrontSoilBelowTheSlabTop) {
    enter({{"txt4", "0.3"}});
    compute();
    draw();
    EXPECT_EQ(countLines(1300, 5151.020, 2850, 5151.020), 1);
    // At their own places the caption and value would be struck by the tick of the front
    // wall's top (y 4640.8, from x 1600 to 2750): they move up together, clear of it.
    const auto value = textsNamed("3.0kN/m2");
    ASSERT_EQ(value.size(), 1u);
    EXPECT_NEAR(value[0]->x1, 2460.204, 0.01);
    EXPECT_LE(value[0]->y1 + 180, Y(2.8 - 0.3 - 0.5));
    expectText("上載荷重 ", 2410.204, value[0]->y1 - 200, 9);
}

TEST_F(Page2Test, TwoSidedFrontSoilStartsAtTheBackSoilLevel) {
    enter({}, false);
    compute();
    draw();
    const double xf = X(0.5 + 0.04999997466802597 * 2.0999999046325684 / 2.4);
    EXPECT_EQ(countLines(1600, 2906.122, xf, 2906.122), 1);
    // H2 and H1 on the left instead of H3 and H4, left of their column at x 1600.
    expectText("2,500", 1600 - 40 - 450, Y(0.3 + 1.25) - 50, 9);
}

// A front wall 4.4 m high (H3 1.2 over H4 3.2) beside the rear one of 2.8 m: the figure
// reaches from the front wall's top, at y 2600, down to the base, at the scale of its
// 4.4 m, 0.35 · 4.4 = 1.54 m per 1000 twips; the top dimension row stands above it.
TEST_F(Page2Test, FrontWallTallerThanTheRearSetsTheTopAndTheScale) {
    enter({{"txt3", "1.2"}, {"txt4", "3.2"}});
    compute();
    draw();
    EXPECT_FLOAT_EQ(prog.figureScale, 1.54f);
    auto x = [](double m) { return 2850 + 1000 * m / double(1.54f); };
    auto y = [](double d) { return 2600 + 1000 * (d + 1.6000001430511475) / double(1.54f); };
    EXPECT_EQ(countLines(x(0.55), 2600, x(0.85), 2600), 1);  // the front wall's top
    EXPECT_EQ(countLines(x(3.05), y(0), x(3.35), y(0)), 1);  // the rear wall's top, 1.6 m lower
    EXPECT_NEAR(y(2.8), 5457.143, 0.01);                       // the base where it always is
    EXPECT_EQ(countLines(x(0.5), y(2.8), x(3.4), y(2.8)), 1);
    EXPECT_EQ(countLines(x(0.55), 2100, x(3.35), 2100), 1);  // the top row, 500 twips above
    for (const DrawOp& op : surface.ops()) {
        if (op.kind == DrawOp::Line) {
            EXPECT_GE(std::min(op.y1, op.y2), 2100) << op.x1 << ", " << op.y1;
        }
    }
}

// A low wall, 1.0 m high, on a base of 2.2 m (span 0.5, heel 0.3), fits the page at the
// scale of a 1 m wall.
TEST_F(Page2Test, LowWallKeepsTheScaleOfOneMetre) {
    enter({{"txt5", "0.8"}, {"txt6", "0.2"}, {"txt3", "0.2"}, {"txt4", "0.8"}, {"txt20", "0.2"}, {"txt14", "0.5"},
           {"txt16", "0.3"}});
    compute();
    draw();
    EXPECT_FLOAT_EQ(prog.figureScale, 0.35f);
    EXPECT_EQ(countLines(X(0.5, 0.35f), Y(1.0, 0.35f), X(1.9, 0.35f), Y(1.0, 0.35f)), 1);
}

// The same height on the base of 4.0 m would reach x 14 278 at 0.35 m per 1000 twips: it is
// drawn at the scale that puts its right-hand dimension figures at the printable width,
// 4.0 m over 11 338 − 2850 − 2000 twips.
TEST_F(Page2Test, LowWideWallIsDrawnWithinThePrintableWidth) {
    enter({{"txt5", "0.8"}, {"txt6", "0.2"}, {"txt3", "0.2"}, {"txt4", "0.8"}, {"txt20", "0.2"}});
    compute();
    draw();
    const float s = static_cast<float>(4000.0 / 6488.0);
    EXPECT_FLOAT_EQ(prog.figureScale, s);
    EXPECT_EQ(countLines(X(0.5, s), Y(1.0, s), X(3.4, s), Y(1.0, s)), 1);
    const double right = rightmostX(surface, 6700);  // the figure, above the text below it
    EXPECT_LE(right, 11338);
    EXPECT_GT(right, 11338 - 500);  // no smaller than it must be
}

TEST_F(Page2Test, LargeValuesMoveLeftByTheirDigits) {
    enter();
    compute();
    prog.partArea[3] = 9.99996f;
    draw();
    expectText("10.0000", 4950, 9650, 10);
    prog.partArea[3] = 10;
    prog.partX[3] = 5;
    draw();
    expectText("10.0000", 4950, 9650, 10);
    expectText("240.0000", 6700, 9650, 10);
    expectText("1200.0000", 9100, 9650, 10);
}

TEST_F(Page2Test, NoSurchargesLeaveOnlyTheHeading) {
    enter({{"txt21", "0"}, {"txt22", "0"}, {"txt23", "0"}});
    compute();
    draw();
    const std::vector<std::string> tail = {"　          ２）上載荷重", ""};
    EXPECT_EQ(textsFrom(tail[0]), tail);
    EXPECT_TRUE(textsNamed("上載荷重").empty());
}

// No heel and no rear wall above the back soil (H1 2.5, s = 0.875, B = 3.4): the right
// side reads hb and t, and neither the upper column, its tick nor an H2 figure is drawn.
TEST_F(Page2Test, DimensionsWithoutHeelAndWithoutUpperRearWall) {
    enter({{"txt16", "0"}, {"txt6", "0"}});
    compute();
    draw();
    EXPECT_FLOAT_EQ(prog.figureScale, 0.875f);
    const double xb = X(3.4, 0.875f);
    EXPECT_EQ(countLines(xb + 1250, 2600, xb + 1250, 2600), 0);  // column 22, of zero length
    EXPECT_EQ(countLines(xb + 1250, 2600, xb + 150, 2600), 1);   // tick 18 alone, no tick 23
    // Left of the inner column at X(B) + 750.
    expectText("2,100", xb + 750 - 40 - 450, Y(1.05, 0.875f) - 50, 9);
    expectText("400", xb + 750 - 40 - 270, Y(2.3, 0.875f) - 75, 9);
    for (const DrawOp& op : surface.ops()) {
        if (op.kind == DrawOp::Text) {
            EXPECT_GT(std::fabs(op.x1 - (xb + 1300)), 0.01) << op.text;
        }
    }
}

// A zero ΣW stops the writer at the centroid quotient, after the table.
TEST_F(Page2Test, ZeroTotalWeightStopsBeforeTheCentroid) {
    enter();
    compute();
    prog.sumW = 0;
    svc.clear();
    surface.clear();
    report::runProc(prog, report::Proc::KEIJYOU);
    EXPECT_THROW(report::runProc(prog, report::Proc::JIJYUU), num::CalcFault);
    EXPECT_FALSE(anyTextContaining("重心 ｘ"));
    EXPECT_EQ(surface.texts().back(), "351.1239");
}

// The area formula texts of each part for each shape, from values set directly: walls
// 0.3 wide at the top and 0.4 at the slab with 0.1 inner batters (no outer batter),
// span 2.0, toe 0.5, heel 0.6, slab 0.4 without tapers, fill 1.5, H1 2.5, H2 0.4,
// H3 0.5, H4 1.4, hb 2.1, hf 1.0. Surface widths worked out by hand.
struct FormulaText {
    const char* text;
    double x, y;
};
struct FormulaCase {
    const char* name;
    int part;
    void (*change)(Program&);
    std::vector<FormulaText> texts;
};

class AreaFormulaTest : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(AreaFormulaTest, WritesThePartsDimensionsAtTheirPlaces) {
    const FormulaCase& c = GetParam();
    ScriptedServices svc;
    Program p(svc);
    p.frontWallTopWidth = p.rearWallTopWidth = 0.3f;
    p.frontWallBottomWidth = p.rearWallBottomWidth = 0.4f;
    p.frontWallInnerBatter = p.rearWallInnerBatter = 0.1f;
    p.innerSpan = 2.0f;
    p.toeLength = 0.5f;
    p.heelLength = 0.6f;
    p.slabThickness = p.toeEndThickness = p.heelEndThickness = 0.4f;
    p.centralFillDepth = 1.5f;
    p.backSoilHeight = 2.5f;
    p.rearWallUpperHeight = 0.4f;
    p.frontWallUpperHeight = 0.5f;
    p.frontSoilHeight = 1.4f;
    p.backSoilAboveSlab = 2.1f;
    p.frontSoilAboveSlab = 1.0f;
    if (c.change) c.change(p);
    plat::RecordingSurface s;
    page::drawAreaFormula(p, s, c.part);
    ASSERT_EQ(s.ops().size(), c.texts.size());
    for (size_t i = 0; i < c.texts.size(); ++i) {
        EXPECT_EQ(s.ops()[i].text, c.texts[i].text);
        EXPECT_DOUBLE_EQ(s.ops()[i].x1, c.texts[i].x) << c.texts[i].text;
        EXPECT_DOUBLE_EQ(s.ops()[i].y1, c.texts[i].y) << c.texts[i].text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, AreaFormulaTest,
    ::testing::Values(
        FormulaCase{"FrontWallUpright", 1,
                    [](Program& p) {
                        p.frontWallBottomWidth = 0.3f;
                        p.frontWallInnerBatter = 0;
                    },
                    {{"0.300×1.900", 2100, 8650}}},
        // Equal widths with an inner batter (the outer one its negative): both forms overlap.
        FormulaCase{"FrontWallEqualWidthsBattered", 1,
                    [](Program& p) {
                        p.frontWallBottomWidth = 0.3f;
                        p.frontWallOuterBatter = -0.1f;
                    },
                    {{"0.300×1.900", 2100, 8650},
                     {"1.500×(0.300＋0.300)/2", 2100, 8550},
                     {"＋0.300×0.400", 3200, 8750}}},
        FormulaCase{"FrontWallTinyBatter", 1,
                    [](Program& p) {
                        p.frontWallBottomWidth = 0.3001f;
                        p.frontWallInnerBatter = 0.0001f;
                    },
                    {{"1.500×(0.300＋0.300)/2", 2100, 8550}, {"＋0.300×0.400", 3200, 8750}}},
        FormulaCase{"RearWallTrapezoid", 2, nullptr,
                    {{"2.500×(0.300＋0.400)/2", 2100, 9050}, {"＋0.400×0.400", 3200, 9250}}},
        FormulaCase{"Slab", 3, nullptr, {{"2.000×0.400", 2100, 9650}}},
        FormulaCase{"HeelTapered", 4, [](Program& p) { p.heelEndThickness = 0.3f; },
                    {{"0.600×(0.400＋0.300)/2", 2100, 10150}}},
        FormulaCase{"Toe", 5, nullptr, {{"0.500×0.400", 2100, 10650}}},
        FormulaCase{"FillUpright", 6,
                    [](Program& p) { p.frontWallInnerBatter = p.rearWallInnerBatter = 0; },
                    {{"2.000×1.500", 2100, 11150}}},
        // 2.0 + 1.5·0.1/1.5 + 1.5·0.1/2.5 = 2.16
        FormulaCase{"FillBattered", 6, nullptr, {{"1.500×(2.000＋2.160)/2", 2100, 11150}}},
        FormulaCase{"BackSoilRectangle", 7, nullptr, {{"0.600×2.100", 2100, 11650}}},
        // An outer batter on the face is told by the widths, not by the stored batter.
        FormulaCase{"BackSoilBatterByWidths", 7, [](Program& p) { p.rearWallOuterBatter = 0.06f; },
                    {{"0.600×2.100", 2100, 11650}}},
        // Surface width 0.6 + 0.06 − 0.06·0.4/2.5 = 0.6504.
        FormulaCase{"BackSoilOverBatter", 7,
                    [](Program& p) {
                        p.rearWallBottomWidth = 0.46f;
                        p.rearWallOuterBatter = 0.06f;
                    },
                    {{"(0.600＋0.650)×2.100/2", 2100, 11650}}},
        FormulaCase{"BackSoilOverTaper", 7,
                    [](Program& p) {
                        p.heelEndThickness = 0.3f;
                        p.heelTaper = 0.1f;
                    },
                    {{"0.600×(2.100＋2.200)/2", 2100, 11650}}},
        FormulaCase{"BackSoilOverBatterAndTaper", 7,
                    [](Program& p) {
                        p.rearWallBottomWidth = 0.46f;
                        p.rearWallOuterBatter = 0.06f;
                        p.heelEndThickness = 0.3f;
                        p.heelTaper = 0.1f;
                    },
                    {{"2.100×(0.600＋0.650)/2", 2100, 11550}, {"＋0.600×0.100/2", 2900, 11750}}},
        FormulaCase{"BackSoilTriangleWithoutHeel", 7,
                    [](Program& p) {
                        p.heelLength = 0;
                        p.rearWallBottomWidth = 0.46f;
                        p.rearWallOuterBatter = 0.06f;
                    },
                    {{"0.050×2.100/2", 2100, 11650}}},
        FormulaCase{"FrontSoilRectangle", 8, nullptr, {{"0.500×1.000", 2100, 12150}}},
        // Surface width 0.06 − 0.06·0.5/1.5 + 0.5 = 0.54.
        FormulaCase{"FrontSoilOverBatter", 8,
                    [](Program& p) {
                        p.frontWallBottomWidth = 0.46f;
                        p.frontWallOuterBatter = 0.06f;
                    },
                    {{"1.000×(0.500＋0.540)/2", 2100, 12150}}},
        FormulaCase{"FrontSoilOverTaper", 8,
                    [](Program& p) {
                        p.toeEndThickness = 0.3f;
                        p.toeTaper = 0.1f;
                    },
                    {{"0.500×(1.000＋1.100)/2", 2100, 12150}}},
        FormulaCase{"FrontSoilOverBatterAndTaper", 8,
                    [](Program& p) {
                        p.frontWallBottomWidth = 0.46f;
                        p.frontWallOuterBatter = 0.06f;
                        p.toeEndThickness = 0.3f;
                        p.toeTaper = 0.1f;
                    },
                    {{"1.000×(0.500＋0.540)/2", 2100, 12050}, {"＋0.500×0.100/2", 2900, 12250}}},
        FormulaCase{"FrontSoilWithoutToe", 8,
                    [](Program& p) {
                        p.toeLength = 0;
                        p.frontWallBottomWidth = 0.46f;
                        p.frontWallOuterBatter = 0.06f;
                    },
                    {{"1.000×(0.000＋0.040)/2", 2100, 12150}}}),
    [](const auto& info) { return std::string(info.param.name); });

// A wall with no height above the slab has no surface width: the writer stops there.
TEST(AreaFormulaFaultTest, ZeroWallHeightAboveTheSlabFaults) {
    ScriptedServices svc;
    Program p(svc);
    p.heelLength = 0.6f;
    p.rearWallBottomWidth = 0.46f;
    p.rearWallTopWidth = 0.3f;
    p.rearWallInnerBatter = 0.1f;
    p.rearWallOuterBatter = 0.06f;
    plat::RecordingSurface s;
    EXPECT_THROW(page::drawAreaFormula(p, s, 7), num::CalcFault);
    EXPECT_THROW(page::centreSurchargeWidth(p), num::CalcFault);
}

}  // namespace
