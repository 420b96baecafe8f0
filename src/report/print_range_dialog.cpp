#include "report/print_range_dialog.h"
#include "common/messages.h"
#include "common/entry_bounds.h"

#include "common/numbers.h"
#include "report/current_results.h"
#include "report/print_run.h"

Form15::Form15(Program& program) : plat::Form(program, kName, plat::FormKind::Dialog), program_(program) {
    layout();
    fields_.add(txt_P, {.next = cmd1});
    for (plat::OptionButton* o : {&opt1, &opt2, &opt3, &opt4, &opt5}) o->Click = [this] { opt_Click(); };
    chk_P.Click = [this] { chk_P_Click(); };
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
}

void Form15::layout() {
    setCaption("ミラノス");
    setSize(3810, 3960);
    setFont("ＭＳ ゴシック", 9);
    for (plat::Control* c : controls()) c->setFont("ＭＳ ゴシック", 9);

    Frame1.place(180, 120, 3435, 2235);
    Frame1.setCaption("印刷範囲の指定");
    Frame1.setTabIndex(9);
    struct Option {
        plat::OptionButton& button;
        const char* caption;
        int top, width, height;
    };
    const Option options[] = {
        {opt1, "一般事項", 360, 1995, 195},
        {opt2, "安定計算", 720, 1995, 195},
        {opt3, "断面計算", 1080, 1995, 195},
        {opt4, "安定計算・断面計算", 1440, 2415, 195},
        {opt5, "一般事項・安定計算・断面計算", 1800, 3075, 180},
    };
    int tab = 0;
    for (const Option& o : options) {
        o.button.setContainer(Frame1);
        o.button.place(240, o.top, o.width, o.height);
        o.button.setCaption(o.caption);
        o.button.setTabIndex(tab++);
    }
    chk_P.place(720, 2520, 2295, 240);
    chk_P.setCaption("ページ番号を付ける");
    chk_P.setTabIndex(5);
    txt_P.place(2520, 3000, 555, 270);
    txt_P.setTabIndex(6);
    txt_P.setEnabled(false);
    cmd1.place(660, 3480, 1215, 375);
    cmd1.setCaption("ＯＫ");
    cmd1.setTabIndex(7);
    cmd2.place(1980, 3480, 1215, 375);
    cmd2.setCaption("キャンセル");
    cmd2.setTabIndex(8);
    lbl2.place(960, 3120, 1515, 195);
    lbl2.setCaption("(数字を入力)");
    lbl2.setTabIndex(10);
    lbl2.setEnabled(false);
    lbl1.place(960, 2880, 1515, 195);
    lbl1.setCaption("最初のページ番号");
    lbl1.setTabIndex(11);
    lbl1.setEnabled(false);
}

void Form15::opt_Click() { cmd1.setFocus(); }

void Form15::chk_P_Click() {
    if (chk_P.value() == 1) {
        lbl1.setEnabled(true);
        lbl2.setEnabled(true);
        txt_P.setEnabled(true);
    } else {
        lbl1.setEnabled(false);
        lbl2.setEnabled(false);
        txt_P.setText("");
        txt_P.setEnabled(false);
    }
}

void Form15::cmd1_Click() {
    if (!opt1.value() && !opt2.value() && !opt3.value() && !opt4.value() && !opt5.value()) {
        program_.msgBox("印刷範囲を指定してください。", plat::msg::kOk, kErrorTitle);
        return;
    }
    // Numbered pages start from a page number that the foot of a page can hold.
    const BoundedBox firstNumber{&txt_P, "最初のページ番号", Bounds{1, false, 9999, false, ""}, chk_P.value() == 1,
                                 "最初のページ番号を入力してください。"};
    if (refuseOutOfBounds(program_, {firstNumber})) return;
    const float first = num::readSingle(txt_P.text());
    program_.firstPageNumber = first;
    hide();
    report::FilePrint(program_);
}

void Form15::cmd2_Click() { unload(); }

namespace report {

void showPrintRange(Program& program) {
    if (!mayMakePages(program, false)) return;
    program.form<Form15>().showModal();
}

}  // namespace report
