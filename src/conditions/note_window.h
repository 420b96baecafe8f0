// Form27: the note on the earth pressure of the back surcharge, opened from the
// dimension screen; it explains the surcharge deduction box there.
#pragma once
#include "common/program.h"
#include "platform/form.h"

class Form27 : public plat::Form {
public:
    static constexpr const char* kName = "Form27";
    explicit Form27(Program& program);

    plat::Label Label5{*this, "Label5"};  // heading
    // The quotation inside its ruled box.
    plat::Line Line1{*this, "Line1"};
    plat::Line Line2{*this, "Line2"};
    plat::Line Line3{*this, "Line3"};
    plat::Line Line4{*this, "Line4"};
    plat::Label Label1{*this, "Label1"};
    plat::Label Label2{*this, "Label2"};
    plat::Label Label3{*this, "Label3"};
    plat::Label Label4{*this, "Label4"};  // the source
    plat::CommandButton cmd1{*this, "cmd1"};

    // "閉じる": hides the window and so ends its modal display; it is shown again as it is.
    void cmd1_Click();
    void closeBoxPressed() override { cmd1_Click(); }
};
