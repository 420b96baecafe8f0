#include "stability/shear_key_dialogs.h"
#include "common/colours.h"
#include "common/messages.h"

#include "common/entry_bounds.h"
#include "common/numbers.h"
#include "conditions/design_choices.h"
#include "conditions/conditions_screen.h"
#include "stability/dimension_boxes.h"
#include "stability/dimension_screen.h"
#include "stability/stability_fault.h"
#include "stability/stability_rules.h"

namespace {

const char* const kGothic = "ＭＳ ゴシック";

void labelAt(plat::Label& label, int left, int top, int width, const char* text) {
    label.place(left, top, width, 255);
    label.setCaption(text);
}

void thick(plat::Line& line, int x1, int y1, int x2, int y2) {
    line.setPoints(x1, y1, x2, y2);
    line.setBorderWidth(2);
}

}  // namespace

// ---- Both dialogs ----

ShearKeyDialog::ShearKeyDialog(Program& program, const char* name)
    : plat::Form(program, name, plat::FormKind::Dialog), program_(program) {
    setCaption("ミラノス");
    setSize(5160, 5985);
    setFont(kGothic, 9);
    for (plat::Control* c : controls()) c->setFont(kGothic, 9);

    labelAt(Label1, 180, 60, 1500, "突起の計算");
    Label1.setFont(kGothic, 9.75);
    Label1.setForeColor(kGreen);
    Label17.place(360, 360, 4700, 255);
    Label5.place(360, 900, 4700, 255);
    Label5.setCaption("・突起の幅(Ｄ)：高さと同程度");
    Label18.place(360, 1200, 4700, 255);
    Label18.setCaption("・突起の位置(B1)：基礎底版の中央部１/３の範囲内");
    for (plat::Label* guide : {&lbl1, &lbl2, &lbl3, &lbl4, &lbl5}) guide->setAlignment(plat::Align::Center);
    Label21.setCaption("～");
    Label25.setCaption("～");

    txt1.setTabIndex(0);
    txt2.setTabIndex(1);
    txt3.setTabIndex(2);
    cmd1.setTabIndex(3);
    cmd2.setTabIndex(4);
    cmd1.setCaption("計算");
    cmd2.setCaption("キャンセル");
    chk1.place(360, 3600, 3600, 255);
    chk1.setCaption("支持地盤の粘着力 Ｃ を考慮する");
    chk1.setForeColor(kRed);
    chk1.setVisible(false);
    chk1.setTabStop(false);

    // The fixed figure: base underside with the key, its dimensions, the pressure base
    // line and the base width.
    Line2.setPoints(1560, 2400, 2580, 2400);
    Line3.setPoints(2580, 2400, 2580, 2700);
    Line4.setPoints(2580, 2700, 2820, 2700);
    Line5.setPoints(2820, 2700, 2820, 2400);
    Line6.setPoints(2820, 2400, 3600, 2400);
    for (plat::Line* l : {&Line2, &Line3, &Line4, &Line5, &Line6}) l->setBorderWidth(2);
    Line8.setPoints(3360, 2400, 3360, 2700);
    Line9.setPoints(3360, 2700, 2940, 2700);
    Line10.setPoints(1560, 2820, 1560, 3180);
    Line11.setPoints(2580, 2820, 2580, 3180);
    Line12.setPoints(2820, 2820, 2820, 3180);
    Line13.setPoints(1560, 3180, 2820, 3180);
    Line14.setPoints(1560, 3420, 3600, 3420);
    Line15.setPoints(1560, 4860, 1560, 4140);
    Line16.setPoints(3600, 4140, 3600, 4860);
    Line17.setPoints(1560, 4860, 3600, 4860);
    labelAt(Label12, 2040, 4620, 255, "B=");
    lbl1.place(2280, 4620, 615, 255);

    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    // Enter leads height, width, position, then "計算". A look changes nothing: only an
    // edit of a key dimension makes the shown stability result and the key's section stale;
    // "計算" leaves the key to the next stability check, so no result counts until then.
    auto keyField = [this](plat::TextBox& box, plat::Control& next) {
        stale_.add(box, invalidates::kKeyValues);
        fields_.add(box, {.next = next, .onEdit = [this, &box] { stale_.changed(box); }});
    };
    keyField(txt1, txt3);
    keyField(txt3, txt2);
    keyField(txt2, cmd1);
    stale_.add(cmd1, invalidates::kKeyConfirmed);
}

