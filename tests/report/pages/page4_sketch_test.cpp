// The sketch of report page 4, for every shape it takes and for a small and a large wall:
// no label on another label or on the page's text, no line through a label, every label
// on the sheet, and the pressure labels at the end of the base that carries them.
#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "report/pages/stability_pages_fixture.h"
#include "support/choice_input.h"

namespace {

enum class Key { None, Building, Road };

struct KeyCase {
    Key key;
    const char* name;
};
const KeyCase kKeys[] = {{Key::None, "no key"}, {Key::Building, "building key"}, {Key::Road, "road key"}};

// The eccentricity of a base 3.0 m wide: ±0.3 trapezoid, 0.5 exactly B/6, ±0.9 triangle.
struct ShapeCase {
    float eccentricity;
    const char* name;
};
const ShapeCase kShapes[] = {{0.3f, "toe-side trapezoid"}, {-0.3f, "heel-side trapezoid"}, {0.0f, "e 0"},
                             {0.5f, "B/6"},                {0.9f, "toe-side triangle"},   {-0.9f, "heel-side triangle"}};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.name; }

// Where a text stands, twips.
struct Box {
    std::string text;
    double left, top, right, bottom;
    double fontSize;
};

// The room a label keeps from every line, twips.
constexpr double kClearance = 10;

