// Report page 5 (Form7.HAIKIN): the opening page of the section checks, and its figure of
// the base slab with the slab loads and the ground reaction.
#include "report/pages/section_opening_page.h"

#include <cmath>

#include "conditions/design_choices.h"
#include "report/pages/dimension_figures.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_writers.h"
#include "report/pages/section_pages_common.h"
#include "report/pages/stability_pages_common.h"
#include "section/check_locations.h"

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

// The figure of the base: its places on the page, and a step for each part of the drawing.
class BaseDrawing {
public:
    explicit BaseDrawing(const Program& program) : p(program) {}

    // Every line of the figure, on the page or, to place the labels clear of them, on a
    // recording.
    void drawLines(plat::Surface& t) const {
        drawWallsAndSlab(t);
        drawSoil(t);
        drawSlabLoads(t);
        drawReaction(t);
        drawHeightLines(t);
        drawWidthLines(t);
    }
    // The row of the overall width, under the reaction.
    page::PartsRow widthRow() const { return {yb + 500, yb + 700, yb + 300, yb + 1000, 2850, xB}; }
    // Load labels over their load lines, reaction labels just below the ordinate each
    // names; beside with a leader where crowded.
    void printLoadLabels(page::FigureLabels& labels) const;
    void printReactionLabels(page::FigureLabels& labels) const;
    // Dimensions in millimetres, each beside its dimension line and placed by its width:
    // left of a vertical line (right of it where the left is taken), or above a horizontal
    // one, centred on the length it gives.
    void printDimensions(page::FigureLabels& labels, const page::PartsRow& row) const;

private:
    void drawWallsAndSlab(plat::Surface& t) const;
    void drawSoil(plat::Surface& t) const;
    void drawSlabLoads(plat::Surface& t) const;
    void drawReaction(plat::Surface& t) const;
    void drawHeightLines(plat::Surface& t) const;
    void drawWidthLines(plat::Surface& t) const;
    void ordinate(plat::Surface& t, double at, double v) const { t.line(X(at), yBase, X(at), yBase + v * k); }
    void printLabel(page::FigureLabels& labels, const char* text, double x, double y, page::Spot at) const {
        labels.print(page::labelAt(text, {x, y}, at));
    }

    double X(double m) const { return f.X(m); }
    double Y(double d) const { return f.Y(d); }
    // An ordinate that the model did not write for this reaction (past the end of a
    // partial contact, or none at all) belongs to an earlier run: it is neither drawn nor
    // labelled, and no pressure line starts from it.
    bool wrote(unsigned value) const { return p.slabModelWrote(value); }

    const Program& p;
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

    const bool heel = memberPresent(p, SectionMember::Heel);
    const bool toe = memberPresent(p, SectionMember::Toe);
    const bool symmetric = designChoices(p).symmetric();
    const double yBase = Y(Ht);
    const double w1 = p.slabLoadW1, w2 = p.slabLoadW2, w3 = p.slabLoadW3, w4 = p.slabLoadW4, w5 = p.slabLoadW5;
    const float e = p.eccentricity;
    const bool trapezoid = e == 0 || stability_pages::oneSixth() >= stability_pages::eccentricityRatio(p);
    const double vp = p.reactionVP, v1 = p.reactionV1, v2 = p.reactionV2, v3 = p.reactionV3, v4 = p.reactionV4,
                 v5 = p.reactionV5, vr = p.reactionVR;
    const double xB = X(B);
    const double yb = f.dimensionRowsY(p);
};

void BaseDrawing::drawWallsAndSlab(plat::Surface& t) const {
    t.line(X(xFo), Y(dF), X(xFi), Y(dF));
    t.line(X(xFo), Y(dF), X(xT), Y(dS));
    t.line(X(xFi), Y(dF), X(xF), Y(dS));
    t.line(X(xRi), Y(0), X(xRo), Y(0));
    t.line(X(xRi), Y(0), X(xR), Y(dS));
    t.line(X(xRo), Y(0), X(xH), Y(dS));
    t.line(X(xF), Y(dS), X(xR), Y(dS));
    t.line(X(xT), yBase, X(xH), yBase);
    if (!heel) {
        t.line(X(xH), Y(dS), X(xH), yBase);
    } else {
        t.line(X(xH), Y(dS), X(B), Y(dHe));
        t.line(X(B), Y(dHe), X(B), yBase);
        t.line(X(xH), yBase, X(B), yBase);
    }
    if (!toe) {
        t.line(X(xT), Y(dS), X(xT), yBase);
    } else {
        t.line(X(xT), Y(dS), 2850, Y(dTe));
        t.line(2850, Y(dTe), 2850, yBase);
        t.line(X(xT), yBase, 2850, yBase);
    }
}

