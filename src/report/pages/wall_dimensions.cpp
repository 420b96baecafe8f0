// The dimensioning of the wall drawing on report page 2: dimension lines around the
// figure, then the figures in millimetres beside them.
#include "report/pages/page_conventions.h"
#include "report/pages/wall_figure.h"

namespace page {

namespace {

class Dimensions {
public:
    Dimensions(const WallFigure& w, plat::Surface& s) : w_(w), s_(s) {}

    void drawLines() {
        topRow();
        leftColumns();
        rightColumns();
        bottomRows();
    }

    // Each figure beside its dimension line, placed by its width: above a horizontal
    // line, centred on the length it gives; left or right of a vertical one.
    void figures(FigureLabels& labels) {
        const WallFigure& w = w_;
        const double B = w.B, Lt = w.Lt, Lh = w.Lh, Ht = w.Ht, H1 = w.H1, H2 = w.H2, xb = X(B);
        const double hb = w.hb, t = w.t, rowY = w.top - 700, base = Y(Ht);
        auto above = [&](double v, double from, double to, double y) {
            const std::string text = millimetres(v);
            labels.print(text, {{(X(from) + X(to) - labels.width(text)) / 2, y}}, Slide::Horizontal);
        };
        // A figure of the lower rows too wide for its length stands under its line instead.
        auto aboveOrUnder = [&](double v, double from, double to, double y, double line) {
            const std::string text = millimetres(v);
            const double x = (X(from) + X(to) - labels.width(text)) / 2;
            labels.print(text, {{x, y}, {x, line + kLabelGap / 2}}, Slide::Horizontal);
        };
        // Left of the vertical line at x (or right of it when the left is taken), at y.
        auto left = [&](double v, double x, double y) {
            const std::string text = millimetres(v);
            labels.print(text, {{x - kLabelGap - labels.width(text), y}, {x + kLabelGap, y}}, Slide::Vertical);
        };
        auto right = [&](double v, double x, double y) {
            const std::string text = millimetres(v);
            labels.print(text, {{x + kLabelGap, y}, {x - kLabelGap - labels.width(text), y}}, Slide::Vertical);
        };
        above(w.b1t, Lt + w.o1, Lt + w.o1 + w.b1t, rowY);
        if (w.o1 != 0) above(w.o1, Lt, Lt + w.o1, rowY);
        above(w.Lc, Lt + w.o1 + w.b1t, Lt + w.o1 + w.b1t + w.Lc, rowY);
        above(w.b2t, B - (w.o2 + Lh + w.b2t), B - (w.o2 + Lh), rowY);
        if (w.o2 != 0) above(w.o2, B - (w.o2 + Lh), B - Lh, rowY);
        if (w.oneSided) {
            left(w.H3, 1600, Y(Ht - w.H4 - w.H3 / 2.0) - 50);
            left(w.H4, 1600, Y(Ht - w.H4 / 2.0) - 75);
        }
        if (w.H2 != 0) right(H2, xb + 1250, Y(H2 / 2) - 50);
        if (w.H2 != 0 && w.twoSided) left(H2, 1600, Y(H2 / 2) - 50);
        left(H1, xb + 1250, Y(H2 + H1 / 2) - 50);
        if (w.twoSided) left(H1, 1600, Y(H2 + H1 / 2) - 50);
        if (w.Lh != 0) left(hb + w.dh, xb + 750, Y(H2 + (hb + w.dh) / 2) - 50);
        if (w.Lt != 0 && w.twoSided) left(hb + w.dt, 2100, Y(H2 + (hb + w.dt) / 2) - 50);
        if (w.Lt == 0 && w.twoSided) left(H1 - t, 2100, Y(H2 + hb / 2) - 50);
        if (w.Lh == 0) {
            left(hb, xb + 750, Y(H2 + hb / 2) - 50);
            left(t, xb + 750, Y(Ht - t / 2) - 75);
        }
        const double xc = X(Lt + w.b1b + w.L0 / 4.0);
        left(t, xc, Y(Ht - t / 2) - 75);
        if (w.Lt == 0 && w.twoSided) right(t, 2100, Y(Ht - t / 2) - 75);
        left(w.hc, xc, Y(Ht - t - w.hc / 2.0) - 75);
        if (w.Lh != 0) left(w.th, xb + 750, Y(Ht - w.th / 2.0) - 75);
        if (w.Lt != 0) right(w.tt, 2100, Y(Ht - w.tt / 2.0) - 75);
        if (w.Lt != 0) aboveOrUnder(Lt, 0, Lt, base + 400, base + 600);
        aboveOrUnder(w.b1b, Lt, Lt + w.b1b, base + 400, base + 600);
        aboveOrUnder(w.L0, Lt + w.b1b, Lt + w.b1b + w.L0, base + 400, base + 600);
        aboveOrUnder(w.b2b, B - Lh - w.b2b, B - Lh, base + 400, base + 600);
        if (w.Lh != 0) aboveOrUnder(Lh, B - Lh, B, base + 400, base + 600);
        above(B, 0, B, base + 700);
    }

private:
    double X(double x) const { return w_.X(x); }
    double Y(double d) const { return w_.Y(d); }
    void line(double x1, double y1, double x2, double y2) { s_.line(x1, y1, x2, y2); }

