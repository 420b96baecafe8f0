#include "app/about_box.h"
#include "common/colours.h"

Form13::Form13(Program& program) : plat::Form(program, kName, plat::FormKind::Dialog) {
    setCaption("ミラノス");
    setSize(4680, 2400);
    setFont("ＭＳ ゴシック", 9);
    Picture1.place(300, 360, 540, 540);
    Picture1.setBorderStyle(0);
    Picture1.setBackColor(0xC0C0C0);
    lbl1.place(1140, 360, 3300, 300);
    lbl1.setFont("ＭＳ ゴシック", 9);
    lbl1.setCaption("ミラノス　Version 1.42");
    lbl2.place(1140, 780, 3300, 300);
    lbl2.setFont("ＭＳ ゴシック", 9);
    lbl2.setCaption("Ｕ型擁壁の設計計算");
    cmd1.place(1740, 1560, 1200, 420);
    // The proportional face draws the full-width "ＯＫ" as narrow as "OK"; the fixed one
    // shows it as typed.
    cmd1.setFont("ＭＳ ゴシック", 9);
    cmd1.setCaption("ＯＫ");
    cmd1.Click = [this] { cmd1_Click(); };

    // The icon: a small U-shaped wall.
    auto& s = Picture1.surface();
    s.setDrawWidth(2);
    s.line(90, 60, 90, 450, kNavy);
    s.line(90, 450, 450, 450, kNavy);
    s.line(450, 450, 450, 60, kNavy);
    s.line(150, 60, 150, 390, kNavy);
    s.line(150, 390, 390, 390, kNavy);
    s.line(390, 390, 390, 60, kNavy);
}
