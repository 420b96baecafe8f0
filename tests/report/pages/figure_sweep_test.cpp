// The figures of report pages 2 and 5 over a generated set of walls that the screens
// accept: thin and thick walls and slabs, low and tall walls, narrow and wide spans from
// 0.5 m, with and without toe, heel, fill and surcharges, in both ground shapes. On every
// one no text of a figure overlaps another or is crossed by a line, every text stays in
// its figure's band, and the row of the overall width holds its figure alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "report/pages/page_conventions.h"
#include "report/report_pages.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "support/fixture_walls.h"
#include "support/page_layout.h"
#include "support/program_fixture.h"
#include "support/screen_input.h"

namespace {

// A small generator of the same walls on every run.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    template <size_t N>
    double pick(const double (&values)[N]) {
        state_ = state_ * 1664525u + 1013904223u;
        return values[(state_ >> 8) % N];
    }

private:
    std::uint32_t state_;
};

std::string text(double v) {
    std::string s = std::to_string(v);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

// One wall as typed: widths from their lower ends, heights from low to tall, spans from
// 0.5 m; the faces battered or upright, the toe and heel there or not.
screen_input::Texts generatedWall(Dice& d) {
    const double widths[] = {0.01, 0.05, 0.1, 0.15, 0.2, 0.3, 0.45, 0.8};
    const double batters[] = {0, 0, 0.02, 0.05, 0.1, 0.3};
    const double spans[] = {0.5, 0.6, 0.8, 1.2, 2.0, 4.0, 8.0};
    const double heights[] = {0.05, 0.2, 0.5, 0.8, 1.2, 2.5, 4.0, 7.0, 12.0};
    const double uppers[] = {0, 0, 0.1, 0.3, 1.0, 3.0};
    const double slabs[] = {0.01, 0.05, 0.1, 0.15, 0.2, 0.3, 0.5, 1.0};
    const double arms[] = {0, 0, 0.01, 0.1, 0.3, 0.6, 1.5, 3.0};
    const double fills[] = {0, 0.1, 0.2, 0.5, 1.5};
    const double loads[] = {0, 0, 5, 10, 20, 60};
    const double t = d.pick(slabs);
    const double H1 = t + d.pick(heights);
    const double b1t = d.pick(widths), b2t = d.pick(widths);
    const double i1 = d.pick(batters), o1 = d.pick(batters), i2 = d.pick(batters), o2 = d.pick(batters);
    const double toe = d.pick(arms), heel = d.pick(arms);
    const double toeEnd = toe == 0 ? 0 : t * 0.75, heelEnd = heel == 0 ? 0 : t * 0.75;
    const double H4 = toe == 0 ? t + d.pick(uppers) : d.pick(heights) * 0.5;
    return {{"txt3", text(d.pick(uppers) + 0.1)},  {"txt4", text(H4)},
            {"txt5", text(H1)},                    {"txt6", text(d.pick(uppers))},
            {"txt7", text(b1t)},                   {"txt8", text(i1)},
            {"txt9", text(b2t)},                   {"txt10", text(i2)},
            {"txt12", text(toe)},                  {"txt13", text(b1t + i1 + o1)},
            {"txt14", text(d.pick(spans))},        {"txt15", text(b2t + i2 + o2)},
            {"txt16", text(heel)},                 {"txt17", text(t)},
            {"txt18", text(toeEnd)},               {"txt19", text(heelEnd)},
            {"txt20", text(std::min(d.pick(fills), H1 - t))},
            {"txt21", text(d.pick(loads))},        {"txt22", text(d.pick(loads))},
            {"txt23", text(d.pick(loads))}};
}

using layout::Band;
using layout::kBands;
using layout::recordPage;

// Texts out of the band, on one another, or crossed by a line.
std::vector<std::string> faults(const plat::RecordingSurface& page, const Band& band) {
    const std::vector<plat::DrawOp> figure = layout::figureOps(page, band.bottom);
    std::vector<std::string> found = layout::collisions(layout::drawingOf(figure));
    for (const plat::DrawOp& op : figure) {
        layout::Box b;
        if (layout::inkBox(op, b) && (op.y1 < band.top || op.y1 + op.fontSize * 20 > band.bottom))
            found.push_back(layout::describe(b) + " outside the band");
    }
    return found;
}

// The walls of one ground shape, entered one after another on the dimension screen.
void sweep(fixture::Wall conditions, std::uint32_t seed, int walls) {
    ProgramWithMainWindow w;
    fixture::enterConditions(w.prog, conditions);
    Form4& d = w.prog.form<Form4>();
    Dice dice(seed);
    int drawn = 0;
    for (int i = 0; i < walls; ++i) {
        const screen_input::Texts wall = generatedWall(dice);
        w.svc.clear();
        screen_input::typeWall(d, wall);
        d.txt12.setFocus();
        d.txt13.setFocus();
        d.opt1.userClick();
        if (d.Frame2.visible()) d.opt3.userClick();
        d.opt5.userClick();
        Form14& methods = w.prog.form<Form14>();
        methods.opt1.setValue(true);
        methods.opt5.setValue(true);
        methods.hide();
        d.cmd3.press();
        if (!w.svc.messages.empty()) continue;  // a wall the calculation refuses
        d.cmd1.press();
        if (!w.svc.messages.empty()) continue;
        ++drawn;
        const std::string described = "wall " + std::to_string(i) + " " + ::testing::PrintToString(wall);
        for (const Band& band : kBands) {
            const plat::RecordingSurface page = recordPage(w.prog, band.page);
            const std::vector<std::string> found = faults(page, band);
            EXPECT_TRUE(found.empty()) << "page " << band.page << ", " << described << "\n"
                                       << ::testing::PrintToString(found);
            // The row of the overall width holds no other figure (its own may stand under it).
            for (const std::string& text : layout::textsIn(page, band.bottom, layout::widthRow(w.prog, band.page)))
                EXPECT_EQ(text, page::millimetres(w.prog.baseWidth)) << "page " << band.page << ", " << described;
        }
    }
    // Most generated walls are real ones.
    EXPECT_GT(drawn, walls * 3 / 4);
}

TEST(FigureSweep, OneSidedWalls) { sweep(fixture::Wall::HeelToeKey, 11, 60); }
TEST(FigureSweep, TwoSidedWalls) { sweep(fixture::Wall::TwoSided, 29, 40); }

}  // namespace
