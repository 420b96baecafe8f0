// Form4: the dimension and surcharge screen with the stability judgement panel.
#pragma once
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/entry_field.h"
#include "common/program.h"
#include "conditions/design_choices.h"
#include "platform/form.h"

// The stability calculation was asked for without a choice it needs (no load case, the
// seismic case without a horizontal-load method, no ground shape): nothing is computed.
class StabilityInputFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Form4 : public plat::Form {
public:
    static constexpr const char* kName = "Form4";
    explicit Form4(Program& program);

    // Heading.
    plat::Label Label1{*this, "Label1"};  // "§"
    plat::TextBox txt1{*this, "txt1"};
    plat::Label Label2{*this, "Label2"};
    plat::Label Label17{*this, "Label17"};  // the screen's title
    plat::Label Label18{*this, "Label18"};  // "擁壁の記号： "
    plat::TextBox txt2{*this, "txt2"};
    plat::Label Label5{*this, "Label5"};

    // Heights.
    plat::Label Label3{*this, "Label3"};  // "H3="
    plat::TextBox txt3{*this, "txt3"};
    plat::Label lbl5{*this, "lbl5"};
    plat::Label Label4{*this, "Label4"};  // "H4="
    plat::TextBox txt4{*this, "txt4"};
    plat::Label lbl6{*this, "lbl6"};
    plat::Label Label24{*this, "Label24"};  // "H1="
    plat::TextBox txt5{*this, "txt5"};
    plat::Label Label25{*this, "Label25"};
    plat::Label Label26{*this, "Label26"};  // "H2="
    plat::TextBox txt6{*this, "txt6"};
    plat::Label Label27{*this, "Label27"};
    // Top row: wall top widths and inner batters.
    plat::TextBox txt7{*this, "txt7"};
    plat::Label Label28{*this, "Label28"};
    plat::TextBox txt8{*this, "txt8"};
    plat::Label Label29{*this, "Label29"};
    plat::TextBox txt9{*this, "txt9"};
    plat::Label Label30{*this, "Label30"};
    plat::TextBox txt10{*this, "txt10"};
    plat::Label Label31{*this, "Label31"};
    // Bottom row: toe, wall bottom widths, span, heel.
    plat::TextBox txt12{*this, "txt12"};
    plat::Label Label32{*this, "Label32"};
    plat::TextBox txt13{*this, "txt13"};
    plat::Label Label33{*this, "Label33"};
    plat::TextBox txt14{*this, "txt14"};
    plat::Label Label34{*this, "Label34"};
    plat::TextBox txt15{*this, "txt15"};
    plat::Label Label35{*this, "Label35"};
    plat::TextBox txt16{*this, "txt16"};
    plat::Label Label36{*this, "Label36"};
    // Slab thicknesses and the central fill.
    plat::TextBox txt17{*this, "txt17"};
    plat::Label Label37{*this, "Label37"};
    plat::TextBox txt18{*this, "txt18"};
    plat::Label Label38{*this, "Label38"};
    plat::TextBox txt19{*this, "txt19"};
    plat::Label Label39{*this, "Label39"};
    plat::TextBox txt20{*this, "txt20"};
    plat::Label Label40{*this, "Label40"};
    // Surcharges: back, centre, front (entered in the one-sided shape, shown in the other).
    plat::Label Label41{*this, "Label41"};
    plat::TextBox txt21{*this, "txt21"};
    plat::Label Label42{*this, "Label42"};
    plat::Label Label43{*this, "Label43"};
    plat::TextBox txt22{*this, "txt22"};
    plat::Label Label44{*this, "Label44"};
    plat::Label lbl22{*this, "lbl22"};  // one-sided shape: "上載荷重"
    plat::TextBox txt23{*this, "txt23"};
    plat::Label lbl23{*this, "lbl23"};
    plat::Label lbl32{*this, "lbl32"};  // symmetric shape: "上載荷重"
    plat::Label lbl33{*this, "lbl33"};
    plat::Label lbl34{*this, "lbl34"};

    // Captions of the figure.
    plat::Label lbl10{*this, "lbl10"};  // "前面土"
    plat::Label lbl45{*this, "lbl45"};  // "背面土"
    plat::Label Label8{*this, "Label8"};
    plat::Label Label9{*this, "Label9"};
    plat::Label Label10{*this, "Label10"};
    plat::Label Label11{*this, "Label11"};
    plat::Label Label12{*this, "Label12"};