    void topRow() {
        const WallFigure& w = w_;
        const double B = w.B, Lt = w.Lt, Lh = w.Lh;
        const double frontOuter = X(Lt + w.o1), rearOuter = X(B - (w.o2 + Lh));
        // The row runs 500 twips above the highest wall top, its ticks down to 100 above it.
        const double row = w.top - 500, tick = w.top - 100;
        line(frontOuter, row, rearOuter, row);
        line(frontOuter, row, frontOuter, tick);
        line(rearOuter, row, rearOuter, tick);
        line(X(Lt + w.o1 + w.b1t), row, X(Lt + w.o1 + w.b1t), tick);
        line(X(B - (w.o2 + Lh + w.b2t)), row, X(B - (w.o2 + Lh + w.b2t)), tick);
        if (w.o1 != 0) {
            line(frontOuter, row, X(Lt), row);
            line(X(Lt), row, X(Lt), tick);
        }
        if (w.o2 != 0) {
            line(rearOuter, row, X(B - Lh), row);
            line(X(B - Lh), row, X(B - Lh), tick);
        }
    }

    void leftColumns() {
        const WallFigure& w = w_;
        const double Ht = w.Ht;
        const double frontTop = Y(Ht - w.H4 - w.H3), base = Y(Ht), toeTop = Y(Ht - w.tt);
        line(1600, frontTop, 1600, base);
        line(1600, frontTop, 2750, frontTop);
        line(1600, base, 2750, base);
        line(2100, toeTop, 2100, base);
        line(2100, toeTop, 2750, toeTop);
        if (w.Lt == 0 && w.twoSided) line(2100, Y(Ht - w.t), 2750, Y(Ht - w.t));
        if (w.twoSided) line(2100, toeTop, 2100, Y(w.H2));
    }

    void rightColumns() {
        const WallFigure& w = w_;
        const double Ht = w.Ht, xb = X(w.B);
        line(xb + 1250, Y(w.H2), xb + 1250, Y(Ht));
        line(xb + 1250, Y(w.H2), xb + 150, Y(w.H2));
        line(xb + 1250, Y(Ht), xb + 150, Y(Ht));
        if (w.th != 0)
            line(xb + 750, Y(Ht - w.th), xb + 150, Y(Ht - w.th));
        else
            line(xb + 750, Y(Ht - w.t), xb + 150, Y(Ht - w.t));
        line(xb + 750, Y(w.H2), xb + 750, Y(Ht));
        if (w.H2 != 0) {
            line(xb + 1250, Y(0), xb + 1250, Y(w.H2));
            line(xb + 1250, Y(0), xb + 150, Y(0));
        }
        const double xc = X(double(w.Lt) + w.b1b + w.L0 / 4.0);
        line(xc, Y(Ht - w.t - w.hc), xc, Y(Ht));
    }

    void bottomRows() {
        const WallFigure& w = w_;
        const double B = w.B, Lt = w.Lt, Lh = w.Lh, base = Y(w.Ht);
        line(X(0), base + 600, X(B), base + 600);
        line(X(0), base + 900, X(B), base + 900);
        line(X(0), base + 900, X(0), base + 200);
        line(X(Lt), base + 600, X(Lt), base + 200);
        line(X(Lt + w.b1b), base + 600, X(Lt + w.b1b), base + 200);
        line(X(B - Lh - w.b2b), base + 600, X(B - Lh - w.b2b), base + 200);
        line(X(B - Lh), base + 600, X(B - Lh), base + 200);
        line(X(B), base + 900, X(B), base + 200);
    }

    const WallFigure& w_;
    plat::Surface& s_;
};

}  // namespace

void drawDimensionLines(const WallFigure& w, plat::Surface& s) { Dimensions(w, s).drawLines(); }
void drawDimensionFigures(const WallFigure& w, plat::Surface& s, FigureLabels& labels) {
    Dimensions(w, s).figures(labels);
}

}  // namespace page
