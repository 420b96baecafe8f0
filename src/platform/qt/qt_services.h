// The services that need a person, answered with real Qt dialogs.
#pragma once
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

#include "platform/services.h"

class QPrintDialog;
class QPrinter;
class QWidget;

namespace plat::qt {

class DesktopView;

// The application's own title, shown where a message box has none.
inline const char* const kAppTitle = "ミラノス";

// A message box as the program asks for it: exact texts, Japanese buttons, the icon and the
// default button; Esc and the close box choose Cancel or No. Not shown yet.
std::unique_ptr<QMessageBox> buildMessageBox(const plat::MessageRequest& request, QWidget* parent = nullptr);
// The answer that a clicked button of such a box means.
plat::MsgResult messageResult(const QMessageBox& box);
// "label|pattern[|label|pattern]" becomes Qt's "label (pattern);;...".
QString toQtFilter(const std::string& filter);
// The folder a file dialog starts in: the given one when it exists here, the home folder otherwise.
QString startFolder(const std::string& folder);
// Readies a project-file dialog: Japanese type names (the toolkit's own say "Folder") and
// a size at which every column shows whole.
void prepareFileDialog(QFileDialog& dialog);
// The type the file dialog shows for an entry.
QString fileTypeName(const QFileInfo& info);

// Readies the printer dialog of a print job: it offers only what the job honours (no page
// range; copies, collated or not; a printer or a PDF file).
void preparePrintDialog(QPrintDialog& dialog);

class QtServices : public plat::Services {
public:
    QtServices();
    ~QtServices() override;

    // The view that shows the forms; modal loops and refreshes go through it.
    void setView(DesktopView* view) { view_ = view; }

    plat::MsgResult messageBox(const plat::MessageRequest& request) override;
    void beep() override;
    std::optional<std::string> openFileDialog(const plat::FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const plat::FileDialogRequest& request) override;
    bool printerDialog() override;
    plat::PrinterPage printerPage() override;
    plat::PrintStart beginPrint(const std::string& title) override;
    bool endPrint() override;
    void runModal(plat::Form& dialog) override;
    void refresh() override;

    // The printer chosen in the printer dialog, for the print run.
    QPrinter& printer();
    // When set, answers the printer dialog of a print job instead of showing it: it may
    // set up the printer (a PDF file, say) and says whether the job goes on.
    std::function<bool(QPrinter&)> printerChoice;

private:
    QWidget* dialogParent() const;
    DesktopView* view_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    class PrintJob;
    std::unique_ptr<PrintJob> job_;
};

}  // namespace plat::qt
