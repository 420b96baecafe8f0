#include "platform/qt/qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QSplitter>
#include <QTreeView>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStringList>

#include "platform/qt/desktop_view.h"
#include "platform/qt/painter_surface.h"

namespace plat::qt {

std::unique_ptr<QMessageBox> buildMessageBox(const plat::MessageRequest& request, QWidget* parent) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (request.icon) {
        case plat::MsgIcon::Critical: icon = QMessageBox::Critical; break;
        case plat::MsgIcon::Question: icon = QMessageBox::Question; break;
        case plat::MsgIcon::Exclamation: icon = QMessageBox::Warning; break;
        case plat::MsgIcon::Information: icon = QMessageBox::Information; break;
        case plat::MsgIcon::None: break;
    }
    QString title = request.title.empty() ? QString::fromUtf8(kAppTitle) : QString::fromStdString(request.title);
    auto box = std::make_unique<QMessageBox>(icon, title, QString::fromStdString(request.text), QMessageBox::NoButton,
                                             parent);
    box->setTextFormat(Qt::PlainText);
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    switch (request.buttons) {
        case plat::MsgButtons::OK:
            first = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            first->setProperty("miranosuResult", static_cast<int>(plat::MsgResult::OK));
            box->setEscapeButton(first);
            break;
        case plat::MsgButtons::OKCancel:
            first = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            second = box->addButton(QString::fromUtf8("キャンセル"), QMessageBox::RejectRole);
            first->setProperty("miranosuResult", static_cast<int>(plat::MsgResult::OK));
            second->setProperty("miranosuResult", static_cast<int>(plat::MsgResult::Cancel));
            box->setEscapeButton(second);
            break;
        case plat::MsgButtons::YesNo:
            first = box->addButton(QString::fromUtf8("はい"), QMessageBox::YesRole);
            second = box->addButton(QString::fromUtf8("いいえ"), QMessageBox::NoRole);
            first->setProperty("miranosuResult", static_cast<int>(plat::MsgResult::Yes));
            second->setProperty("miranosuResult", static_cast<int>(plat::MsgResult::No));
            box->setEscapeButton(second);
            break;
    }
    box->setDefaultButton(request.defaultButton == 1 && second ? second : first);
    return box;
}

plat::MsgResult messageResult(const QMessageBox& box) {
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked) clicked = box.escapeButton();
    bool ok = false;
    int value = clicked ? clicked->property("miranosuResult").toInt(&ok) : 0;
    if (!ok) return plat::MsgResult::Cancel;
    return static_cast<plat::MsgResult>(value);
}

QString toQtFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1].trimmed();
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i].trimmed() + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    if (out.isEmpty() && !filter.empty()) out << QString::fromStdString(filter);
    return out.join(QStringLiteral(";;"));
}

QString startFolder(const std::string& folder) {
    QString f = QString::fromStdString(folder);
    // A Windows path such as "C:\ミラノス\" means nothing here.
    bool windowsPath = f.contains(QLatin1Char('\\')) || (f.size() >= 2 && f[1] == QLatin1Char(':'));
    if (!f.isEmpty() && !windowsPath && QFileInfo(f).isDir()) return f;
    return QDir::homePath();
}

namespace {

// Type names in the program's language; the toolkit's own translation leaves "Folder".
class JapaneseTypes : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override { return fileTypeName(info); }
};

}  // namespace

QString fileTypeName(const QFileInfo& info) {
    if (info.isDir()) return QString::fromUtf8("フォルダー");
    if (info.suffix().compare(QStringLiteral("ywd"), Qt::CaseInsensitive) == 0)
        return QString::fromUtf8("ミラノス データ");
    if (info.suffix().isEmpty()) return QString::fromUtf8("ファイル");
    return info.suffix().toUpper() + QString::fromUtf8(" ファイル");
}

