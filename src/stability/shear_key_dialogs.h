// Form19 and Form26: the shear-key dialogs of the building and the road standard. The
// key's height, position and width stay here as typed text; the engine reads them.
#pragma once
#include "common/entry_field.h"
#include "common/program.h"
#include "platform/form.h"

// What both key dialogs have in common: the guide values, the three key fields with
// their entry behaviour, "計算" and "キャンセル", and the fixed figure of the key.
class ShearKeyDialog : public plat::Form {
public:
    ShearKeyDialog(Program& program, const char* name);

    plat::Label Label1{*this, "Label1"};
    // Guide values.
    plat::Label Label17{*this, "Label17"};
    plat::Label Label20{*this, "Label20"};
    plat::Label lbl2{*this, "lbl2"};
    plat::Label Label21{*this, "Label21"};
    plat::Label lbl3{*this, "lbl3"};
    plat::Label Label22{*this, "Label22"};
    plat::Label Label5{*this, "Label5"};
    plat::Label Label18{*this, "Label18"};
    plat::Label Label23{*this, "Label23"};
    plat::Label lbl4{*this, "lbl4"};
    plat::Label Label25{*this, "Label25"};
    plat::Label lbl5{*this, "lbl5"};
    plat::Label Label27{*this, "Label27"};
    // Key height H0, position, width D.
    plat::Label Label2{*this, "Label2"};
    plat::TextBox txt1{*this, "txt1"};
    plat::Label Label9{*this, "Label9"};
    plat::Label Label19{*this, "Label19"};
    plat::TextBox txt2{*this, "txt2"};
    plat::Label Label10{*this, "Label10"};
    plat::Label Label3{*this, "Label3"};
    plat::TextBox txt3{*this, "txt3"};
    plat::Label Label11{*this, "Label11"};
    plat::CommandButton cmd1{*this, "cmd1"};
    plat::CommandButton cmd2{*this, "cmd2"};
    // Never shown, never read; kept for the project file.
    plat::CheckBox chk1{*this, "chk1"};

    // The fixed figure: the base underside with the key and its dimensions.
    plat::Line Line1{*this, "Line1"};    // left end of the slab
    plat::Line Line2{*this, "Line2"};    // underside, toe to key
    plat::Line Line3{*this, "Line3"};    // key front face
    plat::Line Line4{*this, "Line4"};    // key bottom
    plat::Line Line5{*this, "Line5"};    // key back face
    plat::Line Line6{*this, "Line6"};    // underside, key to heel
    plat::Line Line7{*this, "Line7"};    // right end of the slab
    plat::Line Line8{*this, "Line8"};    // key height dimension
    plat::Line Line9{*this, "Line9"};    // its extension line
    plat::Line Line10{*this, "Line10"};  // position and width: tick at the toe
    plat::Line Line11{*this, "Line11"};  // tick at the key front
    plat::Line Line12{*this, "Line12"};  // tick at the key back
    plat::Line Line13{*this, "Line13"};  // position and width dimension line
    plat::Line Line14{*this, "Line14"};  // pressure base line
    plat::Line Line15{*this, "Line15"};  // base width: tick at the toe
    plat::Line Line16{*this, "Line16"};  // tick at the heel
    plat::Line Line17{*this, "Line17"};  // base width dimension line
    plat::Label Label12{*this, "Label12"};  // "B="
    plat::Label lbl1{*this, "lbl1"};        // B
    plat::Label Label13{*this, "Label13"};  // unit of B

    void cmd1_Click();
    void cmd2_Click();
    void closeBoxPressed() override { cmd2_Click(); }

    // Writes the guide values from the base width B of the last engine run.
    void writeGuides(float baseWidth);

protected:
    Program& program_;
    // What each input of this screen makes stale.
    InvalidationTable stale_{program_.invalidation};
    EntryFields fields_;
};

// Form19: the shear key of the building standard.
class Form19 : public ShearKeyDialog {
public:
    static constexpr const char* kName = "Form19";
    explicit Form19(Program& program);

    // The passive wedge in front of the key and its length L.
    plat::Line Line18{*this, "Line18"};
    plat::Label Label4{*this, "Label4"};  // its angle
    plat::Line Line19{*this, "Line19"};
    plat::Line Line20{*this, "Line20"};
    plat::Line Line21{*this, "Line21"};
    plat::Line Line22{*this, "Line22"};  // length L above the base
    plat::Line Line23{*this, "Line23"};
    plat::Line Line24{*this, "Line24"};
    plat::Label Label6{*this, "Label6"};  // "L" above
    plat::Line Line25{*this, "Line25"};   // wedge marks under the sketch
    plat::Line Line26{*this, "Line26"};
    plat::Label Label7{*this, "Label7"};  // "L" below
};

// Form26: the shear key of the road standard.
class Form26 : public ShearKeyDialog {
public:
    static constexpr const char* kName = "Form26";
    explicit Form26(Program& program);

    // The distances L1 and L2 under the sketch.
    plat::Line Line18{*this, "Line18"};
    plat::Line Line19{*this, "Line19"};
    plat::Label Label6{*this, "Label6"};  // "L1"
    plat::Label Label7{*this, "Label7"};  // "L2"
};

// The dimension screen's "突起の計算": runs the engine, then opens the key dialog of the
// design standard with fresh guide values and sketch. A calculation fault is reported
// and the dialog does not open, unless a value refused in the dialog and left there stops
// the calculation: then that value is named and the dialog opens on it.
void calculateShearKey(Program& program);
// Writes the guide values and the sketch into the key dialog of the design standard and
// shows it modal; the engine must have run. Nothing happens without a design standard.
// A fault of the sketch propagates to the caller (nothing is shown then).
void openShearKeyDialog(Program& program);
// The key dialog of the design standard as it was left, the focus where it was set, with
// the guides of the last calculation: a refused box is corrected there.
void showShearKeyDialogAsLeft(Program& program);

// The ground-reaction sketch of the last engine run, drawn on a key dialog's canvas:
// trapezoid or triangle, maximum at the toe (e ≥ 0) or the heel. Throws num::CalcFault
// with a zero base width, before drawing anything.
void drawReactionSketchT(Program& program, plat::Form& dialog);
void drawReactionSketchD(Program& program, plat::Form& dialog);
