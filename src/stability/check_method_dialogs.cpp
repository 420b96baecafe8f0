#include "stability/check_method_dialogs.h"
#include "common/colours.h"
#include "common/messages.h"

#include <initializer_list>

#include "common/entry_bounds.h"
#include "common/numbers.h"
#include "conditions/design_choices.h"
#include "stability/dimension_screen.h"

namespace {

const char* const kGothic = "ＭＳ ゴシック";

void place(plat::Control& c, plat::Frame* frame, int left, int top, int width, int height, int tab = 0) {
    c.place(left, top, width, height);
    if (frame) c.setContainer(*frame);
    c.setTabIndex(tab);
}

// Enables or clears and disables the effective-area choice: it matters only with cohesion.
void prepareEffectiveArea(float cohesion, plat::Label& heading, plat::OptionButton& deduct,
                          plat::OptionButton& noDeduct) {
    if (cohesion != 0) {
        heading.setEnabled(true);
        deduct.setEnabled(true);
        noDeduct.setEnabled(true);
        return;
    }
    heading.setEnabled(false);
    deduct.setValue(false);
    noDeduct.setValue(false);
    deduct.setEnabled(false);
    noDeduct.setEnabled(false);
}

}  // namespace

// ---- Form14 ----

namespace {

// Overturning: by the safety factor, the place of the resultant or the eccentricity.
void placeOverturning(Form14& f) {
    place(f.Frame1, nullptr, 60, 480, 6075, 1515, 4);
    f.Frame1.setCaption("転倒に対する検討");
    place(f.opt1, &f.Frame1, 300, 300, 2880, 255, 0);
    f.opt1.setCaption("転倒安全率 Ｆ≧1.5 による");
    place(f.opt2, &f.Frame1, 300, 600, 1035, 255, 1);
    f.opt2.setCaption("ｄ≧Ｂ/3");
    place(f.opt3, &f.Frame1, 300, 900, 1035, 255, 2);
    f.opt3.setCaption("ｅ≦Ｂ/6");
    place(f.opt6, &f.Frame1, 300, 1200, 5055, 255, 21);
    f.opt6.setCaption("転倒安全率 Ｆ≧1.5 かつ ｅ≦Ｂ/6 による");
    place(f.lbl2, &f.Frame1, 3240, 300, 2700, 255);
    f.lbl2.setCaption("ｄ：合力の作用位置");
    place(f.lbl3, &f.Frame1, 3240, 600, 2700, 255);
    f.lbl3.setCaption("ｅ：偏心距離");
    place(f.lbl4, &f.Frame1, 3240, 900, 2700, 255);
    f.lbl4.setCaption("Ｂ：擁壁の底版幅");
    place(f.lbl9, &f.Frame1, 1560, 720, 1260, 255);
    f.lbl9.setCaption("を満足させる");
    // The bracket that joins the d and e rows.
    f.Line1.setContainer(f.Frame1);
    f.Line1.setPoints(1500, 1080, 1500, 600);
    f.Line2.setContainer(f.Frame1);
    f.Line2.setPoints(1500, 1080, 1380, 1080);
    f.Line3.setContainer(f.Frame1);
    f.Line3.setPoints(1500, 600, 1380, 600);
}

// Bearing capacity: its one rule, stated.
void placeBearing(Form14& f) {
    place(f.Frame2, nullptr, 60, 2160, 6075, 915, 5);
    f.Frame2.setCaption("地盤支持力に対する検討");
    place(f.lbl5, &f.Frame2, 300, 300, 1620, 255);
    f.lbl5.setCaption("σmax≦ｑaによる");
    place(f.lbl6, &f.Frame2, 1980, 300, 2400, 255);
    f.lbl6.setCaption("σmax：最大接地圧");
    place(f.lbl7, &f.Frame2, 2160, 540, 2400, 255);
    f.lbl7.setCaption("ｑa：地盤の許容応力度");
}

// Sliding, and the effective loaded area of the base where cohesion counts.
void placeSliding(Form14& f) {
    place(f.Frame3, nullptr, 60, 3240, 6075, 1755, 6);
    f.Frame3.setCaption("滑動に対する検討");
    place(f.lbl8, &f.Frame3, 180, 300, 3000, 255);
    f.lbl8.setCaption("滑動安全率 F≧1.5 による");
    place(f.lbl10, &f.Frame3, 180, 540, 3300, 255);
    f.lbl10.setCaption("（突起を設ける場合は F≧1.0）");
    place(f.lbl1, &f.Frame3, 180, 840, 5700, 255);
    f.lbl1.setCaption("底版の有効載荷面積（基礎地盤の土の粘着力を考慮する場合）");
    place(f.opt4, &f.Frame3, 300, 1140, 5655, 255, 19);
    f.opt4.setCaption("偏心の控除をする　　A'=底盤巾-(2×偏心距離)");
    place(f.opt5, &f.Frame3, 300, 1440, 5655, 255, 18);
    f.opt5.setCaption("偏心の控除をしない   B=底盤巾(浮き上がりが生じる部分を控除)");
}

}  // namespace