void prepareFileDialog(QFileDialog& dialog) {
    static JapaneseTypes types;
    dialog.setIconProvider(&types);
    // Wide enough for name, size, type and a whole date; the columns other than the
    // name take what their contents need.
    dialog.resize(820, 460);
    if (auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = tree->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"))) splitter->setSizes({170, 650});
}

// A print job on the chosen printer. Sheets turn lazily, so that a new page on which
// nothing is drawn (the one after the last page of a run) adds no blank sheet. Copies
// and the reverse order, where the printer does not make them itself (a PDF file), are
// made here: the run is kept page by page and sent as the printer dialog asked.
class QtServices::PrintJob : public plat::Surface {
public:
    explicit PrintJob(QPrinter& printer) : printer_(printer) {
        if (!printer_.supportsMultipleCopies()) copies_ = std::max(1, printer_.copyCount());
        reverse_ = printer_.outputFormat() == QPrinter::PdfFormat && printer_.pageOrder() == QPrinter::LastPageFirst;
        keep_ = copies_ > 1 || reverse_;
        active_ = painter_.begin(&printer_);
        if (!active_) return;
        inner_ = std::make_unique<QPainterSurface>(painter_);
        setPrintableWidth(printer_.pageLayout().paintRectPoints().width() * 20);
    }
    ~PrintJob() override { finish(false); }

    // Whether the printer or the file took the job.
    bool started() const { return active_; }
    // Ends the job: sends it when it was completed, abandons it otherwise. True when a
    // completed job was sent without an error of the printer or the file.
    bool finish(bool send) {
        if (!active_) return sent_;
        if (send && keep_) sendKept();
        active_ = false;
        if (!send) printer_.abort();
        bool ended = painter_.end();
        sent_ = send && ended && printer_.printerState() != QPrinter::Error;
        return sent_;
    }

protected:
    void doText(double x, double y, const std::string& text) override {
        if (keep_) return copyText(pages_.back(), x, y, text);
        if (!ready()) return;
        copyText(*inner_, x, y, text);
        drawn_ = true;
    }
    void doLine(double x1, double y1, double x2, double y2, plat::Colour c) override {
        if (keep_) return copyLine(pages_.back(), x1, y1, x2, y2, c);
        if (!ready()) return;
        copyLine(*inner_, x1, y1, x2, y2, c);
        drawn_ = true;
    }
    void doClear() override {}
    void doNewPage() override {
        if (keep_) {
            if (!pages_.back().ops().empty()) pages_.emplace_back();
            return;
        }
        if (drawn_) pending_ = true;
        drawn_ = false;
    }
    void doEndDoc() override { finish(true); }

private:
    // Draws on the target in this surface's font, colour and line style.
    void copyText(plat::Surface& target, double x, double y, const std::string& text) {
        target.setFont(fontName(), fontSize(), fontBold());
        target.setForeColor(foreColor());
        target.setCurrentX(x);
        target.setCurrentY(y);
        target.printInline(text);
    }
    void copyLine(plat::Surface& target, double x1, double y1, double x2, double y2, plat::Colour c) {
        target.setDrawStyle(drawStyle());
        target.setDrawWidth(drawWidth());
        target.line(x1, y1, x2, y2, c);
    }
    // The kept pages, each replayed onto this job's sheets: collated, the whole run and
    // then the whole run again; otherwise each page as often as asked. Reversed, the last
    // page first.
    void sendKept() {
        std::vector<plat::RecordingSurface> pages = std::move(pages_);
        std::erase_if(pages, [](const plat::RecordingSurface& page) { return page.ops().empty(); });
        if (reverse_) std::reverse(pages.begin(), pages.end());
        keep_ = false;
        auto send = [this](const plat::RecordingSurface& page) {
            page.replay(*this);
            doNewPage();
        };
        if (printer_.collateCopies()) {
            for (int copy = 0; copy < copies_; ++copy)
                for (const auto& page : pages) send(page);
        } else {
            for (const auto& page : pages)
                for (int copy = 0; copy < copies_; ++copy) send(page);
        }
    }
    bool ready() {
        if (!active_) return false;
        if (pending_) {
            printer_.newPage();
            pending_ = false;
        }
        return true;
    }
    QPrinter& printer_;
    QPainter painter_;
    std::unique_ptr<QPainterSurface> inner_;
    int copies_ = 1;
    bool reverse_ = false;
    bool keep_ = false;  // the pages wait for the end of the run
    std::vector<plat::RecordingSurface> pages_{1};
    bool active_ = false;
    bool sent_ = false;
    bool drawn_ = false;
    bool pending_ = false;
};

namespace {

// The toolkit shows its page range again each time the dialog is shown, whatever the
// options say (a print server could pick the pages), and its page set (odd or even pages)
// as well: both go again once it is shown, and every page is printed.
class NoPageChoice : public QObject {
public:
    explicit NoPageChoice(QPrintDialog& dialog) : QObject(&dialog), dialog_(dialog) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dialog_ && event->type() == QEvent::Show) {
            if (auto* all = dialog_.findChild<QAbstractButton*>(QStringLiteral("printAll"))) all->setChecked(true);
            for (const char* name : {"gbPrintRange", "pageSetCombo", "pageSetLabel"})
                if (auto* w = dialog_.findChild<QWidget*>(QString::fromLatin1(name))) w->hide();
        }
        return false;
    }

private:
    QPrintDialog& dialog_;
};

}  // namespace

