// Where the texts and lines of a recorded report page lie: the box of each text in the
// surface's measure, and whether two texts overlap or a line crosses a text, for the
// tests that keep the drawings of the report readable.
#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "common/program.h"
#include "platform/surface.h"
#include "report/pages/figure_labels.h"
#include "report/pages/section_pages_common.h"
#include "report/pages/wall_figure.h"
#include "report/report_pages.h"

namespace layout {

struct Box {
    double left, top, right, bottom;
    std::string text;
};

// The box of a printed text without its leading and trailing blanks; empty for a text of
// blanks only. The inked part of a line of type stands inside its em height: a tenth of
// it is left off at the top and at the bottom, so texts set line under line touch but do
// not overlap.
inline bool inkBox(const plat::DrawOp& op, Box& box) {
    const size_t first = op.text.find_first_not_of(' ');
    if (op.kind != plat::DrawOp::Text || first == std::string::npos) return false;
    const size_t last = op.text.find_last_not_of(' ');
    plat::RecordingSurface measure;
    measure.setFont(op.fontName, op.fontSize, op.bold);
    const double em = measure.textHeight();
    box.left = op.x1 + measure.textWidth(op.text.substr(0, first));
    box.right = box.left + measure.textWidth(op.text.substr(first, last - first + 1));
    box.top = op.y1 + em / 10;
    box.bottom = op.y1 + em - em / 10;
    box.text = op.text;
    return true;
}

inline bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether the segment runs through the inside of the box.
inline bool crosses(const plat::DrawOp& line, const Box& box) {
    return page::crosses({line.x1, line.y1, line.x2, line.y2}, box.left, box.top, box.right, box.bottom);
}

// What a stretch of recorded drawing holds: its text boxes and its lines.
struct Drawing {
    std::vector<Box> texts;
    std::vector<plat::DrawOp> lines;
};

inline Drawing drawingOf(const std::vector<plat::DrawOp>& ops) {
    Drawing d;
    for (const plat::DrawOp& op : ops) {
        Box b;
        if (inkBox(op, b)) d.texts.push_back(b);
        if (op.kind == plat::DrawOp::Line) d.lines.push_back(op);
    }
    return d;
}

// The ops of a page's figure: from its first line up to the text that follows it, the
// first text printed at the left margin at y `textTop`.
inline std::vector<plat::DrawOp> figureOps(const std::vector<plat::DrawOp>& page, double textTop) {
    std::vector<plat::DrawOp> out;
    bool inFigure = false;
    for (const plat::DrawOp& op : page) {
        if (op.kind == plat::DrawOp::Line) inFigure = true;
        if (op.kind == plat::DrawOp::Text && op.x1 == 0 && op.y1 == textTop) break;
        if (inFigure) out.push_back(op);
    }
    return out;
}
inline std::vector<plat::DrawOp> figureOps(const plat::RecordingSurface& page, double textTop) {
    return figureOps(page.ops(), textTop);
}

// The ops of each sheet of a recorded print job, in order.
inline std::vector<std::vector<plat::DrawOp>> sheetsOf(const plat::RecordingSurface& job) {
    std::vector<std::vector<plat::DrawOp>> sheets(1);
    for (const plat::DrawOp& op : job.ops()) {
        if (op.kind == plat::DrawOp::NewPage) sheets.emplace_back();
        else sheets.back().push_back(op);
    }
    return sheets;
}

// The texts of a page's figure (up to the text at the left margin at y `textTop`) that
// reach into an area.
inline std::vector<std::string> textsIn(const plat::RecordingSurface& page, double textTop, const Box& area) {
    std::vector<std::string> out;
    for (const Box& b : drawingOf(figureOps(page, textTop)).texts)
        if (overlap(b, area)) out.push_back(b.text);
    return out;
}

// The bands of the figures of pages 2 and 5: below the heading (its lines of 11 pt, 220
// twips each: five empty lines, the title lines and the empty lines between and after
// them) and above the first line of the text that follows.
struct Band {
    int page;
    double top, bottom;
};
inline constexpr Band kBands[] = {{2, 8 * 220, 6700}, {5, 7 * 220, 6900}};

// A report page as its writers draw it on a recording surface, from the page's font.
inline plat::RecordingSurface recordPage(Program& prog, int page) {
    plat::RecordingSurface rec;
    rec.setFont("ＭＳ 明朝", 11);
    prog.outputSurface = &rec;
    report::runWriters(prog, page);
    prog.outputSurface = nullptr;
    return rec;
}

// The row of the overall width between the base's ends: 600 to 900 twips under the base
// on page 2, 700 to 1000 under the reaction's row level on page 5.
inline Box widthRow(const Program& p, int page) {
    if (page == 2) {
        const page::WallFigure f = page::drawnFigure(p);
        return {f.X(0), f.Y(f.Ht) + 600, f.X(f.B), f.Y(f.Ht) + 900, ""};
    }
    const section_pages::BaseFigure g = section_pages::baseFigure(p);
    const double rows = g.dimensionRowsY(p);
    return {g.X(0), rows + 700, g.X(p.baseWidth), rows + 1000, ""};
}

// Readable failures: "text" against "text", or a line from (x1, y1) to (x2, y2).
inline std::string describe(const Box& b) {
    return "\"" + b.text + "\" at (" + std::to_string(int(b.left)) + ", " + std::to_string(int(b.top)) + ")";
}
inline std::string describe(const plat::DrawOp& l) {
    return "line (" + std::to_string(int(l.x1)) + ", " + std::to_string(int(l.y1)) + ")-(" + std::to_string(int(l.x2)) +
           ", " + std::to_string(int(l.y2)) + ")";
}

// Every pair of texts that overlap, and every line that crosses a text.
inline std::vector<std::string> collisions(const Drawing& d) {
    std::vector<std::string> out;
    for (size_t i = 0; i < d.texts.size(); ++i)
        for (size_t j = i + 1; j < d.texts.size(); ++j)
            if (overlap(d.texts[i], d.texts[j])) out.push_back(describe(d.texts[i]) + " overlaps " + describe(d.texts[j]));
    for (const plat::DrawOp& l : d.lines)
        for (const Box& b : d.texts)
            if (crosses(l, b)) out.push_back(describe(l) + " crosses " + describe(b));
    return out;
}

}  // namespace layout
