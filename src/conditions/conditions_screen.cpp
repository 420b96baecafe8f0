#include "conditions/conditions_screen.h"

#include "section/section_screen.h"
#include "stability/dimension_screen.h"

Form3::Form3(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild), program_(program) {
    setSize(10920, 6870);
    txt1.place(1400, 600, 4095, 270);
    opt_T.place(300, 1100, 4800, 255);
    opt_T.setCaption("建築基準法、建築基礎構造設計指針");
    opt_D.place(300, 1380, 4800, 255);
    opt_D.setCaption("道路土工(擁壁工指針)");
    Frame2.place(300, 1700, 4800, 700);
    opt3.place(100, 150, 255, 255);
    opt3.setContainer(Frame2);
    opt4.place(100, 420, 255, 255);
    opt4.setContainer(Frame2);
    cmd4.place(2000, 150, 2600, 400);
    cmd4.setCaption("水平荷重の計算方法震度の入力");
    cmd4.setContainer(Frame2);
    cmd4.setEnabled(false);
    lbl46.place(300, 3300, 3400, 255);
    lbl46.setCaption("（短期）：ft=");
    txt13.place(3800, 3300, 615, 270);
    lbl47.place(4500, 3300, 600, 255);
    lbl47.setCaption("N/mm2");
    opt3.setValue(true);
}

void Form3::Form_Load() { program_.currentScreen = 1; }

void Form3::Form_Activate() {
    program_.currentScreen = 1;
    program_.form<Form4>().hide();
    program_.form<Form7>().hide();
    program_.currentScreen = 1;
}
