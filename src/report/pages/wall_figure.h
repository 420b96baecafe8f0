// The wall section of report page 2 as its drawing and table name it: the symbols of
// the section (m, single precision as the stability run left them), the ground shape,
// and the page position of a point of the section at the drawing's scale.
#pragma once
#include <vector>

#include "common/program.h"
#include "platform/surface.h"
#include "report/pages/dimension_figures.h"

namespace page {

struct WallFigure {
    explicit WallFigure(const Program& program);

    // Page x of a point x m from the toe end, page y of a point d m below the rear wall's top.
    double X(double x) const;
    double Y(double d) const;

    // Faces of the walls above the slab: heights and the derived points of the surfaces.
    double frontHeight() const;  // hf + H3
    double rearHeight() const;   // hb + H2
    double backSoilFaceX() const;   // Xs: rear wall's outer face at the back soil level
    double frontSoilFaceX() const;  // Xf: front wall's outer face at the front soil level
    double fillFrontX() const;      // Xc1, Xc2: the inner faces at the central fill level
    double fillRearX() const;

    const Program& p;
    bool oneSided, twoSided;
    float H1, H2, H3, H4, Ht, B, Lt, Lh;
    float b1t, b1b, i1, o1, b2t, b2b, i2, o2, L0, Lc;
    float t, tt, th, dt, dh, hc, hb, hf, q1, q2, q3;
    float s;  // figureScale, m per 1000 twips
    // The depth of the highest wall top below the rear wall's top (negative where the
    // front wall is the taller), and the page y where that top is drawn.
    double dTop = 0;
    double top = 2600;
};

// The figure as the drawing draws it, at the scale its step before it set (figureScale).
WallFigure drawnFigure(const Program& p);

// Steps of the wall drawing (Form4.KEIJYOU) that have files of their own: the dimension
// lines, then the figures written beside them.
void drawDimensionLines(const WallFigure& w, plat::Surface& s);
void drawDimensionFigures(const WallFigure& w, plat::Surface& s, FigureLabels& labels);

// The figures of the top dimension row, left to right: each length (m) and the stretch
// from and to (m from the toe end) it gives; and where they stand on the line above it,
// those that do not fit there left off.
struct TopFigure {
    double v, from, to;
};
std::vector<TopFigure> topRowFigures(const WallFigure& w);
std::vector<LineFigure> arrangedTopRow(const WallFigure& w);

// The outline of a part (1 to 8) on the page, whose number stands inside it.
std::vector<Spot> partOutline(const WallFigure& w, int part);
// The numbers of the parts drawn, in order, each inside its outline or beside it with a
// leader, outside the other parts.
void printPartNumbers(const WallFigure& w, const std::vector<int>& parts, FigureLabels& labels);

}  // namespace page