Form14::Form14(Program& program) : plat::Form(program, kName, plat::FormKind::Dialog), program_(program) {
    setCaption("ミラノス");
    setSize(6180, 5580);
    setFont(kGothic, 9);
    for (plat::Control* c : controls()) c->setFont(kGothic, 9);

    place(label1, nullptr, 120, 120, 3600, 255);
    label1.setCaption("安全性の検討方法（常時）");
    label1.setForeColor(kGreen);

    placeOverturning(*this);
    placeBearing(*this);
    placeSliding(*this);
    place(cmd1, nullptr, 3600, 5100, 1215, 375, 3);
    cmd1.setCaption("ＯＫ");
    place(cmd2, nullptr, 4920, 5100, 1215, 375, 17);
    cmd2.setCaption("キャンセル");

    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    opt1.Click = [this] { opt1_Click(); };
    opt2.Click = [this] { opt2_Click(); };
    opt3.Click = [this] { opt3_Click(); };
    opt4.Click = [this] { opt4_Click(); };
    opt5.Click = [this] { opt5_Click(); };
    opt6.Click = [this] { opt6_Click(); };

    // Every choice changes what the next check judges; cancel drops them all.
    for (const plat::Control* input : std::initializer_list<const plat::Control*>{&opt1, &opt2, &opt3, &opt4, &opt5, &opt6, &cmd2})
        stale_.add(*input, invalidates::kStability);
}

void Form14::cmd1_Click() {
    if (!opt1.value() && !opt2.value() && !opt3.value() && !opt6.value()) {
        program_.msgBox("転倒に対する検討方法をチェックして下さい。", plat::msg::kOk, kErrorTitle);
        return;
    }
    if (program_.foundationCohesion != 0 && !opt4.value() && !opt5.value()) {
        program_.msgBox("底版の有効載荷面積に対する検討方法をチェックして下さい。", plat::msg::kOk, kErrorTitle);
        return;
    }
    hide();
    program_.form<Form4>().cmd3.setFocus();
}

// Dropping the choices changes what the next check would judge, so the shown result goes.
void Form14::cmd2_Click() {
    bool hadChoice = opt1.value() || opt2.value() || opt3.value() || opt4.value() || opt5.value() || opt6.value();
    unload();
    if (hadChoice) stale_.changed(cmd2);
}

void Form14::opt1_Click() { stale_.changed(opt1); }
void Form14::opt2_Click() { stale_.changed(opt2); }
void Form14::opt3_Click() { stale_.changed(opt3); }
void Form14::opt4_Click() { stale_.changed(opt4); }
void Form14::opt5_Click() { stale_.changed(opt5); }
void Form14::opt6_Click() { stale_.changed(opt6); }

// ---- Form21 ----

