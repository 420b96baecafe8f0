// Form4.KEIJYOU: the head of report page 2, the chapter heading and the scaled drawing
// of the wall section with its soils, surcharges, dimensions and part numbers.
#include <algorithm>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "conditions/design_choices.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_writers.h"
#include "report/pages/self_weight.h"
#include "report/pages/wall_figure.h"

namespace page {

WallFigure::WallFigure(const Program& program) : p(program) {
    const DesignChoices choices = designChoices(p);
    oneSided = choices.oneSided();
    twoSided = choices.symmetric();
    H1 = p.backSoilHeight;
    H2 = p.rearWallUpperHeight;
    H3 = p.frontWallUpperHeight;
    H4 = p.frontSoilHeight;
    Ht = num::store(double(H1) + H2);
    B = p.baseWidth;
    Lt = p.toeLength;
    Lh = p.heelLength;
    b1t = p.frontWallTopWidth;
    b1b = p.frontWallBottomWidth;
    i1 = p.frontWallInnerBatter;
    o1 = p.frontWallOuterBatter;
    b2t = p.rearWallTopWidth;
    b2b = p.rearWallBottomWidth;
    i2 = p.rearWallInnerBatter;
    o2 = p.rearWallOuterBatter;
    L0 = p.innerSpan;
    Lc = p.topClearWidth;
    t = p.slabThickness;
    tt = p.toeEndThickness;
    th = p.heelEndThickness;
    dt = p.toeTaper;
    dh = p.heelTaper;
    hc = p.centralFillDepth;
    hb = p.backSoilAboveSlab;
    hf = p.frontSoilAboveSlab;
    q1 = p.surchargeBack;
    q2 = p.surchargeCentre;
    q3 = p.surchargeFront;
    // A front wall taller than the rear one has its top above the rear wall's: the figure
    // then reaches from the front wall's top down.
    const float frontTop = num::store(double(Ht) - H4 - H3);
    if (frontTop < -0.0005f) dTop = frontTop;
    const double height = double(Ht) - dTop;
    // A low wall keeps the scale of a 1 m wall; a taller one fills the same height.
    s = height <= 1 ? 0.35f : num::store(0.35 * height);
}

double WallFigure::X(double x) const { return num::finite(2850 + num::div(1000 * x, s)); }
double WallFigure::Y(double d) const { return num::finite(top + num::div(1000 * (d - dTop), s)); }
double WallFigure::frontHeight() const { return double(hf) + H3; }
double WallFigure::rearHeight() const { return double(hb) + H2; }
double WallFigure::backSoilFaceX() const {
    return X(double(B) - (double(o2) + Lh) + num::div(double(o2) * H2, rearHeight()));
}
double WallFigure::frontSoilFaceX() const {
    if (twoSided) return X(Lt + num::div(double(o1) * hb, rearHeight()));
    return X(Lt + num::div(double(o1) * hf, frontHeight()));
}
double WallFigure::fillFrontX() const { return X(double(Lt) + b1b - num::div(double(i1) * hc, frontHeight())); }
double WallFigure::fillRearX() const {
    return X(double(B) - (double(b2b) + Lh - num::div(double(i2) * hc, rearHeight())));
}

}  // namespace page

