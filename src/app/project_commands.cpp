// The project-file commands of the main window: open, overwrite save and save as. The
// report commands arrive with the report; until then they lead here.
#include <optional>

#include "app/main_window.h"
#include "section/section_screen.h"
#include "common/messages.h"
#include "conditions/conditions_screen.h"
#include "project/file_system.h"
#include "project/project_file.h"
#include "project/project_open.h"

namespace {

plat::FileDialogRequest projectDialog(const char* title) {
    return plat::FileDialogRequest{title, "C:\\ミラノス\\", "ミラノス(.ywd)|*.ywd", ""};
}

}  // namespace

void MDIForm1::FileOpen() {
    const std::string previous = program_.projectPath;
    program_.projectPath.clear();
    std::optional<std::string> chosen = program_.services().openFileDialog(projectDialog("ミラノスを開く"));
    if (!chosen || chosen->empty()) return;

    // The whole file is read before anything is touched: a file that cannot be read or is
    // no project leaves the open project as it was.
    project::ReadResult file = project::read(*chosen);
    if (file.error != project::ReadError::None) {
        program_.projectPath = previous;
        program_.msgBox(file.error == project::ReadError::Unreadable ? "ファイルを開けませんでした。"
                                                                     : "ミラノスのデータファイルではありません。",
                        plat::msg::kCritical, kErrorTitle);
        return;
    }

    program_.projectPath = *chosen;
    program_.resetProjectValues();
    project::restore(program_, file.texts, *chosen);

    // The check counts as done only where the opened inputs gave every row again.
    const bool checked = program_.form<Form7>().everyRowChecked();
    program_.sectionCheckDone = checked ? 1 : 0;
    for (plat::MenuItem* item : {&Men_FSav, &Men_FOvw, &Men_FImg, &Men_FPrn}) item->setEnabled(true);
    for (int index : {5, 6}) Toolbar1.button(index).enabled = true;
    Toolbar1.button(3).enabled = checked;
    project::restorePanel(program_);
}

void MDIForm1::FileUpdate() {
    // Toolbar button 3 can outlive the path (a cancelled save as or open): ask for one.
    if (program_.projectPath.empty()) {
        Men_FSav_Click();
        return;
    }
    auto answer = program_.msgBox("上書き保存してもよろしいですか？", plat::msg::kOkCancel | plat::msg::kSecondDefault, kConfirmTitle);
    if (answer == plat::MsgResult::Cancel) return;
    if (!project::write(program_, program_.projectPath))
        program_.msgBox("ファイルを保存できませんでした。", plat::msg::kCritical, kErrorTitle);
}

void MDIForm1::Men_FSav_Click() {
    const std::string previous = program_.projectPath;
    program_.projectPath.clear();
    std::optional<std::string> chosen = program_.services().saveFileDialog(projectDialog("ミラノスの保存"));
    program_.projectPath = chosen.value_or("");
    const std::string path = program_.projectPath;

    if (project::fileExists(path)) {
        auto answer = program_.msgBox("同名ファイルがあります。上書き保存しますか？",
                                      plat::msg::kYesNo | plat::msg::kCritical | plat::msg::kSecondDefault, "上書き保存の確認");
        if (answer == plat::MsgResult::No) return;
    }
    if (path.empty()) return;

    // A file that could not be written is not the project's file: the old path stays.
    if (!project::write(program_, path)) {
        program_.projectPath = previous;
        program_.msgBox("ファイルを保存できませんでした。", plat::msg::kCritical, kErrorTitle);
        return;
    }
    program_.form<Form3>().setCaption(path);
}

