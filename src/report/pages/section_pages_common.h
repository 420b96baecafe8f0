// What the pages of the section checks share: the chapter title and the scales and
// coordinates of the base figure on the chapter's opening page.
#pragma once
#include <optional>
#include <string>

#include "common/program.h"
#include "platform/surface.h"

namespace section_pages {

// The chapter title line ("－３ 断面の検討" with the load-case suffix), indent 12 and the
// chapter number in front; none when the load case (or, seismic, the standard) is not chosen.
std::optional<std::string> chapterTitleLine(const Program& program);

// Metres of structure per 1000 twips of the base figure for a wall of total height
// backSoilHeight + rearWallUpperHeight.
float baseFigureScale(float backSoilHeight, float rearWallUpperHeight);
// Twips per kN/m2 of the load and reaction ordinates for the largest contact pressure.
float reactionScale(float sigmaMax);
// Sets figureScale and reactionDiagramScale for the base figure on the surface; a base
// too wide for the page at the height's scale is drawn smaller, to fit, and so is a figure
// whose reaction would reach the text below it.
void setFigureScales(Program& program, const plat::Surface& s);

// The base figure's band on its page: below the chapter title's seven lines of 11 pt,
// above the text that starts at y 6900.
inline constexpr double kBaseFigureTop = 7 * 220;
inline constexpr double kBaseFigureBottom = 6900;

// Page coordinates of the base figure: x from the toe end (x 2850), depth from the top of
// the rear wall, both in metres; ordinates in kN/m2. The highest wall top stands at y 1700:
// the rear wall's, or the front wall's where that is the taller.
struct BaseFigure {
    double scale;     // figureScale
    double k;         // reactionDiagramScale
    double dTop = 0;  // depth of the highest wall top (negative: the front wall's)
    double X(double m) const { return 2850 + m * 1000 / scale; }
    double Y(double d) const { return 1700 + (d - dTop) * 1000 / scale; }
    double len(double v) const { return v * k; }
    // The level from which the horizontal dimension rows hang: the reaction's ordinate at
    // the toe root, or at the heel root when the resultant lies towards the heel.
    double dimensionRowsY(const Program& p) const;
    // The lowest point of the figure: the width's dimension row (or the figures of parts
    // under it), or a reaction label.
    double bottom(const Program& p) const;
    int linesUnderWidthRow(const Program& p) const;
    // The height those lines take under the row of the overall width.
    double rowsUnderWidth(const Program& p) const;
};
BaseFigure baseFigure(const Program& p);

// Copies the design spacings typed on the section-design screen into designSpacing.
void copyDesignSpacings(Program& program);


}  // namespace section_pages

namespace section_pages {

// Radical sign of a formula figure: base point (x, y), top t, bar end e.
void radical(plat::Surface& s, double x, double y, double t, double e);
// A pair of large brackets 700 twips high: left edge l, right edge r, top t.
void brackets(plat::Surface& s, double l, double r, double t);

}  // namespace section_pages
