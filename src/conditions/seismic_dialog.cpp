#include "conditions/seismic_dialog.h"
#include "common/colours.h"
#include "common/messages.h"

#include "common/entry_bounds.h"
#include "common/numbers.h"
#include "common/calc_fault.h"
#include "conditions/conditions_screen.h"

Form25::Form25(Program& program) : plat::Form(program, kName, plat::FormKind::Dialog), program_(program) {
    layout();
    fields_.add(Text1, {.next = Text2});
    fields_.add(Text2, {.next = cmd1});
    // Kh and Kv from "OK": the stability result built on them is stale; the section rows
    // wait for the hand-over's comparison with the next one. "キャンセル" changes nothing.
    stale_.add(cmd1, invalidates::kWallInput);
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
}

void Form25::layout() {
    setCaption("ミラノス");
    setSize(5475, 5085);
    setFont("ＭＳ ゴシック", 9);
    const plat::Font small{"ＭＳ ゴシック", 9, false};
    const plat::Font large{"ＭＳ ゴシック", 9.75, false};
    for (plat::Control* c : controls()) c->setFont(small);

    Label1.place(120, 120, 5235, 255);
    Label1.setCaption("地震時水平荷重の計算方法");
    Label1.setForeColor(kGreen);
    Label2.place(240, 450, 5115, 255);
    Label2.setCaption("Ａ 建築基礎構造設計指針");
    Label4.place(120, 765, 300, 255);
    Label4.setCaption("①");
    opt_K1.place(420, 735, 5010, 285);
    opt_K1.setCaption("地震時土圧による荷重");
    Label5.place(120, 1095, 300, 255);
    Label5.setCaption("②");
    opt_K2.place(420, 1065, 5010, 285);
    opt_K2.setCaption("擁壁の自重に起因する地震時慣性力＋常時の土圧の荷重");
    Label3.place(240, 1680, 5115, 255);
    Label3.setCaption("Ｂ 道路土工　擁壁工指針");
    opt_D1.place(420, 1980, 5010, 285);
    opt_D1.setCaption("擁壁の自重に起因する地震時慣性力＋地震時の土圧の荷重");
    Label6.place(120, 2580, 5235, 540);
    Label6.setCaption("Ａによる場合は、①と②の２通り計算比較し、①又は②の大きいほうを採用してください。");
    Label6.setForeColor(kRed);
    // The two long method captions keep the screens' size so that they fit on one line.
    for (plat::Control* c :
         std::initializer_list<plat::Control*>{&Label1, &Label2, &Label4, &opt_K1, &Label5, &Label3, &Label9})
        c->setFont(large);
    Label6.setFont("ＭＳ ゴシック", 9.75, true);

    Frame1.place(120, 3180, 5235, 1260);
    Frame1.setBorderStyle(0);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&Label9, &Label7, &Text1, &Label8, &Text2, &frm1})
        c->setContainer(Frame1);
    Label9.place(120, 0, 2400, 255);
    Label9.setCaption("震度の入力");
    Label9.setForeColor(kGreen);
    Label7.place(0, 390, 2280, 255);
    Label7.setCaption("設計水平震度　Kh=");
    Label7.setAlignment(plat::Align::Right);
    Text1.place(2340, 360, 735, 300);
    Label8.place(0, 810, 2280, 255);
    Label8.setCaption("設計鉛直震度　Kv=");
    Label8.setAlignment(plat::Align::Right);
    Text2.place(2340, 780, 735, 300);

    // Wide enough for "Cz=0.85" inside its border.
    frm1.place(3150, 0, 2085, 1200);
    frm1.setVisible(false);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&lbl_Cz, &lbl_A, &opt_A, &lbl_B, &opt_B, &lbl_C, &opt_C})
        c->setContainer(frm1);
    lbl_Cz.place(60, 120, 1875, 255);
    lbl_Cz.setCaption("地域別補正係数 Cz");
    lbl_A.place(30, 420, 990, 255);
    lbl_A.setCaption("地域区分 Ａ");
    opt_A.place(1050, 405, 975, 255);
    opt_A.setCaption("Cz=1.0");
    lbl_B.place(30, 690, 990, 255);
    lbl_B.setCaption("Ｂ");
    lbl_B.setAlignment(plat::Align::Right);
    opt_B.place(1050, 675, 975, 255);
    opt_B.setCaption("Cz=0.85");
    lbl_C.place(30, 960, 990, 255);
    lbl_C.setCaption("Ｃ");
    lbl_C.setAlignment(plat::Align::Right);
    opt_C.place(1050, 945, 975, 255);
    opt_C.setCaption("Cz=0.70");

    cmd1.place(1140, 4560, 1455, 405);
    cmd1.setCaption("ＯＫ");
    cmd2.place(2880, 4560, 1455, 405);
    cmd2.setCaption("キャンセル");

    int tab = 0;
    for (plat::Control* c : std::initializer_list<plat::Control*>{&opt_K1, &opt_K2, &opt_D1, &Text1, &Text2, &opt_A,
                                                                &opt_B, &opt_C, &cmd1, &cmd2})
        c->setTabIndex(tab++);
}