namespace {

using page::WallFigure;

// The front soil lies below the slab top (one-sided shape only).
bool frontSoilBelowSlab(const WallFigure& w) { return w.t > w.H4; }

// The figure's band: below the heading's eight lines of 11 pt, above the text block at
// y 6700; the overall width's figure stands 700 twips below the base, 9 pt high.
constexpr double kBandTop = 8 * 220;
constexpr double kBandBottom = 6700;
constexpr double kBelowBase = 700 + 180;
// A figure whose labels find no clear place is drawn smaller, step by step.
constexpr int kShrinkPasses = 4;
constexpr double kShrinkStep = 1.2;
// How far a surcharge caption may stand above its block without a leader.
constexpr double kCaptionRise = 600;

// Whether some figures of the top row stand on a second line above it.
bool topRowCrowded(const WallFigure& w) {
    const std::vector<page::LineFigure> line = page::arrangedTopRow(w);
    return std::any_of(line.begin(), line.end(), [](const page::LineFigure& f) { return !f.onLine; });
}

// How far above the highest wall top the figure's texts reach (a negative y offset): the
// figures of the top dimension row, or a surcharge caption over its block.
double reachAboveWalls(const WallFigure& w) {
    double reach = topRowCrowded(w) ? -700 - page::kFigureLine : -700;
    auto caption = [&](double surfaceDepth, float q) {
        reach = std::min(reach, w.Y(surfaceDepth) - w.top - 10.0 * q - 400);
    };
    if (w.q1 != 0) caption(w.H2, w.q1);
    if (w.q2 != 0) caption(double(w.Ht) - w.t - w.hc, w.q2);
    if (w.q3 != 0) {
        if (w.oneSided) caption(frontSoilBelowSlab(w) ? double(w.Ht) - w.t : double(w.Ht) - w.H4, w.q3);
        else if (w.twoSided) caption(w.H2, w.q3);
    }
    return reach;
}

// The room a figure needs under its base: the rows of dimensions and their figures, and
// the lines under them that figures too wide for their parts take.
double roomUnderBase(const WallFigure& w) {
    std::vector<page::RowPart> parts;
    auto part = [&](float v) { parts.push_back({page::millimetres(v), 1000.0 * v / w.s}); };
    if (w.Lt != 0) part(w.Lt);
    for (float v : {w.b1b, w.L0, w.b2b}) part(v);
    if (w.Lh != 0) part(w.Lh);
    const int lines = page::linesUnderWidthRow(parts);
    if (lines == 0) return kBelowBase;
    return 900 + page::kLabelGap / 2 + (lines - 1) * page::kFigureLine + 180;
}

// The page y of the highest wall top at the figure's scale: a figure whose texts would
// reach into the heading moves down.
double topOf(const WallFigure& w) { return std::max(2600.0, kBandTop + page::kLabelGap - reachAboveWalls(w)); }

// The figure at the scale it is drawn on this surface: a base too wide for the page at
// the height's scale is drawn smaller, to fit; a figure whose texts would reach into the
// heading moves down, and one that would then reach the text below is drawn smaller.
// shrink: how much smaller than that it is drawn, to give its labels room.
WallFigure fittedFigure(const Program& p, const plat::Surface& s, double shrink) {
    WallFigure w(p);
    w.s = num::store(page::fittedFigureScale(w.s, w.B, s) * shrink);
    const double bottom = kBandBottom - page::kLabelGap;
    for (int pass = 0; pass < 8; ++pass) {
        w.top = topOf(w);
        const double height = w.Y(w.Ht) - w.top;
        const double room = bottom - roomUnderBase(w) - w.top;
        if (height <= room || !(height > 0)) break;
        w.s = num::store(double(w.s) * height / std::max(room, 500.0));
    }
    w.top = topOf(w);
    return w;
}

// Where the last hatching loop of the surcharge blocks leaves its counter: after the
// back surcharge (1 to 12), the central one (0 to 7), then the front one (0 to 12, or
// 0 to 7 over a front soil below the slab).
float hatchingCounterEnd(const WallFigure& w) {
    float end = 13;
    if (w.q2 != 0) end = 8;
    if (w.q3 != 0 && (w.oneSided || w.twoSided)) end = w.oneSided && frontSoilBelowSlab(w) ? 8 : 13;
    return end;
}

class WallDrawing {
public:
    WallDrawing(const Program& p, plat::Surface& s, const WallFigure& w) : p_(p), s_(s), w_(w) {}

