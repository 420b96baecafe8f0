// What an interactive command tells the user when its calculation cannot go on
// (a division by zero, a root of a negative number, a value too large to hold).
#pragma once
#include "common/program.h"
#include "common/messages.h"

inline constexpr const char* kCannotComputeMessage = "入力された値では計算できません。";

// Shows a calculation's fault or refusal, unless a project is being opened: opening
// skips a failing statement without a report.
inline void showFaultMessage(Program& program, const char* text) {
    if (program.faultMessagesMuted > 0) return;
    program.msgBox(text, plat::msg::kCritical, kErrorTitle);
}

// Shown after a num::CalcFault has stopped a calculation; nothing was marked as done.
inline void showCannotCompute(Program& program) { showFaultMessage(program, kCannotComputeMessage); }

// Mutes the fault messages for as long as it lives.
class MutedFaultMessages {
public:
    explicit MutedFaultMessages(Program& program) : program_(program) { ++program_.faultMessagesMuted; }
    ~MutedFaultMessages() { --program_.faultMessagesMuted; }
    MutedFaultMessages(const MutedFaultMessages&) = delete;
    MutedFaultMessages& operator=(const MutedFaultMessages&) = delete;

private:
    Program& program_;
};
