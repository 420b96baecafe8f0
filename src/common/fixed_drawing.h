// Static figures and ruled tables of the ground-shape step and the reference windows:
// labels and lines that never change, made once when their window is created.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"

class FixedDrawing {
public:
    // Controls are named with the prefix and a running number ("fig_lbl1", "fig_line1").
    FixedDrawing(plat::Form& form, std::string prefix) : form_(form), prefix_(std::move(prefix)) {}

    // A one-line label at (left, top), as wide as its text; size in points.
    plat::Label& text(int left, int top, const std::string& caption, double size = 9);
    // A label centred in the box (left, top, width, height).
    plat::Label& centred(int left, int top, int width, int height, const std::string& caption, double size = 9);
    plat::Line& line(int x1, int y1, int x2, int y2);
    // The outline of a rectangle.
    void box(int left, int top, int width, int height);

    // A cell of a ruled table: its grid position, the rows and columns it spans, and its
    // text (lines separated by '\n' stack inside the cell).
    struct Cell {
        int row, col;
        std::string text;
        int rowSpan = 1, colSpan = 1;
    };
    // A table at (left, top) with the given column widths and row height; every cell
    // is ruled and its text centred.
    void table(int left, int top, const std::vector<int>& colWidths, int rowHeight, const std::vector<Cell>& cells,
               double size = 9);

    const std::vector<std::unique_ptr<plat::Label>>& labels() const { return labels_; }
    const std::vector<std::unique_ptr<plat::Line>>& lines() const { return lines_; }

    // Width of a text in twips at the given size: full-width characters one em.
    static int textWidth(const std::string& text, double size);

private:
    plat::Form& form_;
    std::string prefix_;
    std::vector<std::unique_ptr<plat::Label>> labels_;
    std::vector<std::unique_ptr<plat::Line>> lines_;
};
