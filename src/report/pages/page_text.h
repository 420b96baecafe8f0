// The text pieces every page writer builds its lines from: runs of blanks and numbers in
// the report's formats (num::format under the named patterns of page::fmt).
#pragma once
#include <string>

#include "common/numbers.h"
#include "report/pages/page_conventions.h"

namespace page {

// n half-width blanks: the indents that line the report's text up.
inline std::string blanks(int n) { return std::string(n, ' '); }
// A number in an explicit pattern, where no named format says it better.
inline std::string nf(double v, const char* pattern) { return num::format(v, pattern); }
// Three decimals: lengths, stability values, section properties.
inline std::string f3(double v) { return nf(v, fmt::kLength); }
// Four decimals: earth pressures, trigonometric factors, table cells.
inline std::string f4(double v) { return nf(v, fmt::kEarthPressure); }
// An angle in degrees.
inline std::string deg(double v) { return nf(v, fmt::kAngle); }
// A whole number: design moments, shears and spacings.
inline std::string whole(double v) { return nf(v, fmt::kDesignValue); }
// A number that follows an operator in a formula: a negative one stands in brackets, so
// that its sign does not run into the operator ("(1.600/2)－(-0.128)").
inline std::string operand(const std::string& number) {
    return number.rfind('-', 0) == 0 ? "(" + number + ")" : number;
}

}  // namespace page
