// What an interactive command tells the user when its calculation cannot go on
// (a division by zero, a root of a negative number, a value too large to hold).
#pragma once
#include "common/program.h"
#include "common/messages.h"

inline constexpr const char* kCannotComputeMessage = "入力された値では計算できません。";

// Shown after a num::CalcFault has stopped a calculation; nothing was marked as done.
inline void showCannotCompute(Program& program) {
    constexpr int kOkCritical = 16;
    program.msgBox(kCannotComputeMessage, kOkCritical, kErrorTitle);
}
