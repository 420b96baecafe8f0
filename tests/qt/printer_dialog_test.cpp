// The printer dialog of a print job offers only what the job honours: the pages are chosen
// in the print-range dialog, so it offers no page range and no page set; copies, collated
// or not, stay. Each job starts from one copy in page order.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/qt_services.h"
#include "support/pdf_text.h"

namespace {

TEST(PrinterDialog, OffersNoPageRangeButCopies) {
    QPrinter printer(QPrinter::HighResolution);
    // A range left from elsewhere does not come back through the dialog.
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    QPrintDialog dialog(&printer);
    plat::qt::preparePrintDialog(dialog);
    for (int shown = 0; shown < 2; ++shown) {  // the toolkit redoes its widgets at each showing
        dialog.show();
        QApplication::processEvents();
        // The options under "Options >>" unfolded, as the user sees them.
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text().contains(QStringLiteral(">>"))) b->click();
        QApplication::processEvents();
        for (const char* name : {"gbPrintRange", "pageSetCombo", "pageSetLabel"}) {
            auto* w = dialog.findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(w, nullptr) << name;
            EXPECT_FALSE(w->isVisible()) << name;
        }
        auto* all = dialog.findChild<QAbstractButton*>(QStringLiteral("printAll"));
        ASSERT_NE(all, nullptr);
        EXPECT_TRUE(all->isChecked());
        auto* copies = dialog.findChild<QSpinBox*>(QStringLiteral("copies"));
        ASSERT_NE(copies, nullptr);
        EXPECT_TRUE(copies->isVisible());
        EXPECT_TRUE(copies->isEnabled());
        auto* collate = dialog.findChild<QAbstractButton*>(QStringLiteral("collate"));
        ASSERT_NE(collate, nullptr);
        EXPECT_TRUE(collate->isVisible());
        if (const char* dir = std::getenv("MIRANOSU_PAGE_PNG_DIR"))
            dialog.grab().save(QString::fromStdString(std::string(dir) + "/printer-dialog.png"));
        dialog.accept();
        // Every page: the print-range dialog's choice is printed whole.
        EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
    }
}

// Answers the printer dialog from inside its modal loop, once it is on screen.
void whenTheDialogShows(std::function<void(QPrintDialog&)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start();
}

// A job of two pages, "one" and "two", through the printer dialog into the PDF file; the
// text of each sheet of the file, in file order.
std::vector<std::string> printTwoPages(plat::qt::QtServices& services, const QString& pdf) {
    QPrinter& printer = services.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const plat::PrintStart start = services.beginPrint("ミラノス");
    if (!start.surface) return {};
    start.surface->print("one");
    start.surface->newPage();
    start.surface->print("two");
    start.surface->endDoc();
    services.endPrint();
    const std::string text = pdf_text::commandOutput("pdftotext '" + pdf.toStdString() + "' - 2>/dev/null");
    std::vector<std::string> sheets;
    std::string sheet;
    for (char c : text) {
        if (c == '\f') {
            sheets.push_back(sheet);
            sheet.clear();
        } else if (c != '\n' && c != ' ') {
            sheet += c;
        }
    }
    return sheets;
}

// Copies and order asked for one job are not kept, hidden behind the dialog's options,
// for the next: it starts from one copy in page order.
TEST(PrinterDialog, EachJobStartsFromOneCopyInPageOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    plat::qt::QtServices services;
    whenTheDialogShows([](QPrintDialog& dialog) {
        auto* copies = dialog.findChild<QSpinBox*>(QStringLiteral("copies"));
        auto* reverse = dialog.findChild<QCheckBox*>(QStringLiteral("reverse"));
        if (copies) copies->setValue(2);
        if (reverse) reverse->setChecked(true);
        dialog.accept();
    });
    EXPECT_EQ(printTwoPages(services, dir.filePath("first.pdf")),
              (std::vector<std::string>{"two", "one", "two", "one"}));

    int shownCopies = 0;
    bool shownReverse = true;
    whenTheDialogShows([&](QPrintDialog& dialog) {
        auto* copies = dialog.findChild<QSpinBox*>(QStringLiteral("copies"));
        auto* reverse = dialog.findChild<QCheckBox*>(QStringLiteral("reverse"));
        if (copies) shownCopies = copies->value();
        if (reverse) shownReverse = reverse->isChecked();
        dialog.accept();
    });
    EXPECT_EQ(printTwoPages(services, dir.filePath("second.pdf")), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(shownCopies, 1);
    EXPECT_FALSE(shownReverse);
}

}  // namespace
