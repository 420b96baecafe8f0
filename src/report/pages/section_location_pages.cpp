// Report pages 7 to 9: the base slab at mid-span (location 5, Form7.HAIKIN_E) and at its
// fixed ends (6 and 7, HAIKIN_F and HAIKIN_G), the heel and the toe (8 and 9, HAIKIN_H and
// HAIKIN_I) and the shear key (10, HAIKIN_J). Each prints its loads and forces with the
// stored results substituted, then the common check block.
#include <algorithm>
#include <cmath>
#include <string>

#include "common/numbers.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_text.h"
#include "report/pages/page_writers.h"
#include "report/pages/section_check_block.h"
#include "section/bar_table.h"
#include "section/design_forces.h"
#include "section/section_screen.h"

namespace {

using page::blanks;
using page::whole;
// Every value of these sections' own lines prints with three decimals.
using page::f3;
using page::operand;

bool refused(const Program& p, int loc) { return page::screen<Form7>(p).refusedRow(loc); }

// The design moment and shear lines of the slab sections: M=|M1-M2| and S=|S1-S2|.
void designMomentLine(const Program& p, plat::Surface& s, int loc, int indent) {
    s.print(blanks(indent) + "M=|M1-M2|=|" + f3(p.loadMoment[loc]) + "-" + operand(f3(p.reactionMoment[loc])) + "|×10^5=" +
            whole(p.designMoment[loc]) + "Ncm/m");
}
void designShearLine(const Program& p, plat::Surface& s, int loc) {
    s.print(blanks(18) + "S=|S1-S2|=|" + f3(p.loadShear[loc]) + "-" + operand(f3(p.reactionShear[loc])) + "|×10^3=" +
            whole(p.designShear[loc]) + "N/m");
}

// The design moment and shear, an empty line and the check block.
void closeSection(const Program& p, plat::Surface& s, int loc) {
    designMomentLine(p, s, loc, 18);
    designShearLine(p, s, loc);
    s.print("");
    section_pages::printCheckBlock(p, s, loc);
}

void fixedEndC1Line(const Program& p, plat::Surface& s) {
    s.print(blanks(18) + "C1=(W1･B^2)/12=(" + f3(p.slabLoadW1) + "×" + f3(p.innerSpan) + "^2)/12=" + f3(p.fixedEndC1) +
            "KNm/m");
}

// The fixed-end moment of the trapezoidal reaction at one end: C21 (divisor 20) at the
// end of the larger ordinate, C22 (30) at the other. "high" and "low" name the ordinates.
struct Ordinates {
    const char* high;  // "V2" or "V4"
    const char* low;
    float vHigh;
    float vLow;
};

void trapezoidFixedEnd(const Program& p, plat::Surface& s, const Ordinates& o, bool highEnd) {
    const char* name = highEnd ? "C21" : "C22";
    const char* divisor = highEnd ? "20" : "30";
    s.print(blanks(17) + name + "=(" + o.low + "･B^2/12)＋{(" + o.high + "-" + o.low + ")･B^2/" + divisor + "}");
    s.print(blanks(20) + "=(" + f3(o.vLow) + "×" + f3(p.innerSpan) + "^2)/12＋{(" + f3(o.vHigh) + "－" +
            operand(f3(o.vLow)) + ")×" + f3(p.innerSpan) + "^2)/" + divisor + "}=" + f3(highEnd ? p.fixedEndC21 : p.fixedEndC22) + "KNm/m");
}

Ordinates ordinates(const Program& p, SpanReaction r) {
    if (r == SpanReaction::Falling) return {"V2", "V4", p.reactionV2, p.reactionV4};
    return {"V4", "V2", p.reactionV4, p.reactionV2};
}

// Reaction lines of a slab end: loc 6 at the front wall, 7 at the rear wall.
void slabEndReaction(const Program& p, plat::Surface& s, int loc) {
    const SpanReaction r = spanReaction(p);
    if (r == SpanReaction::None) return;
    const std::string span = f3(p.innerSpan);
    if (r == SpanReaction::Uniform) {
        s.print(blanks(18) + "C2=(V･B^2)/12=(" + f3(p.sigmaMax) + "×" + span + "^2)/12=" + f3(p.fixedEndC2) + "KNm/m");
        s.print(blanks(18) + "M2=C2=" + f3(p.reactionMoment[loc]) + "KNm/m");
        s.print(blanks(18) + "S2=(V･B)/2=(" + f3(p.sigmaMax) + "×" + span + ")/2=" + f3(p.reactionShear[loc]) + "KN/m");
        return;
    }
    // The end under the larger ordinate takes C21 and a third of the triangle.
    const bool highEnd = underLargerOrdinate(loc, r);
    const Ordinates o = ordinates(p, r);
    trapezoidFixedEnd(p, s, o, highEnd);
    s.print(blanks(18) + "M2=" + (highEnd ? "C21" : "C22") + "=" + f3(p.reactionMoment[loc]) + "KNm/m");
    const char* third = highEnd ? "3" : "6";
    s.print(blanks(18) + "S2=(" + o.low + "･B)/2＋(" + o.high + "－" + o.low + ")･B/" + third + "=(" + f3(o.vLow) + "×" +
            span + ")/2＋(" + f3(o.vHigh) + "－" + operand(f3(o.vLow)) + ")×" + span + "/" + third + "=" +
            f3(p.reactionShear[loc]) + "KN/m");
}

void slabEnd(const Program& p, plat::Surface& s, int loc, int emptyLines, const char* heading) {
    page::emptyLines(s, emptyLines);
    s.print(blanks(14) + heading);
    if (refused(p, loc)) return section_pages::printRefusedBlock(p, s, loc);
    fixedEndC1Line(p, s);
    s.print(blanks(18) + "M1=C1=" + f3(p.loadMoment[loc]) + "KNm/m");
    s.print(blanks(18) + "S1=(W1･B)/2=(" + f3(p.slabLoadW1) + "×" + f3(p.innerSpan) + ")/2=" + f3(p.loadShear[loc]) +
            "KN/m");
    slabEndReaction(p, s, loc);
    closeSection(p, s, loc);
}

// Load lines of a cantilever: uniform when root and tip loads are equal, else linear.
void cantileverLoad(const Program& p, plat::Surface& s, int loc, const char* root, const char* tip, float wRoot, float wTip,
                    float length) {
    const std::string l = f3(length);
    const std::string r = root, t = tip;
    if (wRoot == wTip) {
        s.print(blanks(17) + "M1=(" + r + "･B^2)/2=(" + f3(wRoot) + "×" + l + "^2)/2=" + f3(p.loadMoment[loc]) + "KNm/m");
        s.print(blanks(17) + "S1=" + r + "･B=" + f3(wRoot) + "×" + l + "=" + f3(p.loadShear[loc]) + "KN/m");
    } else {
        s.print(blanks(17) + "M1=(" + r + "＋2･" + t + ")･B^2/6=(" + f3(wRoot) + "＋2×" + operand(f3(wTip)) + ")×" + l +
                "^2/6=" + f3(p.loadMoment[loc]) + "KNm/m");
        s.print(blanks(17) + "S1=(" + r + "＋" + t + ")･B/2=(" + f3(wRoot) + "＋" + operand(f3(wTip)) + ")×" + l + "/2=" +
                f3(p.loadShear[loc]) + "KN/m");
    }
}

// Reaction lines of a cantilever under a reaction from vRoot to vTip over its length.
void cantileverReaction(const Program& p, plat::Surface& s, int loc, const char* root, const char* tip, float vRoot,
                        float vTip, float length) {
    const std::string l = f3(length);
    const std::string r = root, t = tip;
    s.print(blanks(17) + "M2=(" + r + "＋2･" + t + ")･B^2/6=(" + f3(vRoot) + "＋2×" + operand(f3(vTip)) + ")×" + l + "^2/6=" +
            f3(p.reactionMoment[loc]) + "KNm/m");
    s.print(blanks(17) + "S2=(" + r + "＋" + t + ")･B/2=(" + f3(vRoot) + "＋" + operand(f3(vTip)) + ")×" + l + "/2=" +
            f3(p.reactionShear[loc]) + "KN/m");
}

}  // namespace