namespace {

// Overturning: by the safety factor, the eccentricity or both.
void placeOverturning(Form21& f) {
    place(f.Frame1, nullptr, 60, 480, 6075, 2115, 8);
    f.Frame1.setCaption("転倒に対する検討");
    place(f.opt1, &f.Frame1, 180, 300, 2880, 255, 15);
    f.opt1.setCaption("転倒安全率 Ｆ≧1.0 による");
    place(f.opt2, &f.Frame1, 180, 600, 2880, 255, 16);
    f.opt2.setCaption("転倒安全率 Ｆ≧1.2 による");
    place(f.opt3, &f.Frame1, 180, 900, 2520, 255, 14);
    f.opt3.setCaption("ｅ≦Ｂ/2 を満足させる");
    place(f.opt4, &f.Frame1, 180, 1200, 2520, 255, 17);
    f.opt4.setCaption("ｅ≦Ｂ/3 を満足させる");
    place(f.opt9, &f.Frame1, 180, 1500, 5055, 255, 26);
    f.opt9.setCaption("転倒安全率 Ｆ≧1.0 かつ ｅ≦Ｂ/2 による");
    place(f.opt10, &f.Frame1, 180, 1800, 5055, 255, 27);
    f.opt10.setCaption("転倒安全率 Ｆ≧1.2 かつ ｅ≦Ｂ/3 による");
    place(f.Label3, &f.Frame1, 2760, 900, 2700, 255);
    f.Label3.setCaption("ｅ：偏心距離");
    place(f.Label4, &f.Frame1, 2760, 1200, 2700, 255);
    f.Label4.setCaption("Ｂ：擁壁の底版幅");
}

// Bearing capacity: its one rule, stated.
void placeBearing(Form21& f) {
    place(f.Frame2, nullptr, 60, 2700, 6075, 975, 9);
    f.Frame2.setCaption("地盤支持力に対する検討");
    place(f.Label5, &f.Frame2, 180, 300, 1500, 255);
    f.Label5.setCaption("σmax≦feによる");
    place(f.Label6, &f.Frame2, 1740, 300, 2400, 255);
    f.Label6.setCaption("σmax：最大接地圧");
    place(f.Label7, &f.Frame2, 2010, 600, 3000, 255);
    f.Label7.setCaption("fe：地盤の許容応力度（短期）");
}

// Sliding, and the effective loaded area of the base where cohesion counts.
void placeSliding(Form21& f) {
    place(f.Frame3, nullptr, 60, 3780, 6075, 2235, 1);
    f.Frame3.setCaption("滑動に対する検討");
    place(f.opt5, &f.Frame3, 180, 300, 2880, 255, 6);
    f.opt5.setCaption("滑動安全率 Ｆ≧1.0 による");
    place(f.opt6, &f.Frame3, 180, 600, 2880, 255, 7);
    f.opt6.setCaption("滑動安全率 Ｆ≧1.2 による");
    place(f.Label10, &f.Frame3, 420, 900, 3300, 255);
    f.Label10.setCaption("（突起を設ける場合は F≧1.0）");
    place(f.Frame4, &f.Frame3, 60, 1080, 5895, 1095, 2);
    f.Frame4.setBorderStyle(0);
    place(f.lbl1, &f.Frame4, 120, 180, 5700, 255, 5);
    f.lbl1.setCaption("底版の有効載荷面積（基礎地盤の土の粘着力を考慮する場合）");
    place(f.opt7, &f.Frame4, 120, 480, 5655, 255, 3);
    f.opt7.setCaption("偏心の控除をする　　A'=底盤巾-(2×偏心距離)");
    place(f.opt8, &f.Frame4, 120, 780, 5655, 255, 4);
    f.opt8.setCaption("偏心の控除をしない   B=底盤巾(浮き上がりが生じる部分を控除)");
}

// The inertia of the surcharges and where it acts, greyed until a method takes it and the
// box is checked.
void placeSurchargeInertia(Form21& f) {
    place(f.chk1, nullptr, 180, 6120, 3120, 255, 23);
    f.chk1.setCaption("上載荷重の慣性力を算入する");
    f.chk1.setEnabled(false);
    place(f.lbl2, nullptr, 480, 6420, 2040, 255);
    f.lbl2.setCaption("作用位置：底盤下端より");
    f.lbl2.setEnabled(false);
    place(f.txt1, nullptr, 2520, 6420, 615, 270, 22);
    f.txt1.setEnabled(false);
    place(f.lbl3, nullptr, 3180, 6450, 255, 255);
    f.lbl3.setCaption("m");
    // A lone small letter at 9 pt, greyed and engraved, is a blob; one size up it reads.
    f.lbl3.setFont(kGothic, 11);
    f.lbl3.setEnabled(false);
}

}  // namespace

