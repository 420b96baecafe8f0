// Report page 4, shear key: its check under the building or the road standard and its
// sketch, part of Form4.KENTOU.
#include "report/pages/shear_key_page.h"

#include <cmath>
#include <string>

#include "conditions/design_choices.h"
#include "report/pages/stability_pages_common.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/stability_checks.h"

namespace stability_pages {

namespace {

// "=1.623 > 1.5  ∴ O.K" or "=1.423 < 1.5": the factor with the key and its verdict.
std::string verdict(const Program& p, const StabilityCheck& withKey, bool passed) {
    return "=" + f3(p.slidingSafetyFactorWithKey) + " " + relation(withKey, passed) + " " + withKey.limitText +
           (passed ? "  ∴ O.K" : "");
}

void buildingCheck(plat::Surface& s, const Program& p, const StabilityCheck* withKey) {
    const double t1 = std::tan(num::rad(p.foundationPhi / 2.0 + 45)), t2 = std::pow(t1, 2);
    const std::string H0 = f3(p.keyHeight), phiB = nf(p.foundationPhi, fmt::kAngle);
    const float r = eccentricityRatio(p), sixth = oneSixth();
    const float B = p.baseWidth, B1 = p.keyPosition, L = p.keyWedgeLength, X = std::fabs(p.neutralAxisXn);

    s.print(blanks(17) + "H0=" + H0 + "m");
    s.print(blanks(18) + "L=H0･tan(45ﾟ＋φB/2)=" + H0 + "×tan{45ﾟ＋(" + phiB + "ﾟ/2)}=" + H0 + "×" + f3(t1) + "=" +
            f3(p.keyWedgeLength) + "m");
    if (r < sixth) s.print(blanks(16) + "σmin=" + f3(p.sigmaMin) + "kN/m2");
    s.print(blanks(16) + "σ1=" + f3(p.keySigma1) + "kN/m2   σ2=" + f3(p.keySigma2) + "kN/m2");
    s.print(blanks(16) + "σ0=(σ1＋σ2)/2=(" + f3(p.keySigma1) + "＋" + operand(f3(p.keySigma2)) + ")/2=" + f3(p.keySigma0) +
            "kN/m2");
    s.print(blanks(18) + "P=σ0･tan^2(45ﾟ＋φB/2)");
    s.print(blanks(19) + "=" + f3(p.keySigma0) + "×tan^2{45ﾟ＋(" + phiB + "ﾟ/2)}=" + f3(p.keySigma0) + "×" + f3(t2) +
            "=" + f3(p.keyPassivePressure) + "kN/m2");

    // The normal load outside the wedge.
    const std::string smax = f3(p.sigmaMax), smin = f3(p.sigmaMin), s1 = f3(p.keySigma1), s2 = f3(p.keySigma2);
    // The lengths between the key, the wedge and the ends, as they follow "×".
    const std::string L1 = operand(f3(B1 - L)), L2 = operand(f3(B - B1));
    const std::string W1 = std::string("=").append(f3(p.keyNormalLoadW1)).append("kN/m");
    const bool toeSide = p.eccentricity >= 0;
    if (r < sixth && toeSide) {
        s.print(blanks(17) + "W1={(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2");
        s.print(blanks(19) + "={(" + smax + "＋" + operand(s1) + ")/2}×" + L1 + "＋{(" + s2 + "＋" + operand(smin) +
                ")/2}×" + L2 + W1);
    } else if (r < sixth) {
        s.print(blanks(17) + "W1={(σmin＋σ1)/2}･L1＋{(σ2＋σmax)/2}･L2");
        s.print(blanks(19) + "={(" + smin + "＋" + operand(s1) + ")/2}×" + L1 + "＋{(" + s2 + "＋" + operand(smax) +
                ")/2}×" + L2 + W1);
    } else if (toeSide) {
        s.print(blanks(17) + "W1={(σmax＋σ1)/2}･L1＋(σ2/2)･L2");
        s.print(blanks(19) + "={(" + smax + "＋" + operand(s1) + ")/2}×" + L1 + "＋(" + s2 + "/2)×" +
                operand(f3(X - B1)) + W1);
    } else {
        s.print(blanks(17) + "W1=(σ1)/2･L1＋{(σ2＋σmax)/2}･L2");
        s.print(blanks(19) + "=(" + s1 + "/2)×" + operand(f3(B1 - (B - X) - L)) + "＋{(" + s2 + "＋" + operand(smax) +
                ")/2}×" + L2 + W1);
    }

    // The safety factor with the key, shown in the form its value was computed with:
    // cohesion over the base (or none), or over the effective area.
    const CheckMethods methods = checkMethods(p);
    const bool noDeduct = methods.noDeduction(), deduct = methods.deduction();
    if (!withKey) return;
    const bool passed = passes(p, *withKey);
    const std::string C = nf(p.foundationCohesion, fmt::kCohesionCheck);
    const std::string tail = blanks(28) + verdict(p, *withKey, passed);
    const std::string rest = f3(p.keyPassivePressure) + "×" + H0 + ")/" + operand(f3(p.sumH));
    if (noDeduct || p.foundationCohesion == 0) {
        const std::string width = r <= sixth ? f3(B) : f3(B) + "×" + f3(num::div(X, B));
        page::printCheck(p, s, passed,
                         {blanks(16) + "滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H",
                          blanks(28) + "=(" + C + "×" + width + "＋" + operand(f3(p.keyNormalLoadW1)) + "×" +
                              f3(p.baseFriction) + "＋" + rest,
                          tail});
    }
    if (deduct && !noDeduct) {
        page::printCheck(p, s, passed,
                         {blanks(16) + "滑動安全率 F=(C･A'＋W1･μ＋P･H0)/∑H",
                          blanks(28) + "=(" + C + "×" + f3(p.effectiveArea) + "＋" + operand(f3(p.keyNormalLoadW1)) + "×" +
                              nf(p.baseFriction, fmt::kFrictionCheck) + "＋" + rest,
                          tail});
    }
}

void roadCheck(plat::Surface& s, const Program& p, const StabilityCheck* withKey) {
    const double t3 = std::tan(num::rad(p.foundationPhi));
    const float r = eccentricityRatio(p), sixth = oneSixth();
    const float B = p.baseWidth, L1 = p.keyPosition, X = std::fabs(p.neutralAxisXn);
    const bool trapezoid = r <= sixth, toeSide = p.eccentricity >= 0, cohesion = p.foundationCohesion != 0;

    // q1 is the pressure at the σmax edge, q2 at the σmin edge, q3 at the key. In the
    // triangle with the σmax edge at the heel the loaded length behind the key carries
    // q1 and q3, as the resistance was computed.
    std::string formula = "せん断抵抗力 Hk=";
    formula += toeSide ? "{(q1+q3)/2}･L1･tanφ+" : "{(q2+q3)/2}･L1･tanφ+";
    formula += trapezoid ? (toeSide ? "{(q2+q3)/2}･L2･tanφB" : "{(q1+q3)/2}･L2･tanφB")
                         : (toeSide ? "(q3/2)･L2･tanφB" : "{(q1+q3)/2}･L2･tanφB");
    if (cohesion) formula += "+c･L1";
    s.print(blanks(16) + formula);

    const std::string s2 = operand(f3(p.keySigma2)), t = f3(t3);
    const float qa = toeSide ? p.sigmaMax : p.sigmaMin, qb = toeSide ? p.sigmaMin : p.sigmaMax;
    s.print(blanks(31) + "={(" + f3(qa) + "＋" + s2 + ")/2}×" + f3(L1) + "×" + t);
    if (trapezoid)
        s.print(blanks(32) + "＋{(" + f3(qb) + "＋" + s2 + ")/2}×" + operand(f3(B - L1)) + "×" + t);
    else if (toeSide)
        s.print(blanks(32) + "＋(" + f3(p.keySigma2) + "/2)×" + operand(f3(X - L1)) + "×" + t);
    else
        s.print(blanks(32) + "＋{(" + f3(p.sigmaMax) + "＋" + s2 + ")/2}×" + operand(f3(X - L1)) + "×" + t);
    const std::string Hk = f3(p.keyShearResistanceHk);
    if (cohesion)
        s.print(blanks(32) + "＋" + nf(p.foundationCohesion, fmt::kCohesionCheck) + "×" + f3(L1) + "=" + Hk + "kN/m");
    else
        s.print(blanks(31) + "=" + Hk + "kN/m");
    s.print("");

    if (!withKey) return;
    const bool passed = passes(p, *withKey);
    page::printCheck(p, s, passed,
                     {blanks(18) + "滑動安全率  F=Hk/∑H=" + Hk + "/" + operand(f3(p.sumH)) +
                      verdict(p, *withKey, passed)});
}

}  // namespace

void writeShearKeyCheck(plat::Surface& s, const Program& p, const StabilityCheck* withKey) {
    s.print(blanks(14) + "・突起の計算");
    const DesignChoices c = designChoices(p);
    if (c.building())
        buildingCheck(s, p, withKey);
    else if (c.road())
        roadCheck(s, p, withKey);
}

namespace {

// The key sketch step by step: the base with the key (and the passive wedge of the building
// standard), the base width, then the contact pressure as a trapezoid or a triangle, each
// with its lengths, its outline and its labels.
class ShearKeySketch {
public:
    ShearKeySketch(plat::Surface& s, const Program& p)
        : s_(s), p_(p), building_(designChoices(p).building()), road_(designChoices(p).road()) {}

