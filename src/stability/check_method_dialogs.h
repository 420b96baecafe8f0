// Form14 and Form21: the check-method dialogs of the normal and the seismic load case.
// The choices live in the option buttons themselves; "ＯＫ" hides the dialog and keeps
// them, "キャンセル" unloads it and drops them. Readers take them through `checkMethods`.
#pragma once
#include "common/entry_bounds.h"
#include "common/entry_field.h"
#include "common/program.h"
#include "conditions/design_choices.h"
#include "platform/form.h"

// Form14: check methods of the normal load case.
class Form14 : public plat::Form {
public:
    static constexpr const char* kName = "Form14";
    explicit Form14(Program& program);

    plat::Label label1{*this, "label1"};
    // Overturning.
    plat::Frame Frame1{*this, "Frame1"};
    plat::OptionButton opt1{*this, "opt1"};
    plat::OptionButton opt2{*this, "opt2"};
    plat::OptionButton opt3{*this, "opt3"};
    plat::OptionButton opt6{*this, "opt6"};
    plat::Label lbl2{*this, "lbl2"};
    plat::Label lbl3{*this, "lbl3"};
    plat::Label lbl4{*this, "lbl4"};
    plat::Label lbl9{*this, "lbl9"};
    plat::Line Line1{*this, "Line1"};
    plat::Line Line2{*this, "Line2"};
    plat::Line Line3{*this, "Line3"};
    // Bearing (fixed text).
    plat::Frame Frame2{*this, "Frame2"};
    plat::Label lbl5{*this, "lbl5"};
    plat::Label lbl6{*this, "lbl6"};
    plat::Label lbl7{*this, "lbl7"};
    // Sliding and the effective loaded area.
    plat::Frame Frame3{*this, "Frame3"};
    plat::Label lbl8{*this, "lbl8"};
    plat::Label lbl10{*this, "lbl10"};
    plat::Label lbl1{*this, "lbl1"};
    plat::OptionButton opt4{*this, "opt4"};
    plat::OptionButton opt5{*this, "opt5"};
    plat::CommandButton cmd1{*this, "cmd1"};
    plat::CommandButton cmd2{*this, "cmd2"};

    void cmd1_Click();
    void cmd2_Click();
    void opt1_Click();
    void opt2_Click();
    void opt3_Click();
    void opt4_Click();
    void opt5_Click();
    void opt6_Click();
    void closeBoxPressed() override { cmd2_Click(); }

private:
    Program& program_;
    // What each input of this screen makes stale.
    InvalidationTable stale_{program_.invalidation};
};

// Form21: check methods of the seismic load case.
class Form21 : public plat::Form {
public:
    static constexpr const char* kName = "Form21";
    explicit Form21(Program& program);

    plat::Label Label1{*this, "Label1"};
    // Overturning.
    plat::Frame Frame1{*this, "Frame1"};
    plat::OptionButton opt1{*this, "opt1"};
    plat::OptionButton opt2{*this, "opt2"};
    plat::OptionButton opt3{*this, "opt3"};
    plat::OptionButton opt4{*this, "opt4"};
    plat::OptionButton opt9{*this, "opt9"};
    plat::OptionButton opt10{*this, "opt10"};
    plat::Label Label3{*this, "Label3"};
    plat::Label Label4{*this, "Label4"};
    // Bearing (fixed text).
    plat::Frame Frame2{*this, "Frame2"};
    plat::Label Label5{*this, "Label5"};
    plat::Label Label6{*this, "Label6"};
    plat::Label Label7{*this, "Label7"};
    // Sliding, with the effective loaded area in its own group.
    plat::Frame Frame3{*this, "Frame3"};
    plat::OptionButton opt5{*this, "opt5"};
    plat::OptionButton opt6{*this, "opt6"};
    plat::Label Label10{*this, "Label10"};
    plat::Frame Frame4{*this, "Frame4"};
    plat::Label lbl1{*this, "lbl1"};
    plat::OptionButton opt7{*this, "opt7"};
    plat::OptionButton opt8{*this, "opt8"};
    // Seismic inertia of the surcharges and its height of action.
    plat::CheckBox chk1{*this, "chk1"};
    plat::Label lbl2{*this, "lbl2"};
    plat::TextBox txt1{*this, "txt1"};
    plat::Label lbl3{*this, "lbl3"};
    plat::CommandButton cmd1{*this, "cmd1"};
    plat::CommandButton cmd2{*this, "cmd2"};

    void cmd1_Click();
    void cmd2_Click();
    void chk1_Click();
    // The height box of the surcharge inertia, counted while the tick is set.
    std::vector<BoundedBox> boundedBoxes();
    // opt1 to opt10 share one handler: each only clears the stability result.
    void opt_Click();
    void closeBoxPressed() override { cmd2_Click(); }

private:
    Program& program_;
    // What each input of this screen makes stale.
    InvalidationTable stale_{program_.invalidation};
    EntryFields fields_;
};

// The dimension screen's "安定性の検討方法": prepares the dialog of the current load case
// (effective-area choice by the cohesion, surcharge-inertia box by the seismic method)
// and shows it modal.
void openCheckMethodDialog(Program& program);
// Without cohesion the effective-area choice has no term to act on: the loaded dialogs
// clear it and grey it out, as they do when they open with C = 0. Loads nothing.
void forgetEffectiveArea(Program& program);

// The choices of both dialogs in words. Loads nothing: a dialog that is not loaded has
// nothing chosen and no tick, as when it is loaded afresh.
CheckMethods checkMethods(const Program& program);
