// Small helpers shared by the writers of the earth-pressure, load-table and stability pages.
#pragma once
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "common/numbers.h"
#include "common/program.h"
#include "platform/controls.h"
#include "platform/surface.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_text.h"

namespace stability_pages {

namespace fmt = page::fmt;
using page::blanks;
using page::deg;
using page::f3;
using page::f4;
using page::nf;
using page::operand;
using page::printAt;

// A chain of connected straight lines; every y is moved down by offset.
inline void chain(plat::Surface& s, std::initializer_list<std::pair<double, double>> points, double offset = 0) {
    const std::pair<double, double>* prev = nullptr;
    for (const auto& pt : points) {
        if (prev) s.line(prev->first, prev->second + offset, pt.first, pt.second + offset);
        prev = &pt;
    }
}

// Trigonometric display factors of an angle in degrees.
inline double cosd(double deg) { return std::cos(num::rad(deg)); }
inline double sind(double deg) { return std::sin(num::rad(deg)); }

// |e|/B against 1/6, both as singles; B = 0 is a calculation fault.
inline float eccentricityRatio(const Program& p) {
    return float(num::div(std::fabs(double(p.eccentricity)), p.baseWidth));
}
inline float oneSixth() { return float(1.0 / 6.0); }

// Labels of the fixed sketches, placed from their measured width so that they keep clear
// of the lines they name.
inline constexpr double kSketchLabelGap = 30;
// A label whose right edge stands the gap left of x.
inline void printLeftOf(plat::Surface& s, double x, double y, const std::string& text) {
    printAt(s, x - kSketchLabelGap - s.textWidth(text), y, text);
}
// A label centred between x1 and x2.
inline void printBetween(plat::Surface& s, double x1, double x2, double y, const std::string& text) {
    printAt(s, (x1 + x2 - s.textWidth(text)) / 2, y, text);
}
// The top of a label that stands the gap above the line at y.
inline double labelAbove(const plat::Surface& s, double y) { return y - kSketchLabelGap - s.textHeight(); }

}  // namespace stability_pages
