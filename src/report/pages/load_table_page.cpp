// Report page 3, second section: the ruled table of every load on the wall (Form4.Doatu2).
#include <algorithm>

#include "conditions/design_choices.h"
#include "report/pages/page_writers.h"
#include "report/pages/stability_pages_common.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"

using namespace stability_pages;

namespace {

// The columns of the table: where an aligned number below 10 starts (larger ones start
// 100 twips further left per digit, up to 100 and more), where a fixed number starts and
// where a dash starts.
struct Column {
    double aligned, fixed, dash;
};
constexpr Column kV{3500, 0, 3500};
constexpr Column kH{4800, 0, 4800};
constexpr Column kX{0, 6200, 6100};
constexpr Column kY{0, 7500, 7400};
constexpr Column kVx{8700, 0, 8700};
constexpr Column kHy{10000, 0, 10000};

enum class Cell { Value, Dash, Empty };

class Table {
public:
    Table(plat::Surface& s, double y) : s_(s), y_(y) {}

    void aligned(const Column& c, double r, double value) {
        const double v = page::round4(value);
        printAt(s_, page::alignedX(c.aligned, v, 2), y_ + r, nf(v, page::fmt::kTableCell));
    }
    void fixed(const Column& c, double r, float value) {
        printAt(s_, c.fixed, y_ + r, nf(value, page::fmt::kCentroid));
    }
    void dash(const Column& c, double r) { s_.line(c.dash, y_ + r + 100, c.dash + 500, y_ + r + 100); }
    void text(double x, double y, const std::string& t) { printAt(s_, x, y_ + y, t); }
    void rule(double x1, double y1, double x2, double y2) { s_.line(x1, y_ + y1, x2, y_ + y2); }

    // A cell that a rule turns into a value, a dash or nothing.
    template <class F>
    void cell(Cell kind, const Column& c, double r, F value) {
        if (kind == Cell::Dash) dash(c, r);
        if (kind == Cell::Value) value();
    }

private:
    plat::Surface& s_;
    double y_;
};

}  // namespace

void report::prepareLoadTable(Program& p) { p.pageLoopCounter = 8; }  // where the frame's rules end

