// Form3: the design-conditions screen.
#pragma once
#include "common/entry_bounds.h"
#include "common/entry_field.h"
#include "common/program.h"
#include "platform/form.h"

struct ConditionBox;

class Form3 : public plat::Form {
public:
    static constexpr const char* kName = "Form3";
    explicit Form3(Program& program);

    // Heading, site and design standard.
    plat::Label lbl28{*this, "lbl28"};
    plat::Label lbl59{*this, "lbl59"};
    plat::Label Label41{*this, "Label41"};
    plat::TextBox txt1{*this, "txt1"};
    plat::OptionButton opt_T{*this, "opt_T"};
    plat::OptionButton opt_D{*this, "opt_D"};
    // Load case.
    plat::Frame Frame2{*this, "Frame2"};
    plat::Label Label43{*this, "Label43"};
    plat::OptionButton opt3{*this, "opt3"};
    plat::OptionButton opt4{*this, "opt4"};
    plat::CommandButton cmd1{*this, "cmd1"};
    plat::CommandButton cmd2{*this, "cmd2"};
    plat::CommandButton cmd4{*this, "cmd4"};
    // Allowable stresses of the materials.
    plat::Label lbl4{*this, "lbl4"};
    plat::Label lbl56{*this, "lbl56"};
    plat::Label lbl57{*this, "lbl57"};
    plat::Label lbl58{*this, "lbl58"};
    plat::Label lbl55{*this, "lbl55"};
    plat::Label lbl46{*this, "lbl46"};
    plat::Label lbl47{*this, "lbl47"};
    plat::Label lbl54{*this, "lbl54"};
    plat::Label lbl53{*this, "lbl53"};
    plat::TextBox txt2{*this, "txt2"};
    plat::TextBox txt3{*this, "txt3"};
    plat::TextBox txt13{*this, "txt13"};
    plat::TextBox txt4{*this, "txt4"};
    // Unit weights.
    plat::Label Label2{*this, "Label2"};
    plat::Label lbl22{*this, "lbl22"};
    plat::Label lbl23{*this, "lbl23"};
    plat::Label lbl24{*this, "lbl24"};
    plat::Label lbl25{*this, "lbl25"};
    plat::TextBox txt5{*this, "txt5"};
    plat::TextBox txt6{*this, "txt6"};
    // Foundation ground.
    plat::Label lbl2{*this, "lbl2"};
    plat::Label lbl3{*this, "lbl3"};
    plat::Label lbl10{*this, "lbl10"};
    plat::ComboBox cbo2{*this, "cbo2"};
    plat::TextBox txt11{*this, "txt11"};
    // Cohesion of the foundation ground.
    plat::Frame Frame3{*this, "Frame3"};
    plat::Label Label3{*this, "Label3"};
    plat::Label Label10{*this, "Label10"};
    plat::Label Label13{*this, "Label13"};
    plat::TextBox txt14{*this, "txt14"};
    plat::OptionButton opt7{*this, "opt7"};
    plat::OptionButton opt8{*this, "opt8"};
    // Base friction.
    plat::Frame Frame4{*this, "Frame4"};
    plat::Label Label4{*this, "Label4"};
    plat::Label lbl12{*this, "lbl12"};
    plat::TextBox txt9{*this, "txt9"};
    plat::OptionButton opt5{*this, "opt5"};
    plat::OptionButton opt6{*this, "opt6"};
    // Backfill.
    plat::Label lbl5{*this, "lbl5"};
    plat::Label lbl52{*this, "lbl52"};
    plat::Label lbl45{*this, "lbl45"};
    plat::Label lbl19{*this, "lbl19"};
    plat::Label lbl51{*this, "lbl51"};
    plat::Label lbl16{*this, "lbl16"};
    plat::Label lbl17{*this, "lbl17"};
    plat::Label lbl14{*this, "lbl14"};
    plat::ComboBox cbo1{*this, "cbo1"};
    plat::TextBox txt8{*this, "txt8"};
    // Wall friction angles.
    plat::Label lbl20{*this, "lbl20"};
    plat::Label lbl29{*this, "lbl29"};
    plat::Label Label40{*this, "Label40"};
    plat::Label Label26{*this, "Label26"};
    plat::Label lbl39{*this, "lbl39"};
    plat::Label Label19{*this, "Label19"};
    plat::Label Label15{*this, "Label15"};
    plat::TextBox txt10{*this, "txt10"};
    plat::TextBox txt12{*this, "txt12"};
    plat::CommandButton cmd7{*this, "cmd7"};
    // Active earth-pressure coefficient.
    plat::Frame Frame1{*this, "Frame1"};
    plat::Label Label1{*this, "Label1"};
    plat::Label Label18{*this, "Label18"};
    plat::TextBox txt15{*this, "txt15"};
    plat::OptionButton opt1{*this, "opt1"};
    plat::OptionButton opt2{*this, "opt2"};
    plat::CommandButton cmd5{*this, "cmd5"};
    plat::CommandButton cmd6{*this, "cmd6"};
    // Forward to the ground shape.
    plat::CommandButton cmd3{*this, "cmd3"};
    // Degree signs after the angle boxes.
    plat::Label Label20{*this, "Label20"};
    plat::Label Label21{*this, "Label21"};
    plat::Label Label22{*this, "Label22"};
    plat::Label Label23{*this, "Label23"};
    plat::Label Label24{*this, "Label24"};
    // The column divider and the lines between the groups.
    plat::Line Line1{*this, "Line1"};
    plat::Line Line2{*this, "Line2"};
    plat::Line Line3{*this, "Line3"};
    plat::Line Line4{*this, "Line4"};
    plat::Line Line5{*this, "Line5"};
    plat::Line Line6{*this, "Line6"};
    plat::Line Line7{*this, "Line7"};
    plat::Line Line8{*this, "Line8"};