std::vector<BoundedBox> Form25::boundedBoxes() {
    return {
        {&Text1, "水平震度", bounds::kHorizontalSeismic, true, "水平震度を入力して下さい。"},
        {&Text2, "鉛直震度", bounds::kVerticalSeismic, true, "鉛直震度を入力して下さい。"},
    };
}

std::array<plat::OptionButton*, 6> Form25::options() {
    return {&opt_K1, &opt_K2, &opt_D1, &opt_A, &opt_B, &opt_C};
}

Form25::Choice Form25::choice() const {
    return {{opt_K1.value(), opt_K2.value(), opt_D1.value(), opt_A.value(), opt_B.value(), opt_C.value()},
            program_.seismicKh,
            program_.seismicKv,
            program_.seismicKho,
            program_.regionCz};
}

void Form25::open() {
    inForce_ = choice();
    openedKh_ = Text1.text();
    openedKv_ = Text2.text();
    showModal();
}

void Form25::cmd1_Click() {
    Form3& conditions = program_.form<Form3>();
    auto refuse = [this](const char* message, plat::Control& focus) {
        program_.msgBox(message, plat::msg::kOk, kErrorTitle);
        moveTo(focus);
    };
    if (!methodChosen()) return refuse("地震時水平荷重の計算方法を選択してください。", opt_K1);
    const std::vector<BoundedBox> bounded = boundedBoxes();
    for (const BoundedBox& entry : bounded)
        if (entry.box->text().empty()) return refuse(entry.missing, *entry.box);
    if (conditions.opt_D.value() && !regionChosen()) return refuse("地域別補正係数を選択して下さい。", opt_A);
    if (const BoundedBox* wrong = firstOutOfBounds(bounded))
        return refuse(refusalMessage(*wrong).c_str(), *wrong->box);

    try {
        Jisin();
    } catch (const num::CalcFault&) {
        showCannotCompute(program_);
        return;
    }
    hide();
    // The method, the region and the coefficients confirmed as they were: the KA and every
    // result built on them stand.
    if (choice() == inForce_) return;

    // The KA depends on the seismic input, and so does a computed δ: they must be typed
    // or computed again.
    conditions.opt1.setValue(false);
    conditions.opt2.setValue(false);
    conditions.txt15.setText("");
    conditions.withdrawComputedDelta();
    if (opt_K1.value() || opt_D1.value()) {
        conditions.cmd5.setEnabled(false);
        conditions.opt1.setEnabled(false);
    } else if (opt_K2.value()) {
        conditions.cmd5.setEnabled(true);
        conditions.opt1.setEnabled(true);
    }
    stale_.changed(cmd1);
}

// Everything as it was when the dialog opened: the method, the region, the two texts and
// the coefficients stored from them. The KA and every result built on them stand.
void Form25::cmd2_Click() {
    const std::array<plat::OptionButton*, 6> buttons = options();
    for (plat::OptionButton* option : buttons) option->setValue(false);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (inForce_.options[i]) buttons[i]->setValue(true);
    Text1.setText(openedKh_);
    Text2.setText(openedKv_);
    program_.seismicKh = inForce_.kh;
    program_.seismicKv = inForce_.kv;
    program_.seismicKho = inForce_.kho;
    program_.regionCz = inForce_.cz;
    hide();
}

void Form25::Jisin() {
    Form3& conditions = program_.form<Form3>();
    // Everything is worked out before anything is stored, so a fault stores nothing.
    float kh = program_.seismicKh;
    double kho = program_.seismicKho;
    double cz = program_.regionCz;
    if (conditions.opt_T.value()) {
        kh = num::readSingle(Text1.text());
    } else if (conditions.opt_D.value()) {
        kho = num::finite(num::parse(Text1.text()));
        if (opt_A.value()) cz = 1;
        if (opt_B.value()) cz = 0.85;
        if (opt_C.value()) cz = 0.70;
        kh = num::store(cz * kho);
    }
    const float kv = num::readSingle(Text2.text());
    program_.seismicKh = kh;
    program_.seismicKho = kho;
    program_.regionCz = cz;
    program_.seismicKv = kv;
}
