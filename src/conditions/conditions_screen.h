// Form3: the design-conditions screen.
#pragma once
#include "common/program.h"
#include "platform/form.h"

class Form3 : public plat::Form {
public:
    static constexpr const char* kName = "Form3";
    explicit Form3(Program& program);

    plat::TextBox txt1{*this, "txt1"};
    plat::OptionButton opt_T{*this, "opt_T"};
    plat::OptionButton opt_D{*this, "opt_D"};
    plat::Frame Frame2{*this, "Frame2"};
    plat::OptionButton opt3{*this, "opt3"};
    plat::OptionButton opt4{*this, "opt4"};
    plat::CommandButton cmd4{*this, "cmd4"};
    plat::Label lbl46{*this, "lbl46"};
    plat::TextBox txt13{*this, "txt13"};
    plat::Label lbl47{*this, "lbl47"};

    void Form_Load() override;
    void Form_Activate() override;

private:
    Program& program_;
};