void preparePrintDialog(QPrintDialog& dialog) {
    // The pages are chosen in the print-range dialog: no range, selection or current page
    // here. Copies are printed (by the printer, or by the job for a file), collated or not.
    // Printing to a PDF file stays offered: without an installed printer it is the only way out.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.installEventFilter(new NoPageChoice(dialog));
}

QtServices::QtServices() = default;
QtServices::~QtServices() = default;

QWidget* QtServices::dialogParent() const {
    if (view_) return view_->topWindow();
    return QApplication::activeWindow();
}

plat::MsgResult QtServices::messageBox(const plat::MessageRequest& request) {
    auto box = buildMessageBox(request, nullptr);
    if (view_) {
        // Nothing more is asked once the program has ended.
        if (view_->desktop().ended())
            return static_cast<plat::MsgResult>(box->defaultButton()->property("miranosuResult").toInt());
        view_->sync();
    }
    box->setParent(dialogParent(), box->windowFlags());
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    return messageResult(*box);
}

void QtServices::beep() { QApplication::beep(); }

std::optional<std::string> QtServices::openFileDialog(const plat::FileDialogRequest& request) {
    if (view_) view_->sync();
    QFileDialog dialog(dialogParent(), QString::fromStdString(request.title), startFolder(request.initialFolder),
                       toQtFilter(request.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepareFileDialog(dialog);
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtServices::saveFileDialog(const plat::FileDialogRequest& request) {
    if (view_) view_->sync();
    QFileDialog dialog(dialogParent(), QString::fromStdString(request.title), startFolder(request.initialFolder),
                       toQtFilter(request.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString());
    prepareFileDialog(dialog);
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

QPrinter& QtServices::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtServices::printerDialog() {
    if (view_) view_->sync();
    QPrintDialog dialog(&printer(), dialogParent());
    preparePrintDialog(dialog);
    return dialog.exec() == QDialog::Accepted;
}

plat::PrinterPage QtServices::printerPage() {
    QPageLayout layout = printer().pageLayout();
    QRectF full = layout.fullRectPoints();
    QRectF paint = layout.paintRectPoints();
    plat::PrinterPage page;
    page.width = static_cast<int>(std::lround(full.width() * 20));
    page.height = static_cast<int>(std::lround(full.height() * 20));
    page.scaleWidth = static_cast<float>(paint.width() * 20);
    page.scaleHeight = static_cast<float>(paint.height() * 20);
    return page;
}

plat::PrintStart QtServices::beginPrint(const std::string& title) {
    QPrinter& chosen = printer();
    chosen.setDocName(QString::fromStdString(title));
    // Each job starts from one copy in page order: the printer and the file chosen last
    // stay, but what the last job asked of its copies does not, hidden in the dialog.
    chosen.setCopyCount(1);
    chosen.setCollateCopies(true);
    chosen.setPageOrder(QPrinter::FirstPageFirst);
    if (printerChoice) {
        if (!printerChoice(chosen)) return {};
    } else {
        if (view_) view_->sync();
        QPrintDialog dialog(&chosen, dialogParent());
        preparePrintDialog(dialog);
        if (dialog.exec() != QDialog::Accepted) return {};
    }
    job_.reset();
    job_ = std::make_unique<PrintJob>(chosen);
    if (!job_->started()) {
        job_.reset();
        return {.failed = true};
    }
    return {.surface = job_.get()};
}

bool QtServices::endPrint() {
    // The surface stays for the program's output target; only the job is closed.
    return job_ && job_->finish(false);
}

void QtServices::runModal(plat::Form& dialog) {
    if (view_) view_->runModal(dialog);
}

void QtServices::refresh() {
    if (view_) view_->sync();
}

}  // namespace plat::qt