// The outlines of the back soil, and of the front soil of a symmetric wall.
void BaseDrawing::drawSoil(plat::Surface& t) const {
    t.line(X(xs), Y(dG), X(xs) + 150, Y(dG));
    const double yHeelSoil = heel ? Y(dS) : yBase;
    t.line(X(xs) + 150, Y(dG), X(xH) + 500, yHeelSoil);
    t.line(X(xH), yHeelSoil, X(xH) + 500, yHeelSoil);
    if (symmetric) {
        t.line(X(xf), Y(dG), X(xf) - 150, Y(dG));
        const double yToeSoil = toe ? Y(dS) : yBase;
        t.line(X(xf) - 150, Y(dG), X(xT) - 500, yToeSoil);
        t.line(X(xT), yToeSoil, X(xT) - 500, yToeSoil);
    }
}

void BaseDrawing::drawSlabLoads(plat::Surface& t) const {
    if (p.innerSpan != 0) {
        t.line(X(xF), Y(dS) - w1 * k, X(xR), Y(dS) - w1 * k);
        if (p.frontWallInnerBatter != 0) t.line(X(xF), Y(dS) - w1 * k, X(xF), Y(dS));
        if (p.rearWallInnerBatter != 0) t.line(X(xR), Y(dS) - w1 * k, X(xR), Y(dS));
    }
    if (heel) {
        t.line(X(xH), Y(dS) - w2 * k, X(B), Y(dHe) - w3 * k);
        t.line(X(B), Y(dHe), X(B), Y(dHe) - w3 * k);
        t.line(X(xH), Y(dS), X(xH), Y(dS) - w2 * k);
    }
    if (toe) {
        t.line(2850, Y(dTe) - w5 * k, X(xT), Y(dS) - w4 * k);
        t.line(2850, Y(dTe), 2850, Y(dTe) - w5 * k);
        if (p.frontWallOuterBatter != 0) t.line(X(xT), Y(dS), X(xT), Y(dS) - w4 * k);
    }
}

// The ground reaction: its ordinates and the pressure line between the ends.
void BaseDrawing::drawReaction(plat::Surface& t) const {
    auto innerOrdinates = [&] {
        if (wrote(kWroteV1)) ordinate(t, xT, v1);
        if (wrote(kWroteV2)) ordinate(t, xF, v2);
        if (wrote(kWroteV3)) ordinate(t, xM, v3);
        if (wrote(kWroteV4)) ordinate(t, xR, v4);
        if (wrote(kWroteV5)) ordinate(t, xH, v5);
    };
    auto endOrdinates = [&] {
        if (wrote(kWroteVP)) ordinate(t, 0, vp);
        if (wrote(kWroteVR)) ordinate(t, B, vr);
        if (wrote(kWroteVP | kWroteVR)) t.line(2850, yBase + vp * k, X(B), yBase + vr * k);
    };
    if (e != 0 && trapezoid) {
        endOrdinates();
        innerOrdinates();
    } else if (e > 0) {
        if (wrote(kWroteVP)) ordinate(t, 0, vp);
        if (wrote(kWroteVP | kWroteXn)) t.line(2850, yBase + vp * k, X(p.neutralAxisXn), yBase);
        innerOrdinates();
    } else if (e == 0) {
        endOrdinates();
    }
}

// The vertical dimension lines: the slab left of the toe, the heights right of the base.
void BaseDrawing::drawHeightLines(plat::Surface& t) const {
    t.line(2100, Y(dS), 2100, yBase);
    t.line(2100, Y(dS), 2750, Y(dS));
    t.line(2100, yBase, 2750, yBase);
    t.line(xB + 1350, Y(0), xB + 1350, yBase);
    t.line(xB + 850, Y(dG), xB + 850, yBase);
    t.line(xB + 1350, Y(0), xB + 100, Y(0));
    if (p.rearWallUpperHeight != 0) t.line(xB + 1350, Y(dG), xB + 100, Y(dG));
    t.line(xB + 850, Y(dS), xB + 100, Y(dS));
    t.line(xB + 1350, yBase, xB + 100, yBase);
}

// The horizontal dimension lines below the reaction.
void BaseDrawing::drawWidthLines(plat::Surface& t) const {
    t.line(2850, yb + 700, xB, yb + 700);
    t.line(2850, yb + 1000, xB, yb + 1000);
    if (toe) {
        t.line(2850, yb + 300, 2850, yb + 1000);
        t.line(X(xT), yb + 300, X(xT), yb + 700);
    } else {
        t.line(X(xT), yb + 300, X(xT), yb + 1000);
    }
    t.line(X(xF), yb + 300, X(xF), yb + 700);
    t.line(X(xR), yb + 300, X(xR), yb + 700);
    if (heel) {
        t.line(X(xH), yb + 300, X(xH), yb + 700);
        t.line(xB, yb + 300, xB, yb + 1000);
    } else {
        t.line(X(xH), yb + 300, X(xH), yb + 1000);
    }
}

