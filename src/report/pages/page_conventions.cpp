#include "report/pages/page_conventions.h"

#include <cmath>

#include "common/numbers.h"
#include "conditions/design_choices.h"

namespace page {

void printAt(plat::Surface& s, double x, double y, const std::string& text) {
    s.setCurrentX(x);
    s.setCurrentY(y);
    s.print(text);
}

void emptyLines(plat::Surface& s, int count) {
    for (int i = 0; i < count; ++i) s.print("");
}

void topOfPage(plat::Surface& s) { emptyLines(s, 5); }

double roundHalfUp(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return num::finite(std::floor(num::finite(v * scale + 0.5)) / scale);
}

double alignedX(double baseX, double rounded, int maxSteps) {
    int steps = 0;
    for (double limit = 10; steps < maxSteps && rounded >= limit; limit *= 10) ++steps;
    return baseX - 100.0 * steps;
}

std::string millimetres(double metres) { return num::format(num::finite(1000.0 * metres), fmt::kMillimetres); }

std::string deductedSurcharge(float q, const char* pattern) {
    std::string term = "(";
    term += num::format(q, pattern);
    term += "-5.0";
    if (q < 5.0f) term += "→0";
    term += ")";
    return term;
}

float fittedFigureScale(float scale, double width, const plat::Surface& s) {
    constexpr double kFigureLeft = 2850;
    constexpr double kRightOfFarEnd = 2000;
    const double room = s.printableWidth() - kFigureLeft - kRightOfFarEnd;
    if (!(room > 0) || !(width > 0)) return scale;
    const double fitting = 1000.0 * width / room;
    return fitting > scale ? num::store(fitting) : scale;
}

std::optional<std::string> CaseTitle(const Program& program) {
    const DesignChoices choices = designChoices(program);
    if (choices.normal()) return "（常時）";
    if (!choices.seismic()) return std::nullopt;
    if (choices.building()) return program.seismicKh < 0.25f ? "（中地震時）" : "（大地震時）";
    if (choices.road()) return "（地震時）";
    return std::nullopt;
}

void printCheck(const Program& program, plat::Surface& s, bool passed, const std::vector<std::string>& lines) {
    if (!passed) s.setForeColor(plat::kColour13);
    for (const std::string& text : lines) s.print(text);
    if (!passed) {
        program.services().beep();
        s.setForeColor(plat::kBlack);
    }
}

}  // namespace page
