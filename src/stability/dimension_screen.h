// Form4: the dimension and surcharge screen with the stability judgement panel.
#pragma once
#include "common/program.h"
#include "platform/form.h"

class Form4 : public plat::Form {
public:
    static constexpr const char* kName = "Form4";
    explicit Form4(Program& program);

    // The stability judgement panel.
    plat::Label lbl46{*this, "lbl46"};
    plat::Label lbl47{*this, "lbl47"};
    plat::Label lbl48{*this, "lbl48"};
    plat::Label lbl52{*this, "lbl52"};
    plat::Label lbl53{*this, "lbl53"};
    plat::Label lbl54{*this, "lbl54"};
    plat::Label lbl56{*this, "lbl56"};
    plat::Label lbl57{*this, "lbl57"};
    plat::Label lbl58{*this, "lbl58"};
    plat::Label lbl59{*this, "lbl59"};
    plat::Label lbl60{*this, "lbl60"};
    plat::Label lbl61{*this, "lbl61"};
    plat::Label lbl62{*this, "lbl62"};
    plat::Label lbl64{*this, "lbl64"};
    plat::Label lbl65{*this, "lbl65"};
    plat::Label lbl66{*this, "lbl66"};
    plat::Label lbl67{*this, "lbl67"};
    plat::Label lbl68{*this, "lbl68"};
    plat::Label lbl69{*this, "lbl69"};
    plat::Label lbl70{*this, "lbl70"};

    void Form_Load() override;
    void Form_Activate() override;

    // Hides the judgement panel and marks the stability result invalid.
    void Hihyouji_1();
    // Disables overwrite save, preview and print on the toolbar. Touches the toolbar
    // alone, so it never creates this screen.
    static void Hihyouji_2(Program& program);
    // Hides the judgement panel but keeps the stability result.
    void Hihyouji_3();

private:
    Program& program_;
};