    // Draws the figure; false where a label found no clear place.
    bool draw() {
        heading();
        outline();
        soilSurfaces();
        surchargeBlocks();
        page::drawDimensionLines(w_, s_);
        s_.setFontSize(9);
        page::FigureLabels labels(s_, figureLines(), kBandTop, kBandBottom);
        page::drawDimensionFigures(w_, s_, labels);
        surchargeTexts(labels);
        partNumbers(labels);
        referenceLines();
        textBlock();
        return labels.complete();
    }

private:
    double X(double x) const { return w_.X(x); }
    double Y(double d) const { return w_.Y(d); }
    void line(double x1, double y1, double x2, double y2) { s_.line(x1, y1, x2, y2); }

    // Every line of the figure, the dotted ones drawn after the labels included: the
    // labels keep clear of them all.
    std::vector<page::Segment> figureLines() const {
        plat::RecordingSurface dry;
        dry.setPrintableWidth(s_.printableWidth());
        WallDrawing lines(p_, dry, w_);
        lines.outline();
        lines.soilSurfaces();
        lines.surchargeBlocks();
        page::drawDimensionLines(w_, dry);
        lines.referenceLines();
        return page::linesOf(dry);
    }

    void heading() {
        page::topOfPage(s_);
        s_.print("          § " + p_.chapterNumber + "．ＲＣ擁壁（" + p_.wallMark + "）の設計");
        s_.print("");
        if (auto suffix = page::CaseTitle(p_)) s_.print("            " + p_.chapterNumber + "－１ 荷重の計算" + *suffix);
    }

    void outline() {
        const WallFigure& w = w_;
        const double B = w.B, Lt = w.Lt, Lh = w.Lh, Ht = w.Ht;
        const double frontTop = Y(Ht - w.H4 - w.H3), slabTop = Y(Ht - w.t), base = Y(Ht);
        line(X(Lt + w.o1), frontTop, X(Lt + w.o1 + w.b1t), frontTop);
        line(X(Lt + w.o1), frontTop, X(Lt), slabTop);
        line(X(Lt + w.b1b - w.i1), frontTop, X(Lt + w.b1b), slabTop);
        line(X(B - (w.o2 + Lh + w.b2t)), Y(0), X(B - (w.o2 + Lh)), Y(0));
        line(X(B - (w.o2 + Lh + w.b2t)), Y(0), X(B - (w.o2 + Lh + w.b2t + w.i2)), slabTop);
        line(X(B - (w.o2 + Lh)), Y(0), X(B - Lh), slabTop);
        line(X(Lt + w.b1b), slabTop, X(B - (w.b2b + Lh)), slabTop);
        line(X(Lt), base, X(B - Lh), base);
        if (w.Lh != 0) {
            line(X(B - Lh), slabTop, X(B), Y(Ht - w.th));
            line(X(B), Y(Ht - w.th), X(B), base);
            line(X(B - Lh), base, X(B), base);
        } else {
            line(X(B - Lh), slabTop, X(B - Lh), base);
        }
        if (w.Lt != 0) {
            line(X(Lt), slabTop, X(0), Y(Ht - w.tt));
            line(X(0), Y(Ht - w.tt), X(0), base);
            line(X(Lt), base, X(0), base);
        } else {
            line(X(Lt), slabTop, X(Lt), base);
        }
    }

    void soilSurfaces() {
        const WallFigure& w = w_;
        line(w.backSoilFaceX(), Y(w.H2), X(w.B) + 900, Y(w.H2));
        if (w.oneSided) {
            const double y = Y(w.Ht - w.H4);
            line(1300, y, frontSoilBelowSlab(w) ? X(0) : w.frontSoilFaceX(), y);
        } else if (w.twoSided) {
            line(1600, Y(w.H2), w.frontSoilFaceX(), Y(w.H2));
        }
        const double y = Y(double(w.Ht) - w.t - w.hc);
        line(w.fillFrontX(), y, w.fillRearX(), y);
    }

