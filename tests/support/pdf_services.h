// Scripted message boxes and dialogs, with printing into a PDF file (A4) through the Qt
// back end's print job. For the tests and benchmarks that link the Qt back end.
#pragma once
#include <QPageSize>
#include <QPrinter>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/forms.h"
#include "app/main_window.h"
#include "platform/qt/qt_services.h"
#include "report/print_range_dialog.h"
#include "support/fixture_walls.h"
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

// What a fresh program left after a fixture wall was entered and its whole report printed.
struct PrintRun {
    int sectionCheckDone = 0;           // the stress check's flag before printing
    std::vector<std::string> messages;  // every message of the run
    plat::PrinterPage printerPage;      // the page the report was printed on
};

// Enters the wall through the screens in a fresh program and prints its whole report
// into the PDF file.
inline PrintRun printFixtureWall(fixture::Wall wall, const std::string& pdf) {
    PdfServices svc(pdf);
    Program prog(svc);
    registerForms(prog);
    prog.form<MDIForm1>();
    fixture::enterWall(prog, wall);
    PrintRun run;
    run.sectionCheckDone = prog.sectionCheckDoneValue();
    printWholeReport(prog, svc);
    run.messages = svc.messageTexts();
    run.printerPage = svc.printerPage();
    return run;
}

// With MIRANOSU_KEEP_PDF set to a folder, a copy of the wall's PDF there to look at.
inline void keepPdf(fixture::Wall wall, const std::string& pdf) {
    if (const char* keep = std::getenv("MIRANOSU_KEEP_PDF"))
        std::filesystem::copy_file(pdf, std::filesystem::path(keep) / (fixture::name(wall) + ".pdf"),
                                   std::filesystem::copy_options::overwrite_existing);
}
