// The dimensioning of the wall drawing on report page 2: dimension lines around the
// figure, then the figures in millimetres beside them.
#include <string>
#include <vector>

#include "report/pages/page_conventions.h"
#include "report/pages/wall_figure.h"

namespace page {

std::vector<TopFigure> topRowFigures(const WallFigure& w) {
    const double B = w.B, Lt = w.Lt, Lh = w.Lh;
    std::vector<TopFigure> row;
    if (w.o1 != 0) row.push_back({w.o1, Lt, Lt + w.o1});
    row.push_back({w.b1t, Lt + w.o1, Lt + w.o1 + w.b1t});
    row.push_back({w.Lc, Lt + w.o1 + w.b1t, Lt + w.o1 + w.b1t + w.Lc});
    row.push_back({w.b2t, B - (w.o2 + Lh + w.b2t), B - (w.o2 + Lh)});
    if (w.o2 != 0) row.push_back({w.o2, B - (w.o2 + Lh), B - Lh});
    return row;
}

// How far beyond the end of the top row its end figures may stand.
constexpr double kRowEndReach = 600;

std::vector<LineFigure> arrangedTopRow(const WallFigure& w) {
    plat::RecordingSurface measure;
    measure.setFontSize(9);
    std::vector<LineFigure> line;
    for (const TopFigure& f : topRowFigures(w))
        line.push_back({w.X(f.from), w.X(f.to), measure.textWidth(millimetres(f.v))});
    // The figures at the ends of the row may stand out beyond it: no other length is there.
    line.front().from -= kRowEndReach;
    line.back().to += kRowEndReach;
    arrangeOnLine(line);
    return line;
}

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
        const double hb = w.hb, t = w.t, xc = X(Lt + w.b1b + w.L0 / 4.0);
        // The overall width first: it keeps its row to itself.
        printWidthFigure(labels, millimetres(B), partsRow());
        topRow(labels);
        if (w.oneSided) {
            column(labels, w.H3, 1600, {Ht - w.H4 - w.H3, Ht - w.H4}, Y(Ht - w.H4 - w.H3 / 2.0) - 50, true);
            column(labels, w.H4, 1600, {Ht - w.H4, Ht}, Y(Ht - w.H4 / 2.0) - 75, true);
        }
        if (w.H2 != 0) column(labels, H2, xb + 1250, {0, H2}, Y(H2 / 2) - 50, false);
        if (w.H2 != 0 && w.twoSided) column(labels, H2, 1600, {0, H2}, Y(H2 / 2) - 50, true);
        column(labels, H1, xb + 1250, {H2, Ht}, Y(H2 + H1 / 2) - 50, true);
        if (w.twoSided) column(labels, H1, 1600, {H2, Ht}, Y(H2 + H1 / 2) - 50, true);
        if (w.Lh != 0) column(labels, hb + w.dh, xb + 750, {H2, Ht - w.th}, Y(H2 + (hb + w.dh) / 2) - 50, true);
        if (w.Lt != 0 && w.twoSided)
            column(labels, hb + w.dt, 2100, {H2, Ht - w.tt}, Y(H2 + (hb + w.dt) / 2) - 50, true);
        if (w.Lt == 0 && w.twoSided) column(labels, H1 - t, 2100, {H2, Ht - t}, Y(H2 + hb / 2) - 50, true);
        if (w.Lh == 0) {
            column(labels, hb, xb + 750, {H2, H2 + hb}, Y(H2 + hb / 2) - 50, true);
            column(labels, t, xb + 750, {Ht - t, Ht}, Y(Ht - t / 2) - 75, true);
        }
        column(labels, t, xc, {Ht - t, Ht}, Y(Ht - t / 2) - 75, true);
        if (w.Lt == 0 && w.twoSided) column(labels, t, 2100, {Ht - t, Ht}, Y(Ht - t / 2) - 75, false);
        column(labels, w.hc, xc, {Ht - t - w.hc, Ht - t}, Y(Ht - t - w.hc / 2.0) - 75, true);
        if (w.Lh != 0) column(labels, w.th, xb + 750, {Ht - w.th, Ht}, Y(Ht - w.th / 2.0) - 75, true);
        if (w.Lt != 0) column(labels, w.tt, 2100, {Ht - w.tt, Ht}, Y(Ht - w.tt / 2.0) - 75, false);
        if (w.Lt != 0) bottom(labels, Lt, 0, Lt);
        bottom(labels, w.b1b, Lt, Lt + w.b1b);
        bottom(labels, w.L0, Lt + w.b1b, Lt + w.b1b + w.L0);
        bottom(labels, w.b2b, B - Lh - w.b2b, B - Lh);
        if (w.Lh != 0) bottom(labels, Lh, B - Lh, B);
    }

private:
    struct Depths {
        double from, to;
    };

    // The figures of the top row, arranged on the line above the row: where they do not
    // all fit there side by side, some stand on a second line above it; any that finds no
    // place stands beside the row with a leader, never under its line.
    void topRow(FigureLabels& labels) {
        const double line = w_.top - 500;
        const std::vector<TopFigure> row = topRowFigures(w_);
        std::vector<LineFigure> arranged = arrangedTopRow(w_);
        for (size_t i = 0; i < row.size(); ++i) {
            const std::string text = millimetres(row[i].v);
            Label l = figureOverLine(labels, text, X(row[i].from), X(row[i].to), line - 200, line);
            l.home = overStretch(arranged[i].from, arranged[i].to);
            const double width = labels.width(text), x = l.spots.front().x;
            if (arranged[i].onLine) l.spots = {{arranged[i].middle - width / 2, line - 200}, {x, line - 200 - kFigureLine}};
            else l.spots = {{x, line - 200 - kFigureLine}, {x, line - 200}};
            l.away = [line](const Box& ink) { return ink.bottom <= line; };
            labels.print(l);
        }
    }

    // The rows under the base: the parts' line 600 twips under it, the overall width's 900.
    PartsRow partsRow() const {
        const double base = Y(w_.Ht);
        return {base + 400, base + 600, base + 200, base + 900, X(0), X(w_.B)};
    }
    void bottom(FigureLabels& labels, double v, double from, double to) {
        labels.print(partsRowFigure(labels, millimetres(v), X(from), X(to), partsRow()));
    }

    // A figure beside a vertical dimension line at x, by the stretch of depths it gives.
    void column(FigureLabels& labels, double v, double x, Depths d, double y, bool leftFirst) {
        labels.print(figureBesideLine(labels, millimetres(v), x, Y(d.from), Y(d.to), y, leftFirst));
    }

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
