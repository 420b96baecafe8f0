#include "conditions/ground_shape.h"
#include "common/colours.h"
#include "common/messages.h"

#include <cmath>
#include <string>

#include "conditions/conditions_screen.h"

namespace {

constexpr int kDashed = 2;

// A line with a small head at its end, for the earth-pressure resultants.
void arrow(FixedDrawing& d, int x1, int y1, int x2, int y2) {
    d.line(x1, y1, x2, y2);
    const double angle = std::atan2(y2 - y1, x2 - x1);
    for (double side : {2.6, -2.6}) {
        const int hx = x2 + static_cast<int>(std::lround(90 * std::cos(angle + side)));
        const int hy = y2 + static_cast<int>(std::lround(90 * std::sin(angle + side)));
        d.line(x2, y2, hx, hy);
    }
}

void dashed(FixedDrawing& d, int x1, int y1, int x2, int y2) { d.line(x1, y1, x2, y2).setBorderStyle(kDashed); }

// Earth pressure PA at h/3 and the surcharge's ΔPA at h/2 on a virtual back face at x,
// pointing towards the wall (direction +1 to the right, −1 to the left): the names at the
// arrows' tails, the angle δ over each arrow, the heights of action beside the face on the
// wall's side.
void pressures(FixedDrawing& d, int face, int top, int bottom, int direction) {
    constexpr int kLength = 480, kRise = 120, kName = 30, kGlyph = 180;
    const int h = bottom - top;
    const int tail = face - direction * kLength;
    const int middle = face - direction * kLength / 2;
    const int heightX = direction > 0 ? face + 60 : face - 60 - FixedDrawing::textWidth("h/2", 9);
    struct Force {
        int y;  // where it acts on the face
        const char* name;
        const char* height;
    };
    for (const Force& f : {Force{top + h / 2, "ΔPA", "h/2"}, Force{bottom - h / 3, "PA", "h/3"}}) {
        arrow(d, tail, f.y - kRise, face, f.y);
        const int nameWidth = FixedDrawing::textWidth(f.name, 9);
        d.text(direction > 0 ? tail - kName - nameWidth : tail + kName, f.y - kRise - 105, f.name);
        d.text(middle - kGlyph / 2, f.y - kRise / 2 - 255, "δ");
        d.text(heightX, f.y - 105, f.height);
    }
}

// A U-shaped wall in section: two walls 120 thick on a slab (top 4080, underside 4200),
// the wall tops at leftTop and rightTop, the stairs or ramp rising inside to the left.
void uSection(FixedDrawing& d, int left, int right, int leftTop, int rightTop) {
    constexpr int kWall = 120, kSlabTop = 4080, kSlabBottom = 4200;
    d.line(left, leftTop, left, kSlabBottom);
    d.line(left + kWall, leftTop, left + kWall, kSlabTop);
    d.line(right - kWall, rightTop, right, rightTop);
    d.line(right - kWall, rightTop, right - kWall, kSlabTop);
    d.line(right, rightTop, right, kSlabBottom);
    d.line(left + kWall, kSlabTop, right - kWall, kSlabTop);
    d.line(left, kSlabBottom, right, kSlabBottom);
    d.line(left + kWall, leftTop + 120, right - kWall, 3600);
}

}  // namespace