void ShearKeyDialog::cmd1_Click() {
    for (const KeyBox& key : keyBoxes()) {
        if (!(this->*key.box).text().empty()) continue;
        program_.msgBox(key.missing, plat::msg::kOk, kErrorTitle);
        moveTo(this->*key.box);
        return;
    }
    if (refuseOutOfBounds(program_, boundedKeyBoxes(*this))) return;
    // The key is judged by the next stability check; until then no result counts.
    stale_.changed(cmd1);
    hide();
    // Either standard: the next step is the stability check that judges the key.
    program_.form<Form4>().cmd3.setFocus();
}

void ShearKeyDialog::cmd2_Click() { hide(); }

void ShearKeyDialog::writeGuides(float baseWidth) {
    double b = baseWidth;
    lbl1.setCaption(num::format(b, "0.000"));
    lbl2.setCaption(num::format(0.1 * b, "0.000"));
    lbl3.setCaption(num::format(0.15 * b, "0.000"));
    lbl4.setCaption(num::format(num::store(b / 2 - b / 6), "0.000"));
    lbl5.setCaption(num::format(num::store(b / 2 + b / 6), "0.000"));
}

// ---- Form19 ----

Form19::Form19(Program& program) : ShearKeyDialog(program, kName) {
    Label17.setCaption("・突起の高さ (Ｈ0)：基礎底版 巾(B) の１０～１５％");
    labelAt(Label20, 720, 600, 420, "Ｈ0=");
    lbl2.place(1140, 600, 615, 255);
    Label21.place(1800, 600, 255, 255);
    lbl3.place(2160, 600, 615, 255);
    labelAt(Label22, 2820, 600, 255, "ｍ");
    labelAt(Label23, 720, 1440, 360, "B1=");
    lbl4.place(1080, 1440, 615, 255);
    Label25.place(1740, 1440, 255, 255);
    lbl5.place(2100, 1440, 615, 255);
    labelAt(Label27, 2760, 1440, 255, "ｍ");
    labelAt(Label2, 3420, 2460, 360, "Ｈ0=");
    txt1.place(3780, 2400, 615, 270);
    labelAt(Label9, 4440, 2490, 255, "ｍ");
    // Clear of the position tick at x 1560 that its "=" would touch.
    labelAt(Label19, 1230, 2940, 330, "B1=");
    txt2.place(1620, 2880, 615, 270);
    labelAt(Label10, 2280, 2940, 255, "ｍ");
    labelAt(Label3, 2880, 2940, 300, "Ｄ=");
    txt3.place(3180, 2880, 615, 270);
    labelAt(Label11, 3840, 2940, 255, "ｍ");
    cmd1.place(1320, 5520, 1215, 375);
    cmd2.place(2640, 5520, 1215, 375);
    labelAt(Label13, 2880, 4620, 255, "ｍ");

    thick(Line1, 1560, 2160, 1560, 2400);
    thick(Line7, 3600, 2160, 3600, 2400);
    Line18.setPoints(2580, 2700, 2160, 2400);
    // Ends short of the leader that points from it to the wedge.
    labelAt(Label4, 960, 2520, 1080, "45 ゜＋φB/2");
    Line19.setPoints(2550, 2460, 2400, 2580);
    Line20.setPoints(2490, 2520, 2460, 2460);
    Line21.setPoints(2460, 2460, 2100, 2580);
    Line22.setPoints(2160, 2040, 2580, 2040);
    Line23.setPoints(2160, 2280, 2160, 2040);
    Line24.setPoints(2580, 2280, 2580, 2040);
    labelAt(Label6, 2280, 1830, 255, "L");
    Line25.setPoints(2160, 4140, 2160, 4500);
    Line26.setPoints(2580, 4140, 2580, 4500);
    labelAt(Label7, 2280, 4290, 255, "L");
}


// ---- Form26 ----

