#include "report/print_run.h"

#include <exception>

#include "common/numbers.h"
#include "report/print_range_dialog.h"
#include "report/report_pages.h"

namespace report {

namespace {

constexpr double kPageNumberX = 5500;
constexpr double kPageNumberY = 15600;

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

    // The number at the foot, in the font size the page's last writer left.
    void pageNumber(int offset) {
        if (range_.chk_P.value() != 1) return;
        float number = program_.firstPageNumber + static_cast<float>(offset);
        printer_.setCurrentX(kPageNumberX);
        printer_.setCurrentY(kPageNumberY);
        printer_.print(pageNumberText(number));
    }

    Program& program_;
    Form15& range_;
    plat::Surface& printer_;
};

}  // namespace

std::string pageNumberText(float number) { return "－ " + num::format(number, "0") + " －"; }

void FilePrint(Program& program) {
    plat::Services& services = program.services();
    plat::Surface* printer = services.beginPrint("ミラノス");
    if (!printer) return;  // cancelled in the printer dialog
    try {
        printer->setFontSize(11);
        printer->setFontName("ＭＳ 明朝");
        program.outputSurface = printer;
        PrintRun(program, program.form<Form15>(), *printer).run();
    } catch (const std::exception&) {
        // The run stops silently; the job is abandoned below.
    }
    services.endPrint();
}

}  // namespace report
