// Form25: the seismic-coefficient dialog (horizontal-load method, Kh or Kho with the
// regional coefficient Cz, Kv). Its option buttons are the program-wide seismic method
// and region; "ＯＫ" hides it and keeps them, "キャンセル" hides it as it was opened.
#pragma once
#include <array>
#include <string>

#include "common/entry_bounds.h"
#include "common/entry_field.h"
#include "common/program.h"
#include "platform/form.h"

class Form25 : public plat::Form {
public:
    static constexpr const char* kName = "Form25";
    explicit Form25(Program& program);

    // Seismic horizontal-load method.
    plat::Label Label1{*this, "Label1"};
    plat::Label Label2{*this, "Label2"};
    plat::Label Label4{*this, "Label4"};
    plat::OptionButton opt_K1{*this, "opt_K1"};
    plat::Label Label5{*this, "Label5"};
    plat::OptionButton opt_K2{*this, "opt_K2"};
    plat::Label Label3{*this, "Label3"};
    plat::OptionButton opt_D1{*this, "opt_D1"};
    plat::Label Label6{*this, "Label6"};
    // Seismic coefficients.
    plat::Frame Frame1{*this, "Frame1"};
    plat::Label Label9{*this, "Label9"};
    plat::Label Label7{*this, "Label7"};
    plat::TextBox Text1{*this, "Text1"};
    plat::Label Label8{*this, "Label8"};
    plat::TextBox Text2{*this, "Text2"};
    // Regional coefficient Cz (road standard only).
    plat::Frame frm1{*this, "frm1"};
    plat::Label lbl_Cz{*this, "lbl_Cz"};
    plat::Label lbl_A{*this, "lbl_A"};
    plat::OptionButton opt_A{*this, "opt_A"};
    plat::Label lbl_B{*this, "lbl_B"};
    plat::OptionButton opt_B{*this, "opt_B"};
    plat::Label lbl_C{*this, "lbl_C"};
    plat::OptionButton opt_C{*this, "opt_C"};
    plat::CommandButton cmd1{*this, "cmd1"};
    plat::CommandButton cmd2{*this, "cmd2"};

    // Shows the dialog modal. What it holds now is in force: an "ＯＫ" that confirms it
    // unchanged changes nothing.
    void open();
    // "ＯＫ": checks the inputs, stores the coefficients, hides the dialog.
    void cmd1_Click();
    // "キャンセル": puts back what the dialog held when it opened and hides it.
    void cmd2_Click();
    // Stores Kh (or Kho and Cz) and Kv from the dialog under the current design standard.
    void Jisin();
    // The two coefficient boxes with their bounds and messages.
    std::vector<BoundedBox> boundedBoxes();

    bool methodChosen() const { return opt_K1.value() || opt_K2.value() || opt_D1.value(); }
    bool regionChosen() const { return opt_A.value() || opt_B.value() || opt_C.value(); }

    // The close box does what "キャンセル" does.
    void closeBoxPressed() override { cmd2_Click(); }

private:
    void layout();
    // The method and region options, and the coefficients stored from them.
    struct Choice {
        std::array<bool, 6> options{};
        float kh = 0, kv = 0;
        double kho = 0, cz = 0;
        bool operator==(const Choice&) const = default;
    };
    Choice choice() const;
    // The method options and then the region options, in the order of Choice::options.
    std::array<plat::OptionButton*, 6> options();

    Program& program_;
    // What each input of this screen makes stale.
    InvalidationTable stale_{program_.invalidation};
    EntryFields fields_;
    // What was in force when the dialog was last opened, and the texts it showed then.
    Choice inForce_;
    std::string openedKh_, openedKv_;
};
