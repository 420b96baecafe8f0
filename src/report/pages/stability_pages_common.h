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

using page::blanks;
using page::deg;
using page::f3;
using page::f4;
using page::nf;
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
inline double rad(double deg) { return deg * num::kPi / 180; }
inline double cosd(double deg) { return std::cos(rad(deg)); }
inline double sind(double deg) { return std::sin(rad(deg)); }

// |e|/B against 1/6, both as singles; B = 0 is a calculation fault.
inline float eccentricityRatio(const Program& p) {
    return float(num::div(std::fabs(double(p.eccentricity)), p.baseWidth));
}
inline float oneSixth() { return float(1.0 / 6.0); }

inline bool on(const plat::OptionButton& b) { return b.value(); }

}  // namespace stability_pages
