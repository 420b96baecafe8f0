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

namespace {

// Form4.Doatu2 step by step: the title, the frame, the header, the rows of loads, the
// totals and the note of the symmetric wall.
class LoadTablePage {
public:
    LoadTablePage(plat::Surface& s, const Program& p)
        : s_(s), p_(p), d_(dimensionChoices(p)), ch_(designChoices(p)),
          surchargeInertia_(checkMethods(p).surchargeInertia), offset_(tableOffset()),
          t_(s, p.earthPressurePageOffsetValue() + offset_) {}

    void write() {
        title();
        frame();
        header();
        selfWeightRow();
        earthPressureRows();
        surchargeRows();
        totals();
        note();
    }

private:
    bool k1() const { return ch_.seismicMethod == SeismicMethod::K1; }
    bool k2() const { return ch_.seismicMethod == SeismicMethod::K2; }

    // The table moves up by as much as the coefficient's derivation above is shorter.
    int tableOffset() const {
        int offset = 0;
        if (ch_.kaMode == KaMode::Typed) {
            offset = k2() ? -3100 : -3500;
        } else if (ch_.kaMode == KaMode::Computed) {
            if (p_.groundSlope == 0 && p_.wallBackAngle == 0 && p_.deltaStability == 0) offset = -2900;
            if (ch_.seismic()) offset = k2() ? -600 : 0;
        }
        return offset;
    }

    void title() {
        auto print = [&](double y, const std::string& text) {
            s_.setCurrentY(y + p_.earthPressurePageOffsetValue() + offset_);
            s_.print(blanks(12) + text);
        };
        if (ch_.oneSided()) {
            if (ch_.normal())
                print(9000, "４）荷重の集計");
            else if (k1())
                print(9200, "４）荷重の集計（水平力＝地震時土圧）");
            else if (k2())
                print(9200, "４）荷重の集計（水平力＝慣性力＋常時土圧）");
            else if (ch_.seismicMethod == SeismicMethod::D1)
                print(9200, "４）荷重の集計（水平力＝慣性力＋地震時土圧）");
        } else if (ch_.symmetric()) {
            print(9000, "４）荷重の集計");
        }
    }

    void frame() {
        t_.rule(1600, 9500, 10900, 9500);
        t_.rule(5700, 9900, 10900, 9900);
        for (float j = 0; j <= 7; j += 1) t_.rule(1600, 10300 + 400 * j, 10900, 10300 + 400 * j);
        for (double x : {1600, 3100, 4400, 5700, 7000, 8300, 9600, 10900})
            t_.rule(x, x == 7000 || x == 9600 ? 9900 : 9500, x, 13100);
    }

    // The column heads and the row labels.
    void header() {
        t_.text(1800, 9800, "荷重の種類");
        t_.text(3300, 9650, "鉛 直 力");
        t_.text(3300, 9950, "Ｖ(kN/m)");
        t_.text(4550, 9650, "水 平 力");
        t_.text(4550, 9950, "Ｈ(kN/m)");
        t_.text(6400, 9600, "作 用 点 (m)");
        t_.text(8550, 9600, "モーメント(kN･m/m)");
        t_.text(6250, 10000, "ｘ");
        t_.text(7550, 10000, "ｙ");
        t_.text(8750, 10000, "Ｖ･x");
        t_.text(10000, 10000, "Ｈ･y");

        t_.text(1900, 10400, "自 重(W)");
        if (ch_.oneSided()) {
            t_.text(1900, 10800, "土圧(PA)");
            t_.text(1800, 11200, "土圧(△PA)");
        }
        t_.text(1700, 11600, "背面上載荷重");
        t_.text(1700, 12000, "中央上載荷重");
        t_.text(1700, 12400, "前面上載荷重");
        t_.text(1900, 12800, "合 計 Σ");
    }