Form21::Form21(Program& program) : plat::Form(program, kName, plat::FormKind::Dialog), program_(program) {
    setCaption("ミラノス");
    setSize(6180, 6765);
    setFont(kGothic, 9);
    for (plat::Control* c : controls()) c->setFont(kGothic, 9);

    place(Label1, nullptr, 120, 120, 3600, 255);
    Label1.setCaption("安全性の検討方法（地震時）");
    Label1.setForeColor(kGreen);

    placeOverturning(*this);
    placeBearing(*this);
    placeSliding(*this);
    placeSurchargeInertia(*this);

    place(cmd1, nullptr, 3600, 6240, 1215, 375, 0);
    cmd1.setCaption("ＯＫ");
    place(cmd2, nullptr, 4860, 6240, 1215, 375, 20);
    cmd2.setCaption("キャンセル");

    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    chk1.Click = [this] { chk1_Click(); };
    for (plat::OptionButton* o : {&opt1, &opt2, &opt3, &opt4, &opt5, &opt6, &opt7, &opt8, &opt9, &opt10})
        o->Click = [this] { opt_Click(); };
    // Every choice, the height and cancel change what the next check judges.
    for (const plat::Control* input : std::initializer_list<const plat::Control*>{
             &opt1, &opt2, &opt3, &opt4, &opt5, &opt6, &opt7, &opt8, &opt9, &opt10, &chk1, &txt1, &cmd2})
        stale_.add(*input, invalidates::kStability);
    // The height field: a new height clears the stability result; a look changes nothing.
    fields_.add(txt1, {.next = cmd1, .onEdit = [this] { stale_.changed(txt1); }});
}

std::vector<BoundedBox> Form21::boundedBoxes() {
    return {{&txt1, "上載荷重の慣性力の作用位置", bounds::kLengthOrNone, chk1.value() == 1,
             "上載荷重の慣性力の作用位置を入力して下さい。"}};
}

void Form21::cmd1_Click() {
    if (!opt1.value() && !opt2.value() && !opt3.value() && !opt4.value() && !opt9.value() && !opt10.value()) {
        program_.msgBox("転倒に対する検討方法をチェックして下さい。", plat::msg::kOk, kErrorTitle);
        return;
    }
    if (!opt5.value() && !opt6.value()) {
        program_.msgBox("滑動に対する検討方法をチェックして下さい。", plat::msg::kOk, kErrorTitle);
        return;
    }
    if (program_.foundationCohesion != 0 && !opt7.value() && !opt8.value()) {
        program_.msgBox("底版の有効載荷面積に対する検討方法をチェックして下さい。", plat::msg::kOk, kErrorTitle);
        return;
    }
    const std::vector<BoundedBox> bounded = boundedBoxes();
    if (const BoundedBox* wrong = firstBrokenRule(bounded)) {
        program_.msgBox(refusalMessage(*wrong), plat::msg::kOk, kErrorTitle);
        moveTo(*wrong->box);
        return;
    }
    float height;
    try {
        height = num::readSingle(txt1.text());
    } catch (const num::CalcFault&) {
        // A height beyond any number the program holds is a typing slip: ask again.
        program_.msgBox("上載荷重の慣性力の作用位置を入力して下さい。", plat::msg::kOk, kErrorTitle);
        moveTo(txt1);
        return;
    }
    program_.surchargeInertiaHeight = height;
    hide();
    program_.form<Form4>().cmd3.setFocus();
}

