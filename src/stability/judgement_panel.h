// The judgement panel at the right of the dimension screen, by its lines: which of the
// screen's cells make which judgement line. Whatever writes, empties, shows or hides the
// panel's judgement names its lines here rather than the cells.
#pragma once
#include <vector>

#include "stability/dimension_screen.h"

// An overturning or sliding line: its name ("F =", "d(m)=", "e(m)="), its value and its
// verdict ("> 1.5∴O.K").
struct PanelLine {
    plat::Label& name;
    plat::Label& value;
    plat::Label& verdict;

    std::vector<plat::Label*> cells() const { return {&name, &value, &verdict}; }
};

// The bearing check on two rows: σmax, its value and unit; then the relation, the
// allowable, its unit and the verdict. While the resultant lies outside the base the
// first cell of each row holds the words that say so.
struct BearingLines {
    plat::Label& name;
    plat::Label& value;
    plat::Label& unit;
    plat::Label& relation;
    plat::Label& limit;
    plat::Label& limitUnit;
    plat::Label& verdict;

    std::vector<plat::Label*> cells() const { return {&name, &value, &unit, &relation, &limit, &limitUnit, &verdict}; }
};

struct JudgementPanel {
    // The overturning factor, or d or e where the method asks for no factor.
    PanelLine overturning;
    // d or e below the factor, where the method asks for both.
    PanelLine overturningPart;
    BearingLines bearing;
    // Sliding: without the key, or with it where the wall has one.
    PanelLine sliding;
    // "突起の無い状態で": the fixed caption above the line without the key.
    plat::Label& keylessCaption;
    // Sliding without the key, judged besides the line with it.
    PanelLine keyless;

    // Every cell that holds a judgement: all but the caption.
    std::vector<plat::Label*> judgementCells() const;
    // Every cell of the panel's lines, the caption among them.
    std::vector<plat::Label*> allCells() const;
};

JudgementPanel judgementPanel(Form4& screen);
// Shows the cells of a line.
void showCells(const std::vector<plat::Label*>& cells);
