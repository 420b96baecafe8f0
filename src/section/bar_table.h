// The bar arrangements of the section design: single sizes and pairs of neighbouring
// sizes laid alternately, and the allowable bar stress that depends on the bar size.
#pragma once
#include <array>

class Program;

struct BarSize {
    const char* name;   // as stored for a location, without the list's leading blanks
    float area;         // cm2, one bar (a pair: the mean of its two bars)
    float perimeter;    // cm (a pair: the mean)
    float halfDiameter; // mm, of the larger bar
};

// Rows 0 to 20 in list order (Form7::kBarItems).
extern const std::array<BarSize, 21> kBarSizes;

// Building standard, normal case: large bars take 195 N/mm2, the others the long-term
// allowable; otherwise rebarAllow stays as the design conditions set it.
void LargeBarRebarAllow(Program& program, float barArea);