    void selfWeightRow() {
        const double Kh = p_.seismicKh, sumW = p_.sumW;
        Cell inertia = Cell::Empty;
        if (ch_.oneSided())
            inertia = ch_.normal() || k1() ? Cell::Dash : ch_.withHeights() ? Cell::Value : Cell::Empty;
        else if (ch_.symmetric())
            inertia = Cell::Dash;
        t_.aligned(kV, 10400, sumW);
        t_.cell(inertia, kH, 10400, [&] { t_.aligned(kH, 10400, Kh * sumW); });
        const double x = num::div(p_.sumWx, sumW);
        t_.fixed(kX, 10400, float(x));
        t_.cell(inertia, kY, 10400, [&] { t_.fixed(kY, 10400, float(num::div(p_.sumWy, sumW))); });
        t_.aligned(kVx, 10400, x * sumW);
        t_.cell(inertia, kHy, 10400, [&] { t_.aligned(kHy, 10400, num::div(p_.sumWy, sumW) * Kh * sumW); });
    }

    // Earth pressure of the soil and of the back surcharge.
    void earthPressureRows() {
        const Cell vertical = d_.verticalComponent == VerticalEarthPressureComponent::Counted   ? Cell::Value
                              : d_.verticalComponent == VerticalEarthPressureComponent::LeftOut ? Cell::Dash
                                                                                                 : Cell::Empty;
        if (ch_.oneSided()) {
            earthPressureRow(10800, p_.earthPressurePAY, p_.earthPressurePAX, 3, vertical);
            earthPressureRow(11200, p_.surchargePressureDeltaPAY, p_.surchargePressureDeltaPAX, 2, vertical);
        } else if (ch_.symmetric() && vertical == Cell::Value) {
            // The horizontal forces of the two sides cancel, but the vertical components count
            // in ΣV and in the resisting moment: they stand in the table as they are counted.
            symmetricVerticalRow(10800, 1900, "土圧(PA)", p_.earthPressurePAY);
            symmetricVerticalRow(11200, 1800, "土圧(△PA)", p_.surchargePressureDeltaPAY);
        }
    }

    // A pressure acting at Ho/k; its vertical component stands as the screen's switch says.
    void earthPressureRow(double r, double V, double H, int k, Cell vertical) {
        const double B = p_.baseWidth, Ho = p_.earthPressureHeight;
        t_.cell(vertical, kV, r, [&] { t_.aligned(kV, r, V); });
        t_.aligned(kH, r, H);
        t_.cell(vertical, kX, r, [&] { t_.fixed(kX, r, p_.baseWidth); });
        t_.fixed(kY, r, float(Ho / k));
        t_.cell(vertical, kVx, r, [&] { t_.aligned(kVx, r, B * V); });
        t_.aligned(kHy, r, H * Ho / k);
    }

    void symmetricVerticalRow(double r, double x, const std::string& label, double V) {
        if (V == 0) return;
        t_.text(x, r, label);
        t_.aligned(kV, r, V);
        t_.dash(kH, r);
        t_.fixed(kX, r, p_.baseWidth);
        t_.dash(kY, r);
        t_.aligned(kVx, r, double(p_.baseWidth) * V);
        t_.dash(kHy, r);
    }

    // The surcharges' inertia counts in the seismic case under the inertia methods with the
    // surcharge inertia switched on.
    Cell surchargeInertia() const {
        if (ch_.normal()) return Cell::Dash;
        if (ch_.seismic() && k1()) return Cell::Dash;
        if (!ch_.seismic() || !ch_.withHeights()) return Cell::Empty;
        return surchargeInertia_ == SurchargeInertia::Off  ? Cell::Dash
               : surchargeInertia_ == SurchargeInertia::On ? Cell::Value
                                                           : Cell::Empty;
    }

