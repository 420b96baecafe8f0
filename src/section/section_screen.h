// Form7: the section screen, where each check location gets its bars, spacing and cover.
#pragma once
#include <array>
#include <vector>

#include "common/entry_field.h"
#include "section/check_locations.h"
#include "common/program.h"
#include "conditions/design_choices.h"
#include "common/fixed_drawing.h"
#include "common/shown_texts.h"
#include "platform/form.h"

class Form7 : public plat::Form {
public:
    static constexpr const char* kName = "Form7";
    explicit Form7(Program& program);

    // Heading and the surcharge inertia of the upright wall.
    plat::Label Label72{*this, "Label72"};
    plat::CheckBox chk_1{*this, "chk_1"};
    plat::Label lbl_1{*this, "lbl_1"};
    plat::TextBox txt_1{*this, "txt_1"};
    plat::Label lbl_2{*this, "lbl_2"};
    // Section earth-pressure coefficient.
    plat::Frame Frame1{*this, "Frame1"};
    plat::Label Label28{*this, "Label28"};
    plat::Label Label81{*this, "Label81"};
    plat::TextBox txt_ka{*this, "txt_ka"};
    plat::OptionButton opt1{*this, "opt1"};
    plat::CommandButton cmd4{*this, "cmd4"};
    plat::OptionButton opt2{*this, "opt2"};
    plat::CommandButton cmd5{*this, "cmd5"};
    plat::Label Label18{*this, "Label18"};
    // Column headers.
    plat::Label Label59{*this, "Label59"};
    plat::Label Label60{*this, "Label60"};
    plat::Label Label15{*this, "Label15"};
    plat::Label Label37{*this, "Label37"};
    plat::Label Label21{*this, "Label21"};
    plat::CommandButton cmd6{*this, "cmd6"};
    plat::Label Label20{*this, "Label20"};
    plat::Label Label11{*this, "Label11"};
    plat::Label Label52{*this, "Label52"};
    plat::Label Label12{*this, "Label12"};
    plat::Label Label23{*this, "Label23"};
    plat::Label Label35{*this, "Label35"};
    plat::Label Label24{*this, "Label24"};
    plat::Label Label36{*this, "Label36"};
    plat::Label Label25{*this, "Label25"};
    plat::Label Label44{*this, "Label44"};
    plat::Label Label27{*this, "Label27"};
    plat::Label Label38{*this, "Label38"};
    // Member and row captions.
    plat::Label Label63{*this, "Label63"};
    plat::Label Label76{*this, "Label76"};
    plat::Label Label14{*this, "Label14"};
    plat::Label Label19{*this, "Label19"};
    plat::Label Label13{*this, "Label13"};
    plat::Label Label1{*this, "Label1"};
    plat::Label Label2{*this, "Label2"};
    plat::Label Label5{*this, "Label5"};
    plat::Label Label6{*this, "Label6"};
    plat::Label Label7{*this, "Label7"};
    plat::Label Label8{*this, "Label8"};
    plat::Label Label9{*this, "Label9"};
    plat::Label Label10{*this, "Label10"};
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
    // Below the grid: why the rows judged NG without a check have no section forces.
    plat::Label lbl_ng{*this, "lbl_ng"};
    // The four steps.
    plat::Label Label22{*this, "Label22"};
    plat::Label Label26{*this, "Label26"};
    plat::Label Label40{*this, "Label40"};
    plat::Label Label41{*this, "Label41"};
    plat::Label Label43{*this, "Label43"};
    // The sketch: the one-sided line and the symmetric front-side pressure.
    plat::Line Line100{*this, "Line100"};
    plat::Line Line101{*this, "Line101"};
    plat::Line Line102{*this, "Line102"};
    plat::Line Line103{*this, "Line103"};
    plat::Line Line104{*this, "Line104"};
    plat::Line Line105{*this, "Line105"};
    plat::Line Line106{*this, "Line106"};
    plat::Line Line107{*this, "Line107"};
    plat::Line Line108{*this, "Line108"};
    plat::Line Line109{*this, "Line109"};
    plat::Label Label100{*this, "Label100"};
    plat::Label Label101{*this, "Label101"};
    plat::Label Label102{*this, "Label102"};
    // Buttons.
    plat::CommandButton cmd1{*this, "cmd1"};
    plat::CommandButton cmd3{*this, "cmd3"};

    // One check location's row: its location (member, shear check) and its controls.
    struct Row : CheckLocation {
        plat::Label& caption;
        plat::ComboBox& bars;
        plat::Label& cover;
        plat::Label& computed;
        plat::TextBox& design;
        std::array<plat::Label*, 4> results;  // σc, σs, τc, judgement
    };
    // The rows in the order of kCheckLocations.
    std::array<Row, kCheckLocations.size()> rows();
    Row row(int loc);
    // The locations whose member this wall has (see ::presentLocations).
    std::vector<int> presentLocations() const;

