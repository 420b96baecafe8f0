// Program-wide values of the report page writers.
#pragma once
#include <optional>

struct ReportValues {
    // Loop counter the page writers share for their repeated lines; each sets it afresh.
    float pageLoopCounter = 0;
    // Scale of the wall drawings, metres per 1000 twips; set by each drawing before it draws.
    float figureScale = 0;
    // Twips of drawn length per kN/m2 of load or ground reaction in the base figure of the
    // section chapter's opening page; kept between runs.
    float reactionDiagramScale = 0;
    // Vertical offset (twips) of the coefficient formulas and the load table of the
    // earth-pressure page; unset counts as 0.
    std::optional<int> earthPressurePageOffset;
    int earthPressurePageOffsetValue() const { return earthPressurePageOffset.value_or(0); }
};
