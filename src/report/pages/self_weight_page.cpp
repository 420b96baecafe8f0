// Form4.JIJYUU: the lower half of report page 2, the self-weight table of the eight
// wall parts with totals and centroid, then the surcharge loads.
#include "common/numbers.h"
#include "conditions/design_choices.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_writers.h"
#include "report/pages/self_weight.h"

namespace {

using num::format;
using page::alignedX;
using page::printAt;
using page::round3;
using page::round4;
namespace fmt = page::fmt;

// How the y and W·y columns are filled: dashes when no seismic inertia is computed
// (normal case, or K1), the numbers under K2 or D1, nothing otherwise.
enum class InertiaColumnMode { Dashed, Shown, Blank };

constexpr const char* kLabels[9] = {"",          "①前たて壁", "②後たて壁", "③ 底　版", "④かかと版",
                                    "⑤つま先版", "⑥ 中央土", "⑦ 背面土", "⑧ 前面土"};

// Start x of the numbers of a column, by the size of the rounded value.
double areaX(double v) { return alignedX(5050, v, 2); }
double weightX(double v) { return alignedX(6900, v, 2); }
double momentXX(double v) { return alignedX(9400, v, 3); }
double momentYX(double v) { return alignedX(10500, v, 3); }

class SelfWeightTable {
public:
    SelfWeightTable(const Program& p, plat::Surface& s) : p_(p), s_(s), choices_(designChoices(p)) {}

    void draw() {
        s_.setCurrentY(7600);
        s_.print("            １）自 重");
        frame();
        s_.setFontSize(9);
        headers();
        s_.setFontSize(10);
        for (int i = 1; i <= 8; ++i) row(i);
        totals();
        centroid();
        surcharges();
    }

private:
    void line(double x1, double y1, double x2, double y2) { s_.line(x1, y1, x2, y2); }

    InertiaColumnMode mode() const {
        if (choices_.normal() || choices_.seismicMethod == SeismicMethod::K1) return InertiaColumnMode::Dashed;
        if (choices_.withHeights()) return InertiaColumnMode::Shown;
        return InertiaColumnMode::Blank;
    }
    bool heightsComputed() const { return choices_.withHeights(); }

    void frame() {
        line(1000, 7900, 11200, 7900);
        for (float j = 0; j <= 9; j += 1) line(1000, 8500 + 500 * j, 11200, 8500 + 500 * j);
        line(7600, 8200, 11200, 8200);
        line(1000, 7900, 1000, 13000);
        line(2000, 7900, 2000, 12500);
        for (double x : {5750, 6650, 7600}) line(x, 7900, x, 13000);
        line(8300, 8200, 8300, 13000);
        line(9000, 7900, 9000, 13000);
        line(10100, 8200, 10100, 13000);
        line(11200, 7900, 11200, 13000);
    }

    void headers() {
        printAt(s_, 1300, 8100, "区 分");
        printAt(s_, 3350, 8100, "面  積 Ａ (m2)");
        printAt(s_, 5850, 8000, "単位重量");
        printAt(s_, 5800, 8250, "γ(kN/m3)");
        printAt(s_, 6850, 8000, "重  量");
        printAt(s_, 6800, 8250, "Ｗ(kN/m)");
        printAt(s_, 7800, 7950, "重心距離 (m)");
        printAt(s_, 7900, 8250, "ｘ");
        printAt(s_, 8550, 8250, "ｙ");
        printAt(s_, 9400, 7950, "モーメント(kN･m/m)");
        printAt(s_, 9400, 8250, "Ｗ･x");
        printAt(s_, 10500, 8250, "Ｗ･y");
        for (int i = 1; i <= 8; ++i) printAt(s_, 1050, page::selfWeightRowY(i), kLabels[i]);
        printAt(s_, 3000, 12650, "合   計   Σ");
    }

    void cell(double x, double y, double value, const char* pattern) { printAt(s_, x, y, format(value, pattern)); }