// Dropping the choices changes what the next check would judge, so the shown result goes.
void Form21::cmd2_Click() {
    bool hadChoice = chk1.value() == 1;
    for (plat::OptionButton* o : {&opt1, &opt2, &opt3, &opt4, &opt5, &opt6, &opt7, &opt8, &opt9, &opt10})
        hadChoice = hadChoice || o->value();
    unload();
    if (hadChoice) stale_.changed(cmd2);
}

void Form21::chk1_Click() {
    if (chk1.value() == 1) {
        txt1.setEnabled(true);
        lbl2.setEnabled(true);
        lbl3.setEnabled(true);
    } else {
        txt1.setText("");
        txt1.setEnabled(false);
        lbl2.setEnabled(false);
        lbl3.setEnabled(false);
    }
    stale_.changed(chk1);
}

void Form21::opt_Click() { stale_.changed(opt1); }

// ---- Opening and reading ----

void openCheckMethodDialog(Program& program) {
    float cohesion = program.foundationCohesion;
    if (designChoices(program).normal()) {
        Form14& dialog = program.form<Form14>();
        prepareEffectiveArea(cohesion, dialog.lbl1, dialog.opt4, dialog.opt5);
        dialog.showModal();
    }
    // Asked again: the first dialog was modal.
    const DesignChoices choices = designChoices(program);
    if (choices.seismic()) {
        Form21& dialog = program.form<Form21>();
        prepareEffectiveArea(cohesion, dialog.lbl1, dialog.opt7, dialog.opt8);
        // The surcharges' inertia enters only the K2 and D1 methods.
        if (choices.withHeights()) {
            dialog.chk1.setEnabled(true);
        } else {
            dialog.chk1.setValue(0);
            dialog.chk1.setEnabled(false);
        }
        dialog.showModal();
    }
}

void forgetEffectiveArea(Program& program) {
    if (auto* dialog = static_cast<Form14*>(program.find(Form14::kName)))
        prepareEffectiveArea(0, dialog->lbl1, dialog->opt4, dialog->opt5);
    if (auto* dialog = static_cast<Form21*>(program.find(Form21::kName)))
        prepareEffectiveArea(0, dialog->lbl1, dialog->opt7, dialog->opt8);
}

CheckMethods checkMethods(const Program& program) {
    CheckMethods m;
    if (const auto* d = static_cast<const Form14*>(program.find(Form14::kName))) {
        using O = OverturningMethod;
        if (d->opt1.value()) m.normalOverturning = O::Factor15;
        else if (d->opt2.value()) m.normalOverturning = O::ResultantB3;
        else if (d->opt3.value()) m.normalOverturning = O::EccentricityB6;
        else if (d->opt6.value()) m.normalOverturning = O::Factor15AndB6;
        m.normalEffectiveArea = chosen(d->opt4, EffectiveAreaMethod::Deduct, d->opt5, EffectiveAreaMethod::NoDeduct);
    }
    if (const auto* d = static_cast<const Form21*>(program.find(Form21::kName))) {
        using O = OverturningMethod;
        if (d->opt1.value()) m.seismicOverturning = O::Factor10;
        else if (d->opt2.value()) m.seismicOverturning = O::Factor12;
        else if (d->opt3.value()) m.seismicOverturning = O::EccentricityB2;
        else if (d->opt4.value()) m.seismicOverturning = O::EccentricityB3;
        else if (d->opt9.value()) m.seismicOverturning = O::Factor10AndB2;
        else if (d->opt10.value()) m.seismicOverturning = O::Factor12AndB3;
        m.seismicSliding = chosen(d->opt5, SlidingMethod::Factor10, d->opt6, SlidingMethod::Factor12);
        m.seismicEffectiveArea = chosen(d->opt7, EffectiveAreaMethod::Deduct, d->opt8, EffectiveAreaMethod::NoDeduct);
        const int tick = d->chk1.value();
        m.surchargeInertia = tick == 0 ? SurchargeInertia::Off : tick == 1 ? SurchargeInertia::On : SurchargeInertia::None;
    }
    return m;
}
