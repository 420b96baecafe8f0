// The ground-reaction sketch on the shear-key dialogs: a schematic, not to scale. The last
// engine run only chooses trapezoid or triangle and the end at which the maximum lies.
#include <cmath>
#include <vector>

#include "common/numbers.h"
#include "stability/shear_key_dialogs.h"

namespace {

struct Segment {
    int x1, y1, x2, y2;
};
struct Text {
    const char* text;
    int x, y;
};
// Drawn in this order: the pressure lines, the σ texts, the distance line (and its tick
// where the triangle's contact ends), then "L1" and "L2".
struct Sketch {
    std::vector<Segment> pressure;
    std::vector<Text> sigmas;
    std::vector<Segment> distance;
    Text l1, l2;
};

// Building standard: σmax, σmin, and σ1, σ2 at the start of the passive wedge and at the key.
const Sketch kBuildingTrapezoidToe{
    {{1560, 3420, 1560, 4000}, {3600, 3420, 3600, 3700}, {1560, 4000, 3600, 3700}, {2160, 3420, 2160, 3930},
     {2580, 3420, 2580, 3870}},
    {{"σmax", 1000, 3600}, {"σmin", 3650, 3500}, {"σ1", 1860, 3600}, {"σ2", 2630, 3550}},
    {{1560, 4500, 3600, 4500}},
    {"L1", 1800, 4300},
    {"L2", 3000, 4300}};
const Sketch kBuildingTrapezoidHeel{
    {{1560, 3420, 1560, 3700}, {3600, 3420, 3600, 4000}, {1560, 3700, 3600, 4000}, {2160, 3420, 2160, 3800},
     {2580, 3420, 2580, 3860}},
    {{"σmax", 3650, 3600}, {"σmin", 1000, 3500}, {"σ1", 1860, 3500}, {"σ2", 2630, 3550}},
    {{1560, 4500, 3600, 4500}},
    {"L1", 1800, 4300},
    {"L2", 3000, 4300}};
const Sketch kBuildingTriangleToe{
    {{1560, 3420, 1560, 3800}, {1560, 3800, 3400, 3420}, {2160, 3420, 2160, 3670}, {2580, 3420, 2580, 3600}},
    {{"σmax", 1000, 3500}, {"σ1", 1860, 3500}, {"σ2", 2630, 3550}},
    {{1560, 4500, 3400, 4500}, {3400, 4500, 3400, 4140}},
    {"L1", 1800, 4300},
    {"L2", 2900, 4300}};
const Sketch kBuildingTriangleHeel{
    {{3600, 3420, 3600, 3800}, {1760, 3420, 3600, 3800}, {2160, 3420, 2160, 3500}, {2580, 3420, 2580, 3600}},
    {{"σmax", 3650, 3500}, {"σ1", 1860, 3500}, {"σ2", 2630, 3430}},
    {{1760, 4500, 3600, 4500}, {1760, 4500, 1760, 4140}},
    {"L1", 1900, 4300},
    {"L2", 3000, 4300}};

// Road standard: σ1 is always the maximum, σ2 the minimum, σ3 the pressure at the key.
const Sketch kRoadTrapezoidToe{
    {{1560, 3420, 1560, 4000}, {3600, 3420, 3600, 3700}, {1560, 4000, 3600, 3700}, {2580, 3420, 2580, 3870}},
    {{"σ1", 1200, 3600}, {"σ2", 3650, 3500}, {"σ3", 2630, 3550}},
    {{1560, 4500, 3600, 4500}},
    {"L1", 2000, 4300},
    {"L2", 3050, 4300}};
const Sketch kRoadTrapezoidHeel{
    {{1560, 3420, 1560, 3700}, {3600, 3420, 3600, 4000}, {1560, 3700, 3600, 4000}, {2580, 3420, 2580, 3860}},
    {{"σ1", 3650, 3600}, {"σ2", 1200, 3500}, {"σ3", 2630, 3550}},
    {{1560, 4500, 3600, 4500}},
    {"L1", 2000, 4300},
    {"L2", 3050, 4300}};
const Sketch kRoadTriangleToe{
    {{1560, 3420, 1560, 3800}, {1560, 3800, 3400, 3420}, {2580, 3420, 2580, 3600}},
    {{"σ1", 1000, 3500}, {"σ3", 2630, 3550}},
    {{1560, 4500, 3400, 4500}, {3400, 4500, 3400, 4140}},
    {"L1", 2000, 4300},
    {"L2", 2950, 4300}};
const Sketch kRoadTriangleHeel{
    {{3600, 3420, 3600, 3800}, {1760, 3420, 3600, 3800}, {2580, 3420, 2580, 3600}},
    {{"σ1", 3650, 3500}, {"σ3", 2630, 3430}},
    {{1760, 4500, 3600, 4500}, {1760, 4500, 1760, 4140}},
    {"L1", 2100, 4300},
    {"L2", 3050, 4300}};

// The trapezoid is drawn only while |e|/B stays below 1/6 in single precision; the
// ratio exactly 1/6 is drawn as the triangle.
bool isTrapezoid(float eccentricity, float baseWidth) {
    float ratio = num::store(num::div(std::fabs(eccentricity), baseWidth));
    float sixth = num::store(1.0 / 6.0);
    return sixth > ratio;
}

void draw(plat::Form& dialog, const Sketch& sketch) {
    plat::RecordingSurface& s = dialog.canvas();
    s.setFont(dialog.font().name, dialog.font().size, dialog.font().bold);
    auto text = [&s](const Text& t) {
        s.setCurrentX(t.x);
        s.setCurrentY(t.y);
        s.print(t.text);
    };
    for (const Segment& l : sketch.pressure) s.line(l.x1, l.y1, l.x2, l.y2);
    for (const Text& t : sketch.sigmas) text(t);
    for (const Segment& l : sketch.distance) s.line(l.x1, l.y1, l.x2, l.y2);
    text(sketch.l1);
    text(sketch.l2);
}

}  // namespace

void drawReactionSketchT(Program& program, plat::Form& dialog) {
    bool trapezoid = isTrapezoid(program.eccentricity, program.baseWidth);
    bool toe = program.eccentricity >= 0;
    draw(dialog, trapezoid ? (toe ? kBuildingTrapezoidToe : kBuildingTrapezoidHeel)
                           : (toe ? kBuildingTriangleToe : kBuildingTriangleHeel));
}

void drawReactionSketchD(Program& program, plat::Form& dialog) {
    bool trapezoid = isTrapezoid(program.eccentricity, program.baseWidth);
    bool toe = program.eccentricity >= 0;
    draw(dialog, trapezoid ? (toe ? kRoadTrapezoidToe : kRoadTrapezoidHeel)
                           : (toe ? kRoadTriangleToe : kRoadTriangleHeel));
}