    void draw() {
        s_.setFontSize(9);
        baseAndKey();
        baseWidth();
        if (eccentricityRatio(p_) < oneSixth()) {
            trapezoidLengths();
            trapezoidOutline();
            trapezoidLabels();
        } else {
            triangleLengths();
            triangleOutline();
            triangleLabels();
        }
    }

private:
    void baseAndKey() {
        s_.line(9500, 3800, 10250, 3800);
        s_.line(10450, 3800, 11000, 3800);
        s_.line(9500, 3800, 9500, 3550);
        s_.line(11000, 3800, 11000, 3550);
        s_.line(10250, 3800, 10250, 4050);
        s_.line(10450, 3800, 10450, 4050);
        s_.line(10250, 4050, 10450, 4050);
        if (building_) {
            s_.line(10250, 4050, 9900, 3800);
            s_.line(10130, 3950, 10250, 3900);
            s_.line(10180, 3910, 10050, 3650);
            // Above the end of its leader.
            printAt(s_, 10000, labelAbove(s_, 3650), "45ﾟ＋φB/2");
        }
        s_.line(10800, 3800, 10800, 4050);
        s_.line(10800, 4050, 10550, 4050);
        // Beside the key height's dimension line, halfway between the base and the tip.
        printLeftOf(s_, 10800, (3800 + 4050 - s_.textHeight()) / 2, "H0");
    }