void report::HAIKIN_E(plat::Surface& s, const Program& p) {
    constexpr int loc = 5;
    page::emptyLines(s, 5);
    s.print(blanks(14) + "３）底版（中央部）");
    if (refused(p, loc)) return section_pages::printRefusedBlock(p, s, loc);
    fixedEndC1Line(p, s);
    s.print(blanks(18) + "M1=(W1･B^2)/8－C1=(" + f3(p.slabLoadW1) + "×" + f3(p.innerSpan) + "^2)/8－" + operand(f3(p.fixedEndC1)) +
            "=" + f3(p.loadMoment[loc]) + "KNm/m");
    const SpanReaction r = spanReaction(p);
    const std::string span = f3(p.innerSpan);
    if (r == SpanReaction::Uniform) {
        s.print(blanks(17) + "C2=(V･B^2)/12=(" + f3(p.sigmaMax) + "×" + span + "^2)/12=" + f3(p.fixedEndC2) + "KNm/m");
        s.print(blanks(17) + "M2=(V･B^2)/8－C2=(" + f3(p.sigmaMax) + "×" + span + "^2)/8－" + operand(f3(p.fixedEndC2)) + "=" +
                f3(p.reactionMoment[loc]) + "KNm/m");
    } else if (r != SpanReaction::None) {
        const Ordinates o = ordinates(p, r);
        const std::string high = o.high, low = o.low;
        trapezoidFixedEnd(p, s, o, true);
        trapezoidFixedEnd(p, s, o, false);
        s.print(blanks(18) + "M2=(" + low + "･B^2/8)＋(" + high + "-" + low + ")･B^2/(9･Sqr(3))－(C21＋C22)/2");
        s.print(blanks(20) + "=(" + f3(o.vLow) + "×" + span + "^2)/8＋(" + f3(o.vHigh) + "－" + operand(f3(o.vLow)) + ")×" + span +
                "^2/(9×Sqr(3))");
        s.print(blanks(20) + "－(" + f3(p.fixedEndC21) + "＋" + operand(f3(p.fixedEndC22)) + ")/2=" + f3(p.reactionMoment[loc]) +
                "KNm/m");
    }
    designMomentLine(p, s, loc, 19);
    s.print("");
    section_pages::printCheckBlock(p, s, loc);
}

