// Report page 5 (Form7.HAIKIN): the opening page of the section checks, and its figure of
// the base slab with the slab loads and the ground reaction.
#include "report/pages/section_opening_page.h"

#include <cmath>

#include "conditions/design_choices.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_writers.h"
#include "report/pages/section_pages_common.h"
#include "report/pages/stability_pages_common.h"

void report::prepareSectionOpeningPage(Program& p, const plat::Surface& s) {
    section_pages::copyDesignSpacings(p);
    section_pages::setFigureScales(p, s);
}

void report::HAIKIN(plat::Surface& s, const Program& p) {
    page::topOfPage(s);
    if (const auto title = section_pages::chapterTitleLine(p)) s.print(*title);
    s.print("");
    section_opening::drawBaseFigure(s, p);
    section_opening::printContactAndLoads(s, p);
    section_opening::printSectionKa(s, p);
}

namespace section_opening {

namespace {

// Where the outline of the soil leaves the outer face of a wall at the level of the back
// soil: the batter's share above that level. A wall without height above the slab has
// no share (the face is then a point).
double batterShareAboveSoil(const Program& p, double batter) {
    const double height = double(p.backSoilAboveSlab) + double(p.rearWallUpperHeight);
    if (height == 0) return 0;
    return batter * p.rearWallUpperHeight / height;
}

}  // namespace

void drawBaseFigure(plat::Surface& s, const Program& p) {
    const section_pages::BaseFigure f = section_pages::baseFigure(p);
    const double k = f.k;

    // Positions from the toe end.
    const double B = p.baseWidth;
    const double xT = p.toeLength;
    const double xFo = double(p.toeLength) + p.frontWallOuterBatter;
    const double xFi = double(p.toeLength) + p.frontWallBottomWidth - p.frontWallInnerBatter;
    const double xF = double(p.toeLength) + p.frontWallBottomWidth;
    const double xM = xF + double(p.innerSpan) / 2;
    const double xR = xF + p.innerSpan;
    const double xRi = B - (double(p.rearWallOuterBatter) + p.heelLength + p.rearWallTopWidth);
    const double xRo = B - (double(p.rearWallOuterBatter) + p.heelLength);
    const double xH = B - p.heelLength;
    const double xs = xRo + batterShareAboveSoil(p, p.rearWallOuterBatter);
    const double xf = xFo - batterShareAboveSoil(p, p.frontWallOuterBatter);
    // Depths from the top of the rear wall.
    const double Ht = double(p.backSoilHeight) + p.rearWallUpperHeight;
    const double dF = Ht - (double(p.frontSoilHeight) + p.frontWallUpperHeight);
    const double dG = p.rearWallUpperHeight;
    const double dS = Ht - p.slabThickness;
    const double dTe = Ht - p.toeEndThickness;
    const double dHe = Ht - p.heelEndThickness;

    const bool heel = p.heelLength != 0;
    const bool toe = p.toeLength != 0;
    const bool symmetric = designChoices(p).symmetric();
    auto X = [&](double m) { return f.X(m); };
    auto Y = [&](double d) { return f.Y(d); };
    const double yBase = Y(Ht);
    auto ordinate = [&](double at, double v) { s.line(X(at), yBase, X(at), yBase + v * k); };

    // Walls and slab.
    s.line(X(xFo), Y(dF), X(xFi), Y(dF));
    s.line(X(xFo), Y(dF), X(xT), Y(dS));
    s.line(X(xFi), Y(dF), X(xF), Y(dS));
    s.line(X(xRi), 1700, X(xRo), 1700);
    s.line(X(xRi), 1700, X(xR), Y(dS));
    s.line(X(xRo), 1700, X(xH), Y(dS));
    s.line(X(xF), Y(dS), X(xR), Y(dS));
    s.line(X(xT), yBase, X(xH), yBase);
    if (!heel) {
        s.line(X(xH), Y(dS), X(xH), yBase);
    } else {
        s.line(X(xH), Y(dS), X(B), Y(dHe));
        s.line(X(B), Y(dHe), X(B), yBase);
        s.line(X(xH), yBase, X(B), yBase);
    }
    if (!toe) {
        s.line(X(xT), Y(dS), X(xT), yBase);
    } else {
        s.line(X(xT), Y(dS), 2850, Y(dTe));
        s.line(2850, Y(dTe), 2850, yBase);
        s.line(X(xT), yBase, 2850, yBase);
    }

    // Soil outlines.
    s.line(X(xs), Y(dG), X(xs) + 150, Y(dG));
    const double yHeelSoil = heel ? Y(dS) : yBase;
    s.line(X(xs) + 150, Y(dG), X(xH) + 500, yHeelSoil);
    s.line(X(xH), yHeelSoil, X(xH) + 500, yHeelSoil);
    if (symmetric) {
        s.line(X(xf), Y(dG), X(xf) - 150, Y(dG));
        const double yToeSoil = toe ? Y(dS) : yBase;
        s.line(X(xf) - 150, Y(dG), X(xT) - 500, yToeSoil);
        s.line(X(xT), yToeSoil, X(xT) - 500, yToeSoil);
    }

    // Slab loads.
    const double w1 = p.slabLoadW1, w2 = p.slabLoadW2, w3 = p.slabLoadW3, w4 = p.slabLoadW4, w5 = p.slabLoadW5;
    if (p.innerSpan != 0) {
        s.line(X(xF), Y(dS) - w1 * k, X(xR), Y(dS) - w1 * k);
        if (p.frontWallInnerBatter != 0) s.line(X(xF), Y(dS) - w1 * k, X(xF), Y(dS));
        if (p.rearWallInnerBatter != 0) s.line(X(xR), Y(dS) - w1 * k, X(xR), Y(dS));
    }
    if (heel) {
        s.line(X(xH), Y(dS) - w2 * k, X(B), Y(dHe) - w3 * k);
        s.line(X(B), Y(dHe), X(B), Y(dHe) - w3 * k);
        s.line(X(xH), Y(dS), X(xH), Y(dS) - w2 * k);
    }
    if (toe) {
        s.line(2850, Y(dTe) - w5 * k, X(xT), Y(dS) - w4 * k);
        s.line(2850, Y(dTe), 2850, Y(dTe) - w5 * k);
        if (p.frontWallOuterBatter != 0) s.line(X(xT), Y(dS), X(xT), Y(dS) - w4 * k);
    }

    // Ground reaction.
    const float e = p.eccentricity;
    const bool trapezoid = e == 0 || stability_pages::oneSixth() >= stability_pages::eccentricityRatio(p);
    const double vp = p.reactionVP, v1 = p.reactionV1, v2 = p.reactionV2, v3 = p.reactionV3, v4 = p.reactionV4,
                 v5 = p.reactionV5, vr = p.reactionVR;
    // An ordinate that the model did not write for this reaction (past the end of a
    // partial contact, or none at all) belongs to an earlier run: it is neither drawn nor
    // labelled, and no pressure line starts from it.
    auto wrote = [&](unsigned value) { return p.slabModelWrote(value); };
    auto innerOrdinates = [&] {
        if (wrote(kWroteV1)) ordinate(xT, v1);
        if (wrote(kWroteV2)) ordinate(xF, v2);
        if (wrote(kWroteV3)) ordinate(xM, v3);
        if (wrote(kWroteV4)) ordinate(xR, v4);
        if (wrote(kWroteV5)) ordinate(xH, v5);
    };
    auto endOrdinates = [&] {
        if (wrote(kWroteVP)) ordinate(0, vp);
        if (wrote(kWroteVR)) ordinate(B, vr);
        if (wrote(kWroteVP | kWroteVR)) s.line(2850, yBase + vp * k, X(B), yBase + vr * k);
    };
    if (e != 0 && trapezoid) {
        endOrdinates();
        innerOrdinates();
    } else if (e > 0) {
        if (wrote(kWroteVP)) ordinate(0, vp);
        if (wrote(kWroteVP | kWroteXn)) s.line(2850, yBase + vp * k, X(p.neutralAxisXn), yBase);
        innerOrdinates();
    } else if (e == 0) {
        endOrdinates();
    }

    // Vertical dimension lines.
    const double xB = X(B);
    s.line(2100, Y(dS), 2100, yBase);
    s.line(2100, Y(dS), 2750, Y(dS));
    s.line(2100, yBase, 2750, yBase);
    s.line(xB + 1350, 1700, xB + 1350, yBase);
    s.line(xB + 850, Y(dG), xB + 850, yBase);
    s.line(xB + 1350, 1700, xB + 100, 1700);
    if (p.rearWallUpperHeight != 0) s.line(xB + 1350, Y(dG), xB + 100, Y(dG));
    s.line(xB + 850, Y(dS), xB + 100, Y(dS));
    s.line(xB + 1350, yBase, xB + 100, yBase);

    // Horizontal dimension lines below the reaction.
    const double yb = yBase + (e >= 0 ? (wrote(kWroteV1) ? v1 : 0) : (wrote(kWroteV5) ? v5 : 0)) * k;
    s.line(2850, yb + 700, xB, yb + 700);
    s.line(2850, yb + 1000, xB, yb + 1000);
    if (toe) {
        s.line(2850, yb + 300, 2850, yb + 1000);
        s.line(X(xT), yb + 300, X(xT), yb + 700);
    } else {
        s.line(X(xT), yb + 300, X(xT), yb + 1000);
    }
    s.line(X(xF), yb + 300, X(xF), yb + 700);
    s.line(X(xR), yb + 300, X(xR), yb + 700);
    if (heel) {
        s.line(X(xH), yb + 300, X(xH), yb + 700);
        s.line(xB, yb + 300, xB, yb + 1000);
    } else {
        s.line(X(xH), yb + 300, X(xH), yb + 1000);
    }

    // Load labels.
    if (p.innerSpan != 0) page::printAt(s, X(xM) - 100, Y(dS) - w1 * k - 200, "W1");
    if (heel) {
        if (p.slabLoadW2 == p.slabLoadW3) {
            page::printAt(s, X(B - double(p.heelLength) / 2), Y(dS) - w2 * k - 200, "W2");
        } else {
            page::printAt(s, X(xH) + 50, Y(dS) - w2 * k - 200, "W2");
            page::printAt(s, xB, Y(dHe) - w3 * k - 200, "W3");
        }
    }
    if (toe) {
        if (p.slabLoadW4 == p.slabLoadW5) {
            page::printAt(s, X(double(p.toeLength) / 2) - 100, Y(dTe) - w4 * k - 200, "W4");
        } else {
            page::printAt(s, X(xT) - 250, Y(dS) - w4 * k - 200, "W4");
            page::printAt(s, 2650, Y(dTe) - w5 * k - 200, "W5");
        }
    }

    // Reaction labels, just below the ordinate each names.
    auto label = [&](unsigned value, const char* text, double x, double v) {
        if (wrote(value)) page::printAt(s, x, yBase + v * k + 30, text);
    };
    if (e == 0) {
        label(kWroteV3, "V", X(xM) - 100, v3);
    } else if (trapezoid || e > 0) {
        label(kWroteV1, "V1", X(xT) - 200, v1);
        label(kWroteV2, "V2", trapezoid ? X(xF) - 200 : X(xF), v2);
        label(kWroteV3, "V3", X(xM) - 100, v3);
        label(kWroteV4, "V4", X(xR) - 200, v4);
        label(kWroteV5, "V5", X(xH), v5);
        if (trapezoid && heel) label(kWroteVR, "VR", xB, vr);
        if (toe) label(kWroteVP, "VP", 2650, vp);
    }

    // Dimensions in millimetres.
    s.setFontSize(9);
    auto dimension = [&](double metres, double x, double y) { page::printAt(s, x, y, page::millimetres(metres)); };
    dimension(p.slabThickness, 1900, Y(Ht - double(p.slabThickness) / 2) - 50);
    dimension(p.backSoilHeight, xB + 1150, Y(double(p.rearWallUpperHeight) + double(p.backSoilHeight) / 2) - 50);
    dimension(p.rearWallUpperHeight, xB + 1400, Y(double(p.rearWallUpperHeight) / 2) - 75);
    dimension(p.backSoilAboveSlab, xB + 650, Y(dS - double(p.backSoilAboveSlab) / 2) - 50);
    dimension(p.slabThickness, xB + 650, Y(Ht - double(p.slabThickness) / 2) - 50);
    dimension(p.baseWidth, X(B / 2) - 150, yb + 800);
    if (toe) dimension(p.toeLength, X(double(p.toeLength) / 2) - 150, yb + 500);
    dimension(p.frontWallBottomWidth, X(double(p.toeLength) + double(p.frontWallBottomWidth) / 2) - 100, yb + 500);
    dimension(p.innerSpan, X(xM) - 150, yb + 500);
    dimension(p.rearWallBottomWidth, X(xR + double(p.rearWallBottomWidth) / 2) - 150, yb + 500);
    if (heel) dimension(p.heelLength, X(xH + double(p.heelLength) / 2) - 150, yb + 500);

    s.setFontSize(11);
    s.setCurrentY(6900);
}

}  // namespace section_opening