    void Form_Load() override;
    void Form_Activate() override;
    // Registers, for the screens below it, how the results of this screen are dropped,
    // whether it shows a checked row, and how it takes over a stability result.
    static void registerForLowerFloors(Program& program);
    // "断面計算 >" on the dimension screen: builds the slab model from the stability result
    // and sets the screen up for this wall; shown even where the coefficient fails.
    void takeOverFromDimensions();
    // Clears every section result shown on the screen.
    void Hihyouji_3();
    // Empties the bar lists, spacings and results of every row; KA stays.
    void clearGrid();
    // The row no longer belongs to the inputs: bar, spacings and results are emptied, and
    // the section check has to be run again.
    void forgetRow(int loc);
    // The stress check no longer counts: saving over the file and the preview wait for a new one.
    void checkOutdated();
    // The section check counts: saving (with a path) and printing are offered.
    void checkCounts();
    // The cover captions changed: the check made with the old covers no longer counts, and
    // every row with a bar follows its new cover (a row that cannot is emptied and the
    // first reason is told once).
    void coversChanged();
    // Nothing in the row: no bar, no spacing, no result.
    bool rowEmpty(int loc);
    // Empties every row that the current inputs refuse or that they would compute
    // differently; rows that still belong to them stay as they are.
    void dropStaleRows();
    // Every row that holds a bar and no spacing gets its spacing (see the hand-over).
    void spaceWaitingRows();
    // Computes the required spacing of each location given; the first problem is told once.
    void computeSpacings(const std::vector<int>& locs);
    // The hand-over's section KA; false when no coefficient could be worked out.
    bool takeOverKa();
    // Whether the location can be designed for the current stability result at all.
    bool designable(int loc);
    // Whether the cover (mm) leaves the location's member some effective depth beside the
    // bar chosen in its row (the cover alone without one). A member that no stability
    // result has measured yet takes any cover.
    bool coverFits(int loc, float cover);
    // A location whose section forces this ground-reaction distribution does not give is
    // a result of the check (NG), not an input still missing: its bar list and design box
    // are emptied and disabled, and its results read "――" and "NG".
    bool refusedRow(int loc) const { return loc >= 0 && loc < int(refused_.size()) && refused_[loc]; }
    void refuseRow(int loc);
    // The row takes bars and a spacing again, with nothing in it.
    void admitRow(int loc);
    // The text below the grid that names the refused locations and says why.
    static constexpr const char* kRefusedReason = "この地盤反力の分布では断面力を計算できない";
    // Nothing loads the location (M = S = 0): no spacing is required by strength.
    bool withoutLoad(int loc) const;

    void cmd1_Click();  // stress check
    void cmd3_Click();  // back to the dimensions
    void cmd4_Click();  // KA typed
    void cmd5_Click();  // KA computed
    void cmd6_Click();  // cover dialog
    void chk_1_Click();
    // Whether the surcharge-inertia tick counts (see the free function below).
    bool surchargeInertiaCounts();
    void txt_1_Change();
    void txt_ka_Change();

    // Section earth-pressure coefficient.
    void Doatu();
    // Slab reaction and load model from the stability result.
    void TEKKIN();
    // Asks for KA before a spacing can be computed; false when it is missing.
    bool Tyuui();
    // The bar lists' clicks, each running its location's required spacing.
    void bindBarLists();
    // cmd_r<loc>, the required spacing of a location: the steps every location shares
    // around its own design forces.
    void RequiredSpacing(int loc);
    // Its calculation without the screen: the values of the location from the current
    // inputs, or a SectionRefusal. Shows nothing.
    void computeRequiredSpacing(int loc);
    // M and S of the location (and what its report section prints beside them).
    void designForces(int loc);
    // Ouryoku_<loc>, the stress check of a location.
    void Ouryoku(int loc);
    // Every row of a member that exists has its bar, spacings and checked stresses.
    bool everyRowChecked();
    // The row shows no judgement, or the one its stress check gives now (the same
    // stresses against the same allowables).
    bool judgementStands(int loc);
    void Er_Syurui();
    void Er_Kankaku1();
    void Er_Kankaku2();
    // A design spacing that is not a positive number.
    void Er_Kankaku3();

    // The 21 bar arrangements as the lists show them.
    static const char* const kBarItems[21];

private:
    void placeControls();
    // The box and options of the section KA as the design conditions give it (takeOverKa).
    bool writeKa();
    // The current stability result gives no ground reaction for the location's forces.
    bool reactionRefuses(int loc);
    // Names the refused locations by their letters below the grid, or empties the line.
    void showRefusedLocations();
    void drawSketch();
    void bindFields();
    // The table of what each input makes stale, beside the entry fields.
    void bindInvalidation();
    // A design spacing was edited: its row's results no longer count.
    void designBoxTouched(int r);

    Program& program_;
    // What each input of this screen makes stale.
    InvalidationTable stale_{program_.invalidation};
    EntryFields fields_;
    // The hand-over is writing the section KA: the box's change drops nothing by itself.
    bool handingOverKa_ = false;
    // The refused locations, indexed by check location.
    std::array<bool, 11> refused_{};
    // The unnamed lines and captions of the fixed sketch.
    FixedDrawing sketch_{*this, "sketch"};
};

// "上載荷重の慣性力を算入する" counts only where the seismic method offers it (K2, D1): a
// tick that the normal case hides or K1 greys out counts as none, for every result and
// report page. Loads nothing: without the section screen there is no tick.
bool surchargeInertiaCounts(const Program& program);

// The way the section KA is given on the section screen: typed in txt_ka (opt1) or
// computed (opt2). Reading loads nothing: without the section screen loaded it is None.
KaMode sectionKaMode(const Program& program);