    // A surcharge row stands wherever its load counts in the totals, also where the soil
    // under it is left out of the self weight; the moment cell follows the force cell.
    void surchargeRows() {
        const Cell inertia = surchargeInertia();
        const Cell inertiaMoment = ch_.normal() || surchargeInertia_ == SurchargeInertia::Off ? Cell::Dash : inertia;
        const double WQ1 = p_.surchargeLoadBack, WQ2 = p_.surchargeLoadCentre, WQ3 = p_.surchargeLoadFront;
        const double centreHeight = double(p_.centralFillDepth) + p_.slabThickness;
        if ((p_.surchargeBack != 0 && p_.partArea[7] != 0) || WQ1 != 0) {
            const float hq = p_.surchargeInertiaHeight;
            surchargeRow(11600, WQ1, p_.surchargeLoadBackX, {inertia, hq, hq}, inertiaMoment);
        }
        if (p_.surchargeCentre != 0)
            surchargeRow(12000, WQ2, p_.surchargeLoadCentreX, {inertia, float(centreHeight), centreHeight},
                         inertiaMoment);
        if ((p_.partArea[8] != 0 && p_.surchargeFront != 0) || WQ3 != 0)
            surchargeRow(12400, WQ3, p_.surchargeLoadFrontX, {Cell::Dash, 0, 0}, Cell::Dash);
    }

    // The inertia of a surcharge: its cells, its height as printed and as multiplied.
    struct Inertia {
        Cell cell;
        float y;
        double h;
    };
    void surchargeRow(double r, double WQ, float x, const Inertia& i, Cell moment) {
        const double Kh = p_.seismicKh;
        t_.aligned(kV, r, WQ);
        t_.cell(i.cell, kH, r, [&] { t_.aligned(kH, r, Kh * WQ); });
        t_.fixed(kX, r, x);
        t_.cell(i.cell, kY, r, [&] { t_.fixed(kY, r, i.y); });
        t_.aligned(kVx, r, double(x) * WQ);
        t_.cell(moment, kHy, r, [&] { t_.aligned(kHy, r, Kh * WQ * i.h); });
    }

    void totals() {
        const double Kh = p_.seismicKh, sumW = p_.sumW, B = p_.baseWidth;
        const double WQ1 = p_.surchargeLoadBack, WQ2 = p_.surchargeLoadCentre, WQ3 = p_.surchargeLoadFront;
        const double earthH = double(p_.earthPressurePAX) + p_.surchargePressureDeltaPAX;
        const bool oneSided = ch_.oneSided(), symmetric = ch_.symmetric();
        t_.aligned(kV, 12800, p_.sumV);
        if (oneSided) {
            if (ch_.normal() || k1())
                t_.aligned(kH, 12800, earthH);
            else if (ch_.withHeights() && surchargeInertia_ == SurchargeInertia::Off)
                t_.aligned(kH, 12800, earthH + Kh * sumW);
            else if (ch_.withHeights() && surchargeInertia_ == SurchargeInertia::On)
                t_.aligned(kH, 12800, earthH + Kh * sumW + Kh * WQ1 + Kh * WQ2);
        } else if (symmetric) {
            t_.dash(kH, 12800);
        }
        if (oneSided || symmetric) {
            double vx = double(p_.sumWx) + double(p_.surchargeLoadBackX) * WQ1 +
                        double(p_.surchargeLoadCentreX) * WQ2 + double(p_.surchargeLoadFrontX) * WQ3;
            if (d_.verticalComponent == VerticalEarthPressureComponent::Counted)
                vx += B * p_.earthPressurePAY + B * p_.surchargePressureDeltaPAY;
            t_.aligned(kVx, 12800, vx);
        }
        t_.dash(kX, 12800);
        t_.dash(kY, 12800);
        if (oneSided)
            t_.aligned(kHy, 12800, p_.momentOverturning);
        else if (symmetric)
            t_.dash(kHy, 12800);
    }

    void note() {
        s_.print("");
        s_.print("");
        s_.print("");
        if (ch_.symmetric()) {
            // Where the table stands low on the page, the note comes up to stay clear of the
            // page number.
            s_.setCurrentY(std::min(s_.currentY(), page::kPageNumberY - s_.textHeight() * 3 / 2));
            s_.print(blanks(15) + "両面対称土圧の為、土圧によるモーメントΣＨy＝０");
        }
    }

    plat::Surface& s_;
    const Program& p_;
    const DimensionChoices d_;
    const DesignChoices ch_;
    const SurchargeInertia surchargeInertia_;
    const int offset_;
    Table t_;
};

}  // namespace

void report::Doatu2(plat::Surface& s, const Program& p) { LoadTablePage(s, p).write(); }