    // Switches.
    plat::Frame Frame1{*this, "Frame1"};
    plat::Label Label19{*this, "Label19"};
    plat::OptionButton opt1{*this, "opt1"};
    plat::OptionButton opt2{*this, "opt2"};
    plat::Frame Frame2{*this, "Frame2"};
    plat::OptionButton opt3{*this, "opt3"};
    plat::OptionButton opt4{*this, "opt4"};
    plat::Frame Frame3{*this, "Frame3"};
    plat::OptionButton opt5{*this, "opt5"};
    plat::OptionButton opt6{*this, "opt6"};
    plat::CheckBox chk1{*this, "chk1"};

    // Buttons.
    plat::CommandButton cmd1{*this, "cmd1"};
    plat::CommandButton cmd2{*this, "cmd2"};
    plat::CommandButton cmd3{*this, "cmd3"};
    plat::CommandButton cmd4{*this, "cmd4"};
    plat::CommandButton cmd5{*this, "cmd5"};
    plat::CommandButton cmd6{*this, "cmd6"};

    // The stability judgement panel: fixed headings, then the result cells.
    plat::Label Label13{*this, "Label13"};  // "安 定 性 の 検 討"
    plat::Label Label14{*this, "Label14"};  // "転倒に対して"
    plat::Label Label15{*this, "Label15"};  // "支持力に対して"
    plat::Label Label16{*this, "Label16"};  // "滑動に対して"
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

    // The figure's line sets exchanged by the ground shape: one-sided (front soil lower
    // than the back soil) and symmetric (front soil up to the back soil's level).
    plat::Line Line120{*this, "Line120"};  // one-sided: front soil surface
    plat::Line Line121{*this, "Line121"};  // front surcharge
    plat::Line Line122{*this, "Line122"};  // its strokes, Line122 to Line134
    plat::Line Line123{*this, "Line123"};
    plat::Line Line124{*this, "Line124"};
    plat::Line Line125{*this, "Line125"};
    plat::Line Line126{*this, "Line126"};
    plat::Line Line127{*this, "Line127"};
    plat::Line Line128{*this, "Line128"};
    plat::Line Line129{*this, "Line129"};
    plat::Line Line130{*this, "Line130"};
    plat::Line Line131{*this, "Line131"};
    plat::Line Line132{*this, "Line132"};
    plat::Line Line133{*this, "Line133"};
    plat::Line Line134{*this, "Line134"};
    plat::Line Line135{*this, "Line135"};  // symmetric: front soil surface
    plat::Line Line136{*this, "Line136"};  // front surcharge
    plat::Line Line137{*this, "Line137"};  // its strokes, Line137 to Line149
    plat::Line Line138{*this, "Line138"};
    plat::Line Line139{*this, "Line139"};
    plat::Line Line140{*this, "Line140"};
    plat::Line Line141{*this, "Line141"};
    plat::Line Line142{*this, "Line142"};
    plat::Line Line143{*this, "Line143"};
    plat::Line Line144{*this, "Line144"};
    plat::Line Line145{*this, "Line145"};
    plat::Line Line146{*this, "Line146"};
    plat::Line Line147{*this, "Line147"};
    plat::Line Line148{*this, "Line148"};
    plat::Line Line149{*this, "Line149"};
    plat::Line Line150{*this, "Line150"};  // one-sided: dimension line of H3 and H4
    plat::Line Line151{*this, "Line151"};  // its tick at the wall top
    plat::Line Line152{*this, "Line152"};  // its tick at the front soil

    void Form_Load() override;
    void Form_Activate() override;

    // "断面計算 >": hands the checked wall over to the section design.
    void cmd1_Click();
    // "< 地盤の形状"
    void cmd2_Click();
    // "安定性の検討": checks the inputs and the chosen methods, then shows the judgement.
    void cmd3_Click();
    // "安定性の検討方法"
    void cmd4_Click();
    // "突起の計算"
    void cmd5_Click();
    // "背面上載荷重の土圧について"
    void cmd6_Click();
    void chk1_Click();
    void opt1_Click();
    void opt2_Click();
    void opt3_Click();
    void opt4_Click();
    // Shear key "無し" / "有り".
    void opt5_Click();
    void opt6_Click();
    void txt12_LostFocus();
    void txt16_LostFocus();
    void txt18_LostFocus();
    void txt19_LostFocus();
    void txt21_LostFocus();
    // The front-soil frame as the toe length box says: shown while it holds a toe,
    // hidden with both choices cleared while it is empty or "0".
    void frontSoilFrameByToe();
    // The dimension of the front heights H3 and H4, drawn in the one-sided shape only.
    void showFrontHeights(bool shown);

