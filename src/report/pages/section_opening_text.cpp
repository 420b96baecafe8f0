// Report page 5, the text below the figure: the contact length, the reaction ordinates,
// the slab loads, and the earth-pressure coefficient of the section design.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "conditions/design_choices.h"
#include "report/pages/figure_labels.h"
#include "report/pages/section_opening_page.h"
#include "report/pages/section_pages_common.h"
#include "report/pages/stability_pages_common.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"

using namespace stability_pages;

namespace section_opening {

namespace {

const std::string kIndent12 = blanks(12);

std::string unitWeight(double v) { return nf(v, page::fmt::kUnitWeight); }
std::string surcharge(double v) { return nf(v, page::fmt::kSurchargePage5); }
std::string kn(double v) { return f3(v) + "KN/m2"; }

// One line of reaction ordinates: the first label carries the indent, the others two blanks.
void printOrdinates(plat::Surface& s, const std::vector<std::pair<const char*, float>>& items) {
    std::string text;
    for (const auto& [name, value] : items) {
        text += (text.empty() ? kIndent12 : std::string("  ")) + name + "=" + kn(value);
    }
    s.print(text);
}

void printOrdinateLines(plat::Surface& s, const Program& p, bool trapezoid) {
    const std::pair<const char*, float> VP{"VP", p.reactionVP}, V1{"V1", p.reactionV1}, V2{"V2", p.reactionV2},
        V3{"V3", p.reactionV3}, V4{"V4", p.reactionV4}, V5{"V5", p.reactionV5}, VR{"VR", p.reactionVR};
    const float e = p.eccentricity;
    const bool heel = memberPresent(p, SectionMember::Heel), toe = memberPresent(p, SectionMember::Toe);
    if (e == 0) {
        s.print(kIndent12 + "V=" + kn(p.reactionV1));
    } else if (trapezoid) {
        if (heel && toe) {
            printOrdinates(s, {VP, V1, V2, V3, V4});
            printOrdinates(s, {V5, VR});
        } else if (heel) {
            printOrdinates(s, {V1, V2, V3, V4});
            printOrdinates(s, {V5, VR});
        } else if (toe) {
            printOrdinates(s, {VP, V1, V2, V3});
            printOrdinates(s, {V4, V5});
        } else {
            printOrdinates(s, {V1, V2, V3, V4, V5});
        }
    } else if (e > 0) {
        // The ordinates inside the contact, as the slab model found where it ends: the
        // section forces are computed from the same points.
        const std::pair<unsigned, std::pair<const char*, float>> slabPoints[] = {
            {kWroteV1, V1}, {kWroteV2, V2}, {kWroteV3, V3}, {kWroteV4, V4}};
        std::vector<std::pair<const char*, float>> inside;
        for (const auto& [bit, ordinate] : slabPoints)
            if (p.slabModelWrote(bit)) inside.push_back(ordinate);
        if (p.slabModelWrote(kWroteV5)) {
            printOrdinates(s, inside);
            printOrdinates(s, {V5});
        } else if (!inside.empty()) {
            inside.push_back(VP);
            printOrdinates(s, inside);
        }
    }
    s.print("");
}

// "W<n>=(" soil height × γ ")＋(" thickness × γc ")＋" q "=" W "KN/m2"; no soil term when
// the soil is not counted.
std::string loadLine(const char* name, const double* soilHeight, double gammaSoil, double thickness, double gammaConcrete,
                     double q, double w) {
    std::string text = kIndent12 + name + "=(";
    if (soilHeight) text += f3(*soilHeight) + "×" + unitWeight(gammaSoil) + ")＋(";
    return text + f3(thickness) + "×" + unitWeight(gammaConcrete) + ")＋" + surcharge(q) + "=" + kn(w);
}

void printLoadLines(plat::Surface& s, const Program& p) {
    const double gs = p.soilUnitWeight, gc = p.concreteUnitWeight;
    const double fill = p.centralFillDepth, back = p.backSoilAboveSlab, front = p.frontSoilAboveSlab;
    s.print(loadLine("W1", &fill, gs, p.slabThickness, gc, p.surchargeCentre, p.slabLoadW1));
    if (memberPresent(p, SectionMember::Heel)) {
        s.print(loadLine("W2", &back, gs, p.slabThickness, gc, p.surchargeBack, p.slabLoadW2));
        if (p.slabLoadW2 != p.slabLoadW3) {
            const double over = float(p.backSoilAboveSlab + p.heelTaper);
            s.print(loadLine("W3", &over, gs, p.heelEndThickness, gc, p.surchargeBack, p.slabLoadW3));
        }
    }
    if (memberPresent(p, SectionMember::Toe)) {
        const DesignChoices shape = designChoices(p);
        const bool differ = p.slabLoadW4 != p.slabLoadW5;
        const double* rootSoil = nullptr;
        double tipSoil = 0;
        bool print = true;
        if (shape.oneSided()) {
            const FrontSoilLoad frontSoil = dimensionChoices(p).frontSoil;
            if (frontSoil == FrontSoilLoad::Counted) {
                rootSoil = &front;
                tipSoil = float(p.toeTaper + p.frontSoilAboveSlab);
            } else if (frontSoil != FrontSoilLoad::LeftOut) {
                print = false;
            }
        } else if (shape.symmetric()) {
            rootSoil = &back;
            tipSoil = float(p.backSoilAboveSlab + p.toeTaper);
        } else {
            print = false;
        }
        if (print) {
            s.print(loadLine("W4", rootSoil, gs, p.slabThickness, gc, p.surchargeFront, p.slabLoadW4));
            if (differ)
                s.print(loadLine("W5", rootSoil ? &tipSoil : nullptr, gs, p.toeEndThickness, gc, p.surchargeFront,
                                 p.slabLoadW5));
        }
    }
    s.print("");
}

// ---- Earth-pressure coefficient ----

double cos2(double deg) { return std::pow(cosd(deg), 2); }

// A fraction whose denominator ends in a bracketed root, its angles written out. Where
// the factor before the bracket runs into it, the bracket moves right with all it holds,
// as far as the page's width allows, and what stands before the bracket moves left by the
// rest, so that the texts stay inside their brackets. Otherwise everything stands where
// it is set.
class BracketedFraction {
public:
    // factor: the text before the bracket at x factorX; left: the bracket's left edge;
    // rightEnd: where the fraction ends on the right; leftEnd: where it starts, as far as
    // it may move left.
    BracketedFraction(plat::Surface& s, double factorX, const std::string& factor, double left, double rightEnd,
                      double leftEnd)
        : s_(s) {
        const double needed = factorX + s.textWidth(factor) + page::kLabelGap - left;
        if (needed <= 0) return;
        right_ = std::clamp(s.printableWidth() - rightEnd, 0.0, needed);
        left_ = std::min(needed - right_, leftEnd);
    }
    // Where x of the formula as set comes to stand: before the bracket, or from it on.
    double before(double x) const { return x - left_; }
    double within(double x) const { return x + right_; }
    void text(double x, double y, const std::string& t) { printAt(s_, before(x), y, t); }
    void bracketed(double x, double y, const std::string& t) { printAt(s_, within(x), y, t); }

private:
    plat::Surface& s_;
    double right_ = 0, left_ = 0;
};

// The Coulomb coefficient: symbols, angles, numbers.
void printCoulombFraction(plat::Surface& s, const Program& p) {
    const float phi = p.backfillPhi, th = p.rearFaceTheta, be = p.groundSlope, de = p.deltaSection;
    printAt(s, 1200, 10100, "主働土圧係数");
    printAt(s, 3800, 10300, "cos^2(φ－θ）");
    printAt(s, 1300, 10500, "KA=──────────────────────────");
    printAt(s, 4550, 10750, "sin(φ＋δ)sin(φ－β)");
    printAt(s, 7300, 10750, "2");
    printAt(s, 1700, 10950, "cos^2θcos(θ＋δ)");
    printAt(s, 3875, 10950, "1＋");
    printAt(s, 4450, 10950, "──────────── ");
    printAt(s, 4550, 11150, "cos(θ＋δ)cos(θ－β)");
    section_pages::radical(s, 4175, 11150, 10700, 7050);
    section_pages::brackets(s, 3775, 7200, 10700);

    const std::string b5 = "cos^2(" + deg(th) + "ﾟ)×cos(" + deg(th) + "ﾟ＋" + deg(de) + "ﾟ)×";
    BracketedFraction b(s, 1700, b5, 5700, 11150 + s.textWidth("2"), 1500);
    b.text(5100, 11450, "cos^2(" + deg(phi) + "ﾟ－" + deg(th) + "ﾟ)");
    b.text(1500, 11650, "=────────────────────────────────────────────");
    b.bracketed(6400, 11900, "sin(" + deg(phi) + "ﾟ＋" + deg(de) + "ﾟ)×sin(" + deg(phi) + "ﾟ－" + deg(be) + "ﾟ)");
    b.bracketed(11150, 11900, "2");
    b.text(1700, 12100, b5);
    b.bracketed(5775, 12100, "1＋");
    b.bracketed(6300, 12100, "───────────────────── ");
    b.bracketed(6400, 12300, "cos(" + deg(th) + "ﾟ＋" + deg(de) + "ﾟ)×cos(" + deg(th) + "ﾟ－" + deg(be) + "ﾟ)");
    section_pages::radical(s, b.within(6075), 12300, 11850, b.within(10900));
    section_pages::brackets(s, b.within(5700), b.within(11050), 11850);

    const double c1 = cos2(float(phi - th));
    const double s2 = sind(std::fabs(float(phi - be)));
    const double c2 = cos2(th), c3 = cosd(float(de + th)), c4 = cosd(std::fabs(float(th - be)));
    const std::string ka = std::string("=").append(f3(p.activeCoefficientSection));
    if (phi >= be) {
        const double s1 = sind(float(phi + de));
        printAt(s, 3500, 12600, f4(c1));
        printAt(s, 1500, 12800, "=─────────────────────");
        printAt(s, 4350, 13050, f4(s1) + "×" + f4(s2));
        printAt(s, 6250, 13050, "2");
        printAt(s, 1700, 13250, f4(c2) + "×" + f4(c3) + "×");
        printAt(s, 3675, 13250, "1＋");
        printAt(s, 4250, 13250, "────────");
        printAt(s, 4350, 13450, f4(c3) + "×" + f4(c4));
        printAt(s, 1500, 13750, ka);
        section_pages::radical(s, 3975, 13450, 13000, 6000);
        section_pages::brackets(s, 3575, 6150, 13000);
    } else {
        printAt(s, 2150, 12600, f4(c1));
        printAt(s, 1500, 12800, "=────────");
        printAt(s, 1700, 13000, f4(c2) + "×" + f4(c3));
        printAt(s, 1500, 13300, ka);
    }
}

void printCoulombFamily(plat::Surface& s, const Program& p) {
    if (p.groundSlope == 0 && p.rearFaceTheta == 0 && p.deltaSection == 0) {
        const float h = 45 - p.backfillPhi / 2;
        s.print(blanks(14) + "主働土圧係数");
        s.print(blanks(15) + "KA=tan^2(45ﾟ-φ/2)");
        s.print(blanks(17) + "=tan^2(45ﾟ-" + deg(p.backfillPhi) + "ﾟ/2)");
        s.print(blanks(17) + "=tan^2(" + deg(h) + "ﾟ)");
        s.print(blanks(17) + "=" + f3(p.activeCoefficientSection));
        return;
    }
    printCoulombFraction(s, p);
}

// The seismic coefficient KAE with the composite angle θk.
void printSeismicFraction(plat::Surface& s, const Program& p) {
    const float phi = p.backfillPhi, th = p.rearFaceTheta, be = p.groundSlope, de = p.deltaSection;
    const float tk = p.seismicTheta, kh = p.seismicKh, kv = p.seismicKv;
    printAt(s, 1400, 10100, "水平震度Kh=" + nf(kh, fmt::kSeismic) + "    鉛直震度Kv=" + nf(kv, fmt::kSeismic));
    // A line below the one before it at the least, as far as the font's height needs.
    printAt(s, 1400, std::max(10300.0, s.currentY()),
            "地震合成角θk=Atn{Kh/(1－Kv)}" + std::string("=") + "Atn{" + nf(kh, fmt::kSeismic) + "/(1－" + nf(kv, fmt::kSeismic) +
                ")}=" + deg(tk) + "ﾟ");
    printAt(s, 1400, 10900, "地震時主働土圧係数");
    s.setFontSize(9);
    printAt(s, 3600, 11150, "(1－Kv)cos^2(φ－θ－θk）");
    printAt(s, 950, 11320, "ＫAE=");
    printAt(s, 5020, 11550, "sin(φ－β－θk)sin(φ＋δ)");
    printAt(s, 7770, 11550, "2");
    printAt(s, 1500, 11750, "cosθk cos^2θcos(δ＋θ＋θk)");
    printAt(s, 4345, 11750, "1＋");
    printAt(s, 5020, 11950, "cos(δ＋θ＋θk)cos(θ－β)");
    s.line(1450, 11400, 7870, 11400);
    s.line(4920, 11830, 7590, 11830);
    section_pages::radical(s, 4645, 11950, 11500, 7590);
    section_pages::brackets(s, 4245, 7670, 11500);

    const std::string d15 =
        "cos" + deg(tk) + "ﾟ×cos^2(" + deg(th) + "ﾟ)×cos(" + deg(de) + "ﾟ＋" + deg(th) + "ﾟ＋" + deg(tk) + "ﾟ)×";
    // The fraction ends with its main bar or with the exponent beyond the bracket.
    BracketedFraction d(s, 1230, d15, 6000, std::max(11250.0, 11200 + s.textWidth("2")), 1030);
    d.text(4600, 12300, "(1－" + deg(kv) + ")×cos^2(" + deg(phi) + "ﾟ－" + deg(th) + "ﾟ－" + deg(tk) + "ﾟ)");
    d.text(1030, 12470, "=");
    d.bracketed(6700, 12700,
                "sin(" + deg(phi) + "ﾟ－" + deg(be) + "ﾟ－" + deg(tk) + "ﾟ)×sin(" + deg(phi) + "ﾟ＋" + deg(de) + "ﾟ)");
    d.bracketed(11200, 12700, "2");
    d.text(1230, 12900, d15);
    d.bracketed(6075, 12900, "1＋");
    d.bracketed(6700, 13100,
                "cos(" + deg(de) + "ﾟ＋" + deg(th) + "ﾟ＋" + deg(tk) + "ﾟ)×cos(" + deg(th) + "ﾟ－" + deg(be) + "ﾟ)");
    s.line(d.before(1200), 12550, d.within(11250), 12550);
    s.line(d.within(6650), 12980, d.within(11000), 12980);
    section_pages::radical(s, d.within(6375), 13100, 12650, d.within(11000));
    section_pages::brackets(s, d.within(6000), d.within(11130), 12650);

    const float k1 = 1 - kv;
    const double e1 = cos2(float(float(phi - th) - tk));
    const double e3 = cosd(tk), e4 = cosd(float(float(de + th) + tk));
    const double c2 = cos2(th);
    const std::string ka = std::string("=").append(f3(p.activeCoefficientSection));
    if (float(be + tk) <= phi) {
        const double e2 = sind(std::fabs(float(float(phi - be) - tk)));
        const double s1 = sind(float(phi + de));
        const double c4 = cosd(std::fabs(float(th - be)));
        printAt(s, 3030, 13450, nf(k1, fmt::kSeismic) + "×" + f4(e1));
        printAt(s, 1030, 13620, "=");
        printAt(s, 4230, 13850, f4(e2) + "×" + f4(s1));
        printAt(s, 5780, 13850, "2");
        printAt(s, 1230, 14050, f4(e3) + "×" + f4(c2) + "×" + f4(e4) + "×");
        printAt(s, 3555, 14050, "1＋");
        printAt(s, 4230, 14250, f4(e4) + "×" + f4(c4));
        printAt(s, 1030, 14550, ka);
        s.line(1180, 13700, 6030, 13700);
        s.line(4130, 14130, 5530, 14130);
        section_pages::radical(s, 3855, 14250, 13800, 5530);
        section_pages::brackets(s, 3455, 5680, 13800);
    } else {
        printAt(s, 1680, 13450, nf(k1, fmt::kSeismic) + "×" + f4(e1));
        printAt(s, 1030, 13620, "=");
        printAt(s, 1230, 13800, f4(e3) + "×" + f4(c2) + "×" + f4(e4));
        printAt(s, 1030, 14100, ka);
        s.line(1180, 13700, 3380, 13700);
    }
    s.print("");
    s.print("");
    s.setFontSize(11);
}

}  // namespace

void printContactAndLoads(plat::Surface& s, const Program& p) {
    const float e = p.eccentricity;
    bool trapezoid = true;
    if (e != 0) {
        trapezoid = eccentricityRatio(p) <= oneSixth();
        const std::string b = f3(p.baseWidth), ae = f3(std::fabs(e));
        s.print(kIndent12 + "中立軸までの距離");
        if (trapezoid) {
            s.print(kIndent12 + "Xn=(B/2)･[1＋{B/(6e)}]=(" + b + "/2)×[1＋{" + b + "/(6×" + ae + ")}]=" +
                    f3(p.neutralAxisXn) + "m");
        } else {
            s.print(kIndent12 + "Xn=3･{(B/2)-e}=3×{(" + b + "/2)-" + ae + "}=" + f3(p.neutralAxisXn) + "m");
        }
        s.print("");
    }
    printOrdinateLines(s, p, trapezoid);
    printLoadLines(s, p);
}

void printSectionKa(plat::Surface& s, const Program& p) {
    const KaMode ka = sectionKaMode(p);
    s.print(kIndent12 + "地表面と水平面とのなす角度    ：β=" + nf(p.groundSlope, fmt::kSlopePage5) + "ﾟ");
    s.print(kIndent12 + "後壁背面と鉛直面とのなす角度  ：θ=" + nf(p.rearFaceTheta, fmt::kAngle) + "ﾟ");
    s.setDrawStyle(0);
    if (ka == KaMode::Typed) s.print(kIndent12 + "主働土圧係数 KA=" + nf(p.activeCoefficientSection, fmt::kKaStated));
    if (ka != KaMode::Computed) return;
    const DesignChoices c = designChoices(p);
    if (c.normal() || c.seismicMethod == SeismicMethod::K2) printCoulombFamily(s, p);
    if (c.seismicMethod == SeismicMethod::K1 || c.seismicMethod == SeismicMethod::D1) printSeismicFraction(s, p);
}

}  // namespace section_opening