    // A surcharge q stands on its surface as a block 10·q twips high, hatched every 100 twips.
    void surchargeBlocks() {
        const WallFigure& w = w_;
        float i = 0;
        const double xs = w.backSoilFaceX(), yb = Y(w.H2), topB = yb - 10.0 * w.q1;
        line(xs, topB, xs + 1200, topB);
        line(xs, yb, xs, topB);
        for (i = 1; i <= 12; i += 1) line(xs + 100 * i, yb, xs + 100 * i, topB);

        if (w.q2 != 0) {
            const double xc1 = w.fillFrontX(), xc2 = w.fillRearX();
            const double yc = Y(double(w.Ht) - w.t - w.hc), top = yc - 10.0 * w.q2;
            line(xc1, top, xc2, top);
            for (i = 0; i <= 7; i += 1) {
                line(xc1 + 100 * i, yc, xc1 + 100 * i, top);
                line(xc2 - 100 * i, yc, xc2 - 100 * i, top);
            }
        }

        if (w.q3 != 0 && (w.oneSided || w.twoSided)) {
            double yf = Y(w.H2), left = X(w.Lt) - 1100;
            int n = 12;
            if (w.oneSided && !frontSoilBelowSlab(w)) {
                yf = Y(w.Ht - w.H4);
                left = X(w.Lt) - 1200;
            } else if (w.oneSided) {
                yf = Y(w.Ht - w.t);
                left = X(w.Lt) - 700;
                n = 7;
            }
            const double xf = w.frontSoilFaceX(), top = yf - 10.0 * w.q3;
            line(left, top, xf, top);
            for (i = 0; i <= n; i += 1) line(xf - 100 * i, yf, xf - 100 * i, top);
        }
    }

    // Each caption with its value line below it ("上載荷重", then q kN/m2), over its block
    // from x a to b whose top is at y; a caption that does not fit there stands higher, or
    // beside with a leader from the block.
    struct Block {
        double a, b, top;
    };
    void surchargeText(page::FigureLabels& labels, Block block, double x, const char* caption, double valueX, float q) {
        page::Label l;
        l.lines = {{caption, 0, 0}, {num::format(q, page::fmt::kSurchargePage3) + "kN/m2", valueX - x, 200}};
        l.spots = {{x, block.top - 400}};
        const double lo = std::min(block.a, block.b), hi = std::max(block.a, block.b), top = block.top;
        l.home = [lo, hi, top](const page::Box& ink) {
            return ink.midX() >= lo && ink.midX() <= hi && ink.bottom <= top && ink.bottom >= top - kCaptionRise;
        };
        l.anchor = page::Spot{(lo + hi) / 2, top};
        l.stretch = page::Segment{lo, top, hi, top};
        labels.print(l);
    }

    void surchargeTexts(page::FigureLabels& labels) {
        const WallFigure& w = w_;
        if (w.q1 != 0) {
            const double xq = X(w.B - (w.o2 + w.Lh)) +
                              num::div(1000.0 * w.o2, w.s) * num::div(double(w.H2), double(w.H1) + w.H2) + 300;
            const double xs = w.backSoilFaceX();
            surchargeText(labels, {xs, xs + 1200, Y(w.H2) - 10.0 * w.q1}, xq, "上載荷重", xq, w.q1);
        }
        if (w.q2 != 0) {
            const double x = X(double(w.o1) + w.Lt + w.i1 + w.L0 / 2.0) - 100;
            const double top = Y(double(w.Ht) - w.t - w.hc) - 10.0 * w.q2;
            surchargeText(labels, {w.fillFrontX(), w.fillRearX(), top}, x, "上載荷重", x, w.q2);
        }
        if (w.q3 != 0) {
            const double x = X(w.Lt) - 950, valueX = X(w.Lt) - 900, xf = w.frontSoilFaceX();
            if (w.oneSided && !frontSoilBelowSlab(w))
                surchargeText(labels, {X(w.Lt) - 1200, xf, Y(w.Ht - w.H4) - 10.0 * w.q3}, x, "上載荷重", valueX, w.q3);
            else if (w.oneSided)
                surchargeText(labels, {X(w.Lt) - 700, xf, Y(w.Ht - w.t) - 10.0 * w.q3}, x, "上載荷重 ", valueX, w.q3);
            else if (w.twoSided)
                surchargeText(labels, {X(w.Lt) - 1200, xf, Y(w.H2) - 10.0 * w.q3}, x, "上載荷重", valueX, w.q3);
        }
    }

