// The dimension figures of the report drawings as labels: each centred on the length it
// gives, above or beside its dimension line; the figures of a row side by side; and the
// rows of figures under a base.
#pragma once
#include <string>
#include <vector>

#include "report/pages/figure_labels.h"

namespace page {

// A second line of figures stands this far from the first, twips (9 pt).
inline constexpr double kFigureLine = 200;

// Dimension figures, each centred on the length it gives. Above a horizontal dimension
// line at lineY, over the stretch from x1 to x2.
Label figureOverLine(const FigureLabels& labels, const std::string& text, double x1, double x2, double y, double lineY);
// Beside a vertical dimension line at x, over the stretch from y1 to y2: left of it first,
// or right of it first.
Label figureBesideLine(const FigureLabels& labels, const std::string& text, double x, double y1, double y2, double y,
                       bool leftFirst);

// Figures side by side on one line, in order, each with its middle over its stretch from
// `from` to `to` (from < to, the stretches in order) and clear of its neighbours: where the
// line cannot hold them all, those of the shorter stretches are left off it, one by one.
struct LineFigure {
    double from, to, width;
    double middle = 0;   // where it stands, when on the line
    bool onLine = true;  // false: left off the line
};
void arrangeOnLine(std::vector<LineFigure>& figures);

// The rows of dimensions under a base: a row of its parts, its line at lineY with ticks
// from ticksTop, and under it the row of the overall width from left to right, whose line
// is at widthLineY.
struct PartsRow {
    double figureY, lineY, ticksTop, widthLineY, left, right;
};
// The figure of the overall width: in its row, or under it where it does not fit between
// the row's end ticks. Every label printed after it keeps out of its row.
void printWidthFigure(FigureLabels& labels, const std::string& text, const PartsRow& row);
// A figure of the row of parts: between the ticks of its part, or where it does not fit
// there under the row of the overall width (on one of two lines, so that two neighbours
// too wide for their parts stand apart), or beside the rows with a leader; never on the
// row of the overall width.
Label partsRowFigure(const FigureLabels& labels, const std::string& text, double x1, double x2, const PartsRow& row);
// How many lines under the row of the overall width the figures of a row of parts take,
// each part a figure and its length on the page: none, one, or two where two parts too
// narrow for their figures adjoin.
struct RowPart {
    std::string figure;
    double length;
};
int linesUnderWidthRow(const std::vector<RowPart>& parts);

}  // namespace page