void report::Doatu2(plat::Surface& s, const Program& p) {
    const DimensionChoices d = dimensionChoices(page::screen<Form4>(p));
    const DesignChoices choices = designChoices(p);
    const bool k2 = choices.seismicMethod == SeismicMethod::K2;

    // The table moves up by as much as the coefficient's derivation above is shorter.
    int loadTableOffset = 0;
    if (choices.kaMode == KaMode::Typed) {
        loadTableOffset = k2 ? -3100 : -3500;
    } else if (choices.kaMode == KaMode::Computed) {
        if (p.groundSlope == 0 && p.wallBackAngle == 0 && p.deltaStability == 0) loadTableOffset = -2900;
        if (choices.seismic()) loadTableOffset = k2 ? -600 : 0;
    }
    Table t(s, p.earthPressurePageOffsetValue() + loadTableOffset);

    const bool oneSided = choices.oneSided(), symmetric = choices.symmetric();
    const bool normal = choices.normal(), seismic = choices.seismic();
    const bool k1 = choices.seismicMethod == SeismicMethod::K1, inertiaMethod = choices.withHeights();
    const SurchargeInertia surchargeInertia = checkMethods(p).surchargeInertia;

    // Title.
    auto title = [&](double y, const std::string& text) {
        s.setCurrentY(y + p.earthPressurePageOffsetValue() + loadTableOffset);
        s.print(blanks(12) + text);
    };
    if (oneSided) {
        if (normal)
            title(9000, "４）荷重の集計");
        else if (k1)
            title(9200, "４）荷重の集計（水平力＝地震時土圧）");
        else if (k2)
            title(9200, "４）荷重の集計（水平力＝慣性力＋常時土圧）");
        else if (choices.seismicMethod == SeismicMethod::D1)
            title(9200, "４）荷重の集計（水平力＝慣性力＋地震時土圧）");
    } else if (symmetric) {
        title(9000, "４）荷重の集計");
    }

    // Frame.
    t.rule(1600, 9500, 10900, 9500);
    t.rule(5700, 9900, 10900, 9900);
    for (float j = 0; j <= 7; j += 1) t.rule(1600, 10300 + 400 * j, 10900, 10300 + 400 * j);
    for (double x : {1600, 3100, 4400, 5700, 7000, 8300, 9600, 10900})
        t.rule(x, x == 7000 || x == 9600 ? 9900 : 9500, x, 13100);

    // Header.
    t.text(1800, 9800, "荷重の種類");
    t.text(3300, 9650, "鉛 直 力");
    t.text(3300, 9950, "Ｖ(kN/m)");
    t.text(4550, 9650, "水 平 力");
    t.text(4550, 9950, "Ｈ(kN/m)");
    t.text(6400, 9600, "作 用 点 (m)");
    t.text(8550, 9600, "モーメント(kN･m/m)");
    t.text(6250, 10000, "ｘ");
    t.text(7550, 10000, "ｙ");
    t.text(8750, 10000, "Ｖ･x");
    t.text(10000, 10000, "Ｈ･y");

    // Row labels.
    t.text(1900, 10400, "自 重(W)");
    if (oneSided) {
        t.text(1900, 10800, "土圧(PA)");
        t.text(1800, 11200, "土圧(△PA)");
    }
    t.text(1700, 11600, "背面上載荷重");
    t.text(1700, 12000, "中央上載荷重");
    t.text(1700, 12400, "前面上載荷重");
    t.text(1900, 12800, "合 計 Σ");

    const double Kh = p.seismicKh, sumW = p.sumW, B = p.baseWidth, Ho = p.earthPressureHeight;

    // Self weight.
    Cell weightInertia = Cell::Empty;
    if (oneSided)
        weightInertia = normal || k1 ? Cell::Dash : inertiaMethod ? Cell::Value : Cell::Empty;
    else if (symmetric)
        weightInertia = Cell::Dash;
    t.aligned(kV, 10400, sumW);
    t.cell(weightInertia, kH, 10400, [&] { t.aligned(kH, 10400, Kh * sumW); });
    const double x = num::div(p.sumWx, sumW);
    t.fixed(kX, 10400, float(x));
    t.cell(weightInertia, kY, 10400, [&] { t.fixed(kY, 10400, float(num::div(p.sumWy, sumW))); });
    t.aligned(kVx, 10400, x * sumW);
    t.cell(weightInertia, kHy, 10400, [&] { t.aligned(kHy, 10400, num::div(p.sumWy, sumW) * Kh * sumW); });

    // Earth pressure of the soil and of the back surcharge.
    const Cell vertical = d.verticalComponent == VerticalEarthPressureComponent::Counted   ? Cell::Value
                          : d.verticalComponent == VerticalEarthPressureComponent::LeftOut ? Cell::Dash
                                                                                            : Cell::Empty;
    if (oneSided) {
        const double PAX = p.earthPressurePAX, PAY = p.earthPressurePAY;
        const double dPAX = p.surchargePressureDeltaPAX, dPAY = p.surchargePressureDeltaPAY;
        t.cell(vertical, kV, 10800, [&] { t.aligned(kV, 10800, PAY); });
        t.aligned(kH, 10800, PAX);
        t.cell(vertical, kX, 10800, [&] { t.fixed(kX, 10800, p.baseWidth); });
        t.fixed(kY, 10800, float(Ho / 3));
        t.cell(vertical, kVx, 10800, [&] { t.aligned(kVx, 10800, B * PAY); });
        t.aligned(kHy, 10800, Ho * PAX / 3);

        t.cell(vertical, kV, 11200, [&] { t.aligned(kV, 11200, dPAY); });
        t.aligned(kH, 11200, dPAX);
        t.cell(vertical, kX, 11200, [&] { t.fixed(kX, 11200, p.baseWidth); });
        t.fixed(kY, 11200, float(Ho / 2));
        t.cell(vertical, kVx, 11200, [&] { t.aligned(kVx, 11200, dPAY * B); });
        t.aligned(kHy, 11200, dPAX * Ho / 2);
    } else if (symmetric && vertical == Cell::Value) {
        // The horizontal forces of the two sides cancel, but the vertical components count
        // in ΣV and in the resisting moment: they stand in the table as they are counted.
        auto verticalRow = [&](double r, double x, const std::string& label, double V) {
            if (V == 0) return;
            t.text(x, r, label);
            t.aligned(kV, r, V);
            t.dash(kH, r);
            t.fixed(kX, r, p.baseWidth);
            t.dash(kY, r);
            t.aligned(kVx, r, B * V);
            t.dash(kHy, r);
        };
        verticalRow(10800, 1900, "土圧(PA)", p.earthPressurePAY);
        verticalRow(11200, 1800, "土圧(△PA)", p.surchargePressureDeltaPAY);
    }

    // Surcharges. Their inertia counts in the seismic case under the inertia methods
    // with the surcharge inertia switched on; the moment cell follows the force cell.
    Cell inertia = Cell::Empty;
    if (normal)
        inertia = Cell::Dash;
    else if (seismic && k1)
        inertia = Cell::Dash;
    else if (seismic && inertiaMethod)
        inertia = surchargeInertia == SurchargeInertia::Off  ? Cell::Dash
                  : surchargeInertia == SurchargeInertia::On ? Cell::Value
                                                             : Cell::Empty;
    const Cell inertiaMoment = normal || surchargeInertia == SurchargeInertia::Off ? Cell::Dash : inertia;
    const double WQ1 = p.surchargeLoadBack, WQ2 = p.surchargeLoadCentre, WQ3 = p.surchargeLoadFront;
    const double xq1 = p.surchargeLoadBackX, xq2 = p.surchargeLoadCentreX, xq3 = p.surchargeLoadFrontX;
    const double hq = p.surchargeInertiaHeight;
    const double centreHeight = double(p.centralFillDepth) + p.slabThickness;
    // A surcharge row stands wherever its load counts in the totals, also where the soil
    // under it is left out of the self weight.
    if ((p.surchargeBack != 0 && p.partArea[7] != 0) || WQ1 != 0) {
        t.aligned(kV, 11600, WQ1);
        t.cell(inertia, kH, 11600, [&] { t.aligned(kH, 11600, Kh * WQ1); });
        t.fixed(kX, 11600, p.surchargeLoadBackX);
        t.cell(inertia, kY, 11600, [&] { t.fixed(kY, 11600, p.surchargeInertiaHeight); });
        t.aligned(kVx, 11600, xq1 * WQ1);
        t.cell(inertiaMoment, kHy, 11600, [&] { t.aligned(kHy, 11600, Kh * WQ1 * hq); });
    }
    if (p.surchargeCentre != 0) {
        t.aligned(kV, 12000, WQ2);
        t.cell(inertia, kH, 12000, [&] { t.aligned(kH, 12000, Kh * WQ2); });
        t.fixed(kX, 12000, p.surchargeLoadCentreX);
        t.cell(inertia, kY, 12000, [&] { t.fixed(kY, 12000, float(centreHeight)); });
        t.aligned(kVx, 12000, xq2 * WQ2);
        t.cell(inertiaMoment, kHy, 12000, [&] { t.aligned(kHy, 12000, Kh * WQ2 * centreHeight); });
    }
    if ((p.partArea[8] != 0 && p.surchargeFront != 0) || WQ3 != 0) {
        t.aligned(kV, 12400, WQ3);
        t.dash(kH, 12400);
        t.fixed(kX, 12400, p.surchargeLoadFrontX);
        t.dash(kY, 12400);
        t.aligned(kVx, 12400, xq3 * WQ3);
        t.dash(kHy, 12400);
    }

    // Totals.
    const double earthH = double(p.earthPressurePAX) + p.surchargePressureDeltaPAX;
    t.aligned(kV, 12800, p.sumV);
    if (oneSided) {
        if (normal || k1)
            t.aligned(kH, 12800, earthH);
        else if (inertiaMethod && surchargeInertia == SurchargeInertia::Off)
            t.aligned(kH, 12800, earthH + Kh * sumW);
        else if (inertiaMethod && surchargeInertia == SurchargeInertia::On)
            t.aligned(kH, 12800, earthH + Kh * sumW + Kh * WQ1 + Kh * WQ2);
    } else if (symmetric) {
        t.dash(kH, 12800);
    }
    if (oneSided || symmetric) {
        double vx = double(p.sumWx) + xq1 * WQ1 + xq2 * WQ2 + xq3 * WQ3;
        if (d.verticalComponent == VerticalEarthPressureComponent::Counted) vx += B * p.earthPressurePAY + B * p.surchargePressureDeltaPAY;
        t.aligned(kVx, 12800, vx);
    }
    t.dash(kX, 12800);
    t.dash(kY, 12800);
    if (oneSided)
        t.aligned(kHy, 12800, p.momentOverturning);
    else if (symmetric)
        t.dash(kHy, 12800);

    s.print("");
    s.print("");
    s.print("");
    if (symmetric) {
        // Where the table stands low on the page, the note comes up to stay clear of the
        // page number.
        s.setCurrentY(std::min(s.currentY(), page::kPageNumberY - s.textHeight() * 3 / 2));
        s.print(blanks(15) + "両面対称土圧の為、土圧によるモーメントΣＨy＝０");
    }
}