Form26::Form26(Program& program) : ShearKeyDialog(program, kName) {
    for (plat::Control* c : controls())
        if (c->kind() == plat::ControlKind::Label && c != &Label1) c->setFont(kGothic, 9.75);
    Label5.setFont("ＭＳ Ｐゴシック", 9);
    Label17.setCaption("・突起の高さ(H0)：基礎底版巾(B)の１０～１５％");
    labelAt(Label20, 720, 600, 360, "H0=");
    lbl2.place(1080, 600, 615, 255);
    Label21.place(1740, 600, 255, 255);
    lbl3.place(2100, 600, 615, 255);
    labelAt(Label22, 2760, 600, 255, "m");
    labelAt(Label23, 720, 1440, 360, "L1=");
    lbl4.place(1080, 1440, 615, 255);
    Label25.place(1740, 1440, 255, 255);
    lbl5.place(2100, 1440, 615, 255);
    labelAt(Label27, 2760, 1440, 255, "m");
    labelAt(Label2, 3420, 2460, 360, "H0=");
    txt1.place(3780, 2430, 615, 270);
    labelAt(Label9, 4440, 2490, 255, "m");
    labelAt(Label19, 1200, 2940, 420, "L1=");
    txt2.place(1620, 2880, 615, 270);
    labelAt(Label10, 2280, 2940, 255, "m");
    labelAt(Label3, 2880, 2940, 240, "D=");
    txt3.place(3120, 2880, 615, 270);
    labelAt(Label11, 3780, 2940, 255, "m");
    cmd1.place(1380, 5520, 1155, 375);
    cmd2.place(2640, 5520, 1155, 375);
    labelAt(Label13, 2880, 4620, 255, "m");

    // The slab's ends rise outwards; no passive wedge on this standard.
    thick(Line1, 1740, 1740, 1560, 2400);
    thick(Line7, 3420, 1740, 3600, 2400);
    Line18.setPoints(1560, 4500, 3600, 4500);
    Line19.setPoints(2580, 4140, 2580, 4500);
    labelAt(Label6, 1980, 4260, 255, "L1");
    labelAt(Label7, 3000, 4260, 255, "L2");
    // The sketch, always drawn before the dialog shows, prints "L1" and "L2" itself a few
    // pixels from these; two copies would smear into one unreadable mark.
    Label6.setVisible(false);
    Label7.setVisible(false);
}


// ---- Opening ----

namespace {

// Guide values and sketch of the standard's dialog; none without a design standard.
ShearKeyDialog* keyDialogOfStandard(Program& program) {
    const DesignChoices choices = designChoices(program);
    if (choices.building()) return &program.form<Form19>();
    if (choices.road()) return &program.form<Form26>();
    return nullptr;
}

ShearKeyDialog* prepareShearKeyDialog(Program& program) {
    ShearKeyDialog* dialog = keyDialogOfStandard(program);
    if (!dialog) return nullptr;
    dialog->writeGuides(program.baseWidth);
    dialog->canvas().clear();
    if (dialog->name() == Form19::kName) drawReactionSketchT(program, *dialog);
    else drawReactionSketchD(program, *dialog);
    return dialog;
}

}  // namespace

// Either dialog opens in the height field, its text selected, so that what the engineer
// types goes into the key at once.
void openShearKeyDialog(Program& program) {
    if (ShearKeyDialog* dialog = prepareShearKeyDialog(program)) dialog->showModalAtFirstStop();
}

void showShearKeyDialogAsLeft(Program& program) {
    ShearKeyDialog* dialog = keyDialogOfStandard(program);
    if (!dialog) return;
    try {
        prepareShearKeyDialog(program);
    } catch (const num::CalcFault&) {
        // The guides wait for a wall that gives them; the boxes can be corrected all the same.
    }
    dialog->showModal();
}

void calculateShearKey(Program& program) {
    ShearKeyDialog* dialog = nullptr;
    // A value refused in the dialog and left there by キャンセル stops the run where the
    // key is read, after the base width its guides need.
    bool faulted = false;
    try {
        program.form<Form4>().DANMEM_1();
        dialog = prepareShearKeyDialog(program);
    } catch (const num::CalcFault&) {
        faulted = true;
    } catch (const StabilityInputFault&) {
        reportStabilityFault(program);
        return;
    }
    // The run made a result that the panel does not show: it does not count until the
    // stability check shows it.
    if (!faulted) program.form<Form4>().dropUnshownResult();
    // Such a value is named and the dialog opens on it, so that it can be corrected.
    if (refuseFirstBroken(program, typedKeyRules(program))) return;
    if (faulted) {
        reportStabilityFault(program);
        return;
    }
    if (dialog) dialog->showModalAtFirstStop();
}
