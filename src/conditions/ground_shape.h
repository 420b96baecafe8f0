// Form23: the ground-shape step between the design conditions and the dimensions, where
// the wall takes earth pressure from one side or symmetrically from both.
#pragma once
#include "common/program.h"
#include "common/fixed_drawing.h"
#include "platform/form.h"

class Form23 : public plat::Form {
public:
    static constexpr const char* kName = "Form23";
    explicit Form23(Program& program);

    // Headings: the step's own and the plan sketch's.
    plat::Label lbl28[2]{{*this, "lbl28(0)"}, {*this, "lbl28(1)"}};
    plat::Label Label34{*this, "Label34"};
    // GroundShape: one-sided (opt1) or symmetric (opt2).
    plat::Frame Frame1{*this, "Frame1"};
    plat::OptionButton opt1{*this, "opt1"};
    plat::OptionButton opt2{*this, "opt2"};
    plat::CommandButton cmd2{*this, "cmd2"};
    plat::CommandButton cmd1{*this, "cmd1"};
    // The plan sketch, the two section figures and the notes.
    FixedDrawing figures{*this, "fig"};

    void opt1_Click();
    void opt2_Click();
    // "< 設計条件"
    void cmd2_Click();
    // "寸法の入力 >"
    void cmd1_Click();

private:
    void drawFigures();

    Program& program_;
    // What each input of this screen makes stale.
    InvalidationTable stale_{program_.invalidation};
};
