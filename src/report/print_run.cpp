#include "report/print_run.h"

#include "common/calc_fault.h"
#include "common/numbers.h"
#include "report/current_results.h"
#include "report/pages/page_conventions.h"
#include "report/print_range_dialog.h"
#include "report/report_pages.h"
#include "section/calculation_faults.h"

namespace report {

namespace {

constexpr double kPageNumberX = 5500;
constexpr const char* kNotPrintedMessage = "計算書を印刷できませんでした。";

class PrintRun {
public:
    PrintRun(Program& program, Form15& range, plat::Surface& printer)
        : program_(program), range_(range), printer_(printer) {}

    void run() {
        if (range_.opt1.value() || range_.opt5.value()) Pri_Ippan();
        if (range_.opt2.value() || range_.opt4.value() || range_.opt5.value()) Pri_Keisan();
        if (range_.opt3.value() || range_.opt4.value() || range_.opt5.value()) Pri_Haikin();
        printer_.endDoc();
    }

private:
    // Page 1.
    void Pri_Ippan() {
        runWriters(program_, 1);
        pageNumber(0);
        printer_.newPage();
    }

    // Pages 2 to 4; the stability results are recomputed once, before page 2.
    void Pri_Keisan() {
        int first = range_.opt5.value() ? 1 : 0;
        runProc(program_, Proc::DANMEM_1);
        for (int page = 2; page <= 4; ++page) {
            runWriters(program_, page);
            pageNumber(first + page - 2);
            printer_.newPage();
        }
    }

    // Pages 5 to 8, and 9 where it exists; each page after the first starts a sheet.
    void Pri_Haikin() {
        int first = range_.opt5.value() ? 4 : range_.opt4.value() ? 3 : 0;
        int last = page9Exists(members(program_)) ? 9 : 8;
        for (int page = 5; page <= last; ++page) {
            if (page > 5) printer_.newPage();
            runWriters(program_, page);
            pageNumber(first + page - 5);
        }
    }

    // The number at the foot, in the font size the page's last writer left; half a line
    // below the page's text where that reaches down to the number's line.
    void pageNumber(int offset) {
        if (range_.chk_P.value() != 1) return;
        float number = program_.firstPageNumber + static_cast<float>(offset);
        double y = page::kPageNumberY;
        if (printer_.textBottom() > y) y = printer_.textBottom() + printer_.textHeight() / 2;
        printer_.setCurrentX(kPageNumberX);
        printer_.setCurrentY(y);
        printer_.print(pageNumberText(number));
    }

    Program& program_;
    Form15& range_;
    plat::Surface& printer_;
};

}  // namespace

std::string pageNumberText(float number) { return "－ " + num::format(number, page::fmt::kPageNumber) + " －"; }

void FilePrint(Program& program) {
    Form15& range = program.form<Form15>();
    // A range is printed whole or not at all: its pages are checked before the printer is asked.
    const bool sectionPages = range.opt3.value() || range.opt4.value() || range.opt5.value();
    if (!mayMakePages(program, sectionPages)) return;

    plat::Services& services = program.services();
    const plat::PrintStart start = services.beginPrint("ミラノス");
    if (!start.surface) {
        if (start.failed) showFaultMessage(program, kNotPrintedMessage);
        return;  // cancelled in the printer dialog
    }
    // The run stops at a calculation fault; the job is abandoned below, never sent in part.
    const bool completed = calculationCompletes([&] {
        plat::Surface& printer = *start.surface;
        printer.setFontSize(11);
        printer.setFontName("ＭＳ 明朝");
        program.outputSurface = &printer;
        PrintRun(program, range, printer).run();
    });
    const bool sent = services.endPrint();
    if (!completed || !sent) showFaultMessage(program, kNotPrintedMessage);
}

}  // namespace report
