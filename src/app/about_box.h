// Form13: the About box.
#pragma once
#include "common/program.h"
#include "platform/form.h"

class Form13 : public plat::Form {
public:
    static constexpr const char* kName = "Form13";
    explicit Form13(Program& program);

    plat::PictureBox Picture1{*this, "Picture1"};
    plat::Label lbl1{*this, "lbl1"};
    plat::Label lbl2{*this, "lbl2"};
    plat::CommandButton cmd1{*this, "cmd1"};

    void cmd1_Click() { unload(); }
    void closeBoxPressed() override { cmd1_Click(); }
};
