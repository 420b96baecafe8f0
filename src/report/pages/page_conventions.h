// What every report page writer shares: placing text, the top of a page, the number
// formats of each quantity, the half-up rounding and right alignment of table cells,
// the load-case suffix of the titles and the way a judged check is shown.
#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/program.h"
#include "platform/surface.h"

namespace page {

// Format patterns (num::format) by quantity. A number carries no unit; its unit is part
// of the literal that follows it.
namespace fmt {
inline constexpr const char* kConcreteStrength = "0";         // Fc, σck on page 1
inline constexpr const char* kAllowablePage1 = "0.0#";        // σca, τca, ｆa/τ0a, ｆt/σsa on page 1
inline constexpr const char* kSectionConcreteAllow = "0.0";   // σca in the section checks
inline constexpr const char* kSectionShearAllow = "0.0##";    // τca in the section checks
inline constexpr const char* kSectionRebarAllow = "0";        // σsa in the section checks, ft=σsa in N/cm2
inline constexpr const char* kSectionBondAllow = "0.00";      // fa=τ0a in N/cm2 in the section checks
inline constexpr const char* kBearingPage1 = "0";             // fe, ｑa on page 1
inline constexpr const char* kBearingPage4 = "0.0";           // fe, ｑa on page 4
inline constexpr const char* kUnitWeight = "0.0#";            // γs, ｒ
inline constexpr const char* kUnitWeightTable = "0.0";        // γ in the self-weight table
inline constexpr const char* kAngle = "0.00";                 // φ, δ, β, θ, θk
inline constexpr const char* kFrictionAnglePage1 = "0.0#";    // φ, φB on page 1
inline constexpr const char* kWallBackAngle = "0.00#";        // θ under the wall drawing, upright wall
inline constexpr const char* kSlopePage5 = "0.00#";           // β on page 5
inline constexpr const char* kSeismic = "0.00";               // CZ, Kho, Kh, Kv, 1－Kv on pages 3 and 5
inline constexpr const char* kKhDerived = "0.00##";           // Kh = CZ·Kho and the θk line, page 3
inline constexpr const char* kKhPage1 = "0.0###";             // Kh on page 1, upright wall
inline constexpr const char* kKhShort = "0.0#";               // Kh where its page says so
inline constexpr const char* kKaPage1 = "0.0#";               // KA, KAE on page 1
inline constexpr const char* kKaStated = "0.00#";             // KA stated or used in a later formula
inline constexpr const char* kFrictionTyped = "0.0#";         // μ typed
inline constexpr const char* kFrictionTan = "0.00#";          // μ = tan φB
inline constexpr const char* kCohesion = "0.0";               // C on page 1
inline constexpr const char* kCohesionCheck = "0.0#";         // C in the sliding and shear-key checks
inline constexpr const char* kFrictionCheck = "0.0##";        // μ in the sliding and shear-key checks
inline constexpr const char* kSurchargePage3 = "0.0#";        // q in the wall drawing and the △PA line, page 3
inline constexpr const char* kSurchargeLine = "0.00#";        // q in the surcharge lines of page 2
inline constexpr const char* kSurchargePage5 = "0.00";        // q on page 5
inline constexpr const char* kSurchargeSection = "0.0";       // q in the surcharge pressure line of the wall sections
inline constexpr const char* kLength = "0.000";               // lengths, e, d, Xn, m; ΣV, Mr, Mo, F, σmax, σmin (round3),
                                                              // ground reactions, slab loads, KA as its formula's result
inline constexpr const char* kMillimetres = "##,###";         // dimensions in the drawings, mm
inline constexpr const char* kTableCell = "0.0000";           // self-weight and load table cells (round4)
inline constexpr const char* kCentroid = "0.000";             // x, y of the self-weight table
inline constexpr const char* kEarthPressure = "0.0000";       // PA, PAX, PAY, △PA
inline constexpr const char* kDesignValue = "0";              // design M and S, bar spacing
inline constexpr const char* kDepthMm = "0.00";               // d in mm in the section formulas
inline constexpr const char* kSectionProperty = "0.000";      // k, j, lever arm, σc, σs, τc
inline constexpr const char* kEffectiveDepth = "0.00#";       // d and member thickness of a section
inline constexpr const char* kSteelRatio = "0.00000";         // p
inline constexpr const char* kPageNumber = "0";               // the number at the foot of a printed sheet
}  // namespace fmt

// The top of the page number's line at the foot of a printed sheet, twips.
inline constexpr double kPageNumberY = 15600;

// The end of a passed check's line.
inline constexpr const char* kPassed = "∴ O.K";

// Sets CurrentX and CurrentY, then prints one line there.
void printAt(plat::Surface& s, double x, double y, const std::string& text);
// count empty lines.
void emptyLines(plat::Surface& s, int count);
// The five empty lines at the top of a page. Pages 2 to 4 once counted them in
// pageLoopCounter, which the page table's steps still leave where that count ended.
inline constexpr float kLoopCounterAfterTop = 6;
void topOfPage(plat::Surface& s);

// Half-up rounding to k decimals: Int(v·10^k + 0.5) / 10^k, Int rounding down.
double roundHalfUp(double v, int decimals);
inline double round3(double v) { return roundHalfUp(v, 3); }
inline double round4(double v) { return roundHalfUp(v, 4); }
// Start x of a table number aligned on its last digit: the column's base for a rounded
// value below 10, 100 twips further left for each further integer digit, at most
// maxSteps times.
double alignedX(double baseX, double rounded, int maxSteps = 3);
// A length in metres as the drawings write it: whole millimetres, thousands grouped,
// 0 as an empty text.
std::string millimetres(double metres);
// The surcharge term under the 5 kN/m2 deduction, "(q-5.0)". Where the deduction leaves
// less than nothing the calculation takes 0, and the term says so, "(q-5.0→0)", so that
// the printed factors multiply out to the printed result.
std::string deductedSurcharge(float q, const char* pattern);

// The scale (m per 1000 twips) of a wall figure that starts at x 2850 and whose dimension
// figures end up to 2000 twips right of its far end, `width` metres from its start: the
// given scale while the figure stays within the surface's printable width, else the scale
// at which it just does.
float fittedFigureScale(float scale, double width, const plat::Surface& s);

// The load-case suffix of a page title: none when no load case is chosen, or in the
// seismic case without a design standard (the title line is then left out).
std::optional<std::string> CaseTitle(const Program& program);

// Judgement: a check passes at equality.
inline bool passesAtMost(double value, double limit) { return value <= limit; }
inline bool passesAtLeast(double value, double limit) { return value >= limit; }
// Prints the lines of a judged check. A failed check is drawn in colour 13, then the
// beep sounds once and the colour goes back to black.
void printCheck(const Program& program, plat::Surface& s, bool passed, const std::vector<std::string>& lines);

// A screen that the page table loaded before the writer, to read its controls.
template <class F>
const F& screen(const Program& program) {
    const plat::Form* f = program.find(F::kName);
    if (!f) throw std::logic_error(std::string(F::kName) + " is not loaded for the report");
    return static_cast<const F&>(*f);
}

}  // namespace page
