// The dimension figures of the report drawings as labels: each centred on the length it
// gives, above or beside its dimension line, and the rows of figures under a base.
#include "report/pages/dimension_figures.h"

#include <algorithm>
#include <optional>

namespace page {

namespace {

// Pushes the middles apart, first rightwards, then leftwards, and returns the first
// figure that then still leaves its stretch or its neighbour's room; none: all stand.
std::optional<size_t> placeOnLine(std::vector<LineFigure*>& on) {
    auto room = [&](size_t i) { return (on[i - 1]->width + on[i]->width) / 2 + kLabelMargin; };
    for (LineFigure* f : on) f->middle = (f->from + f->to) / 2;
    for (size_t i = 1; i < on.size(); ++i) on[i]->middle = std::max(on[i]->middle, on[i - 1]->middle + room(i));
    for (size_t i = on.size(); i-- > 0;) {
        on[i]->middle = std::min(on[i]->middle, on[i]->to);
        if (i + 1 < on.size()) on[i]->middle = std::min(on[i]->middle, on[i + 1]->middle - room(i + 1));
    }
    for (size_t i = 0; i < on.size(); ++i) {
        if (on[i]->middle < on[i]->from || on[i]->middle > on[i]->to) return i;
        if (i > 0 && on[i]->middle - on[i - 1]->middle < room(i) - 1e-6) return i;
    }
    return std::nullopt;
}

}  // namespace

void arrangeOnLine(std::vector<LineFigure>& figures) {
    for (LineFigure& f : figures) f.onLine = true;
    for (size_t round = 0; round < figures.size(); ++round) {
        // A figure of no width (a length of 0 mm prints nothing) takes no room.
        std::vector<LineFigure*> on;
        for (LineFigure& f : figures)
            if (f.onLine && f.width > 0) on.push_back(&f);
        if (on.empty()) return;
        const std::optional<size_t> wrong = placeOnLine(on);
        if (!wrong) return;
        // Of the figure that does not stand and its left neighbour, the one over the
        // shorter stretch leaves the line.
        LineFigure* a = on[*wrong];
        LineFigure* b = *wrong > 0 ? on[*wrong - 1] : a;
        (b->to - b->from < a->to - a->from ? b : a)->onLine = false;
    }
}

Label figureOverLine(const FigureLabels& labels, const std::string& text, double x1, double x2, double y, double lineY) {
    Label l;
    l.lines = {{text, 0, 0}};
    l.spots = {{(x1 + x2 - labels.width(text)) / 2, y}};
    l.slide = Slide::Horizontal;
    l.home = overStretch(x1, x2);
    l.anchor = Spot{(x1 + x2) / 2, lineY};
    l.stretch = Segment{x1, lineY, x2, lineY};
    return l;
}

Label figureBesideLine(const FigureLabels& labels, const std::string& text, double x, double y1, double y2, double y,
                       bool leftFirst) {
    const Spot left{x - kLabelGap - labels.width(text), y}, right{x + kLabelGap, y};
    Label l;
    l.lines = {{text, 0, 0}};
    l.spots = leftFirst ? std::vector<Spot>{left, right} : std::vector<Spot>{right, left};
    l.slide = Slide::Vertical;
    l.home = besideStretch(y1, y2);
    l.anchor = Spot{x, (y1 + y2) / 2};
    l.stretch = Segment{x, y1, x, y2};
    return l;
}

Label partsRowFigure(const FigureLabels& labels, const std::string& text, double x1, double x2, const PartsRow& row) {
    Label l = figureOverLine(labels, text, x1, x2, row.figureY, row.lineY);
    const double x = l.spots.front().x, under = row.widthLineY + kLabelGap / 2;
    l.spots = {{x, row.figureY}, {x, under}, {x, under + kFigureLine}};
    l.away = [row, under](const Box& ink) {
        return ink.top >= under || (ink.top >= row.ticksTop && (ink.right <= row.left || ink.left >= row.right));
    };
    return l;
}

void printWidthFigure(FigureLabels& labels, const std::string& text, const PartsRow& row) {
    Label l = figureOverLine(labels, text, row.left, row.right, row.widthLineY - 200, row.widthLineY);
    const double x = l.spots.front().x, under = row.widthLineY + kLabelGap / 2;
    l.spots = {{x, row.widthLineY - 200}, {x, under}, {x, under + kFigureLine}};
    labels.print(l);
    labels.reserve({row.left, row.lineY, row.right, row.widthLineY});
}

int linesUnderWidthRow(const std::vector<RowPart>& parts) {
    plat::RecordingSurface measure;
    measure.setFontSize(9);
    int lines = 0;
    bool before = false;
    for (const RowPart& part : parts) {
        const double width = measure.textWidth(part.figure);
        // Between the ticks of its part a figure keeps clear of them on either side.
        const bool narrow = width > 0 && width + 2 * kLineMargin >= part.length;
        if (narrow) lines = std::max(lines, before ? 2 : 1);
        before = narrow;
    }
    return lines;
}

}  // namespace page
