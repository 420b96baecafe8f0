// Scripted message boxes and dialogs, with printing into a PDF file (A4) through the Qt
// back end's print job. For the tests and benchmarks that link the Qt back end.
#pragma once
#include <QPageSize>
#include <QPrinter>

#include <string>
#include <utility>

#include "app/main_window.h"
#include "platform/qt/qt_services.h"
#include "report/print_range_dialog.h"
#include "support/scripted_services.h"

class PdfServices : public ScriptedServices {
public:
    // copies, collate and reverse: as chosen in the printer dialog.
    explicit PdfServices(std::string file, int copies = 1, bool collate = true, bool reverse = false)
        : file_(std::move(file)) {
        qt_.printerChoice = [this, copies, collate, reverse](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(QString::fromStdString(file_));
            printer.setCopyCount(copies);
            printer.setCollateCopies(collate);
            printer.setPageOrder(reverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
            return true;
        };
    }
    plat::PrinterPage printerPage() override { return qt_.printerPage(); }
    plat::PrintStart beginPrint(const std::string& title) override { return qt_.beginPrint(title); }
    bool endPrint() override { return qt_.endPrint(); }

private:
    std::string file_;
    plat::qt::QtServices qt_;
};

// Prints "一般事項・安定計算・断面計算" numbered from 1, through the print-range dialog.
inline void printWholeReport(Program& prog, ScriptedServices& svc) {
    svc.modalScripts.push_back([](plat::Form& f) {
        auto& d = static_cast<Form15&>(f);
        d.opt5.userClick();
        d.chk_P.userClick();
        d.txt_P.setText("1");
        d.cmd1.press();
    });
    prog.form<MDIForm1>().Men_FPrn_Click();
}
