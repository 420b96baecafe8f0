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

constexpr const char* kExtension = ".ywd";
constexpr const char* kReadOnlyMessage = "読み取り専用のファイルには保存できません。";

plat::FileDialogRequest projectDialog(const char* title) {
    return plat::FileDialogRequest{title, "C:\\ミラノス\\", "ミラノス(.ywd)|*.ywd", ""};
}

// The name the project is saved under: the chosen one, with ".ywd" added unless it ends
// so already (in any case), so that the open dialog, which lists *.ywd, shows it again.
std::string withExtension(const std::string& chosen) {
    const std::size_t slash = chosen.find_last_of('/');
    const std::string name = slash == std::string::npos ? chosen : chosen.substr(slash + 1);
    const std::string ext = kExtension;
    if (name.size() > ext.size()) {
        std::string tail = name.substr(name.size() - ext.size());
        for (char& c : tail)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (tail == ext) return chosen;
    }
    return chosen + ext;
}

}  // namespace

void MDIForm1::FileOpen() {
    const std::string previous = program_.projectPath;
    program_.projectPath.clear();
    std::optional<std::string> chosen = program_.services().openFileDialog(projectDialog("ミラノスを開く"));
    if (!chosen || chosen->empty()) {
        setProjectPath("");
        return;
    }

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

    setProjectPath(*chosen);
    program_.resetProjectValues();
    if (!project::restore(program_, file.texts, *chosen)) {
        // A refused value: as for a project not yet calculated.
        program_.dropResult();
        for (plat::MenuItem* item : {&Men_FSav, &Men_FOvw, &Men_FImg, &Men_FPrn}) item->setEnabled(false);
        for (ToolbarButton command : kReportCommandButtons) button(Toolbar1, command).enabled = false;
        project::showRefusal(program_);
        return;
    }

    // The check counts as done only where the opened inputs gave every row again.
    const bool checked = program_.form<Form7>().everyRowChecked();
    if (checked)
        program_.countCheck();
    else
        program_.dropCheck();
    for (plat::MenuItem* item : {&Men_FSav, &Men_FOvw, &Men_FImg, &Men_FPrn}) item->setEnabled(true);
    button(Toolbar1, ToolbarButton::Preview).enabled = true;
    button(Toolbar1, ToolbarButton::Print).enabled = true;
    button(Toolbar1, ToolbarButton::Save).enabled = checked;
    project::restorePanel(program_);
}

void MDIForm1::FileUpdate() {
    // The overwrite-save button can outlive the path (a cancelled save as or open): ask for one.
    if (program_.projectPath.empty()) {
        Men_FSav_Click();
        return;
    }
    // Asking first would promise a save that cannot happen.
    if (project::isReadOnly(program_.projectPath)) {
        program_.msgBox(kReadOnlyMessage, plat::msg::kCritical, kErrorTitle);
        return;
    }
    auto answer = program_.msgBox("上書き保存してもよろしいですか？", plat::msg::kOkCancel | plat::msg::kSecondDefault, kConfirmTitle);
    if (answer == plat::MsgResult::Cancel) return;
    if (!project::write(program_, program_.projectPath))
        program_.msgBox("ファイルを保存できませんでした。", plat::msg::kCritical, kErrorTitle);
}

// Whatever ends the command without a file written leaves the project's path as it was
// before the dialog, so overwrite save never writes to a name the user turned down. A
// cancelled dialog alone drops the path.
void MDIForm1::Men_FSav_Click() {
    const std::string previous = program_.projectPath;
    program_.projectPath.clear();
    std::optional<std::string> chosen = program_.services().saveFileDialog(projectDialog("ミラノスの保存"));
    if (!chosen || chosen->empty()) {
        setProjectPath("");
        return;
    }
    const std::string path = withExtension(*chosen);

    if (project::isReadOnly(path)) {
        setProjectPath(previous);
        program_.msgBox(kReadOnlyMessage, plat::msg::kCritical, kErrorTitle);
        return;
    }
    if (project::fileExists(path)) {
        auto answer = program_.msgBox("同名ファイルがあります。上書き保存しますか？",
                                      plat::msg::kYesNo | plat::msg::kCritical | plat::msg::kSecondDefault, "上書き保存の確認");
        if (answer == plat::MsgResult::No) {
            setProjectPath(previous);
            return;
        }
    }

    // A file that could not be written is not the project's file: the old path stays.
    if (!project::write(program_, path)) {
        setProjectPath(previous);
        program_.msgBox("ファイルを保存できませんでした。", plat::msg::kCritical, kErrorTitle);
        return;
    }
    setProjectPath(path);
    program_.form<Form3>().setCaption(path);
}
