// What a command that runs the stability calculation does when the calculation cannot
// go on (a division by zero, a value too large to hold): no result counts, saving,
// preview and print are off, and the user is told once.
#pragma once
#include "common/program.h"
#include "common/calc_fault.h"
#include "stability/dimension_screen.h"

inline constexpr const char* kStabilityFaultMessage = "入力された値では安定計算ができません。";

// Call after a num::CalcFault has stopped the stability calculation.
inline void reportStabilityFault(Program& program) {
    program.form<Form4>().dropFailedResult();
    showFaultMessage(program, kStabilityFaultMessage);
}
