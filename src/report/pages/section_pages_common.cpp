#include "report/pages/section_pages_common.h"

#include <algorithm>
#include <utility>

#include "common/numbers.h"
#include "conditions/design_choices.h"
#include "report/pages/dimension_figures.h"
#include "report/pages/page_conventions.h"
#include "section/section_screen.h"

namespace section_pages {

std::optional<std::string> chapterTitleLine(const Program& program) {
    const std::optional<std::string> suffix = page::CaseTitle(program);
    if (!suffix) return std::nullopt;
    return std::string(12, ' ') + program.chapterNumber + "－３ 断面の検討" + *suffix;
}

float baseFigureScale(float backSoilHeight, float rearWallUpperHeight) {
    const float hs = backSoilHeight + rearWallUpperHeight;
    if (hs <= 1.0f) return 0.3f;
    return num::store((double(rearWallUpperHeight) + double(backSoilHeight)) * 3 / 10);
}

float reactionScale(float sigmaMax) {
    const double s = sigmaMax;
    // Each band of 100 kN/m2 above the first has its own divisor, 500 more per band.
    // No positive contact pressure (the resultant lies outside the base): no ordinate to
    // draw, rather than a diagram scaled off the page.
    if (!(s > 0)) return 0;
    double d;
    if (s <= 100) {
        d = 100;
    } else if (s <= 1000) {
        int band = 1;
        while (s > 100.0 * (band + 1)) ++band;
        d = 500.0 * band;
    } else {
        // Beyond the bands the largest ordinate keeps the drawn length it has at
        // 1000 kN/m2, so the figure stays on the page.
        return num::store(1000.0 * 1000.0 * 10 / 4500 / s);
    }
    return num::store(s * 10 / d);
}

namespace {

// The depth of the front wall's top below the rear wall's where it stands higher, else 0.
double frontTopAbove(const Program& p) {
    const double Ht = double(p.backSoilHeight) + p.rearWallUpperHeight;
    const float frontTop = num::store(Ht - (double(p.frontSoilHeight) + p.frontWallUpperHeight));
    return frontTop < -0.0005f ? frontTop : 0.0;
}

}  // namespace

BaseFigure baseFigure(const Program& p) {
    return BaseFigure{p.figureScale, p.reactionDiagramScale, frontTopAbove(p)};
}

double BaseFigure::dimensionRowsY(const Program& p) const {
    const double Ht = double(p.backSoilHeight) + p.rearWallUpperHeight;
    double v = 0;
    if (p.eccentricity >= 0) {
        if (p.slabModelWrote(kWroteV1)) v = p.reactionV1;
    } else if (p.slabModelWrote(kWroteV5)) {
        v = p.reactionV5;
    }
    return Y(Ht) + v * k;
}

// The lines under the row of the overall width that figures too wide for their parts take.
int BaseFigure::linesUnderWidthRow(const Program& p) const {
    std::vector<page::RowPart> parts;
    auto part = [&](float v) { parts.push_back({page::millimetres(v), v * 1000 / scale}); };
    if (p.toeLength != 0) part(p.toeLength);
    for (float v : {p.frontWallBottomWidth, p.innerSpan, p.rearWallBottomWidth}) part(v);
    if (p.heelLength != 0) part(p.heelLength);
    return page::linesUnderWidthRow(parts);
}

double BaseFigure::rowsUnderWidth(const Program& p) const {
    const int lines = linesUnderWidthRow(p);
    return lines == 0 ? 0 : page::kLabelGap / 2 + (lines - 1) * page::kFigureLine + 180;
}

double BaseFigure::bottom(const Program& p) const {
    const double yBase = Y(double(p.backSoilHeight) + p.rearWallUpperHeight);
    double lowest = dimensionRowsY(p) + 1000;
    lowest += rowsUnderWidth(p);
    const std::pair<unsigned, float> ordinates[] = {{kWroteVP, p.reactionVP}, {kWroteV1, p.reactionV1},
                                                    {kWroteV2, p.reactionV2}, {kWroteV3, p.reactionV3},
                                                    {kWroteV4, p.reactionV4}, {kWroteV5, p.reactionV5},
                                                    {kWroteVR, p.reactionVR}};
    // A reaction label hangs 30 twips below its ordinate, one 11 pt line high.
    for (const auto& [flag, v] : ordinates)
        if (p.slabModelWrote(flag)) lowest = std::max(lowest, yBase + double(v) * k + 30 + 220);
    return lowest;
}

void setFigureScales(Program& program, const plat::Surface& s) {
    float scale = baseFigureScale(program.backSoilHeight, program.rearWallUpperHeight);
    // A front wall taller than the rear one sets the figure's height.
    if (const double above = frontTopAbove(program); above < 0) {
        const double height = double(program.backSoilHeight) + program.rearWallUpperHeight - above;
        scale = height <= 1.0 ? 0.3f : num::store(height * 3 / 10);
    }
    program.figureScale = page::fittedFigureScale(scale, program.baseWidth, s);
    program.reactionDiagramScale = reactionScale(program.sigmaMax);
    // The walls and the reaction shrink alike until the dimension rows under the reaction
    // end above the text; the rows themselves keep their 1000 twips.
    const double limit = kBaseFigureBottom - page::kLabelGap, top = 1700;
    for (int pass = 0; pass < 8; ++pass) {
        const BaseFigure figure = baseFigure(program);
        const double bottom = figure.bottom(program);
        const double rows = 1000 + figure.rowsUnderWidth(program);
        if (!(bottom > limit)) break;
        const double factor = std::max(0.2, (limit - top - rows) / (bottom - top - rows));
        program.figureScale = num::store(program.figureScale / factor);
        program.reactionDiagramScale = num::store(program.reactionDiagramScale * factor);
    }
}

void copyDesignSpacings(Program& program) {
    for (const Form7::Row& r : program.form<Form7>().rows()) program.designSpacing[r.loc] = num::readSingle(r.design.text());
}

void radical(plat::Surface& s, double x, double y, double t, double e) {
    s.line(x, y + 75, x + 25, y);
    s.line(x + 25, y, x + 75, y + 200);
    s.line(x + 75, y + 200, x + 225, t);
    s.line(x + 225, t, e, t);
}

void brackets(plat::Surface& s, double l, double r, double t) {
    s.line(l + 100, t, l, t + 100);
    s.line(l, t + 100, l, t + 600);
    s.line(l, t + 600, l + 100, t + 700);
    s.line(r - 100, t, r, t + 100);
    s.line(r, t + 100, r, t + 600);
    s.line(r, t + 600, r - 100, t + 700);
}

}  // namespace section_pages
