// The printer dialog of a print job offers only what the job honours: the pages are chosen
// in the print-range dialog, so it offers no page range and no page set; copies, collated
// or not, stay.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/qt/qt_services.h"

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

}  // namespace
