#include "section/section_screen.h"

const char* const Form7::kBarItems[21] = {
    "  D10", "D10,D13", "  D13", "D13,D16", "  D16", "D16,D19", "  D19", "D19,D22", "  D22", "D22,D25", "  D25",
    "D25,D29", "  D29", "D29,D32", "  D32", "D32,D35", "  D35", "D35,D38", "  D38", "D38,D41", "  D41"};

Form7::Form7(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild), program_(program) {
    setSize(10920, 6870);
    for (plat::Label* cover : {&lbl_r1, &lbl_r2, &lbl_r5, &lbl_r6, &lbl_r7, &lbl_r8, &lbl_r9, &lbl_r10}) cover->setCaption("60");
}

void Form7::Form_Load() {
    program_.currentScreen = 3;
    for (plat::ComboBox* list : {&cbo1, &cbo2, &cbo5, &cbo6, &cbo7, &cbo8, &cbo9, &cbo10})
        for (const char* item : kBarItems) list->addItem(item);
}

void Form7::Form_Activate() { program_.currentScreen = 3; }

void Form7::Hihyouji_3() {
    cbo1.setText("");
    cbo2.setText("");
    cbo5.setText("");
    cbo6.setText("");
    cbo7.setText("");
    cbo8.setText("");
    cbo9.setText("");
    cbo10.setText("");
    lbl_ra.setCaption("");
    lbl_rb.setCaption("");
    lbl_re.setCaption("");
    lbl_rf.setCaption("");
    lbl_rg.setCaption("");
    lbl_rh.setCaption("");
    lbl_ri.setCaption("");
    lbl_rj.setCaption("");
    txt1.setText("");
    txt2.setText("");
    txt5.setText("");
    txt6.setText("");
    txt7.setText("");
    txt8.setText("");
    txt9.setText("");
    txt10.setText("");
    lbl1.setCaption("");
    lbl2.setCaption("");
    lbl3.setCaption("");
    lbl4.setCaption("");
    lbl5.setCaption("");
    lbl6.setCaption("");
    lbl7.setCaption("");
    lbl8.setCaption("");
    lbl17.setCaption("");
    lbl18.setCaption("");
    lbl19.setCaption("");
    lbl20.setCaption("");
    lbl21.setCaption("");
    lbl22.setCaption("");
    lbl23.setCaption("");
    lbl24.setCaption("");
    lbl25.setCaption("");
    lbl26.setCaption("");
    lbl27.setCaption("");
    lbl28.setCaption("");
    lbl29.setCaption("");
    lbl30.setCaption("");
    lbl31.setCaption("");
    lbl32.setCaption("");
    lbl33.setCaption("");
    lbl34.setCaption("");
    lbl35.setCaption("");
    lbl36.setCaption("");
    lbl37.setCaption("");
    lbl38.setCaption("");
    lbl39.setCaption("");
    lbl40.setCaption("");
    txt_ka.setText("");
    program_.sectionCheckDone = 0;
}
