// The dimensioning of the wall drawing on report page 2: dimension lines around the
// figure, then the figures in millimetres beside them.
#include "report/pages/page_conventions.h"
#include "report/pages/wall_figure.h"

namespace page {

namespace {

class Dimensions {
public:
    Dimensions(const WallFigure& w, plat::Surface& s) : w_(w), s_(s) {}

    void draw() {
        topRow();
        leftColumns();
        rightColumns();
        bottomRows();
        s_.setFontSize(9);
        figures();
    }

private:
    double X(double x) const { return w_.X(x); }
    double Y(double d) const { return w_.Y(d); }
    void line(double x1, double y1, double x2, double y2) { s_.line(x1, y1, x2, y2); }
    void figure(double v, double x, double y) { printAt(s_, x, y, millimetres(v)); }

    void topRow() {
        const WallFigure& w = w_;
        const double B = w.B, Lt = w.Lt, Lh = w.Lh;
        const double frontOuter = X(Lt + w.o1), rearOuter = X(B - (w.o2 + Lh));
        line(frontOuter, 2100, rearOuter, 2100);
        line(frontOuter, 2100, frontOuter, 2500);
        line(rearOuter, 2100, rearOuter, 2500);
        line(X(Lt + w.o1 + w.b1t), 2100, X(Lt + w.o1 + w.b1t), 2500);
        line(X(B - (w.o2 + Lh + w.b2t)), 2100, X(B - (w.o2 + Lh + w.b2t)), 2500);
        if (w.o1 != 0) {
            line(frontOuter, 2100, X(Lt), 2100);
            line(X(Lt), 2100, X(Lt), 2500);
        }
        if (w.o2 != 0) {
            line(rearOuter, 2100, X(B - Lh), 2100);
            line(X(B - Lh), 2100, X(B - Lh), 2500);
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

    void figures() {
        const WallFigure& w = w_;
        const double B = w.B, Lt = w.Lt, Lh = w.Lh, Ht = w.Ht, H1 = w.H1, H2 = w.H2, xb = X(B);
        const double hb = w.hb, t = w.t;
        figure(w.b1t, X(Lt + w.o1 + w.b1t / 2.0) - 100, 1900);
        if (w.o1 != 0) figure(w.o1, X(Lt) - 200, 1900);
        figure(w.Lc, X(Lt + w.o1 + w.b1t + w.Lc / 2.0) - 200, 1900);
        figure(w.b2t, X(B - (w.o2 + Lh + w.b2t / 2.0)) - 150, 1900);
        if (w.o2 != 0) figure(w.o2, X(B - Lh), 1900);
        if (w.oneSided) {
            figure(w.H3, 1400, Y(Ht - w.H4 - w.H3 / 2.0) - 50);
            figure(w.H4, 1400, Y(Ht - w.H4 / 2.0) - 75);
        }
        if (w.H2 != 0) figure(H2, xb + 1300, Y(H2 / 2) - 50);
        if (w.H2 != 0 && w.twoSided) figure(H2, 1400, Y(H2 / 2) - 50);
        figure(H1, xb + 1050, Y(H2 + H1 / 2) - 50);
        if (w.twoSided) figure(H1, 1400, Y(H2 + H1 / 2) - 50);
        if (w.Lh != 0) figure(hb + w.dh, xb + 400, Y(H2 + (hb + w.dh) / 2) - 50);
        if (w.Lt != 0 && w.twoSided) figure(hb + w.dt, 2000, Y(H2 + (hb + w.dt) / 2) - 50);
        if (w.Lt == 0 && w.twoSided) figure(H1 - t, 2000, Y(H2 + hb / 2) - 50);
        if (w.Lh == 0) {
            figure(hb, xb + 400, Y(H2 + hb / 2) - 50);
            figure(t, xb + 450, Y(Ht - t / 2) - 75);
        }
        const double xc = X(Lt + w.b1b + w.L0 / 4.0) - 100;
        figure(t, xc, Y(Ht - t / 2) - 75);
        if (w.Lt == 0 && w.twoSided) figure(t, 2150, Y(Ht - t / 2) - 75);
        figure(w.hc, xc, Y(Ht - t - w.hc / 2.0) - 75);
        if (w.Lh != 0) figure(w.th, xb + 450, Y(Ht - w.th / 2.0) - 75);
        if (w.Lt != 0) figure(w.tt, 2150, Y(Ht - w.tt / 2.0) - 75);
        if (w.Lt != 0) figure(Lt, X(Lt / 2) - 150, Y(Ht) + 400);
        figure(w.b1b, X(Lt + w.b1b / 2.0) - 100, Y(Ht) + 400);
        figure(w.L0, X(Lt + w.b1b + w.L0 / 2.0) - 200, Y(Ht) + 400);
        figure(w.b2b, X(B - Lh - w.b2b / 2.0) - 100, Y(Ht) + 400);
        if (w.Lh != 0) figure(Lh, X(B - Lh / 2) - 100, Y(Ht) + 400);
        figure(B, X(B / 2) - 200, Y(Ht) + 700);
    }

    const WallFigure& w_;
    plat::Surface& s_;
};

}  // namespace

void drawDimensions(const WallFigure& w, plat::Surface& s) { Dimensions(w, s).draw(); }

}  // namespace page