Form23::Form23(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild), program_(program) {
    // A new shape: no shear key, and every result built on the old shape is stale.
    stale_.add(opt1, invalidates::kGroundShape);
    stale_.add(opt2, invalidates::kGroundShape);
    setSize(10920, 6945);

    lbl28[0].place(360, 120, 3000, 300);
    lbl28[0].setCaption("地盤の形状の選択");
    lbl28[0].setFont("ＭＳ Ｐゴシック", 11.25);
    lbl28[0].setForeColor(kGreen);
    Label34.place(600, 600, 5400, 255);
    Label34.setCaption("地盤の形状(１)又は(２)を選択してください。");
    Label34.setFont("ＭＳ ゴシック", 9);
    Frame1.place(600, 900, 5400, 495);
    opt1.setContainer(Frame1);
    opt1.place(240, 150, 2400, 255);
    opt1.setCaption("(１)片側土圧");
    opt1.setFont("ＭＳ ゴシック", 9);
    opt1.setTabIndex(0);
    opt2.setContainer(Frame1);
    opt2.place(2880, 150, 2400, 255);
    opt2.setCaption("(２)両側対象土圧");
    opt2.setFont("ＭＳ ゴシック", 9);
    opt2.setTabIndex(1);
    cmd2.place(6840, 6360, 1695, 420);
    cmd2.setCaption("< 設計条件");
    cmd2.setFont("ＭＳ ゴシック", 9);
    cmd2.setTabIndex(3);
    cmd1.place(8760, 6360, 1815, 420);
    cmd1.setCaption("寸法の入力 >");
    cmd1.setFont("ＭＳ ゴシック", 9);
    cmd1.setTabIndex(2);
    lbl28[1].place(6720, 150, 2400, 255);
    lbl28[1].setCaption("擁壁の計算箇所");
    lbl28[1].setFont("ＭＳ ゴシック", 9);
    lbl28[1].setForeColor(kNavy);

    drawFigures();

    opt1.Click = [this] { opt1_Click(); };
    opt2.Click = [this] { opt2_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    cmd1.Click = [this] { cmd1_Click(); };
}

void Form23::drawFigures() {
    FixedDrawing& d = figures;

    // Plan: the developed land above the front road, a ramp along the road (1) and one
    // cut into the land (2), with the calculation points and the section marks.
    d.box(7320, 480, 3360, 2460);
    d.line(7320, 2520, 9480, 2520);
    d.line(9840, 2520, 10680, 2520);
    d.text(7560, 2610, "前面道路");
    d.text(7800, 1200, "造成地");
    d.text(10020, 1560, "造成地");
    d.line(7560, 2040, 9060, 2040);
    d.line(7560, 2400, 9060, 2400);
    d.line(7560, 2040, 7560, 2400);
    d.line(9480, 720, 9480, 2520);
    d.line(9840, 720, 9840, 2520);
    d.line(9480, 720, 9840, 720);
    d.text(7650, 2130, "a");
    d.text(8220, 2130, "c");
    d.text(8880, 2130, "b");
    d.text(9600, 840, "d");
    d.text(9600, 1560, "e");
    d.text(8490, 1770, "Ａ");
    d.text(8490, 2550, "Ａ");
    dashed(d, 8580, 1980, 8580, 2460);
    d.text(9180, 1110, "Ｂ");
    d.text(9960, 1110, "Ｂ");
    dashed(d, 9420, 1200, 9900, 1200);
    d.text(7620, 1740, "(1)");
    d.text(9960, 840, "(2)");

    // (1) one-sided: developed land behind the rear wall, a road before the front wall.
    d.text(360, 1620, "(１)片側土圧");
    d.text(1920, 1620, "(Ａ－Ａ断面)");
    d.text(480, 2160, "造成地");
    d.text(3120, 3360, "道路等");
    d.line(360, 2400, 1680, 2400);
    uSection(d, 1560, 3000, 2400, 3480);
    d.line(3000, 3600, 3600, 3600);
    d.text(2280, 2460, "階段");
    d.text(2280, 2700, "傾斜路");
    d.text(2040, 3840, "中央土");
    dashed(d, 1080, 2400, 1080, 4200);
    d.text(720, 4320, "仮想背面");
    d.text(1140, 2580, "h");
    pressures(d, 1080, 2400, 4200, +1);

    // (2) symmetric: developed land on both sides.
    d.text(3840, 1620, "(２)両側対称土圧");
    d.text(5640, 1620, "(Ｂ－Ｂ断面)");
    d.text(3840, 2160, "造成地");
    d.text(6600, 2160, "造成地");
    d.line(3840, 2400, 5040, 2400);
    d.line(5880, 2400, 7200, 2400);
    uSection(d, 4920, 6000, 2400, 2400);
    d.text(5400, 2520, "階段");
    d.text(5160, 3840, "中央土");
    dashed(d, 4560, 2400, 4560, 4200);
    dashed(d, 6360, 2400, 6360, 4200);
    d.text(4200, 4320, "仮想背面");
    d.text(6000, 4320, "仮想背面");
    pressures(d, 4560, 2400, 4200, +1);
    pressures(d, 6360, 2400, 4200, -1);

    // Where each shape is calculated.
    d.text(360, 4920, "(１)");
    d.text(840, 4920, "片側土圧　階段（傾斜路）a 最上部：接地圧大");
    d.text(3000, 5160, "b 最下部：滑動大");
    d.text(360, 5400, "(２)");
    d.text(840, 5400, "両側土圧　階段（傾斜路）d 最上部：接地圧大");
    d.text(360, 5760, "(１)(２)共 c e 中央部（平均）を計算する場合も有");
    d.text(360, 6120, "中央土の土圧は、土圧の巾が狭い為、考慮していません。").setForeColor(kBlue);
}

void Form23::opt1_Click() { stale_.changed(opt1); }
void Form23::opt2_Click() { stale_.changed(opt2); }

void Form23::cmd2_Click() {
    hide();
    Form3& conditions = program_.form<Form3>();
    conditions.setTop(0);
    conditions.setLeft(0);
    conditions.show();
}

void Form23::cmd1_Click() {
    if (!opt1.value() && !opt2.value()) {
        program_.msgBox("地盤の形状（1）又は（2）を選択してください。", plat::msg::kOk, kErrorTitle);
        opt1.setFocus();
        return;
    }
    // The dimension screen takes the shape over and sets itself up for it.
    program_.handOvers.run(HandOver::OpenDimensions);
}