    void baseWidth() {
        s_.line(9500, 5400, 11000, 5400);
        s_.line(9500, 5400, 9500, 4850);
        s_.line(11000, 5400, 11000, 4850);
        printBetween(s_, 9500, 11000, labelAbove(s_, 5400), "Ｂ");
    }

    // The lengths stand above their dimension line, each between its ticks: L1 from where
    // the loaded length starts (before it where that length is too short for its label),
    // L the wedge, L2 from the key to where the loaded length ends.
    void lengthLabels(double start, double end) {
        const double row = labelAbove(s_, 5150);
        if (building_) {
            if (start == 9500)
                printBetween(s_, 9500, 9900, row, "L1");
            else
                printLeftOf(s_, start, row, "L1");
            printBetween(s_, 9900, 10250, row, "L");
            printBetween(s_, 10250, end, row, "L2");
        } else if (road_) {
            printBetween(s_, start, 10250, row, "L1");
            printBetween(s_, 10250, end, row, "L2");
        }
    }

    // The pressure labels stand beside their ordinates, clear of the pressure line. Where
    // the σmax ordinate stands at the heel end there is no room to its right on the sheet,
    // so its label goes below the ordinate's end.
    bool toeSide() const { return !(p_.eccentricity < 0); }
    static constexpr double kBelowHeelEnd = 4700 + kSketchLabelGap;

    void trapezoidLengths() {
        s_.line(9500, 5150, 11000, 5150);
        if (building_) s_.line(9900, 5150, 9900, 4850);
        s_.line(10250, 5150, 10250, 4850);
        lengthLabels(9500, 11000);
    }