    void row(int i) {
        const double area = p_.partArea[i];
        if (area == 0) return;

        const double y = page::selfWeightRowY(i);
        const double gamma = i <= 5 ? p_.concreteUnitWeight : p_.soilUnitWeight;
        page::drawAreaFormula(p_, s_, i);
        printAt(s_, 4700, y, "＝");
        const double a = round4(area);
        cell(areaX(a), y, a, fmt::kTableCell);
        cell(i <= 5 ? 6000 : 6050, y, gamma, fmt::kUnitWeightTable);
        const double w = round4(gamma * area);
        cell(weightX(w), y, w, fmt::kTableCell);
        cell(7700, y, p_.partX[i], fmt::kCentroid);
        const double wx = round4(gamma * area * p_.partX[i]);
        cell(momentXX(wx), y, wx, fmt::kTableCell);
        switch (mode()) {
            case InertiaColumnMode::Dashed:
                line(8500, y + 100, 8800, y + 100);
                line(10500, y + 100, 10800, y + 100);
                break;
            case InertiaColumnMode::Shown: {
                cell(8400, y, p_.partY[i], fmt::kCentroid);
                const double wy = round4(gamma * area * p_.partY[i]);
                cell(momentYX(wy), y, wy, fmt::kTableCell);
                break;
            }
            case InertiaColumnMode::Blank: break;
        }
    }

    void totals() {
        const double y = 12650;
        line(6050, 12750, 6350, 12750);
        const double w = round4(p_.sumW);
        cell(weightX(w), y, w, fmt::kTableCell);
        line(7800, 12750, 8100, 12750);
        line(8500, 12750, 8800, 12750);
        const double wx = round4(p_.sumWx);
        cell(momentXX(wx), y, wx, fmt::kTableCell);
        switch (mode()) {
            case InertiaColumnMode::Dashed: line(10500, 12750, 10800, 12750); break;
            case InertiaColumnMode::Shown: {
                const double wy = round4(p_.sumWy);
                cell(momentYX(wy), y, wy, fmt::kTableCell);
                break;
            }
            case InertiaColumnMode::Blank: break;
        }
    }

    void centroid() {
        s_.setFontSize(11);
        const std::string sumW = format(round3(p_.sumW), fmt::kLength);
        printAt(s_, 1850, 13400,
                "重心 ｘ=ΣW･x/ΣW=" + format(round3(p_.sumWx), fmt::kLength) + "/" + sumW + "=" +
                    format(num::div(p_.sumWx, p_.sumW), fmt::kLength) + "m");
        if (heightsComputed()) {
            s_.setCurrentX(1850);
            s_.print("　　 ｙ=ΣW･y/ΣW=" + format(round3(p_.sumWy), fmt::kLength) + "/" + sumW + "=" +
                     format(num::div(p_.sumWy, p_.sumW), fmt::kLength) + "m");
        }
    }

    void surchargeLine(const char* label, float q, float width, float load) {
        s_.print(label + format(q, fmt::kSurchargeLine) + "×" + format(width, fmt::kTableCell) + "=" +
                 format(load, fmt::kTableCell) + "kN/m");
    }

    void surcharges() {
        page::emptyLines(s_, 2);
        s_.print("　          ２）上載荷重");
        s_.print("");
        if (p_.surchargeLoadBack != 0)
            surchargeLine("                背面上載荷重･･･W=", p_.surchargeBack, page::backSurfaceWidth(p_),
                          p_.surchargeLoadBack);
        if (p_.surchargeLoadCentre != 0)
            surchargeLine("                中央上載荷重･･･W=", p_.surchargeCentre, page::centreSurchargeWidth(p_),
                          p_.surchargeLoadCentre);
        if (p_.surchargeLoadFront != 0)
            surchargeLine("                前面上載荷重･･･W=", p_.surchargeFront, page::frontSurfaceWidth(p_),
                          p_.surchargeLoadFront);
    }

    const Program& p_;
    plat::Surface& s_;
    const DesignChoices choices_;
};

}  // namespace

bool page::backSoilLeftOut(const Program& p) {
    return p.heelLength == 0 &&
           num::store(double(p.rearWallInnerBatter) + p.rearWallTopWidth) == p.rearWallBottomWidth;
}

bool page::frontSoilLeftOut(const Program& p) { return designChoices(p).oneSided() && p.toeLength == 0; }

void report::prepareSelfWeightPage(Program& p) {
    // Parts that the drawing of this page does not show either.
    if (page::backSoilLeftOut(p)) p.partArea[7] = 0;
    if (page::frontSoilLeftOut(p)) p.partArea[8] = 0;
    p.earthPressurePageOffset = 0;
    p.pageLoopCounter = 10;  // where the table frame's rules end
}

void report::JIJYUU(plat::Surface& s, const Program& p) { SelfWeightTable(p, s).draw(); }