    // The stability calculation: reads this screen, the design conditions and the
    // dialogs, and writes every stability value of the program. A num::CalcFault (a
    // division by zero, a degenerate wall) or a StabilityInputFault stops it at that
    // step; DANMEM_1 then sets sigmaMax to 0 (no result counts) and rethrows, so the
    // command that ran it reports the fault.
    void DANMEM_1();

    // Runs the calculation and writes the judgement panel. A calculation that cannot
    // go on is reported once and leaves no result; false then.
    bool GamenHyouji();
    // The panel's judgement of the values of the last calculation (everything of
    // GamenHyouji after the calculation itself).
    void showJudgement();

    // The ground-reaction sketch of the last calculation in the key dialog of the
    // building (T) or the road standard (D).
    void Ouryoku_T();
    void Ouryoku_D();

    // Hides the judgement panel and marks the stability result invalid.
    void Hihyouji_1();
    // Disables overwrite save, preview and print on the toolbar. Touches the toolbar
    // alone, so it never creates this screen.
    static void Hihyouji_2(Program& program);
    // Hides the judgement panel but keeps the stability result.
    void Hihyouji_3();
    // Empties the sliding lines, with and without the key, and hides the caption of the
    // line without it: what the shear key decides is judged afresh.
    void clearSlidingLines();
    // "寸法の入力 >" on the ground-shape screen: shows this screen set up for the shape.
    void takeOverFromGroundShape();
    // A calculation that could not go on leaves no result, and the toolbar waits for one.
    void dropFailedResult();
    // Registers, for the screens below it, how the results of this screen are dropped and
    // how it takes over the ground shape.
    static void registerForLowerFloors(Program& program);
    // A calculation that the panel does not show leaves no result: Hihyouji_1 and
    // Hihyouji_2 while the panel is hidden, nothing while it shows its judgement.
    void dropUnshownResult();

private:
    // The common lines of the figure: outline, soil surfaces, back and central
    // surcharges, the resultant's line of action, the panel's rules.
    std::vector<std::unique_ptr<plat::Line>> figure_;
    // The heads and extension lines of the H3/H4 dimension, shown and hidden with Line150.
    std::vector<plat::Line*> frontHeights_;
    plat::Line& addLine(int x1, int y1, int x2, int y2, int style = 1);
    // Arrow heads at a and b of a length along x (horizontal) or y, on the line at `at`.
    std::vector<plat::Line*> arrowHeads(bool horizontal, int a, int b, int at);
    // A dimension of the length a to b: its line at `at`, drawn from `from` to `to` so that
    // it also runs under the box that holds the length, and its heads.
    void dimension(bool horizontal, int a, int b, int at, int from, int to);
    void placeControls();
    void drawFigure();
    void drawRules();
    void drawOutline();
    void drawSoilAndLoads();
    void drawDimensions();
    void drawFrontSide();
    void bindHandlers();
    void bindFields();

    // The table of what each input makes stale, beside the entry fields.
    void bindInvalidation();
    bool oneSided();
    bool symmetric();
    // Front-soil frame by the toe text: shown for a toe; hidden, its choice cleared, for none.
    void frontSoilFrameByText(const plat::TextBox& box);
    void printSymmetricNotes();
    // The steps of "安定性の検討" before its run: the rules of every box it reads, then
    // the choices and the methods of each load case.
    bool inputsKeepTheirRules();
    bool choicesMade();
    bool normalMethodsChosen();
    bool seismicMethodsChosen();
    void keyHeightPath(bool building);
    // A number as the screen shows it: up to seven significant digits, no blanks.
    static std::string numberText(float value);

    Program& program_;
    // What each input of this screen makes stale.
    InvalidationTable stale_{program_.invalidation};
    EntryFields fields_;
};

// The dimension screen's switches in words, as the screen shows them now. Reading loads
// nothing: without the dimension screen loaded no switch is set.
DimensionChoices dimensionChoices(const Program& program);