void report::HAIKIN_F(plat::Surface& s, const Program& p) { slabEnd(p, s, 6, 2, "４）底版（前面固定部）"); }

void report::HAIKIN_G(plat::Surface& s, const Program& p) { slabEnd(p, s, 7, 5, "５）底版（後面固定部）"); }

void report::prepareSectionCheck(Program& p, int loc) {
    // A refused location prints no check block, so its bar sets nothing.
    const bool refused = checkLocationOf(loc).mayBeRefused() && p.form<Form7>().refusedRow(loc);
    if (!refused) LargeBarRebarAllow(p, p.barArea[loc]);
}

void report::HAIKIN_H(plat::Surface& s, const Program& p) {
    constexpr int loc = 8;
    page::emptyLines(s, 2);
    s.print(blanks(14) + "６）かかと版（固定部）");
    if (refused(p, loc)) return section_pages::printRefusedBlock(p, s, loc);
    cantileverLoad(p, s, loc, "W2", "W3", p.slabLoadW2, p.slabLoadW3, p.heelLength);
    // The same cases as the stored heel forces: at zero eccentricity every ordinate is
    // σmax and the whole heel carries the reaction.
    const HeelReaction reaction = heelReaction(p);
    if (reaction == HeelReaction::WholeBase) {
        cantileverReaction(p, s, loc, "V5", "VR", p.reactionV5, p.reactionVR, p.heelLength);
    } else if (reaction == HeelReaction::FromToe) {
        // The contact beyond the heel root, printed as a single.
        const float c = num::store(heelContactLength(p));
        s.print(blanks(17) + "M2=V5･c^2/6=" + f3(p.reactionV5) + "×" + f3(c) + "^2/6=" + f3(p.reactionMoment[loc]) +
                "kNm/m");
        s.print(blanks(17) + "S2=V5･c/2=" + f3(p.reactionV5) + "×" + f3(c) + "/2=" + f3(p.reactionShear[loc]) + "kN/m");
    }
    closeSection(p, s, loc);
}

void report::HAIKIN_I(plat::Surface& s, const Program& p) {
    constexpr int loc = 9;
    // Without a heel the toe follows the rear slab end on the same page.
    page::emptyLines(s, memberPresent(p, SectionMember::Heel) ? 5 : 2);
    s.print(blanks(14) + "７）つま先版（固定部）");
    if (refused(p, loc)) return section_pages::printRefusedBlock(p, s, loc);
    cantileverLoad(p, s, loc, "W4", "W5", p.slabLoadW4, p.slabLoadW5, p.toeLength);
    cantileverReaction(p, s, loc, "V1", "VP", p.reactionV1, p.reactionVP, p.toeLength);
    closeSection(p, s, loc);
}

void report::HAIKIN_J(plat::Surface& s, const Program& p) {
    constexpr int loc = 10;
    // The key opens page 9 when exactly one of heel and toe exists, else it follows a section.
    const bool opensPage = memberPresent(p, SectionMember::Heel) != memberPresent(p, SectionMember::Toe);
    page::emptyLines(s, opensPage ? 5 : 2);
    s.print(blanks(14) + "８）突起部");
    const std::string pressure = f3(p.keyPassivePressure), h0 = f3(p.keyHeight);
    s.print(blanks(18) + "P=" + pressure + "KN/m2");
    s.print(blanks(18) + "M=P･H0^2/2=(" + pressure + "×" + h0 + "^2/2)×10^5=" + whole(p.designMoment[loc]) + "Ncm/m");
    s.print(blanks(18) + "S=P･H0=(" + pressure + "×" + h0 + ")×10^3=" + whole(p.designShear[loc]) + "N/m");
    s.print("");
    section_pages::printCheckBlock(p, s, loc);
}
