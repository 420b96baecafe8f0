// Form15: the print-range dialog. Chooses the pages to print and the page numbering,
// then starts the print run.
#pragma once
#include "common/entry_field.h"
#include "common/program.h"
#include "platform/controls.h"
#include "platform/form.h"

class Form15 : public plat::Form {
public:
    static constexpr const char* kName = "Form15";
    explicit Form15(Program& program);

    plat::OptionButton opt1{*this, "opt1"};
    plat::OptionButton opt2{*this, "opt2"};
    plat::OptionButton opt3{*this, "opt3"};
    plat::OptionButton opt4{*this, "opt4"};
    plat::OptionButton opt5{*this, "opt5"};
    plat::CheckBox chk_P{*this, "chk_P"};
    plat::TextBox txt_P{*this, "txt_P"};
    plat::CommandButton cmd1{*this, "cmd1"};
    plat::CommandButton cmd2{*this, "cmd2"};
    plat::Frame Frame1{*this, "Frame1"};
    plat::Label lbl2{*this, "lbl2"};
    plat::Label lbl1{*this, "lbl1"};

    void opt_Click();
    void chk_P_Click();
    void cmd1_Click();  // ＯＫ
    void cmd2_Click();  // キャンセル

private:
    void layout();
    Program& program_;
    EntryFields fields_;
};

namespace report {

// Every print command: the print-range dialog, modal. No range can be printed without a
// stability result for the inputs on screen, so then the user hears why instead, before
// choosing a range.
void showPrintRange(Program& program);

}  // namespace report