void BaseDrawing::printLoadLabels(page::FigureLabels& labels) const {
    if (p.innerSpan != 0) printLabel(labels, "W1", X(xM) - 100, Y(dS) - w1 * k - 200, {X(xM), Y(dS) - w1 * k});
    if (heel) {
        if (p.slabLoadW2 == p.slabLoadW3) {
            const double x = X(B - double(p.heelLength) / 2);
            printLabel(labels, "W2", x, Y(dS) - w2 * k - 200, {x, Y(dS) - w2 * k});
        } else {
            printLabel(labels, "W2", X(xH) + 50, Y(dS) - w2 * k - 200, {X(xH), Y(dS) - w2 * k});
            printLabel(labels, "W3", xB, Y(dHe) - w3 * k - 200, {xB, Y(dHe) - w3 * k});
        }
    }
    if (toe) {
        if (p.slabLoadW4 == p.slabLoadW5) {
            const double x = X(double(p.toeLength) / 2);
            printLabel(labels, "W4", x - 100, Y(dTe) - w4 * k - 200, {x, Y(dTe) - w4 * k});
        } else {
            printLabel(labels, "W4", X(xT) - 250, Y(dS) - w4 * k - 200, {X(xT), Y(dS) - w4 * k});
            printLabel(labels, "W5", 2650, Y(dTe) - w5 * k - 200, {2850, Y(dTe) - w5 * k});
        }
    }
}

void BaseDrawing::printReactionLabels(page::FigureLabels& labels) const {
    auto label = [&](unsigned value, const char* text, double x, double at, double v) {
        if (wrote(value)) printLabel(labels, text, x, yBase + v * k + 30, {at, yBase + v * k});
    };
    if (e == 0) {
        label(kWroteV3, "V", X(xM) - 100, X(xM), v3);
    } else if (trapezoid || e > 0) {
        label(kWroteV1, "V1", X(xT) - 200, X(xT), v1);
        label(kWroteV2, "V2", trapezoid ? X(xF) - 200 : X(xF), X(xF), v2);
        label(kWroteV3, "V3", X(xM) - 100, X(xM), v3);
        label(kWroteV4, "V4", X(xR) - 200, X(xR), v4);
        label(kWroteV5, "V5", X(xH), X(xH), v5);
        if (trapezoid && heel) label(kWroteVR, "VR", xB, xB, vr);
        if (toe) label(kWroteVP, "VP", 2650, 2850, vp);
    }
}

void BaseDrawing::printDimensions(page::FigureLabels& labels, const page::PartsRow& row) const {
    auto beside = [&](double metres, double line, double y1, double y2, bool leftFirst, double y) {
        labels.print(page::figureBesideLine(labels, page::millimetres(metres), line, y1, y2, y, leftFirst));
    };
    auto part = [&](double metres, double from, double to) {
        labels.print(page::partsRowFigure(labels, page::millimetres(metres), X(from), X(to), row));
    };
    beside(p.slabThickness, 2100, Y(dS), yBase, true, Y(Ht - double(p.slabThickness) / 2) - 50);
    beside(p.backSoilHeight, xB + 1350, Y(dG), yBase, true,
           Y(double(p.rearWallUpperHeight) + double(p.backSoilHeight) / 2) - 50);
    beside(p.rearWallUpperHeight, xB + 1350, Y(0), Y(dG), false, Y(double(p.rearWallUpperHeight) / 2) - 75);
    beside(p.backSoilAboveSlab, xB + 850, Y(dG), Y(dS), true, Y(dS - double(p.backSoilAboveSlab) / 2) - 50);
    beside(p.slabThickness, xB + 850, Y(dS), yBase, true, Y(Ht - double(p.slabThickness) / 2) - 50);
    if (toe) part(p.toeLength, 0, xT);
    part(p.frontWallBottomWidth, xT, xF);
    part(p.innerSpan, xF, xR);
    part(p.rearWallBottomWidth, xR, xH);
    if (heel) part(p.heelLength, xH, B);
}

}  // namespace

void drawBaseFigure(plat::Surface& s, const Program& p) {
    const BaseDrawing figure(p);
    figure.drawLines(s);
    plat::RecordingSurface dry;
    figure.drawLines(dry);
    page::FigureLabels labels(s, page::linesOf(dry), section_pages::kBaseFigureTop, section_pages::kBaseFigureBottom);
    // The overall width first, 9 pt: it keeps its row to itself.
    const page::PartsRow row = figure.widthRow();
    s.setFontSize(9);
    page::printWidthFigure(labels, page::millimetres(p.baseWidth), row);
    s.setFontSize(11);
    figure.printLoadLabels(labels);
    figure.printReactionLabels(labels);
    s.setFontSize(9);
    figure.printDimensions(labels, row);
    s.setFontSize(11);
    s.setCurrentY(6900);
}

}  // namespace section_opening