    void trapezoidOutline() {
        s_.line(9500, 4200, 11000, 4200);
        if (toeSide()) {
            s_.line(9500, 4200, 9500, 4700);
            s_.line(11000, 4200, 11000, 4450);
            s_.line(9500, 4700, 11000, 4450);
            if (building_) s_.line(9900, 4200, 9900, 4640);
        } else {
            s_.line(9500, 4200, 9500, 4450);
            s_.line(11000, 4200, 11000, 4700);
            s_.line(9500, 4450, 11000, 4700);
            if (building_) s_.line(9900, 4200, 9900, 4520);
        }
        s_.line(10250, 4200, 10250, 4590);
    }

    void trapezoidLabels() {
        if (building_ && toeSide()) {
            printLeftOf(s_, 9500, 4350, "σmax");
            printAt(s_, 10650, 4550, "σmin");
            printBetween(s_, 9500, 9900, 4350, "σ1");
            printAt(s_, 10300, 4280, "σ2");
        } else if (building_) {
            printLeftOf(s_, 11000, kBelowHeelEnd, "σmax");
            printLeftOf(s_, 9500, 4250, "σmin");
            printBetween(s_, 9500, 9900, 4200 + kSketchLabelGap, "σ1");
            printAt(s_, 10300, 4330, "σ2");
        } else if (road_ && toeSide()) {
            printLeftOf(s_, 9500, 4350, "ｑ1");
            printAt(s_, 10750, 4550, "ｑ2");
            printAt(s_, 10300, 4280, "ｑ3");
        } else if (road_) {
            printLeftOf(s_, 11000, kBelowHeelEnd, "ｑ1");
            printLeftOf(s_, 9500, 4250, "ｑ2");
            printAt(s_, 10300, 4330, "ｑ3");
        }
    }

    // Behind the key the loaded length ends at the end of the compressed zone (toe side)
    // or at the heel; from the heel side it starts at the end of the zone.
    void triangleLengths() {
        if (toeSide()) {
            s_.line(9500, 5150, 10750, 5150);
            s_.line(10750, 5150, 10750, 4850);
        } else {
            s_.line(9750, 5150, 11000, 5150);
            s_.line(9750, 5150, 9750, 4850);
        }
        if (building_) s_.line(9900, 5150, 9900, 4850);
        s_.line(10250, 5150, 10250, 4850);
        lengthLabels(toeSide() ? 9500 : 9750, toeSide() ? 10750 : 11000);
    }

    void triangleOutline() {
        s_.line(9500, 4300, 11000, 4300);
        if (toeSide()) {
            s_.line(9500, 4300, 9500, 4700);
            s_.line(9500, 4700, 10750, 4300);
            if (building_) s_.line(9900, 4300, 9900, 4590);
        } else {
            s_.line(11000, 4300, 11000, 4700);
            s_.line(9750, 4300, 11000, 4700);
            if (building_) s_.line(9900, 4300, 9900, 4370);
        }
        s_.line(10250, 4300, 10250, 4490);
    }

    // The pressure at the key stands below the pressure line: under the key's ordinate,
    // or before it where the line falls towards the heel.
    void triangleLabels() {
        auto keyLabel = [&](const char* text) {
            if (toeSide())
                printAt(s_, 10300, 4490, text);
            else
                printLeftOf(s_, 10250, 4480, text);
        };
        if (building_) {
            if (toeSide()) {
                printLeftOf(s_, 9500, 4450, "σmax");
                printBetween(s_, 9500, 9900, 4300 + kSketchLabelGap, "σ1");
            } else {
                printLeftOf(s_, 11000, kBelowHeelEnd, "σmax");
                printLeftOf(s_, 9900, 4380, "σ1");
            }
            keyLabel("σ2");
        } else if (road_) {
            printLeftOf(s_, toeSide() ? 9500 : 11000, toeSide() ? 4450 : kBelowHeelEnd, "ｑ1");
            keyLabel("ｑ3");
        }
    }

    plat::Surface& s_;
    const Program& p_;
    const bool building_, road_;
};

}  // namespace

void drawShearKeySketch(plat::Surface& s, const Program& p) { ShearKeySketch(s, p).draw(); }

}  // namespace stability_pages