    void Form_Load() override;
    void Form_Activate() override;

    // Design standard, load case and the seismic-coefficient dialog.
    void opt_T_Click();
    void opt_D_Click();
    void cmd1_Click();
    void cmd2_Click();
    // The options beside "常時" and "地震時" choose the load case as the buttons do.
    void opt3_Click();
    void opt4_Click();
    void cmd4_Click();
    // KA typed or computed.
    void cmd5_Click();
    void cmd6_Click();
    // Base friction typed or tan φB; cohesion considered or not.
    void opt5_Click();
    void opt6_Click();
    void opt7_Click();
    void opt8_Click();
    // Soil lists.
    void cbo1_Click();
    void cbo2_Click();
    void cbo1_KeyPress(int& keyAscii);
    void cbo2_KeyPress(int& keyAscii);
    // "地盤の形状 >": checks the screen and hands over to the ground shape.
    void cmd3_Click();
    // The numeric boxes with their bounds and messages, in the order "地盤の形状 >" checks
    // their numbers; the short-term stress counts in the seismic case only.
    std::vector<BoundedBox> boundedBoxes();
    // The steps of "地盤の形状 >" for one row of the screen: its box asked for when empty
    // or refused when it holds no value a wall has; then what follows from it (a
    // standard, the road's least strength, the seismic method). True after a refusal.
    bool boxRefused(const ConditionBox& row, bool road);
    bool followerRefused(const ConditionBox& row, bool road);
    // In front of the later screens, as when the engineer goes back to it.
    void bringToFront();
    // What KA's "計算" and δ's "計算する" judge before they compute: φ, and every other box
    // that takes part and holds a text (the calculation reads them all), but the result's
    // own box. An empty box reads 0 here; the forward command asks for it.
    std::vector<BoundedBox> formulaRules(const plat::TextBox& result);

    // Design-condition values and allowable stresses from the screen.
    void HENSUU();
    // Active earth-pressure coefficient KA (Coulomb or Mononobe-Okabe).
    // False when it computed nothing (an input missing, or no formula for the load case).
    bool KEISAN();
    void MESSEIJI();
    // Seismic wall friction angle δ.
    void cmd7_Click();
    // δ from φ and the seismic angle θk (its steps by jDERUTA; δ = φ where β + θk reaches φ).
    void deriveDelta();
    void jDERUTA();
    // Base friction μ = tan φB.
    void Masatu();
    // A δ written by 計算する goes when what it follows from changes (φ, the seismic
    // coefficients): the box is emptied and δ counts as typed again.
    void withdrawComputedDelta();

private:
    void layout();
    void bindHandlers();
    void bindFields();
    // A computed KA goes with its mode; a typed one stays.
    void dropKa();
    // The table of what each input makes stale, beside the entry fields.
    void bindInvalidation();
    // Kh and Kv again from the seismic dialog under the standard chosen now.
    void refreshSeismicInput();
    // The steps of a computed KA and δ worked out again from the boxes, then HENSUU;
    // false, told, when the boxes give no values.
    bool deriveGivenFigures();
    bool deltaStillGiven();
    bool kaStillGiven();
    bool withdrawGivenFigure(plat::TextBox& box);
    void fillSoilLists(bool road);
    void standardChosen(const plat::OptionButton& option, bool road);
    void withdrawKa();
    void showShortTermRow(bool shown);

    Program& program_;
    // What each input of this screen makes stale.
    InvalidationTable stale_{program_.invalidation};
    EntryFields fields_;
    // A load-case button sets its option: the option's click must not run the button again.
    bool choosingLoadCase_ = false;
};
