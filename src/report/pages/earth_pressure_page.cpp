// Report page 3, first section: the earth pressure on the wall and the derivation of its
// coefficient (Form4.Doatu), with the seismic wall-friction angle (Form4.jDERUTA).
#include <cmath>
#include <utility>

#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "report/pages/page_writers.h"
#include "report/pages/stability_pages_common.h"
#include "stability/dimension_screen.h"

using namespace stability_pages;

namespace {

// The design seismic coefficients and the composite angle θk, at fixed places.
void printSeismicLines(plat::Surface& s, const Program& p) {
    const DesignChoices c = designChoices(p);
    if (c.building()) {
        printAt(s, 1925, 1400,
                "設計水平震度Kh=" + nf(p.seismicKh, fmt::kSeismic) + blanks(4) + "設計鉛直震度Kv=" + nf(p.seismicKv, fmt::kSeismic));
    } else if (c.road()) {
        printAt(s, 1925, 1400,
                "設計水平震度Kh=CZ･Kho=" + nf(p.regionCz, fmt::kSeismic) + "×" + nf(p.seismicKho, fmt::kSeismic) + "=" +
                    nf(p.seismicKh, fmt::kKhDerived) + blanks(4) + "設計鉛直震度Kv=" + nf(p.seismicKv, fmt::kSeismic));
    }
    printAt(s, 1925, 1700,
            "地震合成角θk=Atn{Kh/(1－Kv)}" + std::string("=") + "Atn{" + nf(p.seismicKh, fmt::kKhDerived) + "/(1－" +
                nf(p.seismicKv, fmt::kSeismic) + ")}=" + deg(p.seismicTheta) + "ﾟ");
}

void printTypedKa(plat::Surface& s, const Program& p) {
    s.print(blanks(16) + "主働土圧係数 KA=" + nf(p.activeCoefficient, fmt::kKaStated));
}

// The Coulomb coefficient written out as a fraction in three stages.
void printCoulomb(plat::Surface& s, const Program& p, double off) {
    const double phi = p.backfillPhi, th = p.wallBackAngle, be = p.groundSlope, de = p.deltaStability;
    if (p.groundSlope == 0 && p.deltaStability == 0) {
        s.print("");
        s.print(blanks(16) + "主働土圧係数");
        s.print(blanks(16) + "KA=tan^2(45ﾟ-φ/2)");
        s.print(blanks(18) + "=tan^2(45ﾟ-" + deg(phi) + "ﾟ/2)");
        s.print(blanks(18) + "=tan^2(" + deg(float(45 - p.backfillPhi / 2)) + "ﾟ)");
        s.print(blanks(18) + "=" + f3(p.activeCoefficient));
        s.print("");
        return;
    }
    // Symbols.
    printAt(s, 1300, off + 1500, "主働土圧係数");
    printAt(s, 3800, off + 1700, "cos^2(φ－θ）");
    printAt(s, 1300, off + 1900, "KA=──────────────────────────");
    printAt(s, 4550, off + 2150, "sin(φ＋δ)sin(φ－β)");
    printAt(s, 7300, off + 2150, "2");
    printAt(s, 1700, off + 2350, "cos^2θcos(θ＋δ)");
    printAt(s, 3875, off + 2350, "1＋");
    printAt(s, 4450, off + 2350, "──────────── ");
    printAt(s, 4550, off + 2550, "cos(θ＋δ)cos(θ－β)");
    chain(s, {{4175, 2625}, {4200, 2550}, {4250, 2750}, {4400, 2100}, {7050, 2100}}, off);
    chain(s, {{3875, 2100}, {3775, 2200}, {3775, 2700}, {3875, 2800}}, off);
    chain(s, {{7100, 2100}, {7200, 2200}, {7200, 2700}, {7100, 2800}}, off);
    // Angles.
    printAt(s, 5100, off + 2850, "cos^2(" + deg(phi) + "ﾟ－" + deg(th) + "ﾟ)");
    printAt(s, 1500, off + 3050, "=───────────────────────────────────────────");
    printAt(s, 6400, off + 3300,
            "sin(" + deg(phi) + "ﾟ＋" + deg(de) + "ﾟ)×sin(" + deg(phi) + "ﾟ－" + deg(be) + "ﾟ)");
    printAt(s, 11150, off + 3300, "2");
    printAt(s, 1700, off + 3500, "cos^2(" + deg(th) + "ﾟ)×cos(" + deg(th) + "ﾟ＋" + deg(de) + "ﾟ)×");
    printAt(s, 5775, off + 3500, "1＋");
    printAt(s, 6300, off + 3500, "─────────────────────");
    printAt(s, 6400, off + 3700,
            "cos(" + deg(th) + "ﾟ＋" + deg(de) + "ﾟ)×cos(" + deg(th) + "ﾟ－" + deg(be) + "ﾟ)");
    chain(s, {{6075, 3775}, {6100, 3700}, {6150, 3900}, {6300, 3250}, {10900, 3250}}, off);
    chain(s, {{5800, 3250}, {5700, 3350}, {5700, 3850}, {5800, 3950}}, off);
    chain(s, {{10950, 3250}, {11050, 3350}, {11050, 3850}, {10950, 3950}}, off);
    // Numbers.
    const double num2 = std::pow(cosd(phi - th), 2);
    if (p.backfillPhi >= p.groundSlope) {
        printAt(s, 3500, off + 4000, f4(num2));
        printAt(s, 1500, off + 4200, "=─────────────────────");
        printAt(s, 4350, off + 4450, f4(sind(phi + de)) + "×" + f4(sind(std::fabs(phi - be))));
        printAt(s, 6250, off + 4450, "2");
        printAt(s, 1700, off + 4650, f4(std::pow(cosd(th), 2)) + "×" + f4(cosd(th + de)) + "×");
        printAt(s, 3675, off + 4650, "1＋");
        printAt(s, 4250, off + 4650, "────────");
        printAt(s, 4350, off + 4850, f4(cosd(th + de)) + "×" + f4(cosd(std::fabs(th - be))));
        printAt(s, 1500, off + 5050, "=" + f3(p.activeCoefficient));
        chain(s, {{3975, 4925}, {4000, 4850}, {4050, 5050}, {4200, 4400}, {6000, 4400}}, off);
        chain(s, {{3675, 4400}, {3575, 4500}, {3575, 5000}, {3675, 5100}}, off);
        chain(s, {{6050, 4400}, {6150, 4500}, {6150, 5000}, {6050, 5100}}, off);
    } else {
        printAt(s, 2150, off + 4000, f4(num2));
        printAt(s, 1500, off + 4200, "=────────");
        printAt(s, 1700, off + 4400, f4(std::pow(cosd(th), 2)) + "×" + f4(cosd(th + de)));
        printAt(s, 1500, off + 4700, "=" + f3(p.activeCoefficient));
    }
    s.print("");
    s.print("");
}

// The Mononobe-Okabe coefficient KAE, at FontSize 9 after its label.
void printMononobeOkabe(plat::Surface& s, const Program& p, double off) {
    const double phi = p.backfillPhi, th = p.wallBackAngle, be = p.groundSlope, de = p.deltaStability;
    const double tk = p.seismicTheta, kv = p.seismicKv;
    printAt(s, 1300, off + 2100, "地震時主働土圧係数");
    s.setFontSize(9);
    // Symbols.
    printAt(s, 3800, off + 2350, "(1－Kv)cos^2(φ－θ－θk）");
    printAt(s, 1150, off + 2520, "ＫAE=");
    printAt(s, 5220, off + 2750, "sin(φ－β－θk)sin(φ＋δ)");
    printAt(s, 7970, off + 2750, "2");
    printAt(s, 1700, off + 2950, "cosθk cos^2θcos(δ＋θ＋θk)");
    printAt(s, 4545, off + 2950, "1＋");
    printAt(s, 5220, off + 3150, "cos(δ＋θ＋θk)cos(θ－β)");
    chain(s, {{1650, 2600}, {8070, 2600}}, off);
    chain(s, {{5120, 3030}, {7790, 3030}}, off);
    chain(s, {{4845, 3225}, {4870, 3150}, {4920, 3350}, {5070, 2700}, {7790, 2700}}, off);
    chain(s, {{4545, 2700}, {4445, 2800}, {4445, 3300}, {4545, 3400}}, off);
    chain(s, {{7770, 2700}, {7870, 2800}, {7870, 3300}, {7770, 3400}}, off);
    // Angles.
    printAt(s, 4800, off + 3500,
            "(1－" + deg(kv) + ")×cos^2(" + deg(phi) + "ﾟ－" + deg(th) + "ﾟ－" + deg(tk) + "ﾟ)");
    printAt(s, 1230, off + 3670, "=");
    printAt(s, 6900, off + 3900,
            "sin(" + deg(phi) + "ﾟ－" + deg(be) + "ﾟ－" + deg(tk) + "ﾟ)×sin(" + deg(phi) + "ﾟ＋" + deg(de) + "ﾟ)");
    printAt(s, 11400, off + 3900, "2");
    printAt(s, 1430, off + 4100,
            "cos" + deg(tk) + "ﾟ×cos^2(" + deg(th) + "ﾟ)×cos(" + deg(de) + "ﾟ＋" + deg(th) + "ﾟ＋" + deg(tk) + "ﾟ)×");
    printAt(s, 6275, off + 4100, "1＋");
    printAt(s, 6900, off + 4300,
            "cos(" + deg(de) + "ﾟ＋" + deg(th) + "ﾟ＋" + deg(tk) + "ﾟ)×cos(" + deg(th) + "ﾟ－" + deg(be) + "ﾟ)");
    chain(s, {{1400, 3750}, {11450, 3750}}, off);
    chain(s, {{6850, 4180}, {11200, 4180}}, off);
    chain(s, {{6575, 4375}, {6600, 4300}, {6650, 4500}, {6800, 3850}, {11200, 3850}}, off);
    chain(s, {{6300, 3850}, {6200, 3950}, {6200, 4450}, {6300, 4550}}, off);
    chain(s, {{11230, 3850}, {11330, 3950}, {11330, 4450}, {11230, 4550}}, off);
    // Numbers.
    const std::string numerator = nf(1 - kv, fmt::kSeismic) + "×" + f4(std::pow(cosd(phi - th - tk), 2));
    const std::string denominator =
        f4(cosd(tk)) + "×" + f4(std::pow(cosd(th), 2)) + "×" + f4(cosd(th + de + tk));
    if (float(p.seismicTheta + p.groundSlope) <= p.backfillPhi) {
        printAt(s, 3230, off + 4650, numerator);
        printAt(s, 1230, off + 4820, "=");
        printAt(s, 4430, off + 5050, f4(sind(std::fabs(phi - be - tk))) + "×" + f4(sind(phi + de)));
        printAt(s, 5980, off + 5050, "2");
        printAt(s, 1430, off + 5250, denominator + "×");
        printAt(s, 3755, off + 5250, "1＋");
        printAt(s, 4430, off + 5450, f4(cosd(th + de + tk)) + "×" + f4(cosd(std::fabs(th - be))));
        printAt(s, 1230, off + 5750, "=" + f3(p.activeCoefficient));
        chain(s, {{1380, 4900}, {6230, 4900}}, off);
        chain(s, {{4330, 5330}, {5730, 5330}}, off);
        chain(s, {{4055, 5525}, {4080, 5450}, {4130, 5650}, {4280, 5000}, {5730, 5000}}, off);
        chain(s, {{3755, 5000}, {3655, 5100}, {3655, 5600}, {3755, 5700}}, off);
        chain(s, {{5780, 5000}, {5880, 5100}, {5880, 5600}, {5780, 5700}}, off);
    } else {
        printAt(s, 1880, off + 4650, numerator);
        printAt(s, 1230, off + 4820, "=");
        printAt(s, 1430, off + 5000, denominator);
        printAt(s, 1230, off + 5300, "=" + f3(p.activeCoefficient));
        chain(s, {{1380, 4900}, {3380, 4900}}, off);
    }
    s.print("");
    s.print("");
    s.setFontSize(11);
}

// The coefficient KA: stated when typed, derived when computed (Coulomb, or
// Mononobe-Okabe in the seismic case of methods K1 and D1), after the seismic lines and
// the derivation of δ where they belong.
void printCoefficient(plat::Surface& s, const Program& p) {
    const DesignChoices choices = designChoices(p);
    const SeismicMethod method = choices.seismicMethod;
    const bool typedKa = choices.kaMode == KaMode::Typed, computedKa = choices.kaMode == KaMode::Computed;
    const bool deltaDerived = p.deltaComputed == 1;
    const double off = p.earthPressurePageOffsetValue();

    // A seismic method left selected from an earlier seismic input has no say in the
    // normal case.
    const bool normal = choices.normal();
    const bool seismic = !normal;
    if (normal && typedKa) {
        s.print("");
        printTypedKa(s, p);
        s.print("");
    }
    if (seismic && method == SeismicMethod::K2) {
        if (deltaDerived) {
            printSeismicLines(s, p);
            report::jDERUTA(s, p);
        }
        if (typedKa) {
            // At the left margin like every line without a position, also after the
            // derivation, whose last fraction bar leaves the position at its end.
            s.setCurrentX(0);
            s.setCurrentY(off + 1600);
            printTypedKa(s, p);
            s.print("");
        }
    }
    if (computedKa && ((seismic && method == SeismicMethod::K2) || normal)) printCoulomb(s, p, off);
    if (seismic && computedKa && (method == SeismicMethod::K1 || method == SeismicMethod::D1)) {
        printSeismicLines(s, p);
        if (deltaDerived) report::jDERUTA(s, p);
        printMononobeOkabe(s, p, off);
    }
}

// The earth pressure of the soil, and of the back surcharge where there is one.
void printPressures(plat::Surface& s, const Program& p, SurchargeDeduction deduction) {
    const std::string ka = nf(p.activeCoefficient, fmt::kKaStated);
    const std::string H = f3(p.earthPressureHeight);
    const std::string delta = deg(p.deltaStability);
    const double cosDelta = cosd(p.deltaStability), sinDelta = sind(p.deltaStability);
    s.print(blanks(1) + "　　　　　　　 前面及び背面土による土圧");
    s.print(blanks(16) + "PA=1/2･KA･γ･H^2=1/2×" + ka + "×" + nf(p.soilUnitWeight, fmt::kUnitWeight) + "×" + H + "^2=" +
            f4(p.earthPressurePA) + "kN/m");
    s.print(blanks(16) + "PAX=PA･cosδ=PA･cos" + delta + "ﾟ=" + f4(p.earthPressurePA) + "×" + f4(cosDelta) + "=" +
            f4(p.earthPressurePAX) + "kN/m");
    s.print(blanks(16) + "PAY=PA･sinδ=PA･sin" + delta + "ﾟ=" + f4(p.earthPressurePA) + "×" + f4(sinDelta) + "=" +
            f4(p.earthPressurePAY) + "kN/m");
    if (p.surchargeBack == 0) return;

    s.print("");
    const std::string dpa = f4(p.surchargePressureDeltaPA);
    if (deduction == SurchargeDeduction::Off) {
        s.print(blanks(1) + "　　　　　　　 背面上載荷重による土圧");
        s.print(blanks(16) + "△PA=KA･q･H=" + ka + "×" + nf(p.surchargeBack, fmt::kSurchargePage3) + "×" + H + "=" + dpa +
                "kN/m");
    } else if (deduction == SurchargeDeduction::Deduct5) {
        s.print(blanks(1) + "　　　　　　　 背面上載荷重による土圧");
        s.print(blanks(15) + "(宅造法施行令の別表第二を用いるので、上載荷重から５kN/m2を差し引いて算定する。)");
        s.print(blanks(16) + "△PA=KA･q･H=" + ka + "×" + page::deductedSurcharge(p.surchargeBack, fmt::kSurchargePage3) + "×" +
                H + "=" + dpa + "kN/m");
    }
    s.print(blanks(16) + "△PAX=△PA･cosδ=△PA･cos" + delta + "ﾟ=" + dpa + "×" + f4(cosDelta) + "=" +
            f4(p.surchargePressureDeltaPAX) + "kN/m");
    s.print(blanks(16) + "△PAY=△PA･sinδ=△PA･sin" + delta + "ﾟ=" + dpa + "×" + f4(sinDelta) + "=" +
            f4(p.surchargePressureDeltaPAY) + "kN/m");
}

// Where the pressures act.
void printPointsOfApplication(plat::Surface& s, const Program& p) {
    s.print("");
    s.print(blanks(15) + "作用点の位置");
    const std::string H = f3(p.earthPressureHeight);
    const std::string third = H + "/3=" + f3(p.earthPressureHeight / 3.0) + "m";
    const std::string half = H + "/2=" + f3(p.earthPressureHeight / 2.0) + "m";
    const std::string B = f3(p.baseWidth);
    if (p.earthPressurePAY != 0) {
        if (p.earthPressurePAX != 0) s.print(blanks(18) + "PAX：y=H/3=" + third + "      PAY：x=" + B + "m");
        if (p.surchargePressureDeltaPAX != 0)
            s.print(blanks(16) + "△PAX：y=H/2=" + half + "    △PAY：x=" + B + "m");
    } else {
        if (p.earthPressurePAX != 0) s.print(blanks(18) + "PAX：y=H/3=" + third);
        if (p.surchargePressureDeltaPAX != 0) s.print(blanks(16) + "△PAX：y=H/2=" + half);
    }
}

}  // namespace

