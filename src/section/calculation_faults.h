// Where a run of the program's calculations may stop short: a number it cannot compute,
// a choice the stability calculation needs, a section location refused. Anything else
// thrown is a fault of the program and goes on up.
#pragma once
#include "common/numbers.h"
#include "section/section_refusal.h"
#include "stability/dimension_screen.h"

// Runs the calculations; false when one of them stopped at a calculation fault.
template <class F>
bool calculationCompletes(F&& calculation) {
    try {
        calculation();
        return true;
    } catch (const num::CalcFault&) {
    } catch (const StabilityInputFault&) {
    } catch (const SectionRefusal&) {
    }
    return false;
}
