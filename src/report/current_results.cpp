#include "report/current_results.h"

#include "common/calc_fault.h"
#include "common/numbers.h"
#include "report/report_pages.h"
#include "section/section_bounds.h"
#include "stability/stability_rules.h"

namespace report {

namespace {

// Reads the design-conditions screen into the design values again; false when a value
// that a calculation uses differs from the stored one, which then stays.
bool designValuesUnchanged(Program& program) {
    DesignValues& values = program;
    const DesignValues before = values;
    try {
        runProc(program, Proc::HENSUU);
    } catch (const num::CalcFault&) {
        values = before;
        return false;
    }
    DesignValues compared = values;
    compared.siteName = before.siteName;
    compared.backfillSoilType = before.backfillSoilType;
    compared.foundationSoilType = before.foundationSoilType;
    // The section design has its own check; the section pages ask for it.
    compared.deltaSection = before.deltaSection;
    // A working value: the section pages set it per bar.
    compared.rebarAllow = before.rebarAllow;
    if (compared == before) return true;
    values = before;
    return false;
}

}  // namespace

bool stabilityCurrent(Program& program) { return program.hasResult() && designValuesUnchanged(program); }

bool sectionCurrent(const Program& program) { return program.checkCurrent(); }

bool mayMakePages(Program& program, bool sectionPages) {
    if (!stabilityCurrent(program)) {
        program.msgBox(kStabilityMissingMessage, plat::msg::kOk, kErrorTitle);
        return false;
    }
    if (sectionPages && !sectionCurrent(program)) {
        program.msgBox(kSectionMissingMessage, plat::msg::kOk, kErrorTitle);
        return false;
    }
    // What the pages print keeps its rules, whatever was typed since it was computed.
    return !refuseFirstBroken(program,
                              givenOnly(sectionCurrent(program) ? sectionRules(program) : stabilityRules(program)));
}

}  // namespace report
