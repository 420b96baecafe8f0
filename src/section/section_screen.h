// Form7: the section screen, where each check location gets its bars, spacing and cover.
#pragma once
#include "common/program.h"
#include "platform/form.h"

class Form7 : public plat::Form {
public:
    static constexpr const char* kName = "Form7";
    explicit Form7(Program& program);

    // Bar arrangement lists, one per check location.
    plat::ComboBox cbo1{*this, "cbo1"};
    plat::ComboBox cbo2{*this, "cbo2"};
    plat::ComboBox cbo5{*this, "cbo5"};
    plat::ComboBox cbo6{*this, "cbo6"};
    plat::ComboBox cbo7{*this, "cbo7"};
    plat::ComboBox cbo8{*this, "cbo8"};
    plat::ComboBox cbo9{*this, "cbo9"};
    plat::ComboBox cbo10{*this, "cbo10"};
    // Cover of each location in mm.
    plat::Label lbl_r1{*this, "lbl_r1"};
    plat::Label lbl_r2{*this, "lbl_r2"};
    plat::Label lbl_r5{*this, "lbl_r5"};
    plat::Label lbl_r6{*this, "lbl_r6"};
    plat::Label lbl_r7{*this, "lbl_r7"};
    plat::Label lbl_r8{*this, "lbl_r8"};
    plat::Label lbl_r9{*this, "lbl_r9"};
    plat::Label lbl_r10{*this, "lbl_r10"};
    // Computed bar spacing of each location.
    plat::Label lbl_ra{*this, "lbl_ra"};
    plat::Label lbl_rb{*this, "lbl_rb"};
    plat::Label lbl_re{*this, "lbl_re"};
    plat::Label lbl_rf{*this, "lbl_rf"};
    plat::Label lbl_rg{*this, "lbl_rg"};
    plat::Label lbl_rh{*this, "lbl_rh"};
    plat::Label lbl_ri{*this, "lbl_ri"};
    plat::Label lbl_rj{*this, "lbl_rj"};
    // Design bar spacing of each location.
    plat::TextBox txt1{*this, "txt1"};
    plat::TextBox txt2{*this, "txt2"};
    plat::TextBox txt5{*this, "txt5"};
    plat::TextBox txt6{*this, "txt6"};
    plat::TextBox txt7{*this, "txt7"};
    plat::TextBox txt8{*this, "txt8"};
    plat::TextBox txt9{*this, "txt9"};
    plat::TextBox txt10{*this, "txt10"};
    // Stress-check results, four per location (σc, σs, τc, judgement).
    plat::Label lbl1{*this, "lbl1"};
    plat::Label lbl2{*this, "lbl2"};
    plat::Label lbl3{*this, "lbl3"};
    plat::Label lbl4{*this, "lbl4"};
    plat::Label lbl5{*this, "lbl5"};
    plat::Label lbl6{*this, "lbl6"};
    plat::Label lbl7{*this, "lbl7"};
    plat::Label lbl8{*this, "lbl8"};
    plat::Label lbl17{*this, "lbl17"};
    plat::Label lbl18{*this, "lbl18"};
    plat::Label lbl19{*this, "lbl19"};
    plat::Label lbl20{*this, "lbl20"};
    plat::Label lbl21{*this, "lbl21"};
    plat::Label lbl22{*this, "lbl22"};
    plat::Label lbl23{*this, "lbl23"};
    plat::Label lbl24{*this, "lbl24"};
    plat::Label lbl25{*this, "lbl25"};
    plat::Label lbl26{*this, "lbl26"};
    plat::Label lbl27{*this, "lbl27"};
    plat::Label lbl28{*this, "lbl28"};
    plat::Label lbl29{*this, "lbl29"};
    plat::Label lbl30{*this, "lbl30"};
    plat::Label lbl31{*this, "lbl31"};
    plat::Label lbl32{*this, "lbl32"};
    plat::Label lbl33{*this, "lbl33"};
    plat::Label lbl34{*this, "lbl34"};
    plat::Label lbl35{*this, "lbl35"};
    plat::Label lbl36{*this, "lbl36"};
    plat::Label lbl37{*this, "lbl37"};
    plat::Label lbl38{*this, "lbl38"};
    plat::Label lbl39{*this, "lbl39"};
    plat::Label lbl40{*this, "lbl40"};
    plat::TextBox txt_ka{*this, "txt_ka"};
    plat::OptionButton opt1{*this, "opt1"};
    plat::OptionButton opt2{*this, "opt2"};
    plat::CheckBox chk_1{*this, "chk_1"};
    plat::TextBox txt_1{*this, "txt_1"};

    void Form_Load() override;
    void Form_Activate() override;
    // Clears every section result.
    void Hihyouji_3();

    // The 21 bar arrangements as the lists show them.
    static const char* const kBarItems[21];

private:
    Program& program_;
};
