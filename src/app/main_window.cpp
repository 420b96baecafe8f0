#include "app/main_window.h"
#include "common/messages.h"

#include <utility>

#include "app/about_box.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/reference_windows.h"
#include "report/current_results.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"

namespace {
}  // namespace

MDIForm1::MDIForm1(Program& program) : plat::Form(program, kName, plat::FormKind::MdiFrame), program_(program) {
    // A new or closed project has nothing to save over, preview or print.
    stale_.add("new project", invalidates::kReportCommands);
    stale_.add("close project", invalidates::kReportCommands);
    setCaption("ミラノス");
    setSize(12000, 9000);

    for (plat::MenuItem* item : {&Men_FNew, &Men_FOpn, &Men_FCls, &Men_FL1, &Men_FOvw, &Men_FSav, &Men_FL2,
                                 &Men_FImg, &Men_FPrn, &Men_FL3, &Men_FEnd})
        Men_F.add(*item);
    Men_H.add(Men_FVer);
    menuBar() = {&Men_F, &Men_S, &Men_H};

    Toolbar1.addButton(1, "[ファイル]-[新規作成]", "新規作成");
    Toolbar1.addButton(2, "[ファイル]-[開く]", "開く");
    Toolbar1.addButton(3, "[ファイル]-[上書き保存]", "上書き保存");
    Toolbar1.addSeparator();
    Toolbar1.addButton(4, "[ファイル]-[印刷ｲﾒｰｼﾞ]", "印刷ｲﾒｰｼﾞ");
    Toolbar1.addButton(5, "[ファイル]-[印刷]", "印刷");

    Men_F.Click = [this] { Men_F_Click(); };
    Men_FNew.Click = [this] { FileNew(); };
    Men_FOpn.Click = [this] { FileOpen(); };
    Men_FCls.Click = [this] { Men_FCls_Click(); };
    Men_FOvw.Click = [this] { FileUpdate(); };
    Men_FSav.Click = [this] { Men_FSav_Click(); };
    Men_FImg.Click = [this] { FileImage(); };
    Men_FPrn.Click = [this] { Men_FPrn_Click(); };
    Men_FEnd.Click = [this] { Men_FEnd_Click(); };
    Men_S.Click = [this] { Men_S_Click(); };
    Men_FVer.Click = [this] { Men_FVer_Click(); };
    Toolbar1.ButtonClick = [this](int index) { Toolbar1_ButtonClick(index); };
}

void MDIForm1::MDIForm_Load() {
    program_.currentScreen = 0;
    show();
    for (ToolbarButton command : kReportCommandButtons) button(Toolbar1, command).enabled = false;
}

// The File menu computes its items each time it opens; of the save items a later rule
// overrides an earlier one. Preview and print are offered exactly while a stability result
// stands for the inputs on screen, whatever came before: the stability pages can be made
// while the section design is under way, and the section pages ask for their own check.
void MDIForm1::Men_F_Click() {
    bool hasPath = !program_.projectPath.empty();
    if (!program_.hasResult()) {
        Men_FSav.setEnabled(false);
        Men_FOvw.setEnabled(false);
    }
    if (program_.slidingSafetyFactor != 0) Men_FOvw.setEnabled(hasPath);
    if (!program_.checkCurrent()) {
        Men_FSav.setEnabled(false);
        Men_FOvw.setEnabled(false);
    } else {
        Men_FSav.setEnabled(true);
        if (hasPath) Men_FOvw.setEnabled(true);
    }
    const bool pages = report::stabilityCurrent(program_);
    Men_FImg.setEnabled(pages);
    Men_FPrn.setEnabled(pages);
}

std::string MDIForm1::titleFor(const std::string& path) {
    if (path.empty()) return "ミラノス";
    const std::size_t slash = path.find_last_of('/');
    return "ミラノス - " + (slash == std::string::npos ? path : path.substr(slash + 1));
}

void MDIForm1::setProjectPath(const std::string& path) {
    program_.projectPath = path;
    setCaption(titleFor(path));
}

namespace {

// A new or closed project starts from the initial values, with no section check, but the
// last sliding factor stays: the File menu's rule for overwrite save reads it.
void resetKeepingSlidingFactor(Program& program) {
    const float sliding = program.slidingSafetyFactor;
    program.resetProjectValues();
    program.slidingSafetyFactor = sliding;
    program.dropCheck();
}

}  // namespace

void MDIForm1::FileNew() {
    resetKeepingSlidingFactor(program_);
    // The cover dialog goes with the section screen: its covers are the project's.
    // Both key dialogs go with the wall: a text left in one is not the next wall's.
    for (const char* name : {"Form3", "Form23", "Form4", "Form7", "Form14", "Form19", "Form21", "Form22", "Form26"})
        program_.unload(name);
    Form3& form3 = program_.form<Form3>();
    form3.cmd4.setEnabled(false);
    program_.unload("Form25");
    form3.setTop(0);
    form3.setLeft(0);
    form3.show();
    form3.txt1.setFocus();
    form3.txt1.selectAll();
    form3.lbl46.setVisible(false);
    form3.lbl47.setVisible(false);
    form3.txt13.setVisible(false);
    stale_.changed("new project");
    setProjectPath("");
}

// Nothing changes before the user confirmed: a cancelled close leaves the results,
// the check and the path as they were.
void MDIForm1::Men_FCls_Click() {
    auto answer = program_.msgBox("閉じてもよろしいですか？", plat::msg::kOkCancel | plat::msg::kQuestion | plat::msg::kSecondDefault, kConfirmTitle);
    if (answer == plat::MsgResult::Cancel) return;
    program_.currentScreen = 0;
    for (const char* name : {"Form3", "Form23", "Form4", "Form7", "Form14", "Form19", "Form21", "Form25", "Form22", "Form26"})
        program_.unload(name);
    // A screen uncovered while the others went may have claimed to be current.
    program_.currentScreen = 0;
    resetKeepingSlidingFactor(program_);
    stale_.changed("close project");
    setProjectPath("");
}

void MDIForm1::Men_FEnd_Click() {
    auto answer = program_.msgBox("終了してもよろしいですか？", plat::msg::kYesNo | plat::msg::kSecondDefault, kConfirmTitle);
    if (answer != plat::MsgResult::No) program_.endProgram();
}

void MDIForm1::MDIForm_QueryUnload(bool& cancel) {
    auto answer = program_.msgBox("終了してもよろしいですか?", plat::msg::kYesNo, "");
    if (answer == plat::MsgResult::No) {
        cancel = true;
        return;
    }
    program_.endProgram();
}

void MDIForm1::Men_S_Click() {
    Men_F.setEnabled(false);
    Men_S.setEnabled(false);
    Toolbar1.setVisible(false);
    // Asks the design-conditions screen only when it exists: no project, no screen.
    plat::Form* table;
    if (designChoices(program_).road())
        table = &program_.form<Form9>();
    else
        table = &program_.form<Form10>();
    table->setTop(0);
    table->setLeft(0);
    table->show();
}

void MDIForm1::Toolbar1_ButtonClick(int index) {
    switch (static_cast<ToolbarButton>(index)) {
        case ToolbarButton::New: FileNew(); break;
        case ToolbarButton::Open: FileOpen(); break;
        case ToolbarButton::Save: FileUpdate(); break;
        case ToolbarButton::Preview: FileImage(); break;
        case ToolbarButton::Print: Men_FPrn_Click(); break;
        case ToolbarButton::Separator: break;
    }
}

void MDIForm1::Men_FVer_Click() { program_.form<Form13>().showModal(); }