void report::prepareEarthPressurePage(Program& p) {
    p.pageLoopCounter = page::kLoopCounterAfterTop;
    // The derivation of δ pushes the coefficient's formulas and the load table down.
    if (!p.deltaComputed || *p.deltaComputed == 0) {
        p.earthPressurePageOffset = 0;
    } else if (*p.deltaComputed == 1) {
        const DesignChoices choices = designChoices(p);
        const bool k2 = choices.seismicMethod == SeismicMethod::K2;
        p.earthPressurePageOffset = k2 && choices.kaMode != KaMode::None ? 2600 : 2000;
    }
}

void report::Doatu(plat::Surface& s, const Program& p) {
    const SurchargeDeduction deduction = dimensionChoices(p).surchargeDeduction;
    page::topOfPage(s);
    s.print("　          ３）擁壁に及ぼす土圧");
    s.setDrawStyle(0);
    printCoefficient(s, p);
    printPressures(s, p, deduction);
    printPointsOfApplication(s, p);
}

void report::jDERUTA(plat::Surface& s, const Program& p) {
    const double phi = p.backfillPhi, be = p.groundSlope, tk = p.seismicTheta, aux = p.deltaAux;
    printAt(s, 1925, 2100, "土(仮想背面)と土との摩擦角");
    if (float(p.seismicTheta + p.groundSlope) >= p.backfillPhi) {
        printAt(s, 2125, 2400,
                "β＋θk=" + deg(be) + "ﾟ＋" + deg(tk) + "=" + deg(float(p.seismicTheta + p.groundSlope)) + "ﾟ" +
                    blanks(1) + "≧ φ=" + deg(phi) + "ﾟ");
        printAt(s, 2125, 2700, "∴δ=" + deg(phi) + "ﾟ");
        return;
    }
    s.setFontSize(10);
    // sinΔ
    printAt(s, 1925, 2540, "sinΔ=");
    printAt(s, 2700, 2400, "sin(β＋θk)");
    printAt(s, 3000, 2650, "sinφ");
    printAt(s, 3950, 2540, "=");
    printAt(s, 4150, 2400, "sin(" + deg(be) + "ﾟ＋" + deg(tk) + "ﾟ)");
    printAt(s, 4600, 2650, "sin" + deg(phi) + "ﾟ");
    printAt(s, 6150, 2540, "=");
    printAt(s, 6350, 2400, f4(sind(tk + be)));
    printAt(s, 6350, 2650, f4(sind(phi)));
    printAt(s, 7150, 2540, "=" + f4(p.deltaAuxSin) + "　∴Δ=" + deg(aux) + "ﾟ");
    s.line(2650, 2625, 3900, 2625);
    s.line(4100, 2625, 6100, 2625);
    s.line(6300, 2625, 7100, 2625);
    // tanδ
    const std::string angles = deg(tk) + "ﾟ＋" + deg(aux) + "ﾟ－" + deg(be) + "ﾟ)";
    printAt(s, 1925, 3040, "tanδ=");
    printAt(s, 2900, 2900, "sinφ･sin(θk＋Δ－β)");
    printAt(s, 2700, 3150, "1－sinφ･cos(θk＋Δ－β)");
    printAt(s, 5300, 3040, "=");
    printAt(s, 5650, 2900, "sin" + deg(phi) + "ﾟ×sin(" + angles);
    printAt(s, 5500, 3150, "1－sin" + deg(phi) + "ﾟ×cos(" + angles);
    printAt(s, 2450, 3540, "=");
    printAt(s, 2850, 3400, f4(sind(phi)) + "×" + f4(sind(tk + aux - be)));
    printAt(s, 2700, 3650, "1－" + f4(sind(phi)) + "×" + f4(cosd(tk + aux - be)));
    printAt(s, 4600, 3540, "=" + f4(p.deltaStabilityTan) + "　∴δ=" + deg(p.deltaStability) + "ﾟ");
    s.line(2650, 3125, 5250, 3125);
    s.line(5450, 3125, 9750, 3125);
    s.line(2650, 3625, 4550, 3625);
    s.setFontSize(11);
}