// Whether the segment (x1, y1)-(x2, y2) comes into the box grown by the clearance
// (clipping the segment's parameter range to the box's four sides).
bool crosses(const plat::DrawOp& l, const Box& b) {
    const double left = b.left - kClearance, right = b.right + kClearance;
    const double top = b.top - kClearance, bottom = b.bottom + kClearance;
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    double t0 = 0, t1 = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {l.x1 - left, right - l.x1, l.y1 - top, bottom - l.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

bool overlap(const Box& a, const Box& b) {
    return std::min(a.right, b.right) > std::max(a.left, b.left) &&
           std::min(a.bottom, b.bottom) > std::max(a.top, b.top);
}

// Every key with every shape, and whether the wall is the large one: four times as wide and
// with a ΣV of four integer digits, whose formula lines beside the sketch are the longest.
using Param = std::tuple<KeyCase, ShapeCase, bool>;

struct SketchCase {
    Key key;
    float eccentricity;
};

class Page4SketchTest : public StabilityPagesFixture, public ::testing::WithParamInterface<Param> {
protected:
    SketchCase sketch() const { return {std::get<0>(GetParam()).key, std::get<1>(GetParam()).eccentricity}; }

    // Stored results of a wall whose every check passes; the eccentricity and the key
    // choose the sketch, the overturning method how far down the bearing formulas stand.
    void store(plat::OptionButton Form14::*method = &Form14::opt1) {
        const SketchCase c = sketch();
        const float scale = std::get<2>(GetParam()) ? 4 : 1;
        choice_input::setDesignChoices(
            prog, {c.key == Key::Road ? Standard::Road : Standard::Building, LoadCase::Normal, GroundShape::OneSided});
        (prog.form<Form14>().*method).setValue(true);
        prog.form<Form14>().opt5.setValue(true);
        choice_input::setDimensionChoices(prog, {.shearKey = c.key == Key::None ? ShearKey::Absent : ShearKey::Present,
                                                 .surchargeDeduction = SurchargeDeduction::None});
        prog.chapterNumber.assign(1, '3');
        prog.baseWidth = 3.0f * scale;
        prog.eccentricity = c.eccentricity * scale;
        prog.resultantPosition = (1.5f - c.eccentricity) * scale;
        prog.neutralAxisXn = 1.8f * scale;
        prog.sumV = scale == 1 ? 150 : 1234.567f;
        prog.sumH = 50;
        prog.momentResisting = 300;
        prog.momentOverturning = 60;
        prog.overturningSafetyFactor = 5;
        prog.sigmaMax = 120;
        prog.sigmaMin = 30;
        prog.allowBearing = 200;
        prog.slidingResistance = 90;
        prog.slidingSafetyFactor = 1.8f;
        prog.slidingSafetyFactorWithKey = 2;
        prog.baseFriction = 0.5f;
        prog.foundationPhi = 30;
        prog.keyHeight = 0.3f;
        prog.keyPosition = 1.5f;
        prog.keyWedgeLength = 0.5f;
        prog.keySigma1 = 70;
        prog.keySigma2 = 80;
        prog.keySigma0 = 75;
        prog.keyPassivePressure = 225;
        prog.keyNormalLoadW1 = 100;
        prog.keyShearResistanceHk = 100;
    }

    std::vector<Box> boxes() const {
        std::vector<Box> out;
        plat::RecordingSurface measure;
        for (const auto& op : textOps()) {
            if (op.text.find_first_not_of(' ') == std::string::npos) continue;
            measure.setFont(op.fontName, op.fontSize);
            // Leading blanks are not ink.
            const size_t lead = op.text.find_first_not_of(' ');
            const double left = op.x1 + measure.textWidth(op.text.substr(0, lead));
            out.push_back({op.text, left, op.y1, op.x1 + measure.textWidth(op.text), op.y1 + measure.textHeight(),
                           op.fontSize});
        }
        return out;
    }
};

TEST_P(Page4SketchTest, LabelsKeepClearOfEachOtherTheTextAndTheLines) {
    const std::pair<plat::OptionButton Form14::*, const char*> methods[] = {
        {&Form14::opt1, "F"}, {&Form14::opt2, "d"}, {&Form14::opt3, "e"}, {&Form14::opt6, "F and e"}};
    for (const auto& [method, name] : methods) {
        SCOPED_TRACE(name);
        surface.clear();
        store(method);
        report::runProc(prog, report::Proc::KENTOU);
        const std::vector<Box> all = boxes();
        const std::vector<plat::DrawOp> lines = lineOps();
        ASSERT_FALSE(lines.empty()) << "no sketch";
        int labels = 0;
        for (size_t i = 0; i < all.size(); ++i) {
            const Box& a = all[i];
            if (a.fontSize == 9) ++labels;
            for (size_t j = i + 1; j < all.size(); ++j)
                EXPECT_FALSE(overlap(a, all[j])) << "\"" << a.text << "\" and \"" << all[j].text << "\"";
            for (const auto& l : lines)
                EXPECT_FALSE(crosses(l, a)) << "\"" << a.text << "\" (" << a.left << ", " << a.top
                                            << ") and the line (" << l.x1 << ", " << l.y1 << ")-(" << l.x2 << ", "
                                            << l.y2 << ")";
            EXPECT_LE(a.right, surface.printableWidth()) << a.text;
        }
        EXPECT_GE(labels, sketch().key == Key::None ? 2 : 6);
    }
}

// σmax (ｑ1) stands at the end of the base that carries it, the toe (left) when e ≥ 0 and
// the heel (right) when e < 0; σmin (ｑ2) at the other end. The rectangle's σmax spans both.
TEST_P(Page4SketchTest, PressureLabelsStandAtTheirEndOfTheBase) {
    const SketchCase c = sketch();
    store();
    report::runProc(prog, report::Proc::KENTOU);
    if (c.key == Key::None && c.eccentricity == 0) return;
    const double middle = 10250;
    const bool toe = c.eccentricity >= 0;
    for (const Box& b : boxes()) {
        const double centre = (b.left + b.right) / 2;
        if (b.text == "σmax" || b.text == "ｑ1") {
            EXPECT_EQ(centre < middle, toe) << b.text << " at " << b.left;
        }
        if (b.text == "σmin" || b.text == "ｑ2") {
            EXPECT_EQ(centre < middle, !toe) << b.text << " at " << b.left;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, Page4SketchTest,
                         ::testing::Combine(::testing::ValuesIn(kKeys), ::testing::ValuesIn(kShapes),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<Param>& info) {
                             std::string n = std::string(std::get<0>(info.param).name) + ", " +
                                             std::get<1>(info.param).name +
                                             (std::get<2>(info.param) ? ", large" : "");
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

}  // namespace