    void partNumbers(page::FigureLabels& labels) {
        const float* A = p_.partArea;
        std::vector<int> parts;
        for (int part = 1; part <= 7; ++part)
            if (A[part] != 0) parts.push_back(part);
        if (A[8] > 0 && (w_.oneSided || w_.twoSided)) parts.push_back(8);
        page::printPartNumbers(w_, parts, labels);
    }

    void referenceLines() {
        const WallFigure& w = w_;
        const double Ht = w.Ht, B = w.B, Lt = w.Lt, Lh = w.Lh;
        s_.setDrawStyle(2);
        line(X(B), Y(Ht - w.th), X(B), Y(w.H2));
        if (p_.partArea[8] > 0 && (w.oneSided || w.twoSided))
            line(X(0), w.oneSided ? Y(Ht - w.H4) : Y(w.H2), X(0), Y(Ht - w.tt));
        if (w.Lt != 0) line(X(Lt), Y(Ht - w.t), X(Lt), Y(Ht));
        line(X(Lt + w.b1b), Y(Ht - w.t), X(Lt + w.b1b), Y(Ht));
        line(X(B - (w.b2b + Lh)), Y(Ht - w.t), X(B - (w.b2b + Lh)), Y(Ht));
        if (w.Lh != 0) line(X(B - Lh), Y(Ht), X(B - Lh), Y(Ht - w.t));
        s_.setDrawStyle(0);
    }

    void textBlock() {
        s_.setFontSize(11);
        s_.setCurrentX(0);
        s_.setCurrentY(6700);
        s_.print("                   地表面と水平面とのなす角度 β=0ﾟ");
        s_.print("                   壁背面と鉛直面とのなす角度 θ=" + num::format(p_.wallBackAngle, page::fmt::kWallBackAngle) +
                 "ﾟ（仮想背面）");
        s_.print("                   粘着力０の土圧に対しては、H=Ho=" +
                 num::format(p_.earthPressureHeight, page::fmt::kLength) + "m");
        s_.print("");
    }

    const Program& p_;
    plat::Surface& s_;
    WallFigure w_;
};

// The figure as it is drawn: fitted to its band, and drawn smaller where a label of it
// would find no clear place at that scale.
WallFigure laidOutFigure(const Program& p, const plat::Surface& s) {
    double shrink = 1;
    for (int pass = 0; pass < kShrinkPasses; ++pass, shrink *= kShrinkStep) {
        const WallFigure w = fittedFigure(p, s, shrink);
        plat::RecordingSurface dry;
        dry.setPrintableWidth(s.printableWidth());
        dry.setFont(s.fontName(), s.fontSize(), s.fontBold());
        if (WallDrawing(p, dry, w).draw()) return w;
    }
    return fittedFigure(p, s, 1);
}

}  // namespace

void report::prepareWallDrawing(Program& p, const plat::Surface& s) {
    const WallFigure w = laidOutFigure(p, s);
    p.figureScale = w.s;
    p.pageLoopCounter = hatchingCounterEnd(w);
    // No heel and no outer batter on the rear wall: the back soil has no part here.
    if (page::backSoilLeftOut(p)) p.partArea[7] = 0;
}

WallFigure page::drawnFigure(const Program& p) {
    WallFigure w(p);
    w.s = p.figureScale;
    w.top = topOf(w);
    return w;
}

// Drawn at the scale the step before it laid the figure out at.
void report::KEIJYOU(plat::Surface& s, const Program& p) { WallDrawing(p, s, page::drawnFigure(p)).draw(); }
